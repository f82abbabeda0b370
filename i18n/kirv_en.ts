<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>kirv</name>
    <message>
        <source>Réception</source>
        <translation>Received</translation>
    </message>
    <message>
        <source>Envoi</source>
        <translation>Sent</translation>
    </message>
    <message>
        <source>Réception + Envoi</source>
        <translation>Received + Sent</translation>
    </message>
    <message>
        <source>seuil d&apos;alerte atteint</source>
        <translation>warning level reached</translation>
    </message>
    <message>
        <source>limite atteinte</source>
        <translation>limit reached</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source> octets</source>
        <translation> bytes</translation>
    </message>
    <message>
        <source> restants)</source>
        <translation> left)</translation>
    </message>
    <message>
        <source>Forfait : limite atteinte</source>
        <translation>Data plan: limit reached</translation>
    </message>
    <message>
        <source>Forfait : l&apos;estimation dépasse la limite</source>
        <translation>Data plan: estimate above the limit</translation>
    </message>
    <message>
        <source>Forfait : seuil d&apos;alerte atteint</source>
        <translation>Data plan: warning level reached</translation>
    </message>
    <message>
        <source>Forfait : </source>
        <translation>Data plan: </translation>
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
        <source> Ko</source>
        <translation> KB</translation>
    </message>
    <message>
        <source> Mo</source>
        <translation> MB</translation>
    </message>
    <message>
        <source> Go</source>
        <translation> GB</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>DL</source>
        <translation>DL</translation>
    </message>
    <message>
        <source>UL</source>
        <translation>UL</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Totaux/Prévisions</source>
        <translation>Totals/Forecast</translation>
    </message>
    <message>
        <source>Stats Journalières</source>
        <translation>Daily Stats</translation>
    </message>
    <message>
        <source>Stats Mensuelles</source>
        <translation>Monthly Stats</translation>
    </message>
    <message>
        <source>Transferts d&apos;aujourd&apos;hui</source>
        <translation>Today&apos;s transfers</translation>
    </message>
    <message>
        <source>Prévisions sur le mois</source>
        <translation>Month forecast</translation>
    </message>
    <message>
        <source>Transferts depuis le</source>
        <translation>Transfers since</translation>
    </message>
    <message>
        <source>Récéption:</source>
        <translation>Received:</translation>
    </message>
    <message>
        <source>Envoi:</source>
        <translation>Sent:</translation>
    </message>
    <message>
        <source>Deux directions:</source>
        <translation>Both directions:</translation>
    </message>
    <message>
        <source>sous Wayland, le maintien au premier plan et la position des fenêtres sont laissés au compositeur.</source>
        <translation>under Wayland, staying on top and the windows&apos; positions are left to the compositor.</translation>
    </message>
    <message>
        <source>c&apos;est un lien symbolique, qui n&apos;est jamais suivi</source>
        <translation>it is a symbolic link, which is never followed</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>ERREUR LOG</source>
        <translation>LOG ERROR</translation>
    </message>
    <message>
        <source>ko/s</source>
        <translation>kB/s</translation>
    </message>
    <message>
        <source>ERREUR ECRITURE</source>
        <translation>WRITE ERROR</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Erreur dans le logging des statistiques</source>
        <translation>Error while logging the statistics</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un état d&apos;écriture de KIRV</source>
        <translation>it is not a KIRV writer state</translation>
    </message>
    <message>
        <source>ligne illisible : %1</source>
        <translation>unreadable line: %1</translation>
    </message>
    <message>
        <source>la dernière ligne est incomplète</source>
        <translation>the last line is incomplete</translation>
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
    <message>
        <source>%1 : compteurs lus en hausse de %2 octets reçus et %3 envoyés depuis le dernier enregistrement, plus que 2^62 : rien n&apos;est écrit</source>
        <translation>%1: counters read %2 bytes received and %3 sent higher than at the last record, more than 2^62: nothing is written</translation>
    </message>
    <message>
        <source>l&apos;archive %1 ne peut pas être ouverte : %2 ; son trafic passe dans l&apos;enregistrement suivant</source>
        <translation>the archive %1 cannot be opened: %2; its traffic goes into the next record</translation>
    </message>
    <message>
        <source>l&apos;archive %1 ne peut pas être écrite : %2 ; son trafic passe dans l&apos;enregistrement suivant</source>
        <translation>the archive %1 cannot be written: %2; its traffic goes into the next record</translation>
    </message>
    <message>
        <source>l&apos;horloge (%1) est en retard sur le dernier enregistrement de %2 (%3) : son trafic est gardé jusqu&apos;à ce qu&apos;elle le dépasse</source>
        <translation>the clock (%1) is behind the last record of %2 (%3): its traffic is kept until the clock passes it</translation>
    </message>
    <message>
        <source>l&apos;horloge est en retard depuis un jour sur le dernier enregistrement de %1 (%2), tenu pour faux : l&apos;écriture reprend</source>
        <translation>the clock has been behind the last record of %1 (%2) for a day; that record is taken as wrong and writing resumes</translation>
    </message>
    <message>
        <source>le dossier de données %1 avait disparu ; il est refait et les archives y reprennent</source>
        <translation>the data folder %1 had disappeared; it has been made again and the archives resume there</translation>
    </message>
    <message>
        <source>pas une couleur (six chiffres hexadécimaux)</source>
        <translation>not a colour (six hexadecimal digits)</translation>
    </message>
    <message>
        <source>pas un nombre d&apos;octets (1 à 9223372036854775807)</source>
        <translation>not a number of bytes (1 to 9223372036854775807)</translation>
    </message>
    <message>
        <source>pas une date (jj/mm/aaaa)</source>
        <translation>not a date (dd/mm/yyyy)</translation>
    </message>
    <message>
        <source>chemin de plus de %1 octets</source>
        <translation>path of more than %1 bytes</translation>
    </message>
    <message>
        <source>chemin contenant un octet nul</source>
        <translation>path holding a nul byte</translation>
    </message>
    <message>
        <source>réglage &quot;%1&quot; : %2</source>
        <translation>setting &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>et %1 autres réglages invalides</source>
        <translation>and %1 more invalid settings</translation>
    </message>
    <message>
        <source>%1 hors de %2 à %3</source>
        <translation>%1 outside %2 to %3</translation>
    </message>
    <message>
        <source>%1 ; ramené à %2</source>
        <translation>%1; brought to %2</translation>
    </message>
    <message>
        <source>%1 ; valeur gardée : %2</source>
        <translation>%1; value kept: %2</translation>
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
    <name>kirv::CommandTexts</name>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>valeur inattendue après « %1 »</source>
        <translation>unexpected value after &apos;%1&apos;</translation>
    </message>
    <message>
        <source>valeur manquante après « %1 »</source>
        <translation>missing value after &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option inconnue « %1 »</source>
        <translation>unknown option &apos;%1&apos;</translation>
    </message>
    <message numerus="yes">
        <source>%n ligne(s) illisible(s) ignorée(s)</source>
        <translation>
            <numerusform>%n unreadable line skipped</numerusform>
            <numerusform>%n unreadable lines skipped</numerusform>
        </translation>
    </message>
    <message>
        <source>Utilisation : kirv %1</source>
        <translation>Usage: kirv %1</translation>
    </message>
    <message>
        <source>Options :</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Arguments :</source>
        <translation>Arguments:</translation>
    </message>
    <message>
        <source>Affiche cette aide et quitte.</source>
        <translation>Displays this help and exits.</translation>
    </message>
    <message>
        <source>date illisible</source>
        <translation>unreadable date</translation>
    </message>
    <message>
        <source>n&apos;est pas un fichier</source>
        <translation>is not a file</translation>
    </message>
    <message>
        <source>%1 ; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>le programme d&apos;enregistrement ne peut pas être lancé</source>
        <translation>the logging program cannot be started</translation>
    </message>
    <message>
        <source>le module de bureau ne peut pas être chargé</source>
        <translation>the desktop module cannot be loaded</translation>
    </message>
    <message>
        <source>L&apos;image du Module Graphique pour une archive, sans écran, et ses statistiques.</source>
        <translation>The Graph window&apos;s picture of an archive, drawn without a display, and its statistics.</translation>
    </message>
    <message>
        <source>Archive .mdf à lire.</source>
        <translation>The .mdf archive to read.</translation>
    </message>
    <message>
        <source>day, week, month ou year.</source>
        <translation>day, week, month or year.</translation>
    </message>
    <message>
        <source>période</source>
        <translation>period</translation>
    </message>
    <message>
        <source>Instant le plus récent montré (par défaut maintenant).</source>
        <translation>The latest time shown (now by default).</translation>
    </message>
    <message>
        <source>jj/mm/aaaa hh:mm</source>
        <translation>dd/mm/yyyy hh:mm</translation>
    </message>
    <message>
        <source>Largeur de la courbe en colonnes, 1 à 1023 (par défaut 600).</source>
        <translation>Width of the curve in columns, 1 to 1023 (600 by default).</translation>
    </message>
    <message>
        <source>auto (par défaut), manual:N octets/s, ou une échelle (512kbps, 0 à 6).</source>
        <translation>auto (the default), manual:N bytes/s, or a scale (512kbps, 0 to 6).</translation>
    </message>
    <message>
        <source>échelle</source>
        <translation>scale</translation>
    </message>
    <message>
        <source>Vitesses en bits (par défaut en octets).</source>
        <translation>Speeds in bits (bytes by default).</translation>
    </message>
    <message>
        <source>Image PNG à écrire.</source>
        <translation>The PNG picture to write.</translation>
    </message>
    <message>
        <source>fichier.png</source>
        <translation>file.png</translation>
    </message>
    <message>
        <source>Les statistiques à droite du graphique (par défaut selon « Légende »).</source>
        <translation>The statistics to the right of the graph (by default as the &quot;Legend&quot; setting says).</translation>
    </message>
    <message>
        <source>Le graphique seul.</source>
        <translation>The graph alone.</translation>
    </message>
    <message>
        <source>Statistiques et colonnes en JSON sur la sortie.</source>
        <translation>Statistics and columns as JSON on standard output.</translation>
    </message>
    <message>
        <source>une ARCHIVE, et une seule</source>
        <translation>one ARCHIVE, and only one</translation>
    </message>
    <message>
        <source>-o fichier.png ou --json</source>
        <translation>-o file.png or --json</translation>
    </message>
    <message>
        <source>--legend ou --no-legend, pas les deux</source>
        <translation>--legend or --no-legend, not both</translation>
    </message>
    <message>
        <source>période illisible</source>
        <translation>unreadable period</translation>
    </message>
    <message>
        <source>instant illisible</source>
        <translation>unreadable time</translation>
    </message>
    <message>
        <source>largeur illisible</source>
        <translation>unreadable width</translation>
    </message>
    <message>
        <source>échelle illisible</source>
        <translation>unreadable scale</translation>
    </message>
    <message>
        <source>Enregistre toutes les cinq minutes le trafic des interfaces à monitorer, sans fenêtre.</source>
        <translation>Records the traffic of the monitored interfaces every five minutes, without a window.</translation>
    </message>
    <message>
        <source>Dossier des archives.</source>
        <translation>Folder of the archives.</translation>
    </message>
    <message>
        <source>dossier</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>Période d&apos;enregistrement en millisecondes.</source>
        <translation>Recording period in milliseconds.</translation>
    </message>
    <message>
        <source>Dossier où écrire kirv.prom pour node_exporter (remplace metricsDir).</source>
        <translation>Folder to write kirv.prom into for node_exporter (instead of metricsDir).</translation>
    </message>
    <message>
        <source>argument inattendu</source>
        <translation>unexpected argument</translation>
    </message>
    <message>
        <source>période trop courte, %1 ms au moins</source>
        <translation>period too short, at least %1 ms</translation>
    </message>
    <message>
        <source>aucune interface à monitorer dans %1, %2</source>
        <translation>no interface to monitor in %1, %2</translation>
    </message>
    <message>
        <source>rien ne sera enregistré</source>
        <translation>nothing will be recorded</translation>
    </message>
    <message>
        <source>dossier de données inaccessible</source>
        <translation>data folder out of reach</translation>
    </message>
    <message>
        <source>le processus %1</source>
        <translation>process %1</translation>
    </message>
    <message>
        <source>un autre processus</source>
        <translation>another process</translation>
    </message>
    <message>
        <source>%1 écrit déjà les archives de %2 ; kirv log prendra le relais à sa fin</source>
        <translation>%1 already writes the archives of %2; kirv log will take over when it ends</translation>
    </message>
    <message>
        <source>écriture des archives de %1 reprise</source>
        <translation>writing of the archives of %1 taken over</translation>
    </message>
    <message>
        <source>se lance par « kirv log »</source>
        <translation>is started by &apos;kirv log&apos;</translation>
    </message>
    <message>
        <source>le module de notification ne peut pas être chargé</source>
        <translation>the notification module cannot be loaded</translation>
    </message>
    <message>
        <source>Forfait du %1 au %2 : %3 jour(s), dont %4 restant(s)
