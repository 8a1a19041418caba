<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AppIdentity</name>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
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
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Funkgeräte</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Firmwareversion</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <source>%1 programmed, %2 failed</source>
        <translation>%1 programmiert, %2 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Batch Report</source>
        <translation>Stapelbericht</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Product version %1</source>
        <translation>Produktversion %1</translation>
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
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Please enter the password:</source>
        <translation>Bitte geben Sie das Passwort ein:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>The password is not correct. Please check it!</source>
        <translation>Das Passwort ist falsch. Bitte überprüfen Sie es!</translation>
    </message>
</context>
<context>
    <name>CBaseView</name>
    <message>
        <source>Change %1</source>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <source>Invalid Value.</source>
        <translation>Ungültiger Wert.</translation>
    </message>
</context>
<context>
    <name>CButtonsView</name>
    <message>
        <source>Do you want to reset all buttons with their defaults?</source>
        <translation>Möchten Sie alle Tasten auf ihre Standardbelegung zurücksetzen?</translation>
    </message>
    <message>
        <source>Button Reset</source>
        <translation>Tasten zurücksetzen</translation>
    </message>
    <message>
        <source>Some files needed by CPS are not available.
Please reinstall CPS.</source>
        <translation>Einige von der CPS benötigte Dateien sind nicht vorhanden.
Bitte installieren Sie die CPS neu.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
</context>
<context>
    <name>CChannelBulkEditDialog</name>
    <message>
        <source>Edit Selected Channels (%1)</source>
        <translation>Ausgewählte Kanäle bearbeiten (%1)</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Edit Selected Channels</source>
        <translation>Ausgewählte Kanäle bearbeiten</translation>
    </message>
</context>
<context>
    <name>CChannelFindDialog</name>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find what:</source>
        <translation>Suchen nach:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Ersetzen durch:</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Suchen in:</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Becomes</source>
        <translation>Wird</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>&amp;Alle ersetzen</translation>
    </message>
    <message>
        <source>(no such value)</source>
        <translation>(kein solcher Wert)</translation>
    </message>
</context>
<context>
    <name>CChannelImportDialog</name>
    <message>
        <source>Added</source>
        <translation>Hinzugefügt</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Unverändert</translation>
    </message>
    <message>
        <source>Adapted</source>
        <translation>Angepasst</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Abgelehnt</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Kanäle importieren</translation>
    </message>
    <message>
        <source>%1 row(s) are refused and will not be imported.</source>
        <translation>%1 Zeile(n) werden abgelehnt und nicht importiert.</translation>
    </message>
    <message>
        <source>Nothing changes until you choose Import.</source>
        <translation>Nichts ändert sich, bevor Sie Importieren wählen.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Was</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Die Datei &quot;%1&quot; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Kanäle exportieren</translation>
    </message>
    <message>
        <source>Failed to save &quot;%1&quot;: %2</source>
        <translation>Speichern von &quot;%1&quot; fehlgeschlagen: %2</translation>
    </message>
</context>
<context>
    <name>CChannelTableModel</name>
    <message>
        <source>Change %1</source>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <source>Channel %1 (%2): %3</source>
        <translation>Kanal %1 (%2): %3</translation>
    </message>
</context>
<context>
    <name>CChannelTableView</name>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Fill Down %1</source>
        <translation>%1 nach unten ausfüllen</translation>
    </message>
</context>
<context>
    <name>CChannelView</name>
    <message>
        <source>Transmit Power</source>
        <translation>Sendeleistung</translation>
    </message>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Fehler: Die Ansicht Funkgeräteinformationen lädt gerade Daten.</translation>
    </message>
    <message>
        <source>2W limit</source>
        <translation>Max. 2 W</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <source>Change Frequency</source>
        <translation>Frequenz ändern</translation>
    </message>
    <message>
        <source>The transmit frequency index can not be same as the receive frequency index. The next available transmit frequency shall be selected.</source>
        <translation>Die Sendefrequenz darf nicht denselben Index wie die Empfangsfrequenz haben. Die nächste verfügbare Sendefrequenz wird ausgewählt.</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Disable this channel shall cause the value change of the Preset Channel button. Do you want to continue?</source>
        <translation>Dieser Kanal ist einer Vorwahlkanal-Taste zugeordnet. Wenn Sie ihn deaktivieren, ändert sich die Belegung dieser Taste. Möchten Sie fortfahren?</translation>
    </message>
</context>
<context>
    <name>CChannelsView</name>
    <message>
        <source>Import CSV...</source>
        <translation>CSV importieren...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
</context>
<context>
    <name>CCompareCommand</name>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>&amp;Vergleichen...</translation>
    </message>
    <message>
        <source>Lists the differences between a profile and another profile, a file or the radio</source>
        <translation>Listet die Unterschiede zwischen einem Profil und einem anderen Profil, einer Datei oder dem Funkgerät auf</translation>
    </message>
    <message>
        <source>Profiles and codeplug images (*.kv9 *.img);;All files (*)</source>
        <translation>Profile und Codeplug-Abbilder (*.kv9 *.img);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Die Datei &quot;%1&quot; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Funkgerät</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be compared.</source>
        <translation>%1 und %2 lassen sich nicht vergleichen.</translation>
    </message>
</context>
<context>
    <name>CCompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil:</translation>
    </message>
    <message>
        <source>Compare &amp;with:</source>
        <translation>Vergleichen &amp;mit:</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Vergleichen</translation>
    </message>
    <message>
        <source>A profile or codeplug image file...</source>
        <translation>Eine Profil- oder Codeplug-Abbilddatei...</translation>
    </message>
    <message>
        <source>The radio on the cable</source>
        <translation>Das Funkgerät am Kabel</translation>
    </message>
</context>
<context>
    <name>CComparisonWindow</name>
    <message>
        <source>Compare: %1 and %2</source>
        <translation>Vergleich: %1 und %2</translation>
    </message>
    <message>
        <source>%1 and %2 are the same.</source>
        <translation>%1 und %2 sind gleich.</translation>
    </message>
    <message numerus="yes">
        <source>%n difference(s) from %1 to %2:</source>
        <translation>
            <numerusform>%n Unterschied von %1 zu %2:</numerusform>
            <numerusform>%n Unterschiede von %1 zu %2:</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Go to Field</source>
        <translation>&amp;Zum Feld</translation>
    </message>
</context>
<context>
    <name>CDataAdaptor</name>
    <message>
        <source>Invalid serial number</source>
        <translation>Ungültige Seriennummer</translation>
    </message>
    <message>
        <source>Codeplug is corrupted</source>
        <translation>Codeplug ist beschädigt</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>Ungültige Frequenz.</translation>
    </message>
</context>
<context>
    <name>CDealerInfoDialog</name>
    <message>
        <source>Error: There is an error when acquiring language type.</source>
        <translation>Fehler: Die Sprache konnte nicht ermittelt werden.</translation>
    </message>
    <message>
        <source>Error: Load dealer information failed.</source>
        <translation>Fehler: Die Händlerinformationen konnten nicht geladen werden.</translation>
    </message>
    <message>
        <source>Dealer Information</source>
        <translation>Händlerinformationen</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Contact Information</source>
        <translation>Kontaktdaten</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>The dealer information in the settings is too long to fit the dialog, please check it!</source>
        <translation>Die Händlerinformationen in den Einstellungen sind zu lang für diesen Dialog. Bitte überprüfen Sie sie!</translation>
    </message>
    <message>
        <source>Failed to write the settings!</source>
        <translation>Die Einstellungen konnten nicht geschrieben werden!</translation>
    </message>
</context>
<context>
    <name>CDifferenceList</name>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
</context>
<context>
    <name>CDocumentCommands</name>
    <message>
        <source>&quot;%1&quot; is open in another window. Close that window first, or save under another name.</source>
        <translation>„%1“ ist in einem anderen Fenster geöffnet. Schließen Sie zuerst dieses Fenster oder speichern Sie unter einem anderen Namen.</translation>
    </message>
</context>
<context>
    <name>CFleetBatch</name>
    <message>
        <source>A batch is under way.</source>
        <translation>Eine Serienprogrammierung läuft bereits.</translation>
    </message>
    <message>
        <source>Name each cable of the batch once.</source>
        <translation>Jedes Kabel der Serie nur einmal angeben.</translation>
    </message>
    <message>
        <source>A batch of %1 radios cannot use %2 cables.</source>
        <translation>Eine Serie von %1 Funkgeräten kann nicht %2 Kabel verwenden.</translation>
    </message>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>Das Profil kann nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>CFrequencyView</name>
    <message>
        <source>%1 KHz only</source>
        <translation>Nur %1 kHz</translation>
    </message>
    <message>
        <source>User selectable with %1 KHz as default</source>
        <translation>Wählbar, Standard %1 kHz</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequenz (MHz)</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Leistungsstufe</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Kompander</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Fehler: Die Ansicht Funkgeräteinformationen lädt gerade Daten.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>Ungültige Frequenz.</translation>
    </message>
    <message>
        <source>The frequency is authorized for 2W maximum transmit power.  CPS shall convert to low power mode.</source>
        <translation>Diese Frequenz ist nur für maximal 2 W Sendeleistung zugelassen.  Die CPS stellt auf niedrige Leistung um.</translation>
    </message>
    <message>
        <source>Add Frequency</source>
        <translation>Frequenz hinzufügen</translation>
    </message>
    <message>
        <source>Change Frequency</source>
        <translation>Frequenz ändern</translation>
    </message>
    <message>
        <source>Do you want to delete the selected item(s)?</source>
        <translation>Möchten Sie die ausgewählten Einträge löschen?</translation>
    </message>
    <message>
        <source>Frequency (Frequencies) used by channel can not be deleted.</source>
        <translation>Von Kanälen verwendete Frequenzen können nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Delete Frequency</source>
        <translation>Frequenz löschen</translation>
    </message>
</context>
<context>
    <name>CHelpBrowser</name>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
