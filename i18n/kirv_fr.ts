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
</context>
<context>
    <name>kirv::QSettingsStore</name>
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
        <source>KIRV: fichier de réglages non lu gardé sous %1</source>
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
