<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutForm</name>
    <message>
        <source>About Zederoru</source>
        <translation>À propos de Zederoru</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>
Zederoru, by the Zederoru team
Write to us through the project page
January 2005</source>
        <translation>
Zederoru, par l’équipe Zederoru
Écrivez-nous via la page du projet
Janvier 2005</translation>
    </message>
</context>
<context>
    <name>AllShapes</name>
    <message>
        <source>Click to select, right-click to close</source>
        <translation>Clic&#xa0;: choisir, clic droit&#xa0;: fermer</translation>
    </message>
    <message>
        <source>Figure %1</source>
        <translation>Figure %1</translation>
    </message>
    <message>
        <source>Figure %1: %2</source>
        <translation>Figure %1 : %2</translation>
    </message>
</context>
<context>
    <name>CollectionCheck</name>
    <message>
        <source>the header is shorter than 64 lines</source>
        <translation>l’en-tête compte moins de 64 lignes</translation>
    </message>
    <message>
        <source>the header cannot be read: %1</source>
        <translation>l’en-tête est illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>the header differs from the default piece set</source>
        <translation>l’en-tête diffère du jeu de pièces standard</translation>
    </message>
    <message>
        <source>malformed record: %1 fields, 24 expected</source>
        <translation>enregistrement mal formé&#xa0;: %1 champs, 24 attendus</translation>
    </message>
    <message>
        <source>malformed record: field %1 &quot;%2&quot; is not a number</source>
        <translation>enregistrement mal formé&#xa0;: le champ %1 «&#xa0;%2&#xa0;» n’est pas un nombre</translation>
    </message>
    <message>
        <source>malformed record: field %1 (%2) is not a 16-bit whole number</source>
        <translation>enregistrement mal formé&#xa0;: le champ %1 (%2) n’est pas un entier de 16 bits</translation>
    </message>
    <message>
        <source>malformed record: piece %1 has orientation %2, 0 to 7 expected</source>
        <translation>enregistrement mal formé&#xa0;: la pièce %1 a l’orientation %2, de 0 à 7 attendu</translation>
    </message>
    <message>
        <source>record number %1 is not above 0, so the game skips it</source>
        <translation>le numéro d’enregistrement %1 n’est pas supérieur à 0, le jeu l’ignore donc</translation>
    </message>
    <message>
        <source>pieces %1 and %2 overlap by %3 square pixels</source>
        <translation>les pièces %1 et %2 se chevauchent sur %3 pixels carrés</translation>
    </message>
    <message>
        <source>piece %1 touches no other piece</source>
        <translation>la pièce %1 ne touche aucune autre pièce</translation>
    </message>
    <message>
        <source>the pieces fall apart into clusters: %1</source>
        <translation>les pièces se séparent en groupes&#xa0;: %1</translation>
    </message>
    <message>
        <source>the figure is %1 x %2 pixels, wider or taller than the %3 appending allows</source>
        <translation>la figure mesure %1 x %2 pixels, plus large ou plus haute que les %3 permis pour l’ajout</translation>
    </message>
    <message>
        <source>the figure is %1 x %2 pixels and does not fit the target view (%3 x %4)</source>
        <translation>la figure mesure %1 x %2 pixels et ne tient pas dans la vue du modèle (%3 x %4)</translation>
    </message>
    <message>
        <source>the figure is sparse: it covers %1% of its box, at least %2% wanted</source>
        <translation>la figure est clairsemée&#xa0;: elle couvre %1 % de son cadre, au moins %2 % souhaités</translation>
    </message>
    <message>
        <source>the same figure as line %1</source>
        <translation>la même figure qu’à la ligne %1</translation>
    </message>
    <message>
        <source>the same silhouette as line %1: each figure accepts the other&apos;s solution</source>
        <translation>la même silhouette qu’à la ligne %1&#xa0;: chaque figure accepte la solution de l’autre</translation>
    </message>
    <message>
        <source>the collection holds no figures</source>
        <translation>la collection ne contient aucune figure</translation>
    </message>
    <message>
        <source>%1 figures, the game handles at most %2</source>
        <translation>%1 figures, le jeu en gère au plus %2</translation>
    </message>
    <message>
        <source>%1 figure checked</source>
        <translation>%1 figure vérifiée</translation>
    </message>
    <message>
        <source>%1 figures checked</source>
        <translation>%1 figures vérifiées</translation>
    </message>
    <message>
        <source>%1: %2, no problems found</source>
        <translation>%1: %2, aucun problème trouvé</translation>
    </message>
    <message>
        <source>%1: %2, %3 problem found</source>
        <translation>%1: %2, %3 problème trouvé</translation>
    </message>
    <message>
        <source>%1: %2, %3 problems found</source>
        <translation>%1: %2, %3 problèmes trouvés</translation>
    </message>
    <message>
        <source>as it is</source>
        <translation>telle quelle</translation>
    </message>
    <message>
        <source>turned a quarter</source>
        <translation>tournée d’un quart de tour</translation>
    </message>
    <message>
        <source>turned half round</source>
        <translation>tournée d’un demi-tour</translation>
    </message>
    <message>
        <source>turned three quarters</source>
        <translation>tournée de trois quarts de tour</translation>
    </message>
    <message>
        <source>mirrored</source>
        <translation>en miroir</translation>
    </message>
    <message>
        <source>mirrored and turned a quarter</source>
        <translation>en miroir et tournée d’un quart de tour</translation>
    </message>
    <message>
        <source>mirrored and turned half round</source>
        <translation>en miroir et tournée d’un demi-tour</translation>
    </message>
    <message>
        <source>mirrored and turned three quarters</source>
        <translation>en miroir et tournée de trois quarts de tour</translation>
    </message>
    <message>
        <source>the shape of line %1 %2</source>
        <translation>la forme de la ligne %1, %2</translation>
    </message>
    <message>
        <source>nearly the shape of line %1 %2: %3% of the area in common</source>
        <translation>presque la forme de la ligne %1, %2 : %3 % de la surface en commun</translation>
    </message>
    <message>
        <source>the square (piece %1) has orientation %2, which play never reaches; write %3</source>
        <translation>le carré (pièce %1) a la position %2, que le jeu n’atteint jamais ; écrire %3</translation>
    </message>
    <message>
        <source>the silhouette encloses a hole of %1 square pixels</source>
        <translation>la silhouette enferme un trou de %1 pixels carrés</translation>
    </message>
    <message>
        <source>a step of %1 pixels</source>
        <translation>une marche de %1 pixels</translation>
    </message>
    <message>
        <source>%1 steps, the shortest of %2 pixels</source>
        <translation>%1 marches, la plus courte de %2 pixels</translation>
    </message>
    <message>
        <source>the outline makes %1, %2 at least wanted</source>
        <translation>le contour fait %1, au moins %2 voulus</translation>
    </message>
    <message>
        <source>ways the pieces fill each figure: one way %1, 2 to 9 ways %2, 10 to 99 ways %3, 100 or more %4; not counted (pieces on no one grid) %5</source>
        <translation>façons dont les pièces remplissent chaque figure : une façon %1, 2 à 9 façons %2, 10 à 99 façons %3, 100 ou plus %4 ; non comptées (pièces sur aucune grille commune) %5</translation>
    </message>
