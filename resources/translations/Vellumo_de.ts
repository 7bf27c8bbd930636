<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BrightnessDlg</name>
    <message>
        <source>Brightness / Contrast</source>
        <translation>Helligkeit/Kontrast</translation>
    </message>
    <message>
        <source>Source Image</source>
        <translation>Originalbild</translation>
    </message>
    <message>
        <source>Destination Image</source>
        <translation>Ergebnisbild</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
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
        <translation>Aufruf: vellumo [OPTION...] [FILE...]
Papier scannen und als PDF-, DjVu-, Word- oder Bilddateien speichern.

Dateien werden so geöffnet, als wären sie in das Fenster gezogen worden: Ein Projekt (.vlmpj)
ersetzt das geöffnete Dokument, Bilder und die Bilder von PDF-Dateien werden als Seiten
hinzugefügt. Läuft Vellumo bereits, werden die Dateien in dessen Fenster geöffnet.

Optionen:
  -h, --help        diese Hilfe anzeigen und beenden
  -v, --version     die Version anzeigen und beenden
      --demo-scanner  das Testgerät von SANE anstelle der gefundenen Scanner verwenden
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
        <translation>Automatisch zuschneiden</translation>
    </message>
    <message>
        <source>You can set the auto cropping settings.</source>
        <translation>Hier können Sie die Einstellungen für das automatische Zuschneiden festlegen.</translation>
    </message>
    <message>
        <source>Insert Margins</source>
        <translation>Ränder hinzufügen</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
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
        <translation>es ist kein Bild, das Vellumo lesen kann (%1)</translation>
    </message>
    <message>
        <source>its copy %1 could not be written (%2)</source>
        <translation>die Kopie %1 konnte nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>Page %1 (%2) was not encoded: %3</source>
        <translation>Seite %1 (%2) wurde nicht kodiert: %3</translation>
    </message>
    <message>
        <source>%1 did not finish within %2 s</source>
        <translation>%1 wurde nicht innerhalb von %2 s beendet</translation>
    </message>
    <message>
        <source>%1 could not be started (%2)</source>
        <translation>%1 konnte nicht gestartet werden (%2)</translation>
    </message>
    <message>
        <source>%1 crashed</source>
        <translation>%1 ist abgestürzt</translation>
    </message>
    <message>
        <source>%1 ended with exit code %2</source>
        <translation>%1 wurde mit dem Exit-Code %2 beendet</translation>
    </message>
    <message>
        <source>%1 wrote nothing</source>
        <translation>%1 hat nichts geschrieben</translation>
    </message>
    <message>
        <source>%1 failed (%2)</source>
        <translation>%1 ist fehlgeschlagen (%2)</translation>
    </message>
    <message>
        <source>Can&apos;t read page %1 (%2): %3</source>
        <translation>Seite %1 (%2) kann nicht gelesen werden: %3</translation>
    </message>
    <message>
        <source>None of the page files exists; %1 was not written.</source>
        <translation>Keine der Seitendateien ist vorhanden; %1 wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation>In %1 kann kein temporärer Ordner angelegt werden: %2</translation>
    </message>
    <message>
        <source>The pages could not be combined into %1: %2</source>
        <translation>Die Seiten konnten nicht zu %1 zusammengefügt werden: %2</translation>
    </message>
    <message>
        <source>The combined document %1 could not be read back: %2</source>
        <translation>Das zusammengefügte Dokument %1 konnte nicht wieder eingelesen werden: %2</translation>
    </message>
    <message>
        <source>The combined document holds %1 of its %2 pages; %3 was not written.</source>
        <translation>Das zusammengefügte Dokument enthält nur %1 seiner %2 Seiten; %3 wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>Page %1 is missing: %2</source>
        <translation>Seite %1 fehlt: %2</translation>
    </message>
</context>
<context>
    <name>DjvuProgress</name>
    <message>
        <source>Creating DjVu file.</source>
        <translation>DjVu-Datei wird erstellt.</translation>
    </message>
    <message>
        <source>Writting DjVu file.</source>
        <translation>DjVu-Datei wird geschrieben.</translation>
    </message>
</context>
<context>
    <name>DocGenerator</name>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The document %1 was written, but the temporary folder %2 could not be removed.</source>
        <translation>Das Dokument %1 wurde geschrieben, aber der temporäre Ordner %2 konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Page %1 is missing: %2</source>
        <translation>Seite %1 fehlt: %2</translation>
    </message>
</context>
<context>
    <name>DocxGenerator</name>
    <message>
        <source>Can&apos;t read the Word template %1.</source>
        <translation>Die Word-Vorlage %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation>In %1 kann kein temporärer Ordner angelegt werden: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>DraggedWidget</name>
    <message>
        <source>Scan a page or drop files here</source>
        <translation>Scannen Sie eine Seite oder ziehen Sie Dateien hierher</translation>
    </message>
    <message>
        <source>Images (JPEG, PNG, TIFF, BMP), PDF files and projects can be dropped onto this window.</source>
        <translation>Bilder (JPEG, PNG, TIFF, BMP), PDF-Dateien und Projekte können in dieses Fenster gezogen werden.</translation>
    </message>
