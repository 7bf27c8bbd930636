<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BrightnessDlg</name>
    <message>
        <source>Brightness / Contrast</source>
        <translation>Brillo / contraste</translation>
    </message>
    <message>
        <source>Source Image</source>
        <translation>Imagen original</translation>
    </message>
    <message>
        <source>Destination Image</source>
        <translation>Imagen resultante</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
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
Escanea papel y lo guarda como archivos PDF, DjVu, Word o de imagen.

Los archivos se abren como si se soltaran en la ventana: un proyecto (.vlmpj) sustituye al
documento abierto, y las imágenes y las imágenes de los archivos PDF se añaden como páginas.
Si Vellumo ya se está ejecutando, los archivos se envían a su ventana.

Opciones:
  -h, --help        muestra esta ayuda y sale
  -v, --version     muestra la versión y sale
      --demo-scanner  usa el dispositivo de prueba de SANE en lugar de los escáneres encontrados
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
        <translation>Recorte automático</translation>
    </message>
    <message>
        <source>You can set the auto cropping settings.</source>
        <translation>Aquí puede configurar el recorte automático.</translation>
    </message>
    <message>
        <source>Insert Margins</source>
        <translation>Añadir márgenes</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierdo</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Superior</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecho</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Inferior</translation>
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
        <translation>no es una imagen que Vellumo pueda leer (%1)</translation>
    </message>
    <message>
        <source>its copy %1 could not be written (%2)</source>
        <translation>no se ha podido escribir su copia %1 (%2)</translation>
    </message>
    <message>
        <source>Page %1 (%2) was not encoded: %3</source>
        <translation>La página %1 (%2) no se ha codificado: %3</translation>
    </message>
    <message>
        <source>%1 did not finish within %2 s</source>
        <translation>%1 no ha terminado en %2 s</translation>
    </message>
    <message>
        <source>%1 could not be started (%2)</source>
        <translation>no se ha podido iniciar %1 (%2)</translation>
    </message>
    <message>
        <source>%1 crashed</source>
        <translation>%1 se ha bloqueado</translation>
    </message>
    <message>
        <source>%1 ended with exit code %2</source>
        <translation>%1 ha terminado con el código de salida %2</translation>
    </message>
    <message>
        <source>%1 wrote nothing</source>
        <translation>%1 no ha escrito nada</translation>
    </message>
    <message>
        <source>%1 failed (%2)</source>
        <translation>%1 ha fallado (%2)</translation>
    </message>
    <message>
        <source>Can&apos;t read page %1 (%2): %3</source>
        <translation>No se puede leer la página %1 (%2): %3</translation>
    </message>
    <message>
        <source>None of the page files exists; %1 was not written.</source>
        <translation>No existe ninguno de los archivos de página; no se ha escrito %1.</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation>No se puede crear una carpeta temporal en %1: %2</translation>
    </message>
    <message>
        <source>The pages could not be combined into %1: %2</source>
        <translation>No se han podido combinar las páginas en %1: %2</translation>
    </message>
    <message>
        <source>The combined document %1 could not be read back: %2</source>
        <translation>No se ha podido volver a leer el documento combinado %1: %2</translation>
    </message>
    <message>
        <source>The combined document holds %1 of its %2 pages; %3 was not written.</source>
        <translation>El documento combinado contiene %1 de sus %2 páginas; no se ha escrito %3.</translation>
    </message>
    <message>
        <source>Page %1 is missing: %2</source>
        <translation>Falta la página %1: %2</translation>
    </message>
</context>
<context>
    <name>DjvuProgress</name>
    <message>
        <source>Creating DjVu file.</source>
        <translation>Creando el archivo DjVu.</translation>
    </message>
    <message>
        <source>Writting DjVu file.</source>
        <translation>Escribiendo el archivo DjVu.</translation>
    </message>
</context>
<context>
    <name>DocGenerator</name>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>The document %1 was written, but the temporary folder %2 could not be removed.</source>
        <translation>Se ha escrito el documento %1, pero no se ha podido eliminar la carpeta temporal %2.</translation>
    </message>
    <message>
        <source>Page %1 is missing: %2</source>
        <translation>Falta la página %1: %2</translation>
    </message>
</context>
<context>
    <name>DocxGenerator</name>
    <message>
        <source>Can&apos;t read the Word template %1.</source>
        <translation>No se puede leer la plantilla de Word %1.</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation>No se puede crear una carpeta temporal en %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
</context>
<context>
    <name>DraggedWidget</name>
    <message>
        <source>Scan a page or drop files here</source>
        <translation>Escanee una página o suelte archivos aquí</translation>
    </message>
    <message>
        <source>Images (JPEG, PNG, TIFF, BMP), PDF files and projects can be dropped onto this window.</source>
        <translation>Puede soltar en esta ventana imágenes (JPEG, PNG, TIFF, BMP), archivos PDF y proyectos.</translation>
    </message>