</source>
        <translation>Data plan from %1 to %2: %3 day(s), %4 of them left
</translation>
    </message>
    <message>
        <source>Compté : %1, alerte à %2 %
</source>
        <translation>Counted: %1, warning at %2%
</translation>
    </message>
    <message>
        <source>Utilisé : %1 sur %2 (%3 %)
</source>
        <translation>Used: %1 of %2 (%3%)
</translation>
    </message>
    <message>
        <source>Restant : %1
</source>
        <translation>Remaining: %1
</translation>
    </message>
    <message>
        <source>Aujourd&apos;hui : %1 permis, %2 utilisés, %3 restants
</source>
        <translation>Today: %1 allowed, %2 used, %3 left
</translation>
    </message>
    <message>
        <source>Estimation en fin de période : %1
</source>
        <translation>Estimate at the end of the period: %1
</translation>
    </message>
    <message>
        <source>Niveau : %1
</source>
        <translation>Level: %1
</translation>
    </message>
    <message>
        <source>Le forfait de données : utilisé, restant, permis aujourd&apos;hui, estimation de fin de période (le forfait des réglages ; chaque option en remplace une part).</source>
        <translation>The data plan: used, remaining, allowed today, estimate at the end of the period (the plan of the settings; each option replaces a part of it).</translation>
    </message>
    <message>
        <source>Archives .mdf à compter (sans ARCHIVE : celles du forfait dans le dossier de données).</source>
        <translation>The .mdf archives to count (without ARCHIVE: the plan&apos;s archives in the data folder).</translation>
    </message>
    <message>
        <source>Jour, à sa fin (par défaut aujourd&apos;hui).</source>
        <translation>The day, at its end (today by default).</translation>
    </message>
    <message>
        <source>jj/mm/aaaa</source>
        <translation>dd/mm/yyyy</translation>
    </message>
    <message>
        <source>Limite : octets, ou K, M, G, T (de 1024), KB, MB, GB, TB (de 1000).</source>
        <translation>Limit: bytes, or K, M, G, T (of 1024), KB, MB, GB, TB (of 1000).</translation>
    </message>
    <message>
        <source>taille</source>
        <translation>size</translation>
    </message>
    <message>
        <source>Période mensuelle à partir du jour J.</source>
        <translation>Monthly period from day D.</translation>
    </message>
    <message>
        <source>J</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Période d&apos;un jour.</source>
        <translation>Period of one day.</translation>
    </message>
    <message>
        <source>Période de N jours (1 à 366).</source>
        <translation>Period of N days (1 to 366).</translation>
    </message>
    <message>
        <source>Premier jour d&apos;une période de N jours.</source>
        <translation>First day of a period of N days.</translation>
    </message>
    <message>
        <source>Ce qui compte : both, received ou sent.</source>
        <translation>What counts: both, received or sent.</translation>
    </message>
    <message>
        <source>quoi</source>
        <translation>what</translation>
    </message>
    <message>
        <source>Seuil d&apos;alerte en % (1 à 99).</source>
        <translation>Warning threshold in % (1 to 99).</translation>
    </message>
    <message>
        <source>Un objet JSON, octets exacts.</source>
        <translation>A JSON object, exact bytes.</translation>
    </message>
    <message>
        <source>Statut de sortie 3 au seuil d&apos;alerte, 4 à la limite.</source>
        <translation>Exit status 3 at the warning threshold, 4 at the limit.</translation>
    </message>
    <message>
        <source>aucun forfait dans %1 et pas de --limit</source>
        <translation>no data plan in %1 and no --limit</translation>
    </message>
    <message>
        <source>limite illisible</source>
        <translation>unreadable limit</translation>
    </message>
    <message>
        <source>une seule période : --monthly, --daily ou --every</source>
        <translation>one period only: --monthly, --daily or --every</translation>
    </message>
    <message>
        <source>jour de début illisible (1 à 31)</source>
        <translation>unreadable start day (1 to 31)</translation>
    </message>
    <message>
        <source>nombre de jours illisible (1 à 366)</source>
        <translation>unreadable number of days (1 to 366)</translation>
    </message>
    <message>
        <source>premier jour illisible</source>
        <translation>unreadable first day</translation>
    </message>
    <message>
        <source>--every demande --from</source>
        <translation>--every needs --from</translation>
    </message>
    <message>
        <source>--count both, received ou sent</source>
        <translation>--count both, received or sent</translation>
    </message>
    <message>
        <source>seuil illisible (1 à 99)</source>
        <translation>unreadable threshold (1 to 99)</translation>
    </message>
    <message>
        <source>forfait illisible dans %1</source>
        <translation>unreadable data plan in %1</translation>
    </message>
    <message>
        <source>aucune archive (*.mdf) dans %1</source>
        <translation>no archive (*.mdf) in %1</translation>
    </message>
    <message>
        <source>Totaux d&apos;une archive KIRV (sans ARCHIVE : de chaque archive du dossier de données).</source>
        <translation>Totals of a KIRV archive (without ARCHIVE: of every archive in the data folder).</translation>
    </message>
    <message>
        <source>Jour des totaux (par défaut aujourd&apos;hui).</source>
        <translation>Day of the totals (today by default).</translation>
    </message>
    <message>
        <source>Un document JSON, octets exacts compris.</source>
        <translation>A JSON document, exact bytes included.</translation>
    </message>
    <message>
        <source>Les lignes jour par jour et mois par mois en CSV.</source>
        <translation>The day-by-day and month-by-month rows as CSV.</translation>
    </message>
    <message>
        <source>Dossier des archives (sans ARCHIVE, ou pour un nom seul).</source>
        <translation>Folder of the archives (without ARCHIVE, or for a bare name).</translation>
    </message>
    <message>
        <source>une seule ARCHIVE à la fois</source>
        <translation>one ARCHIVE at a time</translation>
    </message>
    <message>
        <source>ARCHIVE vide</source>
        <translation>empty ARCHIVE</translation>
    </message>
    <message>
        <source>--json ou --csv, pas les deux</source>
        <translation>--json or --csv, not both</translation>
    </message>
