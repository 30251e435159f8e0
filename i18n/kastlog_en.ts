<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>About</name>
    <message>
        <source>KASTLOG - carnet de trafic DNJ</source>
        <translation>KASTLOG - DNJ logbook</translation>
    </message>
    <message>
        <source>V1.0.0   le 14/07/2008 creation<byte value="xd"/>
V1.0.1   le 19/07/2008 Suppression saisie Province<byte value="xd"/>
</source>
        <extracomment>The program&apos;s version history, shown by Aide &gt; Historique.</extracomment>
        <translation>V1.0.0   14/07/2008 first version<byte value="xd"/>
V1.0.1   19/07/2008 Province entry removed<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>KASTLOG  Révision %1</source>
        <extracomment>%1 is the version number, which starts with a blank.</extracomment>
        <translation>KASTLOG  Revision %1</translation>
    </message>
</context>
<context>
    <name>AdifExport</name>
    <message>
        <source>Le fichier a été enregistré sous le nom : %1</source>
        <translation>The file was saved as: %1</translation>
    </message>
</context>
<context>
    <name>AdifImport</name>
    <message>
        <source>Le fichier %1 ne peut pas être lu : %2</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Le log %1 ne peut pas être lu : %2</source>
        <translation>The log %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>%1 : aucun QSO ADIF dans ce fichier</source>
        <extracomment>%1 is the path of the file chosen.</extracomment>
        <translation>%1: no ADIF QSO in this file</translation>
    </message>
    <message>
        <source>Le log n&apos;a pas été modifié : %1 : %2</source>
        <extracomment>%1 is the file that failed, %2 why.</extracomment>
        <translation>The log was not changed: %1: %2</translation>
    </message>
    <message>
        <source>Les QSO sont importés, mais les prénoms n&apos;ont pas pu être mémorisés : %1 : %2</source>
        <extracomment>%1 is the file that failed, %2 why.</extracomment>
        <translation>The QSOs were imported, but the first names could not be saved: %1: %2</translation>
    </message>
</context>
<context>
    <name>AdifMapping</name>
    <message>
        <source>caractère impossible à écrire dans le log (champ %1)</source>
        <extracomment>%1 is an ADIF field name (CALL, NAME...).</extracomment>
        <translation>character the log cannot hold (field %1)</translation>
    </message>
    <message>
        <source>SIG_INFO n&apos;est pas une référence de château : %1</source>
        <extracomment>SIG_INFO is an ADIF field name; %1 its value.</extracomment>
        <translation>SIG_INFO is not a castle reference: %1</translation>
    </message>
    <message>
        <source>prénom écrit %1</source>
        <extracomment>%1 is the first name as the log holds it, its letters without accents the log cannot hold.</extracomment>
        <translation>first name written as %1</translation>
    </message>
    <message>
        <source>nom du château écrit %1</source>
        <extracomment>%1 is the castle&apos;s name as the log holds it, its letters without accents the log cannot hold.</extracomment>
        <translation>castle name written as %1</translation>
    </message>
    <message>
        <source>fait par la station %1</source>
        <extracomment>%1 is the call sign of the station that made the QSO, another than the log&apos;s.</extracomment>
        <translation>made by station %1</translation>
    </message>
    <message>
        <source>indicatif trop long</source>
        <translation>call sign too long</translation>
    </message>
    <message>
        <source>pas de référence de château : écrivez SIG=DNJ et SIG_INFO=NM047, ou la référence dans le commentaire</source>
        <extracomment>SIG and SIG_INFO are ADIF field names; NM047 a castle reference: keep them as they are.</extracomment>
        <translation>no castle reference: write SIG=DNJ and SIG_INFO=NM047, or put the reference in the comment</translation>
    </message>
    <message>
        <source>date illisible</source>
        <translation>unreadable date</translation>
    </message>
    <message>
        <source>heure absente (TIME_ON)</source>
        <extracomment>TIME_ON is an ADIF field name.</extracomment>
        <translation>time missing (TIME_ON)</translation>
    </message>
    <message>
        <source>bande absente du log</source>
        <extracomment>The QSO&apos;s band is none of the bands the log holds.</extracomment>
        <translation>band not in the log</translation>
    </message>
    <message>
        <source>mode trop long pour le log</source>
        <translation>mode too long for the log</translation>
    </message>
    <message>
        <source>report reçu trop long</source>
        <extracomment>The signal report received (RST) is too long.</extracomment>
        <translation>report received too long</translation>
    </message>
    <message>
        <source>report envoyé trop long</source>
        <extracomment>The signal report sent (RST) is too long.</extracomment>
        <translation>report sent too long</translation>
    </message>
</context>
<context>
    <name>AdifReader</name>
    <message>
        <source>QSO sans indicatif (CALL)</source>
        <translation>QSO without a call sign (CALL)</translation>
    </message>
    <message>
        <source>fichier tronqué après le QSO %1</source>
        <extracomment>%1 is the number of the last whole QSO of the file.</extracomment>
        <translation>file cut off after QSO %1</translation>
    </message>
    <message>
        <source>longueur de %1 comptée en caractères</source>
        <extracomment>%1 is an ADIF field name: its length counts characters, not bytes.</extracomment>
        <translation>length of %1 counted in characters</translation>
    </message>
    <message>
        <source>longueur de %1 fausse (ligne %2)</source>
        <extracomment>%1 is an ADIF field name, %2 a line of the file.</extracomment>
        <translation>wrong length of %1 (line %2)</translation>
    </message>
    <message>
        <source>XML illisible ligne %1 : %2</source>
        <translation>unreadable XML at line %1: %2</translation>
    </message>
    <message>
        <source>QSO incomplet (fichier tronqué)</source>
        <translation>incomplete QSO (file cut off)</translation>
    </message>
</context>
<context>
    <name>CastleList</name>
    <message>
        <source>   Ref             Nom du Chateau                      Date      Indicatif         QSL</source>
        <extracomment>Column titles above a fixed-pitch list: keep each title above its column.</extracomment>
        <translation>   Ref             Castle name                         Date      Call              QSL</translation>
    </message>
</context>
<context>
    <name>ColumnHeader</name>
    <message>
        <source>N°</source>
        <extracomment>Column heading: line number (3 characters)</extracomment>
        <translation>No.</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <extracomment>Column heading: call sign (13 characters)</extracomment>
        <translation>Call</translation>
    </message>
    <message>
        <source>Prov</source>
        <extracomment>Column heading: province code (4 characters)</extracomment>
        <translation>Prov</translation>
    </message>
    <message>
        <source>Prénom</source>
        <extracomment>Column heading: first name (15 characters)</extracomment>
        <translation>First name</translation>
    </message>
    <message>
        <source>Ref</source>
        <extracomment>Column heading: castle reference (6 characters)</extracomment>
        <translation>Ref</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Column heading (9 characters)</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>QTR</source>
        <extracomment>Column heading: the time, in the Q code (6 characters)</extracomment>
        <translation>Time</translation>
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
        <translation>RSTR</translation>
    </message>
    <message>
        <source>RSTE</source>
        <extracomment>Column heading: report sent (3 characters)</extracomment>
        <translation>RSTS</translation>
    </message>
    <message>
        <source>Mom du Chateau</source>
        <extracomment>Column heading: name of the castle (29 characters)</extracomment>
        <translation>Castle name</translation>
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
        <translation>Usage: kastlog [--import-adif FILE [--station CALL]]

