<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>BrightnessDlg</name>
    <message>
        <source>Brightness / Contrast</source>
        <translation>Jas / kontrast</translation>
    </message>
    <message>
        <source>Source Image</source>
        <translation>Původní obrázek</translation>
    </message>
    <message>
        <source>Destination Image</source>
        <translation>Výsledný obrázek</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1</source>
        <translation>neznámá volba %1</translation>
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
        <translation>Použití: vellumo [OPTION...] [FILE...]
Naskenuje papírové dokumenty a uloží je jako soubory PDF, DjVu, Word nebo obrázky.

Soubory se otevřou, jako by byly přetaženy do okna: projekt (.vlmpj) nahradí otevřený dokument,
obrázky a obrázky ze souborů PDF se přidají jako stránky. Pokud Vellumo už běží, soubory se
předají jeho oknu.

Volby:
  -h, --help        zobrazí tuto nápovědu a skončí
  -v, --version     zobrazí verzi a skončí
      --demo-scanner  použije testovací zařízení SANE místo nalezených skenerů
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
        <translation>Automatické oříznutí</translation>
    </message>
    <message>
        <source>You can set the auto cropping settings.</source>
        <translation>Zde můžete nastavit automatické oříznutí.</translation>
    </message>
    <message>
        <source>Insert Margins</source>
        <translation>Přidat okraje</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Levý</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Horní</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Pravý</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Dolní</translation>
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
        <translation>nejde o obrázek, který Vellumo umí načíst (%1)</translation>
    </message>
    <message>
        <source>its copy %1 could not be written (%2)</source>
        <translation>jeho kopii %1 nelze zapsat (%2)</translation>
    </message>
    <message>
        <source>Page %1 (%2) was not encoded: %3</source>
        <translation>Stránku %1 (%2) se nepodařilo zakódovat: %3</translation>
    </message>
    <message>
        <source>%1 did not finish within %2 s</source>
        <translation>program %1 nedokončil práci do %2 s</translation>
    </message>
    <message>
        <source>%1 could not be started (%2)</source>
        <translation>program %1 nelze spustit (%2)</translation>
    </message>
    <message>
        <source>%1 crashed</source>
        <translation>program %1 havaroval</translation>
    </message>
    <message>
        <source>%1 ended with exit code %2</source>
        <translation>program %1 skončil s návratovým kódem %2</translation>
    </message>
    <message>
        <source>%1 wrote nothing</source>
        <translation>program %1 nic nezapsal</translation>
    </message>
    <message>
        <source>%1 failed (%2)</source>
        <translation>program %1 selhal (%2)</translation>
    </message>
    <message>
        <source>Can&apos;t read page %1 (%2): %3</source>
        <translation>Nelze načíst stránku %1 (%2): %3</translation>
    </message>
    <message>
        <source>None of the page files exists; %1 was not written.</source>
        <translation>Žádný ze souborů stránek neexistuje; soubor %1 nebyl zapsán.</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation>V %1 nelze vytvořit dočasnou složku: %2</translation>
    </message>
    <message>
        <source>The pages could not be combined into %1: %2</source>
        <translation>Stránky nelze spojit do %1: %2</translation>
    </message>
    <message>
        <source>The combined document %1 could not be read back: %2</source>
        <translation>Spojený dokument %1 nelze znovu načíst: %2</translation>
    </message>
    <message>
        <source>The combined document holds %1 of its %2 pages; %3 was not written.</source>
        <translation>Spojený dokument obsahuje %1 z %2 stránek; soubor %3 nebyl zapsán.</translation>
    </message>
    <message>
        <source>Page %1 is missing: %2</source>
        <translation>Stránka %1 chybí: %2</translation>
    </message>
</context>
<context>
    <name>DjvuProgress</name>
    <message>
        <source>Creating DjVu file.</source>
        <translation>Vytváření souboru DjVu.</translation>
    </message>
    <message>
        <source>Writting DjVu file.</source>
        <translation>Zápis souboru DjVu.</translation>
    </message>
</context>
<context>
    <name>DocGenerator</name>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Nelze zapsat %1: %2</translation>
    </message>
    <message>
        <source>The document %1 was written, but the temporary folder %2 could not be removed.</source>
        <translation>Dokument %1 byl zapsán, ale dočasnou složku %2 nelze odstranit.</translation>
    </message>
    <message>
        <source>Page %1 is missing: %2</source>
        <translation>Stránka %1 chybí: %2</translation>
    </message>
</context>
<context>
    <name>DocxGenerator</name>
    <message>
        <source>Can&apos;t read the Word template %1.</source>
        <translation>Nelze načíst šablonu Wordu %1.</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation>V %1 nelze vytvořit dočasnou složku: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Nelze zapsat %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Nelze načíst %1: %2</translation>
    </message>
</context>
<context>
    <name>DraggedWidget</name>
    <message>
        <source>Scan a page or drop files here</source>
        <translation>Naskenujte stránku nebo sem přetáhněte soubory</translation>
    </message>
    <message>
        <source>Images (JPEG, PNG, TIFF, BMP), PDF files and projects can be dropped onto this window.</source>
        <translation>Do tohoto okna lze přetáhnout obrázky (JPEG, PNG, TIFF, BMP), soubory PDF a projekty.</translation>
    </message>
