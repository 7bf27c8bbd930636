<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>BrightnessDlg</name>
    <message>
        <source>Brightness / Contrast</source>
        <translation>Яркость и контрастность</translation>
    </message>
    <message>
        <source>Source Image</source>
        <translation>Исходное изображение</translation>
    </message>
    <message>
        <source>Destination Image</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1</source>
        <translation>неизвестный параметр %1</translation>
    </message>
    <message>
        <source>Usage: vellumo [OPTION...] [FILE...]
Scan paper and save it as PDF, DjVu, Word or image files.

Files are opened as if dropped onto the window: a project (.vlmpj) replaces the open
document, images and the images of PDF files are added as pages. When Vellumo is already
running, the files go to its window.

Options:
  -h, --help        show this help and exit
  -v, --version     show the version and exit
      --demo-scanner  use SANE&apos;s test device instead of the scanners found
</source>
        <translation>Использование: vellumo [OPTION...] [FILE...]
Сканирование бумажных документов и сохранение в файлы PDF, DjVu, Word или изображения.

Файлы открываются так, как если бы их перетащили в окно: проект (.vlmpj) заменяет открытый
документ, а изображения и изображения из файлов PDF добавляются как страницы. Если Vellumo
уже запущен, файлы передаются в его окно.

Параметры:
  -h, --help        показать эту справку и выйти
  -v, --version     показать версию и выйти
      --demo-scanner  использовать тестовое устройство SANE вместо найденных сканеров
</translation>
    </message>
</context>
<context>
    <name>CropBoxItem</name>
    <message>
        <source>%1 x %2 px</source>
        <translation>%1 x %2 пикс.</translation>
    </message>
    <message>
        <source>%1 x %2 cm</source>
        <translation>%1 x %2 см</translation>
    </message>
</context>
<context>
    <name>CroppingPage</name>
    <message>
        <source>Auto Cropping</source>
        <translation>Автообрезка</translation>
    </message>
    <message>
        <source>You can set the auto cropping settings.</source>
        <translation>Здесь можно настроить параметры автообрезки.</translation>
    </message>
    <message>
        <source>Insert Margins</source>
        <translation>Добавлять поля</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Слева</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Сверху</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Справа</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Снизу</translation>
    </message>
    <message>
        <source> cm</source>
        <translation> см</translation>
    </message>
</context>
<context>
    <name>DjvuGenerator</name>
    <message>
        <source>it is not an image Vellumo can read (%1)</source>
        <translation>это не изображение, которое Vellumo может прочитать (%1)</translation>
    </message>
    <message>
        <source>its copy %1 could not be written (%2)</source>
        <translation>не удалось записать его копию %1 (%2)</translation>
    </message>
    <message>
        <source>Page %1 (%2) was not encoded: %3</source>
        <translation>Страница %1 (%2) не закодирована: %3</translation>
    </message>
    <message>
        <source>%1 did not finish within %2 s</source>
        <translation>%1 не завершился за %2 с</translation>
    </message>
    <message>
        <source>%1 could not be started (%2)</source>
        <translation>не удалось запустить %1 (%2)</translation>
    </message>
    <message>
        <source>%1 crashed</source>
        <translation>%1 аварийно завершился</translation>
    </message>
    <message>
        <source>%1 ended with exit code %2</source>
        <translation>%1 завершился с кодом %2</translation>
    </message>
    <message>
        <source>%1 wrote nothing</source>
        <translation>%1 ничего не записал</translation>
    </message>
    <message>
        <source>%1 failed (%2)</source>
        <translation>ошибка %1 (%2)</translation>
    </message>
    <message>
        <source>Can&apos;t read page %1 (%2): %3</source>
        <translation>Не удалось прочитать страницу %1 (%2): %3</translation>
    </message>
    <message>
        <source>None of the page files exists; %1 was not written.</source>
        <translation>Ни одного файла страниц не найдено; %1 не записан.</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation>Не удалось создать временную папку в %1: %2</translation>
    </message>
    <message>
        <source>The pages could not be combined into %1: %2</source>
        <translation>Не удалось объединить страницы в %1: %2</translation>
    </message>
    <message>
        <source>The combined document %1 could not be read back: %2</source>
        <translation>Не удалось прочитать объединённый документ %1 для проверки: %2</translation>
    </message>
    <message>
        <source>The combined document holds %1 of its %2 pages; %3 was not written.</source>
        <translation>Объединённый документ содержит %1 из %2 страниц; %3 не записан.</translation>
    </message>
    <message>
        <source>Page %1 is missing: %2</source>
        <translation>Страница %1 отсутствует: %2</translation>
    </message>
</context>
<context>
    <name>DjvuProgress</name>
    <message>
        <source>Creating DjVu file.</source>
        <translation>Создание файла DjVu.</translation>
    </message>
    <message>
        <source>Writting DjVu file.</source>
        <translation>Запись файла DjVu.</translation>
    </message>
</context>
<context>
    <name>DocGenerator</name>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>The document %1 was written, but the temporary folder %2 could not be removed.</source>
        <translation>Документ %1 записан, но не удалось удалить временную папку %2.</translation>
    </message>
    <message>
        <source>Page %1 is missing: %2</source>
        <translation>Страница %1 отсутствует: %2</translation>
    </message>
</context>
<context>
    <name>DocxGenerator</name>
    <message>
        <source>Can&apos;t read the Word template %1.</source>
        <translation>Не удалось прочитать шаблон Word %1.</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation>Не удалось создать временную папку в %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
</context>
<context>
    <name>DraggedWidget</name>
    <message>
        <source>Scan a page or drop files here</source>
        <translation>Отсканируйте страницу или перетащите сюда файлы</translation>
    </message>
    <message>
        <source>Images (JPEG, PNG, TIFF, BMP), PDF files and projects can be dropped onto this window.</source>
        <translation>В это окно можно перетащить изображения (JPEG, PNG, TIFF, BMP), файлы PDF и проекты.</translation>
    </message>
