<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>BrightnessDlg</name>
    <message>
        <source>Brightness / Contrast</source>
        <translation>Kirkkaus / kontrasti</translation>
    </message>
    <message>
        <source>Source Image</source>
        <translation>Lähdekuva</translation>
    </message>
    <message>
        <source>Destination Image</source>
        <translation>Kohdekuva</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1</source>
        <translation>tuntematon valitsin %1</translation>
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
        <translation>Käyttö: vellumo [OPTION...] [FILE...]
Skannaa paperiasiakirjat ja tallentaa ne PDF-, DjVu-, Word- tai kuvatiedostoiksi.

Tiedostot avataan kuin ne olisi pudotettu ikkunaan: projekti (.vlmpj) korvaa avoimen
asiakirjan, ja kuvat sekä PDF-tiedostojen kuvat lisätään sivuiksi. Jos Vellumo on jo
käynnissä, tiedostot avataan sen ikkunaan.

Valitsimet:
  -h, --help        näytä tämä ohje ja lopeta
  -v, --version     näytä versio ja lopeta
      --demo-scanner  käytä SANEn testilaitetta löydettyjen skannerien sijaan
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
        <translation>Automaattinen rajaus</translation>
    </message>
    <message>
        <source>You can set the auto cropping settings.</source>
        <translation>Voit määrittää automaattisen rajauksen asetukset.</translation>
    </message>
    <message>
        <source>Insert Margins</source>
        <translation>Lisää marginaalit</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Vasen</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Ylä</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Oikea</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Ala</translation>
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
        <translation>se ei ole kuva, jota Vellumo osaa lukea (%1)</translation>
    </message>
    <message>
        <source>its copy %1 could not be written (%2)</source>
        <translation>sen kopiota %1 ei voitu kirjoittaa (%2)</translation>
    </message>
    <message>
        <source>Page %1 (%2) was not encoded: %3</source>
        <translation>Sivua %1 (%2) ei koodattu: %3</translation>
    </message>
    <message>
        <source>%1 did not finish within %2 s</source>
        <translation>%1 ei valmistunut %2 sekunnissa</translation>
    </message>
    <message>
        <source>%1 could not be started (%2)</source>
        <translation>%1 ei käynnistynyt (%2)</translation>
    </message>
    <message>
        <source>%1 crashed</source>
        <translation>%1 kaatui</translation>
    </message>
    <message>
        <source>%1 ended with exit code %2</source>
        <translation>%1 päättyi paluuarvoon %2</translation>
    </message>
    <message>
        <source>%1 wrote nothing</source>
        <translation>%1 ei kirjoittanut mitään</translation>
    </message>
    <message>
        <source>%1 failed (%2)</source>
        <translation>%1 epäonnistui (%2)</translation>
    </message>
    <message>
        <source>Can&apos;t read page %1 (%2): %3</source>
        <translation>Sivua %1 (%2) ei voi lukea: %3</translation>
    </message>
    <message>
        <source>None of the page files exists; %1 was not written.</source>
        <translation>Yhtään sivutiedostoa ei ole olemassa; tiedostoa %1 ei kirjoitettu.</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation>Väliaikaista kansiota ei voi luoda kansioon %1: %2</translation>
    </message>
    <message>
        <source>The pages could not be combined into %1: %2</source>
        <translation>Sivuja ei voitu yhdistää tiedostoksi %1: %2</translation>
    </message>
    <message>
        <source>The combined document %1 could not be read back: %2</source>
        <translation>Yhdistettyä asiakirjaa %1 ei voitu lukea takaisin: %2</translation>
    </message>
    <message>
        <source>The combined document holds %1 of its %2 pages; %3 was not written.</source>
        <translation>Yhdistetyssä asiakirjassa on %1 sivua, vaikka sivuja pitäisi olla %2; tiedostoa %3 ei kirjoitettu.</translation>
    </message>
    <message>
        <source>Page %1 is missing: %2</source>
        <translation>Sivu %1 puuttuu: %2</translation>
    </message>
</context>
<context>
    <name>DjvuProgress</name>
    <message>
        <source>Creating DjVu file.</source>
        <translation>Luodaan DjVu-tiedostoa.</translation>
    </message>
    <message>
        <source>Writting DjVu file.</source>
        <translation>Kirjoitetaan DjVu-tiedostoa.</translation>
    </message>
</context>
<context>
    <name>DocGenerator</name>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Tiedostoon %1 ei voi kirjoittaa: %2</translation>
    </message>
    <message>
        <source>The document %1 was written, but the temporary folder %2 could not be removed.</source>
        <translation>Asiakirja %1 kirjoitettiin, mutta väliaikaista kansiota %2 ei voitu poistaa.</translation>
    </message>
    <message>
        <source>Page %1 is missing: %2</source>
        <translation>Sivu %1 puuttuu: %2</translation>
    </message>
</context>
<context>
    <name>DocxGenerator</name>
    <message>
        <source>Can&apos;t read the Word template %1.</source>
        <translation>Word-mallia %1 ei voi lukea.</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation>Väliaikaista kansiota ei voi luoda kansioon %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Tiedostoon %1 ei voi kirjoittaa: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Tiedostoa %1 ei voi lukea: %2</translation>
    </message>
</context>
<context>
    <name>DraggedWidget</name>
    <message>
        <source>Scan a page or drop files here</source>
        <translation>Skannaa sivu tai pudota tiedostoja tähän</translation>
    </message>
    <message>
        <source>Images (JPEG, PNG, TIFF, BMP), PDF files and projects can be dropped onto this window.</source>
        <translation>Kuvia (JPEG, PNG, TIFF, BMP), PDF-tiedostoja ja projekteja voi pudottaa tähän ikkunaan.</translation>
    </message>
</context>
<context>
    <name>ExportDjvuDlg</name>
    <message>
        <source>Export to DjVu</source>
        <translation>Vie DjVu-muotoon</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation>Tallenna tiedostoon:</translation>
    </message>
    <message>
        <source>DjVu File (*.djvu)</source>
        <translation>DjVu-tiedosto (*.djvu)</translation>
    </message>
    <message>
        <source>DjVu &amp;Compression:</source>
        <translation>DjVu-&amp;pakkaus:</translation>
    </message>
    <message>
        <source>&amp;Open DjVu file after creation</source>
        <translation>&amp;Avaa DjVu-tiedosto luomisen jälkeen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
