<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BrightnessDlg</name>
    <message>
        <source>Brightness / Contrast</source>
        <translation>Brightness / Contrast</translation>
    </message>
    <message>
        <source>Source Image</source>
        <translation>Source Image</translation>
    </message>
    <message>
        <source>Destination Image</source>
        <translation>Destination Image</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1</source>
        <translation>unknown option %1</translation>
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
        <translation>Usage: vellumo [OPTION...] [FILE...]
Scan paper and save it as PDF, DjVu, Word or image files.

Files are opened as if dropped onto the window: a project (.vlmpj) replaces the open
document, images and the images of PDF files are added as pages. When Vellumo is already
running, the files go to its window.

Options:
  -h, --help        show this help and exit
  -v, --version     show the version and exit
      --demo-scanner  use SANE&apos;s test device instead of the scanners found
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
        <translation>Auto Cropping</translation>
    </message>
    <message>
        <source>You can set the auto cropping settings.</source>
        <translation>You can set the auto cropping settings.</translation>
    </message>
    <message>
        <source>Insert Margins</source>
        <translation>Insert Margins</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bottom</translation>
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
        <translation>it is not an image Vellumo can read (%1)</translation>
    </message>
    <message>
        <source>its copy %1 could not be written (%2)</source>
        <translation>its copy %1 could not be written (%2)</translation>
    </message>
    <message>
        <source>Page %1 (%2) was not encoded: %3</source>
        <translation>Page %1 (%2) was not encoded: %3</translation>
    </message>
    <message>
        <source>%1 did not finish within %2 s</source>
        <translation>%1 did not finish within %2 s</translation>
    </message>
    <message>
        <source>%1 could not be started (%2)</source>
        <translation>%1 could not be started (%2)</translation>
    </message>
    <message>
        <source>%1 crashed</source>
        <translation>%1 crashed</translation>
    </message>
    <message>
        <source>%1 ended with exit code %2</source>
        <translation>%1 ended with exit code %2</translation>
    </message>
    <message>
        <source>%1 wrote nothing</source>
        <translation>%1 wrote nothing</translation>
    </message>
    <message>
        <source>%1 failed (%2)</source>
        <translation>%1 failed (%2)</translation>
    </message>
    <message>
        <source>Can&apos;t read page %1 (%2): %3</source>
        <translation>Can&apos;t read page %1 (%2): %3</translation>
    </message>
    <message>
        <source>None of the page files exists; %1 was not written.</source>
        <translation>None of the page files exists; %1 was not written.</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation>Can&apos;t create a temporary folder in %1: %2</translation>
    </message>
    <message>
        <source>The pages could not be combined into %1: %2</source>
        <translation>The pages could not be combined into %1: %2</translation>
    </message>
    <message>
        <source>The combined document %1 could not be read back: %2</source>
        <translation>The combined document %1 could not be read back: %2</translation>
    </message>
    <message>
        <source>The combined document holds %1 of its %2 pages; %3 was not written.</source>
        <translation>The combined document holds %1 of its %2 pages; %3 was not written.</translation>
    </message>
    <message>
        <source>Page %1 is missing: %2</source>
        <translation>Page %1 is missing: %2</translation>
    </message>
</context>
<context>
    <name>DjvuProgress</name>
    <message>
        <source>Creating DjVu file.</source>
        <translation>Creating DjVu file.</translation>
    </message>
    <message>
        <source>Writting DjVu file.</source>
        <translation>Writing DjVu file.</translation>
    </message>
</context>
<context>
    <name>DocGenerator</name>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Can&apos;t write %1: %2</translation>
    </message>
    <message>
        <source>The document %1 was written, but the temporary folder %2 could not be removed.</source>
        <translation>The document %1 was written, but the temporary folder %2 could not be removed.</translation>
    </message>
    <message>
        <source>Page %1 is missing: %2</source>
        <translation>Page %1 is missing: %2</translation>
    </message>
</context>
<context>
    <name>DocxGenerator</name>
    <message>
        <source>Can&apos;t read the Word template %1.</source>
        <translation>Can&apos;t read the Word template %1.</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation>Can&apos;t create a temporary folder in %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Can&apos;t write %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Can&apos;t read %1: %2</translation>
    </message>
</context>
<context>
    <name>DraggedWidget</name>
    <message>
        <source>Scan a page or drop files here</source>
        <translation>Scan a page or drop files here</translation>
    </message>
    <message>
        <source>Images (JPEG, PNG, TIFF, BMP), PDF files and projects can be dropped onto this window.</source>
        <translation>Images (JPEG, PNG, TIFF, BMP), PDF files and projects can be dropped onto this window.</translation>
    </message>