</context>
<context>
    <name>ExportDjvuDlg</name>
    <message>
        <source>Export to DjVu</source>
        <translation>Экспорт в DjVu</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation>Сохранить в файл:</translation>
    </message>
    <message>
        <source>DjVu File (*.djvu)</source>
        <translation>Файл DjVu (*.djvu)</translation>
    </message>
    <message>
        <source>DjVu &amp;Compression:</source>
        <translation>&amp;Сжатие DjVu:</translation>
    </message>
    <message>
        <source>&amp;Open DjVu file after creation</source>
        <translation>&amp;Открыть файл DjVu после создания</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>ExportDlg</name>
    <message>
        <source>Build PDF</source>
        <translation>Создание PDF</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Макет</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Предварительный просмотр</translation>
    </message>
    <message>
        <source>&amp;Scale:</source>
        <translation>&amp;Масштаб:</translation>
    </message>
    <message>
        <source>By dots per inch</source>
        <translation>По разрешению (dpi)</translation>
    </message>
    <message>
        <source>Stretch to paper list</source>
        <translation>Растянуть на весь лист</translation>
    </message>
    <message>
        <source>Stretch with keeping aspect</source>
        <translation>Растянуть с сохранением пропорций</translation>
    </message>
    <message>
        <source>&amp;Paper size:</source>
        <translation>Размер &amp;бумаги:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>О&amp;риентация:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Книжная</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Альбомная</translation>
    </message>
    <message>
        <source>&amp;Save to file:</source>
        <translation>&amp;Сохранить в файл:</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Файл PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Append pages to existing file</source>
        <translation>&amp;Добавить страницы в существующий файл</translation>
    </message>
    <message>
        <source>&amp;Open PDF document after creation</source>
        <translation>&amp;Открыть документ PDF после создания</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Поля</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Левое</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Правое</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Верхнее</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Нижнее</translation>
    </message>
    <message>
        <source> cm</source>
        <translation> см</translation>
    </message>
    <message>
        <source>By Page &amp;Center</source>
        <translation>По &amp;центру страницы</translation>
    </message>
    <message>
        <source>Use &amp;Password:</source>
        <translation>Использовать &amp;пароль:</translation>
    </message>
    <message>
        <source>Type a password or keep empty</source>
        <translation>Введите пароль или оставьте поле пустым</translation>
    </message>
    <message>
        <source>&amp;Save password for next using</source>
        <translation>&amp;Запомнить пароль для следующего раза</translation>
    </message>
    <message>
        <source>Save to PDF</source>
        <translation>Сохранить в PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Please enter a file name.</source>
        <translation>Введите имя файла.</translation>
    </message>
    <message>
        <source>Please select an existing PDF file.</source>
        <translation>Выберите существующий файл PDF.</translation>
    </message>
    <message>
        <source>Pages: %1/%2</source>
        <translation>Страница: %1/%2</translation>
    </message>
    <message>
        <source>No password store is running on this desktop, so the password can&apos;t be kept.</source>
        <translation>В этом сеансе не запущено хранилище паролей, поэтому пароль нельзя сохранить.</translation>
    </message>
    <message>
        <source>Can&apos;t keep the password: %1</source>
        <translation>Не удалось сохранить пароль: %1</translation>
    </message>
    <message>
        <source>Make text searchable (OCR)</source>
        <translation>Сделать текст доступным для поиска (OCR)</translation>
    </message>
    <message>
        <source>Text &amp;language:</source>
        <translation>&amp;Язык текста:</translation>
    </message>
    <message numerus="yes">
        <source>The text of %n page(s) could not be recognised; they are in the PDF as pictures only.</source>
        <translation>
            <numerusform>Не удалось распознать текст на %n странице; она добавлена в PDF только как изображение.</numerusform>
            <numerusform>Не удалось распознать текст на %n страницах; они добавлены в PDF только как изображения.</numerusform>
            <numerusform>Не удалось распознать текст на %n страницах; они добавлены в PDF только как изображения.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportFileDlg</name>
    <message>
        <source>Export to image list</source>
        <translation>Экспорт в изображения</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Save to &amp;Folder:</source>
        <translation>Сохранить в &amp;папку:</translation>
    </message>
    <message>
        <source>Image Format:</source>
        <translation>Формат изображений:</translation>
    </message>
    <message>
        <source>JPEG</source>
        <translation>JPEG</translation>
    </message>
    <message>
        <source>TIFF</source>
        <translation>TIFF</translation>
    </message>
    <message>
        <source>PNG</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>BMP</source>
        <translation>BMP</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Качество:</translation>
    </message>
    <message>
        <source>File Prefix:</source>
        <translation>Префикс файлов:</translation>
    </message>
    <message>
        <source>Counter [C]</source>
        <translation>Счётчик [C]</translation>
    </message>
    <message>
        <source>Date [D]</source>
        <translation>Дата [D]</translation>
    </message>
    <message>
        <source>&amp;Open folder after creation</source>
        <translation>&amp;Открыть папку после создания</translation>
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
        <source>Folder %1 isn&apos;t exists.</source>
        <translation>Папка %1 не существует.</translation>
    </message>
</context>
<context>
    <name>ExportWordDlg</name>
    <message>
        <source>Export to Microsoft Word</source>
        <translation>Экспорт в Microsoft Word</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation>Сохранить в файл:</translation>
    </message>
    <message>
        <source>Microsoft Word File (*.docx)</source>
        <translation>Файл Microsoft Word (*.docx)</translation>
    </message>
    <message>
        <source>&amp;Open Word document after creation</source>
        <translation>&amp;Открыть документ Word после создания</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>EzPrevScan</name>
    <message>
        <source>Scanning...</source>
        <translation>Сканирование…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>FlipWidget</name>
    <message>
        <source>Rotate:</source>
        <translation>Поворот:</translation>
    </message>
    <message>
        <source>Don&apos;t rotate</source>
        <translation>Не поворачивать</translation>
    </message>
    <message>
        <source>Each page</source>
        <translation>Каждую страницу</translation>
    </message>
    <message>
        <source>Every odd page (1, 3, 5...)</source>
        <translation>Каждую нечётную страницу (1, 3, 5…)</translation>
    </message>
    <message>
        <source>Every even page (2, 4, 6...)</source>
        <translation>Каждую чётную страницу (2, 4, 6…)</translation>
    </message>
    <message>
        <source>Rotate Angle:</source>
        <translation>Угол поворота:</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Перевернуть</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Повернуть влево</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Повернуть вправо</translation>
    </message>
</context>
<context>
    <name>ImageEditor</name>
    <message>
        <source>Restore Source Image</source>
        <translation>Восстановить исходное изображение</translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation>Автообрезка</translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation>Разделить книжный разворот</translation>
    </message>
    <message>
        <source>Crop this image</source>
        <translation>Обрезать это изображение</translation>
    </message>
    <message>
        <source>Adjust contrast</source>
        <translation>Настроить контрастность</translation>
    </message>
    <message>
        <source>Rescan this page</source>
        <translation>Пересканировать эту страницу</translation>
    </message>
    <message>
        <source>Save this page as the image</source>
        <translation>Сохранить эту страницу как изображение</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Повернуть влево</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Повернуть вправо</translation>
    </message>
    <message>
        <source>Flip this page</source>
        <translation>Перевернуть эту страницу</translation>
    </message>
    <message>
        <source>Delete this page</source>
        <translation>Удалить эту страницу</translation>
    </message>
