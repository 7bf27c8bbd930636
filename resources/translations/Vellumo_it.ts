<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>BrightnessDlg</name>
    <message>
        <source>Brightness / Contrast</source>
        <translation>Luminosità/Contrasto</translation>
    </message>
    <message>
        <source>Source Image</source>
        <translation>Immagine originale</translation>
    </message>
    <message>
        <source>Destination Image</source>
        <translation>Immagine risultante</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
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
        <translation>Uso: vellumo [OPTION...] [FILE...]
Scansiona documenti cartacei e li salva come file PDF, DjVu, Word o immagine.

I file vengono aperti come se fossero trascinati nella finestra: un progetto (.vlmpj) sostituisce
il documento aperto, le immagini e le immagini dei file PDF vengono aggiunte come pagine. Se
Vellumo è già in esecuzione, i file vengono passati alla sua finestra.

Opzioni:
  -h, --help        mostra questo aiuto ed esce
  -v, --version     mostra la versione ed esce
      --demo-scanner  usa il dispositivo di prova di SANE invece degli scanner trovati
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
        <translation>Ritaglio automatico</translation>
    </message>
    <message>
        <source>You can set the auto cropping settings.</source>
        <translation>Qui è possibile configurare le impostazioni del ritaglio automatico.</translation>
    </message>
    <message>
        <source>Insert Margins</source>
        <translation>Aggiungi margini</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistro</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Superiore</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destro</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Inferiore</translation>
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
        <translation>non è un&apos;immagine che Vellumo sa leggere (%1)</translation>
    </message>
    <message>
        <source>its copy %1 could not be written (%2)</source>
        <translation>non è stato possibile scriverne la copia %1 (%2)</translation>
    </message>
    <message>
        <source>Page %1 (%2) was not encoded: %3</source>
        <translation>La pagina %1 (%2) non è stata codificata: %3</translation>
    </message>
    <message>
        <source>%1 did not finish within %2 s</source>
        <translation>%1 non è terminato entro %2 s</translation>
    </message>
    <message>
        <source>%1 could not be started (%2)</source>
        <translation>impossibile avviare %1 (%2)</translation>
    </message>
    <message>
        <source>%1 crashed</source>
        <translation>%1 si è chiuso in modo anomalo</translation>
    </message>
    <message>
        <source>%1 ended with exit code %2</source>
        <translation>%1 è terminato con il codice di uscita %2</translation>
    </message>
    <message>
        <source>%1 wrote nothing</source>
        <translation>%1 non ha scritto nulla</translation>
    </message>
    <message>
        <source>%1 failed (%2)</source>
        <translation>%1 non è riuscito (%2)</translation>
    </message>
    <message>
        <source>Can&apos;t read page %1 (%2): %3</source>
        <translation>Impossibile leggere la pagina %1 (%2): %3</translation>
    </message>
    <message>
        <source>None of the page files exists; %1 was not written.</source>
        <translation>Nessuno dei file delle pagine esiste; %1 non è stato scritto.</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation>Impossibile creare una cartella temporanea in %1: %2</translation>
    </message>
    <message>
        <source>The pages could not be combined into %1: %2</source>
        <translation>Impossibile unire le pagine in %1: %2</translation>
    </message>
    <message>
        <source>The combined document %1 could not be read back: %2</source>
        <translation>Impossibile rileggere il documento unito %1: %2</translation>
    </message>
    <message>
        <source>The combined document holds %1 of its %2 pages; %3 was not written.</source>
        <translation>Il documento unito contiene %1 delle sue %2 pagine; %3 non è stato scritto.</translation>
    </message>
    <message>
        <source>Page %1 is missing: %2</source>
        <translation>Manca la pagina %1: %2</translation>
    </message>
</context>
<context>
    <name>DjvuProgress</name>
    <message>
        <source>Creating DjVu file.</source>
        <translation>Creazione del file DjVu.</translation>
    </message>
    <message>
        <source>Writting DjVu file.</source>
        <translation>Scrittura del file DjVu.</translation>
    </message>
</context>
<context>
    <name>DocGenerator</name>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>The document %1 was written, but the temporary folder %2 could not be removed.</source>
        <translation>Il documento %1 è stato scritto, ma non è stato possibile rimuovere la cartella temporanea %2.</translation>
    </message>
    <message>
        <source>Page %1 is missing: %2</source>
        <translation>Manca la pagina %1: %2</translation>
    </message>
</context>
<context>
    <name>DocxGenerator</name>
    <message>
        <source>Can&apos;t read the Word template %1.</source>
        <translation>Impossibile leggere il modello Word %1.</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation>Impossibile creare una cartella temporanea in %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
</context>
<context>
    <name>DraggedWidget</name>
    <message>
        <source>Scan a page or drop files here</source>
        <translation>Scansionare una pagina o trascinare qui dei file</translation>
    </message>
    <message>
        <source>Images (JPEG, PNG, TIFF, BMP), PDF files and projects can be dropped onto this window.</source>
        <translation>In questa finestra è possibile trascinare immagini (JPEG, PNG, TIFF, BMP), file PDF e progetti.</translation>
    </message>