</context>
<context>
    <name>ExportDjvuDlg</name>
    <message>
        <source>Export to DjVu</source>
        <translation>Exportar a DjVu</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation>Guardar en el archivo:</translation>
    </message>
    <message>
        <source>DjVu File (*.djvu)</source>
        <translation>Archivo DjVu (*.djvu)</translation>
    </message>
    <message>
        <source>DjVu &amp;Compression:</source>
        <translation>&amp;Compresión DjVu:</translation>
    </message>
    <message>
        <source>&amp;Open DjVu file after creation</source>
        <translation>&amp;Abrir el archivo DjVu después de crearlo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ExportDlg</name>
    <message>
        <source>Build PDF</source>
        <translation>Crear PDF</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Diseño de página</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>&amp;Scale:</source>
        <translation>&amp;Escala:</translation>
    </message>
    <message>
        <source>By dots per inch</source>
        <translation>Según la resolución (ppp)</translation>
    </message>
    <message>
        <source>Stretch to paper list</source>
        <translation>Ajustar a la hoja</translation>
    </message>
    <message>
        <source>Stretch with keeping aspect</source>
        <translation>Ajustar manteniendo la proporción</translation>
    </message>
    <message>
        <source>&amp;Paper size:</source>
        <translation>&amp;Tamaño del papel:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>&amp;Orientación:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>&amp;Save to file:</source>
        <translation>&amp;Guardar en el archivo:</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Archivo PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Append pages to existing file</source>
        <translation>&amp;Añadir las páginas a un archivo existente</translation>
    </message>
    <message>
        <source>&amp;Open PDF document after creation</source>
        <translation>A&amp;brir el documento PDF después de crearlo</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Márgenes</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierdo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecho</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Superior</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Inferior</translation>
    </message>
    <message>
        <source> cm</source>
        <translation> cm</translation>
    </message>
    <message>
        <source>By Page &amp;Center</source>
        <translation>&amp;Centrar en la página</translation>
    </message>
    <message>
        <source>Use &amp;Password:</source>
        <translation>&amp;Usar contraseña:</translation>
    </message>
    <message>
        <source>Type a password or keep empty</source>
        <translation>Escriba una contraseña o deje el campo vacío</translation>
    </message>
    <message>
        <source>&amp;Save password for next using</source>
        <translation>Guardar la contraseña para la &amp;próxima vez</translation>
    </message>
    <message>
        <source>Save to PDF</source>
        <translation>Guardar en PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Please enter a file name.</source>
        <translation>Introduzca un nombre de archivo.</translation>
    </message>
    <message>
        <source>Please select an existing PDF file.</source>
        <translation>Seleccione un archivo PDF existente.</translation>
    </message>
    <message>
        <source>Pages: %1/%2</source>
        <translation>Página: %1/%2</translation>
    </message>
    <message>
        <source>No password store is running on this desktop, so the password can&apos;t be kept.</source>
        <translation>No hay ningún gestor de contraseñas en funcionamiento en este escritorio, así que no se puede guardar la contraseña.</translation>
    </message>
    <message>
        <source>Can&apos;t keep the password: %1</source>
        <translation>No se puede guardar la contraseña: %1</translation>
    </message>
    <message>
        <source>Make text searchable (OCR)</source>
        <translation>Permitir buscar en el texto (OCR)</translation>
    </message>
    <message>
        <source>Text &amp;language:</source>
        <translation>&amp;Idioma del texto:</translation>
    </message>
    <message numerus="yes">
        <source>The text of %n page(s) could not be recognised; they are in the PDF as pictures only.</source>
        <translation>
            <numerusform>No se ha podido reconocer el texto de %n página; está en el PDF solo como imagen.</numerusform>
            <numerusform>No se ha podido reconocer el texto de %n páginas; están en el PDF solo como imágenes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportFileDlg</name>
    <message>
        <source>Export to image list</source>
        <translation>Exportar como imágenes</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Save to &amp;Folder:</source>
        <translation>Guardar en la &amp;carpeta:</translation>
    </message>
    <message>
        <source>Image Format:</source>
        <translation>Formato de imagen:</translation>
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
        <translation>Calidad:</translation>
    </message>
    <message>
        <source>File Prefix:</source>
        <translation>Prefijo del archivo:</translation>
    </message>
    <message>
        <source>Counter [C]</source>
        <translation>Contador [C]</translation>
    </message>
    <message>
        <source>Date [D]</source>
        <translation>Fecha [D]</translation>
    </message>
    <message>
        <source>&amp;Open folder after creation</source>
        <translation>&amp;Abrir la carpeta al terminar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Folder %1 isn&apos;t exists.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
</context>
<context>
    <name>ExportWordDlg</name>
    <message>
        <source>Export to Microsoft Word</source>
        <translation>Exportar a Microsoft Word</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation>Guardar en el archivo:</translation>
    </message>
    <message>
        <source>Microsoft Word File (*.docx)</source>
        <translation>Archivo de Microsoft Word (*.docx)</translation>
    </message>
    <message>
        <source>&amp;Open Word document after creation</source>
        <translation>&amp;Abrir el documento de Word después de crearlo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>EzPrevScan</name>
    <message>
        <source>Scanning...</source>
        <translation>Escaneando...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>FlipWidget</name>
    <message>
        <source>Rotate:</source>
        <translation>Girar:</translation>
    </message>
    <message>
        <source>Don&apos;t rotate</source>
        <translation>No girar</translation>
    </message>
    <message>
        <source>Each page</source>
        <translation>Todas las páginas</translation>
    </message>
    <message>
        <source>Every odd page (1, 3, 5...)</source>
        <translation>Páginas impares (1, 3, 5...)</translation>
    </message>
    <message>
        <source>Every even page (2, 4, 6...)</source>
        <translation>Páginas pares (2, 4, 6...)</translation>
    </message>
    <message>
        <source>Rotate Angle:</source>
        <translation>Ángulo de giro:</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Voltear</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Girar a la derecha</translation>
    </message>
</context>
<context>
    <name>ImageEditor</name>
    <message>
        <source>Restore Source Image</source>
        <translation>Restaurar la imagen original</translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation>Recorte automático</translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation>Dividir la doble página del libro en dos páginas</translation>
    </message>
    <message>
        <source>Crop this image</source>
        <translation>Recortar esta imagen</translation>
    </message>
    <message>
        <source>Adjust contrast</source>
        <translation>Ajustar el contraste</translation>
    </message>
    <message>
        <source>Rescan this page</source>
        <translation>Volver a escanear esta página</translation>
    </message>
    <message>
        <source>Save this page as the image</source>
        <translation>Guardar esta página como imagen</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Flip this page</source>
        <translation>Voltear esta página</translation>
    </message>
    <message>
        <source>Delete this page</source>
        <translation>Eliminar esta página</translation>
    </message>
</context>
<context>
    <name>ImageExportCommand</name>
    <message>
        <source>
       vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...   (each page an image file; P: &quot;[C]&quot; page counter, &quot;[D]&quot; date; default IMAGE_[C], jpg, quality 85)</source>
        <translation>
     vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...   (cada página en un archivo de imagen; P: &quot;[C]&quot; contador de páginas, &quot;[D]&quot; fecha; por omisión IMAGE_[C], jpg, calidad 85)</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 necesita una carpeta</translation>
    </message>
    <message>
        <source>--format takes jpg, tiff, png or bmp</source>
        <translation>--format admite jpg, tiff, png o bmp</translation>
    </message>
    <message>
        <source>--quality takes a number from 0 to 100</source>
        <translation>--quality admite un número de 0 a 100</translation>
    </message>
    <message>
        <source>--pattern needs a file name pattern</source>
        <translation>--pattern necesita un patrón de nombre de archivo</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>no target folder (-o DIR)</source>
        <translation>no hay carpeta de destino (-o DIR)</translation>
    </message>
    <message>
        <source>no page files</source>
        <translation>no hay archivos de página</translation>
    </message>
    <message>
        <source>wrote %1</source>
        <translation>escrito %1</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>error en %1: %2</translation>
    </message>
