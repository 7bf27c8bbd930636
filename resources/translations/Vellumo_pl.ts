<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>BrightnessDlg</name>
    <message>
        <source>Brightness / Contrast</source>
        <translation>Jasność / kontrast</translation>
    </message>
    <message>
        <source>Source Image</source>
        <translation>Obraz źródłowy</translation>
    </message>
    <message>
        <source>Destination Image</source>
        <translation>Obraz wynikowy</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
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
        <translation>Użycie: vellumo [OPTION...] [FILE...]
Skanuje dokumenty papierowe i zapisuje je jako pliki PDF, DjVu, Word lub pliki obrazów.

Pliki są otwierane tak, jakby zostały przeciągnięte do okna: projekt (.vlmpj) zastępuje otwarty
dokument, a obrazy oraz obrazy z plików PDF są dodawane jako strony. Jeśli Vellumo jest już
uruchomiony, pliki trafiają do jego okna.

Opcje:
  -h, --help        wyświetla tę pomoc i kończy działanie
  -v, --version     wyświetla wersję i kończy działanie
      --demo-scanner  używa urządzenia testowego SANE zamiast znalezionych skanerów
</translation>
    </message>
</context>
<context>
    <name>CropBoxItem</name>
    <message>
        <source>%1 x %2 px</source>
        <translation>%1 x %2 px</translation>
    </message>
    <message>
        <source>%1 x %2 cm</source>
        <translation>%1 x %2 cm</translation>
    </message>
</context>
<context>
    <name>CroppingPage</name>
    <message>
        <source>Auto Cropping</source>
        <translation>Automatyczne przycinanie</translation>
    </message>
    <message>
        <source>You can set the auto cropping settings.</source>
        <translation>Tutaj można zmienić ustawienia automatycznego przycinania.</translation>
    </message>
    <message>
        <source>Insert Margins</source>
        <translation>Dodaj marginesy</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Lewy</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Górny</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Prawy</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Dolny</translation>
    </message>
    <message>
        <source> cm</source>
        <translation> cm</translation>
    </message>
</context>
<context>
    <name>DjvuGenerator</name>
    <message>
        <source>it is not an image Vellumo can read (%1)</source>
        <translation>nie jest to obraz, który Vellumo potrafi odczytać (%1)</translation>
    </message>
    <message>
        <source>its copy %1 could not be written (%2)</source>
        <translation>nie można zapisać jego kopii %1 (%2)</translation>
    </message>
    <message>
        <source>Page %1 (%2) was not encoded: %3</source>
        <translation>Strona %1 (%2) nie została zakodowana: %3</translation>
    </message>
    <message>
        <source>%1 did not finish within %2 s</source>
        <translation>program %1 nie zakończył pracy w ciągu %2 s</translation>
    </message>
    <message>
        <source>%1 could not be started (%2)</source>
        <translation>nie można uruchomić programu %1 (%2)</translation>
    </message>
    <message>
        <source>%1 crashed</source>
        <translation>program %1 uległ awarii</translation>
    </message>
    <message>
        <source>%1 ended with exit code %2</source>
        <translation>program %1 zakończył działanie z kodem wyjścia %2</translation>
    </message>
    <message>
        <source>%1 wrote nothing</source>
        <translation>program %1 niczego nie zapisał</translation>
    </message>
    <message>
        <source>%1 failed (%2)</source>
        <translation>błąd programu %1 (%2)</translation>
    </message>
    <message>
        <source>Can&apos;t read page %1 (%2): %3</source>
        <translation>Nie można odczytać strony %1 (%2): %3</translation>
    </message>
    <message>
        <source>None of the page files exists; %1 was not written.</source>
        <translation>Żaden z plików stron nie istnieje; nie zapisano %1.</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation>Nie można utworzyć folderu tymczasowego w %1: %2</translation>
    </message>
    <message>
        <source>The pages could not be combined into %1: %2</source>
        <translation>Nie udało się połączyć stron w %1: %2</translation>
    </message>
    <message>
        <source>The combined document %1 could not be read back: %2</source>
        <translation>Nie udało się ponownie odczytać połączonego dokumentu %1: %2</translation>
    </message>
    <message>
        <source>The combined document holds %1 of its %2 pages; %3 was not written.</source>
        <translation>Połączony dokument zawiera %1 z %2 stron; nie zapisano %3.</translation>
    </message>
    <message>
        <source>Page %1 is missing: %2</source>
        <translation>Brak strony %1: %2</translation>
    </message>
</context>
<context>
    <name>DjvuProgress</name>
    <message>
        <source>Creating DjVu file.</source>
        <translation>Tworzenie pliku DjVu.</translation>
    </message>
    <message>
        <source>Writting DjVu file.</source>
        <translation>Zapisywanie pliku DjVu.</translation>
    </message>
</context>
<context>
    <name>DocGenerator</name>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>The document %1 was written, but the temporary folder %2 could not be removed.</source>
        <translation>Dokument %1 został zapisany, ale nie udało się usunąć folderu tymczasowego %2.</translation>
    </message>
    <message>
        <source>Page %1 is missing: %2</source>
        <translation>Brak strony %1: %2</translation>
    </message>
</context>
<context>
    <name>DocxGenerator</name>
    <message>
        <source>Can&apos;t read the Word template %1.</source>
        <translation>Nie można odczytać szablonu Worda %1.</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation>Nie można utworzyć folderu tymczasowego w %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
</context>
<context>
    <name>DraggedWidget</name>
    <message>
        <source>Scan a page or drop files here</source>
        <translation>Zeskanuj stronę lub upuść tutaj pliki</translation>
    </message>
    <message>
        <source>Images (JPEG, PNG, TIFF, BMP), PDF files and projects can be dropped onto this window.</source>
        <translation>Do tego okna można przeciągnąć obrazy (JPEG, PNG, TIFF, BMP), pliki PDF i projekty.</translation>
    </message>
