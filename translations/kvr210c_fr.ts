<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AppDataManager</name>
    <message>
        <source>Key %1</source>
        <translation>Touche %1</translation>
    </message>
    <message>
        <source>Key %1, link %2</source>
        <translation>Touche %1, lien %2</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>line settings</source>
        <translation>réglages de ligne</translation>
    </message>
    <message>
        <source>command</source>
        <translation>commande</translation>
    </message>
    <message>
        <source>delay</source>
        <translation>délai</translation>
    </message>
    <message>
        <source>second-layer switch</source>
        <translation>interrupteur du second niveau</translation>
    </message>
    <message>
        <source>second-layer command</source>
        <translation>commande du second niveau</translation>
    </message>
    <message>
        <source>second-layer line settings</source>
        <translation>réglages de ligne du second niveau</translation>
    </message>
    <message>
        <source>second-layer delay</source>
        <translation>délai du second niveau</translation>
    </message>
    <message>
        <source>the file ends after %1 bytes, before the %2 of %3</source>
        <translation>le fichier s&apos;arrête après %1 octets, avant le champ « %2 » de %3</translation>
    </message>
    <message>
        <source>%2 lacks its %1</source>
        <translation>il manque le champ « %1 » à %2</translation>
    </message>
    <message>
        <source>it does not begin as a configuration file does</source>
        <translation>il ne commence pas comme un fichier de configuration</translation>
    </message>
    <message>
        <source>its header announces %1 keys, fewer than the 1 to %2 a configuration holds</source>
        <translation>son en-tête annonce %1 touches, moins que les 1 à %2 que contient une configuration</translation>
    </message>
    <message>
        <source>its header announces %1 keys, more than the %2 a configuration holds</source>
        <translation>son en-tête annonce %1 touches, plus que les %2 que contient une configuration</translation>
    </message>
    <message>
        <source>its header announces %1 records a key, fewer than the 1 to %2 a configuration holds</source>
        <translation>son en-tête annonce %1 enregistrements par touche, moins que les 1 à %2 que contient une configuration</translation>
    </message>
    <message>
        <source>its header announces %1 records a key, more than the %2 a configuration holds</source>
        <translation>son en-tête annonce %1 enregistrements par touche, plus que les %2 que contient une configuration</translation>
    </message>
    <message>
        <source>the file ends after %1 bytes, inside a data record</source>
        <translation>le fichier s&apos;arrête après %1 octets, au milieu d&apos;un enregistrement de données</translation>
    </message>
    <message>
        <source>the data record at byte %1 gives an impossible size (%2 bytes)</source>
        <translation>l&apos;enregistrement de données à l&apos;octet %1 indique une taille impossible (%2 octets)</translation>
    </message>
    <message>
        <source>%2 repeats its %1 at byte %3</source>
        <translation>%2 répète son champ « %1 » à l&apos;octet %3</translation>
    </message>
    <message>
        <source>the %1 of %2 at byte %3 has the wrong size (%4 bytes)</source>
        <translation>le champ « %1 » de %2 à l&apos;octet %3 n&apos;a pas la bonne taille (%4 octets)</translation>
    </message>