</context>
<context>
    <name>ImageExporter</name>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>Folder %1 isn&apos;t exists.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>Files keep appearing under the name.</source>
        <translation>Siguen apareciendo archivos con ese nombre.</translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1: %2</source>
        <translation>No se puede guardar la imagen en %1: %2</translation>
    </message>
    <message>
        <source>no image format for this file name</source>
        <translation>no hay ningún formato de imagen para este nombre de archivo</translation>
    </message>
</context>
<context>
    <name>ImgProgress</name>
    <message>
        <source>Creating images.</source>
        <translation>Creando las imágenes.</translation>
    </message>
    <message>
        <source>Writting images.</source>
        <translation>Escribiendo las imágenes.</translation>
    </message>
</context>
<context>
    <name>IntroPage</name>
    <message>
        <source>Automatic Scanning</source>
        <translation>Escaneo automático</translation>
    </message>
    <message>
        <source>Document Scanning</source>
        <translation>Escaneo de documentos</translation>
    </message>
    <message>
        <source>&lt;b&gt;Vellumo&lt;/b&gt; will automatically run a scan after a specified time interval.</source>
        <translation>&lt;b&gt;Vellumo&lt;/b&gt; escaneará automáticamente una vez transcurrido el intervalo de tiempo indicado.</translation>
    </message>
    <message>
        <source>Select the time interval in seconds:</source>
        <translation>Seleccione el intervalo de tiempo en segundos:</translation>
    </message>
    <message>
        <source>Scan first page now (don&apos;t wait)</source>
        <translation>Escanear la primera página ahora (sin esperar)</translation>
    </message>
    <message>
        <source>Split the book spreak into two pages</source>
        <translation>Dividir la doble página del libro en dos páginas</translation>
    </message>