</context>
<context>
    <name>ImageExportCommand</name>
    <message>
        <source>
       vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...   (each page an image file; P: &quot;[C]&quot; page counter, &quot;[D]&quot; date; default IMAGE_[C], jpg, quality 85)</source>
        <translation>
       vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...   (каждая страница в отдельный файл изображения; P: «[C]» — номер страницы, «[D]» — дата; по умолчанию IMAGE_[C], jpg, качество 85)</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>для %1 нужно указать папку</translation>
    </message>
    <message>
        <source>--format takes jpg, tiff, png or bmp</source>
        <translation>--format принимает jpg, tiff, png или bmp</translation>
    </message>
    <message>
        <source>--quality takes a number from 0 to 100</source>
        <translation>--quality принимает число от 0 до 100</translation>
    </message>
    <message>
        <source>--pattern needs a file name pattern</source>
        <translation>для --pattern нужен шаблон имени файла</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>неизвестный параметр %1</translation>
    </message>
    <message>
        <source>no target folder (-o DIR)</source>
        <translation>не указана целевая папка (-o DIR)</translation>
    </message>
    <message>
        <source>no page files</source>
        <translation>нет файлов страниц</translation>
    </message>
    <message>
        <source>wrote %1</source>
        <translation>записано: %1</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>ошибка %1: %2</translation>
    </message>
</context>
<context>
    <name>ImageExporter</name>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
    <message>
        <source>Folder %1 isn&apos;t exists.</source>
        <translation>Папка %1 не существует.</translation>
    </message>
    <message>
        <source>Files keep appearing under the name.</source>
        <translation>Под этим именем всё время появляются новые файлы.</translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1: %2</source>
        <translation>Не удалось сохранить изображение в %1: %2</translation>
    </message>
    <message>
        <source>no image format for this file name</source>
        <translation>нет формата изображения для этого имени файла</translation>
    </message>
</context>
<context>
    <name>ImgProgress</name>
    <message>
        <source>Creating images.</source>
        <translation>Создание изображений.</translation>
    </message>
    <message>
        <source>Writting images.</source>
        <translation>Запись изображений.</translation>
    </message>
</context>
<context>
    <name>IntroPage</name>
    <message>
        <source>Automatic Scanning</source>
        <translation>Автоматическое сканирование</translation>
    </message>
    <message>
        <source>Document Scanning</source>
        <translation>Сканирование документа</translation>
    </message>
    <message>
        <source>&lt;b&gt;Vellumo&lt;/b&gt; will automatically run a scan after a specified time interval.</source>
        <translation>&lt;b&gt;Vellumo&lt;/b&gt; будет автоматически запускать сканирование через заданный интервал времени.</translation>
    </message>
    <message>
        <source>Select the time interval in seconds:</source>
        <translation>Выберите интервал в секундах:</translation>
    </message>
    <message>
        <source>Scan first page now (don&apos;t wait)</source>
        <translation>Сканировать первую страницу сразу (без ожидания)</translation>
    </message>
    <message>
        <source>Split the book spreak into two pages</source>
        <translation>Разделять книжный разворот на две страницы</translation>
    </message>