</context>
<context>
    <name>ExportDjvuDlg</name>
    <message>
        <source>Export to DjVu</source>
        <translation>Export do DjVu</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation>Uložit do souboru:</translation>
    </message>
    <message>
        <source>DjVu File (*.djvu)</source>
        <translation>Soubor DjVu (*.djvu)</translation>
    </message>
    <message>
        <source>DjVu &amp;Compression:</source>
        <translation>&amp;Komprese DjVu:</translation>
    </message>
    <message>
        <source>&amp;Open DjVu file after creation</source>
        <translation>&amp;Otevřít soubor DjVu po vytvoření</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>ExportDlg</name>
    <message>
        <source>Build PDF</source>
        <translation>Vytvořit PDF</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Rozvržení</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Náhled</translation>
    </message>
    <message>
        <source>&amp;Scale:</source>
        <translation>&amp;Měřítko:</translation>
    </message>
    <message>
        <source>By dots per inch</source>
        <translation>Podle rozlišení (DPI)</translation>
    </message>
    <message>
        <source>Stretch to paper list</source>
        <translation>Roztáhnout na celý list</translation>
    </message>
    <message>
        <source>Stretch with keeping aspect</source>
        <translation>Roztáhnout se zachováním poměru stran</translation>
    </message>
    <message>
        <source>&amp;Paper size:</source>
        <translation>&amp;Velikost papíru:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>&amp;Orientace:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Na výšku</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Na šířku</translation>
    </message>
    <message>
        <source>&amp;Save to file:</source>
        <translation>&amp;Uložit do souboru:</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Soubor PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Append pages to existing file</source>
        <translation>&amp;Připojit stránky k existujícímu souboru</translation>
    </message>
    <message>
        <source>&amp;Open PDF document after creation</source>
        <translation>Ot&amp;evřít dokument PDF po vytvoření</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Okraje</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Levý</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Pravý</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Horní</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Dolní</translation>
    </message>
    <message>
        <source> cm</source>
        <translation> cm</translation>
    </message>
    <message>
        <source>By Page &amp;Center</source>
        <translation>Vy&amp;centrovat na stránce</translation>
    </message>
    <message>
        <source>Use &amp;Password:</source>
        <translation>Použít &amp;heslo:</translation>
    </message>
    <message>
        <source>Type a password or keep empty</source>
        <translation>Zadejte heslo nebo pole nechte prázdné</translation>
    </message>
    <message>
        <source>&amp;Save password for next using</source>
        <translation>&amp;Zapamatovat heslo pro příště</translation>
    </message>
    <message>
        <source>Save to PDF</source>
        <translation>Uložit do PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Please enter a file name.</source>
        <translation>Zadejte název souboru.</translation>
    </message>
    <message>
        <source>Please select an existing PDF file.</source>
        <translation>Vyberte existující soubor PDF.</translation>
    </message>
    <message>
        <source>Pages: %1/%2</source>
        <translation>Stránka: %1/%2</translation>
    </message>
    <message>
        <source>No password store is running on this desktop, so the password can&apos;t be kept.</source>
        <translation>Na této pracovní ploše neběží žádné úložiště hesel, takže heslo nelze uložit.</translation>
    </message>
    <message>
        <source>Can&apos;t keep the password: %1</source>
        <translation>Heslo nelze uložit: %1</translation>
    </message>
    <message>
        <source>Make text searchable (OCR)</source>
        <translation>Umožnit vyhledávání v textu (OCR)</translation>
    </message>
    <message>
        <source>Text &amp;language:</source>
        <translation>&amp;Jazyk textu:</translation>
    </message>
    <message numerus="yes">
        <source>The text of %n page(s) could not be recognised; they are in the PDF as pictures only.</source>
        <translation>
            <numerusform>Text %n stránky se nepodařilo rozpoznat; v PDF je pouze jako obrázek.</numerusform>
            <numerusform>Text %n stránek se nepodařilo rozpoznat; v PDF jsou pouze jako obrázky.</numerusform>
            <numerusform>Text %n stránek se nepodařilo rozpoznat; v PDF jsou pouze jako obrázky.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportFileDlg</name>
    <message>
        <source>Export to image list</source>
        <translation>Export do obrázků</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Save to &amp;Folder:</source>
        <translation>Uložit do &amp;složky:</translation>
    </message>
    <message>
        <source>Image Format:</source>
        <translation>Formát obrázku:</translation>
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
        <translation>Kvalita:</translation>
    </message>
    <message>
        <source>File Prefix:</source>
        <translation>Předpona názvu souboru:</translation>
    </message>
    <message>
        <source>Counter [C]</source>
        <translation>Počítadlo [C]</translation>
    </message>
    <message>
        <source>Date [D]</source>
        <translation>Datum [D]</translation>
    </message>
    <message>
        <source>&amp;Open folder after creation</source>
        <translation>&amp;Otevřít složku po dokončení</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Folder %1 isn&apos;t exists.</source>
        <translation>Složka %1 neexistuje.</translation>
    </message>
</context>
<context>
    <name>ExportWordDlg</name>
    <message>
        <source>Export to Microsoft Word</source>
        <translation>Export do Microsoft Word</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation>Uložit do souboru:</translation>
    </message>
    <message>
        <source>Microsoft Word File (*.docx)</source>
        <translation>Soubor Microsoft Word (*.docx)</translation>
    </message>
    <message>
        <source>&amp;Open Word document after creation</source>
        <translation>&amp;Otevřít dokument Wordu po vytvoření</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>EzPrevScan</name>
    <message>
        <source>Scanning...</source>
        <translation>Skenování...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>FlipWidget</name>
    <message>
        <source>Rotate:</source>
        <translation>Otočit:</translation>
    </message>
    <message>
        <source>Don&apos;t rotate</source>
        <translation>Neotáčet</translation>
    </message>
    <message>
        <source>Each page</source>
        <translation>Všechny stránky</translation>
    </message>
    <message>
        <source>Every odd page (1, 3, 5...)</source>
        <translation>Liché stránky (1, 3, 5...)</translation>
    </message>
    <message>
        <source>Every even page (2, 4, 6...)</source>
        <translation>Sudé stránky (2, 4, 6...)</translation>
    </message>
    <message>
        <source>Rotate Angle:</source>
        <translation>Úhel otočení:</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Převrátit</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Otočit doleva</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Otočit doprava</translation>
    </message>
</context>
<context>
    <name>ImageEditor</name>
    <message>
        <source>Restore Source Image</source>
        <translation>Obnovit původní obrázek</translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation>Automatické oříznutí</translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation>Rozdělit dvoustranu knihy na dvě stránky</translation>
    </message>
    <message>
        <source>Crop this image</source>
        <translation>Oříznout tento obrázek</translation>
    </message>
    <message>
        <source>Adjust contrast</source>
        <translation>Upravit kontrast</translation>
    </message>
    <message>
        <source>Rescan this page</source>
        <translation>Znovu naskenovat tuto stránku</translation>
    </message>
    <message>
        <source>Save this page as the image</source>
        <translation>Uložit tuto stránku jako obrázek</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Otočit doleva</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Otočit doprava</translation>
    </message>
    <message>
        <source>Flip this page</source>
        <translation>Převrátit tuto stránku</translation>
    </message>
    <message>
        <source>Delete this page</source>
        <translation>Odstranit tuto stránku</translation>
    </message>
</context>
<context>
    <name>ImageExportCommand</name>
    <message>
        <source>
       vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...   (each page an image file; P: &quot;[C]&quot; page counter, &quot;[D]&quot; date; default IMAGE_[C], jpg, quality 85)</source>
        <translation>
         vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...   (každá stránka jako samostatný soubor obrázku; P: &quot;[C]&quot; počítadlo stránek, &quot;[D]&quot; datum; výchozí IMAGE_[C], jpg, kvalita 85)</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 vyžaduje složku</translation>
    </message>
    <message>
        <source>--format takes jpg, tiff, png or bmp</source>
        <translation>--format přijímá jpg, tiff, png nebo bmp</translation>
    </message>
    <message>
        <source>--quality takes a number from 0 to 100</source>
        <translation>--quality přijímá číslo od 0 do 100</translation>
    </message>
    <message>
        <source>--pattern needs a file name pattern</source>
        <translation>--pattern vyžaduje vzor názvu souboru</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>neznámá volba %1</translation>
    </message>
    <message>
        <source>no target folder (-o DIR)</source>
        <translation>chybí cílová složka (-o DIR)</translation>
    </message>
    <message>
        <source>no page files</source>
        <translation>chybí soubory stránek</translation>
    </message>
    <message>
        <source>wrote %1</source>
        <translation>zapsáno %1</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>selhalo %1: %2</translation>
    </message>
