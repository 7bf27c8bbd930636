<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>BrightnessDlg</name>
    <message>
        <source>Brightness / Contrast</source>
        <translation>السطوع / التباين</translation>
    </message>
    <message>
        <source>Source Image</source>
        <translation>الصورة المصدر</translation>
    </message>
    <message>
        <source>Destination Image</source>
        <translation>الصورة الناتجة</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1</source>
        <translation>خيار غير معروف %1</translation>
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
        <translation>الاستخدام: vellumo [OPTION...] [FILE...]
يمسح الورق ضوئيًا ويحفظه كملفات PDF أو DjVu أو Word أو ملفات صور.

تُفتح الملفات كما لو أُفلتت في النافذة: يحل المشروع (.vlmpj) محل المستند المفتوح،
وتُضاف الصور وصور ملفات PDF كصفحات. إذا كان Vellumo قيد التشغيل بالفعل، تُرسل الملفات
إلى نافذته.

الخيارات:
  -h, --help        عرض هذه المساعدة والخروج
  -v, --version     عرض الإصدار والخروج
      --demo-scanner  استخدام جهاز الاختبار في SANE بدلًا من الماسحات الضوئية التي عُثر عليها
</translation>
    </message>
</context>
<context>
    <name>CropBoxItem</name>
    <message>
        <source>%1 x %2 px</source>
        <translation>%1 x %2 بكسل</translation>
    </message>
    <message>
        <source>%1 x %2 cm</source>
        <translation>%1 x %2 سم</translation>
    </message>
</context>
<context>
    <name>CroppingPage</name>
    <message>
        <source>Auto Cropping</source>
        <translation>اقتصاص تلقائي</translation>
    </message>
    <message>
        <source>You can set the auto cropping settings.</source>
        <translation>يمكنك هنا ضبط إعدادات الاقتصاص التلقائي.</translation>
    </message>
    <message>
        <source>Insert Margins</source>
        <translation>إضافة هوامش</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>يسار</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>أعلى</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>يمين</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>أسفل</translation>
    </message>
    <message>
        <source> cm</source>
        <translation> سم</translation>
    </message>
</context>
<context>
    <name>DjvuGenerator</name>
    <message>
        <source>it is not an image Vellumo can read (%1)</source>
        <translation>ليست صورة يستطيع Vellumo قراءتها (%1)</translation>
    </message>
    <message>
        <source>its copy %1 could not be written (%2)</source>
        <translation>تعذّرت كتابة نسختها %1 (%2)</translation>
    </message>
    <message>
        <source>Page %1 (%2) was not encoded: %3</source>
        <translation>لم تُرمَّز الصفحة %1 (%2): %3</translation>
    </message>
    <message>
        <source>%1 did not finish within %2 s</source>
        <translation>لم ينتهِ %1 خلال %2 ثانية</translation>
    </message>
    <message>
        <source>%1 could not be started (%2)</source>
        <translation>تعذّر تشغيل %1 (%2)</translation>
    </message>
    <message>
        <source>%1 crashed</source>
        <translation>انهار %1</translation>
    </message>
    <message>
        <source>%1 ended with exit code %2</source>
        <translation>انتهى %1 برمز الخروج %2</translation>
    </message>
    <message>
        <source>%1 wrote nothing</source>
        <translation>لم يكتب %1 أي شيء</translation>
    </message>
    <message>
        <source>%1 failed (%2)</source>
        <translation>فشل %1 (%2)</translation>
    </message>
    <message>
        <source>Can&apos;t read page %1 (%2): %3</source>
        <translation>تعذّرت قراءة الصفحة %1 (%2): %3</translation>
    </message>
    <message>
        <source>None of the page files exists; %1 was not written.</source>
        <translation>لا يوجد أي ملف من ملفات الصفحات؛ لم يُكتب %1.</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation>تعذّر إنشاء مجلد مؤقت في %1: %2</translation>
    </message>
    <message>
        <source>The pages could not be combined into %1: %2</source>
        <translation>تعذّر دمج الصفحات في %1: %2</translation>
    </message>
    <message>
        <source>The combined document %1 could not be read back: %2</source>
        <translation>تعذّرت إعادة قراءة المستند المدمج %1: %2</translation>
    </message>
    <message>
        <source>The combined document holds %1 of its %2 pages; %3 was not written.</source>
        <translation>يحتوي المستند المدمج على %1 فقط من صفحاته البالغ عددها %2؛ لم يُكتب %3.</translation>
    </message>
    <message>
        <source>Page %1 is missing: %2</source>
        <translation>الصفحة %1 مفقودة: %2</translation>
    </message>
</context>
<context>
    <name>DjvuProgress</name>
    <message>
        <source>Creating DjVu file.</source>
        <translation>جارٍ إنشاء ملف DjVu.</translation>
    </message>
    <message>
        <source>Writting DjVu file.</source>
        <translation>جارٍ كتابة ملف DjVu.</translation>
    </message>
</context>
<context>
    <name>DocGenerator</name>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>The document %1 was written, but the temporary folder %2 could not be removed.</source>
        <translation>كُتب المستند %1، لكن تعذّرت إزالة المجلد المؤقت %2.</translation>
    </message>
    <message>
        <source>Page %1 is missing: %2</source>
        <translation>الصفحة %1 مفقودة: %2</translation>
    </message>
</context>
<context>
    <name>DocxGenerator</name>
    <message>
        <source>Can&apos;t read the Word template %1.</source>
        <translation>تعذّرت قراءة قالب Word ‏%1.</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation>تعذّر إنشاء مجلد مؤقت في %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>تعذّرت قراءة %1: %2</translation>
    </message>
</context>
<context>
    <name>DraggedWidget</name>
    <message>
        <source>Scan a page or drop files here</source>
        <translation>امسح صفحة ضوئيًا أو أفلت الملفات هنا</translation>
    </message>
    <message>
        <source>Images (JPEG, PNG, TIFF, BMP), PDF files and projects can be dropped onto this window.</source>
        <translation>يمكن إفلات الصور (JPEG وPNG وTIFF وBMP) وملفات PDF والمشاريع في هذه النافذة.</translation>
    </message>