</context>
<context>
    <name>KSlabWidget</name>
    <message>
        <source>Page</source>
        <translation>Страница</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vellumo - Automatic Scan to PDF, DjVu, JPEG, TIFF, BMP, PNG</source>
        <translation>Vellumo — автоматическое сканирование в PDF, DjVu, JPEG, TIFF, BMP, PNG</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Page count:</source>
        <translation>Страниц:</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Выбрано:</translation>
    </message>
    <message>
        <source>Scale: </source>
        <translation>Масштаб: </translation>
    </message>
    <message>
        <source>Keep scale</source>
        <translation>Сохранять масштаб</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>0 DPI</source>
        <translation>0 DPI</translation>
    </message>
    <message>
        <source>0x0 cm</source>
        <translation>0×0 см</translation>
    </message>
    <message>
        <source>%1 DPI</source>
        <translation>%1 DPI</translation>
    </message>
    <message>
        <source>%1 x %2 cm</source>
        <translation>%1 × %2 см</translation>
    </message>
    <message>
        <source>Load &amp;PDF</source>
        <translation>Загрузить &amp;PDF</translation>
    </message>
    <message>
        <source>&amp;Open Project...</source>
        <translation>&amp;Открыть проект…</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Открыть изображение</translation>
    </message>
    <message>
        <source>All Image Files (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Bitmaps (*.bmp);;TIFF Image File (*.tiff *.tif);;JPEG Image File (*.jpeg *.jpg);;PNG Image File (*.png);;</source>
        <translation>Все изображения (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Точечные рисунки BMP (*.bmp);;Изображения TIFF (*.tiff *.tif);;Изображения JPEG (*.jpeg *.jpg);;Изображения PNG (*.png);;</translation>
    </message>
    <message>
        <source>Do you want to remove %1 checked pages from the document?</source>
        <translation>Удалить отмеченные страницы (%1) из документа?</translation>
    </message>
    <message>
        <source>Do you want to remove the page?</source>
        <translation>Удалить страницу?</translation>
    </message>
    <message>
        <source>Do you want to remove all checked pages from the document?</source>
        <translation>Удалить все отмеченные страницы из документа?</translation>
    </message>
    <message>
        <source>Do you want to remove all unchecked pages from the document?</source>
        <translation>Удалить все неотмеченные страницы из документа?</translation>
    </message>
    <message>
        <source>Do you want to remove all pages but current from the document?</source>
        <translation>Удалить из документа все страницы, кроме текущей?</translation>
    </message>
    <message>
        <source>Do you want to remove all pages from the document?</source>
        <translation>Удалить все страницы из документа?</translation>
    </message>
    <message>
        <source>&amp;Scan &amp;&amp; PDF</source>
        <translation>&amp;Сканирование &amp;&amp; PDF</translation>
    </message>
    <message>
        <source>&amp;Editing</source>
        <translation>&amp;Редактирование</translation>
    </message>
    <message>
        <source>&amp;Composition</source>
        <translation>&amp;Компоновка</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Информация</translation>
    </message>
    <message>
        <source>Fast &amp;Settings</source>
        <translation>Быстрые &amp;настройки</translation>
    </message>
    <message>
        <source>&amp;Scanning</source>
        <translation>&amp;Сканирование</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Импорт</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Экспорт</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>&amp;Поворот</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Масштаб</translation>
    </message>
    <message>
        <source>&amp;Correction</source>
        <translation>&amp;Коррекция</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Перемещение</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Удаление</translation>
    </message>
    <message>
        <source>&amp;Checking</source>
        <translation>&amp;Отметка</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Сканер:</translation>
    </message>
    <message>
        <source>Color Mode:</source>
        <translation>Цветовой режим:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Качество:</translation>
    </message>
    <message>
        <source>Select Scanner</source>
        <translation>Выбрать сканер</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Цветовой режим</translation>
    </message>
    <message>
        <source>Scan Quality</source>
        <translation>Качество сканирования</translation>
    </message>
    <message>
        <source>Black-White</source>
        <translation>Чёрно-белый</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Оттенки серого</translation>
    </message>
    <message>
        <source>Photo Color</source>
        <translation>Цветной (фото)</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Хорошее</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Высокое</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>Change the application settings.</source>
        <translation>Изменить настройки приложения.</translation>
    </message>
    <message>
        <source>Scan &amp;Page</source>
        <translation>Сканировать с&amp;траницу</translation>
    </message>
    <message>
        <source>Scan whole page. Press Space to start scanning.</source>
        <translation>Сканировать всю страницу. Нажмите «Пробел», чтобы начать сканирование.</translation>
    </message>
    <message>
        <source>&amp;Auto Scan</source>
        <translation>&amp;Автосканирование</translation>
    </message>
    <message>
        <source>Scan a document or a book in automatic mode.</source>
        <translation>Сканировать документ или книгу в автоматическом режиме.</translation>
    </message>
    <message>
        <source>From &amp;File</source>
        <translation>Из &amp;файла</translation>
    </message>
    <message>
        <source>Load an image from a file.</source>
        <translation>Загрузить изображение из файла.</translation>
    </message>
    <message>
        <source>Extract images from PDF file.</source>
        <translation>Извлечь изображения из файла PDF.</translation>
    </message>
    <message>
        <source>Build PDF &amp;Document</source>
        <translation>Создать &amp;документ PDF</translation>
    </message>
    <message>
        <source>Build the PDF document from scanned pages.</source>
        <translation>Создать документ PDF из отсканированных страниц.</translation>
    </message>
    <message>
        <source>Build DjVu &amp;File</source>
        <translation>Создать файл &amp;DjVu</translation>
    </message>
    <message>
        <source>Build the DjVu file from scanned pages.</source>
        <translation>Создать файл DjVu из отсканированных страниц.</translation>
    </message>
    <message>
        <source>Build &amp;Word Document</source>
        <translation>Создать документ &amp;Word</translation>
    </message>
    <message>
        <source>Build the MS Word (docx) document from scanned pages.</source>
        <translation>Создать документ MS Word (docx) из отсканированных страниц.</translation>
    </message>
    <message>
        <source>Save &amp;As Pictures</source>
        <translation>Сохранить как и&amp;зображения</translation>
    </message>
    <message>
        <source>Save scanned pages to folder.</source>
        <translation>Сохранить отсканированные страницы в папку.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Печать</translation>
    </message>
    <message>
        <source>Print scanned pages.</source>
        <translation>Напечатать отсканированные страницы.</translation>
    </message>
    <message>
        <source>Turn &amp;Left</source>
        <translation>Повернуть в&amp;лево</translation>
    </message>
    <message>
        <source>Rotate Image Left</source>
        <translation>Повернуть изображение влево</translation>
    </message>
    <message>
        <source>&amp;Turn Right</source>
        <translation>Повернуть в&amp;право</translation>
    </message>
    <message>
        <source>Rotate Image Right</source>
        <translation>Повернуть изображение вправо</translation>
    </message>
    <message>
        <source>&amp;Flip Image</source>
        <translation>П&amp;еревернуть изображение</translation>
    </message>
    <message>
        <source>Flip the Image</source>
        <translation>Перевернуть изображение</translation>
    </message>
    <message>
        <source>&amp;Rotate to Angle</source>
        <translation>Повернуть на у&amp;гол</translation>
    </message>
    <message>
        <source>Rotate Image to Angle</source>
        <translation>Повернуть изображение на заданный угол</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Увеличить</translation>
    </message>
    <message>
        <source>Zoom Image In</source>
        <translation>Увеличить изображение</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>У&amp;меньшить</translation>
    </message>
    <message>
        <source>Zoom Image Out</source>
        <translation>Уменьшить изображение</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>По размеру &amp;окна</translation>
    </message>
    <message>
        <source>Fit Image to Window</source>
        <translation>Вписать изображение в окно</translation>
    </message>
    <message>
        <source>&amp;Crop Image</source>
        <translation>О&amp;брезать изображение</translation>
    </message>
    <message>
        <source>Show Frame to Crop Image</source>
        <translation>Показать рамку для обрезки изображения</translation>
    </message>
    <message>
        <source>&amp;Image Contrast</source>
        <translation>Ко&amp;нтрастность изображения</translation>
    </message>
    <message>
        <source>Adjust Brightness</source>
        <translation>Настроить яркость</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Переместить &amp;вверх</translation>
    </message>
    <message>
        <source>Move up current page in the list.</source>
        <translation>Переместить текущую страницу вверх по списку.</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Переместить вни&amp;з</translation>
    </message>
    <message>
        <source>Move down current page in the list.</source>
        <translation>Переместить текущую страницу вниз по списку.</translation>
    </message>
    <message>
        <source>Move to &amp;Top</source>
        <translation>Переместить в &amp;начало</translation>
    </message>
    <message>
        <source>Move current page to top of the list.</source>
        <translation>Переместить текущую страницу в начало списка.</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation>Переместить в кон&amp;ец</translation>
    </message>
    <message>
        <source>Move current page to bottom of the list.</source>
        <translation>Переместить текущую страницу в конец списка.</translation>
    </message>
    <message>
        <source>Move to &amp;Position</source>
        <translation>Переместить на &amp;позицию</translation>
    </message>
    <message>
        <source>Move current page to position.</source>
        <translation>Переместить текущую страницу на заданную позицию.</translation>
    </message>
    <message>
        <source>&amp;Remove Page</source>
        <translation>Уд&amp;алить страницу</translation>
    </message>
    <message>
        <source>Delete current page from the list.</source>
        <translation>Удалить текущую страницу из списка.</translation>
    </message>
    <message>
        <source>&amp;Check All</source>
        <translation>&amp;Отметить все</translation>
    </message>
    <message>
        <source>Check all pages in the project.</source>
        <translation>Отметить все страницы проекта.</translation>
    </message>
    <message>
        <source>&amp;Uncheck All</source>
        <translation>Сн&amp;ять все отметки</translation>
    </message>
    <message>
        <source>Uncheck all pages in the project.</source>
        <translation>Снять отметки со всех страниц проекта.</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>&amp;Веб-сайт</translation>
    </message>
    <message>
        <source>Go to the Vellumo homepage</source>
        <translation>Перейти на сайт Vellumo</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>About Software</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Check &amp;Updates</source>
        <translation>&amp;Проверить обновления</translation>
    </message>
    <message>
        <source>Check for updates in Internet.</source>
        <translation>Проверить наличие обновлений в Интернете.</translation>
    </message>
    <message>
        <source>&amp;Vellumo</source>
        <translation>&amp;Vellumo</translation>
    </message>
    <message>
        <source>Click here to save a project, &lt;br/&gt; open an existing project&lt;br/&gt; or start a new project.</source>
        <translation>Нажмите здесь, чтобы сохранить проект,&lt;br/&gt; открыть существующий проект&lt;br/&gt; или начать новый.</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Новый проект</translation>
    </message>
    <message>
        <source>Starts a new project</source>
        <translation>Начать новый проект</translation>
    </message>
    <message>
        <source>Open an existing project</source>
        <translation>Открыть существующий проект</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>&amp;Сохранить проект</translation>
    </message>
    <message>
        <source>Save the current project</source>
        <translation>Сохранить текущий проект</translation>
    </message>
    <message>
        <source>&amp;Recover Project</source>
        <translation>&amp;Восстановить проект</translation>
    </message>
    <message>
        <source>Recover the auto-saved project</source>
        <translation>Восстановить автоматически сохранённый проект</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Вы&amp;ход</translation>
    </message>
    <message>
        <source>Close the application</source>
        <translation>Закрыть приложение</translation>
    </message>
    <message>
        <source>Crop Mode</source>
        <translation>Режим обрезки</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation>Автообрезка</translation>
    </message>
    <message>
        <source>Rotate Mode</source>
        <translation>Режим поворота</translation>
    </message>
    <message>
        <source> deg.</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Rotating...</source>
        <translation>Поворот…</translation>
    </message>
    <message>
        <source>Vellumo Project (*.vlmpj)</source>
        <translation>Проект Vellumo (*.vlmpj)</translation>
    </message>
    <message>
        <source>The current project is not saved yet. Do you want to save it?</source>
        <translation>Текущий проект ещё не сохранён. Сохранить его?</translation>
    </message>
    <message>
        <source>The current project has been changed. Do you want to save it?</source>
        <translation>Текущий проект изменён. Сохранить его?</translation>
    </message>
    <message>
        <source>New project has been begun.</source>
        <translation>Начат новый проект.</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Открыть проект</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>Открытие…</translation>
    </message>
    <message>
        <source>Empty project. Scan a document before the saving.</source>
        <translation>Проект пуст. Перед сохранением отсканируйте документ.</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Сохранить проект</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Сохранение…</translation>
    </message>
    <message>
        <source>Can&apos;t save the project to %1.&lt;br&gt;%2</source>
        <translation>Не удалось сохранить проект в %1.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Project has been saved.</source>
        <translation>Проект сохранён.</translation>
    </message>
    <message>
        <source>Auto saved project has been recovered.</source>
        <translation>Автоматически сохранённый проект восстановлен.</translation>
    </message>
    <message>
        <source>There are no files to recover.</source>
        <translation>Нет файлов для восстановления.</translation>
    </message>
    <message>
        <source>Vellumo found %1 pages of an earlier session in its working folder.&lt;br&gt;Do you want to recover them now?</source>
        <translation>В рабочей папке Vellumo найдены страницы предыдущего сеанса (%1).&lt;br&gt;Восстановить их сейчас?</translation>
    </message>
    <message>
        <source>Scanners not found.&lt;br&gt;Please plug a scanner.</source>
        <translation>Сканеры не найдены.&lt;br&gt;Подключите сканер.</translation>
    </message>
    <message>
        <source>Auto cropping...</source>
        <translation>Автообрезка…</translation>
    </message>
    <message>
        <source>Scanning has cancelled.</source>
        <translation>Сканирование отменено.</translation>
    </message>
    <message>
        <source>PDF file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Файл PDF создан.&lt;br&gt;Открыть &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Word file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Файл Word создан.&lt;br&gt;Открыть &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while Word file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Ошибка при создании файла Word.&lt;br&gt;Не удалось записать файл %1. Возможно, файл открыт в другой программе или у вас нет прав на запись в папку.</translation>
    </message>
    <message>
        <source>DjVu file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Файл DjVu создан.&lt;br&gt;Открыть &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while DjVu file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Ошибка при создании файла DjVu.&lt;br&gt;Не удалось записать файл %1. Возможно, файл открыт в другой программе или у вас нет прав на запись в папку.</translation>
    </message>
    <message>
        <source>Images was saved.&lt;br&gt;Open folder &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Изображения сохранены.&lt;br&gt;Открыть папку &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while Image file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened.</source>
        <translation>Ошибка при создании файла изображения.&lt;br&gt;Не удалось записать файл %1. Возможно, файл открыт в другой программе.</translation>
    </message>
    <message>
        <source>Can&apos;t save the page %1.</source>
        <translation>Не удалось сохранить страницу %1.</translation>
    </message>
    <message>
        <source>Error while PDF file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Ошибка при создании файла PDF.&lt;br&gt;Не удалось записать файл %1. Возможно, файл открыт в другой программе или у вас нет прав на запись в папку.</translation>
    </message>
    <message>
        <source>Can&apos;t split the scanned page. It has been kept as one page.</source>
        <translation>Не удалось разделить отсканированную страницу. Она сохранена как одна страница.</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Сохранить изображение</translation>
    </message>
    <message>
        <source>JPEG file (*.jpg);;TIFF file (*.tiff);;BMP file (*.bmp);;PNG file (*.png)</source>
        <translation>Файл JPEG (*.jpg);;Файл TIFF (*.tiff);;Файл BMP (*.bmp);;Файл PNG (*.png)</translation>
    </message>
    <message>
        <source>The page has been saved to %1.</source>
        <translation>Страница сохранена в %1.</translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1.</source>
        <translation>Не удалось сохранить изображение в %1.</translation>
    </message>
    <message>
        <source>Extract images from PDF</source>
        <translation>Извлечь изображения из PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Файл PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Can&apos;t open file %1.</source>
        <translation>Не удалось открыть файл %1.</translation>
    </message>
    <message>
        <source>Can&apos;t crop the page.</source>
        <translation>Не удалось обрезать страницу.</translation>
    </message>
    <message>
        <source>Can&apos;t crop the pages %1.</source>
        <translation>Не удалось обрезать страницы %1.</translation>
    </message>
    <message>
        <source>Splitting...</source>
        <translation>Разделение…</translation>
    </message>
    <message>
        <source>Can&apos;t split the page.</source>
        <translation>Не удалось разделить страницу.</translation>
    </message>
    <message>
        <source>Can&apos;t split the pages %1.</source>
        <translation>Не удалось разделить страницы %1.</translation>
    </message>
    <message>
        <source>Can&apos;t open the project %1.&lt;br&gt;%2</source>
        <translation>Не удалось открыть проект %1.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Some pages of the project %1 could not be unpacked.</source>
        <translation>Не удалось распаковать некоторые страницы проекта %1.</translation>
    </message>
    <message>
        <source>Some entries of the project %1 were left out: %2</source>
        <translation>Некоторые элементы проекта %1 пропущены: %2</translation>
    </message>
    <message numerus="yes">
        <source>The %n page(s) scanned so far have been kept.</source>
        <translation>
            <numerusform>Уже отсканированная %n страница сохранена.</numerusform>
            <numerusform>Уже отсканированные %n страницы сохранены.</numerusform>
            <numerusform>Уже отсканированные %n страниц сохранены.</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Предварительный просмотр печати</translation>
    </message>
    <message>
        <source>Preparing to print...</source>
        <translation>Подготовка к печати…</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Проверка обновлений…</translation>
    </message>
    <message>
        <source>ERROR!&lt;br&gt;Can&apos;t connect to the update server. Please check network settings.</source>
        <translation>ОШИБКА!&lt;br&gt;Не удалось подключиться к серверу обновлений. Проверьте сетевые настройки.</translation>
    </message>
    <message>
        <source>You use a latest version of Vellumo.</source>
        <translation>Вы используете последнюю версию Vellumo.</translation>
    </message>
    <message>
        <source>Thank you for updating Vellumo.&lt;p&gt;Please close the program and run the install file.</source>
        <translation>Спасибо за обновление Vellumo.&lt;p&gt;Закройте программу и запустите установочный файл.</translation>
    </message>
    <message>
        <source>Restore Source Image</source>
        <translation>Восстановить исходное изображение</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Без названия</translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation>Разделить книжный разворот</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>Ис&amp;тория</translation>
    </message>
    <message>
        <source>Replace this page with a new scan?</source>
        <translation>Заменить эту страницу результатом нового сканирования?</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Пересканирование</translation>
    </message>
    <message>
        <source>Turning pages upright...</source>
        <translation>Исправление ориентации страниц…</translation>
    </message>
    <message>
        <source>Can&apos;t tell which way up the pages %1 are.</source>
        <translation>Не удалось определить ориентацию страниц %1.</translation>
    </message>
    <message>
        <source>Pages turned upright: %1 of %2.</source>
        <translation>Повёрнуто страниц: %1 из %2.</translation>
    </message>
    <message>
        <source>Turn &amp;Upright</source>
        <translation>&amp;Исправить ориентацию</translation>
    </message>
    <message>
        <source>Turn the checked pages, or this page, upright by the direction of their text</source>
        <translation>Повернуть отмеченные страницы или текущую страницу в правильное положение по направлению текста</translation>
    </message>
</context>
<context>
    <name>MoveToDlg</name>
    <message>
        <source>Move Page</source>
        <translation>Перемещение страницы</translation>
    </message>
    <message>
        <source>Move page to...</source>
        <translation>Переместить страницу на…</translation>
    </message>
    <message>
        <source>New Page Number:</source>
        <translation>Новый номер страницы:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>OcrLanguages</name>
    <message>
        <source>Turning pages upright needs Tesseract&apos;s orientation data, which is not installed. Install the package %1.</source>
        <translation>Для исправления ориентации страниц нужны данные Tesseract для определения ориентации, но они не установлены. Установите пакет %1.</translation>
    </message>
    <message>
        <source>Text recognition in %1 needs Tesseract&apos;s data for that language, which is not installed. Install the package %2.</source>
        <translation>Для распознавания текста на языке «%1» нужны данные Tesseract для этого языка, но они не установлены. Установите пакет %2.</translation>
    </message>
    <message>
        <source>Text recognition needs the Tesseract library, which is not installed. Install the package %1.</source>
        <translation>Для распознавания текста нужна библиотека Tesseract, которая не установлена. Установите пакет %1.</translation>
    </message>
</context>
<context>
    <name>OfficePopupWindow</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>OptionsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>OptionsPage</name>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Here you can change the software options.</source>
        <translation>Здесь можно изменить параметры программы.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>&amp;Automatically check for updates</source>
        <translation>&amp;Автоматически проверять обновления</translation>
    </message>
    <message>
        <source>How to translate to your language</source>
        <translation>Как перевести программу на ваш язык</translation>
    </message>
</context>
<context>
    <name>PageBatch</name>
    <message>
        <source>Can&apos;t create the folder %1.</source>
        <translation>Не удалось создать папку %1.</translation>
    </message>
    <message>
        <source>Splitting %1 of %2...</source>
        <translation>Разделение: %1 из %2…</translation>
    </message>
    <message>
        <source>Cropping %1 of %2...</source>
        <translation>Обрезка: %1 из %2…</translation>
    </message>
    <message>
        <source>Turning %1 of %2 upright...</source>
        <translation>Исправление ориентации: %1 из %2…</translation>
    </message>
</context>
<context>
    <name>PageHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>О&amp;тменить: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>О&amp;тменить</translation>
    </message>
    <message>
        <source>Re&amp;do %1</source>
        <translation>Повто&amp;рить: %1</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Повто&amp;рить</translation>
    </message>
</context>
<context>
    <name>PageImages</name>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: the image is empty.</source>
        <translation>Не удалось записать %1: изображение пустое.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
    <message>
        <source>the black-and-white image can&apos;t be compressed.</source>
        <translation>невозможно сжать чёрно-белое изображение.</translation>
    </message>
</context>
<context>
    <name>PageImporter</name>
    <message>
        <source>Can&apos;t open file %1.</source>
        <translation>Не удалось открыть файл %1.</translation>
    </message>
    <message>
        <source>Drawing the pages of the PDF file.</source>
        <translation>Отрисовка страниц файла PDF.</translation>
    </message>
    <message>
        <source>Extracting images from PDF file.</source>
        <translation>Извлечение изображений из файла PDF.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file %1.&lt;br&gt;The image is too large: %2 x %3 pixels.</source>
        <translation>Не удалось загрузить файл %1.&lt;br&gt;Изображение слишком большое: %2 × %3 пикселей.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file. Wrong file format.&lt;br&gt;%1</source>
        <translation>Не удалось загрузить файл: неверный формат.&lt;br&gt;%1</translation>
    </message>
    <message>
        <source>The file %1 is damaged: part of its picture may be missing.</source>
        <translation>Файл %1 повреждён: часть изображения может отсутствовать.</translation>
    </message>
    <message>
        <source>Can&apos;t extract image.</source>
        <translation>Не удалось извлечь изображение.</translation>
    </message>
    <message>
        <source>This PDF file doesn&apos;t contain images.</source>
        <translation>Этот файл PDF не содержит изображений.</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Its pages can be drawn as images instead, at %1 dpi.</source>
        <translation>Вместо этого его страницы можно отрисовать как изображения с разрешением %1 dpi.</translation>
    </message>
    <message>
        <source>&amp;Draw Pages</source>
        <translation>&amp;Отрисовать страницы</translation>
    </message>
</context>
<context>
    <name>PageStore</name>
    <message>
        <source>The page image is empty.</source>
        <translation>Изображение страницы пустое.</translation>
    </message>
    <message>
        <source>Can&apos;t rename %1 to %2.</source>
        <translation>Не удалось переименовать %1 в %2.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation>Не удалось прочитать %1.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
</context>
<context>
    <name>PdfCommandLine</name>
    <message>
        <source>%1 needs a file name</source>
        <translation>для %1 нужно указать имя файла</translation>
    </message>
    <message>
        <source>--password needs a password</source>
        <translation>для --password нужно указать пароль</translation>
    </message>
    <message>
        <source>--paper takes A4, Letter or A0 to A6</source>
        <translation>--paper принимает A4, Letter или от A0 до A6</translation>
    </message>
    <message>
        <source>--orientation takes portrait or landscape</source>
        <translation>--orientation принимает portrait или landscape</translation>
    </message>
    <message>
        <source>--scale takes dpi, stretch or fit</source>
        <translation>--scale принимает dpi, stretch или fit</translation>
    </message>
    <message>
        <source>--margins takes four centimetre values: L,R,T,B</source>
        <translation>--margins принимает четыре значения в сантиметрах: L,R,T,B</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>неизвестный параметр %1</translation>
    </message>
    <message>
        <source>no output file (-o OUT.pdf)</source>
        <translation>не указан выходной файл (-o OUT.pdf)</translation>
    </message>
    <message>
        <source>no page files</source>
        <translation>нет файлов страниц</translation>
    </message>
    <message>
        <source>%1 needs a text</source>
        <translation>для %1 нужно указать текст</translation>
    </message>
    <message>
        <source>usage: vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6] [--orientation portrait|landscape] [--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] [--author AUTHOR] [--ocr LANG[+LANG]] FILE...
       vellumo-cli check-pdf FILE|-   (exit code 0: pages can be appended to the PDF; - reads it from standard input)</source>
        <translation>Использование: vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6] [--orientation portrait|landscape] [--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] [--author AUTHOR] [--ocr LANG[+LANG]] FILE...
       vellumo-cli check-pdf FILE|-   (код возврата 0: к PDF можно добавить страницы; - читает его со стандартного ввода)</translation>
    </message>
    <message>
        <source>--ocr takes Tesseract languages such as eng or eng+deu</source>
        <translation>--ocr принимает языки Tesseract, например eng или eng+deu</translation>
    </message>