</context>
<context>
    <name>CHelpPane</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>CHelpSystem</name>
    <message>
        <source>Error: Can not find the help file!</source>
        <translation>Fehler: Die Hilfedatei wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>Error: Help File format is invalid!</source>
        <translation>Fehler: Das Format der Hilfedatei ist ungültig!</translation>
    </message>
    <message>
        <source>Error: Can not find help file information in the settings!</source>
        <translation>Fehler: Keine Angaben zur Hilfedatei in den Einstellungen gefunden!</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>%1 Hilfe</translation>
    </message>
    <message>
        <source>Help navigation</source>
        <translation>Hilfenavigation</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Look for</source>
        <translation>Suchen nach</translation>
    </message>
    <message>
        <source>Search for</source>
        <translation>Suchbegriff</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Suchergebnisse</translation>
    </message>
</context>
<context>
    <name>CLockPanes</name>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Feststelltaste</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num-Taste</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>RF</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Rollen-Taste</translation>
    </message>
</context>
<context>
    <name>CMainCommands</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
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
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>Dealer &amp;Info</source>
        <translation>Hän&amp;dlerinformationen</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <source>&amp;Help Pane</source>
        <translation>&amp;Hilfebereich</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>Be&amp;richt</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>Ü&amp;berlappend</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>&amp;Content and Index...</source>
        <translation>&amp;Inhalt und Index...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Canada French</source>
        <translation>Französisch (Kanada)</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>LA Portuguese</source>
        <translation>Portugiesisch (Lateinamerika)</translation>
    </message>
    <message>
        <source>LA Spanish</source>
        <translation>Spanisch (Lateinamerika)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Gerät</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>Edit Selected C&amp;hannels...</source>
        <translation>Ausgewählte &amp;Kanäle bearbeiten...</translation>
    </message>
    <message>
        <source>Restore Radio &amp;Backup...</source>
        <translation>Funkgeräte-&amp;Sicherung wiederherstellen...</translation>
    </message>
    <message>
        <source>Program &amp;Several Radios...</source>
        <translation>&amp;Mehrere Funkgeräte programmieren...</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Cable status</source>
        <translation>Kabelstatus</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>There are %1 USB connections. Please remove the unused one and keep one connection only.</source>
        <translation>Es bestehen %1 USB-Verbindungen. Bitte trennen Sie die nicht benötigten und behalten Sie nur eine Verbindung.</translation>
    </message>
    <message>
        <source>USB Cable Connected</source>
        <translation>USB-Kabel verbunden</translation>
    </message>
    <message>
        <source>USB Cable Not Connected</source>
        <translation>USB-Kabel nicht verbunden</translation>
    </message>
    <message>
        <source>%1 connected</source>
        <translation>%1 verbunden</translation>
    </message>
    <message>
        <source>%1 not connected</source>
        <translation>%1 nicht verbunden</translation>
    </message>
    <message>
        <source>You have to restart the CPS for this change to take effect.</source>
        <translation>Die Änderung wird erst nach einem Neustart der CPS wirksam.</translation>
    </message>
</context>
<context>
    <name>CNewProfileDlg</name>
    <message>
        <source>New Profile</source>
        <translation>Neues Profil</translation>
    </message>
    <message>
        <source>Please choose profile model.</source>
        <translation>Bitte wählen Sie das Modell für das Profil.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Error: Can not find template files!</source>
        <translation>Fehler: Die Vorlagendateien wurden nicht gefunden!</translation>
    </message>
</context>
<context>
    <name>CProgramRadiosDlg</name>
    <message>
        <source>Program Several Radios</source>
        <translation>Mehrere Funkgeräte programmieren</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil:</translation>
    </message>
    <message>
        <source>None: every radio gets the profile as it is</source>
        <translation>Keine: Jedes Funkgerät erhält das Profil unverändert</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Per-radio &amp;values (CSV):</source>
        <translation>&amp;Werte pro Funkgerät (CSV):</translation>
    </message>
    <message>
        <source>&amp;Cables:</source>
        <translation>&amp;Kabel:</translation>
    </message>
    <message>
        <source>A serial device, such as /dev/ttyUSB1</source>
        <translation>Ein serielles Gerät, etwa /dev/ttyUSB1</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Other cable:</source>
        <translation>&amp;Anderes Kabel:</translation>
    </message>
    <message>
        <source>Until Stop</source>
        <translation>Bis Stopp</translation>
    </message>
    <message>
        <source>&amp;Radios in the batch:</source>
        <translation>Funkgeräte im &amp;Stapel:</translation>
    </message>
    <message>
        <source>Only for radios with a codeplug password</source>
        <translation>Nur für Funkgeräte mit Codeplug-Passwort</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;wort:</translation>
    </message>
    <message>
        <source>C&amp;ustomer:</source>
        <translation>K&amp;unde:</translation>
    </message>
    <message>
        <source>&amp;Write again a radio already done in this batch</source>
        <translation>Ein in diesem Stapel bereits fertiges Funkgerät erneut &amp;schreiben</translation>
    </message>
    <message>
        <source>Choose the cables and press Start.</source>
        <translation>Wählen Sie die Kabel und drücken Sie Starten.</translation>
    </message>
    <message>
        <source>Batch status</source>
        <translation>Stapelstatus</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Funkgeräte</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Zeit (s)</translation>
    </message>
    <message>
        <source>There is no device &quot;%1&quot;.</source>
        <translation>Das Gerät „%1“ gibt es nicht.</translation>
    </message>
    <message>
        <source>Per-Radio Values</source>
        <translation>Werte pro Funkgerät</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Choose at least one cable.</source>
        <translation>Wählen Sie mindestens ein Kabel.</translation>
    </message>
    <message>
        <source>The profile cannot be copied for the batch: %1.</source>
        <translation>Das Profil kann nicht für den Stapel kopiert werden: %1.</translation>
    </message>
    <message>
        <source>The batch has started.</source>
        <translation>Der Stapel hat begonnen.</translation>
    </message>
    <message>
        <source>&amp;Cancel Radios</source>
        <translation>Funkgeräte &amp;abbrechen</translation>
    </message>
    <message>
        <source>Cancel Radios</source>
        <translation>Funkgeräte abbrechen</translation>
    </message>
    <message>
        <source>Stopping: the radios in progress finish. Cancel Radios stops them too.</source>
        <translation>Wird beendet: Die laufenden Funkgeräte werden fertig. Funkgeräte abbrechen hält auch sie an.</translation>
    </message>
    <message>
        <source>Waiting for a radio</source>
        <translation>Warte auf ein Funkgerät</translation>
    </message>
    <message>
        <source>Progress on %1</source>
        <translation>Fortschritt an %1</translation>
    </message>
    <message>
        <source>State of %1</source>
        <translation>Zustand von %1</translation>
    </message>
    <message>
        <source>Identifying</source>
        <translation>Erkennen</translation>
    </message>
    <message>
        <source>Backing up</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lesen...</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Connect the next radio</source>
        <translation>Nächstes Funkgerät anschließen</translation>
    </message>
    <message numerus="yes">
        <source>Connect the next radio. %n radio(s) done.</source>
        <translation>
            <numerusform>Nächstes Funkgerät anschließen. %n Funkgerät fertig.</numerusform>
            <numerusform>Nächstes Funkgerät anschließen. %n Funkgeräte fertig.</numerusform>
        </translation>
    </message>
    <message>
        <source>Already done</source>
        <translation>Bereits fertig</translation>
    </message>
    <message>
        <source>The radio %1 on %2 is already programmed in this batch: it is skipped. Connect the next radio.</source>
        <translation>Das Funkgerät %1 an %2 ist in diesem Stapel bereits programmiert: Es wird übersprungen. Nächstes Funkgerät anschließen.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Stored</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>Nicht erreicht</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>The batch has ended: %1 programmed, %2 failed. The log is in %3.</source>
        <translation>Der Stapel ist beendet: %1 programmiert, %2 fehlgeschlagen. Das Protokoll liegt in %3.</translation>
    </message>
</context>
<context>
    <name>CRadioCommands</name>
    <message>
        <source>Transferring...</source>
        <translation>Übertragung läuft...</translation>
    </message>
    <message>
        <source>Do you want to create a new profile (Yes), overwrite the currently selected profile (No) or cancel it?</source>
        <translation>Möchten Sie ein neues Profil anlegen (Ja), das ausgewählte Profil überschreiben (Nein) oder abbrechen?</translation>
    </message>
    <message>
        <source>There are no radio backups in %1.</source>
        <translation>In %1 gibt es keine Funkgeräte-Sicherungen.</translation>
    </message>
    <message>
        <source>%1  %2 (%3)  %4  %5</source>
        <translation>%1  %2 (%3)  %4  %5</translation>
    </message>
    <message>
        <source>Restore Radio Backup</source>
        <translation>Funkgeräte-Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Backup to write into the radio on the cable:</source>
        <translation>Sicherung, die in das Funkgerät am Kabel geschrieben wird:</translation>
    </message>
</context>
<context>
    <name>CRadioInfoView</name>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Fehler: Die Ansicht Funkgeräteinformationen lädt gerade Daten.</translation>
    </message>
</context>
<context>
    <name>CRadioOperations</name>
    <message>
        <source>backup of %1</source>
        <translation>Sicherung von %1</translation>
    </message>
    <message>
        <source>This backup is of a %1 radio, and the radio on the cable is a %2; it is not written.</source>
        <translation>Diese Sicherung stammt von einem Funkgerät %1, am Kabel hängt ein %2; sie wird nicht geschrieben.</translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation>Es wurde nichts in das Funkgerät geschrieben.</translation>
    </message>
    <message>
        <source>This backup was taken from the radio with the serial number %1, and the radio on the cable has %2. Write it into this radio?</source>
        <translation>Diese Sicherung stammt vom Funkgerät mit der Seriennummer %1, das Funkgerät am Kabel hat %2. Trotzdem in dieses Funkgerät schreiben?</translation>
    </message>
    <message>
        <source>What the radio held before the write is kept in %1.</source>
        <translation>Der Inhalt des Funkgeräts vor dem Schreiben ist in %1 gesichert.</translation>
    </message>
    <message>
        <source>The radio holds its backup again; the profile was not written.</source>
        <translation>Das Funkgerät enthält wieder seine Sicherung; das Profil wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>The radio did not keep these settings: %1</source>
        <translation>Das Funkgerät hat diese Einstellungen nicht übernommen: %1</translation>
    </message>
    <message>
        <source>Write to the radio again?</source>
        <translation>Erneut in das Funkgerät schreiben?</translation>
    </message>
    <message>
        <source>Put the radio back as it was before the write, from its backup %1?</source>
        <translation>Das Funkgerät aus seiner Sicherung %1 auf den Stand vor dem Schreiben zurücksetzen?</translation>
    </message>