With no option, opens the log window.

  --import-adif FILE     imports the castle QSOs and the QSL confirmations of an
                         ADIF file (.adi or .adx) into the station&apos;s log, with no
                         window; prints the counts, one line per QSO not
                         imported, then the warnings
  --station CALL         the station whose log receives the QSOs (default: the
                         one in the settings); its log is created if it does
                         not exist
  --help                 shows this help
  --version              shows the version

Exit status: 0 import done (even if no QSO was imported), 1 file or log
unreadable, damaged, without QSOs or impossible to write (log unchanged), 2 wrong
usage.
</translation>
    </message>
    <message>
        <source>kastlog : %1</source>
        <extracomment>the program&apos;s name, then an error message</extracomment>
        <translation>kastlog: %1</translation>
    </message>
    <message>
        <source>Essayez « kastlog --help ».</source>
        <translation>Try &apos;kastlog --help&apos;.</translation>
    </message>
    <message>
        <source>%1 donné deux fois</source>
        <extracomment>%1 the option</extracomment>
        <translation>%1 given twice</translation>
    </message>
    <message>
        <source>%1 attend une valeur</source>
        <extracomment>%1 the option</extracomment>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>option inconnue : %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>argument inattendu : %1</source>
        <translation>unexpected argument: %1</translation>
    </message>
    <message>
        <source>--station va avec --import-adif FICHIER</source>
        <translation>--station goes with --import-adif FILE</translation>
    </message>
    <message>
        <source>aucune station n&apos;est encore configurée : donnez --station INDICATIF</source>
        <translation>no station is set up yet: give --station CALL</translation>
    </message>
    <message>
        <source>Nouveau log créé pour la station %1 : %2</source>
        <extracomment>%1 the station&apos;s call sign, %2 its new log file</extracomment>
        <translation>New log created for station %1: %2</translation>
    </message>
    <message>
        <source>%1 : rien n&apos;est importé</source>
        <extracomment>%1 what is wrong with the ADIF file</extracomment>
        <translation>%1: nothing imported</translation>
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
        <translation>Enter a date</translation>
    </message>
    <message>
        <source>8 caracteres pour la date ex: 01/02/08</source>
        <translation>8 characters for the date, e.g. 01/02/08</translation>
    </message>
    <message>
        <source>Le format de la date doit etre JJ/MM/AA</source>
        <translation>The date format must be DD/MM/YY</translation>
    </message>
    <message>
        <source>Entrez une Heure</source>
        <translation>Enter a time</translation>
    </message>
    <message>
        <source>5 caracteres pour l&apos;heure ex: 15:25</source>
        <translation>5 characters for the time, e.g. 15:25</translation>
    </message>
    <message>
        <source>Le format de l&apos;heure doit etre HH:MM</source>
        <translation>The time format must be HH:MM</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>le disque est plein</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>le quota de disque est dépassé</source>
        <translation>the disk quota is exceeded</translation>
    </message>
    <message>
        <source>fichier trop gros</source>
        <translation>file too large</translation>
    </message>
    <message>
        <source>accès refusé</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>le disque est en lecture seule</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>fichier ou dossier introuvable</source>
        <translation>file or folder not found</translation>
    </message>
    <message>
        <source>une partie du chemin n&apos;est pas un dossier</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>un dossier porte ce nom</source>
        <translation>a folder has this name</translation>
    </message>
    <message>
        <source>le fichier existe déjà</source>
        <translation>the file already exists</translation>
    </message>
    <message>
        <source>erreur de lecture ou d&apos;écriture du disque</source>
        <translation>disk read or write error</translation>
    </message>
    <message>
        <source>trop de fichiers ouverts</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>nom de fichier trop long</source>
        <translation>file name too long</translation>
    </message>
    <message>
        <source>%1 (erreur système %2)</source>
        <extracomment>%1 is the system&apos;s own description of the error, %2 its number</extracomment>
        <translation>%1 (system error %2)</translation>
    </message>
</context>
<context>
    <name>FirstNames</name>
    <message>
        <source>le prénom contient un caractère qui ne peut pas être écrit dans ce fichier</source>
        <translation>the first name contains a character that cannot be written to this file</translation>
    </message>
</context>
<context>
    <name>ImportSelection</name>
    <message>
        <source>château déjà contacté le %1 sur %2</source>
        <extracomment>Why a QSO is not imported: %1 is the date (JJ/MM/AA) of the first QSO of the castle, %2 its band.</extracomment>
        <translation>castle already contacted on %1 (%2)</translation>
    </message>
    <message>
        <source>%1 : %2, %3, %4, %5, %6</source>
        <extracomment>The counts of an import: %1 is &quot;N QSO dans le fichier&quot;, %2 to %6 the counts that follow it.</extracomment>
        <translation>%1: %2, %3, %4, %5, %6</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO dans le fichier</source>
        <translation>
            <numerusform>%n QSO in the file</numerusform>
            <numerusform>%n QSOs in the file</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n à importer</source>
        <translation>
            <numerusform>%n to import</numerusform>
            <numerusform>%n to import</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n déjà dans le log</source>
        <translation>
            <numerusform>%n already in the log</numerusform>
            <numerusform>%n already in the log</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n château déjà contacté</source>
        <extracomment>QSOs not imported: their castle was already contacted in the same band group.</extracomment>
        <translation>
            <numerusform>%n castle already contacted</numerusform>
            <numerusform>%n castles already contacted</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n refusés</source>
        <extracomment>QSOs refused.</extracomment>
        <translation>
            <numerusform>%n refused</numerusform>
            <numerusform>%n refused</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n confirmations</source>
        <extracomment>QSOs of the log the file confirms.</extracomment>
        <translation>
            <numerusform>%n confirmation</numerusform>
            <numerusform>%n confirmations</numerusform>
        </translation>
    </message>
    <message>
        <source>confirmé (%1)</source>
        <extracomment>%1 names the confirmation&apos;s source: QSL, LoTW or eQSL.</extracomment>
        <translation>confirmed (%1)</translation>
    </message>
    <message>
        <source>déjà dans le log</source>
        <extracomment>The QSO of the file is already in the log.</extracomment>
        <translation>already in the log</translation>
    </message>
    <message>
        <source>déjà confirmé</source>
        <extracomment>The QSO of the log this confirmation is about is already marked confirmed.</extracomment>
        <translation>already confirmed</translation>
    </message>
    <message>
        <source>ambigu</source>
        <extracomment>Several QSOs of the log fit this confirmation equally.</extracomment>
        <translation>ambiguous</translation>
    </message>
    <message>
        <source>pas dans le log</source>
        <extracomment>The confirmation matches no QSO of the log.</extracomment>
        <translation>not in the log</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>KASTLOG est deja lance</source>
        <translation>KASTLOG is already running</translation>
    </message>
    <message>
        <source>KASTLOG ne peut pas écrire dans son dossier de données.<byte value="xd"/>
<byte value="xd"/>
Dossier : %1<byte value="xd"/>
Raison : %2</source>
        <extracomment>%1: the data folder, %2: the system&apos;s reason</extracomment>
        <translation>KASTLOG cannot write to its data folder.<byte value="xd"/>
<byte value="xd"/>
Folder: %1<byte value="xd"/>
Reason: %2</translation>
    </message>
    <message>
        <source>KASTLOG ne peut pas reprendre son verrou.<byte value="xd"/>
<byte value="xd"/>
Fichier : %1<byte value="xd"/>
Raison : %2</source>
        <extracomment>%1: the lock file, %2: the system&apos;s reason</extracomment>
        <translation>KASTLOG cannot take back its lock.<byte value="xd"/>