</context>
<context>
    <name>KSlabWidget</name>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vellumo - Automatic Scan to PDF, DjVu, JPEG, TIFF, BMP, PNG</source>
        <translation>Vellumo - Escaneo automático a PDF, DjVu, JPEG, TIFF, BMP, PNG</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Page count:</source>
        <translation>Número de páginas:</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Seleccionadas:</translation>
    </message>
    <message>
        <source>Scale: </source>
        <translation>Escala: </translation>
    </message>
    <message>
        <source>Keep scale</source>
        <translation>Mantener la escala</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>0 DPI</source>
        <translation>0 ppp</translation>
    </message>
    <message>
        <source>0x0 cm</source>
        <translation>0x0 cm</translation>
    </message>
    <message>
        <source>%1 DPI</source>
        <translation>%1 ppp</translation>
    </message>
    <message>
        <source>%1 x %2 cm</source>
        <translation>%1 x %2 cm</translation>
    </message>
    <message>
        <source>Load &amp;PDF</source>
        <translation>Car&amp;gar PDF</translation>
    </message>
    <message>
        <source>&amp;Open Project...</source>
        <translation>&amp;Abrir proyecto...</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>All Image Files (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Bitmaps (*.bmp);;TIFF Image File (*.tiff *.tif);;JPEG Image File (*.jpeg *.jpg);;PNG Image File (*.png);;</source>
        <translation>Todos los archivos de imagen (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Mapas de bits (*.bmp);;Imagen TIFF (*.tiff *.tif);;Imagen JPEG (*.jpeg *.jpg);;Imagen PNG (*.png);;</translation>
    </message>
    <message>
        <source>Do you want to remove %1 checked pages from the document?</source>
        <translation>¿Quiere eliminar del documento las %1 páginas marcadas?</translation>
    </message>
    <message>
        <source>Do you want to remove the page?</source>
        <translation>¿Quiere eliminar la página?</translation>
    </message>
    <message>
        <source>Do you want to remove all checked pages from the document?</source>
        <translation>¿Quiere eliminar del documento todas las páginas marcadas?</translation>
    </message>
    <message>
        <source>Do you want to remove all unchecked pages from the document?</source>
        <translation>¿Quiere eliminar del documento todas las páginas sin marcar?</translation>
    </message>
    <message>
        <source>Do you want to remove all pages but current from the document?</source>
        <translation>¿Quiere eliminar del documento todas las páginas excepto la actual?</translation>
    </message>
    <message>
        <source>Do you want to remove all pages from the document?</source>
        <translation>¿Quiere eliminar todas las páginas del documento?</translation>
    </message>
    <message>
        <source>&amp;Scan &amp;&amp; PDF</source>
        <translation>&amp;Escanear &amp;&amp; PDF</translation>
    </message>
    <message>
        <source>&amp;Editing</source>
        <translation>E&amp;dición</translation>
    </message>
    <message>
        <source>&amp;Composition</source>
        <translation>&amp;Composición</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Información</translation>
    </message>
    <message>
        <source>Fast &amp;Settings</source>
        <translation>Ajustes &amp;rápidos</translation>
    </message>
    <message>
        <source>&amp;Scanning</source>
        <translation>&amp;Escaneo</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>&amp;Girar</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Correction</source>
        <translation>&amp;Corrección</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Mover</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>&amp;Checking</source>
        <translation>&amp;Marcado</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Escáner:</translation>
    </message>
    <message>
        <source>Color Mode:</source>
        <translation>Modo de color:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Calidad:</translation>
    </message>
    <message>
        <source>Select Scanner</source>
        <translation>Seleccionar escáner</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Modo de color</translation>
    </message>
    <message>
        <source>Scan Quality</source>
        <translation>Calidad de escaneo</translation>
    </message>
    <message>
        <source>Black-White</source>
        <translation>Blanco y negro</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Escala de grises</translation>
    </message>
    <message>
        <source>Photo Color</source>
        <translation>Color (fotografía)</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Buena</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>Con&amp;figuración</translation>
    </message>
    <message>
        <source>Change the application settings.</source>
        <translation>Cambiar la configuración de la aplicación.</translation>
    </message>
    <message>
        <source>Scan &amp;Page</source>
        <translation>Escanear &amp;página</translation>
    </message>
    <message>
        <source>Scan whole page. Press Space to start scanning.</source>
        <translation>Escanear la página completa. Pulse Espacio para empezar a escanear.</translation>
    </message>
    <message>
        <source>&amp;Auto Scan</source>
        <translation>Escaneo au&amp;tomático</translation>
    </message>
    <message>
        <source>Scan a document or a book in automatic mode.</source>
        <translation>Escanear un documento o un libro en modo automático.</translation>
    </message>
    <message>
        <source>From &amp;File</source>
        <translation>Desde &amp;archivo</translation>
    </message>
    <message>
        <source>Load an image from a file.</source>
        <translation>Cargar una imagen desde un archivo.</translation>
    </message>
    <message>
        <source>Extract images from PDF file.</source>
        <translation>Extraer las imágenes de un archivo PDF.</translation>
    </message>
    <message>
        <source>Build PDF &amp;Document</source>
        <translation>Crear d&amp;ocumento PDF</translation>
    </message>
    <message>
        <source>Build the PDF document from scanned pages.</source>
        <translation>Crear el documento PDF a partir de las páginas escaneadas.</translation>
    </message>
    <message>
        <source>Build DjVu &amp;File</source>
        <translation>Crear archivo D&amp;jVu</translation>
    </message>
    <message>
        <source>Build the DjVu file from scanned pages.</source>
        <translation>Crear el archivo DjVu a partir de las páginas escaneadas.</translation>
    </message>
    <message>
        <source>Build &amp;Word Document</source>
        <translation>Crear documento de &amp;Word</translation>
    </message>
    <message>
        <source>Build the MS Word (docx) document from scanned pages.</source>
        <translation>Crear el documento de MS Word (docx) a partir de las páginas escaneadas.</translation>
    </message>
    <message>
        <source>Save &amp;As Pictures</source>
        <translation>Guardar como i&amp;mágenes</translation>
    </message>
    <message>
        <source>Save scanned pages to folder.</source>
        <translation>Guardar las páginas escaneadas en una carpeta.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Imp&amp;rimir</translation>
    </message>
    <message>
        <source>Print scanned pages.</source>
        <translation>Imprimir las páginas escaneadas.</translation>
    </message>
    <message>
        <source>Turn &amp;Left</source>
        <translation>&amp;Girar a la izquierda</translation>
    </message>
    <message>
        <source>Rotate Image Left</source>
        <translation>Girar la imagen a la izquierda</translation>
    </message>
    <message>
        <source>&amp;Turn Right</source>
        <translation>Girar a la derec&amp;ha</translation>
    </message>
    <message>
        <source>Rotate Image Right</source>
        <translation>Girar la imagen a la derecha</translation>
    </message>
    <message>
        <source>&amp;Flip Image</source>
        <translation>Vol&amp;tear imagen</translation>
    </message>
    <message>
        <source>Flip the Image</source>
        <translation>Voltear la imagen</translation>
    </message>
    <message>
        <source>&amp;Rotate to Angle</source>
        <translation>Girar a un á&amp;ngulo</translation>
    </message>
    <message>
        <source>Rotate Image to Angle</source>
        <translation>Girar la imagen a un ángulo</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom Image In</source>
        <translation>Ampliar la imagen</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Red&amp;ucir</translation>
    </message>
    <message>
        <source>Zoom Image Out</source>
        <translation>Reducir la imagen</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>A&amp;justar a la ventana</translation>
    </message>
    <message>
        <source>Fit Image to Window</source>
        <translation>Ajustar la imagen a la ventana</translation>
    </message>
    <message>
        <source>&amp;Crop Image</source>
        <translation>&amp;Recortar imagen</translation>
    </message>
    <message>
        <source>Show Frame to Crop Image</source>
        <translation>Mostrar el marco para recortar la imagen</translation>
    </message>
    <message>
        <source>&amp;Image Contrast</source>
        <translation>C&amp;ontraste de imagen</translation>
    </message>
    <message>
        <source>Adjust Brightness</source>
        <translation>Ajustar el brillo</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Mover a&amp;rriba</translation>
    </message>
    <message>
        <source>Move up current page in the list.</source>
        <translation>Subir la página actual en la lista.</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Mover a&amp;bajo</translation>
    </message>
    <message>
        <source>Move down current page in the list.</source>
        <translation>Bajar la página actual en la lista.</translation>
    </message>
    <message>
        <source>Move to &amp;Top</source>
        <translation>Mover al &amp;principio</translation>
    </message>
    <message>
        <source>Move current page to top of the list.</source>
        <translation>Mover la página actual al principio de la lista.</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation>Mover al &amp;final</translation>
    </message>
    <message>
        <source>Move current page to bottom of the list.</source>
        <translation>Mover la página actual al final de la lista.</translation>
    </message>
    <message>
        <source>Move to &amp;Position</source>
        <translation>Mover a una p&amp;osición</translation>
    </message>
    <message>
        <source>Move current page to position.</source>
        <translation>Mover la página actual a una posición.</translation>
    </message>
    <message>
        <source>&amp;Remove Page</source>
        <translation>Elimi&amp;nar página</translation>
    </message>
    <message>
        <source>Delete current page from the list.</source>
        <translation>Eliminar la página actual de la lista.</translation>
    </message>
    <message>
        <source>&amp;Check All</source>
        <translation>&amp;Marcar todas</translation>
    </message>
    <message>
        <source>Check all pages in the project.</source>
        <translation>Marcar todas las páginas del proyecto.</translation>
    </message>
    <message>
        <source>&amp;Uncheck All</source>
        <translation>Desm&amp;arcar todas</translation>
    </message>
    <message>
        <source>Uncheck all pages in the project.</source>
        <translation>Desmarcar todas las páginas del proyecto.</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>&amp;Sitio web</translation>
    </message>
    <message>
        <source>Go to the Vellumo homepage</source>
        <translation>Ir a la página web de Vellumo</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>About Software</source>
        <translation>Acerca del programa</translation>
    </message>
    <message>
        <source>Check &amp;Updates</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Check for updates in Internet.</source>
        <translation>Buscar actualizaciones en Internet.</translation>
    </message>
    <message>
        <source>&amp;Vellumo</source>
        <translation>&amp;Vellumo</translation>
    </message>
    <message>
        <source>Click here to save a project, &lt;br/&gt; open an existing project&lt;br/&gt; or start a new project.</source>
        <translation>Pulse aquí para guardar un proyecto, &lt;br/&gt; abrir un proyecto existente&lt;br/&gt; o empezar un proyecto nuevo.</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Nuevo proyecto</translation>
    </message>
    <message>
        <source>Starts a new project</source>
        <translation>Empieza un proyecto nuevo</translation>
    </message>
    <message>
        <source>Open an existing project</source>
        <translation>Abre un proyecto existente</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>&amp;Guardar proyecto</translation>
    </message>
    <message>
        <source>Save the current project</source>
        <translation>Guarda el proyecto actual</translation>
    </message>
    <message>
        <source>&amp;Recover Project</source>
        <translation>&amp;Recuperar proyecto</translation>
    </message>
    <message>
        <source>Recover the auto-saved project</source>
        <translation>Recupera el proyecto guardado automáticamente</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Close the application</source>
        <translation>Cierra la aplicación</translation>
    </message>
    <message>
        <source>Crop Mode</source>
        <translation>Modo de recorte</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation>Recorte automático</translation>
    </message>
    <message>
        <source>Rotate Mode</source>
        <translation>Modo de giro</translation>
    </message>
    <message>
        <source> deg.</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Rotating...</source>
        <translation>Girando...</translation>
    </message>
    <message>
        <source>Vellumo Project (*.vlmpj)</source>
        <translation>Proyecto de Vellumo (*.vlmpj)</translation>
    </message>
    <message>
        <source>The current project is not saved yet. Do you want to save it?</source>
        <translation>El proyecto actual aún no se ha guardado. ¿Quiere guardarlo?</translation>
    </message>
    <message>
        <source>The current project has been changed. Do you want to save it?</source>
        <translation>El proyecto actual ha cambiado. ¿Quiere guardarlo?</translation>
    </message>
    <message>
        <source>New project has been begun.</source>
        <translation>Se ha empezado un proyecto nuevo.</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Abrir proyecto</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>Abriendo...</translation>
    </message>
    <message>
        <source>Empty project. Scan a document before the saving.</source>
        <translation>El proyecto está vacío. Escanee un documento antes de guardar.</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Guardar proyecto</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Guardando...</translation>
    </message>
    <message>
        <source>Can&apos;t save the project to %1.&lt;br&gt;%2</source>
        <translation>No se puede guardar el proyecto en %1.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Project has been saved.</source>
        <translation>Se ha guardado el proyecto.</translation>
    </message>
    <message>
        <source>Auto saved project has been recovered.</source>
        <translation>Se ha recuperado el proyecto guardado automáticamente.</translation>
    </message>
    <message>
        <source>There are no files to recover.</source>
        <translation>No hay archivos que recuperar.</translation>
    </message>
    <message>
        <source>Vellumo found %1 pages of an earlier session in its working folder.&lt;br&gt;Do you want to recover them now?</source>
        <translation>Vellumo ha encontrado en su carpeta de trabajo %1 páginas de una sesión anterior.&lt;br&gt;¿Quiere recuperarlas ahora?</translation>
    </message>
    <message>
        <source>Scanners not found.&lt;br&gt;Please plug a scanner.</source>
        <translation>No se ha encontrado ningún escáner.&lt;br&gt;Conecte un escáner.</translation>
    </message>
    <message>
        <source>Auto cropping...</source>
        <translation>Recortando automáticamente...</translation>
    </message>
    <message>
        <source>Scanning has cancelled.</source>
        <translation>Se ha cancelado el escaneo.</translation>
    </message>
    <message>
        <source>PDF file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Se ha creado el archivo PDF.&lt;br&gt;Abrir &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Word file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Se ha creado el archivo de Word.&lt;br&gt;Abrir &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while Word file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Error al crear el archivo de Word.&lt;br&gt;No se puede escribir el archivo %1. Probablemente el archivo está abierto o no tiene permiso para escribir en la carpeta.</translation>
    </message>
    <message>
        <source>DjVu file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Se ha creado el archivo DjVu.&lt;br&gt;Abrir &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while DjVu file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Error al crear el archivo DjVu.&lt;br&gt;No se puede escribir el archivo %1. Probablemente el archivo está abierto o no tiene permiso para escribir en la carpeta.</translation>
    </message>
    <message>
        <source>Images was saved.&lt;br&gt;Open folder &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Se han guardado las imágenes.&lt;br&gt;Abrir la carpeta &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while Image file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened.</source>
        <translation>Error al crear el archivo de imagen.&lt;br&gt;No se puede escribir el archivo %1. Probablemente el archivo está abierto.</translation>
    </message>
    <message>
        <source>Can&apos;t save the page %1.</source>
        <translation>No se puede guardar la página %1.</translation>
    </message>
    <message>
        <source>Error while PDF file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Error al crear el archivo PDF.&lt;br&gt;No se puede escribir el archivo %1. Probablemente el archivo está abierto o no tiene permiso para escribir en la carpeta.</translation>
    </message>
    <message>
        <source>Can&apos;t split the scanned page. It has been kept as one page.</source>
        <translation>No se puede dividir la página escaneada. Se ha conservado como una sola página.</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>JPEG file (*.jpg);;TIFF file (*.tiff);;BMP file (*.bmp);;PNG file (*.png)</source>
        <translation>Archivo JPEG (*.jpg);;Archivo TIFF (*.tiff);;Archivo BMP (*.bmp);;Archivo PNG (*.png)</translation>
    </message>
    <message>
        <source>The page has been saved to %1.</source>
        <translation>Se ha guardado la página en %1.</translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1.</source>
        <translation>No se puede guardar la imagen en %1.</translation>
    </message>
    <message>
        <source>Extract images from PDF</source>
        <translation>Extraer imágenes de un PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Archivo PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Can&apos;t open file %1.</source>
        <translation>No se puede abrir el archivo %1.</translation>
    </message>
    <message>
        <source>Can&apos;t crop the page.</source>
        <translation>No se puede recortar la página.</translation>
    </message>
    <message>
        <source>Can&apos;t crop the pages %1.</source>
        <translation>No se pueden recortar las páginas %1.</translation>
    </message>
    <message>
        <source>Splitting...</source>
        <translation>Dividiendo...</translation>
    </message>
    <message>
        <source>Can&apos;t split the page.</source>
        <translation>No se puede dividir la página.</translation>
    </message>
    <message>
        <source>Can&apos;t split the pages %1.</source>
        <translation>No se pueden dividir las páginas %1.</translation>
    </message>
    <message>
        <source>Can&apos;t open the project %1.&lt;br&gt;%2</source>
        <translation>No se puede abrir el proyecto %1.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Some pages of the project %1 could not be unpacked.</source>
        <translation>No se han podido desempaquetar algunas páginas del proyecto %1.</translation>
    </message>
    <message>
        <source>Some entries of the project %1 were left out: %2</source>
        <translation>Se han omitido algunas entradas del proyecto %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The %n page(s) scanned so far have been kept.</source>
        <translation>
            <numerusform>Se ha conservado %n página escaneada hasta ahora.</numerusform>
            <numerusform>Se han conservado las %n páginas escaneadas hasta ahora.</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Preparing to print...</source>
        <translation>Preparando la impresión...</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Buscando actualizaciones</translation>
    </message>
    <message>
        <source>ERROR!&lt;br&gt;Can&apos;t connect to the update server. Please check network settings.</source>
        <translation>¡ERROR!&lt;br&gt;No se puede conectar con el servidor de actualizaciones. Compruebe la configuración de red.</translation>
    </message>
    <message>
        <source>You use a latest version of Vellumo.</source>
        <translation>Está usando la versión más reciente de Vellumo.</translation>
    </message>
    <message>
        <source>Thank you for updating Vellumo.&lt;p&gt;Please close the program and run the install file.</source>
        <translation>Gracias por actualizar Vellumo.&lt;p&gt;Cierre el programa y ejecute el archivo de instalación.</translation>
    </message>
    <message>
        <source>Restore Source Image</source>
        <translation>Restaurar la imagen original</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation>Dividir la doble página del libro en dos páginas</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>Historia&amp;l</translation>
    </message>
    <message>
        <source>Replace this page with a new scan?</source>
        <translation>¿Quiere sustituir esta página por un nuevo escaneo?</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Volver a escanear</translation>
    </message>
    <message>
        <source>Turning pages upright...</source>
        <translation>Corrigiendo la orientación de las páginas...</translation>
    </message>
    <message>
        <source>Can&apos;t tell which way up the pages %1 are.</source>
        <translation>No se puede determinar la orientación de las páginas %1.</translation>
    </message>
    <message>
        <source>Pages turned upright: %1 of %2.</source>
        <translation>Páginas giradas: %1 de %2.</translation>
    </message>
    <message>
        <source>Turn &amp;Upright</source>
        <translation>&amp;Corregir orientación</translation>
    </message>
    <message>
        <source>Turn the checked pages, or this page, upright by the direction of their text</source>
        <translation>Girar las páginas marcadas, o esta página, a su posición correcta según la dirección del texto</translation>
    </message>
</context>
<context>
    <name>MoveToDlg</name>
    <message>
        <source>Move Page</source>
        <translation>Mover página</translation>
    </message>
    <message>
        <source>Move page to...</source>
        <translation>Mover la página a...</translation>
    </message>
    <message>
        <source>New Page Number:</source>
        <translation>Nuevo número de página:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>OcrLanguages</name>
    <message>
        <source>Turning pages upright needs Tesseract&apos;s orientation data, which is not installed. Install the package %1.</source>
        <translation>Para corregir la orientación de las páginas se necesitan los datos de orientación de Tesseract, que no están instalados. Instale el paquete %1.</translation>
    </message>
    <message>
        <source>Text recognition in %1 needs Tesseract&apos;s data for that language, which is not installed. Install the package %2.</source>
        <translation>El reconocimiento de texto en %1 necesita los datos de Tesseract para ese idioma, que no están instalados. Instale el paquete %2.</translation>
    </message>
    <message>
        <source>Text recognition needs the Tesseract library, which is not installed. Install the package %1.</source>
        <translation>El reconocimiento de texto necesita la biblioteca Tesseract, que no está instalada. Instale el paquete %1.</translation>
    </message>
</context>
<context>
    <name>OfficePopupWindow</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>OptionsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Aquí puede cambiar las opciones del programa.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>&amp;Automatically check for updates</source>
        <translation>Buscar actualizaciones &amp;automáticamente</translation>
    </message>
    <message>
        <source>How to translate to your language</source>
        <translation>Cómo traducir Vellumo a su idioma</translation>
    </message>
</context>
<context>
    <name>PageBatch</name>
    <message>
        <source>Can&apos;t create the folder %1.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Splitting %1 of %2...</source>
        <translation>Dividiendo %1 de %2...</translation>
    </message>
    <message>
        <source>Cropping %1 of %2...</source>
        <translation>Recortando %1 de %2...</translation>
    </message>
    <message>
        <source>Turning %1 of %2 upright...</source>
        <translation>Corrigiendo la orientación de %1 de %2...</translation>
    </message>
</context>
<context>
    <name>PageHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Re&amp;do %1</source>
        <translation>R&amp;ehacer: %1</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>R&amp;ehacer</translation>
    </message>
</context>
<context>
    <name>PageImages</name>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: the image is empty.</source>
        <translation>No se puede escribir %1: la imagen está vacía.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>the black-and-white image can&apos;t be compressed.</source>
        <translation>no se puede comprimir la imagen en blanco y negro.</translation>
    </message>
</context>
<context>
    <name>PageImporter</name>
    <message>
        <source>Can&apos;t open file %1.</source>
        <translation>No se puede abrir el archivo %1.</translation>
    </message>
    <message>
        <source>Drawing the pages of the PDF file.</source>
        <translation>Convirtiendo las páginas del archivo PDF en imágenes.</translation>
    </message>
    <message>
        <source>Extracting images from PDF file.</source>
        <translation>Extrayendo las imágenes del archivo PDF.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file %1.&lt;br&gt;The image is too large: %2 x %3 pixels.</source>
        <translation>No se puede cargar el archivo %1.&lt;br&gt;La imagen es demasiado grande: %2 x %3 píxeles.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file. Wrong file format.&lt;br&gt;%1</source>
        <translation>No se puede cargar el archivo. El formato del archivo no es válido.&lt;br&gt;%1</translation>
    </message>
    <message>
        <source>The file %1 is damaged: part of its picture may be missing.</source>
        <translation>El archivo %1 está dañado: puede faltar parte de la imagen.</translation>
    </message>
    <message>
        <source>Can&apos;t extract image.</source>
        <translation>No se puede extraer la imagen.</translation>
    </message>
    <message>
        <source>This PDF file doesn&apos;t contain images.</source>
        <translation>Este archivo PDF no contiene imágenes.</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Its pages can be drawn as images instead, at %1 dpi.</source>
        <translation>En su lugar, sus páginas pueden convertirse en imágenes a %1 ppp.</translation>
    </message>
    <message>
        <source>&amp;Draw Pages</source>
        <translation>&amp;Convertir páginas</translation>
    </message>
</context>
<context>
    <name>PageStore</name>
    <message>
        <source>The page image is empty.</source>
        <translation>La imagen de la página está vacía.</translation>
    </message>
    <message>
        <source>Can&apos;t rename %1 to %2.</source>
        <translation>No se puede cambiar el nombre de %1 a %2.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
</context>
<context>
    <name>PdfCommandLine</name>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--password needs a password</source>
        <translation>--password necesita una contraseña</translation>
    </message>
    <message>
        <source>--paper takes A4, Letter or A0 to A6</source>
        <translation>--paper admite A4, Letter o de A0 a A6</translation>
    </message>
    <message>
        <source>--orientation takes portrait or landscape</source>
        <translation>--orientation admite portrait o landscape</translation>
    </message>
    <message>
        <source>--scale takes dpi, stretch or fit</source>
        <translation>--scale admite dpi, stretch o fit</translation>
    </message>
    <message>
        <source>--margins takes four centimetre values: L,R,T,B</source>
        <translation>--margins admite cuatro valores en centímetros: L,R,T,B</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>no output file (-o OUT.pdf)</source>
        <translation>no hay archivo de salida (-o OUT.pdf)</translation>
    </message>
    <message>
        <source>no page files</source>
        <translation>no hay archivos de página</translation>
    </message>
    <message>
        <source>%1 needs a text</source>
        <translation>%1 necesita un texto</translation>
    </message>
    <message>
        <source>usage: vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6] [--orientation portrait|landscape] [--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] [--author AUTHOR] [--ocr LANG[+LANG]] FILE...
       vellumo-cli check-pdf FILE|-   (exit code 0: pages can be appended to the PDF; - reads it from standard input)</source>
        <translation>Uso: vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6] [--orientation portrait|landscape] [--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] [--author AUTHOR] [--ocr LANG[+LANG]] FILE...
     vellumo-cli check-pdf FILE|-   (código de salida 0: se pueden añadir páginas al PDF; - lo lee de la entrada estándar)</translation>
    </message>
    <message>
        <source>--ocr takes Tesseract languages such as eng or eng+deu</source>
        <translation>--ocr admite idiomas de Tesseract como eng o eng+deu</translation>
    </message>
