<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>EngineWords</name>
    <message>
        <source>refused the question</source>
        <translation>lehnte die Frage ab</translation>
    </message>
    <message>
        <source>answered 429 (too many requests)</source>
        <translation>antwortete 429 (zu viele Anfragen)</translation>
    </message>
    <message>
        <source>answered 503 (unavailable)</source>
        <translation>antwortete 503 (nicht verfügbar)</translation>
    </message>
    <message>
        <source>asked to wait before the next question</source>
        <translation>bat, vor der nächsten Frage zu warten</translation>
    </message>
    <message>
        <source>closed without answering</source>
        <translation>schloss ohne Antwort</translation>
    </message>
    <message>
        <source>did not answer in time</source>
        <translation>antwortete nicht rechtzeitig</translation>
    </message>
    <message>
        <source>could not be reached</source>
        <translation>war nicht erreichbar</translation>
    </message>
    <message>
        <source>answered with an HTTP error</source>
        <translation>antwortete mit einem HTTP-Fehler</translation>
    </message>
    <message>
        <source>answered without saying free or taken</source>
        <translation>antwortete, ohne frei oder vergeben zu sagen</translation>
    </message>
    <message>
        <source>not asked: it stopped answering</source>
        <translation>nicht gefragt: Er antwortet nicht mehr</translation>
    </message>
    <message>
        <source>%1 time-outs in a row</source>
        <translation>%1 Zeitüberschreitungen in Folge</translation>
    </message>
    <message>
        <source>%1 names in a row closed without answering</source>
        <translation>%1 Namen in Folge ohne Antwort geschlossen</translation>
    </message>
    <message>
        <source>answered %1</source>
        <translation>antwortete %1</translation>
    </message>
    <message>
        <source>%1 rests %2: %3</source>
        <translation>%1 pausiert %2: %3</translation>
    </message>
    <message>
        <source>%1 does not answer (%2): its names are left unchecked</source>
        <translation>%1 antwortet nicht (%2): Seine Namen bleiben ungeprüft</translation>
    </message>
    <message>
        <source>%1 is asked again</source>
        <translation>%1 wird wieder gefragt</translation>
    </message>
    <message>
        <source>No connection open</source>
        <translation>Keine Verbindung offen</translation>
    </message>
    <message>
        <source>1 connection open</source>
        <translation>1 Verbindung offen</translation>
    </message>
    <message>
        <source>%1 connections open</source>
        <translation>%1 Verbindungen offen</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Prüfe %1</translation>
    </message>
    <message>
        <source>1 name</source>
        <translation>1 Name</translation>
    </message>
    <message>
        <source>%1 names</source>
        <translation>%1 Namen</translation>
    </message>
    <message>
        <source>%1 - %2 available, %3 registered, %4 unchecked</source>
        <translation>%1 - %2 verfügbar, %3 registriert, %4 ungeprüft</translation>
    </message>
    <message>
        <source>, %1 skipped</source>
        <translation>, %1 übersprungen</translation>
    </message>
    <message>
        <source>Finished: %1</source>
        <translation>Abgeschlossen: %1</translation>
    </message>
    <message>
        <source>Stopped: %1; the list could not be read to its end</source>
        <translation>Angehalten: %1; die Liste konnte nicht bis zum Ende gelesen werden</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Angehalten: %1</translation>
    </message>
    <message>
        <source>, %1 likely available</source>
        <translation>, %1 wahrscheinlich frei</translation>
    </message>
</context>
<context>
    <name>MasterFileReader</name>
    <message>
        <source>. (the root)</source>
        <translation>. (die Wurzel)</translation>
    </message>
    <message>
        <source>line %1 is longer than 1 MiB: this is not zone text</source>
        <translation>Zeile %1 ist länger als 1 MiB: Das ist kein Zonentext</translation>
    </message>
    <message>
        <source>the file ends inside the record that begins on line %1: a parenthesis is not closed</source>
        <translation>die Datei endet innerhalb des Eintrags, der in Zeile %1 beginnt: Eine Klammer ist nicht geschlossen</translation>
    </message>
    <message>
        <source>this is not a zone file: it holds no SOA record</source>
        <translation>das ist keine Zonendatei: Sie enthält keinen SOA-Eintrag</translation>
    </message>
    <message>
        <source>the record that begins on line %1 is longer than 1 MiB: this is not zone text</source>
        <translation>der Eintrag, der in Zeile %1 beginnt, ist länger als 1 MiB: Das ist kein Zonentext</translation>
    </message>
    <message>
        <source>line %1: $INCLUDE is not supported; import the zone as one file</source>
        <translation>Zeile %1: $INCLUDE wird nicht unterstützt; importieren Sie die Zone als eine Datei</translation>
    </message>
    <message>
        <source>this is not a zone file: its first record (line %1) is not the zone&apos;s SOA record</source>
        <translation>das ist keine Zonendatei: Ihr erster Eintrag (Zeile %1) ist nicht der SOA-Eintrag der Zone</translation>
    </message>
    <message>
        <source>the SOA record on line %1 names the zone relative to an origin the file does not give: say which TLD the zone is of</source>
        <translation>der SOA-Eintrag in Zeile %1 nennt die Zone relativ zu einem Ursprung, den die Datei nicht angibt: Geben Sie an, zu welcher TLD die Zone gehört</translation>
    </message>
    <message>
        <source>this is the zone of %1, not of %2</source>
        <translation>das ist die Zone von %1, nicht von %2</translation>
    </message>
    <message>
        <source>this is the root zone: it delegates TLDs, not names to screen</source>
        <translation>das ist die Root-Zone: Sie delegiert TLDs, keine vorzuprüfenden Namen</translation>
    </message>
    <message>
        <source>the zone&apos;s name %1 is not a domain name</source>
        <translation>der Name der Zone, %1, ist kein Domainname</translation>
    </message>
</context>
<context>
    <name>ZoneIndex</name>
    <message>
        <source>it is too short to be a zone index</source>
        <translation>er ist zu kurz für einen Zonenindex</translation>
    </message>
    <message>
        <source>it is not a zone index</source>
        <translation>das ist kein Zonenindex</translation>
    </message>
    <message>
        <source>it was made by another version of the program: import the zone again</source>
        <translation>er wurde von einer anderen Version des Programms erstellt: Importieren Sie die Zone erneut</translation>
    </message>
    <message>
        <source>its header is damaged</source>
        <translation>sein Kopf ist beschädigt</translation>
    </message>
    <message>
        <source>it is damaged or cut short</source>
        <translation>er ist beschädigt oder abgeschnitten</translation>
    </message>
    <message>
        <source>it holds the zone of .%1, not of .%2</source>
        <translation>er enthält die Zone von .%1, nicht von .%2</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>er ist beschädigt</translation>
    </message>
</context>
<context>
    <name>ZoneIndexWriter</name>
    <message>
        <source>the zone has more names than an index can hold</source>
        <translation>die Zone hat mehr Namen, als ein Index fassen kann</translation>
    </message>
    <message>
        <source>the index could not be created</source>
        <translation>der Index konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>the index could not be written</source>
        <translation>der Index konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the index could not be put in place: </source>
        <translation>der Index konnte nicht abgelegt werden: </translation>
    </message>
</context>
<context>
    <name>ZoneInput</name>
    <message>
        <source>zlib could not start</source>
        <translation>zlib konnte nicht starten</translation>
    </message>
    <message>
        <source>the gzip file is cut short: it ends before its compressed data does</source>
        <translation>die gzip-Datei ist abgeschnitten: Sie endet vor ihren komprimierten Daten</translation>
    </message>
    <message>
        <source>the gzip data is damaged (%1)</source>
        <translation>die gzip-Daten sind beschädigt (%1)</translation>
    </message>
</context>
<context>
    <name>ZoneScreen</name>
    <message>
        <source>The zone index %1 cannot be used: %2.</source>
        <translation>Der Zonenindex %1 kann nicht verwendet werden: %2.</translation>
    </message>
</context>
<context>
    <name>app::AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>Finds domain names nobody has registered.</source>
        <translation>Findet Domainnamen, die noch niemand registriert hat.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>app::Artwork</name>
    <message>
        <source>Finds domain names nobody has registered</source>
        <translation>Findet Domainnamen, die noch niemand registriert hat</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>app::EngineWiring</name>
    <message>
        <source>The DNS resolver claims names that cannot exist; every name goes to the registry.</source>
        <translation>Der DNS-Resolver meldet Namen, die es nicht geben kann; jeder Name geht an die Registry.</translation>
    </message>
    <message>
        <source>(default: %1)</source>
        <translation>(Standard: %1)</translation>
    </message>
    <message>
        <source>Not saved: %1 cannot be written.</source>
        <translation>Nicht gespeichert: %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>File %1 not found.</source>
        <translation>Die Datei %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>A search is running. Press Stop, then Start to check the new list.</source>
        <translation>Eine Suche läuft. Klicken Sie auf Stopp und dann auf Start, um die neue Liste zu prüfen.</translation>
    </message>
    <message>
        <source>There are no unchecked names.</source>
        <translation>Es gibt keine ungeprüften Namen.</translation>
    </message>
    <message>
        <source>Unchecked names</source>
        <translation>Ungeprüfte Namen</translation>
    </message>