<byte value="xd"/>
File: %1<byte value="xd"/>
Reason: %2</translation>
    </message>
    <message>
        <source>Le dossier de données est verrouillé par KASTLOG sur un autre ordinateur : « %1 ».<byte value="xd"/>
Fichier : %2</source>
        <extracomment>%1: the other computer&apos;s name, %2: the lock file</extracomment>
        <translation>The data folder is locked by KASTLOG on another computer: &quot;%1&quot;.<byte value="xd"/>
File: %2</translation>
    </message>
    <message>
        <source>Si KASTLOG n&apos;y est pas ouvert, lancez sa fenêtre ici pour reprendre le verrou.</source>
        <translation>If KASTLOG is not running there, open its window here to take over the lock.</translation>
    </message>
    <message>
        <source>Si KASTLOG n&apos;y est pas ouvert (un dossier recopié d&apos;un autre PC, par exemple), le verrou peut être repris ici. Deux KASTLOG ouverts sur le même log perdraient des QSO.<byte value="xd"/>
<byte value="xd"/>
Reprendre le verrou ?</source>
        <translation>If KASTLOG is not running there (a folder copied from another PC, for example), the lock can be taken over here. Two copies of KASTLOG open on the same log would lose QSOs.<byte value="xd"/>
<byte value="xd"/>
Take over the lock?</translation>
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
        <translation>Copyright (C) 2026 the KASTLOG developers<byte value="xd"/>
<byte value="xd"/>
KASTLOG is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License (GPL), version 3 or any later version, as published by the Free Software Foundation. It comes WITH NO WARRANTY.<byte value="xd"/>
<byte value="xd"/>
Licence text: https://www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
</context>
<context>
    <name>LogHistory</name>
    <message>
        <source>un fichier porte le nom du dossier des sauvegardes</source>
        <translation>a file has the name of the backup folder</translation>
    </message>
    <message>
        <source>la sauvegarde du jour n&apos;a pas pu être gardée : elle a été retirée pour laisser la place au log, et la modification ne pourra pas être annulée (Ctrl+Z)</source>
        <extracomment>ends the sentence &quot;La modification est enregistrée dans le log, mais ...&quot;</extracomment>
        <translation>today&apos;s backup could not be kept: it was removed to make room for the log, and the change cannot be undone (Ctrl+Z)</translation>
    </message>
    <message>
        <source>la sauvegarde du jour n&apos;a pas pu être gardée : elle a été retirée pour laisser la place au log</source>
        <extracomment>ends the sentence &quot;La modification est enregistrée dans le log, mais ...&quot;</extracomment>
        <translation>today&apos;s backup could not be kept: it was removed to make room for the log</translation>
    </message>
    <message>
        <source>la sauvegarde du jour n&apos;a pas pu être faite, et la modification ne pourra pas être annulée (Ctrl+Z)</source>
        <extracomment>ends the sentence &quot;La modification est enregistrée dans le log, mais ...&quot;</extracomment>
        <translation>today&apos;s backup could not be made, and the change cannot be undone (Ctrl+Z)</translation>
    </message>
    <message>
        <source>la sauvegarde du jour n&apos;a pas pu être faite</source>
        <extracomment>ends the sentence &quot;La modification est enregistrée dans le log, mais ...&quot;</extracomment>
        <translation>today&apos;s backup could not be made</translation>
    </message>
    <message>
        <source>le log d&apos;avant la modification n&apos;a pas pu être gardé : elle ne pourra pas être annulée (Ctrl+Z)</source>
        <extracomment>ends the sentence &quot;La modification est enregistrée dans le log, mais ...&quot;</extracomment>
        <translation>the log as it was before the change could not be kept: the change cannot be undone (Ctrl+Z)</translation>
    </message>
    <message>
        <source>le log d&apos;avant la dernière modification n&apos;a pas été gardé</source>
        <translation>the log as it was before the last change was not kept</translation>
    </message>
    <message>
        <source>rien ne dit de quel log le fichier %1 est le précédent</source>
        <translation>nothing shows which log the file %1 is the previous version of</translation>
    </message>
    <message>
        <source>ce fichier ne peut pas être lu</source>
        <translation>this file cannot be read</translation>
    </message>
    <message>
        <source>ce n&apos;est pas le log d&apos;avant la dernière modification : son enregistrement a été interrompu ou n&apos;a pas pu se faire</source>
        <translation>this is not the log as it was before the last change: saving it was interrupted or failed</translation>
    </message>
    <message>
        <source>le log a changé depuis la dernière modification gardée (il a été modifié hors de KASTLOG, ou le log d&apos;avant n&apos;a pas pu être gardé)</source>
        <translation>the log has changed since the last change that was kept (it was modified outside KASTLOG, or the previous log could not be kept)</translation>
    </message>
    <message>
        <source>aucun QSO changé</source>
        <translation>no QSO changed</translation>
    </message>
    <message>
        <source>QSO modifié : %1</source>
        <extracomment>%1 the QSO: call, reference, date, time, band</extracomment>
        <translation>QSO changed: %1</translation>
    </message>
    <message>
        <source>QSO ajouté : %1</source>
        <translation>QSO added: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO ajoutés</source>
        <translation>
            <numerusform>%n QSO added</numerusform>
            <numerusform>%n QSOs added</numerusform>
        </translation>
    </message>
    <message>
        <source>1 autre ligne ajoutée</source>
        <translation>1 other line added</translation>
    </message>
    <message numerus="yes">
        <source>%n autres lignes ajoutées</source>
        <translation>
            <numerusform>%n other line added</numerusform>
            <numerusform>%n other lines added</numerusform>
        </translation>
    </message>
    <message>
        <source>QSO supprimé : %1</source>
        <translation>QSO deleted: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO supprimés</source>
        <translation>
            <numerusform>%n QSO deleted</numerusform>
            <numerusform>%n QSOs deleted</numerusform>
        </translation>
    </message>
    <message>
        <source>1 autre ligne supprimée</source>
        <translation>1 other line deleted</translation>
    </message>
    <message numerus="yes">
        <source>%n autres lignes supprimées</source>
        <translation>
            <numerusform>%n other line deleted</numerusform>
            <numerusform>%n other lines deleted</numerusform>
        </translation>
    </message>
    <message>
        <source>QSO confirmé : %1</source>
        <translation>QSO confirmed: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO confirmés</source>
        <translation>
            <numerusform>%n QSO confirmed</numerusform>
            <numerusform>%n QSOs confirmed</numerusform>
        </translation>
    </message>
    <message>
        <source>(vide)</source>
        <extracomment>stands for a blank line of the backup</extracomment>
        <translation>(empty)</translation>
    </message>
    <message>
        <source>ligne %1 : %2</source>
        <extracomment>%1 the line&apos;s number in the backup, %2 the line</extracomment>
        <translation>line %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>et %n autres lignes</source>
        <translation>
            <numerusform>and %n other line</numerusform>
            <numerusform>and %n other lines</numerusform>
        </translation>
    </message>
    <message>
        <source>1 ligne de la sauvegarde n&apos;est pas un QSO ; elle sera copiée telle quelle dans le log :</source>
        <translation>1 line of the backup is not a QSO; it will be copied into the log as it is:</translation>
    </message>
    <message numerus="yes">
        <source>%n lignes de la sauvegarde ne sont pas des QSO ; elles seront copiées telles quelles dans le log :</source>
        <translation>
            <numerusform>%n line of the backup is not a QSO; it will be copied into the log as it is:</numerusform>
            <numerusform>%n lines of the backup are not QSOs; they will be copied into the log as they are:</numerusform>
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
        <translation>the character &quot;%1&quot; (U+%2) cannot be written to this file</translation>
    </message>
    <message>
        <source>aucune modification du log n&apos;a été gardée</source>
        <translation>no change to the log has been kept</translation>
    </message>
    <message>
        <source>le log ou son état précédent a changé depuis la question</source>
        <translation>the log or its previous state has changed since the question was asked</translation>
    </message>