</context>
<context>
    <name>ExportDjvuDlg</name>
    <message>
        <source>Export to DjVu</source>
        <translation>Export to DjVu</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation>Save to file:</translation>
    </message>
    <message>
        <source>DjVu File (*.djvu)</source>
        <translation>DjVu File (*.djvu)</translation>
    </message>
    <message>
        <source>DjVu &amp;Compression:</source>
        <translation>DjVu &amp;Compression:</translation>
    </message>
    <message>
        <source>&amp;Open DjVu file after creation</source>
        <translation>&amp;Open DjVu file after creation</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ExportDlg</name>
    <message>
        <source>Build PDF</source>
        <translation>Build PDF</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>&amp;Scale:</source>
        <translation>&amp;Scale:</translation>
    </message>
    <message>
        <source>By dots per inch</source>
        <translation>By dots per inch</translation>
    </message>
    <message>
        <source>Stretch to paper list</source>
        <translation>Stretch to paper sheet</translation>
    </message>
    <message>
        <source>Stretch with keeping aspect</source>
        <translation>Stretch keeping the aspect ratio</translation>
    </message>
    <message>
        <source>&amp;Paper size:</source>
        <translation>&amp;Paper size:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>&amp;Orientation:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>&amp;Save to file:</source>
        <translation>&amp;Save to file:</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF File (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Append pages to existing file</source>
        <translation>&amp;Append pages to existing file</translation>
    </message>
    <message>
        <source>&amp;Open PDF document after creation</source>
        <translation>&amp;Open PDF document after creation</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margins</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source> cm</source>
        <translation> cm</translation>
    </message>
    <message>
        <source>By Page &amp;Center</source>
        <translation>By Page &amp;Center</translation>
    </message>
    <message>
        <source>Use &amp;Password:</source>
        <translation>Use &amp;Password:</translation>
    </message>
    <message>
        <source>Type a password or keep empty</source>
        <translation>Type a password or keep empty</translation>
    </message>
    <message>
        <source>&amp;Save password for next using</source>
        <translation>&amp;Save password for next time</translation>
    </message>
    <message>
        <source>Save to PDF</source>
        <translation>Save to PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Please enter a file name.</source>
        <translation>Please enter a file name.</translation>
    </message>
    <message>
        <source>Please select an existing PDF file.</source>
        <translation>Please select an existing PDF file.</translation>
    </message>
    <message>
        <source>Pages: %1/%2</source>
        <translation>Pages: %1/%2</translation>
    </message>
    <message>
        <source>No password store is running on this desktop, so the password can&apos;t be kept.</source>
        <translation>No password store is running on this desktop, so the password can&apos;t be kept.</translation>
    </message>
    <message>
        <source>Can&apos;t keep the password: %1</source>
        <translation>Can&apos;t keep the password: %1</translation>
    </message>
    <message>
        <source>Make text searchable (OCR)</source>
        <translation>Make text searchable (OCR)</translation>
    </message>
    <message>
        <source>Text &amp;language:</source>
        <translation>Text &amp;language:</translation>
    </message>
    <message numerus="yes">
        <source>The text of %n page(s) could not be recognised; they are in the PDF as pictures only.</source>
        <translation>
            <numerusform>The text of %n page could not be recognised; it is in the PDF as a picture only.</numerusform>
            <numerusform>The text of %n pages could not be recognised; they are in the PDF as pictures only.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportFileDlg</name>
    <message>
        <source>Export to image list</source>
        <translation>Export to image list</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Save to &amp;Folder:</source>
        <translation>Save to &amp;Folder:</translation>
    </message>
    <message>
        <source>Image Format:</source>
        <translation>Image Format:</translation>
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
        <translation>Quality:</translation>
    </message>
    <message>
        <source>File Prefix:</source>
        <translation>File Prefix:</translation>
    </message>
    <message>
        <source>Counter [C]</source>
        <translation>Counter [C]</translation>
    </message>
    <message>
        <source>Date [D]</source>
        <translation>Date [D]</translation>
    </message>
    <message>
        <source>&amp;Open folder after creation</source>
        <translation>&amp;Open folder after creation</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Folder %1 isn&apos;t exists.</source>
        <translation>Folder %1 doesn&apos;t exist.</translation>
    </message>
</context>
<context>
    <name>ExportWordDlg</name>
    <message>
        <source>Export to Microsoft Word</source>
        <translation>Export to Microsoft Word</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation>Save to file:</translation>
    </message>
    <message>
        <source>Microsoft Word File (*.docx)</source>
        <translation>Microsoft Word File (*.docx)</translation>
    </message>
    <message>
        <source>&amp;Open Word document after creation</source>
        <translation>&amp;Open Word document after creation</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>EzPrevScan</name>
    <message>
        <source>Scanning...</source>
        <translation>Scanning...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>FlipWidget</name>
    <message>
        <source>Rotate:</source>
        <translation>Rotate:</translation>
    </message>
    <message>
        <source>Don&apos;t rotate</source>
        <translation>Don&apos;t rotate</translation>
    </message>
    <message>
        <source>Each page</source>
        <translation>Each page</translation>
    </message>
    <message>
        <source>Every odd page (1, 3, 5...)</source>
        <translation>Every odd page (1, 3, 5...)</translation>
    </message>
    <message>
        <source>Every even page (2, 4, 6...)</source>
        <translation>Every even page (2, 4, 6...)</translation>
    </message>
    <message>
        <source>Rotate Angle:</source>
        <translation>Rotate Angle:</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Flip</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Turn Left</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Turn Right</translation>
    </message>
</context>
<context>
    <name>ImageEditor</name>
    <message>
        <source>Restore Source Image</source>
        <translation>Restore Source Image</translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation>Auto Cropping</translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation>Split the book spread</translation>
    </message>
    <message>
        <source>Crop this image</source>
        <translation>Crop this image</translation>
    </message>
    <message>
        <source>Adjust contrast</source>
        <translation>Adjust contrast</translation>
    </message>
    <message>
        <source>Rescan this page</source>
        <translation>Rescan this page</translation>
    </message>
    <message>
        <source>Save this page as the image</source>
        <translation>Save this page as an image</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Turn Left</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Turn Right</translation>
    </message>
    <message>
        <source>Flip this page</source>
        <translation>Flip this page</translation>
    </message>
    <message>
        <source>Delete this page</source>
        <translation>Delete this page</translation>
    </message>
</context>
<context>
    <name>ImageExportCommand</name>
    <message>
        <source>
       vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...   (each page an image file; P: &quot;[C]&quot; page counter, &quot;[D]&quot; date; default IMAGE_[C], jpg, quality 85)</source>
        <translation>
       vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...   (each page an image file; P: &quot;[C]&quot; page counter, &quot;[D]&quot; date; default IMAGE_[C], jpg, quality 85)</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 needs a folder</translation>
    </message>
    <message>
        <source>--format takes jpg, tiff, png or bmp</source>
        <translation>--format takes jpg, tiff, png or bmp</translation>
    </message>
    <message>
        <source>--quality takes a number from 0 to 100</source>
        <translation>--quality takes a number from 0 to 100</translation>
    </message>
    <message>
        <source>--pattern needs a file name pattern</source>
        <translation>--pattern needs a file name pattern</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>no target folder (-o DIR)</source>
        <translation>no target folder (-o DIR)</translation>
    </message>
    <message>
        <source>no page files</source>
        <translation>no page files</translation>
    </message>
    <message>
        <source>wrote %1</source>
        <translation>wrote %1</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>failed %1: %2</translation>
    </message>
</context>
<context>
    <name>ImageExporter</name>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Can&apos;t read %1: %2</translation>
    </message>
    <message>
        <source>Folder %1 isn&apos;t exists.</source>
        <translation>Folder %1 doesn&apos;t exist.</translation>
    </message>
    <message>
        <source>Files keep appearing under the name.</source>
        <translation>Files keep appearing under the name.</translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1: %2</source>
        <translation>Can&apos;t save the image to %1: %2</translation>
    </message>
    <message>
        <source>no image format for this file name</source>
        <translation>no image format for this file name</translation>
    </message>
</context>
<context>
    <name>ImgProgress</name>
    <message>
        <source>Creating images.</source>
        <translation>Creating images.</translation>
    </message>
    <message>
        <source>Writting images.</source>
        <translation>Writing images.</translation>
    </message>
</context>
<context>
    <name>IntroPage</name>
    <message>
        <source>Automatic Scanning</source>
        <translation>Automatic Scanning</translation>
    </message>
    <message>
        <source>Document Scanning</source>
        <translation>Document Scanning</translation>
    </message>
    <message>
        <source>&lt;b&gt;Vellumo&lt;/b&gt; will automatically run a scan after a specified time interval.</source>
        <translation>&lt;b&gt;Vellumo&lt;/b&gt; will automatically run a scan after a specified time interval.</translation>
    </message>
    <message>
        <source>Select the time interval in seconds:</source>
        <translation>Select the time interval in seconds:</translation>
    </message>
    <message>
        <source>Scan first page now (don&apos;t wait)</source>
        <translation>Scan first page now (don&apos;t wait)</translation>
    </message>
    <message>
        <source>Split the book spreak into two pages</source>
        <translation>Split the book spread into two pages</translation>
    </message>
</context>
<context>
    <name>KSlabWidget</name>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vellumo - Automatic Scan to PDF, DjVu, JPEG, TIFF, BMP, PNG</source>
        <translation>Vellumo - Automatic Scan to PDF, DjVu, JPEG, TIFF, BMP, PNG</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Page count:</source>
        <translation>Page count:</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Selected:</translation>
    </message>
    <message>
        <source>Scale: </source>
        <translation>Scale: </translation>
    </message>
    <message>
        <source>Keep scale</source>
        <translation>Keep scale</translation>
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
        <translation>Load &amp;PDF</translation>
    </message>
    <message>
        <source>&amp;Open Project...</source>
        <translation>&amp;Open Project...</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Open Image</translation>
    </message>
    <message>
        <source>All Image Files (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Bitmaps (*.bmp);;TIFF Image File (*.tiff *.tif);;JPEG Image File (*.jpeg *.jpg);;PNG Image File (*.png);;</source>
        <translation>All Image Files (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Bitmaps (*.bmp);;TIFF Image File (*.tiff *.tif);;JPEG Image File (*.jpeg *.jpg);;PNG Image File (*.png);;</translation>
    </message>
    <message>
        <source>Do you want to remove %1 checked pages from the document?</source>
        <translation>Do you want to remove %1 checked pages from the document?</translation>
    </message>
    <message>
        <source>Do you want to remove the page?</source>
        <translation>Do you want to remove the page?</translation>
    </message>
    <message>
        <source>Do you want to remove all checked pages from the document?</source>
        <translation>Do you want to remove all checked pages from the document?</translation>
    </message>
    <message>
        <source>Do you want to remove all unchecked pages from the document?</source>
        <translation>Do you want to remove all unchecked pages from the document?</translation>
    </message>
    <message>
        <source>Do you want to remove all pages but current from the document?</source>
        <translation>Do you want to remove all pages but the current one from the document?</translation>
    </message>
    <message>
        <source>Do you want to remove all pages from the document?</source>
        <translation>Do you want to remove all pages from the document?</translation>
    </message>
    <message>
        <source>&amp;Scan &amp;&amp; PDF</source>
        <translation>&amp;Scan &amp;&amp; PDF</translation>
    </message>
    <message>
        <source>&amp;Editing</source>
        <translation>&amp;Editing</translation>
    </message>
    <message>
        <source>&amp;Composition</source>
        <translation>&amp;Composition</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Information</translation>
    </message>
    <message>
        <source>Fast &amp;Settings</source>
        <translation>Fast &amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Scanning</source>
        <translation>&amp;Scanning</translation>
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
        <translation>&amp;Rotate</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Correction</source>
        <translation>&amp;Correction</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Move</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>&amp;Checking</source>
        <translation>&amp;Checking</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Scanner:</translation>
    </message>
    <message>
        <source>Color Mode:</source>
        <translation>Color Mode:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Quality:</translation>
    </message>
    <message>
        <source>Select Scanner</source>
        <translation>Select Scanner</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Color Mode</translation>
    </message>
    <message>
        <source>Scan Quality</source>
        <translation>Scan Quality</translation>
    </message>
    <message>
        <source>Black-White</source>
        <translation>Black-White</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Grayscale</translation>
    </message>
    <message>
        <source>Photo Color</source>
        <translation>Photo Color</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Good</translation>
    </message>
    <message>
        <source>High</source>
        <translation>High</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>Change the application settings.</source>
        <translation>Change the application settings.</translation>
    </message>
    <message>
        <source>Scan &amp;Page</source>
        <translation>Scan &amp;Page</translation>
    </message>
    <message>
        <source>Scan whole page. Press Space to start scanning.</source>
        <translation>Scan whole page. Press Space to start scanning.</translation>
    </message>
    <message>
        <source>&amp;Auto Scan</source>
        <translation>&amp;Auto Scan</translation>
    </message>
    <message>
        <source>Scan a document or a book in automatic mode.</source>
        <translation>Scan a document or a book in automatic mode.</translation>
    </message>
    <message>
        <source>From &amp;File</source>
        <translation>From &amp;File</translation>
    </message>
    <message>
        <source>Load an image from a file.</source>
        <translation>Load an image from a file.</translation>
    </message>
    <message>
        <source>Extract images from PDF file.</source>
        <translation>Extract images from PDF file.</translation>
    </message>
    <message>
        <source>Build PDF &amp;Document</source>
        <translation>Build PDF &amp;Document</translation>
    </message>
    <message>
        <source>Build the PDF document from scanned pages.</source>
        <translation>Build the PDF document from scanned pages.</translation>
    </message>
    <message>
        <source>Build DjVu &amp;File</source>
        <translation>Build DjVu &amp;File</translation>
    </message>
    <message>
        <source>Build the DjVu file from scanned pages.</source>
        <translation>Build the DjVu file from scanned pages.</translation>
    </message>
    <message>
        <source>Build &amp;Word Document</source>
        <translation>Build &amp;Word Document</translation>
    </message>
    <message>
        <source>Build the MS Word (docx) document from scanned pages.</source>
        <translation>Build the MS Word (docx) document from scanned pages.</translation>
    </message>
    <message>
        <source>Save &amp;As Pictures</source>
        <translation>Save &amp;As Pictures</translation>
    </message>
    <message>
        <source>Save scanned pages to folder.</source>
        <translation>Save scanned pages to folder.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Print scanned pages.</source>
        <translation>Print scanned pages.</translation>
    </message>
    <message>
        <source>Turn &amp;Left</source>
        <translation>Turn &amp;Left</translation>
    </message>
    <message>
        <source>Rotate Image Left</source>
        <translation>Rotate Image Left</translation>
    </message>
    <message>
        <source>&amp;Turn Right</source>
        <translation>&amp;Turn Right</translation>
    </message>
    <message>
        <source>Rotate Image Right</source>
        <translation>Rotate Image Right</translation>
    </message>
    <message>
        <source>&amp;Flip Image</source>
        <translation>&amp;Flip Image</translation>
    </message>
    <message>
        <source>Flip the Image</source>
        <translation>Flip the Image</translation>
    </message>
    <message>
        <source>&amp;Rotate to Angle</source>
        <translation>&amp;Rotate to Angle</translation>
    </message>
    <message>
        <source>Rotate Image to Angle</source>
        <translation>Rotate Image to Angle</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>Zoom Image In</source>
        <translation>Zoom Image In</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <source>Zoom Image Out</source>
        <translation>Zoom Image Out</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>&amp;Fit to Window</translation>
    </message>
    <message>
        <source>Fit Image to Window</source>
        <translation>Fit Image to Window</translation>
    </message>
    <message>
        <source>&amp;Crop Image</source>
        <translation>&amp;Crop Image</translation>
    </message>
    <message>
        <source>Show Frame to Crop Image</source>
        <translation>Show Frame to Crop Image</translation>
    </message>
    <message>
        <source>&amp;Image Contrast</source>
        <translation>&amp;Image Contrast</translation>
    </message>
    <message>
        <source>Adjust Brightness</source>
        <translation>Adjust Brightness</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Move &amp;Up</translation>
    </message>
    <message>
        <source>Move up current page in the list.</source>
        <translation>Move the current page up in the list.</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Move &amp;Down</translation>
    </message>
    <message>
        <source>Move down current page in the list.</source>
        <translation>Move the current page down in the list.</translation>
    </message>
    <message>
        <source>Move to &amp;Top</source>
        <translation>Move to &amp;Top</translation>
    </message>
    <message>
        <source>Move current page to top of the list.</source>
        <translation>Move the current page to the top of the list.</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation>Move to &amp;Bottom</translation>
    </message>
    <message>
        <source>Move current page to bottom of the list.</source>
        <translation>Move the current page to the bottom of the list.</translation>
    </message>
    <message>
        <source>Move to &amp;Position</source>
        <translation>Move to &amp;Position</translation>
    </message>
    <message>
        <source>Move current page to position.</source>
        <translation>Move the current page to another position.</translation>
    </message>
    <message>
        <source>&amp;Remove Page</source>
        <translation>&amp;Remove Page</translation>
    </message>
    <message>
        <source>Delete current page from the list.</source>
        <translation>Delete current page from the list.</translation>
    </message>
    <message>
        <source>&amp;Check All</source>
        <translation>&amp;Check All</translation>
    </message>
    <message>
        <source>Check all pages in the project.</source>
        <translation>Check all pages of the project.</translation>
    </message>
    <message>
        <source>&amp;Uncheck All</source>
        <translation>&amp;Uncheck All</translation>
    </message>
    <message>
        <source>Uncheck all pages in the project.</source>
        <translation>Uncheck all pages of the project.</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>&amp;Web Site</translation>
    </message>
    <message>
        <source>Go to the Vellumo homepage</source>
        <translation>Go to the Vellumo homepage</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>About Software</source>
        <translation>About Software</translation>
    </message>
    <message>
        <source>Check &amp;Updates</source>
        <translation>Check &amp;Updates</translation>
    </message>
    <message>
        <source>Check for updates in Internet.</source>
        <translation>Check for updates on the Internet.</translation>
    </message>
    <message>
        <source>&amp;Vellumo</source>
        <translation>&amp;Vellumo</translation>
    </message>
    <message>
        <source>Click here to save a project, &lt;br/&gt; open an existing project&lt;br/&gt; or start a new project.</source>
        <translation>Click here to save a project, &lt;br/&gt; open an existing project&lt;br/&gt; or start a new project.</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;New Project</translation>
    </message>
    <message>
        <source>Starts a new project</source>
        <translation>Starts a new project</translation>
    </message>
    <message>
        <source>Open an existing project</source>
        <translation>Open an existing project</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>&amp;Save Project</translation>
    </message>
    <message>
        <source>Save the current project</source>
        <translation>Save the current project</translation>
    </message>
    <message>
        <source>&amp;Recover Project</source>
        <translation>&amp;Recover Project</translation>
    </message>
    <message>
        <source>Recover the auto-saved project</source>
        <translation>Recover the auto-saved project</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Close the application</source>
        <translation>Close the application</translation>
    </message>
    <message>
        <source>Crop Mode</source>
        <translation>Crop Mode</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation>Auto Cropping</translation>
    </message>
    <message>
        <source>Rotate Mode</source>
        <translation>Rotate Mode</translation>
    </message>
    <message>
        <source> deg.</source>
        <translation> deg.</translation>
    </message>
    <message>
        <source>Rotating...</source>
        <translation>Rotating...</translation>
    </message>
    <message>
        <source>Vellumo Project (*.vlmpj)</source>
        <translation>Vellumo Project (*.vlmpj)</translation>
    </message>
    <message>
        <source>The current project is not saved yet. Do you want to save it?</source>
        <translation>The current project is not saved yet. Do you want to save it?</translation>
    </message>
    <message>
        <source>The current project has been changed. Do you want to save it?</source>
        <translation>The current project has been changed. Do you want to save it?</translation>
    </message>
    <message>
        <source>New project has been begun.</source>
        <translation>A new project has been started.</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Open Project</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>Opening...</translation>
    </message>
    <message>
        <source>Empty project. Scan a document before the saving.</source>
        <translation>The project is empty. Scan a document before saving.</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Save Project</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Saving...</translation>
    </message>
    <message>
        <source>Can&apos;t save the project to %1.&lt;br&gt;%2</source>
        <translation>Can&apos;t save the project to %1.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Project has been saved.</source>
        <translation>The project has been saved.</translation>
    </message>
    <message>
        <source>Auto saved project has been recovered.</source>
        <translation>The auto-saved project has been recovered.</translation>
    </message>
    <message>
        <source>There are no files to recover.</source>
        <translation>There are no files to recover.</translation>
    </message>
    <message>
        <source>Vellumo found %1 pages of an earlier session in its working folder.&lt;br&gt;Do you want to recover them now?</source>
        <translation>Vellumo found %1 pages of an earlier session in its working folder.&lt;br&gt;Do you want to recover them now?</translation>
    </message>
    <message>
        <source>Scanners not found.&lt;br&gt;Please plug a scanner.</source>
        <translation>No scanner was found.&lt;br&gt;Please connect a scanner.</translation>
    </message>
    <message>
        <source>Auto cropping...</source>
        <translation>Auto cropping...</translation>
    </message>
    <message>
        <source>Scanning has cancelled.</source>
        <translation>Scanning has been cancelled.</translation>
    </message>
    <message>
        <source>PDF file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>PDF file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Word file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Word file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while Word file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Error while creating the Word file.&lt;br&gt;Can&apos;t write file %1. It may be open in another program, or the folder may not be writable.</translation>
    </message>
    <message>
        <source>DjVu file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>DjVu file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while DjVu file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Error while creating the DjVu file.&lt;br&gt;Can&apos;t write file %1. It may be open in another program, or the folder may not be writable.</translation>
    </message>
    <message>
        <source>Images was saved.&lt;br&gt;Open folder &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Images were saved.&lt;br&gt;Open folder &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while Image file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened.</source>
        <translation>Error while creating the image file.&lt;br&gt;Can&apos;t write file %1. It may be open in another program.</translation>
    </message>
    <message>
        <source>Can&apos;t save the page %1.</source>
        <translation>Can&apos;t save the page %1.</translation>
    </message>
    <message>
        <source>Error while PDF file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Error while creating the PDF file.&lt;br&gt;Can&apos;t write file %1. It may be open in another program, or the folder may not be writable.</translation>
    </message>
    <message>
        <source>Can&apos;t split the scanned page. It has been kept as one page.</source>
        <translation>Can&apos;t split the scanned page. It has been kept as one page.</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Save Image</translation>
    </message>
    <message>
        <source>JPEG file (*.jpg);;TIFF file (*.tiff);;BMP file (*.bmp);;PNG file (*.png)</source>
        <translation>JPEG file (*.jpg);;TIFF file (*.tiff);;BMP file (*.bmp);;PNG file (*.png)</translation>
    </message>
    <message>
        <source>The page has been saved to %1.</source>
        <translation>The page has been saved to %1.</translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1.</source>
        <translation>Can&apos;t save the image to %1.</translation>
    </message>
    <message>
        <source>Extract images from PDF</source>
        <translation>Extract images from PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF File (*.pdf)</translation>
    </message>
    <message>
        <source>Can&apos;t open file %1.</source>
        <translation>Can&apos;t open file %1.</translation>
    </message>
    <message>
        <source>Can&apos;t crop the page.</source>
        <translation>Can&apos;t crop the page.</translation>
    </message>
    <message>
        <source>Can&apos;t crop the pages %1.</source>
        <translation>Can&apos;t crop the pages %1.</translation>
    </message>
    <message>
        <source>Splitting...</source>
        <translation>Splitting...</translation>
    </message>
    <message>
        <source>Can&apos;t split the page.</source>
        <translation>Can&apos;t split the page.</translation>
    </message>
    <message>
        <source>Can&apos;t split the pages %1.</source>
        <translation>Can&apos;t split the pages %1.</translation>
    </message>
    <message>
        <source>Can&apos;t open the project %1.&lt;br&gt;%2</source>
        <translation>Can&apos;t open the project %1.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Some pages of the project %1 could not be unpacked.</source>
        <translation>Some pages of the project %1 could not be unpacked.</translation>
    </message>
    <message>
        <source>Some entries of the project %1 were left out: %2</source>
        <translation>Some entries of the project %1 were left out: %2</translation>
    </message>
    <message numerus="yes">
        <source>The %n page(s) scanned so far have been kept.</source>
        <translation>
            <numerusform>The %n page scanned so far has been kept.</numerusform>
            <numerusform>The %n pages scanned so far have been kept.</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>Preparing to print...</source>
        <translation>Preparing to print...</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Checking for update</translation>
    </message>
    <message>
        <source>ERROR!&lt;br&gt;Can&apos;t connect to the update server. Please check network settings.</source>
        <translation>ERROR!&lt;br&gt;Can&apos;t connect to the update server. Please check network settings.</translation>
    </message>
    <message>
        <source>You use a latest version of Vellumo.</source>
        <translation>You are using the latest version of Vellumo.</translation>
    </message>
    <message>
        <source>Thank you for updating Vellumo.&lt;p&gt;Please close the program and run the install file.</source>
        <translation>Thank you for updating Vellumo.&lt;p&gt;Please close the program and run the install file.</translation>
    </message>
    <message>
        <source>Restore Source Image</source>
        <translation>Restore Source Image</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation>Split the book spread</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;History</translation>
    </message>
    <message>
        <source>Replace this page with a new scan?</source>
        <translation>Replace this page with a new scan?</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Rescan</translation>
    </message>
    <message>
        <source>Turning pages upright...</source>
        <translation>Turning pages upright...</translation>
    </message>
    <message>
        <source>Can&apos;t tell which way up the pages %1 are.</source>
        <translation>Can&apos;t tell which way up the pages %1 are.</translation>
    </message>
    <message>
        <source>Pages turned upright: %1 of %2.</source>
        <translation>Pages turned upright: %1 of %2.</translation>
    </message>
    <message>
        <source>Turn &amp;Upright</source>
        <translation>Turn &amp;Upright</translation>
    </message>
    <message>
        <source>Turn the checked pages, or this page, upright by the direction of their text</source>
        <translation>Turn the checked pages, or this page, upright by the direction of their text</translation>
    </message>
</context>
<context>
    <name>MoveToDlg</name>
    <message>
        <source>Move Page</source>
        <translation>Move Page</translation>
    </message>
    <message>
        <source>Move page to...</source>
        <translation>Move page to...</translation>
    </message>
    <message>
        <source>New Page Number:</source>
        <translation>New Page Number:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>OcrLanguages</name>
    <message>
        <source>Turning pages upright needs Tesseract&apos;s orientation data, which is not installed. Install the package %1.</source>
        <translation>Turning pages upright needs Tesseract&apos;s orientation data, which is not installed. Install the package %1.</translation>
    </message>
    <message>
        <source>Text recognition in %1 needs Tesseract&apos;s data for that language, which is not installed. Install the package %2.</source>
        <translation>Text recognition in %1 needs Tesseract&apos;s data for that language, which is not installed. Install the package %2.</translation>
    </message>
    <message>
        <source>Text recognition needs the Tesseract library, which is not installed. Install the package %1.</source>
        <translation>Text recognition needs the Tesseract library, which is not installed. Install the package %1.</translation>
    </message>
</context>
<context>
    <name>OfficePopupWindow</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>OptionsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>OptionsPage</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Here you can change the software options.</source>
        <translation>Here you can change the software options.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>&amp;Automatically check for updates</source>
        <translation>&amp;Automatically check for updates</translation>
    </message>
    <message>
        <source>How to translate to your language</source>
        <translation>How to translate to your language</translation>
    </message>
</context>
<context>
    <name>PageBatch</name>
    <message>
        <source>Can&apos;t create the folder %1.</source>
        <translation>Can&apos;t create the folder %1.</translation>
    </message>
    <message>
        <source>Splitting %1 of %2...</source>
        <translation>Splitting %1 of %2...</translation>
    </message>
    <message>
        <source>Cropping %1 of %2...</source>
        <translation>Cropping %1 of %2...</translation>
    </message>
    <message>
        <source>Turning %1 of %2 upright...</source>
        <translation>Turning %1 of %2 upright...</translation>
    </message>
</context>
<context>
    <name>PageHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Re&amp;do %1</source>
        <translation>Re&amp;do %1</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Re&amp;do</translation>
    </message>
</context>
<context>
    <name>PageImages</name>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Can&apos;t write %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: the image is empty.</source>
        <translation>Can&apos;t write %1: the image is empty.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Can&apos;t read %1: %2</translation>
    </message>
    <message>
        <source>the black-and-white image can&apos;t be compressed.</source>
        <translation>the black-and-white image can&apos;t be compressed.</translation>
    </message>
</context>
<context>
    <name>PageImporter</name>
    <message>
        <source>Can&apos;t open file %1.</source>
        <translation>Can&apos;t open file %1.</translation>
    </message>
    <message>
        <source>Drawing the pages of the PDF file.</source>
        <translation>Drawing the pages of the PDF file.</translation>
    </message>
    <message>
        <source>Extracting images from PDF file.</source>
        <translation>Extracting images from PDF file.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file %1.&lt;br&gt;The image is too large: %2 x %3 pixels.</source>
        <translation>Sorry, can&apos;t load file %1.&lt;br&gt;The image is too large: %2 x %3 pixels.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file. Wrong file format.&lt;br&gt;%1</source>
        <translation>Sorry, can&apos;t load the file: its format is not supported.&lt;br&gt;%1</translation>
    </message>
    <message>
        <source>The file %1 is damaged: part of its picture may be missing.</source>
        <translation>The file %1 is damaged: part of its picture may be missing.</translation>
    </message>
    <message>
        <source>Can&apos;t extract image.</source>
        <translation>Can&apos;t extract image.</translation>
    </message>
    <message>
        <source>This PDF file doesn&apos;t contain images.</source>
        <translation>This PDF file doesn&apos;t contain images.</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Its pages can be drawn as images instead, at %1 dpi.</source>
        <translation>Its pages can be drawn as images instead, at %1 dpi.</translation>
    </message>
    <message>
        <source>&amp;Draw Pages</source>
        <translation>&amp;Draw Pages</translation>
    </message>
</context>
<context>
    <name>PageStore</name>
    <message>
        <source>The page image is empty.</source>
        <translation>The page image is empty.</translation>
    </message>
    <message>
        <source>Can&apos;t rename %1 to %2.</source>
        <translation>Can&apos;t rename %1 to %2.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation>Can&apos;t read %1.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Can&apos;t read %1: %2</translation>
    </message>
</context>
<context>
    <name>PdfCommandLine</name>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 needs a file name</translation>
    </message>
    <message>
        <source>--password needs a password</source>
        <translation>--password needs a password</translation>
    </message>
    <message>
        <source>--paper takes A4, Letter or A0 to A6</source>
        <translation>--paper takes A4, Letter or A0 to A6</translation>
    </message>
    <message>
        <source>--orientation takes portrait or landscape</source>
        <translation>--orientation takes portrait or landscape</translation>
    </message>
    <message>
        <source>--scale takes dpi, stretch or fit</source>
        <translation>--scale takes dpi, stretch or fit</translation>
    </message>
    <message>
        <source>--margins takes four centimetre values: L,R,T,B</source>
        <translation>--margins takes four centimetre values: L,R,T,B</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>no output file (-o OUT.pdf)</source>
        <translation>no output file (-o OUT.pdf)</translation>
    </message>
    <message>
        <source>no page files</source>
        <translation>no page files</translation>
    </message>
    <message>
        <source>%1 needs a text</source>
        <translation>%1 needs a text</translation>
    </message>
    <message>
        <source>usage: vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6] [--orientation portrait|landscape] [--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] [--author AUTHOR] [--ocr LANG[+LANG]] FILE...
       vellumo-cli check-pdf FILE|-   (exit code 0: pages can be appended to the PDF; - reads it from standard input)</source>
        <translation>usage: vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6] [--orientation portrait|landscape] [--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] [--author AUTHOR] [--ocr LANG[+LANG]] FILE...
       vellumo-cli check-pdf FILE|-   (exit code 0: pages can be appended to the PDF; - reads it from standard input)</translation>
    </message>
    <message>
        <source>--ocr takes Tesseract languages such as eng or eng+deu</source>
        <translation>--ocr takes Tesseract languages such as eng or eng+deu</translation>
    </message>
</context>
<context>
    <name>PdfImport</name>
    <message>
        <source>image %1: %2</source>
        <translation>image %1: %2</translation>
    </message>
</context>
<context>
    <name>PdfImportSession</name>
    <message>
        <source>The password is not right.</source>
        <translation>The password is not right.</translation>
    </message>
    <message>
        <source>The PDF file %1 is protected by a password.</source>
        <translation>The PDF file %1 is protected by a password.</translation>
    </message>
</context>
<context>
    <name>PdfProgress</name>
    <message>
        <source>Creating PDF document.</source>
        <translation>Creating PDF document.</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>PdfWriter</name>
    <message>
        <source>&quot;%1&quot; is not a list of text recognition languages.</source>
        <translation>&quot;%1&quot; is not a list of text recognition languages.</translation>
    </message>
</context>
<context>
    <name>PopupMessage</name>
    <message>
        <source>&lt;p&gt;&lt;font color=&quot;black&quot;&gt;&lt;h4&gt;&amp;nbsp;Vellumo Message&lt;/h4&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=&quot;black&quot;&gt;&lt;h4&gt;&amp;nbsp;Vellumo Message&lt;/h4&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ProjectArchive</name>
    <message>
        <source>Can&apos;t create the folder %1.</source>
        <translation>Can&apos;t create the folder %1.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Can&apos;t write %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation>Can&apos;t read %1.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Can&apos;t read %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1 into %2: %3.</source>
        <translation>Can&apos;t write %1 into %2: %3.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2.</source>
        <translation>Can&apos;t write %1: %2.</translation>
    </message>
    <message>
        <source>Its entries overlap: the file is damaged.</source>
        <translation>Its entries overlap: the file is damaged.</translation>
    </message>
    <message>
        <source>not a page file</source>
        <translation>not a page file</translation>
    </message>
    <message>
        <source>a second entry of that name</source>
        <translation>a second entry of that name</translation>
    </message>
    <message>
        <source>encrypted</source>
        <translation>encrypted</translation>
    </message>
    <message>
        <source>unknown compression</source>
        <translation>unknown compression</translation>
    </message>
    <message>
        <source>larger than any page</source>
        <translation>larger than any page</translation>
    </message>
    <message>
        <source>There is not enough free disk space for %1.</source>
        <translation>There is not enough free disk space for %1.</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>unreadable</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>damaged</translation>
    </message>
    <message>
        <source>not an image</source>
        <translation>not an image</translation>
    </message>
    <message>
        <source>It holds no pages.</source>
        <translation>It holds no pages.</translation>
    </message>
</context>
<context>
    <name>PropertyModel</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Scanner</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Cropping</source>
        <translation>Cropping</translation>
    </message>
</context>
<context>
    <name>PropertyPage</name>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
</context>
<context>
    <name>RibbonSliderPane</name>
    <message>
        <source>Increase</source>
        <translation>Increase</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Decrease</translation>
    </message>
</context>
<context>
    <name>ScanPage</name>
    <message>
        <source>Scanning in progress</source>
        <translation>Scanning in progress</translation>
    </message>
    <message>
        <source>Scanned page will be added to the list</source>
        <translation>Scanned page will be added to the list</translation>
    </message>
    <message>
        <source>Scanning in progress. Do not open scanner cover.</source>
        <translation>Scanning in progress. Do not open the scanner cover.</translation>
    </message>
</context>
<context>
    <name>ScanPreviewDlg</name>
    <message>
        <source>Scan Preview</source>
        <translation>Scan Preview</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ScanResPage</name>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>You can change the scanning resolution for each of the modes. The higher the scanning resolution, the better the image quality, but it reduces the scanning speed.</source>
        <translation>You can change the scanning resolution for each of the modes. The higher the scanning resolution, the better the image quality, but it reduces the scanning speed.</translation>
    </message>
    <message>
        <source>Middle:</source>
        <translation>Middle:</translation>
    </message>
    <message>
        <source>Good:</source>
        <translation>Good:</translation>
    </message>
    <message>
        <source>High:</source>
        <translation>High:</translation>
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
        <translation>Scanner</translation>
    </message>
    <message>
        <source>You can change the scan options and select or deselect the document feeder.</source>
        <translation>You can change the scan options and select or deselect the document feeder.</translation>
    </message>
    <message>
        <source>Paper Source:</source>
        <translation>Paper Source:</translation>
    </message>
    <message>
        <source>Flatbed (platen)</source>
        <translation>Flatbed (platen)</translation>
    </message>
    <message>
        <source>Automatic Feeder (ADF)</source>
        <translation>Automatic Feeder (ADF)</translation>
    </message>
    <message>
        <source>Acquire:</source>
        <translation>Acquire:</translation>
    </message>
    <message>
        <source>One image</source>
        <translation>One image</translation>
    </message>
    <message>
        <source>All available images</source>
        <translation>All available images</translation>
    </message>
    <message>
        <source>Automatic &amp;deskewing of scanned pages</source>
        <translation>Automatic &amp;deskewing of scanned pages</translation>
    </message>
    <message>
        <source>Automatic &amp;cropping of scanned pages</source>
        <translation>Automatic &amp;cropping of scanned pages</translation>
    </message>
    <message>
        <source>Automatic c&amp;ontrast adjustment of scanned pages</source>
        <translation>Automatic c&amp;ontrast adjustment of scanned pages</translation>
    </message>
    <message>
        <source>Scan with &amp;preview</source>
        <translation>Scan with &amp;preview</translation>
    </message>
    <message>
        <source>Turn pages upright automatically</source>
        <translation>Turn pages upright automatically</translation>
    </message>
</context>
<context>
    <name>SelectFileWidget</name>
    <message>
        <source>Open existing PDF</source>
        <translation>Open existing PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF File (*.pdf)</translation>
    </message>
</context>
<context>
    <name>SelectFolderWidget</name>
    <message>
        <source>Select a folder</source>
        <translation>Select a folder</translation>
    </message>
</context>
<context>
    <name>SelectSaveFileWidget</name>
    <message>
        <source>Save file</source>
        <translation>Save file</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Copyright &amp;copy; 2026 Leafkin. All rights reserved. &lt;a href=&quot;http://%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Copyright &amp;copy; 2026 Leafkin. All rights reserved. &lt;a href=&quot;http://%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Vellumo is already running.&lt;br&gt;Only one copy of Vellumo can work with the pages at a time; please switch to the open window.</source>
        <translation>Vellumo is already running.&lt;br&gt;Only one copy of Vellumo can work with the pages at a time; please switch to the open window.</translation>
    </message>
    <message>
        <source>Critical error</source>
        <translation>Critical error</translation>
    </message>
    <message>
        <source>Can&apos;t start application.</source>
        <translation>Can&apos;t start application.</translation>
    </message>
</context>
<context>
    <name>TimerPage</name>
    <message>
        <source>Scan &amp;Now &gt;</source>
        <translation>Scan &amp;Now &gt;</translation>
    </message>
    <message>
        <source>&amp;Resume Timer</source>
        <translation>&amp;Resume Timer</translation>
    </message>
    <message>
        <source>&amp;Stop Timer</source>
        <translation>&amp;Stop Timer</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <source>Next scan will begin soon. Change page in the scanner.&lt;br&gt;Press &lt;b&gt;SPACE&lt;/b&gt; to pause timer. Press &lt;b&gt;ENTER&lt;/b&gt; to run Scan Now.</source>
        <translation>The next scan will begin soon. Change the page in the scanner.&lt;br&gt;Press &lt;b&gt;SPACE&lt;/b&gt; to pause the timer. Press &lt;b&gt;ENTER&lt;/b&gt; to scan now.</translation>
    </message>
</context>
<context>
    <name>ToolLocator</name>
    <message>
        <source>%1 was not found. Vellumo looked for it in %2 and on the PATH; please reinstall Vellumo.</source>
        <translation>%1 was not found. Vellumo looked for it in %2 and on the PATH; please reinstall Vellumo.</translation>
    </message>
</context>
<context>
    <name>UpdateDlg</name>
    <message>
        <source>Vellumo Updates</source>
        <translation>Vellumo Updates</translation>
    </message>
    <message>
        <source>There are new version of Vellumo</source>
        <translation>A new version of Vellumo is available</translation>
    </message>
    <message>
        <source>Current Version: %1</source>
        <translation>Current Version: %1</translation>
    </message>
    <message>
        <source>New Version: %1&lt;p&gt;Download: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;</source>
        <translation>New Version: %1&lt;p&gt;Download: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
</context>
<context>
    <name>WaitingDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>WordProgress</name>
    <message>
        <source>Creating MS Word document.</source>
        <translation>Creating MS Word document.</translation>
    </message>
    <message>
        <source>Writting MS Word document.</source>
        <translation>Writing MS Word document.</translation>
    </message>
</context>
<context>
    <name>ZipWriter</name>
    <message>
        <source>Can&apos;t compress %1.</source>
        <translation>Can&apos;t compress %1.</translation>
    </message>
    <message>
        <source>%1 is too large for a project.</source>
        <translation>%1 is too large for a project.</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>the file could not be written</translation>
    </message>
</context>
<context>
    <name>vellumo-cli</name>
    <message>
        <source>
       vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   (the page images of a PDF into DIR as 0001.jpg, 0002.tiff, 0003.png, ...)
       vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR FILE.pdf   (the pages of a PDF drawn into DIR as 0001.png, ...)</source>
        <translation>
       vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   (the page images of a PDF into DIR as 0001.jpg, 0002.tiff, 0003.png, ...)
       vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR FILE.pdf   (the pages of a PDF drawn into DIR as 0001.png, ...)</translation>
    </message>
</context>
</TS>