</context>
<context>
    <name>CReadWriteDialog</name>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Reading from the radio ...</source>
        <translation>Funkgerät wird gelesen ...</translation>
    </message>
    <message>
        <source>Writing to the radio ...</source>
        <translation>Funkgerät wird beschrieben ...</translation>
    </message>
    <message>
        <source>Transfer status</source>
        <translation>Übertragungsstatus</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Übertragungsfortschritt</translation>
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
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Read Failed!</source>
        <translation>Lesen fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Write Failed!</source>
        <translation>Schreiben fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Read Successfully!</source>
        <translation>Lesen erfolgreich!</translation>
    </message>
    <message>
        <source>Write Successfully!</source>
        <translation>Schreiben erfolgreich!</translation>
    </message>
</context>
<context>
    <name>CReportDlg</name>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Web pages (*.htm *.html)</source>
        <translation>Webseiten (*.htm *.html)</translation>
    </message>
    <message>
        <source>The report could not be written to &quot;%1&quot;.</source>
        <translation>Der Bericht konnte nicht nach „%1“ geschrieben werden.</translation>
    </message>
    <message>
        <source>The report cannot be shown here: the browser library is missing.</source>
        <translation>Der Bericht kann hier nicht angezeigt werden: die Browserbibliothek fehlt.</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Der Bericht konnte nicht gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>CReportOptionDlg</name>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Choose a report template.</source>
        <translation>Wählen Sie eine Berichtsvorlage.</translation>
    </message>
    <message>
        <source>Customer Handout</source>
        <translation>Kundenmerkblatt</translation>
    </message>
    <message>
        <source>Detailed Report</source>
        <translation>Detaillierter Bericht</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>CScanView</name>
    <message>
        <source>Add to the scan list</source>
        <translation>Zur Suchlauf-Liste hinzufügen</translation>
    </message>
    <message>
        <source>Remove from the scan list</source>
        <translation>Aus der Suchlauf-Liste entfernen</translation>
    </message>
</context>
<context>
    <name>CSettingView</name>
    <message>
        <source>Please enter 4 numeric characters.</source>
        <translation>Bitte geben Sie 4 Ziffern ein.</translation>
    </message>
    <message>
        <source>The passwords you entered do not match.</source>
        <translation>Die eingegebenen Passwörter stimmen nicht überein.</translation>
    </message>
</context>
<context>
    <name>CSplashScreen</name>
    <message>
        <source>Splash screen</source>
        <translation>Startbildschirm</translation>
    </message>
</context>
<context>
    <name>CStartPage</name>
    <message>
        <source>No profile opened yet.</source>
        <translation>Noch kein Profil geöffnet.</translation>
    </message>
    <message>
        <source>Start page</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Neues Profil</translation>
    </message>
    <message>
        <source>A new profile from a model&apos;s template</source>
        <translation>Ein neues Profil aus der Vorlage eines Modells</translation>
    </message>
    <message>
        <source>Open Profile</source>
        <translation>Profil öffnen</translation>
    </message>
    <message>
        <source>A profile file (.kv9) on this computer</source>
        <translation>Eine Profildatei (.kv9) auf diesem Computer</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Aus Funkgerät lesen</translation>
    </message>
    <message>
        <source>The profile of the radio on the cable</source>
        <translation>Das Profil des Funkgeräts am Kabel</translation>
    </message>
    <message>
        <source>&amp;Recent profiles</source>
        <translation>&amp;Zuletzt verwendete Profile</translation>
    </message>
    <message>
        <source>Recent profiles</source>
        <translation>Zuletzt verwendete Profile</translation>
    </message>
    <message>
        <source>Enter opens the selected profile</source>
        <translation>Eingabetaste öffnet das ausgewählte Profil</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>unknown model</source>
        <translation>unbekanntes Modell</translation>
    </message>
    <message>
        <source>Cable: %1</source>
        <translation>Kabel: %1</translation>
    </message>
</context>
<context>
    <name>CSupportFileCommand</name>
    <message>
        <source>Create &amp;Support File...</source>
        <translation>&amp;Supportdatei erstellen...</translation>
    </message>
    <message>
        <source>Saves the versions, cable, radio, settings and radio traces for the supplier</source>
        <translation>Speichert Versionen, Kabel, Funkgerät, Einstellungen und Funkprotokolle für den Lieferanten</translation>
    </message>
    <message>
        <source>Create Support File</source>
        <translation>Supportdatei erstellen</translation>
    </message>
    <message>
        <source>Support files (*.tar.gz)</source>
        <translation>Supportdateien (*.tar.gz)</translation>
    </message>
    <message>
        <source>Add the open profile to the support file? Its codeplug password is left out.</source>
        <translation>Das geöffnete Profil zur Supportdatei hinzufügen? Sein Codeplug-Passwort wird weggelassen.</translation>
    </message>
    <message>
        <source>The support file has been saved as &quot;%1&quot;.</source>
        <translation>Die Supportdatei wurde als „%1“ gespeichert.</translation>
    </message>
    <message>
        <source>Cannot save the support file &quot;%1&quot;: %2</source>
        <translation>Die Supportdatei „%1“ kann nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>CVelaCPSApp</name>
    <message>
        <source>CPS needs vbscript engine to start. Please install vbscript engine before re-starting the %1.</source>
        <translation>Die CPS benötigt zum Start die Skript-Engine. Bitte installieren Sie die Skript-Engine, bevor Sie %1 erneut starten.</translation>
    </message>
    <message>
        <source>The language resource file is missing. The CPS will start with English language version.</source>
        <translation>Die Sprachdatei fehlt. Die CPS startet in englischer Sprache.</translation>
    </message>
</context>
<context>
    <name>CVelaCPSDoc</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
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
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Audioeinstellungen</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation>HF-Frequenzen</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Suchlauf-Liste</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>Eigene PL-Töne</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>Eigene DPL-Codes</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Kanal hinzufügen</translation>
    </message>
    <message>
        <source>The last valid channel can not be deleted.</source>
        <translation>Der letzte gültige Kanal kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Kanal löschen</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Deleting this channel shall cause the value change of the Preset Channel button. Do you want to continue?</source>
        <translation>Dieser Kanal ist einer Vorwahlkanal-Taste zugeordnet. Wenn Sie ihn löschen, ändert sich die Belegung dieser Taste. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Rename Channel</source>
        <translation>Kanal umbenennen</translation>
    </message>
    <message>
        <source>&amp;Add	Ctrl+A</source>
        <translation>&amp;Hinzufügen	Strg+A</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Löschen	Entf</translation>
    </message>
    <message>
        <source>&amp;Rename	F2</source>
        <translation>&amp;Umbenennen	F2</translation>
    </message>
