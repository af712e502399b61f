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
        <translation>La commande fait %1 octets.</translation>
    </message>
    <message>
        <source>The second-layer command is %1 bytes long.</source>
        <translation>La commande du second niveau fait %1 octets.</translation>
    </message>
    <message>
        <source>Change Data</source>
        <translation>Modifier les données</translation>
    </message>
    <message>
        <source>The field holds %1 bytes: Ok at the end of the edit keeps only the first %1 bytes. Cancel leaves the record as it is.</source>
        <translation>Le champ contient %1 octets : Ok à la fin de la saisie ne garde que les %1 premiers octets. Annuler laisse l&apos;enregistrement tel quel.</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Charger depuis l&apos;appareil</translation>
    </message>
    <message>
        <source>Verify Program On Device</source>
        <translation>Vérifier le programme sur l&apos;appareil</translation>
    </message>
    <message>
        <source>Compare the program on the device with this one, changing neither</source>
        <translation>Comparer le programme de l&apos;appareil avec celui-ci, sans modifier ni l&apos;un ni l&apos;autre</translation>
    </message>
    <message>
        <source>Connected to the device on %1</source>
        <translation>Connecté à l&apos;appareil sur %1</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>COM Port Setting</source>
        <translation>Réglage du port COM</translation>
    </message>
    <message>
        <source>No port was chosen. Choose or type the port of the device.</source>
        <translation>Aucun port n&apos;a été choisi. Choisissez ou saisissez le port de l&apos;appareil.</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir %1</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the selected key&apos;s program, or the selected link, as text</source>
        <translation>Copier en texte le programme de la touche choisie, ou le lien choisi</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Replace the selected key&apos;s program, or the selected link, with the copied one</source>
        <translation>Remplacer le programme de la touche choisie, ou le lien choisi, par celui copié</translation>
    </message>
    <message>
        <source>Finish the data you are editing with Ok or Cancel first.</source>
        <translation>Terminez d&apos;abord la saisie en cours avec Ok ou Annuler.</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>%1 copié</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Replace the programs of keys %1?</source>
        <translation>Remplacer les programmes des touches %1 ?</translation>
    </message>
    <message>
        <source>The copied text holds several keys. Each goes onto the key of its number, with all its links and its second layer, whatever is selected.</source>
        <translation>Le texte copié contient plusieurs touches. Chacune va sur la touche de son numéro, avec tous ses liens et son second niveau, quelle que soit la sélection.</translation>
    </message>
    <message>
        <source>The clipboard&apos;s text cannot be pasted here: %1. Nothing was changed.</source>
        <translation>Le texte du presse-papiers ne peut pas être collé ici : %1. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Keys %1</source>
        <translation>Touches %1</translation>
    </message>
    <message>
        <source>Paste onto %1</source>
        <translation>Coller sur %1</translation>
    </message>
    <message>
        <source>Import JSON</source>
        <translation>Importer du JSON</translation>
    </message>
    <message>
        <source>JSON files (*.json);;All files (*)</source>
        <translation>Fichiers JSON (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export JSON</source>
        <translation>Exporter en JSON</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exporté vers %1</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>Renommer %1</translation>
    </message>
    <message>
        <source>Change line settings of %1</source>
        <translation>Modifier les réglages de ligne de %1</translation>
    </message>
    <message>
        <source>The configuration has been modified.
Do you want to save your changes?</source>
        <translation>La configuration a été modifiée.
Voulez-vous enregistrer vos modifications ?</translation>
    </message>
    <message>
        <source>The data you are editing has not been stored yet: Save stores it as Ok does, Discard drops it as Cancel does.</source>
        <translation>Les données en cours de saisie ne sont pas encore prises en compte : Enregistrer les garde comme Ok, Ignorer les abandonne comme Annuler.</translation>
    </message>
    <message>
        <source>Can&apos;t open wire</source>
        <translation>Impossible d&apos;ouvrir le fichier</translation>
    </message>
    <message>
        <source>Can&apos;t file wire</source>
        <translation>Impossible d&apos;écrire le fichier</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Touche %1</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Link %1</source>
        <translation>Lien %1</translation>
    </message>
    <message>
        <source>Link %1 of key %2</source>
        <translation>Lien %1 de la touche %2</translation>
    </message>
    <message>
        <source>Change data of %1</source>
        <translation>Modifier les données de %1</translation>
    </message>
</context>
<context>
    <name>ComPortPicker</name>
    <message>
        <source>serial number %1</source>
        <translation>numéro de série %1</translation>
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
        <source>Data bits</source>
        <translation>Bits de données</translation>
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
        <source>Port Name</source>
        <translation>Nom du port</translation>
    </message>
    <message>
        <source>Port name</source>
        <translation>Nom du port</translation>
    </message>
    <message>
        <source>The port the device is connected to; a port the system does not list can be typed in</source>
        <translation>Le port auquel l&apos;appareil est branché ; un port que le système ne liste pas peut être saisi</translation>
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
        <translation>%1, inutilisée</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Change Button &amp;Name</source>
        <translation>Modifier le &amp;nom de la touche</translation>
    </message>
    <message>
        <source>Change &amp;Data</source>
        <translation>Modifier les &amp;données</translation>
    </message>
    <message>
        <source>Change &amp;Baud Rate</source>
        <translation>Modifier le &amp;débit</translation>
    </message>
    <message>
        <source>Change Button Name</source>
        <translation>Modifier le nom de la touche</translation>
    </message>
    <message>
        <source>The name cannot hold %1: a configuration file keeps only Latin-1 characters.</source>
        <translation>Le nom ne peut pas contenir %1 : un fichier de configuration ne garde que des caractères Latin-1.</translation>
    </message>
</context>
<context>
    <name>CommandField</name>
    <message>
        <source>The command holds %1 bytes, the most it can: nothing more fits.</source>
        <translation>La commande contient %1 octets, son maximum : rien de plus ne tient.</translation>
    </message>
    <message>
        <source>The cursor stands at the end of the field: End goes back to the end of the command.</source>
        <translation>Le curseur est à la fin du champ : Fin revient à la fin de la commande.</translation>
    </message>
    <message>
        <source>Only the hex digits 0 to 9 and A to F can be typed in Hex form.</source>
        <translation>En forme Hex, seuls les chiffres hexadécimaux 0 à 9 et A à F peuvent être saisis.</translation>
    </message>
    <message>
        <source>A blank cannot be typed in ASCII form: type it in Hex form, as 20.</source>
        <translation>Un espace ne peut pas être saisi en forme ASCII : saisissez-le en forme Hex, comme 20.</translation>
    </message>
</context>
<context>
    <name>CommandFieldNames</name>
    <message>
        <source>in hex</source>
        <translation>en hex</translation>
    </message>
    <message>
        <source>in ASCII</source>
        <translation>en ASCII</translation>
    </message>
    <message>
        <source>Command, first layer, %1</source>
        <translation>Commande, premier niveau, %1</translation>
    </message>
    <message>
        <source>Command, second layer, %1</source>
        <translation>Commande, second niveau, %1</translation>
    </message>
</context>
<context>
    <name>CommandLibraryWindow</name>
    <message>
        <source>Command Library</source>
        <translation>Bibliothèque de commandes</translation>
    </message>
    <message>
        <source>Name, equipment or group</source>
        <translation>Nom, équipement ou groupe</translation>
    </message>
    <message>
        <source>Search the libraries</source>
        <translation>Chercher dans les bibliothèques</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Chercher :</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Libraries and their entries</source>
        <translation>Bibliothèques et leurs entrées</translation>
    </message>
    <message>
        <source>&amp;Open Library...</source>
        <translation>&amp;Ouvrir une bibliothèque...</translation>
    </message>
    <message>
        <source>&amp;Remove from List</source>
        <translation>&amp;Retirer de la liste</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>Import a table of commands by model into your library</source>
        <translation>Importer une table de commandes par modèle dans votre bibliothèque</translation>
    </message>
    <message>
        <source>S&amp;econd layer of the key</source>
        <translation>S&amp;econd niveau de la touche</translation>
    </message>
    <message>
        <source>&amp;Use for the Selected Record</source>
        <translation>&amp;Utiliser pour l&apos;enregistrement choisi</translation>
    </message>
    <message>
        <source>&amp;Add the Selected Record...</source>
        <translation>&amp;Ajouter l&apos;enregistrement choisi...</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Port of the equipment</source>
        <translation>Port de l&apos;équipement</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port :</translation>
    </message>
    <message>
        <source>&amp;Try</source>
        <translation>&amp;Essayer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Try on the equipment</source>
        <translation>Essayer sur l&apos;équipement</translation>
    </message>
    <message>
        <source>%1: not used, it could not be read (%2)</source>
        <translation>%1 : non utilisé, illisible (%2)</translation>
    </message>
    <message>
        <source>%1 (empty)</source>
        <translation>%1 (vide)</translation>
    </message>
    <message>
        <source>(no equipment named)</source>
        <translation>(aucun équipement nommé)</translation>
    </message>
    <message>
        <source>Choose a key or a link in the main window first.</source>
        <translation>Choisissez d&apos;abord une touche ou un lien dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>Finish the data you are editing in the main window with Ok or Cancel first.</source>
        <translation>Terminez d&apos;abord la saisie en cours dans la fenêtre principale avec Ok ou Annuler.</translation>
    </message>
    <message>
        <source>Not used: %1</source>
        <translation>Non utilisé : %1</translation>
    </message>
    <message>
        <source>Not used: %1.</source>
        <translation>Non utilisé : %1.</translation>
    </message>
    <message>
        <source>Not used: a record cannot hold the line settings %1 (%2).</source>
        <translation>Non utilisé : un enregistrement ne peut pas contenir les réglages de ligne %1 (%2).</translation>
    </message>
    <message>
        <source>Use %1 for %2</source>
        <translation>Utiliser %1 pour %2</translation>
    </message>
    <message>
        <source>%1 now holds %2.</source>
        <translation>%1 contient maintenant %2.</translation>
    </message>
    <message>
        <source>%1 already holds these bytes and line settings.</source>
        <translation>%1 contient déjà ces octets et réglages de ligne.</translation>
    </message>
    <message>
        <source>Not tried: %1</source>
        <translation>Non essayé : %1</translation>
    </message>
    <message>
        <source>Not tried: the line settings %1 cannot be used (%2).</source>
        <translation>Non essayé : les réglages de ligne %1 sont inutilisables (%2).</translation>
    </message>
    <message>
        <source>Trying %1 on %2 at %3...</source>
        <translation>Essai de %1 sur %2 à %3...</translation>
    </message>
    <message>
        <source>Reply %1 (the expected reply could not be read: %2)</source>
        <translation>Réponse %1 (la réponse attendue est illisible : %2)</translation>
    </message>
    <message>
        <source>Reply %1 (the entry expects none in particular)</source>
        <translation>Réponse %1 (l&apos;entrée n&apos;en attend aucune en particulier)</translation>
    </message>
    <message>
        <source>Reply %1: %2 (expected %3)</source>
        <translation>Réponse %1 : %2 (attendu %3)</translation>
    </message>
    <message>
        <source>Nothing added: %1</source>
        <translation>Rien ajouté : %1</translation>
    </message>
    <message>
        <source>there is no such record.</source>
        <translation>cet enregistrement n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Nothing added: %1 holds no command.</source>
        <translation>Rien ajouté : %1 ne contient aucune commande.</translation>
    </message>
    <message>
        <source>Import Command Table</source>
        <translation>Importer une table de commandes</translation>
    </message>
    <message>
        <source>JSON files (*.json);;All files (*)</source>
        <translation>Fichiers JSON (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open Library</source>
        <translation>Ouvrir une bibliothèque</translation>
    </message>
    <message>
        <source>Command libraries (*.json);;All files (*)</source>
        <translation>Bibliothèques de commandes (*.json);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>ComparisonDialog</name>
    <message>
        <source>Differences</source>
        <translation>Différences</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Ici</translation>
    </message>
    <message>
        <source>There</source>
        <translation>Là-bas</translation>
    </message>
    <message>
        <source>Compare With File</source>
        <translation>Comparer avec un fichier</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Can&apos;t open wire</source>
        <translation>Impossible d&apos;ouvrir le fichier</translation>
    </message>
    <message>
        <source>%1 is not a configuration file of this editor, or it is damaged: %2. Nothing was compared.</source>
        <translation>%1 n&apos;est pas un fichier de configuration de cet éditeur, ou il est endommagé : %2. Rien n&apos;a été comparé.</translation>
    </message>
    <message>
        <source>The file holds the same configuration.</source>
        <translation>Le fichier contient la même configuration.</translation>
    </message>
    <message>
        <source>%1 differs from this configuration (1 difference):</source>
        <translation>%1 diffère de cette configuration (1 différence) :</translation>
    </message>
    <message>
        <source>%1 differs from this configuration (%2 differences):</source>
        <translation>%1 diffère de cette configuration (%2 différences) :</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>%1 is not a configuration file of this editor, or it is damaged: %2. Nothing was loaded.</source>
        <translation>%1 n&apos;est pas un fichier de configuration de cet éditeur, ou il est endommagé : %2. Rien n&apos;a été chargé.</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Aucun nom de fichier n&apos;a été donné.</translation>
    </message>
    <message>
        <source>%1. Nothing was imported.</source>
        <translation>%1. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>%1 is not a configuration in JSON form: %2. Nothing was imported.</source>
        <translation>%1 n&apos;est pas une configuration en JSON : %2. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>%1 holds more than a configuration file can: %2. Nothing was imported.</source>
        <translation>%1 contient plus qu&apos;un fichier de configuration ne peut : %2. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>%1 is not a regular file; it was taken off the list.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire ; il a été retiré de la liste.</translation>
    </message>
    <message>
        <source>%1 no longer exists; it was taken off the list.</source>
        <translation>%1 n&apos;existe plus ; il a été retiré de la liste.</translation>
    </message>
</context>
<context>
    <name>DeviceController</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The connection to the device was lost: %1</source>
        <translation>La connexion à l&apos;appareil a été perdue : %1</translation>
    </message>
    <message>
        <source>COM Port Setting</source>
        <translation>Réglage du port COM</translation>
    </message>
    <message>
        <source>Can&apos;t open the port &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;ouvrir le port « %1 » : %2</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Connecting to the device on %1...</source>
        <translation>Connexion à l&apos;appareil sur %1...</translation>
    </message>
    <message>
        <source>The device does not answer on &quot;%1&quot;. Check the cable, the power and the port name.

%2</source>
        <translation>L&apos;appareil ne répond pas sur « %1 ». Vérifiez le câble, l&apos;alimentation et le nom du port.

%2</translation>
    </message>
    <message>
        <source>The port was not opened, because the trace of the device link cannot be written: %1</source>
        <translation>Le port n&apos;a pas été ouvert, car la trace de la liaison ne peut pas être écrite : %1</translation>
    </message>
    <message>
        <source>Trace the Device Link</source>
        <translation>Tracer la liaison avec l&apos;appareil</translation>
    </message>
    <message>
        <source>The trace of the device link stopped early: %1.</source>
        <translation>La trace de la liaison s&apos;est arrêtée trop tôt : %1.</translation>
    </message>
    <message>
        <source>The trace of the device link reached its limit of %1 MB and was cut.</source>
        <translation>La trace de la liaison a atteint sa limite de %1 Mo et a été coupée.</translation>
    </message>
    <message>
        <source>Storing the program</source>
        <translation>Enregistrement du programme</translation>
    </message>
    <message>
        <source>Storing the program to the device...</source>
        <translation>Enregistrement du programme dans l&apos;appareil...</translation>
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
        <translation>Le programme n&apos;a pas pu être chargé : les enregistrements d&apos;ici n&apos;ont pas pu être copiés.</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Loading the program from the device...</source>
        <translation>Chargement du programme depuis l&apos;appareil...</translation>
    </message>
    <message>
        <source>Only %1 of %2 records arrived from the device; this one did not: %3.</source>
        <translation>Seuls %1 des %2 enregistrements sont arrivés de l&apos;appareil ; celui-ci non : %3.</translation>
    </message>
    <message>
        <source>Only %1 of %2 records arrived from the device; these did not: %3.</source>
        <translation>Seuls %1 des %2 enregistrements sont arrivés de l&apos;appareil ; ceux-ci non : %3.</translation>
    </message>
    <message>
        <source>Apply the records that arrived? The others keep the values they have here. Discard changes nothing.</source>
        <translation>Appliquer les enregistrements arrivés ? Les autres gardent leurs valeurs d&apos;ici. Ignorer ne change rien.</translation>
    </message>
    <message>
        <source>The loaded program could not be applied; nothing was changed.</source>
        <translation>Le programme chargé n&apos;a pas pu être appliqué ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>Reading the program on the device...</source>
        <translation>Lecture du programme de l&apos;appareil...</translation>
    </message>
    <message>
        <source>Verify Program On Device</source>
        <translation>Vérifier le programme sur l&apos;appareil</translation>
    </message>
    <message>
        <source>The device holds this program.</source>
        <translation>L&apos;appareil contient ce programme.</translation>
    </message>
    <message>
        <source>The device holds a different program (1 difference):</source>
        <translation>L&apos;appareil contient un autre programme (1 différence) :</translation>
    </message>
    <message numerus="yes">
        <source>The device holds a different program (%n differences):</source>
        <translation>
            <numerusform>L&apos;appareil contient un autre programme (%n différence) :</numerusform>
            <numerusform>L&apos;appareil contient un autre programme (%n différences) :</numerusform>
        </translation>
    </message>
    <message>
        <source>Backing up the device</source>
        <translation>Sauvegarde de l&apos;appareil</translation>
    </message>
    <message>
        <source>Loading the device&apos;s program into the backup folder...</source>
        <translation>Chargement du programme de l&apos;appareil dans le dossier de sauvegarde...</translation>
    </message>
    <message>
        <source>The backup was cancelled; nothing was stored.</source>
        <translation>La sauvegarde a été annulée ; rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Nothing was stored: the program on the device could not be backed up first (%1).</source>
        <translation>Rien n&apos;a été enregistré : le programme de l&apos;appareil n&apos;a pas pu être sauvegardé d&apos;abord (%1).</translation>
    </message>
    <message>
        <source>The program on the device was backed up to %1.</source>
        <translation>Le programme de l&apos;appareil a été sauvegardé dans %1.</translation>
    </message>
</context>
<context>
    <name>DeviceFinder</name>
    <message>
        <source>&amp;Find Device</source>
        <translation>&amp;Trouver l&apos;appareil</translation>
    </message>
    <message>
        <source>Try every port listed, and the one typed, for the device</source>
        <translation>Chercher l&apos;appareil sur chaque port listé et sur celui saisi</translation>
    </message>
    <message>
        <source>No port to try: plug in the device&apos;s adapter or type its port.</source>
        <translation>Aucun port à essayer : branchez l&apos;adaptateur de l&apos;appareil ou saisissez son port.</translation>
    </message>
    <message>
        <source>Looking for the device...</source>
        <translation>Recherche de l&apos;appareil...</translation>
    </message>
    <message>
        <source>Looking for the device on %1...</source>
        <translation>Recherche de l&apos;appareil sur %1...</translation>
    </message>
    <message>
        <source>Looking for the device on %1 ports at once...</source>
        <translation>Recherche de l&apos;appareil sur %1 ports à la fois...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Find Device</source>
        <translation>Trouver l&apos;appareil</translation>
    </message>
    <message>
        <source>%1: device (connected)</source>
        <translation>%1 : appareil (connecté)</translation>
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
        <translation>Appareil trouvé sur %1.</translation>
    </message>
    <message>
        <source>Devices found on %1.</source>
        <translation>Appareils trouvés sur %1.</translation>
    </message>
    <message>
        <source>Cancelled before every port had answered.</source>
        <translation>Annulé avant que chaque port ait répondu.</translation>
    </message>
    <message>
        <source>Cancelled: no device found before that.</source>
        <translation>Annulé : aucun appareil trouvé jusque-là.</translation>
    </message>
    <message>
        <source>No device answered on %1.</source>
        <translation>Aucun appareil n&apos;a répondu sur %1.</translation>
    </message>
    <message>
        <source>No device answered on any of the %1 ports tried.</source>
        <translation>Aucun appareil n&apos;a répondu sur les %1 ports essayés.</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>%1 n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>Something else answered on %1.</source>
        <translation>Autre chose a répondu sur %1.</translation>
    </message>
    <message>
        <source>device found</source>
        <translation>appareil trouvé</translation>
    </message>
</context>
<context>
    <name>EditorCommandLine</name>
    <message>
        <source>Configuration file to open.</source>
        <translation>Fichier de configuration à ouvrir.</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; for help.</source>
        <translation>Lancez « %1 --help » pour l&apos;aide.</translation>
    </message>
    <message>
        <source>Only one file can be opened.</source>
        <translation>Un seul fichier peut être ouvert.</translation>
    </message>
    <message>
        <source>%1: the editor needs a desktop session (no display was found); --help, --version and %1-cli work without one.</source>
        <translation>%1 : l&apos;éditeur a besoin d&apos;une session de bureau (aucun écran trouvé) ; --help, --version et %1-cli fonctionnent sans.</translation>
    </message>
    <message>
        <source>Write the developer&apos;s diagnostics to standard error (as QT_LOGGING_RULES=&quot;kvr210c.diagnostics.debug=true&quot; does).</source>
        <translation>Écrire les diagnostics du développeur sur la sortie d&apos;erreur (comme QT_LOGGING_RULES=&quot;kvr210c.diagnostics.debug=true&quot;).</translation>
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
        <translation>&amp;Touche</translation>
    </message>
    <message>
        <source>Change Button &amp;Name</source>
        <translation>Modifier le &amp;nom de la touche</translation>
    </message>
    <message>
        <source>Change &amp;Data</source>
        <translation>Modifier les &amp;données</translation>
    </message>
    <message>
        <source>Change &amp;Baud Rate</source>
        <translation>Modifier le &amp;débit</translation>
    </message>
    <message>
        <source>&amp;Try Command...</source>
        <translation>&amp;Essayer la commande...</translation>
    </message>
    <message>
        <source>Command &amp;Library...</source>
        <translation>&amp;Bibliothèque de commandes...</translation>
    </message>
</context>
<context>
    <name>KeyPlayPanel</name>
    <message>
        <source> ... (%1 bytes)</source>
        <translation> ... (%1 octets)</translation>
    </message>
    <message>
        <source>Play Key</source>
        <translation>Jouer la touche</translation>
    </message>
    <message>
        <source>The key&apos;s records in the trial&apos;s order: the first layer, the links 13 to 16, then the second layer where it is switched on, each at its own line settings and its delay after the one before. %1</source>
        <translation>Les enregistrements de la touche dans l&apos;ordre de l&apos;essai : le premier niveau, les liens 13 à 16, puis le second niveau s&apos;il est activé, chacun avec ses réglages de ligne et son délai après le précédent. %1</translation>
    </message>
    <message>
        <source>Records of the key to play, ticked to be sent</source>
        <translation>Enregistrements de la touche à jouer, cochés pour être envoyés</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Line settings</source>
        <translation>Réglages de ligne</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Command and reply</source>
        <translation>Commande et réponse</translation>
    </message>
    <message>
        <source>Skip the dela&amp;ys</source>
        <translation>Sauter les déla&amp;is</translation>
    </message>
    <message>
        <source>Play &amp;Key</source>
        <translation>Jouer la &amp;touche</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancel the play</source>
        <translation>Annuler la lecture</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Choose a key in the main window.</source>
        <translation>Choisissez une touche dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>No record of Key %1 has a command.</source>
        <translation>Aucun enregistrement de la touche %1 n&apos;a de commande.</translation>
    </message>
    <message>
        <source>Tick the records to play.</source>
        <translation>Cochez les enregistrements à jouer.</translation>
    </message>
    <message>
        <source>Playing Key %1 on %2...</source>
        <translation>Lecture de la touche %1 sur %2...</translation>
    </message>
    <message>
        <source>sent %1 at %2 after %3 ms: %4</source>
        <translation>%1 envoyé à %2 après %3 ms : %4</translation>
    </message>
    <message>
        <source>+%1 ms  %2</source>
        <translation>+%1 ms  %2</translation>
    </message>
    <message>
        <source>reply after %1 ms</source>
        <translation>réponse après %1 ms</translation>
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
        <translation>Ajouter à votre bibliothèque</translation>
    </message>
    <message>
        <source>Add %1 to your library as:</source>
        <translation>Ajouter %1 à votre bibliothèque sous :</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Equipment:</source>
        <translation>É&amp;quipement :</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Groupe :</translation>
    </message>
</context>
<context>
    <name>LibraryEntryView</name>
    <message>
        <source>one byte</source>
        <translation>un octet</translation>
    </message>
    <message>
        <source>decimal digits</source>
        <translation>chiffres décimaux</translation>
    </message>
    <message>
        <source>hex digits</source>
        <translation>chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>Bytes in hex</source>
        <translation>Octets en hex</translation>
    </message>
    <message>
        <source>Bytes as text</source>
        <translation>Octets en texte</translation>
    </message>
    <message>
        <source>The bytes in brackets are the checksum</source>
        <translation>Les octets entre crochets sont la somme de contrôle</translation>
    </message>
    <message>
        <source>Hex:</source>
        <translation>Hex :</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texte :</translation>
    </message>
    <message>
        <source>Checksum:</source>
        <translation>Somme de contrôle :</translation>
    </message>
    <message>
        <source>Line settings:</source>
        <translation>Réglages de ligne :</translation>
    </message>
    <message>
        <source>Expected reply:</source>
        <translation>Réponse attendue :</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Remarque :</translation>
    </message>
    <message>
        <source>%1, from %2 to %3, %4 when not set</source>
        <translation>%1, de %2 à %3, %4 si non défini</translation>
    </message>
    <message>
        <source>Choose an entry in the list.</source>
        <translation>Choisissez une entrée dans la liste.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2 to %3):</source>
        <translation>%1 (%2 à %3) :</translation>
    </message>
    <message>
        <source>none named: the record&apos;s own are kept</source>
        <translation>aucun nommé : ceux de l&apos;enregistrement sont gardés</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>text &quot;%1&quot;</source>
        <translation>texte « %1 »</translation>
    </message>
    <message>
        <source>no entry is chosen</source>
        <translation>aucune entrée choisie</translation>
    </message>
    <message>
        <source>(none: %1)</source>
        <translation>(aucune : %1)</translation>
    </message>
    <message>
        <source>%1, byte %2 (in brackets)</source>
        <translation>%1, octet %2 (entre crochets)</translation>
    </message>
    <message>
        <source>%1, bytes %2 to %3 (in brackets)</source>
        <translation>%1, octets %2 à %3 (entre crochets)</translation>
    </message>
</context>
<context>
    <name>LinkTraceChoice</name>
    <message>
        <source>Trace the Device Link</source>
        <translation>Tracer la liaison avec l&apos;appareil</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Write every byte sent to and received from the device to a file, from the next connection on</source>
        <translation>Écrire dans un fichier chaque octet envoyé à l&apos;appareil et reçu de lui, dès la prochaine connexion</translation>
    </message>
    <message>
        <source>Every byte sent to and received from the device goes to %1, from the next connection on</source>
        <translation>Chaque octet envoyé à l&apos;appareil et reçu de lui va dans %1, dès la prochaine connexion</translation>
    </message>
    <message>
        <source>The trace cannot go to %1: it is the configuration file that is open, and the trace would replace it. Choose another file for the trace.</source>
        <translation>La trace ne peut pas aller dans %1 : c&apos;est le fichier de configuration ouvert, et la trace le remplacerait. Choisissez un autre fichier pour la trace.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Buttons</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Liens</translation>
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
        <translation>Montre le débit, les bits de données, la parité et les bits d&apos;arrêt de la commande ; appuyez pour les modifier</translation>
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
        <translation>Montre le débit, les bits de données, la parité et les bits d&apos;arrêt du second niveau ; appuyez pour les modifier</translation>
    </message>
    <message>
        <source>Line settings, second layer</source>
        <translation>Réglages de ligne, second niveau</translation>
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
        <translation>Dialogue</translation>
    </message>
    <message>
        <source>New Button Name :</source>
        <translation>Nouveau nom de touche :</translation>
    </message>
    <message>
        <source>New button name</source>
        <translation>Nouveau nom de touche</translation>
    </message>
</context>
<context>
    <name>ProgramSheet</name>
    <message>
        <source>(not saved)</source>
        <translation>(non enregistré)</translation>
    </message>
    <message>
        <source>Program sheet</source>
        <translation>Fiche du programme</translation>
    </message>
    <message>
        <source>(of the program with its unsaved changes, as Save would write it)</source>
        <translation>(du programme avec ses modifications non enregistrées, tel qu&apos;Enregistrer l&apos;écrirait)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Command (hex)</source>
        <translation>Commande (hex)</translation>
    </message>
    <message>
        <source>Command (text)</source>
        <translation>Commande (texte)</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Line settings</source>
        <translation>Réglages de ligne</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activé</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 (with unsaved changes)</source>
        <translation>%1 (avec des modifications non enregistrées)</translation>
    </message>
    <message>
        <source>Export Sheet</source>
        <translation>Exporter la fiche</translation>
    </message>
    <message>
        <source>The sheet could not be written.</source>
        <translation>La fiche n&apos;a pas pu être écrite.</translation>
    </message>
</context>
<context>
    <name>Question</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Are you sure you want to continue ?</source>
        <translation>Voulez-vous vraiment continuer ?</translation>
    </message>
</context>
<context>
    <name>StoreBackupChoice</name>
    <message>
        <source>Back up the device before storing</source>
        <translation>Sauvegarder l&apos;appareil avant d&apos;enregistrer</translation>
    </message>
    <message>
        <source>Store Program To Device first loads the device&apos;s program into a new file in the backup folder</source>
        <translation>« Charger le programme dans l&apos;appareil » charge d&apos;abord le programme de l&apos;appareil dans un nouveau fichier du dossier de sauvegarde</translation>
    </message>
    <message>
        <source>Backup Folder...</source>
        <translation>Dossier de sauvegarde...</translation>
    </message>
    <message>
        <source>Backup Folder</source>
        <translation>Dossier de sauvegarde</translation>
    </message>
    <message>
        <source>Choose the folder the device&apos;s program is backed up to</source>
        <translation>Choisir le dossier où le programme de l&apos;appareil est sauvegardé</translation>
    </message>
    <message>
        <source>Backups go to %1</source>
        <translation>Les sauvegardes vont dans %1</translation>
    </message>
</context>
<context>
    <name>TryCommandWindow</name>
    <message>
        <source>Try Command</source>
        <translation>Essayer la commande</translation>
    </message>
    <message>
        <source>Port of the equipment</source>
        <translation>Port de l&apos;équipement</translation>
    </message>
    <message>
        <source>S&amp;econd layer of the key</source>
        <translation>S&amp;econd niveau de la touche</translation>
    </message>
    <message>
        <source>Command in hex</source>
        <translation>Commande en hex</translation>
    </message>
    <message>
        <source>Command as text</source>
        <translation>Commande en texte</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Reply ends after this long without a byte</source>
        <translation>La réponse se termine après ce délai sans octet</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port :</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>Commande :</translation>
    </message>
    <message>
        <source>Hex:</source>
        <translation>Hex :</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texte :</translation>
    </message>
    <message>
        <source>Line settings:</source>
        <translation>Réglages de ligne :</translation>
    </message>
    <message>
        <source>Reply ends after &amp;quiet:</source>
        <translation>Fin de réponse après &amp;silence :</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Envoyer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Form of the free line</source>
        <translation>Forme de la ligne libre</translation>
    </message>
    <message>
        <source>\x02ON\r, or hex pairs: 02 4F 4E 0D</source>
        <translation>\x02ON\r, ou paires hex : 02 4F 4E 0D</translation>
    </message>
    <message>
        <source>Free line to send</source>
        <translation>Ligne libre à envoyer</translation>
    </message>
    <message>
        <source>Text with \r, \n, \t, \\ and \xNN, or hex pairs; sent with the command&apos;s line settings</source>
        <translation>Texte avec \r, \n, \t, \\ et \xNN, ou paires hex ; envoyé avec les réglages de ligne de la commande</translation>
    </message>
    <message>
        <source>Send &amp;Line</source>
        <translation>Envoyer la &amp;ligne</translation>
    </message>
    <message>
        <source>Free line</source>
        <translation>Ligne libre</translation>
    </message>
    <message>
        <source>Reply in hex</source>
        <translation>Réponse en hex</translation>
    </message>
    <message>
        <source>Reply as text</source>
        <translation>Réponse en texte</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Log of every exchange</source>
        <translation>Journal de chaque échange</translation>
    </message>
    <message>
        <source>&amp;Copy Log</source>
        <translation>&amp;Copier le journal</translation>
    </message>
    <message>
        <source>Save L&amp;og...</source>
        <translation>Enregistrer le j&amp;ournal...</translation>
    </message>
    <message>
        <source>Clear Lo&amp;g</source>
        <translation>&amp;Vider le journal</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>A trial is under way: wait for its reply or cancel it.</source>
        <translation>Un essai est en cours : attendez sa réponse ou annulez-le.</translation>
    </message>
    <message>
        <source>Nothing to send: choose a key or a link in the main window.</source>
        <translation>Rien à envoyer : choisissez une touche ou un lien dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>Nothing to send: the command of %1 is empty.</source>
        <translation>Rien à envoyer : la commande de %1 est vide.</translation>
    </message>
    <message>
        <source>Choose a key or a link in the main window.</source>
        <translation>Choisissez une touche ou un lien dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>%1 (for the free line)</source>
        <translation>%1 (pour la ligne libre)</translation>
    </message>
    <message>
        <source>%1, delay %2</source>
        <translation>%1, délai %2</translation>
    </message>
    <message>
        <source>Not sent: %1.</source>
        <translation>Non envoyé : %1.</translation>
    </message>
    <message>
        <source>free line</source>
        <translation>ligne libre</translation>
    </message>
    <message>
        <source>%1 on %2 at %3</source>
        <translation>%1 sur %2 à %3</translation>
    </message>
    <message>
        <source>Reply to %1 on %2</source>
        <translation>Réponse à %1 sur %2</translation>
    </message>
    <message>
        <source>Waiting for the reply...</source>
        <translation>Attente de la réponse...</translation>
    </message>
    <message>
        <source>sent %1:</source>
        <translation>%1 envoyé :</translation>
    </message>
    <message>
        <source>+%1 ms</source>
        <translation>+%1 ms</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>Enregistrer le journal</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>The log could not be saved (%1).</source>
        <translation>Le journal n&apos;a pas pu être enregistré (%1).</translation>
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
        <source>Data bits</source>
        <translation>Bits de données</translation>
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
</context>
<context>
    <name>completeDialog</name>
    <message>
        <source>Complete</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Operation Complete !</source>
        <translation>Opération terminée !</translation>
    </message>
</context>
</TS>