</context>
<context>
    <name>kirv::DataFolder</name>
    <message>
        <source>Le dossier de données « %1 » %2 : %3</source>
        <translation>The data folder &apos;%1&apos; %2: %3</translation>
    </message>
    <message>
        <source>appartient à l&apos;utilisateur n° %1</source>
        <translation>belongs to user %1</translation>
    </message>
    <message>
        <source>peut être modifié par %1 (droits %2)</source>
        <translation>can be changed by %1 (mode %2)</translation>
    </message>
    <message>
        <source>tous les utilisateurs</source>
        <translation>every user</translation>
    </message>
    <message>
        <source>son groupe</source>
        <translation>its group</translation>
    </message>
    <message>
        <source>Le dossier de données « %1 » %2 : d&apos;autres que vous peuvent y remplacer les archives ; KIRV y enregistre quand même</source>
        <translation>The data folder &apos;%1&apos; %2: others than you can replace the archives in it; KIRV records there all the same</translation>
    </message>
    <message>
        <source>ne peut pas être créé</source>
        <translation>cannot be created</translation>
    </message>
    <message>
        <source>n&apos;est pas accessible en écriture</source>
        <translation>is not writable</translation>
    </message>
</context>
<context>
    <name>kirv::DesktopMain</name>
    <message>
        <source>KIRV est déjà lancé.</source>
        <translation>KIRV is already running.</translation>
    </message>