</context>
<context>
    <name>PdfImport</name>
    <message>
        <source>image %1: %2</source>
        <translation>изображение %1: %2</translation>
    </message>
</context>
<context>
    <name>PdfImportSession</name>
    <message>
        <source>The password is not right.</source>
        <translation>Неверный пароль.</translation>
    </message>
    <message>
        <source>The PDF file %1 is protected by a password.</source>
        <translation>Файл PDF %1 защищён паролем.</translation>
    </message>
</context>
<context>
    <name>PdfProgress</name>
    <message>
        <source>Creating PDF document.</source>
        <translation>Создание документа PDF.</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>PdfWriter</name>
    <message>
        <source>&quot;%1&quot; is not a list of text recognition languages.</source>
        <translation>«%1» не является списком языков распознавания текста.</translation>
    </message>
</context>
<context>
    <name>PopupMessage</name>
    <message>
        <source>&lt;p&gt;&lt;font color=&quot;black&quot;&gt;&lt;h4&gt;&amp;nbsp;Vellumo Message&lt;/h4&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=&quot;black&quot;&gt;&lt;h4&gt;&amp;nbsp;Сообщение Vellumo&lt;/h4&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ProjectArchive</name>
    <message>
        <source>Can&apos;t create the folder %1.</source>
        <translation>Не удалось создать папку %1.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation>Не удалось прочитать %1.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1 into %2: %3.</source>
        <translation>Не удалось записать %1 в %2: %3.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2.</source>
        <translation>Не удалось записать %1: %2.</translation>
    </message>
    <message>
        <source>Its entries overlap: the file is damaged.</source>
        <translation>Его элементы перекрываются: файл повреждён.</translation>
    </message>
    <message>
        <source>not a page file</source>
        <translation>не файл страницы</translation>
    </message>
    <message>
        <source>a second entry of that name</source>
        <translation>повторный элемент с тем же именем</translation>
    </message>
    <message>
        <source>encrypted</source>
        <translation>зашифрован</translation>
    </message>
    <message>
        <source>unknown compression</source>
        <translation>неизвестный метод сжатия</translation>
    </message>
    <message>
        <source>larger than any page</source>
        <translation>больше любой страницы</translation>
    </message>
    <message>
        <source>There is not enough free disk space for %1.</source>
        <translation>Недостаточно свободного места на диске для %1.</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>не читается</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>повреждён</translation>
    </message>
    <message>
        <source>not an image</source>
        <translation>не изображение</translation>
    </message>
    <message>
        <source>It holds no pages.</source>
        <translation>В нём нет страниц.</translation>
    </message>