</context>
<context>
    <name>PdfImport</name>
    <message>
        <source>image %1: %2</source>
        <translation>imagen %1: %2</translation>
    </message>
</context>
<context>
    <name>PdfImportSession</name>
    <message>
        <source>The password is not right.</source>
        <translation>La contraseña no es correcta.</translation>
    </message>
    <message>
        <source>The PDF file %1 is protected by a password.</source>
        <translation>El archivo PDF %1 está protegido con contraseña.</translation>
    </message>
</context>
<context>
    <name>PdfProgress</name>
    <message>
        <source>Creating PDF document.</source>
        <translation>Creando el documento PDF.</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PdfWriter</name>
    <message>
        <source>&quot;%1&quot; is not a list of text recognition languages.</source>
        <translation>&quot;%1&quot; no es una lista de idiomas de reconocimiento de texto.</translation>
    </message>
</context>
<context>
    <name>PopupMessage</name>
    <message>
        <source>&lt;p&gt;&lt;font color=&quot;black&quot;&gt;&lt;h4&gt;&amp;nbsp;Vellumo Message&lt;/h4&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=&quot;black&quot;&gt;&lt;h4&gt;&amp;nbsp;Mensaje de Vellumo&lt;/h4&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ProjectArchive</name>
    <message>
        <source>Can&apos;t create the folder %1.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1 into %2: %3.</source>
        <translation>No se puede escribir %1 en %2: %3.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2.</source>
        <translation>No se puede escribir %1: %2.</translation>
    </message>
    <message>
        <source>Its entries overlap: the file is damaged.</source>
        <translation>Sus entradas se solapan: el archivo está dañado.</translation>
    </message>
    <message>
        <source>not a page file</source>
        <translation>no es un archivo de página</translation>
    </message>
    <message>
        <source>a second entry of that name</source>
        <translation>otra entrada con el mismo nombre</translation>
    </message>
    <message>
        <source>encrypted</source>
        <translation>cifrado</translation>
    </message>
    <message>
        <source>unknown compression</source>
        <translation>compresión desconocida</translation>
    </message>
    <message>
        <source>larger than any page</source>
        <translation>mayor que cualquier página</translation>
    </message>
    <message>
        <source>There is not enough free disk space for %1.</source>
        <translation>No hay suficiente espacio libre en disco para %1.</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegible</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>dañado</translation>
    </message>
    <message>
        <source>not an image</source>
        <translation>no es una imagen</translation>
    </message>
    <message>
        <source>It holds no pages.</source>
        <translation>No contiene ninguna página.</translation>
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
        <translation>Escáner</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Cropping</source>
        <translation>Recorte</translation>
    </message>
