<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>AppIdentity</name>
    <message>
        <source>Files</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle bestanden</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profiel</translation>
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
        <translation>Mislukt</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Radio&apos;s</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Firmwareversie</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Seconden</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Geschreven</translation>
    </message>
    <message>
        <source>%1 programmed, %2 failed</source>
        <translation>%1 geprogrammeerd, %2 mislukt</translation>
    </message>
    <message>
        <source>Batch Report</source>
        <translation>Reeksrapport</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Klant</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profiel</translation>
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
        <translation>Over %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Product version %1</source>
        <translation>Productversie %1</translation>
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
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>Please enter the password:</source>
        <translation>Voer het wachtwoord in:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>The password is not correct. Please check it!</source>
        <translation>Het wachtwoord is onjuist. Controleer het!</translation>
    </message>
</context>
<context>
    <name>CBaseView</name>
    <message>
        <source>Change %1</source>
        <translation>%1 wijzigen</translation>
    </message>
    <message>
        <source>Invalid Value.</source>
        <translation>Ongeldige waarde.</translation>
    </message>
</context>
<context>
    <name>CButtonsView</name>
    <message>
        <source>Do you want to reset all buttons with their defaults?</source>
        <translation>Wilt u alle knoppen terugzetten naar de standaardinstellingen?</translation>
    </message>
    <message>
        <source>Button Reset</source>
        <translation>Knoppen resetten</translation>
    </message>
    <message>
        <source>Some files needed by CPS are not available.
Please reinstall CPS.</source>
        <translation>Enkele bestanden die CPS nodig heeft, ontbreken.
Installeer CPS opnieuw.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>UIT</translation>
    </message>
</context>
<context>
    <name>CChannelBulkEditDialog</name>
    <message>
        <source>Edit Selected Channels (%1)</source>
        <translation>Geselecteerde kanalen bewerken (%1)</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>ongewijzigd</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Edit Selected Channels</source>
        <translation>Geselecteerde kanalen bewerken</translation>
    </message>
</context>
<context>
    <name>CChannelFindDialog</name>
    <message>
        <source>Replace</source>
        <translation>Vervangen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Find what:</source>
        <translation>Zoeken naar:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Vervangen door:</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Zoeken in:</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanaal</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Kolom</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Becomes</source>
        <translation>Wordt</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Zoeken</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>&amp;Alles vervangen</translation>
    </message>
    <message>
        <source>(no such value)</source>
        <translation>(geen dergelijke waarde)</translation>
    </message>
</context>
<context>
    <name>CChannelImportDialog</name>
    <message>
        <source>Added</source>
        <translation>Toegevoegd</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Gewijzigd</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Ongewijzigd</translation>
    </message>
    <message>
        <source>Adapted</source>
        <translation>Aangepast</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Geweigerd</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-bestanden (*.csv);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Kanalen importeren</translation>
    </message>
    <message>
        <source>%1 row(s) are refused and will not be imported.</source>
        <translation>%1 rij(en) worden geweigerd en niet geïmporteerd.</translation>
    </message>
    <message>
        <source>Nothing changes until you choose Import.</source>
        <translation>Er verandert niets totdat u Importeren kiest.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Regel</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Wat</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importeren</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Het bestand &quot;%1&quot; kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Kanalen exporteren</translation>
    </message>
    <message>
        <source>Failed to save &quot;%1&quot;: %2</source>
        <translation>Opslaan van &quot;%1&quot; mislukt: %2</translation>
    </message>
</context>
<context>
    <name>CChannelTableModel</name>
    <message>
        <source>Change %1</source>
        <translation>%1 wijzigen</translation>
    </message>
    <message>
        <source>Channel %1 (%2): %3</source>
        <translation>Kanaal %1 (%2): %3</translation>
    </message>
</context>
<context>
    <name>CChannelTableView</name>
    <message>
        <source>Channels</source>
        <translation>Kanalen</translation>
    </message>
    <message>
        <source>Fill Down %1</source>
        <translation>%1 omlaag doorvoeren</translation>
    </message>
</context>
<context>
    <name>CChannelView</name>
    <message>
        <source>Transmit Power</source>
        <translation>Zendvermogen</translation>
    </message>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Fout: de weergave Portofooninformatie laadt gegevens.</translation>
    </message>
    <message>
        <source>2W limit</source>
        <translation>Max. 2 W</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Buiten bereik</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>%1 wijzigen</translation>
    </message>
    <message>
        <source>Change Frequency</source>
        <translation>Frequentie wijzigen</translation>
    </message>
    <message>
        <source>The transmit frequency index can not be same as the receive frequency index. The next available transmit frequency shall be selected.</source>
        <translation>De zendfrequentie mag niet dezelfde index hebben als de ontvangstfrequentie. De volgende beschikbare zendfrequentie wordt geselecteerd.</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Disable this channel shall cause the value change of the Preset Channel button. Do you want to continue?</source>
        <translation>Dit kanaal is toegewezen aan een voorkeuzekanaalknop. Als u dit kanaal uitschakelt, verandert de waarde van die knop. Wilt u doorgaan?</translation>
    </message>
</context>
<context>
    <name>CChannelsView</name>
    <message>
        <source>Import CSV...</source>
        <translation>CSV importeren...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exporteren...</translation>
    </message>
</context>
<context>
    <name>CCompareCommand</name>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>&amp;Vergelijken...</translation>
    </message>
    <message>
        <source>Lists the differences between a profile and another profile, a file or the radio</source>
        <translation>Toont de verschillen tussen een profiel en een ander profiel, een bestand of de portofoon</translation>
    </message>
    <message>
        <source>Profiles and codeplug images (*.kv9 *.img);;All files (*)</source>
        <translation>Profielen en codeplugimages (*.kv9 *.img);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Het bestand &quot;%1&quot; kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Portofoon</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be compared.</source>
        <translation>%1 en %2 kunnen niet worden vergeleken.</translation>
    </message>
</context>
<context>
    <name>CCompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>Vergelijken</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profiel:</translation>
    </message>
    <message>
        <source>Compare &amp;with:</source>
        <translation>Vergelijken &amp;met:</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Vergelijken</translation>
    </message>
    <message>
        <source>A profile or codeplug image file...</source>
        <translation>Een profiel- of codeplugimagebestand...</translation>
    </message>
    <message>
        <source>The radio on the cable</source>
        <translation>De portofoon aan de kabel</translation>
    </message>
</context>
<context>
    <name>CComparisonWindow</name>
    <message>
        <source>Compare: %1 and %2</source>
        <translation>Vergelijking: %1 en %2</translation>
    </message>
    <message>
        <source>%1 and %2 are the same.</source>
        <translation>%1 en %2 zijn gelijk.</translation>
    </message>
    <message numerus="yes">
        <source>%n difference(s) from %1 to %2:</source>
        <translation>
            <numerusform>%n verschil van %1 naar %2:</numerusform>
            <numerusform>%n verschillen van %1 naar %2:</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Go to Field</source>
        <translation>&amp;Naar veld</translation>
    </message>
</context>
<context>
    <name>CDataAdaptor</name>
    <message>
        <source>Invalid serial number</source>
        <translation>Ongeldig serienummer</translation>
    </message>
    <message>
        <source>Codeplug is corrupted</source>
        <translation>Codeplug is beschadigd</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>Ongeldige frequentie.</translation>
    </message>
</context>
<context>
    <name>CDealerInfoDialog</name>
    <message>
        <source>Error: There is an error when acquiring language type.</source>
        <translation>Fout: de taal kon niet worden bepaald.</translation>
    </message>
    <message>
        <source>Error: Load dealer information failed.</source>
        <translation>Fout: dealergegevens laden mislukt.</translation>
    </message>
    <message>
        <source>Dealer Information</source>
        <translation>Dealergegevens</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>Contact Information</source>
        <translation>Contactgegevens</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>The dealer information in the settings is too long to fit the dialog, please check it!</source>
        <translation>De dealergegevens in de instellingen zijn te lang voor dit venster. Controleer ze!</translation>
    </message>
    <message>
        <source>Failed to write the settings!</source>
        <translation>Schrijven van de instellingen mislukt!</translation>
    </message>
</context>
<context>
    <name>CDifferenceList</name>
    <message>
        <source>Differences</source>
        <translation>Verschillen</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Veld</translation>
    </message>
</context>
<context>
    <name>CDocumentCommands</name>
    <message>
        <source>&quot;%1&quot; is open in another window. Close that window first, or save under another name.</source>
        <translation>&quot;%1&quot; is geopend in een ander venster. Sluit eerst dat venster of sla op onder een andere naam.</translation>
    </message>
</context>
<context>
    <name>CFleetBatch</name>
    <message>
        <source>A batch is under way.</source>
        <translation>Er loopt al een serieprogrammering.</translation>
    </message>
    <message>
        <source>Name each cable of the batch once.</source>
        <translation>Geef elke kabel van de serie maar één keer op.</translation>
    </message>
    <message>
        <source>A batch of %1 radios cannot use %2 cables.</source>
        <translation>Een serie van %1 radio&apos;s kan geen %2 kabels gebruiken.</translation>
    </message>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>Het profiel kan niet worden geopend.</translation>
    </message>
</context>
<context>
    <name>CFrequencyView</name>
    <message>
        <source>%1 KHz only</source>
        <translation>Alleen %1 kHz</translation>
    </message>
    <message>
        <source>User selectable with %1 KHz as default</source>
        <translation>Instelbaar, standaard %1 kHz</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequentie (MHz)</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbreedte</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Vermogensniveau</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Compander</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>n.v.t.</translation>
    </message>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Fout: de weergave Portofooninformatie laadt gegevens.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>Ongeldige frequentie.</translation>
    </message>
    <message>
        <source>The frequency is authorized for 2W maximum transmit power.  CPS shall convert to low power mode.</source>
        <translation>Deze frequentie is toegestaan voor maximaal 2 W zendvermogen.  CPS schakelt over naar laag vermogen.</translation>
    </message>
    <message>
        <source>Add Frequency</source>
        <translation>Frequentie toevoegen</translation>
    </message>
    <message>
        <source>Change Frequency</source>
        <translation>Frequentie wijzigen</translation>
    </message>
    <message>
        <source>Do you want to delete the selected item(s)?</source>
        <translation>Wilt u de geselecteerde item(s) verwijderen?</translation>
    </message>
    <message>
        <source>Frequency (Frequencies) used by channel can not be deleted.</source>
        <translation>Frequenties die door een kanaal worden gebruikt, kunnen niet worden verwijderd.</translation>
    </message>
    <message>
        <source>Delete Frequency</source>
        <translation>Frequentie verwijderen</translation>
    </message>