</context>
<context>
    <name>app::MainMenus</name>
    <message>
        <source>Check DNS first</source>
        <translation>Zuerst DNS prüfen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Hilfe anzeigen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>About this software</source>
        <translation>Über dieses Programm</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Export results...</source>
        <translation>Ergebnisse exportieren...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Filter the lists</source>
        <translation>Listen filtern</translation>
    </message>
    <message>
        <source>Clear High/Mid/Low</source>
        <translation>Hoch/Mittel/Niedrig leeren</translation>
    </message>
    <message>
        <source>Clear High</source>
        <translation>Hoch leeren</translation>
    </message>
    <message>
        <source>Clear Mid</source>
        <translation>Mittel leeren</translation>
    </message>
    <message>
        <source>Clear Low</source>
        <translation>Niedrig leeren</translation>
    </message>
    <message>
        <source>Clear Registered</source>
        <translation>Registriert leeren</translation>
    </message>
    <message>
        <source>Clear Saved</source>
        <translation>Gespeicherte leeren</translation>
    </message>
    <message>
        <source>Copy High</source>
        <translation>Hoch kopieren</translation>
    </message>
    <message>
        <source>Copy Mid</source>
        <translation>Mittel kopieren</translation>
    </message>
    <message>
        <source>Copy Low</source>
        <translation>Niedrig kopieren</translation>
    </message>
    <message>
        <source>Copy Saved</source>
        <translation>Gespeicherte kopieren</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Check unchecked names</source>
        <translation>Ungeprüfte Namen prüfen</translation>
    </message>
    <message>
        <source>Zone Files...</source>
        <translation>Zonendateien...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Purchase Links...</source>
        <translation>Kauflinks...</translation>
    </message>
</context>
<context>
    <name>app::MainStatusBar</name>
    <message>
        <source>Entries that name no domain that can be registered: click for the list</source>
        <translation>Einträge, die keine registrierbare Domain nennen: Klicken für die Liste</translation>
    </message>
    <message>
        <source>Which servers failed in this run, and how</source>
        <translation>Welche Server in diesem Lauf versagt haben, und wie</translation>
    </message>
    <message>
        <source>Entry status</source>
        <translation>Eintragsstatus</translation>
    </message>
    <message>
        <source>Open connections</source>
        <translation>Offene Verbindungen</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>Verbindungsstatus</translation>
    </message>
    <message>
        <source>Unchecked: %1</source>
        <translation>Ungeprüft: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Übersprungen: %1</translation>
    </message>
</context>
<context>
    <name>app::MainWindow</name>
    <message>
        <source>Exported 1 result to %1.</source>
        <translation>1 Ergebnis nach %1 exportiert.</translation>
    </message>
    <message>
        <source>Exported %1 results to %2.</source>
        <translation>%1 Ergebnisse nach %2 exportiert.</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The results could not be written to %1.</source>
        <translation>Die Ergebnisse konnten nicht nach %1 geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>app::MainWindowHistory</name>
    <message>
        <source>History...</source>
        <translation>Verlauf...</translation>
    </message>
    <message>
        <source>Do not ask again about names checked in the last N days</source>
        <translation>Namen, die in den letzten N Tagen geprüft wurden, nicht erneut fragen</translation>
    </message>
    <message>
        <source>Off (ask about every name)</source>
        <translation>Aus (nach jedem Namen fragen)</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>History off: %1</source>
        <translation>Verlauf aus: %1</translation>
    </message>
    <message>
        <source>History: 1 earlier result</source>
        <translation>Verlauf: 1 früheres Ergebnis</translation>
    </message>
    <message>
        <source>History: %1 earlier results</source>
        <translation>Verlauf: %1 frühere Ergebnisse</translation>
    </message>
    <message>
        <source>A search is running. Press Stop, then check the names again.</source>
        <translation>Eine Suche läuft. Klicken Sie auf Stopp und prüfen Sie die Namen dann erneut.</translation>
    </message>
    <message>
        <source>The names could not be written to %1, so they cannot be checked.</source>
        <translation>Die Namen konnten nicht nach %1 geschrieben werden und können daher nicht geprüft werden.</translation>
    </message>
    <message>
        <source>The check history could not be written: %1</source>
        <translation>Der Prüfverlauf konnte nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>app::MainWindowLoad</name>
    <message>
        <source>Since this is your first time using this program you should visit the Setup area to enable any Top Level Domains (TLDs) that you want to work with.<byte value="xd"/>
<byte value="xd"/>
By default, .COM, .NET and the popular TLDs %1 are enabled, but you can configure this program to work with any TLD.</source>
        <translation>Da Sie dieses Programm zum ersten Mal verwenden, sollten Sie die Einstellungen öffnen und die Top-Level-Domains (TLDs) aktivieren, mit denen Sie arbeiten möchten.<byte value="xd"/>
<byte value="xd"/>
Standardmäßig sind .COM, .NET und die beliebten TLDs %1 aktiviert, aber Sie können dieses Programm für jede TLD einrichten.</translation>
    </message>
    <message>
        <source>Your TLD table has no rows for these popular TLDs: %1.<byte value="xd"/>
<byte value="xd"/>
Add them as enabled rows at the end of the table? The rows you have stay as they are.</source>
        <translation>Ihre TLD-Tabelle hat keine Zeilen für diese beliebten TLDs: %1.<byte value="xd"/>
<byte value="xd"/>
Sollen sie als aktivierte Zeilen am Ende der Tabelle hinzugefügt werden? Ihre vorhandenen Zeilen bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>The TLD table %1 could not be written; it was not changed.</source>
        <translation>Die TLD-Tabelle %1 konnte nicht geschrieben werden; sie wurde nicht geändert.</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Visit %1</source>
        <translation>%1 besuchen</translation>
    </message>
    <message>
        <source>Domain Name Manager - Double Click any domain to purchase</source>
        <translation>Domainnamen-Verwaltung - Doppelklick auf eine Domain, um sie zu kaufen</translation>
    </message>
    <message>
        <source>Domain Name Manager</source>
        <translation>Domainnamen-Verwaltung</translation>
    </message>
    <message>
        <source>%1: it is a folder</source>
        <translation>%1: Das ist ein Ordner</translation>
    </message>
    <message>
        <source>%1: it cannot be opened for reading</source>
        <translation>%1: Die Datei kann nicht zum Lesen geöffnet werden</translation>
    </message>
    <message>
        <source>These files could not be read. They are not used, and they are left as they are:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Diese Dateien konnten nicht gelesen werden. Sie werden nicht verwendet und bleiben, wie sie sind:<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The help file was not found.</source>
        <translation>Die Hilfedatei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1: it holds no row that can be read</source>
        <translation>%1: Sie enthält keine lesbare Zeile</translation>
    </message>
</context>
<context>
    <name>app::RunPanels</name>
    <message>
        <source>No server for %1: left unchecked</source>
        <translation>Kein Server für %1: ungeprüft gelassen</translation>
    </message>
    <message>
        <source>%1 until %2 (%3)</source>
        <translation>%1 bis %2 (%3)</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Pausiert: %1</translation>
    </message>
    <message>
        <source>Not answering: %1</source>
        <translation>Antwortet nicht: %1</translation>
    </message>
    <message>
        <source>1 server with problems</source>
        <translation>1 Server mit Problemen</translation>
    </message>
    <message>
        <source>%1 servers with problems</source>
        <translation>%1 Server mit Problemen</translation>
    </message>
</context>
<context>
    <name>app::RunStatus</name>
    <message>
        <source>Run progress</source>
        <translation>Fortschritt des Laufs</translation>
    </message>
</context>
<context>
    <name>app::SplashWindow</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>app::StartFolder</name>
    <message>
        <source>Quarrytide now keeps its files in %1, no longer beside the program.</source>
        <translation>Quarrytide bewahrt seine Dateien jetzt in %1 auf, nicht mehr neben dem Programm.</translation>
    </message>
    <message>
        <source>Your saved domains, results and lists were copied there from %1; the files in %1 were left as they were.</source>
        <translation>Ihre gespeicherten Domains, Ergebnisse und Listen wurden aus %1 dorthin kopiert; die Dateien in %1 blieben, wie sie waren.</translation>
    </message>
    <message>
        <source>These files could not be copied and are still only in %1: %2.</source>
        <translation>Diese Dateien konnten nicht kopiert werden und liegen weiterhin nur in %1: %2.</translation>
    </message>
    <message>
        <source>Quarrytide cannot write to its folder %1. Your saved domains, the results found, the check history, the lists made by the generator and the search, and changes to the TLD table will not be saved.</source>
        <translation>Quarrytide kann nicht in seinen Ordner %1 schreiben. Ihre gespeicherten Domains, die gefundenen Ergebnisse, der Prüfverlauf, die vom Generator und der Suche erstellten Listen und Änderungen an der TLD-Tabelle werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Names are checked with the built-in TLD table.</source>
        <translation>Namen werden mit der eingebauten TLD-Tabelle geprüft.</translation>
    </message>
    <message>
        <source>The program&apos;s folder %1 holds a file named &quot;portable&quot; but cannot be written, so Quarrytide keeps its files in %2.</source>
        <translation>Der Programmordner %1 enthält eine Datei namens „portable“, ist aber nicht beschreibbar; daher bewahrt Quarrytide seine Dateien in %2 auf.</translation>
    </message>
