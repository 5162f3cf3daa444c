<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutForm</name>
    <message>
        <source>About Zederoru</source>
        <translation>Acerca de Zederoru</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
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
Zederoru, del equipo de Zederoru
Escríbenos desde la página del proyecto
Enero de 2005</translation>
    </message>
</context>
<context>
    <name>AllShapes</name>
    <message>
        <source>Click to select, right-click to close</source>
        <translation>Clic: elegir, clic derecho: cerrar</translation>
    </message>
    <message>
        <source>Figure %1</source>
        <translation>Figura %1</translation>
    </message>
    <message>
        <source>Figure %1: %2</source>
        <translation>Figura %1: %2</translation>
    </message>
</context>
<context>
    <name>CollectionCheck</name>
    <message>
        <source>the header is shorter than 64 lines</source>
        <translation>la cabecera tiene menos de 64 líneas</translation>
    </message>
    <message>
        <source>the header cannot be read: %1</source>
        <translation>la cabecera no se puede leer: %1</translation>
    </message>
    <message>
        <source>the header differs from the default piece set</source>
        <translation>la cabecera difiere del juego de piezas estándar</translation>
    </message>
    <message>
        <source>malformed record: %1 fields, 24 expected</source>
        <translation>registro mal formado: %1 campos, se esperaban 24</translation>
    </message>
    <message>
        <source>malformed record: field %1 &quot;%2&quot; is not a number</source>
        <translation>registro mal formado: el campo %1 «%2» no es un número</translation>
    </message>
    <message>
        <source>malformed record: field %1 (%2) is not a 16-bit whole number</source>
        <translation>registro mal formado: el campo %1 (%2) no es un número entero de 16 bits</translation>
    </message>
    <message>
        <source>malformed record: piece %1 has orientation %2, 0 to 7 expected</source>
        <translation>registro mal formado: la pieza %1 tiene la orientación %2, se esperaba de 0 a 7</translation>
    </message>
    <message>
        <source>record number %1 is not above 0, so the game skips it</source>
        <translation>el número de registro %1 no es mayor que 0, así que el juego lo omite</translation>
    </message>
    <message>
        <source>pieces %1 and %2 overlap by %3 square pixels</source>
        <translation>las piezas %1 y %2 se solapan en %3 píxeles cuadrados</translation>
    </message>
    <message>
        <source>piece %1 touches no other piece</source>
        <translation>la pieza %1 no toca ninguna otra pieza</translation>
    </message>
    <message>
        <source>the pieces fall apart into clusters: %1</source>
        <translation>las piezas se separan en grupos: %1</translation>
    </message>
    <message>
        <source>the figure is %1 x %2 pixels, wider or taller than the %3 appending allows</source>
        <translation>la figura mide %1 x %2 píxeles, más ancha o más alta que los %3 que permite añadir</translation>
    </message>
    <message>
        <source>the figure is %1 x %2 pixels and does not fit the target view (%3 x %4)</source>
        <translation>la figura mide %1 x %2 píxeles y no cabe en la vista del modelo (%3 x %4)</translation>
    </message>
    <message>
        <source>the figure is sparse: it covers %1% of its box, at least %2% wanted</source>
        <translation>la figura es dispersa: cubre el %1 % de su recuadro, se desea al menos el %2 %</translation>
    </message>
    <message>
        <source>the same figure as line %1</source>
        <translation>la misma figura que en la línea %1</translation>
    </message>
    <message>
        <source>the same silhouette as line %1: each figure accepts the other&apos;s solution</source>
        <translation>la misma silueta que en la línea %1: cada figura acepta la solución de la otra</translation>
    </message>
    <message>
        <source>the collection holds no figures</source>
        <translation>la colección no contiene figuras</translation>
    </message>
    <message>
        <source>%1 figures, the game handles at most %2</source>
        <translation>%1 figuras, el juego admite como máximo %2</translation>
    </message>
    <message>
        <source>%1 figure checked</source>
        <translation>%1 figura comprobada</translation>
    </message>
    <message>
        <source>%1 figures checked</source>
        <translation>%1 figuras comprobadas</translation>
    </message>
    <message>
        <source>%1: %2, no problems found</source>
        <translation>%1: %2, no se encontraron problemas</translation>
    </message>
    <message>
        <source>%1: %2, %3 problem found</source>
        <translation>%1: %2, se encontró %3 problema</translation>
    </message>
    <message>
        <source>%1: %2, %3 problems found</source>
        <translation>%1: %2, se encontraron %3 problemas</translation>
    </message>
    <message>
        <source>as it is</source>
        <translation>tal como está</translation>
    </message>
    <message>
        <source>turned a quarter</source>
        <translation>girada un cuarto de vuelta</translation>
    </message>
    <message>
        <source>turned half round</source>
        <translation>girada media vuelta</translation>
    </message>
    <message>
        <source>turned three quarters</source>
        <translation>girada tres cuartos de vuelta</translation>
    </message>
    <message>
        <source>mirrored</source>
        <translation>reflejada</translation>
    </message>
    <message>
        <source>mirrored and turned a quarter</source>
        <translation>reflejada y girada un cuarto de vuelta</translation>
    </message>
    <message>
        <source>mirrored and turned half round</source>
        <translation>reflejada y girada media vuelta</translation>
    </message>
    <message>
        <source>mirrored and turned three quarters</source>
        <translation>reflejada y girada tres cuartos de vuelta</translation>
    </message>
    <message>
        <source>the shape of line %1 %2</source>
        <translation>la forma de la línea %1, %2</translation>
    </message>
    <message>
        <source>nearly the shape of line %1 %2: %3% of the area in common</source>
        <translation>casi la forma de la línea %1, %2: %3 % del área en común</translation>
    </message>
    <message>
        <source>the square (piece %1) has orientation %2, which play never reaches; write %3</source>
        <translation>el cuadrado (pieza %1) tiene la posición %2, que el juego nunca alcanza; escribir %3</translation>
    </message>
    <message>
        <source>the silhouette encloses a hole of %1 square pixels</source>
        <translation>la silueta encierra un hueco de %1 píxeles cuadrados</translation>
    </message>
    <message>
        <source>a step of %1 pixels</source>
        <translation>un escalón de %1 píxeles</translation>
    </message>
    <message>
        <source>%1 steps, the shortest of %2 pixels</source>
        <translation>%1 escalones, el más corto de %2 píxeles</translation>
    </message>
    <message>
        <source>the outline makes %1, %2 at least wanted</source>
        <translation>el contorno hace %1, se quieren al menos %2</translation>
    </message>
    <message>
        <source>ways the pieces fill each figure: one way %1, 2 to 9 ways %2, 10 to 99 ways %3, 100 or more %4; not counted (pieces on no one grid) %5</source>
        <translation>maneras en que las piezas llenan cada figura: una manera %1, de 2 a 9 maneras %2, de 10 a 99 maneras %3, 100 o más %4; sin contar (piezas en ninguna cuadrícula común) %5</translation>
    </message>
