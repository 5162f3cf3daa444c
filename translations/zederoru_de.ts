<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutForm</name>
    <message>
        <source>About Zederoru</source>
        <translation>Über Zederoru</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>
Zederoru, by the Zederoru team
Write to us through the project page
January 2005</source>
        <translation>
Zederoru, vom Zederoru-Team
Schreib uns über die Projektseite
Januar 2005</translation>
    </message>
</context>
<context>
    <name>AllShapes</name>
    <message>
        <source>Click to select, right-click to close</source>
        <translation>Klick: wählen, Rechtsklick: schließen</translation>
    </message>
    <message>
        <source>Figure %1</source>
        <translation>Figur %1</translation>
    </message>
    <message>
        <source>Figure %1: %2</source>
        <translation>Figur %1: %2</translation>
    </message>
</context>
<context>
    <name>CollectionCheck</name>
    <message>
        <source>the header is shorter than 64 lines</source>
        <translation>der Kopf ist kürzer als 64 Zeilen</translation>
    </message>
    <message>
        <source>the header cannot be read: %1</source>
        <translation>der Kopf ist nicht lesbar: %1</translation>
    </message>
    <message>
        <source>the header differs from the default piece set</source>
        <translation>der Kopf weicht vom Standard-Teilesatz ab</translation>
    </message>
    <message>
        <source>malformed record: %1 fields, 24 expected</source>
        <translation>fehlerhafter Datensatz: %1 Felder, 24 erwartet</translation>
    </message>
    <message>
        <source>malformed record: field %1 &quot;%2&quot; is not a number</source>
        <translation>fehlerhafter Datensatz: Feld %1 „%2“ ist keine Zahl</translation>
    </message>
    <message>
        <source>malformed record: field %1 (%2) is not a 16-bit whole number</source>
        <translation>fehlerhafter Datensatz: Feld %1 (%2) ist keine ganze 16-Bit-Zahl</translation>
    </message>
    <message>
        <source>malformed record: piece %1 has orientation %2, 0 to 7 expected</source>
        <translation>fehlerhafter Datensatz: Teil %1 hat die Lage %2, 0 bis 7 erwartet</translation>
    </message>
    <message>
        <source>record number %1 is not above 0, so the game skips it</source>
        <translation>die Datensatznummer %1 ist nicht größer als 0, daher überspringt das Spiel den Datensatz</translation>
    </message>
    <message>
        <source>pieces %1 and %2 overlap by %3 square pixels</source>
        <translation>die Teile %1 und %2 überlappen sich um %3 Quadratpixel</translation>
    </message>
    <message>
        <source>piece %1 touches no other piece</source>
        <translation>Teil %1 berührt kein anderes Teil</translation>
    </message>
    <message>
        <source>the pieces fall apart into clusters: %1</source>
        <translation>die Teile zerfallen in Gruppen: %1</translation>
    </message>
    <message>
        <source>the figure is %1 x %2 pixels, wider or taller than the %3 appending allows</source>
        <translation>die Figur ist %1 x %2 Pixel groß, breiter oder höher als die %3, die das Anhängen erlaubt</translation>
    </message>
    <message>
        <source>the figure is %1 x %2 pixels and does not fit the target view (%3 x %4)</source>
        <translation>die Figur ist %1 x %2 Pixel groß und passt nicht in die Zielansicht (%3 x %4)</translation>
    </message>
    <message>
        <source>the figure is sparse: it covers %1% of its box, at least %2% wanted</source>
        <translation>die Figur ist zu dünn: Sie bedeckt %1 % ihres Rahmens, mindestens %2 % sind gewünscht</translation>
    </message>
    <message>
        <source>the same figure as line %1</source>
        <translation>dieselbe Figur wie in Zeile %1</translation>
    </message>
    <message>
        <source>the same silhouette as line %1: each figure accepts the other&apos;s solution</source>
        <translation>dieselbe Silhouette wie in Zeile %1: Jede der beiden Figuren nimmt die Lösung der anderen an</translation>
    </message>
    <message>
        <source>the collection holds no figures</source>
        <translation>die Sammlung enthält keine Figuren</translation>
    </message>
    <message>
        <source>%1 figures, the game handles at most %2</source>
        <translation>%1 Figuren, das Spiel verarbeitet höchstens %2</translation>
    </message>
    <message>
        <source>%1 figure checked</source>
        <translation>%1 Figur geprüft</translation>
    </message>
    <message>
        <source>%1 figures checked</source>
        <translation>%1 Figuren geprüft</translation>
    </message>
    <message>
        <source>%1: %2, no problems found</source>
        <translation>%1: %2, keine Probleme gefunden</translation>
    </message>
    <message>
        <source>%1: %2, %3 problem found</source>
        <translation>%1: %2, %3 Problem gefunden</translation>
    </message>
    <message>
        <source>%1: %2, %3 problems found</source>
        <translation>%1: %2, %3 Probleme gefunden</translation>
    </message>
    <message>
        <source>as it is</source>
        <translation>so wie sie ist</translation>
    </message>
    <message>
        <source>turned a quarter</source>
        <translation>um eine Vierteldrehung gedreht</translation>
    </message>
    <message>
        <source>turned half round</source>
        <translation>um eine halbe Drehung gedreht</translation>
    </message>
    <message>
        <source>turned three quarters</source>
        <translation>um eine Dreivierteldrehung gedreht</translation>
    </message>
    <message>
        <source>mirrored</source>
        <translation>gespiegelt</translation>
    </message>
    <message>
        <source>mirrored and turned a quarter</source>
        <translation>gespiegelt und um eine Vierteldrehung gedreht</translation>
    </message>
    <message>
        <source>mirrored and turned half round</source>
        <translation>gespiegelt und um eine halbe Drehung gedreht</translation>
    </message>
    <message>
        <source>mirrored and turned three quarters</source>
        <translation>gespiegelt und um eine Dreivierteldrehung gedreht</translation>
    </message>
    <message>
        <source>the shape of line %1 %2</source>
        <translation>die Form aus Zeile %1, %2</translation>
    </message>
    <message>
        <source>nearly the shape of line %1 %2: %3% of the area in common</source>
        <translation>fast die Form aus Zeile %1, %2: %3 % der Fläche gemeinsam</translation>
    </message>
    <message>
        <source>the square (piece %1) has orientation %2, which play never reaches; write %3</source>
        <translation>das Quadrat (Teil %1) hat die Lage %2, die im Spiel nie erreicht wird; %3 schreiben</translation>
    </message>
    <message>
        <source>the silhouette encloses a hole of %1 square pixels</source>
        <translation>die Silhouette umschließt ein Loch von %1 Quadratpixeln</translation>
    </message>
    <message>
        <source>a step of %1 pixels</source>
        <translation>eine Stufe von %1 Pixeln</translation>
    </message>
    <message>
        <source>%1 steps, the shortest of %2 pixels</source>
        <translation>%1 Stufen, die kürzeste von %2 Pixeln</translation>
    </message>
    <message>
        <source>the outline makes %1, %2 at least wanted</source>
        <translation>der Umriss macht %1, mindestens %2 verlangt</translation>
    </message>
    <message>
        <source>ways the pieces fill each figure: one way %1, 2 to 9 ways %2, 10 to 99 ways %3, 100 or more %4; not counted (pieces on no one grid) %5</source>
        <translation>Arten, auf die die Teile jede Figur füllen: eine Art %1, 2 bis 9 Arten %2, 10 bis 99 Arten %3, 100 oder mehr %4; nicht gezählt (Teile auf keinem gemeinsamen Raster) %5</translation>
    </message>
