<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="fr">
<context>
    <name>About</name>
    <message>
        <source>KASTLOG - carnet de trafic DNJ</source>
        <translation>KASTLOG - DNJ-logboek</translation>
    </message>
    <message>
        <source>V1.0.0   le 14/07/2008 creation<byte value="xd"/>
V1.0.1   le 19/07/2008 Suppression saisie Province<byte value="xd"/>
</source>
        <extracomment>The program&apos;s version history, shown by Aide &gt; Historique.</extracomment>
        <translation>V1.0.0   14/07/2008 eerste versie<byte value="xd"/>
V1.0.1   19/07/2008 invoer van de provincie weggelaten<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>KASTLOG  Révision %1</source>
        <extracomment>%1 is the version number, which starts with a blank.</extracomment>
        <translation>KASTLOG  Revisie %1</translation>
    </message>
</context>
<context>
    <name>AdifExport</name>
    <message>
        <source>Le fichier a été enregistré sous le nom : %1</source>
        <translation>Het bestand is opgeslagen als: %1</translation>
    </message>
</context>
<context>
    <name>AdifImport</name>
    <message>
        <source>Le fichier %1 ne peut pas être lu : %2</source>
        <translation>Het bestand %1 kan niet gelezen worden: %2</translation>
    </message>
    <message>
        <source>Le log %1 ne peut pas être lu : %2</source>
        <translation>Het logboek %1 kan niet gelezen worden: %2</translation>
    </message>
    <message>
        <source>%1 : aucun QSO ADIF dans ce fichier</source>
        <extracomment>%1 is the path of the file chosen.</extracomment>
        <translation>%1: geen ADIF-verbindingen in dit bestand</translation>
    </message>
    <message>
        <source>Le log n&apos;a pas été modifié : %1 : %2</source>
        <extracomment>%1 is the file that failed, %2 why.</extracomment>
        <translation>Het logboek is niet gewijzigd: %1: %2</translation>
    </message>
    <message>
        <source>Les QSO sont importés, mais les prénoms n&apos;ont pas pu être mémorisés : %1 : %2</source>
        <extracomment>%1 is the file that failed, %2 why.</extracomment>
        <translation>De verbindingen zijn geïmporteerd, maar de voornamen konden niet bewaard worden: %1: %2</translation>
    </message>
</context>
<context>
    <name>AdifMapping</name>
    <message>
        <source>caractère impossible à écrire dans le log (champ %1)</source>
        <extracomment>%1 is an ADIF field name (CALL, NAME...).</extracomment>
        <translation>teken dat niet in het logboek geschreven kan worden (veld %1)</translation>
    </message>
    <message>
        <source>SIG_INFO n&apos;est pas une référence de château : %1</source>
        <extracomment>SIG_INFO is an ADIF field name; %1 its value.</extracomment>
        <translation>SIG_INFO is geen kasteelreferentie: %1</translation>
    </message>
    <message>
        <source>prénom écrit %1</source>
        <extracomment>%1 is the first name as the log holds it, its letters without accents the log cannot hold.</extracomment>
        <translation>voornaam geschreven als %1</translation>
    </message>
    <message>
        <source>nom du château écrit %1</source>
        <extracomment>%1 is the castle&apos;s name as the log holds it, its letters without accents the log cannot hold.</extracomment>
        <translation>naam van het kasteel geschreven als %1</translation>
    </message>
    <message>
        <source>fait par la station %1</source>
        <extracomment>%1 is the call sign of the station that made the QSO, another than the log&apos;s.</extracomment>
        <translation>gemaakt door station %1</translation>
    </message>
    <message>
        <source>indicatif trop long</source>
        <translation>roepnaam te lang</translation>
    </message>
    <message>
        <source>pas de référence de château : écrivez SIG=DNJ et SIG_INFO=NM047, ou la référence dans le commentaire</source>
        <extracomment>SIG and SIG_INFO are ADIF field names; NM047 a castle reference: keep them as they are.</extracomment>
        <translation>geen kasteelreferentie: schrijf SIG=DNJ en SIG_INFO=NM047, of de referentie in het commentaar</translation>
    </message>
    <message>
        <source>date illisible</source>
        <translation>onleesbare datum</translation>
    </message>
    <message>
        <source>heure absente (TIME_ON)</source>
        <extracomment>TIME_ON is an ADIF field name.</extracomment>
        <translation>tijd ontbreekt (TIME_ON)</translation>
    </message>
    <message>
        <source>bande absente du log</source>
        <extracomment>The QSO&apos;s band is none of the bands the log holds.</extracomment>
        <translation>band niet in het logboek</translation>
    </message>
    <message>
        <source>mode trop long pour le log</source>
        <translation>mode te lang voor het logboek</translation>
    </message>
    <message>
        <source>report reçu trop long</source>
        <extracomment>The signal report received (RST) is too long.</extracomment>
        <translation>ontvangen rapport te lang</translation>
    </message>
    <message>
        <source>report envoyé trop long</source>
        <extracomment>The signal report sent (RST) is too long.</extracomment>
        <translation>gegeven rapport te lang</translation>
    </message>
</context>
<context>
    <name>AdifReader</name>
    <message>
        <source>QSO sans indicatif (CALL)</source>
        <translation>verbinding zonder roepnaam (CALL)</translation>
    </message>
    <message>
        <source>fichier tronqué après le QSO %1</source>
        <extracomment>%1 is the number of the last whole QSO of the file.</extracomment>
        <translation>bestand afgebroken na verbinding %1</translation>
    </message>
    <message>
        <source>longueur de %1 comptée en caractères</source>
        <extracomment>%1 is an ADIF field name: its length counts characters, not bytes.</extracomment>
        <translation>lengte van %1 geteld in tekens</translation>
    </message>
    <message>
        <source>longueur de %1 fausse (ligne %2)</source>
        <extracomment>%1 is an ADIF field name, %2 a line of the file.</extracomment>
        <translation>verkeerde lengte van %1 (regel %2)</translation>
    </message>
    <message>
        <source>XML illisible ligne %1 : %2</source>
        <translation>onleesbare XML op regel %1: %2</translation>
    </message>
    <message>
        <source>QSO incomplet (fichier tronqué)</source>
        <translation>onvolledige verbinding (bestand afgebroken)</translation>
    </message>
</context>
<context>
    <name>CastleList</name>
    <message>
        <source>   Ref             Nom du Chateau                      Date      Indicatif         QSL</source>
        <extracomment>Column titles above a fixed-pitch list: keep each title above its column.</extracomment>
        <translation>   Ref             Naam van het kasteel                Datum     Roepnaam          QSL</translation>
    </message>
</context>
<context>
    <name>ColumnHeader</name>
    <message>
        <source>N°</source>
        <extracomment>Column heading: line number (3 characters)</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <extracomment>Column heading: call sign (13 characters)</extracomment>
        <translation>Roepnaam</translation>
    </message>
    <message>
        <source>Prov</source>
        <extracomment>Column heading: province code (4 characters)</extracomment>
        <translation>Prov</translation>
    </message>
    <message>
        <source>Prénom</source>
        <extracomment>Column heading: first name (15 characters)</extracomment>
        <translation>Voornaam</translation>
    </message>
    <message>
        <source>Ref</source>
        <extracomment>Column heading: castle reference (6 characters)</extracomment>
        <translation>Ref.</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Column heading (9 characters)</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>QTR</source>
        <extracomment>Column heading: the time, in the Q code (6 characters)</extracomment>
        <translation>QTR</translation>
    </message>
    <message>
        <source>Mode</source>
        <extracomment>Column heading: the radio mode (4 characters)</extracomment>
        <translation>Mode</translation>
    </message>
    <message>
        <source>QRG</source>
        <extracomment>Column heading: the band (frequency), in the Q code (8 characters)</extracomment>
        <translation>QRG</translation>
    </message>
    <message>
        <source>RSTR</source>
        <extracomment>Column heading: report received (4 characters)</extracomment>
        <translation>RSTO</translation>
    </message>
    <message>
        <source>RSTE</source>
        <extracomment>Column heading: report sent (3 characters)</extracomment>
        <translation>RSTZ</translation>
    </message>
    <message>
        <source>Mom du Chateau</source>
        <extracomment>Column heading: name of the castle (29 characters)</extracomment>
        <translation>Naam kasteel</translation>
    </message>
    <message>
        <source>QSL</source>
        <extracomment>Column heading: QSL card exchanged, marked &quot;*&quot; (3 characters)</extracomment>
        <translation>QSL</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage : kastlog [--import-adif FICHIER [--station INDICATIF]]

Sans option, ouvre la fenêtre du log.

  --import-adif FICHIER  importe les QSO de châteaux et les confirmations QSL d&apos;un
                         fichier ADIF (.adi ou .adx) dans le log de la station, sans
                         fenêtre ; affiche les comptes, une ligne par QSO non
                         importé, puis les avertissements
  --station INDICATIF    la station dont le log reçoit les QSO (par défaut : celle
                         des réglages) ; son log est créé s&apos;il n&apos;existe pas
  --help                 affiche cette aide
  --version              affiche la version

