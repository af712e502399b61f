<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AppDataManager</name>
    <message>
        <source>Key %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>Key %1, link %2</source>
        <translation>Taste %1, Verknüpfung %2</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>line settings</source>
        <translation>Leitungseinstellungen</translation>
    </message>
    <message>
        <source>command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>second-layer switch</source>
        <translation>Schalter der zweiten Ebene</translation>
    </message>
    <message>
        <source>second-layer command</source>
        <translation>Befehl der zweiten Ebene</translation>
    </message>
    <message>
        <source>second-layer line settings</source>
        <translation>Leitungseinstellungen der zweiten Ebene</translation>
    </message>
    <message>
        <source>second-layer delay</source>
        <translation>Verzögerung der zweiten Ebene</translation>
    </message>
    <message>
        <source>the file ends after %1 bytes, before the %2 of %3</source>
        <translation>die Datei endet nach %1 Bytes, vor dem Feld „%2“ von %3</translation>
    </message>
    <message>
        <source>%2 lacks its %1</source>
        <translation>bei %2 fehlt das Feld „%1“</translation>
    </message>
    <message>
        <source>it does not begin as a configuration file does</source>
        <translation>sie beginnt nicht wie eine Konfigurationsdatei</translation>
    </message>
    <message>
        <source>its header announces %1 keys, fewer than the 1 to %2 a configuration holds</source>
        <translation>ihr Dateikopf kündigt %1 Tasten an, weniger als die 1 bis %2, die eine Konfiguration enthält</translation>
    </message>
    <message>
        <source>its header announces %1 keys, more than the %2 a configuration holds</source>
        <translation>ihr Dateikopf kündigt %1 Tasten an, mehr als die %2, die eine Konfiguration enthält</translation>
    </message>
    <message>
        <source>its header announces %1 records a key, fewer than the 1 to %2 a configuration holds</source>
        <translation>ihr Dateikopf kündigt %1 Datensätze je Taste an, weniger als die 1 bis %2, die eine Konfiguration enthält</translation>
    </message>
    <message>
        <source>its header announces %1 records a key, more than the %2 a configuration holds</source>
        <translation>ihr Dateikopf kündigt %1 Datensätze je Taste an, mehr als die %2, die eine Konfiguration enthält</translation>
    </message>
    <message>
        <source>the file ends after %1 bytes, inside a data record</source>
        <translation>die Datei endet nach %1 Bytes, mitten in einem Datensatz</translation>
    </message>
    <message>
        <source>the data record at byte %1 gives an impossible size (%2 bytes)</source>
        <translation>der Datensatz bei Byte %1 gibt eine unmögliche Größe an (%2 Bytes)</translation>
    </message>
    <message>
        <source>%2 repeats its %1 at byte %3</source>
        <translation>%2 wiederholt das Feld „%1“ bei Byte %3</translation>
    </message>
    <message>
        <source>the %1 of %2 at byte %3 has the wrong size (%4 bytes)</source>
        <translation>das Feld „%1“ von %2 bei Byte %3 hat die falsche Größe (%4 Bytes)</translation>
    </message>
