<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AppIdentity</name>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Radios</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Version du micrologiciel</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Écrit</translation>
    </message>
    <message>
        <source>%1 programmed, %2 failed</source>
        <translation>%1 programmées, %2 en échec</translation>
    </message>
    <message>
        <source>Batch Report</source>
        <translation>Rapport de lot</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Product version %1</source>
        <translation>Version du produit %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>CAskPwdDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Please enter the password:</source>
        <translation>Veuillez saisir le mot de passe :</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>The password is not correct. Please check it!</source>
        <translation>Le mot de passe est incorrect. Veuillez le vérifier !</translation>
    </message>
</context>
<context>
    <name>CBaseView</name>
    <message>
        <source>Change %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>Invalid Value.</source>
        <translation>Valeur non valide.</translation>
    </message>
</context>
<context>
    <name>CButtonsView</name>
    <message>
        <source>Do you want to reset all buttons with their defaults?</source>
        <translation>Voulez-vous rétablir les valeurs par défaut de tous les boutons ?</translation>
    </message>
    <message>
        <source>Button Reset</source>
        <translation>Réinitialisation des boutons</translation>
    </message>
    <message>
        <source>Some files needed by CPS are not available.
Please reinstall CPS.</source>
        <translation>Certains fichiers nécessaires au CPS sont introuvables.
Veuillez réinstaller le CPS.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Arrêt</translation>
    </message>
</context>
<context>
    <name>CChannelBulkEditDialog</name>
    <message>
        <source>Edit Selected Channels (%1)</source>
        <translation>Modifier les canaux sélectionnés (%1)</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>inchangé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Edit Selected Channels</source>
        <translation>Modifier les canaux sélectionnés</translation>
    </message>
</context>
<context>
    <name>CChannelFindDialog</name>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Find what:</source>
        <translation>Rechercher :</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Remplacer par :</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Rechercher dans :</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Actuel</translation>
    </message>
    <message>
        <source>Becomes</source>
        <translation>Devient</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Remplacer &amp;tout</translation>
    </message>
    <message>
        <source>(no such value)</source>
        <translation>(aucune valeur de ce type)</translation>
    </message>
</context>
<context>
    <name>CChannelImportDialog</name>
    <message>
        <source>Added</source>
        <translation>Ajouté</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Inchangé</translation>
    </message>
    <message>
        <source>Adapted</source>
        <translation>Adapté</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdu</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Refusé</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importer des canaux</translation>
    </message>
    <message>
        <source>%1 row(s) are refused and will not be imported.</source>
        <translation>%1 ligne(s) sont refusées et ne seront pas importées.</translation>
    </message>
    <message>
        <source>Nothing changes until you choose Import.</source>
        <translation>Rien ne change avant que vous choisissiez Importer.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Quoi</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossible de lire le fichier &quot;%1&quot; : %2</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Exporter les canaux</translation>
    </message>
    <message>
        <source>Failed to save &quot;%1&quot;: %2</source>
        <translation>Échec de l&apos;enregistrement de &quot;%1&quot; : %2</translation>
    </message>
</context>
<context>
    <name>CChannelTableModel</name>
    <message>
        <source>Change %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>Channel %1 (%2): %3</source>
        <translation>Canal %1 (%2) : %3</translation>
    </message>
</context>
<context>
    <name>CChannelTableView</name>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Fill Down %1</source>
        <translation>Recopier vers le bas %1</translation>
    </message>
</context>
<context>
    <name>CChannelView</name>
    <message>
        <source>Transmit Power</source>
        <translation>Puissance d&apos;émission</translation>
    </message>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Erreur : la vue Informations radio charge les données.</translation>
    </message>
    <message>
        <source>2W limit</source>
        <translation>Limite 2 W</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Hors plage</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>Change Frequency</source>
        <translation>Modifier la fréquence</translation>
    </message>
    <message>
        <source>The transmit frequency index can not be same as the receive frequency index. The next available transmit frequency shall be selected.</source>
        <translation>L&apos;index de la fréquence d&apos;émission ne peut pas être identique à celui de la fréquence de réception. La fréquence d&apos;émission disponible suivante sera sélectionnée.</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Disable this channel shall cause the value change of the Preset Channel button. Do you want to continue?</source>
        <translation>Ce canal est affecté à un bouton de canal présélectionné. La désactivation de ce canal modifiera la valeur de ce bouton. Voulez-vous continuer ?</translation>
    </message>
</context>
<context>
    <name>CChannelsView</name>
    <message>
        <source>Import CSV...</source>
        <translation>Importer CSV...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exporter CSV...</translation>
    </message>
</context>
<context>
    <name>CCompareCommand</name>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>Co&amp;mparer...</translation>
    </message>
    <message>
        <source>Lists the differences between a profile and another profile, a file or the radio</source>
        <translation>Liste les différences entre un profil et un autre profil, un fichier ou la radio</translation>
    </message>
    <message>
        <source>Profiles and codeplug images (*.kv9 *.img);;All files (*)</source>
        <translation>Profils et images de codeplug (*.kv9 *.img);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossible de lire le fichier &quot;%1&quot; : %2</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be compared.</source>
        <translation>Impossible de comparer %1 et %2.</translation>
    </message>
</context>
<context>
    <name>CCompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil :</translation>
    </message>
    <message>
        <source>Compare &amp;with:</source>
        <translation>Comparer &amp;avec :</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparer</translation>
    </message>
    <message>
        <source>A profile or codeplug image file...</source>
        <translation>Un fichier de profil ou d’image de codeplug...</translation>
    </message>
    <message>
        <source>The radio on the cable</source>
        <translation>La radio branchée au câble</translation>
    </message>
</context>
<context>
    <name>CComparisonWindow</name>
    <message>
        <source>Compare: %1 and %2</source>
        <translation>Comparaison : %1 et %2</translation>
    </message>
    <message>
        <source>%1 and %2 are the same.</source>
        <translation>%1 et %2 sont identiques.</translation>
    </message>
    <message numerus="yes">
        <source>%n difference(s) from %1 to %2:</source>
        <translation>
            <numerusform>%n différence de %1 à %2 :</numerusform>
            <numerusform>%n différences de %1 à %2 :</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Go to Field</source>
        <translation>&amp;Aller au champ</translation>
    </message>
</context>
<context>
    <name>CDataAdaptor</name>
    <message>
        <source>Invalid serial number</source>
        <translation>Numéro de série non valide</translation>
    </message>
    <message>
        <source>Codeplug is corrupted</source>
        <translation>Le codeplug est corrompu</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>Fréquence non valide.</translation>
    </message>
</context>
<context>
    <name>CDealerInfoDialog</name>
    <message>
        <source>Error: There is an error when acquiring language type.</source>
        <translation>Erreur : impossible de déterminer la langue.</translation>
    </message>
    <message>
        <source>Error: Load dealer information failed.</source>
        <translation>Erreur : échec du chargement des informations revendeur.</translation>
    </message>
    <message>
        <source>Dealer Information</source>
        <translation>Informations revendeur</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Contact Information</source>
        <translation>Coordonnées</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>The dealer information in the settings is too long to fit the dialog, please check it!</source>
        <translation>Les informations revendeur enregistrées dans les paramètres sont trop longues pour la boîte de dialogue. Veuillez les vérifier !</translation>
    </message>
    <message>
        <source>Failed to write the settings!</source>
        <translation>Échec de l&apos;écriture des paramètres !</translation>
    </message>
</context>
<context>
    <name>CDifferenceList</name>
    <message>
        <source>Differences</source>
        <translation>Différences</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
</context>
<context>
    <name>CDocumentCommands</name>
    <message>
        <source>&quot;%1&quot; is open in another window. Close that window first, or save under another name.</source>
        <translation>« %1 » est ouvert dans une autre fenêtre. Fermez d&apos;abord cette fenêtre ou enregistrez sous un autre nom.</translation>
    </message>
</context>
<context>
    <name>CFleetBatch</name>
    <message>
        <source>A batch is under way.</source>
        <translation>Une programmation en série est déjà en cours.</translation>
    </message>
    <message>
        <source>Name each cable of the batch once.</source>
        <translation>Indiquez chaque câble de la série une seule fois.</translation>
    </message>
    <message>
        <source>A batch of %1 radios cannot use %2 cables.</source>
        <translation>Une série de %1 radios ne peut pas utiliser %2 câbles.</translation>
    </message>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>Impossible d&apos;ouvrir le profil.</translation>
    </message>
</context>
<context>
    <name>CFrequencyView</name>
    <message>
        <source>%1 KHz only</source>
        <translation>%1 kHz uniquement</translation>
    </message>
    <message>
        <source>User selectable with %1 KHz as default</source>
        <translation>Au choix, %1 kHz par défaut</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Fréquence (MHz)</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Largeur de bande</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Niveau de puissance</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Compandeur</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Erreur : la vue Informations radio charge les données.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>Fréquence non valide.</translation>
    </message>
    <message>
        <source>The frequency is authorized for 2W maximum transmit power.  CPS shall convert to low power mode.</source>
        <translation>Cette fréquence est autorisée pour une puissance d&apos;émission maximale de 2 W. Le CPS va passer en faible puissance.</translation>
    </message>
    <message>
        <source>Add Frequency</source>
        <translation>Ajouter une fréquence</translation>
    </message>
    <message>
        <source>Change Frequency</source>
        <translation>Modifier la fréquence</translation>
    </message>
    <message>
        <source>Do you want to delete the selected item(s)?</source>
        <translation>Voulez-vous supprimer le ou les éléments sélectionnés ?</translation>
    </message>
    <message>
        <source>Frequency (Frequencies) used by channel can not be deleted.</source>
        <translation>Les fréquences utilisées par un canal ne peuvent pas être supprimées.</translation>
    </message>
    <message>
        <source>Delete Frequency</source>
        <translation>Supprimer la fréquence</translation>
    </message>
</context>
<context>
    <name>CHelpBrowser</name>
    <message>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
    </message>
