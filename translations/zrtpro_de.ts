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
    <name>AppCommandLine</name>
    <message>
        <source>Usage: zrtpro [FILE.zrt]

Opens the window of the NEXIL Video Switcher Programming Tool, which describes
an installation of M-4400 or M-4800 video switchers with their camera interface
units, imports the site&apos;s paging-system programming, finds Arch Number
conflicts, saves the configuration in .zrt files and writes it into the
switcher over a serial line, a modem or the network.

FILE.zrt is opened at start. Only one window runs per user: starting the tool
again brings that window to the front, and it opens FILE.zrt when one is named.
The window needs a display; zrtpro-cli runs every operation from a shell.

A serial port may be opened only by members of its group, dialout on Debian
and Ubuntu: add yourself once with &quot;sudo adduser $USER dialout&quot;, then log out
and in again.

Options:
  --help       show this text
  --version    show the version
Qt&apos;s own options (for example -platform offscreen) are accepted too.
</source>
        <extracomment>`zrtpro --help`. Keep &quot;zrtpro&quot;, &quot;zrtpro-cli&quot;, the options and the command in quotes as they are; FILE is a placeholder. &quot;Arch Number&quot; is the product&apos;s own term.</extracomment>
        <translation>Aufruf: zrtpro [DATEI.zrt]

Öffnet das Fenster des NEXIL Video Switcher Programming Tool. Es beschreibt eine
Installation von M-4400- oder M-4800-Videoumschaltern mit ihren
Kamera-Schnittstelleneinheiten, importiert die Programmierung der
Personenrufanlage, findet Konflikte bei Arch Numbers, speichert die
Konfiguration in .zrt-Dateien und schreibt sie über eine serielle Leitung, ein
Modem oder das Netzwerk in den Videoumschalter.

DATEI.zrt wird beim Start geöffnet. Je Benutzer läuft nur ein Fenster: ein
erneuter Start holt dieses Fenster nach vorn und öffnet DATEI.zrt, wenn eine
Datei genannt ist. Das Fenster braucht eine Anzeige; zrtpro-cli führt jeden
Vorgang aus einer Shell aus.

Einen seriellen Anschluss dürfen nur Mitglieder seiner Gruppe öffnen, unter
Debian und Ubuntu dialout: fügen Sie sich einmal mit
&quot;sudo adduser $USER dialout&quot; hinzu, melden Sie sich dann ab und wieder an.

Optionen:
  --help       diesen Text zeigen
  --version    die Version zeigen
Die Optionen von Qt selbst (zum Beispiel -platform offscreen) werden ebenfalls
angenommen.
</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>--system quillon|lunetta|m7700 --digits 2|3 --expansion E --ports 4|8 --ciu U -o FILE.zrt</source>
        <extracomment>The arguments of `zrtpro-cli new`. Keep option names and the words between |; placeholders in capitals may be translated.</extracomment>
        <translation>--system quillon|lunetta|m7700 --digits 2|3 --expansion E --ports 4|8 --ciu U -o DATEI.zrt</translation>
    </message>
    <message>
        <source>Builds a configuration from the paging system&apos;s dialing plan, as the setup
wizard&apos;s &quot;Specify Configuration&quot; does: E expansion units of the paging system
(Quillon port cards, Lunetta station cards, M-7700 units), --digits in its dial
plan (ignored for Lunetta), and a master unit of 4 or 8 ports carrying U camera
interface units. The wizard&apos;s checks and messages apply.</source>
        <extracomment>`zrtpro-cli new --help`. Keep command and option names as they are.</extracomment>
        <translation>Erstellt eine Konfiguration aus dem Wählplan der Personenrufanlage, wie der
Einrichtungsassistent aus den Angaben zur Konfiguration: E Erweiterungseinheiten
der Rufanlage (Quillon-Portkarten, Lunetta-Stationskarten, M-7700-Einheiten),
--digits Ziffern in ihrem Wählplan (bei Lunetta ohne Bedeutung) und eine
Haupteinheit mit 4 oder 8 Anschlüssen, die U Kamera-Schnittstelleneinheiten
trägt. Die Prüfungen und Meldungen des Assistenten gelten.</translation>
    </message>
    <message>
        <source>lunetta|quillon|m7700 PATH --ports 4|8 --ciu U -o FILE.zrt</source>
        <extracomment>The arguments of `zrtpro-cli import`. Keep option names and the words between |; placeholders in capitals may be translated.</extracomment>
        <translation>lunetta|quillon|m7700 PFAD --ports 4|8 --ciu U -o DATEI.zrt</translation>
    </message>
    <message>
        <source>Builds a configuration from a paging system&apos;s export, as the setup wizard&apos;s
&quot;Specify Filename&quot; does: a Lunetta folder (PATH is the folder or any file in it),
a Quillon .qpx file or an M-7700 .mdb database, laid onto a master unit of 4 or 8
ports carrying U camera interface units.</source>
        <extracomment>`zrtpro-cli import --help`. Keep command and option names as they are.</extracomment>
        <translation>Erstellt eine Konfiguration aus dem Export einer Personenrufanlage, wie der
Einrichtungsassistent aus einer angegebenen Datei: ein Lunetta-Ordner (PFAD ist
der Ordner oder eine beliebige Datei darin), eine Quillon-.qpx-Datei oder eine
M-7700-.mdb-Datenbank, gelegt auf eine Haupteinheit mit 4 oder 8 Anschlüssen,
die U Kamera-Schnittstelleneinheiten trägt.</translation>
    </message>
    <message>
        <source>Usage: zrtpro-cli COMMAND [ARGS...]
  or:  zrtpro-cli COMMAND --help

Runs the operations of the NEXIL Video Switcher Programming Tool from a shell,
with the same checks and messages as its window (messages on standard error).

Commands:
</source>
        <extracomment>The start of `zrtpro-cli --help`, before the list of commands. Keep &quot;zrtpro-cli&quot;, &quot;COMMAND --help&quot; and &quot;--help&quot; as they are; COMMAND and ARGS are placeholders.</extracomment>
        <translation>Aufruf: zrtpro-cli BEFEHL [ARGUMENTE...]
  oder:  zrtpro-cli BEFEHL --help

Führt die Vorgänge des NEXIL Video Switcher Programming Tool aus einer Shell
aus, mit denselben Prüfungen und Meldungen wie sein Fenster (Meldungen auf der
Standardfehlerausgabe).

Befehle:
</translation>
    </message>
    <message>
        <source>
Options:
  --help       show this text; after a command, explain that command
  --version    show the version

Exit status: 0 success, 1 the operation failed, 2 wrong usage. Output files
are written only on success, and then whole.
</source>
        <extracomment>The end of `zrtpro-cli --help`, after the list of commands. Keep the option names (--help, --version) and the exit status numbers.</extracomment>
        <translation>
Optionen:
  --help       diesen Text zeigen; nach einem Befehl diesen Befehl erklären
  --version    die Version zeigen

Exit-Status: 0 Erfolg, 1 der Vorgang ist fehlgeschlagen, 2 falscher Aufruf.
Ausgabedateien werden nur bei Erfolg geschrieben, und dann vollständig.
</translation>
    </message>
    <message>
        <source>usage: zrtpro-cli %s %s</source>
        <extracomment>First line of `zrtpro-cli COMMAND --help`: %s the command&apos;s name, %s its arguments (both as they are typed).</extracomment>
        <translation>Aufruf: zrtpro-cli %s %s</translation>
    </message>
    <message>
        <source>zrtpro-cli %s: %s (usage: zrtpro-cli %s %s)</source>
        <extracomment>A command was used wrongly: %s the command&apos;s name, %s what was wrong (one of the texts below), %s the command&apos;s name again, %s its arguments.</extracomment>
        <translation>zrtpro-cli %s: %s (Aufruf: zrtpro-cli %s %s)</translation>
    </message>
    <message>
        <source>wrong arguments</source>
        <extracomment>What was wrong in a command&apos;s use, when no more particular text says it.</extracomment>
        <translation>falsche Argumente</translation>
    </message>
    <message>
        <source>option %s needs a value</source>
        <extracomment>What was wrong in a command&apos;s use: %s the option as typed (&quot;--ports&quot;).</extracomment>
        <translation>Option %s braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option %s</source>
        <extracomment>What was wrong in a command&apos;s use: %s the option as typed.</extracomment>
        <translation>unbekannte Option %s</translation>
    </message>
    <message>
        <source>zrtpro-cli: unknown command &quot;%s&quot; (zrtpro-cli --help lists them)</source>
        <extracomment>%s the command name as typed. Keep &quot;zrtpro-cli --help&quot;.</extracomment>
        <translation>zrtpro-cli: unbekannter Befehl &quot;%s&quot; (zrtpro-cli --help listet sie auf)</translation>
    </message>
    <message>
        <source>the unit memory file %s is not 65,536 bytes long</source>
        <extracomment>%s the unit memory file given with unitsim:.</extracomment>
        <translation>die Gerätespeicherdatei %s ist nicht 65.536 Bytes lang</translation>
    </message>
    <message>
        <source>cannot write the trace file %s</source>
        <extracomment>%s the file given with --trace.</extracomment>
        <translation>die Mitschnittdatei %s kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>unknown connection &quot;%s&quot; (use serial:DEVICE[:BAUD], tcp:HOST:PORT, modem:DEVICE[:BAUD]:NUMBER or unitsim:EEPROM-FILE)</source>
        <extracomment>%s the connection as typed. Keep the connection forms in brackets exactly as they are: they are what is typed after --connect.</extracomment>
        <translation>unbekannte Verbindung &quot;%s&quot; (verwenden Sie serial:DEVICE[:BAUD], tcp:HOST:PORT, modem:DEVICE[:BAUD]:NUMBER oder unitsim:EEPROM-FILE)</translation>
    </message>
    <message>
        <source>Cannot save the unit memory file %s</source>
        <extracomment>%s the unit memory file given with unitsim:.</extracomment>
        <translation>Die Gerätespeicherdatei %s kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Arch number conflicts exist:</source>
        <extracomment>Before the conflict report of a configuration just built (the report follows on the next lines). &quot;Arch Number&quot; is the product&apos;s own term.</extracomment>
        <translation>Es gibt Konflikte bei Arch Numbers:</translation>
    </message>
    <message>
        <source>No Arch Number conflicts.</source>
        <translation>Keine Konflikte bei Arch Numbers.</translation>
    </message>
    <message>
        <source>Cannot write %s</source>
        <extracomment>%s the output file.</extracomment>
        <translation>%s kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%s is not a unit memory image of %d bytes.</source>
        <extracomment>%s the file given, %d its expected size (65536).</extracomment>
        <translation>%s ist kein Gerätespeicherabbild von %d Bytes.</translation>
    </message>
    <message>
        <source>No serial ports.</source>
        <extracomment>The port list of `zrtpro-cli ports` when there is none.</extracomment>
        <translation>Keine seriellen Anschlüsse.</translation>
    </message>
    <message>
        <source>, serial number %s</source>
        <extracomment>Follows a port&apos;s device file: %s the serial number of its USB adapter.</extracomment>
        <translation>, Seriennummer %s</translation>
    </message>
    <message>
        <source>, this user may open it</source>
        <extracomment>Ends a port&apos;s line: the person running the tool may open the port.</extracomment>
        <translation>, dieser Benutzer darf ihn öffnen</translation>
    </message>
    <message>
        <source>, this user may not open it</source>
        <extracomment>Ends a port&apos;s line: the person running the tool may not open the port.</extracomment>
        <translation>, dieser Benutzer darf ihn nicht öffnen</translation>
    </message>
    <message>
        <source>    in use by %s (process %d)</source>
        <extracomment>Under a port a program holds: %s the program&apos;s name, %d its process number.</extracomment>
        <translation>    belegt von %s (Prozess %d)</translation>
    </message>
    <message>
        <source>System: %s, %d ports, %d camera interface units; paging system %s, %d digits</source>
        <extracomment>The first line of `zrtpro-cli show`: %s the unit model (M-4800), %d its ports, %d the camera interface units, %s the paging system, %d the digits of its dial plan.</extracomment>
        <translation>System: %s, %d Anschlüsse, %d Kamera-Schnittstelleneinheiten; Personenrufanlage %s, %d Ziffern</translation>
    </message>
    <message>
        <source>Priority: %d  Time refresh: %d  Admin:</source>
        <extracomment>%d the unit&apos;s priority, %d the time refresh; the Admin Arch Numbers follow.</extracomment>
        <translation>Vorrang: %d  Zeitabgleich: %d  Administrator:</translation>
    </message>
    <message>
        <source>Idle loop (%d s):</source>
        <extracomment>%d the idle loop&apos;s delay in seconds; its Arch Numbers follow.</extracomment>
        <translation>Ruheschleife (%d s):</translation>
    </message>
    <message>
        <source>Idle loop (%d s, no video):</source>
        <extracomment>As the text before, for an idle loop that shows no video.</extracomment>
        <translation>Ruheschleife (%d s, kein Video):</translation>
    </message>
    <message>
        <source>Inputs:</source>
        <extracomment>Heading of the list of inputs.</extracomment>
        <translation>Eingänge:</translation>
    </message>
    <message>
        <source>  (non-pageable)</source>
        <extracomment>After an input or number that cannot be paged.</extracomment>
        <translation>  (nicht rufbar)</translation>
    </message>
    <message>
        <source>Unassigned Arch Numbers:</source>
        <extracomment>Heading of the list of Arch Numbers given to no input.</extracomment>
        <translation>Nicht zugewiesene Arch Numbers:</translation>
    </message>
    <message>
        <source>cell 0x%04X: written 0x%02X, read 0x%02X</source>
        <extracomment>A cell a verify found different: %04X its address, %02X the byte written, %02X the byte read back.</extracomment>
        <translation>Zelle 0x%04X: geschrieben 0x%02X, gelesen 0x%02X</translation>
    </message>
    <message>
        <source>... %zu cells differ in all.</source>
        <extracomment>After the first cells a verify found different: %zu how many in all.</extracomment>
        <translation>... insgesamt %zu abweichende Zellen.</translation>
    </message>
    <message>
        <source>A unit password has at most %zu characters.</source>
        <extracomment>%zu the longest password (8).</extracomment>
        <translation>Ein Gerätepasswort hat höchstens %zu Zeichen.</translation>
    </message>
    <message>
        <source>unit held: </source>
        <extracomment>In the unit history&apos;s list: what the unit held when the copy was kept (a model and counts, erased, ...) follows.</extracomment>
        <translation>Gerät enthielt: </translation>
    </message>
    <message>
        <source>FILE.zrt</source>
        <extracomment>The arguments of `zrtpro-cli conflicts`. Keep option names and the words between |; placeholders in capitals may be translated.</extracomment>
        <translation>DATEI.zrt</translation>
    </message>
    <message>
        <source>Prints the conflict report of the whole configuration; exits with 1 when
two inputs share an Arch Number.</source>
        <extracomment>`zrtpro-cli conflicts --help`. Keep command and option names as they are.</extracomment>
        <translation>Gibt den Konfliktbericht der ganzen Konfiguration aus; endet mit 1, wenn sich
zwei Eingänge eine Arch Number teilen.</translation>
    </message>
    <message>
        <source>FILE.zrt -o FILE</source>
        <extracomment>The arguments of `zrtpro-cli export-csv`. Keep option names and the words between |; placeholders in capitals may be translated.</extracomment>
        <translation>DATEI.zrt -o DATEI</translation>
    </message>
    <message>
        <source>Writes the input list as CSV for a spreadsheet, one row per input in tree order;
import-csv reads it back:

  port, unit, input  which input the row is for (unit and input empty for an
                     input wired to its port); needed
  arch               the Arch Number, applied; numbers move at once, the idle
                     loop follows its cameras
  name               the name, applied: at most 15 Latin-1 characters, no
                     control characters
  original_arch      written, not applied (Reset to Original puts it back)
  pageable           written, not applied (it follows the number)

Written as UTF-8, commas, CRLF. Read: commas, semicolons or tabs (found from
the header line); UTF-8 with or without a byte order mark, else Windows-1252;
header names in any order and letter case; rows of nothing but separators
skipped; other columns ignored. A cell beginning with =, +, -, @, a tab or a
carriage return is written with an apostrophe in front, so a spreadsheet shows
it as text; the import removes that apostrophe.</source>
        <extracomment>`zrtpro-cli export-csv --help`. Keep command and option names and the CSV column names as they are.</extracomment>
        <translation>Schreibt die Eingangsliste als CSV für eine Tabellenkalkulation, eine Zeile je
Eingang in der Reihenfolge des Baums; import-csv liest sie zurück:

  port, unit, input  für welchen Eingang die Zeile ist (unit und input leer für
                     einen Eingang direkt an seinem Anschluss); erforderlich
  arch               die Arch Number, wird übernommen; Nummern wechseln sofort,
                     die Ruheschleife folgt ihren Kameras
  name               der Name, wird übernommen: höchstens 15 Latin-1-Zeichen,
                     keine Steuerzeichen
  original_arch      geschrieben, nicht übernommen (das Zurücksetzen auf das
                     Original stellt sie wieder her)
  pageable           geschrieben, nicht übernommen (folgt der Nummer)

Geschrieben als UTF-8, Kommas, CRLF. Gelesen: Kommas, Semikolons oder Tabs (aus
der Kopfzeile erkannt); UTF-8 mit oder ohne Byte-Order-Mark, sonst
Windows-1252; Spaltennamen in beliebiger Reihenfolge und Groß-/Kleinschreibung;
Zeilen nur aus Trennzeichen übersprungen; andere Spalten ignoriert. Eine Zelle,
die mit =, +, -, @, einem Tab oder einem Wagenrücklauf beginnt, wird mit einem
Apostroph davor geschrieben, damit eine Tabellenkalkulation sie als Text zeigt;
der Import entfernt diesen Apostroph.</translation>
    </message>
    <message>
        <source>FILE.zrt FILE -o FILE.zrt</source>
        <extracomment>The arguments of `zrtpro-cli import-csv`. Keep option names and the words between |; placeholders in capitals may be translated.</extracomment>
        <translation>DATEI.zrt DATEI -o DATEI.zrt</translation>
    </message>
    <message>
        <source>Gives the inputs the Arch Numbers and names of a CSV file (the format of
export-csv --help): rows matched by port, unit and input, arch or name or both.
Any refused cell refuses the whole file, and every refused cell is listed (the
first 20, then how many more) with its line and column; nothing is written.
So are Arch Numbers that two inputs would share. Columns not applied are named.</source>
        <extracomment>`zrtpro-cli import-csv --help`. Keep command and option names and the CSV column names (port, unit, input, arch, name) as they are.</extracomment>
        <translation>Gibt den Eingängen die Arch Numbers und Namen einer CSV-Datei (das Format von
export-csv --help): Zeilen werden nach port, unit und input zugeordnet, arch
oder name oder beide. Eine abgelehnte Zelle lehnt die ganze Datei ab, und jede
abgelehnte Zelle wird mit Zeile und Spalte aufgeführt (die ersten 20, dann wie
viele weitere); nichts wird geschrieben. Ebenso Arch Numbers, die sich zwei
Eingänge teilen würden. Nicht übernommene Spalten werden genannt.</translation>
    </message>
    <message>
        <source>A.zrt [B.zrt] [--connect CONNECTION] [--password P] [--trace FILE] [--json]</source>
        <extracomment>The arguments of `zrtpro-cli diff`. Keep option names and the words between |; placeholders in capitals may be translated.</extracomment>
        <translation>A.zrt [B.zrt] [--connect VERBINDUNG] [--password P] [--trace DATEI] [--json]</translation>
    </message>
    <message>
        <source>Compares two configurations, as diff(1) compares files: one line per difference,
&quot;ITEM: IN A | IN B&quot; (an empty side where only one has the item); --json prints
a list of objects {&quot;item&quot;, &quot;this&quot;, &quot;other&quot;}. Exit status 0 when they are the
same, 1 when they differ, 2 on any error. With --connect the unit is read (as a
unit of A&apos;s model) and compared with A; nothing is written anywhere.
CONNECTION is serial:DEVICE[:BAUD], tcp:HOST:PORT, modem:DEVICE[:BAUD]:NUMBER,
or unitsim:EEPROM-FILE (the emulated unit, its memory in that file).</source>
        <extracomment>`zrtpro-cli diff --help`. Keep command and option names, the connection forms (serial:DEVICE[:BAUD] ...) and the --json keys as they are.</extracomment>
        <translation>Vergleicht zwei Konfigurationen, wie diff(1) Dateien vergleicht: eine Zeile je
Unterschied, &quot;ELEMENT: IN A | IN B&quot; (eine leere Seite, wo nur eine das Element
hat); --json gibt eine Liste von Objekten {&quot;item&quot;, &quot;this&quot;, &quot;other&quot;} aus.
Exit-Status 0, wenn sie gleich sind, 1, wenn sie sich unterscheiden, 2 bei
jedem Fehler. Mit --connect wird das Gerät gelesen (als Gerät des Modells von A)
und mit A verglichen; nirgends wird etwas geschrieben.
VERBINDUNG ist serial:DEVICE[:BAUD], tcp:HOST:PORT, modem:DEVICE[:BAUD]:NUMBER
oder unitsim:EEPROM-FILE (das emulierte Gerät, sein Speicher in dieser Datei).</translation>
    </message>
    <message>
        <source>FILE.zrt -o IMAGE.bin</source>
        <extracomment>The arguments of `zrtpro-cli image`. Keep option names and the words between |; placeholders in capitals may be translated.</extracomment>
        <translation>DATEI.zrt -o ABBILD.bin</translation>
    </message>
    <message>
        <source>Writes the unit memory image of a configuration, 65,536 bytes, as a write
