<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BrightnessDlg</name>
    <message>
        <source>Brightness / Contrast</source>
        <translation>Luminosité / Contraste</translation>
    </message>
    <message>
        <source>Source Image</source>
        <translation>Image d&apos;origine</translation>
    </message>
    <message>
        <source>Destination Image</source>
        <translation>Image résultante</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
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
        <translation>Utilisation : vellumo [OPTION...] [FILE...]
Numérise des documents papier et les enregistre en PDF, DjVu, Word ou fichiers image.

Les fichiers sont ouverts comme s&apos;ils étaient déposés sur la fenêtre : un projet (.vlmpj)
remplace le document ouvert, les images et les images des fichiers PDF sont ajoutées en tant
que pages. Si Vellumo est déjà lancé, les fichiers sont transmis à sa fenêtre.

Options :
  -h, --help        affiche cette aide et quitte
  -v, --version     affiche la version et quitte
      --demo-scanner  utilise le périphérique de test de SANE au lieu des scanners trouvés
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
        <translation>Recadrage automatique</translation>
    </message>
    <message>
        <source>You can set the auto cropping settings.</source>
        <translation>Vous pouvez définir ici les paramètres du recadrage automatique.</translation>
    </message>
    <message>
        <source>Insert Margins</source>
        <translation>Ajouter des marges</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
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
        <translation>ce n&apos;est pas une image que Vellumo sait lire (%1)</translation>
    </message>
    <message>
        <source>its copy %1 could not be written (%2)</source>
        <translation>sa copie %1 n&apos;a pas pu être écrite (%2)</translation>
    </message>
    <message>
        <source>Page %1 (%2) was not encoded: %3</source>
        <translation>La page %1 (%2) n&apos;a pas été encodée&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 did not finish within %2 s</source>
        <translation>%1 ne s&apos;est pas terminé en %2 s</translation>
    </message>
    <message>
        <source>%1 could not be started (%2)</source>
        <translation>%1 n&apos;a pas pu être lancé (%2)</translation>
    </message>
    <message>
        <source>%1 crashed</source>
        <translation>%1 a planté</translation>
    </message>
    <message>
        <source>%1 ended with exit code %2</source>
        <translation>%1 s&apos;est terminé avec le code de sortie %2</translation>
    </message>
    <message>
        <source>%1 wrote nothing</source>
        <translation>%1 n&apos;a rien écrit</translation>
    </message>
    <message>
        <source>%1 failed (%2)</source>
        <translation>%1 a échoué (%2)</translation>
    </message>
    <message>
        <source>Can&apos;t read page %1 (%2): %3</source>
        <translation>Impossible de lire la page %1 (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>None of the page files exists; %1 was not written.</source>
        <translation>Aucun des fichiers de page n&apos;existe&#xa0;; %1 n&apos;a pas été écrit.</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation>Impossible de créer un dossier temporaire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The pages could not be combined into %1: %2</source>
        <translation>Impossible de réunir les pages dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The combined document %1 could not be read back: %2</source>
        <translation>Le document réuni %1 n&apos;a pas pu être relu&#xa0;: %2</translation>
    </message>
    <message>
        <source>The combined document holds %1 of its %2 pages; %3 was not written.</source>
        <translation>Le document réuni ne contient que %1 de ses %2 pages&#xa0;; %3 n&apos;a pas été écrit.</translation>
    </message>
    <message>
        <source>Page %1 is missing: %2</source>
        <translation>La page %1 est manquante : %2</translation>
    </message>
</context>
<context>
    <name>DjvuProgress</name>
    <message>
        <source>Creating DjVu file.</source>
        <translation>Création du fichier DjVu.</translation>
    </message>
    <message>
        <source>Writting DjVu file.</source>
        <translation>Écriture du fichier DjVu.</translation>
    </message>
</context>
<context>
    <name>DocGenerator</name>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The document %1 was written, but the temporary folder %2 could not be removed.</source>
        <translation>Le document %1 a été écrit, mais le dossier temporaire %2 n&apos;a pas pu être supprimé.</translation>
    </message>
    <message>
        <source>Page %1 is missing: %2</source>
        <translation>La page %1 est manquante : %2</translation>
    </message>
</context>
<context>
    <name>DocxGenerator</name>
    <message>
        <source>Can&apos;t read the Word template %1.</source>
        <translation>Impossible de lire le modèle Word %1.</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder in %1: %2</source>
        <translation>Impossible de créer un dossier temporaire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>DraggedWidget</name>
    <message>
        <source>Scan a page or drop files here</source>
        <translation>Numérisez une page ou déposez des fichiers ici</translation>
    </message>
    <message>
        <source>Images (JPEG, PNG, TIFF, BMP), PDF files and projects can be dropped onto this window.</source>
        <translation>Vous pouvez déposer sur cette fenêtre des images (JPEG, PNG, TIFF, BMP), des fichiers PDF et des projets.</translation>
    </message>
</context>
<context>
    <name>ExportDjvuDlg</name>
    <message>
        <source>Export to DjVu</source>
        <translation>Exporter en DjVu</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation>Enregistrer dans le fichier&#xa0;:</translation>
    </message>
    <message>
        <source>DjVu File (*.djvu)</source>
        <translation>Fichier DjVu (*.djvu)</translation>
    </message>
    <message>
        <source>DjVu &amp;Compression:</source>
        <translation>&amp;Compression DjVu&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Open DjVu file after creation</source>
        <translation>&amp;Ouvrir le fichier DjVu après sa création</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ExportDlg</name>
    <message>
        <source>Build PDF</source>
        <translation>Créer un PDF</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>&amp;Scale:</source>
        <translation>&amp;Échelle&#xa0;:</translation>
    </message>
    <message>
        <source>By dots per inch</source>
        <translation>Selon la résolution (ppp)</translation>
    </message>
    <message>
        <source>Stretch to paper list</source>
        <translation>Étirer à la taille de la feuille</translation>
    </message>
    <message>
        <source>Stretch with keeping aspect</source>
        <translation>Étirer en conservant les proportions</translation>
    </message>
    <message>
        <source>&amp;Paper size:</source>
        <translation>Format du &amp;papier&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>&amp;Orientation&#xa0;:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>&amp;Save to file:</source>
        <translation>Enregistrer dans le &amp;fichier&#xa0;:</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Fichier PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Append pages to existing file</source>
        <translation>&amp;Ajouter les pages à un fichier existant</translation>
    </message>
    <message>
        <source>&amp;Open PDF document after creation</source>
        <translation>Ou&amp;vrir le document PDF après sa création</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Marges</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source> cm</source>
        <translation> cm</translation>
    </message>
    <message>
        <source>By Page &amp;Center</source>
        <translation>&amp;Centrer sur la page</translation>
    </message>
    <message>
        <source>Use &amp;Password:</source>
        <translation>Utiliser un &amp;mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Type a password or keep empty</source>
        <translation>Saisissez un mot de passe ou laissez vide</translation>
    </message>
    <message>
        <source>&amp;Save password for next using</source>
        <translation>&amp;Retenir le mot de passe pour la prochaine fois</translation>
    </message>
    <message>
        <source>Save to PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Please enter a file name.</source>
        <translation>Veuillez saisir un nom de fichier.</translation>
    </message>
    <message>
        <source>Please select an existing PDF file.</source>
        <translation>Veuillez choisir un fichier PDF existant.</translation>
    </message>
    <message>
        <source>Pages: %1/%2</source>
        <translation>Page %1/%2</translation>
    </message>
    <message>
        <source>No password store is running on this desktop, so the password can&apos;t be kept.</source>
        <translation>Aucun gestionnaire de mots de passe n&apos;est actif sur ce bureau&#xa0;; le mot de passe ne peut donc pas être conservé.</translation>
    </message>
    <message>
        <source>Can&apos;t keep the password: %1</source>
        <translation>Impossible de conserver le mot de passe&#xa0;: %1</translation>
    </message>
    <message>
        <source>Make text searchable (OCR)</source>
        <translation>Rendre le texte interrogeable (OCR)</translation>
    </message>
    <message>
        <source>Text &amp;language:</source>
        <translation>&amp;Langue du texte&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>The text of %n page(s) could not be recognised; they are in the PDF as pictures only.</source>
        <translation>
            <numerusform>Le texte de %n page n&apos;a pas pu être reconnu&#xa0;; elle figure dans le PDF uniquement sous forme d&apos;image.</numerusform>
            <numerusform>Le texte de %n pages n&apos;a pas pu être reconnu&#xa0;; elles figurent dans le PDF uniquement sous forme d&apos;images.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportFileDlg</name>
    <message>
        <source>Export to image list</source>
        <translation>Exporter en images</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Save to &amp;Folder:</source>
        <translation>Enregistrer dans le &amp;dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Image Format:</source>
        <translation>Format d&apos;image&#xa0;:</translation>
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
        <translation>Qualité&#xa0;:</translation>
    </message>
    <message>
        <source>File Prefix:</source>
        <translation>Préfixe des fichiers&#xa0;:</translation>
    </message>
    <message>
        <source>Counter [C]</source>
        <translation>Compteur [C]</translation>
    </message>
    <message>
        <source>Date [D]</source>
        <translation>Date [D]</translation>
    </message>
    <message>
        <source>&amp;Open folder after creation</source>
        <translation>&amp;Ouvrir le dossier après sa création</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Folder %1 isn&apos;t exists.</source>
        <translation>Le dossier %1 n&apos;existe pas.</translation>
    </message>
</context>
<context>
    <name>ExportWordDlg</name>
    <message>
        <source>Export to Microsoft Word</source>
        <translation>Exporter vers Microsoft Word</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Save to file:</source>
        <translation>Enregistrer dans le fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Microsoft Word File (*.docx)</source>
        <translation>Fichier Microsoft Word (*.docx)</translation>
    </message>
    <message>
        <source>&amp;Open Word document after creation</source>
        <translation>&amp;Ouvrir le document Word après sa création</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>EzPrevScan</name>
    <message>
        <source>Scanning...</source>
        <translation>Numérisation…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>FlipWidget</name>
    <message>
        <source>Rotate:</source>
        <translation>Pivoter&#xa0;:</translation>
    </message>
    <message>
        <source>Don&apos;t rotate</source>
        <translation>Ne pas pivoter</translation>
    </message>
    <message>
        <source>Each page</source>
        <translation>Chaque page</translation>
    </message>
    <message>
        <source>Every odd page (1, 3, 5...)</source>
        <translation>Chaque page impaire (1, 3, 5…)</translation>
    </message>
    <message>
        <source>Every even page (2, 4, 6...)</source>
        <translation>Chaque page paire (2, 4, 6…)</translation>
    </message>
    <message>
        <source>Rotate Angle:</source>
        <translation>Angle de rotation&#xa0;:</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Pivoter de 180°</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Pivoter à gauche</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Pivoter à droite</translation>
    </message>
</context>
<context>
    <name>ImageEditor</name>
    <message>
        <source>Restore Source Image</source>
        <translation>Restaurer l&apos;image d&apos;origine</translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation>Recadrage automatique</translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation>Séparer la double page du livre</translation>
    </message>
    <message>
        <source>Crop this image</source>
        <translation>Recadrer cette image</translation>
    </message>
    <message>
        <source>Adjust contrast</source>
        <translation>Régler le contraste</translation>
    </message>
    <message>
        <source>Rescan this page</source>
        <translation>Numériser à nouveau cette page</translation>
    </message>
    <message>
        <source>Save this page as the image</source>
        <translation>Enregistrer cette page en tant qu&apos;image</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Pivoter à gauche</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Pivoter à droite</translation>
    </message>
    <message>
        <source>Flip this page</source>
        <translation>Pivoter cette page de 180°</translation>
    </message>
    <message>
        <source>Delete this page</source>
        <translation>Supprimer cette page</translation>
    </message>
</context>
<context>
    <name>ImageExportCommand</name>
    <message>
        <source>
       vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...   (each page an image file; P: &quot;[C]&quot; page counter, &quot;[D]&quot; date; default IMAGE_[C], jpg, quality 85)</source>
        <translation>
       vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...   (chaque page dans un fichier image&#xa0;; P&#xa0;: &quot;[C]&quot; compteur de pages, &quot;[D]&quot; date&#xa0;; par défaut IMAGE_[C], jpg, qualité 85)</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 attend un dossier</translation>
    </message>
    <message>
        <source>--format takes jpg, tiff, png or bmp</source>
        <translation>--format accepte jpg, tiff, png ou bmp</translation>
    </message>
    <message>
        <source>--quality takes a number from 0 to 100</source>
        <translation>--quality accepte un nombre de 0 à 100</translation>
    </message>
    <message>
        <source>--pattern needs a file name pattern</source>
        <translation>--pattern attend un modèle de nom de fichier</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>no target folder (-o DIR)</source>
        <translation>aucun dossier cible (-o DIR)</translation>
    </message>
    <message>
        <source>no page files</source>
        <translation>aucun fichier de page</translation>
    </message>
    <message>
        <source>wrote %1</source>
        <translation>%1 écrit</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>échec de %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ImageExporter</name>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Folder %1 isn&apos;t exists.</source>
        <translation>Le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Files keep appearing under the name.</source>
        <translation>Des fichiers ne cessent d&apos;apparaître sous ce nom.</translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1: %2</source>
        <translation>Impossible d&apos;enregistrer l&apos;image dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no image format for this file name</source>
        <translation>aucun format d&apos;image ne correspond à ce nom de fichier</translation>
    </message>
</context>
<context>
    <name>ImgProgress</name>
    <message>
        <source>Creating images.</source>
        <translation>Création des images.</translation>
    </message>
    <message>
        <source>Writting images.</source>
        <translation>Écriture des images.</translation>
    </message>
</context>
<context>
    <name>IntroPage</name>
    <message>
        <source>Automatic Scanning</source>
        <translation>Numérisation automatique</translation>
    </message>
    <message>
        <source>Document Scanning</source>
        <translation>Numérisation de documents</translation>
    </message>
    <message>
        <source>&lt;b&gt;Vellumo&lt;/b&gt; will automatically run a scan after a specified time interval.</source>
        <translation>&lt;b&gt;Vellumo&lt;/b&gt; lancera automatiquement une numérisation après un intervalle de temps défini.</translation>
    </message>
    <message>
        <source>Select the time interval in seconds:</source>
        <translation>Choisissez l&apos;intervalle de temps en secondes&#xa0;:</translation>
    </message>
    <message>
        <source>Scan first page now (don&apos;t wait)</source>
        <translation>Numériser la première page maintenant (sans attendre)</translation>
    </message>
    <message>
        <source>Split the book spreak into two pages</source>
        <translation>Séparer la double page du livre en deux pages</translation>
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
        <translation>Vellumo – Numérisation automatique vers PDF, DjVu, JPEG, TIFF, BMP, PNG</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Page count:</source>
        <translation>Nombre de pages&#xa0;:</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Cochées&#xa0;:</translation>
    </message>
    <message>
        <source>Scale: </source>
        <translation>Échelle&#xa0;: </translation>
    </message>
    <message>
        <source>Keep scale</source>
        <translation>Conserver l&apos;échelle</translation>
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
        <translation>C&amp;harger un PDF</translation>
    </message>
    <message>
        <source>&amp;Open Project...</source>
        <translation>&amp;Ouvrir un projet…</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>All Image Files (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Bitmaps (*.bmp);;TIFF Image File (*.tiff *.tif);;JPEG Image File (*.jpeg *.jpg);;PNG Image File (*.png);;</source>
        <translation>Tous les fichiers image (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Bitmaps (*.bmp);;Fichier image TIFF (*.tiff *.tif);;Fichier image JPEG (*.jpeg *.jpg);;Fichier image PNG (*.png);;</translation>
    </message>
    <message>
        <source>Do you want to remove %1 checked pages from the document?</source>
        <translation>Voulez-vous supprimer du document les %1 pages cochées&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to remove the page?</source>
        <translation>Voulez-vous supprimer la page&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to remove all checked pages from the document?</source>
        <translation>Voulez-vous supprimer du document toutes les pages cochées&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to remove all unchecked pages from the document?</source>
        <translation>Voulez-vous supprimer du document toutes les pages non cochées&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to remove all pages but current from the document?</source>
        <translation>Voulez-vous supprimer du document toutes les pages sauf la page courante&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to remove all pages from the document?</source>
        <translation>Voulez-vous supprimer toutes les pages du document&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Scan &amp;&amp; PDF</source>
        <translation>&amp;Numérisation &amp;&amp; PDF</translation>
    </message>
    <message>
        <source>&amp;Editing</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Composition</source>
        <translation>&amp;Composition</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Informations</translation>
    </message>
    <message>
        <source>Fast &amp;Settings</source>
        <translation>Paramètres &amp;rapides</translation>
    </message>
    <message>
        <source>&amp;Scanning</source>
        <translation>&amp;Numérisation</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importation</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportation</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>&amp;Rotation</translation>
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
        <translation>&amp;Déplacer</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Checking</source>
        <translation>&amp;Cocher</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Scanner&#xa0;:</translation>
    </message>
    <message>
        <source>Color Mode:</source>
        <translation>Mode couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualité&#xa0;:</translation>
    </message>
    <message>
        <source>Select Scanner</source>
        <translation>Choisir le scanner</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Mode couleur</translation>
    </message>
    <message>
        <source>Scan Quality</source>
        <translation>Qualité de numérisation</translation>
    </message>
    <message>
        <source>Black-White</source>
        <translation>Noir et blanc</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Niveaux de gris</translation>
    </message>
    <message>
        <source>Photo Color</source>
        <translation>Couleur (photo)</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bonne</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haute</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>Change the application settings.</source>
        <translation>Modifier les paramètres de l&apos;application.</translation>
    </message>
    <message>
        <source>Scan &amp;Page</source>
        <translation>Numériser la pa&amp;ge</translation>
    </message>
    <message>
        <source>Scan whole page. Press Space to start scanning.</source>
        <translation>Numériser la page entière. Appuyez sur Espace pour lancer la numérisation.</translation>
    </message>
    <message>
        <source>&amp;Auto Scan</source>
        <translation>Numérisation &amp;automatique</translation>
    </message>
    <message>
        <source>Scan a document or a book in automatic mode.</source>
        <translation>Numériser un document ou un livre en mode automatique.</translation>
    </message>
    <message>
        <source>From &amp;File</source>
        <translation>Depuis un &amp;fichier</translation>
    </message>
    <message>
        <source>Load an image from a file.</source>
        <translation>Charger une image depuis un fichier.</translation>
    </message>
    <message>
        <source>Extract images from PDF file.</source>
        <translation>Extraire les images d&apos;un fichier PDF.</translation>
    </message>
    <message>
        <source>Build PDF &amp;Document</source>
        <translation>Créer un &amp;document PDF</translation>
    </message>
    <message>
        <source>Build the PDF document from scanned pages.</source>
        <translation>Créer le document PDF à partir des pages numérisées.</translation>
    </message>
    <message>
        <source>Build DjVu &amp;File</source>
        <translation>Créer un fichier D&amp;jVu</translation>
    </message>
    <message>
        <source>Build the DjVu file from scanned pages.</source>
        <translation>Créer le fichier DjVu à partir des pages numérisées.</translation>
    </message>
    <message>
        <source>Build &amp;Word Document</source>
        <translation>Créer un document &amp;Word</translation>
    </message>
    <message>
        <source>Build the MS Word (docx) document from scanned pages.</source>
        <translation>Créer le document MS Word (docx) à partir des pages numérisées.</translation>
    </message>
    <message>
        <source>Save &amp;As Pictures</source>
        <translation>&amp;Enregistrer en images</translation>
    </message>
    <message>
        <source>Save scanned pages to folder.</source>
        <translation>Enregistrer les pages numérisées dans un dossier.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Imp&amp;rimer</translation>
    </message>
    <message>
        <source>Print scanned pages.</source>
        <translation>Imprimer les pages numérisées.</translation>
    </message>
    <message>
        <source>Turn &amp;Left</source>
        <translation>Pivoter à &amp;gauche</translation>
    </message>
    <message>
        <source>Rotate Image Left</source>
        <translation>Faire pivoter l&apos;image vers la gauche</translation>
    </message>
    <message>
        <source>&amp;Turn Right</source>
        <translation>Pivoter à &amp;droite</translation>
    </message>
    <message>
        <source>Rotate Image Right</source>
        <translation>Faire pivoter l&apos;image vers la droite</translation>
    </message>
    <message>
        <source>&amp;Flip Image</source>
        <translation>Pivo&amp;ter de 180°</translation>
    </message>
    <message>
        <source>Flip the Image</source>
        <translation>Faire pivoter l&apos;image de 180°</translation>
    </message>
    <message>
        <source>&amp;Rotate to Angle</source>
        <translation>&amp;Pivoter selon un angle</translation>
    </message>
    <message>
        <source>Rotate Image to Angle</source>
        <translation>Faire pivoter l&apos;image selon un angle donné</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom Image In</source>
        <translation>Agrandir l&apos;affichage de l&apos;image</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom Image Out</source>
        <translation>Réduire l&apos;affichage de l&apos;image</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>Ajuster à la &amp;fenêtre</translation>
    </message>
    <message>
        <source>Fit Image to Window</source>
        <translation>Ajuster l&apos;image à la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Crop Image</source>
        <translation>&amp;Recadrer l&apos;image</translation>
    </message>
    <message>
        <source>Show Frame to Crop Image</source>
        <translation>Afficher le cadre de recadrage de l&apos;image</translation>
    </message>
    <message>
        <source>&amp;Image Contrast</source>
        <translation>Contraste de l&apos;i&amp;mage</translation>
    </message>
    <message>
        <source>Adjust Brightness</source>
        <translation>Régler la luminosité</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move up current page in the list.</source>
        <translation>Monter la page courante dans la liste.</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>D&amp;escendre</translation>
    </message>
    <message>
        <source>Move down current page in the list.</source>
        <translation>Descendre la page courante dans la liste.</translation>
    </message>
    <message>
        <source>Move to &amp;Top</source>
        <translation>Tout en &amp;haut</translation>
    </message>
    <message>
        <source>Move current page to top of the list.</source>
        <translation>Placer la page courante en haut de la liste.</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation>Tout en &amp;bas</translation>
    </message>
    <message>
        <source>Move current page to bottom of the list.</source>
        <translation>Placer la page courante en bas de la liste.</translation>
    </message>
    <message>
        <source>Move to &amp;Position</source>
        <translation>À la &amp;position</translation>
    </message>
    <message>
        <source>Move current page to position.</source>
        <translation>Déplacer la page courante à une position donnée.</translation>
    </message>
    <message>
        <source>&amp;Remove Page</source>
        <translation>&amp;Supprimer la page</translation>
    </message>
    <message>
        <source>Delete current page from the list.</source>
        <translation>Supprimer la page courante de la liste.</translation>
    </message>
    <message>
        <source>&amp;Check All</source>
        <translation>&amp;Tout cocher</translation>
    </message>
    <message>
        <source>Check all pages in the project.</source>
        <translation>Cocher toutes les pages du projet.</translation>
    </message>
    <message>
        <source>&amp;Uncheck All</source>
        <translation>Tout &amp;décocher</translation>
    </message>
    <message>
        <source>Uncheck all pages in the project.</source>
        <translation>Décocher toutes les pages du projet.</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>Site &amp;web</translation>
    </message>
    <message>
        <source>Go to the Vellumo homepage</source>
        <translation>Aller sur le site web de Vellumo</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>About Software</source>
        <translation>À propos du logiciel</translation>
    </message>
    <message>
        <source>Check &amp;Updates</source>
        <translation>Rechercher des &amp;mises à jour</translation>
    </message>
    <message>
        <source>Check for updates in Internet.</source>
        <translation>Rechercher des mises à jour sur Internet.</translation>
    </message>
    <message>
        <source>&amp;Vellumo</source>
        <translation>&amp;Vellumo</translation>
    </message>
    <message>
        <source>Click here to save a project, &lt;br/&gt; open an existing project&lt;br/&gt; or start a new project.</source>
        <translation>Cliquez ici pour enregistrer un projet,&lt;br/&gt; ouvrir un projet existant&lt;br/&gt; ou commencer un nouveau projet.</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Nouveau projet</translation>
    </message>
    <message>
        <source>Starts a new project</source>
        <translation>Commencer un nouveau projet</translation>
    </message>
    <message>
        <source>Open an existing project</source>
        <translation>Ouvrir un projet existant</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>&amp;Enregistrer le projet</translation>
    </message>
    <message>
        <source>Save the current project</source>
        <translation>Enregistrer le projet en cours</translation>
    </message>
    <message>
        <source>&amp;Recover Project</source>
        <translation>&amp;Récupérer le projet</translation>
    </message>
    <message>
        <source>Recover the auto-saved project</source>
        <translation>Récupérer le projet enregistré automatiquement</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Close the application</source>
        <translation>Fermer l&apos;application</translation>
    </message>
    <message>
        <source>Crop Mode</source>
        <translation>Mode recadrage</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Auto Cropping</source>
        <translation>Recadrage automatique</translation>
    </message>
    <message>
        <source>Rotate Mode</source>
        <translation>Mode rotation</translation>
    </message>
    <message>
        <source> deg.</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Rotating...</source>
        <translation>Rotation…</translation>
    </message>
    <message>
        <source>Vellumo Project (*.vlmpj)</source>
        <translation>Projet Vellumo (*.vlmpj)</translation>
    </message>
    <message>
        <source>The current project is not saved yet. Do you want to save it?</source>
        <translation>Le projet en cours n&apos;est pas encore enregistré. Voulez-vous l&apos;enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>The current project has been changed. Do you want to save it?</source>
        <translation>Le projet en cours a été modifié. Voulez-vous l&apos;enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>New project has been begun.</source>
        <translation>Un nouveau projet a été commencé.</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Ouvrir un projet</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>Ouverture…</translation>
    </message>
    <message>
        <source>Empty project. Scan a document before the saving.</source>
        <translation>Le projet est vide. Numérisez un document avant de l&apos;enregistrer.</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Enregistrement…</translation>
    </message>
    <message>
        <source>Can&apos;t save the project to %1.&lt;br&gt;%2</source>
        <translation>Impossible d&apos;enregistrer le projet dans %1.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Project has been saved.</source>
        <translation>Le projet a été enregistré.</translation>
    </message>
    <message>
        <source>Auto saved project has been recovered.</source>
        <translation>Le projet enregistré automatiquement a été récupéré.</translation>
    </message>
    <message>
        <source>There are no files to recover.</source>
        <translation>Il n&apos;y a aucun fichier à récupérer.</translation>
    </message>
    <message>
        <source>Vellumo found %1 pages of an earlier session in its working folder.&lt;br&gt;Do you want to recover them now?</source>
        <translation>Vellumo a trouvé dans son dossier de travail %1 pages d&apos;une session précédente.&lt;br&gt;Voulez-vous les récupérer maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Scanners not found.&lt;br&gt;Please plug a scanner.</source>
        <translation>Aucun scanner trouvé.&lt;br&gt;Veuillez brancher un scanner.</translation>
    </message>
    <message>
        <source>Auto cropping...</source>
        <translation>Recadrage automatique…</translation>
    </message>
    <message>
        <source>Scanning has cancelled.</source>
        <translation>La numérisation a été annulée.</translation>
    </message>
    <message>
        <source>PDF file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Le fichier PDF a été créé.&lt;br&gt;Ouvrir &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Word file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Le fichier Word a été créé.&lt;br&gt;Ouvrir &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while Word file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Erreur lors de la création du fichier Word.&lt;br&gt;Impossible d&apos;écrire le fichier %1. Il est peut-être ouvert, ou vous n&apos;avez pas le droit d&apos;écrire dans le dossier.</translation>
    </message>
    <message>
        <source>DjVu file was created.&lt;br&gt;Open &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Le fichier DjVu a été créé.&lt;br&gt;Ouvrir &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while DjVu file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Erreur lors de la création du fichier DjVu.&lt;br&gt;Impossible d&apos;écrire le fichier %1. Il est peut-être ouvert, ou vous n&apos;avez pas le droit d&apos;écrire dans le dossier.</translation>
    </message>
    <message>
        <source>Images was saved.&lt;br&gt;Open folder &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Les images ont été enregistrées.&lt;br&gt;Ouvrir le dossier &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Error while Image file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened.</source>
        <translation>Erreur lors de la création du fichier image.&lt;br&gt;Impossible d&apos;écrire le fichier %1. Il est peut-être ouvert.</translation>
    </message>
    <message>
        <source>Can&apos;t save the page %1.</source>
        <translation>Impossible d&apos;enregistrer la page %1.</translation>
    </message>
    <message>
        <source>Error while PDF file creating.&lt;br&gt;Can&apos;t write file %1. Probably, file is opened or you can&apos;t write to folder.</source>
        <translation>Erreur lors de la création du fichier PDF.&lt;br&gt;Impossible d&apos;écrire le fichier %1. Il est peut-être ouvert, ou vous n&apos;avez pas le droit d&apos;écrire dans le dossier.</translation>
    </message>
    <message>
        <source>Can&apos;t split the scanned page. It has been kept as one page.</source>
        <translation>Impossible de séparer la page numérisée. Elle a été conservée en une seule page.</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>JPEG file (*.jpg);;TIFF file (*.tiff);;BMP file (*.bmp);;PNG file (*.png)</source>
        <translation>Fichier JPEG (*.jpg);;Fichier TIFF (*.tiff);;Fichier BMP (*.bmp);;Fichier PNG (*.png)</translation>
    </message>
    <message>
        <source>The page has been saved to %1.</source>
        <translation>La page a été enregistrée dans %1.</translation>
    </message>
    <message>
        <source>Can&apos;t save the image to %1.</source>
        <translation>Impossible d&apos;enregistrer l&apos;image dans %1.</translation>
    </message>
    <message>
        <source>Extract images from PDF</source>
        <translation>Extraire les images d&apos;un PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Fichier PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Can&apos;t open file %1.</source>
        <translation>Impossible d&apos;ouvrir le fichier %1.</translation>
    </message>
    <message>
        <source>Can&apos;t crop the page.</source>
        <translation>Impossible de recadrer la page.</translation>
    </message>
    <message>
        <source>Can&apos;t crop the pages %1.</source>
        <translation>Impossible de recadrer les pages %1.</translation>
    </message>
    <message>
        <source>Splitting...</source>
        <translation>Séparation…</translation>
    </message>
    <message>
        <source>Can&apos;t split the page.</source>
        <translation>Impossible de séparer la page.</translation>
    </message>
    <message>
        <source>Can&apos;t split the pages %1.</source>
        <translation>Impossible de séparer les pages %1.</translation>
    </message>
    <message>
        <source>Can&apos;t open the project %1.&lt;br&gt;%2</source>
        <translation>Impossible d&apos;ouvrir le projet %1.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Some pages of the project %1 could not be unpacked.</source>
        <translation>Certaines pages du projet %1 n&apos;ont pas pu être décompressées.</translation>
    </message>
    <message>
        <source>Some entries of the project %1 were left out: %2</source>
        <translation>Certaines entrées du projet %1 ont été ignorées&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>The %n page(s) scanned so far have been kept.</source>
        <translation>
            <numerusform>%n page numérisée jusqu&apos;ici a été conservée.</numerusform>
            <numerusform>%n pages numérisées jusqu&apos;ici ont été conservées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Preparing to print...</source>
        <translation>Préparation de l&apos;impression…</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Recherche de mises à jour</translation>
    </message>
    <message>
        <source>ERROR!&lt;br&gt;Can&apos;t connect to the update server. Please check network settings.</source>
        <translation>ERREUR&#xa0;!&lt;br&gt;Impossible de se connecter au serveur de mises à jour. Veuillez vérifier les paramètres réseau.</translation>
    </message>
    <message>
        <source>You use a latest version of Vellumo.</source>
        <translation>Vous utilisez la dernière version de Vellumo.</translation>
    </message>
    <message>
        <source>Thank you for updating Vellumo.&lt;p&gt;Please close the program and run the install file.</source>
        <translation>Merci d&apos;avoir mis à jour Vellumo.&lt;p&gt;Veuillez fermer le programme et exécuter le fichier d&apos;installation.</translation>
    </message>
    <message>
        <source>Restore Source Image</source>
        <translation>Restaurer l&apos;image d&apos;origine</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Split the book spread</source>
        <translation>Séparer la double page du livre</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>Replace this page with a new scan?</source>
        <translation>Remplacer cette page par une nouvelle numérisation&#xa0;?</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Nouvelle numérisation</translation>
    </message>
    <message>
        <source>Turning pages upright...</source>
        <translation>Remise à l&apos;endroit des pages…</translation>
    </message>
    <message>
        <source>Can&apos;t tell which way up the pages %1 are.</source>
        <translation>Impossible de déterminer le sens des pages %1.</translation>
    </message>
    <message>
        <source>Pages turned upright: %1 of %2.</source>
        <translation>Pages remises à l&apos;endroit&#xa0;: %1 sur %2.</translation>
    </message>
    <message>
        <source>Turn &amp;Upright</source>
        <translation>Remettre à l&apos;&amp;endroit</translation>
    </message>
    <message>
        <source>Turn the checked pages, or this page, upright by the direction of their text</source>
        <translation>Remettre à l&apos;endroit les pages cochées, ou cette page, d&apos;après le sens du texte</translation>
    </message>
</context>
<context>
    <name>MoveToDlg</name>
    <message>
        <source>Move Page</source>
        <translation>Déplacer la page</translation>
    </message>
    <message>
        <source>Move page to...</source>
        <translation>Déplacer la page vers…</translation>
    </message>
    <message>
        <source>New Page Number:</source>
        <translation>Nouveau numéro de page&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>OcrLanguages</name>
    <message>
        <source>Turning pages upright needs Tesseract&apos;s orientation data, which is not installed. Install the package %1.</source>
        <translation>La remise à l&apos;endroit des pages nécessite les données d&apos;orientation de Tesseract, qui ne sont pas installées. Veuillez installer le paquet %1.</translation>
    </message>
    <message>
        <source>Text recognition in %1 needs Tesseract&apos;s data for that language, which is not installed. Install the package %2.</source>
        <translation>La reconnaissance de texte en %1 nécessite les données de Tesseract pour cette langue, qui ne sont pas installées. Veuillez installer le paquet %2.</translation>
    </message>
    <message>
        <source>Text recognition needs the Tesseract library, which is not installed. Install the package %1.</source>
        <translation>La reconnaissance de texte nécessite la bibliothèque Tesseract, qui n&apos;est pas installée. Installez le paquet %1.</translation>
    </message>
</context>
<context>
    <name>OfficePopupWindow</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>OptionsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>OptionsPage</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Here you can change the software options.</source>
        <translation>Vous pouvez modifier ici les options du logiciel.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Automatically check for updates</source>
        <translation>Rechercher &amp;automatiquement les mises à jour</translation>
    </message>
    <message>
        <source>How to translate to your language</source>
        <translation>Comment traduire Vellumo dans votre langue</translation>
    </message>
</context>
<context>
    <name>PageBatch</name>
    <message>
        <source>Can&apos;t create the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>Splitting %1 of %2...</source>
        <translation>Séparation de la page %1 sur %2…</translation>
    </message>
    <message>
        <source>Cropping %1 of %2...</source>
        <translation>Recadrage de la page %1 sur %2…</translation>
    </message>
    <message>
        <source>Turning %1 of %2 upright...</source>
        <translation>Remise à l&apos;endroit de la page %1 sur %2…</translation>
    </message>
</context>
<context>
    <name>PageHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>Ann&amp;uler&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>Re&amp;do %1</source>
        <translation>Réta&amp;blir&#xa0;: %1</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Réta&amp;blir</translation>
    </message>
</context>
<context>
    <name>PageImages</name>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: the image is empty.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: l&apos;image est vide.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the black-and-white image can&apos;t be compressed.</source>
        <translation>l&apos;image noir et blanc ne peut pas être compressée.</translation>
    </message>
</context>
<context>
    <name>PageImporter</name>
    <message>
        <source>Can&apos;t open file %1.</source>
        <translation>Impossible d&apos;ouvrir le fichier %1.</translation>
    </message>
    <message>
        <source>Drawing the pages of the PDF file.</source>
        <translation>Conversion des pages du fichier PDF en images.</translation>
    </message>
    <message>
        <source>Extracting images from PDF file.</source>
        <translation>Extraction des images du fichier PDF.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file %1.&lt;br&gt;The image is too large: %2 x %3 pixels.</source>
        <translation>Impossible de charger le fichier %1.&lt;br&gt;L&apos;image est trop grande&#xa0;: %2 x %3 pixels.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load file. Wrong file format.&lt;br&gt;%1</source>
        <translation>Impossible de charger le fichier. Format de fichier incorrect.&lt;br&gt;%1</translation>
    </message>
    <message>
        <source>The file %1 is damaged: part of its picture may be missing.</source>
        <translation>Le fichier %1 est endommagé&#xa0;: une partie de l&apos;image peut manquer.</translation>
    </message>
    <message>
        <source>Can&apos;t extract image.</source>
        <translation>Impossible d&apos;extraire l&apos;image.</translation>
    </message>
    <message>
        <source>This PDF file doesn&apos;t contain images.</source>
        <translation>Ce fichier PDF ne contient pas d&apos;images.</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Its pages can be drawn as images instead, at %1 dpi.</source>
        <translation>Ses pages peuvent à la place être converties en images, à %1 ppp.</translation>
    </message>
    <message>
        <source>&amp;Draw Pages</source>
        <translation>&amp;Convertir les pages</translation>
    </message>
</context>
<context>
    <name>PageStore</name>
    <message>
        <source>The page image is empty.</source>
        <translation>L&apos;image de la page est vide.</translation>
    </message>
    <message>
        <source>Can&apos;t rename %1 to %2.</source>
        <translation>Impossible de renommer %1 en %2.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation>Impossible de lire %1.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>PdfCommandLine</name>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 attend un nom de fichier</translation>
    </message>
    <message>
        <source>--password needs a password</source>
        <translation>--password attend un mot de passe</translation>
    </message>
    <message>
        <source>--paper takes A4, Letter or A0 to A6</source>
        <translation>--paper accepte A4, Letter ou A0 à A6</translation>
    </message>
    <message>
        <source>--orientation takes portrait or landscape</source>
        <translation>--orientation accepte portrait ou landscape</translation>
    </message>
    <message>
        <source>--scale takes dpi, stretch or fit</source>
        <translation>--scale accepte dpi, stretch ou fit</translation>
    </message>
    <message>
        <source>--margins takes four centimetre values: L,R,T,B</source>
        <translation>--margins attend quatre valeurs en centimètres&#xa0;: L,R,T,B</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>no output file (-o OUT.pdf)</source>
        <translation>aucun fichier de sortie (-o OUT.pdf)</translation>
    </message>
    <message>
        <source>no page files</source>
        <translation>aucun fichier de page</translation>
    </message>
    <message>
        <source>%1 needs a text</source>
        <translation>%1 attend un texte</translation>
    </message>
    <message>
        <source>usage: vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6] [--orientation portrait|landscape] [--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] [--author AUTHOR] [--ocr LANG[+LANG]] FILE...
       vellumo-cli check-pdf FILE|-   (exit code 0: pages can be appended to the PDF; - reads it from standard input)</source>
        <translation>Utilisation : vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6] [--orientation portrait|landscape] [--scale dpi|stretch|fit] [--margins L,R,T,B] [--no-center] [--title TITLE] [--author AUTHOR] [--ocr LANG[+LANG]] FILE...
       vellumo-cli check-pdf FILE|-   (code de sortie 0&#xa0;: des pages peuvent être ajoutées au PDF&#xa0;; - le lit depuis l&apos;entrée standard)</translation>
    </message>
    <message>
        <source>--ocr takes Tesseract languages such as eng or eng+deu</source>
        <translation>--ocr accepte des langues Tesseract, par exemple eng ou eng+deu</translation>
    </message>
</context>
<context>
    <name>PdfImport</name>
    <message>
        <source>image %1: %2</source>
        <translation>image %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>PdfImportSession</name>
    <message>
        <source>The password is not right.</source>
        <translation>Le mot de passe est incorrect.</translation>
    </message>
    <message>
        <source>The PDF file %1 is protected by a password.</source>
        <translation>Le fichier PDF %1 est protégé par un mot de passe.</translation>
    </message>
</context>
<context>
    <name>PdfProgress</name>
    <message>
        <source>Creating PDF document.</source>
        <translation>Création du document PDF.</translation>
    </message>
    <message>
        <source>Vellumo</source>
        <translation>Vellumo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PdfWriter</name>
    <message>
        <source>&quot;%1&quot; is not a list of text recognition languages.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une liste de langues de reconnaissance de texte.</translation>
    </message>
</context>
<context>
    <name>PopupMessage</name>
    <message>
        <source>&lt;p&gt;&lt;font color=&quot;black&quot;&gt;&lt;h4&gt;&amp;nbsp;Vellumo Message&lt;/h4&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=&quot;black&quot;&gt;&lt;h4&gt;&amp;nbsp;Message de Vellumo&lt;/h4&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ProjectArchive</name>
    <message>
        <source>Can&apos;t create the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation>Impossible de lire %1.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write %1 into %2: %3.</source>
        <translation>Impossible d&apos;écrire %1 dans %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Its entries overlap: the file is damaged.</source>
        <translation>Ses entrées se chevauchent&#xa0;: le fichier est endommagé.</translation>
    </message>
    <message>
        <source>not a page file</source>
        <translation>pas un fichier de page</translation>
    </message>
    <message>
        <source>a second entry of that name</source>
        <translation>une deuxième entrée de ce nom</translation>
    </message>
    <message>
        <source>encrypted</source>
        <translation>chiffrée</translation>
    </message>
    <message>
        <source>unknown compression</source>
        <translation>compression inconnue</translation>
    </message>
    <message>
        <source>larger than any page</source>
        <translation>trop grande pour une page</translation>
    </message>
    <message>
        <source>There is not enough free disk space for %1.</source>
        <translation>Espace disque libre insuffisant pour %1.</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>endommagée</translation>
    </message>
    <message>
        <source>not an image</source>
        <translation>pas une image</translation>
    </message>
    <message>
        <source>It holds no pages.</source>
        <translation>Il ne contient aucune page.</translation>
    </message>
</context>
<context>
    <name>PropertyModel</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Scanner</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Cropping</source>
        <translation>Recadrage</translation>
    </message>
</context>
<context>
    <name>PropertyPage</name>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
</context>
<context>
    <name>RibbonSliderPane</name>
    <message>
        <source>Increase</source>
        <translation>Augmenter</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Diminuer</translation>
    </message>
</context>
<context>
    <name>ScanPage</name>
    <message>
        <source>Scanning in progress</source>
        <translation>Numérisation en cours</translation>
    </message>
    <message>
        <source>Scanned page will be added to the list</source>
        <translation>La page numérisée sera ajoutée à la liste</translation>
    </message>
    <message>
        <source>Scanning in progress. Do not open scanner cover.</source>
        <translation>Numérisation en cours. N&apos;ouvrez pas le capot du scanner.</translation>
    </message>
</context>
<context>
    <name>ScanPreviewDlg</name>
    <message>
        <source>Scan Preview</source>
        <translation>Aperçu de la numérisation</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Numériser</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ScanResPage</name>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>You can change the scanning resolution for each of the modes. The higher the scanning resolution, the better the image quality, but it reduces the scanning speed.</source>
        <translation>Vous pouvez modifier la résolution de numérisation pour chacun des modes. Plus la résolution est élevée, meilleure est la qualité de l&apos;image, mais plus la numérisation est lente.</translation>
    </message>
    <message>
        <source>Middle:</source>
        <translation>Moyenne&#xa0;:</translation>
    </message>
    <message>
        <source>Good:</source>
        <translation>Bonne&#xa0;:</translation>
    </message>
    <message>
        <source>High:</source>
        <translation>Haute&#xa0;:</translation>
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
        <translation>Scanner</translation>
    </message>
    <message>
        <source>You can change the scan options and select or deselect the document feeder.</source>
        <translation>Vous pouvez modifier les options de numérisation et activer ou désactiver le chargeur de documents.</translation>
    </message>
    <message>
        <source>Paper Source:</source>
        <translation>Source du papier&#xa0;:</translation>
    </message>
    <message>
        <source>Flatbed (platen)</source>
        <translation>À plat (vitre)</translation>
    </message>
    <message>
        <source>Automatic Feeder (ADF)</source>
        <translation>Chargeur automatique de documents (ADF)</translation>
    </message>
    <message>
        <source>Acquire:</source>
        <translation>Acquérir&#xa0;:</translation>
    </message>
    <message>
        <source>One image</source>
        <translation>Une image</translation>
    </message>
    <message>
        <source>All available images</source>
        <translation>Toutes les images disponibles</translation>
    </message>
    <message>
        <source>Automatic &amp;deskewing of scanned pages</source>
        <translation>&amp;Redresser automatiquement les pages numérisées</translation>
    </message>
    <message>
        <source>Automatic &amp;cropping of scanned pages</source>
        <translation>Re&amp;cadrer automatiquement les pages numérisées</translation>
    </message>
    <message>
        <source>Automatic c&amp;ontrast adjustment of scanned pages</source>
        <translation>Ajuster automatiquement le c&amp;ontraste des pages numérisées</translation>
    </message>
    <message>
        <source>Scan with &amp;preview</source>
        <translation>Numériser avec a&amp;perçu</translation>
    </message>
    <message>
        <source>Turn pages upright automatically</source>
        <translation>Remettre automatiquement les pages numérisées à l&apos;endroit</translation>
    </message>
</context>
<context>
    <name>SelectFileWidget</name>
    <message>
        <source>Open existing PDF</source>
        <translation>Ouvrir un PDF existant</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Fichier PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>SelectFolderWidget</name>
    <message>
        <source>Select a folder</source>
        <translation>Choisir un dossier</translation>
    </message>
</context>
<context>
    <name>SelectSaveFileWidget</name>
    <message>
        <source>Save file</source>
        <translation>Enregistrer le fichier</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Copyright &amp;copy; 2026 Leafkin. All rights reserved. &lt;a href=&quot;http://%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Copyright &amp;copy; 2026 Leafkin. Tous droits réservés. &lt;a href=&quot;http://%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Vellumo is already running.&lt;br&gt;Only one copy of Vellumo can work with the pages at a time; please switch to the open window.</source>
        <translation>Vellumo est déjà en cours d&apos;exécution.&lt;br&gt;Une seule instance de Vellumo peut travailler sur les pages à la fois&#xa0;; veuillez passer à la fenêtre ouverte.</translation>
    </message>
    <message>
        <source>Critical error</source>
        <translation>Erreur critique</translation>
    </message>
    <message>
        <source>Can&apos;t start application.</source>
        <translation>Impossible de démarrer l&apos;application.</translation>
    </message>
</context>
<context>
    <name>TimerPage</name>
    <message>
        <source>Scan &amp;Now &gt;</source>
        <translation>Numériser &amp;maintenant &gt;</translation>
    </message>
    <message>
        <source>&amp;Resume Timer</source>
        <translation>&amp;Reprendre le minuteur</translation>
    </message>
    <message>
        <source>&amp;Stop Timer</source>
        <translation>&amp;Suspendre le minuteur</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Next scan will begin soon. Change page in the scanner.&lt;br&gt;Press &lt;b&gt;SPACE&lt;/b&gt; to pause timer. Press &lt;b&gt;ENTER&lt;/b&gt; to run Scan Now.</source>
        <translation>La prochaine numérisation va bientôt commencer. Changez la page dans le scanner.&lt;br&gt;Appuyez sur &lt;b&gt;ESPACE&lt;/b&gt; pour suspendre le minuteur. Appuyez sur &lt;b&gt;ENTRÉE&lt;/b&gt; pour numériser maintenant.</translation>
    </message>
</context>
<context>
    <name>ToolLocator</name>
    <message>
        <source>%1 was not found. Vellumo looked for it in %2 and on the PATH; please reinstall Vellumo.</source>
        <translation>%1 est introuvable. Vellumo l&apos;a cherché dans %2 et dans le PATH&#xa0;; veuillez réinstaller Vellumo.</translation>
    </message>
</context>
<context>
    <name>UpdateDlg</name>
    <message>
        <source>Vellumo Updates</source>
        <translation>Mises à jour de Vellumo</translation>
    </message>
    <message>
        <source>There are new version of Vellumo</source>
        <translation>Une nouvelle version de Vellumo est disponible</translation>
    </message>
    <message>
        <source>Current Version: %1</source>
        <translation>Version installée&#xa0;: %1</translation>
    </message>
    <message>
        <source>New Version: %1&lt;p&gt;Download: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;</source>
        <translation>Nouvelle version&#xa0;: %1&lt;p&gt;Téléchargement&#xa0;: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
</context>
<context>
    <name>WaitingDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>WordProgress</name>
    <message>
        <source>Creating MS Word document.</source>
        <translation>Création du document MS Word.</translation>
    </message>
    <message>
        <source>Writting MS Word document.</source>
        <translation>Écriture du document MS Word.</translation>
    </message>
</context>
<context>
    <name>ZipWriter</name>
    <message>
        <source>Can&apos;t compress %1.</source>
        <translation>Impossible de compresser %1.</translation>
    </message>
    <message>
        <source>%1 is too large for a project.</source>
        <translation>%1 est trop volumineux pour un projet.</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>le fichier n&apos;a pas pu être écrit</translation>
    </message>
</context>
<context>
    <name>vellumo-cli</name>
    <message>
        <source>
       vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   (the page images of a PDF into DIR as 0001.jpg, 0002.tiff, 0003.png, ...)
       vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR FILE.pdf   (the pages of a PDF drawn into DIR as 0001.png, ...)</source>
        <translation>
       vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   (les images des pages d&apos;un PDF, dans DIR, sous les noms 0001.jpg, 0002.tiff, 0003.png, ...)
       vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR FILE.pdf   (les pages d&apos;un PDF converties en images, dans DIR, sous les noms 0001.png, ...)</translation>
    </message>
</context>
</TS>