</context>
<context>
    <name>PropertyPage</name>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
</context>
<context>
    <name>RibbonSliderPane</name>
    <message>
        <source>Increase</source>
        <translation>Aumentar</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Disminuir</translation>
    </message>
</context>
<context>
    <name>ScanPage</name>
    <message>
        <source>Scanning in progress</source>
        <translation>Escaneo en curso</translation>
    </message>
    <message>
        <source>Scanned page will be added to the list</source>
        <translation>La página escaneada se añadirá a la lista</translation>
    </message>
    <message>
        <source>Scanning in progress. Do not open scanner cover.</source>
        <translation>Escaneo en curso. No abra la tapa del escáner.</translation>
    </message>
</context>
<context>
    <name>ScanPreviewDlg</name>
    <message>
        <source>Scan Preview</source>
        <translation>Vista previa del escaneo</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Escanear</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ScanResPage</name>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>You can change the scanning resolution for each of the modes. The higher the scanning resolution, the better the image quality, but it reduces the scanning speed.</source>
        <translation>Aquí puede cambiar la resolución de escaneo de cada uno de los modos. Cuanto mayor sea la resolución, mejor será la calidad de imagen, pero más lento será el escaneo.</translation>
    </message>
    <message>
        <source>Middle:</source>
        <translation>Media:</translation>
    </message>
    <message>
        <source>Good:</source>
        <translation>Buena:</translation>
    </message>
    <message>
        <source>High:</source>
        <translation>Alta:</translation>
    </message>
    <message>
        <source>dpi</source>
        <translation>ppp</translation>
    </message>
