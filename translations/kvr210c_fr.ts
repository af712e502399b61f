<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AppMainWindow</name>
    <message>
        <source>&amp;Import JSON...</source>
        <translation>&amp;Importer du JSON...</translation>
    </message>
    <message>
        <source>Replace the configuration with one in JSON form, as kvr210c-cli import reads it</source>
        <translation>Remplacer la configuration par une en JSON, telle que kvr210c-cli import la lit</translation>
    </message>
    <message>
        <source>&amp;Export JSON...</source>
        <translation>&amp;Exporter en JSON...</translation>
    </message>
    <message>
        <source>Write the configuration in JSON form, as kvr210c-cli export does</source>
        <translation>Écrire la configuration en JSON, comme kvr210c-cli export</translation>
    </message>
    <message>
        <source>Co&amp;mpare With File...</source>
        <translation>Co&amp;mparer avec un fichier...</translation>
    </message>
    <message>
        <source>Show every difference between this configuration and a file</source>
        <translation>Montrer chaque différence entre cette configuration et un fichier</translation>
    </message>
    <message>
        <source>Export S&amp;heet...</source>
        <translation>Exporter la &amp;fiche...</translation>
    </message>
    <message>
        <source>Write the program as a PDF sheet for the site&apos;s records</source>
        <translation>Écrire le programme en fiche PDF pour les archives du site</translation>
    </message>
    <message>
        <source>Configuration files (*.app);;All files (*)</source>
        <translation>Fichiers de configuration (*.app);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Compare With File</source>
        <translation>Comparer avec un fichier</translation>
    </message>
    <message>
        <source>Export Sheet</source>
        <translation>Exporter la fiche</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The command is %1 bytes long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The second-layer command is %1 bytes long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field holds %1 bytes: Ok at the end of the edit keeps only the first %1 bytes. Cancel leaves the record as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify Program On Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare the program on the device with this one, changing neither</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected to the device on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM Port Setting</source>
        <translation>Réglage du port COM</translation>
    </message>
    <message>
        <source>No port was chosen. Choose or type the port of the device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selected key&apos;s program, or the selected link, as text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the selected key&apos;s program, or the selected link, with the copied one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish the data you are editing with Ok or Cancel first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the programs of keys %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copied text holds several keys. Each goes onto the key of its number, with all its links and its second layer, whatever is selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard&apos;s text cannot be pasted here: %1. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste onto %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JSON files (*.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2[*]</source>
        <translation>%1 - %2[*]</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change line settings of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration has been modified.
Do you want to save your changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data you are editing has not been stored yet: Save stores it as Ok does, Discard drops it as Cancel does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t open wire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t file wire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link %1 of key %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change data of %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ComPortPicker</name>
    <message>
        <source>serial number %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ComSettingBox</name>
    <message>
        <source>COM Port Setting</source>
        <translation>Réglage du port COM</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Data Bits&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Bits de données&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Parity Bit&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Bit de parité&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Stop Bit&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Bit d&apos;arrêt&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>2400</source>
        <translation>2400</translation>
    </message>
    <message>
        <source>4800</source>
        <translation>4800</translation>
    </message>
    <message>
        <source>9600</source>
        <translation>9600</translation>
    </message>
    <message>
        <source>14400</source>
        <translation>14400</translation>
    </message>
    <message>
        <source>19200</source>
        <translation>19200</translation>
    </message>
    <message>
        <source>38400</source>
        <translation>38400</translation>
    </message>
    <message>
        <source>57600</source>
        <translation>57600</translation>
    </message>
    <message>
        <source>115200</source>
        <translation>115200</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Bits de données</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parité</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impaire</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Paire</translation>
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
        <translation>Bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>Port Name</source>
        <translation>Nom du port</translation>
    </message>
    <message>
        <source>Port name</source>
        <translation>Nom du port</translation>
    </message>
    <message>
        <source>The port the device is connected to; a port the system does not list can be typed in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the list of ports again</source>
        <translation>Relire la liste des ports</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>Trace the device link</source>
        <translation>Tracer la liaison avec l&apos;appareil</translation>
    </message>
    <message>
        <source>&amp;Trace the device link</source>
        <translation>&amp;Tracer la liaison avec l&apos;appareil</translation>
    </message>
</context>
<context>
    <name>CommandButton</name>
    <message>
        <source>%1, unused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Change Button &amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change &amp;Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change &amp;Baud Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Button Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name cannot hold %1: a configuration file keeps only Latin-1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandField</name>
    <message>
        <source>The command holds %1 bytes, the most it can: nothing more fits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cursor stands at the end of the field: End goes back to the end of the command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the hex digits 0 to 9 and A to F can be typed in Hex form.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A blank cannot be typed in ASCII form: type it in Hex form, as 20.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandFieldNames</name>
    <message>
        <source>in hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in ASCII</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command, first layer, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command, second layer, %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLibraryWindow</name>
    <message>
        <source>Command Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name, equipment or group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search the libraries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libraries and their entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Library...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove from List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import a table of commands by model into your library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;econd layer of the key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use for the Selected Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add the Selected Record...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port of the equipment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Try</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try on the equipment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not used, it could not be read (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (empty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no equipment named)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a key or a link in the main window first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish the data you are editing in the main window with Ok or Cancel first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not used: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not used: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not used: a record cannot hold the line settings %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use %1 for %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 now holds %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already holds these bytes and line settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not tried: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not tried: the line settings %1 cannot be used (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying %1 on %2 at %3...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reply %1 (the expected reply could not be read: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reply %1 (the entry expects none in particular)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reply %1: %2 (expected %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing added: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no such record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing added: %1 holds no command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Command Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JSON files (*.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command libraries (*.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ComparisonDialog</name>
    <message>
        <source>Differences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare With File</source>
        <translation>Comparer avec un fichier</translation>
    </message>
    <message>
        <source>Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t open wire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a configuration file of this editor, or it is damaged: %2. Nothing was compared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds the same configuration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 differs from this configuration (1 difference):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 differs from this configuration (%2 differences):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>%1 is not a configuration file of this editor, or it is damaged: %2. Nothing was loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a configuration in JSON form: %2. Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds more than a configuration file can: %2. Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file; it was taken off the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 no longer exists; it was taken off the list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceController</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the device was lost: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM Port Setting</source>
        <translation>Réglage du port COM</translation>
    </message>
    <message>
        <source>Can&apos;t open the port &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting to the device on %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device does not answer on &quot;%1&quot;. Check the cable, the power and the port name.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port was not opened, because the trace of the device link cannot be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trace the Device Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trace of the device link stopped early: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trace of the device link reached its limit of %1 MB and was cut.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storing the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storing the program to the device...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Program To Device</source>
        <translation>Charger le programme dans l&apos;appareil</translation>
    </message>
    <message>
        <source>Load Program From Device</source>
        <translation>Charger le programme depuis l&apos;appareil</translation>
    </message>
    <message>
        <source>The program could not be loaded: the records here could not be copied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading the program from the device...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only %1 of %2 records arrived from the device; this one did not: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only %1 of %2 records arrived from the device; these did not: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply the records that arrived? The others keep the values they have here. Discard changes nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loaded program could not be applied; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the program on the device...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify Program On Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device holds this program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device holds a different program (1 difference):</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The device holds a different program (%n differences):</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DeviceFinder</name>
    <message>
        <source>&amp;Find Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try every port listed, and the one typed, for the device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No port to try: plug in the device&apos;s adapter or type its port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for the device...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for the device on %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for the device on %1 ports at once...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: device (connected)</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devices found on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled before every port had answered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled: no device found before that.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No device answered on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No device answered on any of the %1 ports tried.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Something else answered on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditorCommandLine</name>
    <message>
        <source>Configuration file to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; for help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only one file can be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the editor needs a desktop session (no display was found); --help, --version and %1-cli work without one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the developer&apos;s diagnostics to standard error (as QT_LOGGING_RULES=&quot;kvr210c.diagnostics.debug=true&quot; does).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpDlg</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>KeyActions</name>
    <message>
        <source>&amp;Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Button &amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change &amp;Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change &amp;Baud Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Try Command...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command &amp;Library...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyPlayPanel</name>
    <message>
        <source> ... (%1 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key&apos;s records in the trial&apos;s order: the first layer, the links 13 to 16, then the second layer where it is switched on, each at its own line settings and its delay after the one before. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records of the key to play, ticked to be sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command and reply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip the dela&amp;ys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play &amp;Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel the play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a key in the main window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No record of Key %1 has a command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick the records to play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing Key %1 on %2...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sent %1 at %2 after %3 ms: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+%1 ms  %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reply after %1 ms</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageChooser</name>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
</context>
<context>
    <name>LibraryEntryNameDialog</name>
    <message>
        <source>Add to Your Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add %1 to your library as:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Equipment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryEntryView</name>
    <message>
        <source>one byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>decimal digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hex digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes in hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes as text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bytes in brackets are the checksum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checksum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line settings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expected reply:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, from %2 to %3, %4 when not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an entry in the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2 to %3):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none named: the record&apos;s own are kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no entry is chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, byte %2 (in brackets)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, bytes %2 to %3 (in brackets)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkTraceChoice</name>
    <message>
        <source>Trace the Device Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write every byte sent to and received from the device to a file, from the next connection on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every byte sent to and received from the device goes to %1, from the next connection on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trace cannot go to %1: it is the configuration file that is open, and the trace would replace it. Choose another file for the trace.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>KVR210C</source>
        <translation>KVR210C</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>05</source>
        <translation>05</translation>
    </message>
    <message>
        <source>07</source>
        <translation>07</translation>
    </message>
    <message>
        <source>02</source>
        <translation>02</translation>
    </message>
    <message>
        <source>03</source>
        <translation>03</translation>
    </message>
    <message>
        <source>06</source>
        <translation>06</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>08</source>
        <translation>08</translation>
    </message>
    <message>
        <source>04</source>
        <translation>04</translation>
    </message>
    <message>
        <source>09</source>
        <translation>09</translation>
    </message>
    <message>
        <source>11</source>
        <translation>11</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>01</source>
        <translation>01</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Liens</translation>
    </message>
    <message>
        <source>19</source>
        <translation>19</translation>
    </message>
    <message>
        <source>14</source>
        <translation>14</translation>
    </message>
    <message>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <source>18</source>
        <translation>18</translation>
    </message>
    <message>
        <source>24</source>
        <translation>24</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>21</source>
        <translation>21</translation>
    </message>
    <message>
        <source>17</source>
        <translation>17</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>23</source>
        <translation>23</translation>
    </message>
    <message>
        <source>22</source>
        <translation>22</translation>
    </message>
    <message>
        <source>13</source>
        <translation>13</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Delay time in seconds, first layer</source>
        <translation>Délai en secondes, premier niveau</translation>
    </message>
    <message>
        <source>Tx Bytes</source>
        <translation>Octets Tx</translation>
    </message>
    <message>
        <source>ASCII</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>Delay Time</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Secs </source>
        <translation>s </translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Bytes to send, first layer</source>
        <translation>Octets à envoyer, premier niveau</translation>
    </message>
    <message>
        <source>Shows the command&apos;s baud rate, data bits, parity and stop bits; press to change them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line settings, first layer</source>
        <translation>Réglages de ligne, premier niveau</translation>
    </message>
    <message>
        <source>2nd Layer</source>
        <translation>2e niveau</translation>
    </message>
    <message>
        <source>Bytes to send, second layer</source>
        <translation>Octets à envoyer, second niveau</translation>
    </message>
    <message>
        <source>Delay time in seconds, second layer</source>
        <translation>Délai en secondes, second niveau</translation>
    </message>
    <message>
        <source>Shows the second layer&apos;s baud rate, data bits, parity and stop bits; press to change them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line settings, second layer</source>
        <translation>Réglages de ligne, second niveau</translation>
    </message>
    <message>
        <source>RX/UP</source>
        <translation>RX/UP</translation>
    </message>
    <message>
        <source>RX/UP bytes, first line</source>
        <translation>Octets RX/UP, première ligne</translation>
    </message>
    <message>
        <source>RX/UP link, second line</source>
        <translation>Lien RX/UP, seconde ligne</translation>
    </message>
    <message>
        <source>Bard Rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>RX/UP link, first line</source>
        <translation>Lien RX/UP, première ligne</translation>
    </message>
    <message>
        <source>RX/UP bytes, second line</source>
        <translation>Octets RX/UP, seconde ligne</translation>
    </message>
    <message>
        <source>RX/UP data, second line</source>
        <translation>Données RX/UP, seconde ligne</translation>
    </message>
    <message>
        <source>RX/UP data, first line</source>
        <translation>Données RX/UP, première ligne</translation>
    </message>
    <message>
        <source>RX/UP line settings</source>
        <translation>Réglages de ligne RX/UP</translation>
    </message>
    <message>
        <source>Marco Setting</source>
        <translation>Réglage des macros</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message>
        <source>Macro link</source>
        <translation>Lien de macro</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Nouveau fichier</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>S&amp;ave As</source>
        <translation>Enregistrer &amp;sous</translation>
    </message>
    <message>
        <source>Save As File</source>
        <translation>Enregistrer le fichier sous</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Close File</source>
        <translation>Fermer le fichier</translation>
    </message>
    <message>
        <source>&amp;Load Device</source>
        <translation>Charger l&apos;&amp;appareil</translation>
    </message>
    <message>
        <source>COM Port Setting</source>
        <translation>Réglage du port COM</translation>
    </message>
    <message>
        <source>Load Program From Device</source>
        <translation>Charger le programme depuis l&apos;appareil</translation>
    </message>
    <message>
        <source>Load Program To Device</source>
        <translation>Charger le programme dans l&apos;appareil</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>About Application</source>
        <translation>À propos de l&apos;application</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Button Name :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New button name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramSheet</name>
    <message>
        <source>(not saved)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(of the program with its unsaved changes, as Save would write it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command (hex)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command (text)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (with unsaved changes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Sheet</source>
        <translation>Exporter la fiche</translation>
    </message>
    <message>
        <source>The sheet could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Question</name>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to continue ?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TryCommandWindow</name>
    <message>
        <source>Try Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port of the equipment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;econd layer of the key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command in hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command as text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reply ends after this long without a byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line settings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reply ends after &amp;quiet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Form of the free line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>\x02ON\r, or hex pairs: 02 4F 4E 0D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free line to send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text with \r, \n, \t, \\ and \xNN, or hex pairs; sent with the command&apos;s line settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send &amp;Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reply in hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reply as text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log of every exchange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save L&amp;og...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Lo&amp;g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A trial is under way: wait for its reply or cancel it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to send: choose a key or a link in the main window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to send: the command of %1 is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a key or a link in the main window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (for the free line)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, delay %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not sent: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>free line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %2 at %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reply to %1 on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the reply...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sent %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+%1 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log could not be saved (%1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UartSettingBox</name>
    <message>
        <source>UART Setting</source>
        <translation>Réglage UART</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Data Bits&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Bits de données&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Parity Bit&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Bit de parité&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Stop Bit&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Bit d&apos;arrêt&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>2400</source>
        <translation>2400</translation>
    </message>
    <message>
        <source>4800</source>
        <translation>4800</translation>
    </message>
    <message>
        <source>9600</source>
        <translation>9600</translation>
    </message>
    <message>
        <source>14400</source>
        <translation>14400</translation>
    </message>
    <message>
        <source>19200</source>
        <translation>19200</translation>
    </message>
    <message>
        <source>28800</source>
        <translation>28800</translation>
    </message>
    <message>
        <source>38400</source>
        <translation>38400</translation>
    </message>
    <message>
        <source>115200</source>
        <translation>115200</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Bits de données</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parité</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impaire</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Paire</translation>
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
        <translation>Bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
</context>
<context>
    <name>completeDialog</name>
    <message>
        <source>Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation Complete !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