</context>
<context>
    <name>CWriteReviewDialog</name>
    <message>
        <source>&amp;Do not ask again for identical models</source>
        <translation>Bei gleichem Modell &amp;nicht mehr fragen</translation>
    </message>
    <message>
        <source>Write to Radio</source>
        <translation>In das Funkgerät schreiben</translation>
    </message>
    <message>
        <source>The write changes these settings in the radio:</source>
        <translation>Das Schreiben ändert diese Einstellungen im Funkgerät:</translation>
    </message>
    <message>
        <source>In the radio</source>
        <translation>Im Funkgerät</translation>
    </message>
    <message>
        <source>After the write</source>
        <translation>Nach dem Schreiben</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>The choice not to be asked again could not be stored.</source>
        <translation>Die Wahl, nicht mehr gefragt zu werden, konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>CableChoices</name>
    <message>
        <source>USB programming cable</source>
        <translation>USB-Programmierkabel</translation>
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
        <translation>Position %1: Das Modell hat keinen Platz für weitere Kanäle; die Zeile wird nicht importiert.</translation>
    </message>
    <message>
        <source>Location %1 becomes channel %2.</source>
        <translation>Position %1 wird Kanal %2.</translation>
    </message>
    <message>
        <source>%1 MHz allows 2 W at most: it is added with low power only.</source>
        <translation>%1 MHz erlaubt höchstens 2 W: wird nur mit niedriger Leistung hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 MHz is added as 12.5 kHz only: the model allows no wider channels.</source>
        <translation>%1 MHz wird nur mit 12,5 KHz hinzugefügt: Das Modell erlaubt keine breiteren Kanäle.</translation>
    </message>
    <message>
        <source>%1 MHz is added to the RF frequency table as entry %2.</source>
        <translation>%1 MHz wird als Eintrag %2 zur HF-Frequenztabelle hinzugefügt.</translation>
    </message>
    <message>
        <source>%1: the frequency allows only %2.</source>
        <translation>%1: Die Frequenz erlaubt nur %2.</translation>
    </message>
    <message>
        <source>This radio cannot use %1: the channel gets no code.</source>
        <translation>Dieses Funkgerät kann %1 nicht verwenden: Der Kanal erhält keinen Code.</translation>
    </message>
    <message>
        <source>Channel %1 is added.</source>
        <translation>Kanal %1 wird hinzugefügt.</translation>
    </message>
    <message>
        <source>Channel %1 is unchanged.</source>
        <translation>Kanal %1 bleibt unverändert.</translation>
    </message>
    <message>
        <source>Channel %1 changes: %2.</source>
        <translation>Kanal %1 ändert sich: %2.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is cut to &quot;%2&quot;.</source>
        <translation>Der Name &quot;%1&quot; wird auf &quot;%2&quot; gekürzt.</translation>
    </message>
    <message>
        <source>This model has no repeater: the channel transmits on its receive frequency.</source>
        <translation>Dieses Modell hat keinen Repeater: Der Kanal sendet auf seiner Empfangsfrequenz.</translation>
    </message>
    <message>
        <source>This model has no power choice: the power is not changed.</source>
        <translation>Dieses Modell hat keine Leistungswahl: Die Leistung wird nicht geändert.</translation>
    </message>
    <message>
        <source>Power %1 becomes %2.</source>
        <translation>Leistung %1 wird %2.</translation>
    </message>
    <message>
        <source>This model transmits with its receive code: %1 is not sent.</source>
        <translation>Dieses Modell sendet mit seinem Empfangscode: %1 wird nicht gesendet.</translation>
    </message>
    <message>
        <source>no code</source>
        <translation>kein Code</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Kanäle importieren</translation>
    </message>
    <message>
        <source>Location %1 is already on line %2.</source>
        <translation>Position %1 steht bereits in Zeile %2.</translation>
    </message>
    <message>
        <source>the row ends before this column.</source>
        <translation>die Zeile endet vor dieser Spalte.</translation>
    </message>
    <message>
        <source>a frequency is needed.</source>
        <translation>eine Frequenz ist erforderlich.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a frequency in MHz.</source>
        <translation>&quot;%1&quot; ist keine Frequenz in MHz.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tone in Hz.</source>
        <translation>&quot;%1&quot; ist kein Ton in Hz.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a DCS code (octal).</source>
        <translation>&quot;%1&quot; ist kein DCS-Code (oktal).</translation>
    </message>
    <message>
        <source>Column %1 (%2): %3</source>
        <translation>Spalte %1 (%2): %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a polarity (NN, NR, RN or RR).</source>
        <translation>&quot;%1&quot; ist keine Polarität (NN, NR, RN oder RR).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cross mode.</source>
        <translation>&quot;%1&quot; ist kein Kreuzmodus.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tone mode (Tone, TSQL, DTCS or Cross).</source>
        <translation>&quot;%1&quot; ist kein Tonmodus (Tone, TSQL, DTCS oder Cross).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a power in watts.</source>
        <translation>&quot;%1&quot; ist keine Leistung in Watt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a duplex (empty, +, - or split).</source>
        <translation>&quot;%1&quot; ist keine Duplexart (leer, +, - oder split).</translation>
    </message>
    <message>
        <source>the transmit frequency is out of bounds.</source>
        <translation>die Sendefrequenz liegt außerhalb der Grenzen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not %2.</source>
        <translation>&quot;%1&quot; ist nicht %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a channel number (1 or more).</source>
        <translation>&quot;%1&quot; ist keine Kanalnummer (1 oder mehr).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a mode this radio has (FM or NFM).</source>
        <translation>&quot;%1&quot; ist keine Betriebsart dieses Funkgeräts (FM oder NFM).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a step in kHz.</source>
        <translation>&quot;%1&quot; ist kein Raster in kHz.</translation>
    </message>
    <message>
        <source>a skip mark (empty or S)</source>
        <translation>eine Suchlauf-Auslassung (leer oder S)</translation>
    </message>
    <message>
        <source>This is not a channel list: its first line must be a header that names the columns, at least Location and Frequency, such as
%1</source>
        <translation>Dies ist keine Kanalliste: Die erste Zeile muss eine Kopfzeile sein, die die Spalten benennt, mindestens Location und Frequency, etwa
%1</translation>
    </message>
    <message>
        <source>The file has more than %1 rows.</source>
        <translation>Die Datei hat mehr als %1 Zeilen.</translation>
    </message>
    <message>
        <source>Line %1: a quote is not closed.</source>
        <translation>Zeile %1: Ein Anführungszeichen wird nicht geschlossen.</translation>
    </message>
</context>
<context>
    <name>CodeDisplayText</name>
    <message>
        <source>No PL/DPL code</source>
        <translation>Kein PL/DPL-Code</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>Eigener PL-Ton</translation>
    </message>
    <message>
        <source>Inverted DPL</source>
        <translation>Invertierter DPL</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>Eigener DPL-Code</translation>
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
        <translation>Schwerer Fehler in den Einstellungen, die Anwendung wird geschlossen!</translation>
    </message>
</context>
<context>
    <name>Editors</name>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Audioeinstellungen</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>Mikrofonverstärkung</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>Verstärkung Zubehörmikrofon</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>VOX-Pegel</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>iVOX-Pegel</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>Sprache der Kanalansage</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Roger-Beep</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>Tastenton</translation>
    </message>
    <message>
        <source>One feature can not be assigned to multiple buttons.</source>
        <translation>Eine Funktion kann nicht mehreren Tasten zugeordnet werden.</translation>
    </message>
    <message>
        <source>The channel can not be selected!</source>
        <translation>Dieser Kanal kann nicht ausgewählt werden!</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Scan/Nuisance Channel Delete</source>
        <translation>Suchlauf/Störkanal löschen</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>Rufton</translation>
    </message>
    <message>
        <source>Tx Power Selection</source>
        <translation>Sendeleistung wählen</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>Repeater/Talkaround</source>
        <translation>Relais/Talkaround</translation>
    </message>
    <message>
        <source>No Operation</source>
        <translation>Keine Funktion</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Vorwahl 1</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Vorwahl 2</translation>
    </message>
    <message>
        <source>Selectable</source>
        <translation>Wählbar</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>EIN/AUS</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>Tastensperre</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>Seitentaste 1 (SB1)</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>Seitentaste 2 (SB2)</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Taste A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Taste B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>Taste C</translation>
    </message>
    <message>
        <source>Button Reset</source>
        <translation>Tasten zurücksetzen</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>Scrambler-Taste</translation>
    </message>
    <message>
        <source>Preset 1 Channel</source>
        <translation>Vorwahlkanal 1</translation>
    </message>
    <message>
        <source>Preset 2 Channel</source>
        <translation>Vorwahlkanal 2</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Kanal hinzufügen</translation>
    </message>
    <message>
        <source>Scramble Code 1</source>
        <translation>Scrambler-Code 1</translation>
    </message>
    <message>
        <source>Scramble Code 2</source>
        <translation>Scrambler-Code 2</translation>
    </message>
    <message>
        <source>Scramble Code 3</source>
        <translation>Scrambler-Code 3</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequenz (MHz)</translation>
    </message>
    <message>
        <source>Bandwidth (KHz)</source>
        <translation>Bandbreite (kHz)</translation>
    </message>
    <message>
        <source>PL/DPL Code</source>
        <translation>PL/DPL-Code</translation>
    </message>
    <message>
        <source>High-power is only available in non-PMR446 markets</source>
        <translation>Hohe Leistung gibt es nur außerhalb von PMR446-Märkten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>Kanal deaktivieren</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Empfang</translation>
    </message>
    <message>
        <source>Talkaround Power</source>
        <translation>Talkaround-Leistung</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Repeater Power</source>
        <translation>Relais-Leistung</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Relais</translation>
    </message>
    <message>
        <source>In talkaround mode, Transmit will use Receive settings.</source>
        <translation>Im Talkaround-Betrieb verwendet Senden die Empfangseinstellungen.</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>Dynamischer Talkaround-Suchlauf</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Auto-Suchlauf</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>Eigene PL-Töne</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>PL-Code 124 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>PL-Code 125 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>PL-Code 126 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>PL-Code 127 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>PL-Code 128 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>PL-Code 129 (Hz)</translation>
    </message>
    <message>
        <source>The PL Code you input is invalid. The valid range is: 67.0 - 255.0 Hz.</source>
        <translation>Der eingegebene PL-Code ist ungültig. Gültiger Bereich: 67,0 - 255,0 Hz.</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>Eigene DPL-Codes</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>PL-Code 214 (oktal)</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>PL-Code 215 (oktal)</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>PL-Code 216 (oktal)</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>PL-Code 217 (oktal)</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>PL-Code 218 (oktal)</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>PL-Code 219 (oktal)</translation>
    </message>
    <message>
        <source>The DPL Code you entered is invalid. The valid range is(OCT): 001 - 777.</source>
        <translation>Der eingegebene DPL-Code ist ungültig. Gültiger Bereich (oktal): 001 - 777.</translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation>HF-Frequenzen</translation>
    </message>
    <message>
        <source>Low power only</source>
        <translation>Nur niedrige Leistung</translation>
    </message>
    <message>
        <source>High power only</source>
        <translation>Nur hohe Leistung</translation>
    </message>
    <message>
        <source>User selectable with low power as default</source>
        <translation>Wählbar, Standard niedrige Leistung</translation>
    </message>
    <message>
        <source>User selectable with high power as default</source>
        <translation>Wählbar, Standard hohe Leistung</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Leistungsstufe</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Kompander</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Funkgeräteinformationen</translation>
    </message>
    <message>
        <source>Regional Code</source>
        <translation>Regionscode</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Firmwareversion</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Codeplug-Version</translation>
    </message>
    <message>
        <source>Frequency Range (MHz)</source>
        <translation>Frequenzbereich (MHz)</translation>
    </message>
    <message>
        <source>Rx Frequency Range (MHz)</source>
        <translation>Empfangsbereich (MHz)</translation>
    </message>
    <message>
        <source>Tx Frequency Range (MHz)</source>
        <translation>Sendebereich (MHz)</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>Max. Kanalzahl</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Suchlauf-Liste</translation>
    </message>
    <message>
        <source>Available Channels</source>
        <translation>Verfügbare Kanäle</translation>
    </message>
    <message>
        <source>&amp;Add&gt;&gt;</source>
        <translation>&amp;Hinzufügen&gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;Re&amp;move</source>
        <translation>&lt;&lt;&amp;Entfernen</translation>
    </message>
    <message>
        <source>Scan List Members</source>
        <translation>Kanäle der Suchlauf-Liste</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15 Min.</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 Min.</translation>
    </message>
    <message>
        <source>After conversation</source>
        <translation>Nach Gespräch</translation>
    </message>
    <message>
        <source>45 min</source>
        <translation>45 Min.</translation>
    </message>
    <message>
        <source>60 min</source>
        <translation>60 Min.</translation>
    </message>
    <message>
        <source>Alkaline</source>
        <translation>Alkali</translation>
    </message>
    <message>
        <source>Nickel/LiIon</source>
        <translation>Nickel/Li-Ion</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Codeplug Password (4-digit number)</source>
        <translation>Codeplug-Passwort (4 Ziffern)</translation>
    </message>
    <message>
        <source>Confirm Password (4-digit number)</source>
        <translation>Passwort bestätigen (4 Ziffern)</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>Einschalttext</translation>
    </message>
    <message>
        <source>Power up text can only contain: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</source>
        <translation>Der Einschalttext darf nur enthalten: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>Relaisstations-ID</translation>
    </message>
    <message>
        <source>Repeater station id can only contain letter and digits.</source>
        <translation>Die Relaisstations-ID darf nur Buchstaben und Ziffern enthalten.</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>Relais-ID-Modus</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>Alle LEDs deaktivieren</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>Werksreset sperren</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>Programmiermodus aktivieren</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>Akkusparmodus deaktivieren</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>Beleuchtung (Sek.)</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>Sende-Nachlaufzeit (Sek.)</translation>
    </message>
    <message>
        <source>The tx hangtime is invalid. Its range is 0 - 50.</source>
        <translation>Die Sende-Nachlaufzeit ist ungültig. Gültiger Bereich: 0 - 50.</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>Senden bei schwachem Akku (Min.)</translation>
    </message>
    <message>
        <source>The tx low battery is invalid. Its range is 0 - 255.</source>
        <translation>Die Sendezeit bei schwachem Akku ist ungültig. Gültiger Bereich: 0 - 255.</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>Akku-Warnton</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>Courtesy-Ton aktivieren</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>Sendezeitbegrenzung (Sek.)</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>PL-Reverse-Burst</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>Alternativer Akkutyp</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Receive PL/DPL</source>
        <translation>Empfang PL/DPL</translation>
    </message>
    <message>
        <source>Transmit PL/DPL</source>
        <translation>Senden PL/DPL</translation>
    </message>