Code de sortie : 0 importation faite (même sans QSO importé), 1 fichier ou log
illisible, endommagé, sans QSO ou impossible à écrire (log inchangé), 2 mauvais
usage.
</source>
        <extracomment>--help; the option names (--import-adif, --station, --help, --version) stay as they are</extracomment>
        <translation>Gebruik: kastlog [--import-adif BESTAND [--station ROEPNAAM]]

Zonder optie wordt het logboekvenster geopend.

  --import-adif BESTAND  importeert de kasteelverbindingen en de QSL-bevestigingen
                         uit een ADIF-bestand (.adi of .adx) in het logboek van het
                         station, zonder venster; toont de tellingen, een regel per
                         niet-geïmporteerde verbinding, en daarna de waarschuwingen
  --station ROEPNAAM     het station waarvan het logboek de verbindingen ontvangt
                         (standaard: dat uit de instellingen); het logboek wordt
                         aangemaakt als het nog niet bestaat
  --help                 toont deze hulp
  --version              toont de versie

Afsluitcode: 0 import uitgevoerd (ook als er geen verbinding is geïmporteerd),
1 bestand of logboek onleesbaar, beschadigd, zonder verbindingen of niet
beschrijfbaar (logboek ongewijzigd), 2 verkeerd gebruik.
</translation>
    </message>
    <message>
        <source>kastlog : %1</source>
        <extracomment>the program&apos;s name, then an error message</extracomment>
        <translation>kastlog: %1</translation>
    </message>
    <message>
        <source>Essayez « kastlog --help ».</source>
        <translation>Probeer &apos;kastlog --help&apos;.</translation>
    </message>
    <message>
        <source>%1 donné deux fois</source>
        <extracomment>%1 the option</extracomment>
        <translation>%1 twee keer opgegeven</translation>
    </message>
    <message>
        <source>%1 attend une valeur</source>
        <extracomment>%1 the option</extracomment>
        <translation>%1 verwacht een waarde</translation>
    </message>
    <message>
        <source>option inconnue : %1</source>
        <translation>onbekende optie: %1</translation>
    </message>
    <message>
        <source>argument inattendu : %1</source>
        <translation>onverwacht argument: %1</translation>
    </message>
    <message>
        <source>--station va avec --import-adif FICHIER</source>
        <translation>--station hoort bij --import-adif BESTAND</translation>
    </message>
    <message>
        <source>aucune station n&apos;est encore configurée : donnez --station INDICATIF</source>
        <translation>er is nog geen station ingesteld: geef --station ROEPNAAM op</translation>
    </message>
    <message>
        <source>Nouveau log créé pour la station %1 : %2</source>
        <extracomment>%1 the station&apos;s call sign, %2 its new log file</extracomment>
        <translation>Nieuw logboek aangemaakt voor station %1: %2</translation>
    </message>
    <message>
        <source>%1 : rien n&apos;est importé</source>
        <extracomment>%1 what is wrong with the ADIF file</extracomment>
        <translation>%1: er is niets geïmporteerd</translation>
    </message>
    <message>
        <source>%1 : %2 : %3</source>
        <extracomment>%1 what was not kept of the log&apos;s history, %2 the file, %3 the reason</extracomment>
        <translation>%1: %2: %3</translation>
    </message>
</context>
<context>
    <name>FieldChecks</name>
    <message>
        <source>Entrez une date</source>
        <translation>Voer een datum in</translation>
    </message>
    <message>
        <source>8 caracteres pour la date ex: 01/02/08</source>
        <translation>8 tekens voor de datum, bv. 01/02/08</translation>
    </message>
    <message>
        <source>Le format de la date doit etre JJ/MM/AA</source>
        <translation>De datum moet de vorm DD/MM/JJ hebben</translation>
    </message>
    <message>
        <source>Entrez une Heure</source>
        <translation>Voer een tijd in</translation>
    </message>
    <message>
        <source>5 caracteres pour l&apos;heure ex: 15:25</source>
        <translation>5 tekens voor de tijd, bv. 15:25</translation>
    </message>
    <message>
        <source>Le format de l&apos;heure doit etre HH:MM</source>
        <translation>De tijd moet de vorm UU:MM hebben</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>le disque est plein</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>le quota de disque est dépassé</source>
        <translation>het schijfquotum is overschreden</translation>
    </message>
    <message>
        <source>fichier trop gros</source>
        <translation>bestand te groot</translation>
    </message>
    <message>
        <source>accès refusé</source>
        <translation>toegang geweigerd</translation>
    </message>
    <message>
        <source>le disque est en lecture seule</source>
        <translation>de schijf is alleen-lezen</translation>
    </message>
    <message>
        <source>fichier ou dossier introuvable</source>
        <translation>bestand of map niet gevonden</translation>
    </message>
    <message>
        <source>une partie du chemin n&apos;est pas un dossier</source>
        <translation>een deel van het pad is geen map</translation>
    </message>
    <message>
        <source>un dossier porte ce nom</source>
        <translation>er bestaat een map met deze naam</translation>
    </message>
    <message>
        <source>le fichier existe déjà</source>
        <translation>het bestand bestaat al</translation>
    </message>
    <message>
        <source>erreur de lecture ou d&apos;écriture du disque</source>
        <translation>lees- of schrijffout op de schijf</translation>
    </message>
    <message>
        <source>trop de fichiers ouverts</source>
        <translation>te veel geopende bestanden</translation>
    </message>
    <message>
        <source>nom de fichier trop long</source>
        <translation>bestandsnaam te lang</translation>
    </message>
    <message>
        <source>%1 (erreur système %2)</source>
        <extracomment>%1 is the system&apos;s own description of the error, %2 its number</extracomment>
        <translation>%1 (systeemfout %2)</translation>
    </message>
</context>
<context>
    <name>FirstNames</name>
    <message>
        <source>le prénom contient un caractère qui ne peut pas être écrit dans ce fichier</source>
        <translation>de voornaam bevat een teken dat niet in dit bestand kan worden geschreven</translation>
    </message>
</context>
<context>
    <name>ImportSelection</name>
    <message>
        <source>château déjà contacté le %1 sur %2</source>
        <extracomment>Why a QSO is not imported: %1 is the date (JJ/MM/AA) of the first QSO of the castle, %2 its band.</extracomment>
        <translation>kasteel al gewerkt op %1, band %2</translation>
    </message>
    <message>
        <source>%1 : %2, %3, %4, %5, %6</source>
        <extracomment>The counts of an import: %1 is &quot;N QSO dans le fichier&quot;, %2 to %6 the counts that follow it.</extracomment>
        <translation>%1: %2, %3, %4, %5, %6</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO dans le fichier</source>
        <translation>
            <numerusform>%n verbinding in het bestand</numerusform>
            <numerusform>%n verbindingen in het bestand</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n à importer</source>
        <translation>
            <numerusform>%n te importeren</numerusform>
            <numerusform>%n te importeren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n déjà dans le log</source>
        <translation>
            <numerusform>%n al in het logboek</numerusform>
            <numerusform>%n al in het logboek</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n château déjà contacté</source>
        <extracomment>QSOs not imported: their castle was already contacted in the same band group.</extracomment>
        <translation>
            <numerusform>%n met kasteel al gewerkt</numerusform>
            <numerusform>%n met kasteel al gewerkt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n refusés</source>
        <extracomment>QSOs refused.</extracomment>
        <translation>
            <numerusform>%n geweigerd</numerusform>
            <numerusform>%n geweigerd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n confirmations</source>
        <extracomment>QSOs of the log the file confirms.</extracomment>
        <translation>
            <numerusform>%n bevestigd</numerusform>
            <numerusform>%n bevestigd</numerusform>
        </translation>
    </message>
    <message>
        <source>confirmé (%1)</source>
        <extracomment>%1 names the confirmation&apos;s source: QSL, LoTW or eQSL.</extracomment>
        <translation>bevestigd (%1)</translation>
    </message>
    <message>
        <source>déjà dans le log</source>
        <extracomment>The QSO of the file is already in the log.</extracomment>
        <translation>al in het logboek</translation>
    </message>
    <message>
        <source>déjà confirmé</source>
        <extracomment>The QSO of the log this confirmation is about is already marked confirmed.</extracomment>
        <translation>al bevestigd</translation>
    </message>
    <message>
        <source>ambigu</source>
        <extracomment>Several QSOs of the log fit this confirmation equally.</extracomment>
        <translation>niet eenduidig</translation>
    </message>
    <message>
        <source>pas dans le log</source>
        <extracomment>The confirmation matches no QSO of the log.</extracomment>
        <translation>niet in het logboek</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>KASTLOG est deja lance</source>
        <translation>KASTLOG is al gestart</translation>
    </message>
    <message>
        <source>KASTLOG ne peut pas écrire dans son dossier de données.<byte value="xd"/>
