<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
</TS>
