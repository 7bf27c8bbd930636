<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>BrightnessDlg</name>
    <message>
        <source>Brightness / Contrast</source>
        <translation>Parlaklık / Kontrast</translation>
    </message>
    <message>
        <source>Source Image</source>
        <translation>Özgün görüntü</translation>
    </message>
    <message>
        <source>Destination Image</source>
        <translation>Sonuç görüntüsü</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1</source>
        <translation>bilinmeyen seçenek: %1</translation>
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
        <translation>Kullanım: vellumo [OPTION...] [FILE...]
Kâğıt belgeleri tarar ve PDF, DjVu, Word ya da görüntü dosyası olarak kaydeder.

Dosyalar pencereye bırakılmış gibi açılır: bir proje (.vlmpj) açık belgenin yerini alır,
görüntüler ve PDF dosyalarındaki görüntüler sayfa olarak eklenir. Vellumo zaten çalışıyorsa
dosyalar onun penceresine gönderilir.

Seçenekler:
  -h, --help        bu yardımı gösterir ve çıkar
  -v, --version     sürümü gösterir ve çıkar
      --demo-scanner  bulunan tarayıcılar yerine SANE test aygıtını kullanır
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
        <translation>Otomatik kırpma</translation>
    </message>
    <message>
        <source>You can set the auto cropping settings.</source>
        <translation>Otomatik kırpma ayarlarını buradan yapabilirsiniz.</translation>
    </message>
    <message>
        <source>Insert Margins</source>
        <translation>Kenar boşluğu ekle</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Üst</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Sağ</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Alt</translation>
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
        <translation>Vellumo&apos;nun okuyabildiği bir görüntü değil (%1)</translation>
    </message>
    <message>
        <source>its copy %1 could not be written (%2)</source>
        <translation>kopyası (%1) yazılamadı (%2)</translation>
    </message>
    <message>
        <source>Page %1 (%2) was not encoded: %3</source>
        <translation>Sayfa %1 (%2) kodlanamadı: %3</translation>
    </message>
    <message>
        <source>%1 did not finish within %2 s</source>
        <translation>%1, %2 sn içinde tamamlanmadı</translation>
    </message>
    <message>
        <source>%1 could not be started (%2)</source>
        <translation>%1 başlatılamadı (%2)</translation>
    </message>
    <message>
        <source>%1 crashed</source>
        <translation>%1 çöktü</translation>
    </message>
    <message>
        <source>%1 ended with exit code %2</source>
        <translation>%1, %2 çıkış koduyla sonlandı</translation>
    </message>
    <message>
        <source>%1 wrote nothing</source>
        <translation>%1 hiçbir şey yazmadı</translation>
    </message>
    <message>
        <source>%1 failed (%2)</source>
        <translation>%1 başarısız oldu (%2)</translation>
    </message>
    <message>
        <source>Can&apos;t read page %1 (%2): %3</source>
        <translation>Sayfa %1 (%2) okunamıyor: %3</translation>
    </message>
    <message>
        <source>None of the page files exists; %1 was not written.</source>
        <translation>Sayfa dosyalarının hiçbiri yok; %1 yazılmadı.</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation>%1 içinde geçici klasör oluşturulamıyor: %2</translation>
    </message>
    <message>
        <source>The pages could not be combined into %1: %2</source>
        <translation>Sayfalar %1 içinde birleştirilemedi: %2</translation>
    </message>
    <message>
        <source>The combined document %1 could not be read back: %2</source>
        <translation>Birleştirilmiş belge (%1) geri okunamadı: %2</translation>
    </message>
    <message>
        <source>The combined document holds %1 of its %2 pages; %3 was not written.</source>
        <translation>Birleştirilmiş belge, %2 sayfanın yalnızca %1 tanesini içeriyor; %3 yazılmadı.</translation>
    </message>
    <message>
        <source>Page %1 is missing: %2</source>
        <translation>Sayfa %1 eksik: %2</translation>
    </message>
</context>
<context>
    <name>DjvuProgress</name>
    <message>
        <source>Creating DjVu file.</source>
        <translation>DjVu dosyası oluşturuluyor.</translation>
    </message>
    <message>
        <source>Writting DjVu file.</source>
        <translation>DjVu dosyası yazılıyor.</translation>
    </message>
</context>
<context>
    <name>DocGenerator</name>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
    <message>
        <source>The document %1 was written, but the temporary folder %2 could not be removed.</source>
        <translation>%1 belgesi yazıldı, ancak %2 geçici klasörü silinemedi.</translation>
    </message>
    <message>
        <source>Page %1 is missing: %2</source>
        <translation>Sayfa %1 eksik: %2</translation>
    </message>
</context>
<context>
    <name>DocxGenerator</name>
    <message>
        <source>Can&apos;t read the Word template %1.</source>
        <translation>Word şablonu (%1) okunamıyor.</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation>%1 içinde geçici klasör oluşturulamıyor: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>%1 okunamıyor: %2</translation>
    </message>
</context>
<context>
    <name>DraggedWidget</name>
    <message>
        <source>Scan a page or drop files here</source>
        <translation>Bir sayfa tarayın veya dosyaları buraya bırakın</translation>
    </message>
    <message>
        <source>Images (JPEG, PNG, TIFF, BMP), PDF files and projects can be dropped onto this window.</source>
        <translation>Görüntüler (JPEG, PNG, TIFF, BMP), PDF dosyaları ve projeler bu pencereye bırakılabilir.</translation>
    </message>
