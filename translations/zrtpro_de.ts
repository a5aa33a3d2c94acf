<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>App</name>
    <message>
        <source>NEXIL Files (*.zrt)</source>
        <extracomment>Name of the file type in a file dialog; the pattern in brackets stays as it is.</extracomment>
        <translation>NEXIL-Dateien (*.zrt)</translation>
    </message>
    <message>
        <source>Ready</source>
        <extracomment>Status bar text while nothing is going on.</extracomment>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu bar: the file menu.</extracomment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <extracomment>File menu: the submenu importing a paging system&apos;s file.</extracomment>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <extracomment>Menu bar: the edit menu.</extracomment>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <extracomment>Menu bar: the view menu, which also holds the unit&apos;s commands.</extracomment>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu bar: the help menu.</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <extracomment>File menu: a new configuration, made with the setup wizard.</extracomment>
        <translation>&amp;Neu	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <extracomment>File menu. &quot;...&quot; means the command opens a dialog.</extracomment>
        <translation>Ö&amp;ffnen...	Ctrl+O</translation>
    </message>
    <message>
        <source>Import &amp;Lunetta file</source>
        <extracomment>Import submenu. Lunetta is the name of a paging system.</extracomment>
        <translation>&amp;Lunetta-Datei importieren</translation>
    </message>
    <message>
        <source>Import &amp;MC-77/M-7700 file</source>
        <extracomment>Import submenu. MC-77 and M-7700 are names of paging systems.</extracomment>
        <translation>&amp;MC-77/M-7700-Datei importieren</translation>
    </message>
    <message>
        <source>Import &amp;Quillon Plus file</source>
        <extracomment>Import submenu. Quillon Plus is the name of a paging system.</extracomment>
        <translation>&amp;Quillon Plus-Datei importieren</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <extracomment>File menu.</extracomment>
        <translation>&amp;Speichern	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <extracomment>File menu.</extracomment>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Co&amp;mpare with File...</source>
        <extracomment>File menu: shows how this configuration differs from a configuration file.</extracomment>
        <translation>Mit Datei ver&amp;gleichen...</translation>
    </message>
    <message>
        <source>&amp;Export Inputs as CSV...</source>
        <extracomment>File menu: writes the list of inputs to a spreadsheet file.</extracomment>
        <translation>Eingänge als CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>Import Inp&amp;uts from CSV...</source>
        <extracomment>File menu: takes Arch Numbers and names of inputs from a spreadsheet file.</extracomment>
        <translation>Eingänge aus CSV i&amp;mportieren...</translation>
    </message>
    <message>
        <source>Compare with &amp;Unit...</source>
        <extracomment>View menu: reads the unit and shows how it differs from this configuration.</extracomment>
        <translation>Mit &amp;Gerät vergleichen...</translation>
    </message>
    <message>
        <source>&amp;Configure Remote Modem</source>
        <extracomment>File menu: sends the set-up to the modem at the unit&apos;s end of the telephone line.</extracomment>
        <translation>Entferntes Modem &amp;konfigurieren</translation>
    </message>
    <message>
        <source>&amp;Print	Ctrl+P</source>
        <extracomment>File menu: prints the configuration report.</extracomment>
        <translation>D&amp;rucken	Ctrl+P</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>File menu: quits the program.</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <extracomment>Edit menu: finds an input in the tree.</extracomment>
        <translation>&amp;Suchen...	Ctrl+F</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <extracomment>View menu: shows or hides the toolbar; also the toolbar&apos;s name.</extracomment>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <extracomment>View menu: shows or hides the status bar.</extracomment>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <source>&amp;Read M-4400 Unit</source>
        <extracomment>View menu: reads the configuration from the unit (the switcher). M-4400 is the product&apos;s name.</extracomment>
        <translation>Aus M-4400-Gerät &amp;lesen</translation>
    </message>
    <message>
        <source>&amp;Write M-4400 Unit</source>
        <extracomment>View menu: writes the configuration into the unit.</extracomment>
        <translation>In M-4400-Gerät sch&amp;reiben</translation>
    </message>
    <message>
        <source>&amp;Verify Write</source>
        <extracomment>View menu, on or off: every write is read back and compared.</extracomment>
        <translation>Schreiben &amp;prüfen</translation>
    </message>
    <message>
        <source>Set M-4400 Ti&amp;me</source>
        <extracomment>View menu: sets the unit&apos;s clock from the PC&apos;s.</extracomment>
        <translation>M-4400-&amp;Uhrzeit stellen</translation>
    </message>
    <message>
        <source>&amp;Link Trace</source>
        <extracomment>View menu, on or off: records what goes over the line to the unit in a file.</extracomment>
        <translation>Verbindungs&amp;mitschnitt</translation>
    </message>
    <message>
        <source>&amp;Keep Unit Memory Before Write</source>
        <extracomment>View menu, on or off: a copy of the unit&apos;s memory is kept before every write.</extracomment>
        <translation>Gerätespeicher vor dem Schreiben auf&amp;bewahren</translation>
    </message>
    <message>
        <source>Unit &amp;History...</source>
        <extracomment>View menu: the kept copies of units&apos; memory.</extracomment>
        <translation>Geräte&amp;verlauf...</translation>
    </message>
    <message>
        <source>&amp;Expand Tree to Show Conflicts</source>
        <extracomment>View menu: opens the tree where inputs share an Arch Number. &quot;Arch Number&quot; is the product&apos;s term for the number a camera is called up by; it stays as it is.</extracomment>
        <translation>Baum bis zu den &amp;Konflikten aufklappen</translation>
    </message>
    <message>
        <source>Reset &amp;All Arch Numbers to Original</source>
        <extracomment>View menu.</extracomment>
        <translation>&amp;Alle Arch Numbers auf das Original zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Palette</source>
        <extracomment>View menu: the submenu of the window&apos;s colours.</extracomment>
        <translation>&amp;Farbschema</translation>
    </message>
    <message>
        <source>&amp;System Default</source>
        <extracomment>Palette submenu: the desktop&apos;s own colours.</extracomment>
        <translation>&amp;Systemvorgabe</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <extracomment>Palette submenu.</extracomment>
        <translation>&amp;Hell</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <extracomment>Palette submenu.</extracomment>
        <translation>&amp;Dunkel</translation>
    </message>
    <message>
        <source>&amp;High Contrast</source>
        <extracomment>Palette submenu.</extracomment>
        <translation>Hoher &amp;Kontrast</translation>
    </message>
    <message>
        <source>Draws the window in the desktop&apos;s colours or in light, dark or high-contrast ones</source>
        <extracomment>Status bar text of the palette submenu&apos;s commands.</extracomment>
        <translation>Stellt das Fenster in den Farben des Desktops oder in hellen, dunklen oder kontrastreichen Farben dar</translation>
    </message>
    <message>
        <source>&amp;About NEXIL Video Switcher Programming Tool...</source>
        <extracomment>Help menu: opens the About box with the program&apos;s version.</extracomment>
        <translation>&amp;Über NEXIL Programmierwerkzeug für Videoumschalter...</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <extracomment>Help menu: opens the help page.</extracomment>
        <translation>&amp;Inhalt	F1</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>Toolbar button: a new configuration.</extracomment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Toolbar button: opens a configuration file.</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Toolbar button: saves the configuration.</extracomment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>Toolbar button: prints the report.</extracomment>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Write</source>
        <extracomment>Toolbar button: writes the configuration into the unit.</extracomment>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Read</source>
        <extracomment>Toolbar button: reads the configuration from the unit.</extracomment>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Set Time</source>
        <extracomment>Toolbar button: sets the unit&apos;s clock.</extracomment>
        <translation>Zeit stellen</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Toolbar button: takes back the last change.</extracomment>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Toolbar button: makes the change taken back again.</extracomment>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Create a new configuration with the setup wizard