</context>
<context>
    <name>ExportDjvuDlg</name>
    <message>
        <source>Export to DjVu</source>
        <translation>Esporta in DjVu</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation>Salva nel file:</translation>
    </message>
    <message>
        <source>DjVu File (*.djvu)</source>
        <translation>File DjVu (*.djvu)</translation>
    </message>
    <message>
        <source>DjVu &amp;Compression:</source>
        <translation>&amp;Compressione DjVu:</translation>
    </message>
    <message>
        <source>&amp;Open DjVu file after creation</source>
        <translation>&amp;Apri il file DjVu dopo la creazione</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>ExportDlg</name>
    <message>
        <source>Build PDF</source>
        <translation>Crea PDF</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Impaginazione</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>&amp;Scale:</source>
        <translation>&amp;Scala:</translation>
    </message>
    <message>
        <source>By dots per inch</source>
        <translation>In base ai dpi</translation>
    </message>
    <message>
        <source>Stretch to paper list</source>
        <translation>Estendi a tutto il foglio</translation>
    </message>
    <message>
        <source>Stretch with keeping aspect</source>
        <translation>Estendi mantenendo le proporzioni</translation>
    </message>
    <message>
        <source>&amp;Paper size:</source>
        <translation>Formato &amp;carta:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>&amp;Orientamento:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>&amp;Save to file:</source>
        <translation>Salva nel &amp;file:</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Append pages to existing file</source>
        <translation>&amp;Aggiungi le pagine a un file esistente</translation>
    </message>
    <message>
        <source>&amp;Open PDF document after creation</source>
        <translation>Apri il documento PDF &amp;dopo la creazione</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margini</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destro</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Superiore</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Inferiore</translation>
    </message>
    <message>
        <source> cm</source>
        <translation> cm</translation>
    </message>
    <message>
        <source>By Page &amp;Center</source>
        <translation>Centra nella &amp;pagina</translation>
    </message>
    <message>
        <source>Use &amp;Password:</source>
        <translation>Usa pass&amp;word:</translation>
    </message>
    <message>
        <source>Type a password or keep empty</source>
        <translation>Digitare una password o lasciare vuoto</translation>
    </message>
    <message>
        <source>&amp;Save password for next using</source>
        <translation>&amp;Ricorda la password per la prossima volta</translation>
    </message>
    <message>
        <source>Save to PDF</source>
        <translation>Salva in PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Please enter a file name.</source>
        <translation>Inserire un nome di file.</translation>
    </message>
    <message>
        <source>Please select an existing PDF file.</source>
        <translation>Selezionare un file PDF esistente.</translation>
    </message>
    <message>
        <source>Pages: %1/%2</source>
        <translation>Pagina %1/%2</translation>
    </message>
    <message>
        <source>No password store is running on this desktop, so the password can&apos;t be kept.</source>
        <translation>Su questo desktop non è attivo alcun portachiavi per le password, quindi la password non può essere conservata.</translation>
    </message>
    <message>
        <source>Can&apos;t keep the password: %1</source>
        <translation>Impossibile conservare la password: %1</translation>
    </message>
    <message>
        <source>Make text searchable (OCR)</source>
        <translation>Rendi il testo ricercabile (OCR)</translation>
    </message>
    <message>
        <source>Text &amp;language:</source>
        <translation>&amp;Lingua del testo:</translation>
    </message>
    <message numerus="yes">
        <source>The text of %n page(s) could not be recognised; they are in the PDF as pictures only.</source>
        <translation>
            <numerusform>Non è stato possibile riconoscere il testo di %n pagina; è presente nel PDF solo come immagine.</numerusform>
            <numerusform>Non è stato possibile riconoscere il testo di %n pagine; sono presenti nel PDF solo come immagini.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportFileDlg</name>
    <message>
        <source>Export to image list</source>
        <translation>Esporta come immagini</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Save to &amp;Folder:</source>
        <translation>Salva nella &amp;cartella:</translation>
    </message>
    <message>
        <source>Image Format:</source>
        <translation>Formato immagine:</translation>
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
        <translation>Qualità:</translation>
    </message>
    <message>
        <source>File Prefix:</source>
        <translation>Prefisso dei file:</translation>
    </message>
    <message>
        <source>Counter [C]</source>
        <translation>Contatore [C]</translation>
    </message>
    <message>
        <source>Date [D]</source>
        <translation>Data [D]</translation>
    </message>
    <message>
        <source>&amp;Open folder after creation</source>
        <translation>&amp;Apri la cartella dopo la creazione</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Folder %1 isn&apos;t exists.</source>
        <translation>La cartella %1 non esiste.</translation>
    </message>
</context>
<context>
    <name>ExportWordDlg</name>
    <message>
        <source>Export to Microsoft Word</source>
        <translation>Esporta in Microsoft Word</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation>Salva nel file:</translation>
    </message>
    <message>
        <source>Microsoft Word File (*.docx)</source>
        <translation>File Microsoft Word (*.docx)</translation>
    </message>
    <message>
        <source>&amp;Open Word document after creation</source>
        <translation>&amp;Apri il documento Word dopo la creazione</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>EzPrevScan</name>
    <message>
        <source>Scanning...</source>
        <translation>Scansione in corso…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>FlipWidget</name>
    <message>
        <source>Rotate:</source>
        <translation>Ruota:</translation>
    </message>
    <message>
        <source>Don&apos;t rotate</source>
        <translation>Non ruotare</translation>
    </message>
    <message>
        <source>Each page</source>
        <translation>Ogni pagina</translation>
    </message>
    <message>
        <source>Every odd page (1, 3, 5...)</source>
        <translation>Ogni pagina dispari (1, 3, 5…)</translation>
    </message>
    <message>
        <source>Every even page (2, 4, 6...)</source>
        <translation>Ogni pagina pari (2, 4, 6…)</translation>
    </message>
    <message>
        <source>Rotate Angle:</source>
        <translation>Angolo di rotazione:</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Capovolgi (180°)</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Ruota a destra</translation>
    </message>
</context>
<context>
    <name>ImageEditor</name>
    <message>
        <source>Restore Source Image</source>
        <translation>Ripristina l&apos;immagine originale</translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation>Ritaglio automatico</translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation>Dividi la doppia pagina del libro</translation>
    </message>
    <message>
        <source>Crop this image</source>
        <translation>Ritaglia questa immagine</translation>
    </message>
    <message>
        <source>Adjust contrast</source>
        <translation>Regola il contrasto</translation>
    </message>
    <message>
        <source>Rescan this page</source>
        <translation>Scansiona di nuovo questa pagina</translation>
    </message>
    <message>
        <source>Save this page as the image</source>
        <translation>Salva questa pagina come immagine</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>Flip this page</source>
        <translation>Capovolgi questa pagina (180°)</translation>
    </message>
    <message>
        <source>Delete this page</source>
        <translation>Elimina questa pagina</translation>
    </message>
</context>
<context>
    <name>ImageExportCommand</name>
    <message>
        <source>
       vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...   (each page an image file; P: &quot;[C]&quot; page counter, &quot;[D]&quot; date; default IMAGE_[C], jpg, quality 85)</source>
        <translation>
       vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...   (ogni pagina in un file immagine; P: &quot;[C]&quot; contatore delle pagine, &quot;[D]&quot; data; predefiniti IMAGE_[C], jpg, qualità 85)</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 richiede una cartella</translation>
    </message>
    <message>
        <source>--format takes jpg, tiff, png or bmp</source>
        <translation>--format accetta jpg, tiff, png o bmp</translation>
    </message>
    <message>
        <source>--quality takes a number from 0 to 100</source>
        <translation>--quality accetta un numero da 0 a 100</translation>
    </message>
    <message>
        <source>--pattern needs a file name pattern</source>
        <translation>--pattern richiede uno schema per il nome dei file</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>no target folder (-o DIR)</source>
        <translation>nessuna cartella di destinazione (-o DIR)</translation>
    </message>
    <message>
        <source>no page files</source>
        <translation>nessun file di pagina</translation>
    </message>
    <message>
        <source>wrote %1</source>
        <translation>scritto %1</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>errore per %1: %2</translation>
    </message>