would send it (the password and switches cells left erased, 0xFF).</source>
        <extracomment>`zrtpro-cli image --help`. Keep command and option names as they are.</extracomment>
        <translation>Schreibt das Gerätespeicherabbild einer Konfiguration, 65.536 Bytes, wie ein
Schreiben es senden würde (die Zellen für Passwort und Schalter bleiben
gelöscht, 0xFF).</translation>
    </message>
    <message>
        <source>IMAGE.bin --ports 4|8 -o FILE.zrt</source>
        <extracomment>The arguments of `zrtpro-cli decode`. Keep option names and the words between |; placeholders in capitals may be translated.</extracomment>
        <translation>ABBILD.bin --ports 4|8 -o DATEI.zrt</translation>
    </message>
    <message>
        <source>Turns a unit memory image into a configuration file, as a read from the
unit does; --ports answers the main unit model question (4: M-4400, 8: M-4800).</source>
        <extracomment>`zrtpro-cli decode --help`. Keep command and option names as they are.</extracomment>
        <translation>Macht aus einem Gerätespeicherabbild eine Konfigurationsdatei, wie ein Lesen
aus dem Gerät; --ports beantwortet die Frage nach dem Modell der Haupteinheit
(4: M-4400, 8: M-4800).</translation>
    </message>
    <message>
        <source>--port DEVICE [--init STRING]</source>
        <extracomment>The arguments of `zrtpro-cli modem-setup`. Keep option names and the words between |; placeholders in capitals may be translated.</extracomment>
        <translation>--port ANSCHLUSS [--init TEXT]</translation>
    </message>
    <message>
        <source>Gives the remote modem on DEVICE its auto-answer configuration: checks that the
modem echoes, restores factory defaults, sends the initialization string
(default ATS0=1&amp;M4&amp;K0&amp;N8&amp;B1&amp;H0&amp;R1&amp;S0) and saves it; prints the modem&apos;s log.</source>
        <extracomment>`zrtpro-cli modem-setup --help`. Keep command and option names as they are.</extracomment>
        <translation>Gibt dem entfernten Modem an ANSCHLUSS seine Konfiguration für die automatische
Rufannahme: prüft, dass das Modem ein Echo sendet, stellt die Werkseinstellungen
wieder her, sendet den Initialisierungstext (Vorgabe
ATS0=1&amp;M4&amp;K0&amp;N8&amp;B1&amp;H0&amp;R1&amp;S0) und speichert ihn; gibt das Protokoll des Modems
aus.</translation>
    </message>
    <message>
        <source>[--json]</source>
        <extracomment>The arguments of `zrtpro-cli ports`. Keep option names and the words between |; placeholders in capitals may be translated.
----------
The arguments of `zrtpro-cli history`. Keep option names and the words between |; placeholders in capitals may be translated.</extracomment>
        <translation>[--json]</translation>
    </message>
    <message>
        <source>Lists the serial ports as the connection dialog shows them: the port with its
description and USB vendor:product, its device file, the adapter&apos;s serial
number, whether this user may open it and, when a program holds it, which.
Nothing is opened. --json prints the same as a JSON array for scripts: device,
label, description, manufacturer, usb (null when not USB), serialNumber,
mayOpen, heldBy ({program, pid} or null).</source>
        <extracomment>`zrtpro-cli ports --help`. Keep command and option names and the --json keys as they are.</extracomment>
        <translation>Listet die seriellen Anschlüsse, wie der Verbindungsdialog sie zeigt: den
Anschluss mit Beschreibung und USB-Hersteller:Produkt, seine Gerätedatei, die
Seriennummer des Adapters, ob dieser Benutzer ihn öffnen darf und, wenn ein
Programm ihn belegt, welches. Nichts wird geöffnet. --json gibt dasselbe als
JSON-Array für Skripte aus: device, label, description, manufacturer, usb (null,
wenn nicht USB), serialNumber, mayOpen, heldBy ({program, pid} oder null).</translation>
    </message>
    <message>
        <source>FILE.zrt -o REPORT.pdf [--paper A4|Letter]</source>
        <extracomment>The arguments of `zrtpro-cli report`. Keep option names and the words between |; placeholders in capitals may be translated.</extracomment>
        <translation>DATEI.zrt -o BERICHT.pdf [--paper A4|Letter]</translation>
    </message>
    <message>
        <source>Writes the printed configuration report of FILE.zrt as a PDF file, on A4
paper unless --paper Letter is given. The PDF is replaced only when it was
written whole.</source>
        <extracomment>`zrtpro-cli report --help`. Keep command and option names as they are.</extracomment>
        <translation>Schreibt den gedruckten Konfigurationsbericht von DATEI.zrt als PDF-Datei, auf
A4-Papier, wenn nicht --paper Letter angegeben ist. Das PDF wird nur ersetzt,
wenn es vollständig geschrieben wurde.</translation>
    </message>
    <message>
        <source>FILE.zrt [--json]</source>
        <extracomment>The arguments of `zrtpro-cli show`. Keep option names and the words between |; placeholders in capitals may be translated.</extracomment>
        <translation>DATEI.zrt [--json]</translation>
    </message>
    <message>
        <source>Prints the whole configuration: system, settings, idle loop, every node and the
unassigned Arch Numbers. --json prints one object keyed by the model&apos;s member names.</source>
        <extracomment>`zrtpro-cli show --help`. Keep command and option names and the --json keys as they are.</extracomment>
        <translation>Gibt die ganze Konfiguration aus: System, Einstellungen, Ruheschleife, jeden
Knoten und die nicht zugewiesenen Arch Numbers. --json gibt ein Objekt aus,
dessen Schlüssel die Namen der Felder des Modells sind.</translation>
    </message>
    <message>
        <source>FILE.zrt --connect CONNECTION [--password P] [--new-password P] [--verify] [--no-backup] [--force] [--trace FILE]</source>
        <extracomment>The arguments of `zrtpro-cli write`. Keep option names and the words between |; placeholders in capitals may be translated.</extracomment>
        <translation>DATEI.zrt --connect VERBINDUNG [--password P] [--new-password P] [--verify] [--no-backup] [--force] [--trace DATEI]</translation>
    </message>
    <message>
        <source>Writes a configuration into a unit: erases its memory and writes every cell.
First it reads the unit&apos;s whole memory and keeps it in the unit history
(&quot;Unit memory kept in PATH&quot;), then says what the write changes: how many
differences, or that the unit is erased, partly written or holds nothing this
program can read. A unit that seems to hold another site, or nothing it can
read, is refused unless --force is given; the copy is kept either way.
--no-backup only skips keeping the copy (no file is stored): the unit is
still read and checked, and refused, as above.
--password opens a unit that has one; --new-password gives the unit a new one
(at most 8 characters); --verify reads the unit back and compares, and lists
the first cells that differ. --trace FILE records every frame and time-out
(the password masked). Ctrl+C, or Esc at a terminal, stops the write after
the message in flight.
CONNECTION is serial:DEVICE[:BAUD], tcp:HOST:PORT, rfc2217:HOST:PORT[:BAUD] (a
device server&apos;s RFC 2217 port, its line set to BAUD), modem:DEVICE[:BAUD]:NUMBER,
or unitsim:EEPROM-FILE (the emulated unit, its memory in that file).</source>
        <extracomment>`zrtpro-cli write --help`. Keep command and option names and the connection forms (serial:DEVICE[:BAUD] ...) as they are.</extracomment>
        <translation>Schreibt eine Konfiguration in ein Gerät: löscht seinen Speicher und schreibt
jede Zelle. Zuerst liest es den ganzen Speicher des Geräts und bewahrt ihn im
Geräteverlauf auf (die Meldung nennt den Pfad), dann sagt es, was das Schreiben
ändert: wie viele Unterschiede, oder dass das Gerät gelöscht oder teilweise
beschrieben ist oder nichts enthält, was dieses Programm lesen kann. Ein Gerät,
das eine andere Anlage zu enthalten scheint oder nichts Lesbares, wird
abgelehnt, außer mit --force; die Kopie wird in jedem Fall aufbewahrt.
--no-backup lässt nur das Aufbewahren der Kopie aus (keine Datei wird
gespeichert): das Gerät wird trotzdem gelesen, geprüft und wie oben abgelehnt.
--password öffnet ein Gerät, das eines hat; --new-password gibt dem Gerät ein
neues (höchstens 8 Zeichen); --verify liest das Gerät zurück, vergleicht und
listet die ersten abweichenden Zellen. --trace DATEI zeichnet jeden Rahmen und
jede Zeitüberschreitung auf (das Passwort verdeckt). Strg+C oder Esc an einem
Terminal hält das Schreiben nach der laufenden Nachricht an.
VERBINDUNG ist serial:DEVICE[:BAUD], tcp:HOST:PORT, rfc2217:HOST:PORT[:BAUD]
(der RFC-2217-Anschluss eines Geräteservers, seine Leitung auf BAUD gestellt),
modem:DEVICE[:BAUD]:NUMBER oder unitsim:EEPROM-FILE (das emulierte Gerät, sein
Speicher in dieser Datei).</translation>
    </message>
    <message>
        <source>IMAGE --connect CONNECTION [--password P] [--verify] [--trace FILE]</source>
        <extracomment>The arguments of `zrtpro-cli restore`. Keep option names and the words between |; placeholders in capitals may be translated.</extracomment>
        <translation>ABBILD --connect VERBINDUNG [--password P] [--verify] [--trace DATEI]</translation>
    </message>
    <message>
        <source>Writes a unit memory image of 65,536 bytes (a copy from the unit history)
back into a unit, exactly, as a write does: the unit&apos;s memory is kept in the
history first, and what the restore changes is said. The unit keeps its own
switches cell and its present password (the one --password opens it with):
a unit never shows its password, so no copy holds one. --verify reads the
unit back and compares.
CONNECTION is serial:DEVICE[:BAUD], tcp:HOST:PORT, modem:DEVICE[:BAUD]:NUMBER,
or unitsim:EEPROM-FILE (the emulated unit, its memory in that file).</source>
        <extracomment>`zrtpro-cli restore --help`. Keep command and option names and the connection forms (serial:DEVICE[:BAUD] ...) as they are.</extracomment>
        <translation>Schreibt ein Gerätespeicherabbild von 65.536 Bytes (eine Kopie aus dem
Geräteverlauf) genau so in ein Gerät zurück, wie ein Schreiben es tut: der
Speicher des Geräts wird zuerst im Verlauf aufbewahrt, und es wird gesagt, was
das Wiederherstellen ändert. Das Gerät behält seine eigene Schalterzelle und
sein jetziges Passwort (das, mit dem --password es öffnet): ein Gerät zeigt
sein Passwort nie, daher enthält keine Kopie eines. --verify liest das Gerät
zurück und vergleicht.
VERBINDUNG ist serial:DEVICE[:BAUD], tcp:HOST:PORT, modem:DEVICE[:BAUD]:NUMBER
oder unitsim:EEPROM-FILE (das emulierte Gerät, sein Speicher in dieser Datei).</translation>
    </message>
    <message>
        <source>Lists the unit history, newest first: the copies of units&apos; memory kept
before every write and restore (unless write --no-backup) and by every read
(this tool&apos;s and the window&apos;s), each with its time, kind (read, before
write, before restore), connection, what was then written (the
configuration&apos;s title, or the copy restored; nothing for a read), what the
unit held (read from the copy: model and counts, erased, partly written, or
not a configuration) and the path of its 65,536-byte image. The newest 100
are kept, newest in the order they were kept, whatever the clock says.
--json prints an array of objects with time, kind, connection, site (what
was written), model, cameraUnits, inputs, erased, partlyWritten, held (the
text), written (as site), sequence (the order kept) and path.</source>
        <extracomment>`zrtpro-cli history --help`. Keep command and option names and the --json keys as they are.</extracomment>
        <translation>Listet den Geräteverlauf, neueste zuerst: die Kopien des Gerätespeichers, die
vor jedem Schreiben und Wiederherstellen (außer bei write --no-backup) und bei
jedem Lesen (dieses Werkzeugs und des Fensters) aufbewahrt wurden, jede mit
Zeit, Art (Lesen, vor dem Schreiben, vor dem Wiederherstellen), Verbindung, was
damals geschrieben wurde (der Titel der Konfiguration oder die
wiederhergestellte Kopie; nichts bei einem Lesen), was das Gerät enthielt (aus
der Kopie gelesen: Modell und Anzahlen, gelöscht, teilweise beschrieben oder
keine Konfiguration) und dem Pfad ihres 65.536-Byte-Abbilds. Die neuesten 100
werden aufbewahrt, die neuesten in der Reihenfolge ihres Aufbewahrens, gleich
was die Uhr sagt.
--json gibt ein Array von Objekten aus mit time, kind, connection, site (was
geschrieben wurde), model, cameraUnits, inputs, erased, partlyWritten, held
(der Text), written (wie site), sequence (die Reihenfolge des Aufbewahrens)
und path.</translation>
    </message>
    <message>
        <source>--connect CONNECTION --ports 4|8 [--password P] [--trace FILE] -o FILE.zrt</source>
        <extracomment>The arguments of `zrtpro-cli read`. Keep option names and the words between |; placeholders in capitals may be translated.</extracomment>
        <translation>--connect VERBINDUNG --ports 4|8 [--password P] [--trace DATEI] -o DATEI.zrt</translation>
    </message>
    <message>
        <source>Reads a unit&apos;s configuration into a new configuration file; --ports answers
the main unit model question (4: M-4400, 8: M-4800). The unit&apos;s memory is
kept in the unit history too, as the window&apos;s Read keeps it (&quot;Unit memory
kept in PATH&quot;). Ctrl+C, or Esc at a terminal, stops the read after the
message in flight.
CONNECTION is serial:DEVICE[:BAUD], tcp:HOST:PORT, rfc2217:HOST:PORT[:BAUD] (a
device server&apos;s RFC 2217 port, its line set to BAUD), modem:DEVICE[:BAUD]:NUMBER,
or unitsim:EEPROM-FILE (the emulated unit, its memory in that file).</source>
        <extracomment>`zrtpro-cli read --help`. Keep command and option names and the connection forms (serial:DEVICE[:BAUD] ...) as they are.</extracomment>
        <translation>Liest die Konfiguration eines Geräts in eine neue Konfigurationsdatei; --ports
beantwortet die Frage nach dem Modell der Haupteinheit (4: M-4400, 8: M-4800).
Der Speicher des Geräts wird auch im Geräteverlauf aufbewahrt, wie das Lesen im
Fenster ihn aufbewahrt (die Meldung nennt den Pfad). Strg+C oder Esc an einem
Terminal hält das Lesen nach der laufenden Nachricht an.
VERBINDUNG ist serial:DEVICE[:BAUD], tcp:HOST:PORT, rfc2217:HOST:PORT[:BAUD]
(der RFC-2217-Anschluss eines Geräteservers, seine Leitung auf BAUD gestellt),
modem:DEVICE[:BAUD]:NUMBER oder unitsim:EEPROM-FILE (das emulierte Gerät, sein
Speicher in dieser Datei).</translation>
    </message>
    <message>
        <source>--connect CONNECTION [--password P] [--trace FILE]</source>
        <extracomment>The arguments of `zrtpro-cli set-time`. Keep option names and the words between |; placeholders in capitals may be translated.</extracomment>
        <translation>--connect VERBINDUNG [--password P] [--trace DATEI]</translation>
    </message>
    <message>
        <source>Sets the unit&apos;s clock from this computer&apos;s local time.
CONNECTION is serial:DEVICE[:BAUD], tcp:HOST:PORT, rfc2217:HOST:PORT[:BAUD] (a
device server&apos;s RFC 2217 port, its line set to BAUD), modem:DEVICE[:BAUD]:NUMBER,
or unitsim:EEPROM-FILE (the emulated unit, its memory in that file).</source>
        <extracomment>`zrtpro-cli set-time --help`. Keep command and option names and the connection forms (serial:DEVICE[:BAUD] ...) as they are.</extracomment>
        <translation>Stellt die Uhr des Geräts nach der Ortszeit dieses Computers.