</context>
<context>
    <name>PropertyModel</name>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Сканер</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>Cropping</source>
        <translation>Обрезка</translation>
    </message>
</context>
<context>
    <name>PropertyPage</name>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
</context>
<context>
    <name>RibbonSliderPane</name>
    <message>
        <source>Increase</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Уменьшить</translation>
    </message>
</context>
<context>
    <name>ScanPage</name>
    <message>
        <source>Scanning in progress</source>
        <translation>Идёт сканирование</translation>
    </message>
    <message>
        <source>Scanned page will be added to the list</source>
        <translation>Отсканированная страница будет добавлена в список</translation>
    </message>
    <message>
        <source>Scanning in progress. Do not open scanner cover.</source>
        <translation>Идёт сканирование. Не открывайте крышку сканера.</translation>
    </message>
</context>
<context>
    <name>ScanPreviewDlg</name>
    <message>
        <source>Scan Preview</source>
        <translation>Предварительный просмотр сканирования</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Сканировать</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>ScanResPage</name>
    <message>
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>You can change the scanning resolution for each of the modes. The higher the scanning resolution, the better the image quality, but it reduces the scanning speed.</source>
        <translation>Здесь можно изменить разрешение сканирования для каждого режима. Чем выше разрешение, тем лучше качество изображения, но тем ниже скорость сканирования.</translation>
    </message>
    <message>
        <source>Middle:</source>
        <translation>Среднее:</translation>
    </message>
    <message>
        <source>Good:</source>
        <translation>Хорошее:</translation>
    </message>
    <message>
        <source>High:</source>
        <translation>Высокое:</translation>
    </message>
    <message>
        <source>dpi</source>
        <translation>dpi</translation>
    </message>
