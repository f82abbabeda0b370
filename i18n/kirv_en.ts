<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>kirv</name>
    <message>
        <source>c&apos;est un lien symbolique, qui n&apos;est jamais suivi</source>
        <translation>it is a symbolic link, which is never followed</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>KIRV: %1 : compteurs lus en hausse de %2 octets reçus et %3 envoyés depuis le dernier enregistrement, plus que 2^62 : rien n&apos;est écrit</source>
        <translation>KIRV: %1: counters read %2 bytes received and %3 sent higher than at the last record, more than 2^62: nothing is written</translation>
    </message>
    <message>
        <source>KIRV: l&apos;archive %1 ne peut pas être ouverte : %2 ; son trafic passe dans l&apos;enregistrement suivant</source>
        <translation>KIRV: the archive %1 cannot be opened: %2; its traffic goes into the next record</translation>
    </message>
    <message>
        <source>ERREUR LOG</source>
        <translation>LOG ERROR</translation>
    </message>
    <message>
        <source>KIRV: l&apos;archive %1 ne peut pas être écrite : %2 ; son trafic passe dans l&apos;enregistrement suivant</source>
        <translation>KIRV: the archive %1 cannot be written: %2; its traffic goes into the next record</translation>
    </message>
    <message>
        <source>KIRV: l&apos;horloge (%1) est en retard sur le dernier enregistrement de %2 (%3) : son trafic est gardé jusqu&apos;à ce qu&apos;elle le dépasse</source>
        <translation>KIRV: the clock (%1) is behind the last record of %2 (%3): its traffic is kept until the clock passes it</translation>
    </message>
    <message>
        <source>KIRV: l&apos;horloge est en retard depuis un jour sur le dernier enregistrement de %1 (%2), tenu pour faux : l&apos;écriture reprend</source>
        <translation>KIRV: the clock has been behind the last record of %1 (%2) for a day; that record is taken as wrong and writing resumes</translation>
    </message>
    <message>
        <source>KIRV: le dossier de données %1 avait disparu ; il est refait et les archives y reprennent</source>
        <translation>KIRV: the data folder %1 had disappeared; it has been made again and the archives resume there</translation>
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
        <translation>Statistics logging error</translation>
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
        <source>La table des interfaces réseau ne peut pas être lue : KIRV ne mesure aucun trafic.</source>
        <translation>The network interface table cannot be read: KIRV measures no traffic.</translation>
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
        <source>Période mensuelle à partir du jour J.</source>
        <translation>Monthly period from day D.</translation>
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
    <message>
        <source>dossier</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>taille</source>
        <translation>size</translation>
    </message>
    <message>
        <source>J</source>
        <translation>D</translation>
    </message>
    <message>
        <source>quoi</source>
        <translation>what</translation>
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
        <source>le programme d&apos;enregistrement ne peut pas être lancé</source>
        <translation>the logging program cannot be started</translation>
    </message>
    <message>
        <source>le module de bureau ne peut pas être chargé</source>
        <translation>the desktop module cannot be loaded</translation>
    </message>
    <message>
        <source>le module de notification ne peut pas être chargé</source>
        <translation>the notification module cannot be loaded</translation>
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
    <name>kirv::Metrics</name>
    <message>
        <source>KIRV: le dossier des métriques %1 ne peut pas être écrit (%2) ; l&apos;enregistrement continue</source>
        <translation>KIRV: the metrics folder %1 cannot be written (%2); recording goes on</translation>
    </message>
    <message>
        <source>Erreur dans l&apos;écriture des métriques</source>
        <translation>Metrics writing error</translation>
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
        <source>KIRV: le verrou %1 %2 ; le dossier de données est verrouillé à sa place</source>
        <translation>KIRV: the lock %1 %2; the data folder is locked instead</translation>
    </message>
    <message>
        <source>KIRV: le verrou %1 %2 ; les archives sont écrites sans verrou</source>
        <translation>KIRV: the lock %1 %2; the archives are written without a lock</translation>
    </message>
    <message>
        <source>KIRV: l&apos;état %1 %2 : les compteurs repartent de leurs valeurs actuelles</source>
        <translation>KIRV: the state %1 %2: the counters start again from their current values</translation>
    </message>
    <message>
        <source>dépasse %1 octets</source>
        <translation>exceeds %1 bytes</translation>
    </message>
    <message>
        <source>KIRV: l&apos;état %1 est ignoré, %2 : les compteurs repartent de leurs valeurs actuelles</source>
        <translation>KIRV: the state %1 is ignored, %2: the counters start again from their current values</translation>
    </message>
    <message>
        <source>KIRV: l&apos;état %1 ne peut pas être écrit : %2 ; le prochain programme à écrire les archives repartira des compteurs de son démarrage</source>
        <translation>KIRV: the state %1 cannot be written: %2; the next program to write the archives will start again from the counters at its start</translation>
    </message>
    <message>
        <source>LOG PAR LE PROCESSUS %1</source>
        <translation>LOGGED BY PROCESS %1</translation>
    </message>
    <message>
        <source>LOG PAR UN AUTRE PROCESSUS</source>
        <translation>LOGGED BY ANOTHER PROCESS</translation>
    </message>
</context>
</TS>
