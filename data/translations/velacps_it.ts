<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AppIdentity</name>
    <message>
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profilo</translation>
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
        <translation>Non riuscita</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Versione firmware</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Scritto</translation>
    </message>
    <message>
        <source>%1 programmed, %2 failed</source>
        <translation>%1 programmate, %2 non riuscite</translation>
    </message>
    <message>
        <source>Batch Report</source>
        <translation>Report del lotto</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profilo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Product version %1</source>
        <translation>Versione prodotto %1</translation>
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
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Please enter the password:</source>
        <translation>Inserire la password:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>The password is not correct. Please check it!</source>
        <translation>La password non è corretta. Verificarla.</translation>
    </message>
</context>
<context>
    <name>CBaseView</name>
    <message>
        <source>Change %1</source>
        <translation>Modifica %1</translation>
    </message>
    <message>
        <source>Invalid Value.</source>
        <translation>Valore non valido.</translation>
    </message>
</context>
<context>
    <name>CButtonsView</name>
    <message>
        <source>Do you want to reset all buttons with their defaults?</source>
        <translation>Ripristinare le impostazioni predefinite di tutti i tasti?</translation>
    </message>
    <message>
        <source>Button Reset</source>
        <translation>Ripristino tasti</translation>
    </message>
    <message>
        <source>Some files needed by CPS are not available.
Please reinstall CPS.</source>
        <translation>Alcuni file necessari al CPS non sono disponibili.
Reinstallare il CPS.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
</context>
<context>
    <name>CChannelBulkEditDialog</name>
    <message>
        <source>Edit Selected Channels (%1)</source>
        <translation>Modifica canali selezionati (%1)</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>invariato</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Spento</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Acceso</translation>
    </message>
    <message>
        <source>Edit Selected Channels</source>
        <translation>Modifica canali selezionati</translation>
    </message>
</context>
<context>
    <name>CChannelFindDialog</name>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Find what:</source>
        <translation>Trova:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Sostituisci con:</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Cerca in:</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Colonna</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Becomes</source>
        <translation>Diventa</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Trova</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Sostituisci &amp;tutto</translation>
    </message>
    <message>
        <source>(no such value)</source>
        <translation>(valore inesistente)</translation>
    </message>
</context>
<context>
    <name>CChannelImportDialog</name>
    <message>
        <source>Added</source>
        <translation>Aggiunto</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Modificato</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Invariato</translation>
    </message>
    <message>
        <source>Adapted</source>
        <translation>Adattato</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perso</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Rifiutato</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importa canali</translation>
    </message>
    <message>
        <source>%1 row(s) are refused and will not be imported.</source>
        <translation>%1 riga/e rifiutata/e, non verrà/verranno importata/e.</translation>
    </message>
    <message>
        <source>Nothing changes until you choose Import.</source>
        <translation>Nulla cambia finché non si sceglie Importa.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Riga</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Cosa</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossibile leggere il file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Esporta canali</translation>
    </message>
    <message>
        <source>Failed to save &quot;%1&quot;: %2</source>
        <translation>Impossibile salvare &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>CChannelTableModel</name>
    <message>
        <source>Change %1</source>
        <translation>Modifica %1</translation>
    </message>
    <message>
        <source>Channel %1 (%2): %3</source>
        <translation>Canale %1 (%2): %3</translation>
    </message>
</context>
<context>
    <name>CChannelTableView</name>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Fill Down %1</source>
        <translation>Riempi in basso %1</translation>
    </message>
</context>
<context>
    <name>CChannelView</name>
    <message>
        <source>Transmit Power</source>
        <translation>Potenza di trasmissione</translation>
    </message>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Errore: la vista Informazioni radio sta caricando i dati.</translation>
    </message>
    <message>
        <source>2W limit</source>
        <translation>Limite 2 W</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Fuori intervallo</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Modifica %1</translation>
    </message>
    <message>
        <source>Change Frequency</source>
        <translation>Modifica frequenza</translation>
    </message>
    <message>
        <source>The transmit frequency index can not be same as the receive frequency index. The next available transmit frequency shall be selected.</source>
        <translation>L&apos;indice della frequenza di trasmissione non può essere uguale all&apos;indice della frequenza di ricezione. Verrà selezionata la successiva frequenza di trasmissione disponibile.</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Disable this channel shall cause the value change of the Preset Channel button. Do you want to continue?</source>
        <translation>Questo canale è assegnato a un tasto Canale preimpostato. Disattivando questo canale cambierà il valore del tasto Canale preimpostato. Continuare?</translation>
    </message>
</context>
<context>
    <name>CChannelsView</name>
    <message>
        <source>Import CSV...</source>
        <translation>Importa CSV...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Esporta CSV...</translation>
    </message>
</context>
<context>
    <name>CCompareCommand</name>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>Con&amp;fronta...</translation>
    </message>
    <message>
        <source>Lists the differences between a profile and another profile, a file or the radio</source>
        <translation>Elenca le differenze tra un profilo e un altro profilo, un file o la radio</translation>
    </message>
    <message>
        <source>Profiles and codeplug images (*.kv9 *.img);;All files (*)</source>
        <translation>Profili e immagini codeplug (*.kv9 *.img);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossibile leggere il file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be compared.</source>
        <translation>Impossibile confrontare %1 e %2.</translation>
    </message>
</context>
<context>
    <name>CCompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>Confronta</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profilo:</translation>
    </message>
    <message>
        <source>Compare &amp;with:</source>
        <translation>Confronta &amp;con:</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Confronta</translation>
    </message>
    <message>
        <source>A profile or codeplug image file...</source>
        <translation>Un file di profilo o di immagine codeplug...</translation>
    </message>
    <message>
        <source>The radio on the cable</source>
        <translation>La radio collegata al cavo</translation>
    </message>
</context>
<context>
    <name>CComparisonWindow</name>
    <message>
        <source>Compare: %1 and %2</source>
        <translation>Confronto: %1 e %2</translation>
    </message>
    <message>
        <source>%1 and %2 are the same.</source>
        <translation>%1 e %2 sono uguali.</translation>
    </message>
    <message numerus="yes">
        <source>%n difference(s) from %1 to %2:</source>
        <translation>
            <numerusform>%n differenza da %1 a %2:</numerusform>
            <numerusform>%n differenze da %1 a %2:</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Go to Field</source>
        <translation>&amp;Vai al campo</translation>
    </message>
</context>
<context>
    <name>CDataAdaptor</name>
    <message>
        <source>Invalid serial number</source>
        <translation>Numero di serie non valido</translation>
    </message>
    <message>
        <source>Codeplug is corrupted</source>
        <translation>Il codeplug è danneggiato</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>Frequenza non valida.</translation>
    </message>
</context>
<context>
    <name>CDealerInfoDialog</name>
    <message>
        <source>Error: There is an error when acquiring language type.</source>
        <translation>Errore: si è verificato un errore durante il rilevamento della lingua.</translation>
    </message>
    <message>
        <source>Error: Load dealer information failed.</source>
        <translation>Errore: caricamento delle informazioni sul rivenditore non riuscito.</translation>
    </message>
    <message>
        <source>Dealer Information</source>
        <translation>Informazioni rivenditore</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Contact Information</source>
        <translation>Recapiti</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>The dealer information in the settings is too long to fit the dialog, please check it!</source>
        <translation>Le informazioni sul rivenditore nelle impostazioni sono troppo lunghe per la finestra di dialogo. Verificarle.</translation>
    </message>
    <message>
        <source>Failed to write the settings!</source>
        <translation>Scrittura delle impostazioni non riuscita.</translation>
    </message>
</context>
<context>
    <name>CDifferenceList</name>
    <message>
        <source>Differences</source>
        <translation>Differenze</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
</context>
<context>
    <name>CDocumentCommands</name>
    <message>
        <source>&quot;%1&quot; is open in another window. Close that window first, or save under another name.</source>
        <translation>&quot;%1&quot; è aperto in un&apos;altra finestra. Chiudere prima quella finestra o salvare con un altro nome.</translation>
    </message>
</context>
<context>
    <name>CFleetBatch</name>
    <message>
        <source>A batch is under way.</source>
        <translation>È già in corso una programmazione in serie.</translation>
    </message>
    <message>
        <source>Name each cable of the batch once.</source>
        <translation>Indicare ogni cavo della serie una sola volta.</translation>
    </message>
    <message>
        <source>A batch of %1 radios cannot use %2 cables.</source>
        <translation>Una serie di %1 radio non può usare %2 cavi.</translation>
    </message>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>Impossibile aprire il profilo.</translation>
    </message>
</context>
<context>
    <name>CFrequencyView</name>
    <message>
        <source>%1 KHz only</source>
        <translation>Solo %1 kHz</translation>
    </message>
    <message>
        <source>User selectable with %1 KHz as default</source>
        <translation>Selezionabile, %1 kHz predefinito</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequenza (MHz)</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Larghezza di banda</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Livello di potenza</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Compander</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Errore: la vista Informazioni radio sta caricando i dati.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>Frequenza non valida.</translation>
    </message>
    <message>
        <source>The frequency is authorized for 2W maximum transmit power.  CPS shall convert to low power mode.</source>
        <translation>La frequenza è autorizzata per una potenza di trasmissione massima di 2 W. Il CPS passerà alla modalità bassa potenza.</translation>
    </message>
    <message>
        <source>Add Frequency</source>
        <translation>Aggiungi frequenza</translation>
    </message>
    <message>
        <source>Change Frequency</source>
        <translation>Modifica frequenza</translation>
    </message>
    <message>
        <source>Do you want to delete the selected item(s)?</source>
        <translation>Eliminare gli elementi selezionati?</translation>
    </message>
    <message>
        <source>Frequency (Frequencies) used by channel can not be deleted.</source>
        <translation>Le frequenze utilizzate da un canale non possono essere eliminate.</translation>
    </message>
    <message>
        <source>Delete Frequency</source>
        <translation>Elimina frequenza</translation>
    </message>