</context>
<context>
    <name>CHelpBrowser</name>
    <message>
        <source>Help page</source>
        <translation>Helppagina</translation>
    </message>
</context>
<context>
    <name>CHelpPane</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>CHelpSystem</name>
    <message>
        <source>Error: Can not find the help file!</source>
        <translation>Fout: het helpbestand is niet gevonden!</translation>
    </message>
    <message>
        <source>Error: Help File format is invalid!</source>
        <translation>Fout: de indeling van het helpbestand is ongeldig!</translation>
    </message>
    <message>
        <source>Error: Can not find help file information in the settings!</source>
        <translation>Fout: geen gegevens over het helpbestand in de instellingen gevonden!</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>%1 Help</translation>
    </message>
    <message>
        <source>Help navigation</source>
        <translation>Helpnavigatie</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Look for</source>
        <translation>Zoeken naar</translation>
    </message>
    <message>
        <source>Search for</source>
        <translation>Zoekterm</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Zoeken</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Zoekresultaten</translation>
    </message>
</context>
<context>
    <name>CLockPanes</name>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAPS</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Scroll Lock</translation>
    </message>
</context>
<context>
    <name>CMainCommands</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Openen...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sl&amp;uiten</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Recent bestand</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Opnieuw &amp;uitvoeren</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>K&amp;nippen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Knippen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Plakken</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>Naam &amp;wijzigen</translation>
    </message>
    <message>
        <source>Dealer &amp;Info</source>
        <translation>&amp;Dealergegevens</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkbalk</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusbalk</translation>
    </message>
    <message>
        <source>&amp;Help Pane</source>
        <translation>&amp;Helpvenster</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lezen</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lezen</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Schrijven</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schrijven</translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation>&amp;Terugzetten</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Rapport</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Trapsgewijs</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Naast elkaar</translation>
    </message>
    <message>
        <source>&amp;Content and Index...</source>
        <translation>&amp;Inhoud en index...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Canada French</source>
        <translation>Frans (Canada)</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinees</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engels</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Duits</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiaans</translation>
    </message>
    <message>
        <source>LA Portuguese</source>
        <translation>Portugees (Latijns-Amerika)</translation>
    </message>
    <message>
        <source>LA Spanish</source>
        <translation>Spaans (Latijns-Amerika)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Pools</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugees</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spaans</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>T&amp;aal</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Apparaat</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Venster</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <source>Edit Selected C&amp;hannels...</source>
        <translation>Geselecteerde &amp;kanalen bewerken...</translation>
    </message>
    <message>
        <source>Restore Radio &amp;Backup...</source>
        <translation>Radio&amp;back-up terugzetten...</translation>
    </message>
    <message>
        <source>Program &amp;Several Radios...</source>
        <translation>&amp;Meerdere radio&apos;s programmeren...</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Profiles</source>
        <translation>Profielen</translation>
    </message>
    <message>
        <source>Cable status</source>
        <translation>Kabelstatus</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>There are %1 USB connections. Please remove the unused one and keep one connection only.</source>
        <translation>Er zijn %1 USB-verbindingen. Verwijder de ongebruikte en houd slechts één verbinding aan.</translation>
    </message>
    <message>
        <source>USB Cable Connected</source>
        <translation>USB-kabel aangesloten</translation>
    </message>
    <message>
        <source>USB Cable Not Connected</source>
        <translation>USB-kabel niet aangesloten</translation>
    </message>
    <message>
        <source>%1 connected</source>
        <translation>%1 aangesloten</translation>
    </message>
    <message>
        <source>%1 not connected</source>
        <translation>%1 niet aangesloten</translation>
    </message>
    <message>
        <source>You have to restart the CPS for this change to take effect.</source>
        <translation>U moet CPS opnieuw starten om deze wijziging door te voeren.</translation>
    </message>
</context>
<context>
    <name>CNewProfileDlg</name>
    <message>
        <source>New Profile</source>
        <translation>Nieuw profiel</translation>
    </message>
    <message>
        <source>Please choose profile model.</source>
        <translation>Kies het model voor het profiel.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Error: Can not find template files!</source>
        <translation>Fout: sjabloonbestanden niet gevonden!</translation>
    </message>
</context>
<context>
    <name>CProgramRadiosDlg</name>
    <message>
        <source>Program Several Radios</source>
        <translation>Meerdere radio&apos;s programmeren</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;toppen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Reeks</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profiel:</translation>
    </message>
    <message>
        <source>None: every radio gets the profile as it is</source>
        <translation>Geen: elke radio krijgt het profiel zoals het is</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Bladeren...</translation>
    </message>
    <message>
        <source>Per-radio &amp;values (CSV):</source>
        <translation>&amp;Waarden per radio (CSV):</translation>
    </message>
    <message>
        <source>&amp;Cables:</source>
        <translation>&amp;Kabels:</translation>
    </message>
    <message>
        <source>A serial device, such as /dev/ttyUSB1</source>
        <translation>Een serieel apparaat, zoals /dev/ttyUSB1</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>&amp;Other cable:</source>
        <translation>&amp;Andere kabel:</translation>
    </message>
    <message>
        <source>Until Stop</source>
        <translation>Tot Stoppen</translation>
    </message>
    <message>
        <source>&amp;Radios in the batch:</source>
        <translation>&amp;Radio&apos;s in de reeks:</translation>
    </message>
    <message>
        <source>Only for radios with a codeplug password</source>
        <translation>Alleen voor radio&apos;s met een codeplug-wachtwoord</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message>
        <source>C&amp;ustomer:</source>
        <translation>K&amp;lant:</translation>
    </message>
    <message>
        <source>&amp;Write again a radio already done in this batch</source>
        <translation>Een radio die in deze reeks al klaar is opnieuw &amp;schrijven</translation>
    </message>
    <message>
        <source>Choose the cables and press Start.</source>
        <translation>Kies de kabels en druk op Starten.</translation>
    </message>
    <message>
        <source>Batch status</source>
        <translation>Status van de reeks</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>Kabels</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Radio&apos;s</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Geschreven</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Back-up</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Controle</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tijd (s)</translation>
    </message>
    <message>
        <source>There is no device &quot;%1&quot;.</source>
        <translation>Het apparaat &quot;%1&quot; bestaat niet.</translation>
    </message>
    <message>
        <source>Per-Radio Values</source>
        <translation>Waarden per radio</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-bestanden (*.csv);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Choose at least one cable.</source>
        <translation>Kies ten minste één kabel.</translation>
    </message>
    <message>
        <source>The profile cannot be copied for the batch: %1.</source>
        <translation>Het profiel kan niet voor de reeks worden gekopieerd: %1.</translation>
    </message>
    <message>
        <source>The batch has started.</source>
        <translation>De reeks is begonnen.</translation>
    </message>
    <message>
        <source>&amp;Cancel Radios</source>
        <translation>Radio&apos;s &amp;annuleren</translation>
    </message>
    <message>
        <source>Cancel Radios</source>
        <translation>Radio&apos;s annuleren</translation>
    </message>
    <message>
        <source>Stopping: the radios in progress finish. Cancel Radios stops them too.</source>
        <translation>Bezig met stoppen: de lopende radio&apos;s maken het af. Radio&apos;s annuleren stopt ook die.</translation>
    </message>
    <message>
        <source>Waiting for a radio</source>
        <translation>Wacht op een radio</translation>
    </message>
    <message>
        <source>Progress on %1</source>
        <translation>Voortgang op %1</translation>
    </message>
    <message>
        <source>State of %1</source>
        <translation>Status van %1</translation>
    </message>
    <message>
        <source>Identifying</source>
        <translation>Identificeren</translation>
    </message>
    <message>
        <source>Backing up</source>
        <translation>Back-up maken</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lezen...</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Schrijven</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Controleren</translation>
    </message>
    <message>
        <source>Connect the next radio</source>
        <translation>Sluit de volgende radio aan</translation>
    </message>
    <message numerus="yes">
        <source>Connect the next radio. %n radio(s) done.</source>
        <translation>
            <numerusform>Sluit de volgende radio aan. %n radio klaar.</numerusform>
            <numerusform>Sluit de volgende radio aan. %n radio&apos;s klaar.</numerusform>
        </translation>
    </message>
    <message>
        <source>Already done</source>
        <translation>Al klaar</translation>
    </message>
    <message>
        <source>The radio %1 on %2 is already programmed in this batch: it is skipped. Connect the next radio.</source>
        <translation>De radio %1 op %2 is in deze reeks al geprogrammeerd: hij wordt overgeslagen. Sluit de volgende radio aan.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Stored</source>
        <translation>Opgeslagen</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Geslaagd</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Mislukt</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>Niet bereikt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Mislukt: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>The batch has ended: %1 programmed, %2 failed. The log is in %3.</source>
        <translation>De reeks is beëindigd: %1 geprogrammeerd, %2 mislukt. Het logboek staat in %3.</translation>
    </message>
</context>
<context>
    <name>CRadioCommands</name>
    <message>
        <source>Transferring...</source>
        <translation>Bezig met overdragen...</translation>
    </message>
    <message>
        <source>Do you want to create a new profile (Yes), overwrite the currently selected profile (No) or cancel it?</source>
        <translation>Wilt u een nieuw profiel maken (Ja), het geselecteerde profiel overschrijven (Nee) of annuleren?</translation>
    </message>
    <message>
        <source>There are no radio backups in %1.</source>
        <translation>Er zijn geen radioback-ups in %1.</translation>
    </message>
    <message>
        <source>%1  %2 (%3)  %4  %5</source>
        <translation>%1  %2 (%3)  %4  %5</translation>
    </message>
    <message>
        <source>Restore Radio Backup</source>
        <translation>Radioback-up terugzetten</translation>
    </message>
    <message>
        <source>Backup to write into the radio on the cable:</source>
        <translation>Back-up om in de radio aan de kabel te schrijven:</translation>
    </message>