<byte value="xd"/>
Dossier : %1<byte value="xd"/>
Raison : %2</source>
        <extracomment>%1: the data folder, %2: the system&apos;s reason</extracomment>
        <translation>KASTLOG kan niet schrijven in zijn gegevensmap.<byte value="xd"/>
<byte value="xd"/>
Map: %1<byte value="xd"/>
Reden: %2</translation>
    </message>
    <message>
        <source>KASTLOG ne peut pas reprendre son verrou.<byte value="xd"/>
<byte value="xd"/>
Fichier : %1<byte value="xd"/>
Raison : %2</source>
        <extracomment>%1: the lock file, %2: the system&apos;s reason</extracomment>
        <translation>KASTLOG kan zijn vergrendeling niet terugnemen.<byte value="xd"/>
<byte value="xd"/>
Bestand: %1<byte value="xd"/>
Reden: %2</translation>
    </message>
    <message>
        <source>Le dossier de données est verrouillé par KASTLOG sur un autre ordinateur : « %1 ».<byte value="xd"/>
Fichier : %2</source>
        <extracomment>%1: the other computer&apos;s name, %2: the lock file</extracomment>
        <translation>De gegevensmap is vergrendeld door KASTLOG op een andere computer: &quot;%1&quot;.<byte value="xd"/>
Bestand: %2</translation>
    </message>
    <message>
        <source>Si KASTLOG n&apos;y est pas ouvert, lancez sa fenêtre ici pour reprendre le verrou.</source>
        <translation>Als KASTLOG daar niet open is, start dan hier het venster om de vergrendeling over te nemen.</translation>
    </message>
    <message>
        <source>Si KASTLOG n&apos;y est pas ouvert (un dossier recopié d&apos;un autre PC, par exemple), le verrou peut être repris ici. Deux KASTLOG ouverts sur le même log perdraient des QSO.<byte value="xd"/>
<byte value="xd"/>
Reprendre le verrou ?</source>
        <translation>Als KASTLOG daar niet open is (bijvoorbeeld bij een map die van een andere pc is gekopieerd), kan de vergrendeling hier worden overgenomen. Als KASTLOG twee keer open is op hetzelfde log, gaan er verbindingen verloren.<byte value="xd"/>
<byte value="xd"/>
De vergrendeling overnemen?</translation>
    </message>
</context>
<context>
    <name>Licence</name>
    <message>
        <source>Copyright (C) 2026 les développeurs de KASTLOG<byte value="xd"/>
<byte value="xd"/>
KASTLOG est un logiciel libre : vous pouvez le redistribuer et le modifier selon les termes de la licence publique générale GNU (GPL), version 3 ou toute version ultérieure, publiée par la Free Software Foundation. Il est fourni SANS AUCUNE GARANTIE.<byte value="xd"/>
<byte value="xd"/>
Texte de la licence : https://www.gnu.org/licenses/gpl-3.0.html</source>
        <translation>Copyright (C) 2026 de ontwikkelaars van KASTLOG<byte value="xd"/>
<byte value="xd"/>
KASTLOG is vrije software: u mag het verder verspreiden en wijzigen onder de voorwaarden van de GNU General Public License (GPL), versie 3 of elke latere versie, zoals gepubliceerd door de Free Software Foundation. Het wordt geleverd ZONDER ENIGE GARANTIE.<byte value="xd"/>
<byte value="xd"/>
Tekst van de licentie: https://www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
</context>
<context>
    <name>LogHistory</name>
    <message>
        <source>un fichier porte le nom du dossier des sauvegardes</source>
        <translation>er bestaat een bestand met de naam van de back-upmap</translation>
    </message>
    <message>
        <source>la sauvegarde du jour n&apos;a pas pu être gardée : elle a été retirée pour laisser la place au log, et la modification ne pourra pas être annulée (Ctrl+Z)</source>
        <extracomment>ends the sentence &quot;La modification est enregistrée dans le log, mais ...&quot;</extracomment>
        <translation>de back-up van vandaag kon niet worden bewaard: die is verwijderd om plaats te maken voor het log, en de wijziging kan niet ongedaan worden gemaakt (Ctrl+Z)</translation>
    </message>
    <message>
        <source>la sauvegarde du jour n&apos;a pas pu être gardée : elle a été retirée pour laisser la place au log</source>
        <extracomment>ends the sentence &quot;La modification est enregistrée dans le log, mais ...&quot;</extracomment>
        <translation>de back-up van vandaag kon niet worden bewaard: die is verwijderd om plaats te maken voor het log</translation>
    </message>
    <message>
        <source>la sauvegarde du jour n&apos;a pas pu être faite, et la modification ne pourra pas être annulée (Ctrl+Z)</source>
        <extracomment>ends the sentence &quot;La modification est enregistrée dans le log, mais ...&quot;</extracomment>
        <translation>de back-up van vandaag is mislukt, en de wijziging kan niet ongedaan worden gemaakt (Ctrl+Z)</translation>
    </message>
    <message>
        <source>la sauvegarde du jour n&apos;a pas pu être faite</source>
        <extracomment>ends the sentence &quot;La modification est enregistrée dans le log, mais ...&quot;</extracomment>
        <translation>de back-up van vandaag is mislukt</translation>
    </message>
    <message>
        <source>le log d&apos;avant la modification n&apos;a pas pu être gardé : elle ne pourra pas être annulée (Ctrl+Z)</source>
        <extracomment>ends the sentence &quot;La modification est enregistrée dans le log, mais ...&quot;</extracomment>
        <translation>het log van vóór de wijziging kon niet worden bewaard: de wijziging kan dus niet ongedaan worden gemaakt (Ctrl+Z)</translation>
    </message>
    <message>
        <source>le log d&apos;avant la dernière modification n&apos;a pas été gardé</source>
        <translation>het log van vóór de laatste wijziging is niet bewaard</translation>
    </message>
    <message>
        <source>rien ne dit de quel log le fichier %1 est le précédent</source>
        <translation>niets geeft aan van welk log het bestand %1 de vorige versie is</translation>
    </message>
    <message>
        <source>ce fichier ne peut pas être lu</source>
        <translation>dit bestand kan niet worden gelezen</translation>
    </message>
    <message>
        <source>ce n&apos;est pas le log d&apos;avant la dernière modification : son enregistrement a été interrompu ou n&apos;a pas pu se faire</source>
        <translation>dit is niet het log van vóór de laatste wijziging: het opslaan ervan is onderbroken of mislukt</translation>
    </message>
    <message>
        <source>le log a changé depuis la dernière modification gardée (il a été modifié hors de KASTLOG, ou le log d&apos;avant n&apos;a pas pu être gardé)</source>
        <translation>het log is veranderd sinds de laatste bewaarde wijziging (het is buiten KASTLOG gewijzigd, of het vorige log kon niet worden bewaard)</translation>
    </message>
    <message>
        <source>aucun QSO changé</source>
        <translation>geen verbindingen gewijzigd</translation>
    </message>
    <message>
        <source>QSO modifié : %1</source>
        <extracomment>%1 the QSO: call, reference, date, time, band</extracomment>
        <translation>Verbinding gewijzigd: %1</translation>
    </message>
    <message>
        <source>QSO ajouté : %1</source>
        <translation>Verbinding toegevoegd: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO ajoutés</source>
        <translation>
            <numerusform>%n verbinding toegevoegd</numerusform>
            <numerusform>%n verbindingen toegevoegd</numerusform>
        </translation>
    </message>
    <message>
        <source>1 autre ligne ajoutée</source>
        <translation>1 andere regel toegevoegd</translation>
    </message>
    <message numerus="yes">
        <source>%n autres lignes ajoutées</source>
        <translation>
            <numerusform>%n andere regel toegevoegd</numerusform>
            <numerusform>%n andere regels toegevoegd</numerusform>
        </translation>
    </message>
    <message>
        <source>QSO supprimé : %1</source>
        <translation>Verbinding verwijderd: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO supprimés</source>
        <translation>
            <numerusform>%n verbinding verwijderd</numerusform>
            <numerusform>%n verbindingen verwijderd</numerusform>
        </translation>
    </message>
    <message>
        <source>1 autre ligne supprimée</source>
        <translation>1 andere regel verwijderd</translation>
    </message>
    <message numerus="yes">
        <source>%n autres lignes supprimées</source>
        <translation>
            <numerusform>%n andere regel verwijderd</numerusform>
            <numerusform>%n andere regels verwijderd</numerusform>
        </translation>
    </message>
    <message>
        <source>QSO confirmé : %1</source>
        <translation>Verbinding bevestigd: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO confirmés</source>
        <translation>
            <numerusform>%n verbinding bevestigd</numerusform>
            <numerusform>%n verbindingen bevestigd</numerusform>
        </translation>
    </message>
    <message>
        <source>(vide)</source>
        <extracomment>stands for a blank line of the backup</extracomment>
        <translation>(leeg)</translation>
    </message>
    <message>
        <source>ligne %1 : %2</source>
        <extracomment>%1 the line&apos;s number in the backup, %2 the line</extracomment>
        <translation>regel %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>et %n autres lignes</source>
        <translation>
            <numerusform>en %n andere regel</numerusform>
            <numerusform>en %n andere regels</numerusform>
        </translation>
    </message>
    <message>
        <source>1 ligne de la sauvegarde n&apos;est pas un QSO ; elle sera copiée telle quelle dans le log :</source>
        <translation>1 regel van de back-up is geen verbinding; die wordt ongewijzigd naar het log gekopieerd:</translation>
    </message>
    <message numerus="yes">
        <source>%n lignes de la sauvegarde ne sont pas des QSO ; elles seront copiées telles quelles dans le log :</source>
        <translation>
            <numerusform>%n regel van de back-up is geen verbinding; die wordt ongewijzigd naar het log gekopieerd:</numerusform>
            <numerusform>%n regels van de back-up zijn geen verbindingen; die worden ongewijzigd naar het log gekopieerd:</numerusform>
        </translation>
    </message>
    <message>
        <source>+%1 / -%2 QSO</source>
        <extracomment>QSO added / QSO removed, in a column of the restore dialog</extracomment>
        <translation>+%1 / -%2 QSO</translation>
    </message>