</context>
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
    <name>BoundedRead</name>
    <message>
        <source>the input is not open for reading</source>
        <translation>l&apos;entrée n&apos;est pas ouverte en lecture</translation>
    </message>
    <message>
        <source>the input is larger than %1 bytes</source>
        <translation>l&apos;entrée dépasse %1 octets</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
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
    <name>CommandLibrary</name>
    <message>
        <source>missing (expected text)</source>
        <translation>manquant (texte attendu)</translation>
    </message>
    <message>
        <source>expected text</source>
        <translation>texte attendu</translation>
    </message>
    <message>
        <source>expected a whole number</source>
        <translation>nombre entier attendu</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>objet attendu</translation>
    </message>
    <message>
        <source>expected byte, decimal or hexdigits, not &quot;%1&quot;</source>
        <translation>byte, decimal ou hexdigits attendu, pas « %1 »</translation>
    </message>
    <message>
        <source>missing (a decimal without a width needs one)</source>
        <translation>manquant (un decimal sans width en a besoin)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a rule (known: %2)</source>
        <translation>« %1 » n&apos;est pas une règle (connues : %2)</translation>
    </message>
    <message>
        <source>expected big or little, not &quot;%1&quot;</source>
        <translation>big ou little attendu, pas « %1 »</translation>
    </message>
    <message>
        <source>expected binary or ascii, not &quot;%1&quot;</source>
        <translation>binary ou ascii attendu, pas « %1 »</translation>
    </message>
    <message>
        <source>give reply or reply_text, not both</source>
        <translation>donnez reply ou reply_text, pas les deux</translation>
    </message>
    <message>
        <source>expected a list of at most %1 parameters</source>
        <translation>liste d&apos;au plus %1 paramètres attendue</translation>
    </message>
    <message>
        <source>must not be empty</source>
        <translation>ne doit pas être vide</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>plus long que %1 caractères</translation>
    </message>
    <message>
        <source>has control characters</source>
        <translation>contient des caractères de contrôle</translation>
    </message>
    <message>
        <source>use letters, digits and _ only</source>
        <translation>n&apos;utilisez que des lettres, des chiffres et _</translation>
    </message>
    <message>
        <source>a byte takes no width</source>
        <translation>un byte ne prend pas de width</translation>
    </message>
    <message>
        <source>expected %1 to %2</source>
        <translation>%1 à %2 attendu</translation>
    </message>
    <message>
        <source>expected 0 to %1</source>
        <translation>0 à %1 attendu</translation>
    </message>
    <message>
        <source>%1 takes more than %2 digits</source>
        <translation>%1 demande plus de %2 chiffres</translation>
    </message>
    <message>
        <source>give hex or text, not both</source>
        <translation>donnez hex ou text, pas les deux</translation>
    </message>
    <message>
        <source>missing (an entry needs hex or text)</source>
        <translation>manquant (une entrée a besoin de hex ou de text)</translation>
    </message>
    <message>
        <source>{%1} at position %2 names no parameter</source>
        <translation>{%1} à la position %2 ne nomme aucun paramètre</translation>
    </message>
    <message>
        <source>{%1} is not used in %2</source>
        <translation>{%1} n&apos;est pas utilisé dans %2</translation>
    </message>
    <message>
        <source>more than %1 parameters</source>
        <translation>plus de %1 paramètres</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is also the name of params[%2]</source>
        <translation>« %1 » est aussi le nom de params[%2]</translation>
    </message>
    <message>
        <source>skip and trail cannot be negative</source>
        <translation>skip et trail ne peuvent pas être négatifs</translation>
    </message>
    <message>
        <source>gives no bytes</source>
        <translation>ne donne aucun octet</translation>
    </message>
    <message>
        <source>more than %1 entries</source>
        <translation>plus de %1 entrées</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is also the name of entries[%2]</source>
        <translation>« %1 » est aussi le nom de entries[%2]</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot; (this is not a command library)</source>
        <translation>&quot;%1&quot; attendu (ce n&apos;est pas une bibliothèque de commandes)</translation>
    </message>
    <message>
        <source>the file is from a newer version of the program (library version %1; this one reads version %2)</source>
        <translation>le fichier vient d&apos;une version plus récente du programme (version de bibliothèque %1 ; celle-ci lit la version %2)</translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>%1 attendu</translation>
    </message>
    <message>
        <source>expected a list of entries</source>
        <translation>liste d&apos;entrées attendue</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>plus de %1 octets</translation>
    </message>
    <message>
        <source>expected a JSON object with &quot;format&quot;, &quot;version&quot; and &quot;entries&quot;</source>
        <translation>objet JSON avec &quot;format&quot;, &quot;version&quot; et &quot;entries&quot; attendu</translation>
    </message>
    <message>
        <source>cannot read the command library: %1</source>
        <translation>impossible de lire la bibliothèque de commandes : %1</translation>
    </message>
    <message>
        <source>the command library %1: %2</source>
        <translation>la bibliothèque de commandes %1 : %2</translation>
    </message>
    <message>
        <source>the command library was not saved: %1</source>
        <translation>la bibliothèque de commandes n&apos;a pas été enregistrée : %1</translation>
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
    <name>CommandTrial</name>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>no reply within %1 ms</source>
        <translation>aucune réponse en %1 ms</translation>
    </message>
    <message>
        <source>1 byte after %1 ms</source>
        <translation>1 octet après %1 ms</translation>
    </message>
    <message>
        <source>%1 bytes, the first after %2 ms, the last after %3 ms</source>
        <translation>%1 octets, le premier après %2 ms, le dernier après %3 ms</translation>
    </message>
    <message>
        <source> (then nothing for %1 ms)</source>
        <translation> (puis plus rien pendant %1 ms)</translation>
    </message>
    <message>
        <source> (as many as asked for)</source>
        <translation> (autant que demandé)</translation>
    </message>
    <message>
        <source> (up to the end byte)</source>
        <translation> (jusqu&apos;à l&apos;octet de fin)</translation>
    </message>
    <message>
        <source> (cut: at most %1 bytes are kept)</source>
        <translation> (coupé : %1 octets au plus sont gardés)</translation>
    </message>
    <message>
        <source>Choose the port the equipment is connected to.</source>
        <translation>Choisissez le port auquel l&apos;équipement est branché.</translation>
    </message>
    <message>
        <source>%1 is the port the device is connected on: a trial there would talk to the device, not to the equipment. Choose the port the equipment is connected to, or disconnect the device first.</source>
        <translation>%1 est le port sur lequel l&apos;appareil est connecté : un essai là parlerait à l&apos;appareil, pas à l&apos;équipement. Choisissez le port auquel l&apos;équipement est branché, ou déconnectez d&apos;abord l&apos;appareil.</translation>
    </message>
    <message>
        <source>There is nothing to send: the command is empty.</source>
        <translation>Il n&apos;y a rien à envoyer : la commande est vide.</translation>
    </message>
    <message>
        <source>At most %1 bytes are sent in one trial.</source>
        <translation>Un essai envoie au plus %1 octets.</translation>
    </message>
    <message>
        <source>The wait for the reply is %1 to %2 ms.</source>
        <translation>L&apos;attente de la réponse va de %1 à %2 ms.</translation>
    </message>
    <message>
        <source>The count of reply bytes is 0 (any) to %1.</source>
        <translation>Le nombre d&apos;octets de réponse va de 0 (quelconque) à %1.</translation>
    </message>
    <message>
        <source>The end byte is one byte, 00 to FF.</source>
        <translation>L&apos;octet de fin est un seul octet, de 00 à FF.</translation>
    </message>
    <message>
        <source>The line settings of this command are out of range.</source>
        <translation>Les réglages de ligne de cette commande sont hors limites.</translation>
    </message>
    <message>
        <source>The port %1 does not take the line settings %2 (%3).</source>
        <translation>Le port %1 n&apos;accepte pas les réglages de ligne %2 (%3).</translation>
    </message>
    <message>
        <source>The port %1 could not be opened (%2).</source>
        <translation>Le port %1 n&apos;a pas pu être ouvert (%2).</translation>
    </message>
    <message>
        <source>The equipment on %1 was disconnected or stopped answering.</source>
        <translation>L&apos;équipement sur %1 a été déconnecté ou ne répond plus.</translation>
    </message>
    <message>
        <source>The equipment on %1 was disconnected or stopped answering (%2).</source>
        <translation>L&apos;équipement sur %1 a été déconnecté ou ne répond plus (%2).</translation>
    </message>
    <message>
        <source>The command did not leave the port %1 (%2 of %3 bytes sent).</source>
        <translation>La commande n&apos;est pas sortie du port %1 (%2 octets sur %3 envoyés).</translation>
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
    <name>ConfigComparison</name>
    <message>
        <source>stored value %1</source>
        <translation>valeur enregistrée %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>(end)</source>
        <translation>(fin)</translation>
    </message>
    <message>
        <source>%1 at offset %2:</source>
        <translation>%1 à la position %2 :</translation>
    </message>
    <message>
        <source>record</source>
        <translation>enregistrement</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>switch</source>
        <translation>interrupteur</translation>
    </message>
    <message>
        <source>command</source>
        <translation>commande</translation>
    </message>
    <message>
        <source>baud rate</source>
        <translation>débit</translation>
    </message>
    <message>
        <source>parity</source>
        <translation>parité</translation>
    </message>
    <message>
        <source>data bits</source>
        <translation>bits de données</translation>
    </message>
    <message>
        <source>stop bits</source>
        <translation>bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>delay</source>
        <translation>délai</translation>
    </message>
    <message>
        <source>present</source>
        <translation>présent</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>absent</translation>
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
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>impaire</translation>
    </message>
    <message>
        <source>even</source>
        <translation>paire</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espace</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>marque</translation>
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
    <name>ConfigJson</name>
    <message>
        <source>expected an integer 0 to %1 (or {&quot;raw&quot;: n} for a value the editor does not offer)</source>
        <translation>entier de 0 à %1 attendu (ou {&quot;raw&quot;: n} pour une valeur que l&apos;éditeur ne propose pas)</translation>
    </message>
    <message>
        <source>expected one of %1 (or {&quot;raw&quot;: n} for a value the editor does not offer)</source>
        <translation>l&apos;une des valeurs %1 attendue (ou {&quot;raw&quot;: n} pour une valeur que l&apos;éditeur ne propose pas)</translation>
    </message>
    <message>
        <source>unknown field (known here: %1)</source>
        <translation>champ inconnu (connus ici : %1)</translation>
    </message>
    <message>
        <source>expected {&quot;raw&quot;: n}</source>
        <translation>{&quot;raw&quot;: n} attendu</translation>
    </message>
    <message>
        <source>expected a 32-bit integer</source>
        <translation>entier de 32 bits attendu</translation>
    </message>
    <message>
        <source>expected a string</source>
        <translation>chaîne attendue</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>plus long que %1 caractères</translation>
    </message>
    <message>
        <source>contains a zero character, which the file cannot hold</source>
        <translation>contient un caractère nul, que le fichier ne peut pas contenir</translation>
    </message>
    <message>
        <source>character %1 (U+%2) cannot be stored; the file holds Latin-1 characters only</source>
        <translation>le caractère %1 (U+%2) ne peut pas être enregistré ; le fichier ne contient que des caractères Latin-1</translation>
    </message>
    <message>
        <source>expected {&quot;raw&quot;: text}</source>
        <translation>{&quot;raw&quot;: text} attendu</translation>
    </message>
    <message>
        <source>expected a string of hex digits such as &quot;0D0A&quot;</source>
        <translation>chaîne de chiffres hexadécimaux attendue, par exemple &quot;0D0A&quot;</translation>
    </message>
    <message>
        <source>the blank at position %1 splits a byte; every byte takes two digits</source>
        <translation>l&apos;espace à la position %1 coupe un octet ; chaque octet prend deux chiffres</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at position %2 is not a hex digit (write the bytes as hex digit pairs, such as &quot;0D0A&quot; or &quot;0D 0A&quot;)</source>
        <translation>« %1 » à la position %2 n&apos;est pas un chiffre hexadécimal (écrivez les octets en paires de chiffres hexadécimaux, par exemple &quot;0D0A&quot; ou &quot;0D 0A&quot;)</translation>
    </message>
    <message>
        <source>longer than %1 hex digits</source>
        <translation>plus long que %1 chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>odd number of hex digits; every byte takes two</source>
        <translation>nombre impair de chiffres hexadécimaux ; chaque octet en prend deux</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>objet attendu</translation>
    </message>
    <message>
        <source>expected true or false</source>
        <translation>true ou false attendu</translation>
    </message>
    <message>
        <source>missing; say which %1 this is (%2 to %3)</source>
        <translation>manquant ; indiquez de quel %1 il s&apos;agit (%2 à %3)</translation>
    </message>
    <message>
        <source>expected an integer %1 to %2</source>
        <translation>entier de %1 à %2 attendu</translation>
    </message>
    <message>
        <source>%1 %2 appears more than once</source>
        <translation>%1 %2 apparaît plus d&apos;une fois</translation>
    </message>
    <message>
        <source>expected an array</source>
        <translation>tableau attendu</translation>
    </message>
    <message>
        <source>a key has %1 links, this list has %2</source>
        <translation>une touche a %1 liaisons, cette liste en a %2</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot;</source>
        <translation>&quot;%1&quot; attendu</translation>
    </message>
    <message>
        <source>missing; expected %1 (or %2 for the older form)</source>
        <translation>manquant ; %1 attendu (ou %2 pour l&apos;ancienne forme)</translation>
    </message>
    <message>
        <source>expected %1 to %2; this program reads versions %1 to %2</source>
        <translation>%1 à %2 attendu ; ce programme lit les versions %1 à %2</translation>
    </message>
    <message>
        <source>missing; for a new configuration write &quot;keys&quot;: []</source>
        <translation>manquant ; pour une nouvelle configuration, écrivez &quot;keys&quot;: []</translation>
    </message>
    <message>
        <source>the device has %1 keys, this list has %2</source>
        <translation>l&apos;appareil a %1 touches, cette liste en a %2</translation>
    </message>
    <message>
        <source>not valid JSON at line %1, column %2: %3</source>
        <translation>JSON non valide à la ligne %1, colonne %2 : %3</translation>
    </message>
    <message>
        <source>%1: appears more than once; give each field once</source>
        <translation>%1 : apparaît plus d&apos;une fois ; donnez chaque champ une seule fois</translation>
    </message>
    <message>
        <source>expected a JSON object with &quot;format&quot;: &quot;%1&quot;</source>
        <translation>objet JSON avec &quot;format&quot;: &quot;%1&quot; attendu</translation>
    </message>