</context>
<context>
    <name>NodeConnection</name>
    <message>
        <source>module réseau %1 introuvable</source>
        <translation>network module %1 not found</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>module d&apos;impression %1 introuvable</source>
        <extracomment>%1 is the file name of the printing module.</extracomment>
        <translation>printing module %1 not found</translation>
    </message>
    <message>
        <source>L&apos;imprimante ne peut pas commencer l&apos;impression</source>
        <translation>The printer cannot start printing</translation>
    </message>
    <message>
        <source>L&apos;imprimante ne peut pas commencer l&apos;impression (%1)</source>
        <translation>The printer cannot start printing (%1)</translation>
    </message>
    <message>
        <source>L&apos;imprimante ne peut pas commencer une nouvelle page</source>
        <translation>The printer cannot start a new page</translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu etre terminee</source>
        <translation>Printing could not be completed</translation>
    </message>
</context>
<context>
    <name>Radio</name>
    <message>
        <source>%1, nouvel essai dans %2 s</source>
        <extracomment>%1 is why the radio is disconnected, %2 a number of seconds.</extracomment>
        <translation>%1, retrying in %2 s</translation>
    </message>
    <message>
        <source>Radio : déconnectée (%1)</source>
        <translation>Radio: disconnected (%1)</translation>
    </message>
    <message>
        <source>Radio : connexion...</source>
        <translation>Radio: connecting...</translation>
    </message>
    <message>
        <source> - hors des bandes du log</source>
        <translation> - outside the log&apos;s bands</translation>
    </message>
    <message>
        <source> - réglage refusé (%1)</source>
        <translation> - setting refused (%1)</translation>
    </message>
</context>
<context>
    <name>ReportFiles</name>
    <message>
        <source>Le log %1 n&apos;a pas pu être lu : %2</source>
        <translation>The log %1 could not be read: %2</translation>
    </message>
    <message>
        <source>le caractère « %1 » ne peut pas être écrit en Windows-1252</source>
        <extracomment>A reason, shown after &quot;... n&apos;a pas été enregistré : &quot;; %1 is one character.</extracomment>
        <translation>the character &apos;%1&apos; cannot be written in Windows-1252</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas été enregistré : %2</source>
        <translation>The file %1 was not saved: %2</translation>
    </message>
</context>
<context>
    <name>RigErrors</name>
    <message>
        <source>paramètre invalide</source>
        <translation>invalid parameter</translation>
    </message>
    <message>
        <source>configuration invalide</source>
        <translation>invalid configuration</translation>
    </message>
    <message>
        <source>mémoire insuffisante</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>fonction non implémentée</source>
        <translation>function not implemented</translation>
    </message>
    <message>
        <source>la radio ne répond pas</source>
        <translation>the radio does not answer</translation>
    </message>
    <message>
        <source>erreur d&apos;entrée-sortie avec la radio</source>
        <translation>input/output error with the radio</translation>
    </message>
    <message>
        <source>erreur interne de Hamlib</source>
        <translation>Hamlib internal error</translation>
    </message>
    <message>
        <source>erreur de protocole avec la radio</source>
        <translation>protocol error with the radio</translation>
    </message>
    <message>
        <source>commande refusée par la radio</source>
        <translation>command rejected by the radio</translation>
    </message>
    <message>
        <source>texte tronqué</source>
        <translation>text truncated</translation>
    </message>
    <message>
        <source>fonction absente de cette radio</source>
        <translation>function not available on this radio</translation>
    </message>
    <message>
        <source>VFO non accessible</source>
        <translation>VFO not accessible</translation>
    </message>
    <message>
        <source>erreur du bus de la radio</source>
        <translation>radio bus error</translation>
    </message>
    <message>
        <source>bus de la radio occupé</source>
        <translation>radio bus busy</translation>
    </message>
    <message>
        <source>argument invalide</source>
        <translation>invalid argument</translation>
    </message>
    <message>
        <source>VFO invalide</source>
        <translation>invalid VFO</translation>
    </message>
    <message>
        <source>valeur hors limites</source>
        <translation>value out of range</translation>
    </message>
    <message>
        <source>erreur de Hamlib</source>
        <translation>Hamlib error</translation>
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
        <translation>Enter a call sign</translation>
    </message>
    <message>
        <source>Entrez une référence</source>
        <translation>Enter a reference</translation>
    </message>
    <message>
        <source>Entrez un departement</source>
        <extracomment>The province code box is empty (an older word for the province).</extracomment>
        <translation>Enter a province</translation>
    </message>
    <message>
        <source>Pas de QSO trouvé</source>
        <translation>No QSO found</translation>
    </message>
    <message>
        <source>12 caracteres maxi pour l&apos;indicatif</source>
        <translation>12 characters max for the call sign</translation>
    </message>
    <message>
        <source>5 caracteres maxi pour la référence ex: MN047</source>
        <translation>5 characters max for the reference, e.g. MN047</translation>
    </message>
    <message>
        <source>2 caracteres maxi pour la province</source>
        <translation>2 characters max for the province</translation>
    </message>
    <message>
        <source>Entrez une province</source>
        <translation>Enter a province</translation>
    </message>
    <message>
        <source>   N°   Indicatif          Prov      Date       Bande    N° DNJ           Nom du Chateau             QSL</source>
        <extracomment>Column titles above a fixed-pitch list: keep each title above its column.</extracomment>
        <translation>   No.  Call               Prov      Date       Band     Ref              Castle name                QSL</translation>
    </message>
</context>
<context>
    <name>StationCall</name>
    <message>
        <source>Vous devez entrer un indicatif</source>
        <translation>You must enter a call sign</translation>
    </message>
    <message>
        <source>12 caracteres maximum pour l&apos;indicatif</source>
        <translation>12 characters max. for the call sign</translation>
    </message>
    <message>
        <source>L&apos;indicatif ne doit comporter que des lettres des chiffres ou le signe &apos;_&apos; </source>
        <translation>The call sign may only contain letters, digits or the &apos;_&apos; sign </translation>
    </message>
</context>
<context>
    <name>StationHost</name>
    <message>
        <source>Terminez ou annulez la saisie en cours avant de changer d&apos;indicatif</source>
        <translation>Finish or cancel the current entry before changing the call sign</translation>
    </message>
</context>
<context>
    <name>WebBrowser</name>
    <message>
        <source>Le navigateur intégré n&apos;est pas disponible.
%1</source>
        <extracomment>%1 is the address of the page that would have been shown.</extracomment>
        <translation>The built-in browser is not available.
%1</translation>
    </message>
</context>
<context>
    <name>kastlog::AffContacte</name>
    <message>
        <source>Liste des chateaux contactés</source>
        <translation>List of castles contacted</translation>
    </message>
    <message>
        <source>Afficher</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Chateaux contactés bande</source>
        <extracomment>Beside it, the count for the band group chosen above (HF, VHF or UHF).</extracomment>
        <translation>Castles contacted</translation>
    </message>
    <message>
        <source>Chateaux confirmés bande</source>
        <extracomment>Beside it, the count for the band group chosen above (HF, VHF or UHF).</extracomment>
        <translation>Castles confirmed</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>La bande « %1 » ne peut pas faire partie d&apos;un nom de fichier : la liste n&apos;a pas été enregistrée</source>
        <translation>The band &apos;%1&apos; cannot be part of a file name: the list was not saved</translation>
    </message>
    <message>
        <source>Fichier enregistré sous le nom : %1</source>
        <translation>File saved as: %1</translation>
    </message>
    <message>
        <source>L&apos;impression a échoué : %1</source>
        <translation>Printing failed: %1</translation>
    </message>