</context>
<context>
    <name>CollectionFile</name>
    <message>
        <source>it is not a Pelorin file: %1</source>
        <translation>ce n’est pas un fichier de collection&#xa0;: %1</translation>
    </message>
    <message>
        <source>the line of this Pelorin also holds part of the piece set, which removing it would spoil</source>
        <translation>la ligne de cette figure contient aussi une partie du jeu de pièces, que son retrait abîmerait</translation>
    </message>
    <message>
        <source>it holds more than %1 Pelorins, more than a file can hold</source>
        <translation>il contient plus de %1 figures, plus qu’un fichier ne peut en contenir</translation>
    </message>
    <message>
        <source>it already holds %1 Pelorins, as many as a file can hold</source>
        <translation>il contient déjà %1 figures, autant qu’un fichier peut en contenir</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>zederoru: cannot read %1: %2</source>
        <translation>zederoru&#xa0;: impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>--check needs exactly one collection file</source>
        <translation>--check attend exactement un fichier de collection</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>only one collection can be opened</source>
        <translation>une seule collection peut être ouverte</translation>
    </message>
    <message>
        <source>Try &apos;zederoru --help&apos; for more information.</source>
        <translation>Essayez «&#xa0;zederoru --help&#xa0;» pour plus d’informations.</translation>
    </message>
    <message>
        <source>Usage: zederoru [FILE.pel]
       zederoru --check FILE.pel

Zederoru is a puzzle game: build the target figure out of seven pieces.

  FILE.pel          play the figures of this collection
  --check FILE.pel  check a collection and report, per record with its line number,
                    malformed records, overlapping or disconnected pieces, figures
                    too large or too sparse, duplicates (also figures of the same
                    silhouette, which accept each other&apos;s solutions) and a changed
                    piece set; and how many ways the pieces fill the figures;
                    the exit status is 0 when the collection is clean, 1 otherwise
  --help            show this text
  --version         show the version