</context>
<context>
    <name>ExportDjvuDlg</name>
    <message>
        <source>Export to DjVu</source>
        <translation>Als DjVu exportieren</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation>In Datei speichern:</translation>
    </message>
    <message>
        <source>DjVu File (*.djvu)</source>
        <translation>DjVu-Datei (*.djvu)</translation>
    </message>
    <message>
        <source>DjVu &amp;Compression:</source>
        <translation>DjVu-&amp;Kompression:</translation>
    </message>
    <message>
        <source>&amp;Open DjVu file after creation</source>
        <translation>DjVu-Datei nach dem Erstellen &amp;öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ExportDlg</name>
    <message>
        <source>Build PDF</source>
        <translation>PDF erstellen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>&amp;Scale:</source>
        <translation>&amp;Skalierung:</translation>
    </message>
    <message>
        <source>By dots per inch</source>
        <translation>Nach Auflösung (dpi)</translation>
    </message>
    <message>
        <source>Stretch to paper list</source>
        <translation>Auf Blattgröße strecken</translation>
    </message>
    <message>
        <source>Stretch with keeping aspect</source>
        <translation>Strecken, Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <source>&amp;Paper size:</source>
        <translation>&amp;Papierformat:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>&amp;Ausrichtung:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>&amp;Save to file:</source>
        <translation>In &amp;Datei speichern:</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Append pages to existing file</source>
        <translation>Seiten an vorhandene Datei an&amp;hängen</translation>
    </message>
    <message>
        <source>&amp;Open PDF document after creation</source>
        <translation>PDF-Dokument nach dem Erstellen &amp;öffnen</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Ränder</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source> cm</source>
        <translation> cm</translation>
    </message>
    <message>
        <source>By Page &amp;Center</source>
        <translation>Auf der Seite &amp;zentrieren</translation>
    </message>
    <message>
        <source>Use &amp;Password:</source>
        <translation>Passwort &amp;verwenden:</translation>
    </message>
    <message>
        <source>Type a password or keep empty</source>
        <translation>Passwort eingeben oder leer lassen</translation>
    </message>
    <message>
        <source>&amp;Save password for next using</source>
        <translation>Passwort für das nächste Mal &amp;merken</translation>
    </message>
    <message>
        <source>Save to PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Please enter a file name.</source>
        <translation>Bitte geben Sie einen Dateinamen ein.</translation>
    </message>
    <message>
        <source>Please select an existing PDF file.</source>
        <translation>Bitte wählen Sie eine vorhandene PDF-Datei aus.</translation>
    </message>
    <message>
        <source>Pages: %1/%2</source>
        <translation>Seite %1/%2</translation>
    </message>
    <message>
        <source>No password store is running on this desktop, so the password can&apos;t be kept.</source>
        <translation>In dieser Arbeitsumgebung läuft kein Passwortspeicher, daher kann das Passwort nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Can&apos;t keep the password: %1</source>
        <translation>Das Passwort kann nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Make text searchable (OCR)</source>
        <translation>Text durchsuchbar machen (OCR)</translation>
    </message>
    <message>
        <source>Text &amp;language:</source>
        <translation>&amp;Textsprache:</translation>
    </message>
    <message numerus="yes">
        <source>The text of %n page(s) could not be recognised; they are in the PDF as pictures only.</source>
        <translation>
            <numerusform>Der Text von %n Seite konnte nicht erkannt werden; sie ist nur als Bild im PDF enthalten.</numerusform>
            <numerusform>Der Text von %n Seiten konnte nicht erkannt werden; sie sind nur als Bilder im PDF enthalten.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportFileDlg</name>
    <message>
        <source>Export to image list</source>
        <translation>Als Bilder exportieren</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Save to &amp;Folder:</source>
        <translation>In &amp;Ordner speichern:</translation>
    </message>
    <message>
        <source>Image Format:</source>
        <translation>Bildformat:</translation>
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
        <translation>Qualität:</translation>
    </message>
    <message>
        <source>File Prefix:</source>
        <translation>Dateinamen-Präfix:</translation>
    </message>
    <message>
        <source>Counter [C]</source>
        <translation>Zähler [C]</translation>
    </message>
    <message>
        <source>Date [D]</source>
        <translation>Datum [D]</translation>
    </message>
    <message>
        <source>&amp;Open folder after creation</source>
        <translation>Ordner nach dem Erstellen &amp;öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Folder %1 isn&apos;t exists.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
</context>
<context>
    <name>ExportWordDlg</name>
    <message>
        <source>Export to Microsoft Word</source>
        <translation>Nach Microsoft Word exportieren</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation>In Datei speichern:</translation>
    </message>
    <message>
        <source>Microsoft Word File (*.docx)</source>
        <translation>Microsoft-Word-Datei (*.docx)</translation>
    </message>
    <message>
        <source>&amp;Open Word document after creation</source>
        <translation>Word-Dokument nach dem Erstellen &amp;öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>EzPrevScan</name>
    <message>
        <source>Scanning...</source>
        <translation>Wird gescannt …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>FlipWidget</name>
    <message>
        <source>Rotate:</source>
        <translation>Drehen:</translation>
    </message>
    <message>
        <source>Don&apos;t rotate</source>
        <translation>Nicht drehen</translation>
    </message>
    <message>
        <source>Each page</source>
        <translation>Jede Seite</translation>
    </message>
    <message>
        <source>Every odd page (1, 3, 5...)</source>
        <translation>Jede ungerade Seite (1, 3, 5 …)</translation>
    </message>
    <message>
        <source>Every even page (2, 4, 6...)</source>
        <translation>Jede gerade Seite (2, 4, 6 …)</translation>
    </message>
    <message>
        <source>Rotate Angle:</source>
        <translation>Drehwinkel:</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Um 180° drehen</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Links drehen</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Rechts drehen</translation>
    </message>
</context>
<context>
    <name>ImageEditor</name>
    <message>
        <source>Restore Source Image</source>
        <translation>Originalbild wiederherstellen</translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation>Automatisch zuschneiden</translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation>Buchdoppelseite teilen</translation>
    </message>
    <message>
        <source>Crop this image</source>
        <translation>Dieses Bild zuschneiden</translation>
    </message>
    <message>
        <source>Adjust contrast</source>
        <translation>Kontrast anpassen</translation>
    </message>
    <message>
        <source>Rescan this page</source>
        <translation>Diese Seite erneut scannen</translation>
    </message>
    <message>
        <source>Save this page as the image</source>
        <translation>Diese Seite als Bild speichern</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Links drehen</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Rechts drehen</translation>
    </message>
    <message>
        <source>Flip this page</source>
        <translation>Diese Seite um 180° drehen</translation>
    </message>
    <message>
        <source>Delete this page</source>
        <translation>Diese Seite löschen</translation>
    </message>
</context>
<context>
    <name>ImageExportCommand</name>
    <message>
        <source>
       vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...   (each page an image file; P: &quot;[C]&quot; page counter, &quot;[D]&quot; date; default IMAGE_[C], jpg, quality 85)</source>
        <translation>
       vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...   (jede Seite als eigene Bilddatei; P: &quot;[C]&quot; Seitenzähler, &quot;[D]&quot; Datum; Standard: IMAGE_[C], jpg, Qualität 85)</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 erwartet einen Ordner</translation>
    </message>
    <message>
        <source>--format takes jpg, tiff, png or bmp</source>
        <translation>--format erwartet jpg, tiff, png oder bmp</translation>
    </message>
    <message>
        <source>--quality takes a number from 0 to 100</source>
        <translation>--quality erwartet eine Zahl von 0 bis 100</translation>
    </message>
    <message>
        <source>--pattern needs a file name pattern</source>
        <translation>--pattern erwartet ein Dateinamensmuster</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>no target folder (-o DIR)</source>
        <translation>kein Zielordner (-o DIR)</translation>
    </message>
    <message>
        <source>no page files</source>
        <translation>keine Seitendateien</translation>
    </message>
    <message>
        <source>wrote %1</source>
        <translation>%1 geschrieben</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>%1 fehlgeschlagen: %2</translation>
    </message>