</context>
<context>
    <name>CRadioInfoView</name>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Fout: de weergave Portofooninformatie laadt gegevens.</translation>
    </message>
</context>
<context>
    <name>CRadioOperations</name>
    <message>
        <source>backup of %1</source>
        <translation>back-up van %1</translation>
    </message>
    <message>
        <source>This backup is of a %1 radio, and the radio on the cable is a %2; it is not written.</source>
        <translation>Deze back-up is van een %1-radio en de radio aan de kabel is een %2; hij wordt niet geschreven.</translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation>Er is niets naar de radio geschreven.</translation>
    </message>
    <message>
        <source>This backup was taken from the radio with the serial number %1, and the radio on the cable has %2. Write it into this radio?</source>
        <translation>Deze back-up is gemaakt van de radio met serienummer %1 en de radio aan de kabel heeft %2. Toch naar deze radio schrijven?</translation>
    </message>
    <message>
        <source>What the radio held before the write is kept in %1.</source>
        <translation>Wat de radio vóór het schrijven bevatte, is bewaard in %1.</translation>
    </message>
    <message>
        <source>The radio holds its backup again; the profile was not written.</source>
        <translation>De radio bevat weer zijn back-up; het profiel is niet geschreven.</translation>
    </message>
    <message>
        <source>The radio did not keep these settings: %1</source>
        <translation>De radio heeft deze instellingen niet bewaard: %1</translation>
    </message>
    <message>
        <source>Write to the radio again?</source>
        <translation>Opnieuw naar de radio schrijven?</translation>
    </message>
    <message>
        <source>Put the radio back as it was before the write, from its backup %1?</source>
        <translation>De radio terugzetten naar de toestand van vóór het schrijven, uit zijn back-up %1?</translation>
    </message>
</context>
<context>
    <name>CReadWriteDialog</name>
    <message>
        <source>Read</source>
        <translation>Lezen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schrijven</translation>
    </message>
    <message>
        <source>Reading from the radio ...</source>
        <translation>Portofoon wordt gelezen ...</translation>
    </message>
    <message>
        <source>Writing to the radio ...</source>
        <translation>Portofoon wordt beschreven ...</translation>
    </message>
    <message>
        <source>Transfer status</source>
        <translation>Overdrachtsstatus</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Voortgang overdracht</translation>
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
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Read Failed!</source>
        <translation>Lezen mislukt!</translation>
    </message>
    <message>
        <source>Write Failed!</source>
        <translation>Schrijven mislukt!</translation>
    </message>
    <message>
        <source>Read Successfully!</source>
        <translation>Lezen geslaagd!</translation>
    </message>
    <message>
        <source>Write Successfully!</source>
        <translation>Schrijven geslaagd!</translation>
    </message>
</context>
<context>
    <name>CReportDlg</name>
    <message>
        <source>Reports</source>
        <translation>Rapporten</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exporteren</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-documenten (*.pdf)</translation>
    </message>
    <message>
        <source>Web pages (*.htm *.html)</source>
        <translation>Webpagina&apos;s (*.htm *.html)</translation>
    </message>
    <message>
        <source>The report could not be written to &quot;%1&quot;.</source>
        <translation>Het rapport kon niet naar &quot;%1&quot; worden geschreven.</translation>
    </message>
    <message>
        <source>The report cannot be shown here: the browser library is missing.</source>
        <translation>Het rapport kan hier niet worden getoond: de browserbibliotheek ontbreekt.</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Het rapport kon niet worden afgedrukt.</translation>
    </message>
</context>
<context>
    <name>CReportOptionDlg</name>
    <message>
        <source>Reports</source>
        <translation>Rapporten</translation>
    </message>
    <message>
        <source>Choose a report template.</source>
        <translation>Kies een rapportsjabloon.</translation>
    </message>
    <message>
        <source>Customer Handout</source>
        <translation>Klantoverzicht</translation>
    </message>
    <message>
        <source>Detailed Report</source>
        <translation>Gedetailleerd rapport</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>CScanView</name>
    <message>
        <source>Add to the scan list</source>
        <translation>Aan de scanlijst toevoegen</translation>
    </message>
    <message>
        <source>Remove from the scan list</source>
        <translation>Uit de scanlijst verwijderen</translation>
    </message>
</context>
<context>
    <name>CSettingView</name>
    <message>
        <source>Please enter 4 numeric characters.</source>
        <translation>Voer 4 cijfers in.</translation>
    </message>
    <message>
        <source>The passwords you entered do not match.</source>
        <translation>De ingevoerde wachtwoorden komen niet overeen.</translation>
    </message>
</context>
<context>
    <name>CSplashScreen</name>
    <message>
        <source>Splash screen</source>
        <translation>Opstartscherm</translation>
    </message>
</context>
<context>
    <name>CStartPage</name>
    <message>
        <source>No profile opened yet.</source>
        <translation>Nog geen profiel geopend.</translation>
    </message>
    <message>
        <source>Start page</source>
        <translation>Startpagina</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Nieuw profiel</translation>
    </message>
    <message>
        <source>A new profile from a model&apos;s template</source>
        <translation>Een nieuw profiel op basis van de sjabloon van een model</translation>
    </message>
    <message>
        <source>Open Profile</source>
        <translation>Profiel openen</translation>
    </message>
    <message>
        <source>A profile file (.kv9) on this computer</source>
        <translation>Een profielbestand (.kv9) op deze computer</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Uit portofoon lezen</translation>
    </message>
    <message>
        <source>The profile of the radio on the cable</source>
        <translation>Het profiel van de portofoon aan de kabel</translation>
    </message>
    <message>
        <source>&amp;Recent profiles</source>
        <translation>&amp;Recente profielen</translation>
    </message>
    <message>
        <source>Recent profiles</source>
        <translation>Recente profielen</translation>
    </message>
    <message>
        <source>Enter opens the selected profile</source>
        <translation>Enter opent het geselecteerde profiel</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>ontbreekt</translation>
    </message>
    <message>
        <source>unknown model</source>
        <translation>onbekend model</translation>
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
        <translation>&amp;Supportbestand maken...</translation>
    </message>
    <message>
        <source>Saves the versions, cable, radio, settings and radio traces for the supplier</source>
        <translation>Slaat de versies, kabel, portofoon, instellingen en radiotraces op voor de leverancier</translation>
    </message>
    <message>
        <source>Create Support File</source>
        <translation>Supportbestand maken</translation>
    </message>
    <message>
        <source>Support files (*.tar.gz)</source>
        <translation>Supportbestanden (*.tar.gz)</translation>
    </message>
    <message>
        <source>Add the open profile to the support file? Its codeplug password is left out.</source>
        <translation>Het geopende profiel aan het supportbestand toevoegen? Het codeplug-wachtwoord wordt weggelaten.</translation>
    </message>
    <message>
        <source>The support file has been saved as &quot;%1&quot;.</source>
        <translation>Het supportbestand is opgeslagen als &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Cannot save the support file &quot;%1&quot;: %2</source>
        <translation>Kan het supportbestand &apos;%1&apos; niet opslaan: %2</translation>
    </message>
</context>
<context>
    <name>CVelaCPSApp</name>
    <message>
        <source>CPS needs vbscript engine to start. Please install vbscript engine before re-starting the %1.</source>
        <translation>CPS heeft de scriptengine nodig om te starten. Installeer de scriptengine voordat u %1 opnieuw start.</translation>
    </message>
    <message>
        <source>The language resource file is missing. The CPS will start with English language version.</source>
        <translation>Het taalbestand ontbreekt. CPS start in het Engels.</translation>
    </message>
</context>
<context>
    <name>CVelaCPSDoc</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>Wijzigingen in %1 opslaan?</translation>
    </message>
</context>
<context>
    <name>CVelaCPSTreeView</name>
    <message>
        <source>Profile</source>
        <translation>Profiel</translation>
    </message>
    <message>
        <source>KVX Distributor Series</source>
        <translation>KVX Distributor Series</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Audio-instellingen</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Knoppen</translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation>RF-frequenties</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanalen</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Scanlijst</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>Eigen PL-tonen</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>Eigen DPL-codes</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Kanaal toevoegen</translation>
    </message>
    <message>
        <source>The last valid channel can not be deleted.</source>
        <translation>Het laatste geldige kanaal kan niet worden verwijderd.</translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Kanaal verwijderen</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Deleting this channel shall cause the value change of the Preset Channel button. Do you want to continue?</source>
        <translation>Dit kanaal is toegewezen aan een voorkeuzekanaalknop. Als u dit kanaal verwijdert, verandert de waarde van die knop. Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>Rename Channel</source>
        <translation>Kanaal hernoemen</translation>
    </message>
    <message>
        <source>&amp;Add	Ctrl+A</source>
        <translation>&amp;Toevoegen	Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Verwijderen	Del</translation>
    </message>
    <message>
        <source>&amp;Rename	F2</source>
        <translation>Naam &amp;wijzigen	F2</translation>
    </message>
</context>
<context>
    <name>CWriteReviewDialog</name>
    <message>
        <source>&amp;Do not ask again for identical models</source>
        <translation>&amp;Niet meer vragen bij identieke modellen</translation>
    </message>
    <message>
        <source>Write to Radio</source>
        <translation>Naar portofoon schrijven</translation>
    </message>
    <message>
        <source>The write changes these settings in the radio:</source>
        <translation>Het schrijven wijzigt deze instellingen in de radio:</translation>
    </message>
    <message>
        <source>In the radio</source>
        <translation>In de portofoon</translation>
    </message>
    <message>
        <source>After the write</source>
        <translation>Na het schrijven</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Schrijven</translation>
    </message>
    <message>
        <source>The choice not to be asked again could not be stored.</source>
        <translation>De keuze om niet meer te vragen kon niet worden opgeslagen.</translation>
    </message>