</context>
<context>
    <name>CHelpPane</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>CHelpSystem</name>
    <message>
        <source>Error: Can not find the help file!</source>
        <translation>Erreur : fichier d&apos;aide introuvable !</translation>
    </message>
    <message>
        <source>Error: Help File format is invalid!</source>
        <translation>Erreur : le format du fichier d&apos;aide n&apos;est pas valide !</translation>
    </message>
    <message>
        <source>Error: Can not find help file information in the settings!</source>
        <translation>Erreur : informations sur le fichier d&apos;aide introuvables dans les paramètres !</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Aide de %1</translation>
    </message>
    <message>
        <source>Help navigation</source>
        <translation>Navigation dans l&apos;aide</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Look for</source>
        <translation>Mot clé</translation>
    </message>
    <message>
        <source>Search for</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Résultats de la recherche</translation>
    </message>
</context>
<context>
    <name>CLockPanes</name>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Verr. Maj</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Verr. Num</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DEF</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Arrêt défil</translation>
    </message>
</context>
<context>
    <name>CMainCommands</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
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
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>Reno&amp;mmer</translation>
    </message>
    <message>
        <source>Dealer &amp;Info</source>
        <translation>&amp;Infos revendeur</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>&amp;Help Pane</source>
        <translation>&amp;Volet d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>É&amp;crire</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>Ra&amp;pport</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaïque</translation>
    </message>
    <message>
        <source>&amp;Content and Index...</source>
        <translation>&amp;Sommaire et index...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos de</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Canada French</source>
        <translation>Français (Canada)</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>LA Portuguese</source>
        <translation>Portugais (Amérique latine)</translation>
    </message>
    <message>
        <source>LA Spanish</source>
        <translation>Espagnol (Amérique latine)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Radio</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Edit Selected C&amp;hannels...</source>
        <translation>Modifier les &amp;canaux sélectionnés...</translation>
    </message>
    <message>
        <source>Restore Radio &amp;Backup...</source>
        <translation>Restaurer la &amp;sauvegarde de la radio...</translation>
    </message>
    <message>
        <source>Program &amp;Several Radios...</source>
        <translation>Programmer &amp;plusieurs radios...</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>Cable status</source>
        <translation>État du câble</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>There are %1 USB connections. Please remove the unused one and keep one connection only.</source>
        <translation>Il y a %1 connexions USB. Veuillez débrancher celles qui ne servent pas et n&apos;en garder qu&apos;une seule.</translation>
    </message>
    <message>
        <source>USB Cable Connected</source>
        <translation>Câble USB connecté</translation>
    </message>
    <message>
        <source>USB Cable Not Connected</source>
        <translation>Câble USB non connecté</translation>
    </message>
    <message>
        <source>%1 connected</source>
        <translation>%1 connecté</translation>
    </message>
    <message>
        <source>%1 not connected</source>
        <translation>%1 non connecté</translation>
    </message>
    <message>
        <source>You have to restart the CPS for this change to take effect.</source>
        <translation>Vous devez redémarrer le CPS pour que cette modification prenne effet.</translation>
    </message>
</context>
<context>
    <name>CNewProfileDlg</name>
    <message>
        <source>New Profile</source>
        <translation>Nouveau profil</translation>
    </message>
    <message>
        <source>Please choose profile model.</source>
        <translation>Veuillez choisir le modèle du profil.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Error: Can not find template files!</source>
        <translation>Erreur : fichiers modèles introuvables !</translation>
    </message>
</context>
<context>
    <name>CProgramRadiosDlg</name>
    <message>
        <source>Program Several Radios</source>
        <translation>Programmer plusieurs radios</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil :</translation>
    </message>
    <message>
        <source>None: every radio gets the profile as it is</source>
        <translation>Aucune : chaque radio reçoit le profil tel quel</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Per-radio &amp;values (CSV):</source>
        <translation>&amp;Valeurs par radio (CSV) :</translation>
    </message>
    <message>
        <source>&amp;Cables:</source>
        <translation>&amp;Câbles :</translation>
    </message>
    <message>
        <source>A serial device, such as /dev/ttyUSB1</source>
        <translation>Un périphérique série, par exemple /dev/ttyUSB1</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;Other cable:</source>
        <translation>&amp;Autre câble :</translation>
    </message>
    <message>
        <source>Until Stop</source>
        <translation>Jusqu&apos;à l&apos;arrêt</translation>
    </message>
    <message>
        <source>&amp;Radios in the batch:</source>
        <translation>&amp;Radios du lot :</translation>
    </message>
    <message>
        <source>Only for radios with a codeplug password</source>
        <translation>Uniquement pour les radios protégées par un mot de passe codeplug</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message>
        <source>C&amp;ustomer:</source>
        <translation>C&amp;lient :</translation>
    </message>
    <message>
        <source>&amp;Write again a radio already done in this batch</source>
        <translation>Écrire de &amp;nouveau une radio déjà terminée dans ce lot</translation>
    </message>
    <message>
        <source>Choose the cables and press Start.</source>
        <translation>Choisissez les câbles et appuyez sur Démarrer.</translation>
    </message>
    <message>
        <source>Batch status</source>
        <translation>État du lot</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>Câbles</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Radios</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Câble</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Micrologiciel</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Écrit</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Durée (s)</translation>
    </message>
    <message>
        <source>There is no device &quot;%1&quot;.</source>
        <translation>Le périphérique « %1 » n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Per-Radio Values</source>
        <translation>Valeurs par radio</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Choose at least one cable.</source>
        <translation>Choisissez au moins un câble.</translation>
    </message>
    <message>
        <source>The profile cannot be copied for the batch: %1.</source>
        <translation>Le profil ne peut pas être copié pour le lot : %1.</translation>
    </message>
    <message>
        <source>The batch has started.</source>
        <translation>Le lot a démarré.</translation>
    </message>
    <message>
        <source>&amp;Cancel Radios</source>
        <translation>&amp;Annuler les radios</translation>
    </message>
    <message>
        <source>Cancel Radios</source>
        <translation>Annuler les radios</translation>
    </message>
    <message>
        <source>Stopping: the radios in progress finish. Cancel Radios stops them too.</source>
        <translation>Arrêt en cours : les radios en cours se terminent. Annuler les radios les arrête aussi.</translation>
    </message>
    <message>
        <source>Waiting for a radio</source>
        <translation>En attente d&apos;une radio</translation>
    </message>
    <message>
        <source>Progress on %1</source>
        <translation>Progression sur %1</translation>
    </message>
    <message>
        <source>State of %1</source>
        <translation>État de %1</translation>
    </message>
    <message>
        <source>Identifying</source>
        <translation>Identification</translation>
    </message>
    <message>
        <source>Backing up</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lecture...</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Écriture</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>Connect the next radio</source>
        <translation>Connectez la radio suivante</translation>
    </message>
    <message numerus="yes">
        <source>Connect the next radio. %n radio(s) done.</source>
        <translation>
            <numerusform>Connectez la radio suivante. %n radio terminée.</numerusform>
            <numerusform>Connectez la radio suivante. %n radios terminées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Already done</source>
        <translation>Déjà terminée</translation>
    </message>
    <message>
        <source>The radio %1 on %2 is already programmed in this batch: it is skipped. Connect the next radio.</source>
        <translation>La radio %1 sur %2 est déjà programmée dans ce lot : elle est ignorée. Connectez la radio suivante.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Stored</source>
        <translation>Enregistrée</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Réussie</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>Non atteinte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Échec : %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminée</translation>
    </message>
    <message>
        <source>The batch has ended: %1 programmed, %2 failed. The log is in %3.</source>
        <translation>Le lot est terminé : %1 programmées, %2 en échec. Le journal se trouve dans %3.</translation>
    </message>
</context>
<context>
    <name>CRadioCommands</name>
    <message>
        <source>Transferring...</source>
        <translation>Transfert en cours...</translation>
    </message>
    <message>
        <source>Do you want to create a new profile (Yes), overwrite the currently selected profile (No) or cancel it?</source>
        <translation>Voulez-vous créer un nouveau profil (Oui), remplacer le profil sélectionné (Non) ou annuler ?</translation>
    </message>
    <message>
        <source>There are no radio backups in %1.</source>
        <translation>Il n&apos;y a aucune sauvegarde de radio dans %1.</translation>
    </message>
    <message>
        <source>%1  %2 (%3)  %4  %5</source>
        <translation>%1  %2 (%3)  %4  %5</translation>
    </message>
    <message>
        <source>Restore Radio Backup</source>
        <translation>Restaurer la sauvegarde de la radio</translation>
    </message>
    <message>
        <source>Backup to write into the radio on the cable:</source>
        <translation>Sauvegarde à écrire dans la radio reliée au câble :</translation>
    </message>
</context>
<context>
    <name>CRadioInfoView</name>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Erreur : la vue Informations radio charge les données.</translation>
    </message>
</context>
<context>
    <name>CRadioOperations</name>
    <message>
        <source>backup of %1</source>
        <translation>sauvegarde de %1</translation>
    </message>
    <message>
        <source>This backup is of a %1 radio, and the radio on the cable is a %2; it is not written.</source>
        <translation>Cette sauvegarde provient d&apos;une radio %1 et la radio reliée au câble est une %2 ; elle n&apos;est pas écrite.</translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation>Rien n&apos;a été écrit dans la radio.</translation>
    </message>
    <message>
        <source>This backup was taken from the radio with the serial number %1, and the radio on the cable has %2. Write it into this radio?</source>
        <translation>Cette sauvegarde a été faite sur la radio de numéro de série %1 et la radio reliée au câble a %2. L&apos;écrire dans cette radio ?</translation>
    </message>
    <message>
        <source>What the radio held before the write is kept in %1.</source>
        <translation>Le contenu de la radio avant l&apos;écriture est conservé dans %1.</translation>
    </message>
    <message>
        <source>The radio holds its backup again; the profile was not written.</source>
        <translation>La radio contient de nouveau sa sauvegarde ; le profil n&apos;a pas été écrit.</translation>
    </message>
    <message>
        <source>The radio did not keep these settings: %1</source>
        <translation>La radio n&apos;a pas conservé ces paramètres : %1</translation>
    </message>
    <message>
        <source>Write to the radio again?</source>
        <translation>Écrire de nouveau dans la radio ?</translation>
    </message>
    <message>
        <source>Put the radio back as it was before the write, from its backup %1?</source>
        <translation>Remettre la radio dans l&apos;état d&apos;avant l&apos;écriture à partir de sa sauvegarde %1 ?</translation>
    </message>