</context>
<context>
    <name>ScannerPage</name>
    <message>
        <source>Scanner</source>
        <translation>Сканер</translation>
    </message>
    <message>
        <source>You can change the scan options and select or deselect the document feeder.</source>
        <translation>Здесь можно изменить параметры сканирования, а также включить или отключить автоподатчик документов.</translation>
    </message>
    <message>
        <source>Paper Source:</source>
        <translation>Источник бумаги:</translation>
    </message>
    <message>
        <source>Flatbed (platen)</source>
        <translation>Планшет (стекло)</translation>
    </message>
    <message>
        <source>Automatic Feeder (ADF)</source>
        <translation>Автоподатчик (ADF)</translation>
    </message>
    <message>
        <source>Acquire:</source>
        <translation>Сканировать:</translation>
    </message>
    <message>
        <source>One image</source>
        <translation>Одно изображение</translation>
    </message>
    <message>
        <source>All available images</source>
        <translation>Все доступные изображения</translation>
    </message>
    <message>
        <source>Automatic &amp;deskewing of scanned pages</source>
        <translation>Автоматическое &amp;выравнивание отсканированных страниц</translation>
    </message>
    <message>
        <source>Automatic &amp;cropping of scanned pages</source>
        <translation>Автоматическая &amp;обрезка отсканированных страниц</translation>
    </message>
    <message>
        <source>Automatic c&amp;ontrast adjustment of scanned pages</source>
        <translation>Автоматическая настройка &amp;контрастности отсканированных страниц</translation>
    </message>
    <message>
        <source>Scan with &amp;preview</source>
        <translation>Сканировать с &amp;предварительным просмотром</translation>
    </message>
    <message>
        <source>Turn pages upright automatically</source>
        <translation>Автоматическое исправление ориентации страниц</translation>
    </message>