</context>
<context>
    <name>DeviceBackup</name>
    <message>
        <source>cannot write in the backup folder %1 (%2)</source>
        <translation>impossible d&apos;écrire dans le dossier de sauvegarde %1 (%2)</translation>
    </message>
    <message>
        <source>the backup folder %1 already holds %2 backups of %3 from this second</source>
        <translation>le dossier de sauvegarde %1 contient déjà %2 sauvegardes de %3 faites dans cette seconde</translation>
    </message>
    <message>
        <source>cannot write the backup %1 (%2)</source>
        <translation>impossible d&apos;écrire la sauvegarde %1 (%2)</translation>
    </message>
    <message>
        <source>the backup %1 did not read back as it was written</source>
        <translation>la sauvegarde %1 ne se relit pas telle qu&apos;elle a été écrite</translation>
    </message>
    <message>
        <source>the backup folder %1 is not a folder that can be made</source>
        <translation>le dossier de sauvegarde %1 n&apos;est pas un dossier qui peut être créé</translation>
    </message>
    <message>
        <source>the device&apos;s program could not be loaded: %1</source>
        <translation>le programme de l&apos;appareil n&apos;a pas pu être chargé : %1</translation>
    </message>
    <message>
        <source>the device&apos;s program came incomplete: %1 did not arrive</source>
        <translation>le programme de l&apos;appareil est arrivé incomplet (manquant : %1)</translation>
    </message>
    <message>
        <source>backed up to %1</source>
        <translation>sauvegardé dans %1</translation>
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
    <name>DeviceProbe</name>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>device</source>
        <translation>appareil</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>aucune réponse</translation>
    </message>
    <message>
        <source>something else answered</source>
        <translation>autre chose a répondu</translation>
    </message>
    <message>
        <source>cannot open the port</source>
        <translation>impossible d&apos;ouvrir le port</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>Something other than the device answered on %1 (%2 of %3 answers were not the device&apos;s).</source>
        <translation>Autre chose que l&apos;appareil a répondu sur %1 (%2 réponses sur %3 ne venaient pas de l&apos;appareil).</translation>
    </message>
    <message>
        <source>Nothing answered the handshake on %1 (1 attempt).</source>
        <translation>Rien n&apos;a répondu à la prise de contact sur %1 (1 tentative).</translation>
    </message>
    <message>
        <source>Nothing answered the handshake on %1 (%2 attempts).</source>
        <translation>Rien n&apos;a répondu à la prise de contact sur %1 (%2 tentatives).</translation>
    </message>