</context>
<context>
    <name>CReadWriteDialog</name>
    <message>
        <source>Read</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écriture</translation>
    </message>
    <message>
        <source>Reading from the radio ...</source>
        <translation>Lecture de la radio en cours...</translation>
    </message>
    <message>
        <source>Writing to the radio ...</source>
        <translation>Écriture dans la radio en cours...</translation>
    </message>
    <message>
        <source>Transfer status</source>
        <translation>État du transfert</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Progression du transfert</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Read Failed!</source>
        <translation>Échec de la lecture !</translation>
    </message>
    <message>
        <source>Write Failed!</source>
        <translation>Échec de l&apos;écriture !</translation>
    </message>
    <message>
        <source>Read Successfully!</source>
        <translation>Lecture réussie !</translation>
    </message>
    <message>
        <source>Write Successfully!</source>
        <translation>Écriture réussie !</translation>
    </message>
</context>
<context>
    <name>CReportDlg</name>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Web pages (*.htm *.html)</source>
        <translation>Pages Web (*.htm *.html)</translation>
    </message>
    <message>
        <source>The report could not be written to &quot;%1&quot;.</source>
        <translation>Impossible d&apos;écrire le rapport dans « %1 ».</translation>
    </message>
    <message>
        <source>The report cannot be shown here: the browser library is missing.</source>
        <translation>Le rapport ne peut pas être affiché ici : la bibliothèque du navigateur est absente.</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Impossible d&apos;imprimer le rapport.</translation>
    </message>
</context>
<context>
    <name>CReportOptionDlg</name>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Choose a report template.</source>
        <translation>Choisissez un modèle de rapport.</translation>
    </message>
    <message>
        <source>Customer Handout</source>
        <translation>Fiche client</translation>
    </message>
    <message>
        <source>Detailed Report</source>
        <translation>Rapport détaillé</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>CScanView</name>
    <message>
        <source>Add to the scan list</source>
        <translation>Ajouter à la liste de balayage</translation>
    </message>
    <message>
        <source>Remove from the scan list</source>
        <translation>Retirer de la liste de balayage</translation>
    </message>
</context>
<context>
    <name>CSettingView</name>
    <message>
        <source>Please enter 4 numeric characters.</source>
        <translation>Veuillez saisir 4 chiffres.</translation>
    </message>
    <message>
        <source>The passwords you entered do not match.</source>
        <translation>Les mots de passe saisis ne correspondent pas.</translation>
    </message>
</context>
<context>
    <name>CSplashScreen</name>
    <message>
        <source>Splash screen</source>
        <translation>Écran de démarrage</translation>
    </message>
</context>
<context>
    <name>CStartPage</name>
    <message>
        <source>No profile opened yet.</source>
        <translation>Aucun profil ouvert pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Start page</source>
        <translation>Page d&apos;accueil</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Nouveau profil</translation>
    </message>
    <message>
        <source>A new profile from a model&apos;s template</source>
        <translation>Un nouveau profil à partir du modèle d&apos;une radio</translation>
    </message>
    <message>
        <source>Open Profile</source>
        <translation>Ouvrir un profil</translation>
    </message>
    <message>
        <source>A profile file (.kv9) on this computer</source>
        <translation>Un fichier de profil (.kv9) sur cet ordinateur</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Lire la radio</translation>
    </message>
    <message>
        <source>The profile of the radio on the cable</source>
        <translation>Le profil de la radio raccordée au câble</translation>
    </message>
    <message>
        <source>&amp;Recent profiles</source>
        <translation>Profils &amp;récents</translation>
    </message>
    <message>
        <source>Recent profiles</source>
        <translation>Profils récents</translation>
    </message>
    <message>
        <source>Enter opens the selected profile</source>
        <translation>Entrée ouvre le profil sélectionné</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>unknown model</source>
        <translation>modèle inconnu</translation>
    </message>
    <message>
        <source>Cable: %1</source>
        <translation>Câble : %1</translation>
    </message>
</context>
<context>
    <name>CSupportFileCommand</name>
    <message>
        <source>Create &amp;Support File...</source>
        <translation>Créer un fichier d&apos;&amp;assistance...</translation>
    </message>
    <message>
        <source>Saves the versions, cable, radio, settings and radio traces for the supplier</source>
        <translation>Enregistre les versions, le câble, la radio, les paramètres et les traces radio pour le fournisseur</translation>
    </message>
    <message>
        <source>Create Support File</source>
        <translation>Créer un fichier d&apos;assistance</translation>
    </message>
    <message>
        <source>Support files (*.tar.gz)</source>
        <translation>Fichiers d&apos;assistance (*.tar.gz)</translation>
    </message>
    <message>
        <source>Add the open profile to the support file? Its codeplug password is left out.</source>
        <translation>Ajouter le profil ouvert au fichier d&apos;assistance ? Son mot de passe de codeplug n&apos;y figure pas.</translation>
    </message>
    <message>
        <source>The support file has been saved as &quot;%1&quot;.</source>
        <translation>Le fichier d&apos;assistance a été enregistré sous « %1 ».</translation>
    </message>
    <message>
        <source>Cannot save the support file &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;enregistrer le fichier d&apos;assistance « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>CVelaCPSApp</name>
    <message>
        <source>CPS needs vbscript engine to start. Please install vbscript engine before re-starting the %1.</source>
        <translation>Le CPS a besoin du moteur VBScript pour démarrer. Veuillez installer le moteur VBScript avant de redémarrer %1.</translation>
    </message>
    <message>
        <source>The language resource file is missing. The CPS will start with English language version.</source>
        <translation>Le fichier de ressources de langue est introuvable. Le CPS va démarrer en anglais.</translation>
    </message>
</context>
<context>
    <name>CVelaCPSDoc</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
</context>
<context>
    <name>CVelaCPSTreeView</name>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>KVX Distributor Series</source>
        <translation>KVX Distributor Series</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Paramètres généraux</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Paramètres audio</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Boutons</translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation>Fréquences RF</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Liste de balayage</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>PL personnalisés</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>DPL personnalisés</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Ajouter un canal</translation>
    </message>
    <message>
        <source>The last valid channel can not be deleted.</source>
        <translation>Le dernier canal valide ne peut pas être supprimé.</translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Supprimer le canal</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Deleting this channel shall cause the value change of the Preset Channel button. Do you want to continue?</source>
        <translation>Ce canal est affecté à un bouton de canal présélectionné. La suppression de ce canal modifiera la valeur de ce bouton. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Rename Channel</source>
        <translation>Renommer le canal</translation>
    </message>
    <message>
        <source>&amp;Add	Ctrl+A</source>
        <translation>A&amp;jouter	Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Supprimer	Suppr</translation>
    </message>
    <message>
        <source>&amp;Rename	F2</source>
        <translation>Reno&amp;mmer	F2</translation>
    </message>
</context>
<context>
    <name>CWriteReviewDialog</name>
    <message>
        <source>&amp;Do not ask again for identical models</source>
        <translation>&amp;Ne plus demander pour des modèles identiques</translation>
    </message>
    <message>
        <source>Write to Radio</source>
        <translation>Écrire dans la radio</translation>
    </message>
    <message>
        <source>The write changes these settings in the radio:</source>
        <translation>L&apos;écriture modifie ces paramètres dans la radio :</translation>
    </message>
    <message>
        <source>In the radio</source>
        <translation>Dans la radio</translation>
    </message>
    <message>
        <source>After the write</source>
        <translation>Après l’écriture</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>É&amp;crire</translation>
    </message>
    <message>
        <source>The choice not to be asked again could not be stored.</source>
        <translation>Le choix de ne plus être interrogé n’a pas pu être enregistré.</translation>
    </message>
