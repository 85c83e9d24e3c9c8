<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BackgroundWork</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Exporting</source>
        <translation>Exportando</translation>
    </message>
</context>
<context>
    <name>CheckedPrintDialog</name>
    <message>
        <source>Cannot print to %1: %2.</source>
        <translation>No se puede imprimir en %1: %2.</translation>
    </message>
</context>
<context>
    <name>ChoiceDelegate</name>
    <message>
        <source>As the job</source>
        <translation>Como la obra</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--decimals is used with --marks</source>
        <translation>--decimals se usa con --marks</translation>
    </message>
    <message>
        <source>--paper &quot;%1&quot; is neither letter nor a4</source>
        <translation>--paper &quot;%1&quot; no es ni letter ni a4</translation>
    </message>
    <message>
        <source>one job file at most, not &quot;%1&quot; and &quot;%2&quot;</source>
        <translation>como mucho un archivo de obra, no &quot;%1&quot; y &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--%1 cannot be used with a job file</source>
        <translation>--%1 no se puede usar con un archivo de obra</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>advertencia: %1</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot;: %3</source>
        <translation>--%1 &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>--%1: %2</source>
        <translation>--%1: %2</translation>
    </message>
    <message>
        <source>the unit is in or mm</source>
        <translation>la unidad es in o mm</translation>
    </message>
    <message>
        <source>a millimetre job rounds with --mark-step</source>
        <translation>una obra en milímetros se redondea con --mark-step</translation>
    </message>
    <message>
        <source>the increment is 4, 8, 16 or 32</source>
        <translation>el redondeo es 4, 8, 16 o 32</translation>
    </message>
    <message>
        <source>the mark step is for --unit mm</source>
        <translation>el paso de las marcas es para --unit mm</translation>
    </message>
    <message>
        <source>the mark step is 1 or 0.5</source>
        <translation>el paso de las marcas es 1 o 0.5</translation>
    </message>
    <message>
        <source>--rise and --run are given together</source>
        <translation>--rise y --run se indican juntos</translation>
    </message>
    <message>
        <source>a slope is --rise and --run or --angle, not both</source>
        <translation>una pendiente se da con --rise y --run o con --angle, no con ambos</translation>
    </message>
    <message>
        <source>not a number of degrees</source>
        <translation>no es un número de grados</translation>
    </message>
    <message>
        <source>the ends are full or half</source>
        <translation>los extremos son full o half</translation>
    </message>
    <message>
        <source>--%1 is required without a job file</source>
        <translation>--%1 es obligatorio sin archivo de obra</translation>
    </message>
    <message>
        <source>Railing section</source>
        <translation>Tramo de barandilla</translation>
    </message>
    <message>
        <source>%1: section %2 &quot;%3&quot;: %4</source>
        <translation>%1: tramo %2 &quot;%3&quot;: %4</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>Writes the sheet as a PDF to FILE.</source>
        <translation>Escribe la hoja en PDF en ARCHIVO.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>Prints the marks, tab-separated, on standard output.</source>
        <translation>Escribe las marcas, separadas por tabuladores, en la salida estándar.</translation>
    </message>
    <message>
        <source>With --marks: decimals instead of fractions.</source>
        <translation>Con --marks: decimales en lugar de fracciones.</translation>
    </message>
    <message>
        <source>The paper of the PDF: letter or a4 (default: from the locale).</source>
        <translation>El papel del PDF: letter o a4 (por omisión: según la configuración regional).</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>TAMAÑO</translation>
    </message>
    <message>
        <source>The section&apos;s length between the posts, along the rail.</source>
        <translation>El largo del tramo entre los postes, medido a lo largo del pasamanos.</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>The width of one railpin.</source>
        <translation>El ancho de un balaustre.</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>The largest gap allowed between railpins.</source>
        <translation>El mayor hueco permitido entre balaustres.</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>Inches: marks rounded to 1/N, N of 4, 8, 16 or 32 (default 16).</source>
        <translation>Pulgadas: marcas redondeadas a 1/N, con N de 4, 8, 16 o 32 (por omisión 16).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>The railpin count (default: the fewest within the maximum gap).</source>
        <translation>El número de balaustres (por omisión: el menor que respeta el hueco máximo).</translation>
    </message>
    <message>
        <source>A full gap (full) or half a gap (half) at each post (default full).</source>
        <translation>Un hueco completo (full) o medio hueco (half) junto a cada poste (por omisión full).</translation>
    </message>
    <message>
        <source>ENDS</source>
        <translation>EXTREMOS</translation>
    </message>
    <message>
        <source>A stair&apos;s rise, with --run.</source>
        <translation>La contrahuella de una escalera, con --run.</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>A stair&apos;s run, with --rise.</source>
        <translation>La huella de una escalera, con --rise.</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>A stair&apos;s slope in degrees.</source>
        <translation>La pendiente de una escalera, en grados.</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>The name on the sheet.</source>
        <translation>El nombre que figura en la hoja.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXTO</translation>
    </message>
    <message>
        <source>The unit of every length: in or mm (default in).</source>
        <translation>La unidad de todas las longitudes: in o mm (por omisión in).</translation>
    </message>
    <message>
        <source>UNIT</source>
        <translation>UNIDAD</translation>
    </message>
    <message>
        <source>Millimetres: marks rounded to 1 or 0.5 mm (default 1).</source>
        <translation>Milímetros: marcas redondeadas a 1 o 0.5 mm (por omisión 1).</translation>
    </message>
    <message>
        <source>STEP</source>
        <translation>PASO</translation>
    </message>
    <message>
        <source>Lays out the railpins of a railing. With --pdf or --marks it writes a job&apos;s sheet or marks without opening a window; without them it opens the calculator.</source>
        <translation>Replantea los balaustres de una barandilla. Con --pdf o --marks escribe la hoja o las marcas de una obra sin abrir ninguna ventana; sin ellas abre la calculadora.</translation>
    </message>
    <message>
        <source>JOB</source>
        <translation>OBRA</translation>
    </message>
    <message>
        <source>A job file (.railpin) instead of a section given by options.</source>
        <translation>Un archivo de obra (.railpin) en lugar de un tramo dado con opciones.</translation>
    </message>
    <message>
        <source>[JOB.railpin]</source>
        <translation>[OBRA.railpin]</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 y %2 no se pueden usar juntos</translation>
    </message>
    <message>
        <source>--decimals cannot be used with --csv, which writes decimals and fractions</source>
        <translation>--decimals no se puede usar con --csv, que escribe decimales y fracciones</translation>
    </message>
    <message>
        <source>--paper is used with --pdf or --template</source>
        <translation>--paper se usa con --pdf o --template</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; would overwrite the job file</source>
        <translation>%1 &quot;%2&quot; sobrescribiría el archivo de obra</translation>
    </message>
    <message>
        <source>the count is a whole number of 0 or more</source>
        <translation>el número es un entero de 0 o más</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file name, then a message about it, on standard error; kept with the command line&apos;s other messages.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>With --marks: comma-separated values for a spreadsheet, exact decimals first.</source>
        <translation>Con --marks: valores separados por comas para una hoja de cálculo, con los decimales exactos primero.</translation>
    </message>
    <message>
        <source>Writes a full-size template to lay on the rail as a PDF to FILE.</source>
        <translation>Escribe en ARCHIVO, en PDF, una plantilla a tamaño real para colocar sobre el pasamanos.</translation>
    </message>
    <message>
        <source>Writes a full-size drawing as SVG to FILE.</source>
        <translation>Escribe un dibujo a tamaño real en SVG en ARCHIVO.</translation>
    </message>
    <message>
        <source>Writes a full-size drawing as DXF to FILE.</source>
        <translation>Escribe un dibujo a tamaño real en DXF en ARCHIVO.</translation>
    </message>
    <message>
        <source>The largest gap allowed on a stair (default: --max-gap).</source>
        <translation>El mayor hueco permitido en una escalera (por omisión: --max-gap).</translation>
    </message>
    <message>
        <source>the spacing is equal or same</source>
        <translation>el espaciado es equal o same</translation>
    </message>
    <message>
        <source>the centre is either, railpin or gap</source>
        <translation>el centro es either, railpin o gap</translation>
    </message>
    <message>
        <source>lengths are between faces or centres</source>
        <translation>los largos se miden entre faces o centres</translation>
    </message>
    <message>
        <source>--spacing same needs --design-gap: the gap between railpins</source>
        <translation>--spacing same necesita --design-gap: el hueco entre balaustres</translation>
    </message>
    <message>
        <source>--spacing same has equal end gaps of its own: --ends half is for equal gaps</source>
        <translation>--spacing same ya tiene sus propios huecos extremos iguales: --ends half es para huecos iguales</translation>
    </message>
    <message>
        <source>--between centres needs --post-width</source>
        <translation>--between centres necesita --post-width</translation>
    </message>
    <message>
        <source>The gap aimed at, at most the maximum gap (default: the maximum gap).</source>
        <translation>El hueco objetivo, como mucho el hueco máximo (por omisión: el hueco máximo).</translation>
    </message>
    <message>
        <source>Equal gaps post to post (equal), or the design gap between railpins and equal end gaps (same) (default equal).</source>
        <translation>Huecos iguales de poste a poste (equal), o el hueco objetivo entre balaustres con huecos extremos iguales (same) (por omisión equal).</translation>
    </message>
    <message>
        <source>SPACING</source>
        <translation>ESPACIADO</translation>
    </message>
    <message>
        <source>What stands at mid-span: either, railpin or gap (default either).</source>
        <translation>Lo que queda en el centro del tramo: either, railpin o gap (por omisión either).</translation>
    </message>
    <message>
        <source>CENTRE</source>
        <translation>CENTRO</translation>
    </message>
    <message>
        <source>The length is between post faces or post centres (default faces).</source>
        <translation>El largo se mide entre las caras de los postes (faces) o entre sus ejes (centres) (por omisión faces).</translation>
    </message>
    <message>
        <source>POSTS</source>
        <translation>POSTES</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>--%1 is given more than once: give it one value</source>
        <translation>--%1 se indica más de una vez: dé un solo valor</translation>
    </message>
    <message>
        <source>nothing to do: give --pdf FILE, --marks, --order, --template FILE, --svg FILE or --dxf FILE</source>
        <translation>nada que hacer: indique --pdf ARCHIVO, --marks, --order, --template ARCHIVO, --svg ARCHIVO o --dxf ARCHIVO</translation>
    </message>
    <message>
        <source>--csv is used with --marks or --order</source>
        <translation>--csv se usa con --marks o --order</translation>
    </message>
    <message>
        <source>--%1 is used with --order or --pdf</source>
        <translation>--%1 se usa con --order o --pdf</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>Prints the cut and order list, tab-separated, on standard output.</source>
        <translation>Escribe la lista de cortes y de pedido, separada por tabuladores, en la salida estándar.</translation>
    </message>
    <message>
        <source>Order list: rails per section, 0 to 4 (default 2).</source>
        <translation>Lista de pedido: pasamanos por tramo, de 0 a 4 (por omisión 2).</translation>
    </message>
    <message>
        <source>Order list: the lengths rails are sold in, such as &quot;96,120,144,192&quot; (default 8, 10, 12 and 16 ft, or 2400 to 4800 mm).</source>
        <translation>Lista de pedido: los largos en que se venden los pasamanos, como &quot;96,120,144,192&quot; (por omisión 8, 10, 12 y 16 pies, o de 2400 a 4800 mm).</translation>
    </message>
    <message>
        <source>LENGTHS</source>
        <translation>LARGOS</translation>
    </message>
    <message>
        <source>Order list: the saw&apos;s kerf (default 1/8 in or 3 mm).</source>
        <translation>Lista de pedido: el ancho de corte de la sierra (por omisión 1/8 pulg. o 3 mm).</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Order list: the cut length of a railpin between rails.</source>
        <translation>Lista de pedido: el largo de corte de un balaustre entre pasamanos.</translation>
    </message>
    <message>
        <source>Order list: the lengths railpins are cut from.</source>
        <translation>Lista de pedido: los largos de los que se cortan los balaustres.</translation>
    </message>
    <message>
        <source>Order list: screws for one railpin (default 4).</source>
        <translation>Lista de pedido: tornillos por balaustre (por omisión 4).</translation>
    </message>
    <message>
        <source>Order list: screws at each end of a rail (default 2).</source>
        <translation>Lista de pedido: tornillos en cada extremo de un pasamanos (por omisión 2).</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>nota: %1</translation>
    </message>
    <message>
        <source>--post-width is used with --between centres or --max-post-spacing</source>
        <translation>--post-width se usa con --between centres o --max-post-spacing</translation>
    </message>
    <message>
        <source>give a whole number from %1 to %2</source>
        <translation>indique un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>--%1 is used with --treads</source>
        <translation>--%1 se usa con --treads</translation>
    </message>
    <message>
        <source>--nosing is used with --treads or --bottom-rail</source>
        <translation>--nosing se usa con --treads o --bottom-rail</translation>
    </message>
    <message>
        <source>--treads: treads need the rise and run of one step, not an angle</source>
        <translation>--treads: los peldaños necesitan la contrahuella y la huella de un escalón, no un ángulo</translation>
    </message>
    <message>
        <source>--treads needs --rise and --run: the rise and run of one step</source>
        <translation>--treads necesita --rise y --run: la contrahuella y la huella de un escalón</translation>
    </message>
    <message>
        <source>--length does not go with --treads: the treads give the stair&apos;s length</source>
        <translation>--length no va con --treads: los peldaños dan el largo de la escalera</translation>
    </message>
    <message>
        <source>--%1 does not go with --treads</source>
        <translation>--%1 no va con --treads</translation>
    </message>
    <message>
        <source>--%1 is used with a stair&apos;s --rise and --run</source>
        <translation>--%1 se usa con --rise y --run de una escalera</translation>
    </message>
    <message>
        <source>--triangle-sphere is used with --bottom-rail</source>
        <translation>--triangle-sphere se usa con --bottom-rail</translation>
    </message>
    <message>
        <source>the newels are none, bottom, top or both</source>
        <translation>los postes de escalera son none, bottom, top o both</translation>
    </message>
    <message>
        <source>a run starts or ends at a post or a wall</source>
        <translation>una alineación empieza o termina en un poste o en una pared</translation>
    </message>
    <message>
        <source>--%1 is used with --max-post-spacing</source>
        <translation>--%1 se usa con --max-post-spacing</translation>
    </message>
    <message>
        <source>--between cannot be used with --max-post-spacing: a run is measured from its start to its end, and its bays between post faces</source>
        <translation>--between no se puede usar con --max-post-spacing: una alineación se mide de su inicio a su final, y sus vanos entre las caras de los postes</translation>
    </message>
    <message>
        <source>--count cannot be used with --max-post-spacing: each bay gets the fewest railpins within the gap</source>
        <translation>--count no se puede usar con --max-post-spacing: cada vano recibe el menor número de balaustres que respeta el hueco</translation>
    </message>
    <message>
        <source>a run is level: --rise, --run and --angle cannot be used with --max-post-spacing</source>
        <translation>una alineación es horizontal: --rise, --run y --angle no se pueden usar con --max-post-spacing</translation>
    </message>
    <message>
        <source>--max-post-spacing needs --post-width</source>
        <translation>--max-post-spacing necesita --post-width</translation>
    </message>
    <message>
        <source>Run</source>
        <extracomment>The name of a run given by options without --name.</extracomment>
        <translation>Alineación</translation>
    </message>
    <message>
        <source>run %1 &quot;%2&quot;: %3</source>
        <translation>alineación %1 &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>section %1 &quot;%2&quot;: %3</source>
        <translation>tramo %1 &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>The width of a post, with --between centres or --max-post-spacing.</source>
        <translation>El ancho de un poste, con --between centres o --max-post-spacing.</translation>
    </message>
    <message>
        <source>A stair given by its N treads instead of its length, with --rise and --run of one step (the run from riser face to riser face).</source>
        <translation>Una escalera dada por sus N peldaños en lugar de su largo, con --rise y --run de un escalón (la huella, de cara a cara de contrahuella).</translation>
    </message>
    <message>
        <source>Railpins on each tread: auto or 1 to 10 (default auto: the fewest within the gap).</source>
        <translation>Balaustres en cada peldaño: auto o de 1 a 10 (por omisión auto: el menor número que respeta el hueco).</translation>
    </message>
    <message>
        <source>The least railpins per tread, 1 to 4 (default 2).</source>
        <translation>El mínimo de balaustres por peldaño, de 1 a 4 (por omisión 2).</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>The first railpin&apos;s centre from the riser face (default: half a railpin width).</source>
        <translation>El eje del primer balaustre desde la cara de la contrahuella (por omisión: medio ancho de balaustre).</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Newels in place of the bottom tread&apos;s front railpin, the top tread&apos;s back one, or both: none, bottom, top or both (default none).</source>
        <translation>Postes de escalera en lugar del balaustre delantero del peldaño inferior, del trasero del peldaño superior, o de ambos: none, bottom, top o both (por omisión none).</translation>
    </message>
    <message>
        <source>NEWELS</source>
        <translation>DÓNDE</translation>
    </message>
    <message>
        <source>How far a tread&apos;s nosing stands out past its riser (default 0).</source>
        <translation>Cuánto sobresale la nariz de un peldaño por delante de su contrahuella (por omisión 0).</translation>
    </message>
    <message>
        <source>Plumb from the nosing line to the rail&apos;s top: gives each railpin&apos;s length.</source>
        <translation>A plomo, de la línea de narices a la cara superior del pasamanos: da el largo de cada balaustre.</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>The rail&apos;s depth square to its slope (default 0).</source>
        <translation>El canto del pasamanos, medido en perpendicular a su pendiente (por omisión 0).</translation>
    </message>
    <message>
        <source>The depth of the holes the railpins enter, top and bottom together (default 0).</source>
        <translation>La profundidad de los agujeros en que entran los balaustres, arriba y abajo juntos (por omisión 0).</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Plumb from the nosing line to the bottom rail&apos;s lower edge: checks the opening under it.</source>
        <translation>A plomo, de la línea de narices al borde inferior del pasamanos inferior: comprueba la abertura que queda debajo.</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>The sphere that must not pass under a stair&apos;s bottom rail (default 6 in or 152 mm).</source>
        <translation>La esfera que no debe pasar bajo el pasamanos inferior de una escalera (por omisión 6 pulg. o 152 mm).</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Lays out a run: --length from its start to its end is split into the fewest equal bays with posts at most S apart, centre to centre.</source>
        <translation>Replantea una alineación: su --length, de su inicio a su final, se divide en el menor número de vanos iguales con postes separados como mucho S, de eje a eje.</translation>
    </message>
    <message>
        <source>What the run starts at: a post&apos;s centre (post) or a wall (wall) (default post).</source>
        <translation>Dónde empieza la alineación: en el eje de un poste (post) o en una pared (wall) (por omisión post).</translation>
    </message>
    <message>
        <source>END</source>
        <translation>EXTREMO</translation>
    </message>
    <message>
        <source>What the run ends at: a post&apos;s centre (post) or a wall (wall) (default post).</source>
        <translation>Dónde termina la alineación: en el eje de un poste (post) o en una pared (wall) (por omisión post).</translation>
    </message>
    <message>
        <source>--csv-decimal is used with --csv</source>
        <translation>--csv-decimal se usa con --csv</translation>
    </message>
    <message>
        <source>--csv-decimal &quot;%1&quot; is neither point nor comma</source>
        <translation>--csv-decimal &quot;%1&quot; no es ni point ni comma</translation>
    </message>
    <message>
        <source>With --csv: decimals with a point (fields separated by &quot;,&quot;) or a comma (fields separated by &quot;;&quot;) (default: from the locale).</source>
        <translation>Con --csv: decimales con punto (campos separados por &quot;,&quot;) o con coma (campos separados por &quot;;&quot;) (por defecto: según la configuración regional).</translation>
    </message>
    <message>
        <source>point|comma</source>
        <translation>point|comma</translation>
    </message>
    <message>
        <source>--section is used with --template</source>
        <translation>--section se usa con --template</translation>
    </message>
    <message>
        <source>--section &quot;%1&quot;: the job has no section of that name</source>
        <translation>--section &quot;%1&quot;: la obra no tiene ningún tramo con ese nombre</translation>
    </message>
    <message>
        <source>marks are from the post faces or the post centres</source>
        <translation>las marcas se miden desde las caras de los postes (faces) o desde sus ejes (centres)</translation>
    </message>
    <message>
        <source>--marks-from is used with --between centres</source>
        <translation>--marks-from se usa con --between centres</translation>
    </message>
    <message>
        <source>With --template: only the sections of this name; give it once for each section (default: every section).</source>
        <translation>Con --template: solo los tramos con este nombre; indíquelo una vez por cada tramo (por omisión: todos los tramos).</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>With --between centres: marks from the post faces or the post centres (default faces).</source>
        <translation>Con --between centres: marcas desde las caras de los postes (faces) o desde sus ejes (centres) (por omisión faces).</translation>
    </message>
    <message>
        <source>%1 is in neither %2 nor %3: the program is not installed whole</source>
        <translation>%1 no está ni en %2 ni en %3: el programa no está instalado completo</translation>
    </message>
    <message>
        <source>cannot load %1: %2</source>
        <translation>no se puede cargar %1: %2</translation>
    </message>