</context>
<context>
    <name>ScannerPage</name>
    <message>
        <source>Scanner</source>
        <translation>Escáner</translation>
    </message>
    <message>
        <source>You can change the scan options and select or deselect the document feeder.</source>
        <translation>Aquí puede cambiar las opciones de escaneo y activar o desactivar el alimentador de documentos.</translation>
    </message>
    <message>
        <source>Paper Source:</source>
        <translation>Origen del papel:</translation>
    </message>
    <message>
        <source>Flatbed (platen)</source>
        <translation>Cama plana (cristal)</translation>
    </message>
    <message>
        <source>Automatic Feeder (ADF)</source>
        <translation>Alimentador automático de documentos (ADF)</translation>
    </message>
    <message>
        <source>Acquire:</source>
        <translation>Adquirir:</translation>
    </message>
    <message>
        <source>One image</source>
        <translation>Una imagen</translation>
    </message>
    <message>
        <source>All available images</source>
        <translation>Todas las imágenes disponibles</translation>
    </message>
    <message>
        <source>Automatic &amp;deskewing of scanned pages</source>
        <translation>&amp;Enderezar automáticamente las páginas escaneadas</translation>
    </message>
    <message>
        <source>Automatic &amp;cropping of scanned pages</source>
        <translation>&amp;Recortar automáticamente las páginas escaneadas</translation>
    </message>
    <message>
        <source>Automatic c&amp;ontrast adjustment of scanned pages</source>
        <translation>Ajustar automáticamente el c&amp;ontraste de las páginas escaneadas</translation>
    </message>
    <message>
        <source>Scan with &amp;preview</source>
        <translation>Escanear con &amp;vista previa</translation>
    </message>
    <message>
        <source>Turn pages upright automatically</source>
        <translation>Corregir automáticamente la orientación de las páginas escaneadas</translation>
    </message>