New</source>
        <extracomment>Status bar text, then after the line break the tooltip of the New button.</extracomment>
        <translation>Eine neue Konfiguration mit dem Einrichtungsassistenten erstellen
Neu</translation>
    </message>
    <message>
        <source>Open an existing configuration file
Open</source>
        <extracomment>Status bar text, then after the line break the tooltip.</extracomment>
        <translation>Eine vorhandene Konfigurationsdatei öffnen
Öffnen</translation>
    </message>
    <message>
        <source>Save the configuration
Save</source>
        <extracomment>Status bar text, then after the line break the tooltip.</extracomment>
        <translation>Die Konfiguration speichern
Speichern</translation>
    </message>
    <message>
        <source>Save the configuration under a new name
Save As</source>
        <extracomment>Status bar text, then after the line break the tooltip.</extracomment>
        <translation>Die Konfiguration unter einem neuen Namen speichern
Speichern unter</translation>
    </message>
    <message>
        <source>Convert Lunetta files to ZRT programming
Import LU file</source>
        <extracomment>Status bar text, then after the line break the tooltip. &quot;LU file&quot; is a Lunetta file; &quot;ZRT programming&quot; is this program&apos;s configuration.</extracomment>
        <translation>Lunetta-Dateien in ZRT-Programmierung umwandeln