</context>
<context>
    <name>app::ZoneScreening</name>
    <message>
        <source>Screen only</source>
        <translation>Nur vorsortieren</translation>
    </message>
    <message>
        <source>Names outside an imported zone end as likely available, without a registry question</source>
        <translation>Namen außerhalb einer importierten Zone gelten als wahrscheinlich frei, ohne Frage an die Registry</translation>
    </message>
    <message>
        <source>Confirm likely-available names with registry</source>
        <translation>Wahrscheinlich freie Namen bei der Registry bestätigen</translation>
    </message>
    <message>
        <source>Confirm with registry</source>
        <translation>Bei der Registry bestätigen</translation>
    </message>
    <message>
        <source>Confirm whole list with registry</source>
        <translation>Ganze Liste bei der Registry bestätigen</translation>
    </message>
    <message>
        <source>A search is running. Press Stop, then confirm the names.</source>
        <translation>Eine Suche läuft. Klicken Sie auf Stopp und bestätigen Sie die Namen dann.</translation>
    </message>
    <message>
        <source>No likely-available names to confirm.</source>
        <translation>Keine wahrscheinlich freien Namen zu bestätigen.</translation>
    </message>
    <message>
        <source>The names to confirm could not be written to %1.</source>
        <translation>Die zu bestätigenden Namen konnten nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Zone of .%1 is %2 days old: names registered since are missing from it.</source>
        <translation>Die Zone von .%1 ist %2 Tage alt: Seitdem registrierte Namen fehlen darin.</translation>
    </message>
</context>
<context>
    <name>browse::BrowseWindow</name>
    <message>
        <source>Checking status of: %1</source>
        <translation>Prüfe den Status von: %1</translation>
    </message>
    <message>
        <source>Checked %1 unique domains.</source>
        <translation>%1 eindeutige Domains geprüft.</translation>
    </message>
    <message>
        <source>Finished domains on current page</source>
        <translation>Domains der aktuellen Seite abgeschlossen</translation>
    </message>
    <message>
        <source>Unregistered: (%1)</source>
        <translation>Nicht registriert: (%1)</translation>
    </message>
    <message>
        <source>Unregistered: %1</source>
        <translation>Nicht registriert: %1</translation>
    </message>
    <message>
        <source>Registered: (%1)</source>
        <translation>Registriert: (%1)</translation>
    </message>
    <message>
        <source>Browse for Domains</source>
        <translation>Domains beim Surfen finden</translation>
    </message>
    <message>
        <source>Searching for unique domain names.</source>
        <translation>Suche nach eindeutigen Domainnamen.</translation>
    </message>
    <message>
        <source>Queued names checked</source>
        <translation>Geprüfte Namen der Warteschlange</translation>
    </message>
    <message>
        <source>%v of %m checked</source>
        <translation>%v von %m geprüft</translation>
    </message>
    <message>
        <source>Waiting for page to load</source>
        <translation>Warte auf das Laden der Seite</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Navigate to the current url!</source>
        <translation>Zur aktuellen Adresse gehen!</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Zurückgehen</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Go Forward</source>
        <translation>Vorwärtsgehen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>Cache leeren</translation>
    </message>
    <message>
        <source>If you notice the program has stopped checking domains, please click here to correct the problem</source>
        <translation>Wenn das Programm keine Domains mehr prüft, klicken Sie hier, um das Problem zu beheben</translation>
    </message>
    <message>
        <source>Unregistered:</source>
        <translation>Nicht registriert:</translation>
    </message>
    <message>
        <source>Registered:</source>
        <translation>Registriert:</translation>
    </message>
    <message>
        <source>These domain names have not been registered.</source>
        <translation>Diese Domainnamen wurden nicht registriert.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy List</source>
        <translation>Liste kopieren</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete Selected Item</source>
        <translation>Ausgewählten Eintrag löschen</translation>
    </message>
    <message>
        <source>Unregistered</source>
        <translation>Nicht registriert</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>Registriert</translation>
    </message>
    <message>
        <source>Unregistered (%1)</source>
        <translation>Nicht registriert (%1)</translation>
    </message>
    <message>
        <source>Registered (%1)</source>
        <translation>Registriert (%1)</translation>
    </message>
</context>
<context>
    <name>browse::PageNameExtractor</name>
    <message>
        <source>Following Frame: %1</source>
        <translation>Folge Frame: %1</translation>
    </message>
    <message>
        <source>Domains Found, Checking Status</source>
        <translation>Domains gefunden, Status wird geprüft</translation>
    </message>
</context>
<context>
    <name>browse::PageScanJob</name>
    <message>
        <source>Following Frame: %1</source>
        <translation>Folge Frame: %1</translation>
    </message>
    <message>
        <source>No Domains Found</source>
        <translation>Keine Domains gefunden</translation>
    </message>
    <message>
        <source>Domains Found, Checking Status</source>
        <translation>Domains gefunden, Status wird geprüft</translation>
    </message>
</context>
<context>
    <name>cli::CheckRun</name>
    <message>
        <source>the history %1 cannot be used: %2</source>
        <translation>der Verlauf %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>%1; the outcomes are not recorded</source>
        <translation>%1; die Ergebnisse werden nicht aufgezeichnet</translation>
    </message>
    <message>
        <source>the history %1 could not be written: %2</source>
        <translation>der Verlauf %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>a profile list reached %1 entries: the lists were saved into %2 and emptied</source>
        <translation>eine Profilliste hat %1 Einträge erreicht: Die Listen wurden in %2 gesichert und geleert</translation>
    </message>
    <message>
        <source>DNS cannot be asked (%1); every name goes to its registry</source>
        <translation>DNS kann nicht gefragt werden (%1); jeder Name geht an seine Registry</translation>
    </message>
    <message>
        <source>The DNS resolver claims names that cannot exist; every name goes to the registry.</source>
        <translation>Der DNS-Resolver meldet Namen, die es nicht geben kann; jeder Name geht an die Registry.</translation>
    </message>
    <message>
        <source>rerun with --resume %1 to continue at name %2</source>
        <translation>mit --resume %1 erneut starten, um bei Name %2 fortzufahren</translation>
    </message>
    <message>
        <source>%1 refused a query (&quot;%2&quot;); a longer --throttle may help</source>
        <translation>%1 hat eine Anfrage abgelehnt („%2“); ein längeres --throttle kann helfen</translation>
    </message>
    <message>
        <source>cannot write the position file %1; a rerun will start from the beginning</source>
        <translation>die Positionsdatei %1 kann nicht geschrieben werden; ein neuer Lauf beginnt von vorn</translation>
    </message>
    <message>
        <source>stopped after %1 names</source>
        <translation>nach %1 Namen angehalten</translation>
    </message>
</context>
<context>
    <name>engine::ServerProblemsWindow</name>
    <message>
        <source>Servers with problems</source>
        <translation>Server mit Problemen</translation>
    </message>
    <message>
        <source>These servers did not answer every question of this run. Names left without a verdict wait under Unchecked; Tools &gt; Check unchecked names asks them again. A server that keeps refusing needs a longer throttle in Setup, or a break.</source>
        <translation>Diese Server haben nicht jede Frage dieses Laufs beantwortet. Namen ohne Urteil warten unter „Ungeprüft“; Extras &gt; Ungeprüfte Namen prüfen fragt sie erneut. Ein Server, der weiterhin ablehnt, braucht eine längere Drosselung in den Einstellungen oder eine Pause.</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Zeiten</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Servers with problems in this run</source>
        <translation>Server mit Problemen in diesem Lauf</translation>
    </message>
    <message>
        <source>resting</source>
        <translation>pausiert</translation>
    </message>
    <message>
        <source>not asked any more in this run</source>
        <translation>in diesem Lauf nicht mehr gefragt</translation>
    </message>
    <message>
        <source>asked</source>
        <translation>gefragt</translation>
    </message>
</context>
<context>
    <name>engine::ZoneStage</name>
    <message>
        <source>not in the zone of %1</source>
        <translation>nicht in der Zone vom %1</translation>
    </message>
</context>
<context>
    <name>lookup::RdapRecordRequest</name>
    <message>
        <source>Domain: %1</source>
        <translation>Domain: %1</translation>
    </message>
    <message>
        <source>Name in Unicode: %1</source>
        <translation>Name in Unicode: %1</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <translation>Status: %1</translation>
    </message>
    <message>
        <source>Registrar: %1</source>
        <translation>Registrar: %1</translation>
    </message>
    <message>
        <source>Events:</source>
        <translation>Ereignisse:</translation>
    </message>
    <message>
        <source>Name servers: %1</source>
        <translation>Nameserver: %1</translation>
    </message>
    <message>
        <source>The answer of %1:</source>
        <translation>Die Antwort von %1:</translation>
    </message>
    <message>
        <source>No answer from %1: %2.</source>
        <translation>Keine Antwort von %1: %2.</translation>
    </message>
    <message>
        <source>No domain record in the answer: %1.</source>
        <translation>Kein Domain-Eintrag in der Antwort: %1.</translation>
    </message>
    <message>
        <source>Not registered: the registry knows no domain %1 (HTTP 404).</source>
        <translation>Nicht registriert: Die Registry kennt keine Domain %1 (HTTP 404).</translation>
    </message>
    <message>
        <source>The registry gave no record (HTTP %1 %2).</source>
        <translation>Die Registry lieferte keinen Eintrag (HTTP %1 %2).</translation>
    </message>
    <message>
        <source>It asks to be asked again in %1 seconds.</source>
        <translation>Sie bittet, in %1 Sekunden erneut zu fragen.</translation>
    </message>
    <message>
        <source>The answer was cut at 4 MiB.</source>
        <translation>Die Antwort wurde bei 4 MiB abgeschnitten.</translation>
    </message>