</context>
<context>
    <name>CableChoices</name>
    <message>
        <source>USB programming cable</source>
        <translation>Câble de programmation USB</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ChannelCsv</name>
    <message>
        <source>Location %1: the model has no room for more channels; the row is not imported.</source>
        <translation>Position %1 : le modèle n&apos;a plus de place pour d&apos;autres canaux ; la ligne n&apos;est pas importée.</translation>
    </message>
    <message>
        <source>Location %1 becomes channel %2.</source>
        <translation>La position %1 devient le canal %2.</translation>
    </message>
    <message>
        <source>%1 MHz allows 2 W at most: it is added with low power only.</source>
        <translation>%1 MHz autorise 2 W au plus : ajoutée en puissance faible uniquement.</translation>
    </message>
    <message>
        <source>%1 MHz is added as 12.5 kHz only: the model allows no wider channels.</source>
        <translation>%1 MHz est ajoutée en 12,5 KHz uniquement : le modèle n&apos;autorise pas de canaux plus larges.</translation>
    </message>
    <message>
        <source>%1 MHz is added to the RF frequency table as entry %2.</source>
        <translation>%1 MHz est ajoutée à la table des fréquences RF comme entrée %2.</translation>
    </message>
    <message>
        <source>%1: the frequency allows only %2.</source>
        <translation>%1 : la fréquence n&apos;autorise que %2.</translation>
    </message>
    <message>
        <source>This radio cannot use %1: the channel gets no code.</source>
        <translation>Cette radio ne peut pas utiliser %1 : le canal n&apos;a pas de code.</translation>
    </message>
    <message>
        <source>Channel %1 is added.</source>
        <translation>Le canal %1 est ajouté.</translation>
    </message>
    <message>
        <source>Channel %1 is unchanged.</source>
        <translation>Le canal %1 est inchangé.</translation>
    </message>
    <message>
        <source>Channel %1 changes: %2.</source>
        <translation>Le canal %1 change : %2.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is cut to &quot;%2&quot;.</source>
        <translation>Le nom &quot;%1&quot; est raccourci en &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>This model has no repeater: the channel transmits on its receive frequency.</source>
        <translation>Ce modèle n&apos;a pas de répéteur : le canal émet sur sa fréquence de réception.</translation>
    </message>
    <message>
        <source>This model has no power choice: the power is not changed.</source>
        <translation>Ce modèle n&apos;a pas de choix de puissance : la puissance n&apos;est pas modifiée.</translation>
    </message>
    <message>
        <source>Power %1 becomes %2.</source>
        <translation>La puissance %1 devient %2.</translation>
    </message>
    <message>
        <source>This model transmits with its receive code: %1 is not sent.</source>
        <translation>Ce modèle émet avec son code de réception : %1 n&apos;est pas émis.</translation>
    </message>
    <message>
        <source>no code</source>
        <translation>aucun code</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importer des canaux</translation>
    </message>
    <message>
        <source>Location %1 is already on line %2.</source>
        <translation>La position %1 figure déjà à la ligne %2.</translation>
    </message>
    <message>
        <source>the row ends before this column.</source>
        <translation>la ligne se termine avant cette colonne.</translation>
    </message>
    <message>
        <source>a frequency is needed.</source>
        <translation>une fréquence est nécessaire.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a frequency in MHz.</source>
        <translation>&quot;%1&quot; n&apos;est pas une fréquence en MHz.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tone in Hz.</source>
        <translation>&quot;%1&quot; n&apos;est pas une tonalité en Hz.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a DCS code (octal).</source>
        <translation>&quot;%1&quot; n&apos;est pas un code DCS (octal).</translation>
    </message>
    <message>
        <source>Column %1 (%2): %3</source>
        <translation>Colonne %1 (%2) : %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a polarity (NN, NR, RN or RR).</source>
        <translation>&quot;%1&quot; n&apos;est pas une polarité (NN, NR, RN ou RR).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cross mode.</source>
        <translation>&quot;%1&quot; n&apos;est pas un mode croisé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tone mode (Tone, TSQL, DTCS or Cross).</source>
        <translation>&quot;%1&quot; n&apos;est pas un mode de tonalité (Tone, TSQL, DTCS ou Cross).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a power in watts.</source>
        <translation>&quot;%1&quot; n&apos;est pas une puissance en watts.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a duplex (empty, +, - or split).</source>
        <translation>&quot;%1&quot; n&apos;est pas un duplex (vide, +, - ou split).</translation>
    </message>
    <message>
        <source>the transmit frequency is out of bounds.</source>
        <translation>la fréquence d&apos;émission est hors limites.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not %2.</source>
        <translation>&quot;%1&quot; n&apos;est pas %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a channel number (1 or more).</source>
        <translation>&quot;%1&quot; n&apos;est pas un numéro de canal (1 ou plus).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a mode this radio has (FM or NFM).</source>
        <translation>&quot;%1&quot; n&apos;est pas un mode de cette radio (FM ou NFM).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a step in kHz.</source>
        <translation>&quot;%1&quot; n&apos;est pas un pas en kHz.</translation>
    </message>
    <message>
        <source>a skip mark (empty or S)</source>
        <translation>une marque d&apos;exclusion du balayage (vide ou S)</translation>
    </message>
    <message>
        <source>This is not a channel list: its first line must be a header that names the columns, at least Location and Frequency, such as
%1</source>
        <translation>Ce n&apos;est pas une liste de canaux : sa première ligne doit être un en-tête qui nomme les colonnes, au moins Location et Frequency, par exemple
%1</translation>
    </message>
    <message>
        <source>The file has more than %1 rows.</source>
        <translation>Le fichier a plus de %1 lignes.</translation>
    </message>
    <message>
        <source>Line %1: a quote is not closed.</source>
        <translation>Ligne %1 : un guillemet n&apos;est pas fermé.</translation>
    </message>
</context>
<context>
    <name>CodeDisplayText</name>
    <message>
        <source>No PL/DPL code</source>
        <translation>Pas de code PL/DPL</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>PL personnalisé</translation>
    </message>
    <message>
        <source>Inverted DPL</source>
        <translation>DPL inversé</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>DPL personnalisé</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>DPL</source>
        <translation>DPL</translation>
    </message>
</context>
<context>
    <name>ConfigStore</name>
    <message>
        <source>Fatal settings error, the application will be closed!</source>
        <translation>Erreur fatale des paramètres, l&apos;application va être fermée !</translation>
    </message>
</context>
<context>
    <name>Editors</name>
    <message>
        <source>Low</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Élevé</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Paramètres audio</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>Gain micro</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>Gain micro accessoire</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>Niveau VOX</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>Niveau iVOX</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>Langue d&apos;annonce des canaux</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Bip de fin d&apos;émission</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>Bip clavier</translation>
    </message>
    <message>
        <source>One feature can not be assigned to multiple buttons.</source>
        <translation>Une fonction ne peut pas être affectée à plusieurs boutons.</translation>
    </message>
    <message>
        <source>The channel can not be selected!</source>
        <translation>Ce canal ne peut pas être sélectionné !</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Écoute</translation>
    </message>
    <message>
        <source>Scan/Nuisance Channel Delete</source>
        <translation>Balayage/Suppr. canal parasite</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>Tonalité d&apos;appel</translation>
    </message>
    <message>
        <source>Tx Power Selection</source>
        <translation>Choix de puissance Tx</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Embrouillage</translation>
    </message>
    <message>
        <source>Repeater/Talkaround</source>
        <translation>Relais/Direct</translation>
    </message>
    <message>
        <source>No Operation</source>
        <translation>Aucune fonction</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Rétroéclairage</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Présélection 1</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Présélection 2</translation>
    </message>
    <message>
        <source>Selectable</source>
        <translation>Au choix</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>Marche/Arrêt</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Boutons</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>Verrouillage clavier</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>Bouton latéral 1 (SB1)</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>Bouton latéral 2 (SB2)</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Bouton A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Bouton B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>Bouton C</translation>
    </message>
    <message>
        <source>Button Reset</source>
        <translation>Réinitialisation des boutons</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>Bouton d&apos;embrouillage</translation>
    </message>
    <message>
        <source>Preset 1 Channel</source>
        <translation>Canal présélection 1</translation>
    </message>
    <message>
        <source>Preset 2 Channel</source>
        <translation>Canal présélection 2</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Ajouter un canal</translation>
    </message>
    <message>
        <source>Scramble Code 1</source>
        <translation>Code d&apos;embrouillage 1</translation>
    </message>
    <message>
        <source>Scramble Code 2</source>
        <translation>Code d&apos;embrouillage 2</translation>
    </message>
    <message>
        <source>Scramble Code 3</source>
        <translation>Code d&apos;embrouillage 3</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Fréquence (MHz)</translation>
    </message>
    <message>
        <source>Bandwidth (KHz)</source>
        <translation>Largeur de bande (kHz)</translation>
    </message>
    <message>
        <source>PL/DPL Code</source>
        <translation>Code PL/DPL</translation>
    </message>
    <message>
        <source>High-power is only available in non-PMR446 markets</source>
        <translation>La forte puissance n&apos;est disponible que hors des marchés PMR446</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>Désactiver le canal</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Réception</translation>
    </message>
    <message>
        <source>Talkaround Power</source>
        <translation>Puissance en direct</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Émission</translation>
    </message>
    <message>
        <source>Repeater Power</source>
        <translation>Puissance via relais</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Relais</translation>
    </message>
    <message>
        <source>In talkaround mode, Transmit will use Receive settings.</source>
        <translation>En mode direct, l&apos;émission utilise les paramètres de réception.</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>Balayage direct dynamique</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Balayage auto</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>PL personnalisés</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>Code PL 124 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>Code PL 125 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>Code PL 126 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>Code PL 127 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>Code PL 128 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>Code PL 129 (Hz)</translation>
    </message>
    <message>
        <source>The PL Code you input is invalid. The valid range is: 67.0 - 255.0 Hz.</source>
        <translation>Le code PL saisi n&apos;est pas valide. La plage valide est : 67,0 - 255,0 Hz.</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>DPL personnalisés</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>Code PL 214 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>Code PL 215 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>Code PL 216 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>Code PL 217 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>Code PL 218 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>Code PL 219 (OCT)</translation>
    </message>
    <message>
        <source>The DPL Code you entered is invalid. The valid range is(OCT): 001 - 777.</source>
        <translation>Le code DPL saisi n&apos;est pas valide. La plage valide est (OCT) : 001 - 777.</translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation>Fréquences RF</translation>
    </message>
    <message>
        <source>Low power only</source>
        <translation>Faible puissance uniquement</translation>
    </message>
    <message>
        <source>High power only</source>
        <translation>Forte puissance uniquement</translation>
    </message>
    <message>
        <source>User selectable with low power as default</source>
        <translation>Au choix, faible puissance par défaut</translation>
    </message>
    <message>
        <source>User selectable with high power as default</source>
        <translation>Au choix, forte puissance par défaut</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Largeur de bande</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Niveau de puissance</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Compandeur</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Informations radio</translation>
    </message>
    <message>
        <source>Regional Code</source>
        <translation>Code régional</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Version du firmware</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Version du codeplug</translation>
    </message>
    <message>
        <source>Frequency Range (MHz)</source>
        <translation>Plage de fréquences (MHz)</translation>
    </message>
    <message>
        <source>Rx Frequency Range (MHz)</source>
        <translation>Plage de fréquences Rx (MHz)</translation>
    </message>
    <message>
        <source>Tx Frequency Range (MHz)</source>
        <translation>Plage de fréquences Tx (MHz)</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>Nombre max. de canaux</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Liste de balayage</translation>
    </message>
    <message>
        <source>Available Channels</source>
        <translation>Canaux disponibles</translation>
    </message>
    <message>
        <source>&amp;Add&gt;&gt;</source>
        <translation>A&amp;jouter&gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;Re&amp;move</source>
        <translation>&lt;&lt;Reti&amp;rer</translation>
    </message>
    <message>
        <source>Scan List Members</source>
        <translation>Membres de la liste de balayage</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15 min</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>After conversation</source>
        <translation>Après la conversation</translation>
    </message>
    <message>
        <source>45 min</source>
        <translation>45 min</translation>
    </message>
    <message>
        <source>60 min</source>
        <translation>60 min</translation>
    </message>
    <message>
        <source>Alkaline</source>
        <translation>Alcaline</translation>
    </message>
    <message>
        <source>Nickel/LiIon</source>
        <translation>Nickel/Li-ion</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Paramètres généraux</translation>
    </message>
    <message>
        <source>Codeplug Password (4-digit number)</source>
        <translation>Mot de passe codeplug (4 chiffres)</translation>
    </message>
    <message>
        <source>Confirm Password (4-digit number)</source>
        <translation>Confirmer le mot de passe (4 chiffres)</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>Texte de démarrage</translation>
    </message>
    <message>
        <source>Power up text can only contain: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</source>
        <translation>Le texte de démarrage ne peut contenir que : A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>ID de station relais</translation>
    </message>
    <message>
        <source>Repeater station id can only contain letter and digits.</source>
        <translation>L&apos;ID de station relais ne peut contenir que des lettres et des chiffres.</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>Mode ID relais</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>Désactiver toutes les LED</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>Désactiver le retour aux réglages d&apos;usine</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>Activer le mode programmation</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>Désactiver l&apos;économie de batterie</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>Rétroéclairage (s)</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>Temporisation Tx (s)</translation>
    </message>
    <message>
        <source>The tx hangtime is invalid. Its range is 0 - 50.</source>
        <translation>La temporisation Tx n&apos;est pas valide. Sa plage est 0 - 50.</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>Tx batterie faible (min)</translation>
    </message>
    <message>
        <source>The tx low battery is invalid. Its range is 0 - 255.</source>
        <translation>La valeur Tx batterie faible n&apos;est pas valide. Sa plage est 0 - 255.</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>Tonalité d&apos;alerte batterie</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>Activer le bip de courtoisie</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>Temporisation d&apos;émission TOT (s)</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>Salve inverse PL</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>Choix du type de batterie</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Receive PL/DPL</source>
        <translation>PL/DPL réception</translation>
    </message>
    <message>
        <source>Transmit PL/DPL</source>
        <translation>PL/DPL émission</translation>
    </message>