LU-Datei importieren</translation>
    </message>
    <message>
        <source>Convert M-7700 file to ZRT programming
Import paging system info</source>
        <extracomment>Status bar text, then after the line break the tooltip.</extracomment>
        <translation>M-7700-Datei in ZRT-Programmierung umwandeln
Daten der Personenrufanlage importieren</translation>
    </message>
    <message>
        <source>Import new-style Quillon file
Get Quillon info</source>
        <extracomment>Status bar text, then after the line break the tooltip.</extracomment>
        <translation>Quillon-Datei im neuen Format importieren
Quillon-Daten holen</translation>
    </message>
    <message>
        <source>Show how this configuration differs from a configuration file
Compare with File</source>
        <extracomment>Status bar text, then after the line break the tooltip.</extracomment>
        <translation>Zeigen, worin sich diese Konfiguration von einer Konfigurationsdatei unterscheidet
Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>Write the input list to a spreadsheet (CSV) file
Export Inputs as CSV</source>
        <extracomment>Status bar text, then after the line break the tooltip.</extracomment>
        <translation>Die Liste der Eingänge in eine Tabellendatei (CSV) schreiben
Eingänge als CSV exportieren</translation>
    </message>
    <message>
        <source>Take Arch Numbers and names from a spreadsheet (CSV) file; the changes are shown first
Import Inputs from CSV</source>
        <extracomment>Status bar text, then after the line break the tooltip.</extracomment>
        <translation>Arch Numbers und Namen aus einer Tabellendatei (CSV) übernehmen; die Änderungen werden zuerst gezeigt
Eingänge aus CSV importieren</translation>
    </message>
    <message>
        <source>Read the M-4400 unit and show how it differs from this configuration, which stays as it is
Compare with Unit</source>
        <extracomment>Status bar text, then after the line break the tooltip.</extracomment>
        <translation>Das M-4400-Gerät lesen und zeigen, worin es sich von dieser Konfiguration unterscheidet; die Konfiguration bleibt unverändert
Mit Gerät vergleichen</translation>
    </message>
    <message>
        <source>Send initialization string to the REMOTE modem</source>
        <extracomment>Status bar text (no tooltip): the modem at the unit&apos;s end of the telephone line.</extracomment>
        <translation>Initialisierungszeichenfolge an das ENTFERNTE Modem senden</translation>
    </message>
    <message>
        <source>Print configuration information.
Print!</source>
        <extracomment>Status bar text, then after the line break the tooltip of the Print button.</extracomment>
        <translation>Konfigurationsdaten drucken.
Drucken!</translation>
    </message>
    <message>
        <source>Open this configuration file</source>
        <extracomment>Status bar text of a recently used file in the file menu.</extracomment>
        <translation>Diese Konfigurationsdatei öffnen</translation>
    </message>
    <message>
        <source>Quit the program; asks to save changes
Exit</source>
        <extracomment>Status bar text, then after the line break the tooltip.</extracomment>
        <translation>Das Programm beenden; fragt, ob Änderungen gespeichert werden sollen
Beenden</translation>
    </message>
    <message>
        <source>Take back the last change of the configuration
Undo</source>
        <extracomment>Status bar text, then after the line break the tooltip.</extracomment>
        <translation>Die letzte Änderung der Konfiguration zurücknehmen
Rückgängig</translation>
    </message>
    <message>
        <source>Make again the change last taken back
Redo</source>
        <extracomment>Status bar text, then after the line break the tooltip.</extracomment>
        <translation>Die zuletzt zurückgenommene Änderung erneut ausführen
Wiederherstellen</translation>
    </message>
    <message>
        <source>Find an input by its Arch Number or name
Find</source>
        <extracomment>Status bar text, then after the line break the tooltip.</extracomment>
        <translation>Einen Eingang nach seiner Arch Number oder seinem Namen suchen
Suchen</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle Toolbar</source>
        <extracomment>Status bar text, then after the line break the tooltip.</extracomment>
        <translation>Die Symbolleiste zeigen oder ausblenden