</context>
<context>
    <name>ExportDjvuDlg</name>
    <message>
        <source>Export to DjVu</source>
        <translation>تصدير إلى DjVu</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation>حفظ في ملف:</translation>
    </message>
    <message>
        <source>DjVu File (*.djvu)</source>
        <translation>ملف DjVu (*.djvu)</translation>
    </message>
    <message>
        <source>DjVu &amp;Compression:</source>
        <translation>&amp;ضغط DjVu:</translation>
    </message>
    <message>
        <source>&amp;Open DjVu file after creation</source>
        <translation>&amp;فتح ملف DjVu بعد إنشائه</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>ExportDlg</name>
    <message>
        <source>Build PDF</source>
        <translation>إنشاء PDF</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>التخطيط</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>كلمة السر</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>معاينة</translation>
    </message>
    <message>
        <source>&amp;Scale:</source>
        <translation>ال&amp;تحجيم:</translation>
    </message>
    <message>
        <source>By dots per inch</source>
        <translation>حسب النقاط في البوصة</translation>
    </message>
    <message>
        <source>Stretch to paper list</source>
        <translation>تمديد لملء الورقة</translation>
    </message>
    <message>
        <source>Stretch with keeping aspect</source>
        <translation>تمديد مع الحفاظ على التناسب</translation>
    </message>
    <message>
        <source>&amp;Paper size:</source>
        <translation>&amp;حجم الورق:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>ال&amp;اتجاه:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>عمودي</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>أفقي</translation>
    </message>
    <message>
        <source>&amp;Save to file:</source>
        <translation>حفظ في &amp;ملف:</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>ملف PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Append pages to existing file</source>
        <translation>&amp;إلحاق الصفحات بملف موجود</translation>
    </message>
    <message>
        <source>&amp;Open PDF document after creation</source>
        <translation>&amp;فتح مستند PDF بعد إنشائه</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>الهوامش</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>اليسار</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>اليمين</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>الأعلى</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>الأسفل</translation>
    </message>
    <message>
        <source> cm</source>
        <translation> سم</translation>
    </message>
    <message>
        <source>By Page &amp;Center</source>
        <translation>توسيط على ال&amp;صفحة</translation>
    </message>
    <message>
        <source>Use &amp;Password:</source>
        <translation>استخدام &amp;كلمة سر:</translation>
    </message>
    <message>
        <source>Type a password or keep empty</source>
        <translation>اكتب كلمة سر أو اتركها فارغة</translation>
    </message>
    <message>
        <source>&amp;Save password for next using</source>
        <translation>ت&amp;ذكّر كلمة السر للمرة القادمة</translation>
    </message>
    <message>
        <source>Save to PDF</source>
        <translation>حفظ بصيغة PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Please enter a file name.</source>
        <translation>الرجاء إدخال اسم ملف.</translation>
    </message>
    <message>
        <source>Please select an existing PDF file.</source>
        <translation>الرجاء اختيار ملف PDF موجود.</translation>
    </message>
    <message>
        <source>Pages: %1/%2</source>
        <translation>الصفحة %1/%2</translation>
    </message>
    <message>
        <source>No password store is running on this desktop, so the password can&apos;t be kept.</source>
        <translation>لا تعمل أي خدمة لتخزين كلمات السر على سطح المكتب هذا، لذا لا يمكن حفظ كلمة السر.</translation>
    </message>
    <message>
        <source>Can&apos;t keep the password: %1</source>
        <translation>تعذّر حفظ كلمة السر: %1</translation>
    </message>
    <message>
        <source>Make text searchable (OCR)</source>
        <translation>جعل النص قابلًا للبحث (OCR)</translation>
    </message>
    <message>
        <source>Text &amp;language:</source>
        <translation>&amp;لغة النص:</translation>
    </message>
    <message numerus="yes">
        <source>The text of %n page(s) could not be recognised; they are in the PDF as pictures only.</source>
        <translation>
            <numerusform>لم يتعذّر التعرف على نص أي صفحة.</numerusform>
            <numerusform>تعذّر التعرف على نص صفحة واحدة؛ وهي موجودة في ملف PDF كصورة فقط.</numerusform>
            <numerusform>تعذّر التعرف على نص صفحتين؛ وهما موجودتان في ملف PDF كصورتين فقط.</numerusform>
            <numerusform>تعذّر التعرف على نص %n صفحات؛ وهي موجودة في ملف PDF كصور فقط.</numerusform>
            <numerusform>تعذّر التعرف على نص %n صفحة؛ وهي موجودة في ملف PDF كصور فقط.</numerusform>
            <numerusform>تعذّر التعرف على نص %n صفحة؛ وهي موجودة في ملف PDF كصور فقط.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportFileDlg</name>
    <message>
        <source>Export to image list</source>
        <translation>تصدير إلى قائمة صور</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Save to &amp;Folder:</source>
        <translation>حفظ في &amp;مجلد:</translation>
    </message>
    <message>
        <source>Image Format:</source>
        <translation>تنسيق الصورة:</translation>
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
        <translation>الجودة:</translation>
    </message>
    <message>
        <source>File Prefix:</source>
        <translation>بادئة اسم الملف:</translation>
    </message>
    <message>
        <source>Counter [C]</source>
        <translation>العدّاد [C]</translation>
    </message>
    <message>
        <source>Date [D]</source>
        <translation>التاريخ [D]</translation>
    </message>
    <message>
        <source>&amp;Open folder after creation</source>
        <translation>&amp;فتح المجلد بعد الإنشاء</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Folder %1 isn&apos;t exists.</source>
        <translation>المجلد %1 غير موجود.</translation>
    </message>
</context>
<context>
    <name>ExportWordDlg</name>
    <message>
        <source>Export to Microsoft Word</source>
        <translation>تصدير إلى Microsoft Word</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation>حفظ في ملف:</translation>
    </message>
    <message>
        <source>Microsoft Word File (*.docx)</source>
        <translation>ملف Microsoft Word (*.docx)</translation>
    </message>
    <message>
        <source>&amp;Open Word document after creation</source>
        <translation>&amp;فتح مستند Word بعد إنشائه</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>EzPrevScan</name>
    <message>
        <source>Scanning...</source>
        <translation>جارٍ المسح الضوئي...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>FlipWidget</name>
    <message>
        <source>Rotate:</source>
        <translation>التدوير:</translation>
    </message>
    <message>
        <source>Don&apos;t rotate</source>
        <translation>بلا تدوير</translation>
    </message>
    <message>
        <source>Each page</source>
        <translation>كل صفحة</translation>
    </message>
    <message>
        <source>Every odd page (1, 3, 5...)</source>
        <translation>كل صفحة فردية (1، 3، 5...)</translation>
    </message>
    <message>
        <source>Every even page (2, 4, 6...)</source>
        <translation>كل صفحة زوجية (2، 4، 6...)</translation>
    </message>
    <message>
        <source>Rotate Angle:</source>
        <translation>زاوية التدوير:</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>قلب رأسًا على عقب</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>تدوير لليسار</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>تدوير لليمين</translation>
    </message>
</context>
<context>
    <name>ImageEditor</name>
    <message>
        <source>Restore Source Image</source>
        <translation>استعادة الصورة المصدر</translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation>اقتصاص تلقائي</translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation>تقسيم الصفحتين المتقابلتين</translation>
    </message>
    <message>
        <source>Crop this image</source>
        <translation>اقتصاص هذه الصورة</translation>
    </message>
    <message>
        <source>Adjust contrast</source>
        <translation>ضبط التباين</translation>
    </message>
    <message>
        <source>Rescan this page</source>
        <translation>إعادة مسح هذه الصفحة ضوئيًا</translation>
    </message>
    <message>
        <source>Save this page as the image</source>
        <translation>حفظ هذه الصفحة كصورة</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>تدوير لليسار</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>تدوير لليمين</translation>
    </message>
    <message>
        <source>Flip this page</source>
        <translation>قلب هذه الصفحة رأسًا على عقب</translation>
    </message>
    <message>
        <source>Delete this page</source>
        <translation>حذف هذه الصفحة</translation>
    </message>