</context>
<context>
    <name>kastlog::CarteActiDnj</name>
    <message>
        <source>Carte des provinces contactées</source>
        <translation>Map of provinces contacted</translation>
    </message>
    <message>
        <source>Provinces contactées bande</source>
        <extracomment>Between the count and the band group: &quot;2 Provinces contactées bande HF&quot;.</extracomment>
        <translation>provinces contacted on</translation>
    </message>
    <message>
        <source>Bande</source>
        <extracomment>Band group (HF, VHF, UHF) to show.</extracomment>
        <translation>Band</translation>
    </message>
    <message>
        <source>Afficher</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Provinces contactés</source>
        <extracomment>Map legend: the colour of the provinces contacted.</extracomment>
        <translation>Provinces contacted</translation>
    </message>
    <message>
        <source>Provinces non contactés</source>
        <extracomment>Map legend: the colour of the provinces not contacted.</extracomment>
        <translation>Provinces not contacted</translation>
    </message>
    <message>
        <source>Le log %1 n&apos;a pas pu être lu : %2</source>
        <translation>The log %1 could not be read: %2</translation>
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
        <translation>Cluster (DX cluster)</translation>
    </message>
    <message>
        <source>Bande</source>
        <extracomment>Label of the radio band choice.</extracomment>
        <translation>Band</translation>
    </message>
    <message>
        <source>Afficher</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Cluster remis a jour toutes les minutes</source>
        <translation>Cluster refreshed every minute</translation>
    </message>
</context>
<context>
    <name>kastlog::GestionErreurDialog</name>
    <message>
        <source>Gestion erreur 53</source>
        <translation>Error 53</translation>
    </message>
    <message>
        <source>ERREUR 53</source>
        <extracomment>The heading: the error number the program has always shown for a missing log file.</extracomment>
        <translation>ERROR 53</translation>
    </message>
    <message>
        <source>KASTLOG a trouvé dans la base de registre l&apos;indicatif  : </source>
        <translation>KASTLOG found this call sign in its settings: </translation>
    </message>
    <message>
        <source>Il n&apos;a par contre pas trouvé dans son répértoire le fichier :</source>
        <translation>But it did not find this file in its folder:</translation>
    </message>
    <message>
        <source>Pour remèdier à cet état, cliquez sur &quot;Initialiser&quot; puis sur &quot;Quitter&quot;</source>
        <translation>To fix this, click &quot;Reset&quot; then &quot;Quit&quot;</translation>
    </message>
    <message>
        <source>Relancez KASTLOG </source>
        <translation>Restart KASTLOG </translation>
    </message>
    <message>
        <source>une boite de dialogue vous demandera alors de spécifier votre indicatif</source>
        <translation>a dialog box will then ask you for your call sign</translation>
    </message>
    <message>
        <source>Initialiser</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>kastlog::ImportDialog</name>
    <message>
        <source>Importer un fichier ADIF</source>
        <translation>Import an ADIF file</translation>
    </message>
    <message>
        <source>Fichiers ADIF (*.adi *.adif *.adx)</source>
        <translation>ADIF files (*.adi *.adif *.adx)</translation>
    </message>
    <message>
        <source>à importer</source>
        <translation>to import</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <extracomment>column headers of the import preview; &quot;Suite&quot;: what becomes of the QSO</extracomment>
        <translation>Call</translation>
    </message>
    <message>
        <source>Référence</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Heure</source>
        <translation>Time</translation>
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
        <translation>Outcome</translation>
    </message>
    <message>
        <source>Importation ADIF</source>
        <translation>ADIF import</translation>
    </message>
    <message>
        <source>%1 : seuls les QSO entiers avant la coupure sont lus.</source>
        <extracomment>%1: what is wrong with the file</extracomment>
        <translation>%1: only the whole QSOs before the break are read.</translation>
    </message>
    <message>
        <source>Importer</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kastlog::Liste_DNJ1</name>
    <message>
        <source>Liste des châteaux Belges</source>
        <translation>List of Belgian castles</translation>
    </message>
</context>
<context>
    <name>kastlog::MainWindow</name>
    <message>
        <source>Entrez une QRG</source>
        <translation>Enter a band</translation>
    </message>
    <message>
        <source>7 caracteres maxi pour la QRG</source>
        <translation>7 characters max. for the band</translation>
    </message>
    <message>
        <source><byte value="xd"/>
         Premiere installation, vous devez entrer votre Indicatif<byte value="xd"/>
<byte value="xd"/>
Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif.</source>
        <translation><byte value="xd"/>
         First installation: you must enter your call sign<byte value="xd"/>
<byte value="xd"/>
To do so, in the menu bar go to Station, then New call sign.</translation>
    </message>
    <message>
        <source>Entrez un indicatif</source>
        <translation>Enter a call sign</translation>
    </message>
    <message>
        <source>12 caracteres maxi pour l&apos;indicatif</source>
        <translation>12 characters max. for the call sign</translation>
    </message>
    <message>
        <source>15 caracteres maxi pour le Prenom</source>
        <translation>15 characters max. for the first name</translation>
    </message>
    <message>
        <source>Entrez un Mode</source>
        <translation>Enter a mode</translation>
    </message>
    <message>
        <source>3 caracteres maxi pour le Mode</source>
        <translation>3 characters max. for the mode</translation>
    </message>
    <message>
        <source>Entrez un Report</source>
        <translation>Enter a report</translation>
    </message>
    <message>
        <source>3 caracteres maxi pour le Report</source>
        <translation>3 characters max. for the report</translation>
    </message>
    <message>
        <source>R (de RST)doit etre compris entre 0 et 5</source>
        <translation>R (of RST) must be between 0 and 5</translation>
    </message>
    <message>
        <source>30 caracteres maxi pour le nom du Chateau</source>
        <translation>30 characters max. for the castle name</translation>
    </message>
    <message>
        <source>&amp;Annuler la dernière modification du log</source>
        <translation>&amp;Undo the last change to the log</translation>
    </message>
    <message>
        <source>&amp;Restaurer une sauvegarde...</source>
        <translation>&amp;Restore a backup...</translation>
    </message>
    <message>
        <source>La modification est enregistrée dans le log, mais %1.<byte value="xd"/>
<byte value="xd"/>
Fichier : %2<byte value="xd"/>
Raison : %3</source>
        <extracomment>%1: what could not be kept (from the history), %2: the file, %3: the system&apos;s reason</extracomment>
        <translation>The change is saved in the log, but %1.<byte value="xd"/>