</source>
        <translation>Utilisation : zederoru [FICHIER.pel]
              zederoru --check FICHIER.pel

Zederoru est un jeu de casse-tête : reconstituez la figure modèle avec sept pièces.

  FICHIER.pel          jouer les figures de cette collection
  --check FICHIER.pel  vérifier une collection et signaler, par enregistrement avec
                       son numéro de ligne, les enregistrements mal formés, les pièces
                       qui se chevauchent ou sont détachées, les figures trop grandes
                       ou trop clairsemées, les doublons (y compris les figures de même
                       silhouette, qui acceptent la solution l’une de l’autre) et un
                       jeu de pièces modifié ; et de combien de façons les pièces
                       remplissent les figures ;
                       le code de sortie vaut 0 si la collection est saine, 1 sinon
  --help               afficher ce texte
  --version            afficher la version
</translation>
    </message>
</context>
<context>
    <name>Completion</name>
    <message>
        <source>You got it - congratulations</source>
        <translation>Réussi – félicitations&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Composing</name>
    <message>
        <source>Pelorin not appended to file:</source>
        <translation>Figure non ajoutée au fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Proceed anyway ?</source>
        <translation>Continuer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>A block appears isolated !</source>
        <translation>Une pièce semble isolée&#xa0;!</translation>
    </message>
    <message>
        <source>A cluster of blocks appear isolated !</source>
        <translation>Un groupe de pièces semble isolé&#xa0;!</translation>
    </message>
    <message>
        <source>Pelorin appended but not read back:</source>
        <translation>Figure ajoutée, mais le fichier n’a pas été relu&#xa0;:</translation>
    </message>
    <message>
        <source>Pelorin is too wide or too tall</source>
        <translation>La figure est trop large ou trop haute</translation>
    </message>
    <message>
        <source>Pelorin appears sparse; may be too easy to solve !
Append anyway ?</source>
        <translation>La figure semble clairsemée&#xa0;; elle est peut-être trop facile à résoudre&#xa0;!
L’ajouter quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Append this Pelorin to file:
%1 ?</source>
        <translation>Ajouter cette figure au fichier&#xa0;:
%1&#xa0;?</translation>
    </message>
</context>
<context>
    <name>ExitSequence</name>
    <message>
        <source>The settings could not be saved:</source>
        <translation>Les réglages n’ont pas pu être enregistrés&#xa0;:</translation>
    </message>
</context>
<context>
    <name>FigureFile</name>
    <message>
        <source>a home place is not a number</source>
        <translation>une place de départ n’est pas un nombre</translation>
    </message>
    <message>
        <source>the shape record of piece %1, orientation %2 is not numeric</source>
        <translation>l’enregistrement de forme de la pièce %1, orientation %2, n’est pas numérique</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c’est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>c’est un tube nommé, pas un fichier</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>c’est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is %1 bytes long, larger than the %2 bytes the game reads</source>
        <translation>il fait %1 octets, plus que les %2 octets que le jeu lit</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Shape</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>Play difficulty</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Remove existing Pelorin</source>
        <translation>Retirer cette figure</translation>
    </message>
    <message>
        <source>Append existing Pelorin</source>
        <translation>Ajouter la figure du plateau</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Very easy</source>
        <translation>Très facile</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Première</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Précédente</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernière</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>View All</source>
        <translation>Tout voir</translation>
    </message>
    <message>
        <source>Target figure</source>
        <translation>Figure modèle</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Zederoru Help</source>
        <translation>Aide de Zederoru</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Zederoru Help&lt;/h2&gt;&lt;p&gt;The help page was not found. It belongs in&lt;/p&gt;&lt;p&gt;&lt;code&gt;%1&lt;/code&gt;&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Aide de Zederoru&lt;/h2&gt;&lt;p&gt;La page d’aide est introuvable. Elle doit se trouver dans&lt;/p&gt;&lt;p&gt;&lt;code&gt;%1&lt;/code&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>%1 was not found</source>
        <translation>%1 est introuvable</translation>
    </message>
</context>
<context>
    <name>Opening</name>
    <message>
        <source>Pelorin file not opened:</source>
        <translation>Collection non ouverte&#xa0;:</translation>
    </message>
    <message>
        <source>Pelorin files</source>
        <translation>Collections</translation>
    </message>