</context>
<context>
    <name>FieldAssignments</name>
    <message>
        <source>%1: the RF frequency table has no such row.</source>
        <translation>%1 : la table des fréquences RF n&apos;a pas cette ligne.</translation>
    </message>
    <message>
        <source>%1: the profile has no such field.</source>
        <translation>%1 : le profil n&apos;a pas ce champ.</translation>
    </message>
    <message>
        <source>%1: the channel is disabled; only its disable_channel=0 changes it.</source>
        <translation>%1 : le canal est désactivé ; seul son disable_channel=0 le modifie.</translation>
    </message>
    <message>
        <source>%1: this radio takes codes up to %2.</source>
        <translation>%1 : cette radio accepte les codes jusqu&apos;à %2.</translation>
    </message>
    <message>
        <source>%1 is set together with %2 in the same change.</source>
        <translation>%1 se définit avec %2 dans la même modification.</translation>
    </message>
    <message>
        <source>%1 is no field of the profile.</source>
        <translation>%1 n&apos;est pas un champ du profil.</translation>
    </message>
    <message>
        <source>%1 needs the number of its element, counted from 1.</source>
        <translation>%1 a besoin du numéro de son élément, compté à partir de 1.</translation>
    </message>
    <message>
        <source>%1: the RF frequency table has no such row; a new row is frequency[%2].freq.</source>
        <translation>%1 : la table des fréquences RF n&apos;a pas cette ligne ; une nouvelle ligne est frequency[%2].freq.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>FleetLog</name>
    <message>
        <source>The batch log folder %1 cannot be made.</source>
        <translation>Impossible de créer le dossier du journal de la série %1.</translation>
    </message>
    <message>
        <source>The batch log %1 cannot be written: %2.</source>
        <translation>Impossible d&apos;écrire le journal de la série %1 : %2.</translation>
    </message>
</context>
<context>
    <name>FleetPort</name>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>Impossible d&apos;ouvrir le profil.</translation>
    </message>
    <message>
        <source>The values file has no row for this radio.</source>
        <translation>Le fichier de valeurs n&apos;a aucune ligne pour cette radio.</translation>
    </message>
    <message>
        <source>Not answered (no Yes given for the batch): %1</source>
        <translation>Sans réponse (aucun Oui donné pour la série) : %1</translation>
    </message>
    <message>
        <source>The radio has a codeplug password other than the one given for the batch.</source>
        <translation>La radio a un mot de passe de codeplug autre que celui donné pour la série.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>The radio did not keep what was written.</source>
        <translation>La radio n&apos;a pas conservé ce qui a été écrit.</translation>
    </message>
    <message>
        <source>Not written.</source>
        <translation>Non écrit.</translation>
    </message>
</context>
<context>
    <name>FleetValues</name>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>The values file %1 cannot be read: %2.</source>
        <translation>Impossible de lire le fichier de valeurs %1 : %2.</translation>
    </message>
    <message>
        <source>The values file is empty.</source>
        <translation>Le fichier de valeurs est vide.</translation>
    </message>
    <message>
        <source>the first column must be &quot;serial&quot; or &quot;order&quot;.</source>
        <translation>la première colonne doit être &quot;serial&quot; ou &quot;order&quot;.</translation>
    </message>
    <message>
        <source>the column %1 is there twice.</source>
        <translation>la colonne %1 figure deux fois.</translation>
    </message>
    <message>
        <source>%1 cells where the header has %2.</source>
        <translation>%1 cellules là où l&apos;en-tête en a %2.</translation>
    </message>
    <message>
        <source>the first cell is empty.</source>
        <translation>la première cellule est vide.</translation>
    </message>
    <message>
        <source>the order %1 is no number from 1.</source>
        <translation>l&apos;ordre %1 n&apos;est pas un nombre à partir de 1.</translation>
    </message>
    <message>
        <source>%1 has a row already.</source>
        <translation>%1 a déjà une ligne.</translation>
    </message>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>Impossible d&apos;ouvrir le profil.</translation>
    </message>
    <message>
        <source>a value is refused.</source>
        <translation>une valeur est refusée.</translation>
    </message>
</context>
<context>
    <name>FrequencyRules</name>
    <message>
        <source>Not all frequencies are authorized for high power mode (4W). CPS shall convert these frequencies to low power mode.</source>
        <translation>Certaines fréquences ne sont pas autorisées en forte puissance (4 W). Le CPS va les passer en faible puissance.</translation>
    </message>
</context>
<context>
    <name>ModelRules</name>
    <message>
        <source>At least one channel frequency is out of the valid frequency range. Please correct it before programming. If there is no valid frequency to select, please edit the frequency table first.</source>
        <translation>Au moins une fréquence de canal est hors de la plage de fréquences valide. Veuillez la corriger avant la programmation. S&apos;il n&apos;y a aucune fréquence valide à sélectionner, modifiez d&apos;abord la table des fréquences.</translation>
    </message>
    <message>
        <source>This Customer Programming Software is intended for programming radios to be used in the United States of America (USA) to ensure compliance with the narrowband mandate issued by the Federal Communications Commission (FCC).   Programming of the radio to operate on 25 KHz channel spacing is not permitted and has been disabled in this application in compliance with the FCC mandate effective January 1st, 2013.</source>
        <translation>Ce logiciel de programmation client est destiné à la programmation de radios utilisées aux États-Unis d&apos;Amérique (USA), conformément à l&apos;obligation de bande étroite imposée par la Federal Communications Commission (FCC).   La programmation de la radio avec un espacement des canaux de 25 kHz n&apos;est pas autorisée et a été désactivée dans cette application, conformément à l&apos;obligation de la FCC en vigueur depuis le 1er janvier 2013.</translation>
    </message>
    <message>
        <source>At least one frequency in the RF Frequency table is out of the valid frequency range. CPS corrected it to 151.5 MHz in the profile.</source>
        <translation>Au moins une fréquence de la table des fréquences RF est hors de la plage de fréquences valide. Le CPS l&apos;a corrigée à 151,5 MHz dans le profil.</translation>
    </message>
    <message>
        <source>The profile names %1 channels in use but holds only %2. CPS uses the %2 channels it holds.</source>
        <translation>Le profil indique %1 canaux utilisés mais n&apos;en contient que %2. Le CPS utilise les %2 canaux qu&apos;il contient.</translation>
    </message>
</context>
<context>
    <name>ProfileComparison</name>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
</context>
<context>
    <name>ProfileDocument</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>Impossible de lire le fichier « %1 ».</translation>
    </message>
    <message>
        <source>Failed to save &quot;%1&quot;: %2</source>
        <translation>Échec de l&apos;enregistrement de « %1 » : %2</translation>
    </message>
    <message>
        <source>Read from the radio</source>
        <translation>Lecture de la radio</translation>
    </message>