</context>
<context>
    <name>ImageExportCommand</name>
    <message>
        <source>
       vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...   (each page an image file; P: &quot;[C]&quot; page counter, &quot;[D]&quot; date; default IMAGE_[C], jpg, quality 85)</source>
        <translation>
       vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...   (كل صفحة في ملف صورة مستقل؛ P: &quot;[C]&quot; عدّاد الصفحات، &quot;[D]&quot; التاريخ؛ الافتراضي IMAGE_[C] وjpg والجودة 85)</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>يحتاج %1 إلى مجلد</translation>
    </message>
    <message>
        <source>--format takes jpg, tiff, png or bmp</source>
        <translation>يقبل --format القيم jpg أو tiff أو png أو bmp</translation>
    </message>
    <message>
        <source>--quality takes a number from 0 to 100</source>
        <translation>يقبل --quality عددًا من 0 إلى 100</translation>
    </message>
    <message>
        <source>--pattern needs a file name pattern</source>
        <translation>يحتاج --pattern إلى نمط لاسم الملف</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>خيار غير معروف %1</translation>
    </message>
    <message>
        <source>no target folder (-o DIR)</source>
        <translation>لا يوجد مجلد هدف (-o DIR)</translation>
    </message>
    <message>
        <source>no page files</source>
        <translation>لا توجد ملفات صفحات</translation>
    </message>
    <message>
        <source>wrote %1</source>
        <translation>كُتب %1</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>فشل %1: %2</translation>
    </message>
</context>
<context>
    <name>ImageExporter</name>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>تعذّرت قراءة %1: %2</translation>
    </message>
    <message>
        <source>Folder %1 isn&apos;t exists.</source>
        <translation>المجلد %1 غير موجود.</translation>
    </message>
    <message>
        <source>Files keep appearing under the name.</source>
        <translation>لا تزال ملفات جديدة تظهر بهذا الاسم.</translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1: %2</source>
        <translation>تعذّر حفظ الصورة في %1: %2</translation>
    </message>
    <message>
        <source>no image format for this file name</source>
        <translation>لا يوجد تنسيق صورة يناسب اسم الملف هذا</translation>
    </message>
</context>
<context>
    <name>ImgProgress</name>
    <message>
        <source>Creating images.</source>
        <translation>جارٍ إنشاء الصور.</translation>
    </message>
    <message>
        <source>Writting images.</source>
        <translation>جارٍ كتابة الصور.</translation>
    </message>
</context>
<context>
    <name>IntroPage</name>
    <message>
        <source>Automatic Scanning</source>
        <translation>المسح الضوئي التلقائي</translation>
    </message>
    <message>
        <source>Document Scanning</source>
        <translation>مسح المستندات ضوئيًا</translation>
    </message>
    <message>
        <source>&lt;b&gt;Vellumo&lt;/b&gt; will automatically run a scan after a specified time interval.</source>
        <translation>سيُجري &lt;b&gt;Vellumo&lt;/b&gt; المسح الضوئي تلقائيًا بعد فاصل زمني محدد.</translation>
    </message>
    <message>
        <source>Select the time interval in seconds:</source>
        <translation>اختر الفاصل الزمني بالثواني:</translation>
    </message>
    <message>
        <source>Scan first page now (don&apos;t wait)</source>
        <translation>مسح الصفحة الأولى الآن (دون انتظار)</translation>
    </message>
    <message>
        <source>Split the book spreak into two pages</source>
        <translation>تقسيم الصفحتين المتقابلتين للكتاب إلى صفحتين منفصلتين</translation>
    </message>