</context>
<context>
    <name>ExportDjvuDlg</name>
    <message>
        <source>Export to DjVu</source>
        <translation>Eksport do DjVu</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation>Zapisz do pliku:</translation>
    </message>
    <message>
        <source>DjVu File (*.djvu)</source>
        <translation>Plik DjVu (*.djvu)</translation>
    </message>
    <message>
        <source>DjVu &amp;Compression:</source>
        <translation>&amp;Kompresja DjVu:</translation>
    </message>
    <message>
        <source>&amp;Open DjVu file after creation</source>
        <translation>&amp;Otwórz plik DjVu po utworzeniu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>ExportDlg</name>
    <message>
        <source>Build PDF</source>
        <translation>Utwórz PDF</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Układ</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>&amp;Scale:</source>
        <translation>&amp;Skala:</translation>
    </message>
    <message>
        <source>By dots per inch</source>
        <translation>Według rozdzielczości (DPI)</translation>
    </message>
    <message>
        <source>Stretch to paper list</source>
        <translation>Rozciągnij na cały arkusz</translation>
    </message>
    <message>
        <source>Stretch with keeping aspect</source>
        <translation>Rozciągnij z zachowaniem proporcji</translation>
    </message>
    <message>
        <source>&amp;Paper size:</source>
        <translation>&amp;Rozmiar papieru:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>&amp;Orientacja:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Pionowa</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Pozioma</translation>
    </message>
    <message>
        <source>&amp;Save to file:</source>
        <translation>&amp;Zapisz do pliku:</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Plik PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Append pages to existing file</source>
        <translation>&amp;Dołącz strony do istniejącego pliku</translation>
    </message>
    <message>
        <source>&amp;Open PDF document after creation</source>
        <translation>O&amp;twórz dokument PDF po utworzeniu</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Marginesy</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Lewy</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Prawy</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Górny</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Dolny</translation>
    </message>
    <message>
        <source> cm</source>
        <translation> cm</translation>
    </message>
    <message>
        <source>By Page &amp;Center</source>
        <translation>&amp;Wyśrodkuj na stronie</translation>
    </message>
    <message>
        <source>Use &amp;Password:</source>
        <translation>Użyj &amp;hasła:</translation>
    </message>
    <message>
        <source>Type a password or keep empty</source>
        <translation>Wpisz hasło lub pozostaw puste</translation>
    </message>
    <message>
        <source>&amp;Save password for next using</source>
        <translation>Zapamiętaj hasło na &amp;przyszłość</translation>
    </message>
    <message>
        <source>Save to PDF</source>
        <translation>Zapisz jako PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Please enter a file name.</source>
        <translation>Podaj nazwę pliku.</translation>
    </message>
    <message>
        <source>Please select an existing PDF file.</source>
        <translation>Wybierz istniejący plik PDF.</translation>
    </message>
    <message>
        <source>Pages: %1/%2</source>
        <translation>Strona: %1/%2</translation>
    </message>
    <message>
        <source>No password store is running on this desktop, so the password can&apos;t be kept.</source>
        <translation>Na tym pulpicie nie działa żadna usługa przechowywania haseł, więc nie można zapamiętać hasła.</translation>
    </message>
    <message>
        <source>Can&apos;t keep the password: %1</source>
        <translation>Nie można zapamiętać hasła: %1</translation>
    </message>
    <message>
        <source>Make text searchable (OCR)</source>
        <translation>Umożliwij przeszukiwanie tekstu (OCR)</translation>
    </message>
    <message>
        <source>Text &amp;language:</source>
        <translation>&amp;Język tekstu:</translation>
    </message>
    <message numerus="yes">
        <source>The text of %n page(s) could not be recognised; they are in the PDF as pictures only.</source>
        <translation>
            <numerusform>Nie udało się rozpoznać tekstu na %n stronie; jest ona w pliku PDF tylko jako obraz.</numerusform>
            <numerusform>Nie udało się rozpoznać tekstu na %n stronach; są one w pliku PDF tylko jako obrazy.</numerusform>
            <numerusform>Nie udało się rozpoznać tekstu na %n stronach; są one w pliku PDF tylko jako obrazy.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportFileDlg</name>
    <message>
        <source>Export to image list</source>
        <translation>Eksport do plików obrazów</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Save to &amp;Folder:</source>
        <translation>Zapisz do &amp;folderu:</translation>
    </message>
    <message>
        <source>Image Format:</source>
        <translation>Format obrazu:</translation>
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
        <translation>Jakość:</translation>
    </message>
    <message>
        <source>File Prefix:</source>
        <translation>Przedrostek nazwy pliku:</translation>
    </message>
    <message>
        <source>Counter [C]</source>
        <translation>Licznik [C]</translation>
    </message>
    <message>
        <source>Date [D]</source>
        <translation>Data [D]</translation>
    </message>
    <message>
        <source>&amp;Open folder after creation</source>
        <translation>&amp;Otwórz folder po zakończeniu</translation>
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
        <source>Folder %1 isn&apos;t exists.</source>
        <translation>Folder %1 nie istnieje.</translation>
    </message>
</context>
<context>
    <name>ExportWordDlg</name>
    <message>
        <source>Export to Microsoft Word</source>
        <translation>Eksport do Microsoft Word</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation>Zapisz do pliku:</translation>
    </message>
    <message>
        <source>Microsoft Word File (*.docx)</source>
        <translation>Plik Microsoft Word (*.docx)</translation>
    </message>
    <message>
        <source>&amp;Open Word document after creation</source>
        <translation>&amp;Otwórz dokument Worda po utworzeniu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>EzPrevScan</name>
    <message>
        <source>Scanning...</source>
        <translation>Skanowanie...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>FlipWidget</name>
    <message>
        <source>Rotate:</source>
        <translation>Obracanie:</translation>
    </message>
    <message>
        <source>Don&apos;t rotate</source>
        <translation>Nie obracaj</translation>
    </message>
    <message>
        <source>Each page</source>
        <translation>Wszystkie strony</translation>
    </message>
    <message>
        <source>Every odd page (1, 3, 5...)</source>
        <translation>Strony nieparzyste (1, 3, 5...)</translation>
    </message>
    <message>
        <source>Every even page (2, 4, 6...)</source>
        <translation>Strony parzyste (2, 4, 6...)</translation>
    </message>
    <message>
        <source>Rotate Angle:</source>
        <translation>Kąt obrotu:</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Odwróć</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Obróć w lewo</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Obróć w prawo</translation>
    </message>
</context>
<context>
    <name>ImageEditor</name>
    <message>
        <source>Restore Source Image</source>
        <translation>Przywróć obraz źródłowy</translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation>Automatyczne przycinanie</translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation>Podziel rozkładówkę książki na dwie strony</translation>
    </message>
    <message>
        <source>Crop this image</source>
        <translation>Przytnij ten obraz</translation>
    </message>
    <message>
        <source>Adjust contrast</source>
        <translation>Dostosuj kontrast</translation>
    </message>
    <message>
        <source>Rescan this page</source>
        <translation>Zeskanuj ponownie tę stronę</translation>
    </message>
    <message>
        <source>Save this page as the image</source>
        <translation>Zapisz tę stronę jako obraz</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Obróć w lewo</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Obróć w prawo</translation>
    </message>
    <message>
        <source>Flip this page</source>
        <translation>Odwróć tę stronę</translation>
    </message>
    <message>
        <source>Delete this page</source>
        <translation>Usuń tę stronę</translation>
    </message>