</context>
<context>
    <name>FieldAssignments</name>
    <message>
        <source>%1: the RF frequency table has no such row.</source>
        <translation>%1: Die HF-Frequenztabelle hat keine solche Zeile.</translation>
    </message>
    <message>
        <source>%1: the profile has no such field.</source>
        <translation>%1: Das Profil hat kein solches Feld.</translation>
    </message>
    <message>
        <source>%1: the channel is disabled; only its disable_channel=0 changes it.</source>
        <translation>%1: Der Kanal ist deaktiviert; nur sein disable_channel=0 ändert ihn.</translation>
    </message>
    <message>
        <source>%1: this radio takes codes up to %2.</source>
        <translation>%1: Dieses Funkgerät nimmt Codes bis %2 an.</translation>
    </message>
    <message>
        <source>%1 is set together with %2 in the same change.</source>
        <translation>%1 wird zusammen mit %2 in derselben Änderung gesetzt.</translation>
    </message>
    <message>
        <source>%1 is no field of the profile.</source>
        <translation>%1 ist kein Feld des Profils.</translation>
    </message>
    <message>
        <source>%1 needs the number of its element, counted from 1.</source>
        <translation>%1 braucht die Nummer seines Elements, von 1 an gezählt.</translation>
    </message>
    <message>
        <source>%1: the RF frequency table has no such row; a new row is frequency[%2].freq.</source>
        <translation>%1: Die HF-Frequenztabelle hat keine solche Zeile; eine neue Zeile ist frequency[%2].freq.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>FleetLog</name>
    <message>
        <source>The batch log folder %1 cannot be made.</source>
        <translation>Der Ordner für das Serienprotokoll %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The batch log %1 cannot be written: %2.</source>
        <translation>Das Serienprotokoll %1 kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>FleetPort</name>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>Das Profil kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The values file has no row for this radio.</source>
        <translation>Die Wertedatei hat keine Zeile für dieses Funkgerät.</translation>
    </message>
    <message>
        <source>Not answered (no Yes given for the batch): %1</source>
        <translation>Nicht beantwortet (für die Serie wurde kein Ja vorgegeben): %1</translation>
    </message>
    <message>
        <source>The radio has a codeplug password other than the one given for the batch.</source>
        <translation>Das Funkgerät hat ein anderes Codeplug-Passwort als das für die Serie angegebene.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>The radio did not keep what was written.</source>
        <translation>Das Funkgerät hat das Geschriebene nicht übernommen.</translation>
    </message>
    <message>
        <source>Not written.</source>
        <translation>Nicht geschrieben.</translation>
    </message>
</context>
<context>
    <name>FleetValues</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>The values file %1 cannot be read: %2.</source>
        <translation>Die Wertedatei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The values file is empty.</source>
        <translation>Die Wertedatei ist leer.</translation>
    </message>
    <message>
        <source>the first column must be &quot;serial&quot; or &quot;order&quot;.</source>
        <translation>die erste Spalte muss &quot;serial&quot; oder &quot;order&quot; sein.</translation>
    </message>
    <message>
        <source>the column %1 is there twice.</source>
        <translation>die Spalte %1 kommt zweimal vor.</translation>
    </message>
    <message>
        <source>%1 cells where the header has %2.</source>
        <translation>%1 Zellen, wo die Kopfzeile %2 hat.</translation>
    </message>
    <message>
        <source>the first cell is empty.</source>
        <translation>die erste Zelle ist leer.</translation>
    </message>
    <message>
        <source>the order %1 is no number from 1.</source>
        <translation>die Reihenfolge %1 ist keine Zahl ab 1.</translation>
    </message>
    <message>
        <source>%1 has a row already.</source>
        <translation>für %1 gibt es bereits eine Zeile.</translation>
    </message>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>Das Profil kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>a value is refused.</source>
        <translation>ein Wert wird abgelehnt.</translation>
    </message>
</context>
<context>
    <name>FrequencyRules</name>
    <message>
        <source>Not all frequencies are authorized for high power mode (4W). CPS shall convert these frequencies to low power mode.</source>
        <translation>Nicht alle Frequenzen sind für hohe Leistung (4 W) zugelassen. Die CPS stellt diese Frequenzen auf niedrige Leistung um.</translation>
    </message>
</context>
<context>
    <name>ModelRules</name>
    <message>
        <source>At least one channel frequency is out of the valid frequency range. Please correct it before programming. If there is no valid frequency to select, please edit the frequency table first.</source>
        <translation>Mindestens eine Kanalfrequenz liegt außerhalb des gültigen Frequenzbereichs. Bitte korrigieren Sie sie vor dem Programmieren. Wenn keine gültige Frequenz zur Auswahl steht, bearbeiten Sie zuerst die Frequenztabelle.</translation>
    </message>
    <message>
        <source>This Customer Programming Software is intended for programming radios to be used in the United States of America (USA) to ensure compliance with the narrowband mandate issued by the Federal Communications Commission (FCC).   Programming of the radio to operate on 25 KHz channel spacing is not permitted and has been disabled in this application in compliance with the FCC mandate effective January 1st, 2013.</source>
        <translation>Diese Kundenprogrammiersoftware ist für die Programmierung von Funkgeräten für den Einsatz in den Vereinigten Staaten von Amerika (USA) bestimmt und stellt die Einhaltung der Schmalband-Vorschrift der Federal Communications Commission (FCC) sicher.   Die Programmierung des Funkgeräts auf 25 kHz Kanalabstand ist nicht zulässig und wurde in dieser Anwendung gemäß der seit 1. Januar 2013 geltenden FCC-Vorschrift deaktiviert.</translation>
    </message>
    <message>
        <source>At least one frequency in the RF Frequency table is out of the valid frequency range. CPS corrected it to 151.5 MHz in the profile.</source>
        <translation>Mindestens eine Frequenz in der HF-Frequenztabelle liegt außerhalb des gültigen Frequenzbereichs. Die CPS hat sie im Profil auf 151,5 MHz korrigiert.</translation>
    </message>
    <message>
        <source>The profile names %1 channels in use but holds only %2. CPS uses the %2 channels it holds.</source>
        <translation>Das Profil gibt %1 belegte Kanäle an, enthält aber nur %2. Die CPS verwendet die %2 enthaltenen Kanäle.</translation>
    </message>
</context>
<context>
    <name>ProfileComparison</name>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
</context>
<context>
    <name>ProfileDocument</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Failed to save &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Read from the radio</source>
        <translation>Aus dem Funkgerät lesen</translation>
    </message>