</context>
<context>
    <name>DeviceRecordLayout</name>
    <message>
        <source>Key %1</source>
        <translation>Touche %1</translation>
    </message>
    <message>
        <source>Key %1, second layer</source>
        <translation>Touche %1, second niveau</translation>
    </message>
    <message>
        <source>Key %1, link %2</source>
        <translation>Touche %1, lien %2</translation>
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
    <name>JsonFields</name>
    <message>
        <source>unknown field (known here: %1)</source>
        <translation>champ inconnu (connus ici : %1)</translation>
    </message>
    <message>
        <source>not valid JSON at byte %1: %2</source>
        <translation>JSON non valide à l&apos;octet %1 : %2</translation>
    </message>
    <message>
        <source>appears more than once; give each field once</source>
        <translation>apparaît plus d&apos;une fois ; donnez chaque champ une seule fois</translation>
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
    <name>KeyPlay</name>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>There is nothing to play: no record of the key is ticked and has a command.</source>
        <translation>Il n&apos;y a rien à jouer : aucun enregistrement de la touche n&apos;est coché avec une commande.</translation>
    </message>
    <message>
        <source>At most %1 records are played at once.</source>
        <translation>Au plus %1 enregistrements sont joués à la fois.</translation>
    </message>
    <message>
        <source>The delay is 0 to %1 s.</source>
        <translation>Le délai va de 0 à %1 s.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>1 record sent</source>
        <translation>1 enregistrement envoyé</translation>
    </message>
    <message>
        <source>%1 records sent</source>
        <translation>%1 enregistrements envoyés</translation>
    </message>
    <message>
        <source>%1, no reply within %2 ms of the last</source>
        <translation>%1, aucune réponse dans les %2 ms après le dernier</translation>
    </message>
    <message>
        <source>%1, replies to %2</source>
        <translation>%1, réponses à %2</translation>
    </message>
    <message>
        <source>; </source>
        <translation> ; </translation>
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
    <name>LibraryCommand</name>
    <message>
        <source>%1: %2 takes more than %3 digits</source>
        <translation>%1 : %2 demande plus de %3 chiffres</translation>
    </message>
    <message>
        <source>checksum: skip %1 and trail %2 leave none of the %3 bytes to cover</source>
        <translation>somme de contrôle : skip %1 et trail %2 ne laissent aucun des %3 octets à couvrir</translation>
    </message>
    <message>
        <source>more than %1 bytes</source>
        <translation>plus de %1 octets</translation>
    </message>
    <message>
        <source>&quot;}&quot; closes no place at position %1</source>
        <translation>« } » ne ferme aucun emplacement à la position %1</translation>
    </message>
    <message>
        <source>&quot;{&quot; opens no place (write {name}) at position %1</source>
        <translation>« { » n&apos;ouvre aucun emplacement à la position %1 (écrivez {name})</translation>
    </message>
    <message>
        <source>%1: the entry has no such parameter</source>
        <translation>%1 : l&apos;entrée n&apos;a pas ce paramètre</translation>
    </message>
    <message>
        <source>{%1}: the entry has no such parameter</source>
        <translation>{%1} : l&apos;entrée n&apos;a pas ce paramètre</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3 to %4</source>
        <translation>%1 : %2 est hors de l&apos;intervalle %3 à %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: write name=value</source>
        <translation>« %1 » : écrivez nom=valeur</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number (write it in decimal or as 0x1A)</source>
        <translation>%1 : « %2 » n&apos;est pas un nombre (écrivez-le en décimal ou sous la forme 0x1A)</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est donné deux fois</translation>
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
    <name>LibraryImport</name>
    <message>
        <source>expected a list of 1 to %1 bytes</source>
        <translation>liste de 1 à %1 octets attendue</translation>
    </message>
    <message>
        <source>expected a byte (0 to 255, or &quot;0x1A&quot;)</source>
        <translation>octet attendu (0 à 255, ou &quot;0x1A&quot;)</translation>
    </message>
    <message>
        <source>expected an object with &quot;baudrate&quot; and &quot;commands&quot;</source>
        <translation>objet avec &quot;baudrate&quot; et &quot;commands&quot; attendu</translation>
    </message>
    <message>
        <source>missing (expected the baud rate)</source>
        <translation>manquant (le débit est attendu)</translation>
    </message>
    <message>
        <source>expected a whole number</source>
        <translation>nombre entier attendu</translation>
    </message>
    <message>
        <source>expected an object of named byte lists</source>
        <translation>objet de listes d&apos;octets nommées attendu</translation>
    </message>
    <message>
        <source>expected a JSON object of models</source>
        <translation>objet JSON de modèles attendu</translation>
    </message>
    <message>
        <source>more than %1 commands</source>
        <translation>plus de %1 commandes</translation>
    </message>
    <message>
        <source>its entry would be named %1, as %2&apos;s is</source>
        <translation>son entrée s&apos;appellerait %1, comme celle de %2</translation>
    </message>
    <message>
        <source>cannot read the command table: %1</source>
        <translation>impossible de lire la table de commandes : %1</translation>
    </message>
    <message>
        <source>the command table %1: %2</source>
        <translation>la table de commandes %1 : %2</translation>
    </message>
</context>
<context>
    <name>LibraryShelf</name>
    <message>
        <source>Your library</source>
        <translation>Votre bibliothèque</translation>
    </message>
    <message>
        <source>Shipped library (read only)</source>
        <translation>Bibliothèque fournie (lecture seule)</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>elle n&apos;a pas pu être lue</translation>
    </message>
    <message>
        <source>&quot;%1&quot; added to your library</source>
        <translation>« %1 » ajouté à votre bibliothèque</translation>
    </message>
    <message>
        <source>The table could not be imported (%1).</source>
        <translation>La table n&apos;a pas pu être importée (%1).</translation>
    </message>
    <message>
        <source>Commands imported into your library: %1</source>
        <translation>Commandes importées dans votre bibliothèque : %1</translation>
    </message>
    <message>
        <source>Nothing was added: your library could not be read, and it is kept as it is until it is mended (%1).</source>
        <translation>Rien n&apos;a été ajouté : votre bibliothèque n&apos;a pas pu être lue, et elle reste telle quelle jusqu&apos;à ce qu&apos;elle soit réparée (%1).</translation>
    </message>
    <message>
        <source>Nothing was added: your library already has an entry named &quot;%1&quot;.</source>
        <translation>Rien n&apos;a été ajouté : votre bibliothèque a déjà une entrée nommée « %1 ».</translation>
    </message>
    <message>
        <source>Nothing was added: your library could not be saved (%1).</source>
        <translation>Rien n&apos;a été ajouté : votre bibliothèque n&apos;a pas pu être enregistrée (%1).</translation>
    </message>
    <message>
        <source>%1 is already in the list.</source>
        <translation>%1 est déjà dans la liste.</translation>
    </message>
    <message>
        <source>At most %1 libraries can be opened: remove one from the list first.</source>
        <translation>Au plus %1 bibliothèques peuvent être ouvertes : retirez-en d&apos;abord une de la liste.</translation>
    </message>
    <message>
        <source>The library could not be opened (%1).</source>
        <translation>La bibliothèque n&apos;a pas pu être ouverte (%1).</translation>
    </message>
    <message>
        <source>%1 opened</source>
        <translation>Ouvert : %1</translation>
    </message>
</context>
<context>
    <name>LineSettings</name>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>« %1 » : %2</translation>
    </message>
    <message>
        <source>line settings are written as BAUD,DATA-PARITY-STOP, such as 9600,8-N-1 (parity N, O, E, S or M)</source>
        <translation>les réglages de ligne s&apos;écrivent DÉBIT,DONNÉES-PARITÉ-ARRÊT, par exemple 9600,8-N-1 (parité N, O, E, S ou M)</translation>
    </message>
    <message>
        <source>the baud rate is one of 2400, 4800, 9600, 14400, 19200, 28800, 38400 and 115200</source>
        <translation>le débit est l&apos;un de 2400, 4800, 9600, 14400, 19200, 28800, 38400 et 115200</translation>
    </message>
    <message>
        <source>The device keeps a command&apos;s baud rate and parity, not its data bits and stop bits.</source>
        <translation>L&apos;appareil garde le débit et la parité d&apos;une commande, pas ses bits de données ni ses bits d&apos;arrêt.</translation>
    </message>
    <message>
        <source>The device keeps only the baud rate and parity of a command: it may not send this one with %1 data bits and %2 stop %3.</source>
        <translation>L&apos;appareil ne garde que le débit et la parité d&apos;une commande : il risque de ne pas envoyer celle-ci avec %1 bits de données et %2 %3 d&apos;arrêt.</translation>
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
        <translation>impossible d&apos;écrire la trace : %1</translation>
    </message>
    <message>
        <source>cannot write the trace %1: %2</source>
        <translation>impossible d&apos;écrire la trace %1 : %2</translation>
    </message>
    <message>
        <source>cannot write the trace %1: %2; it ends before the link did</source>
        <translation>impossible d&apos;écrire la trace %1 : %2 ; elle s&apos;arrête avant la liaison</translation>
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
    <name>ProgramClip</name>
    <message>
        <source>the command is not a string of hex digits</source>
        <translation>la commande n&apos;est pas une suite de chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>the command is %1 bytes long; a command holds %2 at most</source>
        <translation>la commande fait %1 octets ; une commande en contient %2 au plus</translation>
    </message>
    <message>
        <source>a line setting is out of range</source>
        <translation>un réglage de ligne est hors limites</translation>
    </message>
    <message>
        <source>the delay %1 is out of range (0 to %2)</source>
        <translation>le délai %1 est hors limites (0 à %2)</translation>
    </message>
    <message>
        <source>the text is larger than %1 bytes</source>
        <translation>le texte dépasse %1 octets</translation>
    </message>
    <message>
        <source>it holds no key</source>
        <translation>il ne contient aucune touche</translation>
    </message>
    <message>
        <source>there is nothing to paste</source>
        <translation>il n&apos;y a rien à coller</translation>
    </message>
    <message>
        <source>choose a key to paste onto</source>
        <translation>choisissez une touche sur laquelle coller</translation>
    </message>
    <message>
        <source>it holds a key&apos;s whole program, which goes onto a key, not a link</source>
        <translation>il contient le programme entier d&apos;une touche, qui va sur une touche, pas sur un lien</translation>
    </message>
    <message>
        <source>it holds one link, which goes onto a link: choose one on the Links tab</source>
        <translation>il contient un lien, qui va sur un lien : choisissez-en un dans l&apos;onglet « Liens »</translation>
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
    <name>ProgramTransfer</name>
    <message>
        <source>There is no program to load into.</source>
        <translation>Il n&apos;y a pas de programme dans lequel charger.</translation>
    </message>
    <message>
        <source>1 record</source>
        <translation>1 enregistrement</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 enregistrements</translation>
    </message>
    <message>
        <source>The connection to the device was lost. %1</source>
        <translation>La connexion avec l&apos;appareil a été perdue. %1</translation>
    </message>
    <message>
        <source>The serial port is not open.</source>
        <translation>Le port série n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>No connection to the device on %1. %2</source>
        <translation>Pas de connexion avec l&apos;appareil sur %1. %2</translation>
    </message>
    <message>
        <source>The device did not confirm the end of the session. %1</source>
        <translation>L&apos;appareil n&apos;a pas confirmé la fin de la session. %1</translation>
    </message>
    <message>
        <source>%1 stored</source>
        <translation>Écrits dans l&apos;appareil : %1</translation>
    </message>
    <message>
        <source>There is no program to store.</source>
        <translation>Il n&apos;y a pas de programme à écrire dans l&apos;appareil.</translation>
    </message>
    <message>
        <source>Nothing was sent. These commands are longer than %1 bytes and do not fit the device: %2.</source>
        <translation>Rien n&apos;a été envoyé. Ces commandes dépassent %1 octets et ne tiennent pas dans l&apos;appareil : %2.</translation>
    </message>
    <message>
        <source>The connection to the device was lost at %1 (%2 stored). %3</source>
        <translation>La connexion avec l&apos;appareil a été perdue à %1 (déjà écrits : %2). %3</translation>
    </message>
    <message>
        <source>The store was cancelled at %1 (%2 confirmed by the device; %1 was sent without its confirmation).</source>
        <translation>L&apos;écriture a été annulée à %1 (confirmés par l&apos;appareil : %2 ; %1 a été envoyé sans sa confirmation).</translation>
    </message>
    <message>
        <source>The store was cancelled at %1 (%2 stored).</source>
        <translation>L&apos;écriture a été annulée à %1 (déjà écrits : %2).</translation>
    </message>
    <message>
        <source>%1 was not confirmed by the device after %2 attempts; the store stopped there (%3 stored). %4</source>
        <translation>%1 n&apos;a pas été confirmé par l&apos;appareil après %2 tentatives ; l&apos;écriture s&apos;est arrêtée là (déjà écrits : %3). %4</translation>
    </message>
    <message>
        <source>The device now holds a partial program and should be stored again.</source>
        <translation>L&apos;appareil ne contient plus qu&apos;une partie du programme ; écrivez à nouveau le programme.</translation>
    </message>
    <message>
        <source>%1 loaded</source>
        <translation>Chargés : %1</translation>
    </message>
    <message>
        <source>The device did not answer the load request. %1</source>
        <translation>L&apos;appareil n&apos;a pas répondu à la demande de chargement. %1</translation>
    </message>
    <message>
        <source>The device answered the load request but sent no records.</source>
        <translation>L&apos;appareil a répondu à la demande de chargement mais n&apos;a envoyé aucun enregistrement.</translation>
    </message>
    <message>
        <source>The device sent %1 of %2 records; these did not arrive: %3.</source>
        <translation>L&apos;appareil a envoyé %1 enregistrements sur %2 ; ceux-ci ne sont pas arrivés : %3.</translation>
    </message>
    <message>
        <source>%1 compared</source>
        <translation>Comparés : %1</translation>
    </message>
    <message>
        <source>%1: %2 %3 on the device, %4 here</source>
        <translation>%1 : %2 %3 sur l&apos;appareil, %4 ici</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... et %n autre.</numerusform>
            <numerusform>... et %n autres.</numerusform>
        </translation>
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
    <name>RecordCommandWrite</name>
    <message>
        <source>the command is %1 bytes long, and a record holds at most %2</source>
        <translation>la commande fait %1 octets, et un enregistrement en contient %2 au plus</translation>
    </message>
    <message>
        <source>Key %1&apos;s second layer is switched off: the device does not send it until it is switched on.</source>
        <translation>Le second niveau de la touche %1 est désactivé : l&apos;appareil ne l&apos;envoie pas tant qu&apos;il n&apos;est pas activé.</translation>
    </message>
</context>
<context>
    <name>ReplyPattern</name>
    <message>
        <source>matched</source>
        <translation>correspond</translation>
    </message>
    <message>
        <source>any byte</source>
        <translation>un octet quelconque</translation>
    </message>
    <message>
        <source>differs at byte %1: %2 expected, the reply ended after %3 byte</source>
        <translation>diffère à l&apos;octet %1 : %2 attendu, la réponse s&apos;est arrêtée après %3 octet</translation>
    </message>
    <message>
        <source>differs at byte %1: %2 expected, the reply ended after %3 bytes</source>
        <translation>diffère à l&apos;octet %1 : %2 attendu, la réponse s&apos;est arrêtée après %3 octets</translation>
    </message>
    <message>
        <source>differs at byte %1: %2 expected, %3 came</source>
        <translation>diffère à l&apos;octet %1 : %2 attendu, %3 reçu</translation>
    </message>
</context>
<context>
    <name>SafeSave</name>
    <message>
        <source>%1 is not a regular file; it was left as it is.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire ; il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>le fichier n&apos;est pas ouvert</translation>
    </message>
    <message>
        <source>the content could not be written</source>
        <translation>le contenu n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>%1. The folder takes no new file, so the file itself was to be written, which is not atomic; %2</source>
        <translation>%1. Le dossier n&apos;accepte pas de nouveau fichier, donc le fichier lui-même devait être réécrit, ce qui n&apos;est pas atomique ; %2</translation>
    </message>
    <message>
        <source>the file is too large to be written in place</source>
        <translation>le fichier est trop grand pour être réécrit sur place</translation>
    </message>
    <message>
        <source>the old content could not be kept (%1)</source>
        <translation>l&apos;ancien contenu n&apos;a pas pu être conservé (%1)</translation>
    </message>
    <message>
        <source>the file was left as it was.</source>
        <translation>le fichier a été laissé tel quel.</translation>
    </message>
    <message>
        <source>there is no room for the new content (%1)</source>
        <translation>il n&apos;y a pas de place pour le nouveau contenu (%1)</translation>
    </message>
    <message>
        <source>the previous content is unchanged.</source>
        <translation>le contenu précédent est inchangé.</translation>
    </message>
    <message>
        <source>the new content could not be written (%1)</source>
        <translation>le nouveau contenu n&apos;a pas pu être écrit (%1)</translation>
    </message>
    <message>
        <source>the previous content was put back.</source>
        <translation>le contenu précédent a été remis en place.</translation>
    </message>
    <message>
        <source>the previous content could not be put back (%1).</source>
        <translation>le contenu précédent n&apos;a pas pu être remis en place (%1).</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (processus %2)</translation>
    </message>
    <message>
        <source>%1 (process %2 of the user %3)</source>
        <translation>%1 (processus %2 de l&apos;utilisateur %3)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The port %1 is in use by another program: wait until it has finished, or close it first.</source>
        <translation>Le port %1 est utilisé par un autre programme : attendez qu&apos;il ait fini, ou fermez-le d&apos;abord.</translation>
    </message>
    <message>
        <source>The port %1 is in use by %2: wait until it has finished, or close it first.</source>
        <translation>Le port %1 est utilisé par %2 : attendez qu&apos;il ait fini, ou fermez-le d&apos;abord.</translation>
    </message>
    <message>
        <source>The device on %1 was disconnected or stopped answering.</source>
        <translation>L&apos;appareil sur %1 a été déconnecté ou ne répond plus.</translation>
    </message>
    <message>
        <source>The device on %1 was disconnected or stopped answering (%2).</source>
        <translation>L&apos;appareil sur %1 a été déconnecté ou ne répond plus (%2).</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a regular file</source>
        <translation>un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 is not a serial port.</source>
        <translation>%1 n&apos;est pas un port série.</translation>
    </message>
    <message>
        <source>%1 is not a serial port (it is %2).</source>
        <translation>%1 n&apos;est pas un port série (c&apos;est %2).</translation>
    </message>
    <message>
        <source>The port %1 is in use or you have no permission to open it (%2).</source>
        <translation>Le port %1 est utilisé, ou vous n&apos;avez pas le droit de l&apos;ouvrir (%2).</translation>
    </message>
    <message>
        <source>You may open %1, so another program is probably using it: close that program first.</source>
        <translation>Vous avez le droit d&apos;ouvrir %1, donc un autre programme l&apos;utilise probablement : fermez d&apos;abord ce programme.</translation>
    </message>
    <message>
        <source>An administrator can grant access, for example with a udev rule that gives the group &quot;dialout&quot; read and write access to it (your user then has to be a member of that group).</source>
        <translation>Un administrateur peut accorder l&apos;accès, par exemple avec une règle udev qui donne au groupe « dialout » l&apos;accès en lecture et en écriture (votre utilisateur doit alors être membre de ce groupe).</translation>
    </message>
    <message>
        <source>Only the owner of %1 may open it.</source>
        <translation>Seul le propriétaire de %1 peut l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>Only the administrators may open %1.</source>
        <translation>Seuls les administrateurs peuvent ouvrir %1.</translation>
    </message>
    <message>
        <source>Ask your administrator for read and write access to %1.</source>
        <translation>Demandez à votre administrateur l&apos;accès en lecture et en écriture à %1.</translation>
    </message>
    <message>
        <source>On Linux, %1 may be used by the members of the group &quot;%2&quot; that owns it. Add your user to that group (sudo usermod -aG %2 $USER), then log out and log in again.</source>
        <translation>Sous Linux, %1 peut être utilisé par les membres du groupe « %2 » auquel il appartient. Ajoutez votre utilisateur à ce groupe (sudo usermod -aG %2 $USER), puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>The serial port is not open.</source>
        <translation>Le port série n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>The frame could not be sent (1 attempt).</source>
        <translation>La trame n&apos;a pas pu être envoyée (1 tentative).</translation>
    </message>
    <message>
        <source>The frame could not be sent (%1 attempts).</source>
        <translation>La trame n&apos;a pas pu être envoyée (%1 tentatives).</translation>
    </message>
    <message>
        <source>The device&apos;s answer did not match what was sent (1 attempt).</source>
        <translation>La réponse de l&apos;appareil ne correspondait pas à ce qui a été envoyé (1 tentative).</translation>
    </message>
    <message>
        <source>The device&apos;s answer did not match what was sent (%1 of %2 attempts).</source>
        <translation>La réponse de l&apos;appareil ne correspondait pas à ce qui a été envoyé (%1 tentatives sur %2).</translation>
    </message>
    <message>
        <source>The device did not answer (1 attempt).</source>
        <translation>L&apos;appareil n&apos;a pas répondu (1 tentative).</translation>
    </message>
    <message>
        <source>The device did not answer (%1 attempts).</source>
        <translation>L&apos;appareil n&apos;a pas répondu (%1 tentatives).</translation>
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
    <name>TypedBytes</name>
    <message>
        <source>%1 at position %2</source>
        <translation>%1 à la position %2</translation>
    </message>
    <message>
        <source>more than %1 bytes</source>
        <translation>plus de %1 octets</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a hex digit</source>
        <translation>« %1 » n&apos;est pas un chiffre hexadécimal</translation>
    </message>
    <message>
        <source>a byte needs two hex digits</source>
        <translation>un octet demande deux chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a single byte</source>
        <translation>« %1 » n&apos;est pas un octet unique</translation>
    </message>
    <message>
        <source>\x needs two hex digits</source>
        <translation>\x demande deux chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>unknown escape (use \r, \n, \t, \\ or \xNN)</source>
        <translation>séquence d&apos;échappement inconnue (utilisez \r, \n, \t, \\ ou \xNN)</translation>
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