</context>
<context>
    <name>ProfileFields</name>
    <message>
        <source>no change: the radio or the template sets it</source>
        <translation>aucune modification : la radio ou le modèle le fixe</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 ou 1</translation>
    </message>
    <message>
        <source>a number from %1 to %2</source>
        <translation>un nombre de %1 à %2</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>l&apos;une des valeurs %1</translation>
    </message>
    <message>
        <source>a text of at most %1 characters</source>
        <translation>un texte d&apos;au plus %1 caractères</translation>
    </message>
    <message>
        <source>%1 digits or nothing</source>
        <translation>%1 chiffres ou rien</translation>
    </message>
    <message>
        <source>%1 takes %2.</source>
        <translation>%1 accepte %2.</translation>
    </message>
    <message>
        <source>Clone Compatibility</source>
        <translation>Compatibilité de clonage</translation>
    </message>
    <message>
        <source>Firmware Phase</source>
        <translation>Phase du firmware</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Version du firmware</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Révision du firmware</translation>
    </message>
    <message>
        <source>Codeplug Phase</source>
        <translation>Phase du codeplug</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Version du codeplug</translation>
    </message>
    <message>
        <source>Codeplug Development Version</source>
        <translation>Version de développement du codeplug</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Synthesizer Base Frequency</source>
        <translation>Fréquence de base du synthétiseur</translation>
    </message>
    <message>
        <source>Sub-region</source>
        <translation>Sous-région</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>Nombre max. de canaux</translation>
    </message>
    <message>
        <source>Frequencies in Use</source>
        <translation>Fréquences utilisées</translation>
    </message>
    <message>
        <source>Lowest Frequency</source>
        <translation>Fréquence la plus basse</translation>
    </message>
    <message>
        <source>Highest Frequency</source>
        <translation>Fréquence la plus haute</translation>
    </message>
    <message>
        <source>Lowest Receive Frequency</source>
        <translation>Fréquence de réception minimale</translation>
    </message>
    <message>
        <source>Highest Receive Frequency</source>
        <translation>Fréquence de réception maximale</translation>
    </message>
    <message>
        <source>Lowest Transmit Frequency</source>
        <translation>Fréquence d’émission minimale</translation>
    </message>
    <message>
        <source>Highest Transmit Frequency</source>
        <translation>Fréquence d’émission maximale</translation>
    </message>
    <message>
        <source>Time-out Timer Not Available</source>
        <translation>Minuterie d’émission non disponible</translation>
    </message>
    <message>
        <source>Keypad Beep Not Available</source>
        <translation>Bip clavier non disponible</translation>
    </message>
    <message>
        <source>Roger Beep Not Available</source>
        <translation>Bip de fin d’émission non disponible</translation>
    </message>
    <message>
        <source>Busy LED Not Available</source>
        <translation>Voyant d’occupation non disponible</translation>
    </message>
    <message>
        <source>PL Reverse Burst Available</source>
        <translation>Salve inverse PL disponible</translation>
    </message>
    <message>
        <source>VOX Not Available</source>
        <translation>VOX non disponible</translation>
    </message>
    <message>
        <source>iVOX Not Available</source>
        <translation>iVOX non disponible</translation>
    </message>
    <message>
        <source>Scramble Not Available</source>
        <translation>Embrouillage non disponible</translation>
    </message>
    <message>
        <source>Battery Save Not Available</source>
        <translation>Économie de batterie non disponible</translation>
    </message>
    <message>
        <source>Factory Reset Not Available</source>
        <translation>Réinitialisation d’usine non disponible</translation>
    </message>
    <message>
        <source>Scan Not Available</source>
        <translation>Balayage non disponible</translation>
    </message>
    <message>
        <source>Number of Call Tones</source>
        <translation>Nombre de tonalités d’appel</translation>
    </message>
    <message>
        <source>Number of Preset Buttons</source>
        <translation>Nombre de touches de présélection</translation>
    </message>
    <message>
        <source>Number of PL/DPL Codes</source>
        <translation>Nombre de codes PL/DPL</translation>
    </message>
    <message>
        <source>Power Selection Available</source>
        <translation>Choix de puissance disponible</translation>
    </message>
    <message>
        <source>Backlight Button Available</source>
        <translation>Touche de rétroéclairage disponible</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>Activer le mode programmation</translation>
    </message>
    <message>
        <source>Call Not Available</source>
        <translation>Appel non disponible</translation>
    </message>
    <message>
        <source>Monitor Not Available</source>
        <translation>Écoute non disponible</translation>
    </message>
    <message>
        <source>Keypad Lock Not Available</source>
        <translation>Verrouillage clavier non disponible</translation>
    </message>
    <message>
        <source>Repeater Not Available</source>
        <translation>Relais non disponible</translation>
    </message>
    <message>
        <source>Channel Disabling Available</source>
        <translation>Désactivation des canaux disponible</translation>
    </message>
    <message>
        <source>Talkaround Scan Available</source>
        <translation>Balayage direct disponible</translation>
    </message>
    <message>
        <source>Channel Announcement Available</source>
        <translation>Annonce des canaux disponible</translation>
    </message>
    <message>
        <source>Codeplug Password (4-digit number)</source>
        <translation>Mot de passe codeplug (4 chiffres)</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>Désactiver toutes les LED</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>Désactiver le retour aux réglages d&apos;usine</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Rétroéclairage</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>Temporisation d&apos;émission TOT (s)</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>Salve inverse PL</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>Niveau VOX</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>Niveau iVOX</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>Gain micro</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>Gain micro accessoire</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>Choix du type de batterie</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>Désactiver l&apos;économie de batterie</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>Bouton latéral 1 (SB1)</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>Bouton latéral 2 (SB2)</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Bouton A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Bouton B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>Bouton C</translation>
    </message>
    <message>
        <source>Number of Channels</source>
        <translation>Nombre de canaux</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>Langue d&apos;annonce des canaux</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>Code PL 124 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>Code PL 125 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>Code PL 126 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>Code PL 127 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>Code PL 128 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>Code PL 129 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>Code PL 214 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>Code PL 215 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>Code PL 216 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>Code PL 217 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>Code PL 218 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>Code PL 219 (OCT)</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>Texte de démarrage</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Bip de fin d&apos;émission</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>Bouton d&apos;embrouillage</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>Rétroéclairage (s)</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>Tonalité d&apos;appel</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>Verrouillage clavier</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>Bip clavier</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>ID de station relais</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>Mode ID relais</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>Temporisation Tx (s)</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>Tx batterie faible (min)</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>Tonalité d&apos;alerte batterie</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>Activer le bip de courtoisie</translation>
    </message>
    <message>
        <source>Preset Channel</source>
        <translation>Canal présélection</translation>
    </message>
    <message>
        <source>Receive Frequency</source>
        <translation>Fréquence de réception</translation>
    </message>
    <message>
        <source>Receive PL/DPL Code</source>
        <translation>Code PL/DPL de réception</translation>
    </message>
    <message>
        <source>Transmit Frequency</source>
        <translation>Fréquence d&apos;émission</translation>
    </message>
    <message>
        <source>Transmit PL/DPL Code</source>
        <translation>Code PL/DPL d’émission</translation>
    </message>
    <message>
        <source>Receive Bandwidth (0 12.5 KHz, 1 25 KHz)</source>
        <translation>Largeur de bande de réception (0 12,5 kHz, 1 25 kHz)</translation>
    </message>
    <message>
        <source>Transmit Bandwidth (0 12.5 KHz, 1 25 KHz)</source>
        <translation>Largeur de bande d’émission (0 12,5 kHz, 1 25 kHz)</translation>
    </message>
    <message>
        <source>Talkaround Power (0 low, 1 high)</source>
        <translation>Puissance en direct (0 faible, 1 élevée)</translation>
    </message>
    <message>
        <source>Repeater Power (0 low, 1 high)</source>
        <translation>Puissance via relais (0 faible, 1 élevée)</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Relais</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Balayage auto</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Embrouillage</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>Désactiver le canal</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>Balayage direct dynamique</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Liste de balayage</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Largeur de bande</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Niveau de puissance</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Compandeur</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Informations radio</translation>
    </message>
    <message>
        <source>Radio Limits</source>
        <translation>Limites de la radio</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Préréglage</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
</context>
<context>
    <name>ProfileFileCheck</name>
    <message>
        <source>The CPS does not support this profile&apos;s region.</source>
        <translation>Le CPS ne prend pas en charge la région de ce profil.</translation>
    </message>
    <message>
        <source> Please use the &quot;%1&quot;.</source>
        <translation> Veuillez utiliser « %1 ».</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>Fréquence non valide.</translation>
    </message>
    <message>
        <source>Codeplug version of CPS and profile are incompatible! Please update your CPS.</source>
        <translation>Les versions de codeplug du CPS et du profil sont incompatibles ! Veuillez mettre à jour votre CPS.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Impossible d&apos;ouvrir le fichier « %1 » : %2.</translation>
    </message>
    <message>
        <source>The profile holds a value the CPS cannot set: %1 is &quot;%2&quot;, where %3 may be chosen. Please correct the file.</source>
        <translation>Le profil contient une valeur que le CPS ne peut pas définir : %1 vaut « %2 », alors que %3 peut être choisi. Veuillez corriger le fichier.</translation>
    </message>
</context>
<context>
    <name>RadioBackups</name>
    <message>
        <source>The radio backup folder %1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire dans le dossier des sauvegardes de radio %1 : %2</translation>
    </message>
    <message>
        <source>%1 is no radio backup: it cannot be opened as one.</source>
        <translation>%1 n&apos;est pas une sauvegarde de radio : il ne peut pas être ouvert comme telle.</translation>
    </message>
    <message>
        <source>%1 is no radio backup of this program.</source>
        <translation>%1 n&apos;est pas une sauvegarde de radio de ce programme.</translation>
    </message>
    <message>
        <source>The radio backup %1 is damaged; it is not written to a radio.</source>
        <translation>La sauvegarde de radio %1 est endommagée ; elle n&apos;est écrite dans aucune radio.</translation>
    </message>
    <message>
        <source>The radio backup folder %1 cannot be made: %2</source>
        <translation>Impossible de créer le dossier des sauvegardes de radio %1 : %2</translation>
    </message>
    <message>
        <source>The radio backup %1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire la sauvegarde de radio %1 : %2</translation>
    </message>