</context>
<context>
    <name>ProfileFields</name>
    <message>
        <source>no change: the radio or the template sets it</source>
        <translation>keine Änderung: das Funkgerät oder die Vorlage legt den Wert fest</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 oder 1</translation>
    </message>
    <message>
        <source>a number from %1 to %2</source>
        <translation>eine Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>einen der Werte %1</translation>
    </message>
    <message>
        <source>a text of at most %1 characters</source>
        <translation>einen Text von höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>%1 digits or nothing</source>
        <translation>%1 Ziffern oder nichts</translation>
    </message>
    <message>
        <source>%1 takes %2.</source>
        <translation>%1 nimmt %2 an.</translation>
    </message>
    <message>
        <source>Clone Compatibility</source>
        <translation>Klon-Kompatibilität</translation>
    </message>
    <message>
        <source>Firmware Phase</source>
        <translation>Firmware-Phase</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Firmwareversion</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Firmware-Revision</translation>
    </message>
    <message>
        <source>Codeplug Phase</source>
        <translation>Codeplug-Phase</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Codeplug-Version</translation>
    </message>
    <message>
        <source>Codeplug Development Version</source>
        <translation>Codeplug-Entwicklungsversion</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Synthesizer Base Frequency</source>
        <translation>Synthesizer-Grundfrequenz</translation>
    </message>
    <message>
        <source>Sub-region</source>
        <translation>Unterregion</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>Max. Kanalzahl</translation>
    </message>
    <message>
        <source>Frequencies in Use</source>
        <translation>Belegte Frequenzen</translation>
    </message>
    <message>
        <source>Lowest Frequency</source>
        <translation>Niedrigste Frequenz</translation>
    </message>
    <message>
        <source>Highest Frequency</source>
        <translation>Höchste Frequenz</translation>
    </message>
    <message>
        <source>Lowest Receive Frequency</source>
        <translation>Niedrigste Empfangsfrequenz</translation>
    </message>
    <message>
        <source>Highest Receive Frequency</source>
        <translation>Höchste Empfangsfrequenz</translation>
    </message>
    <message>
        <source>Lowest Transmit Frequency</source>
        <translation>Niedrigste Sendefrequenz</translation>
    </message>
    <message>
        <source>Highest Transmit Frequency</source>
        <translation>Höchste Sendefrequenz</translation>
    </message>
    <message>
        <source>Time-out Timer Not Available</source>
        <translation>Sendezeitbegrenzung nicht verfügbar</translation>
    </message>
    <message>
        <source>Keypad Beep Not Available</source>
        <translation>Tastenton nicht verfügbar</translation>
    </message>
    <message>
        <source>Roger Beep Not Available</source>
        <translation>Roger-Beep nicht verfügbar</translation>
    </message>
    <message>
        <source>Busy LED Not Available</source>
        <translation>Belegt-LED nicht verfügbar</translation>
    </message>
    <message>
        <source>PL Reverse Burst Available</source>
        <translation>PL-Reverse-Burst verfügbar</translation>
    </message>
    <message>
        <source>VOX Not Available</source>
        <translation>VOX nicht verfügbar</translation>
    </message>
    <message>
        <source>iVOX Not Available</source>
        <translation>iVOX nicht verfügbar</translation>
    </message>
    <message>
        <source>Scramble Not Available</source>
        <translation>Scrambler nicht verfügbar</translation>
    </message>
    <message>
        <source>Battery Save Not Available</source>
        <translation>Akkusparmodus nicht verfügbar</translation>
    </message>
    <message>
        <source>Factory Reset Not Available</source>
        <translation>Werksreset nicht verfügbar</translation>
    </message>
    <message>
        <source>Scan Not Available</source>
        <translation>Suchlauf nicht verfügbar</translation>
    </message>
    <message>
        <source>Number of Call Tones</source>
        <translation>Anzahl der Ruftöne</translation>
    </message>
    <message>
        <source>Number of Preset Buttons</source>
        <translation>Anzahl der Vorwahltasten</translation>
    </message>
    <message>
        <source>Number of PL/DPL Codes</source>
        <translation>Anzahl der PL/DPL-Codes</translation>
    </message>
    <message>
        <source>Power Selection Available</source>
        <translation>Leistungswahl verfügbar</translation>
    </message>
    <message>
        <source>Backlight Button Available</source>
        <translation>Beleuchtungstaste verfügbar</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>Programmiermodus aktivieren</translation>
    </message>
    <message>
        <source>Call Not Available</source>
        <translation>Ruf nicht verfügbar</translation>
    </message>
    <message>
        <source>Monitor Not Available</source>
        <translation>Monitor nicht verfügbar</translation>
    </message>
    <message>
        <source>Keypad Lock Not Available</source>
        <translation>Tastensperre nicht verfügbar</translation>
    </message>
    <message>
        <source>Repeater Not Available</source>
        <translation>Relaisbetrieb nicht verfügbar</translation>
    </message>
    <message>
        <source>Channel Disabling Available</source>
        <translation>Kanaldeaktivierung verfügbar</translation>
    </message>
    <message>
        <source>Talkaround Scan Available</source>
        <translation>Talkaround-Suchlauf verfügbar</translation>
    </message>
    <message>
        <source>Channel Announcement Available</source>
        <translation>Kanalansage verfügbar</translation>
    </message>
    <message>
        <source>Codeplug Password (4-digit number)</source>
        <translation>Codeplug-Passwort (4 Ziffern)</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>Alle LEDs deaktivieren</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>Werksreset sperren</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>Sendezeitbegrenzung (Sek.)</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>PL-Reverse-Burst</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>VOX-Pegel</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>iVOX-Pegel</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>Mikrofonverstärkung</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>Verstärkung Zubehörmikrofon</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>Alternativer Akkutyp</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>Akkusparmodus deaktivieren</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>Seitentaste 1 (SB1)</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>Seitentaste 2 (SB2)</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Taste A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Taste B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>Taste C</translation>
    </message>
    <message>
        <source>Number of Channels</source>
        <translation>Anzahl der Kanäle</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>Sprache der Kanalansage</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>PL-Code 124 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>PL-Code 125 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>PL-Code 126 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>PL-Code 127 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>PL-Code 128 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>PL-Code 129 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>PL-Code 214 (oktal)</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>PL-Code 215 (oktal)</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>PL-Code 216 (oktal)</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>PL-Code 217 (oktal)</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>PL-Code 218 (oktal)</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>PL-Code 219 (oktal)</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>Einschalttext</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Roger-Beep</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>Scrambler-Taste</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>Beleuchtung (Sek.)</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>Rufton</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>Tastensperre</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>Tastenton</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>Relaisstations-ID</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>Relais-ID-Modus</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>Sende-Nachlaufzeit (Sek.)</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>Senden bei schwachem Akku (Min.)</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>Akku-Warnton</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>Courtesy-Ton aktivieren</translation>
    </message>
    <message>
        <source>Preset Channel</source>
        <translation>Vorwahlkanal</translation>
    </message>
    <message>
        <source>Receive Frequency</source>
        <translation>Empfangsfrequenz</translation>
    </message>
    <message>
        <source>Receive PL/DPL Code</source>
        <translation>Empfangs-PL/DPL-Code</translation>
    </message>
    <message>
        <source>Transmit Frequency</source>
        <translation>Sendefrequenz</translation>
    </message>
    <message>
        <source>Transmit PL/DPL Code</source>
        <translation>Sende-PL/DPL-Code</translation>
    </message>
    <message>
        <source>Receive Bandwidth (0 12.5 KHz, 1 25 KHz)</source>
        <translation>Empfangsbandbreite (0 12,5 kHz, 1 25 kHz)</translation>
    </message>
    <message>
        <source>Transmit Bandwidth (0 12.5 KHz, 1 25 KHz)</source>
        <translation>Sendebandbreite (0 12,5 kHz, 1 25 kHz)</translation>
    </message>
    <message>
        <source>Talkaround Power (0 low, 1 high)</source>
        <translation>Talkaround-Leistung (0 niedrig, 1 hoch)</translation>
    </message>
    <message>
        <source>Repeater Power (0 low, 1 high)</source>
        <translation>Relaisleistung (0 niedrig, 1 hoch)</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Relais</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Auto-Suchlauf</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>Kanal deaktivieren</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>Dynamischer Talkaround-Suchlauf</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Suchlauf-Liste</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Leistungsstufe</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Kompander</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Funkgeräteinformationen</translation>
    </message>
    <message>
        <source>Radio Limits</source>
        <translation>Funkgerätegrenzen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Voreinstellung</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
</context>
<context>
    <name>ProfileFileCheck</name>
    <message>
        <source>The CPS does not support this profile&apos;s region.</source>
        <translation>Die CPS unterstützt die Region dieses Profils nicht.</translation>
    </message>
    <message>
        <source> Please use the &quot;%1&quot;.</source>
        <translation> Bitte verwenden Sie „%1“.</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>Ungültige Frequenz.</translation>
    </message>
    <message>
        <source>Codeplug version of CPS and profile are incompatible! Please update your CPS.</source>
        <translation>Die Codeplug-Versionen von CPS und Profil sind nicht kompatibel! Bitte aktualisieren Sie die CPS.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The profile holds a value the CPS cannot set: %1 is &quot;%2&quot;, where %3 may be chosen. Please correct the file.</source>
        <translation>Das Profil enthält einen Wert, den das CPS nicht einstellen kann: %1 ist „%2“, wählbar ist %3. Bitte korrigieren Sie die Datei.</translation>
    </message>