<byte value="xd"/>
File: %2<byte value="xd"/>
Reason: %3</translation>
    </message>
    <message>
        <source>Un QSO est en cours de saisie ou de modification : validez-le ou annulez la saisie en cours avant de changer le log.</source>
        <translation>A QSO is being entered or edited: save it or cancel the current entry before changing the log.</translation>
    </message>
    <message>
        <source>La dernière modification ne peut pas être annulée.</source>
        <translation>The last change cannot be undone.</translation>
    </message>
    <message>
        <source>Les sauvegardes des jours passés restent disponibles : Fichier, Restaurer une sauvegarde.</source>
        <translation>The backups of previous days are still available: File, Restore a backup.</translation>
    </message>
    <message numerus="yes">
        <source>Le log est introuvable :<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Le remettre tel qu&apos;il était avant la dernière modification (%n QSO) ?</source>
        <translation>
            <numerusform>The log cannot be found:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Put it back as it was before the last change (%n QSO)?</numerusform>
            <numerusform>The log cannot be found:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Put it back as it was before the last change (%n QSOs)?</numerusform>
        </translation>
    </message>
    <message>
        <source>Annuler la dernière modification ?</source>
        <translation>Undo the last change?</translation>
    </message>
    <message>
        <source>La dernière modification n&apos;a pas été annulée.</source>
        <translation>The last change was not undone.</translation>
    </message>
    <message>
        <source>Les sauvegardes ne peuvent pas être lues.</source>
        <translation>The backups cannot be read.</translation>
    </message>
    <message>
        <source>Aucune sauvegarde du log de %1 pour l&apos;instant.</source>
        <translation>No backup of the %1 log yet.</translation>
    </message>
    <message>
        <source>La sauvegarde n&apos;a pas été restaurée.</source>
        <translation>The backup was not restored.</translation>
    </message>
    <message>
        <source>Remplacer le log par la sauvegarde du %1 ?</source>
        <extracomment>%1: the backup&apos;s day, dd/mm/yyyy</extracomment>
        <translation>Replace the log with the backup of %1?</translation>
    </message>
    <message>
        <source>Terminez ou annulez la saisie en cours avant d&apos;importer un fichier ADIF</source>
        <translation>Finish or cancel the current entry before importing an ADIF file</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO importés dans le log de %1</source>
        <extracomment>%1: the station&apos;s call sign</extracomment>
        <translation>
            <numerusform>%n QSO imported into the log of %1</numerusform>
            <numerusform>%n QSOs imported into the log of %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n QSO importés et %1 dans le log de %2</source>
        <extracomment>%1: &quot;N QSO confirmés&quot;, %2: the station&apos;s call sign</extracomment>
        <translation>
            <numerusform>%n QSO imported and %1 in the log of %2</numerusform>
            <numerusform>%n QSOs imported and %1 in the log of %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n QSO confirmés</source>
        <translation>
            <numerusform>%n QSO confirmed</numerusform>
            <numerusform>%n QSOs confirmed</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Langue</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;Automatique</source>
        <translation>&amp;Automatic</translation>
    </message>
    <message>
        <source>La langue choisie sera celle de KASTLOG à son prochain démarrage.</source>
        <translation>The chosen language will be used the next time KASTLOG starts.</translation>
    </message>
    <message>
        <source>Cliquez sur une ligne pour l&apos;editer</source>
        <translation>Click a line to edit it</translation>
    </message>
    <message>
        <source>Modification QSO</source>
        <translation>Edit QSO</translation>
    </message>
    <message>
        <source>Cliquez sur une ligne pour l&apos;effacerer</source>
        <translation>Click a line to delete it</translation>
    </message>
    <message>
        <source>Voulez vous Supprimer ce QSO ?</source>
        <translation>Do you want to delete this QSO?</translation>
    </message>
    <message>
        <source>Le QSO n&apos;a pas été supprimé.</source>
        <translation>The QSO was not deleted.</translation>
    </message>
    <message>
        <source>Ce QSO n&apos;a pas été trouvé dans le log : rien n&apos;a été supprimé.</source>
        <translation>This QSO was not found in the log: nothing was deleted.</translation>
    </message>
    <message>
        <source>La suppression</source>
        <extracomment>Subject of &quot;... est enregistré, mais le système n&apos;a pas confirmé l&apos;écriture sur le disque&quot;</extracomment>
        <translation>The deletion</translation>
    </message>
    <message>
        <source>Insertion QSO</source>
        <translation>Insert QSO</translation>
    </message>
    <message>
        <source>INDICATIF DE LA STATION  : </source>
        <translation>STATION CALL SIGN  : </translation>
    </message>
    <message>
        <source>Saisie ou modification d&apos;un QSO</source>
        <translation>Enter or edit a QSO</translation>
    </message>
    <message>
        <source>Bande</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation>Call sign</translation>
    </message>
    <message>
        <source>Prénom (optionnel)</source>
        <translation>First name (opt.)</translation>
    </message>
    <message>
        <source>Ref Chateau</source>
        <extracomment>Reference of the castle, e.g. NM047</extracomment>
        <translation>Castle ref</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Heure UTC</source>
        <translation>UTC time</translation>
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
        <translation>RST R</translation>
    </message>
    <message>
        <source>RST E</source>
        <extracomment>Signal report sent
----------
signal report sent</extracomment>
        <translation>RST S</translation>
    </message>
    <message>
        <source>Nom du Chateau (optionnel)</source>
        <translation>Castle name (optional)</translation>
    </message>
    <message>
        <source>QSL</source>
        <extracomment>Check box: a QSL card is exchanged</extracomment>
        <translation>QSL</translation>
    </message>
    <message>
        <source>Mode de saisie</source>
        <translation>Entry mode</translation>
    </message>
    <message>
        <source>Saisie QSO</source>
        <extracomment>the entry&apos;s state: a new QSO being entered</extracomment>
        <translation>New QSO</translation>
    </message>
    <message>
        <source>Valider le QSO</source>
        <translation>Save the QSO</translation>
    </message>
    <message>
        <source>Annuler saisie en cours</source>
        <translation>Cancel current entry</translation>
    </message>
    <message>
        <source>Inserer un QSO</source>
        <translation>Insert a QSO</translation>
    </message>
    <message>
        <source>Supprimer un QSO</source>
        <translation>Delete a QSO</translation>
    </message>
    <message>
        <source>Permet d&apos;annuler la saisie d&apos;un Code Postal contacté</source>
        <translation>Deletes the selected QSO from the log</translation>
    </message>
    <message>
        <source>Rechercher un QSO</source>
        <translation>Find a QSO</translation>
    </message>
    <message>
        <source>Liste des DNJ</source>
        <translation>DNJ list</translation>
    </message>
    <message>
        <source>Un clique sur un QSO pour l&apos;afficher ou le supprimer, un double clique pour l&apos;editer</source>
        <translation>Click a QSO to show or delete it, double-click to edit it</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Quitter KASTLOG</source>
        <translation>&amp;Quit KASTLOG</translation>
    </message>
    <message>
        <source>&amp;Exporter le log au format ADIF</source>
        <translation>&amp;Export the log as ADIF</translation>
    </message>
    <message>
        <source>&amp;Importer un fichier ADIF...</source>
        <translation>&amp;Import an ADIF file...</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Date</translation>
    </message>
    <message>
        <source>&amp;Manuelle</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>&amp;Station</source>
        <translation>&amp;Station</translation>
    </message>
    <message>
        <source>&amp;Nouvel indicatif</source>
        <translation>&amp;New call sign</translation>
    </message>
    <message>
        <source>&amp;Liste</source>
        <translation>&amp;List</translation>
    </message>
    <message>
        <source>&amp;des Chateaux contactés</source>
        <translation>&amp;Castles worked</translation>
    </message>
    <message>
        <source>&amp;Carte</source>
        <translation>&amp;Map</translation>
    </message>
    <message>
        <source>des &amp;Provinces contactées</source>
        <translation>&amp;Provinces worked</translation>
    </message>
    <message>
        <source>Sc&amp;ores</source>
        <translation>Sc&amp;ores</translation>
    </message>
    <message>
        <source>Affic&amp;her le cluster</source>
        <translation>Show &amp;cluster</translation>
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
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Règlement</source>
        <translation>Award &amp;rules</translation>
    </message>
    <message>
        <source>&amp;Historique</source>
        <translation>&amp;History</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Premiere installation, vous devez entrer votre Indicatif<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