</context>
<context>
    <name>ImageExporter</name>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>Folder %1 isn&apos;t exists.</source>
        <translation>La cartella %1 non esiste.</translation>
    </message>
    <message>
        <source>Files keep appearing under the name.</source>
        <translation>Continuano a comparire file con questo nome.</translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1: %2</source>
        <translation>Impossibile salvare l&apos;immagine in %1: %2</translation>
    </message>
    <message>
        <source>no image format for this file name</source>
        <translation>nessun formato immagine per questo nome di file</translation>
    </message>
</context>
<context>
    <name>ImgProgress</name>
    <message>
        <source>Creating images.</source>
        <translation>Creazione delle immagini.</translation>
    </message>
    <message>
        <source>Writting images.</source>
        <translation>Scrittura delle immagini.</translation>
    </message>
</context>
<context>
    <name>IntroPage</name>
    <message>
        <source>Automatic Scanning</source>
        <translation>Scansione automatica</translation>
    </message>
    <message>
        <source>Document Scanning</source>
        <translation>Scansione di documenti</translation>
    </message>
    <message>
        <source>&lt;b&gt;Vellumo&lt;/b&gt; will automatically run a scan after a specified time interval.</source>
        <translation>&lt;b&gt;Vellumo&lt;/b&gt; avvierà automaticamente una scansione dopo un intervallo di tempo stabilito.</translation>
    </message>
    <message>
        <source>Select the time interval in seconds:</source>
        <translation>Selezionare l&apos;intervallo di tempo in secondi:</translation>
    </message>
    <message>
        <source>Scan first page now (don&apos;t wait)</source>
        <translation>Scansiona subito la prima pagina (senza attendere)</translation>
    </message>
    <message>
        <source>Split the book spreak into two pages</source>
        <translation>Dividi la doppia pagina del libro in due pagine</translation>
    </message>