</context>
<context>
    <name>LogStore</name>
    <message>
        <source>le caractère « %1 » (U+%2) ne peut pas être écrit dans ce fichier</source>
        <extracomment>%1 the character, %2 its code in hexadecimal</extracomment>
        <translation>het teken &quot;%1&quot; (U+%2) kan niet in dit bestand worden geschreven</translation>
    </message>
    <message>
        <source>aucune modification du log n&apos;a été gardée</source>
        <translation>er is geen wijziging van het log bewaard</translation>
    </message>
    <message>
        <source>le log ou son état précédent a changé depuis la question</source>
        <translation>het log of de vorige toestand ervan is veranderd sinds de vraag</translation>
    </message>
</context>
<context>
    <name>NodeConnection</name>
    <message>
        <source>module réseau %1 introuvable</source>
        <translation>netwerkmodule %1 niet gevonden</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>module d&apos;impression %1 introuvable</source>
        <extracomment>%1 is the file name of the printing module.</extracomment>
        <translation>afdrukmodule %1 niet gevonden</translation>
    </message>
    <message>
        <source>L&apos;imprimante ne peut pas commencer l&apos;impression</source>
        <translation>De printer kan het afdrukken niet starten</translation>
    </message>
    <message>
        <source>L&apos;imprimante ne peut pas commencer l&apos;impression (%1)</source>
        <translation>De printer kan het afdrukken niet starten (%1)</translation>
    </message>
    <message>
        <source>L&apos;imprimante ne peut pas commencer une nouvelle page</source>
        <translation>De printer kan geen nieuwe pagina beginnen</translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu etre terminee</source>
        <translation>Het afdrukken kon niet voltooid worden</translation>
    </message>
</context>
<context>
    <name>Radio</name>
    <message>
        <source>%1, nouvel essai dans %2 s</source>
        <extracomment>%1 is why the radio is disconnected, %2 a number of seconds.</extracomment>
        <translation>%1, nieuwe poging over %2 s</translation>
    </message>
    <message>
        <source>Radio : déconnectée (%1)</source>
        <translation>Radio: niet verbonden (%1)</translation>
    </message>
    <message>
        <source>Radio : connexion...</source>
        <translation>Radio: verbinden...</translation>
    </message>
    <message>
        <source> - hors des bandes du log</source>
        <translation> - buiten de banden van het logboek</translation>
    </message>
    <message>
        <source> - réglage refusé (%1)</source>
        <translation> - instelling geweigerd (%1)</translation>
    </message>
</context>
<context>
    <name>ReportFiles</name>
    <message>
        <source>Le log %1 n&apos;a pas pu être lu : %2</source>
        <translation>Het logboek %1 kon niet gelezen worden: %2</translation>
    </message>
    <message>
        <source>le caractère « %1 » ne peut pas être écrit en Windows-1252</source>
        <extracomment>A reason, shown after &quot;... n&apos;a pas été enregistré : &quot;; %1 is one character.</extracomment>
        <translation>het teken ‘%1’ kan niet in Windows-1252 geschreven worden</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas été enregistré : %2</source>
        <translation>Het bestand %1 is niet opgeslagen: %2</translation>
    </message>
</context>
<context>
    <name>RigErrors</name>
    <message>
        <source>paramètre invalide</source>
        <translation>ongeldige parameter</translation>
    </message>
    <message>
        <source>configuration invalide</source>
        <translation>ongeldige configuratie</translation>
    </message>
    <message>
        <source>mémoire insuffisante</source>
        <translation>onvoldoende geheugen</translation>
    </message>
    <message>
        <source>fonction non implémentée</source>
        <translation>functie niet geïmplementeerd</translation>
    </message>
    <message>
        <source>la radio ne répond pas</source>
        <translation>de radio antwoordt niet</translation>
    </message>
    <message>
        <source>erreur d&apos;entrée-sortie avec la radio</source>
        <translation>in-/uitvoerfout met de radio</translation>
    </message>
    <message>
        <source>erreur interne de Hamlib</source>
        <translation>interne fout van Hamlib</translation>
    </message>
    <message>
        <source>erreur de protocole avec la radio</source>
        <translation>protocolfout met de radio</translation>
    </message>
    <message>
        <source>commande refusée par la radio</source>
        <translation>commando geweigerd door de radio</translation>
    </message>
    <message>
        <source>texte tronqué</source>
        <translation>tekst afgekapt</translation>
    </message>
    <message>
        <source>fonction absente de cette radio</source>
        <translation>functie niet aanwezig op deze radio</translation>
    </message>
    <message>
        <source>VFO non accessible</source>
        <translation>VFO niet toegankelijk</translation>
    </message>
    <message>
        <source>erreur du bus de la radio</source>
        <translation>busfout van de radio</translation>
    </message>
    <message>
        <source>bus de la radio occupé</source>
        <translation>bus van de radio bezet</translation>
    </message>
    <message>
        <source>argument invalide</source>
        <translation>ongeldig argument</translation>
    </message>
    <message>
        <source>VFO invalide</source>
        <translation>ongeldige VFO</translation>
    </message>
    <message>
        <source>valeur hors limites</source>
        <translation>waarde buiten bereik</translation>
    </message>
    <message>
        <source>erreur de Hamlib</source>
        <translation>Hamlib-fout</translation>
    </message>
    <message>
        <source>RPRT %1 : %2</source>
        <extracomment>%1 is the code rigctld answered (&quot;RPRT&quot; is its reply word), %2 what the code means.</extracomment>
        <translation>RPRT %1: %2</translation>
    </message>
</context>
<context>
    <name>Search</name>
    <message>
        <source>Entrez un indicatif</source>
        <translation>Geef een roepnaam in</translation>
    </message>
    <message>
        <source>Entrez une référence</source>
        <translation>Geef een referentie in</translation>
    </message>
    <message>
        <source>Entrez un departement</source>
        <extracomment>The province code box is empty (an older word for the province).</extracomment>
        <translation>Geef een provincie in</translation>
    </message>
    <message>
        <source>Pas de QSO trouvé</source>
        <translation>Geen verbinding gevonden</translation>
    </message>
    <message>
        <source>12 caracteres maxi pour l&apos;indicatif</source>
        <translation>Maximaal 12 tekens voor de roepnaam</translation>
    </message>
    <message>
        <source>5 caracteres maxi pour la référence ex: MN047</source>
        <translation>Maximaal 5 tekens voor de referentie, bv. NM047</translation>
    </message>
    <message>
        <source>2 caracteres maxi pour la province</source>
        <translation>Maximaal 2 tekens voor de provincie</translation>
    </message>
    <message>
        <source>Entrez une province</source>
        <translation>Geef een provincie in</translation>
    </message>
    <message>
        <source>   N°   Indicatif          Prov      Date       Bande    N° DNJ           Nom du Chateau             QSL</source>
        <extracomment>Column titles above a fixed-pitch list: keep each title above its column.</extracomment>
        <translation>   Nr   Roepnaam           Prov      Datum      Band     DNJ-nr           Naam van het kasteel       QSL</translation>
    </message>
</context>
<context>
    <name>StationCall</name>
    <message>
        <source>Vous devez entrer un indicatif</source>
        <translation>U moet een roepnaam invoeren</translation>
    </message>
    <message>
        <source>12 caracteres maximum pour l&apos;indicatif</source>
        <translation>Maximaal 12 tekens voor de roepnaam</translation>
    </message>
    <message>
        <source>L&apos;indicatif ne doit comporter que des lettres des chiffres ou le signe &apos;_&apos; </source>
        <translation>De roepnaam mag alleen letters, cijfers of het teken &apos;_&apos; bevatten </translation>
    </message>