</context>
<context>
    <name>lookup::TestQuery</name>
    <message>
        <source>Could not connect to %1:%2: %3</source>
        <translation>Keine Verbindung zu %1:%2: %3</translation>
    </message>
    <message>
        <source>not reachable</source>
        <translation>nicht erreichbar</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Zeitüberschreitung der Verbindung</translation>
    </message>
    <message>
        <source>Appears to be: AVAILABLE</source>
        <translation>Scheint zu sein: VERFÜGBAR</translation>
    </message>
    <message>
        <source>Success word: %1</source>
        <translation>Erfolgswort: %1</translation>
    </message>
    <message>
        <source>Appears to be: Error/Blocked</source>
        <translation>Scheint zu sein: Fehler/Gesperrt</translation>
    </message>
    <message>
        <source>Appears to be: Registered</source>
        <translation>Scheint zu sein: Registriert</translation>
    </message>
    <message>
        <source>Appears to be: Unknown</source>
        <translation>Scheint zu sein: Unbekannt</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Grund: %1</translation>
    </message>
    <message>
        <source>Domain: %1</source>
        <translation>Domain: %1</translation>
    </message>
    <message>
        <source>HTTP status: %1</source>
        <translation>HTTP-Status: %1</translation>
    </message>
    <message>
        <source>Retry after: %1 seconds</source>
        <translation>Erneut versuchen nach: %1 Sekunden</translation>
    </message>
    <message>
        <source>Why: %1</source>
        <translation>Warum: %1</translation>
    </message>
</context>
<context>
    <name>platform::openOrSay</name>
    <message>
        <source>Cannot open</source>
        <translation>Öffnen nicht möglich</translation>
    </message>
    <message>
        <source>The file could not be opened:</source>
        <translation>Die Datei konnte nicht geöffnet werden:</translation>
    </message>
    <message>
        <source>The page could not be opened:</source>
        <translation>Die Seite konnte nicht geöffnet werden:</translation>
    </message>
    <message>
        <source>No program to open it was found on this computer.</source>
        <translation>Auf diesem Computer wurde kein Programm gefunden, das sie öffnen kann.</translation>
    </message>
</context>
<context>
    <name>results::DeskController</name>
    <message>
        <source>The names stay in the history (Tools &gt; History..., Ctrl+H).</source>
        <translation>Die Namen bleiben im Verlauf (Extras &gt; Verlauf..., Strg+H).</translation>
    </message>
    <message>
        <source>The check history cannot be written: once the next find rewrites the list&apos;s file, the names are kept nowhere.</source>
        <translation>Der Prüfverlauf kann nicht geschrieben werden: Sobald der nächste Fund die Datei der Liste neu schreibt, sind die Namen nirgends mehr aufbewahrt.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear 1 name from %1?</source>
        <translation>1 Namen aus %1 entfernen?</translation>
    </message>
    <message>
        <source>Clear %1 names from %2?</source>
        <translation>%1 Namen aus %2 entfernen?</translation>
    </message>
    <message>
        <source>%1 could not be read at start, so it is not replaced: the saved list is not saved.</source>
        <translation>%1 konnte beim Start nicht gelesen werden und wird daher nicht ersetzt: Die gemerkte Liste wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>Saved Domains</source>
        <translation>Gespeicherte Domains</translation>
    </message>
    <message>
        <source>The saved list could not be written to %1.</source>
        <translation>Die gemerkte Liste konnte nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Remove 1 name from Saved Domains?</source>
        <translation>1 Namen aus den gespeicherten Domains entfernen?</translation>
    </message>
    <message>
        <source>Remove %1 names from Saved Domains?</source>
        <translation>%1 Namen aus den gespeicherten Domains entfernen?</translation>
    </message>
    <message>
        <source>The list as it is now is kept in Remembered.bak.</source>
        <translation>Die Liste in ihrem jetzigen Zustand wird in Remembered.bak aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>results::DomainListModel</name>
    <message>
        <source>From the entry &quot;%1&quot;</source>
        <translation>Aus dem Eintrag „%1“</translation>
    </message>
</context>
<context>
    <name>results::FileBackupNotice</name>
    <message>
        <source>One of your lists has reached 20000 entries.  They have been saved and cleared.  You may find your backed up lists in the lanterly /overflow/ directory.</source>
        <translation>Eine Ihrer Listen hat 20000 Einträge erreicht.  Sie wurden gespeichert und geleert.  Ihre gesicherten Listen finden Sie im lanterly-Ordner /overflow/.</translation>
    </message>
    <message>
        <source>File backup</source>
        <translation>Dateisicherung</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>results::HistoryModel</name>
    <message>
        <source>Domain</source>
        <translation>Domain</translation>
    </message>
    <message>
        <source>Last outcome</source>
        <translation>Letztes Ergebnis</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Last checked</source>
        <translation>Zuletzt geprüft</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Prüfungen</translation>
    </message>
    <message>
        <source>Came from</source>
        <translation>Herkunft</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Gefragt</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>main window</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>browse window</source>
        <translation>Surf-Fenster</translation>
    </message>
    <message>
        <source>quarrytide-check</source>
        <translation>quarrytide-check</translation>
    </message>
</context>
<context>
    <name>results::HistoryScreen</name>
    <message>
        <source>from history, %1</source>
        <translation>aus dem Verlauf, %1</translation>
    </message>