</context>
<context>
    <name>CHelpBrowser</name>
    <message>
        <source>Help page</source>
        <translation>Pagina della guida</translation>
    </message>
</context>
<context>
    <name>CHelpPane</name>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
</context>
<context>
    <name>CHelpSystem</name>
    <message>
        <source>Error: Can not find the help file!</source>
        <translation>Errore: impossibile trovare il file della guida.</translation>
    </message>
    <message>
        <source>Error: Help File format is invalid!</source>
        <translation>Errore: il formato del file della guida non è valido.</translation>
    </message>
    <message>
        <source>Error: Can not find help file information in the settings!</source>
        <translation>Errore: impossibile trovare le informazioni sul file della guida nelle impostazioni.</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Guida di %1</translation>
    </message>
    <message>
        <source>Help navigation</source>
        <translation>Navigazione nella guida</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Look for</source>
        <translation>Parola chiave</translation>
    </message>
    <message>
        <source>Search for</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Cerca</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Risultati della ricerca</translation>
    </message>
</context>
<context>
    <name>CLockPanes</name>
    <message>
        <source>On</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivo</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAIUSC</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Bloc Maiusc</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Bloc Num</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCORR</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Bloc Scorr</translation>
    </message>
</context>
<context>
    <name>CMainCommands</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva con &amp;nome...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>File recente</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;ggiungi</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>Rino&amp;mina</translation>
    </message>
    <message>
        <source>Dealer &amp;Info</source>
        <translation>Info ri&amp;venditore</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra degli strumenti</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra di s&amp;tato</translation>
    </message>
    <message>
        <source>&amp;Help Pane</source>
        <translation>Riquadro &amp;guida</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Leggi</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leggi</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Scrivi</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Scrivi</translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation>R&amp;eset</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>Re&amp;port</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Sovrapponi</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Affianca</translation>
    </message>
    <message>
        <source>&amp;Content and Index...</source>
        <translation>&amp;Sommario e indice...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni su</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Canada French</source>
        <translation>Francese (Canada)</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Cinese</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Olandese</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>LA Portuguese</source>
        <translation>Portoghese (America Latina)</translation>
    </message>
    <message>
        <source>LA Spanish</source>
        <translation>Spagnolo (America Latina)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polacco</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portoghese</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Radio</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fi&amp;nestra</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Edit Selected C&amp;hannels...</source>
        <translation>Modifica &amp;canali selezionati...</translation>
    </message>
    <message>
        <source>Restore Radio &amp;Backup...</source>
        <translation>Ripristina &amp;backup della radio...</translation>
    </message>
    <message>
        <source>Program &amp;Several Radios...</source>
        <translation>Programma &amp;più radio...</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Profiles</source>
        <translation>Profili</translation>
    </message>
    <message>
        <source>Cable status</source>
        <translation>Stato del cavo</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>There are %1 USB connections. Please remove the unused one and keep one connection only.</source>
        <translation>Ci sono %1 connessioni USB. Scollegare quelle inutilizzate e mantenere una sola connessione.</translation>
    </message>
    <message>
        <source>USB Cable Connected</source>
        <translation>Cavo USB collegato</translation>
    </message>
    <message>
        <source>USB Cable Not Connected</source>
        <translation>Cavo USB non collegato</translation>
    </message>
    <message>
        <source>%1 connected</source>
        <translation>%1 collegato</translation>
    </message>
    <message>
        <source>%1 not connected</source>
        <translation>%1 non collegato</translation>
    </message>
    <message>
        <source>You have to restart the CPS for this change to take effect.</source>
        <translation>Per rendere effettiva questa modifica è necessario riavviare il CPS.</translation>
    </message>
</context>
<context>
    <name>CNewProfileDlg</name>
    <message>
        <source>New Profile</source>
        <translation>Nuovo profilo</translation>
    </message>
    <message>
        <source>Please choose profile model.</source>
        <translation>Scegliere il modello del profilo.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Error: Can not find template files!</source>
        <translation>Errore: impossibile trovare i file modello.</translation>
    </message>
</context>
<context>
    <name>CProgramRadiosDlg</name>
    <message>
        <source>Program Several Radios</source>
        <translation>Programma più radio</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Avvia</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>Arr&amp;esta</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Lotto</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profilo:</translation>
    </message>
    <message>
        <source>None: every radio gets the profile as it is</source>
        <translation>Nessuno: ogni radio riceve il profilo così com&apos;è</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>S&amp;foglia...</translation>
    </message>
    <message>
        <source>Per-radio &amp;values (CSV):</source>
        <translation>&amp;Valori per radio (CSV):</translation>
    </message>
    <message>
        <source>&amp;Cables:</source>
        <translation>&amp;Cavi:</translation>
    </message>
    <message>
        <source>A serial device, such as /dev/ttyUSB1</source>
        <translation>Un dispositivo seriale, ad esempio /dev/ttyUSB1</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;ggiungi</translation>
    </message>
    <message>
        <source>&amp;Other cable:</source>
        <translation>A&amp;ltro cavo:</translation>
    </message>
    <message>
        <source>Until Stop</source>
        <translation>Fino ad Arresta</translation>
    </message>
    <message>
        <source>&amp;Radios in the batch:</source>
        <translation>&amp;Radio nel lotto:</translation>
    </message>
    <message>
        <source>Only for radios with a codeplug password</source>
        <translation>Solo per radio con password codeplug</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;word:</translation>
    </message>
    <message>
        <source>C&amp;ustomer:</source>
        <translation>Cli&amp;ente:</translation>
    </message>
    <message>
        <source>&amp;Write again a radio already done in this batch</source>
        <translation>Scrivi di &amp;nuovo una radio già completata in questo lotto</translation>
    </message>
    <message>
        <source>Choose the cables and press Start.</source>
        <translation>Scegliere i cavi e premere Avvia.</translation>
    </message>
    <message>
        <source>Batch status</source>
        <translation>Stato del lotto</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>Cavi</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Cavo</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Scritto</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tempo (s)</translation>
    </message>
    <message>
        <source>There is no device &quot;%1&quot;.</source>
        <translation>Il dispositivo «%1» non esiste.</translation>
    </message>
    <message>
        <source>Per-Radio Values</source>
        <translation>Valori per radio</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Choose at least one cable.</source>
        <translation>Scegliere almeno un cavo.</translation>
    </message>
    <message>
        <source>The profile cannot be copied for the batch: %1.</source>
        <translation>Impossibile copiare il profilo per il lotto: %1.</translation>
    </message>
    <message>
        <source>The batch has started.</source>
        <translation>Il lotto è iniziato.</translation>
    </message>
    <message>
        <source>&amp;Cancel Radios</source>
        <translation>&amp;Annulla radio</translation>
    </message>
    <message>
        <source>Cancel Radios</source>
        <translation>Annulla radio</translation>
    </message>
    <message>
        <source>Stopping: the radios in progress finish. Cancel Radios stops them too.</source>
        <translation>Arresto in corso: le radio in corso terminano. Annulla radio ferma anche quelle.</translation>
    </message>
    <message>
        <source>Waiting for a radio</source>
        <translation>In attesa di una radio</translation>
    </message>
    <message>
        <source>Progress on %1</source>
        <translation>Avanzamento su %1</translation>
    </message>
    <message>
        <source>State of %1</source>
        <translation>Stato di %1</translation>
    </message>
    <message>
        <source>Identifying</source>
        <translation>Identificazione</translation>
    </message>
    <message>
        <source>Backing up</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lettura...</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Scrittura</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Connect the next radio</source>
        <translation>Collegare la radio successiva</translation>
    </message>
    <message numerus="yes">
        <source>Connect the next radio. %n radio(s) done.</source>
        <translation>
            <numerusform>Collegare la radio successiva. %n radio completata.</numerusform>
            <numerusform>Collegare la radio successiva. %n radio completate.</numerusform>
        </translation>
    </message>
    <message>
        <source>Already done</source>
        <translation>Già completata</translation>
    </message>
    <message>
        <source>The radio %1 on %2 is already programmed in this batch: it is skipped. Connect the next radio.</source>
        <translation>La radio %1 su %2 è già programmata in questo lotto: viene saltata. Collegare la radio successiva.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Stored</source>
        <translation>Salvato</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Superata</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non riuscita</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>Non raggiunta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Non riuscita: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Completata</translation>
    </message>
    <message>
        <source>The batch has ended: %1 programmed, %2 failed. The log is in %3.</source>
        <translation>Il lotto è terminato: %1 programmate, %2 non riuscite. Il registro è in %3.</translation>
    </message>
</context>
<context>
    <name>CRadioCommands</name>
    <message>
        <source>Transferring...</source>
        <translation>Trasferimento in corso...</translation>
    </message>
    <message>
        <source>Do you want to create a new profile (Yes), overwrite the currently selected profile (No) or cancel it?</source>
        <translation>Creare un nuovo profilo (Sì), sovrascrivere il profilo selezionato (No) o annullare?</translation>
    </message>
    <message>
        <source>There are no radio backups in %1.</source>
        <translation>Non ci sono backup di radio in %1.</translation>
    </message>
    <message>
        <source>%1  %2 (%3)  %4  %5</source>
        <translation>%1  %2 (%3)  %4  %5</translation>
    </message>
    <message>
        <source>Restore Radio Backup</source>
        <translation>Ripristina backup della radio</translation>
    </message>
    <message>
        <source>Backup to write into the radio on the cable:</source>
        <translation>Backup da scrivere nella radio collegata al cavo:</translation>
    </message>
</context>
<context>
    <name>CRadioInfoView</name>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Errore: la vista Informazioni radio sta caricando i dati.</translation>
    </message>