</context>
<context>
    <name>ImageExporter</name>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Folder %1 isn&apos;t exists.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Files keep appearing under the name.</source>
        <translation>Unter diesem Namen tauchen immer wieder neue Dateien auf.</translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1: %2</source>
        <translation>Das Bild kann nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>no image format for this file name</source>
        <translation>kein Bildformat für diesen Dateinamen</translation>
    </message>
</context>
<context>
    <name>ImgProgress</name>
    <message>
        <source>Creating images.</source>
        <translation>Bilder werden erstellt.</translation>
    </message>
    <message>
        <source>Writting images.</source>
        <translation>Bilder werden geschrieben.</translation>
    </message>
</context>
<context>
    <name>IntroPage</name>
    <message>
        <source>Automatic Scanning</source>
        <translation>Automatisches Scannen</translation>
    </message>
    <message>
        <source>Document Scanning</source>
        <translation>Dokumente scannen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Vellumo&lt;/b&gt; will automatically run a scan after a specified time interval.</source>
        <translation>&lt;b&gt;Vellumo&lt;/b&gt; startet nach einem festgelegten Zeitintervall automatisch einen Scan.</translation>
    </message>
    <message>
        <source>Select the time interval in seconds:</source>
        <translation>Wählen Sie das Zeitintervall in Sekunden:</translation>
    </message>
    <message>
        <source>Scan first page now (don&apos;t wait)</source>
        <translation>Erste Seite sofort scannen (nicht warten)</translation>
    </message>
    <message>
        <source>Split the book spreak into two pages</source>
        <translation>Buchdoppelseite in zwei Seiten teilen</translation>
    </message>
