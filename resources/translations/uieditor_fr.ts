<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
    <context>
        <name>AddPageTypeDlg</name>
        <message>
            <source>Add Page Layout</source>
            <translation>Ajouter une mise en page</translation>
        </message>
        <message>
            <source>&amp;All Pages</source>
            <translation>&amp;Toutes les pages</translation>
        </message>
        <message>
            <source>&amp;One time only</source>
            <translation>&amp;Une seule fois</translation>
        </message>
        <message>
            <source>&amp;Multiple times</source>
            <translation>&amp;Plusieurs fois</translation>
        </message>
        <message>
            <source>Ma&amp;ximum repeats:</source>
            <translation>Nombre ma&amp;ximal de répétitions :</translation>
        </message>
        <message>
            <source>&amp;Conditional</source>
            <translation>&amp;Conditionnelle</translation>
        </message>
        <message>
            <source>Condition for type:</source>
            <translation>Condition pour le type :</translation>
        </message>
    </context>
    <context>
        <name>BackgroundLoad</name>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
    </context>
    <context>
        <name>BackgroundPage</name>
        <message>
            <source>Background Properties</source>
            <translation>Propriétés de l'arrière-plan</translation>
        </message>
        <message>
            <source>Background &amp;Color:</source>
            <translation>&amp;Couleur d'arrière-plan :</translation>
        </message>
        <message>
            <source>Background &amp;Image:</source>
            <translation>&amp;Image d'arrière-plan :</translation>
        </message>
        <message>
            <source>&amp;Browse</source>
            <translation>&amp;Parcourir</translation>
        </message>
        <message>
            <source>Image &amp;Repeat Mode:</source>
            <translation>Mode de &amp;répétition :</translation>
        </message>
        <message>
            <source>Image Offset &amp;X:</source>
            <translation>Décalage de l'image &amp;X :</translation>
        </message>
        <message>
            <source>Image Offset &amp;Y:</source>
            <translation>Décalage de l'image &amp;Y :</translation>
        </message>
        <message>
            <source>Box Shadow Properties</source>
            <translation>Propriétés de l'ombre portée</translation>
        </message>
        <message>
            <source>&amp;Shadow Color:</source>
            <translation>Couleur de l'&amp;ombre :</translation>
        </message>
        <message>
            <source>Offset on &amp;X axis:</source>
            <translation>&amp;Décalage sur l'axe X :</translation>
        </message>
        <message>
            <source>Offset on &amp;Y axis:</source>
            <translation>Décalage s&amp;ur l'axe Y :</translation>
        </message>
    </context>
    <context>
        <name>BarcodeRejection</name>
        <message>
            <source>digits only</source>
            <translation>chiffres uniquement</translation>
        </message>
        <message>
            <source>ASCII only</source>
            <translation>ASCII uniquement</translation>
        </message>
        <message>
            <source>Latin-1 only</source>
            <translation>Latin-1 uniquement</translation>
        </message>
        <message>
            <source>digits and %1 only</source>
            <translation>chiffres et %1 uniquement</translation>
        </message>
        <message>
            <source>The value is too long.</source>
            <translation>La valeur est trop longue.</translation>
        </message>
        <message>
            <source>The value is too long (at most %1 characters).</source>
            <translation>La valeur est trop longue (%1 caractères au plus).</translation>
        </message>
        <message>
            <source>The value holds a character this type cannot encode.</source>
            <translation>La valeur contient un caractère que ce type ne peut pas coder.</translation>
        </message>
        <message>
            <source>The value holds a character this type cannot encode (%1).</source>
            <translation>La valeur contient un caractère que ce type ne peut pas coder (%1).</translation>
        </message>
        <message>
            <source>The check digit is wrong.</source>
            <translation>Le chiffre de contrôle est faux.</translation>
        </message>
        <message>
            <source>The value is empty.</source>
            <translation>La valeur est vide.</translation>
        </message>
        <message>
            <source>The value has the wrong number of digits.</source>
            <translation>La valeur n'a pas le bon nombre de chiffres.</translation>
        </message>
        <message>
            <source>The value is not a sequence of hexadecimal byte pairs.</source>
            <translation>La valeur n'est pas une suite de paires d'octets hexadécimaux.</translation>
        </message>
    </context>
    <context>
        <name>BordersBackgroundDlg</name>
        <message>
            <source>Borders and Background</source>
            <translation>Bords et Arrière-plan</translation>
        </message>
        <message>
            <source>&amp;Apply to:</source>
            <translation>&amp;Appliquer à :</translation>
        </message>
        <message>
            <source>&amp;Preview:</source>
            <translation>Aperç&amp;u :</translation>
        </message>
    </context>
    <context>
        <name>BordersPage</name>
        <message>
            <source>Borders Properties</source>
            <translation>Propriétés des bordures</translation>
        </message>
        <message>
            <source>Style</source>
            <translation>Style de trait</translation>
        </message>
        <message>
            <source>Width</source>
            <translation>Largeur</translation>
        </message>
        <message>
            <source>Color</source>
            <translation>Couleur</translation>
        </message>
        <message>
            <source>Same for all</source>
            <translation>Identique partout</translation>
        </message>
        <message>
            <source>Top:</source>
            <translation>Haut :</translation>
        </message>
        <message>
            <source>Right:</source>
            <translation>Droite :</translation>
        </message>
        <message>
            <source>Bottom:</source>
            <translation>Bas :</translation>
        </message>
        <message>
            <source>Left:</source>
            <translation>Gauche :</translation>
        </message>
    </context>
    <context>
        <name>CFormatFieldCustomDlg</name>
        <message>
            <source>Create custom formatting:</source>
            <translation>Créer une mise en forme personnalisée :</translation>
        </message>
        <message>
            <source>Use #  to extract characters from the input string.
For example, to format a Social Security Number (SSN),
use ###-##-####. 123456789 will become 123-45-6789.</source>
            <translation>Utilisez # pour extraire des caractères de la chaîne d'entrée.
Par exemple, pour mettre en forme un numéro de sécurité sociale (SSN),
utilisez ###-##-####. 123456789 devient 123-45-6789.</translation>
        </message>
    </context>
    <context>
        <name>CFormatFieldDateDlg</name>
        <message>
            <source>Predefined</source>
            <translation>Prédéfini</translation>
        </message>
        <message>
            <source>Format</source>
            <translation>Format</translation>
        </message>
        <message>
            <source>Example</source>
            <translation>Exemple</translation>
        </message>
        <message>
            <source>Custom</source>
            <translation>Personnalisé</translation>
        </message>
    </context>
    <context>
        <name>CFormatFieldNoneDlg</name>
        <message>
            <source>No format. This will clear the format of the current field .</source>
            <translation>Aucun format. Le format du champ actuel sera supprimé.</translation>
        </message>
    </context>
    <context>
        <name>CFormatFieldNumberDlg</name>
        <message>
            <source>Predefined</source>
            <translation>Prédéfini</translation>
        </message>
        <message>
            <source>Format</source>
            <translation>Format</translation>
        </message>
        <message>
            <source>Example</source>
            <translation>Exemple</translation>
        </message>
        <message>
            <source>Custom</source>
            <translation>Personnalisé</translation>
        </message>
        <message>
            <source>Decimal places:</source>
            <translation>Décimales :</translation>
        </message>
        <message>
            <source>Leading zeros:</source>
            <translation>Zéros non significatifs :</translation>
        </message>
        <message>
            <source>Decimal separator:</source>
            <translation>Séparateur décimal :</translation>
        </message>
        <message>
            <source>Thousand separator:</source>
            <translation>Séparateur de milliers :</translation>
        </message>
        <message>
            <source>Minus sign:</source>
            <translation>Signe moins :</translation>
        </message>
        <message>
            <source>Currency symbol:</source>
            <translation>Symbole monétaire :</translation>
        </message>
        <message>
            <source>Currency Position:</source>
            <translation>Position de la devise :</translation>
        </message>
        <message>
            <source>Preview:</source>
            <translation>Aperçu :</translation>
        </message>
        <message>
            <source>Positive:</source>
            <translation>Positif :</translation>
        </message>
        <message>
            <source>Negative:</source>
            <translation>Négatif :</translation>
        </message>
    </context>
    <context>
        <name>CFormatFieldPhoneDlg</name>
        <message>
            <source>Predefined</source>
            <translation>Prédéfini</translation>
        </message>
        <message>
            <source>Format</source>
            <translation>Format</translation>
        </message>
        <message>
            <source>Example</source>
            <translation>Exemple</translation>
        </message>
        <message>
            <source>Custom</source>
            <translation>Personnalisé</translation>
        </message>
    </context>
    <context>
        <name>CellMarginsDlg</name>
        <message>
            <source>Cell Margins</source>
            <translation>Bordes des Cellules</translation>
        </message>
        <message>
            <source>Margins:</source>
            <translation>Marges :</translation>
        </message>
        <message>
            <source>&amp;Left Margin:</source>
            <translation>Marge &amp;gauche :</translation>
        </message>
        <message>
            <source>&amp;Right Margin:</source>
            <translation>Marge &amp;droite :</translation>
        </message>
        <message>
            <source>&amp;Top Margin:</source>
            <translation>Marge &amp;supérieure :</translation>
        </message>
        <message>
            <source>&amp;Bottom Margin:</source>
            <translation>Marge &amp;inférieure :</translation>
        </message>
        <message>
            <source>A cell margin cannot be negative.</source>
            <translation>Une marge de cellule ne peut pas être négative.</translation>
        </message>
    </context>
    <context>
        <name>ChooseDatasourceDlg</name>
        <message>
            <source>Set Data Source</source>
            <translation>Définir la source de données</translation>
        </message>
        <message>
            <source>Data Source Type</source>
            <translation>Type de source de données</translation>
        </message>
        <message>
            <source>XML File</source>
            <translation>Fichier XML</translation>
        </message>
        <message>
            <source>XSD and XML Files</source>
            <translation>Fichiers XSD et XML</translation>
        </message>
        <message>
            <source>Data Aggregation File</source>
            <translation>Fichier d'agrégation de données</translation>
        </message>
        <message>
            <source>Datasource</source>
            <translation>Source de données</translation>
        </message>
        <message>
            <source>&amp;File Path</source>
            <translation>&amp;Chemin du fichier</translation>
        </message>
        <message>
            <source>&amp;Xml Path</source>
            <translation>Chemin &amp;XML</translation>
        </message>
        <message>
            <source>&amp;Namespace Prefix</source>
            <translation>Préfixe d'espace de &amp;noms</translation>
        </message>
        <message>
            <source>Note: Varnel Linkforge must be installed in order to use a Data Aggregation (.lfa) file.</source>
            <translation>Remarque : Varnel Linkforge doit être installé pour utiliser un fichier d'agrégation de données (.lfa).</translation>
        </message>
        <message>
            <source>XML Files (*.xml)</source>
            <translation>Fichiers XML (*.xml)</translation>
        </message>
        <message>
            <source>Linkforge Files (*.lfa)</source>
            <translation>Fichiers Linkforge (*.lfa)</translation>
        </message>
        <message>
            <source>XML Schema Definition Files (*.xsd)</source>
            <translation>Fichiers de définition de schéma XML (*.xsd)</translation>
        </message>
    </context>
    <context>
        <name>ColorCtrl</name>
        <message>
            <source>Choose a colour</source>
            <translation>Choisir une couleur</translation>
        </message>
    </context>
    <context>
        <name>ConditionalFormattingDlg</name>
        <message>
            <source>Conditional Formatting</source>
            <translation>Formatage Conditionnel</translation>
        </message>
        <message>
            <source>Target Object:</source>
            <translation>Objet cible :</translation>
        </message>
        <message>
            <source>Conditions</source>
            <translation>Conditions</translation>
        </message>
        <message>
            <source>&amp;Add</source>
            <translation>&amp;Ajouter</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Modifier</translation>
        </message>
        <message>
            <source>&amp;Remove</source>
            <translation>&amp;Supprimer</translation>
        </message>
        <message>
            <source>(dynamic)</source>
            <translation>(dynamique)</translation>
        </message>
    </context>
    <context>
        <name>ControlsSheet</name>
        <message>
            <source>Common controls</source>
            <translation>Contrôles communs</translation>
        </message>
        <message>
            <source>Lengths</source>
            <translation>Longueurs</translation>
        </message>
        <message>
            <source>Points and pixels:</source>
            <translation>Points et pixels :</translation>
        </message>
        <message>
            <source>Decimals:</source>
            <translation>Décimales :</translation>
        </message>
        <message>
            <source>With percent:</source>
            <translation>Avec pourcentage :</translation>
        </message>
        <message>
            <source>All units, negatives allowed:</source>
            <translation>Toutes les unités, valeurs négatives admises :</translation>
        </message>
        <message>
            <source>Disabled:</source>
            <translation>Désactivé :</translation>
        </message>
        <message>
            <source>Host's length editor:</source>
            <translation>Éditeur de longueur de l'application :</translation>
        </message>
        <message>
            <source>Colours</source>
            <translation>Couleurs</translation>
        </message>
        <message>
            <source>No colour:</source>
            <translation>Aucune couleur :</translation>
        </message>
        <message>
            <source>Colour keyword:</source>
            <translation>Nom de couleur :</translation>
        </message>
        <message>
            <source>Chosen colour:</source>
            <translation>Couleur choisie :</translation>
        </message>
        <message>
            <source>Gradient:</source>
            <translation>Dégradé :</translation>
        </message>
        <message>
            <source>Fonts</source>
            <translation>Polices</translation>
        </message>
        <message>
            <source>Font family:</source>
            <translation>Famille de police :</translation>
        </message>
        <message>
            <source>Fixed pitch only:</source>
            <translation>Chasse fixe uniquement :</translation>
        </message>
        <message>
            <source>Font style:</source>
            <translation>Style de police :</translation>
        </message>
        <message>
            <source>Size:</source>
            <translation>Taille :</translation>
        </message>
        <message>
            <source>Buttons: normal, hot, disabled</source>
            <translation>Boutons : normal, actif, désactivé</translation>
        </message>
    </context>
    <context>
        <name>DesignerWindow</name>
        <message>
            <source>Templates (*.fo *.xml);;All files (*)</source>
            <translation>Modèles (*.fo *.xml);;Tous les fichiers (*)</translation>
        </message>
        <message>
            <source>Outline</source>
            <translation>Structure</translation>
        </message>
        <message>
            <source>Sample Data</source>
            <translation>Données d'exemple</translation>
        </message>
        <message>
            <source>Dialog Result</source>
            <translation>Résultat du dialogue</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Fichier</translation>
        </message>
        <message>
            <source>&amp;Open...</source>
            <translation>&amp;Ouvrir...</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>&amp;Enregistrer</translation>
        </message>
        <message>
            <source>Save &amp;As...</source>
            <translation>Enregistrer &amp;sous...</translation>
        </message>
        <message>
            <source>&amp;Quit</source>
            <translation>&amp;Quitter</translation>
        </message>
        <message>
            <source>F&amp;ormat</source>
            <translation>F&amp;ormat</translation>
        </message>
        <message>
            <source>&amp;Insert</source>
            <translation>&amp;Insertion</translation>
        </message>
        <message>
            <source>&amp;Data</source>
            <translation>Do&amp;nnées</translation>
        </message>
        <message>
            <source>&amp;Page</source>
            <translation>&amp;Page</translation>
        </message>
        <message>
            <source>Do&amp;cument</source>
            <translation>Do&amp;cument</translation>
        </message>
        <message>
            <source>Untitled</source>
            <translation>Sans titre</translation>
        </message>
        <message>
            <source>%1[*] - uieditor designer</source>
            <translation>%1[*] - Concepteur uieditor</translation>
        </message>
        <message>
            <source>Open Template</source>
            <translation>Ouvrir un modèle</translation>
        </message>
        <message>
            <source>Save Template As</source>
            <translation>Enregistrer le modèle sous</translation>
        </message>
        <message>
            <source>The template has changed. Save the changes?</source>
            <translation>Le modèle a été modifié. Enregistrer les modifications ?</translation>
        </message>
        <message>
            <source>Source</source>
            <translation>Source</translation>
        </message>
        <message>
            <source>The sample data has changed.</source>
            <translation>Les données d'exemple ont été modifiées.</translation>
        </message>
        <message>
            <source>The sample data was saved.</source>
            <translation>Les données d'exemple ont été enregistrées.</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>É&amp;dition</translation>
        </message>
        <message>
            <source>&amp;Find...</source>
            <translation>&amp;Rechercher...</translation>
        </message>
        <message>
            <source>&amp;Replace...</source>
            <translation>R&amp;emplacer...</translation>
        </message>
        <message>
            <source>The sample data has changed. Save the changes?</source>
            <translation>Les données d'exemple ont été modifiées. Enregistrer les modifications ?</translation>
        </message>
        <message>
            <source>Inserted %1</source>
            <translation>%1 inséré</translation>
        </message>
        <message>
            <source>Properties</source>
            <translation>Propriétés</translation>
        </message>
        <message>
            <source>&amp;Undo</source>
            <translation>&amp;Annuler</translation>
        </message>
        <message>
            <source>&amp;Undo %1</source>
            <translation>&amp;Annuler : %1</translation>
        </message>
        <message>
            <source>Insert Field</source>
            <translation>Insérer un champ</translation>
        </message>
        <message>
            <source>&amp;New...</source>
            <translation>&amp;Nouveau...</translation>
        </message>
        <message>
            <source>Open &amp;Recent</source>
            <translation>Ouvrir un fichier &amp;récent</translation>
        </message>
        <message>
            <source>The designer was not closed normally. Restore the unsaved changes to %1?</source>
            <translation>Le concepteur n'a pas été fermé normalement. Restaurer les modifications non enregistrées de %1 ?</translation>
        </message>
        <message>
            <source>The unsaved changes cannot be restored: %1</source>
            <translation>Impossible de restaurer les modifications non enregistrées : %1</translation>
        </message>
        <message>
            <source>The unsaved changes cannot be kept in %1.</source>
            <translation>Impossible de conserver les modifications non enregistrées dans %1.</translation>
        </message>
        <message>
            <source>%1 no longer exists. It was removed from the recent templates.</source>
            <translation>%1 n'existe plus. Le fichier a été retiré des modèles récents.</translation>
        </message>
        <message>
            <source>&amp;%1 %2</source>
            <translation>&amp;%1 %2</translation>
        </message>
        <message>
            <source>&amp;Clear Recent</source>
            <translation>&amp;Effacer la liste</translation>
        </message>
        <message>
            <source>Re&amp;do</source>
            <translation>Ré&amp;tablir</translation>
        </message>
        <message>
            <source>Re&amp;do %1</source>
            <translation>Ré&amp;tablir : %1</translation>
        </message>
        <message>
            <source>Cancelled: the template and its sample data are as they were.</source>
            <translation>Annulé : le modèle et ses données d'exemple sont inchangés.</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>&amp;Affichage</translation>
        </message>
        <message>
            <source>Show Sample &amp;Data</source>
            <translation>Afficher les &amp;données d'exemple</translation>
        </message>
        <message>
            <source>Opening %1...</source>
            <translation>Ouverture de %1...</translation>
        </message>
        <message>
            <source>Loading %1...</source>
            <translation>Chargement de %1...</translation>
        </message>
        <message>
            <source>Restore</source>
            <translation>Restaurer</translation>
        </message>
        <message>
            <source>Discard</source>
            <translation>Abandonner</translation>
        </message>
        <message>
            <source>Format</source>
            <translation>Format</translation>
        </message>
        <message>
            <source>The stylesheet made from this template will not compile: its parameters need distinct, non-empty names (Data &gt; Parameters).