</context>
<context>
    <name>RadioChecks</name>
    <message>
        <source>The current profile is not compatible with the radio.</source>
        <translation>Le profil actuel n&apos;est pas compatible avec la radio.</translation>
    </message>
    <message>
        <source>When converting from high-tier radio to low-tier radio, some data may be lost. Do you want to continue?</source>
        <translation>Lors de la conversion d&apos;une radio haut de gamme vers une radio d&apos;entrée de gamme, des données peuvent être perdues. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>The CPS does not support this radio model.</source>
        <translation>Le CPS ne prend pas en charge ce modèle de radio.</translation>
    </message>
    <message>
        <source>The CPS does not support this radio&apos;s region.</source>
        <translation>Le CPS ne prend pas en charge la région de cette radio.</translation>
    </message>
    <message>
        <source> Please use the &quot;%1&quot;.</source>
        <translation> Veuillez utiliser « %1 ».</translation>
    </message>
    <message>
        <source>Codeplug version of CPS and radio are incompatible! Please update your CPS.</source>
        <translation>Les versions de codeplug du CPS et de la radio sont incompatibles ! Veuillez mettre à jour votre CPS.</translation>
    </message>
    <message>
        <source>The radio being programmed does not match the model in the current profile.</source>
        <translation>La radio en cours de programmation ne correspond pas au modèle du profil actuel.</translation>
    </message>
    <message>
        <source>Invalid frequency: This frequency is not supported by this radio.</source>
        <translation>Fréquence non valide : cette fréquence n&apos;est pas prise en charge par cette radio.</translation>
    </message>
    <message>
        <source>Some profile information is not supported by the host radio and therefore will not be transferred(PL/DPL Code). </source>
        <translation>Certaines informations du profil ne sont pas prises en charge par la radio et ne seront donc pas transférées (code PL/DPL). </translation>
    </message>
    <message>
        <source>The radio you are programing has a lower version codeplug, some new features can not be used after writing.</source>
        <translation>La radio que vous programmez a une version de codeplug plus ancienne ; certaines nouvelles fonctions ne pourront pas être utilisées après l&apos;écriture.</translation>
    </message>
    <message>
        <source>Error: Communication Error.</source>
        <translation>Erreur : erreur de communication.</translation>
    </message>
    <message>
        <source>Error: Operation Failed (%1).</source>
        <translation>Erreur : échec de l&apos;opération (%1).</translation>
    </message>
    <message>
        <source>Radio&apos;s memory is corrupted. Please perform factory reset to correct the error.</source>
        <translation>La mémoire de la radio est corrompue. Veuillez effectuer une réinitialisation d&apos;usine pour corriger l&apos;erreur.</translation>
    </message>
    <message>
        <source>Radio&apos;s memory is corrupted. Please return to manufacture for correction.</source>
        <translation>La mémoire de la radio est corrompue. Veuillez la retourner au fabricant pour correction.</translation>
    </message>
    <message>
        <source>Unknown warning!</source>
        <translation>Avertissement inconnu !</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Avertissement : %1</translation>
    </message>
    <message>
        <source>No programming cable was found.</source>
        <translation>Aucun câble de programmation n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>The programming cable is in use by another program.</source>
        <translation>Le câble de programmation est utilisé par un autre programme.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Customer Handout</source>
        <translation>Fiche client</translation>
    </message>
    <message>
        <source>Detailed Report</source>
        <translation>Rapport détaillé</translation>
    </message>
    <message>
        <source>Error: Load dealer information failed.</source>
        <translation>Erreur : échec du chargement des informations revendeur.</translation>
    </message>
    <message>
        <source>2W limit</source>
        <translation>Limite 2 W</translation>
    </message>
    <message>
        <source>The e-mail program xdg-email is not available, you need to install it (xdg-utils) and a mail program to send an e-mail.</source>
        <translation>Le programme de messagerie xdg-email n&apos;est pas disponible. Pour envoyer un e-mail, vous devez l&apos;installer (xdg-utils) ainsi qu&apos;un logiciel de messagerie.</translation>
    </message>
    <message>
        <source>User selectable with %1 KHz as default</source>
        <translation>Au choix, %1 kHz par défaut</translation>
    </message>
    <message>
        <source>%1 KHz only</source>
        <translation>%1 kHz uniquement</translation>
    </message>
    <message>
        <source>%1 KHz</source>
        <translation>%1 kHz</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Bouton A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Bouton B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>Bouton C</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>Code PL 214 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>Code PL 215 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>Code PL 216 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>Code PL 217 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>Code PL 218 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>Code PL 219 (OCT)</translation>
    </message>
    <message>
        <source>Scan List Members</source>
        <translation>Membres de la liste de balayage</translation>
    </message>
    <message>
        <source>Scramble Code 1</source>
        <translation>Code d&apos;embrouillage 1</translation>
    </message>
    <message>
        <source>Scramble Code 2</source>
        <translation>Code d&apos;embrouillage 2</translation>
    </message>
    <message>
        <source>Scramble Code 3</source>
        <translation>Code d&apos;embrouillage 3</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>Bouton latéral 1 (SB1)</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>Bouton latéral 2 (SB2)</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>Balayage direct dynamique</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>Langue d&apos;annonce des canaux</translation>
    </message>
    <message>
        <source>High power only</source>
        <translation>Forte puissance uniquement</translation>
    </message>
    <message>
        <source>User selectable with high power as default</source>
        <translation>Au choix, forte puissance par défaut</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15 min</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>Tonalité d&apos;appel</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Écoute</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Présélection 1</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Présélection 2</translation>
    </message>
    <message>
        <source>Scan/Nuisance Channel Delete</source>
        <translation>Balayage/Suppr. canal parasite</translation>
    </message>
    <message>
        <source>No Operation</source>
        <translation>Aucune fonction</translation>
    </message>
    <message>
        <source>Tx Power Selection</source>
        <translation>Choix de puissance Tx</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>Gain micro accessoire</translation>
    </message>
    <message>
        <source>After conversation</source>
        <translation>Après la conversation</translation>
    </message>
    <message>
        <source>Alkaline</source>
        <translation>Alcaline</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>Choix du type de batterie</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Paramètres audio</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Balayage auto</translation>
    </message>
    <message>
        <source>Available Channels</source>
        <translation>Canaux disponibles</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>Rétroéclairage (s)</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Rétroéclairage</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Largeur de bande</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Boutons</translation>
    </message>
    <message>
        <source>Channel #</source>
        <translation>Canal n°</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Version du codeplug</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>PL personnalisés</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Compandeur</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>DPL personnalisés</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>Désactiver toutes les LED</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>Désactiver l&apos;économie de batterie</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>Désactiver le retour aux réglages d&apos;usine</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>Désactiver le canal</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>Activer le bip de courtoisie</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>Activer le mode programmation</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Version du firmware</translation>
    </message>
    <message>
        <source>Frequency Range (MHz)</source>
        <translation>Plage de fréquences (MHz)</translation>
    </message>
    <message>
        <source>Frequency(Index)</source>
        <translation>Fréquence (index)</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Paramètres généraux</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Élevé</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>Niveau iVOX</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>Bip clavier</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>Verrouillage clavier</translation>
    </message>
    <message>
        <source>Low power only</source>
        <translation>Faible puissance uniquement</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>Nombre max. de canaux</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>Gain micro</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Nickel/LiIon</source>
        <translation>Nickel/Li-ion</translation>
    </message>
    <message>
        <source>No PL/DPL code</source>
        <translation>Pas de code PL/DPL</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>Tonalité d&apos;alerte batterie</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>Marche/Arrêt</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Hors plage</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>Code PL 124 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>Code PL 125 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>Code PL 126 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>Code PL 127 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>Code PL 128 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>Code PL 129 (Hz)</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>Salve inverse PL</translation>
    </message>
    <message>
        <source>PL/DPL Code</source>
        <translation>Code PL/DPL</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Niveau de puissance</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>Texte de démarrage</translation>
    </message>
    <message>
        <source>Preset 1 Channel</source>
        <translation>Canal présélection 1</translation>
    </message>
    <message>
        <source>Preset 2 Channel</source>
        <translation>Canal présélection 2</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Informations radio</translation>
    </message>
    <message>
        <source>Receive/Transmit</source>
        <translation>Réception/Émission</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Réception</translation>
    </message>
    <message>
        <source>Regional Code</source>
        <translation>Code régional</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>Mode ID relais</translation>
    </message>
    <message>
        <source>Repeater Power</source>
        <translation>Puissance via relais</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>ID de station relais</translation>
    </message>
    <message>
        <source>Repeater/Talkaround</source>
        <translation>Relais/Direct</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Relais</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Bip de fin d&apos;émission</translation>
    </message>
    <message>
        <source>Rx Frequency Range (MHz)</source>
        <translation>Plage de fréquences Rx (MHz)</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Liste de balayage</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>Bouton d&apos;embrouillage</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Embrouillage</translation>
    </message>
    <message>
        <source>Selectable</source>
        <translation>Au choix</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Talkaround Power</source>
        <translation>Puissance en direct</translation>
    </message>
    <message>
        <source>Transmit Power</source>
        <translation>Puissance d&apos;émission</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>Temporisation d&apos;émission TOT (s)</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Émission</translation>
    </message>
    <message>
        <source>Tx Frequency Range (MHz)</source>
        <translation>Plage de fréquences Tx (MHz)</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>Temporisation Tx (s)</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>Tx batterie faible (min)</translation>
    </message>
    <message>
        <source>User selectable with low power as default</source>
        <translation>Au choix, faible puissance par défaut</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>Niveau VOX</translation>
    </message>
    <message>
        <source>45 min</source>
        <translation>45 min</translation>
    </message>
    <message>
        <source>60 min</source>
        <translation>60 min</translation>
    </message>
    <message>
        <source>Accessory Jack</source>
        <translation>Prise accessoire</translation>
    </message>
    <message>
        <source>Channel Selector</source>
        <translation>Sélecteur de canaux</translation>
    </message>
    <message>
        <source>QA310</source>
        <translation>QA310</translation>
    </message>
    <message>
        <source>Down Button:</source>
        <translation>Bouton Bas :</translation>
    </message>
    <message>
        <source>Li-Ion Battery Pack</source>
        <translation>Batterie Li-ion</translation>
    </message>
    <message>
        <source>Menu Button:</source>
        <translation>Bouton Menu :</translation>
    </message>
    <message>
        <source>Menu Mode</source>
        <translation>Mode menu</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Référence du modèle</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Power/Volume Knob</source>
        <translation>Bouton marche/volume</translation>
    </message>
    <message>
        <source>Push-to-Talk (PTT)</source>
        <translation>Alternat (PTT)</translation>
    </message>
    <message>
        <source>KVX</source>
        <translation>KVX</translation>
    </message>
    <message>
        <source>Scroll down the menu items/change channel</source>
        <translation>Faire défiler le menu vers le bas/changer de canal</translation>
    </message>
    <message>
        <source>Scroll up the menu items/change channel</source>
        <translation>Faire défiler le menu vers le haut/changer de canal</translation>
    </message>
    <message>
        <source>QB420</source>
        <translation>QB420</translation>
    </message>
    <message>
        <source>Spring Action Belt Clip</source>
        <translation>Clip ceinture à ressort</translation>
    </message>
    <message>
        <source>Tri-Color LED</source>
        <translation>LED tricolore</translation>
    </message>
    <message>
        <source>Up Button:</source>
        <translation>Bouton Haut :</translation>
    </message>
    <message>
        <source>ZWTa</source>
        <translation>ZWTa</translation>
    </message>
    <message>
        <source>KVM</source>
        <translation>KVM</translation>
    </message>
    <message>
        <source>Failed to generate report.</source>
        <translation>Échec de la génération du rapport.</translation>
    </message>
    <message>
        <source>(default)</source>
        <translation>(par défaut)</translation>
    </message>
    <message>
        <source>The e-mail program xdg-email failed with exit status %1.</source>
        <translation>Le programme de messagerie xdg-email a échoué avec le code de sortie %1.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Too large: %1 bytes, where at most %2 are read</source>
        <translation>Trop volumineux : %1 octets, alors que %2 au plus sont lus</translation>
    </message>
    <message>
        <source>Damaged: UTF-16 text of an odd number of bytes</source>
        <translation>Endommagé : texte UTF-16 d&apos;un nombre impair d&apos;octets</translation>
    </message>