</context>
<context>
    <name>KSlabWidget</name>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vellumo - Automatic Scan to PDF, DjVu, JPEG, TIFF, BMP, PNG</source>
        <translation>Vellumo - Scansione automatica in PDF, DjVu, JPEG, TIFF, BMP, PNG</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Page count:</source>
        <translation>Numero di pagine:</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Selezionate:</translation>
    </message>
    <message>
        <source>Scale: </source>
        <translation>Scala: </translation>
    </message>
    <message>
        <source>Keep scale</source>
        <translation>Mantieni la scala</translation>
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
        <translation>Ca&amp;rica PDF</translation>
    </message>
    <message>
        <source>&amp;Open Project...</source>
        <translation>&amp;Apri progetto…</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Apri immagine</translation>
    </message>
    <message>
        <source>All Image Files (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Bitmaps (*.bmp);;TIFF Image File (*.tiff *.tif);;JPEG Image File (*.jpeg *.jpg);;PNG Image File (*.png);;</source>
        <translation>Tutti i file immagine (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Bitmap (*.bmp);;File immagine TIFF (*.tiff *.tif);;File immagine JPEG (*.jpeg *.jpg);;File immagine PNG (*.png);;</translation>
    </message>
    <message>
        <source>Do you want to remove %1 checked pages from the document?</source>
        <translation>Eliminare dal documento le %1 pagine selezionate?</translation>
    </message>
    <message>
        <source>Do you want to remove the page?</source>
        <translation>Eliminare la pagina?</translation>
    </message>
    <message>
        <source>Do you want to remove all checked pages from the document?</source>
        <translation>Eliminare dal documento tutte le pagine selezionate?</translation>
    </message>
    <message>
        <source>Do you want to remove all unchecked pages from the document?</source>
        <translation>Eliminare dal documento tutte le pagine non selezionate?</translation>
    </message>
    <message>
        <source>Do you want to remove all pages but current from the document?</source>
        <translation>Eliminare dal documento tutte le pagine tranne quella corrente?</translation>
    </message>
    <message>
        <source>Do you want to remove all pages from the document?</source>
        <translation>Eliminare tutte le pagine dal documento?</translation>
    </message>
    <message>
        <source>&amp;Scan &amp;&amp; PDF</source>
        <translation>&amp;Scansione &amp;&amp; PDF</translation>
    </message>
    <message>
        <source>&amp;Editing</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Composition</source>
        <translation>&amp;Composizione</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Fast &amp;Settings</source>
        <translation>Impostazioni &amp;rapide</translation>
    </message>
    <message>
        <source>&amp;Scanning</source>
        <translation>&amp;Scansione</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Esporta</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>&amp;Rotazione</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Correction</source>
        <translation>&amp;Correzione</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Sposta</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>&amp;Checking</source>
        <translation>&amp;Selezione</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Scanner:</translation>
    </message>
    <message>
        <source>Color Mode:</source>
        <translation>Modalità colore:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualità:</translation>
    </message>
    <message>
        <source>Select Scanner</source>
        <translation>Seleziona scanner</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Modalità colore</translation>
    </message>
    <message>
        <source>Scan Quality</source>
        <translation>Qualità di scansione</translation>
    </message>
    <message>
        <source>Black-White</source>
        <translation>Bianco e nero</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Scala di grigi</translation>
    </message>
    <message>
        <source>Photo Color</source>
        <translation>Colore (foto)</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Buona</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>Imp&amp;ostazioni</translation>
    </message>
    <message>
        <source>Change the application settings.</source>
        <translation>Modifica le impostazioni dell&apos;applicazione.</translation>
    </message>
    <message>
        <source>Scan &amp;Page</source>
        <translation>Scansiona &amp;pagina</translation>
    </message>
    <message>
        <source>Scan whole page. Press Space to start scanning.</source>
        <translation>Scansiona l&apos;intera pagina. Premere Spazio per avviare la scansione.</translation>
    </message>
    <message>
        <source>&amp;Auto Scan</source>
        <translation>Scansione &amp;automatica</translation>
    </message>
    <message>
        <source>Scan a document or a book in automatic mode.</source>
        <translation>Scansiona un documento o un libro in modalità automatica.</translation>
    </message>
    <message>
        <source>From &amp;File</source>
        <translation>Da &amp;file</translation>
    </message>
    <message>
        <source>Load an image from a file.</source>
        <translation>Carica un&apos;immagine da un file.</translation>
    </message>
    <message>
        <source>Extract images from PDF file.</source>
        <translation>Estrae le immagini da un file PDF.</translation>
    </message>
    <message>
        <source>Build PDF &amp;Document</source>
        <translation>Crea &amp;documento PDF</translation>
    </message>
    <message>
        <source>Build the PDF document from scanned pages.</source>
        <translation>Crea il documento PDF dalle pagine scansionate.</translation>
    </message>
    <message>
        <source>Build DjVu &amp;File</source>
        <translation>Crea file D&amp;jVu</translation>
    </message>
    <message>
        <source>Build the DjVu file from scanned pages.</source>
        <translation>Crea il file DjVu dalle pagine scansionate.</translation>
    </message>
    <message>
        <source>Build &amp;Word Document</source>
        <translation>Crea documento &amp;Word</translation>
    </message>
    <message>
        <source>Build the MS Word (docx) document from scanned pages.</source>
        <translation>Crea il documento MS Word (docx) dalle pagine scansionate.</translation>
    </message>
    <message>
        <source>Save &amp;As Pictures</source>
        <translation>Sa&amp;lva come immagini</translation>
    </message>
    <message>
        <source>Save scanned pages to folder.</source>
        <translation>Salva le pagine scansionate in una cartella.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>S&amp;tampa</translation>
    </message>
    <message>
        <source>Print scanned pages.</source>
        <translation>Stampa le pagine scansionate.</translation>
    </message>
    <message>
        <source>Turn &amp;Left</source>
        <translation>Ruota a si&amp;nistra</translation>
    </message>
    <message>
        <source>Rotate Image Left</source>
        <translation>Ruota l&apos;immagine a sinistra</translation>
    </message>
    <message>
        <source>&amp;Turn Right</source>
        <translation>Ruota a &amp;destra</translation>
    </message>
    <message>
        <source>Rotate Image Right</source>
        <translation>Ruota l&apos;immagine a destra</translation>
    </message>
    <message>
        <source>&amp;Flip Image</source>
        <translation>Ca&amp;povolgi immagine</translation>
    </message>
    <message>
        <source>Flip the Image</source>
        <translation>Capovolge l&apos;immagine (rotazione di 180°)</translation>
    </message>
    <message>
        <source>&amp;Rotate to Angle</source>
        <translation>Ruota di un &amp;angolo</translation>
    </message>
    <message>
        <source>Rotate Image to Angle</source>
        <translation>Ruota l&apos;immagine di un angolo a scelta</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>In&amp;grandisci</translation>
    </message>
    <message>
        <source>Zoom Image In</source>
        <translation>Ingrandisce l&apos;immagine</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Rimpicciolisci</translation>
    </message>
    <message>
        <source>Zoom Image Out</source>
        <translation>Rimpicciolisce l&apos;immagine</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>Adatta alla &amp;finestra</translation>
    </message>
    <message>
        <source>Fit Image to Window</source>
        <translation>Adatta l&apos;immagine alla finestra</translation>
    </message>
    <message>
        <source>&amp;Crop Image</source>
        <translation>Ri&amp;taglia immagine</translation>
    </message>
    <message>
        <source>Show Frame to Crop Image</source>
        <translation>Mostra la cornice per ritagliare l&apos;immagine</translation>
    </message>
    <message>
        <source>&amp;Image Contrast</source>
        <translation>C&amp;ontrasto immagine</translation>
    </message>
    <message>
        <source>Adjust Brightness</source>
        <translation>Regola la luminosità</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Sposta in &amp;alto</translation>
    </message>
    <message>
        <source>Move up current page in the list.</source>
        <translation>Sposta in alto la pagina corrente nell&apos;elenco.</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Sposta in &amp;basso</translation>
    </message>
    <message>
        <source>Move down current page in the list.</source>
        <translation>Sposta in basso la pagina corrente nell&apos;elenco.</translation>
    </message>
    <message>
        <source>Move to &amp;Top</source>
        <translation>Sposta all&apos;i&amp;nizio</translation>
    </message>
    <message>
        <source>Move current page to top of the list.</source>
        <translation>Sposta la pagina corrente all&apos;inizio dell&apos;elenco.</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation>Sposta alla &amp;fine</translation>
    </message>
    <message>
        <source>Move current page to bottom of the list.</source>
        <translation>Sposta la pagina corrente alla fine dell&apos;elenco.</translation>
    </message>
    <message>
        <source>Move to &amp;Position</source>
        <translation>Sposta alla &amp;posizione</translation>
    </message>
    <message>
        <source>Move current page to position.</source>
        <translation>Sposta la pagina corrente in una posizione a scelta.</translation>
    </message>
    <message>
        <source>&amp;Remove Page</source>
        <translation>&amp;Elimina pagina</translation>
    </message>
    <message>
        <source>Delete current page from the list.</source>
        <translation>Elimina la pagina corrente dall&apos;elenco.</translation>
    </message>
    <message>
        <source>&amp;Check All</source>
        <translation>Seleziona &amp;tutte</translation>
    </message>
    <message>
        <source>Check all pages in the project.</source>
        <translation>Seleziona tutte le pagine del progetto.</translation>
    </message>
    <message>
        <source>&amp;Uncheck All</source>
        <translation>&amp;Deseleziona tutte</translation>
    </message>
    <message>
        <source>Uncheck all pages in the project.</source>
        <translation>Deseleziona tutte le pagine del progetto.</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>Sito &amp;web</translation>
    </message>
    <message>
        <source>Go to the Vellumo homepage</source>
        <translation>Visita il sito web di Vellumo</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Inf&amp;ormazioni</translation>
    </message>
    <message>
        <source>About Software</source>
        <translation>Informazioni sul programma</translation>
    </message>
    <message>
        <source>Check &amp;Updates</source>
        <translation>Cerca &amp;aggiornamenti</translation>
    </message>
    <message>
        <source>Check for updates in Internet.</source>
        <translation>Cerca aggiornamenti su Internet.</translation>
    </message>
    <message>
        <source>&amp;Vellumo</source>
        <translation>&amp;Vellumo</translation>
    </message>
    <message>
        <source>Click here to save a project, &lt;br/&gt; open an existing project&lt;br/&gt; or start a new project.</source>
        <translation>Fare clic qui per salvare un progetto,&lt;br/&gt; aprire un progetto esistente&lt;br/&gt; o iniziare un nuovo progetto.</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Nuovo progetto</translation>
    </message>
    <message>
        <source>Starts a new project</source>
        <translation>Inizia un nuovo progetto</translation>
    </message>
    <message>
        <source>Open an existing project</source>
        <translation>Apre un progetto esistente</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>&amp;Salva progetto</translation>
    </message>
    <message>
        <source>Save the current project</source>
        <translation>Salva il progetto corrente</translation>
    </message>
    <message>
        <source>&amp;Recover Project</source>
        <translation>&amp;Recupera progetto</translation>
    </message>
    <message>
        <source>Recover the auto-saved project</source>
        <translation>Recupera il progetto salvato automaticamente</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Close the application</source>
        <translation>Chiude l&apos;applicazione</translation>
    </message>
    <message>
        <source>Crop Mode</source>
        <translation>Modalità ritaglio</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation>Ritaglio automatico</translation>
    </message>
    <message>
        <source>Rotate Mode</source>
        <translation>Modalità rotazione</translation>
    </message>
    <message>
        <source> deg.</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Rotating...</source>
        <translation>Rotazione in corso…</translation>
    </message>
    <message>
        <source>Vellumo Project (*.vlmpj)</source>
        <translation>Progetto Vellumo (*.vlmpj)</translation>
    </message>
    <message>
        <source>The current project is not saved yet. Do you want to save it?</source>
        <translation>Il progetto corrente non è ancora stato salvato. Salvarlo?</translation>
    </message>
    <message>
        <source>The current project has been changed. Do you want to save it?</source>
        <translation>Il progetto corrente è stato modificato. Salvarlo?</translation>
    </message>
    <message>
        <source>New project has been begun.</source>
        <translation>È stato iniziato un nuovo progetto.</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Apri progetto</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>Apertura in corso…</translation>
    </message>
    <message>
        <source>Empty project. Scan a document before the saving.</source>
        <translation>Il progetto è vuoto. Scansionare un documento prima di salvare.</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Salva progetto</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Salvataggio in corso…</translation>
    </message>
    <message>
        <source>Can&apos;t save the project to %1.&lt;br&gt;%2</source>
        <translation>Impossibile salvare il progetto in %1.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Project has been saved.</source>
        <translation>Il progetto è stato salvato.</translation>
    </message>
    <message>
        <source>Auto saved project has been recovered.</source>
        <translation>Il progetto salvato automaticamente è stato recuperato.</translation>
    </message>
    <message>
        <source>There are no files to recover.</source>
        <translation>Non ci sono file da recuperare.</translation>
    </message>
    <message>
        <source>Vellumo found %1 pages of an earlier session in its working folder.&lt;br&gt;Do you want to recover them now?</source>
        <translation>Vellumo ha trovato nella sua cartella di lavoro %1 pagine di una sessione precedente.&lt;br&gt;Recuperarle adesso?</translation>
    </message>
    <message>
        <source>Scanners not found.&lt;br&gt;Please plug a scanner.</source>
        <translation>Nessuno scanner trovato.&lt;br&gt;Collegare uno scanner.</translation>
    </message>
    <message>
        <source>Auto cropping...</source>
        <translation>Ritaglio automatico…</translation>
    </message>
    <message>
        <source>Scanning has cancelled.</source>
        <translation>La scansione è stata annullata.</translation>
    </message>
    <message>
        <source>PDF file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Il file PDF è stato creato.&lt;br&gt;Apri &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Word file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Il file Word è stato creato.&lt;br&gt;Apri &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while Word file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Errore durante la creazione del file Word.&lt;br&gt;Impossibile scrivere il file %1. Probabilmente il file è aperto oppure non si dispone dei permessi di scrittura sulla cartella.</translation>
    </message>
    <message>
        <source>DjVu file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Il file DjVu è stato creato.&lt;br&gt;Apri &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while DjVu file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Errore durante la creazione del file DjVu.&lt;br&gt;Impossibile scrivere il file %1. Probabilmente il file è aperto oppure non si dispone dei permessi di scrittura sulla cartella.</translation>
    </message>
    <message>
        <source>Images was saved.&lt;br&gt;Open folder &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Le immagini sono state salvate.&lt;br&gt;Apri la cartella &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while Image file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened.</source>
        <translation>Errore durante la creazione del file immagine.&lt;br&gt;Impossibile scrivere il file %1. Probabilmente il file è aperto.</translation>
    </message>
    <message>
        <source>Can&apos;t save the page %1.</source>
        <translation>Impossibile salvare la pagina %1.</translation>
    </message>
    <message>
        <source>Error while PDF file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Errore durante la creazione del file PDF.&lt;br&gt;Impossibile scrivere il file %1. Probabilmente il file è aperto oppure non si dispone dei permessi di scrittura sulla cartella.</translation>
    </message>
    <message>
        <source>Can&apos;t split the scanned page. It has been kept as one page.</source>
        <translation>Impossibile dividere la pagina scansionata. È stata mantenuta come pagina unica.</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Salva immagine</translation>
    </message>
    <message>
        <source>JPEG file (*.jpg);;TIFF file (*.tiff);;BMP file (*.bmp);;PNG file (*.png)</source>
        <translation>File JPEG (*.jpg);;File TIFF (*.tiff);;File BMP (*.bmp);;File PNG (*.png)</translation>
    </message>
    <message>
        <source>The page has been saved to %1.</source>
        <translation>La pagina è stata salvata in %1.</translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1.</source>
        <translation>Impossibile salvare l&apos;immagine in %1.</translation>
    </message>
    <message>
        <source>Extract images from PDF</source>
        <translation>Estrai immagini da PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Can&apos;t open file %1.</source>
        <translation>Impossibile aprire il file %1.</translation>
    </message>
    <message>
        <source>Can&apos;t crop the page.</source>
        <translation>Impossibile ritagliare la pagina.</translation>
    </message>
    <message>
        <source>Can&apos;t crop the pages %1.</source>
        <translation>Impossibile ritagliare le pagine %1.</translation>
    </message>
    <message>
        <source>Splitting...</source>
        <translation>Divisione in corso…</translation>
    </message>
    <message>
        <source>Can&apos;t split the page.</source>
        <translation>Impossibile dividere la pagina.</translation>
    </message>
    <message>
        <source>Can&apos;t split the pages %1.</source>
        <translation>Impossibile dividere le pagine %1.</translation>
    </message>
    <message>
        <source>Can&apos;t open the project %1.&lt;br&gt;%2</source>
        <translation>Impossibile aprire il progetto %1.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Some pages of the project %1 could not be unpacked.</source>
        <translation>Non è stato possibile estrarre alcune pagine del progetto %1.</translation>
    </message>
    <message>
        <source>Some entries of the project %1 were left out: %2</source>
        <translation>Alcune voci del progetto %1 sono state tralasciate: %2</translation>
    </message>
    <message numerus="yes">
        <source>The %n page(s) scanned so far have been kept.</source>
        <translation>
            <numerusform>È stata conservata %n pagina scansionata finora.</numerusform>
            <numerusform>Sono state conservate le %n pagine scansionate finora.</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>Preparing to print...</source>
        <translation>Preparazione della stampa…</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Ricerca di aggiornamenti</translation>
    </message>
    <message>
        <source>ERROR!&lt;br&gt;Can&apos;t connect to the update server. Please check network settings.</source>
        <translation>ERRORE!&lt;br&gt;Impossibile connettersi al server degli aggiornamenti. Controllare le impostazioni di rete.</translation>
    </message>
    <message>
        <source>You use a latest version of Vellumo.</source>
        <translation>La versione di Vellumo in uso è la più recente.</translation>
    </message>
    <message>
        <source>Thank you for updating Vellumo.&lt;p&gt;Please close the program and run the install file.</source>
        <translation>Grazie per aver aggiornato Vellumo.&lt;p&gt;Chiudere il programma ed eseguire il file di installazione.</translation>
    </message>
    <message>
        <source>Restore Source Image</source>
        <translation>Ripristina l&apos;immagine originale</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation>Dividi la doppia pagina del libro</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>Crono&amp;logia</translation>
    </message>
    <message>
        <source>Replace this page with a new scan?</source>
        <translation>Sostituire questa pagina con una nuova scansione?</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Nuova scansione</translation>
    </message>
    <message>
        <source>Turning pages upright...</source>
        <translation>Correzione dell&apos;orientamento delle pagine…</translation>
    </message>
    <message>
        <source>Can&apos;t tell which way up the pages %1 are.</source>
        <translation>Impossibile determinare l&apos;orientamento delle pagine %1.</translation>
    </message>
    <message>
        <source>Pages turned upright: %1 of %2.</source>
        <translation>Pagine ruotate: %1 di %2.</translation>
    </message>
    <message>
        <source>Turn &amp;Upright</source>
        <translation>&amp;Correggi orientamento</translation>
    </message>
    <message>
        <source>Turn the checked pages, or this page, upright by the direction of their text</source>
        <translation>Ruota nel verso giusto le pagine selezionate, o questa pagina, in base alla direzione del testo</translation>
    </message>
</context>
<context>
    <name>MoveToDlg</name>
    <message>
        <source>Move Page</source>
        <translation>Sposta pagina</translation>
    </message>
    <message>
        <source>Move page to...</source>
        <translation>Sposta la pagina in…</translation>
    </message>
    <message>
        <source>New Page Number:</source>
        <translation>Nuovo numero di pagina:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>OcrLanguages</name>
    <message>
        <source>Turning pages upright needs Tesseract&apos;s orientation data, which is not installed. Install the package %1.</source>
        <translation>Per correggere l&apos;orientamento delle pagine servono i dati di orientamento di Tesseract, che non sono installati. Installare il pacchetto %1.</translation>
    </message>
    <message>
        <source>Text recognition in %1 needs Tesseract&apos;s data for that language, which is not installed. Install the package %2.</source>
        <translation>Il riconoscimento del testo in %1 richiede i dati di Tesseract per questa lingua, che non sono installati. Installare il pacchetto %2.</translation>
    </message>
    <message>
        <source>Text recognition needs the Tesseract library, which is not installed. Install the package %1.</source>
        <translation>Il riconoscimento del testo richiede la libreria Tesseract, che non è installata. Installare il pacchetto %1.</translation>
    </message>
</context>
<context>
    <name>OfficePopupWindow</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>OptionsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>OptionsPage</name>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Here you can change the software options.</source>
        <translation>Qui è possibile modificare le opzioni del programma.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>&amp;Automatically check for updates</source>
        <translation>Cerca &amp;automaticamente gli aggiornamenti</translation>
    </message>
    <message>
        <source>How to translate to your language</source>
        <translation>Come tradurre Vellumo nella propria lingua</translation>
    </message>
</context>
<context>
    <name>PageBatch</name>
    <message>
        <source>Can&apos;t create the folder %1.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>Splitting %1 of %2...</source>
        <translation>Divisione della pagina %1 di %2…</translation>
    </message>
    <message>
        <source>Cropping %1 of %2...</source>
        <translation>Ritaglio della pagina %1 di %2…</translation>
    </message>
    <message>
        <source>Turning %1 of %2 upright...</source>
        <translation>Correzione dell&apos;orientamento della pagina %1 di %2…</translation>
    </message>
</context>
<context>
    <name>PageHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>Ann&amp;ulla: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>Re&amp;do %1</source>
        <translation>R&amp;ipeti: %1</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>R&amp;ipeti</translation>
    </message>
</context>
<context>
    <name>PageImages</name>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: the image is empty.</source>
        <translation>Impossibile scrivere %1: l&apos;immagine è vuota.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>the black-and-white image can&apos;t be compressed.</source>
        <translation>l&apos;immagine in bianco e nero non può essere compressa.</translation>
    </message>
</context>
<context>
    <name>PageImporter</name>
    <message>
        <source>Can&apos;t open file %1.</source>
        <translation>Impossibile aprire il file %1.</translation>
    </message>
    <message>
        <source>Drawing the pages of the PDF file.</source>
        <translation>Conversione in immagini delle pagine del file PDF.</translation>
    </message>
    <message>
        <source>Extracting images from PDF file.</source>
        <translation>Estrazione delle immagini dal file PDF.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file %1.&lt;br&gt;The image is too large: %2 x %3 pixels.</source>
        <translation>Impossibile caricare il file %1.&lt;br&gt;L&apos;immagine è troppo grande: %2 x %3 pixel.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file. Wrong file format.&lt;br&gt;%1</source>
        <translation>Impossibile caricare il file. Formato del file non valido.&lt;br&gt;%1</translation>
    </message>
    <message>
        <source>The file %1 is damaged: part of its picture may be missing.</source>
        <translation>Il file %1 è danneggiato: una parte dell&apos;immagine potrebbe mancare.</translation>
    </message>
    <message>
        <source>Can&apos;t extract image.</source>
        <translation>Impossibile estrarre l&apos;immagine.</translation>
    </message>
    <message>
        <source>This PDF file doesn&apos;t contain images.</source>
        <translation>Questo file PDF non contiene immagini.</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Its pages can be drawn as images instead, at %1 dpi.</source>
        <translation>In alternativa, le sue pagine possono essere convertite in immagini a %1 dpi.</translation>
    </message>
    <message>
        <source>&amp;Draw Pages</source>
        <translation>&amp;Converti le pagine</translation>
    </message>
</context>
<context>
    <name>PageStore</name>
    <message>
        <source>The page image is empty.</source>
        <translation>L&apos;immagine della pagina è vuota.</translation>
    </message>
    <message>
        <source>Can&apos;t rename %1 to %2.</source>
        <translation>Impossibile rinominare %1 in %2.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
</context>
<context>
    <name>PdfCommandLine</name>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 richiede un nome di file</translation>
    </message>
    <message>
        <source>--password needs a password</source>
        <translation>--password richiede una password</translation>
    </message>
    <message>
        <source>--paper takes A4, Letter or A0 to A6</source>
        <translation>--paper accetta A4, Letter o da A0 a A6</translation>
    </message>
    <message>
        <source>--orientation takes portrait or landscape</source>
        <translation>--orientation accetta portrait o landscape</translation>
    </message>
    <message>
        <source>--scale takes dpi, stretch or fit</source>
        <translation>--scale accetta dpi, stretch o fit</translation>
    </message>
    <message>
        <source>--margins takes four centimetre values: L,R,T,B</source>
        <translation>--margins richiede quattro valori in centimetri: L,R,T,B</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>no output file (-o OUT.pdf)</source>
        <translation>nessun file di output (-o OUT.pdf)</translation>
    </message>
    <message>
        <source>no page files</source>
        <translation>nessun file di pagina</translation>
    </message>
    <message>
        <source>%1 needs a text</source>
        <translation>%1 richiede un testo</translation>
    </message>
    <message>
        <source>usage: vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6] [--orientation portrait|landscape] [--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] [--author AUTHOR] [--ocr LANG[+LANG]] FILE...
       vellumo-cli check-pdf FILE|-   (exit code 0: pages can be appended to the PDF; - reads it from standard input)</source>
        <translation>Uso: vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6] [--orientation portrait|landscape] [--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] [--author AUTHOR] [--ocr LANG[+LANG]] FILE...
       vellumo-cli check-pdf FILE|-   (codice di uscita 0: è possibile aggiungere pagine al PDF; - lo legge dallo standard input)</translation>
    </message>
    <message>
        <source>--ocr takes Tesseract languages such as eng or eng+deu</source>
        <translation>--ocr accetta lingue di Tesseract come eng o eng+deu</translation>
    </message>