</context>
<context>
    <name>SelectFileWidget</name>
    <message>
        <source>Open existing PDF</source>
        <translation>Abrir un PDF existente</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Archivo PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>SelectFolderWidget</name>
    <message>
        <source>Select a folder</source>
        <translation>Seleccione una carpeta</translation>
    </message>
</context>
<context>
    <name>SelectSaveFileWidget</name>
    <message>
        <source>Save file</source>
        <translation>Guardar archivo</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Copyright &amp;copy; 2026 Leafkin. All rights reserved. &lt;a href=&quot;http://%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Copyright &amp;copy; 2026 Leafkin. Todos los derechos reservados. &lt;a href=&quot;http://%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Vellumo is already running.&lt;br&gt;Only one copy of Vellumo can work with the pages at a time; please switch to the open window.</source>
        <translation>Vellumo ya se está ejecutando.&lt;br&gt;Solo una instancia de Vellumo puede trabajar con las páginas a la vez; cambie a la ventana abierta.</translation>
    </message>
    <message>
        <source>Critical error</source>
        <translation>Error crítico</translation>
    </message>
    <message>
        <source>Can&apos;t start application.</source>
        <translation>No se puede iniciar la aplicación.</translation>
    </message>
</context>
<context>
    <name>TimerPage</name>
    <message>
        <source>Scan &amp;Now &gt;</source>
        <translation>Escanear &amp;ahora &gt;</translation>
    </message>
    <message>
        <source>&amp;Resume Timer</source>
        <translation>&amp;Reanudar temporizador</translation>
    </message>
    <message>
        <source>&amp;Stop Timer</source>
        <translation>&amp;Detener temporizador</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Esperando</translation>
    </message>
    <message>
        <source>Next scan will begin soon. Change page in the scanner.&lt;br&gt;Press &lt;b&gt;SPACE&lt;/b&gt; to pause timer. Press &lt;b&gt;ENTER&lt;/b&gt; to run Scan Now.</source>
        <translation>El siguiente escaneo empezará en breve. Cambie la página en el escáner.&lt;br&gt;Pulse &lt;b&gt;ESPACIO&lt;/b&gt; para pausar el temporizador. Pulse &lt;b&gt;INTRO&lt;/b&gt; para escanear ahora.</translation>
    </message>
</context>
<context>
    <name>ToolLocator</name>
    <message>
        <source>%1 was not found. Vellumo looked for it in %2 and on the PATH; please reinstall Vellumo.</source>
        <translation>No se ha encontrado %1. Vellumo lo ha buscado en %2 y en el PATH; reinstale Vellumo.</translation>
    </message>
</context>
<context>
    <name>UpdateDlg</name>
    <message>
        <source>Vellumo Updates</source>
        <translation>Actualizaciones de Vellumo</translation>
    </message>
    <message>
        <source>There are new version of Vellumo</source>
        <translation>Hay una nueva versión de Vellumo disponible</translation>
    </message>
    <message>
        <source>Current Version: %1</source>
        <translation>Versión instalada: %1</translation>
    </message>
    <message>
        <source>New Version: %1&lt;p&gt;Download: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;</source>
        <translation>Nueva versión: %1&lt;p&gt;Descarga: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
</context>
<context>
    <name>WaitingDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>WordProgress</name>
    <message>
        <source>Creating MS Word document.</source>
        <translation>Creando el documento de MS Word.</translation>
    </message>
    <message>
        <source>Writting MS Word document.</source>
        <translation>Escribiendo el documento de MS Word.</translation>
    </message>
</context>
<context>
    <name>ZipWriter</name>
    <message>
        <source>Can&apos;t compress %1.</source>
        <translation>No se puede comprimir %1.</translation>
    </message>
    <message>
        <source>%1 is too large for a project.</source>
        <translation>%1 es demasiado grande para un proyecto.</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>no se ha podido escribir el archivo</translation>
    </message>
</context>
<context>
    <name>vellumo-cli</name>
    <message>
        <source>
       vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   (the page images of a PDF into DIR as 0001.jpg, 0002.tiff, 0003.png, ...)
       vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR FILE.pdf   (the pages of a PDF drawn into DIR as 0001.png, ...)</source>
        <translation>
     vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   (las imágenes de las páginas de un PDF en DIR como 0001.jpg, 0002.tiff, 0003.png, ...)
     vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR FILE.pdf   (las páginas de un PDF convertidas en imágenes en DIR como 0001.png, ...)</translation>
    </message>
</context>
</TS>