</context>
<context>
    <name>CRadioOperations</name>
    <message>
        <source>backup of %1</source>
        <translation>backup di %1</translation>
    </message>
    <message>
        <source>This backup is of a %1 radio, and the radio on the cable is a %2; it is not written.</source>
        <translation>Questo backup è di una radio %1 e la radio collegata al cavo è una %2; non viene scritto.</translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation>Nella radio non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>This backup was taken from the radio with the serial number %1, and the radio on the cable has %2. Write it into this radio?</source>
        <translation>Questo backup è stato fatto dalla radio con numero di serie %1 e la radio collegata al cavo ha %2. Scriverlo in questa radio?</translation>
    </message>
    <message>
        <source>What the radio held before the write is kept in %1.</source>
        <translation>Il contenuto della radio prima della scrittura è conservato in %1.</translation>
    </message>
    <message>
        <source>The radio holds its backup again; the profile was not written.</source>
        <translation>La radio contiene di nuovo il suo backup; il profilo non è stato scritto.</translation>
    </message>
    <message>
        <source>The radio did not keep these settings: %1</source>
        <translation>La radio non ha mantenuto queste impostazioni: %1</translation>
    </message>
    <message>
        <source>Write to the radio again?</source>
        <translation>Scrivere di nuovo nella radio?</translation>
    </message>
    <message>
        <source>Put the radio back as it was before the write, from its backup %1?</source>
        <translation>Riportare la radio allo stato precedente alla scrittura dal suo backup %1?</translation>
    </message>
</context>
<context>
    <name>CReadWriteDialog</name>
    <message>
        <source>Read</source>
        <translation>Lettura</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Scrittura</translation>
    </message>
    <message>
        <source>Reading from the radio ...</source>
        <translation>Lettura dalla radio in corso...</translation>
    </message>
    <message>
        <source>Writing to the radio ...</source>
        <translation>Scrittura nella radio in corso...</translation>
    </message>
    <message>
        <source>Transfer status</source>
        <translation>Stato del trasferimento</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Avanzamento del trasferimento</translation>
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
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Read Failed!</source>
        <translation>Lettura non riuscita.</translation>
    </message>
    <message>
        <source>Write Failed!</source>
        <translation>Scrittura non riuscita.</translation>
    </message>
    <message>
        <source>Read Successfully!</source>
        <translation>Lettura completata.</translation>
    </message>
    <message>
        <source>Write Successfully!</source>
        <translation>Scrittura completata.</translation>
    </message>
</context>
<context>
    <name>CReportDlg</name>
    <message>
        <source>Reports</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Esporta PDF</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documenti PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Web pages (*.htm *.html)</source>
        <translation>Pagine Web (*.htm *.html)</translation>
    </message>
    <message>
        <source>The report could not be written to &quot;%1&quot;.</source>
        <translation>Impossibile scrivere il report in &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The report cannot be shown here: the browser library is missing.</source>
        <translation>Impossibile mostrare qui il rapporto: manca la libreria del browser.</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Impossibile stampare il report.</translation>
    </message>
</context>
<context>
    <name>CReportOptionDlg</name>
    <message>
        <source>Reports</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Choose a report template.</source>
        <translation>Scegliere un modello di report.</translation>
    </message>
    <message>
        <source>Customer Handout</source>
        <translation>Scheda cliente</translation>
    </message>
    <message>
        <source>Detailed Report</source>
        <translation>Report dettagliato</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>CScanView</name>
    <message>
        <source>Add to the scan list</source>
        <translation>Aggiungi alla lista di scansione</translation>
    </message>
    <message>
        <source>Remove from the scan list</source>
        <translation>Rimuovi dalla lista di scansione</translation>
    </message>
</context>
<context>
    <name>CSettingView</name>
    <message>
        <source>Please enter 4 numeric characters.</source>
        <translation>Inserire 4 cifre.</translation>
    </message>
    <message>
        <source>The passwords you entered do not match.</source>
        <translation>Le password inserite non corrispondono.</translation>
    </message>
</context>
<context>
    <name>CSplashScreen</name>
    <message>
        <source>Splash screen</source>
        <translation>Schermata iniziale</translation>
    </message>
</context>
<context>
    <name>CStartPage</name>
    <message>
        <source>No profile opened yet.</source>
        <translation>Nessun profilo ancora aperto.</translation>
    </message>
    <message>
        <source>Start page</source>
        <translation>Pagina iniziale</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Nuovo profilo</translation>
    </message>
    <message>
        <source>A new profile from a model&apos;s template</source>
        <translation>Un nuovo profilo dal modello di base di una radio</translation>
    </message>
    <message>
        <source>Open Profile</source>
        <translation>Apri profilo</translation>
    </message>
    <message>
        <source>A profile file (.kv9) on this computer</source>
        <translation>Un file di profilo (.kv9) su questo computer</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Leggi dalla radio</translation>
    </message>
    <message>
        <source>The profile of the radio on the cable</source>
        <translation>Il profilo della radio collegata al cavo</translation>
    </message>
    <message>
        <source>&amp;Recent profiles</source>
        <translation>Profili &amp;recenti</translation>
    </message>
    <message>
        <source>Recent profiles</source>
        <translation>Profili recenti</translation>
    </message>
    <message>
        <source>Enter opens the selected profile</source>
        <translation>Invio apre il profilo selezionato</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>mancante</translation>
    </message>
    <message>
        <source>unknown model</source>
        <translation>modello sconosciuto</translation>
    </message>
    <message>
        <source>Cable: %1</source>
        <translation>Cavo: %1</translation>
    </message>
</context>
<context>
    <name>CSupportFileCommand</name>
    <message>
        <source>Create &amp;Support File...</source>
        <translation>Crea file di &amp;assistenza...</translation>
    </message>
    <message>
        <source>Saves the versions, cable, radio, settings and radio traces for the supplier</source>
        <translation>Salva versioni, cavo, radio, impostazioni e tracce radio per il fornitore</translation>
    </message>
    <message>
        <source>Create Support File</source>
        <translation>Crea file di assistenza</translation>
    </message>
    <message>
        <source>Support files (*.tar.gz)</source>
        <translation>File di assistenza (*.tar.gz)</translation>
    </message>
    <message>
        <source>Add the open profile to the support file? Its codeplug password is left out.</source>
        <translation>Aggiungere il profilo aperto al file di assistenza? La password del codeplug viene omessa.</translation>
    </message>
    <message>
        <source>The support file has been saved as &quot;%1&quot;.</source>
        <translation>Il file di assistenza è stato salvato come &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot save the support file &quot;%1&quot;: %2</source>
        <translation>Impossibile salvare il file di assistenza &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>CVelaCPSApp</name>
    <message>
        <source>CPS needs vbscript engine to start. Please install vbscript engine before re-starting the %1.</source>
        <translation>Il CPS richiede il motore VBScript per l&apos;avvio. Installare il motore VBScript prima di riavviare %1.</translation>
    </message>
    <message>
        <source>The language resource file is missing. The CPS will start with English language version.</source>
        <translation>Il file delle risorse della lingua non è presente. Il CPS verrà avviato in inglese.</translation>
    </message>
</context>
<context>
    <name>CVelaCPSDoc</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>Salvare le modifiche a %1?</translation>
    </message>
</context>
<context>
    <name>CVelaCPSTreeView</name>
    <message>
        <source>Profile</source>
        <translation>Profilo</translation>
    </message>
    <message>
        <source>KVX Distributor Series</source>
        <translation>KVX Distributor Series</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Impostazioni generali</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Impostazioni audio</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation>Frequenze RF</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Lista di scansione</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>PL personalizzati</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>DPL personalizzati</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Aggiungi canale</translation>
    </message>
    <message>
        <source>The last valid channel can not be deleted.</source>
        <translation>Impossibile eliminare l&apos;ultimo canale valido.</translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Elimina canale</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Deleting this channel shall cause the value change of the Preset Channel button. Do you want to continue?</source>
        <translation>Questo canale è assegnato a un tasto Canale preimpostato. Eliminando questo canale cambierà il valore del tasto Canale preimpostato. Continuare?</translation>
    </message>
    <message>
        <source>Rename Channel</source>
        <translation>Rinomina canale</translation>
    </message>
    <message>
        <source>&amp;Add	Ctrl+A</source>
        <translation>A&amp;ggiungi	Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Elimina	Canc</translation>
    </message>
    <message>
        <source>&amp;Rename	F2</source>
        <translation>Rino&amp;mina	F2</translation>
    </message>
</context>
<context>
    <name>CWriteReviewDialog</name>
    <message>
        <source>&amp;Do not ask again for identical models</source>
        <translation>&amp;Non chiedere più per modelli identici</translation>
    </message>
    <message>
        <source>Write to Radio</source>
        <translation>Scrivi nella radio</translation>
    </message>
    <message>
        <source>The write changes these settings in the radio:</source>
        <translation>La scrittura modifica queste impostazioni nella radio:</translation>
    </message>
    <message>
        <source>In the radio</source>
        <translation>Nella radio</translation>
    </message>
    <message>
        <source>After the write</source>
        <translation>Dopo la scrittura</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Scrivi</translation>
    </message>
    <message>
        <source>The choice not to be asked again could not be stored.</source>
        <translation>Impossibile salvare la scelta di non chiedere più.</translation>
    </message>
