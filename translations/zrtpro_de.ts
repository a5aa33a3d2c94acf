<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>NEXIL Videoumschalter-Programmierwerkzeug – Einrichtung</translation>
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
    <name>PageWidgets</name>
    <message>
        <source>NEXIL Video Switcher Programming Tool </source>
        <extracomment>Heading of the overview page; the blank at the end is kept.</extracomment>
        <translation>NEXIL Videoumschalter-Programmierwerkzeug </translation>
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
</TS>