</context>
<context>
    <name>EndsDelegate</name>
    <message>
        <source>A full gap between each post and the railpin next to it</source>
        <translation>Un hueco completo entre cada poste y el balaustre más próximo</translation>
    </message>
    <message>
        <source>Half a gap between each post and the railpin next to it</source>
        <translation>Medio hueco entre cada poste y el balaustre más próximo</translation>
    </message>
</context>
<context>
    <name>Increments</name>
    <message>
        <source>Quarter</source>
        <translation>Cuarto</translation>
    </message>
    <message>
        <source>Eighth</source>
        <translation>Octavo</translation>
    </message>
    <message>
        <source>Sixteenth</source>
        <translation>Dieciseisavo</translation>
    </message>
    <message>
        <source>Thirty Second</source>
        <translation>Treintaidosavo</translation>
    </message>
</context>
<context>
    <name>JobSheet</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A measurement and its unit on the printed sheet (&quot;36 in&quot;); printed, so kept apart from the window&apos;s texts.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>On the printed sheet: a value, then another form of it or its unit in brackets (&quot;36 1/8 (36.125)&quot;, &quot;Railpin (mm)&quot;); printed, so kept apart from the window&apos;s texts.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>in millimetres, exact in brackets</source>
        <translation>en milímetros, valor exacto entre paréntesis</translation>
    </message>
    <message>
        <source>in inches, exact in brackets</source>
        <translation>en pulgadas, valor exacto entre paréntesis</translation>
    </message>
    <message>
        <source>Unnamed section</source>
        <extracomment>A section without a name, as the printed job sheet heads it.</extracomment>
        <translation>Tramo sin nombre</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Problem: %1</source>
        <translation>Problema: %1</translation>
    </message>
    <message>
        <source>This section is not laid out until the problem is mended.</source>
        <translation>Este tramo no se replantea hasta que se corrija el problema.</translation>
    </message>
    <message>
        <source>%1 — %2, continued</source>
        <translation>%1 — %2 (continuación)</translation>
    </message>
    <message>
        <source>Marks along the rail, from the left post, %1:</source>
        <translation>Marcas a lo largo del pasamanos, desde el poste izquierdo, %1:</translation>
    </message>
    <message>
        <source>Horizontal marks, from the left post, %1:</source>
        <translation>Marcas en horizontal, desde el poste izquierdo, %1:</translation>
    </message>
    <message>
        <source>Marks from the left post, %1:</source>
        <translation>Marcas desde el poste izquierdo, %1:</translation>
    </message>
    <message>
        <source>Length along the rail: %1</source>
        <translation>Largo medido sobre el pasamanos: %1</translation>
    </message>
    <message>
        <source> (%1°)</source>
        <translation> (%1°)</translation>
    </message>
    <message>
        <source>Slope: rise %1, run %2%3</source>
        <translation>Pendiente: contrahuella %1, huella %2%3</translation>
    </message>
    <message>
        <source>Slope: %1°</source>
        <translation>Pendiente: %1°</translation>
    </message>
    <message>
        <source>Horizontal run: %1 (%2)</source>
        <translation>Proyección horizontal: %1 (%2)</translation>
    </message>
    <message>
        <source>Length: %1</source>
        <translation>Largo: %1</translation>
    </message>
    <message>
        <source>Ends: half a gap at each post</source>
        <translation>Extremos: medio hueco junto a cada poste</translation>
    </message>
    <message>
        <source>Ends: a full gap at each post</source>
        <translation>Extremos: un hueco completo junto a cada poste</translation>
    </message>
    <message>
        <source>Railpins: %1 (as given)</source>
        <translation>Balaustres: %1 (número indicado)</translation>
    </message>
    <message>
        <source>Railpins: %1 (the fewest within the maximum gap)</source>
        <translation>Balaustres: %1 (el menor número que respeta el hueco máximo)</translation>
    </message>
    <message>
        <source>Gap, measured level: %1</source>
        <translation>Hueco, medido en horizontal: %1</translation>
    </message>
    <message>
        <source>Gap: %1</source>
        <translation>Hueco: %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <extracomment>A warning line printed below a section on the job sheet.</extracomment>
        <translation>Advertencia: %1</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>%1: %2 railpins</source>
        <translation>%1: %2 balaustres</translation>
    </message>
    <message>
        <source>%1: not laid out (see its problem)</source>
        <translation>%1: sin replantear (vea su problema)</translation>
    </message>
    <message>
        <source>the sheet could not be started</source>
        <translation>no se pudo empezar la hoja</translation>
    </message>
    <message>
        <source>Untitled job</source>
        <extracomment>The name of a job without one, on the sheet, in the window title and in messages.</extracomment>
        <translation>Obra sin título</translation>
    </message>
    <message>
        <source>This job has no sections.</source>
        <extracomment>Printed on the job sheet in place of the sections.</extracomment>
        <translation>Esta obra no tiene tramos.</translation>
    </message>
    <message>
        <source>the sheet could not be finished</source>
        <translation>no se pudo terminar la hoja</translation>
    </message>
    <message>
        <source>Railpins: 0 (no railpins needed)</source>
        <translation>Balaustres: 0 (no hacen falta balaustres)</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelada</translation>
    </message>
    <message>
        <source>Railpins: %1 (the end gaps closest to the spacing)</source>
        <translation>Balaustres: %1 (los huecos extremos más próximos al espaciado)</translation>
    </message>
    <message>
        <source>Railpins: %1 (the fewest within the design gap)</source>
        <translation>Balaustres: %1 (el menor número que respeta el hueco objetivo)</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>Replanteo: %1</translation>
    </message>
    <message>
        <source>%1, continued</source>
        <translation>%1 (continuación)</translation>
    </message>
    <message>
        <source>Clear span between post faces: %1</source>
        <translation>Luz libre entre las caras de los postes: %1</translation>
    </message>
    <message>
        <source>%1 — run %2, continued</source>
        <translation>%1 — alineación %2 (continuación)</translation>
    </message>
    <message>
        <source>%1 — run %2</source>
        <translation>%1 — alineación %2</translation>
    </message>
    <message>
        <source>Posts from the start of the run, %1:</source>
        <translation>Postes desde el inicio de la alineación, %1:</translation>
    </message>
    <message>
        <source>%1 (corner)</source>
        <extracomment>A run&apos;s first post, shared with the run before and counted there.</extracomment>
        <translation>%1 (esquina)</translation>
    </message>
    <message>
        <source>Marks along the rail, from the left post face, %1:</source>
        <translation>Marcas a lo largo del pasamanos, desde la cara del poste izquierdo, %1:</translation>
    </message>
    <message>
        <source>Marks along the rail, from the left post centre, %1:</source>
        <translation>Marcas a lo largo del pasamanos, desde el eje del poste izquierdo, %1:</translation>
    </message>
    <message>
        <source>Horizontal marks, from the left post face, %1:</source>
        <translation>Marcas en horizontal, desde la cara del poste izquierdo, %1:</translation>
    </message>
    <message>
        <source>Horizontal marks, from the left post centre, %1:</source>
        <translation>Marcas en horizontal, desde el eje del poste izquierdo, %1:</translation>
    </message>
    <message>
        <source>Marks from the left post face, %1:</source>
        <translation>Marcas desde la cara del poste izquierdo, %1:</translation>
    </message>
    <message>
        <source>Marks from the left post centre, %1:</source>
        <translation>Marcas desde el eje del poste izquierdo, %1:</translation>
    </message>
</context>
<context>
    <name>JobWindows</name>
    <message>
        <source>Open Job</source>
        <translation>Abrir obra</translation>
    </message>
    <message>
        <source>Railpin jobs (*.railpin)</source>
        <translation>Archivos de obra (*.railpin)</translation>
    </message>
</context>
<context>
    <name>LayoutSheet</name>
    <message>
        <source>(too large for a fraction)</source>
        <translation>(demasiado grande para una fracción)</translation>
    </message>
    <message>
        <source>Layout sheet</source>
        <translation>Hoja de replanteo</translation>
    </message>
    <message>
        <source>Section length: %1</source>
        <translation>Largo del tramo: %1</translation>
    </message>
    <message>
        <source>Calculate to nearest: %1</source>
        <translation>Redondear al más próximo: %1</translation>
    </message>
    <message>
        <source>%1 railpins; each centre measured from the left post, in inches:</source>
        <translation>%1 balaustres; cada eje medido desde el poste izquierdo, en pulgadas:</translation>
    </message>
    <message>
        <source>%1 railpins; the first %2 and the last are listed, each centre measured from the left post, in inches:</source>
        <translation>%1 balaustres; se indican los %2 primeros y el último, cada eje medido desde el poste izquierdo, en pulgadas:</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Fracción</translation>
    </message>
    <message>
        <source>Layout sheet, continued</source>
        <translation>Hoja de replanteo (continuación)</translation>
    </message>
    <message>
        <source>Railpins %1 to %2 are not listed: the sheet stops at %3 railpins.</source>
        <translation>Los balaustres %1 a %2 no se indican: la hoja se detiene en %3 balaustres.</translation>
    </message>
    <message>
        <source>From the centre of railpin %1 to the right post: %2 (%3)</source>
        <translation>Del eje del balaustre %1 al poste derecho: %2 (%3)</translation>
    </message>
    <message>
        <source>No layout sheet: the results shown are not those of the railpin count. Press +, - or Auto, then print again.</source>
        <translation>Sin hoja de replanteo: los resultados mostrados no corresponden al número de balaustres. Pulse +, - o Auto y vuelva a imprimir.</translation>
    </message>
</context>
<context>
    <name>MarkReference</name>
    <message>
        <source>from the left post face</source>
        <translation>desde la cara del poste izquierdo</translation>
    </message>
    <message>
        <source>from the left post centre</source>
        <translation>desde el eje del poste izquierdo</translation>
    </message>
    <message>
        <source>from the left post</source>
        <translation>desde el poste izquierdo</translation>
    </message>
    <message>
        <source>from the right post face</source>
        <translation>desde la cara del poste derecho</translation>
    </message>
    <message>
        <source>from the right post centre</source>
        <translation>desde el eje del poste derecho</translation>
    </message>
    <message>
        <source>from the right post</source>
        <translation>desde el poste derecho</translation>
    </message>
</context>
<context>
    <name>Marks</name>
    <message>
        <source>Railpin</source>
        <translation>Nº</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Borde izquierdo</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Eje</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Borde derecho</translation>
    </message>
    <message>
        <source>Centre from right post</source>
        <translation>Eje al poste derecho</translation>
    </message>
    <message>
        <source>From mid-span</source>
        <translation>Desde el centro</translation>
    </message>
    <message>
        <source>Tread</source>
        <translation>Peld.</translation>
    </message>
    <message>
        <source>On tread</source>
        <translation>En el peldaño</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Along the rail</source>
        <translation>Por el pasamanos</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Largo</translation>
    </message>
    <message>
        <source>Cut length</source>
        <translation>Largo de corte</translation>
    </message>
    <message>
        <source>Post</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>Left face</source>
        <translation>Cara izquierda</translation>
    </message>
    <message>
        <source>Right face</source>
        <translation>Cara derecha</translation>
    </message>
    <message>
        <source>From right post face</source>
        <translation>Desde cara poste dcho.</translation>
    </message>
    <message>
        <source>From right post centre</source>
        <translation>Desde eje poste dcho.</translation>
    </message>
</context>
<context>
    <name>MarksModel</name>
    <message>
        <source>Marks %1; centres also %2</source>
        <translation>Marcas %1; ejes también %2</translation>
    </message>