</context>
<context>
    <name>CableChoices</name>
    <message>
        <source>USB programming cable</source>
        <translation>Cavo di programmazione USB</translation>
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
        <translation>Posizione %1: il modello non ha spazio per altri canali; la riga non viene importata.</translation>
    </message>
    <message>
        <source>Location %1 becomes channel %2.</source>
        <translation>La posizione %1 diventa il canale %2.</translation>
    </message>
    <message>
        <source>%1 MHz allows 2 W at most: it is added with low power only.</source>
        <translation>%1 MHz consente al massimo 2 W: aggiunta solo con bassa potenza.</translation>
    </message>
    <message>
        <source>%1 MHz is added as 12.5 kHz only: the model allows no wider channels.</source>
        <translation>%1 MHz viene aggiunta solo a 12,5 KHz: il modello non consente canali più larghi.</translation>
    </message>
    <message>
        <source>%1 MHz is added to the RF frequency table as entry %2.</source>
        <translation>%1 MHz viene aggiunta alla tabella delle frequenze RF come voce %2.</translation>
    </message>
    <message>
        <source>%1: the frequency allows only %2.</source>
        <translation>%1: la frequenza consente solo %2.</translation>
    </message>
    <message>
        <source>This radio cannot use %1: the channel gets no code.</source>
        <translation>Questa radio non può usare %1: il canale resta senza codice.</translation>
    </message>
    <message>
        <source>Channel %1 is added.</source>
        <translation>Il canale %1 viene aggiunto.</translation>
    </message>
    <message>
        <source>Channel %1 is unchanged.</source>
        <translation>Il canale %1 è invariato.</translation>
    </message>
    <message>
        <source>Channel %1 changes: %2.</source>
        <translation>Il canale %1 cambia: %2.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is cut to &quot;%2&quot;.</source>
        <translation>Il nome &quot;%1&quot; viene troncato a &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>This model has no repeater: the channel transmits on its receive frequency.</source>
        <translation>Questo modello non ha ripetitore: il canale trasmette sulla sua frequenza di ricezione.</translation>
    </message>
    <message>
        <source>This model has no power choice: the power is not changed.</source>
        <translation>Questo modello non ha scelta di potenza: la potenza non cambia.</translation>
    </message>
    <message>
        <source>Power %1 becomes %2.</source>
        <translation>La potenza %1 diventa %2.</translation>
    </message>
    <message>
        <source>This model transmits with its receive code: %1 is not sent.</source>
        <translation>Questo modello trasmette con il suo codice di ricezione: %1 non viene inviato.</translation>
    </message>
    <message>
        <source>no code</source>
        <translation>nessun codice</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importa canali</translation>
    </message>
    <message>
        <source>Location %1 is already on line %2.</source>
        <translation>La posizione %1 è già alla riga %2.</translation>
    </message>
    <message>
        <source>the row ends before this column.</source>
        <translation>la riga finisce prima di questa colonna.</translation>
    </message>
    <message>
        <source>a frequency is needed.</source>
        <translation>serve una frequenza.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a frequency in MHz.</source>
        <translation>&quot;%1&quot; non è una frequenza in MHz.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tone in Hz.</source>
        <translation>&quot;%1&quot; non è un tono in Hz.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a DCS code (octal).</source>
        <translation>&quot;%1&quot; non è un codice DCS (ottale).</translation>
    </message>
    <message>
        <source>Column %1 (%2): %3</source>
        <translation>Colonna %1 (%2): %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a polarity (NN, NR, RN or RR).</source>
        <translation>&quot;%1&quot; non è una polarità (NN, NR, RN o RR).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cross mode.</source>
        <translation>&quot;%1&quot; non è una modalità incrociata.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tone mode (Tone, TSQL, DTCS or Cross).</source>
        <translation>&quot;%1&quot; non è una modalità di tono (Tone, TSQL, DTCS o Cross).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a power in watts.</source>
        <translation>&quot;%1&quot; non è una potenza in watt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a duplex (empty, +, - or split).</source>
        <translation>&quot;%1&quot; non è un duplex (vuoto, +, - o split).</translation>
    </message>
    <message>
        <source>the transmit frequency is out of bounds.</source>
        <translation>la frequenza di trasmissione è fuori dai limiti.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not %2.</source>
        <translation>&quot;%1&quot; non è %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a channel number (1 or more).</source>
        <translation>&quot;%1&quot; non è un numero di canale (1 o più).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a mode this radio has (FM or NFM).</source>
        <translation>&quot;%1&quot; non è una modalità di questa radio (FM o NFM).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a step in kHz.</source>
        <translation>&quot;%1&quot; non è un passo in kHz.</translation>
    </message>
    <message>
        <source>a skip mark (empty or S)</source>
        <translation>un segno di esclusione dalla scansione (vuoto o S)</translation>
    </message>
    <message>
        <source>This is not a channel list: its first line must be a header that names the columns, at least Location and Frequency, such as
%1</source>
        <translation>Questo non è un elenco di canali: la prima riga deve essere un&apos;intestazione che nomina le colonne, almeno Location e Frequency, ad esempio
%1</translation>
    </message>
    <message>
        <source>The file has more than %1 rows.</source>
        <translation>Il file ha più di %1 righe.</translation>
    </message>
    <message>
        <source>Line %1: a quote is not closed.</source>
        <translation>Riga %1: una virgoletta non è chiusa.</translation>
    </message>
</context>
<context>
    <name>CodeDisplayText</name>
    <message>
        <source>No PL/DPL code</source>
        <translation>Nessun codice PL/DPL</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>PL personalizzato</translation>
    </message>
    <message>
        <source>Inverted DPL</source>
        <translation>DPL invertito</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>DPL personalizzato</translation>
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
        <translation>Errore irreversibile delle impostazioni: l&apos;applicazione verrà chiusa.</translation>
    </message>
</context>
<context>
    <name>Editors</name>
    <message>
        <source>Low</source>
        <translation>Basso</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Impostazioni audio</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>Guadagno microfono</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>Guadagno microfono accessorio</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>Livello VOX</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>Livello iVOX</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>Lingua annuncio canale</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Roger beep</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>Bip tastiera</translation>
    </message>
    <message>
        <source>One feature can not be assigned to multiple buttons.</source>
        <translation>Non è possibile assegnare una funzione a più tasti.</translation>
    </message>
    <message>
        <source>The channel can not be selected!</source>
        <translation>Impossibile selezionare il canale.</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Scan/Nuisance Channel Delete</source>
        <translation>Scansione/Elimina canale disturbato</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>Tono di chiamata</translation>
    </message>
    <message>
        <source>Tx Power Selection</source>
        <translation>Selezione potenza Tx</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>Repeater/Talkaround</source>
        <translation>Ripetitore/Diretta</translation>
    </message>
    <message>
        <source>No Operation</source>
        <translation>Nessuna funzione</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Retroilluminazione</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Preimpostato 1</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Preimpostato 2</translation>
    </message>
    <message>
        <source>Selectable</source>
        <translation>Selezionabile</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>ON/OFF</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>Blocco tastiera</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Funzione</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>Tasto laterale 1 (SB1)</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>Tasto laterale 2 (SB2)</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Tasto A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Tasto B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>Tasto C</translation>
    </message>
    <message>
        <source>Button Reset</source>
        <translation>Ripristino tasti</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>Tasto scrambler</translation>
    </message>
    <message>
        <source>Preset 1 Channel</source>
        <translation>Canale preimpostato 1</translation>
    </message>
    <message>
        <source>Preset 2 Channel</source>
        <translation>Canale preimpostato 2</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Aggiungi canale</translation>
    </message>
    <message>
        <source>Scramble Code 1</source>
        <translation>Codice scrambler 1</translation>
    </message>
    <message>
        <source>Scramble Code 2</source>
        <translation>Codice scrambler 2</translation>
    </message>
    <message>
        <source>Scramble Code 3</source>
        <translation>Codice scrambler 3</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequenza (MHz)</translation>
    </message>
    <message>
        <source>Bandwidth (KHz)</source>
        <translation>Larghezza di banda (kHz)</translation>
    </message>
    <message>
        <source>PL/DPL Code</source>
        <translation>Codice PL/DPL</translation>
    </message>
    <message>
        <source>High-power is only available in non-PMR446 markets</source>
        <translation>L&apos;alta potenza è disponibile solo nei mercati non PMR446</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>Disattiva canale</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Ricezione</translation>
    </message>
    <message>
        <source>Talkaround Power</source>
        <translation>Potenza in diretta</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Trasmissione</translation>
    </message>
    <message>
        <source>Repeater Power</source>
        <translation>Potenza via ripetitore</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Ripetitore</translation>
    </message>
    <message>
        <source>In talkaround mode, Transmit will use Receive settings.</source>
        <translation>In modalità diretta, la trasmissione usa le impostazioni di ricezione.</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>Scansione diretta dinamica</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Scansione automatica</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>PL personalizzati</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>Codice PL 124 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>Codice PL 125 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>Codice PL 126 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>Codice PL 127 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>Codice PL 128 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>Codice PL 129 (Hz)</translation>
    </message>
    <message>
        <source>The PL Code you input is invalid. The valid range is: 67.0 - 255.0 Hz.</source>
        <translation>Il codice PL inserito non è valido. L&apos;intervallo valido è: 67,0 - 255,0 Hz.</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>DPL personalizzati</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>Codice PL 214 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>Codice PL 215 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>Codice PL 216 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>Codice PL 217 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>Codice PL 218 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>Codice PL 219 (OCT)</translation>
    </message>
    <message>
        <source>The DPL Code you entered is invalid. The valid range is(OCT): 001 - 777.</source>
        <translation>Il codice DPL inserito non è valido. L&apos;intervallo valido è (OCT): 001 - 777.</translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation>Frequenze RF</translation>
    </message>
    <message>
        <source>Low power only</source>
        <translation>Solo bassa potenza</translation>
    </message>
    <message>
        <source>High power only</source>
        <translation>Solo alta potenza</translation>
    </message>
    <message>
        <source>User selectable with low power as default</source>
        <translation>Selezionabile, bassa potenza predefinita</translation>
    </message>
    <message>
        <source>User selectable with high power as default</source>
        <translation>Selezionabile, alta potenza predefinita</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Larghezza di banda</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Livello di potenza</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Compander</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Informazioni radio</translation>
    </message>
    <message>
        <source>Regional Code</source>
        <translation>Codice regionale</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Versione firmware</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Versione codeplug</translation>
    </message>
    <message>
        <source>Frequency Range (MHz)</source>
        <translation>Gamma di frequenza (MHz)</translation>
    </message>
    <message>
        <source>Rx Frequency Range (MHz)</source>
        <translation>Gamma di frequenza Rx (MHz)</translation>
    </message>
    <message>
        <source>Tx Frequency Range (MHz)</source>
        <translation>Gamma di frequenza Tx (MHz)</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>Numero massimo di canali</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Lista di scansione</translation>
    </message>
    <message>
        <source>Available Channels</source>
        <translation>Canali disponibili</translation>
    </message>
    <message>
        <source>&amp;Add&gt;&gt;</source>
        <translation>A&amp;ggiungi&gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;Re&amp;move</source>
        <translation>&lt;&lt;Ri&amp;muovi</translation>
    </message>
    <message>
        <source>Scan List Members</source>
        <translation>Membri della lista di scansione</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattivato</translation>
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
        <translation>Dopo la conversazione</translation>
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
        <translation>Alcalina</translation>
    </message>
    <message>
        <source>Nickel/LiIon</source>
        <translation>Nichel/Li-ion</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Impostazioni generali</translation>
    </message>
    <message>
        <source>Codeplug Password (4-digit number)</source>
        <translation>Password codeplug (4 cifre)</translation>
    </message>
    <message>
        <source>Confirm Password (4-digit number)</source>
        <translation>Conferma password (4 cifre)</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>Testo di accensione</translation>
    </message>
    <message>
        <source>Power up text can only contain: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</source>
        <translation>Il testo di accensione può contenere solo: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>ID stazione ripetitore</translation>
    </message>
    <message>
        <source>Repeater station id can only contain letter and digits.</source>
        <translation>L&apos;ID stazione ripetitore può contenere solo lettere e cifre.</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>Modalità ID ripetitore</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>Disattiva tutti i LED</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>Disattiva ripristino impostazioni di fabbrica</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>Attiva modalità programmazione</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>Disattiva risparmio batteria</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>Retroilluminazione (s)</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>Tempo di mantenimento Tx (s)</translation>
    </message>
    <message>
        <source>The tx hangtime is invalid. Its range is 0 - 50.</source>
        <translation>Il tempo di mantenimento Tx non è valido. L&apos;intervallo è 0 - 50.</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>Tx batteria scarica (min)</translation>
    </message>
    <message>
        <source>The tx low battery is invalid. Its range is 0 - 255.</source>
        <translation>Il valore Tx batteria scarica non è valido. L&apos;intervallo è 0 - 255.</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>Tono di avviso batteria</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>Attiva bip di cortesia</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>Timer di timeout trasmissione (s)</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>Reverse burst PL</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>Selezione batteria alternativa</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potenza</translation>
    </message>
    <message>
        <source>Receive PL/DPL</source>
        <translation>PL/DPL ricezione</translation>
    </message>
    <message>
        <source>Transmit PL/DPL</source>
        <translation>PL/DPL trasmissione</translation>
    </message>