</context>
<context>
    <name>ImageExportCommand</name>
    <message>
        <source>
       vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...   (each page an image file; P: &quot;[C]&quot; page counter, &quot;[D]&quot; date; default IMAGE_[C], jpg, quality 85)</source>
        <translation>
        vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...   (każda strona jako osobny plik obrazu; P: &quot;[C]&quot; licznik stron, &quot;[D]&quot; data; domyślnie IMAGE_[C], jpg, jakość 85)</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 wymaga podania folderu</translation>
    </message>
    <message>
        <source>--format takes jpg, tiff, png or bmp</source>
        <translation>--format przyjmuje wartości jpg, tiff, png lub bmp</translation>
    </message>
    <message>
        <source>--quality takes a number from 0 to 100</source>
        <translation>--quality przyjmuje liczbę od 0 do 100</translation>
    </message>
    <message>
        <source>--pattern needs a file name pattern</source>
        <translation>--pattern wymaga wzorca nazwy pliku</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>no target folder (-o DIR)</source>
        <translation>brak folderu docelowego (-o DIR)</translation>
    </message>
    <message>
        <source>no page files</source>
        <translation>brak plików stron</translation>
    </message>
    <message>
        <source>wrote %1</source>
        <translation>zapisano %1</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>niepowodzenie %1: %2</translation>
    </message>
</context>
<context>
    <name>ImageExporter</name>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>Folder %1 isn&apos;t exists.</source>
        <translation>Folder %1 nie istnieje.</translation>
    </message>
    <message>
        <source>Files keep appearing under the name.</source>
        <translation>Pod tą nazwą wciąż pojawiają się nowe pliki.</translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1: %2</source>
        <translation>Nie można zapisać obrazu w %1: %2</translation>
    </message>
    <message>
        <source>no image format for this file name</source>
        <translation>brak formatu obrazu dla tej nazwy pliku</translation>
    </message>
</context>
<context>
    <name>ImgProgress</name>
    <message>
        <source>Creating images.</source>
        <translation>Tworzenie obrazów.</translation>
    </message>
    <message>
        <source>Writting images.</source>
        <translation>Zapisywanie obrazów.</translation>
    </message>
</context>
<context>
    <name>IntroPage</name>
    <message>
        <source>Automatic Scanning</source>
        <translation>Skanowanie automatyczne</translation>
    </message>
    <message>
        <source>Document Scanning</source>
        <translation>Skanowanie dokumentu</translation>
    </message>
    <message>
        <source>&lt;b&gt;Vellumo&lt;/b&gt; will automatically run a scan after a specified time interval.</source>
        <translation>&lt;b&gt;Vellumo&lt;/b&gt; będzie automatycznie uruchamiać skanowanie po upływie określonego czasu.</translation>
    </message>
    <message>
        <source>Select the time interval in seconds:</source>
        <translation>Wybierz odstęp czasu w sekundach:</translation>
    </message>
    <message>
        <source>Scan first page now (don&apos;t wait)</source>
        <translation>Zeskanuj pierwszą stronę od razu (bez czekania)</translation>
    </message>
    <message>
        <source>Split the book spreak into two pages</source>
        <translation>Podziel rozkładówkę książki na dwie strony</translation>
    </message>