</context>
<context>
    <name>OrderListDialog</name>
    <message>
        <source>Order List</source>
        <translation>Lista de pedido</translation>
    </message>
    <message>
        <source>&amp;Rails per section:</source>
        <translation>&amp;Pasamanos por tramo:</translation>
    </message>
    <message>
        <source>Rows of rails in every section: 2 for a top and a bottom rail, 0 when the rails are not bought</source>
        <translation>Filas de pasamanos en cada tramo: 2 para un pasamanos superior y otro inferior, 0 si los pasamanos no se compran</translation>
    </message>
    <message>
        <source>Rail &amp;stock lengths:</source>
        <translation>&amp;Largos comerciales de pasamanos:</translation>
    </message>
    <message>
        <source>The lengths rail boards are sold in, separated by commas (semicolons where the decimal separator is a comma)</source>
        <translation>Los largos en que se venden las tablas de pasamanos, separados por comas (por punto y coma donde el separador decimal es la coma)</translation>
    </message>
    <message>
        <source>Saw &amp;kerf:</source>
        <translation>Ancho de corte de la &amp;sierra:</translation>
    </message>
    <message>
        <source>The width of the saw&apos;s cut, left between two pieces cut from one board</source>
        <translation>El ancho del corte de la sierra, que se pierde entre dos piezas cortadas de una misma tabla</translation>
    </message>
    <message>
        <source>Railpin &amp;cut length:</source>
        <translation>Largo de &amp;corte del balaustre:</translation>
    </message>
    <message>
        <source>The length of a railpin between the rails; empty: railpins are counted, not cut</source>
        <translation>El largo de un balaustre entre los pasamanos; vacío: los balaustres se cuentan, no se cortan</translation>
    </message>
    <message>
        <source>Railpin s&amp;tock lengths:</source>
        <translation>Largos comerciales de &amp;balaustres:</translation>
    </message>
    <message>
        <source>The lengths railpins are cut from; empty: railpins are bought at their cut length</source>
        <translation>Los largos de los que se cortan los balaustres; vacío: los balaustres se compran a su largo de corte</translation>
    </message>
    <message>
        <source>Screws &amp;per railpin:</source>
        <translation>&amp;Tornillos por balaustre:</translation>
    </message>
    <message>
        <source>Screws per rail &amp;end:</source>
        <translation>Tornillos por &amp;extremo de pasamanos:</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Length (%1)</source>
        <translation>Largo (%1)</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>With extra</source>
        <translation>Con merma</translation>
    </message>
    <message>
        <source>Stock (%1)</source>
        <translation>Largo comercial (%1)</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>A comprar</translation>
    </message>
    <message>
        <source>Rail board</source>
        <translation>Tabla de pasamanos</translation>
    </message>
    <message>
        <source>Rail piece</source>
        <translation>Pieza de pasamanos</translation>
    </message>
    <message>
        <source>Railpin</source>
        <translation>Balaustre</translation>
    </message>
    <message>
        <source>Post</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>Screw</source>
        <translation>Tornillo</translation>
    </message>
    <message>
        <source>Posts: not counted — the job has no runs</source>
        <translation>Postes: sin contar — la obra no tiene alineaciones</translation>
    </message>