</context>
<context>
    <name>KSlabWidget</name>
    <message>
        <source>Page</source>
        <translation>الصفحة</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vellumo - Automatic Scan to PDF, DjVu, JPEG, TIFF, BMP, PNG</source>
        <translation>Vellumo - المسح الضوئي التلقائي إلى PDF وDjVu وJPEG وTIFF وBMP وPNG</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>جاهز</translation>
    </message>
    <message>
        <source>Page count:</source>
        <translation>عدد الصفحات:</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>المحددة:</translation>
    </message>
    <message>
        <source>Scale: </source>
        <translation>المقياس: </translation>
    </message>
    <message>
        <source>Keep scale</source>
        <translation>الإبقاء على المقياس</translation>
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
        <translation>0x0 سم</translation>
    </message>
    <message>
        <source>%1 DPI</source>
        <translation>%1 DPI</translation>
    </message>
    <message>
        <source>%1 x %2 cm</source>
        <translation>%1 x %2 سم</translation>
    </message>
    <message>
        <source>Load &amp;PDF</source>
        <translation>&amp;فتح PDF</translation>
    </message>
    <message>
        <source>&amp;Open Project...</source>
        <translation>&amp;فتح مشروع...</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>فتح صورة</translation>
    </message>
    <message>
        <source>All Image Files (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Bitmaps (*.bmp);;TIFF Image File (*.tiff *.tif);;JPEG Image File (*.jpeg *.jpg);;PNG Image File (*.png);;</source>
        <translation>كل ملفات الصور (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;صور نقطية (*.bmp);;ملف صورة TIFF (*.tiff *.tif);;ملف صورة JPEG (*.jpeg *.jpg);;ملف صورة PNG (*.png);;</translation>
    </message>
    <message>
        <source>Do you want to remove %1 checked pages from the document?</source>
        <translation>هل تريد إزالة الصفحات المحددة (%1) من المستند؟</translation>
    </message>
    <message>
        <source>Do you want to remove the page?</source>
        <translation>هل تريد إزالة الصفحة؟</translation>
    </message>
    <message>
        <source>Do you want to remove all checked pages from the document?</source>
        <translation>هل تريد إزالة كل الصفحات المحددة من المستند؟</translation>
    </message>
    <message>
        <source>Do you want to remove all unchecked pages from the document?</source>
        <translation>هل تريد إزالة كل الصفحات غير المحددة من المستند؟</translation>
    </message>
    <message>
        <source>Do you want to remove all pages but current from the document?</source>
        <translation>هل تريد إزالة كل الصفحات من المستند عدا الصفحة الحالية؟</translation>
    </message>
    <message>
        <source>Do you want to remove all pages from the document?</source>
        <translation>هل تريد إزالة كل الصفحات من المستند؟</translation>
    </message>
    <message>
        <source>&amp;Scan &amp;&amp; PDF</source>
        <translation>ال&amp;مسح الضوئي &amp;&amp; PDF</translation>
    </message>
    <message>
        <source>&amp;Editing</source>
        <translation>ال&amp;تحرير</translation>
    </message>
    <message>
        <source>&amp;Composition</source>
        <translation>الت&amp;رتيب</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>م&amp;علومات</translation>
    </message>
    <message>
        <source>Fast &amp;Settings</source>
        <translation>إعدادات &amp;سريعة</translation>
    </message>
    <message>
        <source>&amp;Scanning</source>
        <translation>ال&amp;مسح الضوئي</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>ا&amp;ستيراد</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>ت&amp;صدير</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>ال&amp;تدوير</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>ال&amp;تكبير</translation>
    </message>
    <message>
        <source>&amp;Correction</source>
        <translation>ال&amp;تصحيح</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>ال&amp;نقل</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>ال&amp;حذف</translation>
    </message>
    <message>
        <source>&amp;Checking</source>
        <translation>ال&amp;تحديد</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ال&amp;مساعدة</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>الماسح الضوئي:</translation>
    </message>
    <message>
        <source>Color Mode:</source>
        <translation>وضع الألوان:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>الجودة:</translation>
    </message>
    <message>
        <source>Select Scanner</source>
        <translation>اختيار الماسح الضوئي</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>وضع الألوان</translation>
    </message>
    <message>
        <source>Scan Quality</source>
        <translation>جودة المسح</translation>
    </message>
    <message>
        <source>Black-White</source>
        <translation>أبيض وأسود</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>تدرّج رمادي</translation>
    </message>
    <message>
        <source>Photo Color</source>
        <translation>صورة ملوّنة</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>متوسطة</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>جيدة</translation>
    </message>
    <message>
        <source>High</source>
        <translation>عالية</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;الإعدادات</translation>
    </message>
    <message>
        <source>Change the application settings.</source>
        <translation>تغيير إعدادات التطبيق.</translation>
    </message>
    <message>
        <source>Scan &amp;Page</source>
        <translation>مسح &amp;صفحة</translation>
    </message>
    <message>
        <source>Scan whole page. Press Space to start scanning.</source>
        <translation>مسح الصفحة كاملة ضوئيًا. اضغط مفتاح المسافة لبدء المسح.</translation>
    </message>
    <message>
        <source>&amp;Auto Scan</source>
        <translation>م&amp;سح تلقائي</translation>
    </message>
    <message>
        <source>Scan a document or a book in automatic mode.</source>
        <translation>مسح مستند أو كتاب ضوئيًا في الوضع التلقائي.</translation>
    </message>
    <message>
        <source>From &amp;File</source>
        <translation>من م&amp;لف</translation>
    </message>
    <message>
        <source>Load an image from a file.</source>
        <translation>تحميل صورة من ملف.</translation>
    </message>
    <message>
        <source>Extract images from PDF file.</source>
        <translation>استخراج الصور من ملف PDF.</translation>
    </message>
    <message>
        <source>Build PDF &amp;Document</source>
        <translation>إنشاء مستند &amp;PDF</translation>
    </message>
    <message>
        <source>Build the PDF document from scanned pages.</source>
        <translation>إنشاء مستند PDF من الصفحات الممسوحة.</translation>
    </message>
    <message>
        <source>Build DjVu &amp;File</source>
        <translation>إنشاء ملف &amp;DjVu</translation>
    </message>
    <message>
        <source>Build the DjVu file from scanned pages.</source>
        <translation>إنشاء ملف DjVu من الصفحات الممسوحة.</translation>
    </message>
    <message>
        <source>Build &amp;Word Document</source>
        <translation>إنشاء مستند &amp;Word</translation>
    </message>
    <message>
        <source>Build the MS Word (docx) document from scanned pages.</source>
        <translation>إنشاء مستند MS Word ‏(docx) من الصفحات الممسوحة.</translation>
    </message>
    <message>
        <source>Save &amp;As Pictures</source>
        <translation>حفظ &amp;كصور</translation>
    </message>
    <message>
        <source>Save scanned pages to folder.</source>
        <translation>حفظ الصفحات الممسوحة في مجلد.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;طباعة</translation>
    </message>
    <message>
        <source>Print scanned pages.</source>
        <translation>طباعة الصفحات الممسوحة.</translation>
    </message>
    <message>
        <source>Turn &amp;Left</source>
        <translation>تدوير لل&amp;يسار</translation>
    </message>
    <message>
        <source>Rotate Image Left</source>
        <translation>تدوير الصورة لليسار</translation>
    </message>
    <message>
        <source>&amp;Turn Right</source>
        <translation>تدوير لليمي&amp;ن</translation>
    </message>
    <message>
        <source>Rotate Image Right</source>
        <translation>تدوير الصورة لليمين</translation>
    </message>
    <message>
        <source>&amp;Flip Image</source>
        <translation>&amp;قلب الصورة</translation>
    </message>
    <message>
        <source>Flip the Image</source>
        <translation>قلب الصورة رأسًا على عقب</translation>
    </message>
    <message>
        <source>&amp;Rotate to Angle</source>
        <translation>تدوير ب&amp;زاوية</translation>
    </message>
    <message>
        <source>Rotate Image to Angle</source>
        <translation>تدوير الصورة بزاوية محددة</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>ت&amp;كبير</translation>
    </message>
    <message>
        <source>Zoom Image In</source>
        <translation>تكبير الصورة</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>تص&amp;غير</translation>
    </message>
    <message>
        <source>Zoom Image Out</source>
        <translation>تصغير الصورة</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>م&amp;لاءمة للنافذة</translation>
    </message>
    <message>
        <source>Fit Image to Window</source>
        <translation>ملاءمة الصورة للنافذة</translation>
    </message>
    <message>
        <source>&amp;Crop Image</source>
        <translation>&amp;اقتصاص الصورة</translation>
    </message>
    <message>
        <source>Show Frame to Crop Image</source>
        <translation>إظهار إطار لاقتصاص الصورة</translation>
    </message>
    <message>
        <source>&amp;Image Contrast</source>
        <translation>ت&amp;باين الصورة</translation>
    </message>
    <message>
        <source>Adjust Brightness</source>
        <translation>ضبط السطوع</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>نقل لل&amp;أعلى</translation>
    </message>
    <message>
        <source>Move up current page in the list.</source>
        <translation>نقل الصفحة الحالية إلى الأعلى في القائمة.</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>نقل للأ&amp;سفل</translation>
    </message>
    <message>
        <source>Move down current page in the list.</source>
        <translation>نقل الصفحة الحالية إلى الأسفل في القائمة.</translation>
    </message>
    <message>
        <source>Move to &amp;Top</source>
        <translation>نقل إلى ال&amp;بداية</translation>
    </message>
    <message>
        <source>Move current page to top of the list.</source>
        <translation>نقل الصفحة الحالية إلى بداية القائمة.</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation>نقل إلى ال&amp;نهاية</translation>
    </message>
    <message>
        <source>Move current page to bottom of the list.</source>
        <translation>نقل الصفحة الحالية إلى نهاية القائمة.</translation>
    </message>
    <message>
        <source>Move to &amp;Position</source>
        <translation>نقل إلى مو&amp;ضع</translation>
    </message>
    <message>
        <source>Move current page to position.</source>
        <translation>نقل الصفحة الحالية إلى موضع محدد.</translation>
    </message>
    <message>
        <source>&amp;Remove Page</source>
        <translation>&amp;حذف الصفحة</translation>
    </message>
    <message>
        <source>Delete current page from the list.</source>
        <translation>حذف الصفحة الحالية من القائمة.</translation>
    </message>
    <message>
        <source>&amp;Check All</source>
        <translation>تحديد ال&amp;كل</translation>
    </message>
    <message>
        <source>Check all pages in the project.</source>
        <translation>تحديد كل الصفحات في المشروع.</translation>
    </message>
    <message>
        <source>&amp;Uncheck All</source>
        <translation>&amp;إلغاء تحديد الكل</translation>
    </message>
    <message>
        <source>Uncheck all pages in the project.</source>
        <translation>إلغاء تحديد كل الصفحات في المشروع.</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>&amp;الموقع الإلكتروني</translation>
    </message>
    <message>
        <source>Go to the Vellumo homepage</source>
        <translation>الانتقال إلى الصفحة الرئيسية لـ Vellumo</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول</translation>
    </message>
    <message>
        <source>About Software</source>
        <translation>حول البرنامج</translation>
    </message>
    <message>
        <source>Check &amp;Updates</source>
        <translation>&amp;فحص التحديثات</translation>
    </message>
    <message>
        <source>Check for updates in Internet.</source>
        <translation>البحث عن تحديثات على الإنترنت.</translation>
    </message>
    <message>
        <source>&amp;Vellumo</source>
        <translation>&amp;Vellumo</translation>
    </message>
    <message>
        <source>Click here to save a project, &lt;br/&gt; open an existing project&lt;br/&gt; or start a new project.</source>
        <translation>انقر هنا لحفظ المشروع،&lt;br/&gt; أو فتح مشروع موجود&lt;br/&gt; أو بدء مشروع جديد.</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>مشروع &amp;جديد</translation>
    </message>
    <message>
        <source>Starts a new project</source>
        <translation>بدء مشروع جديد</translation>
    </message>
    <message>
        <source>Open an existing project</source>
        <translation>فتح مشروع موجود</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>&amp;حفظ المشروع</translation>
    </message>
    <message>
        <source>Save the current project</source>
        <translation>حفظ المشروع الحالي</translation>
    </message>
    <message>
        <source>&amp;Recover Project</source>
        <translation>ا&amp;ستعادة المشروع</translation>
    </message>
    <message>
        <source>Recover the auto-saved project</source>
        <translation>استعادة المشروع المحفوظ تلقائيًا</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Close the application</source>
        <translation>إغلاق التطبيق</translation>
    </message>
    <message>
        <source>Crop Mode</source>
        <translation>وضع الاقتصاص</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>قبول</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation>اقتصاص تلقائي</translation>
    </message>
    <message>
        <source>Rotate Mode</source>
        <translation>وضع التدوير</translation>
    </message>
    <message>
        <source> deg.</source>
        <translation> درجة</translation>
    </message>
    <message>
        <source>Rotating...</source>
        <translation>جارٍ التدوير...</translation>
    </message>
    <message>
        <source>Vellumo Project (*.vlmpj)</source>
        <translation>مشروع Vellumo (*.vlmpj)</translation>
    </message>
    <message>
        <source>The current project is not saved yet. Do you want to save it?</source>
        <translation>لم يُحفظ المشروع الحالي بعد. هل تريد حفظه؟</translation>
    </message>
    <message>
        <source>The current project has been changed. Do you want to save it?</source>
        <translation>تغيّر المشروع الحالي. هل تريد حفظه؟</translation>
    </message>
    <message>
        <source>New project has been begun.</source>
        <translation>بدأ مشروع جديد.</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>فتح مشروع</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>جارٍ الفتح...</translation>
    </message>
    <message>
        <source>Empty project. Scan a document before the saving.</source>
        <translation>المشروع فارغ. امسح مستندًا ضوئيًا قبل الحفظ.</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>حفظ المشروع</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>جارٍ الحفظ...</translation>
    </message>
    <message>
        <source>Can&apos;t save the project to %1.&lt;br&gt;%2</source>
        <translation>تعذّر حفظ المشروع في %1.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Project has been saved.</source>
        <translation>حُفظ المشروع.</translation>
    </message>
    <message>
        <source>Auto saved project has been recovered.</source>
        <translation>استُعيد المشروع المحفوظ تلقائيًا.</translation>
    </message>
    <message>
        <source>There are no files to recover.</source>
        <translation>لا توجد ملفات لاستعادتها.</translation>
    </message>
    <message>
        <source>Vellumo found %1 pages of an earlier session in its working folder.&lt;br&gt;Do you want to recover them now?</source>
        <translation>عثر Vellumo في مجلد عمله على صفحات من جلسة سابقة (عددها %1).&lt;br&gt;هل تريد استعادتها الآن؟</translation>
    </message>
    <message>
        <source>Scanners not found.&lt;br&gt;Please plug a scanner.</source>
        <translation>لم يُعثر على أي ماسح ضوئي.&lt;br&gt;الرجاء توصيل ماسح ضوئي.</translation>
    </message>
    <message>
        <source>Auto cropping...</source>
        <translation>جارٍ الاقتصاص التلقائي...</translation>
    </message>
    <message>
        <source>Scanning has cancelled.</source>
        <translation>أُلغي المسح الضوئي.</translation>
    </message>
    <message>
        <source>PDF file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>أُنشئ ملف PDF.&lt;br&gt;افتح &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Word file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>أُنشئ ملف Word.&lt;br&gt;افتح &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while Word file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>حدث خطأ أثناء إنشاء ملف Word.&lt;br&gt;تعذّرت كتابة الملف %1. ربما يكون الملف مفتوحًا أو ليس لديك إذن بالكتابة في المجلد.</translation>
    </message>
    <message>
        <source>DjVu file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>أُنشئ ملف DjVu.&lt;br&gt;افتح &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while DjVu file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>حدث خطأ أثناء إنشاء ملف DjVu.&lt;br&gt;تعذّرت كتابة الملف %1. ربما يكون الملف مفتوحًا أو ليس لديك إذن بالكتابة في المجلد.</translation>
    </message>
    <message>
        <source>Images was saved.&lt;br&gt;Open folder &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>حُفظت الصور.&lt;br&gt;افتح المجلد &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while Image file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened.</source>
        <translation>حدث خطأ أثناء إنشاء ملف الصورة.&lt;br&gt;تعذّرت كتابة الملف %1. ربما يكون الملف مفتوحًا.</translation>
    </message>
    <message>
        <source>Can&apos;t save the page %1.</source>
        <translation>تعذّر حفظ الصفحة %1.</translation>
    </message>
    <message>
        <source>Error while PDF file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>حدث خطأ أثناء إنشاء ملف PDF.&lt;br&gt;تعذّرت كتابة الملف %1. ربما يكون الملف مفتوحًا أو ليس لديك إذن بالكتابة في المجلد.</translation>
    </message>
    <message>
        <source>Can&apos;t split the scanned page. It has been kept as one page.</source>
        <translation>تعذّر تقسيم الصفحة الممسوحة. أُبقيت صفحةً واحدة.</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>حفظ الصورة</translation>
    </message>
    <message>
        <source>JPEG file (*.jpg);;TIFF file (*.tiff);;BMP file (*.bmp);;PNG file (*.png)</source>
        <translation>ملف JPEG (*.jpg);;ملف TIFF (*.tiff);;ملف BMP (*.bmp);;ملف PNG (*.png)</translation>
    </message>
    <message>
        <source>The page has been saved to %1.</source>
        <translation>حُفظت الصفحة في %1.</translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1.</source>
        <translation>تعذّر حفظ الصورة في %1.</translation>
    </message>
    <message>
        <source>Extract images from PDF</source>
        <translation>استخراج الصور من PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>ملف PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Can&apos;t open file %1.</source>
        <translation>تعذّر فتح الملف %1.</translation>
    </message>
    <message>
        <source>Can&apos;t crop the page.</source>
        <translation>تعذّر اقتصاص الصفحة.</translation>
    </message>
    <message>
        <source>Can&apos;t crop the pages %1.</source>
        <translation>تعذّر اقتصاص الصفحات %1.</translation>
    </message>
    <message>
        <source>Splitting...</source>
        <translation>جارٍ التقسيم...</translation>
    </message>
    <message>
        <source>Can&apos;t split the page.</source>
        <translation>تعذّر تقسيم الصفحة.</translation>
    </message>
    <message>
        <source>Can&apos;t split the pages %1.</source>
        <translation>تعذّر تقسيم الصفحات %1.</translation>
    </message>
    <message>
        <source>Can&apos;t open the project %1.&lt;br&gt;%2</source>
        <translation>تعذّر فتح المشروع %1.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Some pages of the project %1 could not be unpacked.</source>
        <translation>تعذّر فك ضغط بعض صفحات المشروع %1.</translation>
    </message>
    <message>
        <source>Some entries of the project %1 were left out: %2</source>
        <translation>تُجوهلت بعض عناصر المشروع %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The %n page(s) scanned so far have been kept.</source>
        <translation>
            <numerusform>لم تُمسح أي صفحة حتى الآن.</numerusform>
            <numerusform>احتُفظ بالصفحة الممسوحة حتى الآن.</numerusform>
            <numerusform>احتُفظ بالصفحتين الممسوحتين حتى الآن.</numerusform>
            <numerusform>احتُفظ بـ %n صفحات ممسوحة حتى الآن.</numerusform>
            <numerusform>احتُفظ بـ %n صفحة ممسوحة حتى الآن.</numerusform>
            <numerusform>احتُفظ بـ %n صفحة ممسوحة حتى الآن.</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>معاينة الطباعة</translation>
    </message>
    <message>
        <source>Preparing to print...</source>
        <translation>جارٍ التحضير للطباعة...</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>جارٍ البحث عن تحديثات...</translation>
    </message>
    <message>
        <source>ERROR!&lt;br&gt;Can&apos;t connect to the update server. Please check network settings.</source>
        <translation>خطأ!&lt;br&gt;تعذّر الاتصال بخادم التحديثات. الرجاء التحقق من إعدادات الشبكة.</translation>
    </message>
    <message>
        <source>You use a latest version of Vellumo.</source>
        <translation>أنت تستخدم أحدث إصدار من Vellumo.</translation>
    </message>
    <message>
        <source>Thank you for updating Vellumo.&lt;p&gt;Please close the program and run the install file.</source>
        <translation>شكرًا لتحديثك Vellumo.&lt;p&gt;الرجاء إغلاق البرنامج وتشغيل ملف التثبيت.</translation>
    </message>
    <message>
        <source>Restore Source Image</source>
        <translation>استعادة الصورة المصدر</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>بلا عنوان</translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation>تقسيم الصفحتين المتقابلتين</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>ال&amp;سجل</translation>
    </message>
    <message>
        <source>Replace this page with a new scan?</source>
        <translation>هل تريد استبدال هذه الصفحة بمسح ضوئي جديد؟</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>إعادة المسح الضوئي</translation>
    </message>
    <message>
        <source>Turning pages upright...</source>
        <translation>جارٍ تصحيح اتجاه الصفحات...</translation>
    </message>
    <message>
        <source>Can&apos;t tell which way up the pages %1 are.</source>
        <translation>تعذّر تحديد اتجاه الصفحات %1.</translation>
    </message>
    <message>
        <source>Pages turned upright: %1 of %2.</source>
        <translation>الصفحات المُدوَّرة: %1 من %2.</translation>
    </message>
    <message>
        <source>Turn &amp;Upright</source>
        <translation>ت&amp;صحيح الاتجاه</translation>
    </message>
    <message>
        <source>Turn the checked pages, or this page, upright by the direction of their text</source>
        <translation>تدوير الصفحات المحددة، أو هذه الصفحة، إلى وضعها الصحيح حسب اتجاه نصها</translation>
    </message>
</context>
<context>
    <name>MoveToDlg</name>
    <message>
        <source>Move Page</source>
        <translation>نقل الصفحة</translation>
    </message>
    <message>
        <source>Move page to...</source>
        <translation>نقل الصفحة إلى...</translation>
    </message>
    <message>
        <source>New Page Number:</source>
        <translation>رقم الصفحة الجديد:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>OcrLanguages</name>
    <message>
        <source>Turning pages upright needs Tesseract&apos;s orientation data, which is not installed. Install the package %1.</source>
        <translation>يتطلب تصحيح اتجاه الصفحات بيانات الاتجاه الخاصة بـ Tesseract، وهي غير مثبّتة. ثبّت الحزمة %1.</translation>
    </message>
    <message>
        <source>Text recognition in %1 needs Tesseract&apos;s data for that language, which is not installed. Install the package %2.</source>
        <translation>يتطلب التعرف على النص باللغة %1 بيانات Tesseract الخاصة بهذه اللغة، وهي غير مثبّتة. ثبّت الحزمة %2.</translation>
    </message>
    <message>
        <source>Text recognition needs the Tesseract library, which is not installed. Install the package %1.</source>
        <translation>يتطلب التعرّف على النص مكتبة Tesseract، وهي غير مثبّتة. ثبّت الحزمة %1.</translation>
    </message>
</context>
<context>
    <name>OfficePopupWindow</name>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>OptionsDlg</name>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>OptionsPage</name>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>Here you can change the software options.</source>
        <translation>يمكنك هنا تغيير خيارات البرنامج.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>اللغة:</translation>
    </message>
    <message>
        <source>&amp;Automatically check for updates</source>
        <translation>&amp;فحص التحديثات تلقائيًا</translation>
    </message>
    <message>
        <source>How to translate to your language</source>
        <translation>كيفية الترجمة إلى لغتك</translation>
    </message>
</context>
<context>
    <name>PageBatch</name>
    <message>
        <source>Can&apos;t create the folder %1.</source>
        <translation>تعذّر إنشاء المجلد %1.</translation>
    </message>
    <message>
        <source>Splitting %1 of %2...</source>
        <translation>جارٍ تقسيم %1 من %2...</translation>
    </message>
    <message>
        <source>Cropping %1 of %2...</source>
        <translation>جارٍ اقتصاص %1 من %2...</translation>
    </message>
    <message>
        <source>Turning %1 of %2 upright...</source>
        <translation>جارٍ تصحيح اتجاه %1 من %2...</translation>
    </message>
</context>
<context>
    <name>PageHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;تراجع عن %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;تراجع</translation>
    </message>
    <message>
        <source>Re&amp;do %1</source>
        <translation>&amp;إعادة %1</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;إعادة</translation>
    </message>
</context>
<context>
    <name>PageImages</name>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: the image is empty.</source>
        <translation>تعذّرت كتابة %1: الصورة فارغة.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>تعذّرت قراءة %1: %2</translation>
    </message>
    <message>
        <source>the black-and-white image can&apos;t be compressed.</source>
        <translation>لا يمكن ضغط الصورة بالأبيض والأسود.</translation>
    </message>
</context>
<context>
    <name>PageImporter</name>
    <message>
        <source>Can&apos;t open file %1.</source>
        <translation>تعذّر فتح الملف %1.</translation>
    </message>
    <message>
        <source>Drawing the pages of the PDF file.</source>
        <translation>جارٍ تحويل صفحات ملف PDF إلى صور.</translation>
    </message>
    <message>
        <source>Extracting images from PDF file.</source>
        <translation>جارٍ استخراج الصور من ملف PDF.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file %1.&lt;br&gt;The image is too large: %2 x %3 pixels.</source>
        <translation>عذرًا، تعذّر تحميل الملف %1.&lt;br&gt;الصورة كبيرة جدًا: %2 x %3 بكسل.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file. Wrong file format.&lt;br&gt;%1</source>
        <translation>عذرًا، تعذّر تحميل الملف. تنسيق الملف غير صحيح.&lt;br&gt;%1</translation>
    </message>
    <message>
        <source>The file %1 is damaged: part of its picture may be missing.</source>
        <translation>الملف %1 تالف: قد يكون جزء من صورته مفقودًا.</translation>
    </message>
    <message>
        <source>Can&apos;t extract image.</source>
        <translation>تعذّر استخراج الصورة.</translation>
    </message>
    <message>
        <source>This PDF file doesn&apos;t contain images.</source>
        <translation>لا يحتوي ملف PDF هذا على صور.</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Its pages can be drawn as images instead, at %1 dpi.</source>
        <translation>يمكن بدلًا من ذلك تحويل صفحاته إلى صور بدقة %1 نقطة في البوصة.</translation>
    </message>
    <message>
        <source>&amp;Draw Pages</source>
        <translation>&amp;تحويل الصفحات إلى صور</translation>
    </message>
</context>
<context>
    <name>PageStore</name>
    <message>
        <source>The page image is empty.</source>
        <translation>صورة الصفحة فارغة.</translation>
    </message>
    <message>
        <source>Can&apos;t rename %1 to %2.</source>
        <translation>تعذّرت إعادة تسمية %1 إلى %2.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation>تعذّرت قراءة %1.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>تعذّرت قراءة %1: %2</translation>
    </message>
</context>
<context>
    <name>PdfCommandLine</name>
    <message>
        <source>%1 needs a file name</source>
        <translation>يحتاج %1 إلى اسم ملف</translation>
    </message>
    <message>
        <source>--password needs a password</source>
        <translation>يحتاج --password إلى كلمة سر</translation>
    </message>
    <message>
        <source>--paper takes A4, Letter or A0 to A6</source>
        <translation>يقبل --paper القيم A4 أو Letter أو من A0 إلى A6</translation>
    </message>
    <message>
        <source>--orientation takes portrait or landscape</source>
        <translation>يقبل --orientation القيمتين portrait أو landscape</translation>
    </message>
    <message>
        <source>--scale takes dpi, stretch or fit</source>
        <translation>يقبل --scale القيم dpi أو stretch أو fit</translation>
    </message>
    <message>
        <source>--margins takes four centimetre values: L,R,T,B</source>
        <translation>يقبل --margins أربع قيم بالسنتيمتر: L,R,T,B</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>خيار غير معروف %1</translation>
    </message>
    <message>
        <source>no output file (-o OUT.pdf)</source>
        <translation>لا يوجد ملف ناتج (-o OUT.pdf)</translation>
    </message>
    <message>
        <source>no page files</source>
        <translation>لا توجد ملفات صفحات</translation>
    </message>
    <message>
        <source>%1 needs a text</source>
        <translation>يحتاج %1 إلى نص</translation>
    </message>
    <message>
        <source>usage: vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6] [--orientation portrait|landscape] [--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] [--author AUTHOR] [--ocr LANG[+LANG]] FILE...
       vellumo-cli check-pdf FILE|-   (exit code 0: pages can be appended to the PDF; - reads it from standard input)</source>
        <translation>الاستخدام: vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6] [--orientation portrait|landscape] [--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] [--author AUTHOR] [--ocr LANG[+LANG]] FILE...
       vellumo-cli check-pdf FILE|-   (رمز الخروج 0: يمكن إلحاق صفحات بملف PDF؛ - يقرؤه من الدخل القياسي)</translation>
    </message>
    <message>
        <source>--ocr takes Tesseract languages such as eng or eng+deu</source>
        <translation>يقبل --ocr لغات Tesseract مثل eng أو eng+deu</translation>
    </message>