</context>
<context>
    <name>ImageExporter</name>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Nelze načíst %1: %2</translation>
    </message>
    <message>
        <source>Folder %1 isn&apos;t exists.</source>
        <translation>Složka %1 neexistuje.</translation>
    </message>
    <message>
        <source>Files keep appearing under the name.</source>
        <translation>Pod tímto názvem se stále objevují další soubory.</translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1: %2</source>
        <translation>Obrázek nelze uložit do %1: %2</translation>
    </message>
    <message>
        <source>no image format for this file name</source>
        <translation>pro tento název souboru neexistuje žádný formát obrázku</translation>
    </message>
</context>
<context>
    <name>ImgProgress</name>
    <message>
        <source>Creating images.</source>
        <translation>Vytváření obrázků.</translation>
    </message>
    <message>
        <source>Writting images.</source>
        <translation>Zápis obrázků.</translation>
    </message>
</context>
<context>
    <name>IntroPage</name>
    <message>
        <source>Automatic Scanning</source>
        <translation>Automatické skenování</translation>
    </message>
    <message>
        <source>Document Scanning</source>
        <translation>Skenování dokumentu</translation>
    </message>
    <message>
        <source>&lt;b&gt;Vellumo&lt;/b&gt; will automatically run a scan after a specified time interval.</source>
        <translation>&lt;b&gt;Vellumo&lt;/b&gt; bude automaticky spouštět skenování po uplynutí zadaného časového intervalu.</translation>
    </message>
    <message>
        <source>Select the time interval in seconds:</source>
        <translation>Vyberte časový interval v sekundách:</translation>
    </message>
    <message>
        <source>Scan first page now (don&apos;t wait)</source>
        <translation>Naskenovat první stránku hned (nečekat)</translation>
    </message>
    <message>
        <source>Split the book spreak into two pages</source>
        <translation>Rozdělit dvoustranu knihy na dvě stránky</translation>
    </message>