</context>
<context>
    <name>KSlabWidget</name>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vellumo - Automatic Scan to PDF, DjVu, JPEG, TIFF, BMP, PNG</source>
        <translation>Vellumo – Automatisch scannen nach PDF, DjVu, JPEG, TIFF, BMP, PNG</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Page count:</source>
        <translation>Seitenanzahl:</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Markiert:</translation>
    </message>
    <message>
        <source>Scale: </source>
        <translation>Maßstab: </translation>
    </message>
    <message>
        <source>Keep scale</source>
        <translation>Maßstab beibehalten</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>0 DPI</source>
        <translation>0 dpi</translation>
    </message>
    <message>
        <source>0x0 cm</source>
        <translation>0x0 cm</translation>
    </message>
    <message>
        <source>%1 DPI</source>
        <translation>%1 dpi</translation>
    </message>
    <message>
        <source>%1 x %2 cm</source>
        <translation>%1 x %2 cm</translation>
    </message>
    <message>
        <source>Load &amp;PDF</source>
        <translation>PDF &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Open Project...</source>
        <translation>Projekt &amp;öffnen …</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>All Image Files (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Bitmaps (*.bmp);;TIFF Image File (*.tiff *.tif);;JPEG Image File (*.jpeg *.jpg);;PNG Image File (*.png);;</source>
        <translation>Alle Bilddateien (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Bitmaps (*.bmp);;TIFF-Bilddatei (*.tiff *.tif);;JPEG-Bilddatei (*.jpeg *.jpg);;PNG-Bilddatei (*.png);;</translation>
    </message>
    <message>
        <source>Do you want to remove %1 checked pages from the document?</source>
        <translation>Möchten Sie %1 markierte Seiten aus dem Dokument entfernen?</translation>
    </message>
    <message>
        <source>Do you want to remove the page?</source>
        <translation>Möchten Sie die Seite entfernen?</translation>
    </message>
    <message>
        <source>Do you want to remove all checked pages from the document?</source>
        <translation>Möchten Sie alle markierten Seiten aus dem Dokument entfernen?</translation>
    </message>
    <message>
        <source>Do you want to remove all unchecked pages from the document?</source>
        <translation>Möchten Sie alle nicht markierten Seiten aus dem Dokument entfernen?</translation>
    </message>
    <message>
        <source>Do you want to remove all pages but current from the document?</source>
        <translation>Möchten Sie alle Seiten außer der aktuellen aus dem Dokument entfernen?</translation>
    </message>
    <message>
        <source>Do you want to remove all pages from the document?</source>
        <translation>Möchten Sie alle Seiten aus dem Dokument entfernen?</translation>
    </message>
    <message>
        <source>&amp;Scan &amp;&amp; PDF</source>
        <translation>Scannen &amp;&amp; &amp;PDF</translation>
    </message>
    <message>
        <source>&amp;Editing</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Composition</source>
        <translation>&amp;Zusammenstellung</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Information</translation>
    </message>
    <message>
        <source>Fast &amp;Settings</source>
        <translation>&amp;Schnelleinstellungen</translation>
    </message>
    <message>
        <source>&amp;Scanning</source>
        <translation>&amp;Scannen</translation>
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
        <translation>&amp;Drehen</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Correction</source>
        <translation>&amp;Korrektur</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Verschieben</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Checking</source>
        <translation>&amp;Markieren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Scanner:</translation>
    </message>
    <message>
        <source>Color Mode:</source>
        <translation>Farbmodus:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualität:</translation>
    </message>
    <message>
        <source>Select Scanner</source>
        <translation>Scanner auswählen</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Farbmodus</translation>
    </message>
    <message>
        <source>Scan Quality</source>
        <translation>Scanqualität</translation>
    </message>
    <message>
        <source>Black-White</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>Photo Color</source>
        <translation>Farbe (Foto)</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Change the application settings.</source>
        <translation>Die Einstellungen der Anwendung ändern.</translation>
    </message>
    <message>
        <source>Scan &amp;Page</source>
        <translation>&amp;Seite scannen</translation>
    </message>
    <message>
        <source>Scan whole page. Press Space to start scanning.</source>
        <translation>Die ganze Seite scannen. Drücken Sie die Leertaste, um den Scan zu starten.</translation>
    </message>
    <message>
        <source>&amp;Auto Scan</source>
        <translation>&amp;Automatisch scannen</translation>
    </message>
    <message>
        <source>Scan a document or a book in automatic mode.</source>
        <translation>Ein Dokument oder ein Buch automatisch scannen.</translation>
    </message>
    <message>
        <source>From &amp;File</source>
        <translation>Aus Da&amp;tei</translation>
    </message>
    <message>
        <source>Load an image from a file.</source>
        <translation>Ein Bild aus einer Datei laden.</translation>
    </message>
    <message>
        <source>Extract images from PDF file.</source>
        <translation>Bilder aus einer PDF-Datei extrahieren.</translation>
    </message>
    <message>
        <source>Build PDF &amp;Document</source>
        <translation>PDF-D&amp;okument erstellen</translation>
    </message>
    <message>
        <source>Build the PDF document from scanned pages.</source>
        <translation>Das PDF-Dokument aus den gescannten Seiten erstellen.</translation>
    </message>
    <message>
        <source>Build DjVu &amp;File</source>
        <translation>D&amp;jVu-Datei erstellen</translation>
    </message>
    <message>
        <source>Build the DjVu file from scanned pages.</source>
        <translation>Die DjVu-Datei aus den gescannten Seiten erstellen.</translation>
    </message>
    <message>
        <source>Build &amp;Word Document</source>
        <translation>&amp;Word-Dokument erstellen</translation>
    </message>
    <message>
        <source>Build the MS Word (docx) document from scanned pages.</source>
        <translation>Das MS-Word-Dokument (docx) aus den gescannten Seiten erstellen.</translation>
    </message>
    <message>
        <source>Save &amp;As Pictures</source>
        <translation>Als Bilder spei&amp;chern</translation>
    </message>
    <message>
        <source>Save scanned pages to folder.</source>
        <translation>Die gescannten Seiten in einem Ordner speichern.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print scanned pages.</source>
        <translation>Die gescannten Seiten drucken.</translation>
    </message>
    <message>
        <source>Turn &amp;Left</source>
        <translation>&amp;Links drehen</translation>
    </message>
    <message>
        <source>Rotate Image Left</source>
        <translation>Bild nach links drehen</translation>
    </message>
    <message>
        <source>&amp;Turn Right</source>
        <translation>&amp;Rechts drehen</translation>
    </message>
    <message>
        <source>Rotate Image Right</source>
        <translation>Bild nach rechts drehen</translation>
    </message>
    <message>
        <source>&amp;Flip Image</source>
        <translation>&amp;Um 180° drehen</translation>
    </message>
    <message>
        <source>Flip the Image</source>
        <translation>Bild um 180° drehen</translation>
    </message>
    <message>
        <source>&amp;Rotate to Angle</source>
        <translation>Um &amp;Winkel drehen</translation>
    </message>
    <message>
        <source>Rotate Image to Angle</source>
        <translation>Bild um einen beliebigen Winkel drehen</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom Image In</source>
        <translation>Bildansicht vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Zoom Image Out</source>
        <translation>Bildansicht verkleinern</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>An &amp;Fenster anpassen</translation>
    </message>
    <message>
        <source>Fit Image to Window</source>
        <translation>Bild an das Fenster anpassen</translation>
    </message>
    <message>
        <source>&amp;Crop Image</source>
        <translation>Bild zu&amp;schneiden</translation>
    </message>
    <message>
        <source>Show Frame to Crop Image</source>
        <translation>Rahmen zum Zuschneiden des Bildes anzeigen</translation>
    </message>
    <message>
        <source>&amp;Image Contrast</source>
        <translation>Bildkontr&amp;ast</translation>
    </message>
    <message>
        <source>Adjust Brightness</source>
        <translation>Helligkeit anpassen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move up current page in the list.</source>
        <translation>Die aktuelle Seite in der Liste nach oben verschieben.</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Move down current page in the list.</source>
        <translation>Die aktuelle Seite in der Liste nach unten verschieben.</translation>
    </message>
    <message>
        <source>Move to &amp;Top</source>
        <translation>An den &amp;Anfang</translation>
    </message>
    <message>
        <source>Move current page to top of the list.</source>
        <translation>Die aktuelle Seite an den Anfang der Liste verschieben.</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation>An das En&amp;de</translation>
    </message>
    <message>
        <source>Move current page to bottom of the list.</source>
        <translation>Die aktuelle Seite an das Ende der Liste verschieben.</translation>
    </message>
    <message>
        <source>Move to &amp;Position</source>
        <translation>An Posi&amp;tion</translation>
    </message>
    <message>
        <source>Move current page to position.</source>
        <translation>Die aktuelle Seite an eine bestimmte Position verschieben.</translation>
    </message>
    <message>
        <source>&amp;Remove Page</source>
        <translation>Seite &amp;entfernen</translation>
    </message>
    <message>
        <source>Delete current page from the list.</source>
        <translation>Die aktuelle Seite aus der Liste löschen.</translation>
    </message>
    <message>
        <source>&amp;Check All</source>
        <translation>Alle &amp;markieren</translation>
    </message>
    <message>
        <source>Check all pages in the project.</source>
        <translation>Alle Seiten im Projekt markieren.</translation>
    </message>
    <message>
        <source>&amp;Uncheck All</source>
        <translation>&amp;Keine markieren</translation>
    </message>
    <message>
        <source>Uncheck all pages in the project.</source>
        <translation>Die Markierung aller Seiten im Projekt aufheben.</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>&amp;Webseite</translation>
    </message>
    <message>
        <source>Go to the Vellumo homepage</source>
        <translation>Die Webseite von Vellumo besuchen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>About Software</source>
        <translation>Über dieses Programm</translation>
    </message>
    <message>
        <source>Check &amp;Updates</source>
        <translation>Nach &amp;Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>Check for updates in Internet.</source>
        <translation>Im Internet nach Aktualisierungen suchen.</translation>
    </message>
    <message>
        <source>&amp;Vellumo</source>
        <translation>&amp;Vellumo</translation>
    </message>
    <message>
        <source>Click here to save a project, &lt;br/&gt; open an existing project&lt;br/&gt; or start a new project.</source>
        <translation>Klicken Sie hier, um ein Projekt zu speichern,&lt;br/&gt; ein vorhandenes Projekt zu öffnen&lt;br/&gt; oder ein neues Projekt zu beginnen.</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Neues Projekt</translation>
    </message>
    <message>
        <source>Starts a new project</source>
        <translation>Ein neues Projekt beginnen</translation>
    </message>
    <message>
        <source>Open an existing project</source>
        <translation>Ein vorhandenes Projekt öffnen</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>Projekt &amp;speichern</translation>
    </message>
    <message>
        <source>Save the current project</source>
        <translation>Das aktuelle Projekt speichern</translation>
    </message>
    <message>
        <source>&amp;Recover Project</source>
        <translation>Projekt &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>Recover the auto-saved project</source>
        <translation>Das automatisch gesicherte Projekt wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Close the application</source>
        <translation>Die Anwendung beenden</translation>
    </message>
    <message>
        <source>Crop Mode</source>
        <translation>Zuschneidemodus</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation>Automatisch zuschneiden</translation>
    </message>
    <message>
        <source>Rotate Mode</source>
        <translation>Drehmodus</translation>
    </message>
    <message>
        <source> deg.</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Rotating...</source>
        <translation>Wird gedreht …</translation>
    </message>
    <message>
        <source>Vellumo Project (*.vlmpj)</source>
        <translation>Vellumo-Projekt (*.vlmpj)</translation>
    </message>
    <message>
        <source>The current project is not saved yet. Do you want to save it?</source>
        <translation>Das aktuelle Projekt wurde noch nicht gespeichert. Möchten Sie es speichern?</translation>
    </message>
    <message>
        <source>The current project has been changed. Do you want to save it?</source>
        <translation>Das aktuelle Projekt wurde geändert. Möchten Sie es speichern?</translation>
    </message>
    <message>
        <source>New project has been begun.</source>
        <translation>Ein neues Projekt wurde begonnen.</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>Wird geöffnet …</translation>
    </message>
    <message>
        <source>Empty project. Scan a document before the saving.</source>
        <translation>Das Projekt ist leer. Scannen Sie vor dem Speichern ein Dokument.</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Wird gespeichert …</translation>
    </message>
    <message>
        <source>Can&apos;t save the project to %1.&lt;br&gt;%2</source>
        <translation>Das Projekt kann nicht in %1 gespeichert werden.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Project has been saved.</source>
        <translation>Das Projekt wurde gespeichert.</translation>
    </message>
    <message>
        <source>Auto saved project has been recovered.</source>
        <translation>Das automatisch gesicherte Projekt wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>There are no files to recover.</source>
        <translation>Es gibt keine Dateien zum Wiederherstellen.</translation>
    </message>
    <message>
        <source>Vellumo found %1 pages of an earlier session in its working folder.&lt;br&gt;Do you want to recover them now?</source>
        <translation>Vellumo hat in seinem Arbeitsordner %1 Seiten einer früheren Sitzung gefunden.&lt;br&gt;Möchten Sie sie jetzt wiederherstellen?</translation>
    </message>
    <message>
        <source>Scanners not found.&lt;br&gt;Please plug a scanner.</source>
        <translation>Es wurde kein Scanner gefunden.&lt;br&gt;Bitte schließen Sie einen Scanner an.</translation>
    </message>
    <message>
        <source>Auto cropping...</source>
        <translation>Wird automatisch zugeschnitten …</translation>
    </message>
    <message>
        <source>Scanning has cancelled.</source>
        <translation>Der Scanvorgang wurde abgebrochen.</translation>
    </message>
    <message>
        <source>PDF file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Die PDF-Datei wurde erstellt.&lt;br&gt;&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt; öffnen</translation>
    </message>
    <message>
        <source>Word file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Die Word-Datei wurde erstellt.&lt;br&gt;&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt; öffnen</translation>
    </message>
    <message>
        <source>Error while Word file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Fehler beim Erstellen der Word-Datei.&lt;br&gt;Die Datei %1 kann nicht geschrieben werden. Möglicherweise ist die Datei geöffnet, oder Sie haben keine Schreibrechte für den Ordner.</translation>
    </message>
    <message>
        <source>DjVu file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Die DjVu-Datei wurde erstellt.&lt;br&gt;&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt; öffnen</translation>
    </message>
    <message>
        <source>Error while DjVu file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Fehler beim Erstellen der DjVu-Datei.&lt;br&gt;Die Datei %1 kann nicht geschrieben werden. Möglicherweise ist die Datei geöffnet, oder Sie haben keine Schreibrechte für den Ordner.</translation>
    </message>
    <message>
        <source>Images was saved.&lt;br&gt;Open folder &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Die Bilder wurden gespeichert.&lt;br&gt;Ordner &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt; öffnen</translation>
    </message>
    <message>
        <source>Error while Image file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened.</source>
        <translation>Fehler beim Erstellen der Bilddatei.&lt;br&gt;Die Datei %1 kann nicht geschrieben werden. Möglicherweise ist die Datei geöffnet.</translation>
    </message>
    <message>
        <source>Can&apos;t save the page %1.</source>
        <translation>Die Seite %1 kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Error while PDF file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Fehler beim Erstellen der PDF-Datei.&lt;br&gt;Die Datei %1 kann nicht geschrieben werden. Möglicherweise ist die Datei geöffnet, oder Sie haben keine Schreibrechte für den Ordner.</translation>
    </message>
    <message>
        <source>Can&apos;t split the scanned page. It has been kept as one page.</source>
        <translation>Die gescannte Seite kann nicht geteilt werden. Sie wurde als eine Seite beibehalten.</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>JPEG file (*.jpg);;TIFF file (*.tiff);;BMP file (*.bmp);;PNG file (*.png)</source>
        <translation>JPEG-Datei (*.jpg);;TIFF-Datei (*.tiff);;BMP-Datei (*.bmp);;PNG-Datei (*.png)</translation>
    </message>
    <message>
        <source>The page has been saved to %1.</source>
        <translation>Die Seite wurde in %1 gespeichert.</translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1.</source>
        <translation>Das Bild kann nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Extract images from PDF</source>
        <translation>Bilder aus PDF extrahieren</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <source>Can&apos;t open file %1.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Can&apos;t crop the page.</source>
        <translation>Die Seite kann nicht zugeschnitten werden.</translation>
    </message>
    <message>
        <source>Can&apos;t crop the pages %1.</source>
        <translation>Die Seiten %1 können nicht zugeschnitten werden.</translation>
    </message>
    <message>
        <source>Splitting...</source>
        <translation>Wird geteilt …</translation>
    </message>
    <message>
        <source>Can&apos;t split the page.</source>
        <translation>Die Seite kann nicht geteilt werden.</translation>
    </message>
    <message>
        <source>Can&apos;t split the pages %1.</source>
        <translation>Die Seiten %1 können nicht geteilt werden.</translation>
    </message>
    <message>
        <source>Can&apos;t open the project %1.&lt;br&gt;%2</source>
        <translation>Das Projekt %1 kann nicht geöffnet werden.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Some pages of the project %1 could not be unpacked.</source>
        <translation>Einige Seiten des Projekts %1 konnten nicht entpackt werden.</translation>
    </message>
    <message>
        <source>Some entries of the project %1 were left out: %2</source>
        <translation>Einige Einträge des Projekts %1 wurden ausgelassen: %2</translation>
    </message>
    <message numerus="yes">
        <source>The %n page(s) scanned so far have been kept.</source>
        <translation>
            <numerusform>Die %n bisher gescannte Seite wurde beibehalten.</numerusform>
            <numerusform>Die %n bisher gescannten Seiten wurden beibehalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Preparing to print...</source>
        <translation>Druck wird vorbereitet …</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Suche nach Aktualisierungen</translation>
    </message>
    <message>
        <source>ERROR!&lt;br&gt;Can&apos;t connect to the update server. Please check network settings.</source>
        <translation>FEHLER!&lt;br&gt;Es konnte keine Verbindung zum Aktualisierungsserver hergestellt werden. Bitte überprüfen Sie die Netzwerkeinstellungen.</translation>
    </message>
    <message>
        <source>You use a latest version of Vellumo.</source>
        <translation>Sie verwenden die neueste Version von Vellumo.</translation>
    </message>
    <message>
        <source>Thank you for updating Vellumo.&lt;p&gt;Please close the program and run the install file.</source>
        <translation>Vielen Dank, dass Sie Vellumo aktualisieren.&lt;p&gt;Bitte schließen Sie das Programm und führen Sie die Installationsdatei aus.</translation>
    </message>
    <message>
        <source>Restore Source Image</source>
        <translation>Originalbild wiederherstellen</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation>Buchdoppelseite teilen</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>V&amp;erlauf</translation>
    </message>
    <message>
        <source>Replace this page with a new scan?</source>
        <translation>Möchten Sie diese Seite durch einen neuen Scan ersetzen?</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Erneut scannen</translation>
    </message>
    <message>
        <source>Turning pages upright...</source>
        <translation>Seiten werden ausgerichtet …</translation>
    </message>
    <message>
        <source>Can&apos;t tell which way up the pages %1 are.</source>
        <translation>Die Ausrichtung der Seiten %1 lässt sich nicht erkennen.</translation>
    </message>
    <message>
        <source>Pages turned upright: %1 of %2.</source>
        <translation>Gedrehte Seiten: %1 von %2.</translation>
    </message>
    <message>
        <source>Turn &amp;Upright</source>
        <translation>Nach &amp;Text ausrichten</translation>
    </message>
    <message>
        <source>Turn the checked pages, or this page, upright by the direction of their text</source>
        <translation>Die markierten Seiten oder diese Seite anhand der Textrichtung richtig herum drehen</translation>
    </message>
</context>
<context>
    <name>MoveToDlg</name>
    <message>
        <source>Move Page</source>
        <translation>Seite verschieben</translation>
    </message>
    <message>
        <source>Move page to...</source>
        <translation>Seite verschieben nach …</translation>
    </message>
    <message>
        <source>New Page Number:</source>
        <translation>Neue Seitennummer:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>OcrLanguages</name>
    <message>
        <source>Turning pages upright needs Tesseract&apos;s orientation data, which is not installed. Install the package %1.</source>
        <translation>Zum Ausrichten der Seiten werden die Ausrichtungsdaten von Tesseract benötigt, die nicht installiert sind. Installieren Sie das Paket %1.</translation>
    </message>
    <message>
        <source>Text recognition in %1 needs Tesseract&apos;s data for that language, which is not installed. Install the package %2.</source>
        <translation>Die Texterkennung für %1 benötigt die Tesseract-Daten für diese Sprache, die nicht installiert sind. Installieren Sie das Paket %2.</translation>
    </message>
    <message>
        <source>Text recognition needs the Tesseract library, which is not installed. Install the package %1.</source>
        <translation>Die Texterkennung benötigt die Tesseract-Bibliothek, die nicht installiert ist. Installieren Sie das Paket %1.</translation>
    </message>
</context>
<context>
    <name>OfficePopupWindow</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>OptionsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>OptionsPage</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Here you can change the software options.</source>
        <translation>Hier können Sie die Programmeinstellungen ändern.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>&amp;Automatically check for updates</source>
        <translation>&amp;Automatisch nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>How to translate to your language</source>
        <translation>So übersetzen Sie Vellumo in Ihre Sprache</translation>
    </message>
</context>
<context>
    <name>PageBatch</name>
    <message>
        <source>Can&apos;t create the folder %1.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Splitting %1 of %2...</source>
        <translation>Seite %1 von %2 wird geteilt …</translation>
    </message>
    <message>
        <source>Cropping %1 of %2...</source>
        <translation>Seite %1 von %2 wird zugeschnitten …</translation>
    </message>
    <message>
        <source>Turning %1 of %2 upright...</source>
        <translation>Seite %1 von %2 wird ausgerichtet …</translation>
    </message>
</context>
<context>
    <name>PageHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>Rü&amp;ckgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Rü&amp;ckgängig</translation>
    </message>
    <message>
        <source>Re&amp;do %1</source>
        <translation>Wieder&amp;herstellen: %1</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
</context>
<context>
    <name>PageImages</name>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: the image is empty.</source>
        <translation>%1 kann nicht geschrieben werden: Das Bild ist leer.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the black-and-white image can&apos;t be compressed.</source>
        <translation>Das Schwarzweißbild kann nicht komprimiert werden.</translation>
    </message>
</context>
<context>
    <name>PageImporter</name>
    <message>
        <source>Can&apos;t open file %1.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Drawing the pages of the PDF file.</source>
        <translation>Die Seiten der PDF-Datei werden gerastert.</translation>
    </message>
    <message>
        <source>Extracting images from PDF file.</source>
        <translation>Bilder werden aus der PDF-Datei extrahiert.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file %1.&lt;br&gt;The image is too large: %2 x %3 pixels.</source>
        <translation>Die Datei %1 kann nicht geladen werden.&lt;br&gt;Das Bild ist zu groß: %2 x %3 Pixel.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file. Wrong file format.&lt;br&gt;%1</source>
        <translation>Die Datei kann nicht geladen werden. Falsches Dateiformat.&lt;br&gt;%1</translation>
    </message>
    <message>
        <source>The file %1 is damaged: part of its picture may be missing.</source>
        <translation>Die Datei %1 ist beschädigt: Teile des Bildes fehlen möglicherweise.</translation>
    </message>
    <message>
        <source>Can&apos;t extract image.</source>
        <translation>Das Bild kann nicht extrahiert werden.</translation>
    </message>
    <message>
        <source>This PDF file doesn&apos;t contain images.</source>
        <translation>Diese PDF-Datei enthält keine Bilder.</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Its pages can be drawn as images instead, at %1 dpi.</source>
        <translation>Stattdessen können ihre Seiten mit %1 dpi als Bilder gerastert werden.</translation>
    </message>
    <message>
        <source>&amp;Draw Pages</source>
        <translation>Seiten &amp;rastern</translation>
    </message>
</context>
<context>
    <name>PageStore</name>
    <message>
        <source>The page image is empty.</source>
        <translation>Das Seitenbild ist leer.</translation>
    </message>
    <message>
        <source>Can&apos;t rename %1 to %2.</source>
        <translation>%1 kann nicht in %2 umbenannt werden.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>PdfCommandLine</name>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 erwartet einen Dateinamen</translation>
    </message>
    <message>
        <source>--password needs a password</source>
        <translation>--password erwartet ein Passwort</translation>
    </message>
    <message>
        <source>--paper takes A4, Letter or A0 to A6</source>
        <translation>--paper erwartet A4, Letter oder A0 bis A6</translation>
    </message>
    <message>
        <source>--orientation takes portrait or landscape</source>
        <translation>--orientation erwartet portrait oder landscape</translation>
    </message>
    <message>
        <source>--scale takes dpi, stretch or fit</source>
        <translation>--scale erwartet dpi, stretch oder fit</translation>
    </message>
    <message>
        <source>--margins takes four centimetre values: L,R,T,B</source>
        <translation>--margins erwartet vier Werte in Zentimetern: L,R,T,B</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>no output file (-o OUT.pdf)</source>
        <translation>keine Ausgabedatei (-o OUT.pdf)</translation>
    </message>
    <message>
        <source>no page files</source>
        <translation>keine Seitendateien</translation>
    </message>
    <message>
        <source>%1 needs a text</source>
        <translation>%1 erwartet einen Text</translation>
    </message>
    <message>
        <source>usage: vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6] [--orientation portrait|landscape] [--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] [--author AUTHOR] [--ocr LANG[+LANG]] FILE...
       vellumo-cli check-pdf FILE|-   (exit code 0: pages can be appended to the PDF; - reads it from standard input)</source>
        <translation>Aufruf: vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6] [--orientation portrait|landscape] [--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] [--author AUTHOR] [--ocr LANG[+LANG]] FILE...
       vellumo-cli check-pdf FILE|-   (Exit-Code 0: Seiten können an die PDF-Datei angehängt werden; - liest sie von der Standardeingabe)</translation>
    </message>
    <message>
        <source>--ocr takes Tesseract languages such as eng or eng+deu</source>
        <translation>--ocr erwartet Tesseract-Sprachen wie eng oder eng+deu</translation>
    </message>