</context>
<context>
    <name>RadioBackups</name>
    <message>
        <source>The radio backup folder %1 cannot be written: %2</source>
        <translation>In den Ordner für Funkgeräte-Sicherungen %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 is no radio backup: it cannot be opened as one.</source>
        <translation>%1 ist keine Funkgeräte-Sicherung: Die Datei lässt sich nicht als solche öffnen.</translation>
    </message>
    <message>
        <source>%1 is no radio backup of this program.</source>
        <translation>%1 ist keine Funkgeräte-Sicherung dieses Programms.</translation>
    </message>
    <message>
        <source>The radio backup %1 is damaged; it is not written to a radio.</source>
        <translation>Die Funkgeräte-Sicherung %1 ist beschädigt; sie wird in kein Funkgerät geschrieben.</translation>
    </message>
    <message>
        <source>The radio backup folder %1 cannot be made: %2</source>
        <translation>Der Ordner für Funkgeräte-Sicherungen %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>The radio backup %1 cannot be written: %2</source>
        <translation>Die Funkgeräte-Sicherung %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>RadioChecks</name>
    <message>
        <source>The current profile is not compatible with the radio.</source>
        <translation>Das aktuelle Profil ist nicht mit dem Funkgerät kompatibel.</translation>
    </message>
    <message>
        <source>When converting from high-tier radio to low-tier radio, some data may be lost. Do you want to continue?</source>
        <translation>Bei der Umwandlung von einem High-Tier- in ein Low-Tier-Funkgerät können Daten verloren gehen. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>The CPS does not support this radio model.</source>
        <translation>Die CPS unterstützt dieses Funkgerätemodell nicht.</translation>
    </message>
    <message>
        <source>The CPS does not support this radio&apos;s region.</source>
        <translation>Die CPS unterstützt die Region dieses Funkgeräts nicht.</translation>
    </message>
    <message>
        <source> Please use the &quot;%1&quot;.</source>
        <translation> Bitte verwenden Sie „%1“.</translation>
    </message>
    <message>
        <source>Codeplug version of CPS and radio are incompatible! Please update your CPS.</source>
        <translation>Die Codeplug-Versionen von CPS und Funkgerät sind nicht kompatibel! Bitte aktualisieren Sie die CPS.</translation>
    </message>
    <message>
        <source>The radio being programmed does not match the model in the current profile.</source>
        <translation>Das zu programmierende Funkgerät entspricht nicht dem Modell des aktuellen Profils.</translation>
    </message>
    <message>
        <source>Invalid frequency: This frequency is not supported by this radio.</source>
        <translation>Ungültige Frequenz: Diese Frequenz wird von diesem Funkgerät nicht unterstützt.</translation>
    </message>
    <message>
        <source>Some profile information is not supported by the host radio and therefore will not be transferred(PL/DPL Code). </source>
        <translation>Einige Profilangaben werden vom angeschlossenen Funkgerät nicht unterstützt und daher nicht übertragen (PL/DPL-Code). </translation>
    </message>
    <message>
        <source>The radio you are programing has a lower version codeplug, some new features can not be used after writing.</source>
        <translation>Das zu programmierende Funkgerät hat eine ältere Codeplug-Version; einige neue Funktionen sind nach dem Schreiben nicht nutzbar.</translation>
    </message>
    <message>
        <source>Error: Communication Error.</source>
        <translation>Fehler: Kommunikationsfehler.</translation>
    </message>
    <message>
        <source>Error: Operation Failed (%1).</source>
        <translation>Fehler: Vorgang fehlgeschlagen (%1).</translation>
    </message>
    <message>
        <source>Radio&apos;s memory is corrupted. Please perform factory reset to correct the error.</source>
        <translation>Der Speicher des Funkgeräts ist beschädigt. Bitte führen Sie einen Werksreset durch, um den Fehler zu beheben.</translation>
    </message>
    <message>
        <source>Radio&apos;s memory is corrupted. Please return to manufacture for correction.</source>
        <translation>Der Speicher des Funkgeräts ist beschädigt. Bitte senden Sie das Gerät zur Reparatur an den Hersteller.</translation>
    </message>
    <message>
        <source>Unknown warning!</source>
        <translation>Unbekannte Warnung!</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>No programming cable was found.</source>
        <translation>Es wurde kein Programmierkabel gefunden.</translation>
    </message>
    <message>
        <source>The programming cable is in use by another program.</source>
        <translation>Das Programmierkabel wird von einem anderen Programm verwendet.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Customer Handout</source>
        <translation>Kundenmerkblatt</translation>
    </message>
    <message>
        <source>Detailed Report</source>
        <translation>Detaillierter Bericht</translation>
    </message>
    <message>
        <source>Error: Load dealer information failed.</source>
        <translation>Fehler: Die Händlerinformationen konnten nicht geladen werden.</translation>
    </message>
    <message>
        <source>2W limit</source>
        <translation>Max. 2 W</translation>
    </message>
    <message>
        <source>The e-mail program xdg-email is not available, you need to install it (xdg-utils) and a mail program to send an e-mail.</source>
        <translation>Das E-Mail-Programm xdg-email ist nicht verfügbar. Zum Senden einer E-Mail müssen Sie es (xdg-utils) und ein E-Mail-Programm installieren.</translation>
    </message>
    <message>
        <source>User selectable with %1 KHz as default</source>
        <translation>Wählbar, Standard %1 kHz</translation>
    </message>
    <message>
        <source>%1 KHz only</source>
        <translation>Nur %1 kHz</translation>
    </message>
    <message>
        <source>%1 KHz</source>
        <translation>%1 kHz</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Taste A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Taste B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>Taste C</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>PL-Code 214 (oktal)</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>PL-Code 215 (oktal)</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>PL-Code 216 (oktal)</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>PL-Code 217 (oktal)</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>PL-Code 218 (oktal)</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>PL-Code 219 (oktal)</translation>
    </message>
    <message>
        <source>Scan List Members</source>
        <translation>Kanäle der Suchlauf-Liste</translation>
    </message>
    <message>
        <source>Scramble Code 1</source>
        <translation>Scrambler-Code 1</translation>
    </message>
    <message>
        <source>Scramble Code 2</source>
        <translation>Scrambler-Code 2</translation>
    </message>
    <message>
        <source>Scramble Code 3</source>
        <translation>Scrambler-Code 3</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>Seitentaste 1 (SB1)</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>Seitentaste 2 (SB2)</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>Dynamischer Talkaround-Suchlauf</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>Sprache der Kanalansage</translation>
    </message>
    <message>
        <source>High power only</source>
        <translation>Nur hohe Leistung</translation>
    </message>
    <message>
        <source>User selectable with high power as default</source>
        <translation>Wählbar, Standard hohe Leistung</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15 Min.</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 Min.</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>Rufton</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Vorwahl 1</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Vorwahl 2</translation>
    </message>
    <message>
        <source>Scan/Nuisance Channel Delete</source>
        <translation>Suchlauf/Störkanal löschen</translation>
    </message>
    <message>
        <source>No Operation</source>
        <translation>Keine Funktion</translation>
    </message>
    <message>
        <source>Tx Power Selection</source>
        <translation>Sendeleistung wählen</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>Verstärkung Zubehörmikrofon</translation>
    </message>
    <message>
        <source>After conversation</source>
        <translation>Nach Gespräch</translation>
    </message>
    <message>
        <source>Alkaline</source>
        <translation>Alkali</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>Alternativer Akkutyp</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Audioeinstellungen</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Auto-Suchlauf</translation>
    </message>
    <message>
        <source>Available Channels</source>
        <translation>Verfügbare Kanäle</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>Beleuchtung (Sek.)</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Channel #</source>
        <translation>Kanal-Nr.</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Codeplug-Version</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>Eigene PL-Töne</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Kompander</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>Eigene DPL-Codes</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>Alle LEDs deaktivieren</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>Akkusparmodus deaktivieren</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>Werksreset sperren</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>Kanal deaktivieren</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>Courtesy-Ton aktivieren</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>Programmiermodus aktivieren</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Firmwareversion</translation>
    </message>
    <message>
        <source>Frequency Range (MHz)</source>
        <translation>Frequenzbereich (MHz)</translation>
    </message>
    <message>
        <source>Frequency(Index)</source>
        <translation>Frequenz (Index)</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>iVOX-Pegel</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>Tastenton</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>Tastensperre</translation>
    </message>
    <message>
        <source>Low power only</source>
        <translation>Nur niedrige Leistung</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>Max. Kanalzahl</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>Mikrofonverstärkung</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Nickel/LiIon</source>
        <translation>Nickel/Li-Ion</translation>
    </message>
    <message>
        <source>No PL/DPL code</source>
        <translation>Kein PL/DPL-Code</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>Akku-Warnton</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>EIN/AUS</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>PL-Code 124 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>PL-Code 125 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>PL-Code 126 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>PL-Code 127 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>PL-Code 128 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>PL-Code 129 (Hz)</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>PL-Reverse-Burst</translation>
    </message>
    <message>
        <source>PL/DPL Code</source>
        <translation>PL/DPL-Code</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Leistungsstufe</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>Einschalttext</translation>
    </message>
    <message>
        <source>Preset 1 Channel</source>
        <translation>Vorwahlkanal 1</translation>
    </message>
    <message>
        <source>Preset 2 Channel</source>
        <translation>Vorwahlkanal 2</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Funkgeräteinformationen</translation>
    </message>
    <message>
        <source>Receive/Transmit</source>
        <translation>Empfang/Senden</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Empfang</translation>
    </message>
    <message>
        <source>Regional Code</source>
        <translation>Regionscode</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>Relais-ID-Modus</translation>
    </message>
    <message>
        <source>Repeater Power</source>
        <translation>Relais-Leistung</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>Relaisstations-ID</translation>
    </message>
    <message>
        <source>Repeater/Talkaround</source>
        <translation>Relais/Talkaround</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Relais</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Roger-Beep</translation>
    </message>
    <message>
        <source>Rx Frequency Range (MHz)</source>
        <translation>Empfangsbereich (MHz)</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Suchlauf-Liste</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>Scrambler-Taste</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>Selectable</source>
        <translation>Wählbar</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Talkaround Power</source>
        <translation>Talkaround-Leistung</translation>
    </message>
    <message>
        <source>Transmit Power</source>
        <translation>Sendeleistung</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>Sendezeitbegrenzung (Sek.)</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Tx Frequency Range (MHz)</source>
        <translation>Sendebereich (MHz)</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>Sende-Nachlaufzeit (Sek.)</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>Senden bei schwachem Akku (Min.)</translation>
    </message>
    <message>
        <source>User selectable with low power as default</source>
        <translation>Wählbar, Standard niedrige Leistung</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>VOX-Pegel</translation>
    </message>
    <message>
        <source>45 min</source>
        <translation>45 Min.</translation>
    </message>
    <message>
        <source>60 min</source>
        <translation>60 Min.</translation>
    </message>
    <message>
        <source>Accessory Jack</source>
        <translation>Zubehörbuchse</translation>
    </message>
    <message>
        <source>Channel Selector</source>
        <translation>Kanalwahlschalter</translation>
    </message>
    <message>
        <source>QA310</source>
        <translation>QA310</translation>
    </message>
    <message>
        <source>Down Button:</source>
        <translation>Taste Ab:</translation>
    </message>
    <message>
        <source>Li-Ion Battery Pack</source>
        <translation>Li-Ion-Akku</translation>
    </message>
    <message>
        <source>Menu Button:</source>
        <translation>Menütaste:</translation>
    </message>
    <message>
        <source>Menu Mode</source>
        <translation>Menümodus</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Power/Volume Knob</source>
        <translation>Ein/Aus-/Lautstärkeregler</translation>
    </message>
    <message>
        <source>Push-to-Talk (PTT)</source>
        <translation>Sendetaste (PTT)</translation>
    </message>
    <message>
        <source>KVX</source>
        <translation>KVX</translation>
    </message>
    <message>
        <source>Scroll down the menu items/change channel</source>
        <translation>Im Menü nach unten blättern/Kanal wechseln</translation>
    </message>
    <message>
        <source>Scroll up the menu items/change channel</source>
        <translation>Im Menü nach oben blättern/Kanal wechseln</translation>
    </message>
    <message>
        <source>QB420</source>
        <translation>QB420</translation>
    </message>
    <message>
        <source>Spring Action Belt Clip</source>
        <translation>Federgürtelclip</translation>
    </message>
    <message>
        <source>Tri-Color LED</source>
        <translation>Dreifarbige LED</translation>
    </message>
    <message>
        <source>Up Button:</source>
        <translation>Taste Auf:</translation>
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
        <translation>Der Bericht konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>(default)</source>
        <translation>(Standard)</translation>
    </message>
    <message>
        <source>The e-mail program xdg-email failed with exit status %1.</source>
        <translation>Das E-Mail-Programm xdg-email ist mit dem Exit-Status %1 fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>Too large: %1 bytes, where at most %2 are read</source>
        <translation>Zu groß: %1 Byte, gelesen werden höchstens %2</translation>
    </message>
    <message>
        <source>Damaged: UTF-16 text of an odd number of bytes</source>
        <translation>Beschädigt: UTF-16-Text mit einer ungeraden Anzahl Bytes</translation>
    </message>