Symbolleiste ein/aus</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle Status Bar</source>
        <extracomment>Status bar text, then after the line break the tooltip.</extracomment>
        <translation>Die Statusleiste zeigen oder ausblenden
Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>Read the configuration from the M-4400 unit.
Read</source>
        <extracomment>Status bar text, then after the line break the tooltip of the Read button.</extracomment>
        <translation>Die Konfiguration aus dem M-4400-Gerät lesen.
Lesen</translation>
    </message>
    <message>
        <source>Write the current setup to the M-4400 unit.
Write</source>
        <extracomment>Status bar text, then after the line break the tooltip of the Write button.</extracomment>
        <translation>Die aktuelle Konfiguration in das M-4400-Gerät schreiben.
Schreiben</translation>
    </message>
    <message>
        <source>Read the unit&apos;s whole memory into the unit history before every write, and show what the write will change.</source>
        <extracomment>Status bar text (no tooltip).</extracomment>
        <translation>Vor jedem Schreiben den ganzen Gerätespeicher in den Geräteverlauf lesen und zeigen, was das Schreiben ändern wird.</translation>
    </message>
    <message>
        <source>The copies of units&apos; memory kept before writes and by reads: compare, open, restore, delete.</source>
        <extracomment>Status bar text (no tooltip).</extracomment>
        <translation>Die vor dem Schreiben und beim Lesen aufbewahrten Kopien von Gerätespeichern: vergleichen, öffnen, wiederherstellen, löschen.</translation>
    </message>
    <message>
        <source>Write the M-4400 unit then Verify by reading and comparing.</source>
        <extracomment>Status bar text (no tooltip).</extracomment>
        <translation>In das M-4400-Gerät schreiben und dann durch Lesen und Vergleichen prüfen.</translation>
    </message>
    <message>
        <source>Set M-4400 time of day and date from PC clock
Set Time</source>
        <extracomment>Status bar text, then after the line break the tooltip of the Set Time button.</extracomment>
        <translation>Uhrzeit und Datum des M-4400 nach der PC-Uhr stellen
Zeit stellen</translation>
    </message>
    <message>
        <source>Record every frame exchanged with a unit on a serial line, network or modem in %1
Link Trace</source>
        <extracomment>Status bar text, then after the line break the tooltip; %1 is the trace file&apos;s path.</extracomment>
        <translation>Jeden mit einem Gerät über serielle Leitung, Netzwerk oder Modem ausgetauschten Rahmen in %1 aufzeichnen
Verbindungsmitschnitt</translation>
    </message>
    <message>
        <source>Open the ports whose inputs share an Arch Number
Expand Tree to Show Conflicts</source>
        <extracomment>Status bar text, then after the line break the tooltip.</extracomment>
        <translation>Die Anschlüsse aufklappen, deren Eingänge eine Arch Number teilen
Baum bis zu den Konflikten aufklappen</translation>
    </message>
    <message>
        <source>Give every input its original Arch Number and name back
Reset All Arch Numbers</source>
        <extracomment>Status bar text, then after the line break the tooltip.</extracomment>
        <translation>Jedem Eingang seine ursprüngliche Arch Number und seinen Namen zurückgeben
Alle Arch Numbers zurücksetzen</translation>
    </message>
    <message>
        <source>Show the program&apos;s version
About</source>
        <extracomment>Status bar text, then after the line break the tooltip.</extracomment>
        <translation>Die Version des Programms zeigen
Über</translation>
    </message>
    <message>
        <source>Open the help page
Help</source>
        <extracomment>Status bar text, then after the line break the tooltip.</extracomment>
        <translation>Die Hilfeseite öffnen
Hilfe</translation>
    </message>
    <message>
        <source>

NEXIL Programming Tool.  Click &quot;NEW&quot; to open the setup Wizard.</source>
        <extracomment>Shown in the empty window before a configuration is open. &quot;NEW&quot; is the New button of the toolbar. The two line breaks at the start stay.</extracomment>
        <translation>

