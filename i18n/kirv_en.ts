<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>kirv</name>
    <message>
        <source>KIRV : sous Wayland, le maintien au premier plan et la position des fenêtres sont laissés au compositeur.
</source>
        <translation>KIRV: under Wayland, staying on top and the windows&apos; positions are left to the compositor.
</translation>
    </message>
    <message>
        <source>Erreur dans le logging des statistiques</source>
        <translation>Error while logging the statistics</translation>
    </message>
    <message>
        <source>Ko</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Ko/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Mo/S</source>
        <translation>MB/s</translation>
    </message>
    <message>
        <source>Go/s</source>
        <translation>GB/s</translation>
    </message>
    <message>
        <source>Mo/s</source>
        <translation>MB/s</translation>
    </message>
    <message>
        <source>IN : </source>
        <translation>IN: </translation>
    </message>
    <message>
        <source>OUT : </source>
        <translation>OUT: </translation>
    </message>
    <message>
        <source>o</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Journée</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Semaine</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>Mois</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Année</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>64kbps (RTC, RNIS)</source>
        <translation>64kbps (dial-up, ISDN)</translation>
    </message>
    <message>
        <source>128kbps (RNIS double)</source>
        <translation>128kbps (dual ISDN)</translation>
    </message>
    <message>
        <source>512kbps (ADSL, cable)</source>
        <translation>512kbps (ADSL, cable)</translation>
    </message>
    <message>
        <source>1024kbps (ADSL, cable)</source>
        <translation>1024kbps (ADSL, cable)</translation>
    </message>
    <message>
        <source>10mbps (Ethernet)</source>
        <translation>10mbps (Ethernet)</translation>
    </message>
    <message>
        <source>100mbps (Fast Ethernet)</source>
        <translation>100mbps (Fast Ethernet)</translation>
    </message>
    <message>
        <source>1gbps (Gigabit Ethernet)</source>
        <translation>1gbps (Gigabit Ethernet)</translation>
    </message>
    <message>
        <source>Automatique</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Manuel</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Erreur dans l&apos;écriture des métriques</source>
        <translation>Error while writing the metrics</translation>
    </message>
    <message>
        <source>route par défaut de la table principale</source>
        <translation>default route of the main table</translation>
    </message>
    <message>
        <source>tunnel seul à porter la route par défaut</source>
        <translation>only a tunnel carries the default route</translation>
    </message>
    <message>
        <source>aucune route par défaut : interfaces actives d&apos;un périphérique</source>
        <translation>no default route: active interfaces backed by a device</translation>
    </message>
    <message>
        <source>aucune route par défaut ni interface active d&apos;un périphérique</source>
        <translation>no default route and no active interface backed by a device</translation>
    </message>
    <message>
        <source>aucune interface choisie (</source>
        <translation>no interface chosen (</translation>
    </message>
    <message>
        <source>interfaces choisies : </source>
        <translation>interfaces chosen: </translation>
    </message>
    <message>
        <source>ko/s</source>
        <translation>kB/s</translation>
    </message>
    <message>
        <source>DL : </source>
        <translation>DL: </translation>
    </message>
    <message>
        <source>  UL : </source>
        <translation>  UL: </translation>
    </message>
    <message>
        <source>0ko/s  UL : 0ko/s</source>
        <translation>0kB/s  UL: 0kB/s</translation>
    </message>
</context>
<context>
    <name>kirv::Artwork</name>
    <message>
        <source>Compteur de trafic</source>
        <translation>Traffic meter</translation>
    </message>
    <message>
        <source>Trafic, historique, totaux</source>
        <translation>Traffic, history, totals</translation>
    </message>
</context>
<context>
    <name>kirv::CommandLine</name>
    <message>
        <source>option inconnue « %1 »</source>
        <translation>unknown option &quot;%1&quot;</translation>
    </message>
    <message>
        <source>l&apos;option « %1 » attend une valeur</source>
        <translation>the option &quot;%1&quot; needs a value</translation>
    </message>
    <message>
        <source>argument inattendu « %1 »</source>
        <translation>unexpected argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--data-dir attend un dossier</source>
        <translation>--data-dir needs a folder</translation>
    </message>
    <message>
        <source>--metrics-dir attend un dossier</source>
        <translation>--metrics-dir needs a folder</translation>
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
        <translation>Usage: kirv [options]
       kirv report|graph|log [options]

KIRV measures network traffic: an icon in the notification area, a meter,
an archive of the statistics per interface, graphs and totals.
Starting it again shows the meter of the KIRV already running.

Options:
  --data-dir &lt;folder&gt;   folder of the archives, snapshots and &quot;debug.txt&quot;
                        (default %1)
  --metrics-dir &lt;folder&gt;
                        folder of kirv.prom for node_exporter (default: the
                        settings&apos; metricsDir, otherwise none)
  --version             show the version and exit
  -h, --help            show this help and exit

Commands:
  report                totals and month forecast of an archive
  graph                 graph of an archive into an image file
  log                   record the statistics without a window

&quot;kirv &lt;command&gt; --help&quot; describes the options of a command.
</translation>
    </message>
</context>
<context>
    <name>kirv::DesktopMain</name>
    <message>
        <source>KIRV est déjà lancé.
</source>
        <translation>KIRV is already running.
</translation>
    </message>
</context>
<context>
    <name>kirv::QtStatisticsBox</name>
    <message>
        <source>Statistiques</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Actuel In :</source>
        <translation>Current In:</translation>
    </message>
    <message>
        <source>Actuel Out :</source>
        <translation>Current Out:</translation>
    </message>
    <message>
        <source>Max In :</source>
        <translation>Max In:</translation>
    </message>
    <message>
        <source>Max Out :</source>
        <translation>Max Out:</translation>
    </message>
    <message>
        <source>Moyenne In :</source>
        <translation>Average In:</translation>
    </message>
    <message>
        <source>Moyenne Out :</source>
        <translation>Average Out:</translation>
    </message>
</context>
<context>
    <name>kirv::SingleInstance</name>
    <message>
        <source>le dossier « %1 » ne peut pas être créé : un second KIRV ne sera pas reconnu</source>
        <translation>the folder &quot;%1&quot; cannot be created: a second KIRV will not be recognised</translation>
    </message>
    <message>
        <source>le verrou « %1.lock » ne peut pas être pris : un second KIRV ne sera pas reconnu</source>
        <translation>the lock &quot;%1.lock&quot; cannot be taken: a second KIRV will not be recognised</translation>
    </message>
    <message>
        <source>la prise « %1.socket » ne peut pas être ouverte (%2) : un second lancement ne montrera pas le tachymètre</source>
        <translation>the socket &quot;%1.socket&quot; cannot be opened (%2): a second start will not show the meter</translation>
    </message>
</context>
<context>
    <name>kirv::Startup</name>
    <message>
        <source>Le dossier de données « %1 » ne peut pas être ouvert</source>
        <translation>The data folder &quot;%1&quot; cannot be opened</translation>
    </message>
</context>
<context>
    <name>kirv::TForm2</name>
    <message>
        <source>Module Graphique</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Tous</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Graphique :</source>
        <translation>Graph:</translation>
    </message>
    <message>
        <source>Echelle :</source>
        <translation>Scale:</translation>
    </message>
    <message>
        <source>Vitesse :</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>octets/s</source>
        <translation>bytes/s</translation>
    </message>
    <message>
        <source>Graduations :</source>
        <translation>Gridlines:</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>Bits</translation>
    </message>
    <message>
        <source>Octets</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Sens de génération :</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>Droite à Gauche</source>
        <translation>Right to left</translation>
    </message>
    <message>
        <source>Gauche à Droite</source>
        <translation>Left to right</translation>
    </message>
    <message>
        <source>Tracer a partir du :</source>
        <translation>Draw from:</translation>
    </message>
    <message>
        <source>Dessiner pics</source>
        <translation>Draw peaks</translation>
    </message>
    <message>
        <source>Légende</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>Enregistrement auto</source>
        <translation>Auto save</translation>
    </message>
    <message>
        <source>Tracer</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Effacer</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Rafraichir</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Fichier Archive KIRV|*.mdf</source>
        <translation>KIRV archive file|*.mdf</translation>
    </message>
    <message>
        <source>Image bitmap|*.bmp</source>
        <translation>Bitmap image|*.bmp</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer l&apos;image </source>
        <translation>Cannot save the picture </translation>
    </message>
</context>
<context>
    <name>kirv::TForm3</name>
    <message>
        <source>Tachymetre</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>DL : 0ko/s  UL : 0ko/s</source>
        <translation>DL: 0kB/s  UL: 0kB/s</translation>
    </message>
    <message>
        <source>ARRET</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Toujours au &amp;dessus</source>
        <translation>Always on &amp;top</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Mode Compact</source>
        <translation>Compact &amp;Mode</translation>
    </message>
    <message>
        <source>Vitesse Moyenne</source>
        <translation>Average Speed</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Reception</source>
        <translation>Received</translation>
    </message>
    <message>
        <source>Envoi</source>
        <translation>Sent</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer l&apos;image </source>
        <translation>Cannot save the picture </translation>
    </message>
</context>
<context>
    <name>kirv::TForm4</name>
    <message>
        <source>&amp;Tachymetre</source>
        <translation>&amp;Meter</translation>
    </message>
    <message>
        <source>&amp;Graphique</source>
        <translation>&amp;Graph</translation>
    </message>
    <message>
        <source>Totau&amp;x</source>
        <translation>Total&amp;s</translation>
    </message>
    <message>
        <source>C&amp;hronometre</source>
        <translation>Stop&amp;watch</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>A &amp;propos...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
</context>
<context>
    <name>kirv::TForm6</name>
    <message>
        <source>Chronometre</source>
        <translation>Stopwatch</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Total Transferré</source>
        <translation>Total Transferred</translation>
    </message>
    <message>
        <source>IN : 0ko</source>
        <translation>IN: 0KB</translation>
    </message>
    <message>
        <source>OUT : 0ko</source>
        <translation>OUT: 0KB</translation>
    </message>
    <message>
        <source>Vitesse Maximale</source>
        <translation>Top Speed</translation>
    </message>
    <message>
        <source>IN : 0ko/s</source>
        <translation>IN: 0KB/s</translation>
    </message>
    <message>
        <source>OUT : 0ko/s</source>
        <translation>OUT: 0KB/s</translation>
    </message>
    <message>
        <source>Vitesse Moyenne</source>
        <translation>Average Speed</translation>
    </message>
    <message>
        <source>Prévisions</source>
        <translation>Forecast</translation>
    </message>
    <message>
        <source>Heure</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>Jour</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>kirv::TOKBottomDlg</name>
    <message>
        <source>A propos...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