</context>
<context>
    <name>CollectionFile</name>
    <message>
        <source>it is not a Pelorin file: %1</source>
        <translation>no es un archivo de colección: %1</translation>
    </message>
    <message>
        <source>the line of this Pelorin also holds part of the piece set, which removing it would spoil</source>
        <translation>la línea de esta figura también contiene parte del juego de piezas, que quitarla estropearía</translation>
    </message>
    <message>
        <source>it holds more than %1 Pelorins, more than a file can hold</source>
        <translation>contiene más de %1 figuras, más de las que caben en un archivo</translation>
    </message>
    <message>
        <source>it already holds %1 Pelorins, as many as a file can hold</source>
        <translation>ya contiene %1 figuras, tantas como caben en un archivo</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>zederoru: cannot read %1: %2</source>
        <translation>zederoru: no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>--check needs exactly one collection file</source>
        <translation>--check necesita exactamente un archivo de colección</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>only one collection can be opened</source>
        <translation>solo se puede abrir una colección</translation>
    </message>
    <message>
        <source>Try &apos;zederoru --help&apos; for more information.</source>
        <translation>Prueba «zederoru --help» para más información.</translation>
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
        <translation>Uso: zederoru [ARCHIVO.pel]
     zederoru --check ARCHIVO.pel

Zederoru es un juego de rompecabezas: construye la figura modelo con siete piezas.

  ARCHIVO.pel          jugar con las figuras de esta colección
  --check ARCHIVO.pel  comprobar una colección e informar, por registro con su número
                       de línea, de registros mal formados, piezas solapadas o sueltas,
                       figuras demasiado grandes o dispersas, duplicados (también
                       figuras de la misma silueta, que aceptan la solución de la otra)
                       y un juego de piezas cambiado; y de cuántas maneras las piezas
                       llenan las figuras;
                       el código de salida es 0 si la colección está limpia, 1 si no
  --help               mostrar este texto
  --version            mostrar la versión