</context>
<context>
    <name>SelectFileWidget</name>
    <message>
        <source>Open existing PDF</source>
        <translation>Открыть существующий PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Файл PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>SelectFolderWidget</name>
    <message>
        <source>Select a folder</source>
        <translation>Выбор папки</translation>
    </message>
</context>
<context>
    <name>SelectSaveFileWidget</name>
    <message>
        <source>Save file</source>
        <translation>Сохранение файла</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Copyright &amp;copy; 2026 Leafkin. All rights reserved. &lt;a href=&quot;http://%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Copyright &amp;copy; 2026 Leafkin. Все права защищены. &lt;a href=&quot;http://%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Vellumo is already running.&lt;br&gt;Only one copy of Vellumo can work with the pages at a time; please switch to the open window.</source>
        <translation>Vellumo уже запущен.&lt;br&gt;Со страницами может одновременно работать только одна копия Vellumo; перейдите в открытое окно.</translation>
    </message>
    <message>
        <source>Critical error</source>
        <translation>Критическая ошибка</translation>
    </message>
    <message>
        <source>Can&apos;t start application.</source>
        <translation>Не удалось запустить приложение.</translation>
    </message>
</context>
<context>
    <name>TimerPage</name>
    <message>
        <source>Scan &amp;Now &gt;</source>
        <translation>Сканировать &amp;сейчас &gt;</translation>
    </message>
    <message>
        <source>&amp;Resume Timer</source>
        <translation>&amp;Возобновить таймер</translation>
    </message>
    <message>
        <source>&amp;Stop Timer</source>
        <translation>&amp;Остановить таймер</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>Next scan will begin soon. Change page in the scanner.&lt;br&gt;Press &lt;b&gt;SPACE&lt;/b&gt; to pause timer. Press &lt;b&gt;ENTER&lt;/b&gt; to run Scan Now.</source>
        <translation>Скоро начнётся следующее сканирование. Смените страницу в сканере.&lt;br&gt;Нажмите &lt;b&gt;ПРОБЕЛ&lt;/b&gt;, чтобы приостановить таймер. Нажмите &lt;b&gt;ENTER&lt;/b&gt;, чтобы сканировать сейчас.</translation>
    </message>
</context>
<context>
    <name>ToolLocator</name>
    <message>
        <source>%1 was not found. Vellumo looked for it in %2 and on the PATH; please reinstall Vellumo.</source>
        <translation>%1 не найден. Vellumo искал его в %2 и в каталогах PATH; переустановите Vellumo.</translation>
    </message>
</context>
<context>
    <name>UpdateDlg</name>
    <message>
        <source>Vellumo Updates</source>
        <translation>Обновления Vellumo</translation>
    </message>
    <message>
        <source>There are new version of Vellumo</source>
        <translation>Доступна новая версия Vellumo</translation>
    </message>
    <message>
        <source>Current Version: %1</source>
        <translation>Текущая версия: %1</translation>
    </message>
    <message>
        <source>New Version: %1&lt;p&gt;Download: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;</source>
        <translation>Новая версия: %1&lt;p&gt;Скачать: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Скачать</translation>
    </message>
</context>
<context>
    <name>WaitingDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>WordProgress</name>
    <message>
        <source>Creating MS Word document.</source>
        <translation>Создание документа MS Word.</translation>
    </message>
    <message>
        <source>Writting MS Word document.</source>
        <translation>Запись документа MS Word.</translation>
    </message>
</context>
<context>
    <name>ZipWriter</name>
    <message>
        <source>Can&apos;t compress %1.</source>
        <translation>Не удалось сжать %1.</translation>
    </message>
    <message>
        <source>%1 is too large for a project.</source>
        <translation>%1 слишком велик для проекта.</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>не удалось записать файл</translation>
    </message>
</context>
<context>
    <name>vellumo-cli</name>
    <message>
        <source>
       vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   (the page images of a PDF into DIR as 0001.jpg, 0002.tiff, 0003.png, ...)
       vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR FILE.pdf   (the pages of a PDF drawn into DIR as 0001.png, ...)</source>
        <translation>
       vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   (изображения страниц PDF в DIR как 0001.jpg, 0002.tiff, 0003.png, ...)
       vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR FILE.pdf   (страницы PDF, отрисованные в DIR как 0001.png, ...)</translation>
    </message>
</context>
</TS>
