<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>BrightnessDlg</name>
    <message>
        <source>Brightness / Contrast</source>
        <translation>Fényerő és kontraszt</translation>
    </message>
    <message>
        <source>Source Image</source>
        <translation>Eredeti kép</translation>
    </message>
    <message>
        <source>Destination Image</source>
        <translation>Eredmény</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1</source>
        <translation>ismeretlen kapcsoló: %1</translation>
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
        <translation>Használat: vellumo [OPTION...] [FILE...]
Papíralapú dokumentumok beolvasása és mentése PDF-, DjVu-, Word- vagy képfájlként.

A fájlok úgy nyílnak meg, mintha az ablakra húzták volna őket: a projekt (.vlmpj) lecseréli a
megnyitott dokumentumot, a képek és a PDF-fájlok képei pedig oldalként adódnak hozzá. Ha a
Vellumo már fut, a fájlok az ablakában nyílnak meg.

Kapcsolók:
  -h, --help        ezen súgó megjelenítése és kilépés
  -v, --version     a verzió megjelenítése és kilépés
      --demo-scanner  a SANE teszteszközének használata a talált lapolvasók helyett
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
        <translation>Automatikus körbevágás</translation>
    </message>
    <message>
        <source>You can set the auto cropping settings.</source>
        <translation>Itt adhatók meg az automatikus körbevágás beállításai.</translation>
    </message>
    <message>
        <source>Insert Margins</source>
        <translation>Margók hozzáadása</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Bal</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Felső</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Jobb</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Alsó</translation>
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
        <translation>nem olyan kép, amelyet a Vellumo be tud olvasni (%1)</translation>
    </message>
    <message>
        <source>its copy %1 could not be written (%2)</source>
        <translation>a(z) %1 másolat nem írható (%2)</translation>
    </message>
    <message>
        <source>Page %1 (%2) was not encoded: %3</source>
        <translation>A(z) %1. oldal (%2) kódolása sikertelen: %3</translation>
    </message>
    <message>
        <source>%1 did not finish within %2 s</source>
        <translation>a(z) %1 nem fejeződött be %2 másodperc alatt</translation>
    </message>
    <message>
        <source>%1 could not be started (%2)</source>
        <translation>a(z) %1 nem indítható el (%2)</translation>
    </message>
    <message>
        <source>%1 crashed</source>
        <translation>a(z) %1 összeomlott</translation>
    </message>
    <message>
        <source>%1 ended with exit code %2</source>
        <translation>a(z) %1 %2 kilépési kóddal fejeződött be</translation>
    </message>
    <message>
        <source>%1 wrote nothing</source>
        <translation>a(z) %1 nem írt semmit</translation>
    </message>
    <message>
        <source>%1 failed (%2)</source>
        <translation>a(z) %1 hibát jelzett (%2)</translation>
    </message>
    <message>
        <source>Can&apos;t read page %1 (%2): %3</source>
        <translation>A(z) %1. oldal (%2) nem olvasható: %3</translation>
    </message>
    <message>
        <source>None of the page files exists; %1 was not written.</source>
        <translation>Egyik oldalfájl sem létezik; a(z) %1 nem lett kiírva.</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation>Nem hozható létre ideiglenes mappa itt: %1: %2</translation>
    </message>
    <message>
        <source>The pages could not be combined into %1: %2</source>
        <translation>Az oldalak nem egyesíthetők ebbe: %1: %2</translation>
    </message>
    <message>
        <source>The combined document %1 could not be read back: %2</source>
        <translation>Az egyesített dokumentum (%1) nem olvasható vissza: %2</translation>
    </message>
    <message>
        <source>The combined document holds %1 of its %2 pages; %3 was not written.</source>
        <translation>Az egyesített dokumentum %2 oldalából csak %1 található meg benne; a(z) %3 nem lett kiírva.</translation>
    </message>
    <message>
        <source>Page %1 is missing: %2</source>
        <translation>A(z) %1. oldal hiányzik: %2</translation>
    </message>
</context>
<context>
    <name>DjvuProgress</name>
    <message>
        <source>Creating DjVu file.</source>
        <translation>DjVu-fájl létrehozása.</translation>
    </message>
    <message>
        <source>Writting DjVu file.</source>
        <translation>DjVu-fájl írása.</translation>
    </message>
</context>
<context>
    <name>DocGenerator</name>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Nem írható: %1: %2</translation>
    </message>
    <message>
        <source>The document %1 was written, but the temporary folder %2 could not be removed.</source>
        <translation>A(z) %1 dokumentum elkészült, de a(z) %2 ideiglenes mappa nem törölhető.</translation>
    </message>
    <message>
        <source>Page %1 is missing: %2</source>
        <translation>A(z) %1. oldal hiányzik: %2</translation>
    </message>
</context>
<context>
    <name>DocxGenerator</name>
    <message>
        <source>Can&apos;t read the Word template %1.</source>
        <translation>A(z) %1 Word-sablon nem olvasható.</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation>Nem hozható létre ideiglenes mappa itt: %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Nem írható: %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Nem olvasható: %1: %2</translation>
    </message>
</context>
<context>
    <name>DraggedWidget</name>
    <message>
        <source>Scan a page or drop files here</source>
        <translation>Olvasson be egy oldalt, vagy húzzon ide fájlokat</translation>
    </message>
    <message>
        <source>Images (JPEG, PNG, TIFF, BMP), PDF files and projects can be dropped onto this window.</source>
        <translation>Képek (JPEG, PNG, TIFF, BMP), PDF-fájlok és projektek húzhatók erre az ablakra.</translation>
    </message>