NEXIL Programmierwerkzeug.  Klicken Sie auf „NEU“, um den Einrichtungsassistenten zu öffnen.</translation>
    </message>
    <message>
        <source>About NEXIL Video Switcher Programming Tool</source>
        <extracomment>Caption of the About box.</extracomment>
        <translation>Über NEXIL Programmierwerkzeug für Videoumschalter</translation>
    </message>
    <message>
        <source>NEXIL Video Switcher Programming Tool ver %1</source>
        <extracomment>About box; %1 is the program&apos;s version (&quot;2.3.0&quot;).</extracomment>
        <translation>NEXIL Programmierwerkzeug für Videoumschalter Version %1</translation>
    </message>
    <message>
        <source>Programs M-4400 and M-4800 video switchers.</source>
        <extracomment>About box and start-up picture: what the program is for. M-4400 and M-4800 are products.</extracomment>
        <translation>Programmiert die Videoumschalter M-4400 und M-4800.</translation>
    </message>
    <message>
        <source>Window class ZRTProInst could not be registered.
</source>
        <extracomment>Message when a second window cannot be kept from starting (the program&apos;s single-instance channel could not be opened). ZRTProInst is that channel&apos;s name.</extracomment>
        <translation>Die Fensterklasse ZRTProInst konnte nicht registriert werden.
</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Bitmap Printing Test</source>
        <extracomment>The name of the print job, as the printer queue lists it.</extracomment>
        <translation>Bitmap-Drucktest</translation>
    </message>
    <message>
        <source>Printer font (name:%s) creation failed</source>
        <extracomment>Message when the report&apos;s font cannot be made; %s is the font&apos;s name.</extracomment>
        <translation>Druckerschrift (Name: %s) konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>Windoze error</source>
        <extracomment>Caption of the box that says the report&apos;s font could not be made.</extracomment>
        <translation>Windows-Fehler</translation>
    </message>
    <message>
        <source>NEXIL Program Data For: %s</source>
        <extracomment>First line of every page; %s is the configuration file&apos;s path.</extracomment>
        <translation>NEXIL-Programmdaten für: %s</translation>
    </message>
    <message>
        <source>Unsaved file</source>
        <extracomment>Stands for the file&apos;s path in the heading when the configuration was never saved.</extracomment>
        <translation>Nicht gespeicherte Datei</translation>
    </message>
    <message>
        <source>Page %d</source>
        <extracomment>Foot of every page; %d is the page number.</extracomment>
        <translation>Seite %d</translation>
    </message>
    <message>
        <source>System:</source>
        <extracomment>Section heading: the unit&apos;s hardware.</extracomment>
        <translation>System:</translation>
    </message>
    <message>
        <source>M-7700X Installed?: %s</source>
        <extracomment>%s is &quot;Yes&quot; or &quot;No&quot;: whether the M-7700X expansion (8 ports) is fitted.</extracomment>
        <translation>M-7700X eingebaut?: %s</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Number of EM-4500 Video Camera Interface Units: %d</source>
        <extracomment>%d is the number of camera interface units; EM-4500 is the product&apos;s name.</extracomment>
        <translation>Anzahl der EM-4500-Kamera-Schnittstelleneinheiten: %d</translation>
    </message>
    <message>
        <source>Settings:</source>
        <extracomment>Section heading: the unit&apos;s settings.</extracomment>
        <translation>Einstellungen:</translation>
    </message>
    <message>
        <source>Priority, highest first: Phone,PC</source>
        <extracomment>Which of the telephone and the PC wins when both want the switcher.</extracomment>
        <translation>Vorrang, höchster zuerst: Telefon, PC</translation>
    </message>
    <message>
        <source>Priority, highest first: PC,Phone</source>
        <translation>Vorrang, höchster zuerst: PC, Telefon</translation>
    </message>
    <message>
        <source>Priority, highest first: PC and Phone are Equal</source>
        <translation>Vorrang, höchster zuerst: PC und Telefon gleichrangig</translation>
    </message>
    <message>
        <source>Priority: Programming Error</source>
        <extracomment>The stored priority is none of the three known ones.</extracomment>
        <translation>Vorrang: Programmierfehler</translation>
    </message>
    <message>
        <source>Video Out %d: %d</source>
        <extracomment>The first %d is the video output (1 to 4), the second its administrator&apos;s Arch Number.</extracomment>
        <translation>Videoausgang %d: %d</translation>
    </message>
    <message>
        <source>Idle Loop:</source>
        <extracomment>Section heading: the cameras shown in turn while nobody calls one up.</extracomment>
        <translation>Ruheschleife:</translation>
    </message>
    <message>
        <source>Delay: %d Seconds</source>
        <extracomment>%d is the seconds each camera of the idle loop is shown.</extracomment>
        <translation>Verweildauer: %d Sekunden</translation>
    </message>
    <message>
        <source>ArchNumbers:</source>
        <extracomment>Heading of the idle loop&apos;s list. &quot;Arch Number&quot; is the product&apos;s term for the number a camera is called up by; kept as it is in the translation.</extracomment>
        <translation>Arch Numbers:</translation>
    </message>
    <message>
        <source>Idle Loop, continued:</source>
        <extracomment>Heading on a new page when the idle loop&apos;s list goes on from the page before.</extracomment>
        <translation>Ruheschleife, Fortsetzung:</translation>
    </message>
    <message>
        <source> continued,</source>
        <extracomment>Follows a port&apos;s name (&quot;Input 2&quot;) on a new page when its inputs go on from the page before.</extracomment>
        <translation> Fortsetzung,</translation>
    </message>
    <message>
        <source>, Direct:</source>
        <extracomment>Follows an input&apos;s name (&quot;Input 8&quot;) that is wired straight to the unit.</extracomment>
        <translation>, direkt:</translation>
    </message>
    <message>
        <source>Cannot write the report to %s: %s</source>
        <extracomment>The first %s is the PDF file&apos;s path, the second the reason (one of the two texts below, or the system&apos;s).</extracomment>
        <translation>Der Bericht kann nicht nach %s geschrieben werden: %s</translation>
    </message>
    <message>
        <source>no font is installed</source>
        <translation>keine Schrift ist installiert</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>die PDF-Datei konnte nicht begonnen werden</translation>
    </message>
    <message>
        <source>Report saved to </source>
        <extracomment>Status bar text, followed by the PDF file&apos;s path.</extracomment>
        <translation>Bericht gespeichert unter </translation>
    </message>
    <message>
        <source>&amp;Print	Ctrl+P</source>
        <extracomment>Menu command; the key after the tab stays as it is. &quot;&amp;&quot; marks the letter underlined.</extracomment>
        <translation>&amp;Drucken	Ctrl+P</translation>
    </message>
    <message>
        <source>Print configuration information.
