<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <source>Send initialization string to the REMOTE modem</source>
        <extracomment>Status bar text of the Configure Remote Modem command.</extracomment>
        <translation>Initialisierungszeichenfolge an das Modem der GEGENSTELLE senden</translation>
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
        <source>%m/%d/%y %H:%M:%S</source>
        <extracomment>Date and time under the heading, as strftime(3) writes them (%d day, %m month, %y year, %H:%M:%S time).</extracomment>
        <translation>%d.%m.%y %H:%M:%S</translation>
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
        <source>Read the configuration from the M-4400 unit.</source>
        <extracomment>Status bar text of the Read from Unit command.</extracomment>
        <translation>Die Konfiguration aus dem Gerät M-4400 lesen.</translation>
    </message>
    <message>
        <source>Write the current setup to the M-4400 unit.</source>
        <extracomment>Status bar text of the Write to Unit command.</extracomment>
        <translation>Die aktuelle Konfiguration in das Gerät M-4400 schreiben.</translation>
    </message>
    <message>
        <source>Write the M-4400 unit then Verify by reading and comparing.</source>
        <extracomment>Status bar text of the Verify Write command.</extracomment>
        <translation>In das Gerät M-4400 schreiben und danach durch Lesen und Vergleichen prüfen.</translation>
    </message>
    <message>
        <source>Set M-4400 time of day and date from PC clock
Set Time</source>
        <extracomment>Status bar text, then after the line break the tooltip of the Set Time command.</extracomment>
        <translation>Uhrzeit und Datum des M-4400 nach der Uhr des PCs stellen
Uhrzeit stellen</translation>
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
</TS>