</context>
<context>
    <name>ScriptHost</name>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: 0
%1 is not a function in the hook script</source>
        <translation>IActiveScriptSite::OnScriptError()
Ligne : 0
%1 n&apos;est pas une fonction du script d&apos;extension</translation>
    </message>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: 0
The hook %1 ran longer than %2 ms and was stopped.</source>
        <translation>IActiveScriptSite::OnScriptError()
Ligne : 0
L&apos;extension %1 a dépassé %2 ms et a été arrêtée.</translation>
    </message>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: %1
%2</source>
        <translation>IActiveScriptSite::OnScriptError()
Ligne : %1
%2</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>The value is not valid.</source>
        <translation>La valeur n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>A channel name must have 1 to 8 characters. Please enter another name.</source>
        <translation>Un nom de canal doit comporter de 1 à 8 caractères. Veuillez saisir un autre nom.</translation>
    </message>
    <message>
        <source>Another channel already has this name. Please enter a different name.</source>
        <translation>Un autre canal porte déjà ce nom. Veuillez saisir un nom différent.</translation>
    </message>
    <message>
        <source>A channel name can only contain letters, digits, blanks and the punctuation marks of a standard keyboard. Please enter another name.</source>
        <translation>Un nom de canal ne peut contenir que des lettres, des chiffres, des espaces et les signes de ponctuation d&apos;un clavier standard. Veuillez saisir un autre nom.</translation>
    </message>
    <message>
        <source>The codeplug password must be exactly 4 digits, or empty for no password.</source>
        <translation>Le mot de passe codeplug doit comporter exactement 4 chiffres, ou être vide pour aucun mot de passe.</translation>
    </message>
    <message>
        <source>The power up text can have at most 8 characters, each one of: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</source>
        <translation>Le texte de démarrage peut comporter au plus 8 caractères, chacun parmi : A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</translation>
    </message>
    <message>
        <source>The repeater station ID can have at most 9 characters, letters and digits only.</source>
        <translation>L&apos;ID de station relais peut comporter au plus 9 caractères, uniquement des lettres et des chiffres.</translation>
    </message>
    <message>
        <source>The Tx hang time must be a whole number of seconds from 0 to 50.</source>
        <translation>La temporisation Tx doit être un nombre entier de secondes de 0 à 50.</translation>
    </message>
    <message>
        <source>The Tx low battery time must be a whole number of minutes from 0 to 255.</source>
        <translation>La durée Tx batterie faible doit être un nombre entier de minutes de 0 à 255.</translation>
    </message>
    <message>
        <source>A customized PL tone must be from 67.0 to 255.0 Hz.</source>
        <translation>Une tonalité PL personnalisée doit être comprise entre 67,0 et 255,0 Hz.</translation>
    </message>
    <message>
        <source>A customized DPL code must be an octal code from 001 to 777.</source>
        <translation>Un code DPL personnalisé doit être un code octal de 001 à 777.</translation>
    </message>
    <message>
        <source>One feature can not be assigned to multiple buttons. Choose another feature, or first remove this one from the button that has it.</source>
        <translation>Une fonction ne peut pas être affectée à plusieurs boutons. Choisissez une autre fonction, ou retirez d&apos;abord celle-ci du bouton qui l&apos;a.</translation>
    </message>
    <message>
        <source>This radio model does not support this PL/DPL code. Please choose another code.</source>
        <translation>Ce modèle de radio ne prend pas en charge ce code PL/DPL. Veuillez choisir un autre code.</translation>
    </message>
    <message>
        <source>A preset can only use an enabled channel of this profile. Please choose another channel.</source>
        <translation>Une présélection ne peut utiliser qu&apos;un canal activé de ce profil. Veuillez choisir un autre canal.</translation>
    </message>
    <message>
        <source>This is the last enabled channel and can not be disabled. Enable another channel first.</source>
        <translation>C&apos;est le dernier canal activé, il ne peut pas être désactivé. Activez d&apos;abord un autre canal.</translation>
    </message>
    <message>
        <source>This frequency is not in the RF frequency table. Please choose a frequency of the table.</source>
        <translation>Cette fréquence ne figure pas dans la table des fréquences RF. Veuillez choisir une fréquence de la table.</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Deleting it moves the preset to another channel. Do you want to continue?</source>
        <translation>Ce canal est affecté à un bouton de canal présélectionné. Sa suppression déplace la présélection vers un autre canal. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>This channel can not be deleted: at least one enabled channel must remain.</source>
        <translation>Ce canal ne peut pas être supprimé : au moins un canal activé doit rester.</translation>
    </message>
    <message>
        <source>The RF frequency table is full (99 frequencies). Delete a frequency that no channel uses before adding another one.</source>
        <translation>La table des fréquences RF est pleine (99 fréquences). Supprimez une fréquence qu&apos;aucun canal n&apos;utilise avant d&apos;en ajouter une autre.</translation>
    </message>
    <message>
        <source>This frequency is already in the RF frequency table. Please enter a different frequency.</source>
        <translation>Cette fréquence figure déjà dans la table des fréquences RF. Veuillez saisir une fréquence différente.</translation>
    </message>
    <message>
        <source>This frequency is outside the frequency range of the radio (see Radio Information). Please enter a frequency within the range.</source>
        <translation>Cette fréquence est hors de la plage de fréquences de la radio (voir Informations radio). Veuillez saisir une fréquence comprise dans la plage.</translation>
    </message>
    <message>
        <source>MURS frequencies (151.820, 151.880, 151.940, 154.570 and 154.600 MHz) can not be programmed. Please enter a different frequency.</source>
        <translation>Les fréquences MURS (151,820 ; 151,880 ; 151,940 ; 154,570 et 154,600 MHz) ne peuvent pas être programmées. Veuillez saisir une fréquence différente.</translation>
    </message>
    <message>
        <source>This frequency is used by a channel and can not be deleted. Give the channel another frequency first.</source>
        <translation>Cette fréquence est utilisée par un canal et ne peut pas être supprimée. Attribuez d&apos;abord une autre fréquence au canal.</translation>
    </message>
    <message>
        <source>Channels use this frequency. Changing its bandwidth or power level also changes the bandwidth and power of these channels. Do you want to continue?</source>
        <translation>Des canaux utilisent cette fréquence. Modifier sa largeur de bande ou son niveau de puissance modifie aussi la largeur de bande et la puissance de ces canaux. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>25 KHz channel spacing is not permitted in this radio&apos;s region. Please select &quot;12.5 KHz only&quot;.</source>
        <translation>L&apos;espacement des canaux de 25 kHz n&apos;est pas autorisé dans la région de cette radio. Veuillez sélectionner « 12,5 kHz uniquement ».</translation>
    </message>
    <message>
        <source>The frequency, bandwidth, power level or compander value is not valid.</source>
        <translation>La valeur de fréquence, de largeur de bande, de niveau de puissance ou de compandeur n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Programming error: 107.</source>
        <translation>Erreur de programmation : 107.</translation>
    </message>
    <message>
        <source>Programming error: 108.</source>
        <translation>Erreur de programmation : 108.</translation>
    </message>
    <message>
        <source>Fatal error: 102.
Please uninstall and re-install CPS.</source>
        <translation>Erreur fatale : 102.
Veuillez désinstaller puis réinstaller le CPS.</translation>
    </message>
    <message>
        <source>Invalid profile.</source>
        <translation>Profil non valide.</translation>
    </message>
    <message>
        <source>Failed to load profile.</source>
        <translation>Échec du chargement du profil.</translation>
    </message>
    <message>
        <source>Fatal error: 101.</source>
        <translation>Erreur fatale : 101.</translation>
    </message>
    <message>
        <source>File format error. Failed to save.</source>
        <translation>Erreur de format de fichier. Échec de l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Some files needed by CPS are not available.
Please reinstall CPS.</source>
        <translation>Certains fichiers nécessaires au CPS sont introuvables.
Veuillez réinstaller le CPS.</translation>
    </message>
</context>
<context>
    <name>SupportBundle</name>
    <message>
        <source>the archive could not be made</source>
        <translation>l&apos;archive n&apos;a pas pu être créée</translation>
    </message>
</context>
<context>
    <name>TransmitPower</name>
    <message>
        <source>Low</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Élevée</translation>
    </message>
</context>
</TS>