</context>
<context>
    <name>CableChoices</name>
    <message>
        <source>USB programming cable</source>
        <translation>USB-programmeerkabel</translation>
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
        <translation>Positie %1: het model heeft geen ruimte voor meer kanalen; de rij wordt niet geïmporteerd.</translation>
    </message>
    <message>
        <source>Location %1 becomes channel %2.</source>
        <translation>Positie %1 wordt kanaal %2.</translation>
    </message>
    <message>
        <source>%1 MHz allows 2 W at most: it is added with low power only.</source>
        <translation>%1 MHz staat hoogstens 2 W toe: alleen met laag vermogen toegevoegd.</translation>
    </message>
    <message>
        <source>%1 MHz is added as 12.5 kHz only: the model allows no wider channels.</source>
        <translation>%1 MHz wordt alleen als 12,5 KHz toegevoegd: het model staat geen bredere kanalen toe.</translation>
    </message>
    <message>
        <source>%1 MHz is added to the RF frequency table as entry %2.</source>
        <translation>%1 MHz wordt als item %2 aan de RF-frequentietabel toegevoegd.</translation>
    </message>
    <message>
        <source>%1: the frequency allows only %2.</source>
        <translation>%1: de frequentie staat alleen %2 toe.</translation>
    </message>
    <message>
        <source>This radio cannot use %1: the channel gets no code.</source>
        <translation>Deze portofoon kan %1 niet gebruiken: het kanaal krijgt geen code.</translation>
    </message>
    <message>
        <source>Channel %1 is added.</source>
        <translation>Kanaal %1 wordt toegevoegd.</translation>
    </message>
    <message>
        <source>Channel %1 is unchanged.</source>
        <translation>Kanaal %1 blijft ongewijzigd.</translation>
    </message>
    <message>
        <source>Channel %1 changes: %2.</source>
        <translation>Kanaal %1 wijzigt: %2.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is cut to &quot;%2&quot;.</source>
        <translation>De naam &quot;%1&quot; wordt ingekort tot &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>This model has no repeater: the channel transmits on its receive frequency.</source>
        <translation>Dit model heeft geen repeater: het kanaal zendt op zijn ontvangstfrequentie.</translation>
    </message>
    <message>
        <source>This model has no power choice: the power is not changed.</source>
        <translation>Dit model heeft geen vermogenskeuze: het vermogen wordt niet gewijzigd.</translation>
    </message>
    <message>
        <source>Power %1 becomes %2.</source>
        <translation>Vermogen %1 wordt %2.</translation>
    </message>
    <message>
        <source>This model transmits with its receive code: %1 is not sent.</source>
        <translation>Dit model zendt met zijn ontvangstcode: %1 wordt niet verzonden.</translation>
    </message>
    <message>
        <source>no code</source>
        <translation>geen code</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Regel %1: %2</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Kanalen importeren</translation>
    </message>
    <message>
        <source>Location %1 is already on line %2.</source>
        <translation>Positie %1 staat al op regel %2.</translation>
    </message>
    <message>
        <source>the row ends before this column.</source>
        <translation>de rij eindigt vóór deze kolom.</translation>
    </message>
    <message>
        <source>a frequency is needed.</source>
        <translation>een frequentie is nodig.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a frequency in MHz.</source>
        <translation>&quot;%1&quot; is geen frequentie in MHz.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tone in Hz.</source>
        <translation>&quot;%1&quot; is geen toon in Hz.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a DCS code (octal).</source>
        <translation>&quot;%1&quot; is geen DCS-code (octaal).</translation>
    </message>
    <message>
        <source>Column %1 (%2): %3</source>
        <translation>Kolom %1 (%2): %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a polarity (NN, NR, RN or RR).</source>
        <translation>&quot;%1&quot; is geen polariteit (NN, NR, RN of RR).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cross mode.</source>
        <translation>&quot;%1&quot; is geen kruismodus.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tone mode (Tone, TSQL, DTCS or Cross).</source>
        <translation>&quot;%1&quot; is geen toonmodus (Tone, TSQL, DTCS of Cross).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a power in watts.</source>
        <translation>&quot;%1&quot; is geen vermogen in watt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a duplex (empty, +, - or split).</source>
        <translation>&quot;%1&quot; is geen duplex (leeg, +, - of split).</translation>
    </message>
    <message>
        <source>the transmit frequency is out of bounds.</source>
        <translation>de zendfrequentie valt buiten de grenzen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not %2.</source>
        <translation>&quot;%1&quot; is niet %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a channel number (1 or more).</source>
        <translation>&quot;%1&quot; is geen kanaalnummer (1 of meer).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a mode this radio has (FM or NFM).</source>
        <translation>&quot;%1&quot; is geen modus van deze portofoon (FM of NFM).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a step in kHz.</source>
        <translation>&quot;%1&quot; is geen stap in kHz.</translation>
    </message>
    <message>
        <source>a skip mark (empty or S)</source>
        <translation>een overslaanteken voor scannen (leeg of S)</translation>
    </message>
    <message>
        <source>This is not a channel list: its first line must be a header that names the columns, at least Location and Frequency, such as
%1</source>
        <translation>Dit is geen kanaallijst: de eerste regel moet een kop zijn die de kolommen noemt, minstens Location en Frequency, zoals
%1</translation>
    </message>
    <message>
        <source>The file has more than %1 rows.</source>
        <translation>Het bestand heeft meer dan %1 rijen.</translation>
    </message>
    <message>
        <source>Line %1: a quote is not closed.</source>
        <translation>Regel %1: een aanhalingsteken wordt niet gesloten.</translation>
    </message>
</context>
<context>
    <name>CodeDisplayText</name>
    <message>
        <source>No PL/DPL code</source>
        <translation>Geen PL/DPL-code</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>Eigen PL-toon</translation>
    </message>
    <message>
        <source>Inverted DPL</source>
        <translation>Geïnverteerde DPL</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>Eigen DPL-code</translation>
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
        <translation>Ernstige fout in de instellingen, de toepassing wordt gesloten!</translation>
    </message>
</context>
<context>
    <name>Editors</name>
    <message>
        <source>Low</source>
        <translation>Laag</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Middel</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoog</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>UIT</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engels</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spaans</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Audio-instellingen</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>Microfoonversterking</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>Versterking accessoiremicrofoon</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>VOX-niveau</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>iVOX-niveau</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>Taal kanaalaankondiging</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Roger-piep</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>Toetstoon</translation>
    </message>
    <message>
        <source>One feature can not be assigned to multiple buttons.</source>
        <translation>Eén functie kan niet aan meerdere knoppen worden toegewezen.</translation>
    </message>
    <message>
        <source>The channel can not be selected!</source>
        <translation>Dit kanaal kan niet worden geselecteerd!</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Scan/Nuisance Channel Delete</source>
        <translation>Scan/stoorkanaal verwijderen</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>Oproeptoon</translation>
    </message>
    <message>
        <source>Tx Power Selection</source>
        <translation>Zendvermogen kiezen</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>Repeater/Talkaround</source>
        <translation>Repeater/talkaround</translation>
    </message>
    <message>
        <source>No Operation</source>
        <translation>Geen functie</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Verlichting</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Voorkeuze 1</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Voorkeuze 2</translation>
    </message>
    <message>
        <source>Selectable</source>
        <translation>Instelbaar</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>AAN/UIT</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Knoppen</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>Toetsenblokkering</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Functie</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>Zijknop 1 (SB1)</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>Zijknop 2 (SB2)</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Knop A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Knop B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>Knop C</translation>
    </message>
    <message>
        <source>Button Reset</source>
        <translation>Knoppen resetten</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>Scramblerknop</translation>
    </message>
    <message>
        <source>Preset 1 Channel</source>
        <translation>Voorkeuzekanaal 1</translation>
    </message>
    <message>
        <source>Preset 2 Channel</source>
        <translation>Voorkeuzekanaal 2</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanalen</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Kanaal toevoegen</translation>
    </message>
    <message>
        <source>Scramble Code 1</source>
        <translation>Scramblercode 1</translation>
    </message>
    <message>
        <source>Scramble Code 2</source>
        <translation>Scramblercode 2</translation>
    </message>
    <message>
        <source>Scramble Code 3</source>
        <translation>Scramblercode 3</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequentie (MHz)</translation>
    </message>
    <message>
        <source>Bandwidth (KHz)</source>
        <translation>Bandbreedte (kHz)</translation>
    </message>
    <message>
        <source>PL/DPL Code</source>
        <translation>PL/DPL-code</translation>
    </message>
    <message>
        <source>High-power is only available in non-PMR446 markets</source>
        <translation>Hoog vermogen is alleen beschikbaar buiten PMR446-markten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>Kanaal uitschakelen</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Ontvangen</translation>
    </message>
    <message>
        <source>Talkaround Power</source>
        <translation>Talkaround-vermogen</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Zenden</translation>
    </message>
    <message>
        <source>Repeater Power</source>
        <translation>Repeatervermogen</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Repeater</translation>
    </message>
    <message>
        <source>In talkaround mode, Transmit will use Receive settings.</source>
        <translation>In talkaround-modus gebruikt Zenden de instellingen van Ontvangen.</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>Dynamische talkaround-scan</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Automatisch scannen</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>Eigen PL-tonen</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>PL-code 124 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>PL-code 125 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>PL-code 126 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>PL-code 127 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>PL-code 128 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>PL-code 129 (Hz)</translation>
    </message>
    <message>
        <source>The PL Code you input is invalid. The valid range is: 67.0 - 255.0 Hz.</source>
        <translation>De ingevoerde PL-code is ongeldig. Het geldige bereik is: 67,0 - 255,0 Hz.</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>Eigen DPL-codes</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>PL-code 214 (oct.)</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>PL-code 215 (oct.)</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>PL-code 216 (oct.)</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>PL-code 217 (oct.)</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>PL-code 218 (oct.)</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>PL-code 219 (oct.)</translation>
    </message>
    <message>
        <source>The DPL Code you entered is invalid. The valid range is(OCT): 001 - 777.</source>
        <translation>De ingevoerde DPL-code is ongeldig. Het geldige bereik is (octaal): 001 - 777.</translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation>RF-frequenties</translation>
    </message>
    <message>
        <source>Low power only</source>
        <translation>Alleen laag vermogen</translation>
    </message>
    <message>
        <source>High power only</source>
        <translation>Alleen hoog vermogen</translation>
    </message>
    <message>
        <source>User selectable with low power as default</source>
        <translation>Instelbaar, standaard laag vermogen</translation>
    </message>
    <message>
        <source>User selectable with high power as default</source>
        <translation>Instelbaar, standaard hoog vermogen</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AAN</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbreedte</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Vermogensniveau</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Compander</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Portofooninformatie</translation>
    </message>
    <message>
        <source>Regional Code</source>
        <translation>Regiocode</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Firmwareversie</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Codeplugversie</translation>
    </message>
    <message>
        <source>Frequency Range (MHz)</source>
        <translation>Frequentiebereik (MHz)</translation>
    </message>
    <message>
        <source>Rx Frequency Range (MHz)</source>
        <translation>Rx-frequentiebereik (MHz)</translation>
    </message>
    <message>
        <source>Tx Frequency Range (MHz)</source>
        <translation>Tx-frequentiebereik (MHz)</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>Max. aantal kanalen</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Scanlijst</translation>
    </message>
    <message>
        <source>Available Channels</source>
        <translation>Beschikbare kanalen</translation>
    </message>
    <message>
        <source>&amp;Add&gt;&gt;</source>
        <translation>&amp;Toevoegen&gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;Re&amp;move</source>
        <translation>&lt;&lt;&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Scan List Members</source>
        <translation>Kanalen in scanlijst</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Uit</translation>
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
        <translation>Na gesprek</translation>
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
        <translation>Alkaline</translation>
    </message>
    <message>
        <source>Nickel/LiIon</source>
        <translation>Nikkel/Li-ion</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Algemene instellingen</translation>
    </message>
    <message>
        <source>Codeplug Password (4-digit number)</source>
        <translation>Codeplugwachtwoord (4 cijfers)</translation>
    </message>
    <message>
        <source>Confirm Password (4-digit number)</source>
        <translation>Wachtwoord bevestigen (4 cijfers)</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>Opstarttekst</translation>
    </message>
    <message>
        <source>Power up text can only contain: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</source>
        <translation>Opstarttekst mag alleen bevatten: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>Repeaterstation-ID</translation>
    </message>
    <message>
        <source>Repeater station id can only contain letter and digits.</source>
        <translation>De repeaterstation-ID mag alleen letters en cijfers bevatten.</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>Repeater-ID-modus</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>Alle leds uitschakelen</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>Fabrieksreset blokkeren</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>Programmeermodus inschakelen</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>Batterijbesparing uitschakelen</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>Verlichting (sec.)</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>Tx-nalooptijd (sec.)</translation>
    </message>
    <message>
        <source>The tx hangtime is invalid. Its range is 0 - 50.</source>
        <translation>De Tx-nalooptijd is ongeldig. Het bereik is 0 - 50.</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>Tx bij lage batterij (min.)</translation>
    </message>
    <message>
        <source>The tx low battery is invalid. Its range is 0 - 255.</source>
        <translation>De Tx-tijd bij lage batterij is ongeldig. Het bereik is 0 - 255.</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>Waarschuwingstoon batterij</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>Courtesy-toon inschakelen</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>Zendtijdbegrenzing (sec.)</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>PL-fase-omkering</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>Alternatief batterijtype</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Vermogen</translation>
    </message>
    <message>
        <source>Receive PL/DPL</source>
        <translation>PL/DPL ontvangen</translation>
    </message>
    <message>
        <source>Transmit PL/DPL</source>
        <translation>PL/DPL zenden</translation>
    </message>