First installation: you must enter your call sign<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>  KASTLOG    Revision %1</source>
        <extracomment>%1 is the version number, which starts with a blank.</extracomment>
        <translation>  KASTLOG    Revision %1</translation>
    </message>
    <message numerus="yes">
        <source>Le log contient %n lignes : la liste ne montre que les %1 premières. Le fichier les garde toutes.</source>
        <translation>
            <numerusform>The log has %n line: the list shows only the first %1. The file keeps them all.</numerusform>
            <numerusform>The log has %n lines: the list shows only the first %1. The file keeps them all.</numerusform>
        </translation>
    </message>
    <message>
        <source>Erreur N° %1</source>
        <translation>Error No. %1</translation>
    </message>
    <message>
        <source>%1 Utc</source>
        <extracomment>The UTC time of the clock, e.g. &quot;23:59 Utc&quot;</extracomment>
        <translation>%1 UTC</translation>
    </message>
    <message>
        <source>%1 Loc</source>
        <extracomment>The local time of the clock, e.g. &quot;00:59 Loc&quot;</extracomment>
        <translation>%1 Loc</translation>
    </message>
    <message>
        <source>&amp;Radio...</source>
        <translation>&amp;Radio...</translation>
    </message>
    <message>
        <source>La radio est hors des bandes du log (%1) et le QSO sur %2 : enregistrer quand même ?</source>
        <extracomment>%1: the radio&apos;s frequency in kHz, %2: the QSO&apos;s band</extracomment>
        <translation>The radio is outside the log&apos;s bands (%1) and the QSO is on %2: save anyway?</translation>
    </message>
    <message>
        <source>La radio est sur %1 et le QSO sur %2 : enregistrer quand même ?</source>
        <extracomment>%1: the radio&apos;s band, %2: the QSO&apos;s band</extracomment>
        <translation>The radio is on %1 and the QSO on %2: save anyway?</translation>
    </message>
    <message>
        <source>5 caracteres pour la reference ex: NM047</source>
        <translation>5 characters for the reference, e.g. NM047</translation>
    </message>
    <message>
        <source>Le fichier %1 ne peut pas être lu (%2).<byte value="xd"/>
La référence ne peut pas être vérifiée.</source>
        <translation>The file %1 cannot be read (%2).<byte value="xd"/>
The reference cannot be checked.</translation>
    </message>
    <message>
        <source>%1 Chateau deja contacté le %2 sur %3</source>
        <extracomment>%1 castle reference, %2 date of the earlier QSO, %3 its band (e.g. &quot;14 Mhz&quot;)</extracomment>
        <translation>Castle %1 already worked on %2 on %3</translation>
    </message>
    <message>
        <source>Prénom</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>8 caracteres pour la date ex: 01/02/08</source>
        <translation>8 characters for the date, e.g. 01/02/08</translation>
    </message>
    <message>
        <source>5 caracteres pour l&apos;heure ex: 15:25</source>
        <translation>5 characters for the time, e.g. 15:25</translation>
    </message>
    <message>
        <source>Nom du Chateau</source>
        <translation>Castle name</translation>
    </message>
    <message>
        <source>Le champ &quot;%1&quot; contient le caractère &quot;%2&quot;, que le fichier du log ne peut pas enregistrer.<byte value="xd"/>
Le QSO n&apos;est pas enregistré.</source>
        <translation>The field &quot;%1&quot; contains the character &quot;%2&quot;, which the log file cannot store.<byte value="xd"/>
The QSO has not been saved.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Fichier : %2<byte value="xd"/>
Raison : %3</source>
        <extracomment>%1: what failed (a whole sentence), %2: the file, %3: the system&apos;s reason</extracomment>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
File: %2<byte value="xd"/>
Reason: %3</translation>
    </message>
    <message>
        <source>%1 est enregistré, mais le système n&apos;a pas confirmé l&apos;écriture sur le disque : %2<byte value="xd"/>
<byte value="xd"/>
Fichier : %3</source>
        <extracomment>%1: what was written (&quot;Le QSO&quot;, &quot;La suppression&quot;), %2: the system&apos;s reason, %3: the file</extracomment>
        <translation>%1 has been saved, but the system did not confirm the write to disk: %2<byte value="xd"/>
<byte value="xd"/>
File: %3</translation>
    </message>
    <message>
        <source>Voulez vous enregistrer ces données ?</source>
        <translation>Do you want to save this data?</translation>
    </message>
    <message>
        <source>Le QSO n&apos;a pas été enregistré.</source>
        <translation>The QSO was not saved.</translation>
    </message>
    <message>
        <source>Le QSO</source>
        <extracomment>subject of &quot;%1 est enregistré, mais le système n&apos;a pas confirmé l&apos;écriture...&quot;</extracomment>
        <translation>The QSO</translation>
    </message>
    <message>
        <source>L&apos;ancienne ligne de ce QSO n&apos;a pas été trouvée : le QSO modifié a été ajouté à la fin du log.</source>
        <translation>The old line of this QSO was not found: the edited QSO has been added at the end of the log.</translation>
    </message>
    <message>
        <source>Le QSO est enregistré, mais le prénom n&apos;a pas pu être mémorisé.</source>
        <translation>The QSO is saved, but the first name could not be remembered.</translation>
    </message>
    <message>
        <source>Une saisie est en cours : terminez ou annulez le QSO avant de prendre un spot</source>
        <translation>An entry is in progress: finish or cancel the QSO before taking a spot</translation>
    </message>
</context>
<context>
    <name>kastlog::RadioDialog</name>
    <message>
        <source>Adresse invalide : entrez hote:port, par exemple localhost:4532</source>
        <translation>Invalid address: enter host:port, for example localhost:4532</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Adresse de rigctld (hote:port, vide : pas de radio) :</source>
        <translation>rigctld address (host:port, empty: no radio):</translation>
    </message>
    <message>
        <source>Tester</source>
        <extracomment>button: read the radio once at this address</extracomment>
        <translation>Test</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Test en cours...</source>
        <translation>Testing...</translation>
    </message>
    <message>
        <source>Radio : %1</source>
        <extracomment>%1: the radio&apos;s reading (frequency, mode) or what went wrong</extracomment>
        <translation>Radio: %1</translation>
    </message>
    <message>
        <source>Erreur : %1</source>
        <translation>Error: %1</translation>
    </message>
</context>
<context>
    <name>kastlog::RechercheIndicatif</name>
    <message>
        <source>Rechercher un QSO</source>
        <translation>Find a QSO</translation>
    </message>
    <message>
        <source>Rechercher un QSO par ...</source>
        <translation>Find a QSO by ...</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <extracomment>Search by call sign.</extracomment>
        <translation>Call sign</translation>
    </message>
    <message>
        <source>N° DNJ</source>
        <extracomment>Search by castle reference (&quot;NM047&quot;).</extracomment>
        <translation>Ref</translation>
    </message>
    <message>
        <source>Prov</source>
        <extracomment>Search by province code; short, a narrow column.</extracomment>
        <translation>Prov</translation>
    </message>
    <message>
        <source>Double clique sur le QSO pour retour au log</source>
        <translation>Double-click a QSO to go to it in the log</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>kastlog::Reglement</name>
    <message>
        <source>Règlement</source>
        <translation>Award rules</translation>
    </message>