</context>
<context>
    <name>ExportDjvuDlg</name>
    <message>
        <source>Export to DjVu</source>
        <translation>DjVu Olarak Dışa Aktar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation>Dosyaya kaydet:</translation>
    </message>
    <message>
        <source>DjVu File (*.djvu)</source>
        <translation>DjVu dosyası (*.djvu)</translation>
    </message>
    <message>
        <source>DjVu &amp;Compression:</source>
        <translation>DjVu &amp;sıkıştırması:</translation>
    </message>
    <message>
        <source>&amp;Open DjVu file after creation</source>
        <translation>Oluşturulduktan sonra DjVu dosyasını &amp;aç</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>ExportDlg</name>
    <message>
        <source>Build PDF</source>
        <translation>PDF Oluştur</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Yerleşim</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Önizleme</translation>
    </message>
    <message>
        <source>&amp;Scale:</source>
        <translation>&amp;Ölçekleme:</translation>
    </message>
    <message>
        <source>By dots per inch</source>
        <translation>Çözünürlüğe göre (dpi)</translation>
    </message>
    <message>
        <source>Stretch to paper list</source>
        <translation>Tüm sayfaya yay</translation>
    </message>
    <message>
        <source>Stretch with keeping aspect</source>
        <translation>En-boy oranını koruyarak yay</translation>
    </message>
    <message>
        <source>&amp;Paper size:</source>
        <translation>&amp;Kâğıt boyutu:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>&amp;Yönlendirme:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Dikey</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Yatay</translation>
    </message>
    <message>
        <source>&amp;Save to file:</source>
        <translation>&amp;Dosyaya kaydet:</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF dosyası (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Append pages to existing file</source>
        <translation>Sayfaları var olan dosyaya &amp;ekle</translation>
    </message>
    <message>
        <source>&amp;Open PDF document after creation</source>
        <translation>Oluşturulduktan sonra PDF belgesini &amp;aç</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Kenar boşlukları</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Sağ</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Üst</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source> cm</source>
        <translation> cm</translation>
    </message>
    <message>
        <source>By Page &amp;Center</source>
        <translation>Sayfada &amp;ortala</translation>
    </message>
    <message>
        <source>Use &amp;Password:</source>
        <translation>&amp;Parola kullan:</translation>
    </message>
    <message>
        <source>Type a password or keep empty</source>
        <translation>Bir parola yazın veya boş bırakın</translation>
    </message>
    <message>
        <source>&amp;Save password for next using</source>
        <translation>Parolayı sonraki kullanım için &amp;kaydet</translation>
    </message>
    <message>
        <source>Save to PDF</source>
        <translation>PDF olarak kaydet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Please enter a file name.</source>
        <translation>Lütfen bir dosya adı girin.</translation>
    </message>
    <message>
        <source>Please select an existing PDF file.</source>
        <translation>Lütfen var olan bir PDF dosyası seçin.</translation>
    </message>
    <message>
        <source>Pages: %1/%2</source>
        <translation>Sayfa: %1/%2</translation>
    </message>
    <message>
        <source>No password store is running on this desktop, so the password can&apos;t be kept.</source>
        <translation>Bu masaüstünde çalışan bir parola deposu yok, bu nedenle parola saklanamıyor.</translation>
    </message>
    <message>
        <source>Can&apos;t keep the password: %1</source>
        <translation>Parola saklanamıyor: %1</translation>
    </message>
    <message>
        <source>Make text searchable (OCR)</source>
        <translation>Metni aranabilir yap (OCR)</translation>
    </message>
    <message>
        <source>Text &amp;language:</source>
        <translation>&amp;Metin dili:</translation>
    </message>
    <message numerus="yes">
        <source>The text of %n page(s) could not be recognised; they are in the PDF as pictures only.</source>
        <translation>
            <numerusform>%n sayfanın metni tanınamadı; bu sayfalar PDF dosyasında yalnızca görüntü olarak yer alıyor.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportFileDlg</name>
    <message>
        <source>Export to image list</source>
        <translation>Görüntü Dosyalarına Aktar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Save to &amp;Folder:</source>
        <translation>&amp;Klasöre kaydet:</translation>
    </message>
    <message>
        <source>Image Format:</source>
        <translation>Görüntü biçimi:</translation>
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
        <translation>Kalite:</translation>
    </message>
    <message>
        <source>File Prefix:</source>
        <translation>Dosya öneki:</translation>
    </message>
    <message>
        <source>Counter [C]</source>
        <translation>Sayaç [C]</translation>
    </message>
    <message>
        <source>Date [D]</source>
        <translation>Tarih [D]</translation>
    </message>
    <message>
        <source>&amp;Open folder after creation</source>
        <translation>Oluşturulduktan sonra klasörü &amp;aç</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Folder %1 isn&apos;t exists.</source>
        <translation>%1 klasörü yok.</translation>
    </message>
</context>
<context>
    <name>ExportWordDlg</name>
    <message>
        <source>Export to Microsoft Word</source>
        <translation>Microsoft Word Olarak Dışa Aktar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation>Dosyaya kaydet:</translation>
    </message>
    <message>
        <source>Microsoft Word File (*.docx)</source>
        <translation>Microsoft Word dosyası (*.docx)</translation>
    </message>
    <message>
        <source>&amp;Open Word document after creation</source>
        <translation>Oluşturulduktan sonra Word belgesini &amp;aç</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>EzPrevScan</name>
    <message>
        <source>Scanning...</source>
        <translation>Taranıyor…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>FlipWidget</name>
    <message>
        <source>Rotate:</source>
        <translation>Döndür:</translation>
    </message>
    <message>
        <source>Don&apos;t rotate</source>
        <translation>Döndürme</translation>
    </message>
    <message>
        <source>Each page</source>
        <translation>Her sayfa</translation>
    </message>
    <message>
        <source>Every odd page (1, 3, 5...)</source>
        <translation>Tek numaralı sayfalar (1, 3, 5…)</translation>
    </message>
    <message>
        <source>Every even page (2, 4, 6...)</source>
        <translation>Çift numaralı sayfalar (2, 4, 6…)</translation>
    </message>
    <message>
        <source>Rotate Angle:</source>
        <translation>Döndürme açısı:</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Ters çevir</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Sola döndür</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Sağa döndür</translation>
    </message>
</context>
<context>
    <name>ImageEditor</name>
    <message>
        <source>Restore Source Image</source>
        <translation>Özgün görüntüyü geri yükle</translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation>Otomatik kırpma</translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation>Karşılıklı sayfaları ayır</translation>
    </message>
    <message>
        <source>Crop this image</source>
        <translation>Bu görüntüyü kırp</translation>
    </message>
    <message>
        <source>Adjust contrast</source>
        <translation>Kontrastı ayarla</translation>
    </message>
    <message>
        <source>Rescan this page</source>
        <translation>Bu sayfayı yeniden tara</translation>
    </message>
    <message>
        <source>Save this page as the image</source>
        <translation>Bu sayfayı görüntü olarak kaydet</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Sola döndür</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Sağa döndür</translation>
    </message>
    <message>
        <source>Flip this page</source>
        <translation>Bu sayfayı ters çevir</translation>
    </message>
    <message>
        <source>Delete this page</source>
        <translation>Bu sayfayı sil</translation>
    </message>
</context>
<context>
    <name>ImageExportCommand</name>
    <message>
        <source>
       vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...   (each page an image file; P: &quot;[C]&quot; page counter, &quot;[D]&quot; date; default IMAGE_[C], jpg, quality 85)</source>
        <translation>
       vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...   (her sayfa ayrı bir görüntü dosyasına; P: &quot;[C]&quot; sayfa sayacı, &quot;[D]&quot; tarih; varsayılan IMAGE_[C], jpg, kalite 85)</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 için bir klasör gerekli</translation>
    </message>
    <message>
        <source>--format takes jpg, tiff, png or bmp</source>
        <translation>--format için jpg, tiff, png veya bmp kullanılabilir</translation>
    </message>
    <message>
        <source>--quality takes a number from 0 to 100</source>
        <translation>--quality için 0 ile 100 arasında bir sayı gerekli</translation>
    </message>
    <message>
        <source>--pattern needs a file name pattern</source>
        <translation>--pattern için bir dosya adı kalıbı gerekli</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>bilinmeyen seçenek: %1</translation>
    </message>
    <message>
        <source>no target folder (-o DIR)</source>
        <translation>hedef klasör yok (-o DIR)</translation>
    </message>
    <message>
        <source>no page files</source>
        <translation>sayfa dosyası yok</translation>
    </message>
    <message>
        <source>wrote %1</source>
        <translation>yazıldı: %1</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>başarısız: %1: %2</translation>
    </message>
</context>
<context>
    <name>ImageExporter</name>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>%1 okunamıyor: %2</translation>
    </message>
    <message>
        <source>Folder %1 isn&apos;t exists.</source>
        <translation>%1 klasörü yok.</translation>
    </message>
    <message>
        <source>Files keep appearing under the name.</source>
        <translation>Bu adla sürekli yeni dosyalar beliriyor.</translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1: %2</source>
        <translation>Görüntü %1 konumuna kaydedilemiyor: %2</translation>
    </message>
    <message>
        <source>no image format for this file name</source>
        <translation>bu dosya adı için görüntü biçimi yok</translation>
    </message>
</context>
<context>
    <name>ImgProgress</name>
    <message>
        <source>Creating images.</source>
        <translation>Görüntüler oluşturuluyor.</translation>
    </message>
    <message>
        <source>Writting images.</source>
        <translation>Görüntüler yazılıyor.</translation>
    </message>
</context>
<context>
    <name>IntroPage</name>
    <message>
        <source>Automatic Scanning</source>
        <translation>Otomatik Tarama</translation>
    </message>
    <message>
        <source>Document Scanning</source>
        <translation>Belge Tarama</translation>
    </message>
    <message>
        <source>&lt;b&gt;Vellumo&lt;/b&gt; will automatically run a scan after a specified time interval.</source>
        <translation>&lt;b&gt;Vellumo&lt;/b&gt;, belirtilen zaman aralığından sonra taramayı otomatik olarak başlatır.</translation>
    </message>
    <message>
        <source>Select the time interval in seconds:</source>
        <translation>Zaman aralığını saniye cinsinden seçin:</translation>
    </message>
    <message>
        <source>Scan first page now (don&apos;t wait)</source>
        <translation>İlk sayfayı hemen tara (bekleme)</translation>
    </message>
    <message>
        <source>Split the book spreak into two pages</source>
        <translation>Karşılıklı sayfaları iki sayfaya ayır</translation>
    </message>
</context>
<context>
    <name>KSlabWidget</name>
    <message>
        <source>Page</source>
        <translation>Sayfa</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vellumo - Automatic Scan to PDF, DjVu, JPEG, TIFF, BMP, PNG</source>
        <translation>Vellumo - PDF, DjVu, JPEG, TIFF, BMP, PNG biçimlerine otomatik tarama</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Hazır</translation>
    </message>
    <message>
        <source>Page count:</source>
        <translation>Sayfa sayısı:</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Seçili:</translation>
    </message>
    <message>
        <source>Scale: </source>
        <translation>Ölçek: </translation>
    </message>
    <message>
        <source>Keep scale</source>
        <translation>Ölçeği koru</translation>
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
        <translation>&amp;PDF yükle</translation>
    </message>
    <message>
        <source>&amp;Open Project...</source>
        <translation>Proje &amp;aç…</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Görüntü Aç</translation>
    </message>
    <message>
        <source>All Image Files (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Bitmaps (*.bmp);;TIFF Image File (*.tiff *.tif);;JPEG Image File (*.jpeg *.jpg);;PNG Image File (*.png);;</source>
        <translation>Tüm görüntü dosyaları (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Bit eşlemler (*.bmp);;TIFF görüntü dosyası (*.tiff *.tif);;JPEG görüntü dosyası (*.jpeg *.jpg);;PNG görüntü dosyası (*.png);;</translation>
    </message>
    <message>
        <source>Do you want to remove %1 checked pages from the document?</source>
        <translation>İşaretli %1 sayfayı belgeden kaldırmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Do you want to remove the page?</source>
        <translation>Sayfayı kaldırmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Do you want to remove all checked pages from the document?</source>
        <translation>Tüm işaretli sayfaları belgeden kaldırmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Do you want to remove all unchecked pages from the document?</source>
        <translation>İşaretsiz tüm sayfaları belgeden kaldırmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Do you want to remove all pages but current from the document?</source>
        <translation>Geçerli sayfa dışındaki tüm sayfaları belgeden kaldırmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Do you want to remove all pages from the document?</source>
        <translation>Tüm sayfaları belgeden kaldırmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>&amp;Scan &amp;&amp; PDF</source>
        <translation>&amp;Tarama &amp;&amp; PDF</translation>
    </message>
    <message>
        <source>&amp;Editing</source>
        <translation>&amp;Düzenleme</translation>
    </message>
    <message>
        <source>&amp;Composition</source>
        <translation>&amp;Sayfalar</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Bilgi</translation>
    </message>
    <message>
        <source>Fast &amp;Settings</source>
        <translation>Hızlı &amp;ayarlar</translation>
    </message>
    <message>
        <source>&amp;Scanning</source>
        <translation>&amp;Tarama</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;İçe aktar</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Dışa aktar</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>&amp;Döndür</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Yakınlaştırma</translation>
    </message>
    <message>
        <source>&amp;Correction</source>
        <translation>&amp;Düzeltme</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Taşı</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Kaldır</translation>
    </message>
    <message>
        <source>&amp;Checking</source>
        <translation>&amp;İşaretleme</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Tarayıcı:</translation>
    </message>
    <message>
        <source>Color Mode:</source>
        <translation>Renk kipi:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Kalite:</translation>
    </message>
    <message>
        <source>Select Scanner</source>
        <translation>Tarayıcı seç</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Renk kipi</translation>
    </message>
    <message>
        <source>Scan Quality</source>
        <translation>Tarama kalitesi</translation>
    </message>
    <message>
        <source>Black-White</source>
        <translation>Siyah-beyaz</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Gri tonlamalı</translation>
    </message>
    <message>
        <source>Photo Color</source>
        <translation>Renkli (fotoğraf)</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>İyi</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Yüksek</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Ayarlar</translation>
    </message>
    <message>
        <source>Change the application settings.</source>
        <translation>Uygulama ayarlarını değiştir.</translation>
    </message>
    <message>
        <source>Scan &amp;Page</source>
        <translation>Sayfa &amp;tara</translation>
    </message>
    <message>
        <source>Scan whole page. Press Space to start scanning.</source>
        <translation>Tüm sayfayı tara. Taramayı başlatmak için Boşluk tuşuna basın.</translation>
    </message>
    <message>
        <source>&amp;Auto Scan</source>
        <translation>&amp;Otomatik tarama</translation>
    </message>
    <message>
        <source>Scan a document or a book in automatic mode.</source>
        <translation>Bir belgeyi veya kitabı otomatik kipte tara.</translation>
    </message>
    <message>
        <source>From &amp;File</source>
        <translation>&amp;Dosyadan</translation>
    </message>
    <message>
        <source>Load an image from a file.</source>
        <translation>Dosyadan bir görüntü yükle.</translation>
    </message>
    <message>
        <source>Extract images from PDF file.</source>
        <translation>PDF dosyasındaki görüntüleri çıkar.</translation>
    </message>
    <message>
        <source>Build PDF &amp;Document</source>
        <translation>PDF &amp;belgesi oluştur</translation>
    </message>
    <message>
        <source>Build the PDF document from scanned pages.</source>
        <translation>Taranan sayfalardan PDF belgesi oluştur.</translation>
    </message>
    <message>
        <source>Build DjVu &amp;File</source>
        <translation>D&amp;jVu dosyası oluştur</translation>
    </message>
    <message>
        <source>Build the DjVu file from scanned pages.</source>
        <translation>Taranan sayfalardan DjVu dosyası oluştur.</translation>
    </message>
    <message>
        <source>Build &amp;Word Document</source>
        <translation>&amp;Word belgesi oluştur</translation>
    </message>
    <message>
        <source>Build the MS Word (docx) document from scanned pages.</source>
        <translation>Taranan sayfalardan MS Word (docx) belgesi oluştur.</translation>
    </message>
    <message>
        <source>Save &amp;As Pictures</source>
        <translation>&amp;Görüntü olarak kaydet</translation>
    </message>
    <message>
        <source>Save scanned pages to folder.</source>
        <translation>Taranan sayfaları klasöre kaydet.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Yazdır</translation>
    </message>
    <message>
        <source>Print scanned pages.</source>
        <translation>Taranan sayfaları yazdır.</translation>
    </message>
    <message>
        <source>Turn &amp;Left</source>
        <translation>S&amp;ola döndür</translation>
    </message>
    <message>
        <source>Rotate Image Left</source>
        <translation>Görüntüyü sola döndür</translation>
    </message>
    <message>
        <source>&amp;Turn Right</source>
        <translation>Sağ&amp;a döndür</translation>
    </message>
    <message>
        <source>Rotate Image Right</source>
        <translation>Görüntüyü sağa döndür</translation>
    </message>
    <message>
        <source>&amp;Flip Image</source>
        <translation>Görüntüyü &amp;ters çevir</translation>
    </message>
    <message>
        <source>Flip the Image</source>
        <translation>Görüntüyü ters çevir</translation>
    </message>
    <message>
        <source>&amp;Rotate to Angle</source>
        <translation>&amp;Belirli açıya döndür</translation>
    </message>
    <message>
        <source>Rotate Image to Angle</source>
        <translation>Görüntüyü belirli bir açıya döndür</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Yakınlaştır</translation>
    </message>
    <message>
        <source>Zoom Image In</source>
        <translation>Görüntüyü yakınlaştır</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Uzaklaştır</translation>
    </message>
    <message>
        <source>Zoom Image Out</source>
        <translation>Görüntüyü uzaklaştır</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>&amp;Pencereye sığdır</translation>
    </message>
    <message>
        <source>Fit Image to Window</source>
        <translation>Görüntüyü pencereye sığdır</translation>
    </message>
    <message>
        <source>&amp;Crop Image</source>
        <translation>Görüntüyü &amp;kırp</translation>
    </message>
    <message>
        <source>Show Frame to Crop Image</source>
        <translation>Görüntüyü kırpmak için çerçeveyi göster</translation>
    </message>
    <message>
        <source>&amp;Image Contrast</source>
        <translation>&amp;Görüntü kontrastı</translation>
    </message>
    <message>
        <source>Adjust Brightness</source>
        <translation>Parlaklığı ayarla</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Yukarı taşı</translation>
    </message>
    <message>
        <source>Move up current page in the list.</source>
        <translation>Geçerli sayfayı listede yukarı taşı.</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>&amp;Aşağı taşı</translation>
    </message>
    <message>
        <source>Move down current page in the list.</source>
        <translation>Geçerli sayfayı listede aşağı taşı.</translation>
    </message>
    <message>
        <source>Move to &amp;Top</source>
        <translation>&amp;Başa taşı</translation>
    </message>
    <message>
        <source>Move current page to top of the list.</source>
        <translation>Geçerli sayfayı listenin başına taşı.</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation>S&amp;ona taşı</translation>
    </message>
    <message>
        <source>Move current page to bottom of the list.</source>
        <translation>Geçerli sayfayı listenin sonuna taşı.</translation>
    </message>
    <message>
        <source>Move to &amp;Position</source>
        <translation>Ko&amp;numa taşı</translation>
    </message>
    <message>
        <source>Move current page to position.</source>
        <translation>Geçerli sayfayı belirtilen konuma taşı.</translation>
    </message>
    <message>
        <source>&amp;Remove Page</source>
        <translation>Sayfayı &amp;sil</translation>
    </message>
    <message>
        <source>Delete current page from the list.</source>
        <translation>Geçerli sayfayı listeden sil.</translation>
    </message>
    <message>
        <source>&amp;Check All</source>
        <translation>&amp;Tümünü işaretle</translation>
    </message>
    <message>
        <source>Check all pages in the project.</source>
        <translation>Projedeki tüm sayfaları işaretle.</translation>
    </message>
    <message>
        <source>&amp;Uncheck All</source>
        <translation>Tüm işaretleri &amp;kaldır</translation>
    </message>
    <message>
        <source>Uncheck all pages in the project.</source>
        <translation>Projedeki tüm sayfaların işaretini kaldır.</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>&amp;Web sitesi</translation>
    </message>
    <message>
        <source>Go to the Vellumo homepage</source>
        <translation>Vellumo web sitesine git</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Hakkında</translation>
    </message>
    <message>
        <source>About Software</source>
        <translation>Yazılım hakkında</translation>
    </message>
    <message>
        <source>Check &amp;Updates</source>
        <translation>&amp;Güncellemeleri denetle</translation>
    </message>
    <message>
        <source>Check for updates in Internet.</source>
        <translation>İnternette güncellemeleri denetle.</translation>
    </message>
    <message>
        <source>&amp;Vellumo</source>
        <translation>&amp;Vellumo</translation>
    </message>
    <message>
        <source>Click here to save a project, &lt;br/&gt; open an existing project&lt;br/&gt; or start a new project.</source>
        <translation>Bir projeyi kaydetmek,&lt;br/&gt; var olan bir projeyi açmak&lt;br/&gt; veya yeni bir proje başlatmak için buraya tıklayın.</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Yeni proje</translation>
    </message>
    <message>
        <source>Starts a new project</source>
        <translation>Yeni bir proje başlatır</translation>
    </message>
    <message>
        <source>Open an existing project</source>
        <translation>Var olan bir projeyi aç</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>Projeyi &amp;kaydet</translation>
    </message>
    <message>
        <source>Save the current project</source>
        <translation>Geçerli projeyi kaydet</translation>
    </message>
    <message>
        <source>&amp;Recover Project</source>
        <translation>Projeyi k&amp;urtar</translation>
    </message>
    <message>
        <source>Recover the auto-saved project</source>
        <translation>Otomatik kaydedilen projeyi kurtar</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Çık</translation>
    </message>
    <message>
        <source>Close the application</source>
        <translation>Uygulamayı kapat</translation>
    </message>
    <message>
        <source>Crop Mode</source>
        <translation>Kırpma kipi</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation>Otomatik kırpma</translation>
    </message>
    <message>
        <source>Rotate Mode</source>
        <translation>Döndürme kipi</translation>
    </message>
    <message>
        <source> deg.</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Rotating...</source>
        <translation>Döndürülüyor…</translation>
    </message>
    <message>
        <source>Vellumo Project (*.vlmpj)</source>
        <translation>Vellumo projesi (*.vlmpj)</translation>
    </message>
    <message>
        <source>The current project is not saved yet. Do you want to save it?</source>
        <translation>Geçerli proje henüz kaydedilmedi. Kaydetmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>The current project has been changed. Do you want to save it?</source>
        <translation>Geçerli proje değiştirildi. Kaydetmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>New project has been begun.</source>
        <translation>Yeni proje başlatıldı.</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Proje Aç</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>Açılıyor…</translation>
    </message>
    <message>
        <source>Empty project. Scan a document before the saving.</source>
        <translation>Proje boş. Kaydetmeden önce bir belge tarayın.</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Projeyi Kaydet</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Kaydediliyor…</translation>
    </message>
    <message>
        <source>Can&apos;t save the project to %1.&lt;br&gt;%2</source>
        <translation>Proje %1 konumuna kaydedilemiyor.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Project has been saved.</source>
        <translation>Proje kaydedildi.</translation>
    </message>
    <message>
        <source>Auto saved project has been recovered.</source>
        <translation>Otomatik kaydedilen proje kurtarıldı.</translation>
    </message>
    <message>
        <source>There are no files to recover.</source>
        <translation>Kurtarılacak dosya yok.</translation>
    </message>
    <message>
        <source>Vellumo found %1 pages of an earlier session in its working folder.&lt;br&gt;Do you want to recover them now?</source>
        <translation>Vellumo, çalışma klasöründe önceki bir oturumdan kalan %1 sayfa buldu.&lt;br&gt;Bunları şimdi kurtarmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Scanners not found.&lt;br&gt;Please plug a scanner.</source>
        <translation>Tarayıcı bulunamadı.&lt;br&gt;Lütfen bir tarayıcı bağlayın.</translation>
    </message>
    <message>
        <source>Auto cropping...</source>
        <translation>Otomatik kırpılıyor…</translation>
    </message>
    <message>
        <source>Scanning has cancelled.</source>
        <translation>Tarama iptal edildi.</translation>
    </message>
    <message>
        <source>PDF file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>PDF dosyası oluşturuldu.&lt;br&gt;Aç: &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Word file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Word dosyası oluşturuldu.&lt;br&gt;Aç: &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while Word file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Word dosyası oluşturulurken hata oluştu.&lt;br&gt;%1 dosyası yazılamıyor. Dosya açık olabilir veya klasöre yazma izniniz olmayabilir.</translation>
    </message>
    <message>
        <source>DjVu file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>DjVu dosyası oluşturuldu.&lt;br&gt;Aç: &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while DjVu file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>DjVu dosyası oluşturulurken hata oluştu.&lt;br&gt;%1 dosyası yazılamıyor. Dosya açık olabilir veya klasöre yazma izniniz olmayabilir.</translation>
    </message>
    <message>
        <source>Images was saved.&lt;br&gt;Open folder &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Görüntüler kaydedildi.&lt;br&gt;Klasörü aç: &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while Image file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened.</source>
        <translation>Görüntü dosyası oluşturulurken hata oluştu.&lt;br&gt;%1 dosyası yazılamıyor. Dosya açık olabilir.</translation>
    </message>
    <message>
        <source>Can&apos;t save the page %1.</source>
        <translation>Sayfa %1 kaydedilemiyor.</translation>
    </message>
    <message>
        <source>Error while PDF file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>PDF dosyası oluşturulurken hata oluştu.&lt;br&gt;%1 dosyası yazılamıyor. Dosya açık olabilir veya klasöre yazma izniniz olmayabilir.</translation>
    </message>
    <message>
        <source>Can&apos;t split the scanned page. It has been kept as one page.</source>
        <translation>Taranan sayfa ayrılamıyor. Tek sayfa olarak bırakıldı.</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Görüntüyü Kaydet</translation>
    </message>
    <message>
        <source>JPEG file (*.jpg);;TIFF file (*.tiff);;BMP file (*.bmp);;PNG file (*.png)</source>
        <translation>JPEG dosyası (*.jpg);;TIFF dosyası (*.tiff);;BMP dosyası (*.bmp);;PNG dosyası (*.png)</translation>
    </message>
    <message>
        <source>The page has been saved to %1.</source>
        <translation>Sayfa kaydedildi: %1.</translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1.</source>
        <translation>Görüntü %1 konumuna kaydedilemiyor.</translation>
    </message>
    <message>
        <source>Extract images from PDF</source>
        <translation>PDF&apos;den görüntüleri çıkar</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF dosyası (*.pdf)</translation>
    </message>
    <message>
        <source>Can&apos;t open file %1.</source>
        <translation>%1 dosyası açılamıyor.</translation>
    </message>
    <message>
        <source>Can&apos;t crop the page.</source>
        <translation>Sayfa kırpılamıyor.</translation>
    </message>
    <message>
        <source>Can&apos;t crop the pages %1.</source>
        <translation>Şu sayfalar kırpılamıyor: %1.</translation>
    </message>
    <message>
        <source>Splitting...</source>
        <translation>Ayrılıyor…</translation>
    </message>
    <message>
        <source>Can&apos;t split the page.</source>
        <translation>Sayfa ayrılamıyor.</translation>
    </message>
    <message>
        <source>Can&apos;t split the pages %1.</source>
        <translation>Şu sayfalar ayrılamıyor: %1.</translation>
    </message>
    <message>
        <source>Can&apos;t open the project %1.&lt;br&gt;%2</source>
        <translation>%1 projesi açılamıyor.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Some pages of the project %1 could not be unpacked.</source>
        <translation>%1 projesinin bazı sayfaları açılamadı.</translation>
    </message>
    <message>
        <source>Some entries of the project %1 were left out: %2</source>
        <translation>%1 projesinin bazı girdileri atlandı: %2</translation>
    </message>
    <message numerus="yes">
        <source>The %n page(s) scanned so far have been kept.</source>
        <translation>
            <numerusform>Şimdiye kadar taranan %n sayfa korundu.</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Baskı Önizlemesi</translation>
    </message>
    <message>
        <source>Preparing to print...</source>
        <translation>Yazdırmaya hazırlanıyor…</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Güncellemeler denetleniyor…</translation>
    </message>
    <message>
        <source>ERROR!&lt;br&gt;Can&apos;t connect to the update server. Please check network settings.</source>
        <translation>HATA!&lt;br&gt;Güncelleme sunucusuna bağlanılamıyor. Lütfen ağ ayarlarını denetleyin.</translation>
    </message>
    <message>
        <source>You use a latest version of Vellumo.</source>
        <translation>Vellumo&apos;nun en son sürümünü kullanıyorsunuz.</translation>
    </message>
    <message>
        <source>Thank you for updating Vellumo.&lt;p&gt;Please close the program and run the install file.</source>
        <translation>Vellumo&apos;yu güncellediğiniz için teşekkürler.&lt;p&gt;Lütfen programı kapatın ve kurulum dosyasını çalıştırın.</translation>
    </message>
    <message>
        <source>Restore Source Image</source>
        <translation>Özgün görüntüyü geri yükle</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Adsız</translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation>Karşılıklı sayfaları ayır</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>Geç&amp;miş</translation>
    </message>
    <message>
        <source>Replace this page with a new scan?</source>
        <translation>Bu sayfa yeni bir taramayla değiştirilsin mi?</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Yeniden tara</translation>
    </message>
    <message>
        <source>Turning pages upright...</source>
        <translation>Sayfaların yönü düzeltiliyor…</translation>
    </message>
    <message>
        <source>Can&apos;t tell which way up the pages %1 are.</source>
        <translation>Şu sayfaların yönü belirlenemiyor: %1.</translation>
    </message>
    <message>
        <source>Pages turned upright: %1 of %2.</source>
        <translation>Döndürülen sayfalar: %1 / %2.</translation>
    </message>
    <message>
        <source>Turn &amp;Upright</source>
        <translation>Yönü &amp;düzelt</translation>
    </message>
    <message>
        <source>Turn the checked pages, or this page, upright by the direction of their text</source>
        <translation>İşaretli sayfaları ya da bu sayfayı metnin yönüne göre doğru konuma döndür</translation>
    </message>
</context>
<context>
    <name>MoveToDlg</name>
    <message>
        <source>Move Page</source>
        <translation>Sayfayı Taşı</translation>
    </message>
    <message>
        <source>Move page to...</source>
        <translation>Sayfayı şuraya taşı…</translation>
    </message>
    <message>
        <source>New Page Number:</source>
        <translation>Yeni sayfa numarası:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>OcrLanguages</name>
    <message>
        <source>Turning pages upright needs Tesseract&apos;s orientation data, which is not installed. Install the package %1.</source>
        <translation>Sayfaların yönünü düzeltmek için Tesseract&apos;ın yön verileri gerekiyor, ancak bunlar kurulu değil. %1 paketini kurun.</translation>
    </message>
    <message>
        <source>Text recognition in %1 needs Tesseract&apos;s data for that language, which is not installed. Install the package %2.</source>
        <translation>%1 dilinde metin tanıma için Tesseract&apos;ın bu dile ait verileri gerekiyor, ancak bunlar kurulu değil. %2 paketini kurun.</translation>
    </message>
    <message>
        <source>Text recognition needs the Tesseract library, which is not installed. Install the package %1.</source>
        <translation>Metin tanıma için Tesseract kitaplığı gerekiyor, ancak yüklü değil. %1 paketini yükleyin.</translation>
    </message>
</context>
<context>
    <name>OfficePopupWindow</name>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>OptionsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>OptionsPage</name>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>Here you can change the software options.</source>
        <translation>Program seçeneklerini buradan değiştirebilirsiniz.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Dil:</translation>
    </message>
    <message>
        <source>&amp;Automatically check for updates</source>
        <translation>Güncellemeleri &amp;otomatik denetle</translation>
    </message>
    <message>
        <source>How to translate to your language</source>
        <translation>Kendi dilinize nasıl çeviri yapabilirsiniz</translation>
    </message>
</context>
<context>
    <name>PageBatch</name>
    <message>
        <source>Can&apos;t create the folder %1.</source>
        <translation>%1 klasörü oluşturulamıyor.</translation>
    </message>
    <message>
        <source>Splitting %1 of %2...</source>
        <translation>Ayrılıyor: %1 / %2…</translation>
    </message>
    <message>
        <source>Cropping %1 of %2...</source>
        <translation>Kırpılıyor: %1 / %2…</translation>
    </message>
    <message>
        <source>Turning %1 of %2 upright...</source>
        <translation>Yön düzeltiliyor: %1 / %2…</translation>
    </message>
</context>
<context>
    <name>PageHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>G&amp;eri al: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>G&amp;eri al</translation>
    </message>
    <message>
        <source>Re&amp;do %1</source>
        <translation>Yi&amp;nele: %1</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Yi&amp;nele</translation>
    </message>
</context>
<context>
    <name>PageImages</name>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: the image is empty.</source>
        <translation>%1 yazılamıyor: görüntü boş.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>%1 okunamıyor: %2</translation>
    </message>
    <message>
        <source>the black-and-white image can&apos;t be compressed.</source>
        <translation>siyah-beyaz görüntü sıkıştırılamıyor.</translation>
    </message>
</context>
<context>
    <name>PageImporter</name>
    <message>
        <source>Can&apos;t open file %1.</source>
        <translation>%1 dosyası açılamıyor.</translation>
    </message>
    <message>
        <source>Drawing the pages of the PDF file.</source>
        <translation>PDF dosyasının sayfaları görüntüye dönüştürülüyor.</translation>
    </message>
    <message>
        <source>Extracting images from PDF file.</source>
        <translation>PDF dosyasındaki görüntüler çıkarılıyor.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file %1.&lt;br&gt;The image is too large: %2 x %3 pixels.</source>
        <translation>%1 dosyası yüklenemiyor.&lt;br&gt;Görüntü çok büyük: %2 x %3 piksel.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file. Wrong file format.&lt;br&gt;%1</source>
        <translation>Dosya yüklenemiyor. Dosya biçimi yanlış.&lt;br&gt;%1</translation>
    </message>
    <message>
        <source>The file %1 is damaged: part of its picture may be missing.</source>
        <translation>%1 dosyası hasarlı: görüntünün bir kısmı eksik olabilir.</translation>
    </message>
    <message>
        <source>Can&apos;t extract image.</source>
        <translation>Görüntü çıkarılamıyor.</translation>
    </message>
    <message>
        <source>This PDF file doesn&apos;t contain images.</source>
        <translation>Bu PDF dosyası görüntü içermiyor.</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Its pages can be drawn as images instead, at %1 dpi.</source>
        <translation>Bunun yerine sayfaları %1 dpi çözünürlükte görüntüye dönüştürülebilir.</translation>
    </message>
    <message>
        <source>&amp;Draw Pages</source>
        <translation>Sayfaları &amp;görüntüye dönüştür</translation>
    </message>
</context>
<context>
    <name>PageStore</name>
    <message>
        <source>The page image is empty.</source>
        <translation>Sayfa görüntüsü boş.</translation>
    </message>
    <message>
        <source>Can&apos;t rename %1 to %2.</source>
        <translation>%1, %2 olarak yeniden adlandırılamıyor.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation>%1 okunamıyor.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>%1 okunamıyor: %2</translation>
    </message>
</context>
<context>
    <name>PdfCommandLine</name>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 için bir dosya adı gerekli</translation>
    </message>
    <message>
        <source>--password needs a password</source>
        <translation>--password için bir parola gerekli</translation>
    </message>
    <message>
        <source>--paper takes A4, Letter or A0 to A6</source>
        <translation>--paper için A4, Letter veya A0 ile A6 arası kullanılabilir</translation>
    </message>
    <message>
        <source>--orientation takes portrait or landscape</source>
        <translation>--orientation için portrait veya landscape kullanılabilir</translation>
    </message>
    <message>
        <source>--scale takes dpi, stretch or fit</source>
        <translation>--scale için dpi, stretch veya fit kullanılabilir</translation>
    </message>
    <message>
        <source>--margins takes four centimetre values: L,R,T,B</source>
        <translation>--margins için santimetre cinsinden dört değer gerekli: L,R,T,B</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>bilinmeyen seçenek: %1</translation>
    </message>
    <message>
        <source>no output file (-o OUT.pdf)</source>
        <translation>çıktı dosyası yok (-o OUT.pdf)</translation>
    </message>
    <message>
        <source>no page files</source>
        <translation>sayfa dosyası yok</translation>
    </message>
    <message>
        <source>%1 needs a text</source>
        <translation>%1 için bir metin gerekli</translation>
    </message>
    <message>
        <source>usage: vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6] [--orientation portrait|landscape] [--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] [--author AUTHOR] [--ocr LANG[+LANG]] FILE...
       vellumo-cli check-pdf FILE|-   (exit code 0: pages can be appended to the PDF; - reads it from standard input)</source>
        <translation>Kullanım: vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6] [--orientation portrait|landscape] [--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] [--author AUTHOR] [--ocr LANG[+LANG]] FILE...
       vellumo-cli check-pdf FILE|-   (çıkış kodu 0: PDF dosyasına sayfa eklenebilir; - dosyayı standart girdiden okur)</translation>
    </message>
    <message>
        <source>--ocr takes Tesseract languages such as eng or eng+deu</source>
        <translation>--ocr için eng veya eng+deu gibi Tesseract dilleri kullanılabilir</translation>
    </message>
</context>
<context>
    <name>PdfImport</name>
    <message>
        <source>image %1: %2</source>
        <translation>görüntü %1: %2</translation>
    </message>
</context>
<context>
    <name>PdfImportSession</name>
    <message>
        <source>The password is not right.</source>
        <translation>Parola yanlış.</translation>
    </message>
    <message>
        <source>The PDF file %1 is protected by a password.</source>
        <translation>%1 PDF dosyası parola ile korunuyor.</translation>
    </message>
</context>
<context>
    <name>PdfProgress</name>
    <message>
        <source>Creating PDF document.</source>
        <translation>PDF belgesi oluşturuluyor.</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>PdfWriter</name>
    <message>
        <source>&quot;%1&quot; is not a list of text recognition languages.</source>
        <translation>&quot;%1&quot; geçerli bir metin tanıma dilleri listesi değil.</translation>
    </message>
</context>
<context>
    <name>PopupMessage</name>
    <message>
        <source>&lt;p&gt;&lt;font color=&quot;black&quot;&gt;&lt;h4&gt;&amp;nbsp;Vellumo Message&lt;/h4&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=&quot;black&quot;&gt;&lt;h4&gt;&amp;nbsp;Vellumo İletisi&lt;/h4&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ProjectArchive</name>
    <message>
        <source>Can&apos;t create the folder %1.</source>
        <translation>%1 klasörü oluşturulamıyor.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation>%1 okunamıyor.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>%1 okunamıyor: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1 into %2: %3.</source>
        <translation>%1, %2 içine yazılamıyor: %3.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2.</source>
        <translation>%1 yazılamıyor: %2.</translation>
    </message>
    <message>
        <source>Its entries overlap: the file is damaged.</source>
        <translation>Girdileri çakışıyor: dosya hasarlı.</translation>
    </message>
    <message>
        <source>not a page file</source>
        <translation>sayfa dosyası değil</translation>
    </message>
    <message>
        <source>a second entry of that name</source>
        <translation>aynı adlı ikinci bir girdi</translation>
    </message>
    <message>
        <source>encrypted</source>
        <translation>şifreli</translation>
    </message>
    <message>
        <source>unknown compression</source>
        <translation>bilinmeyen sıkıştırma</translation>
    </message>
    <message>
        <source>larger than any page</source>
        <translation>herhangi bir sayfadan büyük</translation>
    </message>
    <message>
        <source>There is not enough free disk space for %1.</source>
        <translation>%1 için yeterli boş disk alanı yok.</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>okunamıyor</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>hasarlı</translation>
    </message>
    <message>
        <source>not an image</source>
        <translation>görüntü değil</translation>
    </message>
    <message>
        <source>It holds no pages.</source>
        <translation>Hiç sayfa içermiyor.</translation>
    </message>
</context>
<context>
    <name>PropertyModel</name>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Tarayıcı</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Çözünürlük</translation>
    </message>
    <message>
        <source>Cropping</source>
        <translation>Kırpma</translation>
    </message>
</context>
<context>
    <name>PropertyPage</name>
    <message>
        <source>Default</source>
        <translation>Varsayılanlar</translation>
    </message>
</context>
<context>
    <name>RibbonSliderPane</name>
    <message>
        <source>Increase</source>
        <translation>Artır</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Azalt</translation>
    </message>
</context>
<context>
    <name>ScanPage</name>
    <message>
        <source>Scanning in progress</source>
        <translation>Tarama sürüyor</translation>
    </message>
    <message>
        <source>Scanned page will be added to the list</source>
        <translation>Taranan sayfa listeye eklenecek</translation>
    </message>
    <message>
        <source>Scanning in progress. Do not open scanner cover.</source>
        <translation>Tarama sürüyor. Tarayıcının kapağını açmayın.</translation>
    </message>
</context>
<context>
    <name>ScanPreviewDlg</name>
    <message>
        <source>Scan Preview</source>
        <translation>Tarama Önizlemesi</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Tara</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>ScanResPage</name>
    <message>
        <source>Resolution</source>
        <translation>Çözünürlük</translation>
    </message>
    <message>
        <source>You can change the scanning resolution for each of the modes. The higher the scanning resolution, the better the image quality, but it reduces the scanning speed.</source>
        <translation>Her kip için tarama çözünürlüğünü değiştirebilirsiniz. Tarama çözünürlüğü ne kadar yüksekse görüntü kalitesi o kadar iyi olur, ancak tarama yavaşlar.</translation>
    </message>
    <message>
        <source>Middle:</source>
        <translation>Orta:</translation>
    </message>
    <message>
        <source>Good:</source>
        <translation>İyi:</translation>
    </message>
    <message>
        <source>High:</source>
        <translation>Yüksek:</translation>
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
        <translation>Tarayıcı</translation>
    </message>
    <message>
        <source>You can change the scan options and select or deselect the document feeder.</source>
        <translation>Tarama seçeneklerini değiştirebilir, belge besleyiciyi kullanıma alabilir veya kullanımdan çıkarabilirsiniz.</translation>
    </message>
    <message>
        <source>Paper Source:</source>
        <translation>Kağıt kaynağı:</translation>
    </message>
    <message>
        <source>Flatbed (platen)</source>
        <translation>Düz yatak (cam)</translation>
    </message>
    <message>
        <source>Automatic Feeder (ADF)</source>
        <translation>Otomatik belge besleyici (ADF)</translation>
    </message>
    <message>
        <source>Acquire:</source>
        <translation>Alınacak:</translation>
    </message>
    <message>
        <source>One image</source>
        <translation>Tek görüntü</translation>
    </message>
    <message>
        <source>All available images</source>
        <translation>Tüm kullanılabilir görüntüler</translation>
    </message>
    <message>
        <source>Automatic &amp;deskewing of scanned pages</source>
        <translation>Taranan sayfalarda otomatik &amp;eğiklik düzeltme</translation>
    </message>
    <message>
        <source>Automatic &amp;cropping of scanned pages</source>
        <translation>Taranan sayfalarda otomatik &amp;kırpma</translation>
    </message>
    <message>
        <source>Automatic c&amp;ontrast adjustment of scanned pages</source>
        <translation>Taranan sayfalarda otomatik kontrast &amp;ayarı</translation>
    </message>
    <message>
        <source>Scan with &amp;preview</source>
        <translation>&amp;Önizlemeyle tara</translation>
    </message>
    <message>
        <source>Turn pages upright automatically</source>
        <translation>Taranan sayfalarda otomatik yön düzeltme</translation>
    </message>
</context>
<context>
    <name>SelectFileWidget</name>
    <message>
        <source>Open existing PDF</source>
        <translation>Var olan PDF&apos;yi aç</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF dosyası (*.pdf)</translation>
    </message>
</context>
<context>
    <name>SelectFolderWidget</name>
    <message>
        <source>Select a folder</source>
        <translation>Bir klasör seçin</translation>
    </message>
</context>
<context>
    <name>SelectSaveFileWidget</name>
    <message>
        <source>Save file</source>
        <translation>Dosyayı kaydet</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Copyright &amp;copy; 2026 Leafkin. All rights reserved. &lt;a href=&quot;http://%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Telif hakkı &amp;copy; 2026 Leafkin. Tüm hakları saklıdır. &lt;a href=&quot;http://%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Vellumo is already running.&lt;br&gt;Only one copy of Vellumo can work with the pages at a time; please switch to the open window.</source>
        <translation>Vellumo zaten çalışıyor.&lt;br&gt;Sayfalarla aynı anda yalnızca bir Vellumo kopyası çalışabilir; lütfen açık olan pencereye geçin.</translation>
    </message>
    <message>
        <source>Critical error</source>
        <translation>Kritik hata</translation>
    </message>
    <message>
        <source>Can&apos;t start application.</source>
        <translation>Uygulama başlatılamıyor.</translation>
    </message>
</context>
<context>
    <name>TimerPage</name>
    <message>
        <source>Scan &amp;Now &gt;</source>
        <translation>Şimdi &amp;tara &gt;</translation>
    </message>
    <message>
        <source>&amp;Resume Timer</source>
        <translation>Zamanlayıcıyı &amp;sürdür</translation>
    </message>
    <message>
        <source>&amp;Stop Timer</source>
        <translation>Zamanlayıcıyı &amp;durdur</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Bekleniyor</translation>
    </message>
    <message>
        <source>Next scan will begin soon. Change page in the scanner.&lt;br&gt;Press &lt;b&gt;SPACE&lt;/b&gt; to pause timer. Press &lt;b&gt;ENTER&lt;/b&gt; to run Scan Now.</source>
        <translation>Sonraki tarama birazdan başlayacak. Tarayıcıdaki sayfayı değiştirin.&lt;br&gt;Zamanlayıcıyı duraklatmak için &lt;b&gt;BOŞLUK&lt;/b&gt; tuşuna basın. Hemen taramak için &lt;b&gt;ENTER&lt;/b&gt; tuşuna basın.</translation>
    </message>
</context>
<context>
    <name>ToolLocator</name>
    <message>
        <source>%1 was not found. Vellumo looked for it in %2 and on the PATH; please reinstall Vellumo.</source>
        <translation>%1 bulunamadı. Vellumo bunu %2 içinde ve PATH üzerinde aradı; lütfen Vellumo&apos;yu yeniden kurun.</translation>
    </message>
</context>
<context>
    <name>UpdateDlg</name>
    <message>
        <source>Vellumo Updates</source>
        <translation>Vellumo Güncellemeleri</translation>
    </message>
    <message>
        <source>There are new version of Vellumo</source>
        <translation>Vellumo&apos;nun yeni bir sürümü mevcut</translation>
    </message>
    <message>
        <source>Current Version: %1</source>
        <translation>Geçerli sürüm: %1</translation>
    </message>
    <message>
        <source>New Version: %1&lt;p&gt;Download: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;</source>
        <translation>Yeni sürüm: %1&lt;p&gt;İndir: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>İndir</translation>
    </message>
</context>
<context>
    <name>WaitingDlg</name>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>WordProgress</name>
    <message>
        <source>Creating MS Word document.</source>
        <translation>MS Word belgesi oluşturuluyor.</translation>
    </message>
    <message>
        <source>Writting MS Word document.</source>
        <translation>MS Word belgesi yazılıyor.</translation>
    </message>
</context>
<context>
    <name>ZipWriter</name>
    <message>
        <source>Can&apos;t compress %1.</source>
        <translation>%1 sıkıştırılamıyor.</translation>
    </message>
    <message>
        <source>%1 is too large for a project.</source>
        <translation>%1 bir proje için çok büyük.</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>dosya yazılamadı</translation>
    </message>
</context>
<context>
    <name>vellumo-cli</name>
    <message>
        <source>
       vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   (the page images of a PDF into DIR as 0001.jpg, 0002.tiff, 0003.png, ...)
       vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR FILE.pdf   (the pages of a PDF drawn into DIR as 0001.png, ...)</source>
        <translation>
       vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   (PDF&apos;nin sayfa görüntülerini DIR içine 0001.jpg, 0002.tiff, 0003.png, ... olarak çıkarır)
       vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR FILE.pdf   (PDF&apos;nin sayfalarını görüntüye dönüştürüp DIR içine 0001.png, ... olarak yazar)</translation>
    </message>
</context>
</TS>