</context>
<context>
    <name>KSlabWidget</name>
    <message>
        <source>Page</source>
        <translation>Stránka</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vellumo - Automatic Scan to PDF, DjVu, JPEG, TIFF, BMP, PNG</source>
        <translation>Vellumo – automatické skenování do PDF, DjVu, JPEG, TIFF, BMP, PNG</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Připraveno</translation>
    </message>
    <message>
        <source>Page count:</source>
        <translation>Počet stránek:</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Vybráno:</translation>
    </message>
    <message>
        <source>Scale: </source>
        <translation>Měřítko: </translation>
    </message>
    <message>
        <source>Keep scale</source>
        <translation>Zachovat měřítko</translation>
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
        <translation>Načíst P&amp;DF</translation>
    </message>
    <message>
        <source>&amp;Open Project...</source>
        <translation>&amp;Otevřít projekt...</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Otevřít obrázek</translation>
    </message>
    <message>
        <source>All Image Files (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Bitmaps (*.bmp);;TIFF Image File (*.tiff *.tif);;JPEG Image File (*.jpeg *.jpg);;PNG Image File (*.png);;</source>
        <translation>Všechny obrázky (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Bitmapy (*.bmp);;Obrázek TIFF (*.tiff *.tif);;Obrázek JPEG (*.jpeg *.jpg);;Obrázek PNG (*.png);;</translation>
    </message>
    <message>
        <source>Do you want to remove %1 checked pages from the document?</source>
        <translation>Chcete z dokumentu odstranit označené stránky (počet: %1)?</translation>
    </message>
    <message>
        <source>Do you want to remove the page?</source>
        <translation>Chcete odstranit stránku?</translation>
    </message>
    <message>
        <source>Do you want to remove all checked pages from the document?</source>
        <translation>Chcete z dokumentu odstranit všechny označené stránky?</translation>
    </message>
    <message>
        <source>Do you want to remove all unchecked pages from the document?</source>
        <translation>Chcete z dokumentu odstranit všechny neoznačené stránky?</translation>
    </message>
    <message>
        <source>Do you want to remove all pages but current from the document?</source>
        <translation>Chcete z dokumentu odstranit všechny stránky kromě aktuální?</translation>
    </message>
    <message>
        <source>Do you want to remove all pages from the document?</source>
        <translation>Chcete z dokumentu odstranit všechny stránky?</translation>
    </message>
    <message>
        <source>&amp;Scan &amp;&amp; PDF</source>
        <translation>&amp;Skenování &amp;&amp; PDF</translation>
    </message>
    <message>
        <source>&amp;Editing</source>
        <translation>Ú&amp;pravy</translation>
    </message>
    <message>
        <source>&amp;Composition</source>
        <translation>&amp;Uspořádání</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Informace</translation>
    </message>
    <message>
        <source>Fast &amp;Settings</source>
        <translation>Rychlé &amp;nastavení</translation>
    </message>
    <message>
        <source>&amp;Scanning</source>
        <translation>&amp;Skenování</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>&amp;Otočení</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zvětšení</translation>
    </message>
    <message>
        <source>&amp;Correction</source>
        <translation>&amp;Korekce</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Přesun</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>O&amp;dstranění</translation>
    </message>
    <message>
        <source>&amp;Checking</source>
        <translation>Ozn&amp;ačení</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Skener:</translation>
    </message>
    <message>
        <source>Color Mode:</source>
        <translation>Barevný režim:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Kvalita:</translation>
    </message>
    <message>
        <source>Select Scanner</source>
        <translation>Vybrat skener</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Barevný režim</translation>
    </message>
    <message>
        <source>Scan Quality</source>
        <translation>Kvalita skenování</translation>
    </message>
    <message>
        <source>Black-White</source>
        <translation>Černobílý</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Odstíny šedi</translation>
    </message>
    <message>
        <source>Photo Color</source>
        <translation>Barevný (fotografie)</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Střední</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Dobrá</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Vysoká</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Nastavení</translation>
    </message>
    <message>
        <source>Change the application settings.</source>
        <translation>Změnit nastavení aplikace.</translation>
    </message>
    <message>
        <source>Scan &amp;Page</source>
        <translation>Skenovat s&amp;tránku</translation>
    </message>
    <message>
        <source>Scan whole page. Press Space to start scanning.</source>
        <translation>Naskenovat celou stránku. Skenování spustíte stisknutím mezerníku.</translation>
    </message>
    <message>
        <source>&amp;Auto Scan</source>
        <translation>&amp;Automatické skenování</translation>
    </message>
    <message>
        <source>Scan a document or a book in automatic mode.</source>
        <translation>Naskenovat dokument nebo knihu v automatickém režimu.</translation>
    </message>
    <message>
        <source>From &amp;File</source>
        <translation>Z&amp;e souboru</translation>
    </message>
    <message>
        <source>Load an image from a file.</source>
        <translation>Načíst obrázek ze souboru.</translation>
    </message>
    <message>
        <source>Extract images from PDF file.</source>
        <translation>Extrahovat obrázky ze souboru PDF.</translation>
    </message>
    <message>
        <source>Build PDF &amp;Document</source>
        <translation>Vytvořit d&amp;okument PDF</translation>
    </message>
    <message>
        <source>Build the PDF document from scanned pages.</source>
        <translation>Vytvořit dokument PDF z naskenovaných stránek.</translation>
    </message>
    <message>
        <source>Build DjVu &amp;File</source>
        <translation>Vytvořit soubor D&amp;jVu</translation>
    </message>
    <message>
        <source>Build the DjVu file from scanned pages.</source>
        <translation>Vytvořit soubor DjVu z naskenovaných stránek.</translation>
    </message>
    <message>
        <source>Build &amp;Word Document</source>
        <translation>Vytvořit dokument &amp;Word</translation>
    </message>
    <message>
        <source>Build the MS Word (docx) document from scanned pages.</source>
        <translation>Vytvořit dokument MS Word (docx) z naskenovaných stránek.</translation>
    </message>
    <message>
        <source>Save &amp;As Pictures</source>
        <translation>Uložit jako o&amp;brázky</translation>
    </message>
    <message>
        <source>Save scanned pages to folder.</source>
        <translation>Uložit naskenované stránky do složky.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Tis&amp;k</translation>
    </message>
    <message>
        <source>Print scanned pages.</source>
        <translation>Vytisknout naskenované stránky.</translation>
    </message>
    <message>
        <source>Turn &amp;Left</source>
        <translation>Otočit &amp;doleva</translation>
    </message>
    <message>
        <source>Rotate Image Left</source>
        <translation>Otočit obrázek doleva</translation>
    </message>
    <message>
        <source>&amp;Turn Right</source>
        <translation>Otočit dop&amp;rava</translation>
    </message>
    <message>
        <source>Rotate Image Right</source>
        <translation>Otočit obrázek doprava</translation>
    </message>
    <message>
        <source>&amp;Flip Image</source>
        <translation>Převrátit o&amp;brázek</translation>
    </message>
    <message>
        <source>Flip the Image</source>
        <translation>Převrátit obrázek</translation>
    </message>
    <message>
        <source>&amp;Rotate to Angle</source>
        <translation>Otočit o ú&amp;hel</translation>
    </message>
    <message>
        <source>Rotate Image to Angle</source>
        <translation>Otočit obrázek o zadaný úhel</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Zvětšit</translation>
    </message>
    <message>
        <source>Zoom Image In</source>
        <translation>Zvětšit obrázek</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Z&amp;menšit</translation>
    </message>
    <message>
        <source>Zoom Image Out</source>
        <translation>Zmenšit obrázek</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>Přizpůsobit &amp;oknu</translation>
    </message>
    <message>
        <source>Fit Image to Window</source>
        <translation>Přizpůsobit obrázek oknu</translation>
    </message>
    <message>
        <source>&amp;Crop Image</source>
        <translation>Oříz&amp;nout obrázek</translation>
    </message>
    <message>
        <source>Show Frame to Crop Image</source>
        <translation>Zobrazit rámeček pro oříznutí obrázku</translation>
    </message>
    <message>
        <source>&amp;Image Contrast</source>
        <translation>&amp;Kontrast obrázku</translation>
    </message>
    <message>
        <source>Adjust Brightness</source>
        <translation>Upravit jas</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Posunout &amp;nahoru</translation>
    </message>
    <message>
        <source>Move up current page in the list.</source>
        <translation>Posunout aktuální stránku v seznamu nahoru.</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Posunout &amp;dolů</translation>
    </message>
    <message>
        <source>Move down current page in the list.</source>
        <translation>Posunout aktuální stránku v seznamu dolů.</translation>
    </message>
    <message>
        <source>Move to &amp;Top</source>
        <translation>Posunout na &amp;začátek</translation>
    </message>
    <message>
        <source>Move current page to top of the list.</source>
        <translation>Posunout aktuální stránku na začátek seznamu.</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation>Posunout na &amp;konec</translation>
    </message>
    <message>
        <source>Move current page to bottom of the list.</source>
        <translation>Posunout aktuální stránku na konec seznamu.</translation>
    </message>
    <message>
        <source>Move to &amp;Position</source>
        <translation>Posunout na pozi&amp;ci</translation>
    </message>
    <message>
        <source>Move current page to position.</source>
        <translation>Posunout aktuální stránku na zadanou pozici.</translation>
    </message>
    <message>
        <source>&amp;Remove Page</source>
        <translation>&amp;Odstranit stránku</translation>
    </message>
    <message>
        <source>Delete current page from the list.</source>
        <translation>Odstranit aktuální stránku ze seznamu.</translation>
    </message>
    <message>
        <source>&amp;Check All</source>
        <translation>Označi&amp;t vše</translation>
    </message>
    <message>
        <source>Check all pages in the project.</source>
        <translation>Označit všechny stránky v projektu.</translation>
    </message>
    <message>
        <source>&amp;Uncheck All</source>
        <translation>Zrušit označení vš&amp;ech</translation>
    </message>
    <message>
        <source>Uncheck all pages in the project.</source>
        <translation>Zrušit označení všech stránek v projektu.</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>&amp;Webové stránky</translation>
    </message>
    <message>
        <source>Go to the Vellumo homepage</source>
        <translation>Přejít na domovskou stránku Vellumo</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O aplikaci</translation>
    </message>
    <message>
        <source>About Software</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Check &amp;Updates</source>
        <translation>&amp;Zkontrolovat aktualizace</translation>
    </message>
    <message>
        <source>Check for updates in Internet.</source>
        <translation>Zkontrolovat dostupnost aktualizací na internetu.</translation>
    </message>
    <message>
        <source>&amp;Vellumo</source>
        <translation>&amp;Vellumo</translation>
    </message>
    <message>
        <source>Click here to save a project, &lt;br/&gt; open an existing project&lt;br/&gt; or start a new project.</source>
        <translation>Klepnutím sem můžete uložit projekt, &lt;br/&gt; otevřít existující projekt&lt;br/&gt; nebo začít nový projekt.</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Nový projekt</translation>
    </message>
    <message>
        <source>Starts a new project</source>
        <translation>Začne nový projekt</translation>
    </message>
    <message>
        <source>Open an existing project</source>
        <translation>Otevře existující projekt</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>&amp;Uložit projekt</translation>
    </message>
    <message>
        <source>Save the current project</source>
        <translation>Uloží aktuální projekt</translation>
    </message>
    <message>
        <source>&amp;Recover Project</source>
        <translation>O&amp;bnovit projekt</translation>
    </message>
    <message>
        <source>Recover the auto-saved project</source>
        <translation>Obnoví automaticky uložený projekt</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>Close the application</source>
        <translation>Zavře aplikaci</translation>
    </message>
    <message>
        <source>Crop Mode</source>
        <translation>Režim oříznutí</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Potvrdit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation>Automatické oříznutí</translation>
    </message>
    <message>
        <source>Rotate Mode</source>
        <translation>Režim otáčení</translation>
    </message>
    <message>
        <source> deg.</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Rotating...</source>
        <translation>Otáčení...</translation>
    </message>
    <message>
        <source>Vellumo Project (*.vlmpj)</source>
        <translation>Projekt Vellumo (*.vlmpj)</translation>
    </message>
    <message>
        <source>The current project is not saved yet. Do you want to save it?</source>
        <translation>Aktuální projekt ještě není uložen. Chcete ho uložit?</translation>
    </message>
    <message>
        <source>The current project has been changed. Do you want to save it?</source>
        <translation>Aktuální projekt byl změněn. Chcete ho uložit?</translation>
    </message>
    <message>
        <source>New project has been begun.</source>
        <translation>Byl zahájen nový projekt.</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Otevřít projekt</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>Otevírání...</translation>
    </message>
    <message>
        <source>Empty project. Scan a document before the saving.</source>
        <translation>Projekt je prázdný. Před uložením naskenujte dokument.</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Uložit projekt</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Ukládání...</translation>
    </message>
    <message>
        <source>Can&apos;t save the project to %1.&lt;br&gt;%2</source>
        <translation>Projekt nelze uložit do %1.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Project has been saved.</source>
        <translation>Projekt byl uložen.</translation>
    </message>
    <message>
        <source>Auto saved project has been recovered.</source>
        <translation>Automaticky uložený projekt byl obnoven.</translation>
    </message>
    <message>
        <source>There are no files to recover.</source>
        <translation>Nejsou žádné soubory k obnovení.</translation>
    </message>
    <message>
        <source>Vellumo found %1 pages of an earlier session in its working folder.&lt;br&gt;Do you want to recover them now?</source>
        <translation>V pracovní složce aplikace Vellumo byly nalezeny stránky z předchozí relace (počet: %1).&lt;br&gt;Chcete je nyní obnovit?</translation>
    </message>
    <message>
        <source>Scanners not found.&lt;br&gt;Please plug a scanner.</source>
        <translation>Nebyly nalezeny žádné skenery.&lt;br&gt;Připojte skener.</translation>
    </message>
    <message>
        <source>Auto cropping...</source>
        <translation>Automatické ořezávání...</translation>
    </message>
    <message>
        <source>Scanning has cancelled.</source>
        <translation>Skenování bylo zrušeno.</translation>
    </message>
    <message>
        <source>PDF file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Soubor PDF byl vytvořen.&lt;br&gt;Otevřít &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Word file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Soubor Wordu byl vytvořen.&lt;br&gt;Otevřít &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while Word file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Chyba při vytváření souboru Wordu.&lt;br&gt;Soubor %1 nelze zapsat. Soubor je pravděpodobně otevřený nebo nemáte oprávnění k zápisu do složky.</translation>
    </message>
    <message>
        <source>DjVu file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Soubor DjVu byl vytvořen.&lt;br&gt;Otevřít &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while DjVu file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Chyba při vytváření souboru DjVu.&lt;br&gt;Soubor %1 nelze zapsat. Soubor je pravděpodobně otevřený nebo nemáte oprávnění k zápisu do složky.</translation>
    </message>
    <message>
        <source>Images was saved.&lt;br&gt;Open folder &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Obrázky byly uloženy.&lt;br&gt;Otevřít složku &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while Image file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened.</source>
        <translation>Chyba při vytváření souboru obrázku.&lt;br&gt;Soubor %1 nelze zapsat. Soubor je pravděpodobně otevřený.</translation>
    </message>
    <message>
        <source>Can&apos;t save the page %1.</source>
        <translation>Stránku %1 nelze uložit.</translation>
    </message>
    <message>
        <source>Error while PDF file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Chyba při vytváření souboru PDF.&lt;br&gt;Soubor %1 nelze zapsat. Soubor je pravděpodobně otevřený nebo nemáte oprávnění k zápisu do složky.</translation>
    </message>
    <message>
        <source>Can&apos;t split the scanned page. It has been kept as one page.</source>
        <translation>Naskenovanou stránku nelze rozdělit. Byla ponechána jako jedna stránka.</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Uložit obrázek</translation>
    </message>
    <message>
        <source>JPEG file (*.jpg);;TIFF file (*.tiff);;BMP file (*.bmp);;PNG file (*.png)</source>
        <translation>Soubor JPEG (*.jpg);;Soubor TIFF (*.tiff);;Soubor BMP (*.bmp);;Soubor PNG (*.png)</translation>
    </message>
    <message>
        <source>The page has been saved to %1.</source>
        <translation>Stránka byla uložena do %1.</translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1.</source>
        <translation>Obrázek nelze uložit do %1.</translation>
    </message>
    <message>
        <source>Extract images from PDF</source>
        <translation>Extrahovat obrázky z PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Soubor PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Can&apos;t open file %1.</source>
        <translation>Soubor %1 nelze otevřít.</translation>
    </message>
    <message>
        <source>Can&apos;t crop the page.</source>
        <translation>Stránku nelze oříznout.</translation>
    </message>
    <message>
        <source>Can&apos;t crop the pages %1.</source>
        <translation>Stránky %1 nelze oříznout.</translation>
    </message>
    <message>
        <source>Splitting...</source>
        <translation>Rozdělování...</translation>
    </message>
    <message>
        <source>Can&apos;t split the page.</source>
        <translation>Stránku nelze rozdělit.</translation>
    </message>
    <message>
        <source>Can&apos;t split the pages %1.</source>
        <translation>Stránky %1 nelze rozdělit.</translation>
    </message>
    <message>
        <source>Can&apos;t open the project %1.&lt;br&gt;%2</source>
        <translation>Projekt %1 nelze otevřít.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Some pages of the project %1 could not be unpacked.</source>
        <translation>Některé stránky projektu %1 nelze rozbalit.</translation>
    </message>
    <message>
        <source>Some entries of the project %1 were left out: %2</source>
        <translation>Některé položky projektu %1 byly vynechány: %2</translation>
    </message>
    <message numerus="yes">
        <source>The %n page(s) scanned so far have been kept.</source>
        <translation>
            <numerusform>%n dosud naskenovaná stránka byla zachována.</numerusform>
            <numerusform>%n dosud naskenované stránky byly zachovány.</numerusform>
            <numerusform>%n dosud naskenovaných stránek bylo zachováno.</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Náhled tisku</translation>
    </message>
    <message>
        <source>Preparing to print...</source>
        <translation>Příprava tisku...</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Hledání aktualizací</translation>
    </message>
    <message>
        <source>ERROR!&lt;br&gt;Can&apos;t connect to the update server. Please check network settings.</source>
        <translation>CHYBA!&lt;br&gt;Nelze se připojit k serveru aktualizací. Zkontrolujte prosím nastavení sítě.</translation>
    </message>
    <message>
        <source>You use a latest version of Vellumo.</source>
        <translation>Používáte nejnovější verzi Vellumo.</translation>
    </message>
    <message>
        <source>Thank you for updating Vellumo.&lt;p&gt;Please close the program and run the install file.</source>
        <translation>Děkujeme za aktualizaci Vellumo.&lt;p&gt;Zavřete prosím program a spusťte instalační soubor.</translation>
    </message>
    <message>
        <source>Restore Source Image</source>
        <translation>Obnovit původní obrázek</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Bez názvu</translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation>Rozdělit dvoustranu knihy na dvě stránky</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>His&amp;torie</translation>
    </message>
    <message>
        <source>Replace this page with a new scan?</source>
        <translation>Chcete tuto stránku nahradit novým skenem?</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Znovu naskenovat</translation>
    </message>
    <message>
        <source>Turning pages upright...</source>
        <translation>Oprava orientace stránek...</translation>
    </message>
    <message>
        <source>Can&apos;t tell which way up the pages %1 are.</source>
        <translation>Nelze určit orientaci stránek %1.</translation>
    </message>
    <message>
        <source>Pages turned upright: %1 of %2.</source>
        <translation>Otočené stránky: %1 z %2.</translation>
    </message>
    <message>
        <source>Turn &amp;Upright</source>
        <translation>Opr&amp;avit orientaci</translation>
    </message>
    <message>
        <source>Turn the checked pages, or this page, upright by the direction of their text</source>
        <translation>Otočit označené stránky nebo tuto stránku správnou stranou nahoru podle směru textu</translation>
    </message>
</context>
<context>
    <name>MoveToDlg</name>
    <message>
        <source>Move Page</source>
        <translation>Přesunout stránku</translation>
    </message>
    <message>
        <source>Move page to...</source>
        <translation>Přesunout stránku na...</translation>
    </message>
    <message>
        <source>New Page Number:</source>
        <translation>Nové číslo stránky:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>OcrLanguages</name>
    <message>
        <source>Turning pages upright needs Tesseract&apos;s orientation data, which is not installed. Install the package %1.</source>
        <translation>Oprava orientace stránek vyžaduje data Tesseractu pro rozpoznání orientace, která nejsou nainstalována. Nainstalujte balíček %1.</translation>
    </message>
    <message>
        <source>Text recognition in %1 needs Tesseract&apos;s data for that language, which is not installed. Install the package %2.</source>
        <translation>Rozpoznávání textu (jazyk: %1) vyžaduje data Tesseractu pro tento jazyk, která nejsou nainstalována. Nainstalujte balíček %2.</translation>
    </message>
    <message>
        <source>Text recognition needs the Tesseract library, which is not installed. Install the package %1.</source>
        <translation>Rozpoznávání textu vyžaduje knihovnu Tesseract, která není nainstalována. Nainstalujte balíček %1.</translation>
    </message>
</context>
<context>
    <name>OfficePopupWindow</name>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
</context>
<context>
    <name>OptionsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>OptionsPage</name>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>Here you can change the software options.</source>
        <translation>Zde můžete změnit volby programu.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Jazyk:</translation>
    </message>
    <message>
        <source>&amp;Automatically check for updates</source>
        <translation>&amp;Automaticky kontrolovat aktualizace</translation>
    </message>
    <message>
        <source>How to translate to your language</source>
        <translation>Jak přeložit Vellumo do vašeho jazyka</translation>
    </message>
</context>
<context>
    <name>PageBatch</name>
    <message>
        <source>Can&apos;t create the folder %1.</source>
        <translation>Nelze vytvořit složku %1.</translation>
    </message>
    <message>
        <source>Splitting %1 of %2...</source>
        <translation>Rozdělování %1 z %2...</translation>
    </message>
    <message>
        <source>Cropping %1 of %2...</source>
        <translation>Ořezávání %1 z %2...</translation>
    </message>
    <message>
        <source>Turning %1 of %2 upright...</source>
        <translation>Oprava orientace %1 z %2...</translation>
    </message>
</context>
<context>
    <name>PageHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>Z&amp;pět: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Z&amp;pět</translation>
    </message>
    <message>
        <source>Re&amp;do %1</source>
        <translation>Zno&amp;vu: %1</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Zno&amp;vu</translation>
    </message>
</context>
<context>
    <name>PageImages</name>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Nelze zapsat %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: the image is empty.</source>
        <translation>Nelze zapsat %1: obrázek je prázdný.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Nelze načíst %1: %2</translation>
    </message>
    <message>
        <source>the black-and-white image can&apos;t be compressed.</source>
        <translation>černobílý obrázek nelze zkomprimovat.</translation>
    </message>
</context>
<context>
    <name>PageImporter</name>
    <message>
        <source>Can&apos;t open file %1.</source>
        <translation>Soubor %1 nelze otevřít.</translation>
    </message>
    <message>
        <source>Drawing the pages of the PDF file.</source>
        <translation>Vykreslování stránek souboru PDF.</translation>
    </message>
    <message>
        <source>Extracting images from PDF file.</source>
        <translation>Extrahování obrázků ze souboru PDF.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file %1.&lt;br&gt;The image is too large: %2 x %3 pixels.</source>
        <translation>Soubor %1 nelze načíst.&lt;br&gt;Obrázek je příliš velký: %2 x %3 pixelů.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file. Wrong file format.&lt;br&gt;%1</source>
        <translation>Soubor nelze načíst. Nesprávný formát souboru.&lt;br&gt;%1</translation>
    </message>
    <message>
        <source>The file %1 is damaged: part of its picture may be missing.</source>
        <translation>Soubor %1 je poškozený: část obrázku může chybět.</translation>
    </message>
    <message>
        <source>Can&apos;t extract image.</source>
        <translation>Obrázek nelze extrahovat.</translation>
    </message>
    <message>
        <source>This PDF file doesn&apos;t contain images.</source>
        <translation>Tento soubor PDF neobsahuje žádné obrázky.</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Its pages can be drawn as images instead, at %1 dpi.</source>
        <translation>Jeho stránky lze místo toho vykreslit jako obrázky s rozlišením %1 DPI.</translation>
    </message>
    <message>
        <source>&amp;Draw Pages</source>
        <translation>&amp;Vykreslit stránky</translation>
    </message>
</context>
<context>
    <name>PageStore</name>
    <message>
        <source>The page image is empty.</source>
        <translation>Obrázek stránky je prázdný.</translation>
    </message>
    <message>
        <source>Can&apos;t rename %1 to %2.</source>
        <translation>%1 nelze přejmenovat na %2.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation>Nelze načíst %1.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Nelze načíst %1: %2</translation>
    </message>
</context>
<context>
    <name>PdfCommandLine</name>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 vyžaduje název souboru</translation>
    </message>
    <message>
        <source>--password needs a password</source>
        <translation>--password vyžaduje heslo</translation>
    </message>
    <message>
        <source>--paper takes A4, Letter or A0 to A6</source>
        <translation>--paper přijímá A4, Letter nebo A0 až A6</translation>
    </message>
    <message>
        <source>--orientation takes portrait or landscape</source>
        <translation>--orientation přijímá portrait nebo landscape</translation>
    </message>
    <message>
        <source>--scale takes dpi, stretch or fit</source>
        <translation>--scale přijímá dpi, stretch nebo fit</translation>
    </message>
    <message>
        <source>--margins takes four centimetre values: L,R,T,B</source>
        <translation>--margins přijímá čtyři hodnoty v centimetrech: L,R,T,B</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>neznámá volba %1</translation>
    </message>
    <message>
        <source>no output file (-o OUT.pdf)</source>
        <translation>chybí výstupní soubor (-o OUT.pdf)</translation>
    </message>
    <message>
        <source>no page files</source>
        <translation>chybí soubory stránek</translation>
    </message>
    <message>
        <source>%1 needs a text</source>
        <translation>%1 vyžaduje text</translation>
    </message>
    <message>
        <source>usage: vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6] [--orientation portrait|landscape] [--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] [--author AUTHOR] [--ocr LANG[+LANG]] FILE...
       vellumo-cli check-pdf FILE|-   (exit code 0: pages can be appended to the PDF; - reads it from standard input)</source>
        <translation>Použití: vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6] [--orientation portrait|landscape] [--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] [--author AUTHOR] [--ocr LANG[+LANG]] FILE...
         vellumo-cli check-pdf FILE|-   (návratový kód 0: do PDF lze připojit stránky; - načte soubor ze standardního vstupu)</translation>
    </message>
    <message>
        <source>--ocr takes Tesseract languages such as eng or eng+deu</source>
        <translation>--ocr přijímá jazyky Tesseractu, např. eng nebo eng+deu</translation>
    </message>