</context>
<context>
    <name>StationHost</name>
    <message>
        <source>Terminez ou annulez la saisie en cours avant de changer d&apos;indicatif</source>
        <translation>Voltooi of annuleer de huidige invoer voordat u van roepnaam verandert</translation>
    </message>
</context>
<context>
    <name>WebBrowser</name>
    <message>
        <source>Le navigateur intégré n&apos;est pas disponible.
%1</source>
        <extracomment>%1 is the address of the page that would have been shown.</extracomment>
        <translation>De ingebouwde browser is niet beschikbaar.
%1</translation>
    </message>
</context>
<context>
    <name>kastlog::AffContacte</name>
    <message>
        <source>Liste des chateaux contactés</source>
        <translation>Lijst van gewerkte kastelen</translation>
    </message>
    <message>
        <source>Afficher</source>
        <translation>Tonen</translation>
    </message>
    <message>
        <source>Chateaux contactés bande</source>
        <extracomment>Beside it, the count for the band group chosen above (HF, VHF or UHF).</extracomment>
        <translation>Gewerkte kastelen band</translation>
    </message>
    <message>
        <source>Chateaux confirmés bande</source>
        <extracomment>Beside it, the count for the band group chosen above (HF, VHF or UHF).</extracomment>
        <translation>Bevestigde kastelen band</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>La bande « %1 » ne peut pas faire partie d&apos;un nom de fichier : la liste n&apos;a pas été enregistrée</source>
        <translation>De band ‘%1’ kan geen deel zijn van een bestandsnaam: de lijst is niet opgeslagen</translation>
    </message>
    <message>
        <source>Fichier enregistré sous le nom : %1</source>
        <translation>Bestand opgeslagen als: %1</translation>
    </message>
    <message>
        <source>L&apos;impression a échoué : %1</source>
        <translation>Het afdrukken is mislukt: %1</translation>
    </message>
</context>
<context>
    <name>kastlog::CarteActiDnj</name>
    <message>
        <source>Carte des provinces contactées</source>
        <translation>Kaart gewerkte provincies</translation>
    </message>
    <message>
        <source>Provinces contactées bande</source>
        <extracomment>Between the count and the band group: &quot;2 Provinces contactées bande HF&quot;.</extracomment>
        <translation>Provincies gewerkt op</translation>
    </message>
    <message>
        <source>Bande</source>
        <extracomment>Band group (HF, VHF, UHF) to show.</extracomment>
        <translation>Band</translation>
    </message>
    <message>
        <source>Afficher</source>
        <translation>Tonen</translation>
    </message>
    <message>
        <source>Provinces contactés</source>
        <extracomment>Map legend: the colour of the provinces contacted.</extracomment>
        <translation>Gewerkte provincies</translation>
    </message>
    <message>
        <source>Provinces non contactés</source>
        <extracomment>Map legend: the colour of the provinces not contacted.</extracomment>
        <translation>Provincies niet gewerkt</translation>
    </message>
    <message>
        <source>Le log %1 n&apos;a pas pu être lu : %2</source>
        <translation>Het logboek %1 kon niet gelezen worden: %2</translation>
    </message>
</context>
<context>
    <name>kastlog::Cluster</name>
    <message>
        <source>Cluster</source>
        <extracomment>Window title: the DX cluster page.</extracomment>
        <translation>Cluster</translation>
    </message>
    <message>
        <source>Cluster (DxCluster)</source>
        <translation>Cluster (DxCluster)</translation>
    </message>
    <message>
        <source>Bande</source>
        <extracomment>Label of the radio band choice.</extracomment>
        <translation>Band</translation>
    </message>
    <message>
        <source>Afficher</source>
        <translation>Tonen</translation>
    </message>
    <message>
        <source>Cluster remis a jour toutes les minutes</source>
        <translation>Cluster wordt elke minuut bijgewerkt</translation>
    </message>
</context>
<context>
    <name>kastlog::GestionErreurDialog</name>
    <message>
        <source>Gestion erreur 53</source>
        <translation>Fout 53 oplossen</translation>
    </message>
    <message>
        <source>ERREUR 53</source>
        <extracomment>The heading: the error number the program has always shown for a missing log file.</extracomment>
        <translation>FOUT 53</translation>
    </message>
    <message>
        <source>KASTLOG a trouvé dans la base de registre l&apos;indicatif  : </source>
        <translation>KASTLOG vond in het register de roepnaam: </translation>
    </message>
    <message>
        <source>Il n&apos;a par contre pas trouvé dans son répértoire le fichier :</source>
        <translation>Maar in zijn map vond het dit bestand niet:</translation>
    </message>
    <message>
        <source>Pour remèdier à cet état, cliquez sur &quot;Initialiser&quot; puis sur &quot;Quitter&quot;</source>
        <translation>Klik om dit te verhelpen op &quot;Resetten&quot; en daarna op &quot;Sluiten&quot;</translation>
    </message>
    <message>
        <source>Relancez KASTLOG </source>
        <translation>Start KASTLOG opnieuw </translation>
    </message>
    <message>
        <source>une boite de dialogue vous demandera alors de spécifier votre indicatif</source>
        <translation>een dialoogvenster vraagt u dan uw roepnaam op te geven</translation>
    </message>
    <message>
        <source>Initialiser</source>
        <translation>Resetten</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>kastlog::ImportDialog</name>
    <message>
        <source>Importer un fichier ADIF</source>
        <translation>ADIF-bestand importeren</translation>
    </message>
    <message>
        <source>Fichiers ADIF (*.adi *.adif *.adx)</source>
        <translation>ADIF-bestanden (*.adi *.adif *.adx)</translation>
    </message>
    <message>
        <source>à importer</source>
        <translation>te importeren</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <extracomment>column headers of the import preview; &quot;Suite&quot;: what becomes of the QSO</extracomment>
        <translation>Roepnaam</translation>
    </message>
    <message>
        <source>Référence</source>
        <translation>Ref.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Heure</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Bande</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Suite</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Importation ADIF</source>
        <translation>ADIF-import</translation>
    </message>
    <message>
        <source>%1 : seuls les QSO entiers avant la coupure sont lus.</source>
        <extracomment>%1: what is wrong with the file</extracomment>
        <translation>%1: alleen de volledige verbindingen vóór de onderbreking worden gelezen.</translation>
    </message>
    <message>
        <source>Importer</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>kastlog::Liste_DNJ1</name>
    <message>
        <source>Liste des châteaux Belges</source>
        <translation>Lijst Belgische kastelen</translation>
    </message>
</context>
<context>
    <name>kastlog::MainWindow</name>
    <message>
        <source>Entrez une QRG</source>
        <translation>Voer een QRG in</translation>
    </message>
    <message>
        <source>7 caracteres maxi pour la QRG</source>
        <translation>Maximaal 7 tekens voor de QRG</translation>
    </message>
    <message>
        <source><byte value="xd"/>
         Premiere installation, vous devez entrer votre Indicatif<byte value="xd"/>
<byte value="xd"/>
Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif.</source>
        <translation><byte value="xd"/>
         Eerste installatie, u moet uw roepnaam invoeren<byte value="xd"/>
<byte value="xd"/>
Ga daarvoor in de menubalk naar Station en dan Nieuwe roepnaam.</translation>
    </message>
    <message>
        <source>Entrez un indicatif</source>
        <translation>Voer een roepnaam in</translation>
    </message>
    <message>
        <source>12 caracteres maxi pour l&apos;indicatif</source>
        <translation>Maximaal 12 tekens voor de roepnaam</translation>
    </message>
    <message>
        <source>15 caracteres maxi pour le Prenom</source>
        <translation>Maximaal 15 tekens voor de voornaam</translation>
    </message>
    <message>
        <source>Entrez un Mode</source>
        <translation>Voer een mode in</translation>
    </message>
    <message>
        <source>3 caracteres maxi pour le Mode</source>
        <translation>Maximaal 3 tekens voor de mode</translation>
    </message>
    <message>
        <source>Entrez un Report</source>
        <translation>Voer een rapport in</translation>
    </message>
    <message>
        <source>3 caracteres maxi pour le Report</source>
        <translation>Maximaal 3 tekens voor het rapport</translation>
    </message>
    <message>
        <source>R (de RST)doit etre compris entre 0 et 5</source>
        <translation>R (van RST) moet tussen 0 en 5 liggen</translation>
    </message>
    <message>
        <source>30 caracteres maxi pour le nom du Chateau</source>
        <translation>Maximaal 30 tekens voor de naam van het kasteel</translation>
    </message>
    <message>
        <source>&amp;Annuler la dernière modification du log</source>
        <translation>Laatste wijziging in het log &amp;ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Restaurer une sauvegarde...</source>
        <translation>Back-up &amp;terugzetten...</translation>
    </message>
    <message>
        <source>La modification est enregistrée dans le log, mais %1.<byte value="xd"/>