</context>
<context>
    <name>kirv::IniSettingsStore</name>
    <message>
        <source>fichier de réglages de plus de %1 Mio, non lu</source>
        <translation>settings file larger than %1 MiB, not read</translation>
    </message>
    <message>
        <source>fichier de réglages illisible (%1)</source>
        <translation>settings file unreadable (%1)</translation>
    </message>
    <message>
        <source>fichier de réglages qui n&apos;est pas du texte (octet nul), non lu</source>
        <translation>settings file that is not text (nul byte), not read</translation>
    </message>
    <message>
        <source>pas de groupe [KIRV], réglages par défaut</source>
        <translation>no [KIRV] group, default settings</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un nombre entier de 32 bits</source>
        <translation>%1 is not a 32-bit integer</translation>
    </message>
    <message>
        <source>%1 n&apos;est ni true ni false</source>
        <translation>%1 is neither true nor false</translation>
    </message>
    <message>
        <source>La clé des réglages n&apos;existe pas : &quot;%1&quot; n&apos;est pas écrit</source>
        <translation>The settings key does not exist: &quot;%1&quot; is not written</translation>
    </message>
    <message>
        <source>%1 copies déjà gardées ce jour</source>
        <translation>%1 copies already kept today</translation>
    </message>
    <message>
        <source>Le fichier de réglages %1 non lu ne peut pas être gardé à côté (%2) : il n&apos;est pas remplacé</source>
        <translation>The unread settings file %1 cannot be kept beside it (%2): it is not replaced</translation>
    </message>
    <message>
        <source>Le fichier de réglages %1 ne peut pas être écrit : %2 ; il reste tel qu&apos;il était</source>
        <translation>The settings file %1 cannot be written: %2; it is left as it was</translation>
    </message>
    <message>
        <source>dossier %1 impossible à créer</source>
        <translation>folder %1 cannot be created</translation>
    </message>
    <message>
        <source>fichier de réglages non lu gardé sous %1</source>
        <translation>unread settings file kept as %1</translation>
    </message>