</context>
<context>
    <name>CollectionFile</name>
    <message>
        <source>it is not a Pelorin file: %1</source>
        <translation>das ist keine Sammlungsdatei: %1</translation>
    </message>
    <message>
        <source>the line of this Pelorin also holds part of the piece set, which removing it would spoil</source>
        <translation>die Zeile dieser Figur enthält auch einen Teil des Teilesatzes, den das Entfernen zerstören würde</translation>
    </message>
    <message>
        <source>it holds more than %1 Pelorins, more than a file can hold</source>
        <translation>die Datei enthält mehr als %1 Figuren, mehr als sie fassen kann</translation>
    </message>
    <message>
        <source>it already holds %1 Pelorins, as many as a file can hold</source>
        <translation>die Datei enthält schon %1 Figuren, so viele, wie sie fassen kann</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>zederoru: cannot read %1: %2</source>
        <translation>zederoru: %1 ist nicht lesbar: %2</translation>
    </message>
    <message>
        <source>--check needs exactly one collection file</source>
        <translation>--check braucht genau eine Sammlungsdatei</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>only one collection can be opened</source>
        <translation>es kann nur eine Sammlung geöffnet werden</translation>
    </message>
    <message>
        <source>Try &apos;zederoru --help&apos; for more information.</source>
        <translation>Mehr dazu mit »zederoru --help«.</translation>
    </message>
    <message>
        <source>Usage: zederoru [FILE.pel]
       zederoru --check FILE.pel

Zederoru is a puzzle game: build the target figure out of seven pieces.

  FILE.pel          play the figures of this collection
  --check FILE.pel  check a collection and report, per record with its line number,
                    malformed records, overlapping or disconnected pieces, figures
                    too large or too sparse, duplicates (also figures of the same
                    silhouette, which accept each other&apos;s solutions) and a changed
                    piece set; and how many ways the pieces fill the figures;
                    the exit status is 0 when the collection is clean, 1 otherwise
  --help            show this text
  --version         show the version