</context>
<context>
    <name>ExportDjvuDlg</name>
    <message>
        <source>Export to DjVu</source>
        <translation>Exportálás DjVu formátumba</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation>Mentés fájlba:</translation>
    </message>
    <message>
        <source>DjVu File (*.djvu)</source>
        <translation>DjVu-fájl (*.djvu)</translation>
    </message>
    <message>
        <source>DjVu &amp;Compression:</source>
        <translation>DjVu-&amp;tömörítés:</translation>
    </message>
    <message>
        <source>&amp;Open DjVu file after creation</source>
        <translation>DjVu-fájl megnyitása &amp;létrehozás után</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>ExportDlg</name>
    <message>
        <source>Build PDF</source>
        <translation>PDF készítése</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Általános</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Elrendezés</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Jelszó</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Előnézet</translation>
    </message>
    <message>
        <source>&amp;Scale:</source>
        <translation>&amp;Méretezés:</translation>
    </message>
    <message>
        <source>By dots per inch</source>
        <translation>Felbontás (dpi) szerint</translation>
    </message>
    <message>
        <source>Stretch to paper list</source>
        <translation>Nyújtás a teljes lapra</translation>
    </message>
    <message>
        <source>Stretch with keeping aspect</source>
        <translation>Nyújtás a méretarány megtartásával</translation>
    </message>
    <message>
        <source>&amp;Paper size:</source>
        <translation>&amp;Papírméret:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>&amp;Tájolás:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Álló</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Fekvő</translation>
    </message>
    <message>
        <source>&amp;Save to file:</source>
        <translation>Mentés &amp;fájlba:</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-fájl (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Append pages to existing file</source>
        <translation>Oldalak &amp;hozzáfűzése meglévő fájlhoz</translation>
    </message>
    <message>
        <source>&amp;Open PDF document after creation</source>
        <translation>PDF-dokumentum megnyitása &amp;létrehozás után</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margók</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Bal</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Jobb</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Felső</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Alsó</translation>
    </message>
    <message>
        <source> cm</source>
        <translation> cm</translation>
    </message>
    <message>
        <source>By Page &amp;Center</source>
        <translation>Igazítás az oldal &amp;közepére</translation>
    </message>
    <message>
        <source>Use &amp;Password:</source>
        <translation>&amp;Jelszó használata:</translation>
    </message>
    <message>
        <source>Type a password or keep empty</source>
        <translation>Írja be a jelszót, vagy hagyja üresen</translation>
    </message>
    <message>
        <source>&amp;Save password for next using</source>
        <translation>Jelszó &amp;mentése a következő alkalomra</translation>
    </message>
    <message>
        <source>Save to PDF</source>
        <translation>Mentés PDF-be</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Please enter a file name.</source>
        <translation>Adjon meg egy fájlnevet.</translation>
    </message>
    <message>
        <source>Please select an existing PDF file.</source>
        <translation>Válasszon egy meglévő PDF-fájlt.</translation>
    </message>
    <message>
        <source>Pages: %1/%2</source>
        <translation>Oldal: %1/%2</translation>
    </message>
    <message>
        <source>No password store is running on this desktop, so the password can&apos;t be kept.</source>
        <translation>Ezen az asztalon nem fut jelszótároló, ezért a jelszó nem menthető.</translation>
    </message>
    <message>
        <source>Can&apos;t keep the password: %1</source>
        <translation>A jelszó nem menthető: %1</translation>
    </message>
    <message>
        <source>Make text searchable (OCR)</source>
        <translation>Szöveg kereshetővé tétele (OCR)</translation>
    </message>
    <message>
        <source>Text &amp;language:</source>
        <translation>Szöveg &amp;nyelve:</translation>
    </message>
    <message numerus="yes">
        <source>The text of %n page(s) could not be recognised; they are in the PDF as pictures only.</source>
        <translation>
            <numerusform>%n oldal szövegét nem sikerült felismerni; a PDF-ben csak képként szerepel.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportFileDlg</name>
    <message>
        <source>Export to image list</source>
        <translation>Exportálás képfájlokba</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Save to &amp;Folder:</source>
        <translation>Mentés &amp;mappába:</translation>
    </message>
    <message>
        <source>Image Format:</source>
        <translation>Képformátum:</translation>
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
        <translation>Minőség:</translation>
    </message>
    <message>
        <source>File Prefix:</source>
        <translation>Fájlnév-előtag:</translation>
    </message>
    <message>
        <source>Counter [C]</source>
        <translation>Számláló [C]</translation>
    </message>
    <message>
        <source>Date [D]</source>
        <translation>Dátum [D]</translation>
    </message>
    <message>
        <source>&amp;Open folder after creation</source>
        <translation>Mappa megnyitása &amp;létrehozás után</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Folder %1 isn&apos;t exists.</source>
        <translation>A(z) %1 mappa nem létezik.</translation>
    </message>
</context>
<context>
    <name>ExportWordDlg</name>
    <message>
        <source>Export to Microsoft Word</source>
        <translation>Exportálás Microsoft Word formátumba</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation>Mentés fájlba:</translation>
    </message>
    <message>
        <source>Microsoft Word File (*.docx)</source>
        <translation>Microsoft Word-fájl (*.docx)</translation>
    </message>
    <message>
        <source>&amp;Open Word document after creation</source>
        <translation>Word-dokumentum megnyitása &amp;létrehozás után</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>EzPrevScan</name>
    <message>
        <source>Scanning...</source>
        <translation>Beolvasás…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>FlipWidget</name>
    <message>
        <source>Rotate:</source>
        <translation>Forgatás:</translation>
    </message>
    <message>
        <source>Don&apos;t rotate</source>
        <translation>Nincs forgatás</translation>
    </message>
    <message>
        <source>Each page</source>
        <translation>Minden oldal</translation>
    </message>
    <message>
        <source>Every odd page (1, 3, 5...)</source>
        <translation>Minden páratlan oldal (1, 3, 5…)</translation>
    </message>
    <message>
        <source>Every even page (2, 4, 6...)</source>
        <translation>Minden páros oldal (2, 4, 6…)</translation>
    </message>
    <message>
        <source>Rotate Angle:</source>
        <translation>Forgatási szög:</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Megfordítás</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Forgatás balra</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Forgatás jobbra</translation>
    </message>
</context>
<context>
    <name>ImageEditor</name>
    <message>
        <source>Restore Source Image</source>
        <translation>Eredeti kép visszaállítása</translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation>Automatikus körbevágás</translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation>Könyvoldalpár szétválasztása</translation>
    </message>
    <message>
        <source>Crop this image</source>
        <translation>A kép körbevágása</translation>
    </message>
    <message>
        <source>Adjust contrast</source>
        <translation>Kontraszt beállítása</translation>
    </message>
    <message>
        <source>Rescan this page</source>
        <translation>Az oldal újbóli beolvasása</translation>
    </message>
    <message>
        <source>Save this page as the image</source>
        <translation>Az oldal mentése képként</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Forgatás balra</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Forgatás jobbra</translation>
    </message>
    <message>
        <source>Flip this page</source>
        <translation>Az oldal megfordítása</translation>
    </message>
    <message>
        <source>Delete this page</source>
        <translation>Az oldal törlése</translation>
    </message>
</context>
<context>
    <name>ImageExportCommand</name>
    <message>
        <source>
       vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...   (each page an image file; P: &quot;[C]&quot; page counter, &quot;[D]&quot; date; default IMAGE_[C], jpg, quality 85)</source>
        <translation>
       vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...   (minden oldal külön képfájlba; P: „[C]” oldalszámláló, „[D]” dátum; alapértelmezés: IMAGE_[C], jpg, minőség 85)</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>a(z) %1 kapcsolóhoz mappa szükséges</translation>
    </message>
    <message>
        <source>--format takes jpg, tiff, png or bmp</source>
        <translation>a --format értéke jpg, tiff, png vagy bmp lehet</translation>
    </message>
    <message>
        <source>--quality takes a number from 0 to 100</source>
        <translation>a --quality értéke 0 és 100 közötti szám lehet</translation>
    </message>
    <message>
        <source>--pattern needs a file name pattern</source>
        <translation>a --pattern kapcsolóhoz fájlnévminta szükséges</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>ismeretlen kapcsoló: %1</translation>
    </message>
    <message>
        <source>no target folder (-o DIR)</source>
        <translation>nincs megadva célmappa (-o DIR)</translation>
    </message>
    <message>
        <source>no page files</source>
        <translation>nincsenek oldalfájlok</translation>
    </message>
    <message>
        <source>wrote %1</source>
        <translation>kiírva: %1</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>sikertelen: %1: %2</translation>
    </message>
</context>
<context>
    <name>ImageExporter</name>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Nem olvasható: %1: %2</translation>
    </message>
    <message>
        <source>Folder %1 isn&apos;t exists.</source>
        <translation>A(z) %1 mappa nem létezik.</translation>
    </message>
    <message>
        <source>Files keep appearing under the name.</source>
        <translation>Ezen a néven folyamatosan újabb fájlok jelennek meg.</translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1: %2</source>
        <translation>A kép nem menthető ide: %1: %2</translation>
    </message>
    <message>
        <source>no image format for this file name</source>
        <translation>ehhez a fájlnévhez nem tartozik képformátum</translation>
    </message>
</context>
<context>
    <name>ImgProgress</name>
    <message>
        <source>Creating images.</source>
        <translation>Képek létrehozása.</translation>
    </message>
    <message>
        <source>Writting images.</source>
        <translation>Képek írása.</translation>
    </message>
</context>
<context>
    <name>IntroPage</name>
    <message>
        <source>Automatic Scanning</source>
        <translation>Automatikus beolvasás</translation>
    </message>
    <message>
        <source>Document Scanning</source>
        <translation>Dokumentum beolvasása</translation>
    </message>
    <message>
        <source>&lt;b&gt;Vellumo&lt;/b&gt; will automatically run a scan after a specified time interval.</source>
        <translation>A &lt;b&gt;Vellumo&lt;/b&gt; a megadott időközönként automatikusan elindítja a beolvasást.</translation>
    </message>
    <message>
        <source>Select the time interval in seconds:</source>
        <translation>Válassza ki az időközt másodpercben:</translation>
    </message>
    <message>
        <source>Scan first page now (don&apos;t wait)</source>
        <translation>Az első oldal beolvasása azonnal (várakozás nélkül)</translation>
    </message>
    <message>
        <source>Split the book spreak into two pages</source>
        <translation>Könyvoldalpár szétválasztása két oldalra</translation>
    </message>
</context>
<context>
    <name>KSlabWidget</name>
    <message>
        <source>Page</source>
        <translation>Oldal</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vellumo - Automatic Scan to PDF, DjVu, JPEG, TIFF, BMP, PNG</source>
        <translation>Vellumo – automatikus beolvasás PDF, DjVu, JPEG, TIFF, BMP, PNG formátumba</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Kész</translation>
    </message>
    <message>
        <source>Page count:</source>
        <translation>Oldalak száma:</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Kijelölve:</translation>
    </message>
    <message>
        <source>Scale: </source>
        <translation>Nagyítás: </translation>
    </message>
    <message>
        <source>Keep scale</source>
        <translation>Nagyítás megtartása</translation>
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
        <translation>0×0 cm</translation>
    </message>
    <message>
        <source>%1 DPI</source>
        <translation>%1 DPI</translation>
    </message>
    <message>
        <source>%1 x %2 cm</source>
        <translation>%1 × %2 cm</translation>
    </message>
    <message>
        <source>Load &amp;PDF</source>
        <translation>&amp;PDF betöltése</translation>
    </message>
    <message>
        <source>&amp;Open Project...</source>
        <translation>Projekt m&amp;egnyitása…</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Kép megnyitása</translation>
    </message>
    <message>
        <source>All Image Files (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Bitmaps (*.bmp);;TIFF Image File (*.tiff *.tif);;JPEG Image File (*.jpeg *.jpg);;PNG Image File (*.png);;</source>
        <translation>Minden képfájl (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Bitképek (*.bmp);;TIFF-képfájl (*.tiff *.tif);;JPEG-képfájl (*.jpeg *.jpg);;PNG-képfájl (*.png);;</translation>
    </message>
    <message>
        <source>Do you want to remove %1 checked pages from the document?</source>
        <translation>Eltávolítja a(z) %1 bejelölt oldalt a dokumentumból?</translation>
    </message>
    <message>
        <source>Do you want to remove the page?</source>
        <translation>Eltávolítja az oldalt?</translation>
    </message>
    <message>
        <source>Do you want to remove all checked pages from the document?</source>
        <translation>Eltávolítja az összes bejelölt oldalt a dokumentumból?</translation>
    </message>
    <message>
        <source>Do you want to remove all unchecked pages from the document?</source>
        <translation>Eltávolítja az összes nem bejelölt oldalt a dokumentumból?</translation>
    </message>
    <message>
        <source>Do you want to remove all pages but current from the document?</source>
        <translation>Eltávolítja a jelenlegi kivételével az összes oldalt a dokumentumból?</translation>
    </message>
    <message>
        <source>Do you want to remove all pages from the document?</source>
        <translation>Eltávolítja az összes oldalt a dokumentumból?</translation>
    </message>
    <message>
        <source>&amp;Scan &amp;&amp; PDF</source>
        <translation>&amp;Beolvasás &amp;&amp; PDF</translation>
    </message>
    <message>
        <source>&amp;Editing</source>
        <translation>&amp;Szerkesztés</translation>
    </message>
    <message>
        <source>&amp;Composition</source>
        <translation>&amp;Összeállítás</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Információ</translation>
    </message>
    <message>
        <source>Fast &amp;Settings</source>
        <translation>Gyors &amp;beállítások</translation>
    </message>
    <message>
        <source>&amp;Scanning</source>
        <translation>&amp;Beolvasás</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importálás</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportálás</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>&amp;Forgatás</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Nagyítás</translation>
    </message>
    <message>
        <source>&amp;Correction</source>
        <translation>&amp;Javítás</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Mozgatás</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Eltávolítás</translation>
    </message>
    <message>
        <source>&amp;Checking</source>
        <translation>&amp;Jelölés</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Súgó</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Lapolvasó:</translation>
    </message>
    <message>
        <source>Color Mode:</source>
        <translation>Színmód:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Minőség:</translation>
    </message>
    <message>
        <source>Select Scanner</source>
        <translation>Lapolvasó kiválasztása</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Színmód</translation>
    </message>
    <message>
        <source>Scan Quality</source>
        <translation>Beolvasási minőség</translation>
    </message>
    <message>
        <source>Black-White</source>
        <translation>Fekete-fehér</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Szürkeárnyalatos</translation>
    </message>
    <message>
        <source>Photo Color</source>
        <translation>Színes (fotó)</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Közepes</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Jó</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Magas</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Beállítások</translation>
    </message>
    <message>
        <source>Change the application settings.</source>
        <translation>Az alkalmazás beállításainak módosítása.</translation>
    </message>
    <message>
        <source>Scan &amp;Page</source>
        <translation>&amp;Oldal beolvasása</translation>
    </message>
    <message>
        <source>Scan whole page. Press Space to start scanning.</source>
        <translation>A teljes oldal beolvasása. A beolvasás a Szóköz billentyűvel indítható.</translation>
    </message>
    <message>
        <source>&amp;Auto Scan</source>
        <translation>&amp;Automatikus beolvasás</translation>
    </message>
    <message>
        <source>Scan a document or a book in automatic mode.</source>
        <translation>Dokumentum vagy könyv beolvasása automatikus módban.</translation>
    </message>
    <message>
        <source>From &amp;File</source>
        <translation>&amp;Fájlból</translation>
    </message>
    <message>
        <source>Load an image from a file.</source>
        <translation>Kép betöltése fájlból.</translation>
    </message>
    <message>
        <source>Extract images from PDF file.</source>
        <translation>Képek kinyerése PDF-fájlból.</translation>
    </message>
    <message>
        <source>Build PDF &amp;Document</source>
        <translation>PDF-&amp;dokumentum készítése</translation>
    </message>
    <message>
        <source>Build the PDF document from scanned pages.</source>
        <translation>PDF-dokumentum készítése a beolvasott oldalakból.</translation>
    </message>
    <message>
        <source>Build DjVu &amp;File</source>
        <translation>DjV&amp;u-fájl készítése</translation>
    </message>
    <message>
        <source>Build the DjVu file from scanned pages.</source>
        <translation>DjVu-fájl készítése a beolvasott oldalakból.</translation>
    </message>
    <message>
        <source>Build &amp;Word Document</source>
        <translation>&amp;Word-dokumentum készítése</translation>
    </message>
    <message>
        <source>Build the MS Word (docx) document from scanned pages.</source>
        <translation>MS Word- (docx) dokumentum készítése a beolvasott oldalakból.</translation>
    </message>
    <message>
        <source>Save &amp;As Pictures</source>
        <translation>Mentés &amp;képekként</translation>
    </message>
    <message>
        <source>Save scanned pages to folder.</source>
        <translation>A beolvasott oldalak mentése mappába.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Nyomtatás</translation>
    </message>
    <message>
        <source>Print scanned pages.</source>
        <translation>A beolvasott oldalak nyomtatása.</translation>
    </message>
    <message>
        <source>Turn &amp;Left</source>
        <translation>Forgatás &amp;balra</translation>
    </message>
    <message>
        <source>Rotate Image Left</source>
        <translation>A kép forgatása balra</translation>
    </message>
    <message>
        <source>&amp;Turn Right</source>
        <translation>Forgatás &amp;jobbra</translation>
    </message>
    <message>
        <source>Rotate Image Right</source>
        <translation>A kép forgatása jobbra</translation>
    </message>
    <message>
        <source>&amp;Flip Image</source>
        <translation>Kép &amp;megfordítása</translation>
    </message>
    <message>
        <source>Flip the Image</source>
        <translation>A kép megfordítása</translation>
    </message>
    <message>
        <source>&amp;Rotate to Angle</source>
        <translation>Forgatás &amp;tetszőleges szögre</translation>
    </message>
    <message>
        <source>Rotate Image to Angle</source>
        <translation>A kép forgatása tetszőleges szögre</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Nagyítás</translation>
    </message>
    <message>
        <source>Zoom Image In</source>
        <translation>A kép nagyítása</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ki&amp;csinyítés</translation>
    </message>
    <message>
        <source>Zoom Image Out</source>
        <translation>A kép kicsinyítése</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>&amp;Ablakhoz igazítás</translation>
    </message>
    <message>
        <source>Fit Image to Window</source>
        <translation>A kép igazítása az ablakhoz</translation>
    </message>
    <message>
        <source>&amp;Crop Image</source>
        <translation>Kép &amp;körbevágása</translation>
    </message>
    <message>
        <source>Show Frame to Crop Image</source>
        <translation>Keret megjelenítése a kép körbevágásához</translation>
    </message>
    <message>
        <source>&amp;Image Contrast</source>
        <translation>Kép k&amp;ontrasztja</translation>
    </message>
    <message>
        <source>Adjust Brightness</source>
        <translation>Fényerő beállítása</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Mozgatás &amp;felfelé</translation>
    </message>
    <message>
        <source>Move up current page in the list.</source>
        <translation>A jelenlegi oldal mozgatása feljebb a listában.</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Mozgatás &amp;lefelé</translation>
    </message>
    <message>
        <source>Move down current page in the list.</source>
        <translation>A jelenlegi oldal mozgatása lejjebb a listában.</translation>
    </message>
    <message>
        <source>Move to &amp;Top</source>
        <translation>Mozgatás az &amp;elejére</translation>
    </message>
    <message>
        <source>Move current page to top of the list.</source>
        <translation>A jelenlegi oldal mozgatása a lista elejére.</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation>Mozgatás a vé&amp;gére</translation>
    </message>
    <message>
        <source>Move current page to bottom of the list.</source>
        <translation>A jelenlegi oldal mozgatása a lista végére.</translation>
    </message>
    <message>
        <source>Move to &amp;Position</source>
        <translation>Mozgatás adott &amp;pozícióra</translation>
    </message>
    <message>
        <source>Move current page to position.</source>
        <translation>A jelenlegi oldal mozgatása a megadott pozícióra.</translation>
    </message>
    <message>
        <source>&amp;Remove Page</source>
        <translation>Oldal &amp;törlése</translation>
    </message>
    <message>
        <source>Delete current page from the list.</source>
        <translation>A jelenlegi oldal törlése a listából.</translation>
    </message>
    <message>
        <source>&amp;Check All</source>
        <translation>Összes &amp;bejelölése</translation>
    </message>
    <message>
        <source>Check all pages in the project.</source>
        <translation>A projekt összes oldalának bejelölése.</translation>
    </message>
    <message>
        <source>&amp;Uncheck All</source>
        <translation>Jelölések &amp;megszüntetése</translation>
    </message>
    <message>
        <source>Uncheck all pages in the project.</source>
        <translation>A projekt összes oldala jelölésének megszüntetése.</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>&amp;Weboldal</translation>
    </message>
    <message>
        <source>Go to the Vellumo homepage</source>
        <translation>A Vellumo honlapjának megnyitása</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Névjegy</translation>
    </message>
    <message>
        <source>About Software</source>
        <translation>A program névjegye</translation>
    </message>
    <message>
        <source>Check &amp;Updates</source>
        <translation>&amp;Frissítések keresése</translation>
    </message>
    <message>
        <source>Check for updates in Internet.</source>
        <translation>Frissítések keresése az interneten.</translation>
    </message>
    <message>
        <source>&amp;Vellumo</source>
        <translation>&amp;Vellumo</translation>
    </message>
    <message>
        <source>Click here to save a project, &lt;br/&gt; open an existing project&lt;br/&gt; or start a new project.</source>
        <translation>Kattintson ide egy projekt mentéséhez,&lt;br/&gt; egy meglévő projekt megnyitásához&lt;br/&gt; vagy új projekt kezdéséhez.</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Új projekt</translation>
    </message>
    <message>
        <source>Starts a new project</source>
        <translation>Új projekt kezdése</translation>
    </message>
    <message>
        <source>Open an existing project</source>
        <translation>Meglévő projekt megnyitása</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>Projekt &amp;mentése</translation>
    </message>
    <message>
        <source>Save the current project</source>
        <translation>A jelenlegi projekt mentése</translation>
    </message>
    <message>
        <source>&amp;Recover Project</source>
        <translation>Projekt &amp;helyreállítása</translation>
    </message>
    <message>
        <source>Recover the auto-saved project</source>
        <translation>Az automatikusan mentett projekt helyreállítása</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Kilépés</translation>
    </message>
    <message>
        <source>Close the application</source>
        <translation>Az alkalmazás bezárása</translation>
    </message>
    <message>
        <source>Crop Mode</source>
        <translation>Körbevágás mód</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation>Automatikus körbevágás</translation>
    </message>
    <message>
        <source>Rotate Mode</source>
        <translation>Forgatás mód</translation>
    </message>
    <message>
        <source> deg.</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Rotating...</source>
        <translation>Forgatás…</translation>
    </message>
    <message>
        <source>Vellumo Project (*.vlmpj)</source>
        <translation>Vellumo-projekt (*.vlmpj)</translation>
    </message>
    <message>
        <source>The current project is not saved yet. Do you want to save it?</source>
        <translation>A jelenlegi projekt még nincs mentve. Menti most?</translation>
    </message>
    <message>
        <source>The current project has been changed. Do you want to save it?</source>
        <translation>A jelenlegi projekt megváltozott. Menti a módosításokat?</translation>
    </message>
    <message>
        <source>New project has been begun.</source>
        <translation>Új projekt kezdődött.</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Projekt megnyitása</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>Megnyitás…</translation>
    </message>
    <message>
        <source>Empty project. Scan a document before the saving.</source>
        <translation>A projekt üres. Mentés előtt olvasson be egy dokumentumot.</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Projekt mentése</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Mentés…</translation>
    </message>
    <message>
        <source>Can&apos;t save the project to %1.&lt;br&gt;%2</source>
        <translation>A projekt nem menthető ide: %1.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Project has been saved.</source>
        <translation>A projekt mentve.</translation>
    </message>
    <message>
        <source>Auto saved project has been recovered.</source>
        <translation>Az automatikusan mentett projekt helyreállítva.</translation>
    </message>
    <message>
        <source>There are no files to recover.</source>
        <translation>Nincsenek helyreállítható fájlok.</translation>
    </message>
    <message>
        <source>Vellumo found %1 pages of an earlier session in its working folder.&lt;br&gt;Do you want to recover them now?</source>
        <translation>A Vellumo egy korábbi munkamenet %1 oldalát találta a munkamappájában.&lt;br&gt;Helyreállítja őket most?</translation>
    </message>
    <message>
        <source>Scanners not found.&lt;br&gt;Please plug a scanner.</source>
        <translation>Nem található lapolvasó.&lt;br&gt;Csatlakoztasson egy lapolvasót.</translation>
    </message>
    <message>
        <source>Auto cropping...</source>
        <translation>Automatikus körbevágás…</translation>
    </message>
    <message>
        <source>Scanning has cancelled.</source>
        <translation>A beolvasás megszakítva.</translation>
    </message>
    <message>
        <source>PDF file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>A PDF-fájl elkészült.&lt;br&gt;Megnyitás: &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Word file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>A Word-fájl elkészült.&lt;br&gt;Megnyitás: &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while Word file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Hiba a Word-fájl létrehozása közben.&lt;br&gt;A(z) %1 fájl nem írható. Lehet, hogy a fájl meg van nyitva, vagy nincs írási joga a mappához.</translation>
    </message>
    <message>
        <source>DjVu file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>A DjVu-fájl elkészült.&lt;br&gt;Megnyitás: &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while DjVu file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Hiba a DjVu-fájl létrehozása közben.&lt;br&gt;A(z) %1 fájl nem írható. Lehet, hogy a fájl meg van nyitva, vagy nincs írási joga a mappához.</translation>
    </message>
    <message>
        <source>Images was saved.&lt;br&gt;Open folder &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>A képek mentve.&lt;br&gt;Mappa megnyitása: &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while Image file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened.</source>
        <translation>Hiba a képfájl létrehozása közben.&lt;br&gt;A(z) %1 fájl nem írható. Lehet, hogy a fájl meg van nyitva.</translation>
    </message>
    <message>
        <source>Can&apos;t save the page %1.</source>
        <translation>A(z) %1. oldal nem menthető.</translation>
    </message>
    <message>
        <source>Error while PDF file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Hiba a PDF-fájl létrehozása közben.&lt;br&gt;A(z) %1 fájl nem írható. Lehet, hogy a fájl meg van nyitva, vagy nincs írási joga a mappához.</translation>
    </message>
    <message>
        <source>Can&apos;t split the scanned page. It has been kept as one page.</source>
        <translation>A beolvasott oldal nem választható szét, ezért egy oldalként maradt meg.</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Kép mentése</translation>
    </message>
    <message>
        <source>JPEG file (*.jpg);;TIFF file (*.tiff);;BMP file (*.bmp);;PNG file (*.png)</source>
        <translation>JPEG-fájl (*.jpg);;TIFF-fájl (*.tiff);;BMP-fájl (*.bmp);;PNG-fájl (*.png)</translation>
    </message>
    <message>
        <source>The page has been saved to %1.</source>
        <translation>Az oldal mentve ide: %1.</translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1.</source>
        <translation>A kép nem menthető ide: %1.</translation>
    </message>
    <message>
        <source>Extract images from PDF</source>
        <translation>Képek kinyerése PDF-ből</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-fájl (*.pdf)</translation>
    </message>
    <message>
        <source>Can&apos;t open file %1.</source>
        <translation>A(z) %1 fájl nem nyitható meg.</translation>
    </message>
    <message>
        <source>Can&apos;t crop the page.</source>
        <translation>Az oldal nem vágható körbe.</translation>
    </message>
    <message>
        <source>Can&apos;t crop the pages %1.</source>
        <translation>Az oldalak nem vághatók körbe: %1.</translation>
    </message>
    <message>
        <source>Splitting...</source>
        <translation>Szétválasztás…</translation>
    </message>
    <message>
        <source>Can&apos;t split the page.</source>
        <translation>Az oldal nem választható szét.</translation>
    </message>
    <message>
        <source>Can&apos;t split the pages %1.</source>
        <translation>Az oldalak nem választhatók szét: %1.</translation>
    </message>
    <message>
        <source>Can&apos;t open the project %1.&lt;br&gt;%2</source>
        <translation>A(z) %1 projekt nem nyitható meg.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Some pages of the project %1 could not be unpacked.</source>
        <translation>A(z) %1 projekt néhány oldala nem bontható ki.</translation>
    </message>
    <message>
        <source>Some entries of the project %1 were left out: %2</source>
        <translation>A(z) %1 projekt néhány eleme kimaradt: %2</translation>
    </message>
    <message numerus="yes">
        <source>The %n page(s) scanned so far have been kept.</source>
        <translation>
            <numerusform>Az eddig beolvasott %n oldal megmaradt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Nyomtatási előnézet</translation>
    </message>
    <message>
        <source>Preparing to print...</source>
        <translation>Nyomtatás előkészítése…</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Frissítések keresése…</translation>
    </message>
    <message>
        <source>ERROR!&lt;br&gt;Can&apos;t connect to the update server. Please check network settings.</source>
        <translation>HIBA!&lt;br&gt;Nem sikerült kapcsolódni a frissítési kiszolgálóhoz. Ellenőrizze a hálózati beállításokat.</translation>
    </message>
    <message>
        <source>You use a latest version of Vellumo.</source>
        <translation>A Vellumo legújabb verzióját használja.</translation>
    </message>
    <message>
        <source>Thank you for updating Vellumo.&lt;p&gt;Please close the program and run the install file.</source>
        <translation>Köszönjük, hogy frissíti a Vellumo programot.&lt;p&gt;Zárja be a programot, és futtassa a telepítőfájlt.</translation>
    </message>
    <message>
        <source>Restore Source Image</source>
        <translation>Eredeti kép visszaállítása</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Névtelen</translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation>Könyvoldalpár szétválasztása</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>Elő&amp;zmények</translation>
    </message>
    <message>
        <source>Replace this page with a new scan?</source>
        <translation>Lecseréli ezt az oldalt egy új beolvasásra?</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Újbóli beolvasás</translation>
    </message>
    <message>
        <source>Turning pages upright...</source>
        <translation>Oldalak elforgatása a szöveg szerint…</translation>
    </message>
    <message>
        <source>Can&apos;t tell which way up the pages %1 are.</source>
        <translation>Nem állapítható meg az oldalak tájolása: %1.</translation>
    </message>
    <message>
        <source>Pages turned upright: %1 of %2.</source>
        <translation>Elforgatott oldalak: %1 / %2.</translation>
    </message>
    <message>
        <source>Turn &amp;Upright</source>
        <translation>Forgatás &amp;szöveg szerint</translation>
    </message>
    <message>
        <source>Turn the checked pages, or this page, upright by the direction of their text</source>
        <translation>A bejelölt oldalak vagy ez az oldal elforgatása álló helyzetbe a szöveg iránya szerint</translation>
    </message>
</context>
<context>
    <name>MoveToDlg</name>
    <message>
        <source>Move Page</source>
        <translation>Oldal mozgatása</translation>
    </message>
    <message>
        <source>Move page to...</source>
        <translation>Oldal mozgatása ide…</translation>
    </message>
    <message>
        <source>New Page Number:</source>
        <translation>Új oldalszám:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>OcrLanguages</name>
    <message>
        <source>Turning pages upright needs Tesseract&apos;s orientation data, which is not installed. Install the package %1.</source>
        <translation>Az oldalak szöveg szerinti elforgatásához szükség van a Tesseract tájolási adataira, amelyek nincsenek telepítve. Telepítse a(z) %1 csomagot.</translation>
    </message>
    <message>
        <source>Text recognition in %1 needs Tesseract&apos;s data for that language, which is not installed. Install the package %2.</source>
        <translation>A(z) %1 nyelvű szövegfelismeréshez szükség van a Tesseract adott nyelvre vonatkozó adataira, amelyek nincsenek telepítve. Telepítse a(z) %2 csomagot.</translation>
    </message>
    <message>
        <source>Text recognition needs the Tesseract library, which is not installed. Install the package %1.</source>
        <translation>A szövegfelismeréshez a Tesseract programkönyvtár szükséges, amely nincs telepítve. Telepítse a(z) %1 csomagot.</translation>
    </message>
</context>
<context>
    <name>OfficePopupWindow</name>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
</context>
<context>
    <name>OptionsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>OptionsPage</name>
    <message>
        <source>General</source>
        <translation>Általános</translation>
    </message>
    <message>
        <source>Here you can change the software options.</source>
        <translation>Itt módosíthatók a program beállításai.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Nyelv:</translation>
    </message>
    <message>
        <source>&amp;Automatically check for updates</source>
        <translation>Frissítések &amp;automatikus keresése</translation>
    </message>
    <message>
        <source>How to translate to your language</source>
        <translation>Hogyan fordíthatja le a programot a saját nyelvére</translation>
    </message>
</context>
<context>
    <name>PageBatch</name>
    <message>
        <source>Can&apos;t create the folder %1.</source>
        <translation>A(z) %1 mappa nem hozható létre.</translation>
    </message>
    <message>
        <source>Splitting %1 of %2...</source>
        <translation>Szétválasztás: %1 / %2…</translation>
    </message>
    <message>
        <source>Cropping %1 of %2...</source>
        <translation>Körbevágás: %1 / %2…</translation>
    </message>
    <message>
        <source>Turning %1 of %2 upright...</source>
        <translation>Forgatás: %1 / %2…</translation>
    </message>
</context>
<context>
    <name>PageHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Visszavonás: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Visszavonás</translation>
    </message>
    <message>
        <source>Re&amp;do %1</source>
        <translation>Mé&amp;gis: %1</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Mé&amp;gis</translation>
    </message>
</context>
<context>
    <name>PageImages</name>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Nem írható: %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: the image is empty.</source>
        <translation>Nem írható: %1: a kép üres.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Nem olvasható: %1: %2</translation>
    </message>
    <message>
        <source>the black-and-white image can&apos;t be compressed.</source>
        <translation>a fekete-fehér kép nem tömöríthető.</translation>
    </message>
</context>
<context>
    <name>PageImporter</name>
    <message>
        <source>Can&apos;t open file %1.</source>
        <translation>A(z) %1 fájl nem nyitható meg.</translation>
    </message>
    <message>
        <source>Drawing the pages of the PDF file.</source>
        <translation>A PDF-fájl oldalainak képpé alakítása.</translation>
    </message>
    <message>
        <source>Extracting images from PDF file.</source>
        <translation>Képek kinyerése a PDF-fájlból.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file %1.&lt;br&gt;The image is too large: %2 x %3 pixels.</source>
        <translation>A(z) %1 fájl nem tölthető be.&lt;br&gt;A kép túl nagy: %2 × %3 képpont.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file. Wrong file format.&lt;br&gt;%1</source>
        <translation>A fájl nem tölthető be: hibás fájlformátum.&lt;br&gt;%1</translation>
    </message>
    <message>
        <source>The file %1 is damaged: part of its picture may be missing.</source>
        <translation>A(z) %1 fájl sérült: a kép egy része hiányozhat.</translation>
    </message>
    <message>
        <source>Can&apos;t extract image.</source>
        <translation>A kép nem nyerhető ki.</translation>
    </message>
    <message>
        <source>This PDF file doesn&apos;t contain images.</source>
        <translation>Ez a PDF-fájl nem tartalmaz képeket.</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Its pages can be drawn as images instead, at %1 dpi.</source>
        <translation>Helyette az oldalai képpé alakíthatók %1 dpi felbontással.</translation>
    </message>
    <message>
        <source>&amp;Draw Pages</source>
        <translation>Oldalak &amp;képpé alakítása</translation>
    </message>
</context>
<context>
    <name>PageStore</name>
    <message>
        <source>The page image is empty.</source>
        <translation>Az oldal képe üres.</translation>
    </message>
    <message>
        <source>Can&apos;t rename %1 to %2.</source>
        <translation>Nem nevezhető át: %1 → %2.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation>Nem olvasható: %1.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Nem olvasható: %1: %2</translation>
    </message>
</context>
<context>
    <name>PdfCommandLine</name>
    <message>
        <source>%1 needs a file name</source>
        <translation>a(z) %1 kapcsolóhoz fájlnév szükséges</translation>
    </message>
    <message>
        <source>--password needs a password</source>
        <translation>a --password kapcsolóhoz jelszó szükséges</translation>
    </message>
    <message>
        <source>--paper takes A4, Letter or A0 to A6</source>
        <translation>a --paper értéke A4, Letter vagy A0–A6 lehet</translation>
    </message>
    <message>
        <source>--orientation takes portrait or landscape</source>
        <translation>az --orientation értéke portrait vagy landscape lehet</translation>
    </message>
    <message>
        <source>--scale takes dpi, stretch or fit</source>
        <translation>a --scale értéke dpi, stretch vagy fit lehet</translation>
    </message>
    <message>
        <source>--margins takes four centimetre values: L,R,T,B</source>
        <translation>a --margins négy centiméterértéket vár: L,R,T,B</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>ismeretlen kapcsoló: %1</translation>
    </message>
    <message>
        <source>no output file (-o OUT.pdf)</source>
        <translation>nincs megadva kimeneti fájl (-o OUT.pdf)</translation>
    </message>
    <message>
        <source>no page files</source>
        <translation>nincsenek oldalfájlok</translation>
    </message>
    <message>
        <source>%1 needs a text</source>
        <translation>a(z) %1 kapcsolóhoz szöveg szükséges</translation>
    </message>
    <message>
        <source>usage: vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6] [--orientation portrait|landscape] [--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] [--author AUTHOR] [--ocr LANG[+LANG]] FILE...
       vellumo-cli check-pdf FILE|-   (exit code 0: pages can be appended to the PDF; - reads it from standard input)</source>
        <translation>Használat: vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6] [--orientation portrait|landscape] [--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] [--author AUTHOR] [--ocr LANG[+LANG]] FILE...
       vellumo-cli check-pdf FILE|-   (0-s kilépési kód: a PDF-hez hozzáfűzhetők oldalak; a - a szabványos bemenetről olvassa be)</translation>
    </message>
    <message>
        <source>--ocr takes Tesseract languages such as eng or eng+deu</source>
        <translation>az --ocr értéke Tesseract-nyelv lehet, például eng vagy eng+deu</translation>
    </message>
</context>
<context>
    <name>PdfImport</name>
    <message>
        <source>image %1: %2</source>
        <translation>%1. kép: %2</translation>
    </message>
</context>
<context>
    <name>PdfImportSession</name>
    <message>
        <source>The password is not right.</source>
        <translation>A jelszó hibás.</translation>
    </message>
    <message>
        <source>The PDF file %1 is protected by a password.</source>
        <translation>A(z) %1 PDF-fájl jelszóval védett.</translation>
    </message>
</context>
<context>
    <name>PdfProgress</name>
    <message>
        <source>Creating PDF document.</source>
        <translation>PDF-dokumentum létrehozása.</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>PdfWriter</name>
    <message>
        <source>&quot;%1&quot; is not a list of text recognition languages.</source>
        <translation>„%1” nem szövegfelismerési nyelvek listája.</translation>
    </message>
</context>
<context>
    <name>PopupMessage</name>
    <message>
        <source>&lt;p&gt;&lt;font color=&quot;black&quot;&gt;&lt;h4&gt;&amp;nbsp;Vellumo Message&lt;/h4&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=&quot;black&quot;&gt;&lt;h4&gt;&amp;nbsp;Vellumo-üzenet&lt;/h4&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ProjectArchive</name>
    <message>
        <source>Can&apos;t create the folder %1.</source>
        <translation>A(z) %1 mappa nem hozható létre.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Nem írható: %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation>Nem olvasható: %1.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Nem olvasható: %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1 into %2: %3.</source>
        <translation>Nem írható: %1 → %2: %3.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2.</source>
        <translation>Nem írható: %1: %2.</translation>
    </message>
    <message>
        <source>Its entries overlap: the file is damaged.</source>
        <translation>Az elemei átfedik egymást: a fájl sérült.</translation>
    </message>
    <message>
        <source>not a page file</source>
        <translation>nem oldalfájl</translation>
    </message>
    <message>
        <source>a second entry of that name</source>
        <translation>ugyanilyen nevű második elem</translation>
    </message>
    <message>
        <source>encrypted</source>
        <translation>titkosított</translation>
    </message>
    <message>
        <source>unknown compression</source>
        <translation>ismeretlen tömörítés</translation>
    </message>
    <message>
        <source>larger than any page</source>
        <translation>nagyobb bármely oldalnál</translation>
    </message>
    <message>
        <source>There is not enough free disk space for %1.</source>
        <translation>Nincs elég szabad lemezterület ehhez: %1.</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>olvashatatlan</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>sérült</translation>
    </message>
    <message>
        <source>not an image</source>
        <translation>nem kép</translation>
    </message>
    <message>
        <source>It holds no pages.</source>
        <translation>Nem tartalmaz oldalakat.</translation>
    </message>
</context>
<context>
    <name>PropertyModel</name>
    <message>
        <source>General</source>
        <translation>Általános</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Lapolvasó</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Felbontás</translation>
    </message>
    <message>
        <source>Cropping</source>
        <translation>Körbevágás</translation>
    </message>
</context>
<context>
    <name>PropertyPage</name>
    <message>
        <source>Default</source>
        <translation>Alapértelmezés</translation>
    </message>
</context>
<context>
    <name>RibbonSliderPane</name>
    <message>
        <source>Increase</source>
        <translation>Növelés</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Csökkentés</translation>
    </message>
</context>
<context>
    <name>ScanPage</name>
    <message>
        <source>Scanning in progress</source>
        <translation>Beolvasás folyamatban</translation>
    </message>
    <message>
        <source>Scanned page will be added to the list</source>
        <translation>A beolvasott oldal a listához lesz adva</translation>
    </message>
    <message>
        <source>Scanning in progress. Do not open scanner cover.</source>
        <translation>Beolvasás folyamatban. Ne nyissa fel a lapolvasó fedelét.</translation>
    </message>
</context>
<context>
    <name>ScanPreviewDlg</name>
    <message>
        <source>Scan Preview</source>
        <translation>Beolvasás előnézete</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Beolvasás</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>ScanResPage</name>
    <message>
        <source>Resolution</source>
        <translation>Felbontás</translation>
    </message>
    <message>
        <source>You can change the scanning resolution for each of the modes. The higher the scanning resolution, the better the image quality, but it reduces the scanning speed.</source>
        <translation>Itt módosítható a beolvasási felbontás az egyes módokhoz. Minél nagyobb a felbontás, annál jobb a képminőség, de annál lassabb a beolvasás.</translation>
    </message>
    <message>
        <source>Middle:</source>
        <translation>Közepes:</translation>
    </message>
    <message>
        <source>Good:</source>
        <translation>Jó:</translation>
    </message>
    <message>
        <source>High:</source>
        <translation>Magas:</translation>
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
        <translation>Lapolvasó</translation>
    </message>
    <message>
        <source>You can change the scan options and select or deselect the document feeder.</source>
        <translation>Itt módosíthatók a beolvasási beállítások, és be- vagy kikapcsolható a lapadagoló.</translation>
    </message>
    <message>
        <source>Paper Source:</source>
        <translation>Papírforrás:</translation>
    </message>
    <message>
        <source>Flatbed (platen)</source>
        <translation>Síkágyas (üveglap)</translation>
    </message>
    <message>
        <source>Automatic Feeder (ADF)</source>
        <translation>Automatikus lapadagoló (ADF)</translation>
    </message>
    <message>
        <source>Acquire:</source>
        <translation>Beolvasás:</translation>
    </message>
    <message>
        <source>One image</source>
        <translation>Egy kép</translation>
    </message>
    <message>
        <source>All available images</source>
        <translation>Az összes elérhető kép</translation>
    </message>
    <message>
        <source>Automatic &amp;deskewing of scanned pages</source>
        <translation>A beolvasott oldalak automatikus &amp;kiegyenesítése</translation>
    </message>
    <message>
        <source>Automatic &amp;cropping of scanned pages</source>
        <translation>A beolvasott oldalak automatikus körbe&amp;vágása</translation>
    </message>
    <message>
        <source>Automatic c&amp;ontrast adjustment of scanned pages</source>
        <translation>A beolvasott oldalak kontrasztjának automatikus &amp;beállítása</translation>
    </message>
    <message>
        <source>Scan with &amp;preview</source>
        <translation>Beolvasás &amp;előnézettel</translation>
    </message>
    <message>
        <source>Turn pages upright automatically</source>
        <translation>A beolvasott oldalak automatikus elforgatása a szöveg szerint</translation>
    </message>
</context>
<context>
    <name>SelectFileWidget</name>
    <message>
        <source>Open existing PDF</source>
        <translation>Meglévő PDF megnyitása</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-fájl (*.pdf)</translation>
    </message>
</context>
<context>
    <name>SelectFolderWidget</name>
    <message>
        <source>Select a folder</source>
        <translation>Mappa kiválasztása</translation>
    </message>
</context>
<context>
    <name>SelectSaveFileWidget</name>
    <message>
        <source>Save file</source>
        <translation>Fájl mentése</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Copyright &amp;copy; 2026 Leafkin. All rights reserved. &lt;a href=&quot;http://%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Copyright &amp;copy; 2026 Leafkin. Minden jog fenntartva. &lt;a href=&quot;http://%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Vellumo is already running.&lt;br&gt;Only one copy of Vellumo can work with the pages at a time; please switch to the open window.</source>
        <translation>A Vellumo már fut.&lt;br&gt;Egyszerre csak egy Vellumo-példány dolgozhat az oldalakkal; váltson át a megnyitott ablakra.</translation>
    </message>
    <message>
        <source>Critical error</source>
        <translation>Kritikus hiba</translation>
    </message>
    <message>
        <source>Can&apos;t start application.</source>
        <translation>Az alkalmazás nem indítható el.</translation>
    </message>
</context>
<context>
    <name>TimerPage</name>
    <message>
        <source>Scan &amp;Now &gt;</source>
        <translation>Beolvasás &amp;most &gt;</translation>
    </message>
    <message>
        <source>&amp;Resume Timer</source>
        <translation>Időzítő &amp;folytatása</translation>
    </message>
    <message>
        <source>&amp;Stop Timer</source>
        <translation>Időzítő &amp;leállítása</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Várakozás</translation>
    </message>
    <message>
        <source>Next scan will begin soon. Change page in the scanner.&lt;br&gt;Press &lt;b&gt;SPACE&lt;/b&gt; to pause timer. Press &lt;b&gt;ENTER&lt;/b&gt; to run Scan Now.</source>
        <translation>Hamarosan indul a következő beolvasás. Cseréljen lapot a lapolvasóban.&lt;br&gt;Az időzítő a &lt;b&gt;SZÓKÖZ&lt;/b&gt; billentyűvel szüneteltethető. Az &lt;b&gt;ENTER&lt;/b&gt; billentyűvel azonnal indítható a beolvasás.</translation>
    </message>
</context>
<context>
    <name>ToolLocator</name>
    <message>
        <source>%1 was not found. Vellumo looked for it in %2 and on the PATH; please reinstall Vellumo.</source>
        <translation>A(z) %1 nem található. A Vellumo itt kereste: %2, valamint a PATH könyvtáraiban; telepítse újra a Vellumo alkalmazást.</translation>
    </message>
</context>
<context>
    <name>UpdateDlg</name>
    <message>
        <source>Vellumo Updates</source>
        <translation>Vellumo-frissítések</translation>
    </message>
    <message>
        <source>There are new version of Vellumo</source>
        <translation>Elérhető a Vellumo új verziója</translation>
    </message>
    <message>
        <source>Current Version: %1</source>
        <translation>Jelenlegi verzió: %1</translation>
    </message>
    <message>
        <source>New Version: %1&lt;p&gt;Download: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;</source>
        <translation>Új verzió: %1&lt;p&gt;Letöltés: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Letöltés</translation>
    </message>
</context>
<context>
    <name>WaitingDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>WordProgress</name>
    <message>
        <source>Creating MS Word document.</source>
        <translation>MS Word-dokumentum létrehozása.</translation>
    </message>
    <message>
        <source>Writting MS Word document.</source>
        <translation>MS Word-dokumentum írása.</translation>
    </message>
</context>
<context>
    <name>ZipWriter</name>
    <message>
        <source>Can&apos;t compress %1.</source>
        <translation>Nem tömöríthető: %1.</translation>
    </message>
    <message>
        <source>%1 is too large for a project.</source>
        <translation>A(z) %1 túl nagy egy projekthez.</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>a fájl nem írható</translation>
    </message>
</context>
<context>
    <name>vellumo-cli</name>
    <message>
        <source>
       vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   (the page images of a PDF into DIR as 0001.jpg, 0002.tiff, 0003.png, ...)
       vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR FILE.pdf   (the pages of a PDF drawn into DIR as 0001.png, ...)</source>
        <translation>
       vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   (a PDF oldalképei a DIR mappába, 0001.jpg, 0002.tiff, 0003.png, ... néven)
       vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR FILE.pdf   (a PDF oldalai képpé alakítva a DIR mappába, 0001.png, ... néven)</translation>
    </message>
</context>
</TS>
