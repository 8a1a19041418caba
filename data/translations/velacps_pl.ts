<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>AppIdentity</name>
    <message>
        <source>Files</source>
        <translation>Pliki</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Wszystkie pliki</translation>
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
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Radiotelefony</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Wersja oprogramowania</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Wgrano</translation>
    </message>
    <message>
        <source>%1 programmed, %2 failed</source>
        <translation>zaprogramowano: %1, błędy: %2</translation>
    </message>
    <message>
        <source>Batch Report</source>
        <translation>Raport partii</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Klient</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
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
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Product version %1</source>
        <translation>Wersja produktu %1</translation>
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
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>Please enter the password:</source>
        <translation>Wprowadź hasło:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>The password is not correct. Please check it!</source>
        <translation>Hasło jest nieprawidłowe. Sprawdź je!</translation>
    </message>
</context>
<context>
    <name>CBaseView</name>
    <message>
        <source>Change %1</source>
        <translation>Zmiana: %1</translation>
    </message>
    <message>
        <source>Invalid Value.</source>
        <translation>Nieprawidłowa wartość.</translation>
    </message>
</context>
<context>
    <name>CButtonsView</name>
    <message>
        <source>Do you want to reset all buttons with their defaults?</source>
        <translation>Czy przywrócić domyślne ustawienia wszystkich przycisków?</translation>
    </message>
    <message>
        <source>Button Reset</source>
        <translation>Reset przycisków</translation>
    </message>
    <message>
        <source>Some files needed by CPS are not available.
Please reinstall CPS.</source>
        <translation>Brak niektórych plików potrzebnych do działania CPS.
Zainstaluj CPS ponownie.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>WYŁ.</translation>
    </message>
</context>
<context>
    <name>CChannelBulkEditDialog</name>
    <message>
        <source>Edit Selected Channels (%1)</source>
        <translation>Edytuj wybrane kanały (%1)</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>bez zmian</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Edit Selected Channels</source>
        <translation>Edytuj wybrane kanały</translation>
    </message>
</context>
<context>
    <name>CChannelFindDialog</name>
    <message>
        <source>Replace</source>
        <translation>Zamień</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>Find what:</source>
        <translation>Znajdź:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Zamień na:</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Szukaj w:</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Kolumna</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Teraz</translation>
    </message>
    <message>
        <source>Becomes</source>
        <translation>Będzie</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Znajdź</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Zamień &amp;wszystko</translation>
    </message>
    <message>
        <source>(no such value)</source>
        <translation>(brak takiej wartości)</translation>
    </message>