</context>
<context>
    <name>PdfImport</name>
    <message>
        <source>image %1: %2</source>
        <translation>immagine %1: %2</translation>
    </message>
</context>
<context>
    <name>PdfImportSession</name>
    <message>
        <source>The password is not right.</source>
        <translation>La password non è corretta.</translation>
    </message>
    <message>
        <source>The PDF file %1 is protected by a password.</source>
        <translation>Il file PDF %1 è protetto da password.</translation>
    </message>
</context>
<context>
    <name>PdfProgress</name>
    <message>
        <source>Creating PDF document.</source>
        <translation>Creazione del documento PDF.</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>PdfWriter</name>
    <message>
        <source>&quot;%1&quot; is not a list of text recognition languages.</source>
        <translation>&quot;%1&quot; non è un elenco di lingue per il riconoscimento del testo.</translation>
    </message>
</context>
<context>
    <name>PopupMessage</name>
    <message>
        <source>&lt;p&gt;&lt;font color=&quot;black&quot;&gt;&lt;h4&gt;&amp;nbsp;Vellumo Message&lt;/h4&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=&quot;black&quot;&gt;&lt;h4&gt;&amp;nbsp;Messaggio di Vellumo&lt;/h4&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ProjectArchive</name>
    <message>
        <source>Can&apos;t create the folder %1.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1 into %2: %3.</source>
        <translation>Impossibile scrivere %1 in %2: %3.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2.</source>
        <translation>Impossibile scrivere %1: %2.</translation>
    </message>
    <message>
        <source>Its entries overlap: the file is damaged.</source>
        <translation>Le sue voci si sovrappongono: il file è danneggiato.</translation>
    </message>
    <message>
        <source>not a page file</source>
        <translation>non è un file di pagina</translation>
    </message>
    <message>
        <source>a second entry of that name</source>
        <translation>una seconda voce con lo stesso nome</translation>
    </message>
    <message>
        <source>encrypted</source>
        <translation>cifrata</translation>
    </message>
    <message>
        <source>unknown compression</source>
        <translation>compressione sconosciuta</translation>
    </message>
    <message>
        <source>larger than any page</source>
        <translation>troppo grande per una pagina</translation>
    </message>
    <message>
        <source>There is not enough free disk space for %1.</source>
        <translation>Spazio libero su disco insufficiente per %1.</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illeggibile</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>danneggiata</translation>
    </message>
    <message>
        <source>not an image</source>
        <translation>non è un&apos;immagine</translation>
    </message>
    <message>
        <source>It holds no pages.</source>
        <translation>Non contiene pagine.</translation>
    </message>