</context>
<context>
    <name>kirv::Metrics</name>
    <message>
        <source>Erreur dans l&apos;écriture des métriques</source>
        <translation>Metrics writing error</translation>
    </message>
    <message>
        <source>le dossier des métriques %1 ne peut pas être écrit (%2) ; l&apos;enregistrement continue</source>
        <translation>the metrics folder %1 cannot be written (%2); recording goes on</translation>
    </message>
</context>
<context>
    <name>kirv::NetlinkInterfaceTable</name>
    <message>
        <source>La table des interfaces réseau ne peut pas être lue (%1) : KIRV ne mesure aucun trafic.</source>
        <translation>The network interface table cannot be read (%1): KIRV measures no traffic.</translation>
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
    <name>kirv::TForm1</name>
    <message>
        <source>Configuration</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>test timer</source>
        <translation>test timer</translation>
    </message>
    <message>
        <source>La table des interfaces réseau ne peut pas être lue : KIRV ne mesure aucun trafic.</source>
        <translation>The network interface table cannot be read: KIRV measures no traffic.</translation>
    </message>
    <message>
        <source>Timer activé</source>
        <translation>Timer on</translation>
    </message>
    <message>
        <source>Timer désactivé</source>
        <translation>Timer off</translation>
    </message>
    <message>
        <source>LOG REPRIS</source>
        <translation>LOGGING RESUMED</translation>
    </message>
    <message>
        <source>Options Générales</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Interfaces à monitorer :</source>
        <translation>Interfaces to monitor:</translation>
    </message>
    <message>
        <source>Rafraichir la liste</source>
        <translation>Refresh list</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Démarrer avec Windows</source>
        <translation>Start at login</translation>
    </message>
    <message>
        <source>Couleurs graphique</source>
        <translation>Graph colours</translation>
    </message>
    <message>
        <source>Défaut</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Graphique</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Récéption 1 :</source>
        <translation>Received 1:</translation>
    </message>
    <message>
        <source>Envoi 1 :</source>
        <translation>Sent 1:</translation>
    </message>
    <message>
        <source>Récéption 2 Pic:</source>
        <translation>Received 2 peak:</translation>
    </message>
    <message>
        <source>Envoi 2 Pic :</source>
        <translation>Sent 2 peak:</translation>
    </message>
    <message>
        <source>Intersection 1-2:</source>
        <translation>Overlap 1-2:</translation>
    </message>
    <message>
        <source>Tachymetre</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Légende</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>Afficher le graphique</source>
        <translation>Show the graph</translation>
    </message>
    <message>
        <source>Octets</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>Bits</translation>
    </message>
    <message>
        <source>Graduations horizontales : </source>
        <translation>Horizontal gridlines: </translation>
    </message>
    <message>
        <source>Graduations verticales toutes les :</source>
        <translation>Vertical gridlines every:</translation>
    </message>
    <message>
        <source>secondes</source>
        <translation>seconds</translation>
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
        <source>Toujours au dessus</source>
        <translation>Always on top</translation>
    </message>
    <message>
        <source>Mode Compact</source>
        <translation>Compact Mode</translation>
    </message>
    <message>
        <source>Période de rafraichissement :</source>
        <translation>Refresh period:</translation>
    </message>
    <message>
        <source>Interfaces à monitorer</source>
        <translation>Monitored interfaces</translation>
    </message>
    <message>
        <source>Graphique 1 :</source>
        <translation>Graph 1:</translation>
    </message>
    <message>
        <source>Graphique 2 :</source>
        <translation>Graph 2:</translation>
    </message>
    <message>
        <source>Forfait</source>
        <translation>Data plan</translation>
    </message>
    <message>
        <source>Suivre un forfait</source>
        <translation>Track a data plan</translation>
    </message>
    <message>
        <source>Limite :</source>
        <translation>Limit:</translation>
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
        <source>Période :</source>
        <translation>Period:</translation>
    </message>
    <message>
        <source>Mensuelle</source>
        <translation>Monthly</translation>
    </message>
    <message>
        <source>Quotidienne</source>
        <translation>Daily</translation>
    </message>
    <message>
        <source>Tous les N jours</source>
        <translation>Every N days</translation>
    </message>
    <message>
        <source>Début le jour :</source>
        <translation>Starts on day:</translation>
    </message>
    <message>
        <source>Premier jour :</source>
        <translation>First day:</translation>
    </message>
    <message>
        <source>N :</source>
        <translation>N:</translation>
    </message>
    <message>
        <source>jours</source>
        <translation>days</translation>
    </message>
    <message>
        <source>Compter :</source>
        <translation>Count:</translation>
    </message>
    <message>
        <source>Alerte à :</source>
        <translation>Warn at:</translation>
    </message>
    <message>
        <source>% de la limite</source>
        <translation>% of the limit</translation>
    </message>
    <message>
        <source>Interfaces comptées</source>
        <translation>Counted interfaces</translation>
    </message>
    <message>
        <source>Toutes les archives</source>
        <translation>All archives</translation>
    </message>
    <message>
        <source>Celles cochées :</source>
        <translation>Only those checked:</translation>
    </message>
    <message>
        <source>premier démarrage, %1</source>
        <translation>first start, %1</translation>
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
        <translation>&amp;Totals</translation>
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
    <name>kirv::TForm5</name>
    <message>
        <source>Forfait</source>
        <translation>Data plan</translation>
    </message>
    <message>
        <source>Utilisé :</source>
        <translation>Used:</translation>
    </message>
    <message>
        <source>Restant :</source>
        <translation>Left:</translation>
    </message>
    <message>
        <source>Encore aujourd&apos;hui :</source>
        <translation>Left today:</translation>
    </message>
    <message>
        <source>Estimation :</source>
        <translation>Estimate:</translation>
    </message>
    <message>
        <source>Période :</source>
        <translation>Period:</translation>
    </message>
    <message>
        <source>Totaux</source>
        <translation>Totals</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Traitement en cours, patientez ...</source>
        <translation>Working, please wait...</translation>
    </message>
    <message>
        <source>du %1 au %2</source>
        <translation>from %1 to %2</translation>
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
<context>
    <name>kirv::WriterLock</name>
    <message>
        <source>est un lien symbolique</source>
        <translation>is a symbolic link</translation>
    </message>
    <message>
        <source>est un dossier</source>
        <translation>is a folder</translation>
    </message>
    <message>
        <source>ne peut pas être ouvert : %1</source>
        <translation>cannot be opened: %1</translation>
    </message>
    <message>
        <source>n&apos;est pas un fichier ordinaire</source>
        <translation>is not a regular file</translation>
    </message>
    <message>
        <source>ne peut pas être verrouillé : %1</source>
        <translation>cannot be locked: %1</translation>
    </message>
    <message>
        <source>dépasse %1 octets</source>
        <translation>exceeds %1 bytes</translation>
    </message>
    <message>
        <source>LOG PAR LE PROCESSUS %1</source>
        <translation>LOGGED BY PROCESS %1</translation>
    </message>
    <message>
        <source>LOG PAR UN AUTRE PROCESSUS</source>
        <translation>LOGGED BY ANOTHER PROCESS</translation>
    </message>
    <message>
        <source>le verrou %1 %2 ; le dossier de données est verrouillé à sa place</source>
        <translation>the lock %1 %2; the data folder is locked instead</translation>
    </message>
    <message>
        <source>le verrou %1 %2 ; les archives sont écrites sans verrou</source>
        <translation>the lock %1 %2; the archives are written without a lock</translation>
    </message>
    <message>
        <source>l&apos;état %1 %2 : les compteurs repartent de leurs valeurs actuelles</source>
        <translation>the state %1 %2: the counters start again from their current values</translation>
    </message>
    <message>
        <source>l&apos;état %1 est ignoré, %2 : les compteurs repartent de leurs valeurs actuelles</source>
        <translation>the state %1 is ignored, %2: the counters start again from their current values</translation>
    </message>
    <message>
        <source>l&apos;état %1 ne peut pas être écrit : %2 ; le prochain programme à écrire les archives repartira des compteurs de son démarrage</source>
        <translation>the state %1 cannot be written: %2; the next program to write the archives will start again from the counters at its start</translation>
    </message>
</context>
<context>
    <name>kirv::XdgAutoStartEntry</name>
    <message>
        <source>Cannot remove the autostart entry %1: %2</source>
        <translation>Cannot remove the autostart entry %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the autostart entry %1: %2</source>
        <translation>Cannot write the autostart entry %1: %2</translation>
    </message>
</context>
</TS>
