<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AppIdentity</name>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Профиль</translation>
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
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Радиостанции</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Версия прошивки</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Секунды</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Записано</translation>
    </message>
    <message>
        <source>%1 programmed, %2 failed</source>
        <translation>запрограммировано: %1, с ошибкой: %2</translation>
    </message>
    <message>
        <source>Batch Report</source>
        <translation>Отчёт о партии</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Заказчик</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Профиль</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Product version %1</source>
        <translation>Версия продукта %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
</context>
<context>
    <name>CAskPwdDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Please enter the password:</source>
        <translation>Введите пароль:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>The password is not correct. Please check it!</source>
        <translation>Неверный пароль. Проверьте его!</translation>
    </message>
</context>
<context>
    <name>CBaseView</name>
    <message>
        <source>Change %1</source>
        <translation>Изменение: %1</translation>
    </message>
    <message>
        <source>Invalid Value.</source>
        <translation>Недопустимое значение.</translation>
    </message>
</context>
<context>
    <name>CButtonsView</name>
    <message>
        <source>Do you want to reset all buttons with their defaults?</source>
        <translation>Сбросить все кнопки к значениям по умолчанию?</translation>
    </message>
    <message>
        <source>Button Reset</source>
        <translation>Сброс кнопок</translation>
    </message>
    <message>
        <source>Some files needed by CPS are not available.
Please reinstall CPS.</source>
        <translation>Отсутствуют некоторые файлы, необходимые для работы CPS.
Переустановите CPS.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
</context>
<context>
    <name>CChannelBulkEditDialog</name>
    <message>
        <source>Edit Selected Channels (%1)</source>
        <translation>Изменить выбранные каналы (%1)</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>без изменений</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Edit Selected Channels</source>
        <translation>Изменить выбранные каналы</translation>
    </message>
</context>
<context>
    <name>CChannelFindDialog</name>
    <message>
        <source>Replace</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Find what:</source>
        <translation>Найти:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Заменить на:</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Искать в:</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Столбец</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Сейчас</translation>
    </message>
    <message>
        <source>Becomes</source>
        <translation>Станет</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Найти</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Заменить &amp;все</translation>
    </message>
    <message>
        <source>(no such value)</source>
        <translation>(нет такого значения)</translation>
    </message>