<byte value="xd"/>
Fichier : %2<byte value="xd"/>
Raison : %3</source>
        <extracomment>%1: what could not be kept (from the history), %2: the file, %3: the system&apos;s reason</extracomment>
        <translation>De wijziging is opgeslagen in het log, maar %1.<byte value="xd"/>
<byte value="xd"/>
Bestand: %2<byte value="xd"/>
Reden: %3</translation>
    </message>
    <message>
        <source>Un QSO est en cours de saisie ou de modification : validez-le ou annulez la saisie en cours avant de changer le log.</source>
        <translation>Er wordt een verbinding ingevoerd of gewijzigd: sla die op of annuleer de huidige invoer voordat u het log wijzigt.</translation>
    </message>
    <message>
        <source>La dernière modification ne peut pas être annulée.</source>
        <translation>De laatste wijziging kan niet ongedaan worden gemaakt.</translation>
    </message>
    <message>
        <source>Les sauvegardes des jours passés restent disponibles : Fichier, Restaurer une sauvegarde.</source>
        <translation>De back-ups van vorige dagen blijven beschikbaar: Bestand, Back-up terugzetten.</translation>
    </message>
    <message numerus="yes">
        <source>Le log est introuvable :<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Le remettre tel qu&apos;il était avant la dernière modification (%n QSO) ?</source>
        <translation>
            <numerusform>Het log is niet gevonden:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Het terugzetten zoals het was vóór de laatste wijziging (%n verbinding)?</numerusform>
            <numerusform>Het log is niet gevonden:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Het terugzetten zoals het was vóór de laatste wijziging (%n verbindingen)?</numerusform>
        </translation>
    </message>
    <message>
        <source>Annuler la dernière modification ?</source>
        <translation>De laatste wijziging ongedaan maken?</translation>
    </message>
    <message>
        <source>La dernière modification n&apos;a pas été annulée.</source>
        <translation>De laatste wijziging is niet ongedaan gemaakt.</translation>
    </message>
    <message>
        <source>Les sauvegardes ne peuvent pas être lues.</source>
        <translation>De back-ups kunnen niet worden gelezen.</translation>
    </message>
    <message>
        <source>Aucune sauvegarde du log de %1 pour l&apos;instant.</source>
        <translation>Nog geen back-up van het log van %1.</translation>
    </message>
    <message>
        <source>La sauvegarde n&apos;a pas été restaurée.</source>
        <translation>De back-up is niet teruggezet.</translation>
    </message>
    <message>
        <source>Remplacer le log par la sauvegarde du %1 ?</source>
        <extracomment>%1: the backup&apos;s day, dd/mm/yyyy</extracomment>
        <translation>Het log vervangen door de back-up van %1?</translation>
    </message>
    <message>
        <source>Terminez ou annulez la saisie en cours avant d&apos;importer un fichier ADIF</source>
        <translation>Voltooi of annuleer de huidige invoer voordat u een ADIF-bestand importeert</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO importés dans le log de %1</source>
        <extracomment>%1: the station&apos;s call sign</extracomment>
        <translation>
            <numerusform>%n verbinding geïmporteerd in het log van %1</numerusform>
            <numerusform>%n verbindingen geïmporteerd in het log van %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n QSO importés et %1 dans le log de %2</source>
        <extracomment>%1: &quot;N QSO confirmés&quot;, %2: the station&apos;s call sign</extracomment>
        <translation>
            <numerusform>%n verbinding geïmporteerd en %1 in het log van %2</numerusform>
            <numerusform>%n verbindingen geïmporteerd en %1 in het log van %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n QSO confirmés</source>
        <translation>
            <numerusform>%n verbinding bevestigd</numerusform>
            <numerusform>%n verbindingen bevestigd</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Langue</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>&amp;Automatique</source>
        <translation>&amp;Automatisch</translation>
    </message>
    <message>
        <source>La langue choisie sera celle de KASTLOG à son prochain démarrage.</source>
        <translation>KASTLOG gebruikt de gekozen taal vanaf de volgende start.</translation>
    </message>
    <message>
        <source>Cliquez sur une ligne pour l&apos;editer</source>
        <translation>Klik op een regel om die te bewerken</translation>
    </message>
    <message>
        <source>Modification QSO</source>
        <translation>Wijziging QSO</translation>
    </message>
    <message>
        <source>Cliquez sur une ligne pour l&apos;effacerer</source>
        <translation>Klik op een regel om die te wissen</translation>
    </message>
    <message>
        <source>Voulez vous Supprimer ce QSO ?</source>
        <translation>Wilt u deze verbinding verwijderen?</translation>
    </message>
    <message>
        <source>Le QSO n&apos;a pas été supprimé.</source>
        <translation>De verbinding is niet verwijderd.</translation>
    </message>
    <message>
        <source>Ce QSO n&apos;a pas été trouvé dans le log : rien n&apos;a été supprimé.</source>
        <translation>Deze verbinding is niet gevonden in het log: er is niets verwijderd.</translation>
    </message>
    <message>
        <source>La suppression</source>
        <extracomment>Subject of &quot;... est enregistré, mais le système n&apos;a pas confirmé l&apos;écriture sur le disque&quot;</extracomment>
        <translation>De verwijdering</translation>
    </message>
    <message>
        <source>Insertion QSO</source>
        <translation>Invoegen QSO</translation>
    </message>
    <message>
        <source>INDICATIF DE LA STATION  : </source>
        <translation>ROEPNAAM STATION: </translation>
    </message>
    <message>
        <source>Saisie ou modification d&apos;un QSO</source>
        <translation>QSO invoeren of wijzigen</translation>
    </message>
    <message>
        <source>Bande</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation>Roepnaam</translation>
    </message>
    <message>
        <source>Prénom (optionnel)</source>
        <translation>Voornaam (opt.)</translation>
    </message>
    <message>
        <source>Ref Chateau</source>
        <extracomment>Reference of the castle, e.g. NM047</extracomment>
        <translation>Kasteelref.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Heure UTC</source>
        <translation>Tijd UTC</translation>
    </message>
    <message>
        <source>Mode</source>
        <extracomment>The radio mode (SSB, CW, FM)
----------
the radio mode (CW, SSB...)</extracomment>
        <translation>Mode</translation>
    </message>
    <message>
        <source>RST R</source>
        <extracomment>Signal report received (readability, strength, tone)
----------
signal report received</extracomment>
        <translation>RST O</translation>
    </message>
    <message>
        <source>RST E</source>
        <extracomment>Signal report sent