</context>
<context>
    <name>FieldAssignments</name>
    <message>
        <source>%1: the RF frequency table has no such row.</source>
        <translation>%1: la tabella delle frequenze RF non ha questa riga.</translation>
    </message>
    <message>
        <source>%1: the profile has no such field.</source>
        <translation>%1: il profilo non ha questo campo.</translation>
    </message>
    <message>
        <source>%1: the channel is disabled; only its disable_channel=0 changes it.</source>
        <translation>%1: il canale è disattivato; solo il suo disable_channel=0 lo modifica.</translation>
    </message>
    <message>
        <source>%1: this radio takes codes up to %2.</source>
        <translation>%1: questa radio accetta codici fino a %2.</translation>
    </message>
    <message>
        <source>%1 is set together with %2 in the same change.</source>
        <translation>%1 si imposta insieme a %2 nella stessa modifica.</translation>
    </message>
    <message>
        <source>%1 is no field of the profile.</source>
        <translation>%1 non è un campo del profilo.</translation>
    </message>
    <message>
        <source>%1 needs the number of its element, counted from 1.</source>
        <translation>%1 richiede il numero del suo elemento, contato da 1.</translation>
    </message>
    <message>
        <source>%1: the RF frequency table has no such row; a new row is frequency[%2].freq.</source>
        <translation>%1: la tabella delle frequenze RF non ha questa riga; una nuova riga è frequency[%2].freq.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
</context>
<context>
    <name>FleetLog</name>
    <message>
        <source>The batch log folder %1 cannot be made.</source>
        <translation>Impossibile creare la cartella del registro della serie %1.</translation>
    </message>
    <message>
        <source>The batch log %1 cannot be written: %2.</source>
        <translation>Impossibile scrivere il registro della serie %1: %2.</translation>
    </message>
</context>
<context>
    <name>FleetPort</name>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>Impossibile aprire il profilo.</translation>
    </message>
    <message>
        <source>The values file has no row for this radio.</source>
        <translation>Il file dei valori non ha alcuna riga per questa radio.</translation>
    </message>
    <message>
        <source>Not answered (no Yes given for the batch): %1</source>
        <translation>Senza risposta (nessun Sì indicato per la serie): %1</translation>
    </message>
    <message>
        <source>The radio has a codeplug password other than the one given for the batch.</source>
        <translation>La radio ha una password del codeplug diversa da quella indicata per la serie.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annullato.</translation>
    </message>
    <message>
        <source>The radio did not keep what was written.</source>
        <translation>La radio non ha mantenuto ciò che è stato scritto.</translation>
    </message>
    <message>
        <source>Not written.</source>
        <translation>Non scritto.</translation>
    </message>
</context>
<context>
    <name>FleetValues</name>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>The values file %1 cannot be read: %2.</source>
        <translation>Impossibile leggere il file dei valori %1: %2.</translation>
    </message>
    <message>
        <source>The values file is empty.</source>
        <translation>Il file dei valori è vuoto.</translation>
    </message>
    <message>
        <source>the first column must be &quot;serial&quot; or &quot;order&quot;.</source>
        <translation>la prima colonna deve essere &quot;serial&quot; o &quot;order&quot;.</translation>
    </message>
    <message>
        <source>the column %1 is there twice.</source>
        <translation>la colonna %1 compare due volte.</translation>
    </message>
    <message>
        <source>%1 cells where the header has %2.</source>
        <translation>%1 celle dove l&apos;intestazione ne ha %2.</translation>
    </message>
    <message>
        <source>the first cell is empty.</source>
        <translation>la prima cella è vuota.</translation>
    </message>
    <message>
        <source>the order %1 is no number from 1.</source>
        <translation>l&apos;ordine %1 non è un numero a partire da 1.</translation>
    </message>
    <message>
        <source>%1 has a row already.</source>
        <translation>%1 ha già una riga.</translation>
    </message>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>Impossibile aprire il profilo.</translation>
    </message>
    <message>
        <source>a value is refused.</source>
        <translation>un valore viene rifiutato.</translation>
    </message>
</context>
<context>
    <name>FrequencyRules</name>
    <message>
        <source>Not all frequencies are authorized for high power mode (4W). CPS shall convert these frequencies to low power mode.</source>
        <translation>Non tutte le frequenze sono autorizzate per la modalità alta potenza (4 W). Il CPS convertirà queste frequenze in modalità bassa potenza.</translation>
    </message>
</context>
<context>
    <name>ModelRules</name>
    <message>
        <source>At least one channel frequency is out of the valid frequency range. Please correct it before programming. If there is no valid frequency to select, please edit the frequency table first.</source>
        <translation>Almeno una frequenza di canale è fuori dalla gamma di frequenza valida. Correggerla prima della programmazione. Se non è disponibile alcuna frequenza valida da selezionare, modificare prima la tabella delle frequenze.</translation>
    </message>
    <message>
        <source>This Customer Programming Software is intended for programming radios to be used in the United States of America (USA) to ensure compliance with the narrowband mandate issued by the Federal Communications Commission (FCC).   Programming of the radio to operate on 25 KHz channel spacing is not permitted and has been disabled in this application in compliance with the FCC mandate effective January 1st, 2013.</source>
        <translation>Questo software di programmazione è destinato alla programmazione di radio da utilizzare negli Stati Uniti d&apos;America (USA) in conformità all&apos;obbligo di banda stretta emanato dalla Federal Communications Commission (FCC).   La programmazione della radio per funzionare con una spaziatura dei canali di 25 kHz non è consentita ed è stata disattivata in questa applicazione in conformità all&apos;obbligo FCC in vigore dal 1° gennaio 2013.</translation>
    </message>
    <message>
        <source>At least one frequency in the RF Frequency table is out of the valid frequency range. CPS corrected it to 151.5 MHz in the profile.</source>
        <translation>Almeno una frequenza della tabella delle frequenze RF è fuori dalla gamma di frequenza valida. Il CPS l&apos;ha corretta a 151,5 MHz nel profilo.</translation>
    </message>
    <message>
        <source>The profile names %1 channels in use but holds only %2. CPS uses the %2 channels it holds.</source>
        <translation>Il profilo indica %1 canali in uso ma ne contiene solo %2. Il CPS utilizza i %2 canali che contiene.</translation>
    </message>
</context>
<context>
    <name>ProfileComparison</name>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
</context>
<context>
    <name>ProfileDocument</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>Impossibile leggere il file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Failed to save &quot;%1&quot;: %2</source>
        <translation>Impossibile salvare &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Read from the radio</source>
        <translation>Lettura dalla radio</translation>
    </message>