</context>
<context>
    <name>CChannelImportDialog</name>
    <message>
        <source>Added</source>
        <translation>Добавлено</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Изменено</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Без изменений</translation>
    </message>
    <message>
        <source>Adapted</source>
        <translation>Адаптировано</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Потеряно</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Отклонено</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Файлы CSV (*.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Импорт каналов</translation>
    </message>
    <message>
        <source>%1 row(s) are refused and will not be imported.</source>
        <translation>Отклонено строк: %1; они не будут импортированы.</translation>
    </message>
    <message>
        <source>Nothing changes until you choose Import.</source>
        <translation>Ничего не изменится, пока вы не выберете «Импорт».</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Строка</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Что</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Подробности</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Импорт</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Не удаётся прочитать файл &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Экспорт каналов</translation>
    </message>
    <message>
        <source>Failed to save &quot;%1&quot;: %2</source>
        <translation>Не удалось сохранить &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>CChannelTableModel</name>
    <message>
        <source>Change %1</source>
        <translation>Изменить %1</translation>
    </message>
    <message>
        <source>Channel %1 (%2): %3</source>
        <translation>Канал %1 (%2): %3</translation>
    </message>
</context>
<context>
    <name>CChannelTableView</name>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Fill Down %1</source>
        <translation>Заполнить вниз: %1</translation>
    </message>
</context>
<context>
    <name>CChannelView</name>
    <message>
        <source>Transmit Power</source>
        <translation>Мощность передачи</translation>
    </message>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Ошибка: окно «Сведения о радиостанции» загружает данные.</translation>
    </message>
    <message>
        <source>2W limit</source>
        <translation>Не более 2 Вт</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Вне диапазона</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Изменение: %1</translation>
    </message>
    <message>
        <source>Change Frequency</source>
        <translation>Изменение частоты</translation>
    </message>
    <message>
        <source>The transmit frequency index can not be same as the receive frequency index. The next available transmit frequency shall be selected.</source>
        <translation>Индекс частоты передачи не может совпадать с индексом частоты приёма. Будет выбрана следующая доступная частота передачи.</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Disable this channel shall cause the value change of the Preset Channel button. Do you want to continue?</source>
        <translation>Этот канал назначен кнопке предустановленного канала. Отключение канала изменит значение этой кнопки. Продолжить?</translation>
    </message>
</context>
<context>
    <name>CChannelsView</name>
    <message>
        <source>Import CSV...</source>
        <translation>Импорт CSV...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Экспорт CSV...</translation>
    </message>
</context>
<context>
    <name>CCompareCommand</name>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>С&amp;равнить...</translation>
    </message>
    <message>
        <source>Lists the differences between a profile and another profile, a file or the radio</source>
        <translation>Показывает различия между профилем и другим профилем, файлом или радиостанцией</translation>
    </message>
    <message>
        <source>Profiles and codeplug images (*.kv9 *.img);;All files (*)</source>
        <translation>Профили и образы кодплага (*.kv9 *.img);;Все файлы (*)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Не удаётся прочитать файл &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радиостанция</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be compared.</source>
        <translation>Невозможно сравнить %1 и %2.</translation>
    </message>
</context>
<context>
    <name>CCompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>Сравнение</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Профиль:</translation>
    </message>
    <message>
        <source>Compare &amp;with:</source>
        <translation>Сравнить &amp;с:</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Сравнить</translation>
    </message>
    <message>
        <source>A profile or codeplug image file...</source>
        <translation>Файл профиля или образа кодплага...</translation>
    </message>
    <message>
        <source>The radio on the cable</source>
        <translation>Радиостанция на кабеле</translation>
    </message>
</context>
<context>
    <name>CComparisonWindow</name>
    <message>
        <source>Compare: %1 and %2</source>
        <translation>Сравнение: %1 и %2</translation>
    </message>
    <message>
        <source>%1 and %2 are the same.</source>
        <translation>%1 и %2 совпадают.</translation>
    </message>
    <message numerus="yes">
        <source>%n difference(s) from %1 to %2:</source>
        <translation>
            <numerusform>%n различие от %1 к %2:</numerusform>
            <numerusform>%n различия от %1 к %2:</numerusform>
            <numerusform>%n различий от %1 к %2:</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Go to Field</source>
        <translation>&amp;Перейти к полю</translation>
    </message>
</context>
<context>
    <name>CDataAdaptor</name>
    <message>
        <source>Invalid serial number</source>
        <translation>Неверный серийный номер</translation>
    </message>
    <message>
        <source>Codeplug is corrupted</source>
        <translation>Кодплаг повреждён</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>Недопустимая частота.</translation>
    </message>
</context>
<context>
    <name>CDealerInfoDialog</name>
    <message>
        <source>Error: There is an error when acquiring language type.</source>
        <translation>Ошибка: не удалось определить язык.</translation>
    </message>
    <message>
        <source>Error: Load dealer information failed.</source>
        <translation>Ошибка: не удалось загрузить сведения о дилере.</translation>
    </message>
    <message>
        <source>Dealer Information</source>
        <translation>Сведения о дилере</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Примечания</translation>
    </message>
    <message>
        <source>Contact Information</source>
        <translation>Контактные данные</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>The dealer information in the settings is too long to fit the dialog, please check it!</source>
        <translation>Сведения о дилере в настройках слишком длинные для этого окна. Проверьте их!</translation>
    </message>
    <message>
        <source>Failed to write the settings!</source>
        <translation>Не удалось записать настройки!</translation>
    </message>
</context>
<context>
    <name>CDifferenceList</name>
    <message>
        <source>Differences</source>
        <translation>Различия</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Поле</translation>
    </message>
</context>
<context>
    <name>CDocumentCommands</name>
    <message>
        <source>&quot;%1&quot; is open in another window. Close that window first, or save under another name.</source>
        <translation>«%1» открыт в другом окне. Сначала закройте это окно или сохраните под другим именем.</translation>
    </message>
</context>
<context>
    <name>CFleetBatch</name>
    <message>
        <source>A batch is under way.</source>
        <translation>Серийное программирование уже выполняется.</translation>
    </message>
    <message>
        <source>Name each cable of the batch once.</source>
        <translation>Укажите каждый кабель серии только один раз.</translation>
    </message>
    <message>
        <source>A batch of %1 radios cannot use %2 cables.</source>
        <translation>Серия из %1 радиостанций не может использовать %2 кабелей.</translation>
    </message>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>Невозможно открыть профиль.</translation>
    </message>
</context>
<context>
    <name>CFrequencyView</name>
    <message>
        <source>%1 KHz only</source>
        <translation>Только %1 кГц</translation>
    </message>
    <message>
        <source>User selectable with %1 KHz as default</source>
        <translation>Выбор, по умолчанию %1 кГц</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Индекс</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Частота (МГц)</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Полоса</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Уровень мощности</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Компандер</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>Н/Д</translation>
    </message>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Ошибка: окно «Сведения о радиостанции» загружает данные.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>Недопустимая частота.</translation>
    </message>
    <message>
        <source>The frequency is authorized for 2W maximum transmit power.  CPS shall convert to low power mode.</source>
        <translation>Для этой частоты разрешена мощность передачи не более 2 Вт.  CPS переключит на малую мощность.</translation>
    </message>
    <message>
        <source>Add Frequency</source>
        <translation>Добавить частоту</translation>
    </message>
    <message>
        <source>Change Frequency</source>
        <translation>Изменение частоты</translation>
    </message>
    <message>
        <source>Do you want to delete the selected item(s)?</source>
        <translation>Удалить выбранные элементы?</translation>
    </message>
    <message>
        <source>Frequency (Frequencies) used by channel can not be deleted.</source>
        <translation>Частоты, используемые каналами, нельзя удалить.</translation>
    </message>
    <message>
        <source>Delete Frequency</source>
        <translation>Удаление частоты</translation>
    </message>
</context>
<context>
    <name>CHelpBrowser</name>
    <message>
        <source>Help page</source>
        <translation>Страница справки</translation>
    </message>
</context>
<context>
    <name>CHelpPane</name>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
</context>
<context>
    <name>CHelpSystem</name>
    <message>
        <source>Error: Can not find the help file!</source>
        <translation>Ошибка: файл справки не найден!</translation>
    </message>
    <message>
        <source>Error: Help File format is invalid!</source>
        <translation>Ошибка: недопустимый формат файла справки!</translation>
    </message>
    <message>
        <source>Error: Can not find help file information in the settings!</source>
        <translation>Ошибка: сведения о файле справки в настройках не найдены!</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Справка %1</translation>
    </message>
    <message>
        <source>Help navigation</source>
        <translation>Навигация по справке</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Содержание</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Указатель</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Look for</source>
        <translation>Искать</translation>
    </message>
    <message>
        <source>Search for</source>
        <translation>Строка поиска</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Найти</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Результаты поиска</translation>
    </message>
</context>
<context>
    <name>CLockPanes</name>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
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
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Со&amp;хранить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Последний файл</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Вст&amp;авить</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>Переи&amp;меновать</translation>
    </message>
    <message>
        <source>Dealer &amp;Info</source>
        <translation>&amp;Сведения о дилере</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Панель инструментов</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Строка состояния</translation>
    </message>
    <message>
        <source>&amp;Help Pane</source>
        <translation>Панель спр&amp;авки</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Чтение</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Чтение</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Запись</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation>С&amp;брос</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>О&amp;тчёт</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Отчёт</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Каскадом</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Мозаикой</translation>
    </message>
    <message>
        <source>&amp;Content and Index...</source>
        <translation>&amp;Содержание и указатель...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Canada French</source>
        <translation>Французский (Канада)</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Китайский</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Нидерландский</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Французский</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немецкий</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Итальянский</translation>
    </message>
    <message>
        <source>LA Portuguese</source>
        <translation>Португальский (Лат. Америка)</translation>
    </message>
    <message>
        <source>LA Spanish</source>
        <translation>Испанский (Лат. Америка)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Польский</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Португальский</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Испанский</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Устройство</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Окно</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Edit Selected C&amp;hannels...</source>
        <translation>Изменить выбранные &amp;каналы...</translation>
    </message>
    <message>
        <source>Restore Radio &amp;Backup...</source>
        <translation>Восстановить &amp;резервную копию радиостанции...</translation>
    </message>
    <message>
        <source>Program &amp;Several Radios...</source>
        <translation>Программировать &amp;несколько радиостанций...</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Profiles</source>
        <translation>Профили</translation>
    </message>
    <message>
        <source>Cable status</source>
        <translation>Состояние кабеля</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>There are %1 USB connections. Please remove the unused one and keep one connection only.</source>
        <translation>Обнаружено USB-подключений: %1. Отключите лишние и оставьте только одно подключение.</translation>
    </message>
    <message>
        <source>USB Cable Connected</source>
        <translation>USB-кабель подключён</translation>
    </message>
    <message>
        <source>USB Cable Not Connected</source>
        <translation>USB-кабель не подключён</translation>
    </message>
    <message>
        <source>%1 connected</source>
        <translation>%1 подключён</translation>
    </message>
    <message>
        <source>%1 not connected</source>
        <translation>%1 не подключён</translation>
    </message>
    <message>
        <source>You have to restart the CPS for this change to take effect.</source>
        <translation>Изменение вступит в силу после перезапуска CPS.</translation>
    </message>
</context>
<context>
    <name>CNewProfileDlg</name>
    <message>
        <source>New Profile</source>
        <translation>Новый профиль</translation>
    </message>
    <message>
        <source>Please choose profile model.</source>
        <translation>Выберите модель профиля.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>Error: Can not find template files!</source>
        <translation>Ошибка: файлы шаблонов не найдены!</translation>
    </message>
</context>
<context>
    <name>CProgramRadiosDlg</name>
    <message>
        <source>Program Several Radios</source>
        <translation>Программировать несколько радиостанций</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Начать</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Стоп</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Партия</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Профиль:</translation>
    </message>
    <message>
        <source>None: every radio gets the profile as it is</source>
        <translation>Нет: каждая радиостанция получает профиль как есть</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Обзор...</translation>
    </message>
    <message>
        <source>Per-radio &amp;values (CSV):</source>
        <translation>&amp;Значения для радиостанций (CSV):</translation>
    </message>
    <message>
        <source>&amp;Cables:</source>
        <translation>&amp;Кабели:</translation>
    </message>
    <message>
        <source>A serial device, such as /dev/ttyUSB1</source>
        <translation>Последовательное устройство, например /dev/ttyUSB1</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Other cable:</source>
        <translation>&amp;Другой кабель:</translation>
    </message>
    <message>
        <source>Until Stop</source>
        <translation>До остановки</translation>
    </message>
    <message>
        <source>&amp;Radios in the batch:</source>
        <translation>&amp;Радиостанций в партии:</translation>
    </message>
    <message>
        <source>Only for radios with a codeplug password</source>
        <translation>Только для радиостанций с паролем кодплага</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Пароль:</translation>
    </message>
    <message>
        <source>C&amp;ustomer:</source>
        <translation>&amp;Заказчик:</translation>
    </message>
    <message>
        <source>&amp;Write again a radio already done in this batch</source>
        <translation>Записать &amp;повторно радиостанцию, уже готовую в этой партии</translation>
    </message>
    <message>
        <source>Choose the cables and press Start.</source>
        <translation>Выберите кабели и нажмите «Начать».</translation>
    </message>
    <message>
        <source>Batch status</source>
        <translation>Состояние партии</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>Кабели</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Радиостанции</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Кабель</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Прошивка</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Записано</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Резервная копия</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Время (с)</translation>
    </message>
    <message>
        <source>There is no device &quot;%1&quot;.</source>
        <translation>Устройство «%1» не существует.</translation>
    </message>
    <message>
        <source>Per-Radio Values</source>
        <translation>Значения для радиостанций</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Файлы CSV (*.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Choose at least one cable.</source>
        <translation>Выберите хотя бы один кабель.</translation>
    </message>
    <message>
        <source>The profile cannot be copied for the batch: %1.</source>
        <translation>Не удаётся скопировать профиль для партии: %1.</translation>
    </message>
    <message>
        <source>The batch has started.</source>
        <translation>Партия начата.</translation>
    </message>
    <message>
        <source>&amp;Cancel Radios</source>
        <translation>&amp;Отменить радиостанции</translation>
    </message>
    <message>
        <source>Cancel Radios</source>
        <translation>Отменить радиостанции</translation>
    </message>
    <message>
        <source>Stopping: the radios in progress finish. Cancel Radios stops them too.</source>
        <translation>Остановка: текущие радиостанции будут завершены. «Отменить радиостанции» остановит и их.</translation>
    </message>
    <message>
        <source>Waiting for a radio</source>
        <translation>Ожидание радиостанции</translation>
    </message>
    <message>
        <source>Progress on %1</source>
        <translation>Ход на %1</translation>
    </message>
    <message>
        <source>State of %1</source>
        <translation>Состояние %1</translation>
    </message>
    <message>
        <source>Identifying</source>
        <translation>Опознавание</translation>
    </message>
    <message>
        <source>Backing up</source>
        <translation>Резервное копирование</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Чтение...</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>Connect the next radio</source>
        <translation>Подключите следующую радиостанцию</translation>
    </message>
    <message numerus="yes">
        <source>Connect the next radio. %n radio(s) done.</source>
        <translation>
            <numerusform>Подключите следующую радиостанцию. Готова %n радиостанция.</numerusform>
            <numerusform>Подключите следующую радиостанцию. Готовы %n радиостанции.</numerusform>
            <numerusform>Подключите следующую радиостанцию. Готово %n радиостанций.</numerusform>
        </translation>
    </message>
    <message>
        <source>Already done</source>
        <translation>Уже готова</translation>
    </message>
    <message>
        <source>The radio %1 on %2 is already programmed in this batch: it is skipped. Connect the next radio.</source>
        <translation>Радиостанция %1 на %2 уже запрограммирована в этой партии и пропускается. Подключите следующую радиостанцию.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Stored</source>
        <translation>Сохранена</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Пройдена</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>Не выполнялась</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Ошибка: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>The batch has ended: %1 programmed, %2 failed. The log is in %3.</source>
        <translation>Партия завершена: запрограммировано %1, с ошибкой %2. Журнал находится в %3.</translation>
    </message>
</context>
<context>
    <name>CRadioCommands</name>
    <message>
        <source>Transferring...</source>
        <translation>Передача...</translation>
    </message>
    <message>
        <source>Do you want to create a new profile (Yes), overwrite the currently selected profile (No) or cancel it?</source>
        <translation>Создать новый профиль (Да), перезаписать выбранный профиль (Нет) или отменить?</translation>
    </message>
    <message>
        <source>There are no radio backups in %1.</source>
        <translation>В %1 нет резервных копий радиостанций.</translation>
    </message>
    <message>
        <source>%1  %2 (%3)  %4  %5</source>
        <translation>%1  %2 (%3)  %4  %5</translation>
    </message>
    <message>
        <source>Restore Radio Backup</source>
        <translation>Восстановить резервную копию радиостанции</translation>
    </message>
    <message>
        <source>Backup to write into the radio on the cable:</source>
        <translation>Резервная копия для записи в радиостанцию на кабеле:</translation>
    </message>
</context>
<context>
    <name>CRadioInfoView</name>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Ошибка: окно «Сведения о радиостанции» загружает данные.</translation>
    </message>
</context>
<context>
    <name>CRadioOperations</name>
    <message>
        <source>backup of %1</source>
        <translation>резервная копия %1</translation>
    </message>
    <message>
        <source>This backup is of a %1 radio, and the radio on the cable is a %2; it is not written.</source>
        <translation>Эта резервная копия сделана с радиостанции %1, а на кабеле радиостанция %2; она не записывается.</translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation>В радиостанцию ничего не записано.</translation>
    </message>
    <message>
        <source>This backup was taken from the radio with the serial number %1, and the radio on the cable has %2. Write it into this radio?</source>
        <translation>Эта резервная копия снята с радиостанции с серийным номером %1, а у радиостанции на кабеле номер %2. Записать её в эту радиостанцию?</translation>
    </message>
    <message>
        <source>What the radio held before the write is kept in %1.</source>
        <translation>Содержимое радиостанции до записи сохранено в %1.</translation>
    </message>
    <message>
        <source>The radio holds its backup again; the profile was not written.</source>
        <translation>В радиостанции снова её резервная копия; профиль не записан.</translation>
    </message>
    <message>
        <source>The radio did not keep these settings: %1</source>
        <translation>Радиостанция не сохранила эти настройки: %1</translation>
    </message>
    <message>
        <source>Write to the radio again?</source>
        <translation>Записать в радиостанцию ещё раз?</translation>
    </message>
    <message>
        <source>Put the radio back as it was before the write, from its backup %1?</source>
        <translation>Вернуть радиостанцию в состояние до записи из резервной копии %1?</translation>
    </message>
</context>
<context>
    <name>CReadWriteDialog</name>
    <message>
        <source>Read</source>
        <translation>Чтение</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Reading from the radio ...</source>
        <translation>Чтение из радиостанции ...</translation>
    </message>
    <message>
        <source>Writing to the radio ...</source>
        <translation>Запись в радиостанцию ...</translation>
    </message>
    <message>
        <source>Transfer status</source>
        <translation>Состояние передачи</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Ход передачи</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Read Failed!</source>
        <translation>Ошибка чтения!</translation>
    </message>
    <message>
        <source>Write Failed!</source>
        <translation>Ошибка записи!</translation>
    </message>
    <message>
        <source>Read Successfully!</source>
        <translation>Чтение выполнено!</translation>
    </message>
    <message>
        <source>Write Successfully!</source>
        <translation>Запись выполнена!</translation>
    </message>
</context>
<context>
    <name>CReportDlg</name>
    <message>
        <source>Reports</source>
        <translation>Отчёты</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Предварительный просмотр</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Экспорт в PDF</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Документы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Web pages (*.htm *.html)</source>
        <translation>Веб-страницы (*.htm *.html)</translation>
    </message>
    <message>
        <source>The report could not be written to &quot;%1&quot;.</source>
        <translation>Не удалось записать отчёт в «%1».</translation>
    </message>
    <message>
        <source>The report cannot be shown here: the browser library is missing.</source>
        <translation>Отчёт не может быть показан здесь: отсутствует библиотека браузера.</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Не удалось напечатать отчёт.</translation>
    </message>
</context>
<context>
    <name>CReportOptionDlg</name>
    <message>
        <source>Reports</source>
        <translation>Отчёты</translation>
    </message>
    <message>
        <source>Choose a report template.</source>
        <translation>Выберите шаблон отчёта.</translation>
    </message>
    <message>
        <source>Customer Handout</source>
        <translation>Памятка для клиента</translation>
    </message>
    <message>
        <source>Detailed Report</source>
        <translation>Подробный отчёт</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
</context>
<context>
    <name>CScanView</name>
    <message>
        <source>Add to the scan list</source>
        <translation>Добавить в список сканирования</translation>
    </message>
    <message>
        <source>Remove from the scan list</source>
        <translation>Удалить из списка сканирования</translation>
    </message>
</context>
<context>
    <name>CSettingView</name>
    <message>
        <source>Please enter 4 numeric characters.</source>
        <translation>Введите 4 цифры.</translation>
    </message>
    <message>
        <source>The passwords you entered do not match.</source>
        <translation>Введённые пароли не совпадают.</translation>
    </message>
</context>
<context>
    <name>CSplashScreen</name>
    <message>
        <source>Splash screen</source>
        <translation>Заставка</translation>
    </message>
</context>
<context>
    <name>CStartPage</name>
    <message>
        <source>No profile opened yet.</source>
        <translation>Ещё не открыт ни один профиль.</translation>
    </message>
    <message>
        <source>Start page</source>
        <translation>Начальная страница</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Новый профиль</translation>
    </message>
    <message>
        <source>A new profile from a model&apos;s template</source>
        <translation>Новый профиль из шаблона модели</translation>
    </message>
    <message>
        <source>Open Profile</source>
        <translation>Открыть профиль</translation>
    </message>
    <message>
        <source>A profile file (.kv9) on this computer</source>
        <translation>Файл профиля (.kv9) на этом компьютере</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Считать с радиостанции</translation>
    </message>
    <message>
        <source>The profile of the radio on the cable</source>
        <translation>Профиль радиостанции, подключённой к кабелю</translation>
    </message>
    <message>
        <source>&amp;Recent profiles</source>
        <translation>&amp;Последние профили</translation>
    </message>
    <message>
        <source>Recent profiles</source>
        <translation>Последние профили</translation>
    </message>
    <message>
        <source>Enter opens the selected profile</source>
        <translation>Enter открывает выбранный профиль</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>отсутствует</translation>
    </message>
    <message>
        <source>unknown model</source>
        <translation>неизвестная модель</translation>
    </message>
    <message>
        <source>Cable: %1</source>
        <translation>Кабель: %1</translation>
    </message>
</context>
<context>
    <name>CSupportFileCommand</name>
    <message>
        <source>Create &amp;Support File...</source>
        <translation>Создать файл для &amp;поддержки...</translation>
    </message>
    <message>
        <source>Saves the versions, cable, radio, settings and radio traces for the supplier</source>
        <translation>Сохраняет версии, кабель, радиостанцию, настройки и журналы обмена для поставщика</translation>
    </message>
    <message>
        <source>Create Support File</source>
        <translation>Создать файл для поддержки</translation>
    </message>
    <message>
        <source>Support files (*.tar.gz)</source>
        <translation>Файлы для поддержки (*.tar.gz)</translation>
    </message>
    <message>
        <source>Add the open profile to the support file? Its codeplug password is left out.</source>
        <translation>Добавить открытый профиль в файл для поддержки? Пароль кодплага в него не попадёт.</translation>
    </message>
    <message>
        <source>The support file has been saved as &quot;%1&quot;.</source>
        <translation>Файл для поддержки сохранён как «%1».</translation>
    </message>
    <message>
        <source>Cannot save the support file &quot;%1&quot;: %2</source>
        <translation>Не удаётся сохранить файл для поддержки «%1»: %2</translation>
    </message>
</context>
<context>
    <name>CVelaCPSApp</name>
    <message>
        <source>CPS needs vbscript engine to start. Please install vbscript engine before re-starting the %1.</source>
        <translation>Для запуска CPS требуется обработчик сценариев. Установите его перед повторным запуском %1.</translation>
    </message>
    <message>
        <source>The language resource file is missing. The CPS will start with English language version.</source>
        <translation>Файл языковых ресурсов отсутствует. CPS будет запущена на английском языке.</translation>
    </message>
</context>
<context>
    <name>CVelaCPSDoc</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>Сохранить изменения в %1?</translation>
    </message>
</context>
<context>
    <name>CVelaCPSTreeView</name>
    <message>
        <source>Profile</source>
        <translation>Профиль</translation>
    </message>
    <message>
        <source>KVX Distributor Series</source>
        <translation>KVX Distributor Series</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Общие настройки</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Настройки звука</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Кнопки</translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation>Радиочастоты</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Сканирование</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>Свои тоны PL</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>Свои коды DPL</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Добавить канал</translation>
    </message>
    <message>
        <source>The last valid channel can not be deleted.</source>
        <translation>Последний действующий канал нельзя удалить.</translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Удаление канала</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Deleting this channel shall cause the value change of the Preset Channel button. Do you want to continue?</source>
        <translation>Этот канал назначен кнопке предустановленного канала. Удаление канала изменит значение этой кнопки. Продолжить?</translation>
    </message>
    <message>
        <source>Rename Channel</source>
        <translation>Переименование канала</translation>
    </message>
    <message>
        <source>&amp;Add	Ctrl+A</source>
        <translation>&amp;Добавить	Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Удалить	Del</translation>
    </message>
    <message>
        <source>&amp;Rename	F2</source>
        <translation>Переи&amp;меновать	F2</translation>
    </message>
</context>
<context>
    <name>CWriteReviewDialog</name>
    <message>
        <source>&amp;Do not ask again for identical models</source>
        <translation>&amp;Больше не спрашивать для одинаковых моделей</translation>
    </message>
    <message>
        <source>Write to Radio</source>
        <translation>Запись в радиостанцию</translation>
    </message>
    <message>
        <source>The write changes these settings in the radio:</source>
        <translation>Запись изменит эти настройки в радиостанции:</translation>
    </message>
    <message>
        <source>In the radio</source>
        <translation>В радиостанции</translation>
    </message>
    <message>
        <source>After the write</source>
        <translation>После записи</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Запись</translation>
    </message>
    <message>
        <source>The choice not to be asked again could not be stored.</source>
        <translation>Не удалось сохранить выбор «больше не спрашивать».</translation>
    </message>
</context>
<context>
    <name>CableChoices</name>
    <message>
        <source>USB programming cable</source>
        <translation>USB-кабель программирования</translation>
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
        <translation>Позиция %1: в модели нет места для новых каналов; строка не импортируется.</translation>
    </message>
    <message>
        <source>Location %1 becomes channel %2.</source>
        <translation>Позиция %1 становится каналом %2.</translation>
    </message>
    <message>
        <source>%1 MHz allows 2 W at most: it is added with low power only.</source>
        <translation>%1 МГц допускает не более 2 Вт: добавлена только с низкой мощностью.</translation>
    </message>
    <message>
        <source>%1 MHz is added as 12.5 kHz only: the model allows no wider channels.</source>
        <translation>%1 МГц добавлена только как 12,5 кГц: модель не допускает более широких каналов.</translation>
    </message>
    <message>
        <source>%1 MHz is added to the RF frequency table as entry %2.</source>
        <translation>%1 МГц добавлена в таблицу радиочастот как запись %2.</translation>
    </message>
    <message>
        <source>%1: the frequency allows only %2.</source>
        <translation>%1: частота допускает только %2.</translation>
    </message>
    <message>
        <source>This radio cannot use %1: the channel gets no code.</source>
        <translation>Эта радиостанция не может использовать %1: канал остаётся без кода.</translation>
    </message>
    <message>
        <source>Channel %1 is added.</source>
        <translation>Канал %1 добавлен.</translation>
    </message>
    <message>
        <source>Channel %1 is unchanged.</source>
        <translation>Канал %1 не изменён.</translation>
    </message>
    <message>
        <source>Channel %1 changes: %2.</source>
        <translation>Канал %1 изменяется: %2.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is cut to &quot;%2&quot;.</source>
        <translation>Имя &quot;%1&quot; сокращено до &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>This model has no repeater: the channel transmits on its receive frequency.</source>
        <translation>У этой модели нет ретранслятора: канал передаёт на своей частоте приёма.</translation>
    </message>
    <message>
        <source>This model has no power choice: the power is not changed.</source>
        <translation>У этой модели нет выбора мощности: мощность не изменяется.</translation>
    </message>
    <message>
        <source>Power %1 becomes %2.</source>
        <translation>Мощность %1 становится %2.</translation>
    </message>
    <message>
        <source>This model transmits with its receive code: %1 is not sent.</source>
        <translation>Эта модель передаёт со своим кодом приёма: %1 не передаётся.</translation>
    </message>
    <message>
        <source>no code</source>
        <translation>без кода</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Строка %1: %2</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Импорт каналов</translation>
    </message>
    <message>
        <source>Location %1 is already on line %2.</source>
        <translation>Позиция %1 уже есть в строке %2.</translation>
    </message>
    <message>
        <source>the row ends before this column.</source>
        <translation>строка заканчивается до этого столбца.</translation>
    </message>
    <message>
        <source>a frequency is needed.</source>
        <translation>нужна частота.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a frequency in MHz.</source>
        <translation>&quot;%1&quot; не является частотой в МГц.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tone in Hz.</source>
        <translation>&quot;%1&quot; не является тоном в Гц.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a DCS code (octal).</source>
        <translation>&quot;%1&quot; не является кодом DCS (восьмеричным).</translation>
    </message>
    <message>
        <source>Column %1 (%2): %3</source>
        <translation>Столбец %1 (%2): %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a polarity (NN, NR, RN or RR).</source>
        <translation>&quot;%1&quot; не является полярностью (NN, NR, RN или RR).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cross mode.</source>
        <translation>&quot;%1&quot; не является перекрёстным режимом.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tone mode (Tone, TSQL, DTCS or Cross).</source>
        <translation>&quot;%1&quot; не является тоновым режимом (Tone, TSQL, DTCS или Cross).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a power in watts.</source>
        <translation>&quot;%1&quot; не является мощностью в ваттах.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a duplex (empty, +, - or split).</source>
        <translation>&quot;%1&quot; не является дуплексом (пусто, +, - или split).</translation>
    </message>
    <message>
        <source>the transmit frequency is out of bounds.</source>
        <translation>частота передачи вне допустимых границ.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not %2.</source>
        <translation>&quot;%1&quot; не является %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a channel number (1 or more).</source>
        <translation>&quot;%1&quot; не является номером канала (1 или больше).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a mode this radio has (FM or NFM).</source>
        <translation>&quot;%1&quot; не является режимом этой радиостанции (FM или NFM).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a step in kHz.</source>
        <translation>&quot;%1&quot; не является шагом в кГц.</translation>
    </message>
    <message>
        <source>a skip mark (empty or S)</source>
        <translation>отметка пропуска сканирования (пусто или S)</translation>
    </message>
    <message>
        <source>This is not a channel list: its first line must be a header that names the columns, at least Location and Frequency, such as
%1</source>
        <translation>Это не список каналов: первая строка должна быть заголовком с именами столбцов, как минимум Location и Frequency, например
%1</translation>
    </message>
    <message>
        <source>The file has more than %1 rows.</source>
        <translation>В файле больше %1 строк.</translation>
    </message>
    <message>
        <source>Line %1: a quote is not closed.</source>
        <translation>Строка %1: кавычка не закрыта.</translation>
    </message>
</context>
<context>
    <name>CodeDisplayText</name>
    <message>
        <source>No PL/DPL code</source>
        <translation>Нет кода PL/DPL</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>Свой тон PL</translation>
    </message>
    <message>
        <source>Inverted DPL</source>
        <translation>Инверсный DPL</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>Свой код DPL</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Гц</translation>
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
        <translation>Критическая ошибка настроек, приложение будет закрыто!</translation>
    </message>
</context>
<context>
    <name>Editors</name>
    <message>
        <source>Low</source>
        <translation>Низкий</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средний</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Высокий</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Французский</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Испанский</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Настройки звука</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>Усиление микрофона</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>Усиление внешнего микрофона</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>Уровень VOX</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>Уровень iVOX</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>Язык объявления канала</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Сигнал Roger Beep</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>Звук клавиш</translation>
    </message>
    <message>
        <source>One feature can not be assigned to multiple buttons.</source>
        <translation>Одну функцию нельзя назначить нескольким кнопкам.</translation>
    </message>
    <message>
        <source>The channel can not be selected!</source>
        <translation>Этот канал нельзя выбрать!</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Монитор</translation>
    </message>
    <message>
        <source>Scan/Nuisance Channel Delete</source>
        <translation>Скан./удал. мешающего канала</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>Вызывной тон</translation>
    </message>
    <message>
        <source>Tx Power Selection</source>
        <translation>Выбор мощности передачи</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Скремблер</translation>
    </message>
    <message>
        <source>Repeater/Talkaround</source>
        <translation>Ретранслятор/прямая связь</translation>
    </message>
    <message>
        <source>No Operation</source>
        <translation>Нет функции</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Подсветка</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Предустановка 1</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Предустановка 2</translation>
    </message>
    <message>
        <source>Selectable</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>ВКЛ/ВЫКЛ</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Кнопки</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>Блокировка клавиатуры</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Функция</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>Боковая кнопка 1 (SB1)</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>Боковая кнопка 2 (SB2)</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Кнопка A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Кнопка B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>Кнопка C</translation>
    </message>
    <message>
        <source>Button Reset</source>
        <translation>Сброс кнопок</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>Кнопка скремблера</translation>
    </message>
    <message>
        <source>Preset 1 Channel</source>
        <translation>Предуст. канал 1</translation>
    </message>
    <message>
        <source>Preset 2 Channel</source>
        <translation>Предуст. канал 2</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Добавить канал</translation>
    </message>
    <message>
        <source>Scramble Code 1</source>
        <translation>Код скремблера 1</translation>
    </message>
    <message>
        <source>Scramble Code 2</source>
        <translation>Код скремблера 2</translation>
    </message>
    <message>
        <source>Scramble Code 3</source>
        <translation>Код скремблера 3</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Частота (МГц)</translation>
    </message>
    <message>
        <source>Bandwidth (KHz)</source>
        <translation>Полоса (кГц)</translation>
    </message>
    <message>
        <source>PL/DPL Code</source>
        <translation>Код PL/DPL</translation>
    </message>
    <message>
        <source>High-power is only available in non-PMR446 markets</source>
        <translation>Высокая мощность доступна только вне рынков PMR446</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>Отключить канал</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Приём</translation>
    </message>
    <message>
        <source>Talkaround Power</source>
        <translation>Мощность прямой связи</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Передача</translation>
    </message>
    <message>
        <source>Repeater Power</source>
        <translation>Мощность через ретранслятор</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Ретранслятор</translation>
    </message>
    <message>
        <source>In talkaround mode, Transmit will use Receive settings.</source>
        <translation>В режиме прямой связи передача использует настройки приёма.</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>Динамическое сканирование прямой связи</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Автосканирование</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>Свои тоны PL</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>Код PL 124 (Гц)</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>Код PL 125 (Гц)</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>Код PL 126 (Гц)</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>Код PL 127 (Гц)</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>Код PL 128 (Гц)</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>Код PL 129 (Гц)</translation>
    </message>
    <message>
        <source>The PL Code you input is invalid. The valid range is: 67.0 - 255.0 Hz.</source>
        <translation>Введён недопустимый код PL. Допустимый диапазон: 67,0 - 255,0 Гц.</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>Свои коды DPL</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>Код PL 214 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>Код PL 215 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>Код PL 216 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>Код PL 217 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>Код PL 218 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>Код PL 219 (OCT)</translation>
    </message>
    <message>
        <source>The DPL Code you entered is invalid. The valid range is(OCT): 001 - 777.</source>
        <translation>Введён недопустимый код DPL. Допустимый диапазон (восьмеричный): 001 - 777.</translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation>Радиочастоты</translation>
    </message>
    <message>
        <source>Low power only</source>
        <translation>Только малая мощность</translation>
    </message>
    <message>
        <source>High power only</source>
        <translation>Только высокая мощность</translation>
    </message>
    <message>
        <source>User selectable with low power as default</source>
        <translation>Выбор, по умолчанию малая мощность</translation>
    </message>
    <message>
        <source>User selectable with high power as default</source>
        <translation>Выбор, по умолчанию высокая мощность</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Полоса</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Уровень мощности</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Компандер</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Сведения о радиостанции</translation>
    </message>
    <message>
        <source>Regional Code</source>
        <translation>Код региона</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Версия прошивки</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Версия кодплага</translation>
    </message>
    <message>
        <source>Frequency Range (MHz)</source>
        <translation>Диапазон частот (МГц)</translation>
    </message>
    <message>
        <source>Rx Frequency Range (MHz)</source>
        <translation>Диапазон приёма (МГц)</translation>
    </message>
    <message>
        <source>Tx Frequency Range (MHz)</source>
        <translation>Диапазон передачи (МГц)</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>Макс. число каналов</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Список сканирования</translation>
    </message>
    <message>
        <source>Available Channels</source>
        <translation>Доступные каналы</translation>
    </message>
    <message>
        <source>&amp;Add&gt;&gt;</source>
        <translation>&amp;Добавить&gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;Re&amp;move</source>
        <translation>&lt;&lt;&amp;Удалить</translation>
    </message>
    <message>
        <source>Scan List Members</source>
        <translation>Каналы списка сканирования</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Выкл</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15 мин</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 мин</translation>
    </message>
    <message>
        <source>After conversation</source>
        <translation>После разговора</translation>
    </message>
    <message>
        <source>45 min</source>
        <translation>45 мин</translation>
    </message>
    <message>
        <source>60 min</source>
        <translation>60 мин</translation>
    </message>
    <message>
        <source>Alkaline</source>
        <translation>Щелочная</translation>
    </message>
    <message>
        <source>Nickel/LiIon</source>
        <translation>Никелевая/Li-Ion</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Общие настройки</translation>
    </message>
    <message>
        <source>Codeplug Password (4-digit number)</source>
        <translation>Пароль кодплага (4 цифры)</translation>
    </message>
    <message>
        <source>Confirm Password (4-digit number)</source>
        <translation>Подтверждение пароля (4 цифры)</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>Текст при включении</translation>
    </message>
    <message>
        <source>Power up text can only contain: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</source>
        <translation>Текст при включении может содержать только: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>ID ретрансляторной станции</translation>
    </message>
    <message>
        <source>Repeater station id can only contain letter and digits.</source>
        <translation>ID ретрансляторной станции может содержать только буквы и цифры.</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>Режим ID ретранслятора</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>Отключить все светодиоды</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>Запретить сброс к заводским настройкам</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>Включить режим программирования</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>Отключить энергосбережение</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>Подсветка (с)</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>Задержка передачи (с)</translation>
    </message>
    <message>
        <source>The tx hangtime is invalid. Its range is 0 - 50.</source>
        <translation>Недопустимая задержка передачи. Диапазон: 0 - 50.</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>Передача при разряде (мин)</translation>
    </message>
    <message>
        <source>The tx low battery is invalid. Its range is 0 - 255.</source>
        <translation>Недопустимое время передачи при разряде. Диапазон: 0 - 255.</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>Сигнал разряда батареи</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>Включить сигнал окончания передачи</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>Ограничение времени передачи (с)</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>Обратная фаза PL</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>Альтернативный тип батареи</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Мощность</translation>
    </message>
    <message>
        <source>Receive PL/DPL</source>
        <translation>PL/DPL приёма</translation>
    </message>
    <message>
        <source>Transmit PL/DPL</source>
        <translation>PL/DPL передачи</translation>
    </message>
</context>
<context>
    <name>FieldAssignments</name>
    <message>
        <source>%1: the RF frequency table has no such row.</source>
        <translation>%1: в таблице радиочастот нет такой строки.</translation>
    </message>
    <message>
        <source>%1: the profile has no such field.</source>
        <translation>%1: в профиле нет такого поля.</translation>
    </message>
    <message>
        <source>%1: the channel is disabled; only its disable_channel=0 changes it.</source>
        <translation>%1: канал отключён; его изменяет только disable_channel=0.</translation>
    </message>
    <message>
        <source>%1: this radio takes codes up to %2.</source>
        <translation>%1: эта радиостанция принимает коды до %2.</translation>
    </message>
    <message>
        <source>%1 is set together with %2 in the same change.</source>
        <translation>%1 задаётся вместе с %2 в одном изменении.</translation>
    </message>
    <message>
        <source>%1 is no field of the profile.</source>
        <translation>%1 не является полем профиля.</translation>
    </message>
    <message>
        <source>%1 needs the number of its element, counted from 1.</source>
        <translation>%1 требует номер своего элемента, считая с 1.</translation>
    </message>
    <message>
        <source>%1: the RF frequency table has no such row; a new row is frequency[%2].freq.</source>
        <translation>%1: в таблице РЧ-частот нет такой строки; новая строка — frequency[%2].freq.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
</context>
<context>
    <name>FleetLog</name>
    <message>
        <source>The batch log folder %1 cannot be made.</source>
        <translation>Невозможно создать папку журнала серии %1.</translation>
    </message>
    <message>
        <source>The batch log %1 cannot be written: %2.</source>
        <translation>Невозможно записать журнал серии %1: %2.</translation>
    </message>
</context>
<context>
    <name>FleetPort</name>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>Невозможно открыть профиль.</translation>
    </message>
    <message>
        <source>The values file has no row for this radio.</source>
        <translation>В файле значений нет строки для этой радиостанции.</translation>
    </message>
    <message>
        <source>Not answered (no Yes given for the batch): %1</source>
        <translation>Нет ответа (для серии не задано «Да»): %1</translation>
    </message>
    <message>
        <source>The radio has a codeplug password other than the one given for the batch.</source>
        <translation>У радиостанции пароль кодплага, отличный от заданного для серии.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Отменено.</translation>
    </message>
    <message>
        <source>The radio did not keep what was written.</source>
        <translation>Радиостанция не сохранила записанное.</translation>
    </message>
    <message>
        <source>Not written.</source>
        <translation>Не записано.</translation>
    </message>
</context>
<context>
    <name>FleetValues</name>
    <message>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>The values file %1 cannot be read: %2.</source>
        <translation>Невозможно прочитать файл значений %1: %2.</translation>
    </message>
    <message>
        <source>The values file is empty.</source>
        <translation>Файл значений пуст.</translation>
    </message>
    <message>
        <source>the first column must be &quot;serial&quot; or &quot;order&quot;.</source>
        <translation>первый столбец должен называться &quot;serial&quot; или &quot;order&quot;.</translation>
    </message>
    <message>
        <source>the column %1 is there twice.</source>
        <translation>столбец %1 встречается дважды.</translation>
    </message>
    <message>
        <source>%1 cells where the header has %2.</source>
        <translation>%1 ячеек там, где в заголовке %2.</translation>
    </message>
    <message>
        <source>the first cell is empty.</source>
        <translation>первая ячейка пуста.</translation>
    </message>
    <message>
        <source>the order %1 is no number from 1.</source>
        <translation>порядковый номер %1 не является числом от 1.</translation>
    </message>
    <message>
        <source>%1 has a row already.</source>
        <translation>для %1 уже есть строка.</translation>
    </message>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>Невозможно открыть профиль.</translation>
    </message>
    <message>
        <source>a value is refused.</source>
        <translation>значение отклонено.</translation>
    </message>
</context>
<context>
    <name>FrequencyRules</name>
    <message>
        <source>Not all frequencies are authorized for high power mode (4W). CPS shall convert these frequencies to low power mode.</source>
        <translation>Не все частоты разрешены для высокой мощности (4 Вт). CPS переключит эти частоты на малую мощность.</translation>
    </message>
</context>
<context>
    <name>ModelRules</name>
    <message>
        <source>At least one channel frequency is out of the valid frequency range. Please correct it before programming. If there is no valid frequency to select, please edit the frequency table first.</source>
        <translation>Как минимум одна частота канала вне допустимого диапазона. Исправьте её перед программированием. Если допустимой частоты для выбора нет, сначала отредактируйте таблицу частот.</translation>
    </message>
    <message>
        <source>This Customer Programming Software is intended for programming radios to be used in the United States of America (USA) to ensure compliance with the narrowband mandate issued by the Federal Communications Commission (FCC).   Programming of the radio to operate on 25 KHz channel spacing is not permitted and has been disabled in this application in compliance with the FCC mandate effective January 1st, 2013.</source>
        <translation>Данное программное обеспечение предназначено для программирования радиостанций, используемых в Соединённых Штатах Америки (США), в соответствии с требованием перехода на узкополосную связь, установленным Федеральной комиссией по связи (FCC).   Программирование радиостанции на шаг сетки 25 кГц не допускается и отключено в этом приложении в соответствии с требованием FCC, действующим с 1 января 2013 года.</translation>
    </message>
    <message>
        <source>At least one frequency in the RF Frequency table is out of the valid frequency range. CPS corrected it to 151.5 MHz in the profile.</source>
        <translation>Как минимум одна частота в таблице радиочастот вне допустимого диапазона. CPS исправила её в профиле на 151,5 МГц.</translation>
    </message>
    <message>
        <source>The profile names %1 channels in use but holds only %2. CPS uses the %2 channels it holds.</source>
        <translation>В профиле указано %1 используемых каналов, но содержится только %2. CPS использует %2 имеющихся каналов.</translation>
    </message>
</context>
<context>
    <name>ProfileComparison</name>
    <message>
        <source>(none)</source>
        <translation>(нет)</translation>
    </message>
</context>
<context>
    <name>ProfileDocument</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>Не удаётся прочитать файл «%1».</translation>
    </message>
    <message>
        <source>Failed to save &quot;%1&quot;: %2</source>
        <translation>Не удалось сохранить «%1»: %2</translation>
    </message>
    <message>
        <source>Read from the radio</source>
        <translation>Чтение из радиостанции</translation>
    </message>
</context>
<context>
    <name>ProfileFields</name>
    <message>
        <source>no change: the radio or the template sets it</source>
        <translation>без изменений: значение задаёт радиостанция или шаблон</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 или 1</translation>
    </message>
    <message>
        <source>a number from %1 to %2</source>
        <translation>число от %1 до %2</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>одно из значений %1</translation>
    </message>
    <message>
        <source>a text of at most %1 characters</source>
        <translation>текст не длиннее %1 символов</translation>
    </message>
    <message>
        <source>%1 digits or nothing</source>
        <translation>%1 цифры или ничего</translation>
    </message>
    <message>
        <source>%1 takes %2.</source>
        <translation>%1 принимает %2.</translation>
    </message>
    <message>
        <source>Clone Compatibility</source>
        <translation>Совместимость клонирования</translation>
    </message>
    <message>
        <source>Firmware Phase</source>
        <translation>Фаза прошивки</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Версия прошивки</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Ревизия прошивки</translation>
    </message>
    <message>
        <source>Codeplug Phase</source>
        <translation>Фаза кодплага</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Версия кодплага</translation>
    </message>
    <message>
        <source>Codeplug Development Version</source>
        <translation>Версия разработки кодплага</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Synthesizer Base Frequency</source>
        <translation>Базовая частота синтезатора</translation>
    </message>
    <message>
        <source>Sub-region</source>
        <translation>Подрегион</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>Макс. число каналов</translation>
    </message>
    <message>
        <source>Frequencies in Use</source>
        <translation>Используемые частоты</translation>
    </message>
    <message>
        <source>Lowest Frequency</source>
        <translation>Нижняя частота</translation>
    </message>
    <message>
        <source>Highest Frequency</source>
        <translation>Верхняя частота</translation>
    </message>
    <message>
        <source>Lowest Receive Frequency</source>
        <translation>Минимальная частота приёма</translation>
    </message>
    <message>
        <source>Highest Receive Frequency</source>
        <translation>Максимальная частота приёма</translation>
    </message>
    <message>
        <source>Lowest Transmit Frequency</source>
        <translation>Минимальная частота передачи</translation>
    </message>
    <message>
        <source>Highest Transmit Frequency</source>
        <translation>Максимальная частота передачи</translation>
    </message>
    <message>
        <source>Time-out Timer Not Available</source>
        <translation>Таймер передачи недоступен</translation>
    </message>
    <message>
        <source>Keypad Beep Not Available</source>
        <translation>Звук клавиш недоступен</translation>
    </message>
    <message>
        <source>Roger Beep Not Available</source>
        <translation>Сигнал Roger Beep недоступен</translation>
    </message>
    <message>
        <source>Busy LED Not Available</source>
        <translation>Индикатор занятости недоступен</translation>
    </message>
    <message>
        <source>PL Reverse Burst Available</source>
        <translation>Обратная фаза PL доступна</translation>
    </message>
    <message>
        <source>VOX Not Available</source>
        <translation>VOX недоступен</translation>
    </message>
    <message>
        <source>iVOX Not Available</source>
        <translation>iVOX недоступен</translation>
    </message>
    <message>
        <source>Scramble Not Available</source>
        <translation>Скремблер недоступен</translation>
    </message>
    <message>
        <source>Battery Save Not Available</source>
        <translation>Энергосбережение недоступно</translation>
    </message>
    <message>
        <source>Factory Reset Not Available</source>
        <translation>Сброс к заводским настройкам недоступен</translation>
    </message>
    <message>
        <source>Scan Not Available</source>
        <translation>Сканирование недоступно</translation>
    </message>
    <message>
        <source>Number of Call Tones</source>
        <translation>Число вызывных тонов</translation>
    </message>
    <message>
        <source>Number of Preset Buttons</source>
        <translation>Число кнопок предустановки</translation>
    </message>
    <message>
        <source>Number of PL/DPL Codes</source>
        <translation>Число кодов PL/DPL</translation>
    </message>
    <message>
        <source>Power Selection Available</source>
        <translation>Выбор мощности доступен</translation>
    </message>
    <message>
        <source>Backlight Button Available</source>
        <translation>Кнопка подсветки доступна</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>Включить режим программирования</translation>
    </message>
    <message>
        <source>Call Not Available</source>
        <translation>Вызов недоступен</translation>
    </message>
    <message>
        <source>Monitor Not Available</source>
        <translation>Монитор недоступен</translation>
    </message>
    <message>
        <source>Keypad Lock Not Available</source>
        <translation>Блокировка клавиатуры недоступна</translation>
    </message>
    <message>
        <source>Repeater Not Available</source>
        <translation>Ретранслятор недоступен</translation>
    </message>
    <message>
        <source>Channel Disabling Available</source>
        <translation>Отключение каналов доступно</translation>
    </message>
    <message>
        <source>Talkaround Scan Available</source>
        <translation>Сканирование прямой связи доступно</translation>
    </message>
    <message>
        <source>Channel Announcement Available</source>
        <translation>Объявление канала доступно</translation>
    </message>
    <message>
        <source>Codeplug Password (4-digit number)</source>
        <translation>Пароль кодплага (4 цифры)</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>Отключить все светодиоды</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>Запретить сброс к заводским настройкам</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Подсветка</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>Ограничение времени передачи (с)</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>Обратная фаза PL</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>Уровень VOX</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>Уровень iVOX</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>Усиление микрофона</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>Усиление внешнего микрофона</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>Альтернативный тип батареи</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>Отключить энергосбережение</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>Боковая кнопка 1 (SB1)</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>Боковая кнопка 2 (SB2)</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Кнопка A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Кнопка B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>Кнопка C</translation>
    </message>
    <message>
        <source>Number of Channels</source>
        <translation>Число каналов</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>Язык объявления канала</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>Код PL 124 (Гц)</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>Код PL 125 (Гц)</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>Код PL 126 (Гц)</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>Код PL 127 (Гц)</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>Код PL 128 (Гц)</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>Код PL 129 (Гц)</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>Код PL 214 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>Код PL 215 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>Код PL 216 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>Код PL 217 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>Код PL 218 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>Код PL 219 (OCT)</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>Текст при включении</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Сигнал Roger Beep</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>Кнопка скремблера</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>Подсветка (с)</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>Вызывной тон</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>Блокировка клавиатуры</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>Звук клавиш</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>ID ретрансляторной станции</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>Режим ID ретранслятора</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>Задержка передачи (с)</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>Передача при разряде (мин)</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>Сигнал разряда батареи</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>Включить сигнал окончания передачи</translation>
    </message>
    <message>
        <source>Preset Channel</source>
        <translation>Предуст. канал</translation>
    </message>
    <message>
        <source>Receive Frequency</source>
        <translation>Частота приёма</translation>
    </message>
    <message>
        <source>Receive PL/DPL Code</source>
        <translation>Код PL/DPL приёма</translation>
    </message>
    <message>
        <source>Transmit Frequency</source>
        <translation>Частота передачи</translation>
    </message>
    <message>
        <source>Transmit PL/DPL Code</source>
        <translation>Код PL/DPL передачи</translation>
    </message>
    <message>
        <source>Receive Bandwidth (0 12.5 KHz, 1 25 KHz)</source>
        <translation>Полоса приёма (0 12,5 кГц, 1 25 кГц)</translation>
    </message>
    <message>
        <source>Transmit Bandwidth (0 12.5 KHz, 1 25 KHz)</source>
        <translation>Полоса передачи (0 12,5 кГц, 1 25 кГц)</translation>
    </message>
    <message>
        <source>Talkaround Power (0 low, 1 high)</source>
        <translation>Мощность прямой связи (0 низкая, 1 высокая)</translation>
    </message>
    <message>
        <source>Repeater Power (0 low, 1 high)</source>
        <translation>Мощность через ретранслятор (0 низкая, 1 высокая)</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Ретранслятор</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Автосканирование</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Скремблер</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>Отключить канал</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>Динамическое сканирование прямой связи</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Сканирование</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Полоса</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Уровень мощности</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Компандер</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Сведения о радиостанции</translation>
    </message>
    <message>
        <source>Radio Limits</source>
        <translation>Ограничения радиостанции</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Предустановка</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
</context>
<context>
    <name>ProfileFileCheck</name>
    <message>
        <source>The CPS does not support this profile&apos;s region.</source>
        <translation>CPS не поддерживает регион этого профиля.</translation>
    </message>
    <message>
        <source> Please use the &quot;%1&quot;.</source>
        <translation> Используйте «%1».</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>Недопустимая частота.</translation>
    </message>
    <message>
        <source>Codeplug version of CPS and profile are incompatible! Please update your CPS.</source>
        <translation>Версии кодплага CPS и профиля несовместимы! Обновите CPS.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Невозможно открыть файл «%1»: %2.</translation>
    </message>
    <message>
        <source>The profile holds a value the CPS cannot set: %1 is &quot;%2&quot;, where %3 may be chosen. Please correct the file.</source>
        <translation>Профиль содержит значение, которое CPS не может задать: %1 равно «%2», а выбрать можно %3. Исправьте файл.</translation>
    </message>
</context>
<context>
    <name>RadioBackups</name>
    <message>
        <source>The radio backup folder %1 cannot be written: %2</source>
        <translation>Невозможно записать в папку резервных копий радиостанций %1: %2</translation>
    </message>
    <message>
        <source>%1 is no radio backup: it cannot be opened as one.</source>
        <translation>%1 не является резервной копией радиостанции: его нельзя открыть как таковую.</translation>
    </message>
    <message>
        <source>%1 is no radio backup of this program.</source>
        <translation>%1 не является резервной копией радиостанции этой программы.</translation>
    </message>
    <message>
        <source>The radio backup %1 is damaged; it is not written to a radio.</source>
        <translation>Резервная копия радиостанции %1 повреждена; она не записывается в радиостанцию.</translation>
    </message>
    <message>
        <source>The radio backup folder %1 cannot be made: %2</source>
        <translation>Невозможно создать папку резервных копий радиостанций %1: %2</translation>
    </message>
    <message>
        <source>The radio backup %1 cannot be written: %2</source>
        <translation>Невозможно записать резервную копию радиостанции %1: %2</translation>
    </message>
</context>
<context>
    <name>RadioChecks</name>
    <message>
        <source>The current profile is not compatible with the radio.</source>
        <translation>Текущий профиль несовместим с радиостанцией.</translation>
    </message>
    <message>
        <source>When converting from high-tier radio to low-tier radio, some data may be lost. Do you want to continue?</source>
        <translation>При преобразовании из старшей модели радиостанции в младшую часть данных может быть потеряна. Продолжить?</translation>
    </message>
    <message>
        <source>The CPS does not support this radio model.</source>
        <translation>CPS не поддерживает эту модель радиостанции.</translation>
    </message>
    <message>
        <source>The CPS does not support this radio&apos;s region.</source>
        <translation>CPS не поддерживает регион этой радиостанции.</translation>
    </message>
    <message>
        <source> Please use the &quot;%1&quot;.</source>
        <translation> Используйте «%1».</translation>
    </message>
    <message>
        <source>Codeplug version of CPS and radio are incompatible! Please update your CPS.</source>
        <translation>Версии кодплага CPS и радиостанции несовместимы! Обновите CPS.</translation>
    </message>
    <message>
        <source>The radio being programmed does not match the model in the current profile.</source>
        <translation>Программируемая радиостанция не соответствует модели текущего профиля.</translation>
    </message>
    <message>
        <source>Invalid frequency: This frequency is not supported by this radio.</source>
        <translation>Недопустимая частота: эта частота не поддерживается радиостанцией.</translation>
    </message>
    <message>
        <source>Some profile information is not supported by the host radio and therefore will not be transferred(PL/DPL Code). </source>
        <translation>Некоторые данные профиля не поддерживаются подключённой радиостанцией и поэтому не будут переданы (код PL/DPL). </translation>
    </message>
    <message>
        <source>The radio you are programing has a lower version codeplug, some new features can not be used after writing.</source>
        <translation>У программируемой радиостанции более старая версия кодплага, некоторые новые функции после записи будут недоступны.</translation>
    </message>
    <message>
        <source>Error: Communication Error.</source>
        <translation>Ошибка: ошибка связи.</translation>
    </message>
    <message>
        <source>Error: Operation Failed (%1).</source>
        <translation>Ошибка: операция не выполнена (%1).</translation>
    </message>
    <message>
        <source>Radio&apos;s memory is corrupted. Please perform factory reset to correct the error.</source>
        <translation>Память радиостанции повреждена. Выполните сброс к заводским настройкам, чтобы исправить ошибку.</translation>
    </message>
    <message>
        <source>Radio&apos;s memory is corrupted. Please return to manufacture for correction.</source>
        <translation>Память радиостанции повреждена. Отправьте радиостанцию производителю для ремонта.</translation>
    </message>
    <message>
        <source>Unknown warning!</source>
        <translation>Неизвестное предупреждение!</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Предупреждение: %1</translation>
    </message>
    <message>
        <source>No programming cable was found.</source>
        <translation>Кабель программирования не найден.</translation>
    </message>
    <message>
        <source>The programming cable is in use by another program.</source>
        <translation>Кабель программирования используется другой программой.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Customer Handout</source>
        <translation>Памятка для клиента</translation>
    </message>
    <message>
        <source>Detailed Report</source>
        <translation>Подробный отчёт</translation>
    </message>
    <message>
        <source>Error: Load dealer information failed.</source>
        <translation>Ошибка: не удалось загрузить сведения о дилере.</translation>
    </message>
    <message>
        <source>2W limit</source>
        <translation>Не более 2 Вт</translation>
    </message>
    <message>
        <source>The e-mail program xdg-email is not available, you need to install it (xdg-utils) and a mail program to send an e-mail.</source>
        <translation>Почтовая программа xdg-email недоступна. Чтобы отправить письмо, установите её (xdg-utils) и почтовый клиент.</translation>
    </message>
    <message>
        <source>User selectable with %1 KHz as default</source>
        <translation>Выбор, по умолчанию %1 кГц</translation>
    </message>
    <message>
        <source>%1 KHz only</source>
        <translation>Только %1 кГц</translation>
    </message>
    <message>
        <source>%1 KHz</source>
        <translation>%1 кГц</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Кнопка A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Кнопка B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>Кнопка C</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>Код PL 214 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>Код PL 215 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>Код PL 216 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>Код PL 217 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>Код PL 218 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>Код PL 219 (OCT)</translation>
    </message>
    <message>
        <source>Scan List Members</source>
        <translation>Каналы списка сканирования</translation>
    </message>
    <message>
        <source>Scramble Code 1</source>
        <translation>Код скремблера 1</translation>
    </message>
    <message>
        <source>Scramble Code 2</source>
        <translation>Код скремблера 2</translation>
    </message>
    <message>
        <source>Scramble Code 3</source>
        <translation>Код скремблера 3</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>Боковая кнопка 1 (SB1)</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>Боковая кнопка 2 (SB2)</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>Динамическое сканирование прямой связи</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>Язык объявления канала</translation>
    </message>
    <message>
        <source>High power only</source>
        <translation>Только высокая мощность</translation>
    </message>
    <message>
        <source>User selectable with high power as default</source>
        <translation>Выбор, по умолчанию высокая мощность</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15 мин</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 мин</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>Вызывной тон</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Монитор</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Предустановка 1</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Предустановка 2</translation>
    </message>
    <message>
        <source>Scan/Nuisance Channel Delete</source>
        <translation>Сканирование/удаление мешающего канала</translation>
    </message>
    <message>
        <source>No Operation</source>
        <translation>Нет функции</translation>
    </message>
    <message>
        <source>Tx Power Selection</source>
        <translation>Выбор мощности передачи</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>Усиление внешнего микрофона</translation>
    </message>
    <message>
        <source>After conversation</source>
        <translation>После разговора</translation>
    </message>
    <message>
        <source>Alkaline</source>
        <translation>Щелочная</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>Альтернативный тип батареи</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Настройки звука</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Автосканирование</translation>
    </message>
    <message>
        <source>Available Channels</source>
        <translation>Доступные каналы</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>Подсветка (с)</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Подсветка</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Полоса</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Кнопки</translation>
    </message>
    <message>
        <source>Channel #</source>
        <translation>№ канала</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Версия кодплага</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>Свои тоны PL</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Компандер</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>Свои коды DPL</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>Отключить все светодиоды</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>Отключить энергосбережение</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>Запретить сброс к заводским настройкам</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>Отключить канал</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Выкл</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>Включить сигнал окончания передачи</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>Включить режим программирования</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Вкл</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Версия прошивки</translation>
    </message>
    <message>
        <source>Frequency Range (MHz)</source>
        <translation>Диапазон частот (МГц)</translation>
    </message>
    <message>
        <source>Frequency(Index)</source>
        <translation>Частота (индекс)</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Общие настройки</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Высокий</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>Уровень iVOX</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Индекс</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>Звук клавиш</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>Блокировка клавиатуры</translation>
    </message>
    <message>
        <source>Low power only</source>
        <translation>Только малая мощность</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Низкий</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>Макс. число каналов</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средний</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>МГц</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>Усиление микрофона</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Nickel/LiIon</source>
        <translation>Никелевая/Li-Ion</translation>
    </message>
    <message>
        <source>No PL/DPL code</source>
        <translation>Нет кода PL/DPL</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>Сигнал разряда батареи</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>ВКЛ/ВЫКЛ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Вне диапазона</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>Код PL 124 (Гц)</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>Код PL 125 (Гц)</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>Код PL 126 (Гц)</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>Код PL 127 (Гц)</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>Код PL 128 (Гц)</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>Код PL 129 (Гц)</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>Обратная фаза PL</translation>
    </message>
    <message>
        <source>PL/DPL Code</source>
        <translation>Код PL/DPL</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Уровень мощности</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>Текст при включении</translation>
    </message>
    <message>
        <source>Preset 1 Channel</source>
        <translation>Предустановленный канал 1</translation>
    </message>
    <message>
        <source>Preset 2 Channel</source>
        <translation>Предустановленный канал 2</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Сведения о радиостанции</translation>
    </message>
    <message>
        <source>Receive/Transmit</source>
        <translation>Приём/передача</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Приём</translation>
    </message>
    <message>
        <source>Regional Code</source>
        <translation>Код региона</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>Режим ID ретранслятора</translation>
    </message>
    <message>
        <source>Repeater Power</source>
        <translation>Мощность через ретранслятор</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>ID ретрансляторной станции</translation>
    </message>
    <message>
        <source>Repeater/Talkaround</source>
        <translation>Ретранслятор/прямая связь</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Ретранслятор</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Сигнал Roger Beep</translation>
    </message>
    <message>
        <source>Rx Frequency Range (MHz)</source>
        <translation>Диапазон приёма (МГц)</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Список сканирования</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>Кнопка скремблера</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Скремблер</translation>
    </message>
    <message>
        <source>Selectable</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Talkaround Power</source>
        <translation>Мощность прямой связи</translation>
    </message>
    <message>
        <source>Transmit Power</source>
        <translation>Мощность передачи</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>Ограничение времени передачи (с)</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Передача</translation>
    </message>
    <message>
        <source>Tx Frequency Range (MHz)</source>
        <translation>Диапазон передачи (МГц)</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>Задержка передачи (с)</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>Передача при разряде (мин)</translation>
    </message>
    <message>
        <source>User selectable with low power as default</source>
        <translation>Выбор, по умолчанию малая мощность</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>Уровень VOX</translation>
    </message>
    <message>
        <source>45 min</source>
        <translation>45 мин</translation>
    </message>
    <message>
        <source>60 min</source>
        <translation>60 мин</translation>
    </message>
    <message>
        <source>Accessory Jack</source>
        <translation>Разъём для аксессуаров</translation>
    </message>
    <message>
        <source>Channel Selector</source>
        <translation>Переключатель каналов</translation>
    </message>
    <message>
        <source>QA310</source>
        <translation>QA310</translation>
    </message>
    <message>
        <source>Down Button:</source>
        <translation>Кнопка «Вниз»:</translation>
    </message>
    <message>
        <source>Li-Ion Battery Pack</source>
        <translation>Литий-ионный аккумулятор</translation>
    </message>
    <message>
        <source>Menu Button:</source>
        <translation>Кнопка «Меню»:</translation>
    </message>
    <message>
        <source>Menu Mode</source>
        <translation>Режим меню</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Микрофон</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Номер модели</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Power/Volume Knob</source>
        <translation>Регулятор питания/громкости</translation>
    </message>
    <message>
        <source>Push-to-Talk (PTT)</source>
        <translation>Кнопка передачи (PTT)</translation>
    </message>
    <message>
        <source>KVX</source>
        <translation>KVX</translation>
    </message>
    <message>
        <source>Scroll down the menu items/change channel</source>
        <translation>Прокрутка меню вниз/смена канала</translation>
    </message>
    <message>
        <source>Scroll up the menu items/change channel</source>
        <translation>Прокрутка меню вверх/смена канала</translation>
    </message>
    <message>
        <source>QB420</source>
        <translation>QB420</translation>
    </message>
    <message>
        <source>Spring Action Belt Clip</source>
        <translation>Пружинный зажим для ремня</translation>
    </message>
    <message>
        <source>Tri-Color LED</source>
        <translation>Трёхцветный светодиод</translation>
    </message>
    <message>
        <source>Up Button:</source>
        <translation>Кнопка «Вверх»:</translation>
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
        <translation>Не удалось создать отчёт.</translation>
    </message>
    <message>
        <source>(default)</source>
        <translation>(по умолчанию)</translation>
    </message>
    <message>
        <source>The e-mail program xdg-email failed with exit status %1.</source>
        <translation>Почтовая программа xdg-email завершилась с ошибкой (код завершения %1).</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Не обычный файл</translation>
    </message>
    <message>
        <source>Too large: %1 bytes, where at most %2 are read</source>
        <translation>Слишком большой: %1 байт, а читается не более %2</translation>
    </message>
    <message>
        <source>Damaged: UTF-16 text of an odd number of bytes</source>
        <translation>Повреждён: текст UTF-16 с нечётным числом байтов</translation>
    </message>
</context>
<context>
    <name>ScriptHost</name>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: 0
%1 is not a function in the hook script</source>
        <translation>IActiveScriptSite::OnScriptError()
Строка: 0
%1 не является функцией в сценарии-обработчике</translation>
    </message>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: 0
The hook %1 ran longer than %2 ms and was stopped.</source>
        <translation>IActiveScriptSite::OnScriptError()
Строка: 0
Обработчик %1 работал дольше %2 мс и был остановлен.</translation>
    </message>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: %1
%2</source>
        <translation>IActiveScriptSite::OnScriptError()
Строка: %1
%2</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>The value is not valid.</source>
        <translation>Недопустимое значение.</translation>
    </message>
    <message>
        <source>A channel name must have 1 to 8 characters. Please enter another name.</source>
        <translation>Имя канала должно содержать от 1 до 8 символов. Введите другое имя.</translation>
    </message>
    <message>
        <source>Another channel already has this name. Please enter a different name.</source>
        <translation>Это имя уже есть у другого канала. Введите другое имя.</translation>
    </message>
    <message>
        <source>A channel name can only contain letters, digits, blanks and the punctuation marks of a standard keyboard. Please enter another name.</source>
        <translation>Имя канала может содержать только буквы, цифры, пробелы и знаки препинания стандартной клавиатуры. Введите другое имя.</translation>
    </message>
    <message>
        <source>The codeplug password must be exactly 4 digits, or empty for no password.</source>
        <translation>Пароль кодплага должен состоять ровно из 4 цифр или быть пустым (без пароля).</translation>
    </message>
    <message>
        <source>The power up text can have at most 8 characters, each one of: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</source>
        <translation>Текст при включении может содержать не более 8 символов из набора: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</translation>
    </message>
    <message>
        <source>The repeater station ID can have at most 9 characters, letters and digits only.</source>
        <translation>ID ретрансляторной станции может содержать не более 9 символов, только буквы и цифры.</translation>
    </message>
    <message>
        <source>The Tx hang time must be a whole number of seconds from 0 to 50.</source>
        <translation>Задержка передачи должна быть целым числом секунд от 0 до 50.</translation>
    </message>
    <message>
        <source>The Tx low battery time must be a whole number of minutes from 0 to 255.</source>
        <translation>Время передачи при разряде батареи должно быть целым числом минут от 0 до 255.</translation>
    </message>
    <message>
        <source>A customized PL tone must be from 67.0 to 255.0 Hz.</source>
        <translation>Свой тон PL должен быть в диапазоне от 67,0 до 255,0 Гц.</translation>
    </message>
    <message>
        <source>A customized DPL code must be an octal code from 001 to 777.</source>
        <translation>Свой код DPL должен быть восьмеричным кодом от 001 до 777.</translation>
    </message>
    <message>
        <source>One feature can not be assigned to multiple buttons. Choose another feature, or first remove this one from the button that has it.</source>
        <translation>Одну функцию нельзя назначить нескольким кнопкам. Выберите другую функцию или сначала снимите эту функцию с кнопки, которой она назначена.</translation>
    </message>
    <message>
        <source>This radio model does not support this PL/DPL code. Please choose another code.</source>
        <translation>Эта модель радиостанции не поддерживает данный код PL/DPL. Выберите другой код.</translation>
    </message>
    <message>
        <source>A preset can only use an enabled channel of this profile. Please choose another channel.</source>
        <translation>Предустановка может использовать только включённый канал этого профиля. Выберите другой канал.</translation>
    </message>
    <message>
        <source>This is the last enabled channel and can not be disabled. Enable another channel first.</source>
        <translation>Это последний включённый канал, его нельзя отключить. Сначала включите другой канал.</translation>
    </message>
    <message>
        <source>This frequency is not in the RF frequency table. Please choose a frequency of the table.</source>
        <translation>Этой частоты нет в таблице радиочастот. Выберите частоту из таблицы.</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Deleting it moves the preset to another channel. Do you want to continue?</source>
        <translation>Этот канал назначен кнопке предустановленного канала. При его удалении предустановка перейдёт на другой канал. Продолжить?</translation>
    </message>
    <message>
        <source>This channel can not be deleted: at least one enabled channel must remain.</source>
        <translation>Этот канал нельзя удалить: должен остаться хотя бы один включённый канал.</translation>
    </message>
    <message>
        <source>The RF frequency table is full (99 frequencies). Delete a frequency that no channel uses before adding another one.</source>
        <translation>Таблица радиочастот заполнена (99 частот). Прежде чем добавить новую, удалите частоту, не используемую ни одним каналом.</translation>
    </message>
    <message>
        <source>This frequency is already in the RF frequency table. Please enter a different frequency.</source>
        <translation>Эта частота уже есть в таблице радиочастот. Введите другую частоту.</translation>
    </message>
    <message>
        <source>This frequency is outside the frequency range of the radio (see Radio Information). Please enter a frequency within the range.</source>
        <translation>Эта частота вне диапазона частот радиостанции (см. «Сведения о радиостанции»). Введите частоту в пределах диапазона.</translation>
    </message>
    <message>
        <source>MURS frequencies (151.820, 151.880, 151.940, 154.570 and 154.600 MHz) can not be programmed. Please enter a different frequency.</source>
        <translation>Частоты MURS (151,820; 151,880; 151,940; 154,570 и 154,600 МГц) программировать нельзя. Введите другую частоту.</translation>
    </message>
    <message>
        <source>This frequency is used by a channel and can not be deleted. Give the channel another frequency first.</source>
        <translation>Эта частота используется каналом и не может быть удалена. Сначала назначьте каналу другую частоту.</translation>
    </message>
    <message>
        <source>Channels use this frequency. Changing its bandwidth or power level also changes the bandwidth and power of these channels. Do you want to continue?</source>
        <translation>Эту частоту используют каналы. Изменение полосы или уровня мощности изменит также полосу и мощность этих каналов. Продолжить?</translation>
    </message>
    <message>
        <source>25 KHz channel spacing is not permitted in this radio&apos;s region. Please select &quot;12.5 KHz only&quot;.</source>
        <translation>Шаг сетки 25 кГц в регионе этой радиостанции не допускается. Выберите «Только 12,5 кГц».</translation>
    </message>
    <message>
        <source>The frequency, bandwidth, power level or compander value is not valid.</source>
        <translation>Недопустимое значение частоты, полосы, уровня мощности или компандера.</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>Programming error: 107.</source>
        <translation>Ошибка программирования: 107.</translation>
    </message>
    <message>
        <source>Programming error: 108.</source>
        <translation>Ошибка программирования: 108.</translation>
    </message>
    <message>
        <source>Fatal error: 102.
Please uninstall and re-install CPS.</source>
        <translation>Критическая ошибка: 102.
Удалите и заново установите CPS.</translation>
    </message>
    <message>
        <source>Invalid profile.</source>
        <translation>Недопустимый профиль.</translation>
    </message>
    <message>
        <source>Failed to load profile.</source>
        <translation>Не удалось загрузить профиль.</translation>
    </message>
    <message>
        <source>Fatal error: 101.</source>
        <translation>Критическая ошибка: 101.</translation>
    </message>
    <message>
        <source>File format error. Failed to save.</source>
        <translation>Ошибка формата файла. Сохранение не выполнено.</translation>
    </message>
    <message>
        <source>Some files needed by CPS are not available.
Please reinstall CPS.</source>
        <translation>Отсутствуют некоторые файлы, необходимые для работы CPS.
Переустановите CPS.</translation>
    </message>
</context>
<context>
    <name>SupportBundle</name>
    <message>
        <source>the archive could not be made</source>
        <translation>не удалось создать архив</translation>
    </message>
</context>
<context>
    <name>TransmitPower</name>
    <message>
        <source>Low</source>
        <translation>Низкая</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Высокая</translation>
    </message>
</context>
</TS>