</context>
<context>
    <name>PdfImport</name>
    <message>
        <source>image %1: %2</source>
        <translation>obrázek %1: %2</translation>
    </message>
</context>
<context>
    <name>PdfImportSession</name>
    <message>
        <source>The password is not right.</source>
        <translation>Heslo není správné.</translation>
    </message>
    <message>
        <source>The PDF file %1 is protected by a password.</source>
        <translation>Soubor PDF %1 je chráněn heslem.</translation>
    </message>
</context>
<context>
    <name>PdfProgress</name>
    <message>
        <source>Creating PDF document.</source>
        <translation>Vytváření dokumentu PDF.</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>PdfWriter</name>
    <message>
        <source>&quot;%1&quot; is not a list of text recognition languages.</source>
        <translation>„%1“ není seznam jazyků pro rozpoznávání textu.</translation>
    </message>
</context>
<context>
    <name>PopupMessage</name>
    <message>
        <source>&lt;p&gt;&lt;font color=&quot;black&quot;&gt;&lt;h4&gt;&amp;nbsp;Vellumo Message&lt;/h4&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=&quot;black&quot;&gt;&lt;h4&gt;&amp;nbsp;Zpráva Vellumo&lt;/h4&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ProjectArchive</name>
    <message>
        <source>Can&apos;t create the folder %1.</source>
        <translation>Nelze vytvořit složku %1.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Nelze zapsat %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation>Nelze načíst %1.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Nelze načíst %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1 into %2: %3.</source>
        <translation>%1 nelze zapsat do %2: %3.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2.</source>
        <translation>Nelze zapsat %1: %2.</translation>
    </message>
    <message>
        <source>Its entries overlap: the file is damaged.</source>
        <translation>Položky archivu se překrývají: soubor je poškozený.</translation>
    </message>
    <message>
        <source>not a page file</source>
        <translation>nejde o soubor stránky</translation>
    </message>
    <message>
        <source>a second entry of that name</source>
        <translation>další položka se stejným názvem</translation>
    </message>
    <message>
        <source>encrypted</source>
        <translation>zašifrovaný</translation>
    </message>
    <message>
        <source>unknown compression</source>
        <translation>neznámá komprese</translation>
    </message>
    <message>
        <source>larger than any page</source>
        <translation>větší než jakákoli stránka</translation>
    </message>
    <message>
        <source>There is not enough free disk space for %1.</source>
        <translation>Pro %1 není na disku dostatek volného místa.</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nečitelný</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>poškozený</translation>
    </message>
    <message>
        <source>not an image</source>
        <translation>nejde o obrázek</translation>
    </message>
    <message>
        <source>It holds no pages.</source>
        <translation>Neobsahuje žádné stránky.</translation>
    </message>