</context>
<context>
    <name>PdfImport</name>
    <message>
        <source>image %1: %2</source>
        <translation>Bild %1: %2</translation>
    </message>
</context>
<context>
    <name>PdfImportSession</name>
    <message>
        <source>The password is not right.</source>
        <translation>Das Passwort ist falsch.</translation>
    </message>
    <message>
        <source>The PDF file %1 is protected by a password.</source>
        <translation>Die PDF-Datei %1 ist passwortgeschützt.</translation>
    </message>
</context>
<context>
    <name>PdfProgress</name>
    <message>
        <source>Creating PDF document.</source>
        <translation>PDF-Dokument wird erstellt.</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PdfWriter</name>
    <message>
        <source>&quot;%1&quot; is not a list of text recognition languages.</source>
        <translation>„%1“ ist keine Liste von Sprachen für die Texterkennung.</translation>
    </message>
</context>
<context>
    <name>PopupMessage</name>
    <message>
        <source>&lt;p&gt;&lt;font color=&quot;black&quot;&gt;&lt;h4&gt;&amp;nbsp;Vellumo Message&lt;/h4&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=&quot;black&quot;&gt;&lt;h4&gt;&amp;nbsp;Vellumo-Meldung&lt;/h4&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ProjectArchive</name>
    <message>
        <source>Can&apos;t create the folder %1.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1 into %2: %3.</source>
        <translation>%1 kann nicht in %2 geschrieben werden: %3.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Its entries overlap: the file is damaged.</source>
        <translation>Die Einträge überlappen sich: Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>not a page file</source>
        <translation>keine Seitendatei</translation>
    </message>
    <message>
        <source>a second entry of that name</source>
        <translation>ein zweiter Eintrag mit diesem Namen</translation>
    </message>
    <message>
        <source>encrypted</source>
        <translation>verschlüsselt</translation>
    </message>
    <message>
        <source>unknown compression</source>
        <translation>unbekannte Kompression</translation>
    </message>
    <message>
        <source>larger than any page</source>
        <translation>zu groß für eine Seite</translation>
    </message>
    <message>
        <source>There is not enough free disk space for %1.</source>
        <translation>Für %1 ist nicht genügend freier Speicherplatz vorhanden.</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>beschädigt</translation>
    </message>
    <message>
        <source>not an image</source>
        <translation>kein Bild</translation>
    </message>
    <message>
        <source>It holds no pages.</source>
        <translation>Es enthält keine Seiten.</translation>
    </message>