Print!</source>
        <extracomment>Status bar text, then after the line break the tooltip of the Print button.</extracomment>
        <translation>Konfigurationsdaten drucken.
Drucken!</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <extracomment>Menu command. &quot;&amp;&quot; marks the letter underlined.</extracomment>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>Show the configuration report as it will print.
Print Preview</source>
        <extracomment>Status bar text, then after the line break the tooltip.</extracomment>
        <translation>Den Konfigurationsbericht so zeigen, wie er gedruckt wird.
Druckvorschau</translation>
    </message>
    <message>
        <source>Export Report as P&amp;DF...</source>
        <extracomment>Menu command. &quot;&amp;&quot; marks the letter underlined.</extracomment>
        <translation>Bericht als P&amp;DF exportieren...</translation>
    </message>
    <message>
        <source>Save the configuration report as a PDF file.
Export Report as PDF</source>
        <extracomment>Status bar text, then after the line break the tooltip.</extracomment>
        <translation>Den Konfigurationsbericht als PDF-Datei speichern.
Bericht als PDF exportieren</translation>
    </message>
    <message>
        <source>{month}/{day}/{year} {hour}:{minute}:{second}</source>
        <extracomment>Date and time under the heading (report/ReportDate). {month}, {day}, {year} (two digits each), {hour}, {minute}, {second} (24-hour clock) are replaced by the print&apos;s time: put them in the order your readers expect, each exactly once, and keep the braces and the English names. A translation that misses, repeats or renames one is not used.</extracomment>
        <translation>{day}.{month}.{year} {hour}:{minute}:{second}</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>NEXIL Files (*.zrt)</source>
        <extracomment>File type in a file dialog; the pattern in brackets stays as it is.</extracomment>
        <translation>NEXIL-Dateien (*.zrt)</translation>
    </message>
    <message>
        <source>Lunetta Files(*.dat)</source>
        <extracomment>File type in a file dialog; the pattern in brackets stays as it is.</extracomment>
        <translation>Lunetta-Dateien (*.dat)</translation>
    </message>
    <message>
        <source>Quillon Files (*.qpx)</source>
        <extracomment>File type in a file dialog; the pattern in brackets stays as it is.</extracomment>
        <translation>Quillon-Dateien (*.qpx)</translation>
    </message>
    <message>
        <source>M-7700 Files(*.mdb)</source>
        <extracomment>File type in a file dialog; the pattern in brackets stays as it is.</extracomment>
        <translation>M-7700-Dateien (*.mdb)</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <extracomment>File type in a file dialog; the pattern in brackets stays as it is.</extracomment>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <extracomment>File type in a file dialog; the pattern in brackets stays as it is.</extracomment>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Paging System files (*.dat *.qpx *.mdb)</source>
        <extracomment>File types in a file dialog; the patterns in brackets stay as they are.</extracomment>
        <translation>Dateien der Personenrufanlage (*.dat *.qpx *.mdb)</translation>
    </message>
    <message>
        <source>NEXIL Video Switcher Programming Tool</source>
        <extracomment>The program&apos;s name: the main window&apos;s title and the caption of its message boxes.</extracomment>
        <translation>NEXIL Programmierwerkzeug für Videoumschalter</translation>
    </message>
    <message>
        <source>Open Configuration</source>
        <extracomment>Caption of the file dialog of File &gt; Open.</extracomment>
        <translation>Konfiguration öffnen</translation>
    </message>
    <message>
        <source>Save Configuration As</source>
        <extracomment>Caption of the file dialog of File &gt; Save As.</extracomment>
        <translation>Konfiguration speichern unter</translation>
    </message>
    <message>
        <source>Import Lunetta File</source>
        <extracomment>Caption of a file dialog. Lunetta is the name of a paging system.</extracomment>
        <translation>Lunetta-Datei importieren</translation>
    </message>
    <message>
        <source>Import Quillon File</source>
        <extracomment>Caption of a file dialog. Quillon is the name of a paging system.</extracomment>
        <translation>Quillon-Datei importieren</translation>
    </message>
    <message>
        <source>Import M-7700 File</source>
        <extracomment>Caption of a file dialog. M-7700 is the name of a paging system.</extracomment>
        <translation>M-7700-Datei importieren</translation>
    </message>
    <message>
        <source>Export Report as PDF</source>
        <extracomment>Caption of the file dialog choosing where the report&apos;s PDF goes.</extracomment>
        <translation>Bericht als PDF exportieren</translation>
    </message>
    <message>
        <source>Choose a Configuration File</source>
        <extracomment>Caption of the setup wizard&apos;s file dialog for a configuration to start from.</extracomment>
        <translation>Konfigurationsdatei wählen</translation>
    </message>
    <message>
        <source>Choose a Paging System File</source>
        <extracomment>Caption of the setup wizard&apos;s file dialog for a paging system&apos;s file.</extracomment>
        <translation>Datei der Personenrufanlage wählen</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <extracomment>Caption of the file dialog of File &gt; Compare with File.</extracomment>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>Import Inputs from CSV</source>
        <extracomment>Caption of the file dialog of File &gt; Import Inputs from CSV.</extracomment>
        <translation>Eingänge aus CSV importieren</translation>
    </message>
    <message>
        <source>Export Inputs as CSV</source>
        <extracomment>Caption of the file dialog of File &gt; Export Inputs as CSV.</extracomment>
        <translation>Eingänge als CSV exportieren</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <extracomment>Button: opens the work kept from before the program ended unexpectedly. &quot;&amp;&quot; marks the letter underlined; not the same letter as the other button&apos;s.</extracomment>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <extracomment>Button: throws that kept work away.</extracomment>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>No differences.</source>
        <extracomment>The differences dialog finds no difference between the two configurations.</extracomment>
        <translation>Keine Unterschiede.</translation>
    </message>
    <message>
        <source>1 difference.</source>
        <translation>1 Unterschied.</translation>
    </message>
    <message>
        <source>%1 differences.</source>
        <extracomment>%1 is the number of differences (2 or more).</extracomment>
        <translation>%1 Unterschiede.</translation>
    </message>
    <message>
        <source>Item</source>
        <extracomment>Column heading of the differences table: what differs (a setting, an input).</extracomment>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>This configuration</source>
        <extracomment>Column heading of the differences table: the value in the configuration open in the window.</extracomment>
        <translation>Diese Konfiguration</translation>
    </message>
    <message>
        <source>Differences</source>
        <extracomment>What a screen reader calls the table of differences.</extracomment>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Button of the differences dialog. &quot;&amp;&quot; marks the letter underlined.</extracomment>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Put the table on the clipboard as text</source>
        <extracomment>Tooltip of the Copy button.</extracomment>
        <translation>Die Tabelle als Text in die Zwischenablage legen</translation>
    </message>
</context>
</TS>