</context>
<context>
    <name>OrderPage</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A length and its unit on the order page (&quot;144 in&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>To order</source>
        <translation>A pedir</translation>
    </message>
    <message>
        <source>%1, continued</source>
        <translation>%1 (continuación)</translation>
    </message>
    <message>
        <source>No list: %1</source>
        <extracomment>The order page in place of the list, when a setting of the order list cannot be read.</extracomment>
        <translation>Sin lista: %1</translation>
    </message>
    <message>
        <source>Rails</source>
        <translation>Pasamanos</translation>
    </message>
    <message>
        <source>%1 rows per section, stock %2, kerf %3</source>
        <translation>%1 filas por tramo, largos comerciales %2, ancho de corte %3</translation>
    </message>
    <message>
        <source>Buy %1 × %2</source>
        <extracomment>Boards to buy: how many, then the stock length (&quot;3 × 144 in&quot;).</extracomment>
        <translation>Comprar %1 × %2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Cuts</source>
        <translation>Cortes</translation>
    </message>
    <message>
        <source>Offcut</source>
        <translation>Sobrante</translation>
    </message>
    <message>
        <source>Railpins</source>
        <translation>Balaustres</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Largo</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>With extra</source>
        <translation>Con merma</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Largo comercial</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>A comprar</translation>
    </message>
    <message>
        <source>%1 packs of %2</source>
        <translation>%1 paquetes de %2</translation>
    </message>
    <message>
        <source>%1 pieces of %2</source>
        <translation>%1 piezas de %2</translation>
    </message>
    <message>
        <source>Posts: %1</source>
        <translation>Postes: %1</translation>
    </message>
    <message>
        <source>Posts: not counted — the job has no runs</source>
        <translation>Postes: sin contar — la obra no tiene alineaciones</translation>
    </message>
    <message>
        <source>Screws: %1, with %2 % extra %3</source>
        <translation>Tornillos: %1; con el %2&#xa0;% de más, %3</translation>
    </message>
    <message>
        <source>Cannot be bought as planned</source>
        <translation>No se puede comprar como está previsto</translation>
    </message>
</context>
<context>
    <name>PostPlan</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A run&apos;s length and its unit over the plan of its posts (&quot;207 in&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>PrintToFile</name>
    <message>
        <source>the printed PDF came out incomplete in the temporary folder %1 (is its disk full?)</source>
        <translation>el PDF impreso quedó incompleto en la carpeta temporal %1 (¿está lleno su disco?)</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
</context>
<context>
    <name>RunTexts</name>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A bay of a run: the run&apos;s name and the bay&apos;s number from the run&apos;s start (&quot;Front 2&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; must be more than 0</source>
        <translation>%1 &quot;%2&quot; debe ser mayor que 0</translation>
    </message>
    <message>
        <source>the job&apos;s %1</source>
        <translation>en la obra, %1</translation>
    </message>
    <message>
        <source>the first run cannot start at a corner: no run before it ends at that post</source>
        <translation>la primera alineación no puede empezar en una esquina: ninguna alineación anterior termina en ese poste</translation>
    </message>
    <message>
        <source>a run cannot start at a corner after a run that ends at a wall: no post stands there</source>
        <translation>una alineación no puede empezar en una esquina después de una alineación que termina en una pared: allí no hay ningún poste</translation>
    </message>
    <message>
        <source>a run ends at a post or a wall: only its start can be a corner</source>
        <translation>una alineación termina en un poste o en una pared: solo su inicio puede ser una esquina</translation>
    </message>
    <message>
        <source>a run of %1 with posts at most %2 apart needs %3 bays; a job holds at most %4 sections</source>
        <translation>una alineación de %1 con postes separados como mucho %2 necesita %3 vanos; una obra admite como mucho %4 tramos</translation>
    </message>
    <message>
        <source>the maximum post spacing of %1 must be more than the post width of %2</source>
        <translation>la separación máxima entre postes de %1 debe ser mayor que el ancho de poste de %2</translation>
    </message>
    <message>
        <source>posts %1 wide leave no clear span in a run of %2</source>
        <translation>unos postes de %1 de ancho no dejan luz libre en una alineación de %2</translation>
    </message>
    <message>
        <source>Run %1</source>
        <extracomment>A run without a name, by its number in the job.</extracomment>
        <translation>Alineación %1</translation>
    </message>
    <message>
        <source>its %1 bays would make the job more than %2 sections</source>
        <translation>sus %1 vanos darían a la obra más de %2 tramos</translation>
    </message>
    <message>
        <source>%1&quot;</source>
        <translation>%1&quot;</translation>
    </message>
    <message>
        <source>%1&apos;</source>
        <translation>%1&apos;</translation>
    </message>
    <message>
        <source>%1&apos; %2&quot;</source>
        <translation>%1&apos; %2&quot;</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>1 bay of %1</source>
        <translation>1 vano de %1</translation>
    </message>
    <message>
        <source>%1 bays of %2</source>
        <translation>%1 vanos de %2</translation>
    </message>
    <message>
        <source>wall</source>
        <translation>pared</translation>
    </message>
    <message>
        <source>corner post centre</source>
        <translation>eje del poste de esquina</translation>
    </message>
    <message>
        <source>post centre</source>
        <translation>eje del poste</translation>
    </message>
    <message>
        <source>no posts</source>
        <translation>sin postes</translation>
    </message>
    <message>
        <source>1 post %1</source>
        <translation>1 poste de %1</translation>
    </message>
    <message>
        <source>%1 posts %2</source>
        <translation>%1 postes de %2</translation>
    </message>
    <message>
        <source>clear span %1</source>
        <translation>luz libre %1</translation>
    </message>
    <message>
        <source>clear spans %1</source>
        <translation>luces libres %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>%1: %2 from %3 to %4, at most %5 on centre: %6, %7, %8</source>
        <extracomment>A run&apos;s post plan: name, length, its references, the maximum spacing, then its bays, posts and clear span.</extracomment>
        <translation>%1: %2 entre %3 y %4, como mucho %5 entre ejes: %6, %7, %8</translation>
    </message>
    <message>
        <source>set by run %1</source>
        <translation>fijado por la alineación %1</translation>
    </message>
    <message>
        <source>set by run %1: %2 on centre, at most %3</source>
        <extracomment>Why a bay&apos;s length cannot be typed: &quot;set by run Front: 3 bays of 5&apos; 9&quot; on centre, at most 6&apos;&quot;.</extracomment>
        <translation>fijado por la alineación %1: %2 entre ejes, como mucho %3</translation>
    </message>
    <message>
        <source>4x4 posts</source>
        <translation>postes de 4x4</translation>
    </message>
    <message>
        <source>6x6 posts</source>
        <translation>postes de 6x6</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>cable</translation>
    </message>
    <message>
        <source>%1 ft</source>
        <extracomment>A whole number of feet in a menu of post spacings (&quot;6 ft&quot;).</extracomment>
        <translation>%1 pies</translation>
    </message>
    <message>
        <source>%1 (%2 %3)</source>
        <translation>%1 (%2 %3)</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A post spacing and what it is for (&quot;6 ft — 4x4 posts&quot;).</extracomment>
        <translation>%1 — %2</translation>
    </message>
</context>
<context>
    <name>RunsModel</name>
    <message>
        <source>Wall</source>
        <translation>Pared</translation>
    </message>
    <message>
        <source>Corner</source>
        <translation>Esquina</translation>
    </message>
    <message>
        <source>Post</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Alineación</translation>
    </message>
    <message>
        <source>Length (%1)</source>
        <translation>Largo (%1)</translation>
    </message>
    <message>
        <source>Starts at</source>
        <translation>Empieza en</translation>
    </message>
    <message>
        <source>Ends at</source>
        <translation>Termina en</translation>
    </message>
    <message>
        <source>Post spacing at most (%1)</source>
        <translation>Separación máx. postes (%1)</translation>
    </message>
    <message>
        <source>Bays</source>
        <translation>Vanos</translation>
    </message>
    <message>
        <source>Posts</source>
        <translation>Postes</translation>
    </message>
    <message>
        <source>The job&apos;s maximum post spacing; type a spacing for this run alone</source>
        <translation>La separación máxima entre postes de la obra; escriba una separación solo para esta alineación</translation>
    </message>
    <message>
        <source>Rename Run</source>
        <translation>Cambiar el nombre de la alineación</translation>
    </message>
    <message>
        <source>Change Run Length</source>
        <translation>Cambiar el largo de la alineación</translation>
    </message>
    <message>
        <source>Change Run Start</source>
        <translation>Cambiar el inicio de la alineación</translation>
    </message>
    <message>
        <source>Change Run End</source>
        <translation>Cambiar el final de la alineación</translation>
    </message>
    <message>
        <source>Change Run&apos;s Post Spacing</source>
        <translation>Cambiar la separación de postes de la alineación</translation>
    </message>
</context>
<context>
    <name>SectionDrawing</name>
    <message>
        <source>%1 %2</source>
        <extracomment>The gap dimension and its unit written on the drawing (&quot;4 in&quot;); short, for the narrow space between two railpins.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Scale 1:%1</source>
        <translation>Escala 1:%1</translation>
    </message>
    <message>
        <source>The area is too small for a drawing of this section.</source>
        <translation>El espacio es demasiado pequeño para dibujar este tramo.</translation>
    </message>
    <message>
        <source>%1, part %2 of %3</source>
        <translation>%1, parte %2 de %3</translation>
    </message>
</context>
<context>
    <name>SectionDrawingView</name>
    <message>
        <source>Choose a section to see its drawing.</source>
        <translation>Elija un tramo para ver su dibujo.</translation>
    </message>
    <message>
        <source>Profile of %1</source>
        <translation>Perfil de %1</translation>
    </message>
</context>
<context>
    <name>SectionsModel</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The gap cell: the fraction, then the decimal in brackets (&quot;4 1/8 (4.125)&quot;); the table leads with the fraction, the messages and the sheet with the decimal.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Full gap</source>
        <translation>Hueco completo</translation>
    </message>
    <message>
        <source>Half gap</source>
        <translation>Medio hueco</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>The job&apos;s railpin width; type a width for this section alone</source>
        <translation>El ancho de balaustre de la obra; escriba un ancho solo para este tramo</translation>
    </message>
    <message>
        <source>The job&apos;s maximum gap; type a maximum for this section alone</source>
        <translation>El hueco máximo de la obra; escriba un máximo solo para este tramo</translation>
    </message>
    <message>
        <source>The fewest railpins whose gap is within the maximum; type a count to fix it</source>
        <translation>El menor número de balaustres cuyo hueco no supera el máximo; escriba un número para fijarlo</translation>
    </message>
    <message>
        <source>Empty for a level section; rise : run (7 : 11) or an angle (35°) for a stair</source>
        <translation>Vacío para un tramo horizontal; contrahuella : huella (7 : 11) o un ángulo (35°) para una escalera</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Length (%1)</source>
        <translation>Largo (%1)</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Extremos</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Pendiente</translation>
    </message>
    <message>
        <source>Width (%1)</source>
        <translation>Ancho (%1)</translation>
    </message>
    <message>
        <source>Maximum gap (%1)</source>
        <translation>Hueco máximo (%1)</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Gap (%1)</source>
        <translation>Hueco (%1)</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Editar &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 (auto)</source>
        <translation>%1 (auto)</translation>
    </message>
    <message>
        <source>The job&apos;s maximum gap on stairs; type a maximum for this section alone</source>
        <translation>El hueco máximo de la obra en escaleras; escriba un máximo solo para este tramo</translation>
    </message>
    <message>
        <source>No railpins needed: the whole length is within the maximum gap; type a count to fix it</source>
        <translation>No hacen falta balaustres: todo el largo respeta el hueco máximo; escriba un número para fijarlo</translation>
    </message>
    <message>
        <source>A fixed count; Edit &gt; Automatic Count gives the fewest railpins within the maximum again</source>
        <translation>Un número fijado; Editar &gt; Número automático vuelve a dar el menor número de balaustres que respeta el máximo</translation>
    </message>
    <message>
        <source>Same on every section</source>
        <translation>Igual en todos los tramos</translation>
    </message>
    <message>
        <source>Equal gaps</source>
        <translation>Huecos iguales</translation>
    </message>
    <message>
        <source>A railpin</source>
        <translation>Un balaustre</translation>
    </message>
    <message>
        <source>A gap</source>
        <translation>Un hueco</translation>
    </message>
    <message>
        <source>Either</source>
        <translation>Indistinto</translation>
    </message>
    <message>
        <source>Post centres</source>
        <translation>Ejes de los postes</translation>
    </message>
    <message>
        <source>Post faces</source>
        <translation>Caras de los postes</translation>
    </message>
    <message>
        <source>The count whose end gaps come closest to the spacing; type a count to fix it</source>
        <translation>El número cuyos huecos extremos más se acercan al espaciado; escriba un número para fijarlo</translation>
    </message>
    <message>
        <source>Along the rail, from post to post</source>
        <translation>A lo largo del pasamanos, de poste a poste</translation>
    </message>
    <message>
        <source>The job&apos;s value; choose or type one for this section alone</source>
        <translation>El valor de la obra; elija o escriba uno solo para este tramo</translation>
    </message>
    <message>
        <source>Design gap (%1)</source>
        <translation>Hueco objetivo (%1)</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Espaciado</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Lengths between</source>
        <translation>Largos entre</translation>
    </message>
    <message>
        <source>%1 along the rail</source>
        <extracomment>A stair section&apos;s length in the sections table (&quot;62 1/4 along the rail&quot;); keep it short, the gap column must stay in view.</extracomment>
        <translation>%1 por el pasamanos</translation>
    </message>
    <message>
        <source>Bottom</source>
        <extracomment>Newels: a newel post on the bottom tread of a stair given by its treads.</extracomment>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Treads</source>
        <translation>Peldaños</translation>
    </message>
    <message>
        <source>Per tread</source>
        <translation>Por peldaño</translation>
    </message>
    <message>
        <source>First from riser (%1)</source>
        <translation>Primero desde la contrahuella (%1)</translation>
    </message>
    <message>
        <source>Newels</source>
        <translation>Postes de escalera</translation>
    </message>
    <message>
        <source>Nosing (%1)</source>
        <translation>Nariz (%1)</translation>
    </message>
    <message>
        <source>Rail height (%1)</source>
        <translation>Altura del pasamanos (%1)</translation>
    </message>
    <message>
        <source>Rail depth (%1)</source>
        <translation>Canto del pasamanos (%1)</translation>
    </message>
    <message>
        <source>Insert (%1)</source>
        <translation>Profundidad de los agujeros (%1)</translation>
    </message>
    <message>
        <source>Bottom rail (%1)</source>
        <translation>Pasamanos inferior (%1)</translation>
    </message>
    <message>
        <source>1 tread</source>
        <translation>1 peldaño</translation>
    </message>
    <message>
        <source>%1 treads</source>
        <translation>%1 peldaños</translation>
    </message>
    <message>
        <source>A stair given by its treads; empty the Treads cell to give its length instead</source>
        <translation>Una escalera dada por sus peldaños; vacíe la celda Peldaños para dar su largo</translation>
    </message>
    <message>
        <source>%1 %3 level, %2 %3 along the rail, from the first riser face to the last</source>
        <extracomment>The tooltip of a stair given by its treads in the Length cell.</extracomment>
        <translation>%1 %3 en horizontal, %2 %3 a lo largo del pasamanos, de la primera cara de contrahuella a la última</translation>
    </message>
    <message>
        <source>A stair&apos;s value: give the section a slope first</source>
        <translation>Un valor de escalera: dé primero una pendiente al tramo</translation>
    </message>
    <message>
        <source>How many treads the stair has, 1 to %1; empty for a stair given by its length</source>
        <translation>Cuántos peldaños tiene la escalera, de 1 a %1; vacío para una escalera dada por su largo</translation>
    </message>
    <message>
        <source>The fewest railpins per tread within the maximum gap; type 1 to %1 to fix it</source>
        <translation>El menor número de balaustres por peldaño dentro del hueco máximo; escriba de 1 a %1 para fijarlo</translation>
    </message>
    <message>
        <source>Half a railpin width from the riser face; type a distance to set it</source>
        <translation>Medio ancho de balaustre desde la cara de la contrahuella; escriba una distancia para fijarla</translation>
    </message>
    <message>
        <source>%1 is for a stair: give the section a slope (rise : run) first</source>
        <translation>%1 es para una escalera: dé primero una pendiente al tramo (contrahuella : huella)</translation>
    </message>
    <message>
        <source>Treads &quot;%1&quot; is not a whole number from 1 to %2; leave it empty for a stair given by its length</source>
        <translation>Peldaños &quot;%1&quot; no es un número entero de 1 a %2; déjelo vacío para una escalera dada por su largo</translation>
    </message>
    <message>
        <source>auto</source>
        <translation>auto</translation>
    </message>
    <message>
        <source>Per tread &quot;%1&quot; is not a whole number from 1 to %2; leave it empty for the fewest within the maximum gap</source>
        <translation>Por peldaño &quot;%1&quot; no es un número entero de 1 a %2; déjelo vacío para el menor número dentro del hueco máximo</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Railpin width: %1</source>
        <translation>Ancho del balaustre: %1</translation>
    </message>
    <message>
        <source>Maximum gap: %1</source>
        <translation>Hueco máximo: %1</translation>
    </message>
</context>
<context>
    <name>SheetPages</name>
    <message>
        <source>page %1 could not be started</source>
        <translation>no se pudo empezar la página %1</translation>
    </message>
    <message>
        <source>%1 — page %2</source>
        <translation>%1 — página %2</translation>
    </message>
</context>
<context>
    <name>SheetProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Job Sheet</source>
        <translation>Hoja de la obra</translation>
    </message>
    <message>
        <source>Painting section %1 of %2…</source>
        <translation>Dibujando el tramo %1 de %2…</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Plantilla</translation>
    </message>
    <message>
        <source>Painting page %1 of %2…</source>
        <translation>Dibujando la página %1 de %2…</translation>
    </message>
</context>
<context>
    <name>TemplateSheet</name>
    <message>
        <source>Unnamed section</source>
        <extracomment>A section without a name on the full-size template; printed apart from the job sheet.</extracomment>
        <translation>Tramo sin nombre</translation>
    </message>
    <message>
        <source>left post</source>
        <translation>poste izquierdo</translation>
    </message>
    <message>
        <source>right post</source>
        <translation>poste derecho</translation>
    </message>
    <message>
        <source>%1 from left</source>
        <translation>%1 desde la izquierda</translation>
    </message>
    <message>
        <source>%1 from right</source>
        <translation>%1 desde la derecha</translation>
    </message>
    <message>
        <source>inches from the left post</source>
        <translation>pulgadas desde el poste izquierdo</translation>
    </message>
    <message>
        <source>This bar must measure exactly 6 in. Print at actual size (100 %), not fit to page.</source>
        <translation>Esta barra debe medir exactamente 6 pulg. Imprima a tamaño real (100&#xa0;%), sin ajustar a la página.</translation>
    </message>
    <message>
        <source>This bar must measure exactly 150 mm. Print at actual size (100 %), not fit to page.</source>
        <translation>Esta barra debe medir exactamente 150 mm. Imprima a tamaño real (100&#xa0;%), sin ajustar a la página.</translation>
    </message>
    <message>
        <source>Untitled job</source>
        <extracomment>The name of a job without one, in the heading of the full-size template.</extracomment>
        <translation>Obra sin título</translation>
    </message>
    <message>
        <source>Full-size template: %1</source>
        <translation>Plantilla a tamaño real: %1</translation>
    </message>
    <message>
        <source>%1 — %2 — page %3 of %4</source>
        <translation>%1 — %2 — página %3 de %4</translation>
    </message>
    <message>
        <source>the template would need more than %1 pages</source>
        <translation>la plantilla necesitaría más de %1 páginas</translation>
    </message>
    <message>
        <source>the template could not be started</source>
        <translation>no se pudo empezar la plantilla</translation>
    </message>
    <message>
        <source>page %1 of the template could not be started</source>
        <translation>no se pudo empezar la página %1 de la plantilla</translation>
    </message>
    <message>
        <source>This job has no section to lay out.</source>
        <translation>Esta obra no tiene ningún tramo que replantear.</translation>
    </message>
    <message>
        <source>the template could not be finished</source>
        <translation>no se pudo terminar la plantilla</translation>
    </message>
    <message>
        <source>the template would need more than %1 pages, the limit</source>
        <translation>la plantilla necesitaría más de %1 páginas, el límite</translation>
    </message>
    <message>
        <source>riser face</source>
        <translation>cara de la contrahuella</translation>
    </message>
    <message>
        <source>nosing</source>
        <translation>nariz</translation>
    </message>
    <message>
        <source>next riser</source>
        <translation>contrahuella siguiente</translation>
    </message>
    <message>
        <source>%1 from the riser</source>
        <translation>%1 desde la contrahuella</translation>
    </message>
    <message>
        <source>%1 from the next riser</source>
        <translation>%1 desde la contrahuella siguiente</translation>
    </message>
    <message>
        <source>inches from the riser face</source>
        <translation>pulgadas desde la cara de la contrahuella</translation>
    </message>
    <message>
        <source>Full-size template of one tread: %1 — lay against the riser face of every tread</source>
        <translation>Plantilla a tamaño real de un peldaño: %1 — apóyela contra la cara de la contrahuella de cada peldaño</translation>
    </message>
    <message>
        <source>left post face</source>
        <translation>cara del poste izquierdo</translation>
    </message>
    <message>
        <source>right post face</source>
        <translation>cara del poste derecho</translation>
    </message>
    <message>
        <source>%1 from left face</source>
        <translation>%1 desde la cara izquierda</translation>
    </message>
    <message>
        <source>%1 from right face</source>
        <translation>%1 desde la cara derecha</translation>
    </message>
    <message>
        <source>%1 from left centre</source>
        <translation>%1 desde el eje izquierdo</translation>
    </message>
    <message>
        <source>%1 from right centre</source>
        <translation>%1 desde el eje derecho</translation>
    </message>
    <message>
        <source>millimetres from the riser face</source>
        <translation>milímetros desde la cara de la contrahuella</translation>
    </message>
    <message>
        <source>inches along the rail from the left post face</source>
        <translation>pulgadas por el pasamanos desde la cara del poste izquierdo</translation>
    </message>
    <message>
        <source>millimetres along the rail from the left post face</source>
        <translation>milímetros por el pasamanos desde la cara del poste izquierdo</translation>
    </message>
    <message>
        <source>inches along the rail from the left post</source>
        <translation>pulgadas por el pasamanos desde el poste izquierdo</translation>
    </message>
    <message>
        <source>millimetres along the rail from the left post</source>
        <translation>milímetros por el pasamanos desde el poste izquierdo</translation>
    </message>
    <message>
        <source>inches from the left post face</source>
        <translation>pulgadas desde la cara del poste izquierdo</translation>
    </message>
    <message>
        <source>millimetres from the left post face</source>
        <translation>milímetros desde la cara del poste izquierdo</translation>
    </message>
    <message>
        <source>millimetres from the left post</source>
        <translation>milímetros desde el poste izquierdo</translation>
    </message>
    <message>
        <source>Full-size template along the rail: %1 — slope %2°</source>
        <translation>Plantilla a tamaño real por el pasamanos: %1 — pendiente %2°</translation>
    </message>
    <message>
        <source>Trim along this dashed line, lay it on the dashed line of page %1, tape</source>
        <translation>Corte por esta línea de trazos, póngala sobre la de la página %1, fije con cinta</translation>
    </message>
    <message>
        <source>Page %1 is laid here: its trimmed edge on this dashed line</source>
        <translation>Aquí va la página %1: su borde cortado sobre esta línea de trazos</translation>
    </message>
    <message>
        <source>Trim along this line and butt it against the post face</source>
        <translation>Corte por esta línea y apóyela contra la cara del poste</translation>
    </message>
    <message>
        <source>Trim along this line and lay it on the front edge of the tread</source>
        <translation>Corte por esta línea y póngala en el borde delantero del peldaño</translation>
    </message>
    <message>
        <source>Trim along this line and butt it against the riser</source>
        <translation>Corte por esta línea y apóyela contra la contrahuella</translation>
    </message>
    <message>
        <source>Trim along this line: it meets the right post face</source>
        <translation>Corte por esta línea: coincide con la cara del poste derecho</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelada</translation>
    </message>
</context>
<context>
    <name>TreadSheet</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A measurement and its unit on the printed sheet (&quot;36 in&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>a newel on the bottom tread in place of its front railpin</source>
        <translation>un poste de arranque en el peldaño inferior en lugar de su balaustre delantero</translation>
    </message>
    <message>
        <source>a newel on the top tread in place of its back railpin</source>
        <translation>un poste de llegada en el peldaño superior en lugar de su balaustre trasero</translation>
    </message>
    <message>
        <source>newels on the bottom and top treads in place of their end railpins</source>
        <translation>postes de escalera en los peldaños inferior y superior en lugar de sus balaustres extremos</translation>
    </message>
    <message>
        <source>no newels on the treads</source>
        <translation>ningún poste de escalera en los peldaños</translation>
    </message>
    <message>
        <source>Treads: %1; one step: rise %2, run %3 (riser face to riser face)</source>
        <translation>Peldaños: %1; un escalón: contrahuella %2, huella %3 (de cara a cara de contrahuella)</translation>
    </message>
    <message>
        <source>First railpin from the riser face: %1</source>
        <translation>Primer balaustre desde la cara de la contrahuella: %1</translation>
    </message>
    <message>
        <source>Newels: %1</source>
        <translation>Postes de escalera: %1</translation>
    </message>
    <message>
        <source>Rail: %1 plumb above the nosing line, %2 deep; nosing %3; holes %4 deep</source>
        <translation>Pasamanos: %1 a plomo sobre la línea de narices, %2 de canto; vuelo de la nariz %3; agujeros de %4 de profundidad</translation>
    </message>
    <message>
        <source>Railpins: %1</source>
        <translation>Balaustres: %1</translation>
    </message>
    <message>
        <source>On every tread, from the riser face: %1</source>
        <translation>En cada peldaño, desde la cara de la contrahuella: %1</translation>
    </message>
    <message>
        <source>Count: %1</source>
        <translation>Cantidad: %1</translation>
    </message>
    <message>
        <source>Lengths: %1</source>
        <translation>Largos: %1</translation>
    </message>
    <message>
        <source>Under the bottom rail: %1</source>
        <translation>Bajo el pasamanos inferior: %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Advertencia: %1</translation>
    </message>
    <message>
        <source>Lengths to cut, the same on every tread, exact in brackets: %1</source>
        <translation>Cortes, iguales en cada peldaño, exactos entre paréntesis: %1</translation>
    </message>
    <message>
        <source>Position from the riser face</source>
        <translation>Posición desde la contrahuella</translation>
    </message>
    <message>
        <source>Centre length</source>
        <translation>Largo en el eje</translation>
    </message>
    <message>
        <source>Cut length</source>
        <translation>Largo de corte</translation>
    </message>
    <message>
        <source>How many</source>
        <translation>Cuántos</translation>
    </message>
    <message>
        <source>Marks by the tread, level from the first riser face and along the rail:</source>
        <translation>Marcas por peldaño, en horizontal desde la cara de la primera contrahuella y a lo largo del pasamanos:</translation>
    </message>
</context>
<context>
    <name>cell_text</name>
    <message>
        <source>Slope &quot;%1&quot; is neither an angle in degrees nor rise : run, such as 7 : 11</source>
        <translation>La pendiente &quot;%1&quot; no es ni un ángulo en grados ni contrahuella : huella, como 7 : 11</translation>
    </message>
    <message>
        <source>Count &quot;%1&quot; is not a whole number of railpins; leave it empty for the fewest railpins within the maximum gap</source>
        <translation>El número de balaustres &quot;%1&quot; no es un entero; déjelo vacío para usar el menor número que respeta el hueco máximo</translation>
    </message>
    <message>
        <source>Count &quot;%1&quot; is more than %2, the most a job file can hold</source>
        <translation>El número de balaustres &quot;%1&quot; supera %2, el máximo que admite un archivo de obra</translation>
    </message>
</context>
<context>
    <name>display_check</name>
    <message>
        <source>railpin: no display found (%1). To write a layout sheet without a display, use: railpin --pdf OUT.pdf --length L --width W --max-gap G</source>
        <translation>railpin: no se encontró ninguna pantalla (%1). Para escribir una hoja de replanteo sin pantalla, use: railpin --pdf OUT.pdf --length L --width W --max-gap G</translation>
    </message>
    <message>
        <source>WAYLAND_DISPLAY is not set</source>
        <translation>WAYLAND_DISPLAY no está definida</translation>
    </message>
    <message>
        <source>the display %1 does not answer</source>
        <translation>la pantalla %1 no responde</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY no está definida</translation>
    </message>
</context>
<context>
    <name>exports</name>
    <message>
        <source>Unnamed section</source>
        <extracomment>A section without a name in exported drawings, which other programs read; the sheets have their own.</extracomment>
        <translation>Tramo sin nombre</translation>
    </message>
    <message>
        <source>%1, marks %2</source>
        <translation>%1, marcas %2</translation>
    </message>
</context>
<context>
    <name>file_writer</name>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the file is larger than this disk or the system allows</source>
        <translation>el archivo es más grande de lo que permiten este disco o el sistema</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>una parte de la ruta no es una carpeta</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>el nombre es demasiado largo</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>el disco informó de un error de entrada/salida</translation>
    </message>
    <message>
        <source>the system gave no reason</source>
        <translation>el sistema no indicó ningún motivo</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, a FIFO or a socket)</source>
        <translation>no es un archivo normal (es un dispositivo, una FIFO o un socket)</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>no se indicó ningún nombre de archivo</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>no se puede escribir &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link owned by another user in a shared folder, which could point at any file; remove it or choose another name</source>
        <translation>&quot;%1&quot; es un enlace de otro usuario en una carpeta compartida, que podría apuntar a cualquier archivo; elimínelo o elija otro nombre</translation>
    </message>
    <message>
        <source>it was closed before the program started</source>
        <translation>se cerró antes de que empezara el programa</translation>
    </message>
</context>
<context>
    <name>file_writer::FileSink</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Railpin Calculator</source>
        <translation>Acerca de la Calculadora de balaustres</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Notice: this calculator and its documentation are protected by copyright law and by international treaties.  Copying, selling or passing on this program, in whole or in part, without the written consent of its authors is not permitted and may lead to claims for damages, or prosecution.</source>
        <translation>Aviso: esta calculadora y su documentación están protegidas por la ley de propiedad intelectual y por tratados internacionales.  Su copia, venta o cesión, total o parcial, sin el consentimiento por escrito de sus autores está prohibida y puede dar lugar a reclamaciones por daños y perjuicios o a acciones penales.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>frmJob</name>
    <message>
        <source>Job &amp;name:</source>
        <translation>Nombre de la &amp;obra:</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Nombre de la obra</translation>
    </message>
    <message>
        <source>The job&apos;s name, shown in the title and on the sheet</source>
        <translation>El nombre de la obra, que aparece en el título y en la hoja</translation>
    </message>
    <message>
        <source>Untitled job</source>
        <translation>Obra sin título</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Unidad:</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Extra s&amp;tock:</source>
        <translation>&amp;Merma:</translation>
    </message>
    <message>
        <source>Extra stock</source>
        <translation>Merma</translation>
    </message>
    <message>
        <source>Railpins to order beyond the count, as a percentage</source>
        <translation>Balaustres que pedir además de los contados, en porcentaje</translation>
    </message>
    <message>
        <source>Railpins to order beyond those counted, for cutting and mistakes</source>
        <translation>Balaustres que pedir además de los contados, por cortes y errores</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Railpin &amp;width:</source>
        <translation>A&amp;ncho de balaustre:</translation>
    </message>
    <message>
        <source>Railpin width</source>
        <translation>Ancho de balaustre</translation>
    </message>
    <message>
        <source>The width of one railpin, for every section without a width of its own</source>
        <translation>El ancho de un balaustre, para todos los tramos que no tengan uno propio</translation>
    </message>
    <message>
        <source>&amp;Maximum gap:</source>
        <translation>&amp;Hueco máximo:</translation>
    </message>
    <message>
        <source>Maximum gap</source>
        <translation>Hueco máximo</translation>
    </message>
    <message>
        <source>The largest gap allowed between railpins, for every section without a maximum of its own</source>
        <translation>El mayor hueco permitido entre balaustres, para todos los tramos que no tengan uno propio</translation>
    </message>
    <message>
        <source>Maximum gap presets</source>
        <translation>Valores predefinidos del hueco máximo</translation>
    </message>
    <message>
        <source>Usual limits of building codes for the maximum gap</source>
        <translation>Límites habituales de las normas de edificación para el hueco máximo</translation>
    </message>
    <message>
        <source>Usual limits of building codes</source>
        <translation>Límites habituales de las normas de edificación</translation>
    </message>
    <message>
        <source>&amp;Presets</source>
        <translation>&amp;Predefinidos</translation>
    </message>
    <message>
        <source>&amp;Increment:</source>
        <translation>&amp;Redondeo:</translation>
    </message>
    <message>
        <source>Increment</source>
        <translation>Redondeo</translation>
    </message>
    <message>
        <source>The fraction of an inch that marks are rounded to</source>
        <translation>La fracción de pulgada a la que se redondean las marcas</translation>
    </message>
    <message>
        <source>Millimetre mar&amp;k step:</source>
        <translation>Pa&amp;so de marcas en mm:</translation>
    </message>
    <message>
        <source>Millimetre mark step</source>
        <translation>Paso de las marcas en milímetros</translation>
    </message>
    <message>
        <source>What the marks of a metric job are rounded to</source>
        <translation>El valor al que se redondean las marcas de una obra en milímetros</translation>
    </message>
    <message>
        <source>Se&amp;ctions:</source>
        <translation>&amp;Tramos:</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Tramos</translation>
    </message>
    <message>
        <source>One row per section of the railing; press F2 or type to edit a cell</source>
        <translation>Una fila por tramo de la barandilla; pulse F2 o escriba para editar una celda</translation>
    </message>
    <message>
        <source>M&amp;arks of the selected section:</source>
        <translation>Mar&amp;cas del tramo seleccionado:</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Marcas</translation>
    </message>
    <message>
        <source>Where each railpin stands, measured from the left post and from the right post; Ctrl+C copies the selected cells</source>
        <translation>Dónde va cada balaustre, medido desde el poste izquierdo y desde el poste derecho; Ctrl+C copia las celdas seleccionadas</translation>
    </message>
    <message>
        <source>Drawing to scale:</source>
        <translation>Dibujo a escala:</translation>
    </message>
    <message>
        <source>Drawing of the selected section</source>
        <translation>Dibujo del tramo seleccionado</translation>
    </message>
    <message>
        <source>Total railpins</source>
        <translation>Total de balaustres</translation>
    </message>
    <message>
        <source>To order</source>
        <translation>A pedir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>The job window&apos;s File menu; the calculator has its own, whose access keys must not clash with its other menus.</extracomment>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Start a new job</source>
        <translation>Empezar una obra nueva</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open a job file</source>
        <translation>Abrir un archivo de obra</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the job</source>
        <translation>Guardar la obra</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Guardar c&amp;omo…</translation>
    </message>
    <message>
        <source>Save the job under a new name</source>
        <translation>Guardar la obra con otro nombre</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Print the job sheet</source>
        <translation>Imprimir la hoja de la obra</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa de impresión</translation>
    </message>
    <message>
        <source>See the job sheet as it will print</source>
        <translation>Ver la hoja de la obra tal como se imprimirá</translation>
    </message>
    <message>
        <source>&amp;Export PDF…</source>
        <translation>&amp;Exportar PDF…</translation>
    </message>
    <message>
        <source>Write the job sheet as a PDF file</source>
        <translation>Guardar la hoja de la obra como archivo PDF</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close this job window</source>
        <translation>Cerrar esta ventana de obra</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Add Section</source>
        <translation>&amp;Añadir tramo</translation>
    </message>
    <message>
        <source>Add a section after the selected one</source>
        <translation>Añadir un tramo después del seleccionado</translation>
    </message>
    <message>
        <source>Add from &amp;Calculator</source>
        <translation>Añadir desde la &amp;calculadora</translation>
    </message>
    <message>
        <source>Add a section with the calculator&apos;s length, width, maximum gap and count</source>
        <translation>Añadir un tramo con el largo, el ancho, el hueco máximo y el número de balaustres de la calculadora</translation>
    </message>
    <message>
        <source>&amp;Duplicate Section</source>
        <translation>D&amp;uplicar tramo</translation>
    </message>
    <message>
        <source>Add a copy of the selected section after it</source>
        <translation>Añadir una copia del tramo seleccionado a continuación</translation>
    </message>
    <message>
        <source>R&amp;emove Section</source>
        <translation>E&amp;liminar tramo</translation>
    </message>
    <message>
        <source>Remove the selected section</source>
        <translation>Eliminar el tramo seleccionado</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move the selected section up</source>
        <translation>Subir el tramo seleccionado</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Move the selected section down</source>
        <translation>Bajar el tramo seleccionado</translation>
    </message>
    <message>
        <source>Convert to &amp;millimetres</source>
        <translation>Convertir a &amp;milímetros</translation>
    </message>
    <message>
        <source>Convert every length of the job to the other unit</source>
        <translation>Convertir todas las medidas de la obra a la otra unidad</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pulgadas</translation>
    </message>
    <message>
        <source>Millimetres</source>
        <translation>Milímetros</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer: %1</translation>
    </message>
    <message>
        <source>Convert to &amp;inches</source>
        <translation>Convertir a &amp;pulgadas</translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>Rename Job</source>
        <translation>Cambiar el nombre de la obra</translation>
    </message>
    <message>
        <source>Change Railpin Width</source>
        <translation>Cambiar el ancho de balaustre</translation>
    </message>
    <message>
        <source>Change Maximum Gap</source>
        <translation>Cambiar el hueco máximo</translation>
    </message>
    <message>
        <source>Change Unit</source>
        <translation>Cambiar la unidad</translation>
    </message>
    <message>
        <source>Change Increment</source>
        <translation>Cambiar el redondeo</translation>
    </message>
    <message>
        <source>Change Mark Step</source>
        <translation>Cambiar el paso de las marcas</translation>
    </message>
    <message>
        <source>Change Extra Stock</source>
        <translation>Cambiar la merma</translation>
    </message>
    <message>
        <source>the common metric rule</source>
        <translation>la norma métrica habitual</translation>
    </message>
    <message>
        <source>%1 in rounded down, %2</source>
        <translation>%1 pulg. redondeado a la baja, %2</translation>
    </message>
    <message>
        <source>100 mm, where that is the rule</source>
        <translation>100 mm, donde esa es la norma</translation>
    </message>
    <message>
        <source>Add Section</source>
        <translation>Añadir tramo</translation>
    </message>
    <message>
        <source>Add from Calculator</source>
        <translation>Añadir desde la calculadora</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <translation>%1 (copia)</translation>
    </message>
    <message>
        <source>Duplicate Section</source>
        <translation>Duplicar tramo</translation>
    </message>
    <message>
        <source>Remove Section</source>
        <translation>Eliminar tramo</translation>
    </message>
    <message>
        <source>Move Section Up</source>
        <translation>Subir tramo</translation>
    </message>
    <message>
        <source>Move Section Down</source>
        <translation>Bajar tramo</translation>
    </message>
    <message>
        <source>Convert to Inches</source>
        <translation>Convertir a pulgadas</translation>
    </message>
    <message>
        <source>Convert to Millimetres</source>
        <translation>Convertir a milímetros</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>The job &quot;%1&quot; has changes that are not saved. Save them?</source>
        <translation>La obra &quot;%1&quot; tiene cambios sin guardar. ¿Desea guardarlos?</translation>
    </message>
    <message>
        <source>The job %1 could not be opened.

%2</source>
        <translation>No se pudo abrir la obra %1.

%2</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>No recent jobs</source>
        <translation>No hay obras recientes</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Abrir reciente</translation>
    </message>
    <message>
        <source>The job %1 no longer exists. It has been removed from the recent jobs.</source>
        <translation>La obra %1 ya no existe. Se ha quitado de las obras recientes.</translation>
    </message>
    <message>
        <source>job</source>
        <translation>obra</translation>
    </message>
    <message>
        <source>Save Job As</source>
        <translation>Guardar obra como</translation>
    </message>
    <message>
        <source>Save Job</source>
        <translation>Guardar obra</translation>
    </message>
    <message>
        <source>The job could not be saved to %1.

%2</source>
        <translation>No se pudo guardar la obra en %1.

%2</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Guardada en %1</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>The job sheet cannot be printed: %1.</source>
        <translation>No se puede imprimir la hoja de la obra: %1.</translation>
    </message>
    <message>
        <source>The job sheet could not be printed.

%1</source>
        <translation>No se pudo imprimir la hoja de la obra.

%1</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1.

%2</source>
        <translation>No se pudo escribir el PDF en %1.

%2</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportado a %1</translation>
    </message>
    <message>
        <source>Maximum &amp;gap on stairs:</source>
        <translation>Hueco máx. en esca&amp;leras:</translation>
    </message>
    <message>
        <source>Maximum gap on stairs</source>
        <translation>Hueco máximo en escaleras</translation>
    </message>
    <message>
        <source>The largest gap allowed on stair sections without a maximum of their own; empty for the same as the maximum gap</source>
        <translation>El mayor hueco permitido en los tramos de escalera que no tengan uno propio; vacío para usar el hueco máximo</translation>
    </message>
    <message>
        <source>as level</source>
        <translation>como horizontal</translation>
    </message>
    <message>
        <source>Export Mar&amp;ks (CSV)…</source>
        <translation>Exportar &amp;marcas (CSV)…</translation>
    </message>
    <message>
        <source>Write every section&apos;s marks as comma-separated values for a spreadsheet</source>
        <translation>Guardar las marcas de todos los tramos como valores separados por comas para una hoja de cálculo</translation>
    </message>
    <message>
        <source>Export &amp;Drawing…</source>
        <translation>Exportar &amp;dibujo…</translation>
    </message>
    <message>
        <source>Write every section at full size as an SVG or DXF drawing</source>
        <translation>Guardar todos los tramos a tamaño real como dibujo SVG o DXF</translation>
    </message>
    <message>
        <source>Export &amp;Template…</source>
        <translation>Exportar &amp;plantilla…</translation>
    </message>
    <message>
        <source>Write a full-size paper template of every section as a PDF file</source>
        <translation>Guardar una plantilla en papel a tamaño real de todos los tramos como archivo PDF</translation>
    </message>
    <message>
        <source>Print Te&amp;mplate…</source>
        <translation>Imprimir plan&amp;tilla…</translation>
    </message>
    <message>
        <source>Print a full-size paper template of every section, at actual size</source>
        <translation>Imprimir una plantilla en papel de todos los tramos, a tamaño real</translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation>&amp;Calculadora</translation>
    </message>
    <message>
        <source>Show the calculator window</source>
        <translation>Mostrar la ventana de la calculadora</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>Help menu of the job window; the access key is chosen among this menu&apos;s items only.</extracomment>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Au&amp;tomatic Count</source>
        <translation>Número au&amp;tomático</translation>
    </message>
    <message>
        <source>Give the selected sections the fewest railpins within their maximum gap again</source>
        <translation>Volver a dar a los tramos seleccionados el menor número de balaustres que respeta su hueco máximo</translation>
    </message>
    <message>
        <source>Change Maximum Gap on Stairs</source>
        <translation>Cambiar el hueco máximo en escaleras</translation>
    </message>
    <message>
        <source>guards</source>
        <translation>barandillas de protección</translation>
    </message>
    <message>
        <source>open side of stairs</source>
        <translation>lado abierto de escaleras</translation>
    </message>
    <message>
        <source>sets the maximum gap on stairs</source>
        <translation>fija el hueco máximo en escaleras</translation>
    </message>
    <message>
        <source>sets the maximum gap</source>
        <translation>fija el hueco máximo</translation>
    </message>
    <message>
        <source>&amp;%1  %2 %3 — %4 (%5)</source>
        <translation>&amp;%1  %2 %3 — %4 (%5)</translation>
    </message>
    <message>
        <source>The section was not added: %1</source>
        <translation>No se añadió el tramo: %1</translation>
    </message>
    <message>
        <source>Automatic Count</source>
        <translation>Número automático</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A length and its unit (&quot;3.2 mm&quot;) in the status message of Convert; its own context because the window may order the two differently from the sheet and the drawing.
----------
The triangle sphere field when empty: the usual sphere, with its unit (&quot;6 in&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>1 length was rounded to the increment, by %1</source>
        <translation>1 medida se ajustó al redondeo, con una diferencia de %1</translation>
    </message>
    <message>
        <source>%1 lengths were rounded to the increment, by at most %2</source>
        <translation>%1 medidas se ajustaron al redondeo, con una diferencia de %2 como máximo</translation>
    </message>
    <message>
        <source>Section %1 &quot;%2&quot; cannot be laid out: %3</source>
        <translation>El tramo %1 &quot;%2&quot; no se puede replantear: %3</translation>
    </message>
    <message>
        <source>This job has no sections.</source>
        <extracomment>Why an export of the job window made no file; the sheet prints its own.</extracomment>
        <translation>Esta obra no tiene tramos.</translation>
    </message>
    <message>
        <source>The file could not be written.

%1</source>
        <translation>No se pudo escribir el archivo.

%1</translation>
    </message>
    <message>
        <source>Export Marks (CSV)</source>
        <translation>Exportar marcas (CSV)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Drawing</source>
        <translation>Exportar dibujo</translation>
    </message>
    <message>
        <source>DXF drawings (*.dxf)</source>
        <translation>Dibujos DXF (*.dxf)</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Dibujos SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export Template</source>
        <translation>Exportar plantilla</translation>
    </message>
    <message>
        <source>The template could not be made.

%1</source>
        <translation>No se pudo crear la plantilla.

%1</translation>
    </message>
    <message>
        <source>Print Template</source>
        <translation>Imprimir plantilla</translation>
    </message>
    <message>
        <source>The template could not be printed.

%1</source>
        <translation>No se pudo imprimir la plantilla.

%1</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>section %1 &quot;%2&quot;: %3</source>
        <translation>tramo %1 &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <extracomment>The status bar after opening a file with fields this program does not use; the sheet has its own printed warnings.</extracomment>
        <translation>Advertencia: %1</translation>
    </message>
    <message>
        <source>Painting the job sheet…</source>
        <translation>Dibujando la hoja de la obra…</translation>
    </message>
    <message>
        <source>Printing cancelled: the print run was aborted.</source>
        <translation>Impresión cancelada: se interrumpió el trabajo de impresión.</translation>
    </message>
    <message>
        <source>Print Preview cancelled: the preview shows only part of the sheet.</source>
        <translation>Vista previa cancelada: muestra solo una parte de la hoja.</translation>
    </message>
    <message>
        <source>Exporting the job sheet…</source>
        <translation>Exportando la hoja de la obra…</translation>
    </message>
    <message>
        <source>Export cancelled: %1 was not written.</source>
        <translation>Exportación cancelada: no se escribió %1.</translation>
    </message>
    <message>
        <source>The unit of every length in this job; changing it offers to convert the lengths</source>
        <translation>La unidad de todas las medidas de esta obra; al cambiarla se ofrece convertir las medidas</translation>
    </message>
    <message>
        <source>The unit of every length in this job. Changing it offers to convert the lengths, as Edit &gt; Convert does.</source>
        <translation>La unidad de todas las medidas de esta obra. Al cambiarla se ofrece convertir las medidas, como hace Editar &gt; Convertir.</translation>
    </message>
    <message>
        <source>Pack si&amp;ze:</source>
        <translation>Tamaño de pa&amp;quete:</translation>
    </message>
    <message>
        <source>Pack size</source>
        <translation>Tamaño de paquete</translation>
    </message>
    <message>
        <source>Railpins in one pack, to count the whole packs to order; None when they are sold singly</source>
        <translation>Balaustres por paquete, para contar los paquetes enteros que pedir; Ninguno si se venden sueltos</translation>
    </message>
    <message>
        <source>Railpins in one pack: the totals then say how many whole packs to order</source>
        <translation>Balaustres por paquete: los totales indican entonces cuántos paquetes enteros pedir</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Design gap, if an&amp;y:</source>
        <translation>Hueco ob&amp;jetivo:</translation>
    </message>
    <message>
        <source>Design gap</source>
        <translation>Hueco objetivo</translation>
    </message>
    <message>
        <source>The gap aimed at, at most the maximum gap; empty to lay out to the maximum gap</source>
        <translation>El hueco objetivo, como mucho el hueco máximo; vacío para replantear con el hueco máximo</translation>
    </message>
    <message>
        <source>as the maximum</source>
        <translation>como el máximo</translation>
    </message>
    <message>
        <source>Sp&amp;acing:</source>
        <translation>Espac&amp;iado:</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Espaciado</translation>
    </message>
    <message>
        <source>Equal gaps post to post, or the design gap between railpins on every section with equal end gaps</source>
        <translation>Huecos iguales de poste a poste, o el hueco objetivo entre balaustres en todos los tramos con huecos extremos iguales</translation>
    </message>
    <message>
        <source>&amp;Centre:</source>
        <translation>Pie&amp;za central:</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>What stands at the middle of each section: either, a railpin or a gap</source>
        <translation>Lo que queda en el centro de cada tramo: indistinto, un balaustre o un hueco</translation>
    </message>
    <message>
        <source>Lengths &amp;between:</source>
        <translation>Lar&amp;gos entre:</translation>
    </message>
    <message>
        <source>Lengths measured between</source>
        <translation>Largos medidos entre</translation>
    </message>
    <message>
        <source>Whether section lengths are between the posts&apos; faces or their centres</source>
        <translation>Si los largos de los tramos se miden entre las caras de los postes o entre sus ejes</translation>
    </message>
    <message>
        <source>Po&amp;st width:</source>
        <translation>Ancho del pos&amp;te:</translation>
    </message>
    <message>
        <source>Post width</source>
        <translation>Ancho del poste</translation>
    </message>
    <message>
        <source>The width of a post: lengths between post centres are less one post width</source>
        <translation>El ancho de un poste: a los largos entre ejes de postes se les resta el ancho de un poste</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Marks measured</source>
        <translation>Marcas medidas</translation>
    </message>
    <message>
        <source>A stair&apos;s marks along the rail or level; a level section&apos;s are level</source>
        <translation>Las marcas de una escalera, a lo largo del pasamanos o en horizontal; las de un tramo horizontal son horizontales</translation>
    </message>
    <message>
        <source>A stair&apos;s marks along the rail, to mark on the rail, or level, to mark on the tread</source>
        <translation>Las marcas de una escalera, a lo largo del pasamanos, para marcar sobre el pasamanos, o en horizontal, para marcar sobre la huella</translation>
    </message>
    <message>
        <source>along the rail</source>
        <translation>a lo largo del pasamanos</translation>
    </message>
    <message>
        <source>level</source>
        <translation>en horizontal</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Mostrar %1</translation>
    </message>
    <message>
        <source>Change Design Gap</source>
        <translation>Cambiar el hueco objetivo</translation>
    </message>
    <message>
        <source>Change Post Width</source>
        <translation>Cambiar el ancho del poste</translation>
    </message>
    <message>
        <source>Change Spacing</source>
        <translation>Cambiar el espaciado</translation>
    </message>
    <message>
        <source>Change Centre</source>
        <translation>Cambiar el centro</translation>
    </message>
    <message>
        <source>Change Lengths Measured Between</source>
        <translation>Cambiar entre qué se miden los largos</translation>
    </message>
    <message>
        <source>Convert the lengths of this job to millimetres?</source>
        <translation>¿Convertir las medidas de esta obra a milímetros?</translation>
    </message>
    <message>
        <source>Convert the lengths of this job to inches?</source>
        <translation>¿Convertir las medidas de esta obra a pulgadas?</translation>
    </message>
    <message>
        <source>Keep Numbers reads the same numbers in the new unit.</source>
        <translation>Mantener números conserva las mismas cifras, leídas en la nueva unidad.</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Convertir</translation>
    </message>
    <message>
        <source>&amp;Keep Numbers</source>
        <translation>&amp;Mantener números</translation>
    </message>
    <message>
        <source>Change Pack Size</source>
        <translation>Cambiar el tamaño de paquete</translation>
    </message>
    <message>
        <source>Win&amp;dow</source>
        <translation>&amp;Ventana</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Order &amp;List…</source>
        <translation>&amp;Lista de pedido…</translation>
    </message>
    <message>
        <source>The boards, railpins, posts and screws to buy, and how to cut the rails from the boards</source>
        <translation>Las tablas, los balaustres, los postes y los tornillos que comprar, y cómo cortar los pasamanos de las tablas</translation>
    </message>
    <message>
        <source>Order List</source>
        <translation>Lista de pedido</translation>
    </message>
    <message>
        <source>Posts at m&amp;ost:</source>
        <translation>Postes ca&amp;da:</translation>
    </message>
    <message>
        <source>Maximum post spacing</source>
        <translation>Separación máxima entre postes</translation>
    </message>
    <message>
        <source>The most a run&apos;s posts may stand apart, centre to centre, for every run without a spacing of its own</source>
        <translation>La mayor separación permitida entre los postes de una alineación, de eje a eje, para todas las alineaciones que no tengan una propia</translation>
    </message>
    <message>
        <source>Maximum post spacing presets</source>
        <translation>Valores predefinidos de la separación máxima entre postes</translation>
    </message>
    <message>
        <source>Usual maximum spacings of posts; they set the spacing only, not the post width</source>
        <translation>Separaciones máximas habituales entre postes; fijan solo la separación, no el ancho del poste</translation>
    </message>
    <message>
        <source>Usual maximum spacings of posts</source>
        <translation>Separaciones máximas habituales entre postes</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Valores</translation>
    </message>
    <message>
        <source>Run&amp;s (deck sides and fence lines, split into bays by their posts):</source>
        <translation>Alineaciones (&amp;bordes de terraza y líneas de valla, divididos en vanos por sus postes):</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Alineaciones</translation>
    </message>
    <message>
        <source>One row per run; its bays are the first sections below</source>
        <translation>Una fila por alineación; sus vanos son los primeros tramos de abajo</translation>
    </message>
    <message>
        <source>Add Ru&amp;n</source>
        <translation>A&amp;ñadir alineación</translation>
    </message>
    <message>
        <source>Add a run after the selected one: a straight line of railing split into equal bays by its posts</source>
        <translation>Añadir una alineación después de la seleccionada: una línea recta de barandilla dividida en vanos iguales por sus postes</translation>
    </message>
    <message>
        <source>Remo&amp;ve Run</source>
        <translation>Elim&amp;inar alineación</translation>
    </message>
    <message>
        <source>Remove the selected run and its bays</source>
        <translation>Eliminar la alineación seleccionada y sus vanos</translation>
    </message>
    <message>
        <source>%1; warning: %2</source>
        <translation>%1; advertencia: %2</translation>
    </message>
    <message>
        <source>Change Maximum Post Spacing</source>
        <translation>Cambiar la separación máxima entre postes</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Alineación %1</translation>
    </message>
    <message>
        <source>Add Run</source>
        <translation>Añadir alineación</translation>
    </message>
    <message>
        <source>The run was not added: %1</source>
        <translation>No se añadió la alineación: %1</translation>
    </message>
    <message>
        <source>Remove Run</source>
        <translation>Eliminar alineación</translation>
    </message>
    <message>
        <source>Pe&amp;r tread at least:</source>
        <translation>Mín. por pelda&amp;ño:</translation>
    </message>
    <message>
        <source>Railpins per tread at least</source>
        <translation>Balaustres por peldaño como mínimo</translation>
    </message>
    <message>
        <source>The fewest railpins a stair given by its treads takes on each tread</source>
        <translation>El menor número de balaustres que lleva en cada peldaño una escalera dada por sus peldaños</translation>
    </message>
    <message>
        <source>Stairs given by their treads take at least this many railpins on each tread</source>
        <translation>Las escaleras dadas por sus peldaños llevan al menos estos balaustres en cada peldaño</translation>
    </message>
    <message>
        <source>Triang&amp;le sphere:</source>
        <translation>Es&amp;fera del triángulo:</translation>
    </message>
    <message>
        <source>Triangle sphere</source>
        <translation>Esfera del triángulo</translation>
    </message>
    <message>
        <source>The sphere that must not pass through the opening under a stair&apos;s bottom rail</source>
        <translation>La esfera que no debe pasar por la abertura bajo el pasamanos inferior de una escalera</translation>
    </message>
    <message>
        <source>The job file %1 was changed by another program since this window opened or saved it. Saving here replaces those changes.</source>
        <translation>Otro programa cambió el archivo de obra %1 desde que esta ventana lo abrió o guardó. Guardar aquí reemplaza esos cambios.</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Sobrescribir</translation>
    </message>
    <message>
        <source>The job file %1 was removed or renamed by another program; Save writes it again.</source>
        <translation>Otro programa eliminó o renombró el archivo de obra %1; Guardar lo escribe de nuevo.</translation>
    </message>
    <message>
        <source>The job file %1 was changed by another program; saving will ask before replacing it.</source>
        <translation>Otro programa cambió el archivo de obra %1; al guardar se preguntará antes de reemplazarlo.</translation>
    </message>
    <message>
        <source>The job file %1 was changed by another program.</source>
        <translation>Otro programa cambió el archivo de obra %1.</translation>
    </message>
    <message>
        <source>Job File Changed</source>
        <translation>Archivo de obra cambiado</translation>
    </message>
    <message>
        <source>The job file %1 was changed by another program. This window has no unsaved changes. Show the file as it is now?</source>
        <translation>Otro programa cambió el archivo de obra %1. Esta ventana no tiene cambios sin guardar. ¿Mostrar el archivo tal como está ahora?</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recargar</translation>
    </message>
    <message>
        <source>&amp;Keep This Version</source>
        <translation>&amp;Conservar esta versión</translation>
    </message>
    <message>
        <source>Reloaded %1</source>
        <translation>Recargado %1</translation>
    </message>
    <message>
        <source>Nothing was printed.

%1</source>
        <translation>No se imprimió nada.

%1</translation>
    </message>
    <message>
        <source>Printed to %1</source>
        <translation>Impreso en %1</translation>
    </message>
    <message>
        <source>Change Railpins per Tread</source>
        <translation>Cambiar los balaustres por peldaño</translation>
    </message>
    <message>
        <source>Change Triangle Sphere</source>
        <translation>Cambiar la esfera del triángulo</translation>
    </message>
    <message>
        <source>Exporting the marks…</source>
        <translation>Exportando las marcas…</translation>
    </message>
    <message>
        <source>Exporting the drawing…</source>
        <translation>Exportando el dibujo…</translation>
    </message>
    <message>
        <source>Exporting the template…</source>
        <translation>Exportando la plantilla…</translation>
    </message>
    <message>
        <source>Marks gi&amp;ven from:</source>
        <translation>Mar&amp;cas desde:</translation>
    </message>
    <message>
        <source>Marks from</source>
        <translation>Marcas desde</translation>
    </message>
    <message>
        <source>With lengths between post centres: whether marks are measured from the post faces or the post centres</source>
        <translation>Con largos entre ejes de postes: si las marcas se miden desde las caras de los postes o desde sus ejes</translation>
    </message>
    <message>
        <source>With lengths between post centres: marks from the post faces, or from the post centres (each half a post further)</source>
        <translation>Con largos entre ejes de postes: marcas desde las caras de los postes, o desde sus ejes (cada marca medio poste más allá)</translation>
    </message>
    <message>
        <source>post faces</source>
        <translation>caras de poste</translation>
    </message>
    <message>
        <source>post centres</source>
        <translation>ejes de poste</translation>
    </message>
    <message>
        <source>Change Marks From</source>
        <translation>Cambiar desde dónde se miden las marcas</translation>
    </message>
    <message>
        <source>Painting the template…</source>
        <translation>Dibujando la plantilla…</translation>
    </message>
    <message>
        <source>Print Template cancelled: the print run was aborted.</source>
        <translation>Impresión de la plantilla cancelada: se interrumpió el trabajo de impresión.</translation>
    </message>
    <message>
        <source>Rename Field &quot;%1&quot; to &quot;%2&quot;</source>
        <translation>Cambiar el nombre del campo &quot;%1&quot; a &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The field was not renamed: %1</source>
        <translation>No se cambió el nombre del campo: %1</translation>
    </message>
    <message>
        <source>With the same spacing the end gaps take what is left at the posts</source>
        <translation>Con el mismo espaciado, los huecos extremos se quedan con lo que sobra junto a los postes</translation>
    </message>
    <message>
        <source>End gaps: %1 %2 at each post</source>
        <translation>Huecos extremos: %1 %2</translation>
    </message>
    <message>
        <source>%1: %2 of %3 sections</source>
        <extracomment>A dialog&apos;s title: &quot;Print Template: 2 of 5 sections&quot;, the selected ones.</extracomment>
        <translation>%1: %2 de %3 secciones</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Railpin Calculator</source>
        <translation>Calculadora de balaustres</translation>
    </message>
    <message>
        <source>Section Length</source>
        <translation>Largo del tramo</translation>
    </message>
    <message>
        <source>The clear distance between the posts, in inches: decimals or fractions such as 1 3/8</source>
        <translation>La distancia libre entre los postes, en pulgadas: decimales o fracciones como 1 3/8</translation>
    </message>
    <message>
        <source>Railpin Width</source>
        <translation>Ancho del balaustre</translation>
    </message>
    <message>
        <source>The width of one railpin, in inches: decimals or fractions such as 1 3/8</source>
        <translation>El ancho de un balaustre, en pulgadas: decimales o fracciones como 1 3/8</translation>
    </message>
    <message>
        <source>Maximum Gap</source>
        <translation>Hueco máximo</translation>
    </message>
    <message>
        <source>The largest gap allowed between railpins, in inches</source>
        <translation>El mayor hueco permitido entre balaustres, en pulgadas</translation>
    </message>
    <message>
        <source>Section Length</source>
        <comment>short caption over its field</comment>
        <translation>Largo del tramo</translation>
    </message>
    <message>
        <source>Railpin Width</source>
        <comment>short caption over its field</comment>
        <translation>Ancho balaustre</translation>
    </message>
    <message>
        <source>* You must use inches, decimals or fractions permitted.</source>
        <translation>* Use solo pulgadas; se admiten decimales o fracciones.</translation>
    </message>
    <message>
        <source>Calculate to Nearest</source>
        <translation>Redondear al más próximo</translation>
    </message>
    <message>
        <source>The increment that fraction results are rounded to</source>
        <translation>La fracción de pulgada a la que se redondean los resultados</translation>
    </message>
    <message>
        <source> Results </source>
        <translation> Resultados </translation>
    </message>
    <message>
        <source>Outer Railpin on Center</source>
        <translation>Distancia exterior entre ejes</translation>
    </message>
    <message>
        <source>O On Center</source>
        <translation>Entre ejes ext.</translation>
    </message>
    <message>
        <source>Outer Railpin on Center, as a decimal</source>
        <translation>Distancia exterior entre ejes, en decimal</translation>
    </message>
    <message>
        <source>Actual Gap</source>
        <translation>Hueco real</translation>
    </message>
    <message>
        <source>Actual Gap, as a decimal</source>
        <translation>Hueco real, en decimal</translation>
    </message>
    <message>
        <source>Railpin Count</source>
        <translation>Número de balaustres</translation>
    </message>
    <message>
        <source>Railpin Count</source>
        <comment>short caption over its field</comment>
        <translation>Nº balaustres</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Find the smallest railpin count whose gap is within the maximum gap</source>
        <translation>Busca el menor número de balaustres cuyo hueco no supere el hueco máximo</translation>
    </message>
    <message>
        <source>Remove a railpin</source>
        <translation>Quitar un balaustre</translation>
    </message>
    <message>
        <source>Remove one railpin</source>
        <translation>Quita un balaustre</translation>
    </message>
    <message>
        <source>Add a railpin</source>
        <translation>Añadir un balaustre</translation>
    </message>
    <message>
        <source>Add one railpin</source>
        <translation>Añade un balaustre</translation>
    </message>
    <message>
        <source>Actual Gap fraction</source>
        <translation>Hueco real, fracción</translation>
    </message>
    <message>
        <source>Actual Gap, as a fraction</source>
        <translation>Hueco real, en fracción</translation>
    </message>
    <message>
        <source>O On Center fraction</source>
        <translation>Entre ejes ext., fracción</translation>
    </message>
    <message>
        <source>Outer Railpin on Center, as a fraction</source>
        <translation>Distancia exterior entre ejes, en fracción</translation>
    </message>
    <message>
        <source>Inner Railpin on Center</source>
        <translation>Distancia interior entre ejes</translation>
    </message>
    <message>
        <source>I On Center fraction</source>
        <translation>Entre ejes int., fracción</translation>
    </message>
    <message>
        <source>Inner Railpin on Center, as a fraction</source>
        <translation>Distancia interior entre ejes, en fracción</translation>
    </message>
    <message>
        <source>I On Center</source>
        <translation>Entre ejes int.</translation>
    </message>
    <message>
        <source>Inner Railpin on Center, as a decimal</source>
        <translation>Distancia interior entre ejes, en decimal</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>The calculator&apos;s File menu; the job window has its own, whose access keys must not clash with its other menus.</extracomment>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Imprimir pantalla</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>Help menu of the calculator; the access key is chosen among this menu&apos;s items only.</extracomment>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>with this section length and railpin width, adding railpins never makes the gap smaller.</source>
        <translation>con este largo de tramo y este ancho de balaustre, añadir balaustres nunca reduce el hueco.</translation>
    </message>
    <message>
        <source>however many railpins are added, the gap only comes closer to %1 inches (minus the railpin width) and never gets down to the maximum.</source>
        <translation>por muchos balaustres que se añadan, el hueco solo se acerca a %1 pulgadas (menos el ancho del balaustre) y nunca baja hasta el máximo.</translation>
    </message>
    <message>
        <source>it would take more than %1 railpins.</source>
        <translation>harían falta más de %1 balaustres.</translation>
    </message>
    <message>
        <source>No railpin count keeps the gap within the maximum gap of %1 inches: %2</source>
        <translation>Ningún número de balaustres deja el hueco dentro del hueco máximo de %1 pulgadas: %2</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
    <message>
        <source>Read as %1: write %2</source>
        <translation>Leído como %1: escriba %2</translation>
    </message>
    <message>
        <source>Read as %1: write 36, %2 or 36 1/2</source>
        <translation>Leído como %1: escriba 36, %2 o 36 1/2</translation>
    </message>
    <message>
        <source>Open a railing job with this section, to add sections, save and print it</source>
        <translation>Abrir una obra de barandilla con este tramo, para añadirle tramos, guardarla e imprimirla</translation>
    </message>
    <message>
        <source>&amp;Open Job…</source>
        <translation>&amp;Abrir obra…</translation>
    </message>
    <message>
        <source>Open a saved railing job</source>
        <translation>Abrir una obra de barandilla guardada</translation>
    </message>
    <message>
        <source>&amp;New Job from Calculator…</source>
        <translation>&amp;Nueva obra desde la calculadora…</translation>
    </message>
</context>
<context>
    <name>layout</name>
    <message>
        <source>Total railpins: %1</source>
        <translation>Total de balaustres: %1</translation>
    </message>
    <message>
        <source>To order (%1 % extra): %2</source>
        <translation>A pedir (%1&#xa0;% de más): %2</translation>
    </message>
    <message>
        <source>1 pack of %1</source>
        <translation>1 paquete de %1</translation>
    </message>
    <message>
        <source>%1 packs of %2</source>
        <translation>%1 paquetes de %2</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>section %1, &quot;%2&quot;</source>
        <translation>tramo %1, &quot;%2&quot;</translation>
    </message>
    <message>
        <source>section %1, stair, &quot;%2&quot;</source>
        <translation>tramo %1, escalera, &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Where in a job file, then what is wrong there (&quot;section 2, length: …&quot;); the command line has its own for a file name and a message.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>must be a measurement in quotes, such as &quot;1 3/8&quot;</source>
        <translation>debe ser una medida entre comillas, como &quot;1 3/8&quot;</translation>
    </message>
    <message>
        <source>must be a text in quotes</source>
        <translation>debe ser un texto entre comillas</translation>
    </message>
    <message>
        <source>must be a whole number from %1 to %2</source>
        <translation>debe ser un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>must be an object with &quot;rise&quot; and &quot;run&quot; or with &quot;angle&quot;</source>
        <translation>debe ser un objeto con &quot;rise&quot; y &quot;run&quot; o con &quot;angle&quot;</translation>
    </message>
    <message>
        <source>must be a number of degrees</source>
        <translation>debe ser un número de grados</translation>
    </message>
    <message>
        <source>section %1</source>
        <translation>tramo %1</translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>debe ser un objeto</translation>
    </message>
    <message>
        <source>must be &quot;full&quot; or &quot;half&quot;</source>
        <translation>debe ser &quot;full&quot; o &quot;half&quot;</translation>
    </message>
    <message>
        <source>must be &quot;mm&quot; or &quot;in&quot;</source>
        <translation>debe ser &quot;mm&quot; o &quot;in&quot;</translation>
    </message>
    <message>
        <source>must be 4, 8, 16 or 32</source>
        <translation>debe ser 4, 8, 16 o 32</translation>
    </message>
    <message>
        <source>must be 1 or 0.5</source>
        <translation>debe ser 1 o 0.5</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>línea %1, columna %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB, more than any job needs</source>
        <translation>el archivo ocupa más de 1 MiB, más de lo que necesita cualquier obra</translation>
    </message>
    <message>
        <source>not a job file: %1 at %2</source>
        <translation>no es un archivo de obra: %1 en %2</translation>
    </message>
    <message>
        <source>not a job file: it does not begin with &quot;format&quot;: &quot;railpin-job&quot;</source>
        <translation>no es un archivo de obra: no empieza por &quot;format&quot;: &quot;railpin-job&quot;</translation>
    </message>
    <message>
        <source>%1: is missing</source>
        <translation>%1: falta</translation>
    </message>
    <message>
        <source>the job file is of version %1, written by a newer version of this program, which this one cannot read (it reads versions up to %2); open it with the newer version</source>
        <translation>el archivo de obra es de la versión %1, escrito por una versión más reciente de este programa, que esta no puede leer (lee hasta la versión %2); ábralo con la versión más reciente</translation>
    </message>
    <message>
        <source>must be a list of sections in [ ]</source>
        <translation>debe ser una lista de tramos entre [ ]</translation>
    </message>
    <message>
        <source>has %1 sections, more than the %2 a job can have</source>
        <translation>tiene %1 tramos, más de los %2 que puede tener una obra</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>no se puede leer el archivo: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a number too large to be read</source>
        <translation>&quot;%1&quot; tiene un número demasiado grande para leerlo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; divides by zero</source>
        <translation>&quot;%1&quot; divide entre cero</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to be a measurement</source>
        <translation>&quot;%1&quot; es demasiado grande para ser una medida</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a fraction: fractions are not used in millimetre jobs, type a whole or decimal number of millimetres</source>
        <translation>&quot;%1&quot; es una fracción: en las obras en milímetros no se usan fracciones; escriba un número entero o decimal de milímetros</translation>
    </message>
    <message>
        <source>no measurement is typed</source>
        <translation>no se ha escrito ninguna medida</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>in</source>
        <translation>pulg.</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A field&apos;s name and why it cannot be read (&quot;length &quot;36 1/&quot; is not a measurement…&quot;), not a number and its unit as in the other contexts.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; must be more than 0</source>
        <translation>%1 &quot;%2&quot; debe ser mayor que 0</translation>
    </message>
    <message>
        <source>rise</source>
        <translation>la contrahuella</translation>
    </message>
    <message>
        <source>run</source>
        <translation>la huella</translation>
    </message>
    <message>
        <source>a rise of %1 in a run of %2 is a slope of %3°: a stair must be less steep than 60°</source>
        <translation>una contrahuella de %1 con una huella de %2 da una pendiente de %3°: una escalera debe tener menos de 60° de pendiente</translation>
    </message>
    <message>
        <source>the stair&apos;s slope is missing: give its rise and run or its angle</source>
        <translation>falta la pendiente de la escalera: indique su contrahuella y su huella, o su ángulo</translation>
    </message>
    <message>
        <source>a slope of %1° is not a stair: the angle must be more than 0°</source>
        <translation>una pendiente de %1° no es una escalera: el ángulo debe ser mayor que 0°</translation>
    </message>
    <message>
        <source>a slope of %1° is too steep: a stair must be less steep than 60°</source>
        <translation>una pendiente de %1° es demasiado empinada: una escalera debe tener menos de 60° de pendiente</translation>
    </message>
    <message>
        <source>length &quot;%1&quot; is too large to lay out</source>
        <translation>el largo &quot;%1&quot; es demasiado grande para replantearlo</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A gap in messages: the decimal, then the fraction in brackets (&quot;4.125 (4 1/8)&quot;).
----------
A line of the totals, then why it is short (&quot;42 railpins (1 of 3 sections not laid out, not counted)&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>a count of %1 railpins is more than the %2 a section can have</source>
        <translation>%1 balaustres son más de los %2 que puede tener un tramo</translation>
    </message>
    <message>
        <source>%1 railpins %2 wide do not fit in a length of %3</source>
        <translation>%1 balaustres de %2 de ancho no caben en un largo de %3</translation>
    </message>
    <message>
        <source>more than %1 railpins would be needed to keep the gaps within %2</source>
        <translation>harían falta más de %1 balaustres para que los huecos no superen %2</translation>
    </message>
    <message>
        <source>railpins %1 wide do not fit in a length of %2 with gaps of at most %3</source>
        <translation>los balaustres de %1 de ancho no caben en un largo de %2 con huecos de %3 como máximo</translation>
    </message>
    <message>
        <source>length</source>
        <translation>el largo</translation>
    </message>
    <message>
        <source>railpin width</source>
        <translation>el ancho del balaustre</translation>
    </message>
    <message>
        <source>maximum gap</source>
        <translation>el hueco máximo</translation>
    </message>
    <message>
        <source>an increment of 1/%1 is not one of 1/4, 1/8, 1/16 or 1/32</source>
        <translation>el redondeo a 1/%1 no es ninguno de 1/4, 1/8, 1/16 o 1/32</translation>
    </message>
    <message>
        <source>the gap of %1 with %2 railpins is wider than the maximum gap of %3</source>
        <translation>el hueco de %1 con %2 balaustres supera el hueco máximo de %3</translation>
    </message>
    <message>
        <source>Section %1</source>
        <translation>Tramo %1</translation>
    </message>
    <message>
        <source>this section&apos;s own maximum gap</source>
        <translation>el hueco máximo propio de este tramo</translation>
    </message>
    <message>
        <source>the job&apos;s maximum gap on stairs</source>
        <translation>el hueco máximo de la obra en escaleras</translation>
    </message>
    <message>
        <source>the job&apos;s maximum gap</source>
        <translation>el hueco máximo de la obra</translation>
    </message>
    <message>
        <source>a section</source>
        <translation>un tramo</translation>
    </message>
    <message>
        <source>a stair</source>
        <translation>una escalera</translation>
    </message>
    <message>
        <source>the job</source>
        <translation>la obra</translation>
    </message>
    <message>
        <source>unknown field &quot;%1&quot; is kept but not used</source>
        <translation>el campo desconocido &quot;%1&quot; se conserva pero no se usa</translation>
    </message>
    <message>
        <source>unknown field &quot;%1&quot; (did you mean &quot;%2&quot;?)</source>
        <translation>el campo desconocido &quot;%1&quot; (¿quería decir &quot;%2&quot;?)</translation>
    </message>
    <message>
        <source>field &quot;%1&quot; belongs to %2, not to %3</source>
        <translation>el campo &quot;%1&quot; pertenece a %2, no a %3</translation>
    </message>
    <message>
        <source>unknown field &quot;%1&quot; (did you mean &quot;%2&quot; of %3?)</source>
        <translation>el campo desconocido &quot;%1&quot; (¿quería decir &quot;%2&quot; de %3?)</translation>
    </message>
    <message>
        <source>the job&apos;s %1</source>
        <translation>en la obra, %1</translation>
    </message>
    <message>
        <source>stair: %1</source>
        <translation>escalera: %1</translation>
    </message>
    <message>
        <source>stair: </source>
        <translation>escalera: </translation>
    </message>
    <message>
        <source>not a job file: nested more than %1 deep at %2</source>
        <translation>no es un archivo de obra: anidado a más de %1 niveles en %2</translation>
    </message>
    <message>
        <source>a job can have at most %1 sections</source>
        <translation>una obra puede tener como mucho %1 tramos</translation>
    </message>
    <message>
        <source>the job file would be larger than 1 MiB, more than any job needs</source>
        <translation>el archivo de obra ocuparía más de 1 MiB, más de lo que necesita cualquier obra</translation>
    </message>
    <message>
        <source>the job could not be opened again once saved (%1)</source>
        <translation>la obra no se podría volver a abrir una vez guardada (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a measurement: type millimetres as 914, %2 or 914 mm</source>
        <translation>&quot;%1&quot; no es una medida: escriba los milímetros como 914, %2 o 914 mm</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a measurement: type inches as 36, %2, 1 3/8, 1-3/8, 1 3/8 in or 12&apos; 3 1/2&quot;</source>
        <translation>&quot;%1&quot; no es una medida: escriba las pulgadas como 36, %2, 1 3/8, 1-3/8, 1 3/8 in o 12&apos; 3 1/2&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in millimetres: this job is in inches, type inches such as 1 3/8</source>
        <translation>&quot;%1&quot; está en milímetros: esta obra está en pulgadas, escriba pulgadas como 1 3/8</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in inches: this job is in millimetres, type millimetres such as 35</source>
        <translation>&quot;%1&quot; está en pulgadas: esta obra está en milímetros, escriba milímetros como 35</translation>
    </message>
    <message>
        <source>a count of %1 railpins is not possible: give 0 or more</source>
        <translation>%1 balaustres no es un número posible: indique 0 o más</translation>
    </message>
    <message>
        <source>the job has %1 railpins, more than the %2 one job may lay out</source>
        <translation>la obra tiene %1 balaustres, más de los %2 que puede replantear una obra</translation>
    </message>
    <message>
        <source>%1 of %2 sections not laid out, not counted</source>
        <translation>%1 de %2 tramos sin replantear, no contados</translation>
    </message>
    <message>
        <source>must be %1 or %2</source>
        <translation>debe ser %1 o %2</translation>
    </message>
    <message>
        <source>the slope &quot;%1&quot; is neither an angle in degrees nor rise : run, such as 7 : 11</source>
        <translation>la pendiente &quot;%1&quot; no es ni un ángulo en grados ni contrahuella : huella, como 7 : 11</translation>
    </message>
    <message>
        <source>a railpin at mid-span</source>
        <translation>un balaustre en el centro</translation>
    </message>
    <message>
        <source>a gap at mid-span</source>
        <translation>un hueco en el centro</translation>
    </message>
    <message>
        <source>no count keeps both end gaps within %1</source>
        <translation>ningún número deja los dos huecos extremos dentro de %1</translation>
    </message>
    <message>
        <source>no count keeps both end gaps within %1 with %2</source>
        <translation>ningún número deja los dos huecos extremos dentro de %1 con %2</translation>
    </message>
    <message>
        <source>same spacing %1, end gaps %2</source>
        <translation>mismo espaciado %1, huecos extremos %2</translation>
    </message>
    <message>
        <source>equal gaps, design gap %1, limit %2</source>
        <translation>huecos iguales, hueco objetivo %1, límite %2</translation>
    </message>
    <message>
        <source>equal gaps</source>
        <translation>huecos iguales</translation>
    </message>
    <message>
        <source>railpin at mid-span</source>
        <translation>balaustre en el centro</translation>
    </message>
    <message>
        <source>gap at mid-span</source>
        <translation>hueco en el centro</translation>
    </message>
    <message>
        <source>between post centres, posts %1, clear span %2</source>
        <translation>entre ejes de postes, postes de %1, luz libre %2</translation>
    </message>
    <message>
        <source>design gap</source>
        <translation>el hueco objetivo</translation>
    </message>
    <message>
        <source>design gap %1 is more than the maximum gap of %2</source>
        <translation>el hueco objetivo de %1 supera el hueco máximo de %2</translation>
    </message>
    <message>
        <source>the same spacing on every section needs a design gap: the gap between its railpins</source>
        <translation>el mismo espaciado en todos los tramos necesita un hueco objetivo: el hueco entre sus balaustres</translation>
    </message>
    <message>
        <source>half-gap ends apply to equal gaps only: with the same spacing both end gaps are equal</source>
        <translation>los medios huecos en los extremos solo valen para huecos iguales: con el mismo espaciado los dos huecos extremos son iguales</translation>
    </message>
    <message>
        <source>post width</source>
        <translation>el ancho del poste</translation>
    </message>
    <message>
        <source>posts %1 wide leave no clear span in a length of %2 between post centres</source>
        <translation>unos postes de %1 de ancho no dejan luz libre en un largo de %2 entre ejes de postes</translation>
    </message>
    <message>
        <source>the end gaps of %1 with %2 railpins are wider than the maximum gap of %3</source>
        <translation>los huecos extremos de %1 con %2 balaustres superan el hueco máximo de %3</translation>
    </message>
    <message>
        <source>%1 railpins do not put %2</source>
        <translation>%1 balaustres no dejan %2</translation>
    </message>
    <message>
        <source>the order list</source>
        <translation>la lista de pedido</translation>
    </message>
    <message>
        <source>the order list&apos;s %1</source>
        <translation>en la lista de pedido, %1</translation>
    </message>
    <message>
        <source>order list: </source>
        <translation>lista de pedido: </translation>
    </message>
    <message>
        <source>order, &quot;%1&quot;</source>
        <translation>lista de pedido, &quot;%1&quot;</translation>
    </message>
    <message>
        <source>written back, the job would be larger than 1 MiB: its numbers are written out in full (1e9 as 1000000000), more than any job needs</source>
        <translation>al volver a escribirla, la obra ocuparía más de 1 MiB: sus números se escriben completos (1e9 como 1000000000), más de lo que necesita cualquier obra</translation>
    </message>
    <message>
        <source>section %1 &quot;%2&quot;: %3</source>
        <extracomment>A warning of the job window&apos;s exports: the section&apos;s number, its name, then the warning.</extracomment>
        <translation>tramo %1 &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>the rail rows are %1, not 0 to %2</source>
        <translation>hay %1 filas de pasamanos, no de 0 a %2</translation>
    </message>
    <message>
        <source>the rail stock &quot;%1&quot; is not a list of lengths</source>
        <translation>los largos comerciales de pasamanos &quot;%1&quot; no son una lista de medidas</translation>
    </message>
    <message>
        <source>the railpin stock &quot;%1&quot; is not a list of lengths</source>
        <translation>los largos comerciales de balaustres &quot;%1&quot; no son una lista de medidas</translation>
    </message>
    <message>
        <source>the kerf: %1</source>
        <translation>el ancho de corte: %1</translation>
    </message>
    <message>
        <source>the kerf &quot;%1&quot; is less than 0</source>
        <translation>el ancho de corte &quot;%1&quot; es menor que 0</translation>
    </message>
    <message>
        <source>the railpin length: %1</source>
        <translation>el largo del balaustre: %1</translation>
    </message>
    <message>
        <source>the railpin length &quot;%1&quot; is not more than 0</source>
        <translation>el largo del balaustre &quot;%1&quot; no es mayor que 0</translation>
    </message>
    <message>
        <source>%1 row %2: its rail of %3 is longer than the longest stock (%4); put a post under it</source>
        <extracomment>A section&apos;s name and rail row, the piece&apos;s length, the longest stock length.</extracomment>
        <translation>%1, fila %2: su pasamanos de %3 es más largo que el mayor largo comercial (%4); apóyelo en un poste intermedio</translation>
    </message>
    <message>
        <source>railpins of %1 are longer than the longest stock (%2)</source>
        <translation>los balaustres de %1 son más largos que el mayor largo comercial (%2)</translation>
    </message>
    <message>
        <source>length not given</source>
        <translation>largo no indicado</translation>
    </message>
    <message>
        <source>stair: railpins of many lengths</source>
        <translation>escalera: balaustres de varios largos</translation>
    </message>
    <message>
        <source>a run</source>
        <translation>una alineación</translation>
    </message>
    <message>
        <source>run %1 &quot;%2&quot;: </source>
        <translation>alineación %1 &quot;%2&quot;: </translation>
    </message>
    <message>
        <source>run %1, &quot;%2&quot;</source>
        <translation>alineación %1, &quot;%2&quot;</translation>
    </message>
    <message>
        <source>must be &quot;auto&quot; or a whole number</source>
        <translation>debe ser &quot;auto&quot; o un número entero</translation>
    </message>
    <message>
        <source>run %1</source>
        <translation>alineación %1</translation>
    </message>
    <message>
        <source>must be a list of runs in [ ]</source>
        <translation>debe ser una lista de alineaciones entre [ ]</translation>
    </message>
    <message>
        <source>has %1 runs, more than the %2 a job can have</source>
        <translation>tiene %1 alineaciones, más de las %2 que puede tener una obra</translation>
    </message>
    <message>
        <source>%1: measure the rail between the newels</source>
        <translation>%1: mida el pasamanos entre los postes de escalera</translation>
    </message>
    <message>
        <source>maximum post spacing</source>
        <translation>la separación máxima entre postes</translation>
    </message>
    <message>
        <source>Posts: %1</source>
        <translation>Postes: %1</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; cannot be less than 0</source>
        <translation>%1 &quot;%2&quot; no puede ser menor que 0</translation>
    </message>
    <message>
        <source>first railpin from the riser</source>
        <translation>el primer balaustre desde la contrahuella</translation>
    </message>
    <message>
        <source>nosing</source>
        <translation>el vuelo de la nariz</translation>
    </message>
    <message>
        <source>rail height</source>
        <translation>la altura del pasamanos</translation>
    </message>
    <message>
        <source>rail depth</source>
        <translation>el canto del pasamanos</translation>
    </message>
    <message>
        <source>insert</source>
        <translation>la profundidad de los agujeros</translation>
    </message>
    <message>
        <source>%1 railpins %2 wide do not fit a tread run of %3 (they need %4)</source>
        <translation>%1 balaustres de %2 de ancho no caben en una huella de %3 (necesitan %4)</translation>
    </message>
    <message>
        <source>a railpin %1 wide does not fit a tread run of %2</source>
        <translation>un balaustre de %1 de ancho no cabe en una huella de %2</translation>
    </message>
    <message>
        <source>no number of railpins per tread both fits a tread run of %1 and keeps the gap within %2: %3 per tread leaves a gap of %4; %5 need %6</source>
        <translation>ningún número de balaustres por peldaño cabe en una huella de %1 y a la vez deja el hueco dentro de %2: %3 por peldaño dejan un hueco de %4; %5 necesitan %6</translation>
    </message>
    <message>
        <source>a tread run of %1 cannot take %2 railpins %3 wide (they need %4); at least %2 per tread is the job&apos;s minimum</source>
        <translation>una huella de %1 no admite %2 balaustres de %3 de ancho (necesitan %4); %2 por peldaño es el mínimo de la obra</translation>
    </message>
    <message>
        <source>%1 does not go with a stair given by its treads</source>
        <translation>%1 no va con una escalera dada por sus peldaños</translation>
    </message>
    <message>
        <source>a count of railpins</source>
        <translation>un número de balaustres</translation>
    </message>
    <message>
        <source>half-gap ends</source>
        <translation>extremos de medio hueco</translation>
    </message>
    <message>
        <source>the same spacing</source>
        <translation>el mismo espaciado</translation>
    </message>
    <message>
        <source>a railpin or gap at mid-span</source>
        <translation>un balaustre o un hueco en el centro</translation>
    </message>
    <message>
        <source>a length between post centres</source>
        <translation>un largo entre ejes de postes</translation>
    </message>
    <message>
        <source>treads need the rise and run of one step, not an angle</source>
        <translation>los peldaños necesitan la contrahuella y la huella de un escalón, no un ángulo</translation>
    </message>
    <message>
        <source>a stair is given by its length or by its treads, not both: leave the length empty</source>
        <translation>una escalera se da por su largo o por sus peldaños, no por ambos: deje el largo vacío</translation>
    </message>
    <message>
        <source>a stair of %1 treads is not possible: give 1 to %2</source>
        <translation>una escalera de %1 peldaños no es posible: indique de 1 a %2</translation>
    </message>
    <message>
        <source>%1 railpins per tread is not possible: give 1 to %2 or auto</source>
        <translation>%1 balaustres por peldaño no es posible: indique de 1 a %2 o auto</translation>
    </message>
    <message>
        <source>the job&apos;s least of %1 railpins per tread is not possible: give 1 to %2</source>
        <translation>el mínimo de la obra de %1 balaustres por peldaño no es posible: indique de 1 a %2</translation>
    </message>
    <message>
        <source>stair: &quot;%1&quot; is used by a stair given by its treads: kept but not used</source>
        <translation>escalera: &quot;%1&quot; es para una escalera dada por sus peldaños: se conserva pero no se usa</translation>
    </message>
    <message>
        <source>the first railpin cannot stand in front of the riser face</source>
        <translation>el primer balaustre no puede quedar por delante de la cara de la contrahuella</translation>
    </message>
    <message>
        <source>with the first railpin %1 from the riser, the last one on each tread passes the next riser: it may be at most %2</source>
        <translation>con el primer balaustre a %1 de la contrahuella, el último de cada peldaño pasa de la contrahuella siguiente: puede estar como mucho a %2</translation>
    </message>
    <message>
        <source>a rail height of %1 with a rail depth of %2 leaves the front railpin no length</source>
        <translation>una altura de pasamanos de %1 con un canto de %2 no deja largo al balaustre delantero</translation>
    </message>
    <message>
        <source>the gap of %1 with %2 railpins per tread is wider than the maximum gap of %3</source>
        <translation>el hueco de %1 con %2 balaustres por peldaño supera el hueco máximo de %3</translation>
    </message>
    <message>
        <source>%1 railpins per tread are fewer than the job&apos;s least of %2</source>
        <translation>%1 balaustres por peldaño son menos que el mínimo de la obra, %2</translation>
    </message>
    <message>
        <source>%1 per tread (as given)</source>
        <translation>%1 por peldaño (número indicado)</translation>
    </message>
    <message>
        <source>%1 per tread (the fewest within %2 %3; at least %4)</source>
        <translation>%1 por peldaño (el menor número que respeta %2 %3; como mínimo %4)</translation>
    </message>
    <message>
        <source>%1, on centre %2, gap measured level %3</source>
        <translation>%1, entre ejes %2, hueco medido en horizontal %3</translation>
    </message>
    <message>
        <source>%1 treads × %2 = %3 railpins</source>
        <translation>%1 peldaños × %2 = %3 balaustres</translation>
    </message>
    <message>
        <source>%1 treads × %2, less %3 for the newels = %4 railpins</source>
        <translation>%1 peldaños × %2, menos %3 por los postes de escalera = %4 balaustres</translation>
    </message>
    <message>
        <source>cut square at both ends, into holes (the rake is %1°)</source>
        <translation>a escuadra arriba y abajo, en agujeros (inclinación %1°)</translation>
    </message>
    <message>
        <source>top cut %1°, bottom square (%2° with a saw set from plumb)</source>
        <translation>corte superior a %1°, inferior a escuadra (%2° con la sierra ajustada desde la vertical)</translation>
    </message>
    <message>
        <source>the check under the bottom rail needs the rise and run of one step, not an angle</source>
        <translation>la comprobación bajo el pasamanos inferior necesita la contrahuella y la huella de un escalón, no un ángulo</translation>
    </message>
    <message>
        <source>bottom rail</source>
        <translation>el pasamanos inferior</translation>
    </message>
    <message>
        <source>triangle sphere</source>
        <translation>la esfera del triángulo</translation>
    </message>
    <message>
        <source>the bottom rail cannot be below the nosing line</source>
        <translation>el pasamanos inferior no puede quedar por debajo de la línea de narices</translation>
    </message>
    <message>
        <source>nosing &quot;%1&quot; cannot be less than 0</source>
        <translation>el vuelo de la nariz &quot;%1&quot; no puede ser menor que 0</translation>
    </message>
    <message>
        <source>the bottom rail stands so far above the nosing line that the opening under it is no longer a triangle</source>
        <translation>el pasamanos inferior queda tan por encima de la línea de narices que la abertura bajo él ya no es un triángulo</translation>
    </message>
    <message>
        <source>the opening under the bottom rail passes a sphere of %1, within %2: the rail may stand at most %3 above the nosing line</source>
        <translation>por la abertura bajo el pasamanos inferior pasa una esfera de %1, dentro de %2: el pasamanos puede quedar como mucho a %3 sobre la línea de narices</translation>
    </message>
    <message>
        <source>the opening under the bottom rail passes a sphere of %1, more than %2: no bottom rail on this stair keeps it within %2, even one on the nosing line</source>
        <translation>por la abertura bajo el pasamanos inferior pasa una esfera de %1, más de %2: ningún pasamanos inferior en esta escalera la mantiene dentro de %2, ni siquiera uno sobre la línea de narices</translation>
    </message>
    <message>
        <source>the opening under the bottom rail passes a sphere of %1, more than %2: keep the rail at most %3 above the nosing line</source>
        <translation>por la abertura bajo el pasamanos inferior pasa una esfera de %1, más de %2: mantenga el pasamanos como mucho a %3 sobre la línea de narices</translation>
    </message>
    <message>
        <source>1 tread × %2 = %3 railpins</source>
        <translation>1 peldaño × %2 = %3 balaustres</translation>
    </message>
    <message>
        <source>1 tread × %2, less %3 for the newels = %4 railpins</source>
        <translation>1 peldaño × %2, menos %3 por los postes de escalera = %4 balaustres</translation>
    </message>
    <message>
        <source>there is no such section</source>
        <translation>no existe ese tramo</translation>
    </message>
    <message>
        <source>there is no such run</source>
        <translation>no existe esa alineación</translation>
    </message>
    <message>
        <source>there is no field &quot;%1&quot; to rename</source>
        <translation>no hay ningún campo &quot;%1&quot; al que cambiar el nombre</translation>
    </message>
    <message>
        <source>the end gaps of %1 are narrower than %2: too close to the post to fix a railpin</source>
        <translation>los huecos extremos de %1 son más estrechos que %2: demasiado cerca del poste para fijar un balaustre</translation>
    </message>
</context>
</TS>