%1

Save anyway?</source>
            <translation>La feuille de style produite à partir de ce modèle ne compilera pas : ses paramètres doivent avoir des noms distincts et non vides (Données &gt; Paramètres).

%1

Enregistrer quand même ?</translation>
        </message>
    </context>
    <context>
        <name>DialogCommands</name>
        <message>
            <source>&amp;Log...</source>
            <translation>&amp;Journal...</translation>
        </message>
        <message>
            <source>Open a template first.</source>
            <translation>Ouvrez d'abord un modèle.</translation>
        </message>
        <message>
            <source>Load Sample Data</source>
            <translation>Charger des données d'exemple</translation>
        </message>
        <message>
            <source>Sample data (*.xml *.lfa *.xsd);;XML files (*.xml);;Data aggregation files (*.lfa);;XML schemas (*.xsd);;All files (*)</source>
            <translation>Données d'exemple (*.xml *.lfa *.xsd);;Fichiers XML (*.xml);;Fichiers d'agrégation de données (*.lfa);;Schémas XML (*.xsd);;Tous les fichiers (*)</translation>
        </message>
        <message>
            <source>The template has no sample data to build an expression against.</source>
            <translation>Le modèle n'a pas de données d'exemple sur lesquelles construire une expression.</translation>
        </message>
        <message>
            <source>XPath Expression</source>
            <translation>Expression XPath</translation>
        </message>
        <message>
            <source>&amp;Borders and Background...</source>
            <translation>&amp;Bordures et arrière-plan...</translation>
        </message>
        <message>
            <source>Load &amp;Sample Data...</source>
            <translation>Charger des &amp;données d'exemple...</translation>
        </message>
        <message>
            <source>Edit &amp;XPath...</source>
            <translation>Modifier l'&amp;XPath...</translation>
        </message>
        <message>
            <source>The template has no flow with a block to format.</source>
            <translation>Le modèle n'a aucun flux contenant un bloc à mettre en forme.</translation>
        </message>
        <message>
            <source>Nothing was changed: no object was chosen under "Apply to".</source>
            <translation>Rien n'a été modifié : aucun objet n'a été choisi sous « Appliquer à ».</translation>
        </message>
        <message>
            <source>Borders and Background</source>
            <translation>Bords et Arrière-plan</translation>
        </message>
        <message>
            <source>Select a repeating row (kmb:table-row-repeat) or an object inside one.</source>
            <translation>Sélectionnez une ligne répétée (kmb:table-row-repeat) ou un objet qu'elle contient.</translation>
        </message>
        <message>
            <source>Sort</source>
            <translation>Trier</translation>
        </message>
        <message>
            <source>Group Rows</source>
            <translation>Grouper les lignes</translation>
        </message>
        <message>
            <source>Sort field</source>
            <translation>Champ de tri</translation>
        </message>
        <message>
            <source>Sort:</source>
            <translation>Tri :</translation>
        </message>
        <message>
            <source>Sor&amp;t...</source>
            <translation>&amp;Trier...</translation>
        </message>
        <message>
            <source>&amp;Group Rows...</source>
            <translation>&amp;Grouper les lignes...</translation>
        </message>
        <message>
            <source>Data Source</source>
            <translation>Source de données</translation>
        </message>
        <message>
            <source>&amp;Data Source...</source>
            <translation>So&amp;urce de données...</translation>
        </message>
        <message>
            <source>The template has no block to set paragraph properties on.</source>
            <translation>Le modèle ne contient aucun bloc auquel appliquer des propriétés de paragraphe.</translation>
        </message>
        <message>
            <source>Paragraph</source>
            <translation>Paragraphe</translation>
        </message>
        <message>
            <source>&amp;Paragraph...</source>
            <translation>P&amp;aragraphe...</translation>
        </message>
        <message>
            <source>Sets the margins of the selected table cell.</source>
            <translation>Définit les marges de la cellule sélectionnée.</translation>
        </message>
        <message>
            <source>Sets the margins of every cell of the selected table row.</source>
            <translation>Définit les marges de chaque cellule de la ligne sélectionnée.</translation>
        </message>
        <message>
            <source>Sets the margins of every cell of the selected table.</source>
            <translation>Définit les marges de chaque cellule du tableau sélectionné.</translation>
        </message>
        <message>
            <source>Select a table cell, row or table to set its cell margins.</source>
            <translation>Sélectionnez une cellule, une ligne ou un tableau pour en définir les marges.</translation>
        </message>
        <message>
            <source>Cell Margins</source>
            <translation>Marges des cellules</translation>
        </message>
        <message>
            <source>&amp;Cell Margins...</source>
            <translation>&amp;Marges des cellules...</translation>
        </message>
        <message>
            <source>Insert Conditional Section (Inline)</source>
            <translation>Insérer une section conditionnelle (en ligne)</translation>
        </message>
        <message>
            <source>Insert Conditional Section (Block)</source>
            <translation>Insérer une section conditionnelle (bloc)</translation>
        </message>
        <message>
            <source>Conditional Section</source>
            <translation>Section conditionnelle</translation>
        </message>
        <message>
            <source>Conditional Section (&amp;Block)...</source>
            <translation>Section conditionnelle (&amp;bloc)...</translation>
        </message>
        <message>
            <source>Conditional Section (&amp;Inline)...</source>
            <translation>Section conditionnelle (en &amp;ligne)...</translation>
        </message>
        <message>
            <source>Font</source>
            <translation>Police</translation>
        </message>
        <message>
            <source>&amp;Font...</source>
            <translation>&amp;Police...</translation>
        </message>
        <message>
            <source>Parameters</source>
            <translation>Paramètres</translation>
        </message>
        <message>
            <source>&amp;Parameters...</source>
            <translation>&amp;Paramètres...</translation>
        </message>
        <message>
            <source>The template has no flow to hold a table.</source>
            <translation>Le modèle n'a aucun flux pour accueillir un tableau.</translation>
        </message>
        <message>
            <source>Insert a table whose row repeats for each %1 of the sample data?
Choose No to design a table of your own.</source>
            <translation>Insérer un tableau dont la ligne se répète pour chaque %1 des données d'exemple ?