</context>
<context>
    <name>PropertyModel</name>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Skener</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Rozlišení</translation>
    </message>
    <message>
        <source>Cropping</source>
        <translation>Oříznutí</translation>
    </message>
</context>
<context>
    <name>PropertyPage</name>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
</context>
<context>
    <name>RibbonSliderPane</name>
    <message>
        <source>Increase</source>
        <translation>Zvýšit</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Snížit</translation>
    </message>
</context>
<context>
    <name>ScanPage</name>
    <message>
        <source>Scanning in progress</source>
        <translation>Probíhá skenování</translation>
    </message>
    <message>
        <source>Scanned page will be added to the list</source>
        <translation>Naskenovaná stránka bude přidána do seznamu</translation>
    </message>
    <message>
        <source>Scanning in progress. Do not open scanner cover.</source>
        <translation>Probíhá skenování. Neotevírejte víko skeneru.</translation>
    </message>
</context>
<context>
    <name>ScanPreviewDlg</name>
    <message>
        <source>Scan Preview</source>
        <translation>Náhled skenování</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Skenovat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>ScanResPage</name>
    <message>
        <source>Resolution</source>
        <translation>Rozlišení</translation>
    </message>
    <message>
        <source>You can change the scanning resolution for each of the modes. The higher the scanning resolution, the better the image quality, but it reduces the scanning speed.</source>
        <translation>Zde můžete změnit rozlišení skenování pro každý z režimů. Čím vyšší rozlišení, tím lepší kvalita obrazu, ale tím pomalejší skenování.</translation>
    </message>
    <message>
        <source>Middle:</source>
        <translation>Střední:</translation>
    </message>
    <message>
        <source>Good:</source>
        <translation>Dobrá:</translation>
    </message>
    <message>
        <source>High:</source>
        <translation>Vysoká:</translation>
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
        <translation>Skener</translation>
    </message>
    <message>
        <source>You can change the scan options and select or deselect the document feeder.</source>
        <translation>Zde můžete změnit volby skenování a zapnout nebo vypnout podavač dokumentů.</translation>
    </message>
    <message>
        <source>Paper Source:</source>
        <translation>Zdroj papíru:</translation>
    </message>
    <message>
        <source>Flatbed (platen)</source>
        <translation>Plochý skener (sklo)</translation>
    </message>
    <message>
        <source>Automatic Feeder (ADF)</source>
        <translation>Automatický podavač dokumentů (ADF)</translation>
    </message>
    <message>
        <source>Acquire:</source>
        <translation>Načíst:</translation>
    </message>
    <message>
        <source>One image</source>
        <translation>Jeden obrázek</translation>
    </message>
    <message>
        <source>All available images</source>
        <translation>Všechny dostupné obrázky</translation>
    </message>
    <message>
        <source>Automatic &amp;deskewing of scanned pages</source>
        <translation>Automatické &amp;narovnání naskenovaných stránek</translation>
    </message>
    <message>
        <source>Automatic &amp;cropping of scanned pages</source>
        <translation>Automatické &amp;oříznutí naskenovaných stránek</translation>
    </message>
    <message>
        <source>Automatic c&amp;ontrast adjustment of scanned pages</source>
        <translation>Automatická úprava &amp;kontrastu naskenovaných stránek</translation>
    </message>
    <message>
        <source>Scan with &amp;preview</source>
        <translation>Skenovat s ná&amp;hledem</translation>
    </message>
    <message>
        <source>Turn pages upright automatically</source>
        <translation>Automatická oprava orientace naskenovaných stránek</translation>
    </message>