</context>
<context>
    <name>PdfImport</name>
    <message>
        <source>image %1: %2</source>
        <translation>الصورة %1: %2</translation>
    </message>
</context>
<context>
    <name>PdfImportSession</name>
    <message>
        <source>The password is not right.</source>
        <translation>كلمة السر غير صحيحة.</translation>
    </message>
    <message>
        <source>The PDF file %1 is protected by a password.</source>
        <translation>ملف PDF ‏%1 محمي بكلمة سر.</translation>
    </message>
</context>
<context>
    <name>PdfProgress</name>
    <message>
        <source>Creating PDF document.</source>
        <translation>جارٍ إنشاء مستند PDF.</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>PdfWriter</name>
    <message>
        <source>&quot;%1&quot; is not a list of text recognition languages.</source>
        <translation>&quot;%1&quot; ليست قائمة بلغات التعرف على النص.</translation>
    </message>
</context>
<context>
    <name>PopupMessage</name>
    <message>
        <source>&lt;p&gt;&lt;font color=&quot;black&quot;&gt;&lt;h4&gt;&amp;nbsp;Vellumo Message&lt;/h4&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=&quot;black&quot;&gt;&lt;h4&gt;&amp;nbsp;رسالة من Vellumo&lt;/h4&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ProjectArchive</name>
    <message>
        <source>Can&apos;t create the folder %1.</source>
        <translation>تعذّر إنشاء المجلد %1.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation>تعذّرت قراءة %1.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>تعذّرت قراءة %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1 into %2: %3.</source>
        <translation>تعذّرت كتابة %1 في %2: %3.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2.</source>
        <translation>تعذّرت كتابة %1: %2.</translation>
    </message>
    <message>
        <source>Its entries overlap: the file is damaged.</source>
        <translation>عناصره متداخلة: الملف تالف.</translation>
    </message>
    <message>
        <source>not a page file</source>
        <translation>ليس ملف صفحة</translation>
    </message>
    <message>
        <source>a second entry of that name</source>
        <translation>عنصر ثانٍ بالاسم نفسه</translation>
    </message>
    <message>
        <source>encrypted</source>
        <translation>مشفّر</translation>
    </message>
    <message>
        <source>unknown compression</source>
        <translation>ضغط غير معروف</translation>
    </message>
    <message>
        <source>larger than any page</source>
        <translation>أكبر من أي صفحة</translation>
    </message>
    <message>
        <source>There is not enough free disk space for %1.</source>
        <translation>لا توجد مساحة خالية كافية على القرص لـ %1.</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>غير قابل للقراءة</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>تالف</translation>
    </message>
    <message>
        <source>not an image</source>
        <translation>ليس صورة</translation>
    </message>
    <message>
        <source>It holds no pages.</source>
        <translation>لا يحتوي على أي صفحات.</translation>
    </message>