</translation>
    </message>
</context>
<context>
    <name>Completion</name>
    <message>
        <source>You got it - congratulations</source>
        <translation>¡Lo has conseguido, enhorabuena!</translation>
    </message>
</context>
<context>
    <name>Composing</name>
    <message>
        <source>Pelorin not appended to file:</source>
        <translation>Figura no añadida al archivo:</translation>
    </message>
    <message>
        <source>Proceed anyway ?</source>
        <translation>¿Continuar de todos modos?</translation>
    </message>
    <message>
        <source>A block appears isolated !</source>
        <translation>¡Una pieza parece aislada!</translation>
    </message>
    <message>
        <source>A cluster of blocks appear isolated !</source>
        <translation>¡Un grupo de piezas parece aislado!</translation>
    </message>
    <message>
        <source>Pelorin appended but not read back:</source>
        <translation>Figura añadida, pero el archivo no se volvió a leer:</translation>
    </message>
    <message>
        <source>Pelorin is too wide or too tall</source>
        <translation>La figura es demasiado ancha o demasiado alta</translation>
    </message>
    <message>
        <source>Pelorin appears sparse; may be too easy to solve !
Append anyway ?</source>
        <translation>La figura parece dispersa; ¡quizá sea demasiado fácil de resolver!
¿Añadirla de todos modos?</translation>
    </message>
    <message>
        <source>Append this Pelorin to file:
%1 ?</source>
        <translation>¿Añadir esta figura al archivo:
%1?</translation>
    </message>
</context>
<context>
    <name>ExitSequence</name>
    <message>
        <source>The settings could not be saved:</source>
        <translation>No se pudo guardar la configuración:</translation>
    </message>
</context>
<context>
    <name>FigureFile</name>
    <message>
        <source>a home place is not a number</source>
        <translation>un lugar de inicio no es un número</translation>
    </message>
    <message>
        <source>the shape record of piece %1, orientation %2 is not numeric</source>
        <translation>el registro de forma de la pieza %1, orientación %2, no es numérico</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>es una tubería con nombre, no un archivo</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is %1 bytes long, larger than the %2 bytes the game reads</source>
        <translation>ocupa %1 bytes, más que los %2 bytes que lee el juego</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Shape</source>
        <translation>Figura</translation>
    </message>
    <message>
        <source>Play difficulty</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Remove existing Pelorin</source>
        <translation>Quitar esta figura</translation>
    </message>
    <message>
        <source>Append existing Pelorin</source>
        <translation>Añadir la figura del tablero</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Very easy</source>
        <translation>Muy fácil</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primera</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Última</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>View All</source>
        <translation>Ver todas</translation>
    </message>
    <message>
        <source>Target figure</source>
        <translation>Figura modelo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Zederoru Help</source>
        <translation>Ayuda de Zederoru</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Zederoru Help&lt;/h2&gt;&lt;p&gt;The help page was not found. It belongs in&lt;/p&gt;&lt;p&gt;&lt;code&gt;%1&lt;/code&gt;&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Ayuda de Zederoru&lt;/h2&gt;&lt;p&gt;No se encontró la página de ayuda. Debe estar en&lt;/p&gt;&lt;p&gt;&lt;code&gt;%1&lt;/code&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>%1 was not found</source>
        <translation>no se encontró %1</translation>
    </message>
</context>
<context>
    <name>Opening</name>
    <message>
        <source>Pelorin file not opened:</source>
        <translation>Colección no abierta:</translation>
    </message>
    <message>
        <source>Pelorin files</source>
        <translation>Colecciones</translation>
    </message>
</context>
<context>
    <name>PELORIN1</name>
    <message>
        <source>the header is shorter than 64 lines</source>
        <translation>la cabecera tiene menos de 64 líneas</translation>
    </message>
    <message>
        <source>Pelorin (%1 of %2)</source>
        <translation>Figura (%1 de %2)</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Archivo: %1</translation>
    </message>
    <message>
        <source>Cannot handle more than %1 Zederoru</source>
        <translation>Zederoru no puede manejar más de %1 figuras</translation>
    </message>