</context>
<context>
    <name>KSlabWidget</name>
    <message>
        <source>Page</source>
        <translation>Strona</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vellumo - Automatic Scan to PDF, DjVu, JPEG, TIFF, BMP, PNG</source>
        <translation>Vellumo – automatyczne skanowanie do PDF, DjVu, JPEG, TIFF, BMP, PNG</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Page count:</source>
        <translation>Liczba stron:</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Zaznaczone:</translation>
    </message>
    <message>
        <source>Scale: </source>
        <translation>Skala: </translation>
    </message>
    <message>
        <source>Keep scale</source>
        <translation>Zachowaj skalę</translation>
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
        <translation>0x0 cm</translation>
    </message>
    <message>
        <source>%1 DPI</source>
        <translation>%1 DPI</translation>
    </message>
    <message>
        <source>%1 x %2 cm</source>
        <translation>%1 x %2 cm</translation>
    </message>
    <message>
        <source>Load &amp;PDF</source>
        <translation>Wczytaj PD&amp;F</translation>
    </message>
    <message>
        <source>&amp;Open Project...</source>
        <translation>&amp;Otwórz projekt...</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Otwórz obraz</translation>
    </message>
    <message>
        <source>All Image Files (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Bitmaps (*.bmp);;TIFF Image File (*.tiff *.tif);;JPEG Image File (*.jpeg *.jpg);;PNG Image File (*.png);;</source>
        <translation>Wszystkie pliki obrazów (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Mapy bitowe (*.bmp);;Obraz TIFF (*.tiff *.tif);;Obraz JPEG (*.jpeg *.jpg);;Obraz PNG (*.png);;</translation>
    </message>
    <message>
        <source>Do you want to remove %1 checked pages from the document?</source>
        <translation>Czy usunąć z dokumentu zaznaczone strony (liczba: %1)?</translation>
    </message>
    <message>
        <source>Do you want to remove the page?</source>
        <translation>Czy usunąć stronę?</translation>
    </message>
    <message>
        <source>Do you want to remove all checked pages from the document?</source>
        <translation>Czy usunąć z dokumentu wszystkie zaznaczone strony?</translation>
    </message>
    <message>
        <source>Do you want to remove all unchecked pages from the document?</source>
        <translation>Czy usunąć z dokumentu wszystkie niezaznaczone strony?</translation>
    </message>
    <message>
        <source>Do you want to remove all pages but current from the document?</source>
        <translation>Czy usunąć z dokumentu wszystkie strony oprócz bieżącej?</translation>
    </message>
    <message>
        <source>Do you want to remove all pages from the document?</source>
        <translation>Czy usunąć z dokumentu wszystkie strony?</translation>
    </message>
    <message>
        <source>&amp;Scan &amp;&amp; PDF</source>
        <translation>&amp;Skanowanie &amp;&amp; PDF</translation>
    </message>
    <message>
        <source>&amp;Editing</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Composition</source>
        <translation>&amp;Organizacja</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Informacje</translation>
    </message>
    <message>
        <source>Fast &amp;Settings</source>
        <translation>Szybkie &amp;ustawienia</translation>
    </message>
    <message>
        <source>&amp;Scanning</source>
        <translation>&amp;Skanowanie</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Eksport</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>&amp;Obrót</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Powiększenie</translation>
    </message>
    <message>
        <source>&amp;Correction</source>
        <translation>&amp;Korekcja</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>P&amp;rzenoszenie</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Usuwanie</translation>
    </message>
    <message>
        <source>&amp;Checking</source>
        <translation>&amp;Zaznaczanie</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Skaner:</translation>
    </message>
    <message>
        <source>Color Mode:</source>
        <translation>Tryb kolorów:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Jakość:</translation>
    </message>
    <message>
        <source>Select Scanner</source>
        <translation>Wybierz skaner</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Tryb kolorów</translation>
    </message>
    <message>
        <source>Scan Quality</source>
        <translation>Jakość skanowania</translation>
    </message>
    <message>
        <source>Black-White</source>
        <translation>Czarno-biały</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Odcienie szarości</translation>
    </message>
    <message>
        <source>Photo Color</source>
        <translation>Kolorowy (fotografia)</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Średnia</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Dobra</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Wysoka</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>Change the application settings.</source>
        <translation>Zmień ustawienia programu.</translation>
    </message>
    <message>
        <source>Scan &amp;Page</source>
        <translation>&amp;Zeskanuj stronę</translation>
    </message>
    <message>
        <source>Scan whole page. Press Space to start scanning.</source>
        <translation>Zeskanuj całą stronę. Naciśnij Spację, aby rozpocząć skanowanie.</translation>
    </message>
    <message>
        <source>&amp;Auto Scan</source>
        <translation>Skanowanie &amp;automatyczne</translation>
    </message>
    <message>
        <source>Scan a document or a book in automatic mode.</source>
        <translation>Zeskanuj dokument lub książkę w trybie automatycznym.</translation>
    </message>
    <message>
        <source>From &amp;File</source>
        <translation>Z &amp;pliku</translation>
    </message>
    <message>
        <source>Load an image from a file.</source>
        <translation>Wczytaj obraz z pliku.</translation>
    </message>
    <message>
        <source>Extract images from PDF file.</source>
        <translation>Wyodrębnij obrazy z pliku PDF.</translation>
    </message>
    <message>
        <source>Build PDF &amp;Document</source>
        <translation>Utwórz &amp;dokument PDF</translation>
    </message>
    <message>
        <source>Build the PDF document from scanned pages.</source>
        <translation>Utwórz dokument PDF z zeskanowanych stron.</translation>
    </message>
    <message>
        <source>Build DjVu &amp;File</source>
        <translation>Utwórz plik D&amp;jVu</translation>
    </message>
    <message>
        <source>Build the DjVu file from scanned pages.</source>
        <translation>Utwórz plik DjVu z zeskanowanych stron.</translation>
    </message>
    <message>
        <source>Build &amp;Word Document</source>
        <translation>Utwórz dokument &amp;Word</translation>
    </message>
    <message>
        <source>Build the MS Word (docx) document from scanned pages.</source>
        <translation>Utwórz dokument MS Word (docx) z zeskanowanych stron.</translation>
    </message>
    <message>
        <source>Save &amp;As Pictures</source>
        <translation>Zapisz jako o&amp;brazy</translation>
    </message>
    <message>
        <source>Save scanned pages to folder.</source>
        <translation>Zapisz zeskanowane strony w folderze.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Dru&amp;kuj</translation>
    </message>
    <message>
        <source>Print scanned pages.</source>
        <translation>Drukuj zeskanowane strony.</translation>
    </message>
    <message>
        <source>Turn &amp;Left</source>
        <translation>Obróć w &amp;lewo</translation>
    </message>
    <message>
        <source>Rotate Image Left</source>
        <translation>Obróć obraz w lewo</translation>
    </message>
    <message>
        <source>&amp;Turn Right</source>
        <translation>Obróć w &amp;prawo</translation>
    </message>
    <message>
        <source>Rotate Image Right</source>
        <translation>Obróć obraz w prawo</translation>
    </message>
    <message>
        <source>&amp;Flip Image</source>
        <translation>Odwróć o&amp;braz</translation>
    </message>
    <message>
        <source>Flip the Image</source>
        <translation>Odwróć obraz</translation>
    </message>
    <message>
        <source>&amp;Rotate to Angle</source>
        <translation>Obróć o &amp;kąt</translation>
    </message>
    <message>
        <source>Rotate Image to Angle</source>
        <translation>Obróć obraz o zadany kąt</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Po&amp;większ</translation>
    </message>
    <message>
        <source>Zoom Image In</source>
        <translation>Powiększ obraz</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Po&amp;mniejsz</translation>
    </message>
    <message>
        <source>Zoom Image Out</source>
        <translation>Pomniejsz obraz</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>&amp;Dopasuj do okna</translation>
    </message>
    <message>
        <source>Fit Image to Window</source>
        <translation>Dopasuj obraz do okna</translation>
    </message>
    <message>
        <source>&amp;Crop Image</source>
        <translation>P&amp;rzytnij obraz</translation>
    </message>
    <message>
        <source>Show Frame to Crop Image</source>
        <translation>Pokaż ramkę przycinania obrazu</translation>
    </message>
    <message>
        <source>&amp;Image Contrast</source>
        <translation>Kon&amp;trast obrazu</translation>
    </message>
    <message>
        <source>Adjust Brightness</source>
        <translation>Dostosuj jasność</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Przesuń w &amp;górę</translation>
    </message>
    <message>
        <source>Move up current page in the list.</source>
        <translation>Przesuń bieżącą stronę w górę listy.</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Przesuń w &amp;dół</translation>
    </message>
    <message>
        <source>Move down current page in the list.</source>
        <translation>Przesuń bieżącą stronę w dół listy.</translation>
    </message>
    <message>
        <source>Move to &amp;Top</source>
        <translation>Przesuń na &amp;początek</translation>
    </message>
    <message>
        <source>Move current page to top of the list.</source>
        <translation>Przesuń bieżącą stronę na początek listy.</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation>Przesuń na &amp;koniec</translation>
    </message>
    <message>
        <source>Move current page to bottom of the list.</source>
        <translation>Przesuń bieżącą stronę na koniec listy.</translation>
    </message>
    <message>
        <source>Move to &amp;Position</source>
        <translation>Przesuń na po&amp;zycję</translation>
    </message>
    <message>
        <source>Move current page to position.</source>
        <translation>Przesuń bieżącą stronę na wybraną pozycję.</translation>
    </message>
    <message>
        <source>&amp;Remove Page</source>
        <translation>&amp;Usuń stronę</translation>
    </message>
    <message>
        <source>Delete current page from the list.</source>
        <translation>Usuń bieżącą stronę z listy.</translation>
    </message>
    <message>
        <source>&amp;Check All</source>
        <translation>Zaznacz &amp;wszystkie</translation>
    </message>
    <message>
        <source>Check all pages in the project.</source>
        <translation>Zaznacz wszystkie strony w projekcie.</translation>
    </message>
    <message>
        <source>&amp;Uncheck All</source>
        <translation>Odz&amp;nacz wszystkie</translation>
    </message>
    <message>
        <source>Uncheck all pages in the project.</source>
        <translation>Odznacz wszystkie strony w projekcie.</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>&amp;Witryna internetowa</translation>
    </message>
    <message>
        <source>Go to the Vellumo homepage</source>
        <translation>Przejdź do strony domowej Vellumo</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>O p&amp;rogramie</translation>
    </message>
    <message>
        <source>About Software</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Check &amp;Updates</source>
        <translation>Sprawdź &amp;aktualizacje</translation>
    </message>
    <message>
        <source>Check for updates in Internet.</source>
        <translation>Sprawdź dostępność aktualizacji w Internecie.</translation>
    </message>
    <message>
        <source>&amp;Vellumo</source>
        <translation>&amp;Vellumo</translation>
    </message>
    <message>
        <source>Click here to save a project, &lt;br/&gt; open an existing project&lt;br/&gt; or start a new project.</source>
        <translation>Kliknij tutaj, aby zapisać projekt, &lt;br/&gt; otworzyć istniejący projekt&lt;br/&gt; lub rozpocząć nowy projekt.</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Nowy projekt</translation>
    </message>
    <message>
        <source>Starts a new project</source>
        <translation>Rozpoczyna nowy projekt</translation>
    </message>
    <message>
        <source>Open an existing project</source>
        <translation>Otwiera istniejący projekt</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>&amp;Zapisz projekt</translation>
    </message>
    <message>
        <source>Save the current project</source>
        <translation>Zapisuje bieżący projekt</translation>
    </message>
    <message>
        <source>&amp;Recover Project</source>
        <translation>&amp;Przywróć projekt</translation>
    </message>
    <message>
        <source>Recover the auto-saved project</source>
        <translation>Przywraca automatycznie zapisany projekt</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Close the application</source>
        <translation>Zamyka program</translation>
    </message>
    <message>
        <source>Crop Mode</source>
        <translation>Tryb przycinania</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Zatwierdź</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation>Automatyczne przycinanie</translation>
    </message>
    <message>
        <source>Rotate Mode</source>
        <translation>Tryb obracania</translation>
    </message>
    <message>
        <source> deg.</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Rotating...</source>
        <translation>Obracanie...</translation>
    </message>
    <message>
        <source>Vellumo Project (*.vlmpj)</source>
        <translation>Projekt Vellumo (*.vlmpj)</translation>
    </message>
    <message>
        <source>The current project is not saved yet. Do you want to save it?</source>
        <translation>Bieżący projekt nie został jeszcze zapisany. Czy zapisać go teraz?</translation>
    </message>
    <message>
        <source>The current project has been changed. Do you want to save it?</source>
        <translation>Bieżący projekt został zmieniony. Czy zapisać zmiany?</translation>
    </message>
    <message>
        <source>New project has been begun.</source>
        <translation>Rozpoczęto nowy projekt.</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Otwórz projekt</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>Otwieranie...</translation>
    </message>
    <message>
        <source>Empty project. Scan a document before the saving.</source>
        <translation>Projekt jest pusty. Przed zapisaniem zeskanuj dokument.</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Zapisz projekt</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Zapisywanie...</translation>
    </message>
    <message>
        <source>Can&apos;t save the project to %1.&lt;br&gt;%2</source>
        <translation>Nie można zapisać projektu w %1.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Project has been saved.</source>
        <translation>Projekt został zapisany.</translation>
    </message>
    <message>
        <source>Auto saved project has been recovered.</source>
        <translation>Przywrócono automatycznie zapisany projekt.</translation>
    </message>
    <message>
        <source>There are no files to recover.</source>
        <translation>Brak plików do przywrócenia.</translation>
    </message>
    <message>
        <source>Vellumo found %1 pages of an earlier session in its working folder.&lt;br&gt;Do you want to recover them now?</source>
        <translation>W folderze roboczym programu Vellumo znaleziono strony z poprzedniej sesji (liczba: %1).&lt;br&gt;Czy przywrócić je teraz?</translation>
    </message>
    <message>
        <source>Scanners not found.&lt;br&gt;Please plug a scanner.</source>
        <translation>Nie znaleziono skanerów.&lt;br&gt;Podłącz skaner.</translation>
    </message>
    <message>
        <source>Auto cropping...</source>
        <translation>Automatyczne przycinanie...</translation>
    </message>
    <message>
        <source>Scanning has cancelled.</source>
        <translation>Anulowano skanowanie.</translation>
    </message>
    <message>
        <source>PDF file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Utworzono plik PDF.&lt;br&gt;Otwórz &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Word file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Utworzono plik Worda.&lt;br&gt;Otwórz &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while Word file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Błąd podczas tworzenia pliku Worda.&lt;br&gt;Nie można zapisać pliku %1. Prawdopodobnie plik jest otwarty lub brak uprawnień do zapisu w folderze.</translation>
    </message>
    <message>
        <source>DjVu file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Utworzono plik DjVu.&lt;br&gt;Otwórz &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while DjVu file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Błąd podczas tworzenia pliku DjVu.&lt;br&gt;Nie można zapisać pliku %1. Prawdopodobnie plik jest otwarty lub brak uprawnień do zapisu w folderze.</translation>
    </message>
    <message>
        <source>Images was saved.&lt;br&gt;Open folder &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Zapisano obrazy.&lt;br&gt;Otwórz folder &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while Image file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened.</source>
        <translation>Błąd podczas tworzenia pliku obrazu.&lt;br&gt;Nie można zapisać pliku %1. Prawdopodobnie plik jest otwarty.</translation>
    </message>
    <message>
        <source>Can&apos;t save the page %1.</source>
        <translation>Nie można zapisać strony %1.</translation>
    </message>
    <message>
        <source>Error while PDF file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Błąd podczas tworzenia pliku PDF.&lt;br&gt;Nie można zapisać pliku %1. Prawdopodobnie plik jest otwarty lub brak uprawnień do zapisu w folderze.</translation>
    </message>
    <message>
        <source>Can&apos;t split the scanned page. It has been kept as one page.</source>
        <translation>Nie można podzielić zeskanowanej strony. Została zachowana jako jedna strona.</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Zapisz obraz</translation>
    </message>
    <message>
        <source>JPEG file (*.jpg);;TIFF file (*.tiff);;BMP file (*.bmp);;PNG file (*.png)</source>
        <translation>Plik JPEG (*.jpg);;Plik TIFF (*.tiff);;Plik BMP (*.bmp);;Plik PNG (*.png)</translation>
    </message>
    <message>
        <source>The page has been saved to %1.</source>
        <translation>Zapisano stronę w %1.</translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1.</source>
        <translation>Nie można zapisać obrazu w %1.</translation>
    </message>
    <message>
        <source>Extract images from PDF</source>
        <translation>Wyodrębnij obrazy z PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Plik PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Can&apos;t open file %1.</source>
        <translation>Nie można otworzyć pliku %1.</translation>
    </message>
    <message>
        <source>Can&apos;t crop the page.</source>
        <translation>Nie można przyciąć strony.</translation>
    </message>
    <message>
        <source>Can&apos;t crop the pages %1.</source>
        <translation>Nie można przyciąć stron %1.</translation>
    </message>
    <message>
        <source>Splitting...</source>
        <translation>Dzielenie...</translation>
    </message>
    <message>
        <source>Can&apos;t split the page.</source>
        <translation>Nie można podzielić strony.</translation>
    </message>
    <message>
        <source>Can&apos;t split the pages %1.</source>
        <translation>Nie można podzielić stron %1.</translation>
    </message>
    <message>
        <source>Can&apos;t open the project %1.&lt;br&gt;%2</source>
        <translation>Nie można otworzyć projektu %1.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Some pages of the project %1 could not be unpacked.</source>
        <translation>Nie udało się rozpakować niektórych stron projektu %1.</translation>
    </message>
    <message>
        <source>Some entries of the project %1 were left out: %2</source>
        <translation>Pominięto niektóre elementy projektu %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The %n page(s) scanned so far have been kept.</source>
        <translation>
            <numerusform>Zachowano %n zeskanowaną dotąd stronę.</numerusform>
            <numerusform>Zachowano %n zeskanowane dotąd strony.</numerusform>
            <numerusform>Zachowano %n zeskanowanych dotąd stron.</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Podgląd wydruku</translation>
    </message>
    <message>
        <source>Preparing to print...</source>
        <translation>Przygotowywanie do drukowania...</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Sprawdzanie dostępności aktualizacji</translation>
    </message>
    <message>
        <source>ERROR!&lt;br&gt;Can&apos;t connect to the update server. Please check network settings.</source>
        <translation>BŁĄD!&lt;br&gt;Nie można połączyć się z serwerem aktualizacji. Sprawdź ustawienia sieci.</translation>
    </message>
    <message>
        <source>You use a latest version of Vellumo.</source>
        <translation>Używasz najnowszej wersji Vellumo.</translation>
    </message>
    <message>
        <source>Thank you for updating Vellumo.&lt;p&gt;Please close the program and run the install file.</source>
        <translation>Dziękujemy za aktualizację Vellumo.&lt;p&gt;Zamknij program i uruchom plik instalacyjny.</translation>
    </message>
    <message>
        <source>Restore Source Image</source>
        <translation>Przywróć obraz źródłowy</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Bez nazwy</translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation>Podziel rozkładówkę książki na dwie strony</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historia</translation>
    </message>
    <message>
        <source>Replace this page with a new scan?</source>
        <translation>Czy zastąpić tę stronę nowym skanem?</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Ponowne skanowanie</translation>
    </message>
    <message>
        <source>Turning pages upright...</source>
        <translation>Poprawianie orientacji stron...</translation>
    </message>
    <message>
        <source>Can&apos;t tell which way up the pages %1 are.</source>
        <translation>Nie można ustalić orientacji stron %1.</translation>
    </message>
    <message>
        <source>Pages turned upright: %1 of %2.</source>
        <translation>Obrócone strony: %1 z %2.</translation>
    </message>
    <message>
        <source>Turn &amp;Upright</source>
        <translation>Popraw &amp;orientację</translation>
    </message>
    <message>
        <source>Turn the checked pages, or this page, upright by the direction of their text</source>
        <translation>Obróć zaznaczone strony lub tę stronę zgodnie z kierunkiem tekstu</translation>
    </message>
</context>
<context>
    <name>MoveToDlg</name>
    <message>
        <source>Move Page</source>
        <translation>Przenieś stronę</translation>
    </message>
    <message>
        <source>Move page to...</source>
        <translation>Przenieś stronę na pozycję...</translation>
    </message>
    <message>
        <source>New Page Number:</source>
        <translation>Nowy numer strony:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>OcrLanguages</name>
    <message>
        <source>Turning pages upright needs Tesseract&apos;s orientation data, which is not installed. Install the package %1.</source>
        <translation>Poprawianie orientacji stron wymaga danych orientacji programu Tesseract, które nie są zainstalowane. Zainstaluj pakiet %1.</translation>
    </message>
    <message>
        <source>Text recognition in %1 needs Tesseract&apos;s data for that language, which is not installed. Install the package %2.</source>
        <translation>Rozpoznawanie tekstu (język: %1) wymaga danych programu Tesseract dla tego języka, które nie są zainstalowane. Zainstaluj pakiet %2.</translation>
    </message>
    <message>
        <source>Text recognition needs the Tesseract library, which is not installed. Install the package %1.</source>
        <translation>Rozpoznawanie tekstu wymaga biblioteki Tesseract, która nie jest zainstalowana. Zainstaluj pakiet %1.</translation>
    </message>
</context>
<context>
    <name>OfficePopupWindow</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>OptionsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>OptionsPage</name>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Here you can change the software options.</source>
        <translation>Tutaj można zmienić opcje programu.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Język:</translation>
    </message>
    <message>
        <source>&amp;Automatically check for updates</source>
        <translation>&amp;Automatycznie sprawdzaj dostępność aktualizacji</translation>
    </message>
    <message>
        <source>How to translate to your language</source>
        <translation>Jak przetłumaczyć Vellumo na swój język</translation>
    </message>
</context>
<context>
    <name>PageBatch</name>
    <message>
        <source>Can&apos;t create the folder %1.</source>
        <translation>Nie można utworzyć folderu %1.</translation>
    </message>
    <message>
        <source>Splitting %1 of %2...</source>
        <translation>Dzielenie %1 z %2...</translation>
    </message>
    <message>
        <source>Cropping %1 of %2...</source>
        <translation>Przycinanie %1 z %2...</translation>
    </message>
    <message>
        <source>Turning %1 of %2 upright...</source>
        <translation>Poprawianie orientacji %1 z %2...</translation>
    </message>
</context>
<context>
    <name>PageHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Cofnij: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>Re&amp;do %1</source>
        <translation>Pon&amp;ów: %1</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Pon&amp;ów</translation>
    </message>
</context>
<context>
    <name>PageImages</name>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: the image is empty.</source>
        <translation>Nie można zapisać %1: obraz jest pusty.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>the black-and-white image can&apos;t be compressed.</source>
        <translation>obrazu czarno-białego nie da się skompresować.</translation>
    </message>
</context>
<context>
    <name>PageImporter</name>
    <message>
        <source>Can&apos;t open file %1.</source>
        <translation>Nie można otworzyć pliku %1.</translation>
    </message>
    <message>
        <source>Drawing the pages of the PDF file.</source>
        <translation>Renderowanie stron pliku PDF.</translation>
    </message>
    <message>
        <source>Extracting images from PDF file.</source>
        <translation>Wyodrębnianie obrazów z pliku PDF.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file %1.&lt;br&gt;The image is too large: %2 x %3 pixels.</source>
        <translation>Nie można wczytać pliku %1.&lt;br&gt;Obraz jest zbyt duży: %2 x %3 pikseli.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file. Wrong file format.&lt;br&gt;%1</source>
        <translation>Nie można wczytać pliku. Nieprawidłowy format pliku.&lt;br&gt;%1</translation>
    </message>
    <message>
        <source>The file %1 is damaged: part of its picture may be missing.</source>
        <translation>Plik %1 jest uszkodzony: może brakować części obrazu.</translation>
    </message>
    <message>
        <source>Can&apos;t extract image.</source>
        <translation>Nie można wyodrębnić obrazu.</translation>
    </message>
    <message>
        <source>This PDF file doesn&apos;t contain images.</source>
        <translation>Ten plik PDF nie zawiera obrazów.</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Its pages can be drawn as images instead, at %1 dpi.</source>
        <translation>Zamiast tego można wyrenderować jego strony jako obrazy w rozdzielczości %1 DPI.</translation>
    </message>
    <message>
        <source>&amp;Draw Pages</source>
        <translation>&amp;Renderuj strony</translation>
    </message>
</context>
<context>
    <name>PageStore</name>
    <message>
        <source>The page image is empty.</source>
        <translation>Obraz strony jest pusty.</translation>
    </message>
    <message>
        <source>Can&apos;t rename %1 to %2.</source>
        <translation>Nie można zmienić nazwy %1 na %2.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation>Nie można odczytać %1.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
</context>
<context>
    <name>PdfCommandLine</name>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 wymaga podania nazwy pliku</translation>
    </message>
    <message>
        <source>--password needs a password</source>
        <translation>--password wymaga podania hasła</translation>
    </message>
    <message>
        <source>--paper takes A4, Letter or A0 to A6</source>
        <translation>--paper przyjmuje A4, Letter lub od A0 do A6</translation>
    </message>
    <message>
        <source>--orientation takes portrait or landscape</source>
        <translation>--orientation przyjmuje portrait lub landscape</translation>
    </message>
    <message>
        <source>--scale takes dpi, stretch or fit</source>
        <translation>--scale przyjmuje dpi, stretch lub fit</translation>
    </message>
    <message>
        <source>--margins takes four centimetre values: L,R,T,B</source>
        <translation>--margins przyjmuje cztery wartości w centymetrach: L,R,T,B</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>no output file (-o OUT.pdf)</source>
        <translation>brak pliku wyjściowego (-o OUT.pdf)</translation>
    </message>
    <message>
        <source>no page files</source>
        <translation>brak plików stron</translation>
    </message>
    <message>
        <source>%1 needs a text</source>
        <translation>%1 wymaga podania tekstu</translation>
    </message>
    <message>
        <source>usage: vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6] [--orientation portrait|landscape] [--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] [--author AUTHOR] [--ocr LANG[+LANG]] FILE...
       vellumo-cli check-pdf FILE|-   (exit code 0: pages can be appended to the PDF; - reads it from standard input)</source>
        <translation>Użycie: vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6] [--orientation portrait|landscape] [--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] [--author AUTHOR] [--ocr LANG[+LANG]] FILE...
        vellumo-cli check-pdf FILE|-   (kod wyjścia 0: do pliku PDF można dołączyć strony; - wczytuje go ze standardowego wejścia)</translation>
    </message>
    <message>
        <source>--ocr takes Tesseract languages such as eng or eng+deu</source>
        <translation>--ocr przyjmuje języki programu Tesseract, np. eng lub eng+deu</translation>
    </message>
