<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="fr">
<context>
    <name>kirv</name>
    <message>
        <source>KIRV : sous Wayland, le maintien au premier plan et la position des fenêtres sont laissés au compositeur.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erreur dans le logging des statistiques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ko/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mo/S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mo/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IN : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OUT : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Journée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semaine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mois</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Année</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>64kbps (RTC, RNIS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>128kbps (RNIS double)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>512kbps (ADSL, cable)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1024kbps (ADSL, cable)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10mbps (Ethernet)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100mbps (Fast Ethernet)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1gbps (Gigabit Ethernet)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manuel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erreur dans l&apos;écriture des métriques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>route par défaut de la table principale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tunnel seul à porter la route par défaut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aucune route par défaut : interfaces actives d&apos;un périphérique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aucune route par défaut ni interface active d&apos;un périphérique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aucune interface choisie (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interfaces choisies : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ko/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DL : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  UL : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0ko/s  UL : 0ko/s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirv::Artwork</name>
    <message>
        <source>Compteur de trafic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trafic, historique, totaux</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirv::CommandLine</name>
    <message>
        <source>option inconnue « %1 »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;option « %1 » attend une valeur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>argument inattendu « %1 »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--data-dir attend un dossier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--metrics-dir attend un dossier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utilisation : kirv [options]
              kirv report|graph|log [options]

KIRV mesure le trafic réseau : une icône dans la zone de notification, un tachymètre,
une archive des statistiques par interface, des graphiques et des totaux.
Un second lancement montre le tachymètre du KIRV déjà lancé.

Options :
  --data-dir &lt;dossier&gt;  dossier des archives, des captures et de « debug.txt »
                        (par défaut %1)
  --metrics-dir &lt;dossier&gt;
                        dossier de kirv.prom pour node_exporter (par défaut
                        metricsDir des réglages, sinon aucun)
  --version             affiche la version et quitte
  -h, --help            affiche cette aide et quitte

Commandes :
  report                totaux et prévision du mois d&apos;une archive
  graph                 graphique d&apos;une archive dans un fichier image
  log                   enregistre les statistiques sans fenêtre

« kirv &lt;commande&gt; --help » décrit les options d&apos;une commande.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirv::DesktopMain</name>
    <message>
        <source>KIRV est déjà lancé.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirv::QtStatisticsBox</name>
    <message>
        <source>Statistiques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actuel In :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actuel Out :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max In :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Out :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moyenne In :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moyenne Out :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirv::SingleInstance</name>
    <message>
        <source>le dossier « %1 » ne peut pas être créé : un second KIRV ne sera pas reconnu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le verrou « %1.lock » ne peut pas être pris : un second KIRV ne sera pas reconnu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la prise « %1.socket » ne peut pas être ouverte (%2) : un second lancement ne montrera pas le tachymètre</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirv::Startup</name>
    <message>
        <source>Le dossier de données « %1 » ne peut pas être ouvert</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirv::TForm2</name>
    <message>
        <source>Module Graphique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphique :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Echelle :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vitesse :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>octets/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graduations :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Octets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sens de génération :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Droite à Gauche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gauche à Droite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracer a partir du :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dessiner pics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Légende</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrement auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effacer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rafraichir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichier Archive KIRV|*.mdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image bitmap|*.bmp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer l&apos;image </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirv::TForm3</name>
    <message>
        <source>Tachymetre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DL : 0ko/s  UL : 0ko/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ARRET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toujours au &amp;dessus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mode Compact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vitesse Moyenne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reception</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envoi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer l&apos;image </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirv::TForm4</name>
    <message>
        <source>&amp;Tachymetre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Graphique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totau&amp;x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hronometre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A &amp;propos...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirv::TForm6</name>
    <message>
        <source>Chronometre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Transferré</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IN : 0ko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OUT : 0ko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vitesse Maximale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IN : 0ko/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OUT : 0ko/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vitesse Moyenne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prévisions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirv::TOKBottomDlg</name>
    <message>
        <source>A propos...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