</context>
<context>
    <name>PropertyModel</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Scanner</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Cropping</source>
        <translation>Zuschneiden</translation>
    </message>
</context>
<context>
    <name>PropertyPage</name>
    <message>
        <source>Default</source>
        <translation>Standardwerte</translation>
    </message>
</context>
<context>
    <name>RibbonSliderPane</name>
    <message>
        <source>Increase</source>
        <translation>Erhöhen</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Verringern</translation>
    </message>
</context>
<context>
    <name>ScanPage</name>
    <message>
        <source>Scanning in progress</source>
        <translation>Scanvorgang läuft</translation>
    </message>
    <message>
        <source>Scanned page will be added to the list</source>
        <translation>Die gescannte Seite wird der Liste hinzugefügt</translation>
    </message>
    <message>
        <source>Scanning in progress. Do not open scanner cover.</source>
        <translation>Scanvorgang läuft. Öffnen Sie nicht den Deckel des Scanners.</translation>
    </message>
</context>
<context>
    <name>ScanPreviewDlg</name>
    <message>
        <source>Scan Preview</source>
        <translation>Scanvorschau</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scannen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ScanResPage</name>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>You can change the scanning resolution for each of the modes. The higher the scanning resolution, the better the image quality, but it reduces the scanning speed.</source>
        <translation>Hier können Sie die Scanauflösung für jeden Modus ändern. Je höher die Scanauflösung, desto besser die Bildqualität, aber desto langsamer der Scanvorgang.</translation>
    </message>
    <message>
        <source>Middle:</source>
        <translation>Mittel:</translation>
    </message>
    <message>
        <source>Good:</source>
        <translation>Gut:</translation>
    </message>
    <message>
        <source>High:</source>
        <translation>Hoch:</translation>
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
        <translation>Hier können Sie die Scanoptionen ändern und den Dokumenteneinzug aktivieren oder deaktivieren.</translation>
    </message>
    <message>
        <source>Paper Source:</source>
        <translation>Papierquelle:</translation>
    </message>
    <message>
        <source>Flatbed (platen)</source>
        <translation>Flachbett (Vorlagenglas)</translation>
    </message>
    <message>
        <source>Automatic Feeder (ADF)</source>
        <translation>Automatischer Dokumenteneinzug (ADF)</translation>
    </message>
    <message>
        <source>Acquire:</source>
        <translation>Einlesen:</translation>
    </message>
    <message>
        <source>One image</source>
        <translation>Ein Bild</translation>
    </message>
    <message>
        <source>All available images</source>
        <translation>Alle verfügbaren Bilder</translation>
    </message>
    <message>
        <source>Automatic &amp;deskewing of scanned pages</source>
        <translation>Gescannte Seiten automatisch &amp;begradigen</translation>
    </message>
    <message>
        <source>Automatic &amp;cropping of scanned pages</source>
        <translation>Gescannte Seiten automatisch &amp;zuschneiden</translation>
    </message>
    <message>
        <source>Automatic c&amp;ontrast adjustment of scanned pages</source>
        <translation>&amp;Kontrast gescannter Seiten automatisch anpassen</translation>
    </message>
    <message>
        <source>Scan with &amp;preview</source>
        <translation>Mit &amp;Vorschau scannen</translation>
    </message>
    <message>
        <source>Turn pages upright automatically</source>
        <translation>Seiten automatisch nach dem Text ausrichten</translation>
    </message>