</context>
<context>
    <name>PropertyModel</name>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>الماسح الضوئي</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>الدقة</translation>
    </message>
    <message>
        <source>Cropping</source>
        <translation>الاقتصاص</translation>
    </message>
</context>
<context>
    <name>PropertyPage</name>
    <message>
        <source>Default</source>
        <translation>الافتراضي</translation>
    </message>
</context>
<context>
    <name>RibbonSliderPane</name>
    <message>
        <source>Increase</source>
        <translation>زيادة</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>إنقاص</translation>
    </message>
</context>
<context>
    <name>ScanPage</name>
    <message>
        <source>Scanning in progress</source>
        <translation>المسح الضوئي جارٍ</translation>
    </message>
    <message>
        <source>Scanned page will be added to the list</source>
        <translation>ستُضاف الصفحة الممسوحة إلى القائمة</translation>
    </message>
    <message>
        <source>Scanning in progress. Do not open scanner cover.</source>
        <translation>المسح الضوئي جارٍ. لا تفتح غطاء الماسح الضوئي.</translation>
    </message>
</context>
<context>
    <name>ScanPreviewDlg</name>
    <message>
        <source>Scan Preview</source>
        <translation>معاينة المسح</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>ScanResPage</name>
    <message>
        <source>Resolution</source>
        <translation>الدقة</translation>
    </message>
    <message>
        <source>You can change the scanning resolution for each of the modes. The higher the scanning resolution, the better the image quality, but it reduces the scanning speed.</source>
        <translation>يمكنك تغيير دقة المسح لكل وضع من الأوضاع. كلما ارتفعت دقة المسح تحسّنت جودة الصورة، لكن سرعة المسح تقل.</translation>
    </message>
    <message>
        <source>Middle:</source>
        <translation>متوسطة:</translation>
    </message>
    <message>
        <source>Good:</source>
        <translation>جيدة:</translation>
    </message>
    <message>
        <source>High:</source>
        <translation>عالية:</translation>
    </message>
    <message>
        <source>dpi</source>
        <translation>نقطة في البوصة</translation>
    </message>