</context>
<context>
    <name>PdfImport</name>
    <message>
        <source>image %1: %2</source>
        <translation>obraz %1: %2</translation>
    </message>
</context>
<context>
    <name>PdfImportSession</name>
    <message>
        <source>The password is not right.</source>
        <translation>Nieprawidłowe hasło.</translation>
    </message>
    <message>
        <source>The PDF file %1 is protected by a password.</source>
        <translation>Plik PDF %1 jest chroniony hasłem.</translation>
    </message>
</context>
<context>
    <name>PdfProgress</name>
    <message>
        <source>Creating PDF document.</source>
        <translation>Tworzenie dokumentu PDF.</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>PdfWriter</name>
    <message>
        <source>&quot;%1&quot; is not a list of text recognition languages.</source>
        <translation>„%1” nie jest listą języków rozpoznawania tekstu.</translation>
    </message>
</context>
<context>
    <name>PopupMessage</name>
    <message>
        <source>&lt;p&gt;&lt;font color=&quot;black&quot;&gt;&lt;h4&gt;&amp;nbsp;Vellumo Message&lt;/h4&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=&quot;black&quot;&gt;&lt;h4&gt;&amp;nbsp;Komunikat Vellumo&lt;/h4&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ProjectArchive</name>
    <message>
        <source>Can&apos;t create the folder %1.</source>
        <translation>Nie można utworzyć folderu %1.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation>Nie można odczytać %1.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1 into %2: %3.</source>
        <translation>Nie można zapisać %1 w %2: %3.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2.</source>
        <translation>Nie można zapisać %1: %2.</translation>
    </message>
    <message>
        <source>Its entries overlap: the file is damaged.</source>
        <translation>Wpisy archiwum nakładają się na siebie: plik jest uszkodzony.</translation>
    </message>
    <message>
        <source>not a page file</source>
        <translation>to nie jest plik strony</translation>
    </message>
    <message>
        <source>a second entry of that name</source>
        <translation>drugi wpis o tej samej nazwie</translation>
    </message>
    <message>
        <source>encrypted</source>
        <translation>zaszyfrowany</translation>
    </message>
    <message>
        <source>unknown compression</source>
        <translation>nieznana metoda kompresji</translation>
    </message>
    <message>
        <source>larger than any page</source>
        <translation>większy niż jakakolwiek strona</translation>
    </message>
    <message>
        <source>There is not enough free disk space for %1.</source>
        <translation>Za mało wolnego miejsca na dysku dla %1.</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nieczytelny</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>uszkodzony</translation>
    </message>
    <message>
        <source>not an image</source>
        <translation>to nie jest obraz</translation>
    </message>
    <message>
        <source>It holds no pages.</source>
        <translation>Nie zawiera żadnych stron.</translation>
    </message>