</source>
        <translation>Aufruf: zederoru [DATEI.pel]
        zederoru --check DATEI.pel

Zederoru ist ein Legespiel: Baue die Zielfigur aus sieben Teilen nach.

  DATEI.pel          die Figuren dieser Sammlung spielen
  --check DATEI.pel  eine Sammlung prüfen und je Datensatz mit seiner Zeilennummer
                     melden: fehlerhafte Datensätze, überlappende oder getrennte
                     Teile, zu große oder zu dünne Figuren, doppelte Figuren (auch
                     Figuren derselben Silhouette, die die Lösung der jeweils anderen
                     annehmen) und einen geänderten Teilesatz; dazu, auf wie viele
                     Arten die Teile die Figuren füllen;
                     der Rückgabewert ist 0, wenn die Sammlung fehlerfrei ist, sonst 1
  --help             diesen Text zeigen
  --version          die Version zeigen
</translation>
    </message>
</context>
<context>
    <name>Completion</name>
    <message>
        <source>You got it - congratulations</source>
        <translation>Geschafft – herzlichen Glückwunsch</translation>
    </message>
</context>
<context>
    <name>Composing</name>
    <message>
        <source>Pelorin not appended to file:</source>
        <translation>Figur nicht an die Datei angehängt:</translation>
    </message>
    <message>
        <source>Proceed anyway ?</source>
        <translation>Trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>A block appears isolated !</source>
        <translation>Ein Teil scheint abgetrennt!</translation>
    </message>
    <message>
        <source>A cluster of blocks appear isolated !</source>
        <translation>Eine Gruppe von Teilen scheint abgetrennt!</translation>
    </message>
    <message>
        <source>Pelorin appended but not read back:</source>
        <translation>Figur angehängt, aber die Datei nicht wieder eingelesen:</translation>
    </message>
    <message>
        <source>Pelorin is too wide or too tall</source>
        <translation>Die Figur ist zu breit oder zu hoch</translation>
    </message>
    <message>
        <source>Pelorin appears sparse; may be too easy to solve !
Append anyway ?</source>
        <translation>Die Figur scheint dünn; vielleicht ist sie zu leicht zu lösen!
Trotzdem anhängen?</translation>
    </message>
    <message>
        <source>Append this Pelorin to file:
%1 ?</source>
        <translation>Diese Figur an die Datei anhängen:
%1?</translation>
    </message>
</context>
<context>
    <name>ExitSequence</name>
    <message>
        <source>The settings could not be saved:</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden:</translation>
    </message>
</context>
<context>
    <name>FigureFile</name>
    <message>
        <source>a home place is not a number</source>
        <translation>ein Startplatz ist keine Zahl</translation>
    </message>
    <message>
        <source>the shape record of piece %1, orientation %2 is not numeric</source>
        <translation>der Formdatensatz von Teil %1, Lage %2 ist nicht numerisch</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>das ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>das ist eine benannte Pipe, keine Datei</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>das ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>das ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is %1 bytes long, larger than the %2 bytes the game reads</source>
        <translation>die Datei ist %1 Byte lang, mehr als die %2 Byte, die das Spiel liest</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Shape</source>
        <translation>Figur</translation>
    </message>
    <message>
        <source>Play difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Remove existing Pelorin</source>
        <translation>Diese Figur entfernen</translation>
    </message>
    <message>
        <source>Append existing Pelorin</source>
        <translation>Figur vom Brett anhängen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Very easy</source>
        <translation>Sehr leicht</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Erste</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Nächste</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzte</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufall</translation>
    </message>
    <message>
        <source>View All</source>
        <translation>Alle zeigen</translation>
    </message>
    <message>
        <source>Target figure</source>
        <translation>Zielfigur</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Zederoru Help</source>
        <translation>Zederoru-Hilfe</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Zederoru Help&lt;/h2&gt;&lt;p&gt;The help page was not found. It belongs in&lt;/p&gt;&lt;p&gt;&lt;code&gt;%1&lt;/code&gt;&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Zederoru-Hilfe&lt;/h2&gt;&lt;p&gt;Die Hilfeseite wurde nicht gefunden. Sie gehört nach&lt;/p&gt;&lt;p&gt;&lt;code&gt;%1&lt;/code&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Board</source>
        <translation>Spielbrett</translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>%1 was not found</source>
        <translation>%1 wurde nicht gefunden</translation>
    </message>
</context>
<context>
    <name>Opening</name>
    <message>
        <source>Pelorin file not opened:</source>
        <translation>Sammlung nicht geöffnet:</translation>
    </message>
    <message>
        <source>Pelorin files</source>
        <translation>Sammlungen</translation>
    </message>