----------
signal report sent</extracomment>
        <translation>RST Z</translation>
    </message>
    <message>
        <source>Nom du Chateau (optionnel)</source>
        <translation>Naam kasteel (optioneel)</translation>
    </message>
    <message>
        <source>QSL</source>
        <extracomment>Check box: a QSL card is exchanged</extracomment>
        <translation>QSL</translation>
    </message>
    <message>
        <source>Mode de saisie</source>
        <translation>Invoermodus</translation>
    </message>
    <message>
        <source>Saisie QSO</source>
        <extracomment>the entry&apos;s state: a new QSO being entered</extracomment>
        <translation>Invoer QSO</translation>
    </message>
    <message>
        <source>Valider le QSO</source>
        <translation>QSO opslaan</translation>
    </message>
    <message>
        <source>Annuler saisie en cours</source>
        <translation>Invoer annuleren</translation>
    </message>
    <message>
        <source>Inserer un QSO</source>
        <translation>QSO invoegen</translation>
    </message>
    <message>
        <source>Supprimer un QSO</source>
        <translation>QSO verwijderen</translation>
    </message>
    <message>
        <source>Permet d&apos;annuler la saisie d&apos;un Code Postal contacté</source>
        <translation>Annuleert de invoer van een gewerkte postcode</translation>
    </message>
    <message>
        <source>Rechercher un QSO</source>
        <translation>QSO zoeken</translation>
    </message>
    <message>
        <source>Liste des DNJ</source>
        <translation>DNJ-lijst</translation>
    </message>
    <message>
        <source>Un clique sur un QSO pour l&apos;afficher ou le supprimer, un double clique pour l&apos;editer</source>
        <translation>Klik op een verbinding om die te tonen of te verwijderen, dubbelklik om die te bewerken</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Quitter KASTLOG</source>
        <translation>KASTLOG &amp;afsluiten</translation>
    </message>
    <message>
        <source>&amp;Exporter le log au format ADIF</source>
        <translation>Log &amp;exporteren naar ADIF</translation>
    </message>
    <message>
        <source>&amp;Importer un fichier ADIF...</source>
        <translation>ADIF-bestand &amp;importeren...</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Datum</translation>
    </message>
    <message>
        <source>&amp;Manuelle</source>
        <translation>&amp;Handmatig</translation>
    </message>
    <message>
        <source>&amp;Station</source>
        <translation>&amp;Station</translation>
    </message>
    <message>
        <source>&amp;Nouvel indicatif</source>
        <translation>&amp;Nieuwe roepnaam</translation>
    </message>
    <message>
        <source>&amp;Liste</source>
        <translation>&amp;Lijst</translation>
    </message>
    <message>
        <source>&amp;des Chateaux contactés</source>
        <translation>&amp;Gewerkte kastelen</translation>
    </message>
    <message>
        <source>&amp;Carte</source>
        <translation>&amp;Kaart</translation>
    </message>
    <message>
        <source>des &amp;Provinces contactées</source>
        <translation>&amp;Gewerkte provincies</translation>
    </message>
    <message>
        <source>Sc&amp;ores</source>
        <translation>Sc&amp;ores</translation>
    </message>
    <message>
        <source>Affic&amp;her le cluster</source>
        <translation>&amp;Cluster tonen</translation>
    </message>
    <message>
        <source>Spo&amp;ts</source>
        <translation>Spo&amp;ts</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>A_&amp;Propos</source>
        <translation>&amp;Over KASTLOG</translation>
    </message>
    <message>
        <source>&amp;Règlement</source>
        <translation>&amp;Reglement</translation>
    </message>
    <message>
        <source>&amp;Historique</source>
        <translation>&amp;Historiek</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Premiere installation, vous devez entrer votre Indicatif<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Eerste installatie, u moet uw roepnaam invoeren<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>  KASTLOG    Revision %1</source>
        <extracomment>%1 is the version number, which starts with a blank.</extracomment>
        <translation>  KASTLOG    Revisie %1</translation>
    </message>
    <message numerus="yes">
        <source>Le log contient %n lignes : la liste ne montre que les %1 premières. Le fichier les garde toutes.</source>
        <translation>
            <numerusform>Het log bevat %n regel: de lijst toont alleen de eerste %1. Het bestand bewaart ze allemaal.</numerusform>
            <numerusform>Het log bevat %n regels: de lijst toont alleen de eerste %1. Het bestand bewaart ze allemaal.</numerusform>
        </translation>
    </message>
    <message>
        <source>Erreur N° %1</source>
        <translation>Fout nr. %1</translation>
    </message>
    <message>
        <source>%1 Utc</source>
        <extracomment>The UTC time of the clock, e.g. &quot;23:59 Utc&quot;</extracomment>
        <translation>%1 UTC</translation>
    </message>
    <message>
        <source>%1 Loc</source>
        <extracomment>The local time of the clock, e.g. &quot;00:59 Loc&quot;</extracomment>
        <translation>%1 Lok</translation>
    </message>
    <message>
        <source>&amp;Radio...</source>
        <translation>&amp;Radio...</translation>
    </message>
    <message>
        <source>La radio est hors des bandes du log (%1) et le QSO sur %2 : enregistrer quand même ?</source>
        <extracomment>%1: the radio&apos;s frequency in kHz, %2: the QSO&apos;s band</extracomment>
        <translation>De radio staat buiten de banden van het log (%1) en de verbinding op %2: toch opslaan?</translation>
    </message>
    <message>
        <source>La radio est sur %1 et le QSO sur %2 : enregistrer quand même ?</source>
        <extracomment>%1: the radio&apos;s band, %2: the QSO&apos;s band</extracomment>
        <translation>De radio staat op %1 en de verbinding op %2: toch opslaan?</translation>
    </message>
    <message>
        <source>5 caracteres pour la reference ex: NM047</source>
        <translation>5 tekens voor de referentie, bv. NM047</translation>
    </message>
    <message>
        <source>Le fichier %1 ne peut pas être lu (%2).<byte value="xd"/>
La référence ne peut pas être vérifiée.</source>
        <translation>Het bestand %1 kan niet worden gelezen (%2).<byte value="xd"/>
De referentie kan niet worden gecontroleerd.</translation>
    </message>
    <message>
        <source>%1 Chateau deja contacté le %2 sur %3</source>
        <extracomment>%1 castle reference, %2 date of the earlier QSO, %3 its band (e.g. &quot;14 Mhz&quot;)</extracomment>
        <translation>Kasteel %1 al gewerkt op %2 (%3)</translation>
    </message>
    <message>
        <source>Prénom</source>
        <translation>Voornaam</translation>
    </message>
    <message>
        <source>8 caracteres pour la date ex: 01/02/08</source>
        <translation>8 tekens voor de datum, bv. 01/02/08</translation>
    </message>
    <message>
        <source>5 caracteres pour l&apos;heure ex: 15:25</source>
        <translation>5 tekens voor de tijd, bv. 15:25</translation>
    </message>
    <message>
        <source>Nom du Chateau</source>
        <translation>Naam kasteel</translation>
    </message>
    <message>
        <source>Le champ &quot;%1&quot; contient le caractère &quot;%2&quot;, que le fichier du log ne peut pas enregistrer.<byte value="xd"/>
Le QSO n&apos;est pas enregistré.</source>
        <translation>Het veld &quot;%1&quot; bevat het teken &quot;%2&quot;, dat het logbestand niet kan opslaan.<byte value="xd"/>
De verbinding is niet opgeslagen.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Fichier : %2<byte value="xd"/>
Raison : %3</source>
        <extracomment>%1: what failed (a whole sentence), %2: the file, %3: the system&apos;s reason</extracomment>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
Bestand: %2<byte value="xd"/>
Reden: %3</translation>
    </message>
    <message>
        <source>%1 est enregistré, mais le système n&apos;a pas confirmé l&apos;écriture sur le disque : %2<byte value="xd"/>
<byte value="xd"/>
Fichier : %3</source>
        <extracomment>%1: what was written (&quot;Le QSO&quot;, &quot;La suppression&quot;), %2: the system&apos;s reason, %3: the file</extracomment>
        <translation>%1 is opgeslagen, maar het systeem heeft het schrijven naar de schijf niet bevestigd: %2<byte value="xd"/>
<byte value="xd"/>
Bestand: %3</translation>
    </message>
    <message>
        <source>Voulez vous enregistrer ces données ?</source>
        <translation>Wilt u deze gegevens opslaan?</translation>
    </message>
    <message>
        <source>Le QSO n&apos;a pas été enregistré.</source>
        <translation>De verbinding is niet opgeslagen.</translation>
    </message>
    <message>
        <source>Le QSO</source>
        <extracomment>subject of &quot;%1 est enregistré, mais le système n&apos;a pas confirmé l&apos;écriture...&quot;</extracomment>
        <translation>De verbinding</translation>
    </message>
    <message>
        <source>L&apos;ancienne ligne de ce QSO n&apos;a pas été trouvée : le QSO modifié a été ajouté à la fin du log.</source>
        <translation>De oude regel van deze verbinding is niet gevonden: de gewijzigde verbinding is aan het einde van het log toegevoegd.</translation>
    </message>
    <message>
        <source>Le QSO est enregistré, mais le prénom n&apos;a pas pu être mémorisé.</source>
        <translation>De verbinding is opgeslagen, maar de voornaam kon niet worden onthouden.</translation>
    </message>
    <message>
        <source>Une saisie est en cours : terminez ou annulez le QSO avant de prendre un spot</source>
        <translation>Er loopt een invoer: voltooi of annuleer de verbinding voordat u een spot overneemt</translation>
    </message>
</context>
<context>
    <name>kastlog::RadioDialog</name>
    <message>
        <source>Adresse invalide : entrez hote:port, par exemple localhost:4532</source>
        <translation>Ongeldig adres: geef host:poort in, bijvoorbeeld localhost:4532</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Adresse de rigctld (hote:port, vide : pas de radio) :</source>
        <translation>Adres van rigctld (host:poort, leeg: geen radio):</translation>
    </message>
    <message>
        <source>Tester</source>
        <extracomment>button: read the radio once at this address</extracomment>
        <translation>Testen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Test en cours...</source>
        <translation>Bezig met testen...</translation>
    </message>
    <message>
        <source>Radio : %1</source>
        <extracomment>%1: the radio&apos;s reading (frequency, mode) or what went wrong</extracomment>
        <translation>Radio: %1</translation>
    </message>
    <message>
        <source>Erreur : %1</source>
        <translation>Fout: %1</translation>
    </message>