</context>
<context>
    <name>ScriptHost</name>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: 0
%1 is not a function in the hook script</source>
        <translation>IActiveScriptSite::OnScriptError()
Zeile: 0
%1 ist im Hook-Skript keine Funktion</translation>
    </message>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: 0
The hook %1 ran longer than %2 ms and was stopped.</source>
        <translation>IActiveScriptSite::OnScriptError()
Zeile: 0
Der Hook %1 lief länger als %2 ms und wurde abgebrochen.</translation>
    </message>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: %1
%2</source>
        <translation>IActiveScriptSite::OnScriptError()
Zeile: %1
%2</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>The value is not valid.</source>
        <translation>Der Wert ist ungültig.</translation>
    </message>
    <message>
        <source>A channel name must have 1 to 8 characters. Please enter another name.</source>
        <translation>Ein Kanalname muss 1 bis 8 Zeichen lang sein. Bitte geben Sie einen anderen Namen ein.</translation>
    </message>
    <message>
        <source>Another channel already has this name. Please enter a different name.</source>
        <translation>Ein anderer Kanal hat bereits diesen Namen. Bitte geben Sie einen anderen Namen ein.</translation>
    </message>
    <message>
        <source>A channel name can only contain letters, digits, blanks and the punctuation marks of a standard keyboard. Please enter another name.</source>
        <translation>Ein Kanalname darf nur Buchstaben, Ziffern, Leerzeichen und die Satzzeichen einer Standardtastatur enthalten. Bitte geben Sie einen anderen Namen ein.</translation>
    </message>
    <message>
        <source>The codeplug password must be exactly 4 digits, or empty for no password.</source>
        <translation>Das Codeplug-Passwort muss aus genau 4 Ziffern bestehen oder für kein Passwort leer sein.</translation>
    </message>
    <message>
        <source>The power up text can have at most 8 characters, each one of: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</source>
        <translation>Der Einschalttext darf höchstens 8 Zeichen haben, jeweils eines von: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</translation>
    </message>
    <message>
        <source>The repeater station ID can have at most 9 characters, letters and digits only.</source>
        <translation>Die Relaisstations-ID darf höchstens 9 Zeichen haben, nur Buchstaben und Ziffern.</translation>
    </message>
    <message>
        <source>The Tx hang time must be a whole number of seconds from 0 to 50.</source>
        <translation>Die Sende-Nachlaufzeit muss eine ganze Zahl von Sekunden zwischen 0 und 50 sein.</translation>
    </message>
    <message>
        <source>The Tx low battery time must be a whole number of minutes from 0 to 255.</source>
        <translation>Die Sendezeit bei schwachem Akku muss eine ganze Zahl von Minuten zwischen 0 und 255 sein.</translation>
    </message>
    <message>
        <source>A customized PL tone must be from 67.0 to 255.0 Hz.</source>
        <translation>Ein eigener PL-Ton muss zwischen 67,0 und 255,0 Hz liegen.</translation>
    </message>
    <message>
        <source>A customized DPL code must be an octal code from 001 to 777.</source>
        <translation>Ein eigener DPL-Code muss ein Oktalcode zwischen 001 und 777 sein.</translation>
    </message>
    <message>
        <source>One feature can not be assigned to multiple buttons. Choose another feature, or first remove this one from the button that has it.</source>
        <translation>Eine Funktion kann nicht mehreren Tasten zugeordnet werden. Wählen Sie eine andere Funktion oder entfernen Sie diese zuerst von der Taste, der sie zugeordnet ist.</translation>
    </message>
    <message>
        <source>This radio model does not support this PL/DPL code. Please choose another code.</source>
        <translation>Dieses Funkgerätemodell unterstützt diesen PL/DPL-Code nicht. Bitte wählen Sie einen anderen Code.</translation>
    </message>
    <message>
        <source>A preset can only use an enabled channel of this profile. Please choose another channel.</source>
        <translation>Eine Vorwahl kann nur einen aktivierten Kanal dieses Profils verwenden. Bitte wählen Sie einen anderen Kanal.</translation>
    </message>
    <message>
        <source>This is the last enabled channel and can not be disabled. Enable another channel first.</source>
        <translation>Dies ist der letzte aktivierte Kanal und kann nicht deaktiviert werden. Aktivieren Sie zuerst einen anderen Kanal.</translation>
    </message>
    <message>
        <source>This frequency is not in the RF frequency table. Please choose a frequency of the table.</source>
        <translation>Diese Frequenz ist nicht in der HF-Frequenztabelle. Bitte wählen Sie eine Frequenz aus der Tabelle.</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Deleting it moves the preset to another channel. Do you want to continue?</source>
        <translation>Dieser Kanal ist einer Vorwahlkanal-Taste zugeordnet. Wenn Sie ihn löschen, wird die Vorwahl auf einen anderen Kanal gelegt. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>This channel can not be deleted: at least one enabled channel must remain.</source>
        <translation>Dieser Kanal kann nicht gelöscht werden: Mindestens ein aktivierter Kanal muss erhalten bleiben.</translation>
    </message>
    <message>
        <source>The RF frequency table is full (99 frequencies). Delete a frequency that no channel uses before adding another one.</source>
        <translation>Die HF-Frequenztabelle ist voll (99 Frequenzen). Löschen Sie eine von keinem Kanal verwendete Frequenz, bevor Sie eine weitere hinzufügen.</translation>
    </message>
    <message>
        <source>This frequency is already in the RF frequency table. Please enter a different frequency.</source>
        <translation>Diese Frequenz ist bereits in der HF-Frequenztabelle. Bitte geben Sie eine andere Frequenz ein.</translation>
    </message>
    <message>
        <source>This frequency is outside the frequency range of the radio (see Radio Information). Please enter a frequency within the range.</source>
        <translation>Diese Frequenz liegt außerhalb des Frequenzbereichs des Funkgeräts (siehe Funkgeräteinformationen). Bitte geben Sie eine Frequenz innerhalb des Bereichs ein.</translation>
    </message>
    <message>
        <source>MURS frequencies (151.820, 151.880, 151.940, 154.570 and 154.600 MHz) can not be programmed. Please enter a different frequency.</source>
        <translation>MURS-Frequenzen (151,820; 151,880; 151,940; 154,570 und 154,600 MHz) können nicht programmiert werden. Bitte geben Sie eine andere Frequenz ein.</translation>
    </message>
    <message>
        <source>This frequency is used by a channel and can not be deleted. Give the channel another frequency first.</source>
        <translation>Diese Frequenz wird von einem Kanal verwendet und kann nicht gelöscht werden. Weisen Sie dem Kanal zuerst eine andere Frequenz zu.</translation>
    </message>
    <message>
        <source>Channels use this frequency. Changing its bandwidth or power level also changes the bandwidth and power of these channels. Do you want to continue?</source>
        <translation>Kanäle verwenden diese Frequenz. Eine Änderung von Bandbreite oder Leistungsstufe ändert auch Bandbreite und Leistung dieser Kanäle. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>25 KHz channel spacing is not permitted in this radio&apos;s region. Please select &quot;12.5 KHz only&quot;.</source>
        <translation>25 kHz Kanalabstand ist in der Region dieses Funkgeräts nicht zulässig. Bitte wählen Sie „Nur 12,5 kHz“.</translation>
    </message>
    <message>
        <source>The frequency, bandwidth, power level or compander value is not valid.</source>
        <translation>Der Wert für Frequenz, Bandbreite, Leistungsstufe oder Kompander ist ungültig.</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Programming error: 107.</source>
        <translation>Programmierfehler: 107.</translation>
    </message>
    <message>
        <source>Programming error: 108.</source>
        <translation>Programmierfehler: 108.</translation>
    </message>
    <message>
        <source>Fatal error: 102.
Please uninstall and re-install CPS.</source>
        <translation>Schwerer Fehler: 102.
Bitte deinstallieren Sie die CPS und installieren Sie sie neu.</translation>
    </message>
    <message>
        <source>Invalid profile.</source>
        <translation>Ungültiges Profil.</translation>
    </message>
    <message>
        <source>Failed to load profile.</source>
        <translation>Das Profil konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Fatal error: 101.</source>
        <translation>Schwerer Fehler: 101.</translation>
    </message>
    <message>
        <source>File format error. Failed to save.</source>
        <translation>Dateiformatfehler. Speichern fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Some files needed by CPS are not available.
Please reinstall CPS.</source>
        <translation>Einige von der CPS benötigte Dateien sind nicht vorhanden.
Bitte installieren Sie die CPS neu.</translation>
    </message>
</context>
<context>
    <name>SupportBundle</name>
    <message>
        <source>the archive could not be made</source>
        <translation>das Archiv konnte nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>TransmitPower</name>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
</context>
</TS>