</context>
<context>
    <name>FieldAssignments</name>
    <message>
        <source>%1: the RF frequency table has no such row.</source>
        <translation>%1: de RF-frequentietabel heeft zo&apos;n rij niet.</translation>
    </message>
    <message>
        <source>%1: the profile has no such field.</source>
        <translation>%1: het profiel heeft zo&apos;n veld niet.</translation>
    </message>
    <message>
        <source>%1: the channel is disabled; only its disable_channel=0 changes it.</source>
        <translation>%1: het kanaal is uitgeschakeld; alleen zijn disable_channel=0 wijzigt het.</translation>
    </message>
    <message>
        <source>%1: this radio takes codes up to %2.</source>
        <translation>%1: deze portofoon neemt codes tot %2 aan.</translation>
    </message>
    <message>
        <source>%1 is set together with %2 in the same change.</source>
        <translation>%1 wordt samen met %2 in dezelfde wijziging ingesteld.</translation>
    </message>
    <message>
        <source>%1 is no field of the profile.</source>
        <translation>%1 is geen veld van het profiel.</translation>
    </message>
    <message>
        <source>%1 needs the number of its element, counted from 1.</source>
        <translation>%1 heeft het nummer van zijn element nodig, geteld vanaf 1.</translation>
    </message>
    <message>
        <source>%1: the RF frequency table has no such row; a new row is frequency[%2].freq.</source>
        <translation>%1: de RF-frequentietabel heeft zo&apos;n rij niet; een nieuwe rij is frequency[%2].freq.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
</context>
<context>
    <name>FleetLog</name>
    <message>
        <source>The batch log folder %1 cannot be made.</source>
        <translation>De map voor het serielogboek %1 kan niet worden gemaakt.</translation>
    </message>
    <message>
        <source>The batch log %1 cannot be written: %2.</source>
        <translation>Het serielogboek %1 kan niet worden geschreven: %2.</translation>
    </message>
</context>
<context>
    <name>FleetPort</name>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>Het profiel kan niet worden geopend.</translation>
    </message>
    <message>
        <source>The values file has no row for this radio.</source>
        <translation>Het waardenbestand heeft geen regel voor deze radio.</translation>
    </message>
    <message>
        <source>Not answered (no Yes given for the batch): %1</source>
        <translation>Niet beantwoord (geen Ja opgegeven voor de serie): %1</translation>
    </message>
    <message>
        <source>The radio has a codeplug password other than the one given for the batch.</source>
        <translation>De radio heeft een ander codeplug-wachtwoord dan het wachtwoord dat voor de serie is opgegeven.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Geannuleerd.</translation>
    </message>
    <message>
        <source>The radio did not keep what was written.</source>
        <translation>De radio heeft niet bewaard wat er is geschreven.</translation>
    </message>
    <message>
        <source>Not written.</source>
        <translation>Niet geschreven.</translation>
    </message>
</context>
<context>
    <name>FleetValues</name>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>The values file %1 cannot be read: %2.</source>
        <translation>Het waardenbestand %1 kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>The values file is empty.</source>
        <translation>Het waardenbestand is leeg.</translation>
    </message>
    <message>
        <source>the first column must be &quot;serial&quot; or &quot;order&quot;.</source>
        <translation>de eerste kolom moet &quot;serial&quot; of &quot;order&quot; zijn.</translation>
    </message>
    <message>
        <source>the column %1 is there twice.</source>
        <translation>de kolom %1 staat er twee keer in.</translation>
    </message>
    <message>
        <source>%1 cells where the header has %2.</source>
        <translation>%1 cellen waar de kopregel er %2 heeft.</translation>
    </message>
    <message>
        <source>the first cell is empty.</source>
        <translation>de eerste cel is leeg.</translation>
    </message>
    <message>
        <source>the order %1 is no number from 1.</source>
        <translation>de volgorde %1 is geen getal vanaf 1.</translation>
    </message>
    <message>
        <source>%1 has a row already.</source>
        <translation>%1 heeft al een regel.</translation>
    </message>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>Het profiel kan niet worden geopend.</translation>
    </message>
    <message>
        <source>a value is refused.</source>
        <translation>een waarde wordt geweigerd.</translation>
    </message>
</context>
<context>
    <name>FrequencyRules</name>
    <message>
        <source>Not all frequencies are authorized for high power mode (4W). CPS shall convert these frequencies to low power mode.</source>
        <translation>Niet alle frequenties zijn toegestaan voor hoog vermogen (4 W). CPS zet deze frequenties om naar laag vermogen.</translation>
    </message>
</context>
<context>
    <name>ModelRules</name>
    <message>
        <source>At least one channel frequency is out of the valid frequency range. Please correct it before programming. If there is no valid frequency to select, please edit the frequency table first.</source>
        <translation>Ten minste één kanaalfrequentie ligt buiten het geldige frequentiebereik. Corrigeer dit vóór het programmeren. Als er geen geldige frequentie te kiezen is, bewerk dan eerst de frequentietabel.</translation>
    </message>
    <message>
        <source>This Customer Programming Software is intended for programming radios to be used in the United States of America (USA) to ensure compliance with the narrowband mandate issued by the Federal Communications Commission (FCC).   Programming of the radio to operate on 25 KHz channel spacing is not permitted and has been disabled in this application in compliance with the FCC mandate effective January 1st, 2013.</source>
        <translation>Deze Customer Programming Software is bedoeld voor het programmeren van portofoons voor gebruik in de Verenigde Staten van Amerika (VS), om te voldoen aan de smalbandverplichting van de Federal Communications Commission (FCC).   Het programmeren van de portofoon voor 25 kHz kanaalafstand is niet toegestaan en is in deze toepassing uitgeschakeld conform de FCC-verplichting die op 1 januari 2013 van kracht werd.</translation>
    </message>
    <message>
        <source>At least one frequency in the RF Frequency table is out of the valid frequency range. CPS corrected it to 151.5 MHz in the profile.</source>
        <translation>Ten minste één frequentie in de RF-frequentietabel ligt buiten het geldige frequentiebereik. CPS heeft deze in het profiel gecorrigeerd naar 151,5 MHz.</translation>
    </message>
    <message>
        <source>The profile names %1 channels in use but holds only %2. CPS uses the %2 channels it holds.</source>
        <translation>Het profiel noemt %1 kanalen in gebruik, maar bevat er slechts %2. CPS gebruikt de %2 kanalen die het bevat.</translation>
    </message>
</context>
<context>
    <name>ProfileComparison</name>
    <message>
        <source>(none)</source>
        <translation>(geen)</translation>
    </message>
</context>
<context>
    <name>ProfileDocument</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>Het bestand &quot;%1&quot; kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>Failed to save &quot;%1&quot;: %2</source>
        <translation>Opslaan van &quot;%1&quot; mislukt: %2</translation>
    </message>
    <message>
        <source>Read from the radio</source>
        <translation>Uit de portofoon lezen</translation>
    </message>