</context>
<context>
    <name>PlayLevel</name>
    <message>
        <source>Play difficulty: NORMAL</source>
        <translation>Dificultad: NORMAL</translation>
    </message>
    <message>
        <source>Play difficulty: EASY</source>
        <translation>Dificultad: FÁCIL</translation>
    </message>
    <message>
        <source>Play difficulty: VERY EASY</source>
        <translation>Dificultad: MUY FÁCIL</translation>
    </message>
</context>
<context>
    <name>PrintPage</name>
    <message>
        <source>Print this page?</source>
        <translation>¿Imprimir esta página?</translation>
    </message>
    <message>
        <source>The page was not printed.</source>
        <translation>La página no se imprimió.</translation>
    </message>
    <message>
        <source>The page was written to</source>
        <translation>La página se guardó en</translation>
    </message>
</context>
<context>
    <name>PrintShapes</name>
    <message>
        <source>Print Shapes</source>
        <translation>Imprimir figuras</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Mostrar la solución</translation>
    </message>
    <message>
        <source>Show Shape</source>
        <translation>Mostrar la figura</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Imprimir esta página</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>The page could not be written to %1: %2</source>
        <translation>No se pudo escribir la página en %1: %2</translation>
    </message>
    <message>
        <source>The page could not be written to %1.</source>
        <translation>No se pudo escribir la página en %1.</translation>
    </message>
    <message>
        <source>The printer %1 did not accept the page.</source>
        <translation>La impresora %1 no aceptó la página.</translation>
    </message>
    <message>
        <source>No printer found - save the page as PDF</source>
        <translation>No se encontró ninguna impresora: guarda la página como PDF</translation>
    </message>
    <message>
        <source>Zederoru page.pdf</source>
        <translation>Página de Zederoru.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Printing is not available: %1.</source>
        <translation>No se puede imprimir: %1.</translation>
    </message>
</context>
<context>
    <name>Removing</name>
    <message>
        <source>Pelorin not removed from file:</source>
        <translation>Figura no quitada del archivo:</translation>
    </message>
    <message>
        <source>Remove this Pelorin ( %1) ?</source>
        <translation>¿Quitar esta figura ( %1)?</translation>
    </message>
    <message>
        <source>another program has changed the file since it was loaded; open it again to see its Pelorins</source>
        <translation>otro programa ha cambiado el archivo desde que se cargó; ábrelo de nuevo para ver sus figuras</translation>
    </message>
    <message>
        <source>Pelorin removed but file not read back:</source>
        <translation>Figura quitada, pero el archivo no se volvió a leer:</translation>
    </message>
    <message>
        <source>file:%1<byte value="xd"/>
already loaded and saved, use another filename to save as</source>
        <translation>archivo:%1<byte value="xd"/>
ya está cargado y guardado; usa otro nombre para guardar como</translation>
    </message>
    <message>
        <source>%1
 file already exists, overwrite?</source>
        <translation>%1
 el archivo ya existe, ¿sobrescribirlo?</translation>
    </message>
    <message>
        <source>Pelorin file not copied:</source>
        <translation>Colección no copiada:</translation>
    </message>
    <message>
        <source>Pelorin file not copied as:</source>
        <translation>Colección no copiada como:</translation>
    </message>
    <message>
        <source>%1
copied as:
%2</source>
        <translation>%1
copiada como:
%2</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>it is busy: another Zederoru is changing it; try again in a moment</source>
        <translation>está ocupado: otro Zederoru lo está cambiando; inténtalo de nuevo en un momento</translation>
    </message>
    <message>
        <source>the folder it lies in cannot be written</source>
        <translation>no se puede escribir en su carpeta</translation>
    </message>
    <message>
        <source>its lock file cannot be created beside it</source>
        <translation>no se puede crear su archivo de bloqueo a su lado</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Pelorin shapes file not found:</source>
        <translation>No se encontró la colección de figuras:</translation>
    </message>
    <message>
        <source>Pelorin shapes file cannot be read:</source>
        <translation>No se puede leer la colección de figuras:</translation>
    </message>
</context>
</TS>