</context>
<context>
    <name>PropertyModel</name>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Scanner</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>Cropping</source>
        <translation>Ritaglio</translation>
    </message>
</context>
<context>
    <name>PropertyPage</name>
    <message>
        <source>Default</source>
        <translation>Predefiniti</translation>
    </message>
</context>
<context>
    <name>RibbonSliderPane</name>
    <message>
        <source>Increase</source>
        <translation>Aumenta</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Diminuisci</translation>
    </message>
</context>
<context>
    <name>ScanPage</name>
    <message>
        <source>Scanning in progress</source>
        <translation>Scansione in corso</translation>
    </message>
    <message>
        <source>Scanned page will be added to the list</source>
        <translation>La pagina scansionata verrà aggiunta all&apos;elenco</translation>
    </message>
    <message>
        <source>Scanning in progress. Do not open scanner cover.</source>
        <translation>Scansione in corso. Non aprire il coperchio dello scanner.</translation>
    </message>
</context>
<context>
    <name>ScanPreviewDlg</name>
    <message>
        <source>Scan Preview</source>
        <translation>Anteprima di scansione</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scansiona</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>ScanResPage</name>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>You can change the scanning resolution for each of the modes. The higher the scanning resolution, the better the image quality, but it reduces the scanning speed.</source>
        <translation>Qui è possibile modificare la risoluzione di scansione per ciascuna modalità. Più alta è la risoluzione, migliore è la qualità dell&apos;immagine, ma più lenta è la scansione.</translation>
    </message>
    <message>
        <source>Middle:</source>
        <translation>Media:</translation>
    </message>
    <message>
        <source>Good:</source>
        <translation>Buona:</translation>
    </message>
    <message>
        <source>High:</source>
        <translation>Alta:</translation>
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
        <translation>Qui è possibile modificare le opzioni di scansione e attivare o disattivare l&apos;alimentatore di documenti.</translation>
    </message>
    <message>
        <source>Paper Source:</source>
        <translation>Origine carta:</translation>
    </message>
    <message>
        <source>Flatbed (platen)</source>
        <translation>Piano di scansione (vetro)</translation>
    </message>
    <message>
        <source>Automatic Feeder (ADF)</source>
        <translation>Alimentatore automatico di documenti (ADF)</translation>
    </message>
    <message>
        <source>Acquire:</source>
        <translation>Acquisisci:</translation>
    </message>
    <message>
        <source>One image</source>
        <translation>Un&apos;immagine</translation>
    </message>
    <message>
        <source>All available images</source>
        <translation>Tutte le immagini disponibili</translation>
    </message>
    <message>
        <source>Automatic &amp;deskewing of scanned pages</source>
        <translation>&amp;Raddrizzamento automatico delle pagine scansionate</translation>
    </message>
    <message>
        <source>Automatic &amp;cropping of scanned pages</source>
        <translation>Ri&amp;taglio automatico delle pagine scansionate</translation>
    </message>
    <message>
        <source>Automatic c&amp;ontrast adjustment of scanned pages</source>
        <translation>Regolazione automatica del &amp;contrasto delle pagine scansionate</translation>
    </message>
    <message>
        <source>Scan with &amp;preview</source>
        <translation>Scansione con &amp;anteprima</translation>
    </message>
    <message>
        <source>Turn pages upright automatically</source>
        <translation>Correzione automatica dell&apos;orientamento delle pagine scansionate</translation>
    </message>