Choisissez Non pour concevoir votre propre tableau.</translation>
        </message>
        <message>
            <source>Insert Table</source>
            <translation>Insérer un tableau</translation>
        </message>
        <message>
            <source>Table inserted into %1</source>
            <translation>Tableau inséré dans %1</translation>
        </message>
        <message>
            <source>&amp;Table...</source>
            <translation>&amp;Tableau...</translation>
        </message>
        <message>
            <source>Edit Barcode</source>
            <translation>Modifier le code-barres</translation>
        </message>
        <message>
            <source>Insert Barcode</source>
            <translation>Insérer un code-barres</translation>
        </message>
        <message>
            <source>Select a barcode (km:barcode) first.</source>
            <translation>Sélectionnez d'abord un code-barres (km:barcode).</translation>
        </message>
        <message>
            <source>Ba&amp;rcode...</source>
            <translation>&amp;Code-barres...</translation>
        </message>
        <message>
            <source>B&amp;arcode...</source>
            <translation>&amp;Code-barres...</translation>
        </message>
        <message>
            <source>Field Format</source>
            <translation>Format de champ</translation>
        </message>
        <message>
            <source>Select a data field (kmb:field) first.</source>
            <translation>Sélectionnez d'abord un champ de données (kmb:field).</translation>
        </message>
        <message>
            <source>Fi&amp;eld Format...</source>
            <translation>&amp;Format de champ...</translation>
        </message>
        <message>
            <source>Conditional Formatting</source>
            <translation>Mise en forme conditionnelle</translation>
        </message>
        <message>
            <source>Co&amp;nditional Formatting...</source>
            <translation>Mise en forme co&amp;nditionnelle...</translation>
        </message>
        <message>
            <source>Insert Date and Time</source>
            <translation>Insérer la date et l'heure</translation>
        </message>
        <message>
            <source>&amp;Date and Time...</source>
            <translation>&amp;Date et heure...</translation>
        </message>
        <message>
            <source>Insert Hyperlink</source>
            <translation>Insérer un lien hypertexte</translation>
        </message>
        <message>
            <source>&amp;Hyperlink...</source>
            <translation>Lien &amp;hypertexte...</translation>
        </message>
        <message>
            <source>New Page Layout</source>
            <translation>Nouvelle mise en page</translation>
        </message>
        <message>
            <source>Page &amp;Layouts...</source>
            <translation>&amp;Mises en page...</translation>
        </message>
        <message>
            <source>Insert Page Number</source>
            <translation>Insérer un numéro de page</translation>
        </message>
        <message>
            <source>Page &amp;Number...</source>
            <translation>&amp;Numéro de page...</translation>
        </message>
        <message>
            <source>The template has no page sequence with page layouts.</source>
            <translation>Le modèle n'a pas de séquence de pages avec des mises en page.</translation>
        </message>
        <message>
            <source>Page Sets</source>
            <translation>Jeux de pages</translation>
        </message>
        <message>
            <source>Page &amp;Sets...</source>
            <translation>&amp;Jeux de pages...</translation>
        </message>
    </context>
    <context>
        <name>EditConditionalValuesDlg</name>
        <message>
            <source>Conditional Values</source>
            <translation>Valeurs conditionnelles</translation>
        </message>
        <message>
            <source>&amp;Add</source>
            <translation>&amp;Ajouter</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Modifier</translation>
        </message>
        <message>
            <source>&amp;Remove</source>
            <translation>&amp;Supprimer</translation>
        </message>
        <message>
            <source>&amp;Static value</source>
            <translation>Valeur s&amp;tatique</translation>
        </message>
        <message>
            <source>&amp;Dynamic value from input XML</source>
            <translation>Valeur &amp;dynamique issue du XML d'entrée</translation>
        </message>
        <message>
            <source>Dynamic</source>
            <translation>Dynamique</translation>
        </message>
        <message>
            <source>Static</source>
            <translation>Statique</translation>
        </message>
        <message>
            <source>The condition "&lt;default value&gt;" is reserved for the default value. Please enter another condition.</source>
            <translation>La condition « &lt;default value&gt; » est réservée à la valeur par défaut. Veuillez saisir une autre condition.</translation>
        </message>
    </context>
    <context>
        <name>EditDatasourceNodeDlg</name>
        <message>
            <source>Edit Node</source>
            <translation>Modifier le nœud</translation>
        </message>
        <message>
            <source>Node</source>
            <translation>Nœud</translation>
        </message>
        <message>
            <source>Name:</source>
            <translation>Nom :</translation>
        </message>
        <message>
            <source>Value:</source>
            <translation>Valeur :</translation>
        </message>
        <message>
            <source>Edit Element</source>
            <translation>Modifier l'élément</translation>
        </message>
        <message>
            <source>Element</source>
            <translation>Élément</translation>
        </message>
        <message>
            <source>Edit Attribtue</source>
            <translation>Modifier l'attribut</translation>
        </message>
        <message>
            <source>Attribute</source>
            <translation>Attribut</translation>
        </message>
        <message>
            <source>Insert Element</source>
            <translation>Insérer un élément</translation>
        </message>
        <message>
            <source>Insert Attribute</source>
            <translation>Insérer un attribut</translation>
        </message>
        <message>
            <source>Please a valid name</source>
            <translation>Veuillez saisir un nom valide</translation>
        </message>
    </context>
    <context>
        <name>EditPageSetDlg</name>
        <message>
            <source>&amp;Add</source>
            <translation>&amp;Ajouter</translation>
        </message>
        <message>
            <source>R&amp;emove</source>
            <translation>&amp;Supprimer</translation>
        </message>
        <message>
            <source>&amp;Up</source>
            <translation>Mon&amp;ter</translation>
        </message>
        <message>
            <source>&amp;Down</source>
            <translation>Descen&amp;dre</translation>
        </message>
        <message>
            <source>Dynamic Page Set</source>
            <translation>Jeu de pages dynamique</translation>
        </message>
        <message>
            <source>&amp;Repeat for XPath:</source>
            <translation>&amp;Répéter pour XPath :</translation>
        </message>
        <message>
            <source>&amp;Condition:</source>
            <translation>&amp;Condition :</translation>
        </message>
        <message>
            <source>&amp;Sort:</source>
            <translation>Tr&amp;i :</translation>
        </message>
        <message>
            <source>Parent Set:</source>
            <translation>Jeu parent :</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Aucun</translation>
        </message>
    </context>
    <context>
        <name>EditPropertyValuesDlg</name>
        <message>
            <source>Property Value</source>
            <translation>Valeur de la Propriété</translation>
        </message>
        <message>
            <source>&amp;Static value:</source>
            <translation>Valeur &amp;statique :</translation>
        </message>
        <message>
            <source>&amp;Dynamic value from input XML:</source>
            <translation>Valeur &amp;dynamique issue du XML d'entrée :</translation>
        </message>
        <message>
            <source>&amp;Conditional values</source>
            <translation>Valeurs &amp;conditionnelles</translation>
        </message>
        <message>
            <source>Edit Conditions...</source>
            <translation>Modifier les conditions...</translation>
        </message>
    </context>
    <context>
        <name>EditSortDlg</name>
        <message>
            <source>Edit Sort Conditions</source>
            <translation>Editer les Conditions de Triage</translation>
        </message>
        <message>
            <source>Sort Criteria:</source>
            <translation>Critères de tri :</translation>
        </message>
        <message>
            <source>XPath:</source>
            <translation>XPath :</translation>
        </message>
        <message>
            <source>Move Up</source>
            <translation>Monter</translation>
        </message>
        <message>
            <source>Move Down</source>
            <translation>Descendre</translation>
        </message>
        <message>
            <source>&amp;Add</source>
            <translation>&amp;Ajouter</translation>
        </message>
        <message>
            <source>&amp;Remove</source>
            <translation>&amp;Supprimer</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Modifier</translation>
        </message>
        <message>
            <source>Data Type:</source>
            <translation>Type de données :</translation>
        </message>
        <message>
            <source>Sort Order:</source>
            <translation>Ordre de tri :</translation>
        </message>
        <message>
            <source>Case Order:</source>
            <translation>Ordre des casses :</translation>
        </message>
        <message>
            <source>A sort key cannot contain blanks or ";": %1</source>
            <translation>Une clé de tri ne peut contenir ni espace ni « ; » : %1</translation>
        </message>
    </context>
    <context>
        <name>EditVariablesDlg</name>
        <message>
            <source>Parameters</source>
            <translation>Paramètres</translation>
        </message>
        <message>
            <source>Document &amp;Parameters:</source>
            <translation>&amp;Paramètres du document :</translation>
        </message>
        <message>
            <source>&amp;Add ...</source>
            <translation>&amp;Ajouter ...</translation>
        </message>
        <message>
            <source>&amp;Edit ...</source>
            <translation>&amp;Modifier ...</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Supprimer</translation>
        </message>
        <message>
            <source>&amp;OK</source>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <translation>A&amp;nnuler</translation>
        </message>
    </context>
    <context>
        <name>ExpanderSampleDlg</name>
        <message>
            <source>Insert Building Block</source>
            <translation>Insérer un bloc de construction</translation>
        </message>
        <message>
            <source>&amp;File:</source>
            <translation>&amp;Fichier :</translation>
        </message>
        <message>
            <source>&amp;Browse...</source>
            <translation>&amp;Parcourir...</translation>
        </message>
        <message>
            <source>Parameters</source>
            <translation>Paramètres</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Nom</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Valeur</translation>
        </message>
        <message>
            <source>&amp;Add</source>
            <translation>&amp;Ajouter</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Modifier</translation>
        </message>
        <message>
            <source>&amp;Remove</source>
            <translation>&amp;Supprimer</translation>
        </message>
    </context>
    <context>
        <name>FieldFormatCatalogue</name>
        <message>
            <source>(space)</source>
            <translation>(espace)</translation>
        </message>
        <message>
            <source>€ Euro</source>
            <translation>€ Euro</translation>
        </message>
        <message>
            <source>$ Dollar</source>
            <translation>$ Dollar</translation>
        </message>
        <message>
            <source>¢ Cent</source>
            <translation>¢ Cent</translation>
        </message>
        <message>
            <source>₤ Lira</source>
            <translation>₤ Lire</translation>
        </message>
        <message>
            <source>£ Pound</source>
            <translation>£ Livre sterling</translation>
        </message>
        <message>
            <source>¥ Japanese yen</source>
            <translation>¥ Yen japonais</translation>
        </message>
        <message>
            <source>Ұ Chinese Renminbi yuan</source>
            <translation>Ұ Yuan renminbi chinois</translation>
        </message>
        <message>
            <source>^ Generic currency</source>
            <translation>^ Devise générique</translation>
        </message>
        <message>
            <source>฿ Thai baht</source>
            <translation>฿ Baht thaïlandais</translation>
        </message>
        <message>
            <source>₡ Colón</source>
            <translation>₡ Colón</translation>
        </message>
        <message>
            <source>₫ Vietnamese đồng</source>
            <translation>₫ Dông vietnamien</translation>
        </message>
        <message>
            <source>ƒ Aruban Florin</source>
            <translation>ƒ Florin arubais</translation>
        </message>
        <message>
            <source>₭ Lao kip</source>
            <translation>₭ Kip laotien</translation>
        </message>
        <message>
            <source>₥ Mill</source>
            <translation>₥ Mill</translation>
        </message>
        <message>
            <source>₦ Nigerian naira</source>
            <translation>₦ Naira nigérian</translation>
        </message>
        <message>
            <source>P Botswana pula</source>
            <translation>P Pula botswanais</translation>
        </message>
        <message>
            <source>Q Guatemalan Quetzal</source>
            <translation>Q Quetzal guatémaltèque</translation>
        </message>
        <message>
            <source>R South African rand</source>
            <translation>R Rand sud-africain</translation>
        </message>
        <message>
            <source>Sk Slovak koruna</source>
            <translation>Sk Couronne slovaque</translation>
        </message>
        <message>
            <source>₨ Rupee</source>
            <translation>₨ Roupie</translation>
        </message>
        <message>
            <source>Rp rupiah in Indonesia</source>
            <translation>Rp Roupie indonésienne</translation>
        </message>
        <message>
            <source>R$ Brazilian real</source>
            <translation>R$ Réal brésilien</translation>
        </message>
        <message>
            <source>S/. Peruvian sol</source>
            <translation>S/. Sol péruvien</translation>
        </message>
        <message>
            <source>₮ Mongolian tögrög</source>
            <translation>₮ Tugrik mongol</translation>
        </message>
        <message>
            <source>₩ Korean won</source>
            <translation>₩ Won coréen</translation>
        </message>
        <message>
            <source>₪ Israeli new sheqel</source>
            <translation>₪ Nouveau shekel israélien</translation>
        </message>
        <message>
            <source>Lm Malta Lira</source>
            <translation>Lm Livre maltaise</translation>
        </message>
        <message>
            <source>Br Belarusian Rouble</source>
            <translation>Br Rouble biélorusse</translation>
        </message>
        <message>
            <source>zł Polish Zloty</source>
            <translation>zł Zloty polonais</translation>
        </message>
        <message>
            <source>1,234.5 - US Number Format.</source>
            <translation>1,234.5 - Format de nombre américain.</translation>
        </message>
        <message>
            <source>1.234,5 - Europe Number Format.</source>
            <translation>1.234,5 - Format de nombre européen.</translation>
        </message>
        <message>
            <source>$1,234.5 - US Currency Format 1.</source>
            <translation>$1,234.5 - Format monétaire américain 1.</translation>
        </message>
        <message>
            <source>1.234,5€ - Europe Currency Format 1.</source>
            <translation>1.234,5€ - Format monétaire européen 1.</translation>
        </message>
        <message>
            <source>£1,234.5 - UK Currency Format 1.</source>
            <translation>£1,234.5 - Format monétaire britannique 1.</translation>
        </message>
        <message>
            <source>1,234.5$ - US Currency Format 2.</source>
            <translation>1,234.5$ - Format monétaire américain 2.</translation>
        </message>
        <message>
            <source>€1.234,5 - Europe Currency Format 2.</source>
            <translation>€1.234,5 - Format monétaire européen 2.</translation>
        </message>
        <message>
            <source>1,234.5£ - UK Currency Format 2.</source>
            <translation>1,234.5£ - Format monétaire britannique 2.</translation>
        </message>
        <message>
            <source>Extract year and month: 2008-10</source>
            <translation>Extraire l'année et le mois : 2008-10</translation>
        </message>
        <message>
            <source>Extract year: 2008</source>
            <translation>Extraire l'année : 2008</translation>
        </message>
        <message>
            <source>Extract month and day: 10-24</source>
            <translation>Extraire le mois et le jour : 10-24</translation>
        </message>
        <message>
            <source>Extract month: 10</source>
            <translation>Extraire le mois : 10</translation>
        </message>
        <message>
            <source>Extract day: 24</source>
            <translation>Extraire le jour : 24</translation>
        </message>
    </context>
    <context>
        <name>FontEditorDlg</name>
        <message>
            <source>Font</source>
            <translation>Police</translation>
        </message>
        <message>
            <source>Font &amp;Family:</source>
            <translation>&amp;Police :</translation>
        </message>
        <message>
            <source>Font St&amp;yle:</source>
            <translation>St&amp;yle :</translation>
        </message>
        <message>
            <source>&amp;Size:</source>
            <translation>&amp;Taille :</translation>
        </message>
        <message>
            <source>Font &amp;Color:</source>
            <translation>&amp;Couleur :</translation>
        </message>
        <message>
            <source>&amp;Underline Style:</source>
            <translation>&amp;Soulignement :</translation>
        </message>
        <message>
            <source>&amp;Linethrough</source>
            <translation>&amp;Barré</translation>
        </message>
        <message>
            <source>&amp;Double Linethrough</source>
            <translation>Barré &amp;double</translation>
        </message>
        <message>
            <source>&amp;Overline</source>
            <translation>Surli&amp;gné</translation>
        </message>
        <message>
            <source>Dou&amp;ble Overline</source>
            <translation>Surligné d&amp;ouble</translation>
        </message>
        <message>
            <source>Small C&amp;aps</source>
            <translation>Petites &amp;majuscules</translation>
        </message>
        <message>
            <source>Capi&amp;talize</source>
            <translation>&amp;Initiales en majuscules</translation>
        </message>
        <message>
            <source>Lo&amp;wercase</source>
            <translation>Mi&amp;nuscules</translation>
        </message>
        <message>
            <source>U&amp;ppercase</source>
            <translation>M&amp;ajuscules</translation>
        </message>
        <message>
            <source>Preview:</source>
            <translation>Aperçu :</translation>
        </message>
        <message>
            <source>Enter a font size between %1 and %2 points.</source>
            <translation>Entrez une taille de police comprise entre %1 et %2 points.</translation>
        </message>
    </context>
    <context>
        <name>FontToggleActions</name>
        <message>
            <source>B&amp;old</source>
            <translation>&amp;Gras</translation>
        </message>
        <message>
            <source>&amp;Italic</source>
            <translation>&amp;Italique</translation>
        </message>
        <message>
            <source>&amp;Underline</source>
            <translation>&amp;Souligné</translation>
        </message>
        <message>
            <source>Open a template first.</source>
            <translation>Ouvrez d'abord un modèle.</translation>
        </message>
        <message>
            <source>Select an object in a flow to format its text.</source>
            <translation>Sélectionnez un objet d'un flux pour en mettre le texte en forme.</translation>
        </message>
    </context>
    <context>
        <name>FormatConditionDlg</name>
        <message>
            <source>Add/Edit Formatting Condition</source>
            <translation>Ajouter/modifier une condition de mise en forme</translation>
        </message>
        <message>
            <source>Target Object:</source>
            <translation>Objet cible :</translation>
        </message>
        <message>
            <source>Condition definition</source>
            <translation>Définition de la condition</translation>
        </message>
        <message>
            <source>Property Name:</source>
            <translation>Nom de la propriété :</translation>
        </message>
        <message>
            <source>Property Value:</source>
            <translation>Valeur de la propriété :</translation>
        </message>
        <message>
            <source>Condition:</source>
            <translation>Condition :</translation>
        </message>
        <message>
            <source>Left %1</source>
            <translation>%1 gauche</translation>
        </message>
        <message>
            <source>Right %1</source>
            <translation>%1 droite</translation>
        </message>
        <message>
            <source>Top %1</source>
            <translation>%1 supérieure</translation>
        </message>
        <message>
            <source>Bottom %1</source>
            <translation>%1 inférieure</translation>
        </message>
        <message>
            <source>Other</source>
            <translation>Autres</translation>
        </message>
    </context>
    <context>
        <name>FormatFieldDlg</name>
        <message>
            <source>Format Field</source>
            <translation>Format du champ</translation>
        </message>
    </context>
    <context>
        <name>InsertBarcodeDlg</name>
        <message>
            <source>Insert Barcode</source>
            <translation>Insérer un code-barres</translation>
        </message>
        <message>
            <source>Preview:</source>
            <translation>Aperçu :</translation>
        </message>
        <message>
            <source>Properties</source>
            <translation>Propriétés</translation>
        </message>
        <message>
            <source>Barcode &amp;Type:</source>
            <translation>&amp;Type de code-barres :</translation>
        </message>
        <message>
            <source>&amp;Value:</source>
            <translation>&amp;Valeur :</translation>
        </message>
        <message>
            <source>&amp;Draw Text</source>
            <translation>&amp;Dessiner le texte</translation>
        </message>
        <message>
            <source>&amp;Hex Value</source>
            <translation>Valeur &amp;hexadécimale</translation>
        </message>
        <message>
            <source>Rotation</source>
            <translation>Rotation</translation>
        </message>
        <message>
            <source>&amp;0° (None)</source>
            <translation>&amp;0° (Aucune)</translation>
        </message>
        <message>
            <source>&amp;90° (To Right)</source>
            <translation>&amp;90° (Vers la droite)</translation>
        </message>
        <message>
            <source>&amp;180°(Reverse)</source>
            <translation>&amp;180° (Inversé)</translation>
        </message>
        <message>
            <source>&amp;270°(To Left)</source>
            <translation>&amp;270° (Vers la gauche)</translation>
        </message>
        <message>
            <source>&amp;Preview</source>
            <translation>A&amp;perçu</translation>
        </message>
        <message>
            <source>Description</source>
            <translation>Description</translation>
        </message>
        <message>
            <source>Please select barcode type.</source>
            <translation>Veuillez choisir le type de code-barres.</translation>
        </message>
    </context>
    <context>
        <name>InsertConditionalSectionsDlg</name>
        <message>
            <source>Insert Conditional Sections</source>
            <translation>Insérer des sections conditionnelles</translation>
        </message>
        <message>
            <source>Conditions:</source>
            <translation>Conditions :</translation>
        </message>
        <message>
            <source>Edit conditions in the list below:</source>
            <translation>Modifiez les conditions dans la liste ci-dessous :</translation>
        </message>
        <message>
            <source>&amp;Add</source>
            <translation>&amp;Ajouter</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Modifier</translation>
        </message>
        <message>
            <source>&amp;Remove</source>
            <translation>&amp;Supprimer</translation>
        </message>
        <message>
            <source>&lt;new condition&gt;</source>
            <translation>&lt;nouvelle condition&gt;</translation>
        </message>
        <message>
            <source>A condition cannot be empty.</source>
            <translation>Une condition ne peut pas être vide.</translation>
        </message>
    </context>
    <context>
        <name>InsertDateTime</name>
        <message>
            <source>Insert Date and Time</source>
            <translation>Insérer la date et l'heure</translation>
        </message>
        <message>
            <source>Available Formats:</source>
            <translation>Formats disponibles :</translation>
        </message>
        <message>
            <source>Effective Format:</source>
            <translation>Format effectif :</translation>
        </message>
        <message>
            <source>Update Automatically</source>
            <translation>Mettre à jour automatiquement</translation>
        </message>
    </context>
    <context>
        <name>InsertHyperlinkDlg</name>
        <message>
            <source>Insert Hyperlink</source>
            <translation>Insérer Hyperlink</translation>
        </message>
        <message>
            <source>Display Text:</source>
            <translation>Texte affiché :</translation>
        </message>
        <message>
            <source>Address:</source>
            <translation>Adresse :</translation>
        </message>
        <message>
            <source>Complex title!</source>
            <translation>Titre complexe !</translation>
        </message>
    </context>
    <context>
        <name>InsertPageNumberDlg</name>
        <message>
            <source>Insert Page Numbers</source>
            <translation>Insérer des numéros de page</translation>
        </message>
        <message>
            <source>Element &amp;Type:</source>
            <translation>&amp;Type d'élément :</translation>
        </message>
        <message>
            <source>&amp;Format:</source>
            <translation>&amp;Format :</translation>
        </message>
    </context>
    <context>
        <name>InsertTableDlg</name>
        <message>
            <source>Insert Table</source>
            <translation>Insérer un tableau</translation>
        </message>
        <message>
            <source>&amp;Rows:</source>
            <translation>&amp;Lignes :</translation>
        </message>
        <message>
            <source>Col&amp;umns:</source>
            <translation>C&amp;olonnes :</translation>
        </message>
        <message>
            <source>&amp;Header</source>
            <translation>&amp;En-tête</translation>
        </message>
        <message>
            <source>&amp;Footer</source>
            <translation>&amp;Pied de tableau</translation>
        </message>
        <message>
            <source>&amp;Autoformat</source>
            <translation>&amp;Mise en forme automatique</translation>
        </message>
        <message>
            <source>&amp;Custom</source>
            <translation>Pe&amp;rsonnalisé</translation>
        </message>
        <message>
            <source>&amp;Borders</source>
            <translation>&amp;Bordures</translation>
        </message>
        <message>
            <source>&amp;Has borders</source>
            <translation>&amp;Avec bordures</translation>
        </message>
        <message>
            <source>C&amp;ollapse borders</source>
            <translation>&amp;Fusionner les bordures</translation>
        </message>
        <message>
            <source>&amp;Width:</source>
            <translation>Lar&amp;geur :</translation>
        </message>
        <message>
            <source>&amp;Style:</source>
            <translation>&amp;Style :</translation>
        </message>
        <message>
            <source>Colo&amp;r:</source>
            <translation>&amp;Couleur :</translation>
        </message>
        <message>
            <source>&amp;Cells</source>
            <translation>Cell&amp;ules</translation>
        </message>
        <message>
            <source>&amp;Padding:</source>
            <translation>Marge &amp;intérieure :</translation>
        </message>
        <message>
            <source>&amp;Vertical Align:</source>
            <translation>Alignement &amp;vertical :</translation>
        </message>
        <message>
            <source>&amp;Horizontal Align:</source>
            <translation>Alignement &amp;horizontal :</translation>
        </message>
        <message>
            <source>Please enter an integer.</source>
            <translation>Veuillez entrer un nombre entier.</translation>
        </message>
        <message>
            <source>Please enter a number.</source>
            <translation>Veuillez entrer un nombre.</translation>
        </message>
        <message>
            <source>Please enter an integer between %1 and %2.</source>
            <translation>Veuillez entrer un nombre entier compris entre %1 et %2.</translation>
        </message>
        <message>
            <source>Please enter a number between %1 and %2.</source>
            <translation>Veuillez entrer un nombre compris entre %1 et %2.</translation>
        </message>
        <message>
            <source>The table format "%1" cannot be used: its %2 section does not start with a row of three cells.</source>
            <translation>Le format de tableau « %1 » est inutilisable : sa section %2 ne commence pas par une ligne de trois cellules.</translation>
        </message>
        <message>
            <source>The table format "%1" holds no table.</source>
            <translation>Le format de tableau « %1 » ne contient aucun tableau.</translation>
        </message>
    </context>
    <context>
        <name>LengthOrPercentBase</name>
        <message>
            <source>Value</source>
            <translation>Valeur</translation>
        </message>
        <message>
            <source>Unit</source>
            <translation>Unité</translation>
        </message>
    </context>
    <context>
        <name>LogDlg</name>
        <message>
            <source>Log</source>
            <translation>Journal</translation>
        </message>
        <message>
            <source>&amp;Messages:</source>
            <translation>&amp;Messages :</translation>
        </message>
        <message>
            <source>C&amp;lear</source>
            <translation>&amp;Effacer</translation>
        </message>
        <message numerus="yes">
            <source>%n message(s)</source>
            <translation>
                <numerusform>%n message</numerusform>
                <numerusform>%n messages</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>NewTemplateDialog</name>
        <message>
            <source>New Template</source>
            <translation>Nouveau modèle</translation>
        </message>
        <message>
            <source>Start from:</source>
            <translation>Partir de :</translation>
        </message>
    </context>
    <context>
        <name>OutlineView</name>
        <message>
            <source>Object</source>
            <translation>Objet</translation>
        </message>
        <message>
            <source>Identifier</source>
            <translation>Identifiant</translation>
        </message>
    </context>
    <context>
        <name>PaddingPage</name>
        <message>
            <source>Padding Properties</source>
            <translation>Marges intérieures</translation>
        </message>
        <message>
            <source>&amp;Left:</source>
            <translation>&amp;Gauche :</translation>
        </message>
        <message>
            <source>&amp;Top:</source>
            <translation>&amp;Haut :</translation>
        </message>
        <message>
            <source>&amp;Right:</source>
            <translation>&amp;Droite :</translation>
        </message>
        <message>
            <source>&amp;Bottom:</source>
            <translation>&amp;Bas :</translation>
        </message>
    </context>
    <context>
        <name>PageLayoutDlg</name>
        <message>
            <source>Page Layout</source>
            <translation>Mise en page</translation>
        </message>
        <message>
            <source>Preview:</source>
            <translation>Aperçu :</translation>
        </message>
    </context>
    <context>
        <name>PageLayoutList</name>
        <message>
            <source>Page Layouts</source>
            <translation>Mises en page</translation>
        </message>
        <message>
            <source>&amp;New...</source>
            <translation>&amp;Nouveau...</translation>
        </message>
        <message>
            <source>&amp;Edit...</source>
            <translation>&amp;Modifier...</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Supprimer</translation>
        </message>
        <message>
            <source>a page sequence</source>
            <translation>une séquence de pages</translation>
        </message>
        <message>
            <source>the page set "%1"</source>
            <translation>le jeu de pages « %1 »</translation>
        </message>
        <message>
            <source>The page layout "%1" cannot be deleted: %2 uses it.</source>
            <translation>La mise en page « %1 » ne peut pas être supprimée : %2 l'utilise.</translation>
        </message>
        <message>
            <source>New Page Layout</source>
            <translation>Nouvelle mise en page</translation>
        </message>
        <message>
            <source>The template has no layout master set to add the page layout to.</source>
            <translation>Le modèle n'a pas d'ensemble de maîtres de mise en page auquel ajouter la mise en page.</translation>
        </message>
        <message>
            <source>Page Layout</source>
            <translation>Mise en page</translation>
        </message>
        <message>
            <source>Delete Page Layout</source>
            <translation>Supprimer la mise en page</translation>
        </message>
    </context>
    <context>
        <name>PageMasterNameDlg</name>
        <message>
            <source>Page Layout Name</source>
            <translation>Nom de la mise en page</translation>
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation>&amp;Nom :</translation>
        </message>
    </context>
    <context>
        <name>PagePropertiesPPage</name>
        <message>
            <source>Page Format:</source>
            <translation>Format de page :</translation>
        </message>
        <message>
            <source>&amp;Page Dimensions</source>
            <translation>&amp;Dimensions de la page</translation>
        </message>
        <message>
            <source>Width:</source>
            <translation>Largeur :</translation>
        </message>
        <message>
            <source>Height:</source>
            <translation>Hauteur :</translation>
        </message>
        <message>
            <source>&amp;Margins</source>
            <translation>&amp;Marges</translation>
        </message>
        <message>
            <source>Left:</source>
            <translation>Gauche :</translation>
        </message>
        <message>
            <source>Right:</source>
            <translation>Droite :</translation>
        </message>
        <message>
            <source>Top:</source>
            <translation>Haut :</translation>
        </message>
        <message>
            <source>Bottom:</source>
            <translation>Bas :</translation>
        </message>
        <message>
            <source>%1 Landscape</source>
            <extracomment>A page format turned on its side; %1 is the format's name ("A4"), which must come first and be followed by a blank.</extracomment>
            <translation>%1 paysage</translation>
        </message>
    </context>
    <context>
        <name>PageRegionPPage</name>
        <message>
            <source>Choose &amp;Region:</source>
            <translation>Choisir la &amp;zone :</translation>
        </message>
        <message>
            <source>&amp;Visible</source>
            <translation>&amp;Visible</translation>
        </message>
        <message>
            <source>&amp;Padding</source>
            <translation>&amp;Remplissage</translation>
        </message>
        <message>
            <source>Left:</source>
            <translation>Gauche :</translation>
        </message>
        <message>
            <source>Right:</source>
            <translation>Droite :</translation>
        </message>
        <message>
            <source>Top:</source>
            <translation>Haut :</translation>
        </message>
        <message>
            <source>Bottom:</source>
            <translation>Bas :</translation>
        </message>
        <message>
            <source>Content &amp;Orientation:</source>
            <translation>&amp;Orientation du contenu :</translation>
        </message>
        <message>
            <source>Vertical Alignment:</source>
            <translation>Alignement vertical :</translation>
        </message>
        <message>
            <source>&amp;Margins</source>
            <translation>&amp;Marges</translation>
        </message>
        <message>
            <source>Column Count:</source>
            <translation>Nombre de colonnes :</translation>
        </message>
        <message>
            <source>Column Gap:</source>
            <translation>Espacement des colonnes :</translation>
        </message>
        <message>
            <source>&amp;Extent:</source>
            <translation>&amp;Étendue :</translation>
        </message>
        <message>
            <source>&amp;Precedence</source>
            <translation>&amp;Priorité</translation>
        </message>
        <message>
            <source>&amp;Borders and Background ...</source>
            <translation>&amp;Bordures et arrière-plan ...</translation>
        </message>
    </context>
    <context>
        <name>ParagraphAlignIndentPage</name>
        <message>
            <source>Text &amp;Align:</source>
            <translation>Alignement du &amp;texte :</translation>
        </message>
        <message>
            <source>&amp;Start Indent:</source>
            <translation>Retrait de &amp;début :</translation>
        </message>
        <message>
            <source>&amp;End Indent:</source>
            <translation>Retrait de &amp;fin :</translation>
        </message>
        <message>
            <source>&amp;First Line Start Indent:</source>
            <translation>Retrait de la &amp;première ligne :</translation>
        </message>
        <message>
            <source>&amp;Last Line End Indent:</source>
            <translation>Retrait de fin de la dernière li&amp;gne :</translation>
        </message>
    </context>
    <context>
        <name>ParagraphBreaksHyphenPage</name>
        <message>
            <source>Keep With &amp;Next</source>
            <translation>Lier au &amp;suivant</translation>
        </message>
        <message>
            <source>Keep With &amp;Previous</source>
            <translation>Lier au p&amp;récédent</translation>
        </message>
        <message>
            <source>Keep &amp;Toghether</source>
            <translation>&amp;Lignes solidaires</translation>
        </message>
        <message>
            <source>&amp;Widows:</source>
            <translation>&amp;Veuves :</translation>
        </message>
        <message>
            <source>O&amp;rphans:</source>
            <translation>Orp&amp;helines :</translation>
        </message>
        <message>
            <source>Use &amp;hyphenation</source>
            <translation>&amp;Utiliser la coupure des mots</translation>
        </message>
        <message>
            <source>Span All Col&amp;umns</source>
            <translation>S'étendre sur toutes les &amp;colonnes</translation>
        </message>
        <message>
            <source>Widows: enter a whole number of lines from 0 to %1.</source>
            <translation>Veuves : saisissez un nombre entier de lignes compris entre 0 et %1.</translation>
        </message>
        <message>
            <source>Orphans: enter a whole number of lines from 0 to %1.</source>
            <translation>Orphelines : saisissez un nombre entier de lignes compris entre 0 et %1.</translation>
        </message>
    </context>
    <context>
        <name>ParagraphEditDlg</name>
        <message>
            <source>Paragraph</source>
            <translation>Paragraphe</translation>
        </message>
        <message>
            <source>Preview:</source>
            <translation>Aperçu :</translation>
        </message>
    </context>
    <context>
        <name>ParameterNames</name>
        <message numerus="yes">
            <source>%n parameter(s) without a name</source>
            <translation>
                <numerusform>%n paramètre sans nom</numerusform>
                <numerusform>%n paramètres sans nom</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>"%1" %n times</source>
            <translation>
                <numerusform>« %1 » %n fois</numerusform>
                <numerusform>« %1 » %n fois</numerusform>
            </translation>
        </message>
        <message>
            <source>"%1" is not a name</source>
            <translation>« %1 » n'est pas un nom valide</translation>
        </message>
    </context>
    <context>
        <name>PredefinedTablesPage</name>
        <message>
            <source>Table Format:</source>
            <translation>Format du tableau :</translation>
        </message>
        <message>
            <source>&amp;Preview:</source>
            <translation>&amp;Aperçu :</translation>
        </message>
    </context>
    <context>
        <name>PropertyInspector</name>
        <message>
            <source>Add a property the object accepts</source>
            <translation>Ajouter une propriété acceptée par l'objet</translation>
        </message>
        <message>
            <source>No object selected</source>
            <translation>Aucun objet sélectionné</translation>
        </message>
        <message>
            <source>Add property...</source>
            <translation>Ajouter une propriété...</translation>
        </message>
        <message>
            <source>Remove Property</source>
            <translation>Supprimer la propriété</translation>
        </message>
        <message>
            <source>Remove %1</source>
            <translation>Supprimer %1</translation>
        </message>
    </context>
    <context>
        <name>ReferenceInfo</name>
        <message>
            <source>All Pages</source>
            <translation>Toutes les pages</translation>
        </message>
        <message>
            <source>One Time Only</source>
            <translation>Une seule fois</translation>
        </message>
        <message>
            <source>Multiple Times, No Limit</source>
            <translation>Plusieurs fois, sans limite</translation>
        </message>
        <message>
            <source>Multiple Times, at Most %1</source>
            <translation>Plusieurs fois, au plus %1</translation>
        </message>
    </context>
    <context>
        <name>RowsGroupDlg</name>
        <message>
            <source>Group By</source>
            <translation>Grouper par</translation>
        </message>
        <message>
            <source>Row Group</source>
            <translation>Groupe de lignes</translation>
        </message>
        <message>
            <source>Group &amp;Context:</source>
            <translation>&amp;Contexte du groupe :</translation>
        </message>
        <message>
            <source>&amp;Group By XPath:</source>
            <translation>&amp;Grouper par XPath :</translation>
        </message>
        <message>
            <source>&amp;Merge content with first row</source>
            <translation>&amp;Fusionner le contenu avec la première ligne</translation>
        </message>
    </context>
    <context>
        <name>SamplePane</name>
        <message>
            <source>Filter the sample data</source>
            <translation>Filtrer les données d'exemple</translation>
        </message>
        <message>
            <source>Insert Element...</source>
            <translation>Insérer un élément...</translation>
        </message>
        <message>
            <source>Insert Attribute...</source>
            <translation>Insérer un attribut...</translation>
        </message>
        <message>
            <source>Edit Node...</source>
            <translation>Modifier le nœud...</translation>
        </message>
        <message>
            <source>Delete Node</source>
            <translation>Supprimer le nœud</translation>
        </message>
        <message>
            <source>Copy XPath</source>
            <translation>Copier le XPath</translation>
        </message>
        <message>
            <source>Save Sample Data</source>
            <translation>Enregistrer les données d'exemple</translation>
        </message>
        <message>
            <source>No sample data</source>
            <translation>Aucune donnée d'exemple</translation>
        </message>
        <message>
            <source>Save Sample Data As</source>
            <translation>Enregistrer les données d'exemple sous</translation>
        </message>
        <message>
            <source>XML files (*.xml);;All files (*)</source>
            <translation>Fichiers XML (*.xml);;Tous les fichiers (*)</translation>
        </message>
    </context>
    <context>
        <name>SampleXml</name>
        <message>
            <source>There is not enough memory to hold the sample data.</source>
            <translation>La mémoire est insuffisante pour contenir les données d'exemple.</translation>
        </message>
        <message>
            <source>The output of the data aggregation file describes no element.</source>
            <translation>La sortie du fichier d'agrégation de données ne décrit aucun élément.</translation>
        </message>
        <message>
            <source>The %1 described at line %2 of the data aggregation file has no name.</source>
            <translation>L'élément « %1 » décrit à la ligne %2 du fichier d'agrégation de données n'a pas de nom.</translation>
        </message>
    </context>
    <context>
        <name>SourceFindReplace</name>
        <message>
            <source>Cannot find "%1".</source>
            <translation>« %1 » est introuvable.</translation>
        </message>
        <message numerus="yes">
            <source>%n occurrence(s) replaced.</source>
            <translation>
                <numerusform>%n occurrence remplacée.</numerusform>
                <numerusform>%n occurrences remplacées.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>SourceSearch</name>
        <message>
            <source>The regular expression is not valid: %1 (at position %2).</source>
            <translation>L'expression régulière n'est pas valide : %1 (à la position %2).</translation>
        </message>
    </context>
    <context>
        <name>StarterTemplates</name>
        <message>
            <source>Blank A4 page</source>
            <translation>Page A4 vierge</translation>
        </message>
        <message>
            <source>An empty A4 page (21 × 29.7 cm) with 2 cm margins and one block to start from.</source>
            <translation>Une page A4 vide (21 × 29,7 cm) avec des marges de 2 cm et un bloc pour commencer.</translation>
        </message>
        <message>
            <source>Blank Letter page</source>
            <translation>Page Letter vierge</translation>
        </message>
        <message>
            <source>An empty US Letter page (8.5 × 11 in) with 1 in margins and one block to start from.</source>
            <translation>Une page US Letter vide (8,5 × 11 po) avec des marges de 1 po et un bloc pour commencer.</translation>
        </message>
        <message>
            <source>Invoice</source>
            <translation>Facture</translation>
        </message>
        <message>
            <source>The sample invoice: letterhead, address, item table and totals, bound to its sample data.</source>
            <translation>La facture d'exemple : en-tête, adresse, tableau des articles et totaux, liée à ses données d'exemple.</translation>
        </message>
    </context>
    <context>
        <name>SyntaxNames</name>
        <message>
            <source>Absolute Position</source>
            <translation>Positionnement absolu</translation>
        </message>
        <message>
            <source>Accessibility</source>
            <translation>Accessibilité</translation>
        </message>
        <message>
            <source>Active State</source>
            <translation>État actif</translation>
        </message>
        <message>
            <source>Address</source>
            <translation>Adresse</translation>
        </message>
        <message>
            <source>Alignment Adjust</source>
            <translation>Ajustement de l'alignement</translation>
        </message>
        <message>
            <source>Alignment Baseline</source>
            <translation>Ligne de base d'alignement</translation>
        </message>
        <message>
            <source>Allowed Height Scale</source>
            <translation>Mise à l'échelle autorisée en hauteur</translation>
        </message>
        <message>
            <source>Allowed Width Scale</source>
            <translation>Mise à l'échelle autorisée en largeur</translation>
        </message>
        <message>
            <source>Alt Text</source>
            <translation>Texte de remplacement</translation>
        </message>
        <message>
            <source>Area Alignment</source>
            <translation>Alignement des zones</translation>
        </message>
        <message>
            <source>Area Dimension</source>
            <translation>Dimensions des zones</translation>
        </message>
        <message>
            <source>Aural</source>
            <translation>Rendu sonore</translation>
        </message>
        <message>
            <source>Author</source>
            <translation>Auteur</translation>
        </message>
        <message>
            <source>Auto Restore</source>
            <translation>Restauration automatique</translation>
        </message>
        <message>
            <source>Azimuth</source>
            <translation>Azimut</translation>
        </message>
        <message>
            <source>Background</source>
            <translation>Arrière-plan</translation>
        </message>
        <message>
            <source>Background Attachment</source>
            <translation>Défilement de l'arrière-plan</translation>
        </message>
        <message>
            <source>Background Color</source>
            <translation>Couleur d'arrière-plan</translation>
        </message>
        <message>
            <source>Background Image</source>
            <translation>Image d'arrière-plan</translation>
        </message>
        <message>
            <source>Background Position</source>
            <translation>Position de l'arrière-plan</translation>
        </message>
        <message>
            <source>Background Position Horizontal</source>
            <translation>Position horizontale de l'arrière-plan</translation>
        </message>
        <message>
            <source>Background Position Vertical</source>
            <translation>Position verticale de l'arrière-plan</translation>
        </message>
        <message>
            <source>Background Repeat</source>
            <translation>Répétition de l'arrière-plan</translation>
        </message>
        <message>
            <source>Background Size</source>
            <translation>Taille de l'arrière-plan</translation>
        </message>
        <message>
            <source>Barcode</source>
            <translation>Code-barres</translation>
        </message>
        <message>
            <source>Baseline Shift</source>
            <translation>Décalage de la ligne de base</translation>
        </message>
        <message>
            <source>Blank Or Not Blank</source>
            <translation>Vierge ou non</translation>
        </message>
        <message>
            <source>Block Progression Dimension</source>
            <translation>Dimension dans le sens des blocs</translation>
        </message>
        <message>
            <source>Block and Line</source>
            <translation>Bloc et ligne</translation>
        </message>
        <message>
            <source>Bookmarks</source>
            <translation>Signets</translation>
        </message>
        <message>
            <source>Border</source>
            <translation>Bordure</translation>
        </message>
        <message>
            <source>Border After Color</source>
            <translation>Couleur de bordure après</translation>
        </message>
        <message>
            <source>Border After Precedence</source>
            <translation>Priorité de bordure après</translation>
        </message>
        <message>
            <source>Border After Style</source>
            <translation>Style de bordure après</translation>
        </message>
        <message>
            <source>Border After Width</source>
            <translation>Épaisseur de bordure après</translation>
        </message>
        <message>
            <source>Border Before Color</source>
            <translation>Couleur de bordure avant</translation>
        </message>
        <message>
            <source>Border Before Precedence</source>
            <translation>Priorité de bordure avant</translation>
        </message>
        <message>
            <source>Border Before Style</source>
            <translation>Style de bordure avant</translation>
        </message>
        <message>
            <source>Border Before Width</source>
            <translation>Épaisseur de bordure avant</translation>
        </message>
        <message>
            <source>Border Collapse</source>
            <translation>Fusion des bordures</translation>
        </message>
        <message>
            <source>Border Color</source>
            <translation>Couleur de bordure</translation>
        </message>
        <message>
            <source>Border End Color</source>
            <translation>Couleur de bordure de fin</translation>
        </message>
        <message>
            <source>Border End Precedence</source>
            <translation>Priorité de bordure de fin</translation>
        </message>
        <message>
            <source>Border End Style</source>
            <translation>Style de bordure de fin</translation>
        </message>
        <message>
            <source>Border End Width</source>
            <translation>Épaisseur de bordure de fin</translation>
        </message>
        <message>
            <source>Border Separation</source>
            <translation>Espacement des bordures</translation>
        </message>
        <message>
            <source>Border Spacing</source>
            <translation>Espacement des cellules</translation>
        </message>
        <message>
            <source>Border Start Color</source>
            <translation>Couleur de bordure de début</translation>
        </message>
        <message>
            <source>Border Start Precedence</source>
            <translation>Priorité de bordure de début</translation>
        </message>
        <message>
            <source>Border Start Style</source>
            <translation>Style de bordure de début</translation>
        </message>
        <message>
            <source>Border Start Width</source>
            <translation>Épaisseur de bordure de début</translation>
        </message>
        <message>
            <source>Border Style</source>
            <translation>Style de bordure</translation>
        </message>
        <message>
            <source>Border Width</source>
            <translation>Épaisseur de bordure</translation>
        </message>
        <message>
            <source>Borders</source>
            <translation>Bordures</translation>
        </message>
        <message>
            <source>Bottom</source>
            <translation>Bas</translation>
        </message>
        <message>
            <source>Box Shadow</source>
            <translation>Ombre portée</translation>
        </message>
        <message>
            <source>Break After</source>
            <translation>Saut après</translation>
        </message>
        <message>
            <source>Break Before</source>
            <translation>Saut avant</translation>
        </message>
        <message>
            <source>Caption Side</source>
            <translation>Position de la légende</translation>
        </message>
        <message>
            <source>Case Name</source>
            <translation>Nom du cas</translation>
        </message>
        <message>
            <source>Case Order</source>
            <translation>Ordre des majuscules</translation>
        </message>
        <message>
            <source>Case Title</source>
            <translation>Titre du cas</translation>
        </message>
        <message>
            <source>Cdata Section Elements</source>
            <translation>Éléments en sections CDATA</translation>
        </message>
        <message>
            <source>Change Bar Class</source>
            <translation>Classe de barre de modification</translation>
        </message>
        <message>
            <source>Change Bar Color</source>
            <translation>Couleur de barre de modification</translation>
        </message>
        <message>
            <source>Change Bar Offset</source>
            <translation>Décalage de barre de modification</translation>
        </message>
        <message>
            <source>Change Bar Placement</source>
            <translation>Emplacement de barre de modification</translation>
        </message>
        <message>
            <source>Change Bar Style</source>
            <translation>Style de barre de modification</translation>
        </message>
        <message>
            <source>Change Bar Width</source>
            <translation>Épaisseur de barre de modification</translation>
        </message>
        <message>
            <source>Change Bars</source>
            <translation>Barres de modification</translation>
        </message>
        <message>
            <source>Character</source>
            <translation>Caractère</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>Dégagement</translation>
        </message>
        <message>
            <source>Clip</source>
            <translation>Découpage</translation>
        </message>
        <message>
            <source>Color</source>
            <translation>Couleur</translation>
        </message>
        <message>
            <source>Color Profile Name</source>
            <translation>Nom du profil colorimétrique</translation>
        </message>
        <message>
            <source>Column Count</source>
            <translation>Nombre de colonnes</translation>
        </message>
        <message>
            <source>Column Gap</source>
            <translation>Espacement des colonnes</translation>
        </message>
        <message>
            <source>Column Number</source>
            <translation>Numéro de colonne</translation>
        </message>
        <message>
            <source>Column Width</source>
            <translation>Largeur de colonne</translation>
        </message>
        <message>
            <source>Condition</source>
            <translation>Condition</translation>
        </message>
        <message>
            <source>Content Height</source>
            <translation>Hauteur du contenu</translation>
        </message>
        <message>
            <source>Content Type</source>
            <translation>Type de contenu</translation>
        </message>
        <message>
            <source>Content Width</source>
            <translation>Largeur du contenu</translation>
        </message>
        <message>
            <source>Count</source>
            <translation>Motif compté</translation>
        </message>
        <message>
            <source>Country</source>
            <translation>Pays</translation>
        </message>
        <message>
            <source>Cue</source>
            <translation>Signal sonore</translation>
        </message>
        <message>
            <source>Cue After</source>
            <translation>Signal sonore après</translation>
        </message>
        <message>
            <source>Cue Before</source>
            <translation>Signal sonore avant</translation>
        </message>
        <message>
            <source>Data</source>
            <translation>Données</translation>
        </message>
        <message>
            <source>Data Type</source>
            <translation>Type de données</translation>
        </message>
        <message>
            <source>Decimal Separator</source>
            <translation>Séparateur décimal</translation>
        </message>
        <message>
            <source>Designer</source>
            <translation>Concepteur</translation>
        </message>
        <message>
            <source>Destination Placement Offset</source>
            <translation>Décalage à la destination</translation>
        </message>
        <message>
            <source>Digit</source>
            <translation>Chiffre facultatif</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>Sens d'écriture</translation>
        </message>
        <message>
            <source>Disable Output Escaping</source>
            <translation>Désactiver l'échappement en sortie</translation>
        </message>
        <message>
            <source>Display Align</source>
            <translation>Alignement vertical</translation>
        </message>
        <message>
            <source>Display Marker</source>
            <translation>Afficher le repère</translation>
        </message>
        <message>
            <source>Doctype Public</source>
            <translation>Identifiant public du DOCTYPE</translation>
        </message>
        <message>
            <source>Doctype System</source>
            <translation>Identifiant système du DOCTYPE</translation>
        </message>
        <message>
            <source>Document Information</source>
            <translation>Informations sur le document</translation>
        </message>
        <message>
            <source>Dominant Baseline</source>
            <translation>Ligne de base dominante</translation>
        </message>
        <message>
            <source>Draw Text</source>
            <translation>Afficher le texte</translation>
        </message>
        <message>
            <source>Dynamic Effects</source>
            <translation>Effets dynamiques</translation>
        </message>
        <message>
            <source>Elements</source>
            <translation>Éléments</translation>
        </message>
        <message>
            <source>Elevation</source>
            <translation>Élévation</translation>
        </message>
        <message>
            <source>Empty Cells</source>
            <translation>Cellules vides</translation>
        </message>
        <message>
            <source>Encoding</source>
            <translation>Encodage</translation>
        </message>
        <message>
            <source>End Indent</source>
            <translation>Retrait de fin</translation>
        </message>
        <message>
            <source>Ends Row</source>
            <translation>Termine la ligne</translation>
        </message>
        <message>
            <source>Exclude Result Prefixes</source>
            <translation>Préfixes exclus du résultat</translation>
        </message>
        <message>
            <source>Extended</source>
            <translation>Étendu</translation>
        </message>
        <message>
            <source>Extension Element Prefixes</source>
            <translation>Préfixes des éléments d'extension</translation>
        </message>
        <message>
            <source>Extent</source>
            <translation>Étendue</translation>
        </message>
        <message>
            <source>External Destination</source>
            <translation>Destination externe</translation>
        </message>
        <message>
            <source>Float</source>
            <translation>Flottant</translation>
        </message>
        <message>
            <source>Flow Map Name</source>
            <translation>Nom de l'affectation des flux</translation>
        </message>
        <message>
            <source>Flow Map Reference</source>
            <translation>Référence à l'affectation des flux</translation>
        </message>
        <message>
            <source>Flow Name</source>
            <translation>Nom du flux</translation>
        </message>
        <message>
            <source>Flow Name Reference</source>
            <translation>Référence au nom du flux</translation>
        </message>
        <message>
            <source>Font</source>
            <translation>Police</translation>
        </message>
        <message>
            <source>Font Family</source>
            <translation>Famille de police</translation>
        </message>
        <message>
            <source>Font Selection Strategy</source>
            <translation>Stratégie de choix de police</translation>
        </message>
        <message>
            <source>Font Size</source>
            <translation>Taille de police</translation>
        </message>
        <message>
            <source>Font Size Adjust</source>
            <translation>Ajustement du corps</translation>
        </message>
        <message>
            <source>Font Stretch</source>
            <translation>Étirement de police</translation>
        </message>
        <message>
            <source>Font Style</source>
            <translation>Style de police</translation>
        </message>
        <message>
            <source>Font Variant</source>
            <translation>Variante de police</translation>
        </message>
        <message>
            <source>Font Weight</source>
            <translation>Graisse</translation>
        </message>
        <message>
            <source>Force Page Count</source>
            <translation>Forcer le nombre de pages</translation>
        </message>
        <message>
            <source>Format</source>
            <translation>Format</translation>
        </message>
        <message>
            <source>From</source>
            <translation>Début du comptage</translation>
        </message>
        <message>
            <source>Glyph Orientation Horizontal</source>
            <translation>Orientation des glyphes horizontale</translation>
        </message>
        <message>
            <source>Glyph Orientation Vertical</source>
            <translation>Orientation des glyphes verticale</translation>
        </message>
        <message>
            <source>Group By</source>
            <translation>Regrouper par</translation>
        </message>
        <message>
            <source>Group Context</source>
            <translation>Contexte du groupe</translation>
        </message>
        <message>
            <source>Group Merge</source>
            <translation>Fusion du groupe</translation>
        </message>
        <message>
            <source>Grouping Separator</source>
            <translation>Séparateur de milliers</translation>
        </message>
        <message>
            <source>Grouping Size</source>
            <translation>Taille des groupes</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>Hauteur</translation>
        </message>
        <message>
            <source>Href</source>
            <translation>Adresse référencée</translation>
        </message>
        <message>
            <source>Hyphenate</source>
            <translation>Césure des mots</translation>
        </message>
        <message>
            <source>Hyphenation</source>
            <translation>Césure</translation>
        </message>
        <message>
            <source>Hyphenation Character</source>
            <translation>Caractère de césure</translation>
        </message>
        <message>
            <source>Hyphenation Keep</source>
            <translation>Maintien de la césure</translation>
        </message>
        <message>
            <source>Hyphenation Ladder Count</source>
            <translation>Césures consécutives</translation>
        </message>
        <message>
            <source>Hyphenation Push Character Count</source>
            <translation>Caractères minimum après la césure</translation>
        </message>
        <message>
            <source>Hyphenation Remain Character Count</source>
            <translation>Caractères minimum avant la césure</translation>
        </message>
        <message>
            <source>ID</source>
            <translation>ID</translation>
        </message>
        <message>
            <source>Include Checksum</source>
            <translation>Inclure la clé de contrôle</translation>
        </message>
        <message>
            <source>Indent</source>
            <translation>Indentation</translation>
        </message>
        <message>
            <source>Index</source>
            <translation>Index</translation>
        </message>
        <message>
            <source>Index Class</source>
            <translation>Classe d'index</translation>
        </message>
        <message>
            <source>Index Key</source>
            <translation>Clé d'index</translation>
        </message>
        <message>
            <source>Indicate Destination</source>
            <translation>Signaler la destination</translation>
        </message>
        <message>
            <source>Infinity</source>
            <translation>Infini</translation>
        </message>
        <message>
            <source>Initial Page Number</source>
            <translation>Numéro de la première page</translation>
        </message>
        <message>
            <source>Inline Progression Dimension</source>
            <translation>Dimension dans le sens des lignes</translation>
        </message>
        <message>
            <source>Internal Destination</source>
            <translation>Destination interne</translation>
        </message>
        <message>
            <source>Intrinsic Scale Value</source>
            <translation>Échelle intrinsèque</translation>
        </message>
        <message>
            <source>Intrusion Displace</source>
            <translation>Déplacement par intrusion</translation>
        </message>
        <message>
            <source>Keep Together</source>
            <translation>Garder ensemble</translation>
        </message>
        <message>
            <source>Keep With Next</source>
            <translation>Solidaire du suivant</translation>
        </message>
        <message>
            <source>Keep With Previous</source>
            <translation>Solidaire du précédent</translation>
        </message>
        <message>
            <source>Keeps and Breaks</source>
            <translation>Liaisons et sauts</translation>
        </message>
        <message>
            <source>Key</source>
            <translation>Clé</translation>
        </message>
        <message>
            <source>Keywords</source>
            <translation>Mots-clés</translation>
        </message>
        <message>
            <source>Lang</source>
            <translation>Code de langue</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Langue</translation>
        </message>
        <message>
            <source>Last Line End Indent</source>
            <translation>Retrait de fin de la dernière ligne</translation>
        </message>
        <message>
            <source>Layout</source>
            <translation>Mise en page</translation>
        </message>
        <message>
            <source>Leader Alignment</source>
            <translation>Alignement des points de conduite</translation>
        </message>
        <message>
            <source>Leader Length</source>
            <translation>Longueur des points de conduite</translation>
        </message>
        <message>
            <source>Leader Pattern</source>
            <translation>Motif des points de conduite</translation>
        </message>
        <message>
            <source>Leader Pattern Width</source>
            <translation>Largeur du motif de conduite</translation>
        </message>
        <message>
            <source>Leader and Rule</source>
            <translation>Points de conduite et filet</translation>
        </message>
        <message>
            <source>Left</source>
            <translation>Gauche</translation>
        </message>
        <message>
            <source>Letter Spacing</source>
            <translation>Interlettrage</translation>
        </message>
        <message>
            <source>Letter Value</source>
            <translation>Numérotation alphabétique</translation>
        </message>
        <message>
            <source>Level</source>
            <translation>Niveau de comptage</translation>
        </message>
        <message>
            <source>Lighting Scheme</source>
            <translation>Éclairage</translation>
        </message>
        <message>
            <source>Line Height</source>
            <translation>Hauteur de ligne</translation>
        </message>
        <message>
            <source>Line Height Shift Adjustment</source>
            <translation>Hauteur de ligne avec décalage</translation>
        </message>
        <message>
            <source>Line Stacking Strategy</source>
            <translation>Empilement des lignes</translation>
        </message>
        <message>
            <source>Linefeed Treatment</source>
            <translation>Traitement des sauts de ligne</translation>
        </message>
        <message>
            <source>Map</source>
            <translation>Carte</translation>
        </message>
        <message>
            <source>Map Type</source>
            <translation>Type de carte</translation>
        </message>
        <message>
            <source>Margin</source>
            <translation>Marge</translation>
        </message>
        <message>
            <source>Margin Bottom</source>
            <translation>Marge inférieure</translation>
        </message>
        <message>
            <source>Margin Left</source>
            <translation>Marge gauche</translation>
        </message>
        <message>
            <source>Margin Right</source>
            <translation>Marge droite</translation>
        </message>
        <message>
            <source>Margin Top</source>
            <translation>Marge supérieure</translation>
        </message>
        <message>
            <source>Margins</source>
            <translation>Marges</translation>
        </message>
        <message>
            <source>Marker Class Name</source>
            <translation>Classe de marqueur</translation>
        </message>
        <message>
            <source>Markers</source>
            <translation>Marqueurs</translation>
        </message>
        <message>
            <source>Master Name</source>
            <translation>Nom du modèle</translation>
        </message>
        <message>
            <source>Master Reference</source>
            <translation>Référence au modèle de page</translation>
        </message>
        <message>
            <source>Match</source>
            <translation>Motif</translation>
        </message>
        <message>
            <source>Max Height</source>
            <translation>Hauteur maximale</translation>
        </message>
        <message>
            <source>Max Width</source>
            <translation>Largeur maximale</translation>
        </message>
        <message>
            <source>Maximum Repeats</source>
            <translation>Répétitions maximales</translation>
        </message>
        <message>
            <source>Media</source>
            <translation>Médias</translation>
        </message>
        <message>
            <source>Media Type</source>
            <translation>Type de média</translation>
        </message>
        <message>
            <source>Media Usage</source>
            <translation>Utilisation du média</translation>
        </message>
        <message>
            <source>Merge Pages Across Index Key References</source>
            <translation>Fusionner les pages entre références d'index</translation>
        </message>
        <message>
            <source>Merge Ranges Across Index Key References</source>
            <translation>Fusionner les plages entre références d'index</translation>
        </message>
        <message>
            <source>Merge Sequential Page Numbers</source>
            <translation>Fusionner les numéros de page consécutifs</translation>
        </message>
        <message>
            <source>Meta Type</source>
            <translation>Type de nœud</translation>
        </message>
        <message>
            <source>Method</source>
            <translation>Méthode de sortie</translation>
        </message>
        <message>
            <source>Min Height</source>
            <translation>Hauteur minimale</translation>
        </message>
        <message>
            <source>Min Width</source>
            <translation>Largeur minimale</translation>
        </message>
        <message>
            <source>Minus Sign</source>
            <translation>Signe moins</translation>
        </message>
        <message>
            <source>Miscellaneous</source>
            <translation>Divers</translation>
        </message>
        <message>
            <source>Mode</source>
            <translation>Mode</translation>
        </message>
        <message>
            <source>NaN</source>
            <translation>Non-nombre (NaN)</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Nom</translation>
        </message>
        <message>
            <source>Namespace</source>
            <translation>Espace de noms</translation>
        </message>
        <message>
            <source>Number Columns Repeated</source>
            <translation>Répétitions de la colonne</translation>
        </message>
        <message>
            <source>Number Columns Spanned</source>
            <translation>Colonnes fusionnées</translation>
        </message>
        <message>
            <source>Number Rows Spanned</source>
            <translation>Lignes fusionnées</translation>
        </message>
        <message>
            <source>Number to String</source>
            <translation>Conversion des nombres</translation>
        </message>
        <message>
            <source>Object</source>
            <translation>Objet</translation>
        </message>
        <message>
            <source>Object ID</source>
            <translation>ID de l'objet</translation>
        </message>
        <message>
            <source>Odd Or Even</source>
            <translation>Paire ou impaire</translation>
        </message>
        <message>
            <source>Omit XML Declaration</source>
            <translation>Omettre la déclaration XML</translation>
        </message>
        <message>
            <source>Order</source>
            <translation>Ordre de tri</translation>
        </message>
        <message>
            <source>Orphans</source>
            <translation>Lignes orphelines</translation>
        </message>
        <message>
            <source>Overflow</source>
            <translation>Débordement</translation>
        </message>
        <message>
            <source>Padding</source>
            <translation>Marge intérieure</translation>
        </message>
        <message>
            <source>Padding After</source>
            <translation>Marge intérieure après</translation>
        </message>
        <message>
            <source>Padding Before</source>
            <translation>Marge intérieure avant</translation>
        </message>
        <message>
            <source>Padding Bottom</source>
            <translation>Marge intérieure basse</translation>
        </message>
        <message>
            <source>Padding End</source>
            <translation>Marge intérieure de fin</translation>
        </message>
        <message>
            <source>Padding Left</source>
            <translation>Marge intérieure gauche</translation>
        </message>
        <message>
            <source>Padding Right</source>
            <translation>Marge intérieure droite</translation>
        </message>
        <message>
            <source>Padding Start</source>
            <translation>Marge intérieure de début</translation>
        </message>
        <message>
            <source>Padding Top</source>
            <translation>Marge intérieure haute</translation>
        </message>
        <message>
            <source>Page Break After</source>
            <translation>Saut de page après</translation>
        </message>
        <message>
            <source>Page Break Before</source>
            <translation>Saut de page avant</translation>
        </message>
        <message>
            <source>Page Break Inside</source>
            <translation>Saut de page à l'intérieur</translation>
        </message>
        <message>
            <source>Page Citation Strategy</source>
            <translation>Stratégie de renvoi de page</translation>
        </message>
        <message>
            <source>Page Height</source>
            <translation>Hauteur de page</translation>
        </message>
        <message>
            <source>Page Number Treatment</source>
            <translation>Présentation des numéros de page</translation>
        </message>
        <message>
            <source>Page Position</source>
            <translation>Position de la page</translation>
        </message>
        <message>
            <source>Page Sets</source>
            <translation>Jeux de pages</translation>
        </message>
        <message>
            <source>Page Width</source>
            <translation>Largeur de page</translation>
        </message>
        <message>
            <source>Pagination</source>
            <translation>Pagination</translation>
        </message>
        <message>
            <source>Param Type</source>
            <translation>Type de paramètre</translation>
        </message>
        <message>
            <source>Parent Set</source>
            <translation>Jeu de pages parent</translation>
        </message>
        <message>
            <source>Pattern Separator</source>
            <translation>Séparateur de motifs</translation>
        </message>
        <message>
            <source>Pause</source>
            <translation>Pause</translation>
        </message>
        <message>
            <source>Pause After</source>
            <translation>Pause après</translation>
        </message>
        <message>
            <source>Pause Before</source>
            <translation>Pause avant</translation>
        </message>
        <message>
            <source>Per Mille</source>
            <translation>Signe pour mille</translation>
        </message>
        <message>
            <source>Percent</source>
            <translation>Signe pour cent</translation>
        </message>
        <message>
            <source>Pitch</source>
            <translation>Hauteur de la voix</translation>
        </message>
        <message>
            <source>Pitch Range</source>
            <translation>Étendue de la voix</translation>
        </message>
        <message>
            <source>Play During</source>
            <translation>Son d'accompagnement</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>Position</translation>
        </message>
        <message>
            <source>Precedence</source>
            <translation>Priorité</translation>
        </message>
        <message>
            <source>Prefix</source>
            <translation>Préfixe</translation>
        </message>
        <message>
            <source>Preview Src</source>
            <translation>Image d'aperçu</translation>
        </message>
        <message>
            <source>Priority</source>
            <translation>Priorité de la règle</translation>
        </message>
        <message>
            <source>Provisional Distance Between Starts</source>
            <translation>Distance entre l'étiquette et le corps</translation>
        </message>
        <message>
            <source>Provisional Label Separation</source>
            <translation>Espacement après l'étiquette</translation>
        </message>
        <message>
            <source>Ref ID</source>
            <translation>ID référencé</translation>
        </message>
        <message>
            <source>Ref Index Key</source>
            <translation>Clé d'index référencée</translation>
        </message>
        <message>
            <source>Ref Type</source>
            <translation>Type référencé</translation>
        </message>
        <message>
            <source>Reference Orientation</source>
            <translation>Orientation de référence</translation>
        </message>
        <message>
            <source>Region Name</source>
            <translation>Nom de la région</translation>
        </message>
        <message>
            <source>Region Name Reference</source>
            <translation>Référence au nom de la région</translation>
        </message>
        <message>
            <source>Relative Align</source>
            <translation>Alignement relatif</translation>
        </message>
        <message>
            <source>Relative Position</source>
            <translation>Positionnement relatif</translation>
        </message>
        <message>
            <source>Rendering Intent</source>
            <translation>Mode de rendu</translation>
        </message>
        <message>
            <source>Repeated Element</source>
            <translation>Élément répété</translation>
        </message>
        <message>
            <source>Result Prefix</source>
            <translation>Préfixe du résultat</translation>
        </message>
        <message>
            <source>Retrieve Boundary</source>
            <translation>Limite de récupération</translation>
        </message>
        <message>
            <source>Retrieve Boundary Within Table</source>
            <translation>Limite de récupération dans le tableau</translation>
        </message>
        <message>
            <source>Retrieve Class Name</source>
            <translation>Classe de marqueur récupérée</translation>
        </message>
        <message>
            <source>Retrieve Position</source>
            <translation>Position de récupération</translation>
        </message>
        <message>
            <source>Retrieve Position Within Table</source>
            <translation>Position de récupération dans le tableau</translation>
        </message>
        <message>
            <source>Richness</source>
            <translation>Richesse de la voix</translation>
        </message>
        <message>
            <source>Right</source>
            <translation>Droite</translation>
        </message>
        <message>
            <source>Role</source>
            <translation>Rôle</translation>
        </message>
        <message>
            <source>Rotation</source>
            <translation>Rotation</translation>
        </message>
        <message>
            <source>Rule</source>
            <translation>Règle</translation>
        </message>
        <message>
            <source>Rule Style</source>
            <translation>Style de filet</translation>
        </message>
        <message>
            <source>Rule Thickness</source>
            <translation>Épaisseur de filet</translation>
        </message>
        <message>
            <source>Sample Data</source>
            <translation>Données d'exemple</translation>
        </message>
        <message>
            <source>Sample LFA</source>
            <translation>LFA d'exemple</translation>
        </message>
        <message>
            <source>Sample XML</source>
            <translation>XML d'exemple</translation>
        </message>
        <message>
            <source>Sample XSD</source>
            <translation>XSD d'exemple</translation>
        </message>
        <message>
            <source>Scale Option</source>
            <translation>Option d'échelle</translation>
        </message>
        <message>
            <source>Scaling</source>
            <translation>Mise à l'échelle</translation>
        </message>
        <message>
            <source>Scaling Method</source>
            <translation>Méthode de mise à l'échelle</translation>
        </message>
        <message>
            <source>Score Spaces</source>
            <translation>Souligner les espaces</translation>
        </message>
        <message>
            <source>Script</source>
            <translation>Écriture</translation>
        </message>
        <message>
            <source>Scripts</source>
            <translation>Scripts</translation>
        </message>
        <message>
            <source>Select</source>
            <translation>Sélection</translation>
        </message>
        <message>
            <source>Shorthands</source>
            <translation>Propriétés raccourcies</translation>
        </message>
        <message>
            <source>Show Destination</source>
            <translation>Affichage de la destination</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>Taille</translation>
        </message>
        <message>
            <source>Sort</source>
            <translation>Tri</translation>
        </message>
        <message>
            <source>Source Document</source>
            <translation>Document source</translation>
        </message>
        <message>
            <source>Space After</source>
            <translation>Espace après</translation>
        </message>
        <message>
            <source>Space Before</source>
            <translation>Espace avant</translation>
        </message>
        <message>
            <source>Space End</source>
            <translation>Espace de fin</translation>
        </message>
        <message>
            <source>Space Start</source>
            <translation>Espace de début</translation>
        </message>
        <message>
            <source>Span</source>
            <translation>Sur toutes les colonnes</translation>
        </message>
        <message>
            <source>Speak</source>
            <translation>Lecture</translation>
        </message>
        <message>
            <source>Speak Header</source>
            <translation>Lecture des en-têtes</translation>
        </message>
        <message>
            <source>Speak Numeral</source>
            <translation>Lecture des nombres</translation>
        </message>
        <message>
            <source>Speak Punctuation</source>
            <translation>Lecture de la ponctuation</translation>
        </message>
        <message>
            <source>Speech Rate</source>
            <translation>Débit de parole</translation>
        </message>
        <message>
            <source>Src</source>
            <translation>Source</translation>
        </message>
        <message>
            <source>Standalone</source>
            <translation>Autonome</translation>
        </message>
        <message>
            <source>Start Indent</source>
            <translation>Retrait de début</translation>
        </message>
        <message>
            <source>Starting State</source>
            <translation>État initial</translation>
        </message>
        <message>
            <source>Starts Row</source>
            <translation>Commence la ligne</translation>
        </message>
        <message>
            <source>Stress</source>
            <translation>Accentuation</translation>
        </message>
        <message>
            <source>Stylesheet Prefix</source>
            <translation>Préfixe de la feuille de style</translation>
        </message>
        <message>
            <source>Subject</source>
            <translation>Sujet</translation>
        </message>
        <message>
            <source>Suppress At Line Break</source>
            <translation>Supprimer en fin de ligne</translation>
        </message>
        <message>
            <source>Switch To</source>
            <translation>Basculer vers</translation>
        </message>
        <message>
            <source>Table</source>
            <translation>Tableau</translation>
        </message>
        <message>
            <source>Table Layout</source>
            <translation>Disposition du tableau</translation>
        </message>
        <message>
            <source>Table Omit Footer At Break</source>
            <translation>Omettre le pied de tableau au saut</translation>
        </message>
        <message>
            <source>Table Omit Header At Break</source>
            <translation>Omettre l'en-tête de tableau au saut</translation>
        </message>
        <message>
            <source>Target Presentation Context</source>
            <translation>Contexte de présentation de la cible</translation>
        </message>
        <message>
            <source>Target Processing Context</source>
            <translation>Contexte de traitement de la cible</translation>
        </message>
        <message>
            <source>Target Stylesheet</source>
            <translation>Feuille de style de la cible</translation>
        </message>
        <message>
            <source>Terminate</source>
            <translation>Arrêter la transformation</translation>
        </message>
        <message>
            <source>Test</source>
            <translation>Expression testée</translation>
        </message>
        <message>
            <source>Text Align</source>
            <translation>Alignement du texte</translation>
        </message>
        <message>
            <source>Text Align Last</source>
            <translation>Alignement de la dernière ligne</translation>
        </message>
        <message>
            <source>Text Altitude</source>
            <translation>Hauteur au-dessus de la ligne de base</translation>
        </message>
        <message>
            <source>Text Decoration</source>
            <translation>Décoration du texte</translation>
        </message>
        <message>
            <source>Text Depth</source>
            <translation>Profondeur sous la ligne de base</translation>
        </message>
        <message>
            <source>Text Indent</source>
            <translation>Retrait de première ligne</translation>
        </message>
        <message>
            <source>Text Line Through Style</source>
            <translation>Style du barré</translation>
        </message>
        <message>
            <source>Text Overline Style</source>
            <translation>Style du surligné</translation>
        </message>
        <message>
            <source>Text Shadow</source>
            <translation>Ombre du texte</translation>
        </message>
        <message>
            <source>Text Transform</source>
            <translation>Casse du texte</translation>
        </message>
        <message>
            <source>Text Underline Color</source>
            <translation>Couleur du soulignement</translation>
        </message>
        <message>
            <source>Text Underline Style</source>
            <translation>Style du soulignement</translation>
        </message>
        <message>
            <source>Text Underline Width</source>
            <translation>Épaisseur du soulignement</translation>
        </message>
        <message>
            <source>Title</source>
            <translation>Titre</translation>
        </message>
        <message>
            <source>Top</source>
            <translation>Haut</translation>
        </message>
        <message>
            <source>Transpromo</source>
            <translation>Transpromo</translation>
        </message>
        <message>
            <source>Treat As Word Space</source>
            <translation>Traiter comme espace entre mots</translation>
        </message>
        <message>
            <source>Type</source>
            <translation>Type</translation>
        </message>
        <message>
            <source>Unicode Bidi</source>
            <translation>Bidirectionnalité Unicode</translation>
        </message>
        <message>
            <source>Use</source>
            <translation>Expression de clé</translation>
        </message>
        <message>
            <source>Use Attribute Sets</source>
            <translation>Jeux d'attributs utilisés</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Valeur</translation>
        </message>
        <message>
            <source>Value Type</source>
            <translation>Type de valeur</translation>
        </message>
        <message>
            <source>Version</source>
            <translation>Version</translation>
        </message>
        <message>
            <source>Vertical Align</source>
            <translation>Alignement vertical dans le texte</translation>
        </message>
        <message>
            <source>Visibility</source>
            <translation>Visibilité</translation>
        </message>
        <message>
            <source>Voice Family</source>
            <translation>Voix</translation>
        </message>
        <message>
            <source>Volume</source>
            <translation>Volume</translation>
        </message>
        <message>
            <source>White Space</source>
            <translation>Espaces blancs</translation>
        </message>
        <message>
            <source>White Space Collapse</source>
            <translation>Fusion des espaces blancs</translation>
        </message>
        <message>
            <source>White Space Treatment</source>
            <translation>Traitement des espaces blancs</translation>
        </message>
        <message>
            <source>Widows</source>
            <translation>Lignes veuves</translation>
        </message>
        <message>
            <source>Width</source>
            <translation>Largeur</translation>
        </message>
        <message>
            <source>Word Spacing</source>
            <translation>Espacement des mots</translation>
        </message>
        <message>
            <source>Wrap Option</source>
            <translation>Retour à la ligne</translation>
        </message>
        <message>
            <source>Writing Mode</source>
            <translation>Mode d'écriture</translation>
        </message>
        <message>
            <source>XML Language</source>
            <translation>Langue XML</translation>
        </message>
        <message>
            <source>XPath</source>
            <translation>XPath</translation>
        </message>
        <message>
            <source>XSLT</source>
            <translation>XSLT</translation>
        </message>
        <message>
            <source>XSLT Engine</source>
            <translation>Processeur XSLT</translation>
        </message>
        <message>
            <source>Z Index</source>
            <translation>Ordre d'empilement</translation>
        </message>
        <message>
            <source>Zero Digit</source>
            <translation>Chiffre zéro</translation>
        </message>
        <message>
            <source>Zoom</source>
            <translation>Niveau de zoom</translation>
        </message>
    </context>
    <context>
        <name>TemplateDocument</name>
        <message>
            <source>Cannot read %1: %2</source>
            <translation>Impossible de lire %1 : %2</translation>
        </message>
        <message>
            <source>Cannot save %1: %2</source>
            <translation>Impossible d'enregistrer %1 : %2</translation>
        </message>
        <message>
            <source>The markup of this object cannot be changed here. Edit it in the source view.</source>
            <translation>Le balisage de cet objet ne peut pas être modifié ici. Modifiez-le dans la vue source.</translation>
        </message>
        <message>
            <source>Change Properties</source>
            <translation>Modifier les propriétés</translation>
        </message>
        <message>
            <source>The template binds the prefix %1 to another namespace.</source>
            <translation>Le modèle associe le préfixe %1 à un autre espace de noms.</translation>
        </message>
        <message>
            <source>Insert</source>
            <translation>Insérer</translation>
        </message>
        <message>
            <source>Edit Source</source>
            <translation>Modifier la source</translation>
        </message>
        <message>
            <source>The object is no longer in the template.</source>
            <translation>L'objet ne se trouve plus dans le modèle.</translation>
        </message>
        <message>
            <source>Change %1</source>
            <translation>Modifier %1</translation>
        </message>
        <message>
            <source>Load Sample Data</source>
            <translation>Charger les données d'exemple</translation>
        </message>
        <message>
            <source>%1 is too large to open as a template (more than %2 MB).</source>
            <translation>%1 est trop volumineux pour être ouvert comme modèle (plus de %2 Mo).</translation>
        </message>
        <message>
            <source>%1 is not an XSL-FO template: its root element is not fo:root.</source>
            <translation>%1 n'est pas un modèle XSL-FO : son élément racine n'est pas fo:root.</translation>
        </message>
        <message>
            <source>Parameters</source>
            <translation>Paramètres</translation>
        </message>
        <message>
            <source>Conditional Formatting</source>
            <translation>Mise en forme conditionnelle</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>Modifier</translation>
        </message>
    </context>
    <context>
        <name>TemplatePageSets</name>
        <message>
            <source>The template has no page layouts to make a page set of.</source>
            <translation>Le modèle n'a pas de mises en page dont faire un jeu de pages.</translation>
        </message>
    </context>
    <context>
        <name>TextPanelSampleDlg</name>
        <message>
            <source>Text Panels</source>
            <translation>Panneaux de texte</translation>
        </message>
        <message>
            <source>Sample text</source>
            <translation>Exemple de texte</translation>
        </message>
        <message>
            <source>No preview available</source>
            <translation>Aucun aperçu disponible</translation>
        </message>
        <message>
            <source>The text stays centred on one line</source>
            <translation>Le texte reste centré sur une ligne</translation>
        </message>
    </context>
    <context>
        <name>VarEditDlg</name>
        <message>
            <source>Edit Parameter</source>
            <translation>Modifier le paramètre</translation>
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation>&amp;Nom :</translation>
        </message>
        <message>
            <source>&amp;Default Value:</source>
            <translation>Valeur par &amp;défaut :</translation>
        </message>
    </context>
    <context>
        <name>XPathCtrlSheet</name>
        <message>
            <source>XPath fields</source>
            <translation>Champs XPath</translation>
        </message>
        <message>
            <source>With sample data:</source>
            <translation>Avec données d'exemple :</translation>
        </message>
        <message>
            <source>Without document:</source>
            <translation>Sans document :</translation>
        </message>
    </context>
    <context>
        <name>XPathEditDlg</name>
        <message>
            <source> Edit Expression</source>
            <translation>Editer l’Expression</translation>
        </message>
        <message>
            <source>&amp;Context:</source>
            <translation>&amp;Contexte :</translation>
        </message>
        <message>
            <source>&amp;Expression:</source>
            <translation>&amp;Expression :</translation>
        </message>
        <message>
            <source>Division ('/' reserved)</source>
            <translation>Division ('/' réservé)</translation>
        </message>
        <message>
            <source>Modulo</source>
            <translation>Modulo</translation>
        </message>
        <message>
            <source>Boolean And</source>
            <translation>Et booléen</translation>
        </message>
        <message>
            <source>Boolean Or</source>
            <translation>Ou booléen</translation>
        </message>
        <message>
            <source>Boolean Not</source>
            <translation>Non booléen</translation>
        </message>
        <message>
            <source>Logical And</source>
            <translation>Et logique</translation>
        </message>
        <message>
            <source>Logical Or</source>
            <translation>Ou logique</translation>
        </message>
        <message>
            <source>Logical Not</source>
            <translation>Non logique</translation>
        </message>
        <message>
            <source>Undo</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Redo</source>
            <translation>Rétablir</translation>
        </message>
        <message>
            <source>Check the expression</source>
            <translation>Vérifier l'expression</translation>
        </message>
        <message>
            <source>Back to the context node</source>
            <translation>Retour au nœud de contexte</translation>
        </message>
        <message>
            <source>Function Types</source>
            <translation>Types de fonctions</translation>
        </message>
    </context>
    <context>
        <name>XmlViewFindReplaceDlg</name>
        <message>
            <source>Replace</source>
            <translation>Remplacer</translation>
        </message>
        <message>
            <source>Fi&amp;nd what:</source>
            <translation>Rech&amp;ercher :</translation>
        </message>
        <message>
            <source>Re&amp;place with:</source>
            <translation>Rem&amp;placer par :</translation>
        </message>
        <message>
            <source>Match &amp;whole word only</source>
            <translation>&amp;Mot entier uniquement</translation>
        </message>
        <message>
            <source>Match &amp;case</source>
            <translation>Respecter la &amp;casse</translation>
        </message>
        <message>
            <source>Regular e&amp;xpression</source>
            <translation>E&amp;xpression régulière</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>Direction</translation>
        </message>
        <message>
            <source>&amp;Up</source>
            <translation>Vers le &amp;haut</translation>
        </message>
        <message>
            <source>&amp;Down</source>
            <translation>Vers le &amp;bas</translation>
        </message>
        <message>
            <source>&amp;Find Next</source>
            <translation>&amp;Suivant</translation>
        </message>
        <message>
            <source>&amp;Replace</source>
            <translation>&amp;Remplacer</translation>
        </message>
        <message>
            <source>Replace &amp;All</source>
            <translation>Remplacer &amp;tout</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Find</source>
            <translation>Rechercher</translation>
        </message>
    </context>
    <context>
        <name>XsdSampleBuilder</name>
        <message>
            <source>The schema's content models are nested too deeply or repeated too often to build sample data from.</source>
            <translation>Les modèles de contenu du schéma sont trop imbriqués ou trop souvent répétés pour en créer des données d'exemple.</translation>
        </message>
        <message>
            <source>The schema nests elements more than %1 levels deep.</source>
            <translation>Le schéma imbrique des éléments sur plus de %1 niveaux.</translation>
        </message>
        <message>
            <source>The complex type "%1" derives from itself.</source>
            <translation>Le type complexe « %1 » dérive de lui-même.</translation>
        </message>
        <message>
            <source>The attribute group "%1" contains itself.</source>
            <translation>Le groupe d'attributs « %1 » se contient lui-même.</translation>
        </message>
        <message>
            <source>The group "%1" contains itself.</source>
            <translation>Le groupe « %1 » se contient lui-même.</translation>
        </message>
        <message>
            <source>The sample data built from the schema would have more than %1 elements.</source>
            <translation>Les données d'exemple créées à partir du schéma compteraient plus de %1 éléments.</translation>
        </message>
    </context>
</TS>