</context>
<context>
    <name>SelectFileWidget</name>
    <message>
        <source>Open existing PDF</source>
        <translation>Vorhandene PDF-Datei öffnen</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
</context>
<context>
    <name>SelectFolderWidget</name>
    <message>
        <source>Select a folder</source>
        <translation>Ordner auswählen</translation>
    </message>
</context>
<context>
    <name>SelectSaveFileWidget</name>
    <message>
        <source>Save file</source>
        <translation>Datei speichern</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Copyright &amp;copy; 2026 Leafkin. All rights reserved. &lt;a href=&quot;http://%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Copyright &amp;copy; 2026 Leafkin. Alle Rechte vorbehalten. &lt;a href=&quot;http://%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Vellumo is already running.&lt;br&gt;Only one copy of Vellumo can work with the pages at a time; please switch to the open window.</source>
        <translation>Vellumo läuft bereits.&lt;br&gt;Es kann immer nur eine Instanz von Vellumo mit den Seiten arbeiten; bitte wechseln Sie zum geöffneten Fenster.</translation>
    </message>
    <message>
        <source>Critical error</source>
        <translation>Kritischer Fehler</translation>
    </message>
    <message>
        <source>Can&apos;t start application.</source>
        <translation>Die Anwendung kann nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>TimerPage</name>
    <message>
        <source>Scan &amp;Now &gt;</source>
        <translation>&amp;Jetzt scannen &gt;</translation>
    </message>
    <message>
        <source>&amp;Resume Timer</source>
        <translation>&amp;Timer fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Stop Timer</source>
        <translation>Timer &amp;anhalten</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Warten</translation>
    </message>
    <message>
        <source>Next scan will begin soon. Change page in the scanner.&lt;br&gt;Press &lt;b&gt;SPACE&lt;/b&gt; to pause timer. Press &lt;b&gt;ENTER&lt;/b&gt; to run Scan Now.</source>
        <translation>Der nächste Scan beginnt in Kürze. Legen Sie die nächste Seite in den Scanner ein.&lt;br&gt;Drücken Sie die &lt;b&gt;LEERTASTE&lt;/b&gt;, um den Timer anzuhalten. Drücken Sie die &lt;b&gt;EINGABETASTE&lt;/b&gt;, um sofort zu scannen.</translation>
    </message>
