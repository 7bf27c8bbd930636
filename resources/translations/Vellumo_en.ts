<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BrightnessDlg</name>
    <message>
        <source>Brightness / Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CropBoxItem</name>
    <message>
        <source>%1 x %2 px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 x %2 cm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CroppingPage</name>
    <message>
        <source>Auto Cropping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can set the auto cropping settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Margins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> cm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DjvuGenerator</name>
    <message>
        <source>it is not an image Vellumo can read (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its copy %1 could not be written (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 (%2) was not encoded: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not finish within %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be started (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 crashed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ended with exit code %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wrote nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 failed (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t read page %1 (%2): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None of the page files exists; %1 was not written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pages could not be combined into %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The combined document %1 could not be read back: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The combined document holds %1 of its %2 pages; %3 was not written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DjvuProgress</name>
    <message>
        <source>Creating DjVu file.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document %1 was written, but the temporary folder %2 could not be removed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocxGenerator</name>
    <message>
        <source>Can&apos;t read the Word template %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DraggedWidget</name>
    <message>
        <source>Scan a page or drop files here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images (JPEG, PNG, TIFF, BMP), PDF files and projects can be dropped onto this window.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportDjvuDlg</name>
    <message>
        <source>Export to DjVu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DjVu File (*.djvu)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DjVu &amp;Compression:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open DjVu file after creation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportDlg</name>
    <message>
        <source>Build PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scale:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By dots per inch</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save to file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Append pages to existing file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open PDF document after creation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Page &amp;Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use &amp;Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a password or keep empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save password for next using</source>
        <translation>&amp;Save password for next time</translation>
    </message>
    <message>
        <source>Save to PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select an existing PDF file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages: %1/%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No password store is running on this desktop, so the password can&apos;t be kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t keep the password: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make text searchable (OCR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text &amp;language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The text of %n page(s) could not be recognised; they are in the PDF as pictures only.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportFileDlg</name>
    <message>
        <source>Export to image list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to &amp;Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BMP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Prefix:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter [C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date [D]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open folder after creation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microsoft Word File (*.docx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Word document after creation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EzPrevScan</name>
    <message>
        <source>Scanning...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FlipWidget</name>
    <message>
        <source>Rotate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every odd page (1, 3, 5...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every even page (2, 4, 6...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate Angle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageEditor</name>
    <message>
        <source>Restore Source Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crop this image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rescan this page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save this page as the image</source>
        <translation>Save this page as an image</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip this page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete this page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageExportCommand</name>
    <message>
        <source>
       vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...   (each page an image file; P: &quot;[C]&quot; page counter, &quot;[D]&quot; date; default IMAGE_[C], jpg, quality 85)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format takes jpg, tiff, png or bmp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--quality takes a number from 0 to 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pattern needs a file name pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no target folder (-o DIR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no page files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrote %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageExporter</name>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder %1 isn&apos;t exists.</source>
        <translation>Folder %1 doesn&apos;t exist.</translation>
    </message>
    <message>
        <source>Files keep appearing under the name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no image format for this file name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImgProgress</name>
    <message>
        <source>Creating images.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Document Scanning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Vellumo&lt;/b&gt; will automatically run a scan after a specified time interval.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the time interval in seconds:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan first page now (don&apos;t wait)</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vellumo - Automatic Scan to PDF, DjVu, JPEG, TIFF, BMP, PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page count:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 DPI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0x0 cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 DPI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 x %2 cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load &amp;PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Project...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Image Files (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Bitmaps (*.bmp);;TIFF Image File (*.tiff *.tif);;JPEG Image File (*.jpeg *.jpg);;PNG Image File (*.png);;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file. Wrong file format.&lt;br&gt;%1</source>
        <translation>Sorry, can&apos;t load the file: its format is not supported.&lt;br&gt;%1</translation>
    </message>
    <message>
        <source>Do you want to remove %1 checked pages from the document?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to remove the page?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to remove all checked pages from the document?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to remove all unchecked pages from the document?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to remove all pages but current from the document?</source>
        <translation>Do you want to remove all pages but the current one from the document?</translation>
    </message>
    <message>
        <source>Do you want to remove all pages from the document?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scan &amp;&amp; PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Composition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast &amp;Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scanning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Checking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Scanner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black-White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the application settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan &amp;Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan whole page. Press Space to start scanning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Auto Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan a document or a book in automatic mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From &amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load an image from a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract images from PDF file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build PDF &amp;Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build the PDF document from scanned pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build DjVu &amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build the DjVu file from scanned pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build &amp;Word Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build the MS Word (docx) document from scanned pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save scanned pages to folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print scanned pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn &amp;Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate Image Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Turn Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate Image Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Flip Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip the Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rotate to Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate Image to Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Image In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Image Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit Image to Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Crop Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Frame to Crop Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Image Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up current page in the list.</source>
        <translation>Move the current page up in the list.</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down current page in the list.</source>
        <translation>Move the current page down in the list.</translation>
    </message>
    <message>
        <source>Move to &amp;Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move current page to top of the list.</source>
        <translation>Move the current page to the top of the list.</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move current page to bottom of the list.</source>
        <translation>Move the current page to the bottom of the list.</translation>
    </message>
    <message>
        <source>Move to &amp;Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move current page to position.</source>
        <translation>Move the current page to another position.</translation>
    </message>
    <message>
        <source>&amp;Remove Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete current page from the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check all pages in the project.</source>
        <translation>Check all pages of the project.</translation>
    </message>
    <message>
        <source>&amp;Uncheck All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uncheck all pages in the project.</source>
        <translation>Uncheck all pages of the project.</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to the Vellumo homepage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check &amp;Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates in Internet.</source>
        <translation>Check for updates on the Internet.</translation>
    </message>
    <message>
        <source>&amp;Vellumo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to save a project, &lt;br/&gt; open an existing project&lt;br/&gt; or start a new project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts a new project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open an existing project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the current project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recover Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover the auto-saved project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crop Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> deg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotating...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vellumo Project (*.vlmpj)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current project is not saved yet. Do you want to save it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current project has been changed. Do you want to save it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New project has been begun.</source>
        <translation>A new project has been started.</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty project. Scan a document before the saving.</source>
        <translation>The project is empty. Scan a document before saving.</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save the project to %1.&lt;br&gt;%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project has been saved.</source>
        <translation>The project has been saved.</translation>
    </message>
    <message>
        <source>Recovering...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto saved project has been recovered.</source>
        <translation>The auto-saved project has been recovered.</translation>
    </message>
    <message>
        <source>There are no files to recover.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vellumo found %1 pages of an earlier session in its working folder.&lt;br&gt;Do you want to recover them now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanners not found.&lt;br&gt;Please plug a scanner.</source>
        <translation>No scanner was found.&lt;br&gt;Please connect a scanner.</translation>
    </message>
    <message>
        <source>Splitting on pages...</source>
        <translation>Splitting into pages...</translation>
    </message>
    <message>
        <source>Processing the page...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto cropping...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning has cancelled.</source>
        <translation>Scanning has been cancelled.</translation>
    </message>
    <message>
        <source>PDF file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error while Word file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Error while creating the Word file.&lt;br&gt;Can&apos;t write file %1. It may be open in another program, or the folder may not be writable.</translation>
    </message>
    <message>
        <source>DjVu file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error while PDF file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Error while creating the PDF file.&lt;br&gt;Can&apos;t write file %1. It may be open in another program, or the folder may not be writable.</translation>
    </message>
    <message>
        <source>Can&apos;t split the scanned page. It has been kept as one page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file %1.&lt;br&gt;The image is too large: %2 x %3 pixels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is damaged: part of its picture may be missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG file (*.jpg);;TIFF file (*.tiff);;BMP file (*.bmp);;PNG file (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page has been saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract images from PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t open file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawing the pages of the PDF file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extracting images from PDF file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password is not right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF file %1 is protected by a password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t extract image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This PDF file doesn&apos;t contain images.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its pages can be drawn as images instead, at %1 dpi.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Draw Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t crop the page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cropping %1 of %2...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t crop the pages %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Splitting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t split the page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Splitting %1 of %2...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t split the page %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t split the pages %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It holds no pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t open the project %1.&lt;br&gt;%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some pages of the project %1 could not be unpacked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some entries of the project %1 were left out: %2</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing to print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR!&lt;br&gt;Can&apos;t connect to the update server. Please check network settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You use a latest version of Vellumo.</source>
        <translation>You are using the latest version of Vellumo.</translation>
    </message>
    <message>
        <source>Thank you for updating Vellumo.&lt;p&gt;Please close the program and run the install file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Source Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace this page with a new scan?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turning pages upright...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turning %1 of %2 upright...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t tell which way up the pages %1 are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages turned upright: %1 of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn &amp;Upright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn the checked pages, or this page, upright by the direction of their text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turning the page upright...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MoveToDlg</name>
    <message>
        <source>Move Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move page to...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Page Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OcrLanguages</name>
    <message>
        <source>Turning pages upright needs Tesseract&apos;s orientation data, which is not installed. Install the package %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text recognition in %1 needs Tesseract&apos;s data for that language, which is not installed. Install the package %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text recognition needs the Tesseract library, which is not installed. Install the package %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OfficePopupWindow</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsDlg</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsPage</name>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here you can change the software options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Automatically check for updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to translate to your language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;do %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageImages</name>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t write %1: the image is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the black-and-white image can&apos;t be compressed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageStore</name>
    <message>
        <source>The page image is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t rename %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfCommandLine</name>
    <message>
        <source>%1 needs a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--password needs a password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--paper takes A4, Letter or A0 to A6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--orientation takes portrait or landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--scale takes dpi, stretch or fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--margins takes four centimetre values: L,R,T,B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no output file (-o OUT.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no page files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6] [--orientation portrait|landscape] [--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] [--author AUTHOR] [--ocr LANG[+LANG]] FILE...
       vellumo-cli check-pdf FILE|-   (exit code 0: pages can be appended to the PDF; - reads it from standard input)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--ocr takes Tesseract languages such as eng or eng+deu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfImport</name>
    <message>
        <source>image %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfProgress</name>
    <message>
        <source>Creating PDF document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfWriter</name>
    <message>
        <source>&quot;%1&quot; is not a list of text recognition languages.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PopupMessage</name>
    <message>
        <source>&lt;p&gt;&lt;font color=&quot;black&quot;&gt;&lt;h4&gt;&amp;nbsp;Vellumo Message&lt;/h4&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProjectArchive</name>
    <message>
        <source>Can&apos;t create the folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t write %1 into %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its entries overlap: the file is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a page file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a second entry of that name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>encrypted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown compression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>larger than any page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough free disk space for %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not an image</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PropertyModel</name>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cropping</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PropertyPage</name>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RibbonSliderPane</name>
    <message>
        <source>Increase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScanPage</name>
    <message>
        <source>Scanning in progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanned page will be added to the list</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScanResPage</name>
    <message>
        <source>Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can change the scanning resolution for each of the modes. The higher the scanning resolution, the better the image quality, but it reduces the scanning speed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dpi</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScannerPage</name>
    <message>
        <source>Scanner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can change the scan options and select or deselect the document feeder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper Source:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flatbed (platen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic Feeder (ADF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acquire:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All available images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic &amp;deskewing of scanned pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic &amp;cropping of scanned pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic c&amp;ontrast adjustment of scanned pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan with &amp;preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn pages upright automatically</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SelectFileWidget</name>
    <message>
        <source>Open existing PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SelectFolderWidget</name>
    <message>
        <source>Select a folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SelectSaveFileWidget</name>
    <message>
        <source>Save file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Copyright &amp;copy; 2026 Leafkin. All rights reserved. &lt;a href=&quot;http://%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Vellumo is already running.&lt;br&gt;Only one copy of Vellumo can work with the pages at a time; please switch to the open window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Critical error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t start application.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimerPage</name>
    <message>
        <source>Scan &amp;Now &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Resume Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateDlg</name>
    <message>
        <source>Vellumo Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are new version of Vellumo</source>
        <translation>A new version of Vellumo is available</translation>
    </message>
    <message>
        <source>Current Version: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Version: %1&lt;p&gt;Download: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WaitingDlg</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WordProgress</name>
    <message>
        <source>Creating MS Word document.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large for a project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellumo-cli</name>
    <message>
        <source>
       vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   (the page images of a PDF into DIR as 0001.jpg, 0002.tiff, 0003.png, ...)
       vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR FILE.pdf   (the pages of a PDF drawn into DIR as 0001.png, ...)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