</context>
<context>
    <name>ProfileFields</name>
    <message>
        <source>no change: the radio or the template sets it</source>
        <translation>geen wijziging: de portofoon of de sjabloon bepaalt het</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 of 1</translation>
    </message>
    <message>
        <source>a number from %1 to %2</source>
        <translation>een getal van %1 tot %2</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>een van %1</translation>
    </message>
    <message>
        <source>a text of at most %1 characters</source>
        <translation>een tekst van ten hoogste %1 tekens</translation>
    </message>
    <message>
        <source>%1 digits or nothing</source>
        <translation>%1 cijfers of niets</translation>
    </message>
    <message>
        <source>%1 takes %2.</source>
        <translation>%1 neemt %2 aan.</translation>
    </message>
    <message>
        <source>Clone Compatibility</source>
        <translation>Kloon-compatibiliteit</translation>
    </message>
    <message>
        <source>Firmware Phase</source>
        <translation>Firmwarefase</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Firmwareversie</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Firmwarerevisie</translation>
    </message>
    <message>
        <source>Codeplug Phase</source>
        <translation>Codeplugfase</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Codeplugversie</translation>
    </message>
    <message>
        <source>Codeplug Development Version</source>
        <translation>Codeplug-ontwikkelversie</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>Synthesizer Base Frequency</source>
        <translation>Basisfrequentie synthesizer</translation>
    </message>
    <message>
        <source>Sub-region</source>
        <translation>Subregio</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>Max. aantal kanalen</translation>
    </message>
    <message>
        <source>Frequencies in Use</source>
        <translation>Gebruikte frequenties</translation>
    </message>
    <message>
        <source>Lowest Frequency</source>
        <translation>Laagste frequentie</translation>
    </message>
    <message>
        <source>Highest Frequency</source>
        <translation>Hoogste frequentie</translation>
    </message>
    <message>
        <source>Lowest Receive Frequency</source>
        <translation>Laagste ontvangstfrequentie</translation>
    </message>
    <message>
        <source>Highest Receive Frequency</source>
        <translation>Hoogste ontvangstfrequentie</translation>
    </message>
    <message>
        <source>Lowest Transmit Frequency</source>
        <translation>Laagste zendfrequentie</translation>
    </message>
    <message>
        <source>Highest Transmit Frequency</source>
        <translation>Hoogste zendfrequentie</translation>
    </message>
    <message>
        <source>Time-out Timer Not Available</source>
        <translation>Zendtijdbegrenzing niet beschikbaar</translation>
    </message>
    <message>
        <source>Keypad Beep Not Available</source>
        <translation>Toetstoon niet beschikbaar</translation>
    </message>
    <message>
        <source>Roger Beep Not Available</source>
        <translation>Roger-piep niet beschikbaar</translation>
    </message>
    <message>
        <source>Busy LED Not Available</source>
        <translation>Bezet-led niet beschikbaar</translation>
    </message>
    <message>
        <source>PL Reverse Burst Available</source>
        <translation>PL-fase-omkering beschikbaar</translation>
    </message>
    <message>
        <source>VOX Not Available</source>
        <translation>VOX niet beschikbaar</translation>
    </message>
    <message>
        <source>iVOX Not Available</source>
        <translation>iVOX niet beschikbaar</translation>
    </message>
    <message>
        <source>Scramble Not Available</source>
        <translation>Scrambler niet beschikbaar</translation>
    </message>
    <message>
        <source>Battery Save Not Available</source>
        <translation>Batterijbesparing niet beschikbaar</translation>
    </message>
    <message>
        <source>Factory Reset Not Available</source>
        <translation>Fabrieksreset niet beschikbaar</translation>
    </message>
    <message>
        <source>Scan Not Available</source>
        <translation>Scannen niet beschikbaar</translation>
    </message>
    <message>
        <source>Number of Call Tones</source>
        <translation>Aantal oproeptonen</translation>
    </message>
    <message>
        <source>Number of Preset Buttons</source>
        <translation>Aantal voorkeuzetoetsen</translation>
    </message>
    <message>
        <source>Number of PL/DPL Codes</source>
        <translation>Aantal PL/DPL-codes</translation>
    </message>
    <message>
        <source>Power Selection Available</source>
        <translation>Vermogenskeuze beschikbaar</translation>
    </message>
    <message>
        <source>Backlight Button Available</source>
        <translation>Verlichtingstoets beschikbaar</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>Programmeermodus inschakelen</translation>
    </message>
    <message>
        <source>Call Not Available</source>
        <translation>Oproep niet beschikbaar</translation>
    </message>
    <message>
        <source>Monitor Not Available</source>
        <translation>Monitor niet beschikbaar</translation>
    </message>
    <message>
        <source>Keypad Lock Not Available</source>
        <translation>Toetsenblokkering niet beschikbaar</translation>
    </message>
    <message>
        <source>Repeater Not Available</source>
        <translation>Repeater niet beschikbaar</translation>
    </message>
    <message>
        <source>Channel Disabling Available</source>
        <translation>Kanalen uitschakelen beschikbaar</translation>
    </message>
    <message>
        <source>Talkaround Scan Available</source>
        <translation>Talkaround-scan beschikbaar</translation>
    </message>
    <message>
        <source>Channel Announcement Available</source>
        <translation>Kanaalaankondiging beschikbaar</translation>
    </message>
    <message>
        <source>Codeplug Password (4-digit number)</source>
        <translation>Codeplugwachtwoord (4 cijfers)</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>Alle leds uitschakelen</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>Fabrieksreset blokkeren</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Verlichting</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>Zendtijdbegrenzing (sec.)</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>PL-fase-omkering</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>VOX-niveau</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>iVOX-niveau</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>Microfoonversterking</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>Versterking accessoiremicrofoon</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>Alternatief batterijtype</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>Batterijbesparing uitschakelen</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>Zijknop 1 (SB1)</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>Zijknop 2 (SB2)</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Knop A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Knop B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>Knop C</translation>
    </message>
    <message>
        <source>Number of Channels</source>
        <translation>Aantal kanalen</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>Taal kanaalaankondiging</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>PL-code 124 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>PL-code 125 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>PL-code 126 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>PL-code 127 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>PL-code 128 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>PL-code 129 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>PL-code 214 (oct.)</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>PL-code 215 (oct.)</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>PL-code 216 (oct.)</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>PL-code 217 (oct.)</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>PL-code 218 (oct.)</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>PL-code 219 (oct.)</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>Opstarttekst</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Roger-piep</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>Scramblerknop</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>Verlichting (sec.)</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>Oproeptoon</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>Toetsenblokkering</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>Toetstoon</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>Repeaterstation-ID</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>Repeater-ID-modus</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>Tx-nalooptijd (sec.)</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>Tx bij lage batterij (min.)</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>Waarschuwingstoon batterij</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>Courtesy-toon inschakelen</translation>
    </message>
    <message>
        <source>Preset Channel</source>
        <translation>Voorkeuzekanaal</translation>
    </message>
    <message>
        <source>Receive Frequency</source>
        <translation>Ontvangstfrequentie</translation>
    </message>
    <message>
        <source>Receive PL/DPL Code</source>
        <translation>PL/DPL-code ontvangst</translation>
    </message>
    <message>
        <source>Transmit Frequency</source>
        <translation>Zendfrequentie</translation>
    </message>
    <message>
        <source>Transmit PL/DPL Code</source>
        <translation>PL/DPL-code zenden</translation>
    </message>
    <message>
        <source>Receive Bandwidth (0 12.5 KHz, 1 25 KHz)</source>
        <translation>Ontvangstbandbreedte (0 12,5 kHz, 1 25 kHz)</translation>
    </message>
    <message>
        <source>Transmit Bandwidth (0 12.5 KHz, 1 25 KHz)</source>
        <translation>Zendbandbreedte (0 12,5 kHz, 1 25 kHz)</translation>
    </message>
    <message>
        <source>Talkaround Power (0 low, 1 high)</source>
        <translation>Talkaround-vermogen (0 laag, 1 hoog)</translation>
    </message>
    <message>
        <source>Repeater Power (0 low, 1 high)</source>
        <translation>Repeatervermogen (0 laag, 1 hoog)</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Repeater</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Automatisch scannen</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>Kanaal uitschakelen</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>Dynamische talkaround-scan</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Scanlijst</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequentie</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbreedte</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Vermogensniveau</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Compander</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Portofooninformatie</translation>
    </message>
    <message>
        <source>Radio Limits</source>
        <translation>Radiolimieten</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Voorkeuze</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanaal</translation>
    </message>
</context>
<context>
    <name>ProfileFileCheck</name>
    <message>
        <source>The CPS does not support this profile&apos;s region.</source>
        <translation>CPS ondersteunt de regio van dit profiel niet.</translation>
    </message>
    <message>
        <source> Please use the &quot;%1&quot;.</source>
        <translation> Gebruik de &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>Ongeldige frequentie.</translation>
    </message>
    <message>
        <source>Codeplug version of CPS and profile are incompatible! Please update your CPS.</source>
        <translation>De codeplugversies van CPS en profiel zijn niet compatibel! Werk CPS bij.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Het bestand &quot;%1&quot; kan niet worden geopend: %2.</translation>
    </message>
    <message>
        <source>The profile holds a value the CPS cannot set: %1 is &quot;%2&quot;, where %3 may be chosen. Please correct the file.</source>
        <translation>Het profiel bevat een waarde die de CPS niet kan instellen: %1 is &quot;%2&quot;, terwijl %3 kan worden gekozen. Corrigeer het bestand.</translation>
    </message>
</context>
<context>
    <name>RadioBackups</name>
    <message>
        <source>The radio backup folder %1 cannot be written: %2</source>
        <translation>Er kan niet worden geschreven in de map met radioback-ups %1: %2</translation>
    </message>
    <message>
        <source>%1 is no radio backup: it cannot be opened as one.</source>
        <translation>%1 is geen radioback-up: het kan niet als zodanig worden geopend.</translation>
    </message>
    <message>
        <source>%1 is no radio backup of this program.</source>
        <translation>%1 is geen radioback-up van dit programma.</translation>
    </message>
    <message>
        <source>The radio backup %1 is damaged; it is not written to a radio.</source>
        <translation>De radioback-up %1 is beschadigd; hij wordt niet naar een radio geschreven.</translation>
    </message>
    <message>
        <source>The radio backup folder %1 cannot be made: %2</source>
        <translation>De map met radioback-ups %1 kan niet worden gemaakt: %2</translation>
    </message>
    <message>
        <source>The radio backup %1 cannot be written: %2</source>
        <translation>De radioback-up %1 kan niet worden geschreven: %2</translation>
    </message>