VERBINDUNG ist serial:DEVICE[:BAUD], tcp:HOST:PORT, rfc2217:HOST:PORT[:BAUD]
(der RFC-2217-Anschluss eines Geräteservers, seine Leitung auf BAUD gestellt),
modem:DEVICE[:BAUD]:NUMBER oder unitsim:EEPROM-FILE (das emulierte Gerät, sein
Speicher in dieser Datei).</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>%s: cannot be read, or larger than %d MB</source>
        <extracomment>%s is the CSV file&apos;s path, %d the largest size in megabytes.</extracomment>
        <translation>%s: kann nicht gelesen werden oder ist größer als %d MB</translation>
    </message>
    <message>
        <source>Import Inputs from CSV</source>
        <extracomment>The name of the edit as Edit &gt; Undo shows it.</extracomment>
        <translation>Eingänge aus CSV importieren</translation>
    </message>
    <message>
        <source>%s: the file is refused, nothing was changed:</source>
        <extracomment>%s is the CSV file&apos;s path; a line per refused cell follows.</extracomment>
        <translation>%s: Die Datei wird abgelehnt, nichts wurde geändert:</translation>
    </message>
    <message>
        <source>and %zu more</source>
        <extracomment>After the first refused cells: %zu is how many more there are.</extracomment>
        <translation>und %zu weitere</translation>
    </message>
    <message>
        <source>line %d, column %s: %s</source>
        <extracomment>A refused cell: %d is the line, %s the column&apos;s name (as in the file, kept English), the second %s why it is refused (one of the texts below).</extracomment>
        <translation>Zeile %d, Spalte %s: %s</translation>
    </message>
    <message>
        <source>line %d: %s</source>
        <extracomment>A refused row: %d is the line, %s why.</extracomment>
        <translation>Zeile %d: %s</translation>
    </message>
    <message>
        <source>line 1: the file has no header row; the first row names the columns</source>
        <extracomment>port, unit, input, arch and name are the CSV file&apos;s column names: keep them English.</extracomment>
        <translation>Zeile 1: Die Datei hat keine Kopfzeile; die erste Zeile nennt die Spalten</translation>
    </message>
    <message>
        <source>the column is given twice; each column once</source>
        <translation>Die Spalte ist doppelt angegeben; jede Spalte nur einmal</translation>
    </message>
    <message>
        <source>the column is missing; port, unit and input say which input a row is for</source>
        <extracomment>port, unit and input are the CSV file&apos;s column names: keep them English.</extracomment>
        <translation>Die Spalte fehlt; port, unit und input sagen, für welchen Eingang eine Zeile gilt</translation>
    </message>
    <message>
        <source>neither an arch nor a name column; a file gives arch, name or both</source>
        <extracomment>arch and name are the CSV file&apos;s column names: keep them English.</extracomment>
        <translation>Weder eine Spalte arch noch name; eine Datei gibt arch, name oder beide an</translation>
    </message>
    <message>
        <source>%zu fields where the header has %zu; every row has the header&apos;s columns</source>
        <extracomment>The first %zu is the fields of the row, the second those of the header row.</extracomment>
        <translation>%zu Felder, wo die Kopfzeile %zu hat; jede Zeile hat die Spalten der Kopfzeile</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a place number; a whole number from 1, or nothing for the unit and input of an input wired to its port</source>
        <extracomment>%s is the cell&apos;s text.</extracomment>
        <translation>„%s“ ist keine Platznummer; eine ganze Zahl ab 1, oder nichts für Einheit und Eingang eines Eingangs, der direkt an seinem Anschluss liegt</translation>
    </message>
    <message>
        <source>no such input in this configuration; the export lists every input there is</source>
        <translation>Diesen Eingang gibt es in dieser Konfiguration nicht; der Export listet alle vorhandenen Eingänge</translation>
    </message>
    <message>
        <source>the input is already given on line %d; each input once</source>
        <extracomment>%d is the line that gave the input first.</extracomment>
        <translation>Der Eingang ist schon in Zeile %d angegeben; jeder Eingang nur einmal</translation>
    </message>
    <message>
        <source>an Arch Number is needed; 1 to 4 characters, each a digit, &quot;#&quot; or &quot;*&quot;</source>
        <extracomment>&quot;Arch Number&quot; is the product&apos;s own term for the number dialled for a camera; keep it.</extracomment>
        <translation>Eine Arch Number ist nötig; 1 bis 4 Zeichen, jedes eine Ziffer, „#“ oder „*“</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not an Arch Number; 1 to 4 characters, each a digit, &quot;#&quot; or &quot;*&quot;</source>
        <extracomment>%s is the cell&apos;s text.</extracomment>
        <translation>„%s“ ist keine Arch Number; 1 bis 4 Zeichen, jedes eine Ziffer, „#“ oder „*“</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is longer than 4 characters; 1 to 4 characters, each a digit, &quot;#&quot; or &quot;*&quot;</source>
        <extracomment>%s is the cell&apos;s text.</extracomment>
        <translation>„%s“ ist länger als 4 Zeichen; 1 bis 4 Zeichen, jedes eine Ziffer, „#“ oder „*“</translation>
    </message>
    <message>
        <source>a character outside the unit&apos;s character set; letters, digits and signs of Latin-1</source>
        <translation>Ein Zeichen außerhalb des Zeichensatzes des Geräts; Buchstaben, Ziffern und Zeichen aus Latin-1</translation>
    </message>
    <message>
        <source>longer than the unit&apos;s 15 characters; at most 15 characters</source>
        <translation>Länger als die 15 Zeichen des Geräts; höchstens 15 Zeichen</translation>
    </message>
    <message>
        <source>a tab, a line break or another control character; letters, digits, signs and blanks</source>
        <translation>Ein Tabulator, ein Zeilenumbruch oder ein anderes Steuerzeichen; Buchstaben, Ziffern, Zeichen und Leerzeichen</translation>
    </message>
    <message>
        <source>%s; quote a field that holds the separator, a quote or a line end, and double the quotes inside</source>
        <extracomment>%s says what is wrong with the file&apos;s quoting (one of the three texts that follow).</extracomment>
        <translation>%s; ein Feld mit Trennzeichen, Anführungszeichen oder Zeilenende in Anführungszeichen setzen und die Anführungszeichen darin verdoppeln</translation>
    </message>
    <message>
        <source>Column &quot;%s&quot; is not known and is ignored.</source>
        <extracomment>%s is the column&apos;s name as the file has it.</extracomment>
        <translation>Die Spalte „%s“ ist unbekannt und wird übergangen.</translation>
    </message>
    <message>
        <source>Column original_arch is not applied (%d rows differ): an input keeps the number it was built with, for Reset to Original.</source>
        <extracomment>original_arch and pageable are the CSV file&apos;s column names: keep them; %d is the number of rows. &quot;Reset to Original&quot; is a button of the Arch Number page.</extracomment>
        <translation>Die Spalte original_arch wird nicht übernommen (%d Zeilen weichen ab): Ein Eingang behält die Nummer, mit der er angelegt wurde, für „Auf Original zurücksetzen“.</translation>
    </message>
    <message>
        <source>Column pageable is not applied (%d rows differ): an input is pageable when its number is one of the paging system&apos;s.</source>
        <extracomment>pageable is a CSV column name: keep it; %d is the number of rows.</extracomment>
        <translation>Die Spalte pageable wird nicht übernommen (%d Zeilen weichen ab): Ein Eingang ist rufbar, wenn seine Nummer eine der Personenrufanlage ist.</translation>
    </message>
    <message>
        <source>%d inputs would share %s</source>
        <extracomment>%d inputs (a number) would have the same Arch Number %s.</extracomment>
        <translation>%d Eingänge hätten gemeinsam %s</translation>
    </message>
    <message>
        <source>cannot be read, or larger than 64 MB</source>
        <extracomment>After the file&apos;s name and a colon.</extracomment>
        <translation>kann nicht gelesen werden oder ist größer als 64 MB</translation>
    </message>
    <message>
        <source>Recover the unsaved changes to %1 from %2?</source>
        <extracomment>Asked at start: %1 is the configuration&apos;s name, %2 the date and time the work was kept.</extracomment>
        <translation>Die nicht gespeicherten Änderungen an %1 vom %2 wiederherstellen?</translation>
    </message>
    <message>
        <source>line %d, column %d: a quoted field is not closed</source>
        <extracomment>A CSV file&apos;s quoting fault: the first %d is the line, the second the column.</extracomment>
        <translation>Zeile %d, Spalte %d: Ein Feld in Anführungszeichen ist nicht abgeschlossen</translation>
    </message>
    <message>
        <source>line %d, column %d: text after a closing quote</source>
        <extracomment>A CSV file&apos;s quoting fault: the first %d is the line, the second the column.</extracomment>
        <translation>Zeile %d, Spalte %d: Text nach einem schließenden Anführungszeichen</translation>
    </message>
    <message>
        <source>line %d, column %d: a quote inside an unquoted field</source>
        <extracomment>A CSV file&apos;s quoting fault: the first %d is the line, the second the column.</extracomment>
        <translation>Zeile %d, Spalte %d: Ein Anführungszeichen in einem Feld ohne Anführungszeichen</translation>
    </message>
    <message>
        <source>Model</source>
        <extracomment>An item of the differences: the unit&apos;s model (M-4400, M-4800).</extracomment>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Camera interface units</source>
        <extracomment>An item of the differences: how many camera interface units the unit has.</extracomment>
        <translation>Kamera-Schnittstelleneinheiten</translation>
    </message>
    <message>
        <source>Paging system</source>
        <extracomment>An item of the differences: the paging system the numbers came from.</extracomment>
        <translation>Personenrufanlage</translation>
    </message>
    <message>
        <source>Digits</source>
        <extracomment>An item of the differences: how many digits an Arch Number has.</extracomment>
        <translation>Stellen</translation>
    </message>
    <message>
        <source>Priority</source>
        <extracomment>An item of the differences: which of the telephone and the PC wins.</extracomment>
        <translation>Vorrang</translation>
    </message>
    <message>
        <source>Time refresh from the PC</source>
        <translation>Zeitabgleich vom PC</translation>
    </message>
    <message>
        <source>Time refresh from SMDR</source>
        <extracomment>SMDR is the telephone system&apos;s call record line; keep the name.</extracomment>
        <translation>Zeitabgleich über SMDR</translation>
    </message>
    <message>
        <source>Administrator Arch Number %s</source>
        <extracomment>An item of the differences: %s is the video output (1 to 4) the administrator belongs to.</extracomment>
        <translation>Administrator-Arch-Number %s</translation>
    </message>
    <message>
        <source>Idle loop delay</source>
        <translation>Verweildauer der Ruheschleife</translation>
    </message>
    <message>
        <source>Idle loop without video</source>
        <translation>Ruheschleife ohne Video</translation>
    </message>
    <message>
        <source>Idle loop entry %s</source>
        <extracomment>An item of the differences: %s is the place in the idle loop (1, 2, ...).</extracomment>
        <translation>Ruheschleife, Eintrag %s</translation>
    </message>
    <message>
        <source>%s Arch Number</source>
        <extracomment>An item of the differences: %s is an input as the tree names it (&quot;Input 3&quot;).</extracomment>
        <translation>%s Arch Number</translation>
    </message>
    <message>
        <source>%s original Arch Number</source>
        <extracomment>%s is an input as the tree names it; the number it had when the configuration was made.</extracomment>
        <translation>%s ursprüngliche Arch Number</translation>
    </message>
    <message>
        <source>%s name</source>
        <extracomment>%s is an input as the tree names it; the camera&apos;s name.</extracomment>
        <translation>%s Name</translation>
    </message>
    <message>
        <source>%s pageable</source>
        <extracomment>%s is an input as the tree names it; whether the paging system can call it up.</extracomment>
        <translation>%s rufbar</translation>
    </message>
    <message>
        <source>Unassigned %s</source>
        <extracomment>An item of the differences: %s is an Arch Number no input has.</extracomment>
        <translation>Nicht zugewiesen %s</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>A value in the differences.</extracomment>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <extracomment>A value in the differences.</extracomment>
        <translation>nein</translation>
    </message>
    <message>
        <source>present</source>
        <extracomment>A value in the differences: the configuration has this input.</extracomment>
        <translation>vorhanden</translation>
    </message>
    <message>
        <source>unassigned</source>
        <extracomment>A value in the differences: the Arch Number is kept without an input.</extracomment>
        <translation>nicht zugewiesen</translation>
    </message>
    <message>
        <source>, non-pageable</source>
        <extracomment>Follows &quot;unassigned&quot; (and a name) in the differences.</extracomment>
        <translation>, nicht rufbar</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A value of the item &quot;Paging system&quot;: the configuration has none.</extracomment>
        <translation>keine</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>A value of the item &quot;Paging system&quot;: a code this program does not know.</extracomment>
        <translation>unbekannt</translation>
    </message>
</context>
<context>
    <name>DocumentWidgets</name>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <extracomment>Edit menu entry; keep the shortcut after the tab.</extracomment>
        <translation>&amp;Rückgängig	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Shift+Z</source>
        <extracomment>Edit menu entry; keep the shortcut after the tab.</extracomment>
        <translation>&amp;Wiederherstellen	Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <extracomment>Edit menu entry; %1 is the name of the edit (e.g. &quot;Change Priority&quot;).</extracomment>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <extracomment>Edit menu entry; %1 is the name of the edit (e.g. &quot;Change Priority&quot;).</extracomment>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>Tooltip; %1 is the name of the edit.</extracomment>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <extracomment>Tooltip; %1 is the name of the edit.</extracomment>
        <translation>Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <extracomment>Title of the differences dialog and of the file chooser that opens it.</extracomment>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>These differences are out of date: what they compared has been replaced since (another configuration opened, read or imported, or the unit written). Compare again to see the differences now.</source>
        <translation>Diese Unterschiede sind veraltet: Was sie verglichen haben, wurde inzwischen ersetzt (eine andere Konfiguration geöffnet, gelesen oder importiert, oder das Gerät beschrieben). Vergleichen Sie erneut, um die jetzigen Unterschiede zu sehen.</translation>
    </message>
    <message>
        <source>Compare &amp;Again</source>
        <extracomment>Button of the differences dialog.</extracomment>
        <translation>&amp;Erneut vergleichen</translation>
    </message>
    <message>
        <source>Import Inputs from CSV</source>
        <extracomment>Title of the CSV import preview and its file chooser.</extracomment>
        <translation>Eingänge aus CSV importieren</translation>
    </message>
    <message>
        <source>After the import</source>
        <extracomment>Column heading of the import preview: the value the import gives.</extracomment>
        <translation>Nach dem Import</translation>
    </message>
    <message>
        <source>Input list saved to %1</source>
        <extracomment>Status bar; %1 is the CSV file&apos;s path.</extracomment>
        <translation>Eingangsliste gespeichert in %1</translation>
    </message>
    <message>
        <source>Inputs imported from %1</source>
        <extracomment>Status bar; %1 is the CSV file&apos;s path.</extracomment>
        <translation>Eingänge importiert aus %1</translation>
    </message>
    <message>
        <source>Another input would hold this Arch Number too</source>
        <translation>Ein anderer Eingang hätte diese Arch Number ebenfalls</translation>
    </message>
    <message>
        <source>Inputs imported from %1. Inputs marked in the tree share an Arch Number.</source>
        <extracomment>Status bar; %1 is the CSV file&apos;s path.</extracomment>
        <translation>Eingänge importiert aus %1. Im Baum markierte Eingänge haben dieselbe Arch Number.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Error   unable to open Lunetta administrator file.  The default values were used for the administrator arch number order.</source>
        <extracomment>&quot;arch number&quot; is the product&apos;s own term for the number dialled for a camera; keep it as &quot;Arch Number&quot; in German. Lunetta is a paging system&apos;s name.</extracomment>
        <translation>Fehler: Die Lunetta-Administratordatei kann nicht geöffnet werden.  Für die Reihenfolge der Administrator-Arch-Numbers wurden die Standardwerte verwendet.</translation>
    </message>
    <message>
        <source>The Lunetta administrator file leaves these administrator slots unprogrammed; the default Arch Numbers were used:</source>
        <extracomment>A line per unprogrammed slot follows (the next text).</extracomment>
        <translation>Die Lunetta-Administratordatei lässt diese Administratorplätze unprogrammiert; es wurden die Standard-Arch-Numbers verwendet:</translation>
    </message>
    <message>
        <source>
  Video Out %d: %d</source>
        <extracomment>One line of the list above: the first %d is the Video Out (1 to 4), the second the Arch Number used for it. Keep the line break and the blanks at the start.</extracomment>
        <translation>
  Videoausgang %d: %d</translation>
    </message>
    <message>
        <source>unable to open file %s</source>
        <extracomment>%s is the file&apos;s path.</extracomment>
        <translation>Datei %s kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The Lunetta files in %s name no installed station board.</source>
        <extracomment>%s is the folder of the Lunetta files.</extracomment>
        <translation>Die Lunetta-Dateien in %s nennen keine eingebaute Teilnehmerkarte.</translation>
    </message>
    <message>
        <source>Unsupported file version -- terminating file read</source>
        <translation>Nicht unterstützte Dateiversion -- Lesen der Datei abgebrochen</translation>
    </message>
    <message>
        <source>db open error</source>
        <extracomment>The station database (an Access file) could not be opened.</extracomment>
        <translation>Fehler beim Öffnen der Datenbank</translation>
    </message>
    <message>
        <source>trouble with Clids or sysconfig database table</source>
        <extracomment>Clids and sysconfig are the names of the station database&apos;s tables; keep them.</extracomment>
        <translation>Problem mit der Datenbanktabelle Clids oder sysconfig</translation>
    </message>
    <message>
        <source>Reading the station database...</source>
        <translation>Die Teilnehmerdatenbank wird gelesen...</translation>
    </message>
    <message>
        <source>Please select a number of rows.</source>
        <extracomment>In the main unit model dialog: neither unit model was chosen.</extracomment>
        <translation>Bitte wählen Sie eine Anzahl Reihen.</translation>
    </message>
    <message>
        <source>Please choose a filename.</source>
        <translation>Bitte wählen Sie einen Dateinamen.</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <extracomment>%1 is the file name typed in the setup wizard.</extracomment>
        <translation>Die Datei %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>Please choose only one filename.</source>
        <translation>Bitte wählen Sie nur einen Dateinamen.</translation>
    </message>
    <message>
        <source>Please specify an Integer</source>
        <extracomment>A field of the setup wizard that needs a whole number holds something else.</extracomment>
        <translation>Bitte geben Sie eine ganze Zahl an</translation>
    </message>
    <message>
        <source>Please enter an integer from 0 to 8</source>
        <translation>Bitte geben Sie eine ganze Zahl von 0 bis 8 ein</translation>
    </message>
    <message>
        <source>Please select a system type.</source>
        <translation>Bitte wählen Sie eine Anlagenart.</translation>
    </message>
    <message>
        <source>Please enter a value.</source>
        <translation>Bitte geben Sie einen Wert ein.</translation>
    </message>
    <message>
        <source>Please enter a 2 or 3 for Default Dial Plan digits.</source>
        <translation>Bitte geben Sie 2 oder 3 als Stellenzahl des Standard-Wählplans ein.</translation>
    </message>
    <message>
        <source>For Quillon systems, when the number of dial plan digits is 2 the maximum number of expansion ports is 3.

Please enter a value of 3 or less</source>
        <extracomment>Quillon is a paging system&apos;s name; keep the line breaks.</extracomment>
        <translation>Bei Quillon-Anlagen mit 2 Stellen im Wählplan sind höchstens 3 Erweiterungsanschlüsse möglich.

Bitte geben Sie einen Wert von höchstens 3 ein</translation>
    </message>
    <message>
        <source>Please enter an integer from 0 to 8.</source>
        <translation>Bitte geben Sie eine ganze Zahl von 0 bis 8 ein.</translation>
    </message>
    <message>
        <source>Please enter an integer from 1 to 15.</source>
        <translation>Bitte geben Sie eine ganze Zahl von 1 bis 15 ein.</translation>
    </message>
    <message>
        <source>Please enter an integer from 0 to 3.</source>
        <translation>Bitte geben Sie eine ganze Zahl von 0 bis 3 ein.</translation>
    </message>
    <message>
        <source>A M-4400 unit with one row of BNC connectors supports
a maximum of 4 EM-4500 Camera Interface Units.

Please enter a number from 0 to 4.</source>
        <extracomment>EM-4500 and M-4400 are product names; keep the line breaks.</extracomment>
        <translation>Ein M-4400-Gerät mit einer Reihe BNC-Buchsen unterstützt
höchstens 4 EM-4500-Kamera-Schnittstelleneinheiten.

Bitte geben Sie eine Zahl von 0 bis 4 ein.</translation>
    </message>
    <message>
        <source>Please select the number of M-4400 rows</source>
        <translation>Bitte wählen Sie die Anzahl der M-4400-Reihen</translation>
    </message>
    <message>
        <source>Please select an input method.</source>
        <translation>Bitte wählen Sie eine Eingabeart.</translation>
    </message>
    <message>
        <source>Number of Expansion Units:</source>
        <extracomment>Label of a setup wizard field, before the number.</extracomment>
        <translation>Anzahl der Erweiterungseinheiten:</translation>
    </message>
    <message>
        <source>Number of Station Cards:</source>
        <extracomment>Label of a setup wizard field for a Lunetta system, before the number.</extracomment>
        <translation>Anzahl der Teilnehmerkarten:</translation>
    </message>
    <message>
        <source>Error, unable to initialize the tree view.(file new)</source>
        <extracomment>An internal fault; the text in brackets says where it happened.</extracomment>
        <translation>Fehler, die Baumansicht kann nicht eingerichtet werden.(file new)</translation>
    </message>
    <message>
        <source>Error, unable to initialize the tree view.(left tree runwizard)</source>
        <translation>Fehler, die Baumansicht kann nicht eingerichtet werden.(left tree runwizard)</translation>
    </message>
    <message>
        <source>Could not find file &apos;%s&apos;.</source>
        <translation>Die Datei „%s“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a Jet/Access database that can be read.</source>
        <translation>„%s“ ist keine lesbare Jet/Access-Datenbank.</translation>
    </message>
    <message>
        <source>The database has no table &apos;%s&apos;.</source>
        <translation>Die Datenbank hat keine Tabelle „%s“.</translation>
    </message>
    <message>
        <source>The table &apos;%s&apos; has no column &apos;%s&apos;.</source>
        <extracomment>The first %s is the table&apos;s name, the second the column&apos;s.</extracomment>
        <translation>Die Tabelle „%s“ hat keine Spalte „%s“.</translation>
    </message>
    <message>
        <source>No current record: the table &apos;%s&apos; holds no rows.</source>
        <translation>Kein aktueller Datensatz: Die Tabelle „%s“ enthält keine Zeilen.</translation>
    </message>
    <message>
        <source>The value &apos;%s&apos; of column &apos;%s&apos; is not a number from 0 to 255.</source>
        <extracomment>The first %s is the value read, the second the column&apos;s name.</extracomment>
        <translation>Der Wert „%s“ der Spalte „%s“ ist keine Zahl von 0 bis 255.</translation>
    </message>
    <message>
        <source>The database engine stopped while reading &apos;%s&apos;: the file is damaged.</source>
        <translation>Das Datenbankprogramm hat beim Lesen von „%s“ angehalten: Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>The database engine could not be started to read &apos;%s&apos;.</source>
        <extracomment>%s is the database file&apos;s path.</extracomment>
        <translation>Das Datenbankprogramm zum Lesen von „%s“ konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>ImportWidgets</name>
    <message>
        <source>NEXIL Video Switcher Programming Tool Setup</source>
        <extracomment>Title of the New wizard (File &gt; New).</extracomment>
        <translation>NEXIL Programmierwerkzeug für Videoumschalter – Einrichtung</translation>
    </message>
    <message>
        <source>M-4400 Configuration Wizard</source>
        <extracomment>Heading inside the New wizard; M-4400 is the product&apos;s name.</extracomment>
        <translation>M-4400-Konfigurationsassistent</translation>
    </message>
    <message>
        <source>Please select one of the following:</source>
        <extracomment>Heading of the three ways to start a configuration.</extracomment>
        <translation>Bitte wählen Sie eine der folgenden Möglichkeiten:</translation>
    </message>
    <message>
        <source>&amp;Specify Filename</source>
        <extracomment>Radio button; keep the access key (&amp;) unique in the wizard.</extracomment>
        <translation>&amp;Dateiname angeben</translation>
    </message>
    <message>
        <source>Specify &amp;Configuration</source>
        <extracomment>Radio button; keep the access key (&amp;) unique in the wizard.</extracomment>
        <translation>&amp;Konfiguration angeben</translation>
    </message>
    <message>
        <source>Read &amp;M-4400 unit</source>
        <extracomment>Radio button; keep the access key (&amp;) unique in the wizard.</extracomment>
        <translation>&amp;M-4400-Gerät lesen</translation>
    </message>
    <message>
        <source>Specify an NEXIL Filename:</source>
        <translation>NEXIL-Dateiname angeben:</translation>
    </message>
    <message>
        <source>OR, Specify a Quillon, Lunetta or M-7700 Filename:</source>
        <extracomment>Quillon, Lunetta and M-7700 are paging systems&apos; names.</extracomment>
        <translation>ODER einen Quillon-, Lunetta- oder M-7700-Dateinamen angeben:</translation>
    </message>
    <message>
        <source>Browse</source>
        <extracomment>Button that opens a file chooser.</extracomment>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Browse for an NEXIL file</source>
        <extracomment>What a screen reader calls the first Browse button.</extracomment>
        <translation>Nach einer NEXIL-Datei suchen</translation>
    </message>
    <message>
        <source>Browse for a paging system file</source>
        <extracomment>What a screen reader calls the second Browse button.</extracomment>
        <translation>Nach einer Datei der Personenrufanlage suchen</translation>
    </message>
    <message>
        <source>Paging System Description</source>
        <translation>Beschreibung der Personenrufanlage</translation>
    </message>
    <message>
        <source>&amp;Quillon</source>
        <extracomment>Radio button: the paging system&apos;s name; keep it, with an access key unique in the wizard.</extracomment>
        <translation>&amp;Quillon</translation>
    </message>
    <message>
        <source>&amp;Lunetta</source>
        <extracomment>Radio button: the paging system&apos;s name; keep it, with an access key unique in the wizard.</extracomment>
        <translation>&amp;Lunetta</translation>
    </message>
    <message>
        <source>MC-77/M-7&amp;700</source>
        <extracomment>Radio button: the paging system&apos;s name; keep it, with an access key unique in the wizard.</extracomment>
        <translation>MC-77/M-7&amp;700</translation>
    </message>
    <message>
        <source>Number of Digits in Default Dialing Plan</source>
        <translation>Stellenzahl im Standard-Wählplan</translation>
    </message>
    <message>
        <source>M-4400 / 4500 Hardware</source>
        <translation>M-4400-/4500-Hardware</translation>
    </message>
    <message>
        <source>Number of M-4500 Camera Interface Units</source>
        <translation>Anzahl der M-4500-Kamera-Schnittstelleneinheiten</translation>
    </message>
    <message>
        <source>Using a M-4400 Master Unit (4 Port)</source>
        <translation>Mit einer M-4400-Haupteinheit (4 Anschlüsse)</translation>
    </message>
    <message>
        <source>Using a M-4800 Master Unit (8 Port)</source>
        <translation>Mit einer M-4800-Haupteinheit (8 Anschlüsse)</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <extracomment>Button that builds the configuration; keep the access key unique in the wizard.</extracomment>
        <translation>&amp;Fertig stellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button; no access key: Alt+C belongs to Specify Configuration, Esc cancels.