</context>
<context>
    <name>ProfileFields</name>
    <message>
        <source>no change: the radio or the template sets it</source>
        <translation>nessuna modifica: lo fissa la radio o il modello</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 o 1</translation>
    </message>
    <message>
        <source>a number from %1 to %2</source>
        <translation>un numero da %1 a %2</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>uno tra %1</translation>
    </message>
    <message>
        <source>a text of at most %1 characters</source>
        <translation>un testo di al massimo %1 caratteri</translation>
    </message>
    <message>
        <source>%1 digits or nothing</source>
        <translation>%1 cifre o niente</translation>
    </message>
    <message>
        <source>%1 takes %2.</source>
        <translation>%1 accetta %2.</translation>
    </message>
    <message>
        <source>Clone Compatibility</source>
        <translation>Compatibilità di clonazione</translation>
    </message>
    <message>
        <source>Firmware Phase</source>
        <translation>Fase firmware</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Versione firmware</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Revisione firmware</translation>
    </message>
    <message>
        <source>Codeplug Phase</source>
        <translation>Fase codeplug</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Versione codeplug</translation>
    </message>
    <message>
        <source>Codeplug Development Version</source>
        <translation>Versione di sviluppo codeplug</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Synthesizer Base Frequency</source>
        <translation>Frequenza base del sintetizzatore</translation>
    </message>
    <message>
        <source>Sub-region</source>
        <translation>Sottoregione</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>Numero massimo di canali</translation>
    </message>
    <message>
        <source>Frequencies in Use</source>
        <translation>Frequenze in uso</translation>
    </message>
    <message>
        <source>Lowest Frequency</source>
        <translation>Frequenza minima</translation>
    </message>
    <message>
        <source>Highest Frequency</source>
        <translation>Frequenza massima</translation>
    </message>
    <message>
        <source>Lowest Receive Frequency</source>
        <translation>Frequenza di ricezione minima</translation>
    </message>
    <message>
        <source>Highest Receive Frequency</source>
        <translation>Frequenza di ricezione massima</translation>
    </message>
    <message>
        <source>Lowest Transmit Frequency</source>
        <translation>Frequenza di trasmissione minima</translation>
    </message>
    <message>
        <source>Highest Transmit Frequency</source>
        <translation>Frequenza di trasmissione massima</translation>
    </message>
    <message>
        <source>Time-out Timer Not Available</source>
        <translation>Timer di trasmissione non disponibile</translation>
    </message>
    <message>
        <source>Keypad Beep Not Available</source>
        <translation>Bip tastiera non disponibile</translation>
    </message>
    <message>
        <source>Roger Beep Not Available</source>
        <translation>Roger beep non disponibile</translation>
    </message>
    <message>
        <source>Busy LED Not Available</source>
        <translation>LED di occupato non disponibile</translation>
    </message>
    <message>
        <source>PL Reverse Burst Available</source>
        <translation>Reverse burst PL disponibile</translation>
    </message>
    <message>
        <source>VOX Not Available</source>
        <translation>VOX non disponibile</translation>
    </message>
    <message>
        <source>iVOX Not Available</source>
        <translation>iVOX non disponibile</translation>
    </message>
    <message>
        <source>Scramble Not Available</source>
        <translation>Scrambler non disponibile</translation>
    </message>
    <message>
        <source>Battery Save Not Available</source>
        <translation>Risparmio batteria non disponibile</translation>
    </message>
    <message>
        <source>Factory Reset Not Available</source>
        <translation>Ripristino di fabbrica non disponibile</translation>
    </message>
    <message>
        <source>Scan Not Available</source>
        <translation>Scansione non disponibile</translation>
    </message>
    <message>
        <source>Number of Call Tones</source>
        <translation>Numero di toni di chiamata</translation>
    </message>
    <message>
        <source>Number of Preset Buttons</source>
        <translation>Numero di tasti preimpostati</translation>
    </message>
    <message>
        <source>Number of PL/DPL Codes</source>
        <translation>Numero di codici PL/DPL</translation>
    </message>
    <message>
        <source>Power Selection Available</source>
        <translation>Selezione potenza disponibile</translation>
    </message>
    <message>
        <source>Backlight Button Available</source>
        <translation>Tasto retroilluminazione disponibile</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>Attiva modalità programmazione</translation>
    </message>
    <message>
        <source>Call Not Available</source>
        <translation>Chiamata non disponibile</translation>
    </message>
    <message>
        <source>Monitor Not Available</source>
        <translation>Monitor non disponibile</translation>
    </message>
    <message>
        <source>Keypad Lock Not Available</source>
        <translation>Blocco tastiera non disponibile</translation>
    </message>
    <message>
        <source>Repeater Not Available</source>
        <translation>Ripetitore non disponibile</translation>
    </message>
    <message>
        <source>Channel Disabling Available</source>
        <translation>Disattivazione canali disponibile</translation>
    </message>
    <message>
        <source>Talkaround Scan Available</source>
        <translation>Scansione diretta disponibile</translation>
    </message>
    <message>
        <source>Channel Announcement Available</source>
        <translation>Annuncio canale disponibile</translation>
    </message>
    <message>
        <source>Codeplug Password (4-digit number)</source>
        <translation>Password codeplug (4 cifre)</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>Disattiva tutti i LED</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>Disattiva ripristino impostazioni di fabbrica</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Retroilluminazione</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>Timer di timeout trasmissione (s)</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>Reverse burst PL</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>Livello VOX</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>Livello iVOX</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>Guadagno microfono</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>Guadagno microfono accessorio</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>Selezione batteria alternativa</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>Disattiva risparmio batteria</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>Tasto laterale 1 (SB1)</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>Tasto laterale 2 (SB2)</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Tasto A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Tasto B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>Tasto C</translation>
    </message>
    <message>
        <source>Number of Channels</source>
        <translation>Numero di canali</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>Lingua annuncio canale</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>Codice PL 124 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>Codice PL 125 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>Codice PL 126 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>Codice PL 127 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>Codice PL 128 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>Codice PL 129 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>Codice PL 214 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>Codice PL 215 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>Codice PL 216 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>Codice PL 217 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>Codice PL 218 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>Codice PL 219 (OCT)</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>Testo di accensione</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Roger beep</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>Tasto scrambler</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>Retroilluminazione (s)</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>Tono di chiamata</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>Blocco tastiera</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>Bip tastiera</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>ID stazione ripetitore</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>Modalità ID ripetitore</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>Tempo di mantenimento Tx (s)</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>Tx batteria scarica (min)</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>Tono di avviso batteria</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>Attiva bip di cortesia</translation>
    </message>
    <message>
        <source>Preset Channel</source>
        <translation>Canale preimpostato</translation>
    </message>
    <message>
        <source>Receive Frequency</source>
        <translation>Frequenza di ricezione</translation>
    </message>
    <message>
        <source>Receive PL/DPL Code</source>
        <translation>Codice PL/DPL di ricezione</translation>
    </message>
    <message>
        <source>Transmit Frequency</source>
        <translation>Frequenza di trasmissione</translation>
    </message>
    <message>
        <source>Transmit PL/DPL Code</source>
        <translation>Codice PL/DPL di trasmissione</translation>
    </message>
    <message>
        <source>Receive Bandwidth (0 12.5 KHz, 1 25 KHz)</source>
        <translation>Larghezza di banda di ricezione (0 12,5 kHz, 1 25 kHz)</translation>
    </message>
    <message>
        <source>Transmit Bandwidth (0 12.5 KHz, 1 25 KHz)</source>
        <translation>Larghezza di banda di trasmissione (0 12,5 kHz, 1 25 kHz)</translation>
    </message>
    <message>
        <source>Talkaround Power (0 low, 1 high)</source>
        <translation>Potenza in diretta (0 bassa, 1 alta)</translation>
    </message>
    <message>
        <source>Repeater Power (0 low, 1 high)</source>
        <translation>Potenza con ripetitore (0 bassa, 1 alta)</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Ripetitore</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Scansione automatica</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>Disattiva canale</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>Scansione diretta dinamica</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Lista di scansione</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Larghezza di banda</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Livello di potenza</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Compander</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Informazioni radio</translation>
    </message>
    <message>
        <source>Radio Limits</source>
        <translation>Limiti della radio</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preimpostazione</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
</context>
<context>
    <name>ProfileFileCheck</name>
    <message>
        <source>The CPS does not support this profile&apos;s region.</source>
        <translation>Il CPS non supporta la regione di questo profilo.</translation>
    </message>
    <message>
        <source> Please use the &quot;%1&quot;.</source>
        <translation> Utilizzare &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>Frequenza non valida.</translation>
    </message>
    <message>
        <source>Codeplug version of CPS and profile are incompatible! Please update your CPS.</source>
        <translation>Le versioni del codeplug del CPS e del profilo non sono compatibili. Aggiornare il CPS.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Impossibile aprire il file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The profile holds a value the CPS cannot set: %1 is &quot;%2&quot;, where %3 may be chosen. Please correct the file.</source>
        <translation>Il profilo contiene un valore che il CPS non può impostare: %1 è &quot;%2&quot;, mentre si può scegliere %3. Correggere il file.</translation>
    </message>
</context>
<context>
    <name>RadioBackups</name>
    <message>
        <source>The radio backup folder %1 cannot be written: %2</source>
        <translation>Impossibile scrivere nella cartella dei backup delle radio %1: %2</translation>
    </message>
    <message>
        <source>%1 is no radio backup: it cannot be opened as one.</source>
        <translation>%1 non è un backup di radio: non può essere aperto come tale.</translation>
    </message>
    <message>
        <source>%1 is no radio backup of this program.</source>
        <translation>%1 non è un backup di radio di questo programma.</translation>
    </message>
    <message>
        <source>The radio backup %1 is damaged; it is not written to a radio.</source>
        <translation>Il backup della radio %1 è danneggiato; non viene scritto in nessuna radio.</translation>
    </message>
    <message>
        <source>The radio backup folder %1 cannot be made: %2</source>
        <translation>Impossibile creare la cartella dei backup delle radio %1: %2</translation>
    </message>
    <message>
        <source>The radio backup %1 cannot be written: %2</source>
        <translation>Impossibile scrivere il backup della radio %1: %2</translation>
    </message>