</context>
<context>
    <name>results::HistoryStore</name>
    <message>
        <source>it is a folder</source>
        <translation>das ist ein Ordner</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is not installed (libqt6sql6-sqlite)</source>
        <translation>der SQLite-Treiber von Qt ist nicht installiert (libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>it cannot be written: %1</source>
        <translation>sie kann nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>results::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Checked domains</source>
        <translation>Geprüfte Domains</translation>
    </message>
    <message>
        <source>Part of a domain</source>
        <translation>Teil einer Domain</translation>
    </message>
    <message>
        <source>F&amp;ilter:</source>
        <translation>F&amp;ilter:</translation>
    </message>
    <message>
        <source>Any outcome</source>
        <translation>Jedes Ergebnis</translation>
    </message>
    <message>
        <source>Any TLD</source>
        <translation>Jede TLD</translation>
    </message>
    <message>
        <source>Last checked from</source>
        <translation>Zuletzt geprüft ab</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Check &amp;again</source>
        <translation>&amp;Erneut prüfen</translation>
    </message>
    <message>
        <source>Check names last checked &amp;before</source>
        <translation>Namen prüfen, die zuletzt &amp;vor diesem Datum geprüft wurden</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>Als CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Der Verlauf kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>1 domain</source>
        <translation>1 Domain</translation>
    </message>
    <message>
        <source>%1 domains</source>
        <translation>%1 Domains</translation>
    </message>
    <message>
        <source>History window</source>
        <translation>Verlaufsfenster</translation>
    </message>
    <message>
        <source>No domain shown was last checked before %1.</source>
        <translation>Keine angezeigte Domain wurde zuletzt vor %1 geprüft.</translation>
    </message>
    <message>
        <source>History window, last checked before %1</source>
        <translation>Verlaufsfenster, zuletzt geprüft vor %1</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be written to %1.</source>
        <translation>Der Verlauf konnte nicht nach %1 geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>results::LikelyMarkDelegate</name>
    <message>
        <source>not in the zone of %1 - not yet confirmed by the registry</source>
        <translation>nicht in der Zone vom %1 - noch nicht von der Registry bestätigt</translation>
    </message>
</context>
<context>
    <name>results::PurchaseLinksWindow</name>
    <message>
        <source>Double-click opens the registrar&apos;s page (otherwise the WHOIS record)</source>
        <translation>Doppelklick öffnet die Seite des Registrars (sonst den WHOIS-Eintrag)</translation>
    </message>
    <message>
        <source>Purchase Links</source>
        <translation>Kauflinks</translation>
    </message>
    <message>
        <source>The registrar&apos;s domain search; %1 marks where the domain goes.</source>
        <translation>Die Domainsuche des Registrars; %1 markiert, wo die Domain eingesetzt wird.</translation>
    </message>
    <message>
        <source>Registrar&apos;s search address (%1 marks the domain):</source>
        <translation>Suchadresse des Registrars (%1 markiert die Domain):</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The address must begin with http:// or https:// and name a host, for example https://registrar.example/search?domain=%1</source>
        <translation>Die Adresse muss mit http:// oder https:// beginnen und einen Host nennen, zum Beispiel https://registrar.example/search?domain=%1</translation>
    </message>
</context>
<context>
    <name>results::ResultClasses</name>
    <message>
        <source>last %1 of %2</source>
        <translation>letzte %1 von %2</translation>
    </message>
</context>
<context>
    <name>results::ResultListView</name>
    <message>
        <source>Buy...</source>
        <translation>Kaufen...</translation>
    </message>
    <message>
        <source>WHOIS record...</source>
        <translation>WHOIS-Eintrag...</translation>
    </message>
</context>
<context>
    <name>results::ResultsDesk</name>
    <message>
        <source>Result lists</source>
        <translation>Ergebnislisten</translation>
    </message>
    <message>
        <source>Low Profile</source>
        <translation>Niedriges Profil</translation>
    </message>
    <message>
        <source>These domains have 8 or more characters.</source>
        <translation>Diese Domains haben 8 oder mehr Zeichen.</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>Registriert</translation>
    </message>
    <message>
        <source>These domain names are already registered.</source>
        <translation>Diese Domainnamen sind bereits registriert.</translation>
    </message>
    <message>
        <source>High Profile</source>
        <translation>Hohes Profil</translation>
    </message>
    <message>
        <source>These domains have less than 5 characters</source>
        <translation>Diese Domains haben weniger als 5 Zeichen</translation>
    </message>
    <message>
        <source>Mid Profile</source>
        <translation>Mittleres Profil</translation>
    </message>
    <message>
        <source>These domains have 5 to 7 characters</source>
        <translation>Diese Domains haben 5 bis 7 Zeichen</translation>
    </message>
    <message>
        <source>Saved Domains</source>
        <translation>Gespeicherte Domains</translation>
    </message>
    <message>
        <source>Drag a domain name here to save it.</source>
        <translation>Ziehen Sie einen Domainnamen hierher, um ihn zu speichern.</translation>
    </message>
    <message>
        <source>Domain Name Manager</source>
        <translation>Domainnamen-Verwaltung</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Visit</source>
        <translation>Besuchen</translation>
    </message>
    <message>
        <source>Setup: the TLD manager</source>
        <translation>Einstellungen: die TLD-Verwaltung</translation>
    </message>
    <message>
        <source>Visit the registrar&apos;s website</source>
        <translation>Die Website des Registrars besuchen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy List</source>
        <translation>Liste kopieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete Selected Item</source>
        <translation>Ausgewählten Eintrag löschen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Filter the lists (Ctrl+F)</source>
        <translation>Listen filtern (Strg+F)</translation>
    </message>
    <message>
        <source>Filter the lists</source>
        <translation>Listen filtern</translation>
    </message>
    <message>
        <source>F&amp;ilter:</source>
        <translation>F&amp;ilter:</translation>
    </message>
    <message>
        <source>As found</source>
        <translation>Wie gefunden</translation>
    </message>
    <message>
        <source>By name</source>
        <translation>Nach Name</translation>
    </message>
    <message>
        <source>By length</source>
        <translation>Nach Länge</translation>
    </message>
    <message>
        <source>Sort the lists</source>
        <translation>Listen sortieren</translation>
    </message>
    <message>
        <source>So&amp;rt:</source>
        <translation>So&amp;rtieren:</translation>
    </message>
</context>
<context>
    <name>results::SkippedEntries</name>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Why it was skipped</source>
        <translation>Warum er übersprungen wurde</translation>
    </message>
</context>
<context>
    <name>results::SkippedWindow</name>
    <message>
        <source>Skipped entries</source>
        <translation>Übersprungene Einträge</translation>
    </message>
    <message>
        <source>These entries name no domain that can be registered. None of them was checked.</source>
        <translation>Diese Einträge nennen keine registrierbare Domain. Keiner davon wurde geprüft.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>results::history</name>
    <message>
        <source>%1 earlier checks could not be kept</source>
        <translation>%1 frühere Prüfungen konnten nicht behalten werden</translation>
    </message>
    <message>
        <source>it was written by a newer version of the program</source>
        <translation>sie wurde von einer neueren Version des Programms geschrieben</translation>
    </message>
    <message>
        <source>it holds tables of another program</source>
        <translation>sie enthält Tabellen eines anderen Programms</translation>
    </message>
</context>
<context>
    <name>sources::GeneratorWindow</name>
    <message>
        <source>This word will appear in every domain created.</source>
        <translation>Dieses Wort erscheint in jeder erzeugten Domain.</translation>
    </message>
    <message>
        <source>Domain Name Creator</source>
        <translation>Domainnamen-Generator</translation>
    </message>
    <message>
        <source>Start Generator</source>
        <translation>Generator starten</translation>
    </message>
    <message>
        <source>Once you have a base word, click here to create your list!</source>
        <translation>Sobald Sie ein Grundwort haben, klicken Sie hier, um Ihre Liste zu erstellen!</translation>
    </message>
    <message>
        <source>Prefixes</source>
        <translation>Präfixe</translation>
    </message>
    <message>
        <source>Suffixes</source>
        <translation>Suffixe</translation>
    </message>
    <message>
        <source>Hyphens</source>
        <translation>Bindestriche</translation>
    </message>
    <message>
        <source>Base Word:</source>
        <translation>Grundwort:</translation>
    </message>
    <message>
        <source>Top Level Domains</source>
        <translation>Top-Level-Domains</translation>
    </message>
    <message>
        <source>(taken from Setup window)</source>
        <translation>(aus den Einstellungen übernommen)</translation>
    </message>
    <message>
        <source>Prefixes/Suffixes</source>
        <translation>Präfixe/Suffixe</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add your word.</source>
        <translation>Fügen Sie Ihr Wort hinzu.</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Entf.</translation>
    </message>
    <message>
        <source>Remove the selected word.</source>
        <translation>Das ausgewählte Wort entfernen.</translation>
    </message>
    <message>
        <source>Prefix/Suffix:</source>
        <translation>Präfix/Suffix:</translation>
    </message>
    <message>
        <source>Generated Domains</source>
        <translation>Erzeugte Domains</translation>
    </message>
    <message>
        <source>Save Domains As...</source>
        <translation>Domains speichern unter...</translation>
    </message>
    <message>
        <source>Save your list as a text file.</source>
        <translation>Speichern Sie Ihre Liste als Textdatei.</translation>
    </message>
    <message>
        <source>Status...</source>
        <translation>Status...</translation>
    </message>
    <message>
        <source>You must first select an item to remove from the list.</source>
        <translation>Sie müssen zuerst einen Eintrag auswählen, der aus der Liste entfernt werden soll.</translation>
    </message>
    <message>
        <source>File %1 could not be written.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>sources::Harvester</name>
    <message>
        <source>Download failed: %1</source>
        <translation>Download fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Extracted %1 unique domain names</source>
        <translation>%1 eindeutige Domainnamen extrahiert</translation>
    </message>
    <message>
        <source>No domain names found.</source>
        <translation>Keine Domainnamen gefunden.</translation>
    </message>
    <message>
        <source>Finished! Extracted %1 domain names.</source>
        <translation>Fertig! %1 Domainnamen extrahiert.</translation>
    </message>
</context>
<context>
    <name>sources::HarvesterWindow</name>
    <message>
        <source>Status...</source>
        <translation>Status...</translation>
    </message>
    <message>
        <source>List Builder - Finding domain names...</source>
        <translation>Listenerstellung - Domainnamen werden gesucht...</translation>
    </message>
    <message>
        <source>This shows the number of unique .com, .org and .net domain names found.</source>
        <translation>Hier steht die Anzahl der gefundenen eindeutigen .com-, .org- und .net-Domainnamen.</translation>
    </message>
    <message>
        <source>Extracting Domains from search results.  Please be patient.</source>
        <translation>Domains werden aus den Suchergebnissen extrahiert.  Bitte haben Sie etwas Geduld.</translation>
    </message>
    <message>
        <source>No domain names found.</source>
        <translation>Keine Domainnamen gefunden.</translation>
    </message>
    <message>
        <source>The search page could not be downloaded: %1</source>
        <translation>Die Suchseite konnte nicht heruntergeladen werden: %1</translation>
    </message>
    <message>
        <source>No list was created.</source>
        <translation>Es wurde keine Liste erstellt.</translation>
    </message>
    <message>
        <source>List of %1 unique domains was created successfully!</source>
        <translation>Eine Liste mit %1 eindeutigen Domains wurde erfolgreich erstellt!</translation>
    </message>
    <message>
        <source>File %1 could not be written.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>sources::NameGenerator</name>
    <message>
        <source>Created %1 domains...  Sorting...</source>
        <translation>%1 Domains erstellt...  Sortiere...</translation>
    </message>
    <message>
        <source>Creating Domains - Created %1 so far...</source>
        <translation>Erstelle Domains - bisher %1 erstellt...</translation>
    </message>
    <message>
        <source>Created %1 domains...  Search Started</source>
        <translation>%1 Domains erstellt...  Suche gestartet</translation>
    </message>
</context>
<context>
    <name>sources::PageDownloader</name>
    <message>
        <source>Downloaded %1 bytes.</source>
        <translation>%1 Bytes heruntergeladen.</translation>
    </message>
</context>
<context>
    <name>sources::SourceCatalog</name>
    <message>
        <source>Browse for names</source>
        <translation>Namen beim Surfen finden</translation>
    </message>
    <message>
        <source>Generate names</source>
        <translation>Namen erzeugen</translation>
    </message>
    <message>
        <source>Yahoo Search</source>
        <translation>Yahoo-Suche</translation>
    </message>
    <message>
        <source>Google Search</source>
        <translation>Google-Suche</translation>
    </message>
    <message>
        <source>Full Word List</source>
        <translation>Vollständige Wortliste</translation>
    </message>
    <message>
        <source>All Two Letter</source>
        <translation>Alle mit zwei Buchstaben</translation>
    </message>
    <message>
        <source>All Three Letter</source>
        <translation>Alle mit drei Buchstaben</translation>
    </message>
    <message>
        <source>All Four Letter</source>
        <translation>Alle mit vier Buchstaben</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>Eigene Liste</translation>
    </message>
</context>
<context>
    <name>sources::SourcePanel</name>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Choose a source</source>
        <translation>Quelle wählen</translation>
    </message>
    <message>
        <source>Select the type of search you would like to run</source>
        <translation>Wählen Sie die Art der Suche, die Sie ausführen möchten</translation>
    </message>
    <message>
        <source>Search T&amp;ype:</source>
        <translation>Such&amp;art:</translation>
    </message>
    <message>
        <source>Stop the search (Esc)</source>
        <translation>Suche anhalten (Esc)</translation>
    </message>
    <message>
        <source>The number of entries on your list.</source>
        <translation>Die Anzahl der Einträge in Ihrer Liste.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Click here to start searching your list. (Ctrl+Return)</source>
        <translation>Hier klicken, um die Prüfung Ihrer Liste zu starten. (Strg+Eingabe)</translation>
    </message>
    <message>
        <source>Number of entries</source>
        <translation>Anzahl der Einträge</translation>
    </message>
    <message>
        <source>Start &amp;Number:</source>
        <translation>Start&amp;nummer:</translation>
    </message>
    <message>
        <source>Of</source>
        <translation>von</translation>
    </message>
    <message>
        <source>T&amp;LD:</source>
        <translation>T&amp;LD:</translation>
    </message>
    <message>
        <source>Enter a search string</source>
        <translation>Suchbegriff eingeben</translation>
    </message>
    <message>
        <source>~100 Domains</source>
        <translation>~100 Domains</translation>
    </message>
    <message>
        <source>~200 Domains</source>
        <translation>~200 Domains</translation>
    </message>
    <message>
        <source>~500 Domains</source>
        <translation>~500 Domains</translation>
    </message>
    <message>
        <source>~1000 Domains</source>
        <translation>~1000 Domains</translation>
    </message>
    <message>
        <source>The approximate number of domains to find, if available.</source>
        <translation>Die ungefähre Anzahl zu findender Domains, falls vorhanden.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Click here to start your internet search!</source>
        <translation>Hier klicken, um Ihre Internetsuche zu starten!</translation>
    </message>
    <message>
        <source>Search Strin&amp;g:</source>
        <translation>Such&amp;begriff:</translation>
    </message>
    <message>
        <source>Number of domains to get</source>
        <translation>Anzahl der zu holenden Domains</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Holen</translation>
    </message>
</context>
<context>
    <name>sources::SourceSelection</name>
    <message>
        <source>Press Return or Start to open the browser</source>
        <translation>Eingabe oder Start drücken, um den Browser zu öffnen</translation>
    </message>
    <message>
        <source>Press Return or Start to open the generator</source>
        <translation>Eingabe oder Start drücken, um den Generator zu öffnen</translation>
    </message>
    <message>
        <source>Press Return or Start to choose the file</source>
        <translation>Eingabe oder Start drücken, um die Datei zu wählen</translation>
    </message>
    <message>
        <source>Start Number</source>
        <translation>Startnummer</translation>
    </message>
    <message>
        <source>The start number must be a whole number from 1 to %1, the number of entries on the list.</source>
        <translation>Die Startnummer muss eine ganze Zahl von 1 bis %1 sein, der Anzahl der Einträge in der Liste.</translation>
    </message>
</context>
<context>
    <name>sources::TldChooser</name>
    <message>
        <source>The TLDs a name without a dot is checked in</source>
        <translation>Die TLDs, unter denen ein Name ohne Punkt geprüft wird</translation>
    </message>
</context>
<context>
    <name>tld::NameProblem</name>
    <message>
        <source>no name in the entry</source>
        <translation>kein Name im Eintrag</translation>
    </message>
    <message>
        <source>a character a domain name cannot hold</source>
        <translation>ein Zeichen, das ein Domainname nicht enthalten kann</translation>
    </message>
    <message>
        <source>empty label</source>
        <translation>leeres Label</translation>
    </message>
    <message>
        <source>label longer than 63 characters</source>
        <translation>Label länger als 63 Zeichen</translation>
    </message>
    <message>
        <source>name longer than 253 characters</source>
        <translation>Name länger als 253 Zeichen</translation>
    </message>
    <message>
        <source>label that starts or ends with a hyphen</source>
        <translation>Label, das mit einem Bindestrich beginnt oder endet</translation>
    </message>
    <message>
        <source>&quot;--&quot; in the third and fourth place of a label that is not xn--</source>
        <translation>„--“ an dritter und vierter Stelle eines Labels, das nicht mit xn-- beginnt</translation>
    </message>
    <message>
        <source>xn-- label that is not valid punycode</source>
        <translation>xn--Label, das kein gültiger Punycode ist</translation>
    </message>
    <message>
        <source>international name without a valid ASCII form</source>
        <translation>internationaler Name ohne gültige ASCII-Form</translation>
    </message>
    <message>
        <source>an address, not a name</source>
        <translation>eine Adresse, kein Name</translation>
    </message>
    <message>
        <source>a public suffix, not a registrable name</source>
        <translation>ein öffentliches Suffix, kein registrierbarer Name</translation>
    </message>
    <message>
        <source>no top-level domain</source>
        <translation>keine Top-Level-Domain</translation>
    </message>
</context>
<context>
    <name>tld::TestAnswerPanel</name>
    <message>
        <source>Test answer:</source>
        <translation>Testantwort:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Test answer</source>
        <translation>Testantwort</translation>
    </message>
    <message>
        <source>Select a row and press Test Selected.</source>
        <translation>Wählen Sie eine Zeile aus und klicken Sie auf „Auswahl testen“.</translation>
    </message>
    <message>
        <source>Copy the test answer</source>
        <translation>Die Testantwort kopieren</translation>
    </message>
</context>
<context>
    <name>tld::TldManager</name>
    <message>
        <source>The TLD table could not be copied to %1, so it was not replaced.</source>
        <translation>Die TLD-Tabelle konnte nicht nach %1 kopiert werden und wurde daher nicht ersetzt.</translation>
    </message>
    <message>
        <source>Replace all %1 rows of the TLD table with the %2 built-in rows? The table as it is now is kept in TLDs.bak.</source>
        <translation>Alle %1 Zeilen der TLD-Tabelle durch die %2 eingebauten Zeilen ersetzen? Die Tabelle in ihrem jetzigen Zustand wird in TLDs.bak aufbewahrt.</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Drosselung</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Endung</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Success Indicators</source>
        <translation>Erfolgsmerkmale</translation>
    </message>
    <message>
        <source>Please enter valid information for all fields. The %1 field is empty.</source>
        <translation>Bitte füllen Sie alle Felder gültig aus. Das Feld %1 ist leer.</translation>
    </message>
    <message>
        <source>An RDAP server must be an https:// address (plain http:// only for this computer), without spaces, a query or a fragment.</source>
        <translation>Ein RDAP-Server muss eine https://-Adresse sein (einfaches http:// nur für diesen Computer), ohne Leerzeichen, Abfrage oder Fragment.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>Der Port muss eine Zahl von 1 bis 65535 sein.</translation>
    </message>
    <message>
        <source>The throttle must be a number of milliseconds, 0 or more.</source>
        <translation>Die Drosselung muss eine Anzahl Millisekunden sein, 0 oder mehr.</translation>
    </message>
    <message>
        <source>The %1 field cannot contain &quot;|&quot; or a line break.</source>
        <translation>Das Feld %1 darf kein „|“ und keinen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>This row cannot be read: %1. Repair it with Add/Save or delete it.</source>
        <translation>Diese Zeile kann nicht gelesen werden: %1. Reparieren Sie sie mit „Hinzufügen/Speichern“ oder löschen Sie sie.</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Löschen?</translation>
    </message>
    <message>
        <source>Really delete this TLD from the list?</source>
        <translation>Diese TLD wirklich aus der Liste löschen?</translation>
    </message>
    <message>
        <source>The row is no longer in the TLD table; the list now shows the file as it is.</source>
        <translation>Die Zeile ist nicht mehr in der TLD-Tabelle; die Liste zeigt jetzt die Datei, wie sie ist.</translation>
    </message>
    <message>
        <source>Restore Defaults?</source>
        <translation>Standard wiederherstellen?</translation>
    </message>
    <message>
        <source>The TLD table %1 could not be read; it was not changed.</source>
        <translation>Die TLD-Tabelle %1 konnte nicht gelesen werden; sie wurde nicht geändert.</translation>
    </message>
    <message>
        <source>The TLD table %1 could not be written; it was not changed.</source>
        <translation>Die TLD-Tabelle %1 konnte nicht geschrieben werden; sie wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Every TLD of the root zone already has a row.</source>
        <translation>Jede TLD der Root-Zone hat bereits eine Zeile.</translation>
    </message>
    <message>
        <source>Added %1 TLDs of the root zone as disabled rows at the end of the list: %2 asked over RDAP, %3 over WHOIS.</source>
        <translation>%1 TLDs der Root-Zone wurden als deaktivierte Zeilen am Ende der Liste hinzugefügt: %2 werden über RDAP gefragt, %3 über WHOIS.</translation>
    </message>
    <message>
        <source>%1 TLDs publish no server and were left out.</source>
        <translation>%1 TLDs nennen keinen Server und wurden ausgelassen.</translation>
    </message>
    <message>
        <source>The list of RDAP servers could not be downloaded from %1: %2. The TLD table was not changed.</source>
        <translation>Die Liste der RDAP-Server konnte nicht von %1 heruntergeladen werden: %2. Die TLD-Tabelle wurde nicht geändert.</translation>
    </message>
    <message>
        <source>The list of RDAP servers from %1 could not be read (%2). The TLD table was not changed.</source>
        <translation>Die Liste der RDAP-Server von %1 konnte nicht gelesen werden (%2). Die TLD-Tabelle wurde nicht geändert.</translation>
    </message>
    <message>
        <source>The servers are up to date: the list of RDAP servers from %1 changes none of them.</source>
        <translation>Die Server sind aktuell: Die Liste der RDAP-Server von %1 ändert keinen davon.</translation>
    </message>
    <message>
        <source>Updated the servers of %1 rows from %2:</source>
        <translation>Die Server von %1 Zeilen wurden aus %2 aktualisiert:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>%1 rows name a server of your own and were left as they are.</source>
        <translation>%1 Zeilen nennen einen eigenen Server und wurden belassen, wie sie sind.</translation>
    </message>
</context>
<context>
    <name>tld::TldManagerWindow</name>
    <message>
        <source>TLD Manager</source>
        <translation>TLD-Verwaltung</translation>
    </message>
    <message>
        <source>Row editor and settings</source>
        <translation>Zeileneditor und Einstellungen</translation>
    </message>
    <message>
        <source>extension or server</source>
        <translation>Endung oder Server</translation>
    </message>
    <message>
        <source>Shows the rows whose extension or server holds this text; the rows found by their extension come first.</source>
        <translation>Zeigt die Zeilen, deren Endung oder Server diesen Text enthält; die über ihre Endung gefundenen Zeilen stehen vorn.</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>whois.nic.example, or https://rdap.example/ for RDAP</source>
        <translation>whois.nic.example oder https://rdap.example/ für RDAP</translation>
    </message>
    <message>
        <source>A WHOIS server, or the base address of an RDAP service (https://..., asked at that address + domain/NAME; the port is not used)</source>
        <translation>Ein WHOIS-Server oder die Basisadresse eines RDAP-Dienstes (https://..., abgefragt unter dieser Adresse + domain/NAME; der Port wird nicht verwendet)</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Not used: an RDAP server is asked at its https:// address.</source>
        <translation>Nicht verwendet: Ein RDAP-Server wird unter seiner https://-Adresse gefragt.</translation>
    </message>
    <message>
        <source>Nothing was sent: select the row to test in the list first.</source>
        <translation>Nichts gesendet: Wählen Sie zuerst die zu testende Zeile in der Liste aus.</translation>
    </message>
    <message>
        <source>Nothing was sent: this row cannot be read (%1). Repair it first.</source>
        <translation>Nichts gesendet: Diese Zeile kann nicht gelesen werden (%1). Reparieren Sie sie zuerst.</translation>
    </message>
    <message>
        <source>Nothing was sent: %1 is no domain that can be registered (%2).</source>
        <translation>Nichts gesendet: %1 ist keine registrierbare Domain (%2).</translation>
    </message>
    <message>
        <source>List of Top Level Domains</source>
        <translation>Liste der Top-Level-Domains</translation>
    </message>
    <message>
        <source>No verdict is shown for %1.</source>
        <translation>Für %1 wird kein Urteil angezeigt.</translation>
    </message>
    <message>
        <source>Filter the TLD rows</source>
        <translation>TLD-Zeilen filtern</translation>
    </message>
    <message>
        <source>List of Top Level Domains:</source>
        <translation>Liste der Top-Level-Domains:</translation>
    </message>
    <message>
        <source>Extension:</source>
        <translation>Endung:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Throttle (ms):</source>
        <translation>Drosselung (ms):</translation>
    </message>
    <message>
        <source>Success Indicators:</source>
        <translation>Erfolgsmerkmale:</translation>
    </message>
    <message>
        <source>Add/Save</source>
        <translation>Hinzufügen/Speichern</translation>
    </message>
    <message>
        <source>New Extension</source>
        <translation>Neue Endung</translation>
    </message>
    <message>
        <source>Enable/Disable</source>
        <translation>Aktivieren/Deaktivieren</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Auswahl löschen</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>Add current TLDs</source>
        <translation>Aktuelle TLDs hinzufügen</translation>
    </message>
    <message>
        <source>Update servers</source>
        <translation>Server aktualisieren</translation>
    </message>
    <message>
        <source>Test Selected</source>
        <translation>Auswahl testen</translation>
    </message>
    <message>
        <source>Defaults:</source>
        <translation>Voreinstellungen:</translation>
    </message>
    <message>
        <source>Use this domain when testing registrars in the list below:</source>
        <translation>Diese Domain beim Testen der Registrare in der Liste unten verwenden:</translation>
    </message>
    <message>
        <source>Use the following TLD as the default (generally com)</source>
        <translation>Folgende TLD als Standard verwenden (meist com)</translation>
    </message>
    <message>
        <source>(Note: Other areas of the program use the individual throttle settings below)</source>
        <translation>(Hinweis: Andere Bereiche des Programms verwenden die einzelnen Drosselungen unten)</translation>
    </message>
    <message>
        <source>Pause for this many milliseconds after each domain is scanned in Browse for Domains mode:</source>
        <translation>So viele Millisekunden nach jeder Domain pausieren, die beim Surfen geprüft wird:</translation>
    </message>
    <message>
        <source>Proxy WHOIS server:</source>
        <translation>Proxy-WHOIS-Server:</translation>
    </message>
    <message>
        <source>Use the server entered under the extension &quot;proxy&quot; for all whois lookups</source>
        <translation>Den unter der Endung „proxy“ eingetragenen Server für alle WHOIS-Abfragen verwenden</translation>
    </message>
    <message>
        <source>This row cannot be read: %1. Lookups do not use it. Repair it in the fields below and press Add/Save, or delete it.</source>
        <translation>Diese Zeile kann nicht gelesen werden: %1. Abfragen verwenden sie nicht. Reparieren Sie sie in den Feldern unten und klicken Sie auf „Hinzufügen/Speichern“, oder löschen Sie sie.</translation>
    </message>
    <message>
        <source>1 row cannot be read and is not used (shown in grey). Select one to see why.</source>
        <translation>1 Zeile kann nicht gelesen werden und wird nicht verwendet (grau dargestellt). Wählen Sie sie aus, um den Grund zu sehen.</translation>
    </message>
    <message>
        <source>%1 rows cannot be read and are not used (shown in grey). Select one to see why.</source>
        <translation>%1 Zeilen können nicht gelesen werden und werden nicht verwendet (grau dargestellt). Wählen Sie eine aus, um den Grund zu sehen.</translation>
    </message>
    <message>
        <source>Testing %1 ...</source>
        <translation>Teste %1 ...</translation>
    </message>
    <message>
        <source>Nothing was sent: no row of the TLD table serves %1.</source>
        <translation>Nichts gesendet: Keine Zeile der TLD-Tabelle bedient %1.</translation>
    </message>
    <message>
        <source>Zone:</source>
        <translation>Zone:</translation>
    </message>
    <message>
        <source>none imported</source>
        <translation>keine importiert</translation>
    </message>
    <message>
        <source>%1, %2 names</source>
        <translation>%1, %2 Namen</translation>
    </message>
</context>
<context>
    <name>tld::TldRecord</name>
    <message>
        <source>it has %1 of the six fields separated by &quot;|&quot;</source>
        <translation>sie hat %1 der sechs durch „|“ getrennten Felder</translation>
    </message>
    <message>
        <source>the port %1 is not a number from 0 to 65535</source>
        <translation>der Port %1 ist keine Zahl von 0 bis 65535</translation>
    </message>
    <message>
        <source>the throttle %1 is not a number</source>
        <translation>die Drosselung %1 ist keine Zahl</translation>
    </message>
</context>
<context>
    <name>tld::TldTableModel</name>
    <message>
        <source>This row cannot be read and is not used: %1.</source>
        <translation>Diese Zeile kann nicht gelesen werden und wird nicht verwendet: %1.</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Endung</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Drosselung</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
</context>
<context>
    <name>tld::WhoisWindow</name>
    <message>
        <source>%1 is no domain that can be registered (%2), so nothing was asked.</source>
        <translation>%1 ist keine registrierbare Domain (%2), daher wurde nichts gefragt.</translation>
    </message>
    <message>
        <source>WHOIS Information</source>
        <translation>WHOIS-Informationen</translation>
    </message>
    <message>
        <source>%1 cannot be asked at %2.</source>
        <translation>%1 kann bei %2 nicht abgefragt werden.</translation>
    </message>
</context>
<context>
    <name>zones::CzdsClient</name>
    <message>
        <source>the sign-in has run out or was refused (HTTP 401)</source>
        <translation>die Anmeldung ist abgelaufen oder wurde abgelehnt (HTTP 401)</translation>
    </message>
    <message>
        <source>the account may not download this (HTTP 403)</source>
        <translation>das Konto darf dies nicht herunterladen (HTTP 403)</translation>
    </message>
    <message>
        <source>there is no such file at the service (HTTP 404)</source>
        <translation>beim Dienst gibt es keine solche Datei (HTTP 404)</translation>
    </message>
    <message>
        <source>too many requests: the service asks to wait before the next (HTTP 429)</source>
        <translation>zu viele Anfragen: Der Dienst bittet, vor der nächsten zu warten (HTTP 429)</translation>
    </message>
    <message>
        <source>the service has a problem of its own (HTTP %1): try later</source>
        <translation>der Dienst hat selbst ein Problem (HTTP %1): Versuchen Sie es später</translation>
    </message>
    <message>
        <source>the service answered HTTP %1</source>
        <translation>der Dienst antwortete HTTP %1</translation>
    </message>
    <message>
        <source>The password is never sent to %1: it is not an https address.</source>
        <translation>Das Passwort wird nie an %1 gesendet: Das ist keine https-Adresse.</translation>
    </message>
    <message>
        <source>The sign-in is never sent to %1: it is not an https address.</source>
        <translation>Die Anmeldung wird nie an %1 gesendet: Das ist keine https-Adresse.</translation>
    </message>
    <message>
        <source>The zone data service could not be reached: %1.</source>
        <translation>Der Zonendatendienst war nicht erreichbar: %1.</translation>
    </message>
    <message>
        <source>The zone data service refused the user name or password.</source>
        <translation>Der Zonendatendienst hat Benutzername oder Passwort abgelehnt.</translation>
    </message>
    <message>
        <source>Signing in failed: %1.</source>
        <translation>Anmeldung fehlgeschlagen: %1.</translation>
    </message>
    <message>
        <source>Signing in failed: the service&apos;s answer holds no token.</source>
        <translation>Anmeldung fehlgeschlagen: Die Antwort des Dienstes enthält kein Token.</translation>
    </message>
    <message>
        <source>The list of zones could not be had: %1.</source>
        <translation>Die Liste der Zonen war nicht zu bekommen: %1.</translation>
    </message>
    <message>
        <source>The list of zones could not be read: the service&apos;s answer is not a list.</source>
        <translation>Die Liste der Zonen konnte nicht gelesen werden: Die Antwort des Dienstes ist keine Liste.</translation>
    </message>
</context>
<context>
    <name>zones::CzdsDownload</name>
    <message>
        <source>the download could not be written to %1: %2</source>
        <translation>der Download konnte nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the service sent the download to %1, which is not followed</source>
        <translation>der Dienst leitete den Download nach %1 um; dem wird nicht gefolgt</translation>
    </message>
    <message>
        <source>the download broke off at %1 of %2 MB (%3); download again to go on from there</source>
        <translation>der Download brach bei %1 von %2 MB ab (%3); laden Sie erneut herunter, um dort fortzusetzen</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>the download could not be put in place as %1</source>
        <translation>der Download konnte nicht als %1 abgelegt werden</translation>
    </message>
</context>
<context>
    <name>zones::CzdsPanel</name>
    <message>
        <source>Download from the zone data service (CZDS)</source>
        <translation>Vom Zonendatendienst herunterladen (CZDS)</translation>
    </message>
    <message>
        <source>Keep the password in the system keychain</source>
        <translation>Passwort im Schlüsselbund des Systems aufbewahren</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Download and import</source>
        <translation>Herunterladen und importieren</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>The keychain could not be read: %1</source>
        <translation>Der Schlüsselbund konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Give the user name and password of your account at the zone data service.</source>
        <translation>Geben Sie Benutzername und Passwort Ihres Kontos beim Zonendatendienst an.</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Anmeldung läuft...</translation>
    </message>
    <message>
        <source>The password could not be kept in the keychain (%1): it is asked for next time.</source>
        <translation>Das Passwort konnte nicht im Schlüsselbund aufbewahrt werden (%1): Es wird beim nächsten Mal erfragt.</translation>
    </message>
    <message>
        <source>Downloaded less than a day ago: the next download is possible from %1.</source>
        <translation>Vor weniger als einem Tag heruntergeladen: Der nächste Download ist ab %1 möglich.</translation>
    </message>
    <message>
        <source>The account may download no zones yet. Request access to each TLD you want at the zone data service&apos;s web site; each registry approves or declines its own requests, and approved zones appear here.</source>
        <translation>Das Konto darf noch keine Zonen herunterladen. Beantragen Sie auf der Website des Zonendatendienstes Zugang zu jeder gewünschten TLD; jede Registry genehmigt oder lehnt ihre Anträge selbst ab, und genehmigte Zonen erscheinen hier.</translation>
    </message>
    <message>
        <source>Signed in. Tick the zones to download and import.</source>
        <translation>Angemeldet. Haken Sie die Zonen an, die heruntergeladen und importiert werden sollen.</translation>
    </message>
</context>
<context>
    <name>zones::ZoneFetch</name>
    <message>
        <source>it was downloaded less than a day ago, and the service allows one download a day; the next is possible from %1</source>
        <translation>sie wurde vor weniger als einem Tag heruntergeladen, und der Dienst erlaubt einen Download am Tag; der nächste ist ab %1 möglich</translation>
    </message>
</context>
<context>
    <name>zones::ZoneFilesWindow</name>
    <message>
        <source>Import from file...</source>
        <translation>Aus Datei importieren...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Zone Files</source>
        <translation>Zonendateien</translation>
    </message>
    <message>
        <source>TLD</source>
        <translation>TLD</translation>
    </message>
    <message>
        <source>Zone of</source>
        <translation>Zone von</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>SOA serial</source>
        <translation>SOA-Seriennummer</translation>
    </message>
    <message>
        <source>A name in its TLD&apos;s zone file is registered; a name outside it is a candidate for the registry to confirm. Import a zone file, or download zones with your zone data service account.</source>
        <translation>Ein Name in der Zonendatei seiner TLD ist registriert; ein Name, der dort fehlt, ist ein Kandidat, den die Registry bestätigen muss. Importieren Sie eine Zonendatei oder laden Sie Zonen mit Ihrem Konto beim Zonendatendienst herunter.</translation>
    </message>
    <message numerus="yes">
        <source>Older than %n day(s): screening uses it with a warning.</source>
        <translation>
            <numerusform>Älter als %n Tag: Die Vorprüfung verwendet sie mit einer Warnung.</numerusform>
            <numerusform>Älter als %n Tage: Die Vorprüfung verwendet sie mit einer Warnung.</numerusform>
        </translation>
    </message>
    <message>
        <source>Zone files (*.zone *.txt *.gz *.zone.gz *.txt.gz);;All files (*)</source>
        <translation>Zonendateien (*.zone *.txt *.gz *.zone.gz *.txt.gz);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Lese %1</translation>
    </message>
    <message>
        <source>Reading %1: %2 names so far</source>
        <translation>Lese %1: bisher %2 Namen</translation>
    </message>
    <message>
        <source>Import cancelled; the zones are as they were.</source>
        <translation>Import abgebrochen; die Zonen sind unverändert.</translation>
    </message>
    <message>
        <source>Not imported.</source>
        <translation>Nicht importiert.</translation>
    </message>
    <message>
        <source>%1 could not be imported: %2.</source>
        <translation>%1 konnte nicht importiert werden: %2.</translation>
    </message>
    <message>
        <source>Imported the zone of .%1: %2 names.</source>
        <translation>Die Zone von .%1 wurde importiert: %2 Namen.</translation>
    </message>
    <message>
        <source>Remove the zone index of .%1? Names of .%1 are then asked of the registry again.</source>
        <translation>Den Zonenindex von .%1 entfernen? Namen unter .%1 werden dann wieder bei der Registry erfragt.</translation>
    </message>
    <message>
        <source>Importing the zone of .%1</source>
        <translation>Importiere die Zone von .%1</translation>
    </message>
    <message>
        <source>Downloading the zone of .%1</source>
        <translation>Lade die Zone von .%1 herunter</translation>
    </message>
    <message>
        <source>.%1: %2</source>
        <translation>.%1: %2</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>Done; some zones were not fetched.</source>
        <translation>Fertig; einige Zonen wurden nicht geholt.</translation>
    </message>
    <message>
        <source>These zones were not fetched:
</source>
        <translation>Diese Zonen wurden nicht geholt:
</translation>
    </message>
    <message>
        <source>Cancelled; a partly downloaded zone goes on from where it stopped next time.</source>
        <translation>Abgebrochen; eine teilweise heruntergeladene Zone wird beim nächsten Mal dort fortgesetzt, wo sie stehen blieb.</translation>
    </message>
    <message numerus="yes">
        <source> - about %n second(s) left</source>
        <translation>
            <numerusform> – noch etwa %n Sekunde</numerusform>
            <numerusform> – noch etwa %n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> - about %n minute(s) left</source>
        <translation>
            <numerusform> – noch etwa %n Minute</numerusform>
            <numerusform> – noch etwa %n Minuten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zones::ZoneImport</name>
    <message>
        <source>the zone file could not be read: </source>
        <translation>die Zonendatei konnte nicht gelesen werden: </translation>
    </message>
    <message>
        <source>the zone of .%1 delegates no names</source>
        <translation>die Zone von .%1 delegiert keine Namen</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
</context>
</TS>