</context>
<context>
    <name>ToolLocator</name>
    <message>
        <source>%1 was not found. Vellumo looked for it in %2 and on the PATH; please reinstall Vellumo.</source>
        <translation>%1 wurde nicht gefunden. Vellumo hat in %2 und im PATH danach gesucht; bitte installieren Sie Vellumo neu.</translation>
    </message>
</context>
<context>
    <name>UpdateDlg</name>
    <message>
        <source>Vellumo Updates</source>
        <translation>Vellumo-Aktualisierungen</translation>
    </message>
    <message>
        <source>There are new version of Vellumo</source>
        <translation>Eine neue Version von Vellumo ist verfügbar</translation>
    </message>
    <message>
        <source>Current Version: %1</source>
        <translation>Installierte Version: %1</translation>
    </message>
    <message>
        <source>New Version: %1&lt;p&gt;Download: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;</source>
        <translation>Neue Version: %1&lt;p&gt;Herunterladen: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
</context>
<context>
    <name>WaitingDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>WordProgress</name>
    <message>
        <source>Creating MS Word document.</source>
        <translation>MS-Word-Dokument wird erstellt.</translation>
    </message>
    <message>
        <source>Writting MS Word document.</source>
        <translation>MS-Word-Dokument wird geschrieben.</translation>
    </message>
</context>
<context>
    <name>ZipWriter</name>
    <message>
        <source>Can&apos;t compress %1.</source>
        <translation>%1 kann nicht komprimiert werden.</translation>
    </message>
    <message>
        <source>%1 is too large for a project.</source>
        <translation>%1 ist zu groß für ein Projekt.</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>vellumo-cli</name>
    <message>
        <source>
       vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   (the page images of a PDF into DIR as 0001.jpg, 0002.tiff, 0003.png, ...)
       vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR FILE.pdf   (the pages of a PDF drawn into DIR as 0001.png, ...)</source>
        <translation>
       vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   (die Seitenbilder einer PDF-Datei nach DIR als 0001.jpg, 0002.tiff, 0003.png, ...)
       vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR FILE.pdf   (die Seiten einer PDF-Datei als Bilder gerastert nach DIR als 0001.png, ...)</translation>
    </message>
</context>
</TS>