</context>
<context>
    <name>AppMainWindow</name>
    <message>
        <source>&amp;Import JSON...</source>
        <translation>JSON &amp;importieren...</translation>
    </message>
    <message>
        <source>Replace the configuration with one in JSON form, as kvr210c-cli import reads it</source>
        <translation>Die Konfiguration durch eine in JSON-Form ersetzen, wie kvr210c-cli import sie liest</translation>
    </message>
    <message>
        <source>&amp;Export JSON...</source>
        <translation>JSON &amp;exportieren...</translation>
    </message>
    <message>
        <source>Write the configuration in JSON form, as kvr210c-cli export does</source>
        <translation>Die Konfiguration in JSON-Form schreiben, wie kvr210c-cli export es tut</translation>
    </message>
    <message>
        <source>Co&amp;mpare With File...</source>
        <translation>Mit Datei &amp;vergleichen...</translation>
    </message>
    <message>
        <source>Show every difference between this configuration and a file</source>
        <translation>Jeden Unterschied zwischen dieser Konfiguration und einer Datei zeigen</translation>
    </message>
    <message>
        <source>Export S&amp;heet...</source>
        <translation>&amp;Blatt exportieren...</translation>
    </message>
    <message>
        <source>Write the program as a PDF sheet for the site&apos;s records</source>
        <translation>Das Programm als PDF-Blatt für die Unterlagen des Standorts schreiben</translation>
    </message>
    <message>
        <source>Configuration files (*.app);;All files (*)</source>
        <translation>Konfigurationsdateien (*.app);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Compare With File</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>Export Sheet</source>
        <translation>Blatt exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The command is %1 bytes long.</source>
        <translation>Der Befehl ist %1 Bytes lang.</translation>
    </message>
    <message>
        <source>The second-layer command is %1 bytes long.</source>
        <translation>Der Befehl der zweiten Ebene ist %1 Bytes lang.</translation>
    </message>
    <message>
        <source>Change Data</source>
        <translation>Daten ändern</translation>
    </message>
    <message>
        <source>The field holds %1 bytes: Ok at the end of the edit keeps only the first %1 bytes. Cancel leaves the record as it is.</source>
        <translation>Das Feld enthält %1 Bytes: Ok am Ende der Bearbeitung behält nur die ersten %1 Bytes. Abbrechen lässt den Datensatz, wie er ist.</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Vom Gerät laden</translation>
    </message>
    <message>
        <source>Verify Program On Device</source>
        <translation>Programm auf dem Gerät prüfen</translation>
    </message>
    <message>
        <source>Compare the program on the device with this one, changing neither</source>
        <translation>Das Programm auf dem Gerät mit diesem vergleichen, ohne eines zu ändern</translation>
    </message>
    <message>
        <source>Connected to the device on %1</source>
        <translation>Mit dem Gerät an %1 verbunden</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>COM Port Setting</source>
        <translation>COM-Port-Einstellung</translation>
    </message>
    <message>
        <source>No port was chosen. Choose or type the port of the device.</source>
        <translation>Es wurde kein Port gewählt. Wählen oder tippen Sie den Port des Geräts.</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>%1 &amp;rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>%1 &amp;wiederholen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the selected key&apos;s program, or the selected link, as text</source>
        <translation>Das Programm der gewählten Taste oder die gewählte Verknüpfung als Text kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Replace the selected key&apos;s program, or the selected link, with the copied one</source>
        <translation>Das Programm der gewählten Taste oder die gewählte Verknüpfung durch das kopierte ersetzen</translation>
    </message>
    <message>
        <source>Finish the data you are editing with Ok or Cancel first.</source>
        <translation>Schließen Sie die Daten, die Sie bearbeiten, zuerst mit Ok oder Abbrechen ab.</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>%1 kopiert</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Replace the programs of keys %1?</source>
        <translation>Die Programme der Tasten %1 ersetzen?</translation>
    </message>
    <message>
        <source>The copied text holds several keys. Each goes onto the key of its number, with all its links and its second layer, whatever is selected.</source>
        <translation>Der kopierte Text enthält mehrere Tasten. Jede kommt auf die Taste ihrer Nummer, mit allen Verknüpfungen und ihrer zweiten Ebene, gleich was gewählt ist.</translation>
    </message>
    <message>
        <source>The clipboard&apos;s text cannot be pasted here: %1. Nothing was changed.</source>
        <translation>Der Text der Zwischenablage kann hier nicht eingefügt werden: %1. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Keys %1</source>
        <translation>Tasten %1</translation>
    </message>
    <message>
        <source>Paste onto %1</source>
        <translation>Auf %1 einfügen</translation>
    </message>
    <message>
        <source>Import JSON</source>
        <translation>JSON importieren</translation>
    </message>
    <message>
        <source>JSON files (*.json);;All files (*)</source>
        <translation>JSON-Dateien (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export JSON</source>
        <translation>JSON exportieren</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Nach %1 exportiert</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>%1 umbenennen</translation>
    </message>
    <message>
        <source>Change line settings of %1</source>
        <translation>Leitungseinstellungen von %1 ändern</translation>
    </message>
    <message>
        <source>The configuration has been modified.
Do you want to save your changes?</source>
        <translation>Die Konfiguration wurde geändert.
Möchten Sie Ihre Änderungen speichern?</translation>
    </message>
    <message>
        <source>The data you are editing has not been stored yet: Save stores it as Ok does, Discard drops it as Cancel does.</source>
        <translation>Die Daten, die Sie bearbeiten, sind noch nicht übernommen: Speichern übernimmt sie wie Ok, Verwerfen verwirft sie wie Abbrechen.</translation>
    </message>
    <message>
        <source>Can&apos;t open wire</source>
        <translation>Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Can&apos;t file wire</source>
        <translation>Datei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>Link %1</source>
        <translation>Verknüpfung %1</translation>
    </message>
    <message>
        <source>Link %1 of key %2</source>
        <translation>Verknüpfung %1 der Taste %2</translation>
    </message>
    <message>
        <source>Change data of %1</source>
        <translation>Daten von %1 ändern</translation>
    </message>
</context>
<context>
    <name>BoundedRead</name>
    <message>
        <source>the input is not open for reading</source>
        <translation>die Eingabe ist nicht zum Lesen geöffnet</translation>
    </message>
    <message>
        <source>the input is larger than %1 bytes</source>
        <translation>die Eingabe ist größer als %1 Bytes</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ComPortPicker</name>
    <message>
        <source>serial number %1</source>
        <translation>Seriennummer %1</translation>
    </message>
</context>
<context>
    <name>ComSettingBox</name>
    <message>
        <source>COM Port Setting</source>
        <translation>COM-Port-Einstellung</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Data Bits&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Datenbits&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Parity Bit&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Paritätsbit&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Stop Bit&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Stoppbit&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Datenbits</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ungerade</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>MARK</source>
        <translation>MARK</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translation>SPACE</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Stoppbits</translation>
    </message>
    <message>
        <source>Port Name</source>
        <translation>Portname</translation>
    </message>
    <message>
        <source>Port name</source>
        <translation>Portname</translation>
    </message>
    <message>
        <source>The port the device is connected to; a port the system does not list can be typed in</source>
        <translation>Der Port, an dem das Gerät hängt; ein Port, den das System nicht auflistet, kann eingetippt werden</translation>
    </message>
    <message>
        <source>Read the list of ports again</source>
        <translation>Die Liste der Ports neu lesen</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Trace the device link</source>
        <translation>Die Geräteverbindung mitschreiben</translation>
    </message>
    <message>
        <source>&amp;Trace the device link</source>
        <translation>Geräteverbindung &amp;mitschreiben</translation>
    </message>
</context>
<context>
    <name>CommandButton</name>
    <message>
        <source>%1, unused</source>
        <translation>%1, unbenutzt</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Change Button &amp;Name</source>
        <translation>Tasten&amp;namen ändern</translation>
    </message>
    <message>
        <source>Change &amp;Data</source>
        <translation>&amp;Daten ändern</translation>
    </message>
    <message>
        <source>Change &amp;Baud Rate</source>
        <translation>&amp;Baudrate ändern</translation>
    </message>
    <message>
        <source>Change Button Name</source>
        <translation>Tastennamen ändern</translation>
    </message>
    <message>
        <source>The name cannot hold %1: a configuration file keeps only Latin-1 characters.</source>
        <translation>Der Name kann %1 nicht enthalten: eine Konfigurationsdatei speichert nur Latin-1-Zeichen.</translation>
    </message>
</context>
<context>
    <name>CommandField</name>
    <message>
        <source>The command holds %1 bytes, the most it can: nothing more fits.</source>
        <translation>Der Befehl enthält %1 Bytes, so viele er kann: mehr passt nicht.</translation>
    </message>
    <message>
        <source>The cursor stands at the end of the field: End goes back to the end of the command.</source>
        <translation>Der Cursor steht am Ende des Feldes: Ende springt zurück ans Ende des Befehls.</translation>
    </message>
    <message>
        <source>Only the hex digits 0 to 9 and A to F can be typed in Hex form.</source>
        <translation>In Hex-Form können nur die Hex-Ziffern 0 bis 9 und A bis F getippt werden.</translation>
    </message>
    <message>
        <source>A blank cannot be typed in ASCII form: type it in Hex form, as 20.</source>
        <translation>Ein Leerzeichen kann in ASCII-Form nicht getippt werden: tippen Sie es in Hex-Form als 20.</translation>
    </message>
</context>
<context>
    <name>CommandFieldNames</name>
    <message>
        <source>in hex</source>
        <translation>in Hex</translation>
    </message>
    <message>
        <source>in ASCII</source>
        <translation>in ASCII</translation>
    </message>
    <message>
        <source>Command, first layer, %1</source>
        <translation>Befehl, erste Ebene, %1</translation>
    </message>
    <message>
        <source>Command, second layer, %1</source>
        <translation>Befehl, zweite Ebene, %1</translation>
    </message>
</context>
<context>
    <name>CommandLibrary</name>
    <message>
        <source>missing (expected text)</source>
        <translation>fehlt (Text erwartet)</translation>
    </message>
    <message>
        <source>expected text</source>
        <translation>Text erwartet</translation>
    </message>
    <message>
        <source>expected a whole number</source>
        <translation>ganze Zahl erwartet</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>Objekt erwartet</translation>
    </message>
    <message>
        <source>expected byte, decimal or hexdigits, not &quot;%1&quot;</source>
        <translation>byte, decimal oder hexdigits erwartet, nicht „%1“</translation>
    </message>
    <message>
        <source>missing (a decimal without a width needs one)</source>
        <translation>fehlt (ein decimal ohne width braucht es)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a rule (known: %2)</source>
        <translation>„%1“ ist keine Regel (bekannt: %2)</translation>
    </message>
    <message>
        <source>expected big or little, not &quot;%1&quot;</source>
        <translation>big oder little erwartet, nicht „%1“</translation>
    </message>
    <message>
        <source>expected binary or ascii, not &quot;%1&quot;</source>
        <translation>binary oder ascii erwartet, nicht „%1“</translation>
    </message>
    <message>
        <source>give reply or reply_text, not both</source>
        <translation>reply oder reply_text angeben, nicht beides</translation>
    </message>
    <message>
        <source>expected a list of at most %1 parameters</source>
        <translation>Liste von höchstens %1 Parametern erwartet</translation>
    </message>
    <message>
        <source>must not be empty</source>
        <translation>darf nicht leer sein</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>has control characters</source>
        <translation>enthält Steuerzeichen</translation>
    </message>
    <message>
        <source>use letters, digits and _ only</source>
        <translation>nur Buchstaben, Ziffern und _ verwenden</translation>
    </message>
    <message>
        <source>a byte takes no width</source>
        <translation>ein byte hat keine width</translation>
    </message>
    <message>
        <source>expected %1 to %2</source>
        <translation>%1 bis %2 erwartet</translation>
    </message>
    <message>
        <source>expected 0 to %1</source>
        <translation>0 bis %1 erwartet</translation>
    </message>
    <message>
        <source>%1 takes more than %2 digits</source>
        <translation>%1 braucht mehr als %2 Ziffern</translation>
    </message>
    <message>
        <source>give hex or text, not both</source>
        <translation>hex oder text angeben, nicht beides</translation>
    </message>
    <message>
        <source>missing (an entry needs hex or text)</source>
        <translation>fehlt (ein Eintrag braucht hex oder text)</translation>
    </message>
    <message>
        <source>{%1} at position %2 names no parameter</source>
        <translation>{%1} an Position %2 nennt keinen Parameter</translation>
    </message>
    <message>
        <source>{%1} is not used in %2</source>
        <translation>{%1} wird in %2 nicht verwendet</translation>
    </message>
    <message>
        <source>more than %1 parameters</source>
        <translation>mehr als %1 Parameter</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is also the name of params[%2]</source>
        <translation>„%1“ ist auch der Name von params[%2]</translation>
    </message>
    <message>
        <source>skip and trail cannot be negative</source>
        <translation>skip und trail können nicht negativ sein</translation>
    </message>
    <message>
        <source>gives no bytes</source>
        <translation>ergibt keine Bytes</translation>
    </message>
    <message>
        <source>more than %1 entries</source>
        <translation>mehr als %1 Einträge</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is also the name of entries[%2]</source>
        <translation>„%1“ ist auch der Name von entries[%2]</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot; (this is not a command library)</source>
        <translation>&quot;%1&quot; erwartet (dies ist keine Befehlsbibliothek)</translation>
    </message>
    <message>
        <source>the file is from a newer version of the program (library version %1; this one reads version %2)</source>
        <translation>die Datei stammt von einer neueren Version des Programms (Bibliotheksversion %1; diese liest Version %2)</translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>%1 erwartet</translation>
    </message>
    <message>
        <source>expected a list of entries</source>
        <translation>Liste von Einträgen erwartet</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>größer als %1 Bytes</translation>
    </message>
    <message>
        <source>expected a JSON object with &quot;format&quot;, &quot;version&quot; and &quot;entries&quot;</source>
        <translation>JSON-Objekt mit &quot;format&quot;, &quot;version&quot; und &quot;entries&quot; erwartet</translation>
    </message>
    <message>
        <source>cannot read the command library: %1</source>
        <translation>die Befehlsbibliothek kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the command library %1: %2</source>
        <translation>die Befehlsbibliothek %1: %2</translation>
    </message>
    <message>
        <source>the command library was not saved: %1</source>
        <translation>die Befehlsbibliothek wurde nicht gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>CommandLibraryWindow</name>
    <message>
        <source>Command Library</source>
        <translation>Befehlsbibliothek</translation>
    </message>
    <message>
        <source>Name, equipment or group</source>
        <translation>Name, Gerät oder Gruppe</translation>
    </message>
    <message>
        <source>Search the libraries</source>
        <translation>Die Bibliotheken durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Libraries and their entries</source>
        <translation>Bibliotheken und ihre Einträge</translation>
    </message>
    <message>
        <source>&amp;Open Library...</source>
        <translation>Bibliothek ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Remove from List</source>
        <translation>Aus der Liste &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Import a table of commands by model into your library</source>
        <translation>Eine Befehlstabelle nach Modell in Ihre Bibliothek importieren</translation>
    </message>
    <message>
        <source>S&amp;econd layer of the key</source>
        <translation>Zw&amp;eite Ebene der Taste</translation>
    </message>
    <message>
        <source>&amp;Use for the Selected Record</source>
        <translation>Für den gewählten Datensatz &amp;verwenden</translation>
    </message>
    <message>
        <source>&amp;Add the Selected Record...</source>
        <translation>Den gewählten Datensatz &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>Port of the equipment</source>
        <translation>Port des Geräts</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>&amp;Try</source>
        <translation>&amp;Ausprobieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Try on the equipment</source>
        <translation>Am Gerät ausprobieren</translation>
    </message>
    <message>
        <source>%1: not used, it could not be read (%2)</source>
        <translation>%1: nicht verwendet, konnte nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>%1 (empty)</source>
        <translation>%1 (leer)</translation>
    </message>
    <message>
        <source>(no equipment named)</source>
        <translation>(kein Gerät genannt)</translation>
    </message>
    <message>
        <source>Choose a key or a link in the main window first.</source>
        <translation>Wählen Sie zuerst im Hauptfenster eine Taste oder eine Verknüpfung.</translation>
    </message>
    <message>
        <source>Finish the data you are editing in the main window with Ok or Cancel first.</source>
        <translation>Schließen Sie die Daten, die Sie im Hauptfenster bearbeiten, zuerst mit Ok oder Abbrechen ab.</translation>
    </message>
    <message>
        <source>Not used: %1</source>
        <translation>Nicht verwendet: %1</translation>
    </message>
    <message>
        <source>Not used: %1.</source>
        <translation>Nicht verwendet: %1.</translation>
    </message>
    <message>
        <source>Not used: a record cannot hold the line settings %1 (%2).</source>
        <translation>Nicht verwendet: ein Datensatz kann die Leitungseinstellungen %1 nicht aufnehmen (%2).</translation>
    </message>
    <message>
        <source>Use %1 for %2</source>
        <translation>%1 für %2 verwenden</translation>
    </message>
    <message>
        <source>%1 now holds %2.</source>
        <translation>%1 enthält jetzt %2.</translation>
    </message>
    <message>
        <source>%1 already holds these bytes and line settings.</source>
        <translation>%1 enthält diese Bytes und Leitungseinstellungen bereits.</translation>
    </message>
    <message>
        <source>Not tried: %1</source>
        <translation>Nicht ausprobiert: %1</translation>
    </message>
    <message>
        <source>Not tried: the line settings %1 cannot be used (%2).</source>
        <translation>Nicht ausprobiert: die Leitungseinstellungen %1 sind nicht verwendbar (%2).</translation>
    </message>
    <message>
        <source>Trying %1 on %2 at %3...</source>
        <translation>%1 wird an %2 mit %3 ausprobiert...</translation>
    </message>
    <message>
        <source>Reply %1 (the expected reply could not be read: %2)</source>
        <translation>Antwort %1 (die erwartete Antwort konnte nicht gelesen werden: %2)</translation>
    </message>
    <message>
        <source>Reply %1 (the entry expects none in particular)</source>
        <translation>Antwort %1 (der Eintrag erwartet keine bestimmte)</translation>
    </message>
    <message>
        <source>Reply %1: %2 (expected %3)</source>
        <translation>Antwort %1: %2 (erwartet %3)</translation>
    </message>
    <message>
        <source>Nothing added: %1</source>
        <translation>Nichts hinzugefügt: %1</translation>
    </message>
    <message>
        <source>there is no such record.</source>
        <translation>diesen Datensatz gibt es nicht.</translation>
    </message>
    <message>
        <source>Nothing added: %1 holds no command.</source>
        <translation>Nichts hinzugefügt: %1 enthält keinen Befehl.</translation>
    </message>
    <message>
        <source>Import Command Table</source>
        <translation>Befehlstabelle importieren</translation>
    </message>
    <message>
        <source>JSON files (*.json);;All files (*)</source>
        <translation>JSON-Dateien (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open Library</source>
        <translation>Bibliothek öffnen</translation>
    </message>
    <message>
        <source>Command libraries (*.json);;All files (*)</source>
        <translation>Befehlsbibliotheken (*.json);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>CommandTrial</name>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>no reply within %1 ms</source>
        <translation>keine Antwort innerhalb von %1 ms</translation>
    </message>
    <message>
        <source>1 byte after %1 ms</source>
        <translation>1 Byte nach %1 ms</translation>
    </message>
    <message>
        <source>%1 bytes, the first after %2 ms, the last after %3 ms</source>
        <translation>%1 Bytes, das erste nach %2 ms, das letzte nach %3 ms</translation>
    </message>
    <message>
        <source> (then nothing for %1 ms)</source>
        <translation> (danach %1 ms lang nichts)</translation>
    </message>
    <message>
        <source> (as many as asked for)</source>
        <translation> (so viele wie verlangt)</translation>
    </message>
    <message>
        <source> (up to the end byte)</source>
        <translation> (bis zum Endbyte)</translation>
    </message>
    <message>
        <source> (cut: at most %1 bytes are kept)</source>
        <translation> (gekürzt: höchstens %1 Bytes werden behalten)</translation>
    </message>
    <message>
        <source>Choose the port the equipment is connected to.</source>
        <translation>Wählen Sie den Port, an dem das Gerät angeschlossen ist.</translation>
    </message>
    <message>
        <source>%1 is the port the device is connected on: a trial there would talk to the device, not to the equipment. Choose the port the equipment is connected to, or disconnect the device first.</source>
        <translation>%1 ist der Port, an dem das zu programmierende Gerät verbunden ist: ein Versuch dort spräche mit diesem Gerät, nicht mit dem angesteuerten. Wählen Sie den Port, an dem das angesteuerte Gerät angeschlossen ist, oder trennen Sie zuerst die Verbindung zum zu programmierenden Gerät.</translation>
    </message>
    <message>
        <source>There is nothing to send: the command is empty.</source>
        <translation>Es gibt nichts zu senden: der Befehl ist leer.</translation>
    </message>
    <message>
        <source>At most %1 bytes are sent in one trial.</source>
        <translation>In einem Versuch werden höchstens %1 Bytes gesendet.</translation>
    </message>
    <message>
        <source>The wait for the reply is %1 to %2 ms.</source>
        <translation>Die Wartezeit auf die Antwort beträgt %1 bis %2 ms.</translation>
    </message>
    <message>
        <source>The count of reply bytes is 0 (any) to %1.</source>
        <translation>Die Anzahl der Antwortbytes ist 0 (beliebig) bis %1.</translation>
    </message>
    <message>
        <source>The end byte is one byte, 00 to FF.</source>
        <translation>Das Endbyte ist ein Byte, 00 bis FF.</translation>
    </message>
    <message>
        <source>The line settings of this command are out of range.</source>
        <translation>Die Leitungseinstellungen dieses Befehls liegen außerhalb des gültigen Bereichs.</translation>
    </message>
    <message>
        <source>The port %1 does not take the line settings %2 (%3).</source>
        <translation>Der Port %1 nimmt die Leitungseinstellungen %2 nicht an (%3).</translation>
    </message>
    <message>
        <source>The port %1 could not be opened (%2).</source>
        <translation>Der Port %1 konnte nicht geöffnet werden (%2).</translation>
    </message>
    <message>
        <source>The equipment on %1 was disconnected or stopped answering.</source>
        <translation>Das Gerät an %1 wurde getrennt oder antwortet nicht mehr.</translation>
    </message>
    <message>
        <source>The equipment on %1 was disconnected or stopped answering (%2).</source>
        <translation>Das Gerät an %1 wurde getrennt oder antwortet nicht mehr (%2).</translation>
    </message>
    <message>
        <source>The command did not leave the port %1 (%2 of %3 bytes sent).</source>
        <translation>Der Befehl hat den Port %1 nicht verlassen (%2 von %3 Bytes gesendet).</translation>
    </message>
</context>
<context>
    <name>ComparisonDialog</name>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Hier</translation>
    </message>
    <message>
        <source>There</source>
        <translation>Dort</translation>
    </message>
    <message>
        <source>Compare With File</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Can&apos;t open wire</source>
        <translation>Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>%1 is not a configuration file of this editor, or it is damaged: %2. Nothing was compared.</source>
        <translation>%1 ist keine Konfigurationsdatei dieses Editors oder beschädigt: %2. Nichts wurde verglichen.</translation>
    </message>
    <message>
        <source>The file holds the same configuration.</source>
        <translation>Die Datei enthält dieselbe Konfiguration.</translation>
    </message>
    <message>
        <source>%1 differs from this configuration (1 difference):</source>
        <translation>%1 weicht von dieser Konfiguration ab (1 Unterschied):</translation>
    </message>
    <message>
        <source>%1 differs from this configuration (%2 differences):</source>
        <translation>%1 weicht von dieser Konfiguration ab (%2 Unterschiede):</translation>
    </message>
</context>
<context>
    <name>ConfigComparison</name>
    <message>
        <source>stored value %1</source>
        <translation>gespeicherter Wert %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>(end)</source>
        <translation>(Ende)</translation>
    </message>
    <message>
        <source>%1 at offset %2:</source>
        <translation>%1 an Position %2:</translation>
    </message>
    <message>
        <source>record</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>switch</source>
        <translation>Schalter</translation>
    </message>
    <message>
        <source>command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>baud rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>data bits</source>
        <translation>Datenbits</translation>
    </message>
    <message>
        <source>stop bits</source>
        <translation>Stoppbits</translation>
    </message>
    <message>
        <source>delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>present</source>
        <translation>vorhanden</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>ungerade</translation>
    </message>
    <message>
        <source>even</source>
        <translation>gerade</translation>
    </message>
    <message>
        <source>space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>Markierung</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>%1 is not a configuration file of this editor, or it is damaged: %2. Nothing was loaded.</source>
        <translation>%1 ist keine Konfigurationsdatei dieses Editors oder beschädigt: %2. Nichts wurde geladen.</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Es wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>%1. Nothing was imported.</source>
        <translation>%1. Nichts wurde importiert.</translation>
    </message>
    <message>
        <source>%1 is not a configuration in JSON form: %2. Nothing was imported.</source>
        <translation>%1 ist keine Konfiguration in JSON-Form: %2. Nichts wurde importiert.</translation>
    </message>
    <message>
        <source>%1 holds more than a configuration file can: %2. Nothing was imported.</source>
        <translation>%1 enthält mehr, als eine Konfigurationsdatei kann: %2. Nichts wurde importiert.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>%1 is not a regular file; it was taken off the list.</source>
        <translation>%1 ist keine gewöhnliche Datei; sie wurde von der Liste genommen.</translation>
    </message>
    <message>
        <source>%1 no longer exists; it was taken off the list.</source>
        <translation>%1 gibt es nicht mehr; sie wurde von der Liste genommen.</translation>
    </message>
</context>
<context>
    <name>ConfigJson</name>
    <message>
        <source>expected an integer 0 to %1 (or {&quot;raw&quot;: n} for a value the editor does not offer)</source>
        <translation>ganze Zahl 0 bis %1 erwartet (oder {&quot;raw&quot;: n} für einen Wert, den der Editor nicht anbietet)</translation>
    </message>
    <message>
        <source>expected one of %1 (or {&quot;raw&quot;: n} for a value the editor does not offer)</source>
        <translation>einer von %1 erwartet (oder {&quot;raw&quot;: n} für einen Wert, den der Editor nicht anbietet)</translation>
    </message>
    <message>
        <source>unknown field (known here: %1)</source>
        <translation>unbekanntes Feld (hier bekannt: %1)</translation>
    </message>
    <message>
        <source>expected {&quot;raw&quot;: n}</source>
        <translation>{&quot;raw&quot;: n} erwartet</translation>
    </message>
    <message>
        <source>expected a 32-bit integer</source>
        <translation>ganze 32-Bit-Zahl erwartet</translation>
    </message>
    <message>
        <source>expected a string</source>
        <translation>Zeichenkette erwartet</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>contains a zero character, which the file cannot hold</source>
        <translation>enthält ein Nullzeichen, das die Datei nicht aufnehmen kann</translation>
    </message>
    <message>
        <source>character %1 (U+%2) cannot be stored; the file holds Latin-1 characters only</source>
        <translation>das Zeichen %1 (U+%2) kann nicht gespeichert werden; die Datei nimmt nur Latin-1-Zeichen auf</translation>
    </message>
    <message>
        <source>expected {&quot;raw&quot;: text}</source>
        <translation>{&quot;raw&quot;: text} erwartet</translation>
    </message>
    <message>
        <source>expected a string of hex digits such as &quot;0D0A&quot;</source>
        <translation>Zeichenkette aus Hex-Ziffern erwartet, etwa &quot;0D0A&quot;</translation>
    </message>
    <message>
        <source>the blank at position %1 splits a byte; every byte takes two digits</source>
        <translation>das Leerzeichen an Position %1 teilt ein Byte; jedes Byte braucht zwei Ziffern</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at position %2 is not a hex digit (write the bytes as hex digit pairs, such as &quot;0D0A&quot; or &quot;0D 0A&quot;)</source>
        <translation>„%1“ an Position %2 ist keine Hex-Ziffer (schreiben Sie die Bytes als Paare von Hex-Ziffern, etwa &quot;0D0A&quot; oder &quot;0D 0A&quot;)</translation>
    </message>
    <message>
        <source>longer than %1 hex digits</source>
        <translation>länger als %1 Hex-Ziffern</translation>
    </message>
    <message>
        <source>odd number of hex digits; every byte takes two</source>
        <translation>ungerade Anzahl Hex-Ziffern; jedes Byte braucht zwei</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>Objekt erwartet</translation>
    </message>
    <message>
        <source>expected true or false</source>
        <translation>true oder false erwartet</translation>
    </message>
    <message>
        <source>missing; say which %1 this is (%2 to %3)</source>
        <translation>fehlt; geben Sie an, welcher %1 das ist (%2 bis %3)</translation>
    </message>
    <message>
        <source>expected an integer %1 to %2</source>
        <translation>ganze Zahl %1 bis %2 erwartet</translation>
    </message>
    <message>
        <source>%1 %2 appears more than once</source>
        <translation>%1 %2 kommt mehr als einmal vor</translation>
    </message>
    <message>
        <source>expected an array</source>
        <translation>Array erwartet</translation>
    </message>
    <message>
        <source>a key has %1 links, this list has %2</source>
        <translation>eine Taste hat %1 Verknüpfungen, diese Liste hat %2</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot;</source>
        <translation>&quot;%1&quot; erwartet</translation>
    </message>
    <message>
        <source>missing; expected %1 (or %2 for the older form)</source>
        <translation>fehlt; erwartet wird %1 (oder %2 für die ältere Form)</translation>
    </message>
    <message>
        <source>expected %1 to %2; this program reads versions %1 to %2</source>
        <translation>%1 bis %2 erwartet; dieses Programm liest die Versionen %1 bis %2</translation>
    </message>
    <message>
        <source>missing; for a new configuration write &quot;keys&quot;: []</source>
        <translation>fehlt; für eine neue Konfiguration schreiben Sie &quot;keys&quot;: []</translation>
    </message>
    <message>
        <source>the device has %1 keys, this list has %2</source>
        <translation>das Gerät hat %1 Tasten, diese Liste hat %2</translation>
    </message>
    <message>
        <source>not valid JSON at line %1, column %2: %3</source>
        <translation>kein gültiges JSON in Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>%1: appears more than once; give each field once</source>
        <translation>%1: kommt mehr als einmal vor; geben Sie jedes Feld nur einmal an</translation>
    </message>
    <message>
        <source>expected a JSON object with &quot;format&quot;: &quot;%1&quot;</source>
        <translation>JSON-Objekt mit &quot;format&quot;: &quot;%1&quot; erwartet</translation>
    </message>
</context>
<context>
    <name>DeviceBackup</name>
    <message>
        <source>cannot write in the backup folder %1 (%2)</source>
        <translation>im Sicherungsordner %1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>the backup folder %1 already holds %2 backups of %3 from this second</source>
        <translation>der Sicherungsordner %1 enthält bereits %2 Sicherungen von %3 aus dieser Sekunde</translation>
    </message>
    <message>
        <source>cannot write the backup %1 (%2)</source>
        <translation>die Sicherung %1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>the backup %1 did not read back as it was written</source>
        <translation>die Sicherung %1 ließ sich nicht so zurücklesen, wie sie geschrieben wurde</translation>
    </message>
    <message>
        <source>the backup folder %1 is not a folder that can be made</source>
        <translation>der Sicherungsordner %1 ist kein Ordner, der angelegt werden kann</translation>
    </message>
    <message>
        <source>the device&apos;s program could not be loaded: %1</source>
        <translation>das Programm des Geräts konnte nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>the device&apos;s program came incomplete: %1 did not arrive</source>
        <translation>das Programm des Geräts kam unvollständig an (nicht angekommen: %1)</translation>
    </message>
    <message>
        <source>backed up to %1</source>
        <translation>gesichert nach %1</translation>
    </message>
</context>
<context>
    <name>DeviceController</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The connection to the device was lost: %1</source>
        <translation>Die Verbindung zum Gerät ging verloren: %1</translation>
    </message>
    <message>
        <source>COM Port Setting</source>
        <translation>COM-Port-Einstellung</translation>
    </message>
    <message>
        <source>Can&apos;t open the port &quot;%1&quot;: %2</source>
        <translation>Der Port „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Connecting to the device on %1...</source>
        <translation>Verbindung zum Gerät an %1...</translation>
    </message>
    <message>
        <source>The device does not answer on &quot;%1&quot;. Check the cable, the power and the port name.

%2</source>
        <translation>Das Gerät antwortet nicht an „%1“. Prüfen Sie das Kabel, die Stromversorgung und den Portnamen.

%2</translation>
    </message>
    <message>
        <source>The port was not opened, because the trace of the device link cannot be written: %1</source>
        <translation>Der Port wurde nicht geöffnet, weil das Protokoll der Geräteverbindung nicht geschrieben werden kann: %1</translation>
    </message>
    <message>
        <source>Trace the Device Link</source>
        <translation>Geräteverbindung mitschreiben</translation>
    </message>
    <message>
        <source>The trace of the device link stopped early: %1.</source>
        <translation>Das Protokoll der Geräteverbindung hörte vorzeitig auf: %1.</translation>
    </message>
    <message>
        <source>The trace of the device link reached its limit of %1 MB and was cut.</source>
        <translation>Das Protokoll der Geräteverbindung erreichte seine Grenze von %1 MB und wurde abgeschnitten.</translation>
    </message>
    <message>
        <source>Storing the program</source>
        <translation>Programm wird gespeichert</translation>
    </message>
    <message>
        <source>Storing the program to the device...</source>
        <translation>Das Programm wird auf das Gerät gespeichert...</translation>
    </message>
    <message>
        <source>Load Program To Device</source>
        <translation>Programm auf das Gerät laden</translation>
    </message>
    <message>
        <source>Load Program From Device</source>
        <translation>Programm vom Gerät laden</translation>
    </message>
    <message>
        <source>The program could not be loaded: the records here could not be copied.</source>
        <translation>Das Programm konnte nicht geladen werden: die Datensätze hier konnten nicht kopiert werden.</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Loading the program from the device...</source>
        <translation>Das Programm wird vom Gerät geladen...</translation>
    </message>
    <message>
        <source>Only %1 of %2 records arrived from the device; this one did not: %3.</source>
        <translation>Nur %1 von %2 Datensätzen kamen vom Gerät an; dieser nicht: %3.</translation>
    </message>
    <message>
        <source>Only %1 of %2 records arrived from the device; these did not: %3.</source>
        <translation>Nur %1 von %2 Datensätzen kamen vom Gerät an; diese nicht: %3.</translation>
    </message>
    <message>
        <source>Apply the records that arrived? The others keep the values they have here. Discard changes nothing.</source>
        <translation>Die angekommenen Datensätze übernehmen? Die anderen behalten ihre Werte hier. Verwerfen ändert nichts.</translation>
    </message>
    <message>
        <source>The loaded program could not be applied; nothing was changed.</source>
        <translation>Das geladene Programm konnte nicht übernommen werden; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Reading the program on the device...</source>
        <translation>Das Programm auf dem Gerät wird gelesen...</translation>
    </message>
    <message>
        <source>Verify Program On Device</source>
        <translation>Programm auf dem Gerät prüfen</translation>
    </message>
    <message>
        <source>The device holds this program.</source>
        <translation>Das Gerät enthält dieses Programm.</translation>
    </message>
    <message>
        <source>The device holds a different program (1 difference):</source>
        <translation>Das Gerät enthält ein anderes Programm (1 Unterschied):</translation>
    </message>
    <message numerus="yes">
        <source>The device holds a different program (%n differences):</source>
        <translation>
            <numerusform>Das Gerät enthält ein anderes Programm (%n Unterschied):</numerusform>
            <numerusform>Das Gerät enthält ein anderes Programm (%n Unterschiede):</numerusform>
        </translation>
    </message>
    <message>
        <source>Backing up the device</source>
        <translation>Sicherung des Geräts</translation>
    </message>
    <message>
        <source>Loading the device&apos;s program into the backup folder...</source>
        <translation>Das Programm des Geräts wird in den Sicherungsordner geladen...</translation>
    </message>
    <message>
        <source>The backup was cancelled; nothing was stored.</source>
        <translation>Die Sicherung wurde abgebrochen; es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Nothing was stored: the program on the device could not be backed up first (%1).</source>
        <translation>Es wurde nichts gespeichert: das Programm auf dem Gerät konnte vorher nicht gesichert werden (%1).</translation>
    </message>
    <message>
        <source>The program on the device was backed up to %1.</source>
        <translation>Das Programm auf dem Gerät wurde in %1 gesichert.</translation>
    </message>
</context>
<context>
    <name>DeviceFinder</name>
    <message>
        <source>&amp;Find Device</source>
        <translation>Gerät &amp;suchen</translation>
    </message>
    <message>
        <source>Try every port listed, and the one typed, for the device</source>
        <translation>Jeden aufgelisteten Port und den eingetippten nach dem Gerät absuchen</translation>
    </message>
    <message>
        <source>No port to try: plug in the device&apos;s adapter or type its port.</source>
        <translation>Kein Port zum Ausprobieren: stecken Sie den Adapter des Geräts ein oder tippen Sie seinen Port.</translation>
    </message>
    <message>
        <source>Looking for the device...</source>
        <translation>Das Gerät wird gesucht...</translation>
    </message>
    <message>
        <source>Looking for the device on %1...</source>
        <translation>Das Gerät wird an %1 gesucht...</translation>
    </message>
    <message>
        <source>Looking for the device on %1 ports at once...</source>
        <translation>Das Gerät wird an %1 Ports zugleich gesucht...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Find Device</source>
        <translation>Gerät suchen</translation>
    </message>
    <message>
        <source>%1: device (connected)</source>
        <translation>%1: Gerät (verbunden)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>Device found on %1.</source>
        <translation>Gerät an %1 gefunden.</translation>
    </message>
    <message>
        <source>Devices found on %1.</source>
        <translation>Geräte an %1 gefunden.</translation>
    </message>
    <message>
        <source>Cancelled before every port had answered.</source>
        <translation>Abgebrochen, bevor jeder Port geantwortet hatte.</translation>
    </message>
    <message>
        <source>Cancelled: no device found before that.</source>
        <translation>Abgebrochen: bis dahin wurde kein Gerät gefunden.</translation>
    </message>
    <message>
        <source>No device answered on %1.</source>
        <translation>An %1 antwortete kein Gerät.</translation>
    </message>
    <message>
        <source>No device answered on any of the %1 ports tried.</source>
        <translation>An keinem der %1 ausprobierten Ports antwortete ein Gerät.</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>%1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Something else answered on %1.</source>
        <translation>An %1 antwortete etwas anderes.</translation>
    </message>
    <message>
        <source>device found</source>
        <translation>Gerät gefunden</translation>
    </message>
</context>
<context>
    <name>DeviceProbe</name>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>something else answered</source>
        <translation>etwas anderes hat geantwortet</translation>
    </message>
    <message>
        <source>cannot open the port</source>
        <translation>Port lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>Something other than the device answered on %1 (%2 of %3 answers were not the device&apos;s).</source>
        <translation>An %1 hat etwas anderes als das Gerät geantwortet (%2 von %3 Antworten kamen nicht vom Gerät).</translation>
    </message>
    <message>
        <source>Nothing answered the handshake on %1 (1 attempt).</source>
        <translation>An %1 hat nichts auf den Verbindungsaufbau geantwortet (1 Versuch).</translation>
    </message>
    <message>
        <source>Nothing answered the handshake on %1 (%2 attempts).</source>
        <translation>An %1 hat nichts auf den Verbindungsaufbau geantwortet (%2 Versuche).</translation>
    </message>
</context>
<context>
    <name>DeviceRecordLayout</name>
    <message>
        <source>Key %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>Key %1, second layer</source>
        <translation>Taste %1, zweite Ebene</translation>
    </message>
    <message>
        <source>Key %1, link %2</source>
        <translation>Taste %1, Verknüpfung %2</translation>
    </message>
</context>
<context>
    <name>EditorCommandLine</name>
    <message>
        <source>Configuration file to open.</source>
        <translation>Zu öffnende Konfigurationsdatei.</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; for help.</source>
        <translation>Hilfe gibt „%1 --help“.</translation>
    </message>
    <message>
        <source>Only one file can be opened.</source>
        <translation>Es kann nur eine Datei geöffnet werden.</translation>
    </message>
    <message>
        <source>%1: the editor needs a desktop session (no display was found); --help, --version and %1-cli work without one.</source>
        <translation>%1: der Editor braucht eine Desktop-Sitzung (es wurde kein Display gefunden); --help, --version und %1-cli gehen ohne.</translation>
    </message>
    <message>
        <source>Write the developer&apos;s diagnostics to standard error (as QT_LOGGING_RULES=&quot;kvr210c.diagnostics.debug=true&quot; does).</source>
        <translation>Die Diagnose für Entwickler auf die Standardfehlerausgabe schreiben (wie QT_LOGGING_RULES=&quot;kvr210c.diagnostics.debug=true&quot;).</translation>
    </message>
</context>
<context>
    <name>HelpDlg</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>JsonFields</name>
    <message>
        <source>unknown field (known here: %1)</source>
        <translation>unbekanntes Feld (hier bekannt: %1)</translation>
    </message>
    <message>
        <source>not valid JSON at byte %1: %2</source>
        <translation>kein gültiges JSON bei Byte %1: %2</translation>
    </message>
    <message>
        <source>appears more than once; give each field once</source>
        <translation>kommt mehr als einmal vor; geben Sie jedes Feld nur einmal an</translation>
    </message>
</context>
<context>
    <name>KeyActions</name>
    <message>
        <source>&amp;Key</source>
        <translation>&amp;Taste</translation>
    </message>
    <message>
        <source>Change Button &amp;Name</source>
        <translation>Tasten&amp;namen ändern</translation>
    </message>
    <message>
        <source>Change &amp;Data</source>
        <translation>&amp;Daten ändern</translation>
    </message>
    <message>
        <source>Change &amp;Baud Rate</source>
        <translation>&amp;Baudrate ändern</translation>
    </message>
    <message>
        <source>&amp;Try Command...</source>
        <translation>Befehl &amp;ausprobieren...</translation>
    </message>
    <message>
        <source>Command &amp;Library...</source>
        <translation>Befehls&amp;bibliothek...</translation>
    </message>
</context>
<context>
    <name>KeyPlay</name>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>There is nothing to play: no record of the key is ticked and has a command.</source>
        <translation>Es gibt nichts abzuspielen: kein Datensatz der Taste ist angehakt und hat einen Befehl.</translation>
    </message>
    <message>
        <source>At most %1 records are played at once.</source>
        <translation>Es werden höchstens %1 Datensätze auf einmal abgespielt.</translation>
    </message>
    <message>
        <source>The delay is 0 to %1 s.</source>
        <translation>Die Verzögerung beträgt 0 bis %1 s.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>1 record sent</source>
        <translation>1 Datensatz gesendet</translation>
    </message>
    <message>
        <source>%1 records sent</source>
        <translation>%1 Datensätze gesendet</translation>
    </message>
    <message>
        <source>%1, no reply within %2 ms of the last</source>
        <translation>%1, keine Antwort innerhalb von %2 ms nach dem letzten</translation>
    </message>
    <message>
        <source>%1, replies to %2</source>
        <translation>%1, Antworten auf %2</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>KeyPlayPanel</name>
    <message>
        <source> ... (%1 bytes)</source>
        <translation> ... (%1 Bytes)</translation>
    </message>
    <message>
        <source>Play Key</source>
        <translation>Taste abspielen</translation>
    </message>
    <message>
        <source>The key&apos;s records in the trial&apos;s order: the first layer, the links 13 to 16, then the second layer where it is switched on, each at its own line settings and its delay after the one before. %1</source>
        <translation>Die Datensätze der Taste in der Reihenfolge des Versuchs: die erste Ebene, die Verknüpfungen 13 bis 16, dann die zweite Ebene, wo sie eingeschaltet ist, jeder mit seinen eigenen Leitungseinstellungen und seiner Verzögerung nach dem vorigen. %1</translation>
    </message>
    <message>
        <source>Records of the key to play, ticked to be sent</source>
        <translation>Datensätze der Taste zum Abspielen, angehakt zum Senden</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>Line settings</source>
        <translation>Leitungseinstellungen</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Command and reply</source>
        <translation>Befehl und Antwort</translation>
    </message>
    <message>
        <source>Skip the dela&amp;ys</source>
        <translation>Verzögerungen ü&amp;berspringen</translation>
    </message>
    <message>
        <source>Play &amp;Key</source>
        <translation>Taste &amp;abspielen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel the play</source>
        <translation>Das Abspielen abbrechen</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Choose a key in the main window.</source>
        <translation>Wählen Sie im Hauptfenster eine Taste.</translation>
    </message>
    <message>
        <source>No record of Key %1 has a command.</source>
        <translation>Kein Datensatz der Taste %1 hat einen Befehl.</translation>
    </message>
    <message>
        <source>Tick the records to play.</source>
        <translation>Haken Sie die abzuspielenden Datensätze an.</translation>
    </message>
    <message>
        <source>Playing Key %1 on %2...</source>
        <translation>Taste %1 wird an %2 abgespielt...</translation>
    </message>
    <message>
        <source>sent %1 at %2 after %3 ms: %4</source>
        <translation>%1 mit %2 nach %3 ms gesendet: %4</translation>
    </message>
    <message>
        <source>+%1 ms  %2</source>
        <translation>+%1 ms  %2</translation>
    </message>
    <message>
        <source>reply after %1 ms</source>
        <translation>Antwort nach %1 ms</translation>
    </message>
</context>
<context>
    <name>LanguageChooser</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
</context>
<context>
    <name>LibraryCommand</name>
    <message>
        <source>%1: %2 takes more than %3 digits</source>
        <translation>%1: %2 braucht mehr als %3 Ziffern</translation>
    </message>
    <message>
        <source>checksum: skip %1 and trail %2 leave none of the %3 bytes to cover</source>
        <translation>Prüfsumme: skip %1 und trail %2 lassen von den %3 Bytes keines zum Abdecken übrig</translation>
    </message>
    <message>
        <source>more than %1 bytes</source>
        <translation>mehr als %1 Bytes</translation>
    </message>
    <message>
        <source>&quot;}&quot; closes no place at position %1</source>
        <translation>„}“ schließt an Position %1 keine Stelle</translation>
    </message>
    <message>
        <source>&quot;{&quot; opens no place (write {name}) at position %1</source>
        <translation>„{“ öffnet an Position %1 keine Stelle (schreiben Sie {name})</translation>
    </message>
    <message>
        <source>%1: the entry has no such parameter</source>
        <translation>%1: der Eintrag hat keinen solchen Parameter</translation>
    </message>
    <message>
        <source>{%1}: the entry has no such parameter</source>
        <translation>{%1}: der Eintrag hat keinen solchen Parameter</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3 to %4</source>
        <translation>%1: %2 liegt außerhalb von %3 bis %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: write name=value</source>
        <translation>„%1“: schreiben Sie Name=Wert</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number (write it in decimal or as 0x1A)</source>
        <translation>%1: „%2“ ist keine Zahl (schreiben Sie sie dezimal oder als 0x1A)</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 ist doppelt angegeben</translation>
    </message>
</context>
<context>
    <name>LibraryEntryNameDialog</name>
    <message>
        <source>Add to Your Library</source>
        <translation>Zu Ihrer Bibliothek hinzufügen</translation>
    </message>
    <message>
        <source>Add %1 to your library as:</source>
        <translation>%1 Ihrer Bibliothek hinzufügen als:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Equipment:</source>
        <translation>&amp;Gerät:</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>G&amp;ruppe:</translation>
    </message>
</context>
<context>
    <name>LibraryEntryView</name>
    <message>
        <source>one byte</source>
        <translation>ein Byte</translation>
    </message>
    <message>
        <source>decimal digits</source>
        <translation>Dezimalziffern</translation>
    </message>
    <message>
        <source>hex digits</source>
        <translation>Hex-Ziffern</translation>
    </message>
    <message>
        <source>Bytes in hex</source>
        <translation>Bytes in Hex</translation>
    </message>
    <message>
        <source>Bytes as text</source>
        <translation>Bytes als Text</translation>
    </message>
    <message>
        <source>The bytes in brackets are the checksum</source>
        <translation>Die Bytes in Klammern sind die Prüfsumme</translation>
    </message>
    <message>
        <source>Hex:</source>
        <translation>Hex:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Checksum:</source>
        <translation>Prüfsumme:</translation>
    </message>
    <message>
        <source>Line settings:</source>
        <translation>Leitungseinstellungen:</translation>
    </message>
    <message>
        <source>Expected reply:</source>
        <translation>Erwartete Antwort:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Hinweis:</translation>
    </message>
    <message>
        <source>%1, from %2 to %3, %4 when not set</source>
        <translation>%1, von %2 bis %3, %4 wenn nicht gesetzt</translation>
    </message>
    <message>
        <source>Choose an entry in the list.</source>
        <translation>Wählen Sie einen Eintrag in der Liste.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2 to %3):</source>
        <translation>%1 (%2 bis %3):</translation>
    </message>
    <message>
        <source>none named: the record&apos;s own are kept</source>
        <translation>keine genannt: die des Datensatzes bleiben</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>text &quot;%1&quot;</source>
        <translation>Text „%1“</translation>
    </message>
    <message>
        <source>no entry is chosen</source>
        <translation>kein Eintrag gewählt</translation>
    </message>
    <message>
        <source>(none: %1)</source>
        <translation>(keine: %1)</translation>
    </message>
    <message>
        <source>%1, byte %2 (in brackets)</source>
        <translation>%1, Byte %2 (in Klammern)</translation>
    </message>
    <message>
        <source>%1, bytes %2 to %3 (in brackets)</source>
        <translation>%1, Bytes %2 bis %3 (in Klammern)</translation>
    </message>
</context>
<context>
    <name>LibraryImport</name>
    <message>
        <source>expected a list of 1 to %1 bytes</source>
        <translation>Liste von 1 bis %1 Bytes erwartet</translation>
    </message>
    <message>
        <source>expected a byte (0 to 255, or &quot;0x1A&quot;)</source>
        <translation>Byte erwartet (0 bis 255 oder &quot;0x1A&quot;)</translation>
    </message>
    <message>
        <source>expected an object with &quot;baudrate&quot; and &quot;commands&quot;</source>
        <translation>Objekt mit &quot;baudrate&quot; und &quot;commands&quot; erwartet</translation>
    </message>
    <message>
        <source>missing (expected the baud rate)</source>
        <translation>fehlt (die Baudrate wird erwartet)</translation>
    </message>
    <message>
        <source>expected a whole number</source>
        <translation>ganze Zahl erwartet</translation>
    </message>
    <message>
        <source>expected an object of named byte lists</source>
        <translation>Objekt aus benannten Byte-Listen erwartet</translation>
    </message>
    <message>
        <source>expected a JSON object of models</source>
        <translation>JSON-Objekt aus Modellen erwartet</translation>
    </message>
    <message>
        <source>more than %1 commands</source>
        <translation>mehr als %1 Befehle</translation>
    </message>
    <message>
        <source>its entry would be named %1, as %2&apos;s is</source>
        <translation>sein Eintrag hieße %1, wie der von %2</translation>
    </message>
    <message>
        <source>cannot read the command table: %1</source>
        <translation>die Befehlstabelle kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the command table %1: %2</source>
        <translation>die Befehlstabelle %1: %2</translation>
    </message>
</context>
<context>
    <name>LibraryShelf</name>
    <message>
        <source>Your library</source>
        <translation>Ihre Bibliothek</translation>
    </message>
    <message>
        <source>Shipped library (read only)</source>
        <translation>Mitgelieferte Bibliothek (nur lesbar)</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>sie konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; added to your library</source>
        <translation>„%1“ zu Ihrer Bibliothek hinzugefügt</translation>
    </message>
    <message>
        <source>The table could not be imported (%1).</source>
        <translation>Die Tabelle konnte nicht importiert werden (%1).</translation>
    </message>
    <message>
        <source>Commands imported into your library: %1</source>
        <translation>In Ihre Bibliothek importierte Befehle: %1</translation>
    </message>
    <message>
        <source>Nothing was added: your library could not be read, and it is kept as it is until it is mended (%1).</source>
        <translation>Nichts wurde hinzugefügt: Ihre Bibliothek konnte nicht gelesen werden und bleibt, wie sie ist, bis sie repariert ist (%1).</translation>
    </message>
    <message>
        <source>Nothing was added: your library already has an entry named &quot;%1&quot;.</source>
        <translation>Nichts wurde hinzugefügt: Ihre Bibliothek hat bereits einen Eintrag namens „%1“.</translation>
    </message>
    <message>
        <source>Nothing was added: your library could not be saved (%1).</source>
        <translation>Nichts wurde hinzugefügt: Ihre Bibliothek konnte nicht gespeichert werden (%1).</translation>
    </message>
    <message>
        <source>%1 is already in the list.</source>
        <translation>%1 ist bereits in der Liste.</translation>
    </message>
    <message>
        <source>At most %1 libraries can be opened: remove one from the list first.</source>
        <translation>Höchstens %1 Bibliotheken können geöffnet sein: entfernen Sie zuerst eine aus der Liste.</translation>
    </message>
    <message>
        <source>The library could not be opened (%1).</source>
        <translation>Die Bibliothek konnte nicht geöffnet werden (%1).</translation>
    </message>
    <message>
        <source>%1 opened</source>
        <translation>%1 geöffnet</translation>
    </message>
</context>
<context>
    <name>LineSettings</name>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>„%1“: %2</translation>
    </message>
    <message>
        <source>line settings are written as BAUD,DATA-PARITY-STOP, such as 9600,8-N-1 (parity N, O, E, S or M)</source>
        <translation>Leitungseinstellungen werden als BAUD,DATEN-PARITÄT-STOPP geschrieben, etwa 9600,8-N-1 (Parität N, O, E, S oder M)</translation>
    </message>
    <message>
        <source>the baud rate is one of 2400, 4800, 9600, 14400, 19200, 28800, 38400 and 115200</source>
        <translation>die Baudrate ist eine von 2400, 4800, 9600, 14400, 19200, 28800, 38400 und 115200</translation>
    </message>
    <message>
        <source>The device keeps a command&apos;s baud rate and parity, not its data bits and stop bits.</source>
        <translation>Das Gerät behält Baudrate und Parität eines Befehls, nicht seine Datenbits und Stoppbits.</translation>
    </message>
    <message>
        <source>The device keeps only the baud rate and parity of a command: it may not send this one with %1 data bits and %2 stop %3.</source>
        <translation>Das Gerät behält von einem Befehl nur Baudrate und Parität: es sendet diesen womöglich nicht mit %1 Datenbits und %2 Stopp%3.</translation>
    </message>
    <message>
        <source>bit</source>
        <translation>bit</translation>
    </message>
    <message>
        <source>bits</source>
        <translation>bits</translation>
    </message>
</context>
<context>
    <name>LinkTrace</name>
    <message>
        <source>cannot write the trace: %1</source>
        <translation>das Protokoll kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>cannot write the trace %1: %2</source>
        <translation>das Protokoll %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot write the trace %1: %2; it ends before the link did</source>
        <translation>das Protokoll %1 kann nicht geschrieben werden: %2; es endet vor der Verbindung</translation>
    </message>
</context>
<context>
    <name>LinkTraceChoice</name>
    <message>
        <source>Trace the Device Link</source>
        <translation>Geräteverbindung mitschreiben</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Write every byte sent to and received from the device to a file, from the next connection on</source>
        <translation>Jedes an das Gerät gesendete und von ihm empfangene Byte ab der nächsten Verbindung in eine Datei schreiben</translation>
    </message>
    <message>
        <source>Every byte sent to and received from the device goes to %1, from the next connection on</source>
        <translation>Jedes an das Gerät gesendete und von ihm empfangene Byte geht ab der nächsten Verbindung nach %1</translation>
    </message>
    <message>
        <source>The trace cannot go to %1: it is the configuration file that is open, and the trace would replace it. Choose another file for the trace.</source>
        <translation>Das Protokoll kann nicht nach %1: das ist die geöffnete Konfigurationsdatei, und das Protokoll würde sie ersetzen. Wählen Sie eine andere Datei für das Protokoll.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Buttons</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Verknüpfungen</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Delay time in seconds, first layer</source>
        <translation>Verzögerung in Sekunden, erste Ebene</translation>
    </message>
    <message>
        <source>Tx Bytes</source>
        <translation>Tx-Bytes</translation>
    </message>
    <message>
        <source>ASCII</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>Delay Time</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Secs </source>
        <translation>Sek. </translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Bytes to send, first layer</source>
        <translation>Zu sendende Bytes, erste Ebene</translation>
    </message>
    <message>
        <source>Shows the command&apos;s baud rate, data bits, parity and stop bits; press to change them</source>
        <translation>Zeigt Baudrate, Datenbits, Parität und Stoppbits des Befehls; drücken, um sie zu ändern</translation>
    </message>
    <message>
        <source>Line settings, first layer</source>
        <translation>Leitungseinstellungen, erste Ebene</translation>
    </message>
    <message>
        <source>2nd Layer</source>
        <translation>2. Ebene</translation>
    </message>
    <message>
        <source>Bytes to send, second layer</source>
        <translation>Zu sendende Bytes, zweite Ebene</translation>
    </message>
    <message>
        <source>Delay time in seconds, second layer</source>
        <translation>Verzögerung in Sekunden, zweite Ebene</translation>
    </message>
    <message>
        <source>Shows the second layer&apos;s baud rate, data bits, parity and stop bits; press to change them</source>
        <translation>Zeigt Baudrate, Datenbits, Parität und Stoppbits der zweiten Ebene; drücken, um sie zu ändern</translation>
    </message>
    <message>
        <source>Line settings, second layer</source>
        <translation>Leitungseinstellungen, zweite Ebene</translation>
    </message>
    <message>
        <source>RX/UP bytes, first line</source>
        <translation>RX/UP-Bytes, erste Zeile</translation>
    </message>
    <message>
        <source>RX/UP link, second line</source>
        <translation>RX/UP-Verknüpfung, zweite Zeile</translation>
    </message>
    <message>
        <source>Bard Rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>RX/UP link, first line</source>
        <translation>RX/UP-Verknüpfung, erste Zeile</translation>
    </message>
    <message>
        <source>RX/UP bytes, second line</source>
        <translation>RX/UP-Bytes, zweite Zeile</translation>
    </message>
    <message>
        <source>RX/UP data, second line</source>
        <translation>RX/UP-Daten, zweite Zeile</translation>
    </message>
    <message>
        <source>RX/UP data, first line</source>
        <translation>RX/UP-Daten, erste Zeile</translation>
    </message>
    <message>
        <source>RX/UP line settings</source>
        <translation>RX/UP-Leitungseinstellungen</translation>
    </message>
    <message>
        <source>Marco Setting</source>
        <translation>Makro-Einstellung</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Verknüpfung</translation>
    </message>
    <message>
        <source>Macro link</source>
        <translation>Makro-Verknüpfung</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Einstellung</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Neue Datei</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>S&amp;ave As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>Save As File</source>
        <translation>Datei speichern unter</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Close File</source>
        <translation>Datei schließen</translation>
    </message>
    <message>
        <source>&amp;Load Device</source>
        <translation>&amp;Gerät laden</translation>
    </message>
    <message>
        <source>COM Port Setting</source>
        <translation>COM-Port-Einstellung</translation>
    </message>
    <message>
        <source>Load Program From Device</source>
        <translation>Programm vom Gerät laden</translation>
    </message>
    <message>
        <source>Load Program To Device</source>
        <translation>Programm auf das Gerät laden</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>About Application</source>
        <translation>Über die Anwendung</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>New Button Name :</source>
        <translation>Neuer Tastenname :</translation>
    </message>
    <message>
        <source>New button name</source>
        <translation>Neuer Tastenname</translation>
    </message>
</context>
<context>
    <name>ProgramClip</name>
    <message>
        <source>the command is not a string of hex digits</source>
        <translation>der Befehl ist keine Folge von Hexziffern</translation>
    </message>
    <message>
        <source>the command is %1 bytes long; a command holds %2 at most</source>
        <translation>der Befehl ist %1 Bytes lang; ein Befehl fasst höchstens %2</translation>
    </message>
    <message>
        <source>a line setting is out of range</source>
        <translation>eine Leitungseinstellung liegt außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>the delay %1 is out of range (0 to %2)</source>
        <translation>die Verzögerung %1 liegt außerhalb des gültigen Bereichs (0 bis %2)</translation>
    </message>
    <message>
        <source>the text is larger than %1 bytes</source>
        <translation>der Text ist größer als %1 Bytes</translation>
    </message>
    <message>
        <source>it holds no key</source>
        <translation>er enthält keine Taste</translation>
    </message>
    <message>
        <source>there is nothing to paste</source>
        <translation>es gibt nichts einzufügen</translation>
    </message>
    <message>
        <source>choose a key to paste onto</source>
        <translation>wählen Sie eine Taste, auf die eingefügt werden soll</translation>
    </message>
    <message>
        <source>it holds a key&apos;s whole program, which goes onto a key, not a link</source>
        <translation>er enthält das ganze Programm einer Taste, das auf eine Taste gehört, nicht auf eine Verknüpfung</translation>
    </message>
    <message>
        <source>it holds one link, which goes onto a link: choose one on the Links tab</source>
        <translation>er enthält eine Verknüpfung, die auf eine Verknüpfung gehört: wählen Sie eine auf der Registerkarte „Verknüpfungen“</translation>
    </message>
</context>
<context>
    <name>ProgramSheet</name>
    <message>
        <source>(not saved)</source>
        <translation>(nicht gespeichert)</translation>
    </message>
    <message>
        <source>Program sheet</source>
        <translation>Programmblatt</translation>
    </message>
    <message>
        <source>(of the program with its unsaved changes, as Save would write it)</source>
        <translation>(des Programms mit seinen ungespeicherten Änderungen, wie Speichern es schreiben würde)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Command (hex)</source>
        <translation>Befehl (Hex)</translation>
    </message>
    <message>
        <source>Command (text)</source>
        <translation>Befehl (Text)</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Line settings</source>
        <translation>Leitungseinstellungen</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 (with unsaved changes)</source>
        <translation>%1 (mit ungespeicherten Änderungen)</translation>
    </message>
    <message>
        <source>Export Sheet</source>
        <translation>Blatt exportieren</translation>
    </message>
    <message>
        <source>The sheet could not be written.</source>
        <translation>Das Blatt konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>ProgramTransfer</name>
    <message>
        <source>There is no program to load into.</source>
        <translation>Es gibt kein Programm, in das geladen werden kann.</translation>
    </message>
    <message>
        <source>1 record</source>
        <translation>1 Datensatz</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 Datensätze</translation>
    </message>
    <message>
        <source>The connection to the device was lost. %1</source>
        <translation>Die Verbindung zum Gerät ist abgebrochen. %1</translation>
    </message>
    <message>
        <source>The serial port is not open.</source>
        <translation>Der serielle Port ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>No connection to the device on %1. %2</source>
        <translation>Keine Verbindung zum Gerät an %1. %2</translation>
    </message>
    <message>
        <source>The device did not confirm the end of the session. %1</source>
        <translation>Das Gerät hat das Ende der Sitzung nicht bestätigt. %1</translation>
    </message>
    <message>
        <source>%1 stored</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>There is no program to store.</source>
        <translation>Es gibt kein Programm zum Speichern.</translation>
    </message>
    <message>
        <source>Nothing was sent. These commands are longer than %1 bytes and do not fit the device: %2.</source>
        <translation>Nichts wurde gesendet. Diese Befehle sind länger als %1 Bytes und passen nicht in das Gerät: %2.</translation>
    </message>
    <message>
        <source>The connection to the device was lost at %1 (%2 stored). %3</source>
        <translation>Die Verbindung zum Gerät brach bei %1 ab (%2 gespeichert). %3</translation>
    </message>
    <message>
        <source>The store was cancelled at %1 (%2 confirmed by the device; %1 was sent without its confirmation).</source>
        <translation>Das Speichern wurde bei %1 abgebrochen (%2 vom Gerät bestätigt; %1 wurde ohne Bestätigung gesendet).</translation>
    </message>
    <message>
        <source>The store was cancelled at %1 (%2 stored).</source>
        <translation>Das Speichern wurde bei %1 abgebrochen (%2 gespeichert).</translation>
    </message>
    <message>
        <source>%1 was not confirmed by the device after %2 attempts; the store stopped there (%3 stored). %4</source>
        <translation>%1 wurde vom Gerät nach %2 Versuchen nicht bestätigt; das Speichern endete dort (%3 gespeichert). %4</translation>
    </message>
    <message>
        <source>The device now holds a partial program and should be stored again.</source>
        <translation>Das Gerät enthält jetzt nur einen Teil des Programms; speichern Sie das Programm erneut.</translation>
    </message>
    <message>
        <source>%1 loaded</source>
        <translation>%1 geladen</translation>
    </message>
    <message>
        <source>The device did not answer the load request. %1</source>
        <translation>Das Gerät hat auf die Anforderung zum Laden nicht geantwortet. %1</translation>
    </message>
    <message>
        <source>The device answered the load request but sent no records.</source>
        <translation>Das Gerät hat auf die Anforderung zum Laden geantwortet, aber keine Datensätze gesendet.</translation>
    </message>
    <message>
        <source>The device sent %1 of %2 records; these did not arrive: %3.</source>
        <translation>Das Gerät hat %1 von %2 Datensätzen gesendet; diese kamen nicht an: %3.</translation>
    </message>
    <message>
        <source>%1 compared</source>
        <translation>%1 verglichen</translation>
    </message>
    <message>
        <source>%1: %2 %3 on the device, %4 here</source>
        <translation>%1: %2 %3 auf dem Gerät, %4 hier</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... und %n weiterer.</numerusform>
            <numerusform>... und %n weitere.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Question</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Are you sure you want to continue ?</source>
        <translation>Möchten Sie wirklich fortfahren ?</translation>
    </message>
</context>
<context>
    <name>RecordCommandWrite</name>
    <message>
        <source>the command is %1 bytes long, and a record holds at most %2</source>
        <translation>der Befehl ist %1 Bytes lang, und ein Datensatz fasst höchstens %2</translation>
    </message>
    <message>
        <source>Key %1&apos;s second layer is switched off: the device does not send it until it is switched on.</source>
        <translation>Die zweite Ebene der Taste %1 ist ausgeschaltet: das Gerät sendet sie erst, wenn sie eingeschaltet ist.</translation>
    </message>
</context>
<context>
    <name>ReplyPattern</name>
    <message>
        <source>matched</source>
        <translation>passt</translation>
    </message>
    <message>
        <source>any byte</source>
        <translation>ein beliebiges Byte</translation>
    </message>
    <message>
        <source>differs at byte %1: %2 expected, the reply ended after %3 byte</source>
        <translation>weicht bei Byte %1 ab: %2 erwartet, die Antwort endete nach %3 Byte</translation>
    </message>
    <message>
        <source>differs at byte %1: %2 expected, the reply ended after %3 bytes</source>
        <translation>weicht bei Byte %1 ab: %2 erwartet, die Antwort endete nach %3 Bytes</translation>
    </message>
    <message>
        <source>differs at byte %1: %2 expected, %3 came</source>
        <translation>weicht bei Byte %1 ab: %2 erwartet, %3 kam</translation>
    </message>
</context>
<context>
    <name>SafeSave</name>
    <message>
        <source>%1 is not a regular file; it was left as it is.</source>
        <translation>%1 ist keine gewöhnliche Datei; sie blieb unverändert.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>die Datei ist nicht geöffnet</translation>
    </message>
    <message>
        <source>the content could not be written</source>
        <translation>der Inhalt konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1. The folder takes no new file, so the file itself was to be written, which is not atomic; %2</source>
        <translation>%1. Der Ordner nimmt keine neue Datei auf, daher sollte die Datei selbst überschrieben werden, was nicht atomar ist; %2</translation>
    </message>
    <message>
        <source>the file is too large to be written in place</source>
        <translation>die Datei ist zu groß, um an Ort und Stelle überschrieben zu werden</translation>
    </message>
    <message>
        <source>the old content could not be kept (%1)</source>
        <translation>der alte Inhalt konnte nicht bewahrt werden (%1)</translation>
    </message>
    <message>
        <source>the file was left as it was.</source>
        <translation>die Datei blieb, wie sie war.</translation>
    </message>
    <message>
        <source>there is no room for the new content (%1)</source>
        <translation>für den neuen Inhalt ist kein Platz (%1)</translation>
    </message>
    <message>
        <source>the previous content is unchanged.</source>
        <translation>der vorherige Inhalt ist unverändert.</translation>
    </message>
    <message>
        <source>the new content could not be written (%1)</source>
        <translation>der neue Inhalt konnte nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>the previous content was put back.</source>
        <translation>der vorherige Inhalt wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>the previous content could not be put back (%1).</source>
        <translation>der vorherige Inhalt konnte nicht wiederhergestellt werden (%1).</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (Prozess %2)</translation>
    </message>
    <message>
        <source>%1 (process %2 of the user %3)</source>
        <translation>%1 (Prozess %2 des Benutzers %3)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The port %1 is in use by another program: wait until it has finished, or close it first.</source>
        <translation>Der Port %1 wird von einem anderen Programm benutzt: warten Sie, bis es fertig ist, oder schließen Sie es zuerst.</translation>
    </message>
    <message>
        <source>The port %1 is in use by %2: wait until it has finished, or close it first.</source>
        <translation>Der Port %1 wird von %2 benutzt: warten Sie, bis es fertig ist, oder schließen Sie es zuerst.</translation>
    </message>
    <message>
        <source>The device on %1 was disconnected or stopped answering.</source>
        <translation>Das Gerät an %1 wurde getrennt oder antwortet nicht mehr.</translation>
    </message>
    <message>
        <source>The device on %1 was disconnected or stopped answering (%2).</source>
        <translation>Das Gerät an %1 wurde getrennt oder antwortet nicht mehr (%2).</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a regular file</source>
        <translation>eine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 is not a serial port.</source>
        <translation>%1 ist kein serieller Port.</translation>
    </message>
    <message>
        <source>%1 is not a serial port (it is %2).</source>
        <translation>%1 ist kein serieller Port (es ist %2).</translation>
    </message>
    <message>
        <source>The port %1 is in use or you have no permission to open it (%2).</source>
        <translation>Der Port %1 wird benutzt, oder Sie haben keine Berechtigung, ihn zu öffnen (%2).</translation>
    </message>
    <message>
        <source>You may open %1, so another program is probably using it: close that program first.</source>
        <translation>Sie dürfen %1 öffnen, also benutzt ihn wahrscheinlich ein anderes Programm: schließen Sie zuerst dieses Programm.</translation>
    </message>
    <message>
        <source>An administrator can grant access, for example with a udev rule that gives the group &quot;dialout&quot; read and write access to it (your user then has to be a member of that group).</source>
        <translation>Ein Administrator kann den Zugriff gewähren, zum Beispiel mit einer udev-Regel, die der Gruppe „dialout“ Lese- und Schreibzugriff darauf gibt (Ihr Benutzer muss dann Mitglied dieser Gruppe sein).</translation>
    </message>
    <message>
        <source>Only the owner of %1 may open it.</source>
        <translation>Nur der Eigentümer von %1 darf ihn öffnen.</translation>
    </message>
    <message>
        <source>Only the administrators may open %1.</source>
        <translation>Nur die Administratoren dürfen %1 öffnen.</translation>
    </message>
    <message>
        <source>Ask your administrator for read and write access to %1.</source>
        <translation>Bitten Sie Ihren Administrator um Lese- und Schreibzugriff auf %1.</translation>
    </message>
    <message>
        <source>On Linux, %1 may be used by the members of the group &quot;%2&quot; that owns it. Add your user to that group (sudo usermod -aG %2 $USER), then log out and log in again.</source>
        <translation>Unter Linux dürfen die Mitglieder der Gruppe „%2“, der %1 gehört, ihn benutzen. Fügen Sie Ihren Benutzer dieser Gruppe hinzu (sudo usermod -aG %2 $USER), melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>The serial port is not open.</source>
        <translation>Der serielle Port ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>The frame could not be sent (1 attempt).</source>
        <translation>Der Rahmen konnte nicht gesendet werden (1 Versuch).</translation>
    </message>
    <message>
        <source>The frame could not be sent (%1 attempts).</source>
        <translation>Der Rahmen konnte nicht gesendet werden (%1 Versuche).</translation>
    </message>
    <message>
        <source>The device&apos;s answer did not match what was sent (1 attempt).</source>
        <translation>Die Antwort des Geräts passte nicht zum Gesendeten (1 Versuch).</translation>
    </message>
    <message>
        <source>The device&apos;s answer did not match what was sent (%1 of %2 attempts).</source>
        <translation>Die Antwort des Geräts passte nicht zum Gesendeten (%1 von %2 Versuchen).</translation>
    </message>
    <message>
        <source>The device did not answer (1 attempt).</source>
        <translation>Das Gerät hat nicht geantwortet (1 Versuch).</translation>
    </message>
    <message>
        <source>The device did not answer (%1 attempts).</source>
        <translation>Das Gerät hat nicht geantwortet (%1 Versuche).</translation>
    </message>
</context>
<context>
    <name>StoreBackupChoice</name>
    <message>
        <source>Back up the device before storing</source>
        <translation>Gerät vor dem Speichern sichern</translation>
    </message>
    <message>
        <source>Store Program To Device first loads the device&apos;s program into a new file in the backup folder</source>
        <translation>„Programm auf das Gerät laden“ lädt zuerst das Programm des Geräts in eine neue Datei im Sicherungsordner</translation>
    </message>
    <message>
        <source>Backup Folder...</source>
        <translation>Sicherungsordner...</translation>
    </message>
    <message>
        <source>Backup Folder</source>
        <translation>Sicherungsordner</translation>
    </message>
    <message>
        <source>Choose the folder the device&apos;s program is backed up to</source>
        <translation>Den Ordner wählen, in den das Programm des Geräts gesichert wird</translation>
    </message>
    <message>
        <source>Backups go to %1</source>
        <translation>Sicherungen werden in %1 abgelegt</translation>
    </message>
</context>
<context>
    <name>TryCommandWindow</name>
    <message>
        <source>Try Command</source>
        <translation>Befehl ausprobieren</translation>
    </message>
    <message>
        <source>Port of the equipment</source>
        <translation>Port des Geräts</translation>
    </message>
    <message>
        <source>S&amp;econd layer of the key</source>
        <translation>Zw&amp;eite Ebene der Taste</translation>
    </message>
    <message>
        <source>Command in hex</source>
        <translation>Befehl in Hex</translation>
    </message>
    <message>
        <source>Command as text</source>
        <translation>Befehl als Text</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Reply ends after this long without a byte</source>
        <translation>Die Antwort endet nach so langer Zeit ohne Byte</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>Befehl:</translation>
    </message>
    <message>
        <source>Hex:</source>
        <translation>Hex:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Line settings:</source>
        <translation>Leitungseinstellungen:</translation>
    </message>
    <message>
        <source>Reply ends after &amp;quiet:</source>
        <translation>Antwort endet nach &amp;Ruhe:</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Senden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Form of the free line</source>
        <translation>Form der freien Zeile</translation>
    </message>
    <message>
        <source>\x02ON\r, or hex pairs: 02 4F 4E 0D</source>
        <translation>\x02ON\r oder Hex-Paare: 02 4F 4E 0D</translation>
    </message>
    <message>
        <source>Free line to send</source>
        <translation>Zu sendende freie Zeile</translation>
    </message>
    <message>
        <source>Text with \r, \n, \t, \\ and \xNN, or hex pairs; sent with the command&apos;s line settings</source>
        <translation>Text mit \r, \n, \t, \\ und \xNN oder Hex-Paare; gesendet mit den Leitungseinstellungen des Befehls</translation>
    </message>
    <message>
        <source>Send &amp;Line</source>
        <translation>&amp;Zeile senden</translation>
    </message>
    <message>
        <source>Free line</source>
        <translation>Freie Zeile</translation>
    </message>
    <message>
        <source>Reply in hex</source>
        <translation>Antwort in Hex</translation>
    </message>
    <message>
        <source>Reply as text</source>
        <translation>Antwort als Text</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Log of every exchange</source>
        <translation>Protokoll jedes Austauschs</translation>
    </message>
    <message>
        <source>&amp;Copy Log</source>
        <translation>Protokoll &amp;kopieren</translation>
    </message>
    <message>
        <source>Save L&amp;og...</source>
        <translation>Protokoll s&amp;peichern...</translation>
    </message>
    <message>
        <source>Clear Lo&amp;g</source>
        <translation>Protokoll &amp;leeren</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>A trial is under way: wait for its reply or cancel it.</source>
        <translation>Ein Versuch läuft: warten Sie auf seine Antwort oder brechen Sie ihn ab.</translation>
    </message>
    <message>
        <source>Nothing to send: choose a key or a link in the main window.</source>
        <translation>Nichts zu senden: wählen Sie im Hauptfenster eine Taste oder eine Verknüpfung.</translation>
    </message>
    <message>
        <source>Nothing to send: the command of %1 is empty.</source>
        <translation>Nichts zu senden: der Befehl von %1 ist leer.</translation>
    </message>
    <message>
        <source>Choose a key or a link in the main window.</source>
        <translation>Wählen Sie im Hauptfenster eine Taste oder eine Verknüpfung.</translation>
    </message>
    <message>
        <source>%1 (for the free line)</source>
        <translation>%1 (für die freie Zeile)</translation>
    </message>
    <message>
        <source>%1, delay %2</source>
        <translation>%1, Verzögerung %2</translation>
    </message>
    <message>
        <source>Not sent: %1.</source>
        <translation>Nicht gesendet: %1.</translation>
    </message>
    <message>
        <source>free line</source>
        <translation>freie Zeile</translation>
    </message>
    <message>
        <source>%1 on %2 at %3</source>
        <translation>%1 an %2 mit %3</translation>
    </message>
    <message>
        <source>Reply to %1 on %2</source>
        <translation>Antwort auf %1 an %2</translation>
    </message>
    <message>
        <source>Waiting for the reply...</source>
        <translation>Warten auf die Antwort...</translation>
    </message>
    <message>
        <source>sent %1:</source>
        <translation>%1 gesendet:</translation>
    </message>
    <message>
        <source>+%1 ms</source>
        <translation>+%1 ms</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>Protokoll speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>The log could not be saved (%1).</source>
        <translation>Das Protokoll konnte nicht gespeichert werden (%1).</translation>
    </message>
</context>
<context>
    <name>TypedBytes</name>
    <message>
        <source>%1 at position %2</source>
        <translation>%1 an Position %2</translation>
    </message>
    <message>
        <source>more than %1 bytes</source>
        <translation>mehr als %1 Bytes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a hex digit</source>
        <translation>„%1“ ist keine Hexziffer</translation>
    </message>
    <message>
        <source>a byte needs two hex digits</source>
        <translation>ein Byte braucht zwei Hexziffern</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a single byte</source>
        <translation>„%1“ ist kein einzelnes Byte</translation>
    </message>
    <message>
        <source>\x needs two hex digits</source>
        <translation>\x braucht zwei Hexziffern</translation>
    </message>
    <message>
        <source>unknown escape (use \r, \n, \t, \\ or \xNN)</source>
        <translation>unbekannte Escape-Folge (verwenden Sie \r, \n, \t, \\ oder \xNN)</translation>
    </message>
</context>
<context>
    <name>UartSettingBox</name>
    <message>
        <source>UART Setting</source>
        <translation>UART-Einstellung</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Data Bits&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Datenbits&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Parity Bit&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Paritätsbit&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Stop Bit&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Stoppbit&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Datenbits</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ungerade</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translation>SPACE</translation>
    </message>
    <message>
        <source>MARK</source>
        <translation>MARK</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Stoppbits</translation>
    </message>
</context>
<context>
    <name>completeDialog</name>
    <message>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Operation Complete !</source>
        <translation>Vorgang abgeschlossen !</translation>
    </message>
</context>
</TS>