</context>
<context>
    <name>kastlog::RechercheIndicatif</name>
    <message>
        <source>Rechercher un QSO</source>
        <translation>Verbinding zoeken</translation>
    </message>
    <message>
        <source>Rechercher un QSO par ...</source>
        <translation>Verbinding zoeken op ...</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <extracomment>Search by call sign.</extracomment>
        <translation>Roepnaam</translation>
    </message>
    <message>
        <source>N° DNJ</source>
        <extracomment>Search by castle reference (&quot;NM047&quot;).</extracomment>
        <translation>DNJ-nr</translation>
    </message>
    <message>
        <source>Prov</source>
        <extracomment>Search by province code; short, a narrow column.</extracomment>
        <translation>Prov</translation>
    </message>
    <message>
        <source>Double clique sur le QSO pour retour au log</source>
        <translation>Dubbelklik op de verbinding om terug te keren naar het logboek</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>kastlog::Reglement</name>
    <message>
        <source>Règlement</source>
        <translation>Reglement</translation>
    </message>
</context>
<context>
    <name>kastlog::RestoreDialog</name>
    <message>
        <source>Restaurer une sauvegarde</source>
        <translation>Back-up terugzetten</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>column headers: the backup&apos;s day, its number of QSOs, what restoring it changes, its lines that are not QSOs</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>QSO</source>
        <translation>QSO</translation>
    </message>
    <message>
        <source>Différence avec le log</source>
        <translation>Verschil met het log</translation>
    </message>
    <message>
        <source>Autres lignes</source>
        <translation>Andere regels</translation>
    </message>
    <message>
        <source>%1 (date future)</source>
        <extracomment>%1: a backup&apos;s day, later than today</extracomment>
        <translation>%1 (toekomstig)</translation>
    </message>
    <message>
        <source>illisible</source>
        <extracomment>the backup file cannot be read</extracomment>
        <translation>onleesbaar</translation>
    </message>
    <message>
        <source>&amp;Restaurer</source>
        <translation>&amp;Terugzetten</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>kastlog::ScoreChateaux</name>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>Scores DNJ</source>
        <translation>DNJ-scores</translation>
    </message>
    <message>
        <source>Nombre de Chateaux contactés</source>
        <translation>Aantal gewerkte kastelen</translation>
    </message>
    <message>
        <source>Nombre de Chateaux confirmés</source>
        <translation>Aantal bevestigde kastelen</translation>
    </message>
</context>
<context>
    <name>kastlog::StationDialog</name>
    <message>
        <source>Indicatif de la Station</source>
        <translation>Stationsroepnaam</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation>Roepnaam</translation>
    </message>
    <message>
        <source>!!! Pour la saisie la &apos;/&apos; est remplacée par le &apos;_&apos;</source>
        <translation>!!! Bij invoer wordt &apos;/&apos; vervangen door &apos;_&apos;</translation>
    </message>
    <message>
        <source>Validez</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Selection Indicaif</source>
        <translation>Roepnaam kiezen</translation>
    </message>
</context>
<context>
    <name>kastlog::rig::RigClient</name>
    <message>
        <source>pas de réponse de rigctld en %1 s</source>
        <translation>geen antwoord van rigctld binnen %1 s</translation>
    </message>
    <message>
        <source>pas de connexion en %1 s</source>
        <translation>geen verbinding binnen %1 s</translation>
    </message>
    <message>
        <source>connexion fermée par rigctld</source>
        <translation>verbinding gesloten door rigctld</translation>
    </message>
    <message>
        <source>adresse « %1 » invalide, entrez hote:port</source>
        <translation>ongeldig adres ‘%1’, geef host:poort in</translation>
    </message>
    <message>
        <source>réponse inattendue de rigctld : « %1 »</source>
        <translation>onverwacht antwoord van rigctld: ‘%1’</translation>
    </message>
    <message>
        <source>réponse illisible de rigctld : « %1 »</source>
        <translation>onleesbaar antwoord van rigctld: ‘%1’</translation>
    </message>
</context>
<context>
    <name>kastlog::spots::NodeClient</name>
    <message>
        <source>Connecté à %1, mais le noeud n&apos;a demandé aucun indicatif en %2 s : voir son texte dans « Noeud »</source>
        <extracomment>« Noeud » is the name of the tab showing the node&apos;s own text.</extracomment>
        <translation>Verbonden met %1, maar de node heeft binnen %2 s geen roepnaam gevraagd: zie zijn tekst in ‘Node’</translation>
    </message>
    <message>
        <source>connexion fermée par le noeud</source>
        <translation>verbinding gesloten door de node</translation>
    </message>
    <message>
        <source>Déconnecté : noeud invalide, entrez hote:port</source>
        <translation>Niet verbonden: ongeldige node, geef host:poort in</translation>
    </message>
    <message>
        <source>Connexion...</source>
        <translation>Verbinden...</translation>
    </message>
    <message>
        <source>Déconnecté : arrêt demandé</source>
        <translation>Niet verbonden: gestopt op verzoek</translation>
    </message>
    <message>
        <source>Connecté à %1</source>
        <translation>Verbonden met %1</translation>
    </message>
    <message>
        <source>Déconnecté : le noeud demande un mot de passe, donnez-le dans « Mot de passe »</source>
        <extracomment>« Mot de passe » is the label of the password field.</extracomment>
        <translation>Niet verbonden: de node vraagt een wachtwoord, geef het in bij ‘Wachtwoord’</translation>
    </message>
    <message>
        <source>Refusé par le noeud : %1</source>
        <extracomment>%1 is the node&apos;s own refusal line, as received.</extracomment>
        <translation>Geweigerd door de node: %1</translation>
    </message>
    <message>
        <source>refusé par le noeud : %1</source>
        <translation>geweigerd door de node: %1</translation>
    </message>
    <message>
        <source>Déconnecté : %1 (nouvel essai dans %2 s)</source>
        <extracomment>%1 is the reason, %2 the seconds before the next attempt.</extracomment>
        <translation>Niet verbonden: %1 (nieuwe poging over %2 s)</translation>
    </message>
</context>
<context>
    <name>kastlog::spots::SpotsModel</name>
    <message>
        <source>déjà contacté</source>
        <translation>al gewerkt</translation>
    </message>
    <message>
        <source>Heure</source>
        <extracomment>Column header: UTC time of the spot.</extracomment>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Bande</source>
        <extracomment>Column header: the radio band.</extracomment>
        <translation>Band</translation>
    </message>
    <message>
        <source>Fréquence</source>
        <extracomment>Column header.</extracomment>
        <translation>Freq.</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <extracomment>Column header: the call sign of the spotted station.</extracomment>
        <translation>Roepnaam</translation>
    </message>
    <message>
        <source>Ref</source>
        <extracomment>Column header: the castle reference.</extracomment>
        <translation>Ref</translation>
    </message>
    <message>
        <source>Spotter</source>
        <extracomment>Column header: the station that sent the spot.</extracomment>
        <translation>Spotter</translation>
    </message>
    <message>
        <source>Commentaire</source>
        <extracomment>Column header.</extracomment>
        <translation>Commentaar</translation>
    </message>
</context>
<context>
    <name>kastlog::spots::SpotsWindow</name>
    <message>
        <source>Spots DX</source>
        <translation>DX-spots</translation>
    </message>
    <message>
        <source>hote:port</source>
        <extracomment>Hint in the empty node field: host name, colon, port.</extracomment>
        <translation>host:poort</translation>
    </message>
    <message>
        <source>&amp;Reconnecter</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>&amp;Déconnecter</source>
        <translation>Ver&amp;breken</translation>
    </message>
    <message>
        <source>Seulement les nou&amp;veaux</source>
        <translation>&amp;Alleen nieuwe</translation>
    </message>
    <message>
        <source>Signal s&amp;onore</source>
        <translation>&amp;Pieptoon</translation>
    </message>
    <message>
        <source>S&amp;potter</source>
        <extracomment>Button: send the chosen spot back to the node.</extracomment>
        <translation>Sp&amp;otten</translation>
    </message>
    <message>
        <source>&amp;Commande</source>
        <translation>&amp;Commando</translation>
    </message>
    <message>
        <source>&amp;Spots</source>
        <extracomment>Tab of the spot table.</extracomment>
        <translation>&amp;Spots</translation>
    </message>
    <message>
        <source>No&amp;eud</source>
        <extracomment>Tab showing the node&apos;s own text (the DX cluster node).</extracomment>
        <translation>No&amp;de</translation>
    </message>
    <message>
        <source>&amp;Noeud</source>
        <translation>&amp;Node</translation>
    </message>
    <message>
        <source>&amp;Indicatif</source>
        <translation>&amp;Roepnaam</translation>
    </message>
    <message>
        <source>&amp;Mot de passe</source>
        <translation>&amp;Wachtwoord</translation>
    </message>
    <message>
        <source>Déconnecté : entrez le noeud (hote:port) puis Entrée</source>
        <translation>Niet verbonden: geef de node in (host:poort) en druk op Enter</translation>
    </message>
    <message>
        <source>Envoyer ce spot au noeud ?

%1</source>
        <translation>Deze spot naar de node sturen?

%1</translation>
    </message>
    <message>
        <source>Commande non envoyée : pas de connexion au noeud</source>
        <translation>Commando niet verzonden: geen verbinding met de node</translation>
    </message>
</context>
</TS>