</context>
<context>
    <name>SelectFileWidget</name>
    <message>
        <source>Open existing PDF</source>
        <translation>Otevřít existující PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Soubor PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>SelectFolderWidget</name>
    <message>
        <source>Select a folder</source>
        <translation>Vyberte složku</translation>
    </message>
</context>
<context>
    <name>SelectSaveFileWidget</name>
    <message>
        <source>Save file</source>
        <translation>Uložit soubor</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Copyright &amp;copy; 2026 Leafkin. All rights reserved. &lt;a href=&quot;http://%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Copyright &amp;copy; 2026 Leafkin. Všechna práva vyhrazena. &lt;a href=&quot;http://%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Vellumo is already running.&lt;br&gt;Only one copy of Vellumo can work with the pages at a time; please switch to the open window.</source>
        <translation>Aplikace Vellumo už je spuštěna.&lt;br&gt;Se stránkami může současně pracovat jen jedna instance aplikace Vellumo; přepněte se prosím do otevřeného okna.</translation>
    </message>
    <message>
        <source>Critical error</source>
        <translation>Kritická chyba</translation>
    </message>
    <message>
        <source>Can&apos;t start application.</source>
        <translation>Aplikaci nelze spustit.</translation>
    </message>
</context>
<context>
    <name>TimerPage</name>
    <message>
        <source>Scan &amp;Now &gt;</source>
        <translation>Skenovat &amp;nyní &gt;</translation>
    </message>
    <message>
        <source>&amp;Resume Timer</source>
        <translation>&amp;Pokračovat v odpočtu</translation>
    </message>
    <message>
        <source>&amp;Stop Timer</source>
        <translation>&amp;Zastavit odpočet</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Čekání</translation>
    </message>
    <message>
        <source>Next scan will begin soon. Change page in the scanner.&lt;br&gt;Press &lt;b&gt;SPACE&lt;/b&gt; to pause timer. Press &lt;b&gt;ENTER&lt;/b&gt; to run Scan Now.</source>
        <translation>Další skenování brzy začne. Vyměňte stránku ve skeneru.&lt;br&gt;Stisknutím &lt;b&gt;MEZERNÍKU&lt;/b&gt; pozastavíte odpočet. Stisknutím klávesy &lt;b&gt;ENTER&lt;/b&gt; spustíte skenování ihned.</translation>
    </message>