</context>
<context>
    <name>ExportDlg</name>
    <message>
        <source>Build PDF</source>
        <translation>Luo PDF</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Yleiset</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Asettelu</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Salasana</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Esikatselu</translation>
    </message>
    <message>
        <source>&amp;Scale:</source>
        <translation>S&amp;kaalaus:</translation>
    </message>
    <message>
        <source>By dots per inch</source>
        <translation>Tarkkuuden (dpi) mukaan</translation>
    </message>
    <message>
        <source>Stretch to paper list</source>
        <translation>Venytä paperin kokoiseksi</translation>
    </message>
    <message>
        <source>Stretch with keeping aspect</source>
        <translation>Venytä säilyttäen kuvasuhde</translation>
    </message>
    <message>
        <source>&amp;Paper size:</source>
        <translation>&amp;Paperikoko:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>S&amp;uunta:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Pysty</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Vaaka</translation>
    </message>
    <message>
        <source>&amp;Save to file:</source>
        <translation>Tallenna &amp;tiedostoon:</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-tiedosto (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Append pages to existing file</source>
        <translation>&amp;Lisää sivut olemassa olevaan tiedostoon</translation>
    </message>
    <message>
        <source>&amp;Open PDF document after creation</source>
        <translation>&amp;Avaa PDF-asiakirja luomisen jälkeen</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Marginaalit</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Vasen</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Oikea</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Ylä</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Ala</translation>
    </message>
    <message>
        <source> cm</source>
        <translation> cm</translation>
    </message>
    <message>
        <source>By Page &amp;Center</source>
        <translation>Kesk&amp;itä sivulle</translation>
    </message>
    <message>
        <source>Use &amp;Password:</source>
        <translation>Käytä &amp;salasanaa:</translation>
    </message>
    <message>
        <source>Type a password or keep empty</source>
        <translation>Kirjoita salasana tai jätä tyhjäksi</translation>
    </message>
    <message>
        <source>&amp;Save password for next using</source>
        <translation>&amp;Muista salasana seuraavalla kerralla</translation>
    </message>
    <message>
        <source>Save to PDF</source>
        <translation>Tallenna PDF:ksi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Please enter a file name.</source>
        <translation>Anna tiedostonimi.</translation>
    </message>
    <message>
        <source>Please select an existing PDF file.</source>
        <translation>Valitse olemassa oleva PDF-tiedosto.</translation>
    </message>
    <message>
        <source>Pages: %1/%2</source>
        <translation>Sivu %1/%2</translation>
    </message>
    <message>
        <source>No password store is running on this desktop, so the password can&apos;t be kept.</source>
        <translation>Tällä työpöydällä ei ole käynnissä salasanasäilöä, joten salasanaa ei voi tallentaa.</translation>
    </message>
    <message>
        <source>Can&apos;t keep the password: %1</source>
        <translation>Salasanaa ei voi tallentaa: %1</translation>
    </message>
    <message>
        <source>Make text searchable (OCR)</source>
        <translation>Tee tekstistä haettava (OCR)</translation>
    </message>
    <message>
        <source>Text &amp;language:</source>
        <translation>Tekstin ki&amp;eli:</translation>
    </message>
    <message numerus="yes">
        <source>The text of %n page(s) could not be recognised; they are in the PDF as pictures only.</source>
        <translation>
            <numerusform>%n sivun tekstiä ei voitu tunnistaa; se on PDF:ssä vain kuvana.</numerusform>
            <numerusform>%n sivun tekstiä ei voitu tunnistaa; ne ovat PDF:ssä vain kuvina.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportFileDlg</name>
    <message>
        <source>Export to image list</source>
        <translation>Vie kuvatiedostoiksi</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Save to &amp;Folder:</source>
        <translation>Tallenna &amp;kansioon:</translation>
    </message>
    <message>
        <source>Image Format:</source>
        <translation>Kuvamuoto:</translation>
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
        <translation>Laatu:</translation>
    </message>
    <message>
        <source>File Prefix:</source>
        <translation>Tiedostonimen etuliite:</translation>
    </message>
    <message>
        <source>Counter [C]</source>
        <translation>Laskuri [C]</translation>
    </message>
    <message>
        <source>Date [D]</source>
        <translation>Päiväys [D]</translation>
    </message>
    <message>
        <source>&amp;Open folder after creation</source>
        <translation>&amp;Avaa kansio luomisen jälkeen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Folder %1 isn&apos;t exists.</source>
        <translation>Kansiota %1 ei ole olemassa.</translation>
    </message>
</context>
<context>
    <name>ExportWordDlg</name>
    <message>
        <source>Export to Microsoft Word</source>
        <translation>Vie Microsoft Word -muotoon</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation>Tallenna tiedostoon:</translation>
    </message>
    <message>
        <source>Microsoft Word File (*.docx)</source>
        <translation>Microsoft Word -tiedosto (*.docx)</translation>
    </message>
    <message>
        <source>&amp;Open Word document after creation</source>
        <translation>&amp;Avaa Word-asiakirja luomisen jälkeen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
</context>
<context>
    <name>EzPrevScan</name>
    <message>
        <source>Scanning...</source>
        <translation>Skannataan...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
</context>
<context>
    <name>FlipWidget</name>
    <message>
        <source>Rotate:</source>
        <translation>Kierrä:</translation>
    </message>
    <message>
        <source>Don&apos;t rotate</source>
        <translation>Älä kierrä</translation>
    </message>
    <message>
        <source>Each page</source>
        <translation>Jokainen sivu</translation>
    </message>
    <message>
        <source>Every odd page (1, 3, 5...)</source>
        <translation>Joka pariton sivu (1, 3, 5...)</translation>
    </message>
    <message>
        <source>Every even page (2, 4, 6...)</source>
        <translation>Joka parillinen sivu (2, 4, 6...)</translation>
    </message>
    <message>
        <source>Rotate Angle:</source>
        <translation>Kiertokulma:</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Käännä ylösalaisin</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Käännä vasemmalle</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Käännä oikealle</translation>
    </message>
</context>
<context>
    <name>ImageEditor</name>
    <message>
        <source>Restore Source Image</source>
        <translation>Palauta alkuperäinen kuva</translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation>Automaattinen rajaus</translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation>Jaa kirjan aukeama</translation>
    </message>
    <message>
        <source>Crop this image</source>
        <translation>Rajaa tämä kuva</translation>
    </message>
    <message>
        <source>Adjust contrast</source>
        <translation>Säädä kontrastia</translation>
    </message>
    <message>
        <source>Rescan this page</source>
        <translation>Skannaa tämä sivu uudelleen</translation>
    </message>
    <message>
        <source>Save this page as the image</source>
        <translation>Tallenna tämä sivu kuvana</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Käännä vasemmalle</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Käännä oikealle</translation>
    </message>
    <message>
        <source>Flip this page</source>
        <translation>Käännä tämä sivu ylösalaisin</translation>
    </message>
    <message>
        <source>Delete this page</source>
        <translation>Poista tämä sivu</translation>
    </message>
</context>
<context>
    <name>ImageExportCommand</name>
    <message>
        <source>
       vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...   (each page an image file; P: &quot;[C]&quot; page counter, &quot;[D]&quot; date; default IMAGE_[C], jpg, quality 85)</source>
        <translation>
       vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...   (jokainen sivu omaksi kuvatiedostokseen; P: &quot;[C]&quot; sivulaskuri, &quot;[D]&quot; päiväys; oletukset IMAGE_[C], jpg, laatu 85)</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 vaatii kansion</translation>
    </message>
    <message>
        <source>--format takes jpg, tiff, png or bmp</source>
        <translation>--format hyväksyy arvot jpg, tiff, png tai bmp</translation>
    </message>
    <message>
        <source>--quality takes a number from 0 to 100</source>
        <translation>--quality vaatii luvun väliltä 0–100</translation>
    </message>
    <message>
        <source>--pattern needs a file name pattern</source>
        <translation>--pattern vaatii tiedostonimen mallin</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>tuntematon valitsin %1</translation>
    </message>
    <message>
        <source>no target folder (-o DIR)</source>
        <translation>ei kohdekansiota (-o DIR)</translation>
    </message>
    <message>
        <source>no page files</source>
        <translation>ei sivutiedostoja</translation>
    </message>
    <message>
        <source>wrote %1</source>
        <translation>kirjoitettu %1</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>epäonnistui %1: %2</translation>
    </message>
</context>
<context>
    <name>ImageExporter</name>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Tiedostoa %1 ei voi lukea: %2</translation>
    </message>
    <message>
        <source>Folder %1 isn&apos;t exists.</source>
        <translation>Kansiota %1 ei ole olemassa.</translation>
    </message>
    <message>
        <source>Files keep appearing under the name.</source>
        <translation>Tällä nimellä ilmestyy jatkuvasti uusia tiedostoja.</translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1: %2</source>
        <translation>Kuvaa ei voi tallentaa tiedostoon %1: %2</translation>
    </message>
    <message>
        <source>no image format for this file name</source>
        <translation>tälle tiedostonimelle ei löydy kuvamuotoa</translation>
    </message>
</context>
<context>
    <name>ImgProgress</name>
    <message>
        <source>Creating images.</source>
        <translation>Luodaan kuvia.</translation>
    </message>
    <message>
        <source>Writting images.</source>
        <translation>Kirjoitetaan kuvia.</translation>
    </message>
</context>
<context>
    <name>IntroPage</name>
    <message>
        <source>Automatic Scanning</source>
        <translation>Automaattinen skannaus</translation>
    </message>
    <message>
        <source>Document Scanning</source>
        <translation>Asiakirjan skannaus</translation>
    </message>
    <message>
        <source>&lt;b&gt;Vellumo&lt;/b&gt; will automatically run a scan after a specified time interval.</source>
        <translation>&lt;b&gt;Vellumo&lt;/b&gt; skannaa automaattisesti määritetyin väliajoin.</translation>
    </message>
    <message>
        <source>Select the time interval in seconds:</source>
        <translation>Valitse aikaväli sekunteina:</translation>
    </message>
    <message>
        <source>Scan first page now (don&apos;t wait)</source>
        <translation>Skannaa ensimmäinen sivu heti (älä odota)</translation>
    </message>
    <message>
        <source>Split the book spreak into two pages</source>
        <translation>Jaa kirjan aukeama kahdeksi sivuksi</translation>
    </message>
</context>
<context>
    <name>KSlabWidget</name>
    <message>
        <source>Page</source>
        <translation>Sivu</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vellumo - Automatic Scan to PDF, DjVu, JPEG, TIFF, BMP, PNG</source>
        <translation>Vellumo – automaattinen skannaus PDF-, DjVu-, JPEG-, TIFF-, BMP- ja PNG-muotoon</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Valmis</translation>
    </message>
    <message>
        <source>Page count:</source>
        <translation>Sivumäärä:</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Merkittyjä:</translation>
    </message>
    <message>
        <source>Scale: </source>
        <translation>Skaalaus: </translation>
    </message>
    <message>
        <source>Keep scale</source>
        <translation>Säilytä skaalaus</translation>
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
        <translation>Lataa &amp;PDF</translation>
    </message>
    <message>
        <source>&amp;Open Project...</source>
        <translation>&amp;Avaa projekti...</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Avaa kuva</translation>
    </message>
    <message>
        <source>All Image Files (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Bitmaps (*.bmp);;TIFF Image File (*.tiff *.tif);;JPEG Image File (*.jpeg *.jpg);;PNG Image File (*.png);;</source>
        <translation>Kaikki kuvatiedostot (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Bittikartat (*.bmp);;TIFF-kuvatiedosto (*.tiff *.tif);;JPEG-kuvatiedosto (*.jpeg *.jpg);;PNG-kuvatiedosto (*.png);;</translation>
    </message>
    <message>
        <source>Do you want to remove %1 checked pages from the document?</source>
        <translation>Haluatko poistaa asiakirjasta %1 merkittyä sivua?</translation>
    </message>
    <message>
        <source>Do you want to remove the page?</source>
        <translation>Haluatko poistaa sivun?</translation>
    </message>
    <message>
        <source>Do you want to remove all checked pages from the document?</source>
        <translation>Haluatko poistaa asiakirjasta kaikki merkityt sivut?</translation>
    </message>
    <message>
        <source>Do you want to remove all unchecked pages from the document?</source>
        <translation>Haluatko poistaa asiakirjasta kaikki merkitsemättömät sivut?</translation>
    </message>
    <message>
        <source>Do you want to remove all pages but current from the document?</source>
        <translation>Haluatko poistaa asiakirjasta kaikki sivut nykyistä lukuun ottamatta?</translation>
    </message>
    <message>
        <source>Do you want to remove all pages from the document?</source>
        <translation>Haluatko poistaa asiakirjasta kaikki sivut?</translation>
    </message>
    <message>
        <source>&amp;Scan &amp;&amp; PDF</source>
        <translation>&amp;Skannaus &amp;&amp; PDF</translation>
    </message>
    <message>
        <source>&amp;Editing</source>
        <translation>&amp;Muokkaus</translation>
    </message>
    <message>
        <source>&amp;Composition</source>
        <translation>&amp;Järjestely</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Tiedot</translation>
    </message>
    <message>
        <source>Fast &amp;Settings</source>
        <translation>&amp;Pika-asetukset</translation>
    </message>
    <message>
        <source>&amp;Scanning</source>
        <translation>S&amp;kannaus</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>T&amp;uonti</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>V&amp;ienti</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>&amp;Kierto</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoomaus</translation>
    </message>
    <message>
        <source>&amp;Correction</source>
        <translation>K&amp;orjaus</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Siirto</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Poisto</translation>
    </message>
    <message>
        <source>&amp;Checking</source>
        <translation>&amp;Merkintä</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ohje</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Skanneri:</translation>
    </message>
    <message>
        <source>Color Mode:</source>
        <translation>Väritila:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Laatu:</translation>
    </message>
    <message>
        <source>Select Scanner</source>
        <translation>Valitse skanneri</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Väritila</translation>
    </message>
    <message>
        <source>Scan Quality</source>
        <translation>Skannauslaatu</translation>
    </message>
    <message>
        <source>Black-White</source>
        <translation>Mustavalkoinen</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Harmaasävy</translation>
    </message>
    <message>
        <source>Photo Color</source>
        <translation>Värivalokuva</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Keskitaso</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Hyvä</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Korkea</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>As&amp;etukset</translation>
    </message>
    <message>
        <source>Change the application settings.</source>
        <translation>Muuta sovelluksen asetuksia.</translation>
    </message>
    <message>
        <source>Scan &amp;Page</source>
        <translation>S&amp;kannaa sivu</translation>
    </message>
    <message>
        <source>Scan whole page. Press Space to start scanning.</source>
        <translation>Skannaa koko sivu. Aloita skannaus painamalla välilyöntiä.</translation>
    </message>
    <message>
        <source>&amp;Auto Scan</source>
        <translation>&amp;Automaattiskannaus</translation>
    </message>
    <message>
        <source>Scan a document or a book in automatic mode.</source>
        <translation>Skannaa asiakirja tai kirja automaattitilassa.</translation>
    </message>
    <message>
        <source>From &amp;File</source>
        <translation>T&amp;iedostosta</translation>
    </message>
    <message>
        <source>Load an image from a file.</source>
        <translation>Lataa kuva tiedostosta.</translation>
    </message>
    <message>
        <source>Extract images from PDF file.</source>
        <translation>Pura kuvat PDF-tiedostosta.</translation>
    </message>
    <message>
        <source>Build PDF &amp;Document</source>
        <translation>&amp;Luo PDF-asiakirja</translation>
    </message>
    <message>
        <source>Build the PDF document from scanned pages.</source>
        <translation>Luo PDF-asiakirja skannatuista sivuista.</translation>
    </message>
    <message>
        <source>Build DjVu &amp;File</source>
        <translation>Luo &amp;DjVu-tiedosto</translation>
    </message>
    <message>
        <source>Build the DjVu file from scanned pages.</source>
        <translation>Luo DjVu-tiedosto skannatuista sivuista.</translation>
    </message>
    <message>
        <source>Build &amp;Word Document</source>
        <translation>Luo &amp;Word-asiakirja</translation>
    </message>
    <message>
        <source>Build the MS Word (docx) document from scanned pages.</source>
        <translation>Luo MS Word (docx) -asiakirja skannatuista sivuista.</translation>
    </message>
    <message>
        <source>Save &amp;As Pictures</source>
        <translation>Tallenna k&amp;uvina</translation>
    </message>
    <message>
        <source>Save scanned pages to folder.</source>
        <translation>Tallenna skannatut sivut kansioon.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Tul&amp;osta</translation>
    </message>
    <message>
        <source>Print scanned pages.</source>
        <translation>Tulosta skannatut sivut.</translation>
    </message>
    <message>
        <source>Turn &amp;Left</source>
        <translation>Käännä v&amp;asemmalle</translation>
    </message>
    <message>
        <source>Rotate Image Left</source>
        <translation>Kierrä kuvaa vasemmalle</translation>
    </message>
    <message>
        <source>&amp;Turn Right</source>
        <translation>Käännä &amp;oikealle</translation>
    </message>
    <message>
        <source>Rotate Image Right</source>
        <translation>Kierrä kuvaa oikealle</translation>
    </message>
    <message>
        <source>&amp;Flip Image</source>
        <translation>Käännä &amp;ylösalaisin</translation>
    </message>
    <message>
        <source>Flip the Image</source>
        <translation>Käännä kuva ylösalaisin</translation>
    </message>
    <message>
        <source>&amp;Rotate to Angle</source>
        <translation>K&amp;ierrä kulmaan</translation>
    </message>
    <message>
        <source>Rotate Image to Angle</source>
        <translation>Kierrä kuvaa annettuun kulmaan</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Lä&amp;hennä</translation>
    </message>
    <message>
        <source>Zoom Image In</source>
        <translation>Lähennä kuvaa</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Loitonna</translation>
    </message>
    <message>
        <source>Zoom Image Out</source>
        <translation>Loitonna kuvaa</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>Sovita ikk&amp;unaan</translation>
    </message>
    <message>
        <source>Fit Image to Window</source>
        <translation>Sovita kuva ikkunaan</translation>
    </message>
    <message>
        <source>&amp;Crop Image</source>
        <translation>&amp;Rajaa kuva</translation>
    </message>
    <message>
        <source>Show Frame to Crop Image</source>
        <translation>Näytä rajauskehys</translation>
    </message>
    <message>
        <source>&amp;Image Contrast</source>
        <translation>Kuvan &amp;kontrasti</translation>
    </message>
    <message>
        <source>Adjust Brightness</source>
        <translation>Säädä kirkkautta</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Siirrä &amp;ylös</translation>
    </message>
    <message>
        <source>Move up current page in the list.</source>
        <translation>Siirrä nykyistä sivua ylöspäin luettelossa.</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Siirrä &amp;alas</translation>
    </message>
    <message>
        <source>Move down current page in the list.</source>
        <translation>Siirrä nykyistä sivua alaspäin luettelossa.</translation>
    </message>
    <message>
        <source>Move to &amp;Top</source>
        <translation>Siirrä &amp;ensimmäiseksi</translation>
    </message>
    <message>
        <source>Move current page to top of the list.</source>
        <translation>Siirrä nykyinen sivu luettelon alkuun.</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation>Siirrä v&amp;iimeiseksi</translation>
    </message>
    <message>
        <source>Move current page to bottom of the list.</source>
        <translation>Siirrä nykyinen sivu luettelon loppuun.</translation>
    </message>
    <message>
        <source>Move to &amp;Position</source>
        <translation>Siirrä k&amp;ohtaan</translation>
    </message>
    <message>
        <source>Move current page to position.</source>
        <translation>Siirrä nykyinen sivu annettuun kohtaan.</translation>
    </message>
    <message>
        <source>&amp;Remove Page</source>
        <translation>&amp;Poista sivu</translation>
    </message>
    <message>
        <source>Delete current page from the list.</source>
        <translation>Poista nykyinen sivu luettelosta.</translation>
    </message>
    <message>
        <source>&amp;Check All</source>
        <translation>Merkitse &amp;kaikki</translation>
    </message>
    <message>
        <source>Check all pages in the project.</source>
        <translation>Merkitse kaikki projektin sivut.</translation>
    </message>
    <message>
        <source>&amp;Uncheck All</source>
        <translation>Poista me&amp;rkinnät</translation>
    </message>
    <message>
        <source>Uncheck all pages in the project.</source>
        <translation>Poista merkinnät kaikista projektin sivuista.</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>&amp;Kotisivu</translation>
    </message>
    <message>
        <source>Go to the Vellumo homepage</source>
        <translation>Siirry Vellumon kotisivulle</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>T&amp;ietoja</translation>
    </message>
    <message>
        <source>About Software</source>
        <translation>Tietoja ohjelmasta</translation>
    </message>
    <message>
        <source>Check &amp;Updates</source>
        <translation>Tarkista &amp;päivitykset</translation>
    </message>
    <message>
        <source>Check for updates in Internet.</source>
        <translation>Tarkista päivitykset internetistä.</translation>
    </message>
    <message>
        <source>&amp;Vellumo</source>
        <translation>&amp;Vellumo</translation>
    </message>
    <message>
        <source>Click here to save a project, &lt;br/&gt; open an existing project&lt;br/&gt; or start a new project.</source>
        <translation>Napsauta tästä tallentaaksesi projektin,&lt;br/&gt; avataksesi olemassa olevan projektin&lt;br/&gt; tai aloittaaksesi uuden projektin.</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Uusi projekti</translation>
    </message>
    <message>
        <source>Starts a new project</source>
        <translation>Aloittaa uuden projektin</translation>
    </message>
    <message>
        <source>Open an existing project</source>
        <translation>Avaa olemassa oleva projekti</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>&amp;Tallenna projekti</translation>
    </message>
    <message>
        <source>Save the current project</source>
        <translation>Tallenna nykyinen projekti</translation>
    </message>
    <message>
        <source>&amp;Recover Project</source>
        <translation>&amp;Palauta projekti</translation>
    </message>
    <message>
        <source>Recover the auto-saved project</source>
        <translation>Palauta automaattisesti tallennettu projekti</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>Close the application</source>
        <translation>Sulje sovellus</translation>
    </message>
    <message>
        <source>Crop Mode</source>
        <translation>Rajaustila</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Hyväksy</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation>Automaattinen rajaus</translation>
    </message>
    <message>
        <source>Rotate Mode</source>
        <translation>Kiertotila</translation>
    </message>
    <message>
        <source> deg.</source>
        <translation> ast.</translation>
    </message>
    <message>
        <source>Rotating...</source>
        <translation>Kierretään...</translation>
    </message>
    <message>
        <source>Vellumo Project (*.vlmpj)</source>
        <translation>Vellumo-projekti (*.vlmpj)</translation>
    </message>
    <message>
        <source>The current project is not saved yet. Do you want to save it?</source>
        <translation>Nykyistä projektia ei ole vielä tallennettu. Haluatko tallentaa sen?</translation>
    </message>
    <message>
        <source>The current project has been changed. Do you want to save it?</source>
        <translation>Nykyistä projektia on muutettu. Haluatko tallentaa sen?</translation>
    </message>
    <message>
        <source>New project has been begun.</source>
        <translation>Uusi projekti aloitettu.</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Avaa projekti</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>Avataan...</translation>
    </message>
    <message>
        <source>Empty project. Scan a document before the saving.</source>
        <translation>Projekti on tyhjä. Skannaa asiakirja ennen tallentamista.</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Tallenna projekti</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Tallennetaan...</translation>
    </message>
    <message>
        <source>Can&apos;t save the project to %1.&lt;br&gt;%2</source>
        <translation>Projektia ei voi tallentaa tiedostoon %1.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Project has been saved.</source>
        <translation>Projekti tallennettu.</translation>
    </message>
    <message>
        <source>Auto saved project has been recovered.</source>
        <translation>Automaattisesti tallennettu projekti on palautettu.</translation>
    </message>
    <message>
        <source>There are no files to recover.</source>
        <translation>Palautettavia tiedostoja ei ole.</translation>
    </message>
    <message>
        <source>Vellumo found %1 pages of an earlier session in its working folder.&lt;br&gt;Do you want to recover them now?</source>
        <translation>Vellumo löysi työkansiostaan %1 sivua aiemmasta istunnosta.&lt;br&gt;Haluatko palauttaa ne nyt?</translation>
    </message>
    <message>
        <source>Scanners not found.&lt;br&gt;Please plug a scanner.</source>
        <translation>Skannereita ei löytynyt.&lt;br&gt;Liitä skanneri tietokoneeseen.</translation>
    </message>
    <message>
        <source>Auto cropping...</source>
        <translation>Rajataan automaattisesti...</translation>
    </message>
    <message>
        <source>Scanning has cancelled.</source>
        <translation>Skannaus peruttiin.</translation>
    </message>
    <message>
        <source>PDF file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>PDF-tiedosto luotiin.&lt;br&gt;Avaa &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Word file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Word-tiedosto luotiin.&lt;br&gt;Avaa &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while Word file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Virhe Word-tiedoston luomisessa.&lt;br&gt;Tiedostoon %1 ei voi kirjoittaa. Tiedosto saattaa olla auki, tai sinulla ei ole kansioon kirjoitusoikeutta.</translation>
    </message>
    <message>
        <source>DjVu file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>DjVu-tiedosto luotiin.&lt;br&gt;Avaa &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while DjVu file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Virhe DjVu-tiedoston luomisessa.&lt;br&gt;Tiedostoon %1 ei voi kirjoittaa. Tiedosto saattaa olla auki, tai sinulla ei ole kansioon kirjoitusoikeutta.</translation>
    </message>
    <message>
        <source>Images was saved.&lt;br&gt;Open folder &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Kuvat tallennettiin.&lt;br&gt;Avaa kansio &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while Image file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened.</source>
        <translation>Virhe kuvatiedoston luomisessa.&lt;br&gt;Tiedostoon %1 ei voi kirjoittaa. Tiedosto saattaa olla auki.</translation>
    </message>
    <message>
        <source>Can&apos;t save the page %1.</source>
        <translation>Sivua %1 ei voi tallentaa.</translation>
    </message>
    <message>
        <source>Error while PDF file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Virhe PDF-tiedoston luomisessa.&lt;br&gt;Tiedostoon %1 ei voi kirjoittaa. Tiedosto saattaa olla auki, tai sinulla ei ole kansioon kirjoitusoikeutta.</translation>
    </message>
    <message>
        <source>Can&apos;t split the scanned page. It has been kept as one page.</source>
        <translation>Skannattua sivua ei voi jakaa. Se säilytettiin yhtenä sivuna.</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Tallenna kuva</translation>
    </message>
    <message>
        <source>JPEG file (*.jpg);;TIFF file (*.tiff);;BMP file (*.bmp);;PNG file (*.png)</source>
        <translation>JPEG-tiedosto (*.jpg);;TIFF-tiedosto (*.tiff);;BMP-tiedosto (*.bmp);;PNG-tiedosto (*.png)</translation>
    </message>
    <message>
        <source>The page has been saved to %1.</source>
        <translation>Sivu tallennettiin tiedostoon %1.</translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1.</source>
        <translation>Kuvaa ei voi tallentaa tiedostoon %1.</translation>
    </message>
    <message>
        <source>Extract images from PDF</source>
        <translation>Pura kuvat PDF-tiedostosta</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-tiedosto (*.pdf)</translation>
    </message>
    <message>
        <source>Can&apos;t open file %1.</source>
        <translation>Tiedostoa %1 ei voi avata.</translation>
    </message>
    <message>
        <source>Can&apos;t crop the page.</source>
        <translation>Sivua ei voi rajata.</translation>
    </message>
    <message>
        <source>Can&apos;t crop the pages %1.</source>
        <translation>Sivuja %1 ei voi rajata.</translation>
    </message>
    <message>
        <source>Splitting...</source>
        <translation>Jaetaan...</translation>
    </message>
    <message>
        <source>Can&apos;t split the page.</source>
        <translation>Sivua ei voi jakaa.</translation>
    </message>
    <message>
        <source>Can&apos;t split the pages %1.</source>
        <translation>Sivuja %1 ei voi jakaa.</translation>
    </message>
    <message>
        <source>Can&apos;t open the project %1.&lt;br&gt;%2</source>
        <translation>Projektia %1 ei voi avata.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Some pages of the project %1 could not be unpacked.</source>
        <translation>Joitakin projektin %1 sivuja ei voitu purkaa.</translation>
    </message>
    <message>
        <source>Some entries of the project %1 were left out: %2</source>
        <translation>Joitakin projektin %1 kohteita ohitettiin: %2</translation>
    </message>
    <message numerus="yes">
        <source>The %n page(s) scanned so far have been kept.</source>
        <translation>
            <numerusform>Tähän mennessä skannattu %n sivu on säilytetty.</numerusform>
            <numerusform>Tähän mennessä skannatut %n sivua on säilytetty.</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Tulostuksen esikatselu</translation>
    </message>
    <message>
        <source>Preparing to print...</source>
        <translation>Valmistellaan tulostusta...</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Tarkistetaan päivityksiä...</translation>
    </message>
    <message>
        <source>ERROR!&lt;br&gt;Can&apos;t connect to the update server. Please check network settings.</source>
        <translation>VIRHE!&lt;br&gt;Päivityspalvelimeen ei saada yhteyttä. Tarkista verkkoasetukset.</translation>
    </message>
    <message>
        <source>You use a latest version of Vellumo.</source>
        <translation>Käytät Vellumon uusinta versiota.</translation>
    </message>
    <message>
        <source>Thank you for updating Vellumo.&lt;p&gt;Please close the program and run the install file.</source>
        <translation>Kiitos, että päivität Vellumon.&lt;p&gt;Sulje ohjelma ja suorita asennustiedosto.</translation>
    </message>
    <message>
        <source>Restore Source Image</source>
        <translation>Palauta alkuperäinen kuva</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Nimetön</translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation>Jaa kirjan aukeama</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historia</translation>
    </message>
    <message>
        <source>Replace this page with a new scan?</source>
        <translation>Korvataanko tämä sivu uudella skannauksella?</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Skannaa uudelleen</translation>
    </message>
    <message>
        <source>Turning pages upright...</source>
        <translation>Korjataan sivujen suuntaa...</translation>
    </message>
    <message>
        <source>Can&apos;t tell which way up the pages %1 are.</source>
        <translation>Sivujen %1 suuntaa ei voi päätellä.</translation>
    </message>
    <message>
        <source>Pages turned upright: %1 of %2.</source>
        <translation>Käännettyjä sivuja: %1/%2.</translation>
    </message>
    <message>
        <source>Turn &amp;Upright</source>
        <translation>Korjaa &amp;suunta</translation>
    </message>
    <message>
        <source>Turn the checked pages, or this page, upright by the direction of their text</source>
        <translation>Käännä merkityt sivut tai tämä sivu oikein päin tekstin suunnan mukaan</translation>
    </message>
</context>
<context>
    <name>MoveToDlg</name>
    <message>
        <source>Move Page</source>
        <translation>Siirrä sivu</translation>
    </message>
    <message>
        <source>Move page to...</source>
        <translation>Siirrä sivu kohtaan...</translation>
    </message>
    <message>
        <source>New Page Number:</source>
        <translation>Uusi sivunumero:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
</context>
<context>
    <name>OcrLanguages</name>
    <message>
        <source>Turning pages upright needs Tesseract&apos;s orientation data, which is not installed. Install the package %1.</source>
        <translation>Sivujen suunnan korjaamiseen tarvitaan Tesseractin suunnantunnistustiedot, joita ei ole asennettu. Asenna paketti %1.</translation>
    </message>
    <message>
        <source>Text recognition in %1 needs Tesseract&apos;s data for that language, which is not installed. Install the package %2.</source>
        <translation>Tekstintunnistukseen (kieli: %1) tarvitaan Tesseractin tiedot tälle kielelle, joita ei ole asennettu. Asenna paketti %2.</translation>
    </message>
    <message>
        <source>Text recognition needs the Tesseract library, which is not installed. Install the package %1.</source>
        <translation>Tekstintunnistus tarvitsee Tesseract-kirjaston, jota ei ole asennettu. Asenna paketti %1.</translation>
    </message>
</context>
<context>
    <name>OfficePopupWindow</name>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
</context>
<context>
    <name>OptionsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
</context>
<context>
    <name>OptionsPage</name>
    <message>
        <source>General</source>
        <translation>Yleiset</translation>
    </message>
    <message>
        <source>Here you can change the software options.</source>
        <translation>Täällä voit muuttaa ohjelman asetuksia.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Kieli:</translation>
    </message>
    <message>
        <source>&amp;Automatically check for updates</source>
        <translation>&amp;Tarkista päivitykset automaattisesti</translation>
    </message>
    <message>
        <source>How to translate to your language</source>
        <translation>Ohjeet ohjelman kääntämiseen omalle kielellesi</translation>
    </message>
</context>
<context>
    <name>PageBatch</name>
    <message>
        <source>Can&apos;t create the folder %1.</source>
        <translation>Kansiota %1 ei voi luoda.</translation>
    </message>
    <message>
        <source>Splitting %1 of %2...</source>
        <translation>Jaetaan sivua %1/%2...</translation>
    </message>
    <message>
        <source>Cropping %1 of %2...</source>
        <translation>Rajataan sivua %1/%2...</translation>
    </message>
    <message>
        <source>Turning %1 of %2 upright...</source>
        <translation>Korjataan sivun %1/%2 suuntaa...</translation>
    </message>
</context>
<context>
    <name>PageHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>Ku&amp;moa: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ku&amp;moa</translation>
    </message>
    <message>
        <source>Re&amp;do %1</source>
        <translation>T&amp;ee uudelleen: %1</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>T&amp;ee uudelleen</translation>
    </message>
</context>
<context>
    <name>PageImages</name>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Tiedostoon %1 ei voi kirjoittaa: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: the image is empty.</source>
        <translation>Tiedostoon %1 ei voi kirjoittaa: kuva on tyhjä.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Tiedostoa %1 ei voi lukea: %2</translation>
    </message>
    <message>
        <source>the black-and-white image can&apos;t be compressed.</source>
        <translation>mustavalkoista kuvaa ei voi pakata.</translation>
    </message>
</context>
<context>
    <name>PageImporter</name>
    <message>
        <source>Can&apos;t open file %1.</source>
        <translation>Tiedostoa %1 ei voi avata.</translation>
    </message>
    <message>
        <source>Drawing the pages of the PDF file.</source>
        <translation>Muunnetaan PDF-tiedoston sivuja kuviksi.</translation>
    </message>
    <message>
        <source>Extracting images from PDF file.</source>
        <translation>Puretaan kuvia PDF-tiedostosta.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file %1.&lt;br&gt;The image is too large: %2 x %3 pixels.</source>
        <translation>Tiedostoa %1 ei voi ladata.&lt;br&gt;Kuva on liian suuri: %2 x %3 kuvapistettä.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file. Wrong file format.&lt;br&gt;%1</source>
        <translation>Tiedostoa ei voi ladata. Virheellinen tiedostomuoto.&lt;br&gt;%1</translation>
    </message>
    <message>
        <source>The file %1 is damaged: part of its picture may be missing.</source>
        <translation>Tiedosto %1 on vaurioitunut: osa sen kuvasta voi puuttua.</translation>
    </message>
    <message>
        <source>Can&apos;t extract image.</source>
        <translation>Kuvaa ei voi purkaa.</translation>
    </message>
    <message>
        <source>This PDF file doesn&apos;t contain images.</source>
        <translation>Tässä PDF-tiedostossa ei ole kuvia.</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Its pages can be drawn as images instead, at %1 dpi.</source>
        <translation>Sen sivut voidaan sen sijaan muuntaa kuviksi tarkkuudella %1 dpi.</translation>
    </message>
    <message>
        <source>&amp;Draw Pages</source>
        <translation>&amp;Muunna sivut kuviksi</translation>
    </message>
</context>
<context>
    <name>PageStore</name>
    <message>
        <source>The page image is empty.</source>
        <translation>Sivun kuva on tyhjä.</translation>
    </message>
    <message>
        <source>Can&apos;t rename %1 to %2.</source>
        <translation>Tiedostoa %1 ei voi nimetä uudelleen nimelle %2.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation>Tiedostoa %1 ei voi lukea.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Tiedostoa %1 ei voi lukea: %2</translation>
    </message>
</context>
<context>
    <name>PdfCommandLine</name>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 vaatii tiedostonimen</translation>
    </message>
    <message>
        <source>--password needs a password</source>
        <translation>--password vaatii salasanan</translation>
    </message>
    <message>
        <source>--paper takes A4, Letter or A0 to A6</source>
        <translation>--paper hyväksyy arvot A4, Letter tai A0–A6</translation>
    </message>
    <message>
        <source>--orientation takes portrait or landscape</source>
        <translation>--orientation hyväksyy arvot portrait tai landscape</translation>
    </message>
    <message>
        <source>--scale takes dpi, stretch or fit</source>
        <translation>--scale hyväksyy arvot dpi, stretch tai fit</translation>
    </message>
    <message>
        <source>--margins takes four centimetre values: L,R,T,B</source>
        <translation>--margins vaatii neljä arvoa senttimetreinä: L,R,T,B</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>tuntematon valitsin %1</translation>
    </message>
    <message>
        <source>no output file (-o OUT.pdf)</source>
        <translation>ei tulostiedostoa (-o OUT.pdf)</translation>
    </message>
    <message>
        <source>no page files</source>
        <translation>ei sivutiedostoja</translation>
    </message>
    <message>
        <source>%1 needs a text</source>
        <translation>%1 vaatii tekstin</translation>
    </message>
    <message>
        <source>usage: vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6] [--orientation portrait|landscape] [--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] [--author AUTHOR] [--ocr LANG[+LANG]] FILE...
       vellumo-cli check-pdf FILE|-   (exit code 0: pages can be appended to the PDF; - reads it from standard input)</source>
        <translation>Käyttö: vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6] [--orientation portrait|landscape] [--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] [--author AUTHOR] [--ocr LANG[+LANG]] FILE...
       vellumo-cli check-pdf FILE|-   (paluukoodi 0: PDF-tiedostoon voi lisätä sivuja; - lukee sen vakiosyötteestä)</translation>
    </message>
    <message>
        <source>--ocr takes Tesseract languages such as eng or eng+deu</source>
        <translation>--ocr hyväksyy Tesseractin kielet, kuten eng tai eng+deu</translation>
    </message>
</context>
<context>
    <name>PdfImport</name>
    <message>
        <source>image %1: %2</source>
        <translation>kuva %1: %2</translation>
    </message>
</context>
<context>
    <name>PdfImportSession</name>
    <message>
        <source>The password is not right.</source>
        <translation>Salasana on väärä.</translation>
    </message>
    <message>
        <source>The PDF file %1 is protected by a password.</source>
        <translation>PDF-tiedosto %1 on suojattu salasanalla.</translation>
    </message>
</context>
<context>
    <name>PdfProgress</name>
    <message>
        <source>Creating PDF document.</source>
        <translation>Luodaan PDF-asiakirjaa.</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
</context>
<context>
    <name>PdfWriter</name>
    <message>
        <source>&quot;%1&quot; is not a list of text recognition languages.</source>
        <translation>&quot;%1&quot; ei ole tekstintunnistuksen kieliluettelo.</translation>
    </message>
</context>
<context>
    <name>PopupMessage</name>
    <message>
        <source>&lt;p&gt;&lt;font color=&quot;black&quot;&gt;&lt;h4&gt;&amp;nbsp;Vellumo Message&lt;/h4&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=&quot;black&quot;&gt;&lt;h4&gt;&amp;nbsp;Vellumo-viesti&lt;/h4&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ProjectArchive</name>
    <message>
        <source>Can&apos;t create the folder %1.</source>
        <translation>Kansiota %1 ei voi luoda.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Tiedostoon %1 ei voi kirjoittaa: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation>Tiedostoa %1 ei voi lukea.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Tiedostoa %1 ei voi lukea: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1 into %2: %3.</source>
        <translation>Kohdetta %1 ei voi kirjoittaa tiedostoon %2: %3.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2.</source>
        <translation>Tiedostoon %1 ei voi kirjoittaa: %2.</translation>
    </message>
    <message>
        <source>Its entries overlap: the file is damaged.</source>
        <translation>Sen kohteet menevät päällekkäin: tiedosto on vaurioitunut.</translation>
    </message>
    <message>
        <source>not a page file</source>
        <translation>ei sivutiedosto</translation>
    </message>
    <message>
        <source>a second entry of that name</source>
        <translation>toinen samanniminen kohde</translation>
    </message>
    <message>
        <source>encrypted</source>
        <translation>salattu</translation>
    </message>
    <message>
        <source>unknown compression</source>
        <translation>tuntematon pakkausmenetelmä</translation>
    </message>
    <message>
        <source>larger than any page</source>
        <translation>suurempi kuin yksikään sivu</translation>
    </message>
    <message>
        <source>There is not enough free disk space for %1.</source>
        <translation>Levyllä ei ole tarpeeksi vapaata tilaa kohteelle %1.</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>lukukelvoton</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>vaurioitunut</translation>
    </message>
    <message>
        <source>not an image</source>
        <translation>ei kuva</translation>
    </message>
    <message>
        <source>It holds no pages.</source>
        <translation>Siinä ei ole sivuja.</translation>
    </message>
</context>
<context>
    <name>PropertyModel</name>
    <message>
        <source>General</source>
        <translation>Yleiset</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Skanneri</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Tarkkuus</translation>
    </message>
    <message>
        <source>Cropping</source>
        <translation>Rajaus</translation>
    </message>
</context>
<context>
    <name>PropertyPage</name>
    <message>
        <source>Default</source>
        <translation>Oletukset</translation>
    </message>
</context>
<context>
    <name>RibbonSliderPane</name>
    <message>
        <source>Increase</source>
        <translation>Lisää</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Vähennä</translation>
    </message>
</context>
<context>
    <name>ScanPage</name>
    <message>
        <source>Scanning in progress</source>
        <translation>Skannaus käynnissä</translation>
    </message>
    <message>
        <source>Scanned page will be added to the list</source>
        <translation>Skannattu sivu lisätään luetteloon</translation>
    </message>
    <message>
        <source>Scanning in progress. Do not open scanner cover.</source>
        <translation>Skannaus käynnissä. Älä avaa skannerin kantta.</translation>
    </message>
</context>
<context>
    <name>ScanPreviewDlg</name>
    <message>
        <source>Scan Preview</source>
        <translation>Skannauksen esikatselu</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Skannaa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
</context>
<context>
    <name>ScanResPage</name>
    <message>
        <source>Resolution</source>
        <translation>Tarkkuus</translation>
    </message>
    <message>
        <source>You can change the scanning resolution for each of the modes. The higher the scanning resolution, the better the image quality, but it reduces the scanning speed.</source>
        <translation>Voit muuttaa skannaustarkkuutta kullekin tilalle erikseen. Mitä suurempi skannaustarkkuus, sitä parempi kuvanlaatu, mutta sitä hitaampi skannaus.</translation>
    </message>
    <message>
        <source>Middle:</source>
        <translation>Keskitaso:</translation>
    </message>
    <message>
        <source>Good:</source>
        <translation>Hyvä:</translation>
    </message>
    <message>
        <source>High:</source>
        <translation>Korkea:</translation>
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
        <translation>Skanneri</translation>
    </message>
    <message>
        <source>You can change the scan options and select or deselect the document feeder.</source>
        <translation>Voit muuttaa skannausasetuksia sekä ottaa asiakirjansyöttölaitteen käyttöön tai poistaa sen käytöstä.</translation>
    </message>
    <message>
        <source>Paper Source:</source>
        <translation>Paperilähde:</translation>
    </message>
    <message>
        <source>Flatbed (platen)</source>
        <translation>Tasoskanneri (valotuslasi)</translation>
    </message>
    <message>
        <source>Automatic Feeder (ADF)</source>
        <translation>Automaattinen syöttölaite (ADF)</translation>
    </message>
    <message>
        <source>Acquire:</source>
        <translation>Hae:</translation>
    </message>
    <message>
        <source>One image</source>
        <translation>Yksi kuva</translation>
    </message>
    <message>
        <source>All available images</source>
        <translation>Kaikki saatavilla olevat kuvat</translation>
    </message>
    <message>
        <source>Automatic &amp;deskewing of scanned pages</source>
        <translation>Skannattujen sivujen automaattinen &amp;suoristus</translation>
    </message>
    <message>
        <source>Automatic &amp;cropping of scanned pages</source>
        <translation>Skannattujen sivujen automaattinen &amp;rajaus</translation>
    </message>
    <message>
        <source>Automatic c&amp;ontrast adjustment of scanned pages</source>
        <translation>Skannattujen sivujen automaattinen &amp;kontrastinsäätö</translation>
    </message>
    <message>
        <source>Scan with &amp;preview</source>
        <translation>Skannaa &amp;esikatselun kanssa</translation>
    </message>
    <message>
        <source>Turn pages upright automatically</source>
        <translation>Skannattujen sivujen automaattinen suunnan korjaus</translation>
    </message>
</context>
<context>
    <name>SelectFileWidget</name>
    <message>
        <source>Open existing PDF</source>
        <translation>Avaa olemassa oleva PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-tiedosto (*.pdf)</translation>
    </message>
</context>
<context>
    <name>SelectFolderWidget</name>
    <message>
        <source>Select a folder</source>
        <translation>Valitse kansio</translation>
    </message>
</context>
<context>
    <name>SelectSaveFileWidget</name>
    <message>
        <source>Save file</source>
        <translation>Tallenna tiedosto</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Copyright &amp;copy; 2026 Leafkin. All rights reserved. &lt;a href=&quot;http://%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Copyright &amp;copy; 2026 Leafkin. Kaikki oikeudet pidätetään. &lt;a href=&quot;http://%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Vellumo is already running.&lt;br&gt;Only one copy of Vellumo can work with the pages at a time; please switch to the open window.</source>
        <translation>Vellumo on jo käynnissä.&lt;br&gt;Vain yksi Vellumon kopio voi käsitellä sivuja kerrallaan; siirry avoinna olevaan ikkunaan.</translation>
    </message>
    <message>
        <source>Critical error</source>
        <translation>Vakava virhe</translation>
    </message>
    <message>
        <source>Can&apos;t start application.</source>
        <translation>Sovellusta ei voi käynnistää.</translation>
    </message>
</context>
<context>
    <name>TimerPage</name>
    <message>
        <source>Scan &amp;Now &gt;</source>
        <translation>Skannaa &amp;nyt &gt;</translation>
    </message>
    <message>
        <source>&amp;Resume Timer</source>
        <translation>&amp;Jatka ajastinta</translation>
    </message>
    <message>
        <source>&amp;Stop Timer</source>
        <translation>&amp;Pysäytä ajastin</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Odotetaan</translation>
    </message>
    <message>
        <source>Next scan will begin soon. Change page in the scanner.&lt;br&gt;Press &lt;b&gt;SPACE&lt;/b&gt; to pause timer. Press &lt;b&gt;ENTER&lt;/b&gt; to run Scan Now.</source>
        <translation>Seuraava skannaus alkaa pian. Vaihda sivu skanneriin.&lt;br&gt;Keskeytä ajastin painamalla &lt;b&gt;VÄLILYÖNTIÄ&lt;/b&gt;. Skannaa heti painamalla &lt;b&gt;ENTER&lt;/b&gt;.</translation>
    </message>
</context>
<context>
    <name>ToolLocator</name>
    <message>
        <source>%1 was not found. Vellumo looked for it in %2 and on the PATH; please reinstall Vellumo.</source>
        <translation>Ohjelmaa %1 ei löytynyt. Vellumo etsi sitä kansiosta %2 ja PATH-polusta; asenna Vellumo uudelleen.</translation>
    </message>
</context>
<context>
    <name>UpdateDlg</name>
    <message>
        <source>Vellumo Updates</source>
        <translation>Vellumo-päivitykset</translation>
    </message>
    <message>
        <source>There are new version of Vellumo</source>
        <translation>Vellumosta on saatavilla uusi versio</translation>
    </message>
    <message>
        <source>Current Version: %1</source>
        <translation>Nykyinen versio: %1</translation>
    </message>
    <message>
        <source>New Version: %1&lt;p&gt;Download: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;</source>
        <translation>Uusi versio: %1&lt;p&gt;Lataa: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Lataa</translation>
    </message>
</context>
<context>
    <name>WaitingDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
</context>
<context>
    <name>WordProgress</name>
    <message>
        <source>Creating MS Word document.</source>
        <translation>Luodaan MS Word -asiakirjaa.</translation>
    </message>
    <message>
        <source>Writting MS Word document.</source>
        <translation>Kirjoitetaan MS Word -asiakirjaa.</translation>
    </message>
</context>
<context>
    <name>ZipWriter</name>
    <message>
        <source>Can&apos;t compress %1.</source>
        <translation>Kohdetta %1 ei voi pakata.</translation>
    </message>
    <message>
        <source>%1 is too large for a project.</source>
        <translation>%1 on liian suuri projektiin.</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>tiedostoa ei voitu kirjoittaa</translation>
    </message>
</context>
<context>
    <name>vellumo-cli</name>
    <message>
        <source>
       vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   (the page images of a PDF into DIR as 0001.jpg, 0002.tiff, 0003.png, ...)
       vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR FILE.pdf   (the pages of a PDF drawn into DIR as 0001.png, ...)</source>
        <translation>
       vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   (PDF-tiedoston sivujen kuvat kansioon DIR nimillä 0001.jpg, 0002.tiff, 0003.png, ...)
       vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR FILE.pdf   (PDF-tiedoston sivut kuviksi muunnettuina kansioon DIR nimillä 0001.png, ...)</translation>
    </message>
</context>
</TS>