----------
Button of the progress dialog of a station database read.</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please select the main unit model number</source>
        <extracomment>Title of the main unit model dialog.</extracomment>
        <translation>Bitte wählen Sie das Modell der Haupteinheit</translation>
    </message>
    <message>
        <source>The M-4400 main unit (4 port)</source>
        <translation>Die Haupteinheit M-4400 (4 Anschlüsse)</translation>
    </message>
    <message>
        <source>The M-4800 main unit (8 port)</source>
        <translation>Die Haupteinheit M-4800 (8 Anschlüsse)</translation>
    </message>
    <message>
        <source>Select number of expansion units:</source>
        <translation>Anzahl der Erweiterungseinheiten wählen:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Model</name>
    <message>
        <source>Cannot open file:%s,version #:%d, is illegal.<byte value="xd"/>
It may not be a valid NEXIL system file.</source>
        <extracomment>A configuration file of an unknown version; %s is the file&apos;s path, %d the version number read from it.</extracomment>
        <translation>Datei kann nicht geöffnet werden:%s, Versionsnummer:%d ist ungültig.<byte value="xd"/>
Es ist vielleicht keine gültige NEXIL-Anlagendatei.</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Unerwartetes Dateiformat.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Das Dokument konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Das Dokument konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <extracomment>Asked before closing unsaved work; %1 is the configuration&apos;s file name.</extracomment>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Arch number conflicts exist, This may include the Non-Pageable Arch numbers, cannot save.</source>
        <extracomment>&quot;Arch number&quot; is the product&apos;s own term for the number dialled for a camera (keep it as &quot;Arch Number&quot; in German).</extracomment>
        <translation>Es gibt Konflikte bei Arch Numbers, möglicherweise auch bei den nicht rufbaren Arch Numbers; Speichern nicht möglich.</translation>
    </message>
    <message>
        <source>Arch number conflicts exist, This may include the Non-Pageable Arch numbers, cannot save.

Close without Saving?  The current data will be lost.</source>
        <extracomment>Asked with Yes/No when closing a configuration that cannot be saved.</extracomment>
        <translation>Es gibt Konflikte bei Arch Numbers, möglicherweise auch bei den nicht rufbaren Arch Numbers; Speichern nicht möglich.

Ohne Speichern schließen?  Die aktuellen Daten gehen verloren.</translation>
    </message>
    <message>
        <source>Modified</source>
        <extracomment>The status bar&apos;s mark of unsaved changes.</extracomment>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>untitled</source>
        <extracomment>The name of a configuration never saved: the window&apos;s title and the file name Save As proposes.</extracomment>
        <translation>unbenannt</translation>
    </message>
    <message>
        <source>%1 System</source>
        <extracomment>The top of the configuration tree; %1 is the configuration&apos;s name without its extension (&quot;Hotel&quot; for Hotel.zrt, or &quot;untitled&quot;).</extracomment>
        <translation>System %1</translation>
    </message>
</context>
<context>
    <name>Modem</name>
    <message>
        <source>Configuring M-4400 REMOTE modem</source>
        <extracomment>Status bar text while the remote modem dialog is open. REMOTE is the modem at the unit&apos;s end of the telephone line.</extracomment>
        <translation>Modem am M-4400 (GEGENSTELLE) wird eingerichtet</translation>
    </message>
    <message>
        <source>Ready</source>
        <extracomment>Status bar text when the remote modem dialog was left before its last step.</extracomment>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Remote modem set up.</source>
        <extracomment>Status bar text after the remote modem dialog&apos;s last step.</extracomment>
        <translation>Modem der Gegenstelle eingerichtet.</translation>
    </message>
    <message>
        <source>Remote modem not set up: it did not answer every command.</source>
        <extracomment>Status bar text after the remote modem dialog&apos;s last step when the modem did not answer.</extracomment>
        <translation>Modem der Gegenstelle nicht eingerichtet: Es hat nicht auf jeden Befehl geantwortet.</translation>
    </message>
    <message>
        <source>Configure Remote Modem</source>
        <extracomment>Title of the remote modem dialog.</extracomment>
        <translation>Modem der Gegenstelle einrichten</translation>
    </message>
    <message>
        <source>Ensure the remote modem&apos;s DIP switches are configured to provide offline command echo.  For the US ROBOTICS 56K external Faxmodem the suggested settings for switches 1-8 are:  DUUUUUUD (U=up, D=down).  After verifying the switch settings, power cycle the modem so the new settings will take effect.  Then press the Proceed to next step button.</source>
        <extracomment>Instructions of step 1. DUUUUUUD stays as it is. &quot;Proceed to next step&quot; is the dialog&apos;s button: use its translation.</extracomment>
        <translation>Stellen Sie die DIP-Schalter des Modems der Gegenstelle so ein, dass es Befehle im Offline-Betrieb als Echo zurückgibt.  Für das externe Faxmodem US ROBOTICS 56K werden für die Schalter 1-8 diese Stellungen empfohlen:  DUUUUUUD (U=oben, D=unten).  Schalten Sie das Modem nach dem Prüfen der Schalter aus und wieder ein, damit die neuen Einstellungen wirksam werden.  Drücken Sie dann die Schaltfläche „Weiter zum nächsten Schritt“.</translation>
    </message>
    <message>
        <source>Connect the remote modem (the one that will be used with the M-4400) to a known COM port on this PC.  Then select this port in the dropdown box below.  Warning: The dropdown box lists every COM port on this PC, whether in use or not.  Then press the Proceed to next step button.</source>
        <extracomment>Instructions of step 2. &quot;Proceed to next step&quot; is the dialog&apos;s button: use its translation.</extracomment>
        <translation>Schließen Sie das Modem der Gegenstelle (das später am M-4400 betrieben wird) an einen bekannten Anschluss dieses PCs an.  Wählen Sie diesen Anschluss dann in der Liste unten.  Achtung: Die Liste zeigt jeden Anschluss dieses PCs, ob belegt oder nicht.  Drücken Sie dann die Schaltfläche „Weiter zum nächsten Schritt“.</translation>
    </message>
    <message>
        <source>Verifying COM port availability and modem presence.  If error messages appear, go back the the previous step.  If success is reported in the log window, you may proceed to the next step by pressing the Proceed to next step button.</source>
        <extracomment>Instructions of step 3. &quot;Proceed to next step&quot; is the dialog&apos;s button: use its translation.</extracomment>
        <translation>Der Anschluss und das Modem werden geprüft.  Erscheinen Fehlermeldungen, gehen Sie zum vorigen Schritt zurück.  Meldet das Protokoll Erfolg, gelangen Sie mit der Schaltfläche „Weiter zum nächsten Schritt“ zum nächsten Schritt.</translation>
    </message>
    <message>
        <source>You may now edit the initialization string.  If you are using the recommended US Robotics 56k modem, the string shown needs no changes.  When you are finished, click the proceed button.</source>
        <extracomment>Instructions of step 4; &quot;proceed button&quot; is the dialog&apos;s &quot;Proceed to next step&quot; button.</extracomment>
        <translation>Sie können jetzt die Initialisierungszeichenfolge bearbeiten.  Mit dem empfohlenen Modem US Robotics 56k muss die angezeigte Zeichenfolge nicht geändert werden.  Klicken Sie danach auf „Weiter zum nächsten Schritt“.</translation>
    </message>
    <message>
        <source>Factory defaults have been restored, the initialization string has been used to modify them, and then the completed configuration was saved in non-volatile memory in the modem.  You can see the results in the log window below.  If no errors were reported, you are done.  Click either the quit or proceed button to exit.</source>
        <extracomment>Instructions of step 5; &quot;quit or proceed button&quot; are the dialog&apos;s &quot;Quit&quot; and &quot;Proceed to next step&quot; buttons.</extracomment>
        <translation>Die Werkseinstellungen wurden wiederhergestellt, mit der Initialisierungszeichenfolge angepasst und die fertige Konfiguration im nichtflüchtigen Speicher des Modems gespeichert.  Die Ergebnisse sehen Sie im Protokoll unten.  Wurden keine Fehler gemeldet, sind Sie fertig.  Klicken Sie zum Beenden auf „Beenden“ oder „Weiter zum nächsten Schritt“.</translation>
    </message>
    <message>
        <source>Unable to acquire </source>
        <extracomment>Log line: this text, then the serial port&apos;s name, then the next text (&quot;. Please correct ...&quot;). Keep the blank at the end.</extracomment>
        <translation>Kein Zugriff auf </translation>
    </message>
    <message>
        <source>.  Please correct the problem and go to the previous step.</source>
        <extracomment>Log line: follows the serial port&apos;s name after the text &quot;Unable to acquire &quot;. Keep the full stop and the two blanks at the start.</extracomment>
        <translation>.  Bitte beheben Sie das Problem und gehen Sie zum vorigen Schritt zurück.</translation>
    </message>
    <message>
        <source> aquired successfully.</source>
        <extracomment>Log line: follows the serial port&apos;s name; keep the blank at the start.</extracomment>
        <translation> erfolgreich geöffnet.</translation>
    </message>
    <message>
        <source>Modem verified successfully.</source>
        <extracomment>Log line.</extracomment>
        <translation>Modem erfolgreich geprüft.</translation>
    </message>
    <message>
        <source>** No reply from modem after 1 second **</source>
        <extracomment>Log line; keep the stars.</extracomment>
        <translation>** Keine Antwort vom Modem nach 1 Sekunde **</translation>
    </message>
    <message>
        <source>1. Set to factory (generic) defaults:</source>
        <extracomment>Log line before the modem&apos;s command AT&amp;F0.</extracomment>
        <translation>1. Auf Werkseinstellungen (allgemein) zurücksetzen:</translation>
    </message>
    <message>
        <source>2. Save configuration to NVRAM profile 0:</source>
        <extracomment>Log line before the modem&apos;s command AT&amp;W0. NVRAM is the modem&apos;s memory.</extracomment>
        <translation>2. Konfiguration im NVRAM-Profil 0 speichern:</translation>
    </message>
    <message>
        <source>3. Set default powerup configuration to NVRAM profile 0:</source>
        <extracomment>Log line before the modem&apos;s command ATY0.</extracomment>
        <translation>3. NVRAM-Profil 0 als Einstellung beim Einschalten festlegen:</translation>
    </message>
    <message>
        <source>4. Send brand-specific initialization string:</source>
        <extracomment>Log line before the initialization string is sent.</extracomment>
        <translation>4. Herstellerspezifische Initialisierungszeichenfolge senden:</translation>
    </message>
    <message>
        <source>5. Save completed configuration to NVRAM profile 0:</source>
        <extracomment>Log line before the modem&apos;s command AT&amp;W0.</extracomment>
        <translation>5. Fertige Konfiguration im NVRAM-Profil 0 speichern:</translation>
    </message>
</context>
<context>
    <name>PageWidgets</name>
    <message>
        <source>NEXIL Video Switcher Programming Tool </source>
        <extracomment>Heading of the overview page; the blank at the end is kept.</extracomment>
        <translation>NEXIL Programmierwerkzeug für Videoumschalter </translation>
    </message>
    <message>
        <source>Key:</source>
        <extracomment>The key at the foot of every page, to the marks that follow.</extracomment>
        <translation>Legende:</translation>
    </message>
    <message>
        <source>Conflict</source>
        <extracomment>The mark of an entry whose Arch Number another entry has too.</extracomment>
        <translation>Konflikt</translation>
    </message>
    <message>
        <source>Non-pageable</source>
        <extracomment>The mark of an Arch Number the paging system cannot call.</extracomment>
        <translation>Nicht rufbar</translation>
    </message>
    <message>
        <source>Assigned Pageable</source>
        <extracomment>The mark of a paging system&apos;s Arch Number that is assigned to an input.</extracomment>
        <translation>Rufbar, zugewiesen</translation>
    </message>
    <message>
        <source>Unassigned Pageable</source>
        <extracomment>The mark of a paging system&apos;s Arch Number no input has.</extracomment>
        <translation>Rufbar, nicht zugewiesen</translation>
    </message>
    <message>
        <source>There is no Arch Number here because an M-4500 Video Camera Interface Unit is configured for this M-4400 Video Input. 

Open this branch by clicking the &quot;+&quot;, hitting the --&gt; key or double clicking this tree element.</source>
        <extracomment>M-4500 and M-4400 are product names. &quot;--&gt;&quot; is the right arrow key.</extracomment>
        <translation>Hier gibt es keine Arch Number, weil an diesem M-4400-Videoeingang eine M-4500-Kamera-Schnittstelleneinheit konfiguriert ist. 

Öffnen Sie diesen Zweig mit einem Klick auf „+“, mit der Taste --&gt; oder mit einem Doppelklick auf diesen Eintrag.</translation>
    </message>
    <message>
        <source>This is a Non-Pageable Arch Number.</source>
        <extracomment>&quot;Arch Number&quot; is the product&apos;s own term for the number dialled for a camera; keep it.</extracomment>
        <translation>Dies ist eine nicht rufbare Arch Number.</translation>
    </message>
    <message>
        <source>Click this button to replace this view with the Arch Number selection view.</source>
        <translation>Klicken Sie auf diese Schaltfläche, um diese Ansicht durch die Auswahl der Arch Numbers zu ersetzen.</translation>
    </message>
    <message>
        <source>Non-Pageable Arch Numbers are used by the KORVA Camera Administration Tool to connect the M-4400 Video Switcher to cameras in areas without paging system zones.</source>
        <extracomment>KORVA Camera Administration Tool is a product&apos;s name; keep it.</extracomment>
        <translation>Nicht rufbare Arch Numbers nutzt das KORVA Camera Administration Tool, um den M-4400-Videoumschalter mit Kameras in Bereichen ohne Zonen der Personenrufanlage zu verbinden.</translation>
    </message>
    <message>
        <source>Arch Number List</source>
        <translation>Liste der Arch Numbers</translation>
    </message>
    <message>
        <source>Arch No.</source>
        <extracomment>Column heading: the Arch Number (abbreviated).</extracomment>
        <translation>Arch No.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column heading: the input&apos;s name.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Current Arch Number:</source>
        <translation>Aktuelle Arch Number:</translation>
    </message>
    <message>
        <source>Reset to Original</source>
        <translation>Auf Original zurücksetzen</translation>
    </message>
    <message>
        <source> Edit Arch Number and Name</source>
        <extracomment>Button; the blank at the start is kept.</extracomment>
        <translation> Arch Number und Namen bearbeiten</translation>
    </message>
    <message>
        <source>Click an Arch Number from the above list to assign it to the selected Video Switcher input.</source>
        <translation>Klicken Sie auf eine Arch Number der obigen Liste, um sie dem gewählten Eingang des Videoumschalters zuzuweisen.</translation>
    </message>
    <message>
        <source>Conflict Report</source>
        <translation>Konfliktbericht</translation>
    </message>
    <message>
        <source>Show &amp;Conflicts for Current Item Only</source>
        <extracomment>Check box; keep the access key unique on the page.</extracomment>
        <translation>&amp;Konflikte nur für den aktuellen Eintrag zeigen</translation>
    </message>
    <message>
        <source>Enter New Arch Number or Name</source>
        <extracomment>Title of the dialog that edits an Arch Number and name.</extracomment>
        <translation>Neue Arch Number oder neuen Namen eingeben</translation>
    </message>
    <message>
        <source>New Arch Number</source>
        <translation>Neue Arch Number</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Neuer Name</translation>
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
        <source>Idle Loop Editor</source>
        <translation>Ruheschleife bearbeiten</translation>
    </message>
    <message>
        <source>The arrow buttons move the selected entity between the boxes.</source>
        <extracomment>&quot;Entity&quot; means the selected Arch Number.</extracomment>
        <translation>Die Pfeilschaltflächen verschieben den gewählten Eintrag zwischen den Listen.</translation>
    </message>
    <message>
        <source>Arch Numbers:</source>
        <translation>Arch Numbers:</translation>
    </message>
    <message>
        <source>Doubleclick an Arch Number to add it to the Idle Loop.</source>
        <translation>Doppelklicken Sie auf eine Arch Number, um sie der Ruheschleife hinzuzufügen.</translation>
    </message>
    <message>
        <source>Add to Idle Loop</source>
        <extracomment>What a screen reader calls the &gt;&gt; button.</extracomment>
        <translation>Zur Ruheschleife hinzufügen</translation>
    </message>
    <message>
        <source>Remove from Idle Loop</source>
        <extracomment>What a screen reader calls the &lt;&lt; button.</extracomment>
        <translation>Aus der Ruheschleife entfernen</translation>
    </message>
    <message>
        <source>Idle Loop:</source>
        <translation>Ruheschleife:</translation>
    </message>
    <message>
        <source>Doubleclick an Arch Number to remove it from the Idle Loop.</source>
        <translation>Doppelklicken Sie auf eine Arch Number, um sie aus der Ruheschleife zu entfernen.</translation>
    </message>
    <message>
        <source>No Video during Idle?</source>
        <translation>Kein Video in der Ruhezeit?</translation>
    </message>
    <message>
        <source>Delay, seconds:</source>
        <extracomment>The seconds each camera of the idle loop is shown.</extracomment>
        <translation>Verweildauer, Sekunden:</translation>
    </message>
    <message>
        <source>&amp;Add All Arch</source>
        <extracomment>Button: adds every Arch Number to the idle loop.</extracomment>
        <translation>&amp;Alle Arch Numbers hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Clear ldle Loop</source>
        <extracomment>Button: empties the idle loop. (&quot;ldle&quot; is a typo the English keeps.)</extracomment>
        <translation>Ruheschleife &amp;leeren</translation>
    </message>
    <message>
        <source>The Idle Loop may contain 1-255 Arch Numbers.</source>
        <translation>Die Ruheschleife kann 1 bis 255 Arch Numbers enthalten.</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Vorrang</translation>
    </message>
    <message>
        <source>Set SMDR as highest priority</source>
        <extracomment>Radio button. SMDR is the telephone system&apos;s call record line: the phone.</extracomment>
        <translation>SMDR hat den höchsten Vorrang</translation>
    </message>
    <message>
        <source>Set the PC as highest priority</source>
        <translation>Der PC hat den höchsten Vorrang</translation>
    </message>
    <message>
        <source>PC and Phone have e&amp;qual priority</source>
        <extracomment>Radio button; keep the access key unique on the page.</extracomment>
        <translation>PC und Telefon haben &amp;gleichen Vorrang</translation>
    </message>
    <message>
        <source>For each M-4400 Video Out, video connections from the higher priority source can override video connections from the lower priority source.  If PC and Phone have equal priority, no video connections will be overriden.</source>
        <translation>An jedem Videoausgang des M-4400 können Videoverbindungen der Quelle mit höherem Vorrang die Videoverbindungen der Quelle mit niedrigerem Vorrang verdrängen.  Haben PC und Telefon gleichen Vorrang, wird keine Videoverbindung verdrängt.</translation>
    </message>
    <message>
        <source>Video Out to Admin mapping</source>
        <extracomment>Heading: which administrator&apos;s Arch Number each Video Out belongs to.</extracomment>
        <translation>Zuordnung Videoausgang zu Administrator</translation>
    </message>
    <message>
        <source>Admin. Arch</source>
        <extracomment>Column heading: the administrator&apos;s Arch Number (abbreviated).</extracomment>
        <translation>Admin.-Arch</translation>
    </message>
    <message>
        <source>Video Out %1</source>
        <extracomment>A row of the mapping; %1 is the Video Out (1 to 4).</extracomment>
        <translation>Videoausgang %1</translation>
    </message>
    <message>
        <source>Video Out %1, %2</source>
        <extracomment>A row of the mapping as a screen reader says it: %1 is the Video Out, %2 the Arch Number.</extracomment>
        <translation>Videoausgang %1, %2</translation>
    </message>
    <message>
        <source>New password</source>
        <extracomment>What a screen reader calls the new password field.</extracomment>
        <translation>Neues Passwort</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>To change the Administrator Arch Number Video Out mapping click on an Arch Number then use the Move Up/Down buttons.</source>
        <translation>Um die Zuordnung der Administrator-Arch-Numbers zu den Videoausgängen zu ändern, klicken Sie auf eine Arch Number und dann auf „Nach oben“ oder „Nach unten“.</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>To change the password in the M-4400 unit, enter it here and click the &quot;Accept&quot; button.  The new password will take effect after the unit is written.</source>
        <extracomment>&quot;Accept&quot; is the button beside it: use its translation.</extracomment>
        <translation>Um das Passwort im M-4400-Gerät zu ändern, geben Sie es hier ein und klicken Sie auf „Übernehmen“.  Das neue Passwort gilt, sobald das Gerät beschrieben ist.</translation>
    </message>
    <message>
        <source>Accept</source>
        <extracomment>Button that takes the new password; kPasswordExplain names it in quotes.</extracomment>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Time Update</source>
        <translation>Uhrzeit aktualisieren</translation>
    </message>
    <message>
        <source>The M-4400 can automatically refresh its internal time of day clock when video connection requests are received via SMDR or the PC.</source>
        <translation>Das M-4400 kann seine interne Uhr selbst stellen, wenn Anforderungen für Videoverbindungen über SMDR oder vom PC eintreffen.</translation>
    </message>
    <message>
        <source>Refresh time from SMDR</source>
        <translation>Uhrzeit von SMDR übernehmen</translation>
    </message>
    <message>
        <source>Refresh time from PC</source>
        <translation>Uhrzeit vom PC übernehmen</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Conflicts Exist!</source>
        <extracomment>Shown on the Arch Number page while two entries share a number.</extracomment>
        <translation>Es gibt Konflikte!</translation>
    </message>
    <message>
        <source>Legal Arch numbers have 2-4 digits and may contain digits, # or *.  Names are 15 characters in length.  Spaces will be added to the right if your entry is less than 15 characters in length.</source>
        <extracomment>Help in the Arch Number entry dialog. &quot;Arch number&quot; is the product&apos;s own term for the number dialled for a camera; keep it as &quot;Arch Number&quot; in German.</extracomment>
        <translation>Gültige Arch Numbers haben 2 bis 4 Stellen aus Ziffern, # oder *.  Namen sind 15 Zeichen lang.  Ist Ihre Eingabe kürzer als 15 Zeichen, wird sie rechts mit Leerzeichen aufgefüllt.</translation>
    </message>
    <message>
        <source>Selection not made, click on the item text to select.</source>
        <extracomment>Status bar on the Arch Number page.</extracomment>
        <translation>Nichts gewählt; klicken Sie zum Wählen auf den Text des Eintrags.</translation>
    </message>
    <message>
        <source>Error, could not find matching tree item.(init)</source>
        <extracomment>An internal fault; the text in brackets says where it happened.</extracomment>
        <translation>Fehler, passender Baumeintrag nicht gefunden.(init)</translation>
    </message>
    <message>
        <source>Error, couldnt find matching tree item.(setdata)</source>
        <translation>Fehler, passender Baumeintrag nicht gefunden.(setdata)</translation>
    </message>
    <message>
        <source>Error, couldnt find matching tree item.(ZRTform button)</source>
        <translation>Fehler, passender Baumeintrag nicht gefunden.(ZRTform button)</translation>
    </message>
    <message>
        <source>Error, couldnt find matching tree item.(enter arch, first)</source>
        <translation>Fehler, passender Baumeintrag nicht gefunden.(enter arch, first)</translation>
    </message>
    <message>
        <source>&lt;end of list&gt;</source>
        <extracomment>The last line of the idle loop list; an entry is inserted before the selected line.</extracomment>
        <translation>&lt;Ende der Liste&gt;</translation>
    </message>
    <message>
        <source>Idle loop list limit of 255 items has been reached.  The item was not added.</source>
        <translation>Die Ruheschleife hat ihre Grenze von 255 Einträgen erreicht.  Der Eintrag wurde nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>You must leave at least one valid entry<byte value="xd"/>