</context>
<context>
    <name>RadioChecks</name>
    <message>
        <source>The current profile is not compatible with the radio.</source>
        <translation>Il profilo corrente non è compatibile con la radio.</translation>
    </message>
    <message>
        <source>When converting from high-tier radio to low-tier radio, some data may be lost. Do you want to continue?</source>
        <translation>Durante la conversione da una radio di fascia alta a una di fascia bassa, alcuni dati potrebbero andare persi. Continuare?</translation>
    </message>
    <message>
        <source>The CPS does not support this radio model.</source>
        <translation>Il CPS non supporta questo modello di radio.</translation>
    </message>
    <message>
        <source>The CPS does not support this radio&apos;s region.</source>
        <translation>Il CPS non supporta la regione di questa radio.</translation>
    </message>
    <message>
        <source> Please use the &quot;%1&quot;.</source>
        <translation> Utilizzare &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Codeplug version of CPS and radio are incompatible! Please update your CPS.</source>
        <translation>Le versioni del codeplug del CPS e della radio non sono compatibili. Aggiornare il CPS.</translation>
    </message>
    <message>
        <source>The radio being programmed does not match the model in the current profile.</source>
        <translation>La radio in programmazione non corrisponde al modello del profilo corrente.</translation>
    </message>
    <message>
        <source>Invalid frequency: This frequency is not supported by this radio.</source>
        <translation>Frequenza non valida: questa frequenza non è supportata da questa radio.</translation>
    </message>
    <message>
        <source>Some profile information is not supported by the host radio and therefore will not be transferred(PL/DPL Code). </source>
        <translation>Alcune informazioni del profilo non sono supportate dalla radio e pertanto non verranno trasferite (codice PL/DPL). </translation>
    </message>
    <message>
        <source>The radio you are programing has a lower version codeplug, some new features can not be used after writing.</source>
        <translation>La radio che si sta programmando ha una versione di codeplug precedente: alcune nuove funzioni non potranno essere utilizzate dopo la scrittura.</translation>
    </message>
    <message>
        <source>Error: Communication Error.</source>
        <translation>Errore: errore di comunicazione.</translation>
    </message>
    <message>
        <source>Error: Operation Failed (%1).</source>
        <translation>Errore: operazione non riuscita (%1).</translation>
    </message>
    <message>
        <source>Radio&apos;s memory is corrupted. Please perform factory reset to correct the error.</source>
        <translation>La memoria della radio è danneggiata. Eseguire un ripristino delle impostazioni di fabbrica per correggere l&apos;errore.</translation>
    </message>
    <message>
        <source>Radio&apos;s memory is corrupted. Please return to manufacture for correction.</source>
        <translation>La memoria della radio è danneggiata. Restituirla al produttore per la riparazione.</translation>
    </message>
    <message>
        <source>Unknown warning!</source>
        <translation>Avviso sconosciuto.</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Avviso: %1</translation>
    </message>
    <message>
        <source>No programming cable was found.</source>
        <translation>Nessun cavo di programmazione trovato.</translation>
    </message>
    <message>
        <source>The programming cable is in use by another program.</source>
        <translation>Il cavo di programmazione è in uso da parte di un altro programma.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Customer Handout</source>
        <translation>Scheda cliente</translation>
    </message>
    <message>
        <source>Detailed Report</source>
        <translation>Report dettagliato</translation>
    </message>
    <message>
        <source>Error: Load dealer information failed.</source>
        <translation>Errore: caricamento delle informazioni sul rivenditore non riuscito.</translation>
    </message>
    <message>
        <source>2W limit</source>
        <translation>Limite 2 W</translation>
    </message>
    <message>
        <source>The e-mail program xdg-email is not available, you need to install it (xdg-utils) and a mail program to send an e-mail.</source>
        <translation>Il programma di posta xdg-email non è disponibile. Per inviare un&apos;e-mail occorre installarlo (xdg-utils) insieme a un programma di posta elettronica.</translation>
    </message>
    <message>
        <source>User selectable with %1 KHz as default</source>
        <translation>Selezionabile, %1 kHz predefinito</translation>
    </message>
    <message>
        <source>%1 KHz only</source>
        <translation>Solo %1 kHz</translation>
    </message>
    <message>
        <source>%1 KHz</source>
        <translation>%1 kHz</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Tasto A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Tasto B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>Tasto C</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>Codice PL 214 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>Codice PL 215 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>Codice PL 216 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>Codice PL 217 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>Codice PL 218 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>Codice PL 219 (OCT)</translation>
    </message>
    <message>
        <source>Scan List Members</source>
        <translation>Membri della lista di scansione</translation>
    </message>
    <message>
        <source>Scramble Code 1</source>
        <translation>Codice scrambler 1</translation>
    </message>
    <message>
        <source>Scramble Code 2</source>
        <translation>Codice scrambler 2</translation>
    </message>
    <message>
        <source>Scramble Code 3</source>
        <translation>Codice scrambler 3</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>Tasto laterale 1 (SB1)</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>Tasto laterale 2 (SB2)</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>Scansione diretta dinamica</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>Lingua annuncio canale</translation>
    </message>
    <message>
        <source>High power only</source>
        <translation>Solo alta potenza</translation>
    </message>
    <message>
        <source>User selectable with high power as default</source>
        <translation>Selezionabile, alta potenza predefinita</translation>
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
        <translation>Tono di chiamata</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Preimpostato 1</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Preimpostato 2</translation>
    </message>
    <message>
        <source>Scan/Nuisance Channel Delete</source>
        <translation>Scansione/Elimina canale disturbato</translation>
    </message>
    <message>
        <source>No Operation</source>
        <translation>Nessuna funzione</translation>
    </message>
    <message>
        <source>Tx Power Selection</source>
        <translation>Selezione potenza Tx</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>Guadagno microfono accessorio</translation>
    </message>
    <message>
        <source>After conversation</source>
        <translation>Dopo la conversazione</translation>
    </message>
    <message>
        <source>Alkaline</source>
        <translation>Alcalina</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>Selezione batteria alternativa</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Impostazioni audio</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Scansione automatica</translation>
    </message>
    <message>
        <source>Available Channels</source>
        <translation>Canali disponibili</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>Retroilluminazione (s)</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Retroilluminazione</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Larghezza di banda</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Channel #</source>
        <translation>Canale n.</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Versione codeplug</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>PL personalizzati</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Compander</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>DPL personalizzati</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>Disattiva tutti i LED</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>Disattiva risparmio batteria</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>Disattiva ripristino impostazioni di fabbrica</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>Disattiva canale</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>Attiva bip di cortesia</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>Attiva modalità programmazione</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Versione firmware</translation>
    </message>
    <message>
        <source>Frequency Range (MHz)</source>
        <translation>Gamma di frequenza (MHz)</translation>
    </message>
    <message>
        <source>Frequency(Index)</source>
        <translation>Frequenza (indice)</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Impostazioni generali</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>Livello iVOX</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>Bip tastiera</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>Blocco tastiera</translation>
    </message>
    <message>
        <source>Low power only</source>
        <translation>Solo bassa potenza</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Basso</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>Numero massimo di canali</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>Guadagno microfono</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Nickel/LiIon</source>
        <translation>Nichel/Li-ion</translation>
    </message>
    <message>
        <source>No PL/DPL code</source>
        <translation>Nessun codice PL/DPL</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>Tono di avviso batteria</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>ON/OFF</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Fuori intervallo</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>Codice PL 124 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>Codice PL 125 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>Codice PL 126 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>Codice PL 127 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>Codice PL 128 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>Codice PL 129 (Hz)</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>Reverse burst PL</translation>
    </message>
    <message>
        <source>PL/DPL Code</source>
        <translation>Codice PL/DPL</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Livello di potenza</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>Testo di accensione</translation>
    </message>
    <message>
        <source>Preset 1 Channel</source>
        <translation>Canale preimpostato 1</translation>
    </message>
    <message>
        <source>Preset 2 Channel</source>
        <translation>Canale preimpostato 2</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Informazioni radio</translation>
    </message>
    <message>
        <source>Receive/Transmit</source>
        <translation>Ricezione/Trasmissione</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Ricezione</translation>
    </message>
    <message>
        <source>Regional Code</source>
        <translation>Codice regionale</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>Modalità ID ripetitore</translation>
    </message>
    <message>
        <source>Repeater Power</source>
        <translation>Potenza via ripetitore</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>ID stazione ripetitore</translation>
    </message>
    <message>
        <source>Repeater/Talkaround</source>
        <translation>Ripetitore/Diretta</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Ripetitore</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Roger beep</translation>
    </message>
    <message>
        <source>Rx Frequency Range (MHz)</source>
        <translation>Gamma di frequenza Rx (MHz)</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Lista di scansione</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>Tasto scrambler</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>Selectable</source>
        <translation>Selezionabile</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Talkaround Power</source>
        <translation>Potenza in diretta</translation>
    </message>
    <message>
        <source>Transmit Power</source>
        <translation>Potenza di trasmissione</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>Timer di timeout trasmissione (s)</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Trasmissione</translation>
    </message>
    <message>
        <source>Tx Frequency Range (MHz)</source>
        <translation>Gamma di frequenza Tx (MHz)</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>Tempo di mantenimento Tx (s)</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>Tx batteria scarica (min)</translation>
    </message>
    <message>
        <source>User selectable with low power as default</source>
        <translation>Selezionabile, bassa potenza predefinita</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>Livello VOX</translation>
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
        <translation>Presa accessori</translation>
    </message>
    <message>
        <source>Channel Selector</source>
        <translation>Selettore canali</translation>
    </message>
    <message>
        <source>QA310</source>
        <translation>QA310</translation>
    </message>
    <message>
        <source>Down Button:</source>
        <translation>Tasto Giù:</translation>
    </message>
    <message>
        <source>Li-Ion Battery Pack</source>
        <translation>Pacco batteria Li-ion</translation>
    </message>
    <message>
        <source>Menu Button:</source>
        <translation>Tasto Menu:</translation>
    </message>
    <message>
        <source>Menu Mode</source>
        <translation>Modalità menu</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfono</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Codice modello</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Power/Volume Knob</source>
        <translation>Manopola accensione/volume</translation>
    </message>
    <message>
        <source>Push-to-Talk (PTT)</source>
        <translation>Tasto PTT</translation>
    </message>
    <message>
        <source>KVX</source>
        <translation>KVX</translation>
    </message>
    <message>
        <source>Scroll down the menu items/change channel</source>
        <translation>Scorre in basso le voci di menu/cambia canale</translation>
    </message>
    <message>
        <source>Scroll up the menu items/change channel</source>
        <translation>Scorre in alto le voci di menu/cambia canale</translation>
    </message>
    <message>
        <source>QB420</source>
        <translation>QB420</translation>
    </message>
    <message>
        <source>Spring Action Belt Clip</source>
        <translation>Clip da cintura a molla</translation>
    </message>
    <message>
        <source>Tri-Color LED</source>
        <translation>LED tricolore</translation>
    </message>
    <message>
        <source>Up Button:</source>
        <translation>Tasto Su:</translation>
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
        <translation>Impossibile generare il report.</translation>
    </message>
    <message>
        <source>(default)</source>
        <translation>(predefinito)</translation>
    </message>
    <message>
        <source>The e-mail program xdg-email failed with exit status %1.</source>
        <translation>Il programma di posta elettronica xdg-email non è riuscito (codice di uscita %1).</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Non è un file normale</translation>
    </message>
    <message>
        <source>Too large: %1 bytes, where at most %2 are read</source>
        <translation>Troppo grande: %1 byte, mentre se ne leggono al massimo %2</translation>
    </message>
    <message>
        <source>Damaged: UTF-16 text of an odd number of bytes</source>
        <translation>Danneggiato: testo UTF-16 con un numero dispari di byte</translation>
    </message>
