<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
    <context>
        <name>ColorCtrl</name>
        <message>
            <source>Choose a colour</source>
            <translation>Choisir une couleur</translation>
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
            <translation>&amp;Données</translation>
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
    </context>
    <context>
        <name>DialogCommands</name>
        <message>
            <source>&amp;Log...</source>
            <translation>&amp;Journal...</translation>
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
        <name>SampleTreeView</name>
        <message>
            <source>Node</source>
            <translation>Nœud</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Valeur</translation>
        </message>
        <message>
            <source>No sample data</source>
            <translation>Aucune donnée d'exemple</translation>
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
</TS>