</context>
<context>
    <name>PropertyModel</name>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Skaner</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Rozdzielczość</translation>
    </message>
    <message>
        <source>Cropping</source>
        <translation>Przycinanie</translation>
    </message>
</context>
<context>
    <name>PropertyPage</name>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
</context>
<context>
    <name>RibbonSliderPane</name>
    <message>
        <source>Increase</source>
        <translation>Zwiększ</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Zmniejsz</translation>
    </message>
</context>
<context>
    <name>ScanPage</name>
    <message>
        <source>Scanning in progress</source>
        <translation>Trwa skanowanie</translation>
    </message>
    <message>
        <source>Scanned page will be added to the list</source>
        <translation>Zeskanowana strona zostanie dodana do listy</translation>
    </message>
    <message>
        <source>Scanning in progress. Do not open scanner cover.</source>
        <translation>Trwa skanowanie. Nie otwieraj pokrywy skanera.</translation>
    </message>
</context>
<context>
    <name>ScanPreviewDlg</name>
    <message>
        <source>Scan Preview</source>
        <translation>Podgląd skanowania</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Skanuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>ScanResPage</name>
    <message>
        <source>Resolution</source>
        <translation>Rozdzielczość</translation>
    </message>
    <message>
        <source>You can change the scanning resolution for each of the modes. The higher the scanning resolution, the better the image quality, but it reduces the scanning speed.</source>
        <translation>Tutaj można zmienić rozdzielczość skanowania dla każdego z trybów. Im wyższa rozdzielczość, tym lepsza jakość obrazu, ale tym wolniejsze skanowanie.</translation>
    </message>
    <message>
        <source>Middle:</source>
        <translation>Średnia:</translation>
    </message>
    <message>
        <source>Good:</source>
        <translation>Dobra:</translation>
    </message>
    <message>
        <source>High:</source>
        <translation>Wysoka:</translation>
    </message>
    <message>
        <source>dpi</source>
        <translation>DPI</translation>
    </message>