</context>
<context>
    <name>ScannerPage</name>
    <message>
        <source>Scanner</source>
        <translation>الماسح الضوئي</translation>
    </message>
    <message>
        <source>You can change the scan options and select or deselect the document feeder.</source>
        <translation>يمكنك تغيير خيارات المسح وتفعيل وحدة تغذية المستندات أو إلغاء تفعيلها.</translation>
    </message>
    <message>
        <source>Paper Source:</source>
        <translation>مصدر الورق:</translation>
    </message>
    <message>
        <source>Flatbed (platen)</source>
        <translation>مسطّح (اللوح الزجاجي)</translation>
    </message>
    <message>
        <source>Automatic Feeder (ADF)</source>
        <translation>وحدة التغذية التلقائية (ADF)</translation>
    </message>
    <message>
        <source>Acquire:</source>
        <translation>الالتقاط:</translation>
    </message>
    <message>
        <source>One image</source>
        <translation>صورة واحدة</translation>
    </message>
    <message>
        <source>All available images</source>
        <translation>كل الصور المتاحة</translation>
    </message>
    <message>
        <source>Automatic &amp;deskewing of scanned pages</source>
        <translation>&amp;تصحيح ميل الصفحات الممسوحة تلقائيًا</translation>
    </message>
    <message>
        <source>Automatic &amp;cropping of scanned pages</source>
        <translation>&amp;اقتصاص الصفحات الممسوحة تلقائيًا</translation>
    </message>
    <message>
        <source>Automatic c&amp;ontrast adjustment of scanned pages</source>
        <translation>ضبط ت&amp;باين الصفحات الممسوحة تلقائيًا</translation>
    </message>
    <message>
        <source>Scan with &amp;preview</source>
        <translation>المسح مع ال&amp;معاينة</translation>
    </message>
    <message>
        <source>Turn pages upright automatically</source>
        <translation>تصحيح اتجاه الصفحات الممسوحة تلقائيًا</translation>
    </message>