</context>
<context>
    <name>ScriptHost</name>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: 0
%1 is not a function in the hook script</source>
        <translation>IActiveScriptSite::OnScriptError()
Riga: 0
%1 non è una funzione nello script di hook</translation>
    </message>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: 0
The hook %1 ran longer than %2 ms and was stopped.</source>
        <translation>IActiveScriptSite::OnScriptError()
Riga: 0
L&apos;hook %1 è stato eseguito per più di %2 ms ed è stato interrotto.</translation>
    </message>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: %1
%2</source>
        <translation>IActiveScriptSite::OnScriptError()
Riga: %1
%2</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>The value is not valid.</source>
        <translation>Il valore non è valido.</translation>
    </message>
    <message>
        <source>A channel name must have 1 to 8 characters. Please enter another name.</source>
        <translation>Il nome di un canale deve avere da 1 a 8 caratteri. Inserire un altro nome.</translation>
    </message>
    <message>
        <source>Another channel already has this name. Please enter a different name.</source>
        <translation>Un altro canale ha già questo nome. Inserire un nome diverso.</translation>
    </message>
    <message>
        <source>A channel name can only contain letters, digits, blanks and the punctuation marks of a standard keyboard. Please enter another name.</source>
        <translation>Il nome di un canale può contenere solo lettere, cifre, spazi e i segni di punteggiatura di una tastiera standard. Inserire un altro nome.</translation>
    </message>
    <message>
        <source>The codeplug password must be exactly 4 digits, or empty for no password.</source>
        <translation>La password del codeplug deve essere di esattamente 4 cifre, oppure vuota per nessuna password.</translation>
    </message>
    <message>
        <source>The power up text can have at most 8 characters, each one of: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</source>
        <translation>Il testo di accensione può avere al massimo 8 caratteri, ciascuno tra: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</translation>
    </message>
    <message>
        <source>The repeater station ID can have at most 9 characters, letters and digits only.</source>
        <translation>L&apos;ID stazione ripetitore può avere al massimo 9 caratteri, solo lettere e cifre.</translation>
    </message>
    <message>
        <source>The Tx hang time must be a whole number of seconds from 0 to 50.</source>
        <translation>Il tempo di mantenimento Tx deve essere un numero intero di secondi da 0 a 50.</translation>
    </message>
    <message>
        <source>The Tx low battery time must be a whole number of minutes from 0 to 255.</source>
        <translation>Il tempo Tx batteria scarica deve essere un numero intero di minuti da 0 a 255.</translation>
    </message>
    <message>
        <source>A customized PL tone must be from 67.0 to 255.0 Hz.</source>
        <translation>Un tono PL personalizzato deve essere compreso tra 67,0 e 255,0 Hz.</translation>
    </message>
    <message>
        <source>A customized DPL code must be an octal code from 001 to 777.</source>
        <translation>Un codice DPL personalizzato deve essere un codice ottale da 001 a 777.</translation>
    </message>
    <message>
        <source>One feature can not be assigned to multiple buttons. Choose another feature, or first remove this one from the button that has it.</source>
        <translation>Non è possibile assegnare una funzione a più tasti. Scegliere un&apos;altra funzione oppure rimuovere prima questa dal tasto a cui è assegnata.</translation>
    </message>
    <message>
        <source>This radio model does not support this PL/DPL code. Please choose another code.</source>
        <translation>Questo modello di radio non supporta questo codice PL/DPL. Scegliere un altro codice.</translation>
    </message>
    <message>
        <source>A preset can only use an enabled channel of this profile. Please choose another channel.</source>
        <translation>Un canale preimpostato può usare solo un canale attivo di questo profilo. Scegliere un altro canale.</translation>
    </message>
    <message>
        <source>This is the last enabled channel and can not be disabled. Enable another channel first.</source>
        <translation>Questo è l&apos;ultimo canale attivo e non può essere disattivato. Attivare prima un altro canale.</translation>
    </message>
    <message>
        <source>This frequency is not in the RF frequency table. Please choose a frequency of the table.</source>
        <translation>Questa frequenza non è nella tabella delle frequenze RF. Scegliere una frequenza della tabella.</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Deleting it moves the preset to another channel. Do you want to continue?</source>
        <translation>Questo canale è assegnato a un tasto Canale preimpostato. Eliminandolo, il preimpostato passa a un altro canale. Continuare?</translation>
    </message>
    <message>
        <source>This channel can not be deleted: at least one enabled channel must remain.</source>
        <translation>Impossibile eliminare questo canale: deve rimanere almeno un canale attivo.</translation>
    </message>
    <message>
        <source>The RF frequency table is full (99 frequencies). Delete a frequency that no channel uses before adding another one.</source>
        <translation>La tabella delle frequenze RF è piena (99 frequenze). Eliminare una frequenza non usata da alcun canale prima di aggiungerne un&apos;altra.</translation>
    </message>
    <message>
        <source>This frequency is already in the RF frequency table. Please enter a different frequency.</source>
        <translation>Questa frequenza è già nella tabella delle frequenze RF. Inserire una frequenza diversa.</translation>
    </message>
    <message>
        <source>This frequency is outside the frequency range of the radio (see Radio Information). Please enter a frequency within the range.</source>
        <translation>Questa frequenza è fuori dalla gamma di frequenza della radio (vedere Informazioni radio). Inserire una frequenza compresa nella gamma.</translation>
    </message>
    <message>
        <source>MURS frequencies (151.820, 151.880, 151.940, 154.570 and 154.600 MHz) can not be programmed. Please enter a different frequency.</source>
        <translation>Le frequenze MURS (151,820; 151,880; 151,940; 154,570 e 154,600 MHz) non possono essere programmate. Inserire una frequenza diversa.</translation>
    </message>
    <message>
        <source>This frequency is used by a channel and can not be deleted. Give the channel another frequency first.</source>
        <translation>Questa frequenza è usata da un canale e non può essere eliminata. Assegnare prima un&apos;altra frequenza al canale.</translation>
    </message>
    <message>
        <source>Channels use this frequency. Changing its bandwidth or power level also changes the bandwidth and power of these channels. Do you want to continue?</source>
        <translation>Alcuni canali usano questa frequenza. Modificandone la larghezza di banda o il livello di potenza si modificano anche la larghezza di banda e la potenza di questi canali. Continuare?</translation>
    </message>
    <message>
        <source>25 KHz channel spacing is not permitted in this radio&apos;s region. Please select &quot;12.5 KHz only&quot;.</source>
        <translation>La spaziatura dei canali di 25 kHz non è consentita nella regione di questa radio. Selezionare &quot;Solo 12,5 kHz&quot;.</translation>
    </message>
    <message>
        <source>The frequency, bandwidth, power level or compander value is not valid.</source>
        <translation>Il valore di frequenza, larghezza di banda, livello di potenza o compander non è valido.</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>Programming error: 107.</source>
        <translation>Errore di programmazione: 107.</translation>
    </message>
    <message>
        <source>Programming error: 108.</source>
        <translation>Errore di programmazione: 108.</translation>
    </message>
    <message>
        <source>Fatal error: 102.
Please uninstall and re-install CPS.</source>
        <translation>Errore irreversibile: 102.
Disinstallare e reinstallare il CPS.</translation>
    </message>
    <message>
        <source>Invalid profile.</source>
        <translation>Profilo non valido.</translation>
    </message>
    <message>
        <source>Failed to load profile.</source>
        <translation>Caricamento del profilo non riuscito.</translation>
    </message>
    <message>
        <source>Fatal error: 101.</source>
        <translation>Errore irreversibile: 101.</translation>
    </message>
    <message>
        <source>File format error. Failed to save.</source>
        <translation>Errore nel formato del file. Salvataggio non riuscito.</translation>
    </message>
    <message>
        <source>Some files needed by CPS are not available.
Please reinstall CPS.</source>
        <translation>Alcuni file necessari al CPS non sono disponibili.
Reinstallare il CPS.</translation>
    </message>
</context>
<context>
    <name>SupportBundle</name>
    <message>
        <source>the archive could not be made</source>
        <translation>impossibile creare l&apos;archivio</translation>
    </message>
</context>
<context>
    <name>TransmitPower</name>
    <message>
        <source>Low</source>
        <translation>Bassa</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
</context>
</TS>