</context>
<context>
    <name>ScannerPage</name>
    <message>
        <source>Scanner</source>
        <translation>Skaner</translation>
    </message>
    <message>
        <source>You can change the scan options and select or deselect the document feeder.</source>
        <translation>Tutaj można zmienić opcje skanowania oraz włączyć lub wyłączyć podajnik dokumentów.</translation>
    </message>
    <message>
        <source>Paper Source:</source>
        <translation>Źródło papieru:</translation>
    </message>
    <message>
        <source>Flatbed (platen)</source>
        <translation>Skaner płaski (szyba)</translation>
    </message>
    <message>
        <source>Automatic Feeder (ADF)</source>
        <translation>Automatyczny podajnik dokumentów (ADF)</translation>
    </message>
    <message>
        <source>Acquire:</source>
        <translation>Pobieranie:</translation>
    </message>
    <message>
        <source>One image</source>
        <translation>Jeden obraz</translation>
    </message>
    <message>
        <source>All available images</source>
        <translation>Wszystkie dostępne obrazy</translation>
    </message>
    <message>
        <source>Automatic &amp;deskewing of scanned pages</source>
        <translation>Automatyczne p&amp;rostowanie zeskanowanych stron</translation>
    </message>
    <message>
        <source>Automatic &amp;cropping of scanned pages</source>
        <translation>Automatyczne przy&amp;cinanie zeskanowanych stron</translation>
    </message>
    <message>
        <source>Automatic c&amp;ontrast adjustment of scanned pages</source>
        <translation>Automatyczna regulacja k&amp;ontrastu zeskanowanych stron</translation>
    </message>
    <message>
        <source>Scan with &amp;preview</source>
        <translation>Skanuj z &amp;podglądem</translation>
    </message>
    <message>
        <source>Turn pages upright automatically</source>
        <translation>Automatyczne poprawianie orientacji zeskanowanych stron</translation>
    </message>