</context>
<context>
    <name>RadioChecks</name>
    <message>
        <source>The current profile is not compatible with the radio.</source>
        <translation>Het huidige profiel is niet compatibel met de portofoon.</translation>
    </message>
    <message>
        <source>When converting from high-tier radio to low-tier radio, some data may be lost. Do you want to continue?</source>
        <translation>Bij omzetten van een high-tier- naar een low-tier-portofoon kunnen gegevens verloren gaan. Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>The CPS does not support this radio model.</source>
        <translation>CPS ondersteunt dit portofoonmodel niet.</translation>
    </message>
    <message>
        <source>The CPS does not support this radio&apos;s region.</source>
        <translation>CPS ondersteunt de regio van deze portofoon niet.</translation>
    </message>
    <message>
        <source> Please use the &quot;%1&quot;.</source>
        <translation> Gebruik de &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Codeplug version of CPS and radio are incompatible! Please update your CPS.</source>
        <translation>De codeplugversies van CPS en portofoon zijn niet compatibel! Werk CPS bij.</translation>
    </message>
    <message>
        <source>The radio being programmed does not match the model in the current profile.</source>
        <translation>De te programmeren portofoon komt niet overeen met het model in het huidige profiel.</translation>
    </message>
    <message>
        <source>Invalid frequency: This frequency is not supported by this radio.</source>
        <translation>Ongeldige frequentie: deze frequentie wordt niet door deze portofoon ondersteund.</translation>
    </message>
    <message>
        <source>Some profile information is not supported by the host radio and therefore will not be transferred(PL/DPL Code). </source>
        <translation>Sommige profielgegevens worden niet door de aangesloten portofoon ondersteund en worden daarom niet overgedragen (PL/DPL-code). </translation>
    </message>
    <message>
        <source>The radio you are programing has a lower version codeplug, some new features can not be used after writing.</source>
        <translation>De portofoon die u programmeert heeft een oudere codeplugversie; sommige nieuwe functies zijn na het schrijven niet bruikbaar.</translation>
    </message>
    <message>
        <source>Error: Communication Error.</source>
        <translation>Fout: communicatiefout.</translation>
    </message>
    <message>
        <source>Error: Operation Failed (%1).</source>
        <translation>Fout: bewerking mislukt (%1).</translation>
    </message>
    <message>
        <source>Radio&apos;s memory is corrupted. Please perform factory reset to correct the error.</source>
        <translation>Het geheugen van de portofoon is beschadigd. Voer een fabrieksreset uit om de fout te herstellen.</translation>
    </message>
    <message>
        <source>Radio&apos;s memory is corrupted. Please return to manufacture for correction.</source>
        <translation>Het geheugen van de portofoon is beschadigd. Stuur het apparaat ter reparatie naar de fabrikant.</translation>
    </message>
    <message>
        <source>Unknown warning!</source>
        <translation>Onbekende waarschuwing!</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Waarschuwing: %1</translation>
    </message>
    <message>
        <source>No programming cable was found.</source>
        <translation>Er is geen programmeerkabel gevonden.</translation>
    </message>
    <message>
        <source>The programming cable is in use by another program.</source>
        <translation>De programmeerkabel wordt door een ander programma gebruikt.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Customer Handout</source>
        <translation>Klantoverzicht</translation>
    </message>
    <message>
        <source>Detailed Report</source>
        <translation>Gedetailleerd rapport</translation>
    </message>
    <message>
        <source>Error: Load dealer information failed.</source>
        <translation>Fout: dealergegevens laden mislukt.</translation>
    </message>
    <message>
        <source>2W limit</source>
        <translation>Max. 2 W</translation>
    </message>
    <message>
        <source>The e-mail program xdg-email is not available, you need to install it (xdg-utils) and a mail program to send an e-mail.</source>
        <translation>Het e-mailprogramma xdg-email is niet beschikbaar. Installeer het (xdg-utils) en een e-mailprogramma om een e-mail te versturen.</translation>
    </message>
    <message>
        <source>User selectable with %1 KHz as default</source>
        <translation>Instelbaar, standaard %1 kHz</translation>
    </message>
    <message>
        <source>%1 KHz only</source>
        <translation>Alleen %1 kHz</translation>
    </message>
    <message>
        <source>%1 KHz</source>
        <translation>%1 kHz</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Knop A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Knop B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>Knop C</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>PL-code 214 (oct.)</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>PL-code 215 (oct.)</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>PL-code 216 (oct.)</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>PL-code 217 (oct.)</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>PL-code 218 (oct.)</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>PL-code 219 (oct.)</translation>
    </message>
    <message>
        <source>Scan List Members</source>
        <translation>Kanalen in scanlijst</translation>
    </message>
    <message>
        <source>Scramble Code 1</source>
        <translation>Scramblercode 1</translation>
    </message>
    <message>
        <source>Scramble Code 2</source>
        <translation>Scramblercode 2</translation>
    </message>
    <message>
        <source>Scramble Code 3</source>
        <translation>Scramblercode 3</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>Zijknop 1 (SB1)</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>Zijknop 2 (SB2)</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>Dynamische talkaround-scan</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>Taal kanaalaankondiging</translation>
    </message>
    <message>
        <source>High power only</source>
        <translation>Alleen hoog vermogen</translation>
    </message>
    <message>
        <source>User selectable with high power as default</source>
        <translation>Instelbaar, standaard hoog vermogen</translation>
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
        <translation>Oproeptoon</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Voorkeuze 1</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Voorkeuze 2</translation>
    </message>
    <message>
        <source>Scan/Nuisance Channel Delete</source>
        <translation>Scan/stoorkanaal verwijderen</translation>
    </message>
    <message>
        <source>No Operation</source>
        <translation>Geen functie</translation>
    </message>
    <message>
        <source>Tx Power Selection</source>
        <translation>Zendvermogen kiezen</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>Versterking accessoiremicrofoon</translation>
    </message>
    <message>
        <source>After conversation</source>
        <translation>Na gesprek</translation>
    </message>
    <message>
        <source>Alkaline</source>
        <translation>Alkaline</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>Alternatief batterijtype</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Audio-instellingen</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Automatisch scannen</translation>
    </message>
    <message>
        <source>Available Channels</source>
        <translation>Beschikbare kanalen</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>Verlichting (sec.)</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Verlichting</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbreedte</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Knoppen</translation>
    </message>
    <message>
        <source>Channel #</source>
        <translation>Kanaalnr.</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanalen</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Codeplugversie</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>Eigen PL-tonen</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Compander</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>Eigen DPL-codes</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>Alle leds uitschakelen</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>Batterijbesparing uitschakelen</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>Fabrieksreset blokkeren</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>Kanaal uitschakelen</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>Courtesy-toon inschakelen</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>Programmeermodus inschakelen</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engels</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Firmwareversie</translation>
    </message>
    <message>
        <source>Frequency Range (MHz)</source>
        <translation>Frequentiebereik (MHz)</translation>
    </message>
    <message>
        <source>Frequency(Index)</source>
        <translation>Frequentie (index)</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequentie</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Algemene instellingen</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoog</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>iVOX-niveau</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>Toetstoon</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>Toetsenblokkering</translation>
    </message>
    <message>
        <source>Low power only</source>
        <translation>Alleen laag vermogen</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Laag</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>Max. aantal kanalen</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Middel</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>Microfoonversterking</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Nickel/LiIon</source>
        <translation>Nikkel/Li-ion</translation>
    </message>
    <message>
        <source>No PL/DPL code</source>
        <translation>Geen PL/DPL-code</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>Waarschuwingstoon batterij</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>AAN/UIT</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>UIT</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Buiten bereik</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AAN</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>PL-code 124 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>PL-code 125 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>PL-code 126 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>PL-code 127 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>PL-code 128 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>PL-code 129 (Hz)</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>PL-fase-omkering</translation>
    </message>
    <message>
        <source>PL/DPL Code</source>
        <translation>PL/DPL-code</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Vermogensniveau</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>Opstarttekst</translation>
    </message>
    <message>
        <source>Preset 1 Channel</source>
        <translation>Voorkeuzekanaal 1</translation>
    </message>
    <message>
        <source>Preset 2 Channel</source>
        <translation>Voorkeuzekanaal 2</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Portofooninformatie</translation>
    </message>
    <message>
        <source>Receive/Transmit</source>
        <translation>Ontvangen/zenden</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Ontvangen</translation>
    </message>
    <message>
        <source>Regional Code</source>
        <translation>Regiocode</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>Repeater-ID-modus</translation>
    </message>
    <message>
        <source>Repeater Power</source>
        <translation>Repeatervermogen</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>Repeaterstation-ID</translation>
    </message>
    <message>
        <source>Repeater/Talkaround</source>
        <translation>Repeater/talkaround</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Repeater</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Roger-piep</translation>
    </message>
    <message>
        <source>Rx Frequency Range (MHz)</source>
        <translation>Rx-frequentiebereik (MHz)</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Scanlijst</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>Scramblerknop</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>Selectable</source>
        <translation>Instelbaar</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>Talkaround Power</source>
        <translation>Talkaround-vermogen</translation>
    </message>
    <message>
        <source>Transmit Power</source>
        <translation>Zendvermogen</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>Zendtijdbegrenzing (sec.)</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Zenden</translation>
    </message>
    <message>
        <source>Tx Frequency Range (MHz)</source>
        <translation>Tx-frequentiebereik (MHz)</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>Tx-nalooptijd (sec.)</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>Tx bij lage batterij (min.)</translation>
    </message>
    <message>
        <source>User selectable with low power as default</source>
        <translation>Instelbaar, standaard laag vermogen</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>VOX-niveau</translation>
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
        <translation>Accessoireaansluiting</translation>
    </message>
    <message>
        <source>Channel Selector</source>
        <translation>Kanaalkeuzeknop</translation>
    </message>
    <message>
        <source>QA310</source>
        <translation>QA310</translation>
    </message>
    <message>
        <source>Down Button:</source>
        <translation>Knop omlaag:</translation>
    </message>
    <message>
        <source>Li-Ion Battery Pack</source>
        <translation>Li-ion-accu</translation>
    </message>
    <message>
        <source>Menu Button:</source>
        <translation>Menuknop:</translation>
    </message>
    <message>
        <source>Menu Mode</source>
        <translation>Menumodus</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfoon</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modelnummer</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Power/Volume Knob</source>
        <translation>Aan/uit-/volumeknop</translation>
    </message>
    <message>
        <source>Push-to-Talk (PTT)</source>
        <translation>Zendknop (PTT)</translation>
    </message>
    <message>
        <source>KVX</source>
        <translation>KVX</translation>
    </message>
    <message>
        <source>Scroll down the menu items/change channel</source>
        <translation>Door menu-items omlaag bladeren/kanaal wisselen</translation>
    </message>
    <message>
        <source>Scroll up the menu items/change channel</source>
        <translation>Door menu-items omhoog bladeren/kanaal wisselen</translation>
    </message>
    <message>
        <source>QB420</source>
        <translation>QB420</translation>
    </message>
    <message>
        <source>Spring Action Belt Clip</source>
        <translation>Verende riemclip</translation>
    </message>
    <message>
        <source>Tri-Color LED</source>
        <translation>Driekleurige led</translation>
    </message>
    <message>
        <source>Up Button:</source>
        <translation>Knop omhoog:</translation>
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
        <translation>Rapport genereren mislukt.</translation>
    </message>
    <message>
        <source>(default)</source>
        <translation>(standaard)</translation>
    </message>
    <message>
        <source>The e-mail program xdg-email failed with exit status %1.</source>
        <translation>Het e-mailprogramma xdg-email is mislukt met afsluitstatus %1.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Geen gewoon bestand</translation>
    </message>
    <message>
        <source>Too large: %1 bytes, where at most %2 are read</source>
        <translation>Te groot: %1 bytes, terwijl er ten hoogste %2 worden gelezen</translation>
    </message>
    <message>
        <source>Damaged: UTF-16 text of an odd number of bytes</source>
        <translation>Beschadigd: UTF-16-tekst met een oneven aantal bytes</translation>
    </message>