</context>
<context>
    <name>SelectFileWidget</name>
    <message>
        <source>Open existing PDF</source>
        <translation>فتح ملف PDF موجود</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>ملف PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>SelectFolderWidget</name>
    <message>
        <source>Select a folder</source>
        <translation>اختيار مجلد</translation>
    </message>
</context>
<context>
    <name>SelectSaveFileWidget</name>
    <message>
        <source>Save file</source>
        <translation>حفظ الملف</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Copyright &amp;copy; 2026 Leafkin. All rights reserved. &lt;a href=&quot;http://%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>حقوق النشر &amp;copy; 2026 Leafkin. جميع الحقوق محفوظة. &lt;a href=&quot;http://%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Vellumo is already running.&lt;br&gt;Only one copy of Vellumo can work with the pages at a time; please switch to the open window.</source>
        <translation>Vellumo قيد التشغيل بالفعل.&lt;br&gt;لا يمكن إلا لنسخة واحدة من Vellumo العمل على الصفحات في الوقت نفسه؛ الرجاء الانتقال إلى النافذة المفتوحة.</translation>
    </message>
    <message>
        <source>Critical error</source>
        <translation>خطأ فادح</translation>
    </message>
    <message>
        <source>Can&apos;t start application.</source>
        <translation>تعذّر بدء التطبيق.</translation>
    </message>
</context>
<context>
    <name>TimerPage</name>
    <message>
        <source>Scan &amp;Now &gt;</source>
        <translation>مسح ال&amp;آن &gt;</translation>
    </message>
    <message>
        <source>&amp;Resume Timer</source>
        <translation>&amp;استئناف المؤقت</translation>
    </message>
    <message>
        <source>&amp;Stop Timer</source>
        <translation>&amp;إيقاف المؤقت</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>في الانتظار</translation>
    </message>
    <message>
        <source>Next scan will begin soon. Change page in the scanner.&lt;br&gt;Press &lt;b&gt;SPACE&lt;/b&gt; to pause timer. Press &lt;b&gt;ENTER&lt;/b&gt; to run Scan Now.</source>
        <translation>سيبدأ المسح التالي قريبًا. غيّر الصفحة في الماسح الضوئي.&lt;br&gt;اضغط &lt;b&gt;المسافة&lt;/b&gt; لإيقاف المؤقت مؤقتًا. اضغط &lt;b&gt;Enter&lt;/b&gt; للمسح الآن.</translation>
    </message>
</context>
<context>
    <name>ToolLocator</name>
    <message>
        <source>%1 was not found. Vellumo looked for it in %2 and on the PATH; please reinstall Vellumo.</source>
        <translation>لم يُعثر على %1. بحث Vellumo عنه في %2 وفي PATH؛ الرجاء إعادة تثبيت Vellumo.</translation>
    </message>
</context>
<context>
    <name>UpdateDlg</name>
    <message>
        <source>Vellumo Updates</source>
        <translation>تحديثات Vellumo</translation>
    </message>
    <message>
        <source>There are new version of Vellumo</source>
        <translation>يتوفر إصدار جديد من Vellumo</translation>
    </message>
    <message>
        <source>Current Version: %1</source>
        <translation>الإصدار الحالي: %1</translation>
    </message>
    <message>
        <source>New Version: %1&lt;p&gt;Download: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;</source>
        <translation>الإصدار الجديد: %1&lt;p&gt;التنزيل: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>تنزيل</translation>
    </message>
</context>
<context>
    <name>WaitingDlg</name>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>WordProgress</name>
    <message>
        <source>Creating MS Word document.</source>
        <translation>جارٍ إنشاء مستند MS Word.</translation>
    </message>
    <message>
        <source>Writting MS Word document.</source>
        <translation>جارٍ كتابة مستند MS Word.</translation>
    </message>
</context>
<context>
    <name>ZipWriter</name>
    <message>
        <source>Can&apos;t compress %1.</source>
        <translation>تعذّر ضغط %1.</translation>
    </message>
    <message>
        <source>%1 is too large for a project.</source>
        <translation>%1 كبير جدًا بالنسبة لمشروع.</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>تعذّرت كتابة الملف</translation>
    </message>
</context>
<context>
    <name>vellumo-cli</name>
    <message>
        <source>
       vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   (the page images of a PDF into DIR as 0001.jpg, 0002.tiff, 0003.png, ...)
       vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR FILE.pdf   (the pages of a PDF drawn into DIR as 0001.png, ...)</source>
        <translation>
       vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   (صور صفحات ملف PDF في DIR بالأسماء 0001.jpg و0002.tiff و0003.png ...)
       vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR FILE.pdf   (صفحات ملف PDF محوّلة إلى صور في DIR بالأسماء 0001.png ...)</translation>
    </message>
</context>
</TS>