</context>
<context>
    <name>PELORIN1</name>
    <message>
        <source>the header is shorter than 64 lines</source>
        <translation>l’en-tête compte moins de 64 lignes</translation>
    </message>
    <message>
        <source>Pelorin (%1 of %2)</source>
        <translation>Figure (%1 sur %2)</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cannot handle more than %1 Zederoru</source>
        <translation>Zederoru ne peut pas gérer plus de %1 figures</translation>
    </message>
</context>
<context>
    <name>PlayLevel</name>
    <message>
        <source>Play difficulty: NORMAL</source>
        <translation>Difficulté&#xa0;: NORMAL</translation>
    </message>
    <message>
        <source>Play difficulty: EASY</source>
        <translation>Difficulté&#xa0;: FACILE</translation>
    </message>
    <message>
        <source>Play difficulty: VERY EASY</source>
        <translation>Difficulté&#xa0;: TRÈS FACILE</translation>
    </message>
</context>
<context>
    <name>PrintPage</name>
    <message>
        <source>Print this page?</source>
        <translation>Imprimer cette page&#xa0;?</translation>
    </message>
    <message>
        <source>The page was not printed.</source>
        <translation>La page n’a pas été imprimée.</translation>
    </message>
    <message>
        <source>The page was written to</source>
        <translation>La page a été enregistrée dans</translation>
    </message>
</context>
<context>
    <name>PrintShapes</name>
    <message>
        <source>Print Shapes</source>
        <translation>Imprimer des figures</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Afficher la solution</translation>
    </message>
    <message>
        <source>Show Shape</source>
        <translation>Afficher la figure</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Imprimer cette page</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>The page could not be written to %1: %2</source>
        <translation>La page n’a pas pu être écrite dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The page could not be written to %1.</source>
        <translation>La page n’a pas pu être écrite dans %1.</translation>
    </message>
    <message>
        <source>The printer %1 did not accept the page.</source>
        <translation>L’imprimante %1 n’a pas accepté la page.</translation>
    </message>
    <message>
        <source>No printer found - save the page as PDF</source>
        <translation>Aucune imprimante trouvée – enregistrer la page en PDF</translation>
    </message>
    <message>
        <source>Zederoru page.pdf</source>
        <translation>Page Zederoru.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Printing is not available: %1.</source>
        <translation>L’impression n’est pas disponible&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>Removing</name>
    <message>
        <source>Pelorin not removed from file:</source>
        <translation>Figure non retirée du fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Remove this Pelorin ( %1) ?</source>
        <translation>Retirer cette figure ( %1)&#xa0;?</translation>
    </message>
    <message>
        <source>another program has changed the file since it was loaded; open it again to see its Pelorins</source>
        <translation>un autre programme a modifié le fichier depuis son chargement&#xa0;; rouvrez-le pour voir ses figures</translation>
    </message>
    <message>
        <source>Pelorin removed but file not read back:</source>
        <translation>Figure retirée, mais le fichier n’a pas été relu&#xa0;:</translation>
    </message>
    <message>
        <source>file:%1<byte value="xd"/>
already loaded and saved, use another filename to save as</source>
        <translation>fichier&#xa0;:%1<byte value="xd"/>
déjà chargé et enregistré&#xa0;; choisissez un autre nom pour enregistrer sous</translation>
    </message>
    <message>
        <source>%1
 file already exists, overwrite?</source>
        <translation>%1
 ce fichier existe déjà, le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Pelorin file not copied:</source>
        <translation>Collection non copiée&#xa0;:</translation>
    </message>
    <message>
        <source>Pelorin file not copied as:</source>
        <translation>Collection non copiée sous&#xa0;:</translation>
    </message>
    <message>
        <source>%1
copied as:
%2</source>
        <translation>%1
copiée sous&#xa0;:
%2</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>it is busy: another Zederoru is changing it; try again in a moment</source>
        <translation>il est occupé&#xa0;: un autre Zederoru le modifie&#xa0;; réessayez dans un instant</translation>
    </message>
    <message>
        <source>the folder it lies in cannot be written</source>
        <translation>son dossier n’est pas accessible en écriture</translation>
    </message>
    <message>
        <source>its lock file cannot be created beside it</source>
        <translation>son fichier de verrou ne peut pas être créé à côté</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Pelorin shapes file not found:</source>
        <translation>Collection de figures introuvable&#xa0;:</translation>
    </message>
    <message>
        <source>Pelorin shapes file cannot be read:</source>
        <translation>Collection de figures illisible&#xa0;:</translation>
    </message>
</context>
</TS>