</context>
<context>
    <name>SelectFileWidget</name>
    <message>
        <source>Open existing PDF</source>
        <translation>Apri PDF esistente</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>SelectFolderWidget</name>
    <message>
        <source>Select a folder</source>
        <translation>Seleziona una cartella</translation>
    </message>
</context>
<context>
    <name>SelectSaveFileWidget</name>
    <message>
        <source>Save file</source>
        <translation>Salva file</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Copyright &amp;copy; 2026 Leafkin. All rights reserved. &lt;a href=&quot;http://%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Copyright &amp;copy; 2026 Leafkin. Tutti i diritti riservati. &lt;a href=&quot;http://%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Vellumo is already running.&lt;br&gt;Only one copy of Vellumo can work with the pages at a time; please switch to the open window.</source>
        <translation>Vellumo è già in esecuzione.&lt;br&gt;Una sola istanza di Vellumo alla volta può lavorare sulle pagine; passare alla finestra aperta.</translation>
    </message>
    <message>
        <source>Critical error</source>
        <translation>Errore critico</translation>
    </message>
    <message>
        <source>Can&apos;t start application.</source>
        <translation>Impossibile avviare l&apos;applicazione.</translation>
    </message>
</context>
<context>
    <name>TimerPage</name>
    <message>
        <source>Scan &amp;Now &gt;</source>
        <translation>Scansiona &amp;ora &gt;</translation>
    </message>
    <message>
        <source>&amp;Resume Timer</source>
        <translation>&amp;Riprendi timer</translation>
    </message>
    <message>
        <source>&amp;Stop Timer</source>
        <translation>&amp;Sospendi timer</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>In attesa</translation>
    </message>
    <message>
        <source>Next scan will begin soon. Change page in the scanner.&lt;br&gt;Press &lt;b&gt;SPACE&lt;/b&gt; to pause timer. Press &lt;b&gt;ENTER&lt;/b&gt; to run Scan Now.</source>
        <translation>La prossima scansione inizierà a breve. Cambiare la pagina nello scanner.&lt;br&gt;Premere &lt;b&gt;SPAZIO&lt;/b&gt; per sospendere il timer. Premere &lt;b&gt;INVIO&lt;/b&gt; per scansionare subito.</translation>
    </message>