</context>
<context>
    <name>ScriptHost</name>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: 0
%1 is not a function in the hook script</source>
        <translation>IActiveScriptSite::OnScriptError()
Regel: 0
%1 is geen functie in het hookscript</translation>
    </message>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: 0
The hook %1 ran longer than %2 ms and was stopped.</source>
        <translation>IActiveScriptSite::OnScriptError()
Regel: 0
De hook %1 liep langer dan %2 ms en is gestopt.</translation>
    </message>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: %1
%2</source>
        <translation>IActiveScriptSite::OnScriptError()
Regel: %1
%2</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>The value is not valid.</source>
        <translation>De waarde is ongeldig.</translation>
    </message>
    <message>
        <source>A channel name must have 1 to 8 characters. Please enter another name.</source>
        <translation>Een kanaalnaam moet 1 tot 8 tekens hebben. Voer een andere naam in.</translation>
    </message>
    <message>
        <source>Another channel already has this name. Please enter a different name.</source>
        <translation>Een ander kanaal heeft al deze naam. Voer een andere naam in.</translation>
    </message>
    <message>
        <source>A channel name can only contain letters, digits, blanks and the punctuation marks of a standard keyboard. Please enter another name.</source>
        <translation>Een kanaalnaam mag alleen letters, cijfers, spaties en de leestekens van een standaardtoetsenbord bevatten. Voer een andere naam in.</translation>
    </message>
    <message>
        <source>The codeplug password must be exactly 4 digits, or empty for no password.</source>
        <translation>Het codeplugwachtwoord moet precies 4 cijfers hebben, of leeg zijn voor geen wachtwoord.</translation>
    </message>
    <message>
        <source>The power up text can have at most 8 characters, each one of: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</source>
        <translation>De opstarttekst mag maximaal 8 tekens hebben, elk een van: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</translation>
    </message>
    <message>
        <source>The repeater station ID can have at most 9 characters, letters and digits only.</source>
        <translation>De repeaterstation-ID mag maximaal 9 tekens hebben, alleen letters en cijfers.</translation>
    </message>
    <message>
        <source>The Tx hang time must be a whole number of seconds from 0 to 50.</source>
        <translation>De Tx-nalooptijd moet een geheel aantal seconden van 0 tot 50 zijn.</translation>
    </message>
    <message>
        <source>The Tx low battery time must be a whole number of minutes from 0 to 255.</source>
        <translation>De Tx-tijd bij lage batterij moet een geheel aantal minuten van 0 tot 255 zijn.</translation>
    </message>
    <message>
        <source>A customized PL tone must be from 67.0 to 255.0 Hz.</source>
        <translation>Een eigen PL-toon moet tussen 67,0 en 255,0 Hz liggen.</translation>
    </message>
    <message>
        <source>A customized DPL code must be an octal code from 001 to 777.</source>
        <translation>Een eigen DPL-code moet een octale code van 001 tot 777 zijn.</translation>
    </message>
    <message>
        <source>One feature can not be assigned to multiple buttons. Choose another feature, or first remove this one from the button that has it.</source>
        <translation>Eén functie kan niet aan meerdere knoppen worden toegewezen. Kies een andere functie, of verwijder deze eerst van de knop die hem heeft.</translation>
    </message>
    <message>
        <source>This radio model does not support this PL/DPL code. Please choose another code.</source>
        <translation>Dit portofoonmodel ondersteunt deze PL/DPL-code niet. Kies een andere code.</translation>
    </message>
    <message>
        <source>A preset can only use an enabled channel of this profile. Please choose another channel.</source>
        <translation>Een voorkeuze kan alleen een ingeschakeld kanaal van dit profiel gebruiken. Kies een ander kanaal.</translation>
    </message>
    <message>
        <source>This is the last enabled channel and can not be disabled. Enable another channel first.</source>
        <translation>Dit is het laatste ingeschakelde kanaal en kan niet worden uitgeschakeld. Schakel eerst een ander kanaal in.</translation>
    </message>
    <message>
        <source>This frequency is not in the RF frequency table. Please choose a frequency of the table.</source>
        <translation>Deze frequentie staat niet in de RF-frequentietabel. Kies een frequentie uit de tabel.</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Deleting it moves the preset to another channel. Do you want to continue?</source>
        <translation>Dit kanaal is toegewezen aan een voorkeuzekanaalknop. Als u het verwijdert, gaat de voorkeuze naar een ander kanaal. Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>This channel can not be deleted: at least one enabled channel must remain.</source>
        <translation>Dit kanaal kan niet worden verwijderd: er moet ten minste één ingeschakeld kanaal overblijven.</translation>
    </message>
    <message>
        <source>The RF frequency table is full (99 frequencies). Delete a frequency that no channel uses before adding another one.</source>
        <translation>De RF-frequentietabel is vol (99 frequenties). Verwijder een frequentie die door geen enkel kanaal wordt gebruikt voordat u een nieuwe toevoegt.</translation>
    </message>
    <message>
        <source>This frequency is already in the RF frequency table. Please enter a different frequency.</source>
        <translation>Deze frequentie staat al in de RF-frequentietabel. Voer een andere frequentie in.</translation>
    </message>
    <message>
        <source>This frequency is outside the frequency range of the radio (see Radio Information). Please enter a frequency within the range.</source>
        <translation>Deze frequentie ligt buiten het frequentiebereik van de portofoon (zie Portofooninformatie). Voer een frequentie binnen het bereik in.</translation>
    </message>
    <message>
        <source>MURS frequencies (151.820, 151.880, 151.940, 154.570 and 154.600 MHz) can not be programmed. Please enter a different frequency.</source>
        <translation>MURS-frequenties (151,820; 151,880; 151,940; 154,570 en 154,600 MHz) kunnen niet worden geprogrammeerd. Voer een andere frequentie in.</translation>
    </message>
    <message>
        <source>This frequency is used by a channel and can not be deleted. Give the channel another frequency first.</source>
        <translation>Deze frequentie wordt door een kanaal gebruikt en kan niet worden verwijderd. Geef het kanaal eerst een andere frequentie.</translation>
    </message>
    <message>
        <source>Channels use this frequency. Changing its bandwidth or power level also changes the bandwidth and power of these channels. Do you want to continue?</source>
        <translation>Kanalen gebruiken deze frequentie. Als u de bandbreedte of het vermogensniveau wijzigt, veranderen ook de bandbreedte en het vermogen van deze kanalen. Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>25 KHz channel spacing is not permitted in this radio&apos;s region. Please select &quot;12.5 KHz only&quot;.</source>
        <translation>25 kHz kanaalafstand is niet toegestaan in de regio van deze portofoon. Kies &quot;Alleen 12,5 kHz&quot;.</translation>
    </message>
    <message>
        <source>The frequency, bandwidth, power level or compander value is not valid.</source>
        <translation>De waarde voor frequentie, bandbreedte, vermogensniveau of compander is ongeldig.</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Onbekende fout</translation>
    </message>
    <message>
        <source>Programming error: 107.</source>
        <translation>Programmeerfout: 107.</translation>
    </message>
    <message>
        <source>Programming error: 108.</source>
        <translation>Programmeerfout: 108.</translation>
    </message>
    <message>
        <source>Fatal error: 102.
Please uninstall and re-install CPS.</source>
        <translation>Ernstige fout: 102.
Verwijder CPS en installeer het opnieuw.</translation>
    </message>
    <message>
        <source>Invalid profile.</source>
        <translation>Ongeldig profiel.</translation>
    </message>
    <message>
        <source>Failed to load profile.</source>
        <translation>Profiel laden mislukt.</translation>
    </message>
    <message>
        <source>Fatal error: 101.</source>
        <translation>Ernstige fout: 101.</translation>
    </message>
    <message>
        <source>File format error. Failed to save.</source>
        <translation>Fout in bestandsindeling. Opslaan mislukt.</translation>
    </message>
    <message>
        <source>Some files needed by CPS are not available.
Please reinstall CPS.</source>
        <translation>Enkele bestanden die CPS nodig heeft, ontbreken.
Installeer CPS opnieuw.</translation>
    </message>
</context>
<context>
    <name>SupportBundle</name>
    <message>
        <source>the archive could not be made</source>
        <translation>het archief kon niet worden gemaakt</translation>
    </message>
</context>
<context>
    <name>TransmitPower</name>
    <message>
        <source>Low</source>
        <translation>Laag</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoog</translation>
    </message>
</context>
</TS>