</context>
<context>
    <name>ToolLocator</name>
    <message>
        <source>%1 was not found. Vellumo looked for it in %2 and on the PATH; please reinstall Vellumo.</source>
        <translation>Program %1 nebyl nalezen v %2 ani v cestě PATH; přeinstalujte prosím Vellumo.</translation>
    </message>
</context>
<context>
    <name>UpdateDlg</name>
    <message>
        <source>Vellumo Updates</source>
        <translation>Aktualizace Vellumo</translation>
    </message>
    <message>
        <source>There are new version of Vellumo</source>
        <translation>Je k dispozici nová verze Vellumo</translation>
    </message>
    <message>
        <source>Current Version: %1</source>
        <translation>Nainstalovaná verze: %1</translation>
    </message>
    <message>
        <source>New Version: %1&lt;p&gt;Download: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;</source>
        <translation>Nová verze: %1&lt;p&gt;Stáhnout: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Stáhnout</translation>
    </message>
</context>
<context>
    <name>WaitingDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>WordProgress</name>
    <message>
        <source>Creating MS Word document.</source>
        <translation>Vytváření dokumentu MS Word.</translation>
    </message>
    <message>
        <source>Writting MS Word document.</source>
        <translation>Zápis dokumentu MS Word.</translation>
    </message>
</context>
<context>
    <name>ZipWriter</name>
    <message>
        <source>Can&apos;t compress %1.</source>
        <translation>%1 nelze zkomprimovat.</translation>
    </message>
    <message>
        <source>%1 is too large for a project.</source>
        <translation>Soubor %1 je pro projekt příliš velký.</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>soubor nelze zapsat</translation>
    </message>
</context>
<context>
    <name>vellumo-cli</name>
    <message>
        <source>
       vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   (the page images of a PDF into DIR as 0001.jpg, 0002.tiff, 0003.png, ...)
       vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR FILE.pdf   (the pages of a PDF drawn into DIR as 0001.png, ...)</source>
        <translation>
         vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   (obrázky stránek PDF do DIR jako 0001.jpg, 0002.tiff, 0003.png, ...)
         vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR FILE.pdf   (stránky PDF vykreslené do DIR jako 0001.png, ...)</translation>
    </message>
</context>
</TS>