</context>
<context>
    <name>ToolLocator</name>
    <message>
        <source>%1 was not found. Vellumo looked for it in %2 and on the PATH; please reinstall Vellumo.</source>
        <translation>%1 non trovato. Vellumo lo ha cercato in %2 e nel PATH; reinstallare Vellumo.</translation>
    </message>
</context>
<context>
    <name>UpdateDlg</name>
    <message>
        <source>Vellumo Updates</source>
        <translation>Aggiornamenti di Vellumo</translation>
    </message>
    <message>
        <source>There are new version of Vellumo</source>
        <translation>È disponibile una nuova versione di Vellumo</translation>
    </message>
    <message>
        <source>Current Version: %1</source>
        <translation>Versione installata: %1</translation>
    </message>
    <message>
        <source>New Version: %1&lt;p&gt;Download: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;</source>
        <translation>Nuova versione: %1&lt;p&gt;Scarica: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
</context>
<context>
    <name>WaitingDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>WordProgress</name>
    <message>
        <source>Creating MS Word document.</source>
        <translation>Creazione del documento MS Word.</translation>
    </message>
    <message>
        <source>Writting MS Word document.</source>
        <translation>Scrittura del documento MS Word.</translation>
    </message>
</context>
<context>
    <name>ZipWriter</name>
    <message>
        <source>Can&apos;t compress %1.</source>
        <translation>Impossibile comprimere %1.</translation>
    </message>
    <message>
        <source>%1 is too large for a project.</source>
        <translation>%1 è troppo grande per un progetto.</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>non è stato possibile scrivere il file</translation>
    </message>
</context>
<context>
    <name>vellumo-cli</name>
    <message>
        <source>
       vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   (the page images of a PDF into DIR as 0001.jpg, 0002.tiff, 0003.png, ...)
       vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR FILE.pdf   (the pages of a PDF drawn into DIR as 0001.png, ...)</source>
        <translation>
       vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   (le immagini delle pagine di un PDF, in DIR come 0001.jpg, 0002.tiff, 0003.png, ...)
       vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR FILE.pdf   (le pagine di un PDF convertite in immagini, in DIR come 0001.png, ...)</translation>
    </message>
</context>
</TS>
