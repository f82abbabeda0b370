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
</context>
<context>
    <name>kirv::QSettingsStore</name>
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
        <source>KIRV: fichier de réglages non lu gardé sous %1</source>
        <translation>KIRV: unread settings file kept as %1</translation>
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
