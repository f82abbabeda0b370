<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="fr">
<context>
    <name>kirv</name>
    <message>
        <source>Réception</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envoi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Réception + Envoi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seuil d&apos;alerte atteint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>limite atteinte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> octets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> restants)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forfait : limite atteinte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forfait : l&apos;estimation dépasse la limite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forfait : seuil d&apos;alerte atteint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forfait : </source>
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
        <source> Ko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Mo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totaux/Prévisions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stats Journalières</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stats Mensuelles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transferts d&apos;aujourd&apos;hui</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prévisions sur le mois</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transferts depuis le</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Récéption:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envoi:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deux directions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>c&apos;est un lien symbolique, qui n&apos;est jamais suivi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERREUR LOG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ko/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERREUR ECRITURE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erreur dans le logging des statistiques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ce n&apos;est pas un état d&apos;écriture de KIRV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ligne illisible : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la dernière ligne est incomplète</source>
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
    <message>
        <source>%1 : compteurs lus en hausse de %2 octets reçus et %3 envoyés depuis le dernier enregistrement, plus que 2^62 : rien n&apos;est écrit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;archive %1 ne peut pas être ouverte : %2 ; son trafic passe dans l&apos;enregistrement suivant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;archive %1 ne peut pas être écrite : %2 ; son trafic passe dans l&apos;enregistrement suivant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;horloge (%1) est en retard sur le dernier enregistrement de %2 (%3) : son trafic est gardé jusqu&apos;à ce qu&apos;elle le dépasse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;horloge est en retard depuis un jour sur le dernier enregistrement de %1 (%2), tenu pour faux : l&apos;écriture reprend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le dossier de données %1 avait disparu ; il est refait et les archives y reprennent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pas une couleur (six chiffres hexadécimaux)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pas un nombre d&apos;octets (1 à 9223372036854775807)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pas une date (jj/mm/aaaa)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chemin de plus de %1 octets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chemin contenant un octet nul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>réglage &quot;%1&quot; : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>et %1 autres réglages invalides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hors de %2 à %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ; ramené à %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ; valeur gardée : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sous Wayland, le maintien au premier plan et la position des fenêtres sont laissés au compositeur.</source>
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
    <name>kirv::CommandTexts</name>
    <message>
        <source>%1 : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>valeur inattendue après « %1 »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>valeur manquante après « %1 »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option inconnue « %1 »</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n ligne(s) illisible(s) ignorée(s)</source>
        <translation>
            <numerusform>%n ligne(s) illisible(s) ignorée(s)</numerusform>
            <numerusform>%n ligne(s) illisible(s) ignorée(s)</numerusform>
        </translation>
    </message>
    <message>
        <source>Utilisation : kirv %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arguments :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Affiche cette aide et quitte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>date illisible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n&apos;est pas un fichier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le programme d&apos;enregistrement ne peut pas être lancé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le module de bureau ne peut pas être chargé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;image du Module Graphique pour une archive, sans écran, et ses statistiques.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive .mdf à lire.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>day, week, month ou year.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>période</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instant le plus récent montré (par défaut maintenant).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jj/mm/aaaa hh:mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largeur de la courbe en colonnes, 1 à 1023 (par défaut 600).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>auto (par défaut), manual:N octets/s, ou une échelle (512kbps, 0 à 6).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>échelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vitesses en bits (par défaut en octets).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image PNG à écrire.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fichier.png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les statistiques à droite du graphique (par défaut selon « Légende »).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le graphique seul.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistiques et colonnes en JSON sur la sortie.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>une ARCHIVE, et une seule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-o fichier.png ou --json</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--legend ou --no-legend, pas les deux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>période illisible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>instant illisible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>largeur illisible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>échelle illisible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistre toutes les cinq minutes le trafic des interfaces à monitorer, sans fenêtre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dossier des archives.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dossier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Période d&apos;enregistrement en millisecondes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dossier où écrire kirv.prom pour node_exporter (remplace metricsDir).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>argument inattendu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>période trop courte, %1 ms au moins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aucune interface à monitorer dans %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rien ne sera enregistré</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dossier de données inaccessible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le processus %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>un autre processus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 écrit déjà les archives de %2 ; kirv log prendra le relais à sa fin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>écriture des archives de %1 reprise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>se lance par « kirv log »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le module de notification ne peut pas être chargé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forfait du %1 au %2 : %3 jour(s), dont %4 restant(s)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compté : %1, alerte à %2 %
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utilisé : %1 sur %2 (%3 %)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restant : %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aujourd&apos;hui : %1 permis, %2 utilisés, %3 restants
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimation en fin de période : %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Niveau : %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le forfait de données : utilisé, restant, permis aujourd&apos;hui, estimation de fin de période (le forfait des réglages ; chaque option en remplace une part).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archives .mdf à compter (sans ARCHIVE : celles du forfait dans le dossier de données).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jour, à sa fin (par défaut aujourd&apos;hui).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jj/mm/aaaa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limite : octets, ou K, M, G, T (de 1024), KB, MB, GB, TB (de 1000).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>taille</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Période mensuelle à partir du jour J.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>J</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Période d&apos;un jour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Période de N jours (1 à 366).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Premier jour d&apos;une période de N jours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ce qui compte : both, received ou sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quoi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seuil d&apos;alerte en % (1 à 99).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un objet JSON, octets exacts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statut de sortie 3 au seuil d&apos;alerte, 4 à la limite.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aucun forfait dans %1 et pas de --limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>limite illisible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>une seule période : --monthly, --daily ou --every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jour de début illisible (1 à 31)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nombre de jours illisible (1 à 366)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>premier jour illisible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--every demande --from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--count both, received ou sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seuil illisible (1 à 99)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>forfait illisible dans %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aucune archive (*.mdf) dans %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totaux d&apos;une archive KIRV (sans ARCHIVE : de chaque archive du dossier de données).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jour des totaux (par défaut aujourd&apos;hui).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un document JSON, octets exacts compris.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les lignes jour par jour et mois par mois en CSV.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dossier des archives (sans ARCHIVE, ou pour un nom seul).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>une seule ARCHIVE à la fois</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ARCHIVE vide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--json ou --csv, pas les deux</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirv::DataFolder</name>
    <message>
        <source>Le dossier de données « %1 » %2 : %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>appartient à l&apos;utilisateur n° %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>peut être modifié par %1 (droits %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tous les utilisateurs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>son groupe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le dossier de données « %1 » %2 : d&apos;autres que vous peuvent y remplacer les archives ; KIRV y enregistre quand même</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ne peut pas être créé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n&apos;est pas accessible en écriture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirv::DesktopMain</name>
    <message>
        <source>KIRV est déjà lancé.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirv::IniSettingsStore</name>
    <message>
        <source>fichier de réglages de plus de %1 Mio, non lu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fichier de réglages illisible (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fichier de réglages qui n&apos;est pas du texte (octet nul), non lu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pas de groupe [KIRV], réglages par défaut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un nombre entier de 32 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 n&apos;est ni true ni false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La clé des réglages n&apos;existe pas : &quot;%1&quot; n&apos;est pas écrit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 copies déjà gardées ce jour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier de réglages %1 non lu ne peut pas être gardé à côté (%2) : il n&apos;est pas remplacé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier de réglages %1 ne peut pas être écrit : %2 ; il reste tel qu&apos;il était</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dossier %1 impossible à créer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fichier de réglages non lu gardé sous %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirv::Metrics</name>
    <message>
        <source>Erreur dans l&apos;écriture des métriques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le dossier des métriques %1 ne peut pas être écrit (%2) ; l&apos;enregistrement continue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirv::NetlinkInterfaceTable</name>
    <message>
        <source>La table des interfaces réseau ne peut pas être lue (%1) : KIRV ne mesure aucun trafic.</source>
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
    <name>kirv::TForm1</name>
    <message>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>test timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La table des interfaces réseau ne peut pas être lue : KIRV ne mesure aucun trafic.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer activé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer désactivé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOG REPRIS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options Générales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interfaces à monitorer :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rafraichir la liste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Démarrer avec Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couleurs graphique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Défaut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Récéption 1 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envoi 1 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Récéption 2 Pic:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envoi 2 Pic :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intersection 1-2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tachymetre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Légende</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Afficher le graphique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Octets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graduations horizontales : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graduations verticales toutes les :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>secondes</source>
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
        <source>Toujours au dessus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode Compact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Période de rafraichissement :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interfaces à monitorer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphique 1 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphique 2 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forfait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suivre un forfait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limite :</source>
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
        <source>Période :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mensuelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quotidienne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tous les N jours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Début le jour :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Premier jour :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compter :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alerte à :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% de la limite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interfaces comptées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toutes les archives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celles cochées :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>premier démarrage, %1</source>
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
    <name>kirv::TForm5</name>
    <message>
        <source>Forfait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utilisé :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restant :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encore aujourd&apos;hui :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimation :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Période :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totaux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traitement en cours, patientez ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>du %1 au %2</source>
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
<context>
    <name>kirv::WriterLock</name>
    <message>
        <source>est un lien symbolique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>est un dossier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ne peut pas être ouvert : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n&apos;est pas un fichier ordinaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ne peut pas être verrouillé : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dépasse %1 octets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOG PAR LE PROCESSUS %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOG PAR UN AUTRE PROCESSUS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le verrou %1 %2 ; le dossier de données est verrouillé à sa place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le verrou %1 %2 ; les archives sont écrites sans verrou</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;état %1 %2 : les compteurs repartent de leurs valeurs actuelles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;état %1 est ignoré, %2 : les compteurs repartent de leurs valeurs actuelles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;état %1 ne peut pas être écrit : %2 ; le prochain programme à écrire les archives repartira des compteurs de son démarrage</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirv::XdgAutoStartEntry</name>
    <message>
        <source>Cannot remove the autostart entry %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the autostart entry %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