</context>
<context>
    <name>CChannelImportDialog</name>
    <message>
        <source>Added</source>
        <translation>Dodano</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Zmieniono</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Bez zmian</translation>
    </message>
    <message>
        <source>Adapted</source>
        <translation>Dostosowano</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Utracono</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Odrzucono</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Pliki CSV (*.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importuj kanały</translation>
    </message>
    <message>
        <source>%1 row(s) are refused and will not be imported.</source>
        <translation>Odrzucone wiersze: %1; nie zostaną zaimportowane.</translation>
    </message>
    <message>
        <source>Nothing changes until you choose Import.</source>
        <translation>Nic się nie zmieni, dopóki nie wybierzesz Importuj.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Wiersz</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Co</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Szczegóły</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importuj</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Nie można odczytać pliku &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Eksportuj kanały</translation>
    </message>
    <message>
        <source>Failed to save &quot;%1&quot;: %2</source>
        <translation>Nie udało się zapisać &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>CChannelTableModel</name>
    <message>
        <source>Change %1</source>
        <translation>Zmień %1</translation>
    </message>
    <message>
        <source>Channel %1 (%2): %3</source>
        <translation>Kanał %1 (%2): %3</translation>
    </message>
</context>
<context>
    <name>CChannelTableView</name>
    <message>
        <source>Channels</source>
        <translation>Kanały</translation>
    </message>
    <message>
        <source>Fill Down %1</source>
        <translation>Wypełnij w dół %1</translation>
    </message>
</context>
<context>
    <name>CChannelView</name>
    <message>
        <source>Transmit Power</source>
        <translation>Moc nadawania</translation>
    </message>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Błąd: widok Informacje o radiotelefonie wczytuje dane.</translation>
    </message>
    <message>
        <source>2W limit</source>
        <translation>Limit 2 W</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Poza zakresem</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Zmiana: %1</translation>
    </message>
    <message>
        <source>Change Frequency</source>
        <translation>Zmiana częstotliwości</translation>
    </message>
    <message>
        <source>The transmit frequency index can not be same as the receive frequency index. The next available transmit frequency shall be selected.</source>
        <translation>Indeks częstotliwości nadawania nie może być taki sam jak indeks częstotliwości odbioru. Zostanie wybrana następna dostępna częstotliwość nadawania.</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Disable this channel shall cause the value change of the Preset Channel button. Do you want to continue?</source>
        <translation>Ten kanał jest przypisany do przycisku kanału zaprogramowanego. Wyłączenie tego kanału zmieni ustawienie tego przycisku. Czy kontynuować?</translation>
    </message>
</context>
<context>
    <name>CChannelsView</name>
    <message>
        <source>Import CSV...</source>
        <translation>Importuj CSV...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Eksportuj CSV...</translation>
    </message>
</context>
<context>
    <name>CCompareCommand</name>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>Po&amp;równaj...</translation>
    </message>
    <message>
        <source>Lists the differences between a profile and another profile, a file or the radio</source>
        <translation>Wyświetla różnice między profilem a innym profilem, plikiem lub radiotelefonem</translation>
    </message>
    <message>
        <source>Profiles and codeplug images (*.kv9 *.img);;All files (*)</source>
        <translation>Profile i obrazy codeplugu (*.kv9 *.img);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Nie można odczytać pliku &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radiotelefon</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be compared.</source>
        <translation>Nie można porównać %1 i %2.</translation>
    </message>
</context>
<context>
    <name>CCompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>Porównaj</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil:</translation>
    </message>
    <message>
        <source>Compare &amp;with:</source>
        <translation>Porównaj &amp;z:</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Porównaj</translation>
    </message>
    <message>
        <source>A profile or codeplug image file...</source>
        <translation>Plik profilu lub obrazu codeplugu...</translation>
    </message>
    <message>
        <source>The radio on the cable</source>
        <translation>Radiotelefon podłączony do kabla</translation>
    </message>
</context>
<context>
    <name>CComparisonWindow</name>
    <message>
        <source>Compare: %1 and %2</source>
        <translation>Porównanie: %1 i %2</translation>
    </message>
    <message>
        <source>%1 and %2 are the same.</source>
        <translation>%1 i %2 są takie same.</translation>
    </message>
    <message numerus="yes">
        <source>%n difference(s) from %1 to %2:</source>
        <translation>
            <numerusform>%n różnica od %1 do %2:</numerusform>
            <numerusform>%n różnice od %1 do %2:</numerusform>
            <numerusform>%n różnic od %1 do %2:</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Go to Field</source>
        <translation>&amp;Przejdź do pola</translation>
    </message>
</context>
<context>
    <name>CDataAdaptor</name>
    <message>
        <source>Invalid serial number</source>
        <translation>Nieprawidłowy numer seryjny</translation>
    </message>
    <message>
        <source>Codeplug is corrupted</source>
        <translation>Codeplug jest uszkodzony</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>Nieprawidłowa częstotliwość.</translation>
    </message>
</context>
<context>
    <name>CDealerInfoDialog</name>
    <message>
        <source>Error: There is an error when acquiring language type.</source>
        <translation>Błąd: nie udało się ustalić języka.</translation>
    </message>
    <message>
        <source>Error: Load dealer information failed.</source>
        <translation>Błąd: nie udało się wczytać danych dealera.</translation>
    </message>
    <message>
        <source>Dealer Information</source>
        <translation>Dane dealera</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>Contact Information</source>
        <translation>Dane kontaktowe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>The dealer information in the settings is too long to fit the dialog, please check it!</source>
        <translation>Dane dealera w ustawieniach są za długie dla tego okna. Sprawdź je!</translation>
    </message>
    <message>
        <source>Failed to write the settings!</source>
        <translation>Nie udało się zapisać ustawień!</translation>
    </message>
</context>
<context>
    <name>CDifferenceList</name>
    <message>
        <source>Differences</source>
        <translation>Różnice</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Pole</translation>
    </message>
</context>
<context>
    <name>CDocumentCommands</name>
    <message>
        <source>&quot;%1&quot; is open in another window. Close that window first, or save under another name.</source>
        <translation>„%1” jest otwarty w innym oknie. Najpierw zamknij to okno lub zapisz pod inną nazwą.</translation>
    </message>
</context>
<context>
    <name>CFleetBatch</name>
    <message>
        <source>A batch is under way.</source>
        <translation>Programowanie seryjne już trwa.</translation>
    </message>
    <message>
        <source>Name each cable of the batch once.</source>
        <translation>Podaj każdy kabel serii tylko raz.</translation>
    </message>
    <message>
        <source>A batch of %1 radios cannot use %2 cables.</source>
        <translation>Seria %1 radiotelefonów nie może używać %2 kabli.</translation>
    </message>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>Nie można otworzyć profilu.</translation>
    </message>
</context>
<context>
    <name>CFrequencyView</name>
    <message>
        <source>%1 KHz only</source>
        <translation>Tylko %1 kHz</translation>
    </message>
    <message>
        <source>User selectable with %1 KHz as default</source>
        <translation>Do wyboru, domyślnie %1 kHz</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indeks</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Częstotliwość (MHz)</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Szerokość pasma</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Poziom mocy</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Kompander</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>nd.</translation>
    </message>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Błąd: widok Informacje o radiotelefonie wczytuje dane.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>Nieprawidłowa częstotliwość.</translation>
    </message>
    <message>
        <source>The frequency is authorized for 2W maximum transmit power.  CPS shall convert to low power mode.</source>
        <translation>Ta częstotliwość jest dopuszczona dla mocy nadawania maks. 2 W.  CPS przełączy na tryb małej mocy.</translation>
    </message>
    <message>
        <source>Add Frequency</source>
        <translation>Dodaj częstotliwość</translation>
    </message>
    <message>
        <source>Change Frequency</source>
        <translation>Zmiana częstotliwości</translation>
    </message>
    <message>
        <source>Do you want to delete the selected item(s)?</source>
        <translation>Czy usunąć wybrane elementy?</translation>
    </message>
    <message>
        <source>Frequency (Frequencies) used by channel can not be deleted.</source>
        <translation>Nie można usunąć częstotliwości używanych przez kanał.</translation>
    </message>
    <message>
        <source>Delete Frequency</source>
        <translation>Usuń częstotliwość</translation>
    </message>
</context>
<context>
    <name>CHelpBrowser</name>
    <message>
        <source>Help page</source>
        <translation>Strona pomocy</translation>
    </message>
</context>
<context>
    <name>CHelpPane</name>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
</context>
<context>
    <name>CHelpSystem</name>
    <message>
        <source>Error: Can not find the help file!</source>
        <translation>Błąd: nie znaleziono pliku pomocy!</translation>
    </message>
    <message>
        <source>Error: Help File format is invalid!</source>
        <translation>Błąd: nieprawidłowy format pliku pomocy!</translation>
    </message>
    <message>
        <source>Error: Can not find help file information in the settings!</source>
        <translation>Błąd: w ustawieniach brak informacji o pliku pomocy!</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>%1 – pomoc</translation>
    </message>
    <message>
        <source>Help navigation</source>
        <translation>Nawigacja pomocy</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Spis treści</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indeks</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Look for</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Search for</source>
        <translation>Szukany tekst</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Szukaj</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Wyniki wyszukiwania</translation>
    </message>
</context>
<context>
    <name>CLockPanes</name>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
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
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Zapi&amp;sz</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Zapisz &amp;jako...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Ostatni plik</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Wy&amp;tnij</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Wklej</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>Zmień &amp;nazwę</translation>
    </message>
    <message>
        <source>Dealer &amp;Info</source>
        <translation>Dane dea&amp;lera</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Pasek &amp;narzędzi</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Pasek &amp;stanu</translation>
    </message>
    <message>
        <source>&amp;Help Pane</source>
        <translation>Panel &amp;pomocy</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Odczytaj</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Odczytaj</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Wgraj do radiotelefonu</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Wgraj</translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation>&amp;Resetuj</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Raport</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Raport</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Kaskadowo</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Sąsiadująco</translation>
    </message>
    <message>
        <source>&amp;Content and Index...</source>
        <translation>&amp;Spis treści i indeks...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Canada French</source>
        <translation>Francuski (Kanada)</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chiński</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niderlandzki</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Angielski</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francuski</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Niemiecki</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Włoski</translation>
    </message>
    <message>
        <source>LA Portuguese</source>
        <translation>Portugalski (Ameryka Łacińska)</translation>
    </message>
    <message>
        <source>LA Spanish</source>
        <translation>Hiszpański (Ameryka Łacińska)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugalski</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rosyjski</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Hiszpański</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Urządzenie</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Okno</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>Edit Selected C&amp;hannels...</source>
        <translation>Edytuj wybrane &amp;kanały...</translation>
    </message>
    <message>
        <source>Restore Radio &amp;Backup...</source>
        <translation>Przywróć &amp;kopię zapasową radiotelefonu...</translation>
    </message>
    <message>
        <source>Program &amp;Several Radios...</source>
        <translation>Programuj &amp;kilka radiotelefonów...</translation>
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
        <translation>Stan kabla</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>There are %1 USB connections. Please remove the unused one and keep one connection only.</source>
        <translation>Liczba połączeń USB: %1. Odłącz nieużywane i pozostaw tylko jedno połączenie.</translation>
    </message>
    <message>
        <source>USB Cable Connected</source>
        <translation>Kabel USB podłączony</translation>
    </message>
    <message>
        <source>USB Cable Not Connected</source>
        <translation>Kabel USB niepodłączony</translation>
    </message>
    <message>
        <source>%1 connected</source>
        <translation>%1 podłączony</translation>
    </message>
    <message>
        <source>%1 not connected</source>
        <translation>%1 niepodłączony</translation>
    </message>
    <message>
        <source>You have to restart the CPS for this change to take effect.</source>
        <translation>Zmiana zacznie obowiązywać po ponownym uruchomieniu CPS.</translation>
    </message>
</context>
<context>
    <name>CNewProfileDlg</name>
    <message>
        <source>New Profile</source>
        <translation>Nowy profil</translation>
    </message>
    <message>
        <source>Please choose profile model.</source>
        <translation>Wybierz model profilu.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Error: Can not find template files!</source>
        <translation>Błąd: nie znaleziono plików szablonów!</translation>
    </message>
</context>
<context>
    <name>CProgramRadiosDlg</name>
    <message>
        <source>Program Several Radios</source>
        <translation>Programuj kilka radiotelefonów</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Zatrzymaj</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Za&amp;mknij</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Partia</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil:</translation>
    </message>
    <message>
        <source>None: every radio gets the profile as it is</source>
        <translation>Brak: każdy radiotelefon otrzymuje profil bez zmian</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Prze&amp;glądaj...</translation>
    </message>
    <message>
        <source>Per-radio &amp;values (CSV):</source>
        <translation>&amp;Wartości dla radiotelefonów (CSV):</translation>
    </message>
    <message>
        <source>&amp;Cables:</source>
        <translation>&amp;Kable:</translation>
    </message>
    <message>
        <source>A serial device, such as /dev/ttyUSB1</source>
        <translation>Urządzenie szeregowe, np. /dev/ttyUSB1</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>&amp;Other cable:</source>
        <translation>&amp;Inny kabel:</translation>
    </message>
    <message>
        <source>Until Stop</source>
        <translation>Do zatrzymania</translation>
    </message>
    <message>
        <source>&amp;Radios in the batch:</source>
        <translation>&amp;Radiotelefony w partii:</translation>
    </message>
    <message>
        <source>Only for radios with a codeplug password</source>
        <translation>Tylko dla radiotelefonów z hasłem codeplug</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Hasło:</translation>
    </message>
    <message>
        <source>C&amp;ustomer:</source>
        <translation>K&amp;lient:</translation>
    </message>
    <message>
        <source>&amp;Write again a radio already done in this batch</source>
        <translation>Wgraj p&amp;onownie radiotelefon już gotowy w tej partii</translation>
    </message>
    <message>
        <source>Choose the cables and press Start.</source>
        <translation>Wybierz kable i naciśnij Start.</translation>
    </message>
    <message>
        <source>Batch status</source>
        <translation>Stan partii</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>Kable</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Radiotelefony</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Oprogramowanie</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Wgrano</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Kopia zapasowa</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Weryfikacja</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Czas (s)</translation>
    </message>
    <message>
        <source>There is no device &quot;%1&quot;.</source>
        <translation>Urządzenie „%1” nie istnieje.</translation>
    </message>
    <message>
        <source>Per-Radio Values</source>
        <translation>Wartości dla radiotelefonów</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Pliki CSV (*.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Choose at least one cable.</source>
        <translation>Wybierz co najmniej jeden kabel.</translation>
    </message>
    <message>
        <source>The profile cannot be copied for the batch: %1.</source>
        <translation>Nie można skopiować profilu dla partii: %1.</translation>
    </message>
    <message>
        <source>The batch has started.</source>
        <translation>Partia została rozpoczęta.</translation>
    </message>
    <message>
        <source>&amp;Cancel Radios</source>
        <translation>&amp;Anuluj radiotelefony</translation>
    </message>
    <message>
        <source>Cancel Radios</source>
        <translation>Anuluj radiotelefony</translation>
    </message>
    <message>
        <source>Stopping: the radios in progress finish. Cancel Radios stops them too.</source>
        <translation>Zatrzymywanie: trwające radiotelefony zostaną dokończone. Anuluj radiotelefony zatrzymuje także je.</translation>
    </message>
    <message>
        <source>Waiting for a radio</source>
        <translation>Oczekiwanie na radiotelefon</translation>
    </message>
    <message>
        <source>Progress on %1</source>
        <translation>Postęp na %1</translation>
    </message>
    <message>
        <source>State of %1</source>
        <translation>Stan %1</translation>
    </message>
    <message>
        <source>Identifying</source>
        <translation>Identyfikacja</translation>
    </message>
    <message>
        <source>Backing up</source>
        <translation>Kopia zapasowa</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Odczyt...</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Wgrywanie</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Weryfikacja</translation>
    </message>
    <message>
        <source>Connect the next radio</source>
        <translation>Podłącz następny radiotelefon</translation>
    </message>
    <message numerus="yes">
        <source>Connect the next radio. %n radio(s) done.</source>
        <translation>
            <numerusform>Podłącz następny radiotelefon. Gotowy: %n radiotelefon.</numerusform>
            <numerusform>Podłącz następny radiotelefon. Gotowe: %n radiotelefony.</numerusform>
            <numerusform>Podłącz następny radiotelefon. Gotowych: %n radiotelefonów.</numerusform>
        </translation>
    </message>
    <message>
        <source>Already done</source>
        <translation>Już gotowy</translation>
    </message>
    <message>
        <source>The radio %1 on %2 is already programmed in this batch: it is skipped. Connect the next radio.</source>
        <translation>Radiotelefon %1 na %2 jest już zaprogramowany w tej partii: zostaje pominięty. Podłącz następny radiotelefon.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Stored</source>
        <translation>Zapisana</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Zgodna</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>Nie osiągnięto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Błąd: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>The batch has ended: %1 programmed, %2 failed. The log is in %3.</source>
        <translation>Partia zakończona: zaprogramowano %1, błędy: %2. Dziennik jest w %3.</translation>
    </message>
</context>
<context>
    <name>CRadioCommands</name>
    <message>
        <source>Transferring...</source>
        <translation>Przesyłanie...</translation>
    </message>
    <message>
        <source>Do you want to create a new profile (Yes), overwrite the currently selected profile (No) or cancel it?</source>
        <translation>Czy utworzyć nowy profil (Tak), zastąpić bieżący profil (Nie), czy anulować?</translation>
    </message>
    <message>
        <source>There are no radio backups in %1.</source>
        <translation>W %1 nie ma kopii zapasowych radiotelefonów.</translation>
    </message>
    <message>
        <source>%1  %2 (%3)  %4  %5</source>
        <translation>%1  %2 (%3)  %4  %5</translation>
    </message>
    <message>
        <source>Restore Radio Backup</source>
        <translation>Przywróć kopię zapasową radiotelefonu</translation>
    </message>
    <message>
        <source>Backup to write into the radio on the cable:</source>
        <translation>Kopia zapasowa do zapisania w radiotelefonie podłączonym kablem:</translation>
    </message>
</context>
<context>
    <name>CRadioInfoView</name>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Błąd: widok Informacje o radiotelefonie wczytuje dane.</translation>
    </message>
</context>
<context>
    <name>CRadioOperations</name>
    <message>
        <source>backup of %1</source>
        <translation>kopia zapasowa %1</translation>
    </message>
    <message>
        <source>This backup is of a %1 radio, and the radio on the cable is a %2; it is not written.</source>
        <translation>Ta kopia zapasowa pochodzi z radiotelefonu %1, a podłączony radiotelefon to %2; nie zostanie zapisana.</translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation>Nic nie zostało zapisane w radiotelefonie.</translation>
    </message>
    <message>
        <source>This backup was taken from the radio with the serial number %1, and the radio on the cable has %2. Write it into this radio?</source>
        <translation>Ta kopia zapasowa pochodzi z radiotelefonu o numerze seryjnym %1, a podłączony radiotelefon ma %2. Zapisać ją w tym radiotelefonie?</translation>
    </message>
    <message>
        <source>What the radio held before the write is kept in %1.</source>
        <translation>Zawartość radiotelefonu sprzed zapisu jest zachowana w %1.</translation>
    </message>
    <message>
        <source>The radio holds its backup again; the profile was not written.</source>
        <translation>Radiotelefon ponownie zawiera swoją kopię zapasową; profil nie został zapisany.</translation>
    </message>
    <message>
        <source>The radio did not keep these settings: %1</source>
        <translation>Radiotelefon nie zachował tych ustawień: %1</translation>
    </message>
    <message>
        <source>Write to the radio again?</source>
        <translation>Zapisać ponownie w radiotelefonie?</translation>
    </message>
    <message>
        <source>Put the radio back as it was before the write, from its backup %1?</source>
        <translation>Przywrócić radiotelefon do stanu sprzed zapisu z kopii zapasowej %1?</translation>
    </message>
</context>
<context>
    <name>CReadWriteDialog</name>
    <message>
        <source>Read</source>
        <translation>Odczyt</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Zapis</translation>
    </message>
    <message>
        <source>Reading from the radio ...</source>
        <translation>Odczyt z radiotelefonu ...</translation>
    </message>
    <message>
        <source>Writing to the radio ...</source>
        <translation>Zapis do radiotelefonu ...</translation>
    </message>
    <message>
        <source>Transfer status</source>
        <translation>Stan transmisji</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Postęp transmisji</translation>
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
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Read Failed!</source>
        <translation>Odczyt nie powiódł się!</translation>
    </message>
    <message>
        <source>Write Failed!</source>
        <translation>Zapis nie powiódł się!</translation>
    </message>
    <message>
        <source>Read Successfully!</source>
        <translation>Odczyt zakończony pomyślnie!</translation>
    </message>
    <message>
        <source>Write Successfully!</source>
        <translation>Zapis zakończony pomyślnie!</translation>
    </message>
</context>
<context>
    <name>CReportDlg</name>
    <message>
        <source>Reports</source>
        <translation>Raporty</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Podgląd wydruku</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Eksportuj PDF</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Dokumenty PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Web pages (*.htm *.html)</source>
        <translation>Strony WWW (*.htm *.html)</translation>
    </message>
    <message>
        <source>The report could not be written to &quot;%1&quot;.</source>
        <translation>Nie udało się zapisać raportu w „%1”.</translation>
    </message>
    <message>
        <source>The report cannot be shown here: the browser library is missing.</source>
        <translation>Nie można tu wyświetlić raportu: brak biblioteki przeglądarki.</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Nie udało się wydrukować raportu.</translation>
    </message>
</context>
<context>
    <name>CReportOptionDlg</name>
    <message>
        <source>Reports</source>
        <translation>Raporty</translation>
    </message>
    <message>
        <source>Choose a report template.</source>
        <translation>Wybierz szablon raportu.</translation>
    </message>
    <message>
        <source>Customer Handout</source>
        <translation>Zestawienie dla klienta</translation>
    </message>
    <message>
        <source>Detailed Report</source>
        <translation>Raport szczegółowy</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
</context>
<context>
    <name>CScanView</name>
    <message>
        <source>Add to the scan list</source>
        <translation>Dodaj do listy skanowania</translation>
    </message>
    <message>
        <source>Remove from the scan list</source>
        <translation>Usuń z listy skanowania</translation>
    </message>
</context>
<context>
    <name>CSettingView</name>
    <message>
        <source>Please enter 4 numeric characters.</source>
        <translation>Wprowadź 4 cyfry.</translation>
    </message>
    <message>
        <source>The passwords you entered do not match.</source>
        <translation>Wprowadzone hasła nie są zgodne.</translation>
    </message>
</context>
<context>
    <name>CSplashScreen</name>
    <message>
        <source>Splash screen</source>
        <translation>Ekran startowy</translation>
    </message>
</context>
<context>
    <name>CStartPage</name>
    <message>
        <source>No profile opened yet.</source>
        <translation>Nie otwarto jeszcze żadnego profilu.</translation>
    </message>
    <message>
        <source>Start page</source>
        <translation>Strona startowa</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Nowy profil</translation>
    </message>
    <message>
        <source>A new profile from a model&apos;s template</source>
        <translation>Nowy profil z szablonu modelu</translation>
    </message>
    <message>
        <source>Open Profile</source>
        <translation>Otwórz profil</translation>
    </message>
    <message>
        <source>A profile file (.kv9) on this computer</source>
        <translation>Plik profilu (.kv9) na tym komputerze</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Odczytaj z radiotelefonu</translation>
    </message>
    <message>
        <source>The profile of the radio on the cable</source>
        <translation>Profil radiotelefonu podłączonego do kabla</translation>
    </message>
    <message>
        <source>&amp;Recent profiles</source>
        <translation>&amp;Ostatnie profile</translation>
    </message>
    <message>
        <source>Recent profiles</source>
        <translation>Ostatnie profile</translation>
    </message>
    <message>
        <source>Enter opens the selected profile</source>
        <translation>Enter otwiera zaznaczony profil</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>brak pliku</translation>
    </message>
    <message>
        <source>unknown model</source>
        <translation>nieznany model</translation>
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
        <translation>Utwórz plik dla &amp;wsparcia...</translation>
    </message>
    <message>
        <source>Saves the versions, cable, radio, settings and radio traces for the supplier</source>
        <translation>Zapisuje wersje, kabel, radiotelefon, ustawienia i zapisy transmisji dla dostawcy</translation>
    </message>
    <message>
        <source>Create Support File</source>
        <translation>Utwórz plik dla wsparcia</translation>
    </message>
    <message>
        <source>Support files (*.tar.gz)</source>
        <translation>Pliki dla wsparcia (*.tar.gz)</translation>
    </message>
    <message>
        <source>Add the open profile to the support file? Its codeplug password is left out.</source>
        <translation>Dodać otwarty profil do pliku dla wsparcia? Hasło codeplugu zostanie pominięte.</translation>
    </message>
    <message>
        <source>The support file has been saved as &quot;%1&quot;.</source>
        <translation>Plik dla wsparcia zapisano jako „%1”.</translation>
    </message>
    <message>
        <source>Cannot save the support file &quot;%1&quot;: %2</source>
        <translation>Nie można zapisać pliku dla wsparcia „%1”: %2</translation>
    </message>
</context>
<context>
    <name>CVelaCPSApp</name>
    <message>
        <source>CPS needs vbscript engine to start. Please install vbscript engine before re-starting the %1.</source>
        <translation>CPS do uruchomienia wymaga silnika skryptów. Zainstaluj silnik skryptów przed ponownym uruchomieniem %1.</translation>
    </message>
    <message>
        <source>The language resource file is missing. The CPS will start with English language version.</source>
        <translation>Brak pliku językowego. CPS uruchomi się w wersji angielskiej.</translation>
    </message>
</context>
<context>
    <name>CVelaCPSDoc</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>Zapisać zmiany w %1?</translation>
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
        <translation>Ustawienia ogólne</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Ustawienia audio</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Przyciski</translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation>Częstotliwości RF</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanały</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Lista skanowania</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>Własne tony PL</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>Własne kody DPL</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Dodaj kanał</translation>
    </message>
    <message>
        <source>The last valid channel can not be deleted.</source>
        <translation>Nie można usunąć ostatniego ważnego kanału.</translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Usuń kanał</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Deleting this channel shall cause the value change of the Preset Channel button. Do you want to continue?</source>
        <translation>Ten kanał jest przypisany do przycisku kanału zaprogramowanego. Usunięcie tego kanału zmieni ustawienie tego przycisku. Czy kontynuować?</translation>
    </message>
    <message>
        <source>Rename Channel</source>
        <translation>Zmień nazwę kanału</translation>
    </message>
    <message>
        <source>&amp;Add	Ctrl+A</source>
        <translation>&amp;Dodaj	Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Usuń	Del</translation>
    </message>
    <message>
        <source>&amp;Rename	F2</source>
        <translation>Zmień &amp;nazwę	F2</translation>
    </message>
</context>
<context>
    <name>CWriteReviewDialog</name>
    <message>
        <source>&amp;Do not ask again for identical models</source>
        <translation>&amp;Nie pytaj ponownie dla identycznych modeli</translation>
    </message>
    <message>
        <source>Write to Radio</source>
        <translation>Wgraj do radiotelefonu</translation>
    </message>
    <message>
        <source>The write changes these settings in the radio:</source>
        <translation>Zapis zmieni te ustawienia w radiotelefonie:</translation>
    </message>
    <message>
        <source>In the radio</source>
        <translation>W radiotelefonie</translation>
    </message>
    <message>
        <source>After the write</source>
        <translation>Po wgraniu</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Wgraj do radiotelefonu</translation>
    </message>
    <message>
        <source>The choice not to be asked again could not be stored.</source>
        <translation>Nie udało się zapisać wyboru, aby nie pytać ponownie.</translation>
    </message>
</context>
<context>
    <name>CableChoices</name>
    <message>
        <source>USB programming cable</source>
        <translation>Kabel programujący USB</translation>
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
        <translation>Pozycja %1: model nie ma miejsca na więcej kanałów; wiersz nie zostanie zaimportowany.</translation>
    </message>
    <message>
        <source>Location %1 becomes channel %2.</source>
        <translation>Pozycja %1 staje się kanałem %2.</translation>
    </message>
    <message>
        <source>%1 MHz allows 2 W at most: it is added with low power only.</source>
        <translation>%1 MHz dopuszcza najwyżej 2 W: dodana tylko z niską mocą.</translation>
    </message>
    <message>
        <source>%1 MHz is added as 12.5 kHz only: the model allows no wider channels.</source>
        <translation>%1 MHz zostaje dodana tylko jako 12,5 KHz: model nie dopuszcza szerszych kanałów.</translation>
    </message>
    <message>
        <source>%1 MHz is added to the RF frequency table as entry %2.</source>
        <translation>%1 MHz zostaje dodana do tabeli częstotliwości RF jako pozycja %2.</translation>
    </message>
    <message>
        <source>%1: the frequency allows only %2.</source>
        <translation>%1: częstotliwość dopuszcza tylko %2.</translation>
    </message>
    <message>
        <source>This radio cannot use %1: the channel gets no code.</source>
        <translation>To radio nie może używać %1: kanał nie otrzyma kodu.</translation>
    </message>
    <message>
        <source>Channel %1 is added.</source>
        <translation>Kanał %1 zostaje dodany.</translation>
    </message>
    <message>
        <source>Channel %1 is unchanged.</source>
        <translation>Kanał %1 bez zmian.</translation>
    </message>
    <message>
        <source>Channel %1 changes: %2.</source>
        <translation>Kanał %1 zmienia się: %2.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is cut to &quot;%2&quot;.</source>
        <translation>Nazwa &quot;%1&quot; zostaje skrócona do &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>This model has no repeater: the channel transmits on its receive frequency.</source>
        <translation>Ten model nie ma przemiennika: kanał nadaje na swojej częstotliwości odbioru.</translation>
    </message>
    <message>
        <source>This model has no power choice: the power is not changed.</source>
        <translation>Ten model nie ma wyboru mocy: moc nie zostaje zmieniona.</translation>
    </message>
    <message>
        <source>Power %1 becomes %2.</source>
        <translation>Moc %1 zmienia się na %2.</translation>
    </message>
    <message>
        <source>This model transmits with its receive code: %1 is not sent.</source>
        <translation>Ten model nadaje ze swoim kodem odbioru: %1 nie jest wysyłany.</translation>
    </message>
    <message>
        <source>no code</source>
        <translation>brak kodu</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Wiersz %1: %2</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importuj kanały</translation>
    </message>
    <message>
        <source>Location %1 is already on line %2.</source>
        <translation>Pozycja %1 jest już w wierszu %2.</translation>
    </message>
    <message>
        <source>the row ends before this column.</source>
        <translation>wiersz kończy się przed tą kolumną.</translation>
    </message>
    <message>
        <source>a frequency is needed.</source>
        <translation>potrzebna jest częstotliwość.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a frequency in MHz.</source>
        <translation>&quot;%1&quot; nie jest częstotliwością w MHz.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tone in Hz.</source>
        <translation>&quot;%1&quot; nie jest tonem w Hz.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a DCS code (octal).</source>
        <translation>&quot;%1&quot; nie jest kodem DCS (ósemkowym).</translation>
    </message>
    <message>
        <source>Column %1 (%2): %3</source>
        <translation>Kolumna %1 (%2): %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a polarity (NN, NR, RN or RR).</source>
        <translation>&quot;%1&quot; nie jest polaryzacją (NN, NR, RN lub RR).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cross mode.</source>
        <translation>&quot;%1&quot; nie jest trybem krzyżowym.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tone mode (Tone, TSQL, DTCS or Cross).</source>
        <translation>&quot;%1&quot; nie jest trybem tonu (Tone, TSQL, DTCS lub Cross).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a power in watts.</source>
        <translation>&quot;%1&quot; nie jest mocą w watach.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a duplex (empty, +, - or split).</source>
        <translation>&quot;%1&quot; nie jest dupleksem (puste, +, - lub split).</translation>
    </message>
    <message>
        <source>the transmit frequency is out of bounds.</source>
        <translation>częstotliwość nadawania jest poza zakresem.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not %2.</source>
        <translation>&quot;%1&quot; nie jest %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a channel number (1 or more).</source>
        <translation>&quot;%1&quot; nie jest numerem kanału (1 lub więcej).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a mode this radio has (FM or NFM).</source>
        <translation>&quot;%1&quot; nie jest trybem tego radia (FM lub NFM).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a step in kHz.</source>
        <translation>&quot;%1&quot; nie jest krokiem w kHz.</translation>
    </message>
    <message>
        <source>a skip mark (empty or S)</source>
        <translation>znacznik pominięcia skanowania (puste lub S)</translation>
    </message>
    <message>
        <source>This is not a channel list: its first line must be a header that names the columns, at least Location and Frequency, such as
%1</source>
        <translation>To nie jest lista kanałów: pierwszy wiersz musi być nagłówkiem z nazwami kolumn, co najmniej Location i Frequency, na przykład
%1</translation>
    </message>
    <message>
        <source>The file has more than %1 rows.</source>
        <translation>Plik ma więcej niż %1 wierszy.</translation>
    </message>
    <message>
        <source>Line %1: a quote is not closed.</source>
        <translation>Wiersz %1: cudzysłów nie jest zamknięty.</translation>
    </message>
</context>
<context>
    <name>CodeDisplayText</name>
    <message>
        <source>No PL/DPL code</source>
        <translation>Brak kodu PL/DPL</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>Własny ton PL</translation>
    </message>
    <message>
        <source>Inverted DPL</source>
        <translation>Odwrócony DPL</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>Własny kod DPL</translation>
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
        <translation>Krytyczny błąd ustawień, aplikacja zostanie zamknięta!</translation>
    </message>
</context>
<context>
    <name>Editors</name>
    <message>
        <source>Low</source>
        <translation>Niski</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Wysoki</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>WYŁ.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Angielski</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francuski</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Hiszpański</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Ustawienia audio</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>Wzmocnienie mikrofonu</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>Wzmocnienie mikrofonu zewn.</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>Poziom VOX</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>Poziom iVOX</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>Język zapowiedzi kanału</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Sygnał Roger Beep</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>Dźwięk klawiszy</translation>
    </message>
    <message>
        <source>One feature can not be assigned to multiple buttons.</source>
        <translation>Jednej funkcji nie można przypisać do kilku przycisków.</translation>
    </message>
    <message>
        <source>The channel can not be selected!</source>
        <translation>Nie można wybrać tego kanału!</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Scan/Nuisance Channel Delete</source>
        <translation>Skan/usuń kanał zakłóceń</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>Sygnał wywołania</translation>
    </message>
    <message>
        <source>Tx Power Selection</source>
        <translation>Wybór mocy nadawania</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Skrambler</translation>
    </message>
    <message>
        <source>Repeater/Talkaround</source>
        <translation>Przemiennik/praca bezpośrednia</translation>
    </message>
    <message>
        <source>No Operation</source>
        <translation>Brak funkcji</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Podświetlenie</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Kanał zaprogr. 1</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Kanał zaprogr. 2</translation>
    </message>
    <message>
        <source>Selectable</source>
        <translation>Do wyboru</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>WŁ./WYŁ.</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Przyciski</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>Blokada klawiatury</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Funkcja</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>Przycisk boczny 1 (SB1)</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>Przycisk boczny 2 (SB2)</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Przycisk A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Przycisk B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>Przycisk C</translation>
    </message>
    <message>
        <source>Button Reset</source>
        <translation>Reset przycisków</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>Przycisk skramblera</translation>
    </message>
    <message>
        <source>Preset 1 Channel</source>
        <translation>Kanał zaprogramowany 1</translation>
    </message>
    <message>
        <source>Preset 2 Channel</source>
        <translation>Kanał zaprogramowany 2</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanały</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Dodaj kanał</translation>
    </message>
    <message>
        <source>Scramble Code 1</source>
        <translation>Kod skramblera 1</translation>
    </message>
    <message>
        <source>Scramble Code 2</source>
        <translation>Kod skramblera 2</translation>
    </message>
    <message>
        <source>Scramble Code 3</source>
        <translation>Kod skramblera 3</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Częstotliwość (MHz)</translation>
    </message>
    <message>
        <source>Bandwidth (KHz)</source>
        <translation>Szerokość pasma (kHz)</translation>
    </message>
    <message>
        <source>PL/DPL Code</source>
        <translation>Kod PL/DPL</translation>
    </message>
    <message>
        <source>High-power is only available in non-PMR446 markets</source>
        <translation>Duża moc jest dostępna tylko poza rynkami PMR446</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>Wyłącz kanał</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Odbiór</translation>
    </message>
    <message>
        <source>Talkaround Power</source>
        <translation>Moc pracy bezpośredniej</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Nadawanie</translation>
    </message>
    <message>
        <source>Repeater Power</source>
        <translation>Moc przez przemiennik</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Przemiennik</translation>
    </message>
    <message>
        <source>In talkaround mode, Transmit will use Receive settings.</source>
        <translation>W trybie pracy bezpośredniej nadawanie używa ustawień odbioru.</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>Dynamiczne skanowanie pracy bezpośr.</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Autoskanowanie</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>Własne tony PL</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>Kod PL 124 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>Kod PL 125 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>Kod PL 126 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>Kod PL 127 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>Kod PL 128 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>Kod PL 129 (Hz)</translation>
    </message>
    <message>
        <source>The PL Code you input is invalid. The valid range is: 67.0 - 255.0 Hz.</source>
        <translation>Wprowadzony kod PL jest nieprawidłowy. Prawidłowy zakres: 67,0 - 255,0 Hz.</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>Własne kody DPL</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>Kod PL 214 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>Kod PL 215 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>Kod PL 216 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>Kod PL 217 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>Kod PL 218 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>Kod PL 219 (OCT)</translation>
    </message>
    <message>
        <source>The DPL Code you entered is invalid. The valid range is(OCT): 001 - 777.</source>
        <translation>Wprowadzony kod DPL jest nieprawidłowy. Prawidłowy zakres (ósemkowo): 001 - 777.</translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation>Częstotliwości RF</translation>
    </message>
    <message>
        <source>Low power only</source>
        <translation>Tylko mała moc</translation>
    </message>
    <message>
        <source>High power only</source>
        <translation>Tylko duża moc</translation>
    </message>
    <message>
        <source>User selectable with low power as default</source>
        <translation>Do wyboru, domyślnie mała moc</translation>
    </message>
    <message>
        <source>User selectable with high power as default</source>
        <translation>Do wyboru, domyślnie duża moc</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>WŁ.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Szerokość pasma</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Poziom mocy</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Kompander</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Informacje o radiotelefonie</translation>
    </message>
    <message>
        <source>Regional Code</source>
        <translation>Kod regionu</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Wersja oprogramowania</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Wersja codeplugu</translation>
    </message>
    <message>
        <source>Frequency Range (MHz)</source>
        <translation>Zakres częstotliwości (MHz)</translation>
    </message>
    <message>
        <source>Rx Frequency Range (MHz)</source>
        <translation>Zakres częst. Rx (MHz)</translation>
    </message>
    <message>
        <source>Tx Frequency Range (MHz)</source>
        <translation>Zakres częst. Tx (MHz)</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>Maks. liczba kanałów</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Lista skanowania</translation>
    </message>
    <message>
        <source>Available Channels</source>
        <translation>Dostępne kanały</translation>
    </message>
    <message>
        <source>&amp;Add&gt;&gt;</source>
        <translation>&amp;Dodaj&gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;Re&amp;move</source>
        <translation>&lt;&lt;&amp;Usuń</translation>
    </message>
    <message>
        <source>Scan List Members</source>
        <translation>Kanały listy skanowania</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłączone</translation>
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
        <translation>Po rozmowie</translation>
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
        <translation>Alkaliczna</translation>
    </message>
    <message>
        <source>Nickel/LiIon</source>
        <translation>Niklowa/Li-Ion</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Ustawienia ogólne</translation>
    </message>
    <message>
        <source>Codeplug Password (4-digit number)</source>
        <translation>Hasło codeplugu (4 cyfry)</translation>
    </message>
    <message>
        <source>Confirm Password (4-digit number)</source>
        <translation>Potwierdź hasło (4 cyfry)</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>Tekst powitalny</translation>
    </message>
    <message>
        <source>Power up text can only contain: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</source>
        <translation>Tekst powitalny może zawierać tylko: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>ID stacji przemiennika</translation>
    </message>
    <message>
        <source>Repeater station id can only contain letter and digits.</source>
        <translation>ID stacji przemiennika może zawierać tylko litery i cyfry.</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>Tryb ID przemiennika</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>Wyłącz wszystkie diody LED</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>Zablokuj przywracanie ustawień fabr.</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>Włącz tryb programowania</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>Wyłącz oszczędzanie baterii</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>Podświetlenie (s)</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>Czas podtrzymania Tx (s)</translation>
    </message>
    <message>
        <source>The tx hangtime is invalid. Its range is 0 - 50.</source>
        <translation>Czas podtrzymania Tx jest nieprawidłowy. Zakres: 0 - 50.</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>Tx przy słabej baterii (min)</translation>
    </message>
    <message>
        <source>The tx low battery is invalid. Its range is 0 - 255.</source>
        <translation>Czas Tx przy słabej baterii jest nieprawidłowy. Zakres: 0 - 255.</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>Sygnał ostrzegawczy baterii</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>Włącz sygnał końca nadawania</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>Ogranicznik czasu nadawania (s)</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>Odwrócenie fazy PL</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>Alternatywny typ baterii</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Moc</translation>
    </message>
    <message>
        <source>Receive PL/DPL</source>
        <translation>PL/DPL odbioru</translation>
    </message>
    <message>
        <source>Transmit PL/DPL</source>
        <translation>PL/DPL nadawania</translation>
    </message>
</context>
<context>
    <name>FieldAssignments</name>
    <message>
        <source>%1: the RF frequency table has no such row.</source>
        <translation>%1: tabela częstotliwości RF nie ma takiego wiersza.</translation>
    </message>
    <message>
        <source>%1: the profile has no such field.</source>
        <translation>%1: profil nie ma takiego pola.</translation>
    </message>
    <message>
        <source>%1: the channel is disabled; only its disable_channel=0 changes it.</source>
        <translation>%1: kanał jest wyłączony; zmienia go tylko jego disable_channel=0.</translation>
    </message>
    <message>
        <source>%1: this radio takes codes up to %2.</source>
        <translation>%1: ten radiotelefon przyjmuje kody do %2.</translation>
    </message>
    <message>
        <source>%1 is set together with %2 in the same change.</source>
        <translation>%1 ustawia się razem z %2 w tej samej zmianie.</translation>
    </message>
    <message>
        <source>%1 is no field of the profile.</source>
        <translation>%1 nie jest polem profilu.</translation>
    </message>
    <message>
        <source>%1 needs the number of its element, counted from 1.</source>
        <translation>%1 wymaga numeru swojego elementu, liczonego od 1.</translation>
    </message>
    <message>
        <source>%1: the RF frequency table has no such row; a new row is frequency[%2].freq.</source>
        <translation>%1: tabela częstotliwości RF nie ma takiego wiersza; nowy wiersz to frequency[%2].freq.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
</context>
<context>
    <name>FleetLog</name>
    <message>
        <source>The batch log folder %1 cannot be made.</source>
        <translation>Nie można utworzyć folderu dziennika serii %1.</translation>
    </message>
    <message>
        <source>The batch log %1 cannot be written: %2.</source>
        <translation>Nie można zapisać dziennika serii %1: %2.</translation>
    </message>
</context>
<context>
    <name>FleetPort</name>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>Nie można otworzyć profilu.</translation>
    </message>
    <message>
        <source>The values file has no row for this radio.</source>
        <translation>Plik wartości nie ma wiersza dla tego radiotelefonu.</translation>
    </message>
    <message>
        <source>Not answered (no Yes given for the batch): %1</source>
        <translation>Bez odpowiedzi (dla serii nie podano Tak): %1</translation>
    </message>
    <message>
        <source>The radio has a codeplug password other than the one given for the batch.</source>
        <translation>Radiotelefon ma inne hasło codeplugu niż podane dla serii.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Anulowano.</translation>
    </message>
    <message>
        <source>The radio did not keep what was written.</source>
        <translation>Radiotelefon nie zachował tego, co zostało zapisane.</translation>
    </message>
    <message>
        <source>Not written.</source>
        <translation>Nie zapisano.</translation>
    </message>
</context>
<context>
    <name>FleetValues</name>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>The values file %1 cannot be read: %2.</source>
        <translation>Nie można odczytać pliku wartości %1: %2.</translation>
    </message>
    <message>
        <source>The values file is empty.</source>
        <translation>Plik wartości jest pusty.</translation>
    </message>
    <message>
        <source>the first column must be &quot;serial&quot; or &quot;order&quot;.</source>
        <translation>pierwsza kolumna musi mieć nazwę &quot;serial&quot; lub &quot;order&quot;.</translation>
    </message>
    <message>
        <source>the column %1 is there twice.</source>
        <translation>kolumna %1 występuje dwa razy.</translation>
    </message>
    <message>
        <source>%1 cells where the header has %2.</source>
        <translation>%1 komórek tam, gdzie nagłówek ma %2.</translation>
    </message>
    <message>
        <source>the first cell is empty.</source>
        <translation>pierwsza komórka jest pusta.</translation>
    </message>
    <message>
        <source>the order %1 is no number from 1.</source>
        <translation>kolejność %1 nie jest liczbą od 1.</translation>
    </message>
    <message>
        <source>%1 has a row already.</source>
        <translation>%1 ma już wiersz.</translation>
    </message>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>Nie można otworzyć profilu.</translation>
    </message>
    <message>
        <source>a value is refused.</source>
        <translation>wartość została odrzucona.</translation>
    </message>
</context>
<context>
    <name>FrequencyRules</name>
    <message>
        <source>Not all frequencies are authorized for high power mode (4W). CPS shall convert these frequencies to low power mode.</source>
        <translation>Nie wszystkie częstotliwości są dopuszczone dla dużej mocy (4 W). CPS przełączy te częstotliwości na małą moc.</translation>
    </message>
</context>
<context>
    <name>ModelRules</name>
    <message>
        <source>At least one channel frequency is out of the valid frequency range. Please correct it before programming. If there is no valid frequency to select, please edit the frequency table first.</source>
        <translation>Co najmniej jedna częstotliwość kanału jest poza prawidłowym zakresem. Popraw ją przed programowaniem. Jeśli nie ma prawidłowej częstotliwości do wyboru, najpierw edytuj tabelę częstotliwości.</translation>
    </message>
    <message>
        <source>This Customer Programming Software is intended for programming radios to be used in the United States of America (USA) to ensure compliance with the narrowband mandate issued by the Federal Communications Commission (FCC).   Programming of the radio to operate on 25 KHz channel spacing is not permitted and has been disabled in this application in compliance with the FCC mandate effective January 1st, 2013.</source>
        <translation>To oprogramowanie do programowania radiotelefonów jest przeznaczone do programowania radiotelefonów używanych w Stanach Zjednoczonych Ameryki (USA) zgodnie z wymogiem wąskopasmowym wydanym przez Federal Communications Commission (FCC).   Programowanie radiotelefonu na odstęp międzykanałowy 25 kHz jest niedozwolone i zostało wyłączone w tej aplikacji zgodnie z wymogiem FCC obowiązującym od 1 stycznia 2013 r.</translation>
    </message>
    <message>
        <source>At least one frequency in the RF Frequency table is out of the valid frequency range. CPS corrected it to 151.5 MHz in the profile.</source>
        <translation>Co najmniej jedna częstotliwość w tabeli częstotliwości RF jest poza prawidłowym zakresem. CPS poprawił ją w profilu na 151,5 MHz.</translation>
    </message>
    <message>
        <source>The profile names %1 channels in use but holds only %2. CPS uses the %2 channels it holds.</source>
        <translation>Profil podaje %1 używanych kanałów, ale zawiera tylko %2. CPS używa %2 zawartych kanałów.</translation>
    </message>
</context>
<context>
    <name>ProfileComparison</name>
    <message>
        <source>(none)</source>
        <translation>(brak)</translation>
    </message>
</context>
<context>
    <name>ProfileDocument</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>Nie można odczytać pliku „%1”.</translation>
    </message>
    <message>
        <source>Failed to save &quot;%1&quot;: %2</source>
        <translation>Nie udało się zapisać „%1”: %2</translation>
    </message>
    <message>
        <source>Read from the radio</source>
        <translation>Odczyt z radiotelefonu</translation>
    </message>
</context>
<context>
    <name>ProfileFields</name>
    <message>
        <source>no change: the radio or the template sets it</source>
        <translation>bez zmiany: ustala to radiotelefon lub szablon</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 lub 1</translation>
    </message>
    <message>
        <source>a number from %1 to %2</source>
        <translation>liczbę od %1 do %2</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>jedną z wartości %1</translation>
    </message>
    <message>
        <source>a text of at most %1 characters</source>
        <translation>tekst o długości co najwyżej %1 znaków</translation>
    </message>
    <message>
        <source>%1 digits or nothing</source>
        <translation>%1 cyfry lub nic</translation>
    </message>
    <message>
        <source>%1 takes %2.</source>
        <translation>%1 przyjmuje %2.</translation>
    </message>
    <message>
        <source>Clone Compatibility</source>
        <translation>Zgodność klonowania</translation>
    </message>
    <message>
        <source>Firmware Phase</source>
        <translation>Faza oprogramowania</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Wersja oprogramowania</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Rewizja oprogramowania</translation>
    </message>
    <message>
        <source>Codeplug Phase</source>
        <translation>Faza codeplugu</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Wersja codeplugu</translation>
    </message>
    <message>
        <source>Codeplug Development Version</source>
        <translation>Wersja rozwojowa codeplugu</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>Synthesizer Base Frequency</source>
        <translation>Częstotliwość bazowa syntezera</translation>
    </message>
    <message>
        <source>Sub-region</source>
        <translation>Podregion</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>Maks. liczba kanałów</translation>
    </message>
    <message>
        <source>Frequencies in Use</source>
        <translation>Używane częstotliwości</translation>
    </message>
    <message>
        <source>Lowest Frequency</source>
        <translation>Najniższa częstotliwość</translation>
    </message>
    <message>
        <source>Highest Frequency</source>
        <translation>Najwyższa częstotliwość</translation>
    </message>
    <message>
        <source>Lowest Receive Frequency</source>
        <translation>Najniższa częstotliwość odbioru</translation>
    </message>
    <message>
        <source>Highest Receive Frequency</source>
        <translation>Najwyższa częstotliwość odbioru</translation>
    </message>
    <message>
        <source>Lowest Transmit Frequency</source>
        <translation>Najniższa częstotliwość nadawania</translation>
    </message>
    <message>
        <source>Highest Transmit Frequency</source>
        <translation>Najwyższa częstotliwość nadawania</translation>
    </message>
    <message>
        <source>Time-out Timer Not Available</source>
        <translation>Ogranicznik czasu nadawania niedostępny</translation>
    </message>
    <message>
        <source>Keypad Beep Not Available</source>
        <translation>Dźwięk klawiszy niedostępny</translation>
    </message>
    <message>
        <source>Roger Beep Not Available</source>
        <translation>Sygnał Roger Beep niedostępny</translation>
    </message>
    <message>
        <source>Busy LED Not Available</source>
        <translation>Dioda zajętości niedostępna</translation>
    </message>
    <message>
        <source>PL Reverse Burst Available</source>
        <translation>Odwrócenie fazy PL dostępne</translation>
    </message>
    <message>
        <source>VOX Not Available</source>
        <translation>VOX niedostępny</translation>
    </message>
    <message>
        <source>iVOX Not Available</source>
        <translation>iVOX niedostępny</translation>
    </message>
    <message>
        <source>Scramble Not Available</source>
        <translation>Skrambler niedostępny</translation>
    </message>
    <message>
        <source>Battery Save Not Available</source>
        <translation>Oszczędzanie baterii niedostępne</translation>
    </message>
    <message>
        <source>Factory Reset Not Available</source>
        <translation>Przywracanie ustawień fabrycznych niedostępne</translation>
    </message>
    <message>
        <source>Scan Not Available</source>
        <translation>Skanowanie niedostępne</translation>
    </message>
    <message>
        <source>Number of Call Tones</source>
        <translation>Liczba sygnałów wywołania</translation>
    </message>
    <message>
        <source>Number of Preset Buttons</source>
        <translation>Liczba przycisków programowanych</translation>
    </message>
    <message>
        <source>Number of PL/DPL Codes</source>
        <translation>Liczba kodów PL/DPL</translation>
    </message>
    <message>
        <source>Power Selection Available</source>
        <translation>Wybór mocy dostępny</translation>
    </message>
    <message>
        <source>Backlight Button Available</source>
        <translation>Przycisk podświetlenia dostępny</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>Włącz tryb programowania</translation>
    </message>
    <message>
        <source>Call Not Available</source>
        <translation>Wywołanie niedostępne</translation>
    </message>
    <message>
        <source>Monitor Not Available</source>
        <translation>Monitor niedostępny</translation>
    </message>
    <message>
        <source>Keypad Lock Not Available</source>
        <translation>Blokada klawiatury niedostępna</translation>
    </message>
    <message>
        <source>Repeater Not Available</source>
        <translation>Przemiennik niedostępny</translation>
    </message>
    <message>
        <source>Channel Disabling Available</source>
        <translation>Wyłączanie kanałów dostępne</translation>
    </message>
    <message>
        <source>Talkaround Scan Available</source>
        <translation>Skanowanie pracy bezpośredniej dostępne</translation>
    </message>
    <message>
        <source>Channel Announcement Available</source>
        <translation>Zapowiedź kanału dostępna</translation>
    </message>
    <message>
        <source>Codeplug Password (4-digit number)</source>
        <translation>Hasło codeplugu (4 cyfry)</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>Wyłącz wszystkie diody LED</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>Zablokuj przywracanie ustawień fabr.</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Podświetlenie</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>Ogranicznik czasu nadawania (s)</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>Odwrócenie fazy PL</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>Poziom VOX</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>Poziom iVOX</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>Wzmocnienie mikrofonu</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>Wzmocnienie mikrofonu zewn.</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>Alternatywny typ baterii</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>Wyłącz oszczędzanie baterii</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>Przycisk boczny 1 (SB1)</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>Przycisk boczny 2 (SB2)</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Przycisk A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Przycisk B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>Przycisk C</translation>
    </message>
    <message>
        <source>Number of Channels</source>
        <translation>Liczba kanałów</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>Język zapowiedzi kanału</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>Kod PL 124 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>Kod PL 125 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>Kod PL 126 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>Kod PL 127 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>Kod PL 128 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>Kod PL 129 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>Kod PL 214 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>Kod PL 215 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>Kod PL 216 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>Kod PL 217 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>Kod PL 218 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>Kod PL 219 (OCT)</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>Tekst powitalny</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Sygnał Roger Beep</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>Przycisk skramblera</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>Podświetlenie (s)</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>Sygnał wywołania</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>Blokada klawiatury</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>Dźwięk klawiszy</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>ID stacji przemiennika</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>Tryb ID przemiennika</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>Czas podtrzymania Tx (s)</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>Tx przy słabej baterii (min)</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>Sygnał ostrzegawczy baterii</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>Włącz sygnał końca nadawania</translation>
    </message>
    <message>
        <source>Preset Channel</source>
        <translation>Kanał zaprogramowany</translation>
    </message>
    <message>
        <source>Receive Frequency</source>
        <translation>Częstotliwość odbioru</translation>
    </message>
    <message>
        <source>Receive PL/DPL Code</source>
        <translation>Kod PL/DPL odbioru</translation>
    </message>
    <message>
        <source>Transmit Frequency</source>
        <translation>Częstotliwość nadawania</translation>
    </message>
    <message>
        <source>Transmit PL/DPL Code</source>
        <translation>Kod PL/DPL nadawania</translation>
    </message>
    <message>
        <source>Receive Bandwidth (0 12.5 KHz, 1 25 KHz)</source>
        <translation>Szerokość pasma odbioru (0 12,5 kHz, 1 25 kHz)</translation>
    </message>
    <message>
        <source>Transmit Bandwidth (0 12.5 KHz, 1 25 KHz)</source>
        <translation>Szerokość pasma nadawania (0 12,5 kHz, 1 25 kHz)</translation>
    </message>
    <message>
        <source>Talkaround Power (0 low, 1 high)</source>
        <translation>Moc pracy bezpośredniej (0 niska, 1 wysoka)</translation>
    </message>
    <message>
        <source>Repeater Power (0 low, 1 high)</source>
        <translation>Moc przez przemiennik (0 niska, 1 wysoka)</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Przemiennik</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Autoskanowanie</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Skrambler</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>Wyłącz kanał</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>Dynamiczne skanowanie pracy bezpośr.</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Lista skanowania</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Częstotliwość</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Szerokość pasma</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Poziom mocy</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Kompander</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Informacje o radiotelefonie</translation>
    </message>
    <message>
        <source>Radio Limits</source>
        <translation>Ograniczenia radiotelefonu</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Ustawienie wstępne</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanał</translation>
    </message>
</context>
<context>
    <name>ProfileFileCheck</name>
    <message>
        <source>The CPS does not support this profile&apos;s region.</source>
        <translation>CPS nie obsługuje regionu tego profilu.</translation>
    </message>
    <message>
        <source> Please use the &quot;%1&quot;.</source>
        <translation> Użyj programu „%1”.</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>Nieprawidłowa częstotliwość.</translation>
    </message>
    <message>
        <source>Codeplug version of CPS and profile are incompatible! Please update your CPS.</source>
        <translation>Wersje codeplugu CPS i profilu są niezgodne! Zaktualizuj CPS.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Nie można otworzyć pliku „%1”: %2.</translation>
    </message>
    <message>
        <source>The profile holds a value the CPS cannot set: %1 is &quot;%2&quot;, where %3 may be chosen. Please correct the file.</source>
        <translation>Profil zawiera wartość, której CPS nie może ustawić: %1 ma wartość „%2”, a można wybrać %3. Popraw plik.</translation>
    </message>
</context>
<context>
    <name>RadioBackups</name>
    <message>
        <source>The radio backup folder %1 cannot be written: %2</source>
        <translation>Nie można zapisywać w folderze kopii zapasowych radiotelefonów %1: %2</translation>
    </message>
    <message>
        <source>%1 is no radio backup: it cannot be opened as one.</source>
        <translation>%1 nie jest kopią zapasową radiotelefonu: nie można go otworzyć jako takiej.</translation>
    </message>
    <message>
        <source>%1 is no radio backup of this program.</source>
        <translation>%1 nie jest kopią zapasową radiotelefonu z tego programu.</translation>
    </message>
    <message>
        <source>The radio backup %1 is damaged; it is not written to a radio.</source>
        <translation>Kopia zapasowa radiotelefonu %1 jest uszkodzona; nie zostanie zapisana w radiotelefonie.</translation>
    </message>
    <message>
        <source>The radio backup folder %1 cannot be made: %2</source>
        <translation>Nie można utworzyć folderu kopii zapasowych radiotelefonów %1: %2</translation>
    </message>
    <message>
        <source>The radio backup %1 cannot be written: %2</source>
        <translation>Nie można zapisać kopii zapasowej radiotelefonu %1: %2</translation>
    </message>
</context>
<context>
    <name>RadioChecks</name>
    <message>
        <source>The current profile is not compatible with the radio.</source>
        <translation>Bieżący profil nie jest zgodny z radiotelefonem.</translation>
    </message>
    <message>
        <source>When converting from high-tier radio to low-tier radio, some data may be lost. Do you want to continue?</source>
        <translation>Przy konwersji z radiotelefonu klasy wyższej do klasy niższej część danych może zostać utracona. Czy kontynuować?</translation>
    </message>
    <message>
        <source>The CPS does not support this radio model.</source>
        <translation>CPS nie obsługuje tego modelu radiotelefonu.</translation>
    </message>
    <message>
        <source>The CPS does not support this radio&apos;s region.</source>
        <translation>CPS nie obsługuje regionu tego radiotelefonu.</translation>
    </message>
    <message>
        <source> Please use the &quot;%1&quot;.</source>
        <translation> Użyj programu „%1”.</translation>
    </message>
    <message>
        <source>Codeplug version of CPS and radio are incompatible! Please update your CPS.</source>
        <translation>Wersje codeplugu CPS i radiotelefonu są niezgodne! Zaktualizuj CPS.</translation>
    </message>
    <message>
        <source>The radio being programmed does not match the model in the current profile.</source>
        <translation>Programowany radiotelefon nie odpowiada modelowi w bieżącym profilu.</translation>
    </message>
    <message>
        <source>Invalid frequency: This frequency is not supported by this radio.</source>
        <translation>Nieprawidłowa częstotliwość: ten radiotelefon nie obsługuje tej częstotliwości.</translation>
    </message>
    <message>
        <source>Some profile information is not supported by the host radio and therefore will not be transferred(PL/DPL Code). </source>
        <translation>Niektóre dane profilu nie są obsługiwane przez podłączony radiotelefon i nie zostaną przesłane (kod PL/DPL). </translation>
    </message>
    <message>
        <source>The radio you are programing has a lower version codeplug, some new features can not be used after writing.</source>
        <translation>Programowany radiotelefon ma starszą wersję codeplugu, niektórych nowych funkcji nie będzie można używać po zapisie.</translation>
    </message>
    <message>
        <source>Error: Communication Error.</source>
        <translation>Błąd: błąd komunikacji.</translation>
    </message>
    <message>
        <source>Error: Operation Failed (%1).</source>
        <translation>Błąd: operacja nie powiodła się (%1).</translation>
    </message>
    <message>
        <source>Radio&apos;s memory is corrupted. Please perform factory reset to correct the error.</source>
        <translation>Pamięć radiotelefonu jest uszkodzona. Przywróć ustawienia fabryczne, aby usunąć błąd.</translation>
    </message>
    <message>
        <source>Radio&apos;s memory is corrupted. Please return to manufacture for correction.</source>
        <translation>Pamięć radiotelefonu jest uszkodzona. Odeślij radiotelefon do producenta w celu naprawy.</translation>
    </message>
    <message>
        <source>Unknown warning!</source>
        <translation>Nieznane ostrzeżenie!</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Ostrzeżenie: %1</translation>
    </message>
    <message>
        <source>No programming cable was found.</source>
        <translation>Nie znaleziono kabla programującego.</translation>
    </message>
    <message>
        <source>The programming cable is in use by another program.</source>
        <translation>Kabel programujący jest używany przez inny program.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Customer Handout</source>
        <translation>Zestawienie dla klienta</translation>
    </message>
    <message>
        <source>Detailed Report</source>
        <translation>Raport szczegółowy</translation>
    </message>
    <message>
        <source>Error: Load dealer information failed.</source>
        <translation>Błąd: nie udało się wczytać danych dealera.</translation>
    </message>
    <message>
        <source>2W limit</source>
        <translation>Limit 2 W</translation>
    </message>
    <message>
        <source>The e-mail program xdg-email is not available, you need to install it (xdg-utils) and a mail program to send an e-mail.</source>
        <translation>Program pocztowy xdg-email jest niedostępny. Aby wysłać e-mail, zainstaluj go (xdg-utils) oraz program pocztowy.</translation>
    </message>
    <message>
        <source>User selectable with %1 KHz as default</source>
        <translation>Do wyboru, domyślnie %1 kHz</translation>
    </message>
    <message>
        <source>%1 KHz only</source>
        <translation>Tylko %1 kHz</translation>
    </message>
    <message>
        <source>%1 KHz</source>
        <translation>%1 kHz</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Przycisk A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Przycisk B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>Przycisk C</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>Kod PL 214 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>Kod PL 215 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>Kod PL 216 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>Kod PL 217 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>Kod PL 218 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>Kod PL 219 (OCT)</translation>
    </message>
    <message>
        <source>Scan List Members</source>
        <translation>Kanały listy skanowania</translation>
    </message>
    <message>
        <source>Scramble Code 1</source>
        <translation>Kod skramblera 1</translation>
    </message>
    <message>
        <source>Scramble Code 2</source>
        <translation>Kod skramblera 2</translation>
    </message>
    <message>
        <source>Scramble Code 3</source>
        <translation>Kod skramblera 3</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>Przycisk boczny 1 (SB1)</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>Przycisk boczny 2 (SB2)</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>Dynamiczne skanowanie pracy bezpośr.</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>Język zapowiedzi kanału</translation>
    </message>
    <message>
        <source>High power only</source>
        <translation>Tylko duża moc</translation>
    </message>
    <message>
        <source>User selectable with high power as default</source>
        <translation>Do wyboru, domyślnie duża moc</translation>
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
        <translation>Sygnał wywołania</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Kanał zaprogr. 1</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Kanał zaprogr. 2</translation>
    </message>
    <message>
        <source>Scan/Nuisance Channel Delete</source>
        <translation>Skanowanie/usuwanie kanału zakłóceń</translation>
    </message>
    <message>
        <source>No Operation</source>
        <translation>Brak funkcji</translation>
    </message>
    <message>
        <source>Tx Power Selection</source>
        <translation>Wybór mocy nadawania</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>Wzmocnienie mikrofonu zewn.</translation>
    </message>
    <message>
        <source>After conversation</source>
        <translation>Po rozmowie</translation>
    </message>
    <message>
        <source>Alkaline</source>
        <translation>Alkaliczna</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>Alternatywny typ baterii</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Ustawienia audio</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Autoskanowanie</translation>
    </message>
    <message>
        <source>Available Channels</source>
        <translation>Dostępne kanały</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>Podświetlenie (s)</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Podświetlenie</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Szerokość pasma</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Przyciski</translation>
    </message>
    <message>
        <source>Channel #</source>
        <translation>Nr kanału</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanały</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Wersja codeplugu</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>Własne tony PL</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Kompander</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>Własne kody DPL</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>Wyłącz wszystkie diody LED</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>Wyłącz oszczędzanie baterii</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>Zablokuj przywracanie ustawień fabr.</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>Wyłącz kanał</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłączone</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>Włącz sygnał końca nadawania</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>Włącz tryb programowania</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Włączone</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Angielski</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Wersja oprogramowania</translation>
    </message>
    <message>
        <source>Frequency Range (MHz)</source>
        <translation>Zakres częstotliwości (MHz)</translation>
    </message>
    <message>
        <source>Frequency(Index)</source>
        <translation>Częstotliwość (indeks)</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Częstotliwość</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Ustawienia ogólne</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Wysoki</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>Poziom iVOX</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indeks</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>Dźwięk klawiszy</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>Blokada klawiatury</translation>
    </message>
    <message>
        <source>Low power only</source>
        <translation>Tylko mała moc</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niski</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>Maks. liczba kanałów</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>Wzmocnienie mikrofonu</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Nickel/LiIon</source>
        <translation>Niklowa/Li-Ion</translation>
    </message>
    <message>
        <source>No PL/DPL code</source>
        <translation>Brak kodu PL/DPL</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>Sygnał ostrzegawczy baterii</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>WŁ./WYŁ.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>WYŁ.</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Poza zakresem</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>WŁ.</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>Kod PL 124 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>Kod PL 125 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>Kod PL 126 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>Kod PL 127 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>Kod PL 128 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>Kod PL 129 (Hz)</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>Odwrócenie fazy PL</translation>
    </message>
    <message>
        <source>PL/DPL Code</source>
        <translation>Kod PL/DPL</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Poziom mocy</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>Tekst powitalny</translation>
    </message>
    <message>
        <source>Preset 1 Channel</source>
        <translation>Kanał zaprogramowany 1</translation>
    </message>
    <message>
        <source>Preset 2 Channel</source>
        <translation>Kanał zaprogramowany 2</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Informacje o radiotelefonie</translation>
    </message>
    <message>
        <source>Receive/Transmit</source>
        <translation>Odbiór/nadawanie</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Odbiór</translation>
    </message>
    <message>
        <source>Regional Code</source>
        <translation>Kod regionu</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>Tryb ID przemiennika</translation>
    </message>
    <message>
        <source>Repeater Power</source>
        <translation>Moc przez przemiennik</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>ID stacji przemiennika</translation>
    </message>
    <message>
        <source>Repeater/Talkaround</source>
        <translation>Przemiennik/praca bezpośrednia</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Przemiennik</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Sygnał Roger Beep</translation>
    </message>
    <message>
        <source>Rx Frequency Range (MHz)</source>
        <translation>Zakres częst. Rx (MHz)</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Lista skanowania</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>Przycisk skramblera</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Skrambler</translation>
    </message>
    <message>
        <source>Selectable</source>
        <translation>Do wyboru</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>Talkaround Power</source>
        <translation>Moc pracy bezpośredniej</translation>
    </message>
    <message>
        <source>Transmit Power</source>
        <translation>Moc nadawania</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>Ogranicznik czasu nadawania (s)</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Nadawanie</translation>
    </message>
    <message>
        <source>Tx Frequency Range (MHz)</source>
        <translation>Zakres częst. Tx (MHz)</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>Czas podtrzymania Tx (s)</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>Tx przy słabej baterii (min)</translation>
    </message>
    <message>
        <source>User selectable with low power as default</source>
        <translation>Do wyboru, domyślnie mała moc</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>Poziom VOX</translation>
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
        <translation>Gniazdo akcesoriów</translation>
    </message>
    <message>
        <source>Channel Selector</source>
        <translation>Przełącznik kanałów</translation>
    </message>
    <message>
        <source>QA310</source>
        <translation>QA310</translation>
    </message>
    <message>
        <source>Down Button:</source>
        <translation>Przycisk w dół:</translation>
    </message>
    <message>
        <source>Li-Ion Battery Pack</source>
        <translation>Akumulator Li-Ion</translation>
    </message>
    <message>
        <source>Menu Button:</source>
        <translation>Przycisk Menu:</translation>
    </message>
    <message>
        <source>Menu Mode</source>
        <translation>Tryb menu</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Numer modelu</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Power/Volume Knob</source>
        <translation>Pokrętło włącznika/głośności</translation>
    </message>
    <message>
        <source>Push-to-Talk (PTT)</source>
        <translation>Przycisk nadawania (PTT)</translation>
    </message>
    <message>
        <source>KVX</source>
        <translation>KVX</translation>
    </message>
    <message>
        <source>Scroll down the menu items/change channel</source>
        <translation>Przewijanie menu w dół/zmiana kanału</translation>
    </message>
    <message>
        <source>Scroll up the menu items/change channel</source>
        <translation>Przewijanie menu w górę/zmiana kanału</translation>
    </message>
    <message>
        <source>QB420</source>
        <translation>QB420</translation>
    </message>
    <message>
        <source>Spring Action Belt Clip</source>
        <translation>Sprężynowy klips do paska</translation>
    </message>
    <message>
        <source>Tri-Color LED</source>
        <translation>Trójkolorowa dioda LED</translation>
    </message>
    <message>
        <source>Up Button:</source>
        <translation>Przycisk w górę:</translation>
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
        <translation>Nie udało się wygenerować raportu.</translation>
    </message>
    <message>
        <source>(default)</source>
        <translation>(domyślnie)</translation>
    </message>
    <message>
        <source>The e-mail program xdg-email failed with exit status %1.</source>
        <translation>Program pocztowy xdg-email zakończył się błędem (kod wyjścia %1).</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>To nie jest zwykły plik</translation>
    </message>
    <message>
        <source>Too large: %1 bytes, where at most %2 are read</source>
        <translation>Za duży: %1 bajtów, a odczytywanych jest najwyżej %2</translation>
    </message>
    <message>
        <source>Damaged: UTF-16 text of an odd number of bytes</source>
        <translation>Uszkodzony: tekst UTF-16 o nieparzystej liczbie bajtów</translation>
    </message>
</context>
<context>
    <name>ScriptHost</name>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: 0
%1 is not a function in the hook script</source>
        <translation>IActiveScriptSite::OnScriptError()
Wiersz: 0
%1 nie jest funkcją w skrypcie hook</translation>
    </message>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: 0
The hook %1 ran longer than %2 ms and was stopped.</source>
        <translation>IActiveScriptSite::OnScriptError()
Wiersz: 0
Hook %1 działał dłużej niż %2 ms i został zatrzymany.</translation>
    </message>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: %1
%2</source>
        <translation>IActiveScriptSite::OnScriptError()
Wiersz: %1
%2</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>The value is not valid.</source>
        <translation>Wartość jest nieprawidłowa.</translation>
    </message>
    <message>
        <source>A channel name must have 1 to 8 characters. Please enter another name.</source>
        <translation>Nazwa kanału musi mieć od 1 do 8 znaków. Wprowadź inną nazwę.</translation>
    </message>
    <message>
        <source>Another channel already has this name. Please enter a different name.</source>
        <translation>Inny kanał ma już tę nazwę. Wprowadź inną nazwę.</translation>
    </message>
    <message>
        <source>A channel name can only contain letters, digits, blanks and the punctuation marks of a standard keyboard. Please enter another name.</source>
        <translation>Nazwa kanału może zawierać tylko litery, cyfry, spacje i znaki interpunkcyjne standardowej klawiatury. Wprowadź inną nazwę.</translation>
    </message>
    <message>
        <source>The codeplug password must be exactly 4 digits, or empty for no password.</source>
        <translation>Hasło codeplugu musi mieć dokładnie 4 cyfry lub być puste (brak hasła).</translation>
    </message>
    <message>
        <source>The power up text can have at most 8 characters, each one of: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</source>
        <translation>Tekst powitalny może mieć maksymalnie 8 znaków, każdy z: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</translation>
    </message>
    <message>
        <source>The repeater station ID can have at most 9 characters, letters and digits only.</source>
        <translation>ID stacji przemiennika może mieć maksymalnie 9 znaków, tylko litery i cyfry.</translation>
    </message>
    <message>
        <source>The Tx hang time must be a whole number of seconds from 0 to 50.</source>
        <translation>Czas podtrzymania Tx musi być całkowitą liczbą sekund od 0 do 50.</translation>
    </message>
    <message>
        <source>The Tx low battery time must be a whole number of minutes from 0 to 255.</source>
        <translation>Czas Tx przy słabej baterii musi być całkowitą liczbą minut od 0 do 255.</translation>
    </message>
    <message>
        <source>A customized PL tone must be from 67.0 to 255.0 Hz.</source>
        <translation>Własny ton PL musi mieć wartość od 67,0 do 255,0 Hz.</translation>
    </message>
    <message>
        <source>A customized DPL code must be an octal code from 001 to 777.</source>
        <translation>Własny kod DPL musi być kodem ósemkowym od 001 do 777.</translation>
    </message>
    <message>
        <source>One feature can not be assigned to multiple buttons. Choose another feature, or first remove this one from the button that has it.</source>
        <translation>Jednej funkcji nie można przypisać do kilku przycisków. Wybierz inną funkcję lub najpierw usuń tę funkcję z przycisku, który ją ma.</translation>
    </message>
    <message>
        <source>This radio model does not support this PL/DPL code. Please choose another code.</source>
        <translation>Ten model radiotelefonu nie obsługuje tego kodu PL/DPL. Wybierz inny kod.</translation>
    </message>
    <message>
        <source>A preset can only use an enabled channel of this profile. Please choose another channel.</source>
        <translation>Kanał zaprogramowany może używać tylko włączonego kanału tego profilu. Wybierz inny kanał.</translation>
    </message>
    <message>
        <source>This is the last enabled channel and can not be disabled. Enable another channel first.</source>
        <translation>To jest ostatni włączony kanał i nie można go wyłączyć. Najpierw włącz inny kanał.</translation>
    </message>
    <message>
        <source>This frequency is not in the RF frequency table. Please choose a frequency of the table.</source>
        <translation>Tej częstotliwości nie ma w tabeli częstotliwości RF. Wybierz częstotliwość z tabeli.</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Deleting it moves the preset to another channel. Do you want to continue?</source>
        <translation>Ten kanał jest przypisany do przycisku kanału zaprogramowanego. Jego usunięcie przeniesie to ustawienie na inny kanał. Czy kontynuować?</translation>
    </message>
    <message>
        <source>This channel can not be deleted: at least one enabled channel must remain.</source>
        <translation>Nie można usunąć tego kanału: musi pozostać co najmniej jeden włączony kanał.</translation>
    </message>
    <message>
        <source>The RF frequency table is full (99 frequencies). Delete a frequency that no channel uses before adding another one.</source>
        <translation>Tabela częstotliwości RF jest pełna (99 częstotliwości). Usuń częstotliwość nieużywaną przez żaden kanał, zanim dodasz następną.</translation>
    </message>
    <message>
        <source>This frequency is already in the RF frequency table. Please enter a different frequency.</source>
        <translation>Ta częstotliwość jest już w tabeli częstotliwości RF. Wprowadź inną częstotliwość.</translation>
    </message>
    <message>
        <source>This frequency is outside the frequency range of the radio (see Radio Information). Please enter a frequency within the range.</source>
        <translation>Ta częstotliwość jest poza zakresem częstotliwości radiotelefonu (zob. Informacje o radiotelefonie). Wprowadź częstotliwość z zakresu.</translation>
    </message>
    <message>
        <source>MURS frequencies (151.820, 151.880, 151.940, 154.570 and 154.600 MHz) can not be programmed. Please enter a different frequency.</source>
        <translation>Częstotliwości MURS (151,820; 151,880; 151,940; 154,570 i 154,600 MHz) nie mogą być programowane. Wprowadź inną częstotliwość.</translation>
    </message>
    <message>
        <source>This frequency is used by a channel and can not be deleted. Give the channel another frequency first.</source>
        <translation>Ta częstotliwość jest używana przez kanał i nie można jej usunąć. Najpierw przypisz kanałowi inną częstotliwość.</translation>
    </message>
    <message>
        <source>Channels use this frequency. Changing its bandwidth or power level also changes the bandwidth and power of these channels. Do you want to continue?</source>
        <translation>Kanały używają tej częstotliwości. Zmiana szerokości pasma lub poziomu mocy zmieni także szerokość pasma i moc tych kanałów. Czy kontynuować?</translation>
    </message>
    <message>
        <source>25 KHz channel spacing is not permitted in this radio&apos;s region. Please select &quot;12.5 KHz only&quot;.</source>
        <translation>Odstęp międzykanałowy 25 kHz jest niedozwolony w regionie tego radiotelefonu. Wybierz „Tylko 12,5 kHz”.</translation>
    </message>
    <message>
        <source>The frequency, bandwidth, power level or compander value is not valid.</source>
        <translation>Wartość częstotliwości, szerokości pasma, poziomu mocy lub kompandera jest nieprawidłowa.</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>Programming error: 107.</source>
        <translation>Błąd programowania: 107.</translation>
    </message>
    <message>
        <source>Programming error: 108.</source>
        <translation>Błąd programowania: 108.</translation>
    </message>
    <message>
        <source>Fatal error: 102.
Please uninstall and re-install CPS.</source>
        <translation>Błąd krytyczny: 102.
Odinstaluj i ponownie zainstaluj CPS.</translation>
    </message>
    <message>
        <source>Invalid profile.</source>
        <translation>Nieprawidłowy profil.</translation>
    </message>
    <message>
        <source>Failed to load profile.</source>
        <translation>Nie udało się wczytać profilu.</translation>
    </message>
    <message>
        <source>Fatal error: 101.</source>
        <translation>Błąd krytyczny: 101.</translation>
    </message>
    <message>
        <source>File format error. Failed to save.</source>
        <translation>Błąd formatu pliku. Zapis nie powiódł się.</translation>
    </message>
    <message>
        <source>Some files needed by CPS are not available.
Please reinstall CPS.</source>
        <translation>Brak niektórych plików potrzebnych do działania CPS.
Zainstaluj CPS ponownie.</translation>
    </message>
</context>
<context>
    <name>SupportBundle</name>
    <message>
        <source>the archive could not be made</source>
        <translation>nie udało się utworzyć archiwum</translation>
    </message>
</context>
<context>
    <name>TransmitPower</name>
    <message>
        <source>Low</source>
        <translation>Niska</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Wysoka</translation>
    </message>
</context>
</TS>