in the idle list.</source>
        <translation>Mindestens ein gültiger Eintrag muss<byte value="xd"/>
in der Ruheschleife bleiben.</translation>
    </message>
    <message>
        <source>Idle Loop Delay has not been updated.  It contains invalid digits or is not from 1 to 100.</source>
        <extracomment>Shown under the delay field of the idle loop page.</extracomment>
        <translation>Die Verweildauer wurde nicht geändert.  Sie enthält ungültige Zeichen oder liegt nicht zwischen 1 und 100.</translation>
    </message>
    <message>
        <source>Please select an Administrator number.</source>
        <translation>Bitte wählen Sie eine Administratornummer.</translation>
    </message>
    <message>
        <source>This feature is only available with Lunetta.</source>
        <extracomment>Lunetta is a paging system&apos;s name.</extracomment>
        <translation>Diese Funktion gibt es nur mit Lunetta.</translation>
    </message>
    <message>
        <source>Assign %s to %s</source>
        <extracomment>Names of edits, as Edit &gt; Undo and Redo show them. The first %s is the Arch Number, the second the tree entry it is assigned to.</extracomment>
        <translation>%s zuweisen an %s</translation>
    </message>
    <message>
        <source>Reset %s to Original</source>
        <extracomment>%s is the tree entry.</extracomment>
        <translation>%s auf Original zurücksetzen</translation>
    </message>
    <message>
        <source>Edit Arch Number and Name of %s</source>
        <extracomment>%s is the tree entry.</extracomment>
        <translation>Arch Number und Namen von %s bearbeiten</translation>
    </message>
    <message>
        <source>Reset All Arch Numbers</source>
        <translation>Alle Arch Numbers zurücksetzen</translation>
    </message>
    <message>
        <source>Add to Idle Loop</source>
        <translation>Zur Ruheschleife hinzufügen</translation>
    </message>
    <message>
        <source>Insert into Idle Loop</source>
        <translation>In die Ruheschleife einfügen</translation>
    </message>
    <message>
        <source>Delete from Idle Loop</source>
        <translation>Aus der Ruheschleife löschen</translation>
    </message>
    <message>
        <source>Clear Idle Loop</source>
        <translation>Ruheschleife leeren</translation>
    </message>
    <message>
        <source>Add All to Idle Loop</source>
        <translation>Alle zur Ruheschleife hinzufügen</translation>
    </message>
    <message>
        <source>Move in Idle Loop</source>
        <translation>In der Ruheschleife verschieben</translation>
    </message>
    <message>
        <source>Change Idle Loop Delay</source>
        <translation>Verweildauer ändern</translation>
    </message>
    <message>
        <source>Change No Video during Idle</source>
        <translation>Kein Video in der Ruhezeit ändern</translation>
    </message>
    <message>
        <source>Change Priority</source>
        <translation>Vorrang ändern</translation>
    </message>
    <message>
        <source>Move Administrator Up</source>
        <translation>Administrator nach oben</translation>
    </message>
    <message>
        <source>Move Administrator Down</source>
        <translation>Administrator nach unten</translation>
    </message>
    <message>
        <source>Change Refresh Time from SMDR</source>
        <extracomment>SMDR is the telephone system&apos;s call record line; keep it.</extracomment>
        <translation>Uhrzeit von SMDR ändern</translation>
    </message>
    <message>
        <source>Change Refresh Time from PC</source>
        <translation>Uhrzeit vom PC ändern</translation>
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
    <name>Tree</name>
    <message>
        <source>No conflicts.</source>
        <extracomment>Status bar after View &gt; Expand Tree to Show Conflicts, with none to show.</extracomment>
        <translation>Keine Konflikte.</translation>
    </message>
    <message>
        <source>Error, unable to find unused arch number</source>
        <extracomment>&quot;Arch number&quot; is the product&apos;s own term for the number dialled for a camera; keep it as &quot;Arch Number&quot; in German.</extracomment>
        <translation>Fehler, keine freie Arch Number gefunden</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>A branch of the configuration tree: the unit&apos;s settings page.</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Idle Loop</source>
        <extracomment>A branch of the configuration tree: the cameras shown in turn while nobody calls one up.</extracomment>
        <translation>Ruheschleife</translation>
    </message>
    <message>
        <source>Input %d</source>
        <extracomment>A video input of the switcher in the tree; %d is its port (1 to 8).</extracomment>
        <translation>Eingang %d</translation>
    </message>
    <message>
        <source>exp %d, inp %d</source>
        <extracomment>An input of a camera interface unit (EM-4500) in the tree: the first %d is the expansion port, the second the unit&apos;s input (1 to 4). Kept short.</extracomment>
        <translation>Erw. %d, Eing. %d</translation>
    </message>
    <message>
        <source>Error, couldnt find matching tree item.(check conflicts)</source>
        <extracomment>An internal fault: the selected tree entry has no configuration entry.</extracomment>
        <translation>Fehler, passender Baumeintrag nicht gefunden.(check conflicts)</translation>
    </message>
    <message>
        <source>The arch number must contain integer digits, or the &quot;#&quot; key or the &quot;*&quot; key  only.  Please choose a different arch number.</source>
        <translation>Die Arch Number darf nur Ziffern, die Taste „#“ oder die Taste „*“ enthalten.  Bitte wählen Sie eine andere Arch Number.</translation>
    </message>
    <message>
        <source>The arch number %s is already assigned at %s,  Please choose a different one.</source>
        <extracomment>The first %s is the Arch Number, the second the entry that has it already.</extracomment>
        <translation>Die Arch Number %s ist schon %s zugewiesen.  Bitte wählen Sie eine andere.</translation>
    </message>
    <message>
        <source>The arch number %s is already in use. Please choose a different one.</source>
        <extracomment>%s is the Arch Number.</extracomment>
        <translation>Die Arch Number %s ist schon vergeben. Bitte wählen Sie eine andere.</translation>
    </message>
    <message>
        <source>A name has at most 15 characters.  Please choose a shorter name.</source>
        <translation>Ein Name hat höchstens 15 Zeichen.  Bitte wählen Sie einen kürzeren Namen.</translation>
    </message>
    <message>
        <source>A name cannot hold a tab, a line break or another control character.  Please choose a different name.</source>
        <translation>Ein Name darf keinen Tabulator, keinen Zeilenumbruch und kein anderes Steuerzeichen enthalten.  Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>%d of %d</source>
        <extracomment>Which match is shown: &quot;3 of 7&quot;.</extracomment>
        <translation>%d von %d</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Kein Treffer</translation>
    </message>
    <message>
        <source>Arch Number or name</source>
        <extracomment>Grey text in the empty find field.</extracomment>
        <translation>Arch Number oder Name</translation>
    </message>
    <message>
        <source>Find Arch Number or name</source>
        <extracomment>What a screen reader calls the find field, which has no label beside it.</extracomment>
        <translation>Arch Number oder Name suchen</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <extracomment>Tooltip of a find bar button; keep the key in brackets.</extracomment>
        <translation>Vorheriger Treffer (Shift+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <extracomment>Tooltip of a find bar button; keep the key in brackets.</extracomment>
        <translation>Nächster Treffer (F3)</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <extracomment>Tooltip of the button that closes the find bar; keep the key in brackets.</extracomment>
        <translation>Schließen (Esc)</translation>
    </message>
    <message>
        <source>Configuration</source>
        <extracomment>The name a screen reader gives the configuration tree.</extracomment>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>conflict</source>
        <extracomment>Spoken after an entry whose Arch Number another entry has too.</extracomment>
        <translation>Konflikt</translation>
    </message>
    <message>
        <source>non-pageable</source>
        <extracomment>Spoken after an entry whose Arch Number cannot be called from the paging system.</extracomment>
        <translation>nicht rufbar</translation>
    </message>
    <message>
        <source>assigned pageable</source>
        <extracomment>Spoken after an entry with a paging system&apos;s Arch Number assigned.</extracomment>
        <translation>rufbar, zugewiesen</translation>
    </message>
    <message>
        <source>unassigned pageable</source>
        <extracomment>Spoken after a paging system&apos;s Arch Number no entry has.</extracomment>
        <translation>rufbar, nicht zugewiesen</translation>
    </message>
    <message>
        <source>conflicts:</source>
        <extracomment>Heading of the conflicts of an entry in the conflict report, on a line of its own under the entry.</extracomment>
        <translation>Konflikte:</translation>
    </message>
</context>
<context>
    <name>Unit</name>
    <message>
        <source>Error, Idle list has content not in the tree.</source>
        <extracomment>Message when a configuration is built into the unit&apos;s memory. The idle loop is the list of cameras shown in turn while nobody calls one up.</extracomment>
        <translation>Fehler: Die Ruheschleife enthält Einträge, die nicht in der Baumansicht stehen.</translation>
    </message>
    <message>
        <source>Error, number of digits in the dial plan is not available.</source>
        <extracomment>Message: the dial plan (how many digits an Arch Number has) is missing from the configuration.</extracomment>
        <translation>Fehler: Die Stellenzahl des Wählplans ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Unable to add data to the application, the total data size was reported too large.</source>
        <extracomment>Message when the unit&apos;s memory is read: more data than the memory holds.</extracomment>
        <translation>Die Daten können nicht übernommen werden: Die gemeldete Gesamtgröße ist zu groß.</translation>
    </message>
    <message>
        <source>The M-4400 unit reports the number of expansion units to be %d
The number entered for rows on the M-4400 main unit is %d

  Since 1 row allows only 4 expansion units, unable to continue.</source>
        <extracomment>Message when the unit&apos;s memory is read. The first %d is the number of camera interface units (expansion units) the unit reports, the second the rows entered for the main unit. Keep the line breaks and the two leading blanks.</extracomment>
        <translation>Das Gerät M-4400 meldet %d Erweiterungseinheiten.
Für die Haupteinheit M-4400 sind %d Reihen eingetragen.

  Da eine Reihe nur 4 Erweiterungseinheiten erlaubt, kann nicht fortgefahren werden.</translation>
    </message>
    <message>
        <source>Unable to match the corresponding port numbers. M-4400 data may be corrupt</source>
        <extracomment>Message when the unit&apos;s memory is read and its data do not fit together. M-4400 is the product&apos;s name.</extracomment>
        <translation>Die zugehörigen Anschlussnummern passen nicht zusammen. Die Daten des M-4400 sind möglicherweise beschädigt.</translation>
    </message>
    <message>
        <source>Error, improperly formed Administrator Arch Number.</source>
        <extracomment>Message when the unit&apos;s memory is read. &quot;Arch Number&quot; is the product&apos;s own term for the number a camera is called up by: keep it as it is in every text.</extracomment>
        <translation>Fehler: Ungültig gebildete Administrator-Arch Number.</translation>
    </message>
    <message>
        <source>Error, unable to find all recon structs.</source>
        <extracomment>Message when the unit&apos;s memory is read; &quot;recon structs&quot; are the unit&apos;s records of its inputs.</extracomment>
        <translation>Fehler: Nicht alle Recon-Datensätze wurden gefunden.</translation>
    </message>
    <message>
        <source>Cannot write to the M-4400 unit: it holds at most %d Arch Numbers with their names, and this configuration has %d.
The first that does not fit is %s.</source>
        <extracomment>Refused write. The first %d is how many Arch Numbers the unit holds, the second how many this configuration has, %s the first that does not fit (an input&apos;s label such as &quot;Input 3&quot;, or the text &quot;the unassigned Arch Number ...&quot; below).</extracomment>
        <translation>In das Gerät M-4400 kann nicht geschrieben werden: Es fasst höchstens %d Arch Numbers mit ihren Namen, diese Konfiguration hat %d.
Die erste, die nicht mehr passt, ist %s.</translation>
    </message>
    <message>
        <source>Cannot write to the M-4400 unit: %s has the Arch Number &quot;%s&quot;.
The unit holds Arch Numbers of 1 to 4 characters, each a digit, * or #.</source>
        <extracomment>Refused write. The first %s is the input&apos;s label (&quot;Input 3&quot;), the second its Arch Number.</extracomment>
        <translation>In das Gerät M-4400 kann nicht geschrieben werden: %s hat die Arch Number „%s“.
Das Gerät fasst Arch Numbers mit 1 bis 4 Zeichen, jedes eine Ziffer, * oder #.</translation>
    </message>
    <message>
        <source>Cannot write to the M-4400 unit: the unassigned Arch Number &quot;%s&quot; (%s) cannot be held.
The unit holds Arch Numbers of at most 4 characters, each a digit, * or #.</source>
        <extracomment>Refused write. The first %s is the Arch Number, the second its name.</extracomment>
        <translation>In das Gerät M-4400 kann nicht geschrieben werden: Die nicht zugewiesene Arch Number „%s“ (%s) passt nicht in das Gerät.
Das Gerät fasst Arch Numbers mit höchstens 4 Zeichen, jedes eine Ziffer, * oder #.</translation>
    </message>
    <message>
        <source>Cannot write to the M-4400 unit: the name &quot;%s&quot; of %s is longer than %d characters.</source>
        <extracomment>Refused write. The first %s is the input&apos;s name, the second its label (&quot;Input 3&quot;), %d the longest name the unit holds.</extracomment>
        <translation>In das Gerät M-4400 kann nicht geschrieben werden: Der Name „%s“ von %s ist länger als %d Zeichen.</translation>
    </message>
    <message>
        <source>Cannot write to the M-4400 unit: the name &quot;%s&quot; of the unassigned Arch Number %s is longer than %d characters.</source>
        <extracomment>Refused write. The first %s is the name, the second the Arch Number, %d the longest name the unit holds.</extracomment>
        <translation>In das Gerät M-4400 kann nicht geschrieben werden: Der Name „%s“ der nicht zugewiesenen Arch Number %s ist länger als %d Zeichen.</translation>
    </message>
    <message>
        <source>Cannot write to the M-4400 unit: the administrator Arch Number %d of Video Out %d cannot be held.
The unit holds administrator Arch Numbers from 0 to 9999.</source>
        <extracomment>Refused write. The first %d is the administrator&apos;s Arch Number, the second the number of the video output (1 to 4).</extracomment>
        <translation>In das Gerät M-4400 kann nicht geschrieben werden: Die Administrator-Arch Number %d von Videoausgang %d passt nicht in das Gerät.
Das Gerät fasst Administrator-Arch Numbers von 0 bis 9999.</translation>
    </message>
    <message>
        <source>Cannot write to the M-4400 unit: the idle loop has %d entries and the unit holds at most %d.</source>
        <extracomment>Refused write. The first %d is the idle loop&apos;s number of entries, the second the most the unit holds.</extracomment>
        <translation>In das Gerät M-4400 kann nicht geschrieben werden: Die Ruheschleife hat %d Einträge, das Gerät fasst höchstens %d.</translation>
    </message>
    <message>
        <source>Cannot write to the M-4400 unit: %s (Arch Number %s) and %s (Arch Number %s) would be the same number in the unit, and one of them could not be called.
Give one of them another Arch Number.</source>
        <extracomment>Refused write. Each %s pair is an input&apos;s label (&quot;Input 3&quot;) and its Arch Number.</extracomment>
        <translation>In das Gerät M-4400 kann nicht geschrieben werden: %s (Arch Number %s) und %s (Arch Number %s) wären im Gerät dieselbe Nummer, und einer davon könnte nicht aufgerufen werden.
Geben Sie einem davon eine andere Arch Number.</translation>
    </message>
    <message>
        <source>the unassigned Arch Number %s</source>
        <extracomment>Stands in other messages for an Arch Number that is not given to an input; %s is the Arch Number.</extracomment>
        <translation>die nicht zugewiesene Arch Number %s</translation>
    </message>
    <message>
        <source>Attempting connect to M-4400 . . .</source>
        <extracomment>Status bar text while the program connects to the unit.</extracomment>
        <translation>Verbindung zum M-4400 wird aufgebaut . . .</translation>
    </message>
    <message>
        <source>Ready</source>
        <extracomment>Status bar text when nothing is under way.</extracomment>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Error - Failed to connect to unit
</source>
        <extracomment>First line of the message when the connection fails; lines saying why follow.</extracomment>
        <translation>Fehler - Verbindung zum Gerät fehlgeschlagen
</translation>
    </message>
    <message>
        <source>Connecting to the unit . . .</source>
        <extracomment>Line on the progress page while the connection is made.</extracomment>
        <translation>Verbindung zum Gerät wird aufgebaut . . .</translation>
    </message>
    <message>
        <source>Arch number conflicts exist, cannot save to M-4400 unit.</source>
        <extracomment>Message: two inputs have the same Arch Number, so nothing is written.</extracomment>
        <translation>Es gibt Konflikte bei Arch Numbers, in das Gerät M-4400 kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Write M-4400 failed to enter programming mode.
</source>
        <extracomment>Message when a write fails; lines saying why may follow.</extracomment>
        <translation>Schreiben in M-4400: Programmiermodus konnte nicht aktiviert werden.
</translation>
    </message>
    <message>
        <source>Write M-4400 failed sending
ReadEEProm (switches) command.
</source>
        <extracomment>Message when a write fails. ReadEEProm is the name of the unit&apos;s command: keep it.</extracomment>
        <translation>Schreiben in M-4400: Senden des Befehls
ReadEEProm (Schalter) fehlgeschlagen.
</translation>
    </message>
    <message>
        <source>Write M-4400 received no/bad reply
to ReadEEProm (switches) command.
</source>
        <extracomment>Message when a write fails. ReadEEProm is the name of the unit&apos;s command: keep it.</extracomment>
        <translation>Schreiben in M-4400: Keine oder fehlerhafte Antwort
auf den Befehl ReadEEProm (Schalter).
</translation>
    </message>
    <message>
        <source>Write M-4400 received a reply of incorrect length
 to ReadEEProm (switches) command.
</source>
        <extracomment>Message when a write fails. ReadEEProm is the name of the unit&apos;s command: keep it.</extracomment>
        <translation>Schreiben in M-4400: Antwort mit falscher Länge
 auf den Befehl ReadEEProm (Schalter).
</translation>
    </message>
    <message>
        <source>Clearing EEProm %d</source>
        <extracomment>Status bar text while the unit&apos;s memory is erased; %d is the block (0 or 1).</extracomment>
        <translation>EEProm %d wird gelöscht</translation>
    </message>
    <message>
        <source>Write M-4400 failed sending ClearEEProm command.
</source>
        <extracomment>Message when a write fails. ClearEEProm is the name of the unit&apos;s command: keep it.</extracomment>
        <translation>Schreiben in M-4400: Senden des Befehls ClearEEProm fehlgeschlagen.
</translation>
    </message>
    <message>
        <source>Write M-4400 received no/bad reply
to ClearEEProm command.
</source>
        <extracomment>Message when a write fails. ClearEEProm is the name of the unit&apos;s command: keep it.</extracomment>
        <translation>Schreiben in M-4400: Keine oder fehlerhafte Antwort
auf den Befehl ClearEEProm.
</translation>
    </message>
    <message>
        <source>Write M-4400 received a reply of incorrect length
 to ClearEEProm command.
</source>
        <extracomment>Message when a write fails. ClearEEProm is the name of the unit&apos;s command: keep it.</extracomment>
        <translation>Schreiben in M-4400: Antwort mit falscher Länge
 auf den Befehl ClearEEProm.
</translation>
    </message>
    <message>
        <source>Writing...   %2.2d%%</source>
        <extracomment>Progress line of a write; %2.2d%% is the percentage done (&quot;45%&quot;).</extracomment>
        <translation>Schreiben...   %2.2d %%</translation>
    </message>
    <message>
        <source>Write M-4400 failed sending WriteEEProm command.
</source>
        <extracomment>Message when a write fails. WriteEEProm is the name of the unit&apos;s command: keep it.</extracomment>
        <translation>Schreiben in M-4400: Senden des Befehls WriteEEProm fehlgeschlagen.
</translation>
    </message>
    <message>
        <source>Write M-4400 received no/bad reply
to WriteEEProm command.
</source>
        <extracomment>Message when a write fails. WriteEEProm is the name of the unit&apos;s command: keep it.</extracomment>
        <translation>Schreiben in M-4400: Keine oder fehlerhafte Antwort
auf den Befehl WriteEEProm.
</translation>
    </message>
    <message>
        <source>Write M-4400 received a reply of incorrect length
 to WriteEEProm command.
</source>
        <extracomment>Message when a write fails. WriteEEProm is the name of the unit&apos;s command: keep it.</extracomment>
        <translation>Schreiben in M-4400: Antwort mit falscher Länge
 auf den Befehl WriteEEProm.
</translation>
    </message>
    <message>
        <source>Write M-4400 failed to exit program mode.
</source>
        <extracomment>Message when the unit would not leave programming mode after a write.</extracomment>
        <translation>Schreiben in M-4400: Programmiermodus konnte nicht beendet werden.
</translation>
    </message>
    <message>
        <source>Timer create failed</source>
        <extracomment>Message when the program cannot start its own timer (a fault of the system).</extracomment>
        <translation>Zeitgeber konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Read M-4400 failed to enter programming mode.
</source>
        <extracomment>Message when a read fails; lines saying why may follow.</extracomment>
        <translation>Lesen aus M-4400: Programmiermodus konnte nicht aktiviert werden.
</translation>
    </message>
    <message>
        <source>Verifying...   %2.2d%%</source>
        <extracomment>Progress line while the written unit is read back to check it; %2.2d%% is the percentage done.</extracomment>
        <translation>Prüfen...   %2.2d %%</translation>
    </message>
    <message>
        <source>Reading...   %2.2d%%</source>
        <extracomment>Progress line of a read; %2.2d%% is the percentage done.</extracomment>
        <translation>Lesen...   %2.2d %%</translation>
    </message>
    <message>
        <source>Read M-4400 failed sending EEPROM read command.
</source>
        <extracomment>Message when a read fails; lines saying why may follow.</extracomment>
        <translation>Lesen aus M-4400: Senden des EEPROM-Lesebefehls fehlgeschlagen.
</translation>
    </message>
    <message>
        <source>Read M-4400 received no/bad reply
to ReadEEProm command.
</source>
        <extracomment>Message when a read fails. ReadEEProm is the name of the unit&apos;s command: keep it.</extracomment>
        <translation>Lesen aus M-4400: Keine oder fehlerhafte Antwort
auf den Befehl ReadEEProm.
</translation>
    </message>
    <message>
        <source>Read M-4400 failed to exit program mode.
</source>
        <extracomment>Message when the unit would not leave programming mode after a read.</extracomment>
        <translation>Lesen aus M-4400: Programmiermodus konnte nicht beendet werden.
</translation>
    </message>
    <message>
        <source>Error, Write operation failed verification.  Please retry write.</source>
        <extracomment>Message when the unit read back differs from what was written.</extracomment>
        <translation>Fehler: Die Prüfung des Schreibvorgangs ist fehlgeschlagen.  Bitte schreiben Sie erneut.</translation>
    </message>
    <message>
        <source>Write verification failed.</source>
        <extracomment>Status bar text when the unit read back differs from what was written.</extracomment>
        <translation>Prüfung des Schreibvorgangs fehlgeschlagen.</translation>
    </message>
    <message>
        <source>  %zu cells differ.</source>
        <extracomment>Follows the text above in the status bar; %zu is the number of memory cells that differ. Keep the two leading blanks.</extracomment>
        <translation>  %zu Zellen weichen ab.</translation>
    </message>
    <message>
        <source>Verify of the M-4400 write cancelled.  The unit was written but not verified.
</source>
        <extracomment>Message when the user stops the check after a write.</extracomment>
        <translation>Prüfung des Schreibvorgangs in M-4400 abgebrochen.  Das Gerät wurde beschrieben, aber nicht geprüft.
</translation>
    </message>
    <message>
        <source>Write operation completed and Verified</source>
        <extracomment>Status bar text after a write that was checked by reading it back.</extracomment>
        <translation>Schreibvorgang abgeschlossen und geprüft</translation>
    </message>
    <message>
        <source>Set M-4400 time failed to enter
 programming mode.  (Time NOT set)
</source>
        <extracomment>Message when setting the unit&apos;s clock fails; lines saying why may follow.</extracomment>
        <translation>Uhrzeit des M-4400 stellen: Programmiermodus
 konnte nicht aktiviert werden.  (Uhrzeit NICHT gestellt)
</translation>
    </message>
    <message>
        <source>Set M-4400 time</source>
        <extracomment>Status bar text while the unit&apos;s clock is set.</extracomment>
        <translation>Uhrzeit des M-4400 stellen</translation>
    </message>
    <message>
        <source>Set M-4400 time failed sending
time SMDR.  (Time may not have been set)
</source>
        <extracomment>Message when setting the unit&apos;s clock fails. SMDR is the unit&apos;s time message: keep it.</extracomment>
        <translation>Uhrzeit des M-4400 stellen: Senden der
Zeit-SMDR fehlgeschlagen.  (Uhrzeit möglicherweise nicht gestellt)
</translation>
    </message>
    <message>
        <source>Set M-4400 time received no/bad reply after
sending time SMDR.  (Time may not have been set)
</source>
        <extracomment>Message when setting the unit&apos;s clock fails. SMDR is the unit&apos;s time message: keep it.</extracomment>
        <translation>Uhrzeit des M-4400 stellen: Keine oder fehlerhafte Antwort
auf die Zeit-SMDR.  (Uhrzeit möglicherweise nicht gestellt)
</translation>
    </message>
    <message>
        <source>Set M-4400 time received a reply of incorrect
length after sending time SMDR.
(Time may not have been set)
</source>
        <extracomment>Message when setting the unit&apos;s clock fails. SMDR is the unit&apos;s time message: keep it.</extracomment>
        <translation>Uhrzeit des M-4400 stellen: Antwort mit falscher
Länge auf die Zeit-SMDR.
(Uhrzeit möglicherweise nicht gestellt)
</translation>
    </message>
    <message>
        <source>Set M-4400 time failed to exit programming mode.
</source>
        <extracomment>Message when the unit would not leave programming mode after setting its clock.</extracomment>
        <translation>Uhrzeit des M-4400 stellen: Programmiermodus konnte nicht beendet werden.
</translation>
    </message>
    <message>
        <source>
Hardware Unavailable</source>
        <extracomment>Added as a line of its own (after the line break) to a failed connection&apos;s or transfer&apos;s message.</extracomment>
        <translation>
Hardware nicht verfügbar</translation>
    </message>
    <message>
        <source>
No dialtone (Modem) or no LAN</source>
        <extracomment>Added as a line of its own to a failed connection&apos;s message: no dial tone on the modem, or no network.</extracomment>
        <translation>
Kein Wählton (Modem) oder kein Netzwerk</translation>
    </message>
    <message>
        <source>
No unit found</source>
        <extracomment>Added as a line of its own to a failed connection&apos;s message.</extracomment>
        <translation>
Kein Gerät gefunden</translation>
    </message>
    <message>
        <source>
Password rejected by unit</source>
        <extracomment>Added as a line of its own to a failed connection&apos;s message.</extracomment>
        <translation>
Passwort vom Gerät abgelehnt</translation>
    </message>
    <message>
        <source>
Error in address book entry</source>
        <extracomment>Added as a line of its own to a failed connection&apos;s message: the saved connection is faulty.</extracomment>
        <translation>
Fehler im Adressbucheintrag</translation>
    </message>
    <message>
        <source>
Bad acknowledgement data from unit</source>
        <extracomment>Added as a line of its own to a failed transfer&apos;s message.</extracomment>
        <translation>
Fehlerhafte Bestätigungsdaten vom Gerät</translation>
    </message>
    <message>
        <source>
Communication timed out</source>
        <extracomment>Added as a line of its own to a failed transfer&apos;s message.</extracomment>
        <translation>
Zeitüberschreitung bei der Verbindung</translation>
    </message>
    <message>
        <source>
User Cancelled</source>
        <extracomment>Added as a line of its own to a message: the user pressed Cancel.</extracomment>
        <translation>
Vom Benutzer abgebrochen</translation>
    </message>
    <message>
        <source>The device server at %s does not take serial line settings over RFC 2217 (it refused COM port control). Set its port up for RFC 2217, or connect to its raw TCP port with tcp:HOST:PORT.</source>
        <extracomment>%s is the device server&apos;s host and port. RFC 2217 and COM port control are the names of the protocol; tcp:HOST:PORT is what the user types: keep both.</extracomment>
        <translation>Der Geräteserver unter %s nimmt keine Einstellungen der seriellen Leitung über RFC 2217 an (er hat COM port control abgelehnt). Richten Sie seinen Anschluss für RFC 2217 ein, oder verbinden Sie sich mit tcp:HOST:PORT mit seinem reinen TCP-Port.</translation>
    </message>
    <message>
        <source>The device server at %s refused 8-bit binary transfer, which the unit&apos;s data needs. Set its port up for RFC 2217 or raw TCP.</source>
        <extracomment>%s is the device server&apos;s host and port. RFC 2217 and TCP are protocol names: keep them.</extracomment>
        <translation>Der Geräteserver unter %s hat die 8-Bit-Binärübertragung abgelehnt, die die Daten des Geräts brauchen. Richten Sie seinen Anschluss für RFC 2217 oder reines TCP ein.</translation>
    </message>
    <message>
        <source>The device server at %s would not set its serial line to %s (it answered %s). Choose a speed its serial port supports, and check the port&apos;s settings on the device server.</source>
        <extracomment>The first %s is the device server&apos;s host and port, the second the setting asked for (&quot;9600 baud&quot;), the third the one it answered.</extracomment>
        <translation>Der Geräteserver unter %s hat seine serielle Leitung nicht auf %s eingestellt (er antwortete %s). Wählen Sie eine Geschwindigkeit, die sein serieller Anschluss unterstützt, und prüfen Sie die Einstellungen des Anschlusses am Geräteserver.</translation>
    </message>
    <message>
        <source>The device server at %s closed the connection, saying: %s</source>
        <extracomment>The first %s is the device server&apos;s host and port, the second its own words (often English).</extracomment>
        <translation>Der Geräteserver unter %s hat die Verbindung beendet mit der Meldung: %s</translation>
    </message>
    <message>
        <source>The device server at %s closed the connection before setting up its serial line; another client may be using the port.</source>
        <extracomment>%s is the device server&apos;s host and port.</extracomment>
        <translation>Der Geräteserver unter %s hat die Verbindung beendet, bevor er seine serielle Leitung eingerichtet hat; möglicherweise nutzt ein anderer Client den Anschluss.</translation>
    </message>
    <message>
        <source>The device server at %s did not answer the serial line settings. Check that its port is set up for RFC 2217 (Telnet COM port control) and not for raw TCP.</source>
        <extracomment>%s is the device server&apos;s host and port. RFC 2217 and Telnet COM port control are protocol names: keep them.</extracomment>
        <translation>Der Geräteserver unter %s hat auf die Einstellungen der seriellen Leitung nicht geantwortet. Prüfen Sie, ob sein Anschluss für RFC 2217 (Telnet COM port control) und nicht für reines TCP eingerichtet ist.</translation>
    </message>
    <message>
        <source>%s is in use by %s (process %d).</source>
        <extracomment>The first %s is the serial port&apos;s device (/dev/ttyUSB0), the second the program holding it, %d that program&apos;s process number.</extracomment>
        <translation>%s wird von %s belegt (Prozess %d).</translation>
    </message>
    <message>
        <source>%s is in use by a program this user cannot see (another user&apos;s). An administrator can name it with: sudo fuser -v %s</source>
        <extracomment>Both %s are the serial port&apos;s device (/dev/ttyUSB0). The command after the colon stays as it is.</extracomment>
        <translation>%s wird von einem Programm belegt, das dieser Benutzer nicht sehen kann (das eines anderen Benutzers). Ein Administrator kann es so ermitteln: sudo fuser -v %s</translation>
    </message>
    <message>
        <source>The serial port %s is in use by another program. Close that program (a terminal program, or another window of this one), then try again.</source>
        <extracomment>%s is the serial port&apos;s device (/dev/ttyUSB0).</extracomment>
        <translation>Der serielle Anschluss %s wird von einem anderen Programm belegt. Schließen Sie dieses Programm (ein Terminalprogramm oder ein anderes Fenster dieses Programms) und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Close that program, then try again.</source>
        <extracomment>Follows the text saying which program holds the serial port.</extracomment>
        <translation>Schließen Sie dieses Programm und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>ModemManager probes new serial adapters; stop it while you work with: sudo systemctl stop ModemManager</source>
        <extracomment>Follows the text saying that ModemManager holds the serial port. The command after the colon stays as it is.</extracomment>
        <translation>ModemManager untersucht neue serielle Adapter; halten Sie ihn während der Arbeit an mit: sudo systemctl stop ModemManager</translation>
    </message>
    <message>
        <source>brltty takes USB serial adapters for Braille displays; without a Braille display remove it with: sudo apt remove brltty</source>
        <extracomment>Follows the text saying that brltty holds the serial port. The command after the colon stays as it is.</extracomment>
        <translation>brltty hält USB-Seriell-Adapter für Braillezeilen; ohne Braillezeile entfernen Sie es mit: sudo apt remove brltty</translation>
    </message>
    <message>
        <source>Cannot close, Currently Communicating with the M-4400 unit.</source>
        <extracomment>Message when the user closes the window during a transfer.</extracomment>
        <translation>Schließen nicht möglich, die Verbindung mit dem Gerät M-4400 ist aktiv.</translation>
    </message>
    <message>
        <source>New unit</source>
        <extracomment>Name of a new entry of the connection dialog&apos;s list of units; a number follows when the name is taken (&quot;New unit 2&quot;).</extracomment>
        <translation>Neues Gerät</translation>
    </message>
    <message>
        <source>Give the entry a name.</source>
        <extracomment>Shown under the connection dialog&apos;s fields.</extracomment>
        <translation>Geben Sie dem Eintrag einen Namen.</translation>
    </message>
    <message>
        <source>Another entry already has this name.</source>
        <extracomment>Shown under the connection dialog&apos;s fields.</extracomment>
        <translation>Ein anderer Eintrag hat schon diesen Namen.</translation>
    </message>
    <message>
        <source>Choose or type the serial port the unit is on.</source>
        <extracomment>Shown under the connection dialog&apos;s fields.</extracomment>
        <translation>Wählen Sie den seriellen Anschluss des Geräts oder geben Sie ihn ein.</translation>
    </message>
    <message>
        <source>Give the host name or address of the device server.</source>
        <extracomment>Shown under the connection dialog&apos;s fields.</extracomment>
        <translation>Geben Sie den Hostnamen oder die Adresse des Geräteservers an.</translation>
    </message>
    <message>
        <source>Give the telephone number to dial.</source>
        <extracomment>Shown under the connection dialog&apos;s fields.</extracomment>
        <translation>Geben Sie die zu wählende Telefonnummer an.</translation>
    </message>
    <message>
        <source>The unit holds no configuration: its memory is erased.

Write a configuration into it first.</source>
        <extracomment>Message when a read finds the unit&apos;s memory erased.</extracomment>
        <translation>Das Gerät enthält keine Konfiguration: Sein Speicher ist gelöscht.

Schreiben Sie zuerst eine Konfiguration hinein.</translation>
    </message>
    <message>
        <source>Stop writing? The unit will be left partly written.</source>
        <extracomment>Question when the user presses Cancel during a write (Yes / No).</extracomment>
        <translation>Schreiben anhalten? Das Gerät bleibt dann teilweise beschrieben.</translation>
    </message>
    <message>
        <source>Read complete.</source>
        <extracomment>Status bar text after a read.</extracomment>
        <translation>Lesen abgeschlossen.</translation>
    </message>
    <message>
        <source>Write complete.</source>
        <extracomment>Status bar text after a write.</extracomment>
        <translation>Schreiben abgeschlossen.</translation>
    </message>
    <message>
        <source>Keeping a copy of the unit&apos;s memory...   %2.2d%%</source>
        <extracomment>Progress line while the unit&apos;s memory is read to keep a copy before a write; %2.2d%% is the percentage done.</extracomment>
        <translation>Kopie des Gerätespeichers wird aufbewahrt...   %2.2d %%</translation>
    </message>
    <message>
        <source>Write M-4400 stopped before erasing anything: the unit&apos;s memory could not be read to keep a copy of it.
</source>
        <extracomment>Message when a write stops before erasing; lines saying why may follow.</extracomment>
        <translation>Schreiben in M-4400 angehalten, bevor etwas gelöscht wurde: Der Gerätespeicher konnte nicht gelesen werden, um eine Kopie aufzubewahren.
</translation>
    </message>
    <message>
        <source>Reading the unit&apos;s memory to check it...   %2.2d%%</source>
        <extracomment>Progress line while the unit&apos;s memory is read before a write to show what the write changes; %2.2d%% is the percentage done.</extracomment>
        <translation>Gerätespeicher wird zur Prüfung gelesen...   %2.2d %%</translation>
    </message>
    <message>
        <source>Write M-4400 stopped before erasing anything: the unit&apos;s memory could not be read to check what the write changes.
</source>
        <extracomment>Message when a write stops before erasing; lines saying why may follow.</extracomment>
        <translation>Schreiben in M-4400 angehalten, bevor etwas gelöscht wurde: Der Gerätespeicher konnte nicht gelesen werden, um zu prüfen, was das Schreiben ändert.
</translation>
    </message>
    <message>
        <source>Write M-4400 stopped before erasing anything: the copy of the unit&apos;s memory could not be stored in %s (%s).</source>
        <extracomment>The first %s is the folder of the unit history, the second the reason (the system&apos;s words, or one of the reasons below).</extracomment>
        <translation>Schreiben in M-4400 angehalten, bevor etwas gelöscht wurde: Die Kopie des Gerätespeichers konnte nicht in %s gespeichert werden (%s).</translation>
    </message>
    <message>
        <source>Unit memory kept in %s</source>
        <extracomment>%s is the path of the file the copy of the unit&apos;s memory was kept in.</extracomment>
        <translation>Gerätespeicher aufbewahrt in %s</translation>
    </message>
    <message>
        <source>Write stopped before anything was erased; the unit is unchanged.</source>
        <extracomment>Status bar text and message when a write stopped before erasing the unit.</extracomment>
        <translation>Schreiben angehalten, bevor etwas gelöscht wurde; das Gerät ist unverändert.</translation>
    </message>
    <message>
        <source>Write stopped at %d %%. The unit is partly written and will not work until a whole configuration is written to it.</source>
        <extracomment>Message when the user stopped a write; %d is the percentage written, followed by a blank and the percent sign.</extracomment>
        <translation>Schreiben bei %d %% angehalten. Das Gerät ist teilweise beschrieben und arbeitet erst wieder, wenn eine vollständige Konfiguration hineingeschrieben wurde.</translation>
    </message>
    <message>
        <source>The unit is partly written and will not work until a whole configuration is written to it.</source>
        <extracomment>Message when a write failed midway.</extracomment>
        <translation>Das Gerät ist teilweise beschrieben und arbeitet erst wieder, wenn eine vollständige Konfiguration hineingeschrieben wurde.</translation>
    </message>
    <message>
        <source>Unit partly written.</source>
        <extracomment>Status bar text (it stays there) after a write that left the unit partly written.</extracomment>
        <translation>Gerät teilweise beschrieben.</translation>
    </message>
    <message>
        <source>Read stopped; the configuration is unchanged.</source>
        <extracomment>Message when the user stopped a read.</extracomment>
        <translation>Lesen angehalten; die Konfiguration ist unverändert.</translation>
    </message>
    <message>
        <source>%s   %s left</source>
        <extracomment>Progress line with the time left: the first %s is the line (&quot;Writing... 45%&quot;), the second the time (&quot;1:10&quot;).</extracomment>
        <translation>%s   noch %s</translation>
    </message>
    <message>
        <source>%s elapsed</source>
        <extracomment>%s is the time a transfer has taken so far (&quot;0:42&quot;).</extracomment>
        <translation>%s vergangen</translation>
    </message>
    <message>
        <source>Cannot restore: the copy is not a unit&apos;s memory (it must be exactly 65,536 bytes).</source>
        <extracomment>Message when a kept copy chosen for a restore is not a unit&apos;s memory.</extracomment>
        <translation>Wiederherstellen nicht möglich: Die Kopie ist kein Gerätespeicher (sie muss genau 65.536 Bytes groß sein).</translation>
    </message>
    <message>
        <source>read</source>
        <extracomment>Kind of a kept copy (column &quot;Kind&quot; of the unit history): kept when the unit was read.</extracomment>
        <translation>gelesen</translation>
    </message>
    <message>
        <source>before write</source>
        <extracomment>Kind of a kept copy (column &quot;Kind&quot; of the unit history): kept before a write.</extracomment>
        <translation>vor dem Schreiben</translation>
    </message>
    <message>
        <source>before restore</source>
        <extracomment>Kind of a kept copy (column &quot;Kind&quot; of the unit history): kept before a restore.</extracomment>
        <translation>vor dem Wiederherstellen</translation>
    </message>
    <message>
        <source>%s, %d camera interface units, %d inputs</source>
        <extracomment>What a kept copy of the unit&apos;s memory held: %s is the unit&apos;s model (M-4400), the first %d the number of camera interface units, the second the number of inputs.</extracomment>
        <translation>%s, %d Kamera-Schnittstelleneinheiten, %d Eingänge</translation>
    </message>
    <message>
        <source>erased</source>
        <extracomment>What a kept copy of the unit&apos;s memory held (column &quot;Unit held&quot; of the unit history).</extracomment>
        <translation>gelöscht</translation>
    </message>
    <message>
        <source>partly written</source>
        <extracomment>What a kept copy of the unit&apos;s memory held (column &quot;Unit held&quot; of the unit history).</extracomment>
        <translation>teilweise beschrieben</translation>
    </message>
    <message>
        <source>not a configuration</source>
        <extracomment>What a kept copy of the unit&apos;s memory held (column &quot;Unit held&quot; of the unit history).</extracomment>
        <translation>keine Konfiguration</translation>
    </message>
    <message>
        <source>the copy kept %s</source>
        <extracomment>What a restore wrote into the unit (column &quot;Then written&quot; of the unit history); %s is the time the copy was kept.</extracomment>
        <translation>die am %s aufbewahrte Kopie</translation>
    </message>
    <message>
        <source>a kept copy</source>
        <extracomment>What a restore wrote into the unit (column &quot;Then written&quot; of the unit history) when the copy&apos;s time is not known.</extracomment>
        <translation>eine aufbewahrte Kopie</translation>
    </message>
    <message>
        <source>The copy cannot be opened as a configuration: the unit&apos;s memory in it is %s.</source>
        <extracomment>%s is what the copy holds: one of the texts &quot;erased&quot;, &quot;partly written&quot;, &quot;not a configuration&quot;.</extracomment>
        <translation>Die Kopie kann nicht als Konfiguration geöffnet werden: Der Gerätespeicher darin ist %s.</translation>
    </message>
    <message>
        <source>Write to Unit</source>
        <extracomment>Title of the dialog that shows what a write will change.</extracomment>
        <translation>In das Gerät schreiben</translation>
    </message>
    <message>
        <source>1 difference between the unit and this configuration.</source>
        <extracomment>Heading of the list of what a write will change.</extracomment>
        <translation>1 Unterschied zwischen dem Gerät und dieser Konfiguration.</translation>
    </message>
    <message>
        <source>%zu differences between the unit and this configuration.</source>
        <extracomment>Heading of the list of what a write will change; %zu is the number of differences (2 or more).</extracomment>
        <translation>%zu Unterschiede zwischen dem Gerät und dieser Konfiguration.</translation>
    </message>
    <message>
        <source>1 difference between the unit and the copy.</source>
        <extracomment>Heading of the list of what a restore will change.</extracomment>
        <translation>1 Unterschied zwischen dem Gerät und der Kopie.</translation>
    </message>
    <message>
        <source>%zu differences between the unit and the copy.</source>
        <extracomment>Heading of the list of what a restore will change; %zu is the number of differences (2 or more).</extracomment>
        <translation>%zu Unterschiede zwischen dem Gerät und der Kopie.</translation>
    </message>
    <message>
        <source>The unit is erased; writing puts this configuration in it.</source>
        <extracomment>Shown in place of the list of what a write will change.</extracomment>
        <translation>Das Gerät ist gelöscht; das Schreiben bringt diese Konfiguration hinein.</translation>
    </message>
    <message>
        <source>The copy holds no configuration (it may be of an erased unit); restoring puts it back as it was.</source>
        <extracomment>Shown in place of the list of what a restore will change.</extracomment>
        <translation>Die Kopie enthält keine Konfiguration (vielleicht von einem gelöschten Gerät); das Wiederherstellen bringt sie so zurück, wie sie war.</translation>
    </message>
    <message>
        <source>The unit already holds this configuration.</source>
        <extracomment>Shown in place of the list of what a write will change.</extracomment>
        <translation>Das Gerät enthält diese Konfiguration bereits.</translation>
    </message>
    <message>
        <source>The unit seems to hold another site&apos;s configuration.</source>
        <extracomment>Warning above the list of what a write will change.</extracomment>
        <translation>Das Gerät scheint die Konfiguration einer anderen Anlage zu enthalten.</translation>
    </message>
    <message>
        <source>The unit is partly written; writing puts this configuration in it whole.</source>
        <extracomment>Shown in place of the list of what a write will change.</extracomment>
        <translation>Das Gerät ist teilweise beschrieben; das Schreiben bringt diese Konfiguration vollständig hinein.</translation>
    </message>
    <message>
        <source>The unit is partly written; restoring puts the copy in it whole.</source>
        <extracomment>Shown in place of the list of what a restore will change.</extracomment>
        <translation>Das Gerät ist teilweise beschrieben; das Wiederherstellen bringt die Kopie vollständig hinein.</translation>
    </message>
    <message>
        <source>The unit holds no whole configuration (it is erased or partly written); writing puts this configuration in it.</source>
        <extracomment>Shown in place of the list of what a write will change.</extracomment>
        <translation>Das Gerät enthält keine vollständige Konfiguration (es ist gelöscht oder teilweise beschrieben); das Schreiben bringt diese Konfiguration hinein.</translation>
    </message>
    <message>
        <source>The unit holds no whole configuration (it is erased or partly written); restoring puts the copy in it.</source>
        <extracomment>Shown in place of the list of what a restore will change.</extracomment>
        <translation>Das Gerät enthält keine vollständige Konfiguration (es ist gelöscht oder teilweise beschrieben); das Wiederherstellen bringt die Kopie hinein.</translation>
    </message>
    <message>
        <source>The unit&apos;s memory holds no configuration this program can read; writing replaces all of it.</source>
        <extracomment>Warning above the list of what a write will change.</extracomment>
        <translation>Der Gerätespeicher enthält keine Konfiguration, die dieses Programm lesen kann; das Schreiben ersetzt ihn ganz.</translation>
    </message>
    <message>
        <source>No differences can be listed.</source>
        <extracomment>Shown in place of the list of what a write will change.</extracomment>
        <translation>Es können keine Unterschiede aufgelistet werden.</translation>
    </message>
    <message>
        <source>The unit keeps its present password: a unit never discloses its password, so no copy holds it.</source>
        <extracomment>Note above the list of what a restore will change.</extracomment>
        <translation>Das Gerät behält sein jetziges Passwort: Ein Gerät gibt sein Passwort nie heraus, daher enthält keine Kopie es.</translation>
    </message>
    <message>
        <source>Unit clock set.</source>
        <extracomment>Status bar text after the unit&apos;s clock was set.</extracomment>
        <translation>Uhr des Geräts gestellt.</translation>
    </message>
    <message>
        <source>no folder for the unit history</source>
        <extracomment>Reason a copy of the unit&apos;s memory could not be kept; follows the history folder&apos;s path.</extracomment>
        <translation>kein Ordner für den Geräteverlauf</translation>
    </message>
    <message>
        <source>the copy is not a whole memory image</source>
        <extracomment>Reason a copy of the unit&apos;s memory could not be kept; follows the history folder&apos;s path.</extracomment>
        <translation>die Kopie ist kein vollständiges Speicherabbild</translation>
    </message>
    <message>
        <source>There is no serial port %s. Plug the unit&apos;s cable in, or choose another port.</source>
        <extracomment>%s is the serial port&apos;s device (/dev/ttyUSB0).</extracomment>
        <translation>Es gibt keinen seriellen Anschluss %s. Stecken Sie das Kabel des Geräts ein oder wählen Sie einen anderen Anschluss.</translation>
    </message>
    <message>
        <source>This user may not open the serial port %s. It belongs to the group &quot;%s&quot;: make the user a member of that group (for example: sudo usermod -a -G %s $USER), then log out and log in again.</source>
        <extracomment>The first %s is the serial port&apos;s device (/dev/ttyUSB0), the second and third the group that owns it. The command in brackets stays as it is.</extracomment>
        <translation>Dieser Benutzer darf den seriellen Anschluss %s nicht öffnen. Er gehört der Gruppe „%s“: Nehmen Sie den Benutzer in diese Gruppe auf (zum Beispiel: sudo usermod -a -G %s $USER), melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>This user may not open the serial port %s. Ask for access to it (usually membership of the group that owns it), then log out and log in again.</source>
        <extracomment>%s is the serial port&apos;s device (/dev/ttyUSB0).</extracomment>
        <translation>Dieser Benutzer darf den seriellen Anschluss %s nicht öffnen. Bitten Sie um Zugriff darauf (meist die Mitgliedschaft in der Gruppe, der er gehört), melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>%u baud</source>
        <extracomment>A serial line setting; %u is the speed.</extracomment>
        <translation>%u Baud</translation>
    </message>
    <message>
        <source>%u data bits</source>
        <extracomment>A serial line setting; %u is the number of data bits (5 to 8).</extracomment>
        <translation>%u Datenbits</translation>
    </message>
    <message>
        <source>no parity</source>
        <extracomment>A serial line setting.</extracomment>
        <translation>keine Parität</translation>
    </message>
    <message>
        <source>odd parity</source>
        <extracomment>A serial line setting.</extracomment>
        <translation>ungerade Parität</translation>
    </message>
    <message>
        <source>even parity</source>
        <extracomment>A serial line setting.</extracomment>
        <translation>gerade Parität</translation>
    </message>
    <message>
        <source>mark parity</source>
        <extracomment>A serial line setting.</extracomment>
        <translation>Mark-Parität</translation>
    </message>
    <message>
        <source>space parity</source>
        <extracomment>A serial line setting.</extracomment>
        <translation>Space-Parität</translation>
    </message>
    <message>
        <source>parity %u</source>
        <extracomment>A serial line setting the program does not know; %u is its number.</extracomment>
        <translation>Parität %u</translation>
    </message>
    <message>
        <source>1 stop bit</source>
        <extracomment>A serial line setting.</extracomment>
        <translation>1 Stoppbit</translation>
    </message>
    <message>
        <source>2 stop bits</source>
        <extracomment>A serial line setting.</extracomment>
        <translation>2 Stoppbits</translation>
    </message>
    <message>
        <source>1.5 stop bits</source>
        <extracomment>A serial line setting.</extracomment>
        <translation>1,5 Stoppbits</translation>
    </message>
    <message>
        <source>stop size %u</source>
        <extracomment>A serial line setting the program does not know; %u is its number.</extracomment>
        <translation>Stoppbits %u</translation>
    </message>
</context>
<context>
    <name>UnitWidgets</name>
    <message>
        <source>Communication Progress:</source>
        <extracomment>Label above the progress bar of a transfer with the unit.</extracomment>
        <translation>Fortschritt der Übertragung:</translation>
    </message>
    <message>
        <source>Please wait until the operation is completed.</source>
        <translation>Bitte warten Sie, bis der Vorgang abgeschlossen ist.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button of the progress page.</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stops the transfer after the message now on the line (Esc)</source>
        <extracomment>Tooltip of the Cancel button of the progress page; Esc is the key.</extracomment>
        <translation>Hält die Übertragung nach der Nachricht an, die gerade übertragen wird (Esc)</translation>
    </message>
    <message>
        <source>Stopping after the message now on the line...</source>
        <extracomment>Shown on the progress page after Cancel was pressed.</extracomment>
        <translation>Wird nach der Nachricht angehalten, die gerade übertragen wird...</translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <extracomment>Button in the status bar after a failed check of a write. &quot;&amp;&quot; marks the letter underlined.</extracomment>
        <translation>&amp;Details...</translation>
    </message>
    <message>
        <source>List the cells the unit read back differently</source>
        <extracomment>Tooltip of the Details button.</extracomment>
        <translation>Die Zellen auflisten, die das Gerät anders zurückgelesen hat</translation>
    </message>
    <message>
        <source>Verify Details</source>
        <extracomment>Title of the dialog that lists the memory cells that differ.</extracomment>
        <translation>Details der Prüfung</translation>
    </message>
    <message>
        <source>%1 cells of the unit read back differently from how they were written:</source>
        <extracomment>%1 is the number of memory cells that differ.</extracomment>
        <translation>%1 Zellen des Geräts wurden anders zurückgelesen, als sie geschrieben wurden:</translation>
    </message>
    <message>
        <source>%1 cells of the unit read back differently from how they were written. The first %2:</source>
        <extracomment>%1 is the number of memory cells that differ, %2 how many of them are listed.</extracomment>
        <translation>%1 Zellen des Geräts wurden anders zurückgelesen, als sie geschrieben wurden. Die ersten %2:</translation>
    </message>
    <message>
        <source>Address</source>
        <extracomment>Column heading: the memory cell&apos;s address.</extracomment>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Written</source>
        <extracomment>Column heading: the value written into the cell.</extracomment>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <source>Read</source>
        <extracomment>Column heading: the value read back from the cell.</extracomment>
        <translation>Gelesen</translation>
    </message>
    <message>
        <source>Compare with Unit</source>
        <extracomment>Title of the window that lists the differences between this configuration and the unit&apos;s.</extracomment>
        <translation>Mit dem Gerät vergleichen</translation>
    </message>
    <message>
        <source>Unit</source>
        <extracomment>Column heading: what the unit holds.</extracomment>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>The copy</source>
        <extracomment>Column heading: what the kept copy holds (a restore writes it).</extracomment>
        <translation>Die Kopie</translation>
    </message>
    <message>
        <source>Unit read and compared; this configuration is unchanged.</source>
        <extracomment>Status bar text after Compare with Unit.</extracomment>
        <translation>Gerät gelesen und verglichen; diese Konfiguration ist unverändert.</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <extracomment>Button that starts the write after the list of what it will change. &quot;&amp;&quot; marks the letter underlined.</extracomment>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>Unit History</source>
        <extracomment>Title of the unit history dialog.</extracomment>
        <translation>Geräteverlauf</translation>
    </message>
    <message>
        <source>Copies of units&apos; memory, kept before every write and restore and by every read. The newest 100 are kept, in %1.</source>
        <extracomment>%1 is the folder the copies are kept in.</extracomment>
        <translation>Kopien von Gerätespeichern, aufbewahrt vor jedem Schreiben und Wiederherstellen und bei jedem Lesen. Die neuesten 100 werden aufbewahrt, in %1.</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column heading: when the copy was kept.</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>Column heading: why the copy was kept (read, before write, before restore).</extracomment>
        <translation>Art</translation>
    </message>
    <message>
        <source>Connection</source>
        <extracomment>Column heading: the connection the copy came over.</extracomment>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Unit held</source>
        <extracomment>Column heading: what the unit held.</extracomment>
        <translation>Gerät enthielt</translation>
    </message>
    <message>
        <source>Then written</source>
        <extracomment>Column heading: what was written into the unit after the copy was kept.</extracomment>
        <translation>Danach geschrieben</translation>
    </message>
    <message>
        <source>&amp;Compare with This Configuration</source>
        <extracomment>Button. &quot;&amp;&quot; marks the letter underlined (unique among the dialog&apos;s buttons).</extracomment>
        <translation>Mit dieser Konfiguration &amp;vergleichen</translation>
    </message>
    <message>
        <source>&amp;Open as Configuration</source>
        <extracomment>Button. &quot;&amp;&quot; marks the letter underlined (unique among the dialog&apos;s buttons).</extracomment>
        <translation>Als Konfiguration ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Restore to Unit...</source>
        <extracomment>Button: writes the kept copy back into the unit. &quot;&amp;&quot; marks the letter underlined (unique among the dialog&apos;s buttons).</extracomment>
        <translation>In das Gerät &amp;wiederherstellen...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <extracomment>Button. &quot;&amp;&quot; marks the letter underlined (unique among the dialog&apos;s buttons).
----------
Button under the list of units. &quot;&amp;&quot; marks the letter underlined; every &quot;&amp;&quot; letter of this dialog must differ.</extracomment>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete the copy kept at %1? It cannot be brought back.</source>
        <extracomment>%1 is the time the copy was kept.</extracomment>
        <translation>Die am %1 aufbewahrte Kopie löschen? Sie kann nicht zurückgeholt werden.</translation>
    </message>
    <message>
        <source>Compare with Kept Copy</source>
        <extracomment>Title of the dialog that lists the differences between this configuration and a kept copy.</extracomment>
        <translation>Mit aufbewahrter Kopie vergleichen</translation>
    </message>
    <message>
        <source>Kept copy</source>
        <extracomment>Column heading: what the kept copy holds.</extracomment>
        <translation>Aufbewahrte Kopie</translation>
    </message>
    <message>
        <source>The kept copy %1 cannot be read.</source>
        <extracomment>%1 is the path of the kept copy&apos;s file.</extracomment>
        <translation>Die aufbewahrte Kopie %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Restore complete.</source>
        <extracomment>Status bar text after a restore.</extracomment>
        <translation>Wiederherstellen abgeschlossen.</translation>
    </message>
    <message>
        <source>Connect to M-4400 Unit</source>
        <extracomment>Title of the connection dialog. M-4400 is the product&apos;s name.</extracomment>
        <translation>Mit Gerät M-4400 verbinden</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <extracomment>Label of the list of units (the address book). &quot;&amp;&quot; marks the letter underlined; every &quot;&amp;&quot; letter of this dialog must differ.</extracomment>
        <translation>&amp;Geräte:</translation>
    </message>
    <message>
        <source>Demonstration unit (built in)</source>
        <extracomment>First entry of the list of units: a unit simulated by the program.</extracomment>
        <translation>Vorführgerät (eingebaut)</translation>
    </message>
    <message>
        <source>A unit built into this program, for trying Read, Write and Set Time without hardware. It keeps what is written to it between runs.</source>
        <translation>Ein in dieses Programm eingebautes Gerät, um Lesen, Schreiben und Uhrzeit stellen ohne Hardware auszuprobieren. Es behält, was hineingeschrieben wurde, bis zum nächsten Start.</translation>
    </message>
    <message>
        <source>Address book entry</source>
        <extracomment>Title of the box with the chosen unit&apos;s connection fields.</extracomment>
        <translation>Adressbucheintrag</translation>
    </message>
    <message>
        <source>N&amp;ame:</source>
        <extracomment>Field label. &quot;&amp;&quot; marks the letter underlined; every &quot;&amp;&quot; letter of this dialog must differ.</extracomment>
        <translation>Na&amp;me:</translation>
    </message>
    <message>
        <source>Connect &amp;via:</source>
        <extracomment>Field label: how the unit is reached. &quot;&amp;&quot; marks the letter underlined; every &quot;&amp;&quot; letter of this dialog must differ.</extracomment>
        <translation>Verbindung ü&amp;ber:</translation>
    </message>
    <message>
        <source>Serial port</source>
        <extracomment>Choice of the field &quot;Connect via&quot;.</extracomment>
        <translation>Serieller Anschluss</translation>
    </message>
    <message>
        <source>Network (serial device server)</source>
        <extracomment>Choice of the field &quot;Connect via&quot;: a serial device server on the network, raw TCP.</extracomment>
        <translation>Netzwerk (serieller Geräteserver)</translation>
    </message>
    <message>
        <source>Modem (telephone line)</source>
        <extracomment>Choice of the field &quot;Connect via&quot;.</extracomment>
        <translation>Modem (Telefonleitung)</translation>
    </message>
    <message>
        <source>Network (RFC 2217)</source>
        <extracomment>Choice of the field &quot;Connect via&quot;; RFC 2217 is the protocol&apos;s name.</extracomment>
        <translation>Netzwerk (RFC 2217)</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <extracomment>Field label: the serial port. &quot;&amp;&quot; marks the letter underlined; every &quot;&amp;&quot; letter of this dialog must differ.</extracomment>
        <translation>An&amp;schluss:</translation>
    </message>
    <message>
        <source>&amp;Speed:</source>
        <extracomment>Field label: the serial line&apos;s speed in baud. &quot;&amp;&quot; marks the letter underlined; every &quot;&amp;&quot; letter of this dialog must differ.</extracomment>
        <translation>Geschw&amp;indigkeit:</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <extracomment>Field label: the device server&apos;s host name or address. &quot;&amp;&quot; marks the letter underlined; every &quot;&amp;&quot; letter of this dialog must differ.</extracomment>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>TCP p&amp;ort:</source>
        <extracomment>Field label: the device server&apos;s TCP port number. &quot;&amp;&quot; marks the letter underlined; every &quot;&amp;&quot; letter of this dialog must differ.</extracomment>
        <translation>TCP-P&amp;ort:</translation>
    </message>
    <message>
        <source>&amp;Telephone number:</source>
        <extracomment>Field label. &quot;&amp;&quot; marks the letter underlined; every &quot;&amp;&quot; letter of this dialog must differ.</extracomment>
        <translation>&amp;Telefonnummer:</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <extracomment>Button under the list of units. &quot;&amp;&quot; marks the letter underlined; every &quot;&amp;&quot; letter of this dialog must differ.</extracomment>
        <translation>N&amp;eu</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <extracomment>The dialog&apos;s OK button. &quot;&amp;&quot; marks the letter underlined; every &quot;&amp;&quot; letter of this dialog must differ.</extracomment>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>&amp;Find my cable...</source>
        <extracomment>Button beside the serial port field; opens the Find My Cable dialog. &quot;&amp;&quot; marks the letter underlined; every &quot;&amp;&quot; letter of this dialog must differ.</extracomment>
        <translation>&amp;Kabel finden...</translation>
    </message>
    <message>
        <source>Tells which port the unit&apos;s cable is on: unplug it, then plug it in</source>
        <extracomment>Tooltip of the Find my cable button.</extracomment>
        <translation>Zeigt, an welchem Anschluss das Kabel des Geräts steckt: Ziehen Sie es ab und stecken Sie es wieder ein</translation>
    </message>
    <message>
        <source>Find My Cable</source>
        <extracomment>Title of the dialog that finds the serial port of the unit&apos;s cable.</extracomment>
        <translation>Kabel finden</translation>
    </message>
    <message>
        <source>Unplug the unit&apos;s cable (or its USB serial adapter) from this computer, then click Next.

If it is not plugged in yet, just click Next.</source>
        <extracomment>&quot;Next&quot; is the dialog&apos;s button: use its translation.</extracomment>
        <translation>Ziehen Sie das Kabel des Geräts (oder seinen USB-Seriell-Adapter) von diesem Computer ab und klicken Sie dann auf „Weiter“.

Ist es noch nicht eingesteckt, klicken Sie einfach auf „Weiter“.</translation>
    </message>
    <message>
        <source>Now plug the cable in. Waiting for its port to appear...</source>
        <translation>Stecken Sie jetzt das Kabel ein. Es wird gewartet, bis sein Anschluss erscheint...</translation>
    </message>
    <message>
        <source>No new port has appeared yet. Check that the cable is plugged in firmly; a USB serial adapter may need a moment, or a driver. A cable on a built-in serial port brings no new port: choose that port in the list yourself.</source>
        <translation>Es ist noch kein neuer Anschluss erschienen. Prüfen Sie, ob das Kabel fest steckt; ein USB-Seriell-Adapter braucht vielleicht einen Moment oder einen Treiber. Ein Kabel an einem eingebauten seriellen Anschluss bringt keinen neuen Anschluss: Wählen Sie diesen Anschluss selbst in der Liste.</translation>
    </message>
    <message>
        <source>Found the port of the cable:</source>
        <translation>Der Anschluss des Kabels wurde gefunden:</translation>
    </message>
    <message>
        <source>Several ports came with the cable. Choose the one the unit is on:</source>
        <translation>Mit dem Kabel sind mehrere Anschlüsse erschienen. Wählen Sie den, an dem das Gerät hängt:</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <extracomment>Button. &quot;&amp;&quot; marks the letter underlined.</extracomment>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Use This Port</source>
        <extracomment>Button. &quot;&amp;&quot; marks the letter underlined.</extracomment>
        <translation>Diesen Anschluss &amp;verwenden</translation>
    </message>
    <message>
        <source>Unit Password</source>
        <extracomment>Title of the dialog that asks for the unit&apos;s password.</extracomment>
        <translation>Passwort des Geräts</translation>
    </message>
    <message>
        <source>The unit asks for its password:</source>
        <translation>Das Gerät fragt nach seinem Passwort:</translation>
    </message>
    <message>
        <source>Remote Modem Configuration Instructions:</source>
        <extracomment>Label above the instructions of the remote modem dialog.</extracomment>
        <translation>Anleitung zum Einrichten des Modems der Gegenstelle:</translation>
    </message>
    <message>
        <source>Comm Port:</source>
        <extracomment>Field label: the serial port the modem is on.</extracomment>
        <translation>Anschluss:</translation>
    </message>
    <message>
        <source>Initialization string:</source>
        <extracomment>Field label: the modem&apos;s initialization string (AT commands).</extracomment>
        <translation>Initialisierungszeichenfolge:</translation>
    </message>
    <message>
        <source>Log:</source>
        <extracomment>Label above the log of what the modem answered.</extracomment>
        <translation>Protokoll:</translation>
    </message>
    <message>
        <source>Finished ---</source>
        <extracomment>Label at the top of the step indicator of the remote modem dialog.</extracomment>
        <translation>Fertig ---</translation>
    </message>
    <message>
        <source>Starting---</source>
        <extracomment>Label at the bottom of the step indicator of the remote modem dialog.</extracomment>
        <translation>Beginn---</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Button of the remote modem dialog.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Proceed to next step</source>
        <extracomment>Button of the remote modem dialog.</extracomment>
        <translation>Weiter zum nächsten Schritt</translation>
    </message>
    <message>
        <source>Back to prev. step</source>
        <extracomment>Button of the remote modem dialog: back to the previous step.</extracomment>
        <translation>Zurück zum vorigen Schritt</translation>
    </message>
    <message>
        <source>Cells that differ</source>
        <extracomment>Name a screen reader gives the table of cells that differ.</extracomment>
        <translation>Abweichende Zellen</translation>
    </message>
    <message>
        <source>Waiting for the cable</source>
        <extracomment>Name a screen reader gives the moving bar while the dialog waits for the cable.</extracomment>
        <translation>Warten auf das Kabel</translation>
    </message>
    <message>
        <source>Ports found</source>
        <extracomment>Name a screen reader gives the list of ports found.</extracomment>
        <translation>Gefundene Anschlüsse</translation>
    </message>
    <message>
        <source>Set-up steps done</source>
        <extracomment>Name a screen reader gives the step indicator of the remote modem dialog.</extracomment>
        <translation>Erledigte Einrichtungsschritte</translation>
    </message>
</context>
<context>
    <name>Unitsim</name>
    <message>
        <source>Usage: zrtpro-unitsim --eeprom FILE [options]

Plays an M-4400/M-4800 video switcher for the programming tool, speaking the
link protocol of docs/link-protocol.md, so that Read, Write, Verify and Set
Time can be tried and tested without hardware.

The first line written to standard output is the connection to give the tool:
  serial:/dev/pts/N       a new pseudo-terminal (the default); open it as a serial port
  tcp:127.0.0.1:PORT      with --tcp
The emulator serves one connection at a time, until it is stopped (Ctrl+C).

Options:
  --eeprom FILE      the unit&apos;s 65,536-byte memory. Created erased (all 0xFF) when
                     missing. Every change is written through to the file at once
                     and atomically (a new file renamed over the old one), so the
                     file is always whole, even when the emulator is killed.
  --password TEXT    the unit&apos;s password (at most 9 characters), placed in its
                     password cells 0xFFD0-0xFFD8 at start. Without it the cells in
                     the file decide; erased cells mean no password, and then the
                     unit accepts any password.
  --tcp PORT         listen on 127.0.0.1:PORT instead of a pseudo-terminal
                     (0 picks a free port). Only the loopback address is used.
  --baud RATE        simulated line speed: bytes travel as on a real line at RATE
                     baud (10 bits a byte) in both directions; a reply is handed
                     over when its last byte would have arrived. 0 (the default)
                     means as fast as possible.
  --modem            answer as a Hayes modem first: echo what is typed, answer
                     every AT command line (&quot;AT&quot;, &quot;AT&amp;F0&quot;, &quot;AT&amp;W0&quot;, &quot;ATY0&quot;, any
                     initialization string) with OK, ATE0/ATE1 switch the echo,
                     lines not starting with AT are ignored. A dial command
                     (ATD...) answers &quot;CONNECT &lt;rate&gt;&quot; and the unit&apos;s frames
                     follow; the call ends with the tool&apos;s BYE message or when
                     the connection closes, and the modem takes commands again.
  --dial-result TEXT with --modem: a dial command answers TEXT instead of
                     CONNECT (for example BUSY, NO CARRIER, NO DIALTONE or ERROR)
                     and no call is made.
  --fault KIND:N     go wrong at the Nth EEPROM or clock message (opcodes 03, 04,
                     05, 2C, 2F), counted from 1 since start; may be repeated:
                       drop     no reply to that message (the tool times out)
                       corrupt  the reply has a wrong check byte
                       short    the reply is one byte shorter (a valid frame of the
                                wrong length)
                       stall    no reply to that message or any after it
                       hangup   close the line before carrying it out, and exit
                       die      kill itself (SIGKILL) before carrying it out
                       trickle  send the reply one byte at a time, with a pause
                                of --byte-gap between bytes
  --byte-gap MS      the pause between the bytes of a trickled reply, 0 to
                     10000 milliseconds (20 by default)
  --weak-cell ADDR   the cell at ADDR (hexadecimal, 0-FFFF) keeps what is written to
                     it with every bit inverted, as a worn memory cell would, so that
                     a verify finds it; may be repeated
  --help             show this text
  --version          show the version

Examples:
  zrtpro-unitsim --eeprom unit.bin --password 1234
  zrtpro-unitsim --eeprom unit.bin --tcp 4001 --baud 9600
  zrtpro-unitsim --eeprom unit.bin --modem --fault drop:100
</source>
        <extracomment>`zrtpro-unitsim --help`. Keep option names, the fault kinds (drop, corrupt ...), the connections (serial:/dev/pts/N, tcp:127.0.0.1:PORT), AT commands and the modem&apos;s answers (OK, CONNECT, BUSY ...) as they are; FILE, TEXT, PORT, RATE, KIND, N, MS and ADDR are placeholders.</extracomment>
        <translation>Aufruf: zrtpro-unitsim --eeprom DATEI [Optionen]

Spielt einen M-4400/M-4800-Videoumschalter für das Programmierwerkzeug und
spricht das Verbindungsprotokoll aus docs/link-protocol.md, damit Lesen,
Schreiben, Prüfen und Uhr stellen ohne Hardware versucht und getestet werden
können.

Die erste Zeile auf der Standardausgabe ist die Verbindung, die das Werkzeug
bekommt:
  serial:/dev/pts/N       ein neues Pseudo-Terminal (Vorgabe); als seriellen
                          Anschluss öffnen
  tcp:127.0.0.1:PORT      mit --tcp
Der Emulator bedient eine Verbindung nach der anderen, bis er angehalten wird
(Strg+C).

Optionen:
  --eeprom DATEI     der 65.536-Byte-Speicher des Geräts. Gelöscht angelegt
                     (alles 0xFF), wenn sie fehlt. Jede Änderung wird sofort und
                     atomar in die Datei geschrieben (eine neue Datei ersetzt
                     die alte), daher ist die Datei immer vollständig, auch wenn
                     der Emulator abgebrochen wird.
  --password TEXT    das Passwort des Geräts (höchstens 9 Zeichen), beim Start
                     in seine Passwortzellen 0xFFD0-0xFFD8 gelegt. Ohne diese
                     Option entscheiden die Zellen in der Datei; gelöschte
                     Zellen heißen kein Passwort, und dann nimmt das Gerät jedes
                     Passwort an.
  --tcp PORT         auf 127.0.0.1:PORT statt auf einem Pseudo-Terminal warten
                     (0 wählt einen freien Port). Nur die Loopback-Adresse wird
                     verwendet.
  --baud RATE        nachgebildete Leitungsgeschwindigkeit: Bytes laufen wie auf
                     einer echten Leitung mit RATE Baud (10 Bit je Byte) in
                     beide Richtungen; eine Antwort wird übergeben, wenn ihr
                     letztes Byte angekommen wäre. 0 (Vorgabe) heißt so schnell
                     wie möglich.
  --modem            zuerst als Hayes-Modem antworten: Getipptes als Echo
                     zurücksenden, jede AT-Befehlszeile (&quot;AT&quot;, &quot;AT&amp;F0&quot;, &quot;AT&amp;W0&quot;,
                     &quot;ATY0&quot;, jeden Initialisierungstext) mit OK beantworten,
                     ATE0/ATE1 schalten das Echo, Zeilen ohne AT am Anfang
                     werden übergangen. Ein Wählbefehl (ATD...) antwortet
                     &quot;CONNECT &lt;rate&gt;&quot;, und die Rahmen des Geräts folgen; der
                     Anruf endet mit der BYE-Nachricht des Werkzeugs oder wenn
                     die Verbindung schließt, und das Modem nimmt wieder Befehle
                     an.
  --dial-result TEXT mit --modem: ein Wählbefehl antwortet TEXT statt CONNECT
                     (zum Beispiel BUSY, NO CARRIER, NO DIALTONE oder ERROR),
                     und kein Anruf kommt zustande.
  --fault ART:N      bei der N-ten EEPROM- oder Uhr-Nachricht (Opcodes 03, 04,
                     05, 2C, 2F) fehlgehen, gezählt ab 1 seit dem Start; darf
                     mehrfach stehen:
                       drop     keine Antwort auf diese Nachricht (das Werkzeug
                                läuft in eine Zeitüberschreitung)
                       corrupt  die Antwort hat ein falsches Prüfbyte
                       short    die Antwort ist ein Byte kürzer (ein gültiger
                                Rahmen der falschen Länge)
                       stall    keine Antwort auf diese und alle folgenden
                                Nachrichten
                       hangup   die Leitung vor dem Ausführen schließen und
                                enden
                       die      sich selbst vor dem Ausführen beenden (SIGKILL)
                       trickle  die Antwort Byte für Byte senden, mit einer
                                Pause von --byte-gap zwischen den Bytes
  --byte-gap MS      die Pause zwischen den Bytes einer tröpfelnden Antwort, 0
                     bis 10000 Millisekunden (Vorgabe 20)
  --weak-cell ADRESSE
                     die Zelle an ADRESSE (hexadezimal, 0-FFFF) behält, was in
                     sie geschrieben wird, mit jedem Bit umgekehrt, wie eine
                     abgenutzte Speicherzelle, damit eine Prüfung sie findet;
                     darf mehrfach stehen
  --help             diesen Text zeigen
  --version          die Version zeigen

Beispiele:
  zrtpro-unitsim --eeprom unit.bin --password 1234
  zrtpro-unitsim --eeprom unit.bin --tcp 4001 --baud 9600
  zrtpro-unitsim --eeprom unit.bin --modem --fault drop:100
</translation>
    </message>
    <message>
        <source>Try zrtpro-unitsim --help</source>
        <extracomment>After a wrong command line, on the line of its own below the error.</extracomment>
        <translation>Siehe zrtpro-unitsim --help</translation>
    </message>
    <message>
        <source>unknown argument %s</source>
        <extracomment>%s the argument as typed.</extracomment>
        <translation>unbekanntes Argument %s</translation>
    </message>
    <message>
        <source>%s needs a value</source>
        <extracomment>%s the option as typed (&quot;--eeprom&quot;).</extracomment>
        <translation>%s braucht einen Wert</translation>
    </message>
    <message>
        <source>the password has at most 9 characters</source>
        <translation>das Passwort hat höchstens 9 Zeichen</translation>
    </message>
    <message>
        <source>--dial-result needs a one-line result code</source>
        <extracomment>Keep &quot;--dial-result&quot;.</extracomment>
        <translation>--dial-result braucht einen einzeiligen Ergebniscode</translation>
    </message>
    <message>
        <source>--tcp needs a port number from 0 to 65535</source>
        <extracomment>Keep &quot;--tcp&quot;.</extracomment>
        <translation>--tcp braucht eine Portnummer von 0 bis 65535</translation>
    </message>
    <message>
        <source>--baud needs a rate from 0 to 10000000</source>
        <extracomment>Keep &quot;--baud&quot;.</extracomment>
        <translation>--baud braucht eine Rate von 0 bis 10000000</translation>
    </message>
    <message>
        <source>--fault needs KIND:N, KIND one of drop, corrupt, short, stall, hangup, die, trickle</source>
        <extracomment>Keep &quot;--fault&quot;, &quot;KIND:N&quot; and the fault kinds after &quot;one of&quot;.</extracomment>
        <translation>--fault braucht ART:N, ART eine von drop, corrupt, short, stall, hangup, die, trickle</translation>
    </message>
    <message>
        <source>--byte-gap needs a pause from 0 to 10000 milliseconds</source>
        <extracomment>Keep &quot;--byte-gap&quot;.</extracomment>
        <translation>--byte-gap braucht eine Pause von 0 bis 10000 Millisekunden</translation>
    </message>
    <message>
        <source>--weak-cell needs a cell address from 0 to FFFF</source>
        <extracomment>Keep &quot;--weak-cell&quot;; FFFF is hexadecimal.</extracomment>
        <translation>--weak-cell braucht eine Zellenadresse von 0 bis FFFF</translation>
    </message>
    <message>
        <source>--eeprom FILE is required</source>
        <extracomment>Keep &quot;--eeprom FILE&quot;.</extracomment>
        <translation>--eeprom DATEI ist erforderlich</translation>
    </message>
    <message>
        <source>%s is not a 65,536-byte unit memory</source>
        <extracomment>%s the file given with --eeprom.</extracomment>
        <translation>%s ist kein 65.536-Byte-Gerätespeicher</translation>
    </message>
    <message>
        <source>cannot write %s</source>
        <extracomment>%s the file given with --eeprom.</extracomment>
        <translation>%s kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot create a pseudo-terminal: %s</source>
        <extracomment>%s the system&apos;s reason (in English).</extracomment>
        <translation>ein Pseudo-Terminal kann nicht angelegt werden: %s</translation>
    </message>
    <message>
        <source>cannot open the pseudo-terminal: %s</source>
        <extracomment>%s the system&apos;s reason (in English).</extracomment>
        <translation>das Pseudo-Terminal kann nicht geöffnet werden: %s</translation>
    </message>
    <message>
        <source>cannot create a socket: %s</source>
        <extracomment>%s the system&apos;s reason (in English).</extracomment>
        <translation>ein Socket kann nicht angelegt werden: %s</translation>
    </message>
    <message>
        <source>cannot listen on 127.0.0.1:%d: %s</source>
        <extracomment>%d the port given with --tcp, %s the system&apos;s reason (in English).</extracomment>
        <translation>auf 127.0.0.1:%d kann nicht gewartet werden: %s</translation>
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