</context>
<context>
    <name>kastlog::RestoreDialog</name>
    <message>
        <source>Restaurer une sauvegarde</source>
        <translation>Restore a backup</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>column headers: the backup&apos;s day, its number of QSOs, what restoring it changes, its lines that are not QSOs</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>QSO</source>
        <translation>QSOs</translation>
    </message>
    <message>
        <source>Différence avec le log</source>
        <translation>Change to the log</translation>
    </message>
    <message>
        <source>Autres lignes</source>
        <translation>Other lines</translation>
    </message>
    <message>
        <source>%1 (date future)</source>
        <extracomment>%1: a backup&apos;s day, later than today</extracomment>
        <translation>%1 (future date)</translation>
    </message>
    <message>
        <source>illisible</source>
        <extracomment>the backup file cannot be read</extracomment>
        <translation>unreadable</translation>
    </message>
    <message>
        <source>&amp;Restaurer</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
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
        <translation>DNJ scores</translation>
    </message>
    <message>
        <source>Nombre de Chateaux contactés</source>
        <translation>Castles contacted</translation>
    </message>
    <message>
        <source>Nombre de Chateaux confirmés</source>
        <translation>Castles confirmed</translation>
    </message>
</context>
<context>
    <name>kastlog::StationDialog</name>
    <message>
        <source>Indicatif de la Station</source>
        <translation>Station call sign</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation>Call sign</translation>
    </message>
    <message>
        <source>!!! Pour la saisie la &apos;/&apos; est remplacée par le &apos;_&apos;</source>
        <translation>!!! When typing, &apos;/&apos; is replaced by &apos;_&apos;</translation>
    </message>
    <message>
        <source>Validez</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Selection Indicaif</source>
        <translation>Select call sign</translation>
    </message>
</context>
<context>
    <name>kastlog::rig::RigClient</name>
    <message>
        <source>pas de réponse de rigctld en %1 s</source>
        <translation>no answer from rigctld within %1 s</translation>
    </message>
    <message>
        <source>pas de connexion en %1 s</source>
        <translation>no connection within %1 s</translation>
    </message>
    <message>
        <source>connexion fermée par rigctld</source>
        <translation>connection closed by rigctld</translation>
    </message>
    <message>
        <source>adresse « %1 » invalide, entrez hote:port</source>
        <translation>invalid address &apos;%1&apos;, enter host:port</translation>
    </message>
    <message>
        <source>réponse inattendue de rigctld : « %1 »</source>
        <translation>unexpected answer from rigctld: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>réponse illisible de rigctld : « %1 »</source>
        <translation>unreadable answer from rigctld: &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>kastlog::spots::NodeClient</name>
    <message>
        <source>Connecté à %1, mais le noeud n&apos;a demandé aucun indicatif en %2 s : voir son texte dans « Noeud »</source>
        <extracomment>« Noeud » is the name of the tab showing the node&apos;s own text.</extracomment>
        <translation>Connected to %1, but the node asked for no call sign within %2 s: see its text in the &apos;Node&apos; tab</translation>
    </message>
    <message>
        <source>connexion fermée par le noeud</source>
        <translation>connection closed by the node</translation>
    </message>
    <message>
        <source>Déconnecté : noeud invalide, entrez hote:port</source>
        <translation>Disconnected: invalid node, enter host:port</translation>
    </message>
    <message>
        <source>Connexion...</source>
        <translation>Connecting...</translation>
    </message>
    <message>
        <source>Déconnecté : arrêt demandé</source>
        <translation>Disconnected: stop requested</translation>
    </message>
    <message>
        <source>Connecté à %1</source>
        <translation>Connected to %1</translation>
    </message>
    <message>
        <source>Déconnecté : le noeud demande un mot de passe, donnez-le dans « Mot de passe »</source>
        <extracomment>« Mot de passe » is the label of the password field.</extracomment>
        <translation>Disconnected: the node asks for a password, enter it under &apos;Password&apos;</translation>
    </message>
    <message>
        <source>Refusé par le noeud : %1</source>
        <extracomment>%1 is the node&apos;s own refusal line, as received.</extracomment>
        <translation>Refused by the node: %1</translation>
    </message>
    <message>
        <source>refusé par le noeud : %1</source>
        <translation>refused by the node: %1</translation>
    </message>
    <message>
        <source>Déconnecté : %1 (nouvel essai dans %2 s)</source>
        <extracomment>%1 is the reason, %2 the seconds before the next attempt.</extracomment>
        <translation>Disconnected: %1 (retrying in %2 s)</translation>
    </message>
</context>
<context>
    <name>kastlog::spots::SpotsModel</name>
    <message>
        <source>déjà contacté</source>
        <translation>already contacted</translation>
    </message>
    <message>
        <source>Heure</source>
        <extracomment>Column header: UTC time of the spot.</extracomment>
        <translation>Time</translation>
    </message>
    <message>
        <source>Bande</source>
        <extracomment>Column header: the radio band.</extracomment>
        <translation>Band</translation>
    </message>
    <message>
        <source>Fréquence</source>
        <extracomment>Column header.</extracomment>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <extracomment>Column header: the call sign of the spotted station.</extracomment>
        <translation>Call</translation>
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
        <translation>Comment</translation>
    </message>
</context>
<context>
    <name>kastlog::spots::SpotsWindow</name>
    <message>
        <source>Spots DX</source>
        <translation>DX spots</translation>
    </message>
    <message>
        <source>hote:port</source>
        <extracomment>Hint in the empty node field: host name, colon, port.</extracomment>
        <translation>host:port</translation>
    </message>
    <message>
        <source>&amp;Reconnecter</source>
        <translation>&amp;Reconnect</translation>
    </message>
    <message>
        <source>&amp;Déconnecter</source>
        <translation>&amp;Disconnect</translation>
    </message>
    <message>
        <source>Seulement les nou&amp;veaux</source>
        <translation>&amp;Only new</translation>
    </message>
    <message>
        <source>Signal s&amp;onore</source>
        <translation>Sound &amp;alert</translation>
    </message>
    <message>
        <source>S&amp;potter</source>
        <extracomment>Button: send the chosen spot back to the node.</extracomment>
        <translation>S&amp;pot</translation>
    </message>
    <message>
        <source>&amp;Commande</source>
        <translation>&amp;Command</translation>
    </message>
    <message>
        <source>&amp;Spots</source>
        <extracomment>Tab of the spot table.</extracomment>
        <translation>&amp;Spots</translation>
    </message>
    <message>
        <source>No&amp;eud</source>
        <extracomment>Tab showing the node&apos;s own text (the DX cluster node).</extracomment>
        <translation>Nod&amp;e</translation>
    </message>
    <message>
        <source>&amp;Noeud</source>
        <translation>&amp;Node</translation>
    </message>
    <message>
        <source>&amp;Indicatif</source>
        <translation>Call s&amp;ign</translation>
    </message>
    <message>
        <source>&amp;Mot de passe</source>
        <translation>Pass&amp;word</translation>
    </message>
    <message>
        <source>Déconnecté : entrez le noeud (hote:port) puis Entrée</source>
        <translation>Disconnected: enter the node (host:port), then press Enter</translation>
    </message>
    <message>
        <source>Envoyer ce spot au noeud ?

%1</source>
        <translation>Send this spot to the node?

%1</translation>
    </message>
    <message>
        <source>Commande non envoyée : pas de connexion au noeud</source>
        <translation>Command not sent: not connected to the node</translation>
    </message>
</context>
</TS>