</context>
<context>
    <name>SelectFileWidget</name>
    <message>
        <source>Open existing PDF</source>
        <translation>Otwórz istniejący plik PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Plik PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>SelectFolderWidget</name>
    <message>
        <source>Select a folder</source>
        <translation>Wybierz folder</translation>
    </message>
</context>
<context>
    <name>SelectSaveFileWidget</name>
    <message>
        <source>Save file</source>
        <translation>Zapisz plik</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Copyright &amp;copy; 2026 Leafkin. All rights reserved. &lt;a href=&quot;http://%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Copyright &amp;copy; 2026 Leafkin. Wszelkie prawa zastrzeżone. &lt;a href=&quot;http://%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Vellumo is already running.&lt;br&gt;Only one copy of Vellumo can work with the pages at a time; please switch to the open window.</source>
        <translation>Program Vellumo jest już uruchomiony.&lt;br&gt;Ze stronami może jednocześnie pracować tylko jedna kopia programu Vellumo; przełącz się do otwartego okna.</translation>
    </message>
    <message>
        <source>Critical error</source>
        <translation>Błąd krytyczny</translation>
    </message>
    <message>
        <source>Can&apos;t start application.</source>
        <translation>Nie można uruchomić programu.</translation>
    </message>
</context>
<context>
    <name>TimerPage</name>
    <message>
        <source>Scan &amp;Now &gt;</source>
        <translation>Skanuj &amp;teraz &gt;</translation>
    </message>
    <message>
        <source>&amp;Resume Timer</source>
        <translation>&amp;Wznów odliczanie</translation>
    </message>
    <message>
        <source>&amp;Stop Timer</source>
        <translation>&amp;Zatrzymaj odliczanie</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Oczekiwanie</translation>
    </message>
    <message>
        <source>Next scan will begin soon. Change page in the scanner.&lt;br&gt;Press &lt;b&gt;SPACE&lt;/b&gt; to pause timer. Press &lt;b&gt;ENTER&lt;/b&gt; to run Scan Now.</source>
        <translation>Następne skanowanie wkrótce się rozpocznie. Zmień stronę w skanerze.&lt;br&gt;Naciśnij &lt;b&gt;SPACJĘ&lt;/b&gt;, aby wstrzymać odliczanie. Naciśnij &lt;b&gt;ENTER&lt;/b&gt;, aby od razu zeskanować stronę.</translation>
    </message>
</context>
<context>
    <name>ToolLocator</name>
    <message>
        <source>%1 was not found. Vellumo looked for it in %2 and on the PATH; please reinstall Vellumo.</source>
        <translation>Nie znaleziono programu %1. Szukano go w %2 oraz w ścieżce PATH; zainstaluj ponownie Vellumo.</translation>
    </message>
</context>
<context>
    <name>UpdateDlg</name>
    <message>
        <source>Vellumo Updates</source>
        <translation>Aktualizacje Vellumo</translation>
    </message>
    <message>
        <source>There are new version of Vellumo</source>
        <translation>Dostępna jest nowa wersja Vellumo</translation>
    </message>
    <message>
        <source>Current Version: %1</source>
        <translation>Zainstalowana wersja: %1</translation>
    </message>
    <message>
        <source>New Version: %1&lt;p&gt;Download: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;</source>
        <translation>Nowa wersja: %1&lt;p&gt;Pobierz: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Pobierz</translation>
    </message>
</context>
<context>
    <name>WaitingDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>WordProgress</name>
    <message>
        <source>Creating MS Word document.</source>
        <translation>Tworzenie dokumentu MS Word.</translation>
    </message>
    <message>
        <source>Writting MS Word document.</source>
        <translation>Zapisywanie dokumentu MS Word.</translation>
    </message>
</context>
<context>
    <name>ZipWriter</name>
    <message>
        <source>Can&apos;t compress %1.</source>
        <translation>Nie można skompresować %1.</translation>
    </message>
    <message>
        <source>%1 is too large for a project.</source>
        <translation>Plik %1 jest zbyt duży dla projektu.</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>nie udało się zapisać pliku</translation>
    </message>
</context>
<context>
    <name>vellumo-cli</name>
    <message>
        <source>
       vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   (the page images of a PDF into DIR as 0001.jpg, 0002.tiff, 0003.png, ...)
       vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR FILE.pdf   (the pages of a PDF drawn into DIR as 0001.png, ...)</source>
        <translation>
        vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   (obrazy stron pliku PDF zapisywane w DIR jako 0001.jpg, 0002.tiff, 0003.png, ...)
        vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR FILE.pdf   (strony pliku PDF wyrenderowane do DIR jako 0001.png, ...)</translation>
    </message>
</context>
</TS>