</context>
<context>
    <name>PELORIN1</name>
    <message>
        <source>the header is shorter than 64 lines</source>
        <translation>der Kopf ist kürzer als 64 Zeilen</translation>
    </message>
    <message>
        <source>Pelorin (%1 of %2)</source>
        <translation>Figur (%1 von %2)</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>Cannot handle more than %1 Zederoru</source>
        <translation>Zederoru kann nicht mehr als %1 Figuren verarbeiten</translation>
    </message>
</context>
<context>
    <name>PlayLevel</name>
    <message>
        <source>Play difficulty: NORMAL</source>
        <translation>Schwierigkeit: NORMAL</translation>
    </message>
    <message>
        <source>Play difficulty: EASY</source>
        <translation>Schwierigkeit: LEICHT</translation>
    </message>
    <message>
        <source>Play difficulty: VERY EASY</source>
        <translation>Schwierigkeit: SEHR LEICHT</translation>
    </message>
</context>
<context>
    <name>PrintPage</name>
    <message>
        <source>Print this page?</source>
        <translation>Diese Seite drucken?</translation>
    </message>
    <message>
        <source>The page was not printed.</source>
        <translation>Die Seite wurde nicht gedruckt.</translation>
    </message>
    <message>
        <source>The page was written to</source>
        <translation>Die Seite wurde gespeichert in</translation>
    </message>
</context>
<context>
    <name>PrintShapes</name>
    <message>
        <source>Print Shapes</source>
        <translation>Figuren drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Lösung zeigen</translation>
    </message>
    <message>
        <source>Show Shape</source>
        <translation>Figur zeigen</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Diese Seite drucken</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>The page could not be written to %1: %2</source>
        <translation>Die Seite konnte nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The page could not be written to %1.</source>
        <translation>Die Seite konnte nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>The printer %1 did not accept the page.</source>
        <translation>Der Drucker %1 hat die Seite nicht angenommen.</translation>
    </message>
    <message>
        <source>No printer found - save the page as PDF</source>
        <translation>Kein Drucker gefunden – Seite als PDF speichern</translation>
    </message>
    <message>
        <source>Zederoru page.pdf</source>
        <translation>Zederoru-Seite.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Printing is not available: %1.</source>
        <translation>Drucken ist nicht möglich: %1.</translation>
    </message>
</context>
<context>
    <name>Removing</name>
    <message>
        <source>Pelorin not removed from file:</source>
        <translation>Figur nicht aus der Datei entfernt:</translation>
    </message>
    <message>
        <source>Remove this Pelorin ( %1) ?</source>
        <translation>Diese Figur ( %1) entfernen?</translation>
    </message>
    <message>
        <source>another program has changed the file since it was loaded; open it again to see its Pelorins</source>
        <translation>ein anderes Programm hat die Datei seit dem Laden geändert; öffne sie erneut, um ihre Figuren zu sehen</translation>
    </message>
    <message>
        <source>Pelorin removed but file not read back:</source>
        <translation>Figur entfernt, aber die Datei nicht wieder eingelesen:</translation>
    </message>
    <message>
        <source>file:%1<byte value="xd"/>
already loaded and saved, use another filename to save as</source>
        <translation>Datei:%1<byte value="xd"/>
ist schon geladen und gespeichert; wähle zum Speichern unter einen anderen Dateinamen</translation>
    </message>
    <message>
        <source>%1
 file already exists, overwrite?</source>
        <translation>%1
 Diese Datei gibt es schon. Überschreiben?</translation>
    </message>
    <message>
        <source>Pelorin file not copied:</source>
        <translation>Sammlung nicht kopiert:</translation>
    </message>
    <message>
        <source>Pelorin file not copied as:</source>
        <translation>Sammlung nicht kopiert als:</translation>
    </message>
    <message>
        <source>%1
copied as:
%2</source>
        <translation>%1
kopiert als:
%2</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>it is busy: another Zederoru is changing it; try again in a moment</source>
        <translation>die Datei ist belegt: Ein anderes Zederoru ändert sie gerade; versuche es gleich noch einmal</translation>
    </message>
    <message>
        <source>the folder it lies in cannot be written</source>
        <translation>in ihren Ordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>its lock file cannot be created beside it</source>
        <translation>ihre Sperrdatei kann daneben nicht angelegt werden</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Pelorin shapes file not found:</source>
        <translation>Figurensammlung nicht gefunden:</translation>
    </message>
    <message>
        <source>Pelorin shapes file cannot be read:</source>
        <translation>Figurensammlung nicht lesbar:</translation>
    </message>
</context>
</TS>
