<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BackgroundWork</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Exporting</source>
        <translation>Exportation</translation>
    </message>
</context>
<context>
    <name>CheckedPrintDialog</name>
    <message>
        <source>Cannot print to %1: %2.</source>
        <translation>Impossible d’imprimer dans %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>ChoiceDelegate</name>
    <message>
        <source>As the job</source>
        <translation>Comme le chantier</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--decimals is used with --marks</source>
        <translation>--decimals s’utilise avec --marks</translation>
    </message>
    <message>
        <source>--paper &quot;%1&quot; is neither letter nor a4</source>
        <translation>--paper &quot;%1&quot; n’est ni letter ni a4</translation>
    </message>
    <message>
        <source>one job file at most, not &quot;%1&quot; and &quot;%2&quot;</source>
        <translation>un seul fichier de chantier au plus, pas &quot;%1&quot; et &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--%1 cannot be used with a job file</source>
        <translation>--%1 ne peut pas être utilisé avec un fichier de chantier</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement&#xa0;: %1</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot;: %3</source>
        <translation>--%1 &quot;%2&quot;&#xa0;: %3</translation>
    </message>
    <message>
        <source>--%1: %2</source>
        <translation>--%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the unit is in or mm</source>
        <translation>l’unité est in ou mm</translation>
    </message>
    <message>
        <source>a millimetre job rounds with --mark-step</source>
        <translation>un chantier en millimètres s’arrondit avec --mark-step</translation>
    </message>
    <message>
        <source>the increment is 4, 8, 16 or 32</source>
        <translation>l’arrondi est 4, 8, 16 ou 32</translation>
    </message>
    <message>
        <source>the mark step is for --unit mm</source>
        <translation>le pas des repères est pour --unit mm</translation>
    </message>
    <message>
        <source>the mark step is 1 or 0.5</source>
        <translation>le pas des repères est 1 ou 0.5</translation>
    </message>
    <message>
        <source>--rise and --run are given together</source>
        <translation>--rise et --run s’indiquent ensemble</translation>
    </message>
    <message>
        <source>a slope is --rise and --run or --angle, not both</source>
        <translation>une pente se donne par --rise et --run ou par --angle, pas les deux</translation>
    </message>
    <message>
        <source>not a number of degrees</source>
        <translation>ce n’est pas un nombre de degrés</translation>
    </message>
    <message>
        <source>the ends are full or half</source>
        <translation>les extrémités sont full ou half</translation>
    </message>
    <message>
        <source>--%1 is required without a job file</source>
        <translation>--%1 est obligatoire sans fichier de chantier</translation>
    </message>
    <message>
        <source>Railing section</source>
        <translation>Travée de garde-corps</translation>
    </message>
    <message>
        <source>%1: section %2 &quot;%3&quot;: %4</source>
        <translation>%1&#xa0;: travée %2 &quot;%3&quot;&#xa0;: %4</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>Writes the sheet as a PDF to FILE.</source>
        <translation>Écrit la feuille en PDF dans FICHIER.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Prints the marks, tab-separated, on standard output.</source>
        <translation>Écrit les repères, séparés par des tabulations, sur la sortie standard.</translation>
    </message>
    <message>
        <source>With --marks: decimals instead of fractions.</source>
        <translation>Avec --marks&#xa0;: décimales au lieu de fractions.</translation>
    </message>
    <message>
        <source>The paper of the PDF: letter or a4 (default: from the locale).</source>
        <translation>Le papier du PDF&#xa0;: letter ou a4 (par défaut&#xa0;: selon les paramètres régionaux).</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>The section&apos;s length between the posts, along the rail.</source>
        <translation>La longueur de la travée entre les poteaux, mesurée le long de la lisse.</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>The width of one railpin.</source>
        <translation>La largeur d’un barreau.</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>The largest gap allowed between railpins.</source>
        <translation>Le plus grand écart permis entre barreaux.</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>Inches: marks rounded to 1/N, N of 4, 8, 16 or 32 (default 16).</source>
        <translation>Pouces&#xa0;: repères arrondis à 1/N, N valant 4, 8, 16 ou 32 (par défaut 16).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>The railpin count (default: the fewest within the maximum gap).</source>
        <translation>Le nombre de barreaux (par défaut&#xa0;: le plus petit qui respecte l’écart maximal).</translation>
    </message>
    <message>
        <source>A full gap (full) or half a gap (half) at each post (default full).</source>
        <translation>Un écart complet (full) ou un demi-écart (half) contre chaque poteau (par défaut full).</translation>
    </message>
    <message>
        <source>ENDS</source>
        <translation>EXTRÉMITÉS</translation>
    </message>
    <message>
        <source>A stair&apos;s rise, with --run.</source>
        <translation>La hauteur de marche d’un escalier, avec --run.</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>A stair&apos;s run, with --rise.</source>
        <translation>Le giron d’un escalier, avec --rise.</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>A stair&apos;s slope in degrees.</source>
        <translation>La pente d’un escalier, en degrés.</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>The name on the sheet.</source>
        <translation>Le nom inscrit sur la feuille.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXTE</translation>
    </message>
    <message>
        <source>The unit of every length: in or mm (default in).</source>
        <translation>L’unité de toutes les longueurs&#xa0;: in ou mm (par défaut in).</translation>
    </message>
    <message>
        <source>UNIT</source>
        <translation>UNITÉ</translation>
    </message>
    <message>
        <source>Millimetres: marks rounded to 1 or 0.5 mm (default 1).</source>
        <translation>Millimètres&#xa0;: repères arrondis à 1 ou 0.5&#xa0;mm (par défaut 1).</translation>
    </message>
    <message>
        <source>STEP</source>
        <translation>PAS</translation>
    </message>
    <message>
        <source>Lays out the railpins of a railing. With --pdf or --marks it writes a job&apos;s sheet or marks without opening a window; without them it opens the calculator.</source>
        <translation>Trace l’implantation des barreaux d’un garde-corps. Avec --pdf ou --marks, il écrit la feuille ou les repères d’un chantier sans ouvrir de fenêtre&#xa0;; sans eux, il ouvre le calculateur.</translation>
    </message>
    <message>
        <source>JOB</source>
        <translation>CHANTIER</translation>
    </message>
    <message>
        <source>A job file (.railpin) instead of a section given by options.</source>
        <translation>Un fichier de chantier (.railpin) au lieu d’une travée donnée par des options.</translation>
    </message>
    <message>
        <source>[JOB.railpin]</source>
        <translation>[CHANTIER.railpin]</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 et %2 ne peuvent pas être utilisés ensemble</translation>
    </message>
    <message>
        <source>--decimals cannot be used with --csv, which writes decimals and fractions</source>
        <translation>--decimals ne peut pas être utilisé avec --csv, qui écrit décimales et fractions</translation>
    </message>
    <message>
        <source>--paper is used with --pdf or --template</source>
        <translation>--paper s’utilise avec --pdf ou --template</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 exige un nom de fichier</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; would overwrite the job file</source>
        <translation>%1 &quot;%2&quot; écraserait le fichier de chantier</translation>
    </message>
    <message>
        <source>the count is a whole number of 0 or more</source>
        <translation>le nombre est un entier de 0 ou plus</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file name, then a message about it, on standard error; kept with the command line&apos;s other messages.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>With --marks: comma-separated values for a spreadsheet, exact decimals first.</source>
        <translation>Avec --marks&#xa0;: valeurs séparées par des virgules pour un tableur, décimales exactes en premier.</translation>
    </message>
    <message>
        <source>Writes a full-size template to lay on the rail as a PDF to FILE.</source>
        <translation>Écrit dans FICHIER, en PDF, un gabarit grandeur nature à poser sur la lisse.</translation>
    </message>
    <message>
        <source>Writes a full-size drawing as SVG to FILE.</source>
        <translation>Écrit un dessin grandeur nature en SVG dans FICHIER.</translation>
    </message>
    <message>
        <source>Writes a full-size drawing as DXF to FILE.</source>
        <translation>Écrit un dessin grandeur nature en DXF dans FICHIER.</translation>
    </message>
    <message>
        <source>The largest gap allowed on a stair (default: --max-gap).</source>
        <translation>Le plus grand écart permis dans un escalier (par défaut&#xa0;: --max-gap).</translation>
    </message>
    <message>
        <source>the spacing is equal or same</source>
        <translation>l’espacement est equal ou same</translation>
    </message>
    <message>
        <source>the centre is either, railpin or gap</source>
        <translation>le milieu est either, railpin ou gap</translation>
    </message>
    <message>
        <source>lengths are between faces or centres</source>
        <translation>les longueurs se mesurent entre faces ou centres</translation>
    </message>
    <message>
        <source>--spacing same needs --design-gap: the gap between railpins</source>
        <translation>--spacing same exige --design-gap&#xa0;: l’écart entre barreaux</translation>
    </message>
    <message>
        <source>--spacing same has equal end gaps of its own: --ends half is for equal gaps</source>
        <translation>--spacing same a déjà ses propres écarts d’extrémité égaux&#xa0;: --ends half vaut pour les écarts égaux</translation>
    </message>
    <message>
        <source>--between centres needs --post-width</source>
        <translation>--between centres exige --post-width</translation>
    </message>
    <message>
        <source>The gap aimed at, at most the maximum gap (default: the maximum gap).</source>
        <translation>L’écart visé, au plus l’écart maximal (par défaut&#xa0;: l’écart maximal).</translation>
    </message>
    <message>
        <source>Equal gaps post to post (equal), or the design gap between railpins and equal end gaps (same) (default equal).</source>
        <translation>Des écarts égaux d’un poteau à l’autre (equal), ou l’écart visé entre barreaux avec des écarts d’extrémité égaux (same) (par défaut equal).</translation>
    </message>
    <message>
        <source>SPACING</source>
        <translation>ESPACEMENT</translation>
    </message>
    <message>
        <source>What stands at mid-span: either, railpin or gap (default either).</source>
        <translation>Ce qui se trouve au milieu de la travée&#xa0;: either, railpin ou gap (par défaut either).</translation>
    </message>
    <message>
        <source>CENTRE</source>
        <translation>MILIEU</translation>
    </message>
    <message>
        <source>The length is between post faces or post centres (default faces).</source>
        <translation>La longueur se mesure entre les faces des poteaux (faces) ou entre leurs axes (centres) (par défaut faces).</translation>
    </message>
    <message>
        <source>POSTS</source>
        <translation>POTEAUX</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>--%1 is given more than once: give it one value</source>
        <translation>--%1 est donné plus d’une fois&#xa0;: donnez-lui une seule valeur</translation>
    </message>
    <message>
        <source>nothing to do: give --pdf FILE, --marks, --order, --template FILE, --svg FILE or --dxf FILE</source>
        <translation>rien à faire&#xa0;: indiquez --pdf FICHIER, --marks, --order, --template FICHIER, --svg FICHIER ou --dxf FICHIER</translation>
    </message>
    <message>
        <source>--csv is used with --marks or --order</source>
        <translation>--csv s’utilise avec --marks ou --order</translation>
    </message>
    <message>
        <source>--%1 is used with --order or --pdf</source>
        <translation>--%1 s’utilise avec --order ou --pdf</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossible d’écrire sur la sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>Prints the cut and order list, tab-separated, on standard output.</source>
        <translation>Écrit la liste de coupe et de commande, séparée par des tabulations, sur la sortie standard.</translation>
    </message>
    <message>
        <source>Order list: rails per section, 0 to 4 (default 2).</source>
        <translation>Liste de commande&#xa0;: lisses par travée, de 0 à 4 (par défaut 2).</translation>
    </message>
    <message>
        <source>Order list: the lengths rails are sold in, such as &quot;96,120,144,192&quot; (default 8, 10, 12 and 16 ft, or 2400 to 4800 mm).</source>
        <translation>Liste de commande&#xa0;: les longueurs dans lesquelles les lisses sont vendues, comme &quot;96,120,144,192&quot; (par défaut 8, 10, 12 et 16&#xa0;pi, ou de 2400 à 4800&#xa0;mm).</translation>
    </message>
    <message>
        <source>LENGTHS</source>
        <translation>LONGUEURS</translation>
    </message>
    <message>
        <source>Order list: the saw&apos;s kerf (default 1/8 in or 3 mm).</source>
        <translation>Liste de commande&#xa0;: le trait de scie (par défaut 1/8&#xa0;po ou 3&#xa0;mm).</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Order list: the cut length of a railpin between rails.</source>
        <translation>Liste de commande&#xa0;: la longueur de coupe d’un barreau entre les lisses.</translation>
    </message>
    <message>
        <source>Order list: the lengths railpins are cut from.</source>
        <translation>Liste de commande&#xa0;: les longueurs dans lesquelles les barreaux sont coupés.</translation>
    </message>
    <message>
        <source>Order list: screws for one railpin (default 4).</source>
        <translation>Liste de commande&#xa0;: vis par barreau (par défaut 4).</translation>
    </message>
    <message>
        <source>Order list: screws at each end of a rail (default 2).</source>
        <translation>Liste de commande&#xa0;: vis à chaque extrémité d’une lisse (par défaut 2).</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>remarque&#xa0;: %1</translation>
    </message>
    <message>
        <source>--post-width is used with --between centres or --max-post-spacing</source>
        <translation>--post-width s’utilise avec --between centres ou --max-post-spacing</translation>
    </message>
    <message>
        <source>give a whole number from %1 to %2</source>
        <translation>donnez un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>--%1 is used with --treads</source>
        <translation>--%1 s’utilise avec --treads</translation>
    </message>
    <message>
        <source>--nosing is used with --treads or --bottom-rail</source>
        <translation>--nosing s’utilise avec --treads ou --bottom-rail</translation>
    </message>
    <message>
        <source>--treads: treads need the rise and run of one step, not an angle</source>
        <translation>--treads&#xa0;: les marches exigent la hauteur et le giron d’une marche, pas un angle</translation>
    </message>
    <message>
        <source>--treads needs --rise and --run: the rise and run of one step</source>
        <translation>--treads exige --rise et --run&#xa0;: la hauteur et le giron d’une marche</translation>
    </message>
    <message>
        <source>--length does not go with --treads: the treads give the stair&apos;s length</source>
        <translation>--length ne va pas avec --treads&#xa0;: les marches donnent la longueur de l’escalier</translation>
    </message>
    <message>
        <source>--%1 does not go with --treads</source>
        <translation>--%1 ne va pas avec --treads</translation>
    </message>
    <message>
        <source>--%1 is used with a stair&apos;s --rise and --run</source>
        <translation>--%1 s’utilise avec --rise et --run d’un escalier</translation>
    </message>
    <message>
        <source>--triangle-sphere is used with --bottom-rail</source>
        <translation>--triangle-sphere s’utilise avec --bottom-rail</translation>
    </message>
    <message>
        <source>the newels are none, bottom, top or both</source>
        <translation>les poteaux d’escalier sont none, bottom, top ou both</translation>
    </message>
    <message>
        <source>a run starts or ends at a post or a wall</source>
        <translation>un alignement commence ou finit à un poteau ou à un mur</translation>
    </message>
    <message>
        <source>--%1 is used with --max-post-spacing</source>
        <translation>--%1 s’utilise avec --max-post-spacing</translation>
    </message>
    <message>
        <source>--between cannot be used with --max-post-spacing: a run is measured from its start to its end, and its bays between post faces</source>
        <translation>--between ne peut pas être utilisé avec --max-post-spacing&#xa0;: un alignement se mesure de son début à sa fin, et ses travées entre les faces des poteaux</translation>
    </message>
    <message>
        <source>--count cannot be used with --max-post-spacing: each bay gets the fewest railpins within the gap</source>
        <translation>--count ne peut pas être utilisé avec --max-post-spacing&#xa0;: chaque travée reçoit le plus petit nombre de barreaux qui respecte l’écart</translation>
    </message>
    <message>
        <source>a run is level: --rise, --run and --angle cannot be used with --max-post-spacing</source>
        <translation>un alignement est de niveau&#xa0;: --rise, --run et --angle ne peuvent pas être utilisés avec --max-post-spacing</translation>
    </message>
    <message>
        <source>--max-post-spacing needs --post-width</source>
        <translation>--max-post-spacing exige --post-width</translation>
    </message>
    <message>
        <source>Run</source>
        <extracomment>The name of a run given by options without --name.</extracomment>
        <translation>Alignement</translation>
    </message>
    <message>
        <source>run %1 &quot;%2&quot;: %3</source>
        <translation>alignement %1 &quot;%2&quot;&#xa0;: %3</translation>
    </message>
    <message>
        <source>section %1 &quot;%2&quot;: %3</source>
        <translation>travée %1 &quot;%2&quot;&#xa0;: %3</translation>
    </message>
    <message>
        <source>The width of a post, with --between centres or --max-post-spacing.</source>
        <translation>La largeur d’un poteau, avec --between centres ou --max-post-spacing.</translation>
    </message>
    <message>
        <source>A stair given by its N treads instead of its length, with --rise and --run of one step (the run from riser face to riser face).</source>
        <translation>Un escalier donné par ses N marches au lieu de sa longueur, avec --rise et --run d’une marche (le giron, d’une face de contremarche à l’autre).</translation>
    </message>
    <message>
        <source>Railpins on each tread: auto or 1 to 10 (default auto: the fewest within the gap).</source>
        <translation>Barreaux sur chaque marche&#xa0;: auto ou de 1 à 10 (par défaut auto&#xa0;: le plus petit nombre qui respecte l’écart).</translation>
    </message>
    <message>
        <source>The least railpins per tread, 1 to 4 (default 2).</source>
        <translation>Le minimum de barreaux par marche, de 1 à 4 (par défaut 2).</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>The first railpin&apos;s centre from the riser face (default: half a railpin width).</source>
        <translation>L’axe du premier barreau depuis la face de la contremarche (par défaut&#xa0;: une demi-largeur de barreau).</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Newels in place of the bottom tread&apos;s front railpin, the top tread&apos;s back one, or both: none, bottom, top or both (default none).</source>
        <translation>Poteaux d’escalier à la place du barreau avant de la marche du bas, du barreau arrière de la marche du haut, ou des deux&#xa0;: none, bottom, top ou both (par défaut none).</translation>
    </message>
    <message>
        <source>NEWELS</source>
        <translation>OÙ</translation>
    </message>
    <message>
        <source>How far a tread&apos;s nosing stands out past its riser (default 0).</source>
        <translation>De combien le nez d’une marche dépasse sa contremarche (par défaut 0).</translation>
    </message>
    <message>
        <source>Plumb from the nosing line to the rail&apos;s top: gives each railpin&apos;s length.</source>
        <translation>D’aplomb, de la ligne des nez de marche au dessus de la lisse&#xa0;: donne la longueur de chaque barreau.</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>The rail&apos;s depth square to its slope (default 0).</source>
        <translation>L’épaisseur de la lisse, mesurée perpendiculairement à sa pente (par défaut 0).</translation>
    </message>
    <message>
        <source>The depth of the holes the railpins enter, top and bottom together (default 0).</source>
        <translation>La profondeur des trous où entrent les barreaux, haut et bas ensemble (par défaut 0).</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Plumb from the nosing line to the bottom rail&apos;s lower edge: checks the opening under it.</source>
        <translation>D’aplomb, de la ligne des nez de marche au bord inférieur de la lisse basse&#xa0;: vérifie l’ouverture en dessous.</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>The sphere that must not pass under a stair&apos;s bottom rail (default 6 in or 152 mm).</source>
        <translation>La sphère qui ne doit pas passer sous la lisse basse d’un escalier (par défaut 6 po ou 152 mm).</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Lays out a run: --length from its start to its end is split into the fewest equal bays with posts at most S apart, centre to centre.</source>
        <translation>Trace un alignement&#xa0;: sa --length, de son début à sa fin, est divisée en un minimum de travées égales avec des poteaux espacés d’au plus S, d’axe en axe.</translation>
    </message>
    <message>
        <source>What the run starts at: a post&apos;s centre (post) or a wall (wall) (default post).</source>
        <translation>Où commence l’alignement&#xa0;: à l’axe d’un poteau (post) ou à un mur (wall) (par défaut post).</translation>
    </message>
    <message>
        <source>END</source>
        <translation>EXTRÉMITÉ</translation>
    </message>
    <message>
        <source>What the run ends at: a post&apos;s centre (post) or a wall (wall) (default post).</source>
        <translation>Où finit l’alignement&#xa0;: à l’axe d’un poteau (post) ou à un mur (wall) (par défaut post).</translation>
    </message>
    <message>
        <source>--csv-decimal is used with --csv</source>
        <translation>--csv-decimal s’utilise avec --csv</translation>
    </message>
    <message>
        <source>--csv-decimal &quot;%1&quot; is neither point nor comma</source>
        <translation>--csv-decimal &quot;%1&quot; n’est ni point ni comma</translation>
    </message>
    <message>
        <source>With --csv: decimals with a point (fields separated by &quot;,&quot;) or a comma (fields separated by &quot;;&quot;) (default: from the locale).</source>
        <translation>Avec --csv&#xa0;: décimales avec un point (champs séparés par &quot;,&quot;) ou une virgule (champs séparés par &quot;;&quot;) (par défaut&#xa0;: selon les paramètres régionaux).</translation>
    </message>
    <message>
        <source>point|comma</source>
        <translation>point|comma</translation>
    </message>
    <message>
        <source>--section is used with --template</source>
        <translation>--section s’utilise avec --template</translation>
    </message>
    <message>
        <source>--section &quot;%1&quot;: the job has no section of that name</source>
        <translation>--section &quot;%1&quot;&#xa0;: le chantier n’a aucune travée de ce nom</translation>
    </message>
    <message>
        <source>marks are from the post faces or the post centres</source>
        <translation>les repères se mesurent depuis les faces des poteaux (faces) ou depuis leurs axes (centres)</translation>
    </message>
    <message>
        <source>--marks-from is used with --between centres</source>
        <translation>--marks-from s’utilise avec --between centres</translation>
    </message>
    <message>
        <source>With --template: only the sections of this name; give it once for each section (default: every section).</source>
        <translation>Avec --template&#xa0;: seulement les travées de ce nom&#xa0;; à donner une fois pour chaque travée (par défaut&#xa0;: toutes les travées).</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>With --between centres: marks from the post faces or the post centres (default faces).</source>
        <translation>Avec --between centres&#xa0;: repères depuis les faces des poteaux (faces) ou depuis leurs axes (centres) (par défaut faces).</translation>
    </message>
    <message>
        <source>%1 is in neither %2 nor %3: the program is not installed whole</source>
        <translation>%1 n’est ni dans %2 ni dans %3&#xa0;: le programme n’est pas installé en entier</translation>
    </message>
    <message>
        <source>cannot load %1: %2</source>
        <translation>impossible de charger %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>EndsDelegate</name>
    <message>
        <source>A full gap between each post and the railpin next to it</source>
        <translation>Un écart complet entre chaque poteau et le barreau voisin</translation>
    </message>
    <message>
        <source>Half a gap between each post and the railpin next to it</source>
        <translation>Un demi-écart entre chaque poteau et le barreau voisin</translation>
    </message>
</context>
<context>
    <name>Increments</name>
    <message>
        <source>Quarter</source>
        <translation>Quart</translation>
    </message>
    <message>
        <source>Eighth</source>
        <translation>Huitième</translation>
    </message>
    <message>
        <source>Sixteenth</source>
        <translation>Seizième</translation>
    </message>
    <message>
        <source>Thirty Second</source>
        <translation>Trente-deuxième</translation>
    </message>
</context>
<context>
    <name>JobSheet</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A measurement and its unit on the printed sheet (&quot;36 in&quot;); printed, so kept apart from the window&apos;s texts.</extracomment>
        <translation>%1&#xa0;%2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>On the printed sheet: a value, then another form of it or its unit in brackets (&quot;36 1/8 (36.125)&quot;, &quot;Railpin (mm)&quot;); printed, so kept apart from the window&apos;s texts.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>in millimetres, exact in brackets</source>
        <translation>en millimètres, valeur exacte entre parenthèses</translation>
    </message>
    <message>
        <source>in inches, exact in brackets</source>
        <translation>en pouces, valeur exacte entre parenthèses</translation>
    </message>
    <message>
        <source>Unnamed section</source>
        <extracomment>A section without a name, as the printed job sheet heads it.</extracomment>
        <translation>Travée sans nom</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Problem: %1</source>
        <translation>Problème&#xa0;: %1</translation>
    </message>
    <message>
        <source>This section is not laid out until the problem is mended.</source>
        <translation>Cette travée ne sera pas tracée tant que le problème ne sera pas corrigé.</translation>
    </message>
    <message>
        <source>%1 — %2, continued</source>
        <translation>%1 — %2 (suite)</translation>
    </message>
    <message>
        <source>Marks along the rail, from the left post, %1:</source>
        <translation>Repères le long de la lisse, depuis le poteau gauche, %1&#xa0;:</translation>
    </message>
    <message>
        <source>Horizontal marks, from the left post, %1:</source>
        <translation>Repères à l’horizontale, depuis le poteau gauche, %1&#xa0;:</translation>
    </message>
    <message>
        <source>Marks from the left post, %1:</source>
        <translation>Repères depuis le poteau gauche, %1&#xa0;:</translation>
    </message>
    <message>
        <source>Length along the rail: %1</source>
        <translation>Longueur le long de la lisse&#xa0;: %1</translation>
    </message>
    <message>
        <source> (%1°)</source>
        <translation> (%1°)</translation>
    </message>
    <message>
        <source>Slope: rise %1, run %2%3</source>
        <translation>Pente&#xa0;: hauteur de marche %1, giron %2%3</translation>
    </message>
    <message>
        <source>Slope: %1°</source>
        <translation>Pente&#xa0;: %1°</translation>
    </message>
    <message>
        <source>Horizontal run: %1 (%2)</source>
        <translation>Longueur à l’horizontale&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>Length: %1</source>
        <translation>Longueur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Ends: half a gap at each post</source>
        <translation>Extrémités&#xa0;: un demi-écart contre chaque poteau</translation>
    </message>
    <message>
        <source>Ends: a full gap at each post</source>
        <translation>Extrémités&#xa0;: un écart complet contre chaque poteau</translation>
    </message>
    <message>
        <source>Railpins: %1 (as given)</source>
        <translation>Barreaux&#xa0;: %1 (nombre indiqué)</translation>
    </message>
    <message>
        <source>Railpins: %1 (the fewest within the maximum gap)</source>
        <translation>Barreaux&#xa0;: %1 (le plus petit nombre qui respecte l’écart maximal)</translation>
    </message>
    <message>
        <source>Gap, measured level: %1</source>
        <translation>Écart, mesuré à l’horizontale&#xa0;: %1</translation>
    </message>
    <message>
        <source>Gap: %1</source>
        <translation>Écart&#xa0;: %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <extracomment>A warning line printed below a section on the job sheet.</extracomment>
        <translation>Avertissement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>%1: %2 railpins</source>
        <translation>%1&#xa0;: %2 barreaux</translation>
    </message>
    <message>
        <source>%1: not laid out (see its problem)</source>
        <translation>%1&#xa0;: non tracée (voir son problème)</translation>
    </message>
    <message>
        <source>the sheet could not be started</source>
        <translation>la feuille n’a pas pu être commencée</translation>
    </message>
    <message>
        <source>Untitled job</source>
        <extracomment>The name of a job without one, on the sheet, in the window title and in messages.</extracomment>
        <translation>Chantier sans titre</translation>
    </message>
    <message>
        <source>This job has no sections.</source>
        <extracomment>Printed on the job sheet in place of the sections.</extracomment>
        <translation>Ce chantier n’a aucune travée.</translation>
    </message>
    <message>
        <source>the sheet could not be finished</source>
        <translation>la feuille n’a pas pu être terminée</translation>
    </message>
    <message>
        <source>Railpins: 0 (no railpins needed)</source>
        <translation>Barreaux&#xa0;: 0 (aucun barreau nécessaire)</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulée</translation>
    </message>
    <message>
        <source>Railpins: %1 (the end gaps closest to the spacing)</source>
        <translation>Barreaux&#xa0;: %1 (les écarts d’extrémité les plus proches de l’espacement)</translation>
    </message>
    <message>
        <source>Railpins: %1 (the fewest within the design gap)</source>
        <translation>Barreaux&#xa0;: %1 (le plus petit nombre qui respecte l’écart visé)</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>Implantation&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1, continued</source>
        <translation>%1 (suite)</translation>
    </message>
    <message>
        <source>Clear span between post faces: %1</source>
        <translation>Portée libre entre les faces des poteaux&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 — run %2, continued</source>
        <translation>%1 — alignement %2 (suite)</translation>
    </message>
    <message>
        <source>%1 — run %2</source>
        <translation>%1 — alignement %2</translation>
    </message>
    <message>
        <source>Posts from the start of the run, %1:</source>
        <translation>Poteaux depuis le début de l’alignement, %1&#xa0;:</translation>
    </message>
    <message>
        <source>%1 (corner)</source>
        <extracomment>A run&apos;s first post, shared with the run before and counted there.</extracomment>
        <translation>%1 (angle)</translation>
    </message>
    <message>
        <source>Marks along the rail, from the left post face, %1:</source>
        <translation>Repères le long de la lisse, depuis la face du poteau gauche, %1&#xa0;:</translation>
    </message>
    <message>
        <source>Marks along the rail, from the left post centre, %1:</source>
        <translation>Repères le long de la lisse, depuis l’axe du poteau gauche, %1&#xa0;:</translation>
    </message>
    <message>
        <source>Horizontal marks, from the left post face, %1:</source>
        <translation>Repères à l’horizontale, depuis la face du poteau gauche, %1&#xa0;:</translation>
    </message>
    <message>
        <source>Horizontal marks, from the left post centre, %1:</source>
        <translation>Repères à l’horizontale, depuis l’axe du poteau gauche, %1&#xa0;:</translation>
    </message>
    <message>
        <source>Marks from the left post face, %1:</source>
        <translation>Repères depuis la face du poteau gauche, %1&#xa0;:</translation>
    </message>
    <message>
        <source>Marks from the left post centre, %1:</source>
        <translation>Repères depuis l’axe du poteau gauche, %1&#xa0;:</translation>
    </message>
</context>
<context>
    <name>JobWindows</name>
    <message>
        <source>Open Job</source>
        <translation>Ouvrir un chantier</translation>
    </message>
    <message>
        <source>Railpin jobs (*.railpin)</source>
        <translation>Fichiers de chantier (*.railpin)</translation>
    </message>
</context>
<context>
    <name>LayoutSheet</name>
    <message>
        <source>(too large for a fraction)</source>
        <translation>(trop grand pour une fraction)</translation>
    </message>
    <message>
        <source>Layout sheet</source>
        <translation>Feuille de traçage</translation>
    </message>
    <message>
        <source>Section length: %1</source>
        <translation>Longueur de la travée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Calculate to nearest: %1</source>
        <translation>Arrondir au plus proche&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 railpins; each centre measured from the left post, in inches:</source>
        <translation>%1 barreaux&#xa0;; chaque axe mesuré depuis le poteau gauche, en pouces&#xa0;:</translation>
    </message>
    <message>
        <source>%1 railpins; the first %2 and the last are listed, each centre measured from the left post, in inches:</source>
        <translation>%1 barreaux&#xa0;; les %2 premiers et le dernier sont indiqués, chaque axe mesuré depuis le poteau gauche, en pouces&#xa0;:</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Décimal</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Fraction</translation>
    </message>
    <message>
        <source>Layout sheet, continued</source>
        <translation>Feuille de traçage (suite)</translation>
    </message>
    <message>
        <source>Railpins %1 to %2 are not listed: the sheet stops at %3 railpins.</source>
        <translation>Les barreaux %1 à %2 ne sont pas indiqués&#xa0;: la feuille s’arrête à %3 barreaux.</translation>
    </message>
    <message>
        <source>From the centre of railpin %1 to the right post: %2 (%3)</source>
        <translation>De l’axe du barreau %1 au poteau droit&#xa0;: %2 (%3)</translation>
    </message>
    <message>
        <source>No layout sheet: the results shown are not those of the railpin count. Press +, - or Auto, then print again.</source>
        <translation>Pas de feuille de traçage&#xa0;: les résultats affichés ne correspondent pas au nombre de barreaux. Appuyez sur +, - ou Auto, puis imprimez de nouveau.</translation>
    </message>
</context>
<context>
    <name>MarkReference</name>
    <message>
        <source>from the left post face</source>
        <translation>depuis la face du poteau gauche</translation>
    </message>
    <message>
        <source>from the left post centre</source>
        <translation>depuis l’axe du poteau gauche</translation>
    </message>
    <message>
        <source>from the left post</source>
        <translation>depuis le poteau gauche</translation>
    </message>
    <message>
        <source>from the right post face</source>
        <translation>depuis la face du poteau droit</translation>
    </message>
    <message>
        <source>from the right post centre</source>
        <translation>depuis l’axe du poteau droit</translation>
    </message>
    <message>
        <source>from the right post</source>
        <translation>depuis le poteau droit</translation>
    </message>
</context>
<context>
    <name>Marks</name>
    <message>
        <source>Railpin</source>
        <translation>Barreau</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Bord gauche</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Axe</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Bord droit</translation>
    </message>
    <message>
        <source>Centre from right post</source>
        <translation>Axe au poteau droit</translation>
    </message>
    <message>
        <source>From mid-span</source>
        <translation>Depuis le milieu</translation>
    </message>
    <message>
        <source>Tread</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>On tread</source>
        <translation>Sur la marche</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>À l’horizontale</translation>
    </message>
    <message>
        <source>Along the rail</source>
        <translation>Le long de la lisse</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Cut length</source>
        <translation>Longueur de coupe</translation>
    </message>
    <message>
        <source>Post</source>
        <translation>Poteau</translation>
    </message>
    <message>
        <source>Left face</source>
        <translation>Face gauche</translation>
    </message>
    <message>
        <source>Right face</source>
        <translation>Face droite</translation>
    </message>
    <message>
        <source>From right post face</source>
        <translation>Depuis face poteau droit</translation>
    </message>
    <message>
        <source>From right post centre</source>
        <translation>Depuis axe poteau droit</translation>
    </message>
</context>
<context>
    <name>MarksModel</name>
    <message>
        <source>Marks %1; centres also %2</source>
        <translation>Repères %1&#xa0;; axes aussi %2</translation>
    </message>
</context>
<context>
    <name>OrderListDialog</name>
    <message>
        <source>Order List</source>
        <translation>Liste de commande</translation>
    </message>
    <message>
        <source>&amp;Rails per section:</source>
        <translation>&amp;Lisses par travée&#xa0;:</translation>
    </message>
    <message>
        <source>Rows of rails in every section: 2 for a top and a bottom rail, 0 when the rails are not bought</source>
        <translation>Rangées de lisses dans chaque travée&#xa0;: 2 pour une lisse haute et une lisse basse, 0 si les lisses ne sont pas achetées</translation>
    </message>
    <message>
        <source>Rail &amp;stock lengths:</source>
        <translation>Longueurs &amp;commerciales des lisses&#xa0;:</translation>
    </message>
    <message>
        <source>The lengths rail boards are sold in, separated by commas (semicolons where the decimal separator is a comma)</source>
        <translation>Les longueurs dans lesquelles les planches de lisse sont vendues, séparées par des virgules (par des points-virgules là où le séparateur décimal est la virgule)</translation>
    </message>
    <message>
        <source>Saw &amp;kerf:</source>
        <translation>&amp;Trait de scie&#xa0;:</translation>
    </message>
    <message>
        <source>The width of the saw&apos;s cut, left between two pieces cut from one board</source>
        <translation>La largeur du trait de scie, perdue entre deux pièces coupées dans une même planche</translation>
    </message>
    <message>
        <source>Railpin &amp;cut length:</source>
        <translation>Longueur de coupe des &amp;barreaux&#xa0;:</translation>
    </message>
    <message>
        <source>The length of a railpin between the rails; empty: railpins are counted, not cut</source>
        <translation>La longueur d’un barreau entre les lisses&#xa0;; vide&#xa0;: les barreaux sont comptés, pas coupés</translation>
    </message>
    <message>
        <source>Railpin s&amp;tock lengths:</source>
        <translation>Longueurs co&amp;mmerciales des barreaux&#xa0;:</translation>
    </message>
    <message>
        <source>The lengths railpins are cut from; empty: railpins are bought at their cut length</source>
        <translation>Les longueurs dans lesquelles les barreaux sont coupés&#xa0;; vide&#xa0;: les barreaux sont achetés à leur longueur de coupe</translation>
    </message>
    <message>
        <source>Screws &amp;per railpin:</source>
        <translation>&amp;Vis par barreau&#xa0;:</translation>
    </message>
    <message>
        <source>Screws per rail &amp;end:</source>
        <translation>Vis par &amp;extrémité de lisse&#xa0;:</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>Length (%1)</source>
        <translation>Longueur (%1)</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>With extra</source>
        <translation>Avec surplus</translation>
    </message>
    <message>
        <source>Stock (%1)</source>
        <translation>Long. commerciale (%1)</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>À acheter</translation>
    </message>
    <message>
        <source>Rail board</source>
        <translation>Planche de lisse</translation>
    </message>
    <message>
        <source>Rail piece</source>
        <translation>Pièce de lisse</translation>
    </message>
    <message>
        <source>Railpin</source>
        <translation>Barreau</translation>
    </message>
    <message>
        <source>Post</source>
        <translation>Poteau</translation>
    </message>
    <message>
        <source>Screw</source>
        <translation>Vis</translation>
    </message>
    <message>
        <source>Posts: not counted — the job has no runs</source>
        <translation>Poteaux&#xa0;: non comptés — le chantier n’a aucun alignement</translation>
    </message>
</context>
<context>
    <name>OrderPage</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A length and its unit on the order page (&quot;144 in&quot;).</extracomment>
        <translation>%1&#xa0;%2</translation>
    </message>
    <message>
        <source>To order</source>
        <translation>À commander</translation>
    </message>
    <message>
        <source>%1, continued</source>
        <translation>%1 (suite)</translation>
    </message>
    <message>
        <source>No list: %1</source>
        <extracomment>The order page in place of the list, when a setting of the order list cannot be read.</extracomment>
        <translation>Pas de liste&#xa0;: %1</translation>
    </message>
    <message>
        <source>Rails</source>
        <translation>Lisses</translation>
    </message>
    <message>
        <source>%1 rows per section, stock %2, kerf %3</source>
        <translation>%1 rangées par travée, longueurs commerciales %2, trait de scie %3</translation>
    </message>
    <message>
        <source>Buy %1 × %2</source>
        <extracomment>Boards to buy: how many, then the stock length (&quot;3 × 144 in&quot;).</extracomment>
        <translation>Acheter %1 × %2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Planche</translation>
    </message>
    <message>
        <source>Cuts</source>
        <translation>Coupes</translation>
    </message>
    <message>
        <source>Offcut</source>
        <translation>Chute</translation>
    </message>
    <message>
        <source>Railpins</source>
        <translation>Barreaux</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>With extra</source>
        <translation>Avec surplus</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Long. comm.</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>À acheter</translation>
    </message>
    <message>
        <source>%1 packs of %2</source>
        <translation>%1 paquets de %2</translation>
    </message>
    <message>
        <source>%1 pieces of %2</source>
        <translation>%1 pièces de %2</translation>
    </message>
    <message>
        <source>Posts: %1</source>
        <translation>Poteaux&#xa0;: %1</translation>
    </message>
    <message>
        <source>Posts: not counted — the job has no runs</source>
        <translation>Poteaux&#xa0;: non comptés — le chantier n’a aucun alignement</translation>
    </message>
    <message>
        <source>Screws: %1, with %2 % extra %3</source>
        <translation>Vis&#xa0;: %1&#xa0;; avec %2&#xa0;% en plus, %3</translation>
    </message>
    <message>
        <source>Cannot be bought as planned</source>
        <translation>Impossible d’acheter comme prévu</translation>
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
        <translation>le PDF imprimé est sorti incomplet dans le dossier temporaire %1 (son disque est-il plein&#xa0;?)</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
</context>
<context>
    <name>RunTexts</name>
    <message>
        <source>%1 is missing</source>
        <translation>il manque %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A bay of a run: the run&apos;s name and the bay&apos;s number from the run&apos;s start (&quot;Front 2&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; must be more than 0</source>
        <translation>%1 &quot;%2&quot; doit dépasser 0</translation>
    </message>
    <message>
        <source>the job&apos;s %1</source>
        <translation>dans le chantier, %1</translation>
    </message>
    <message>
        <source>the first run cannot start at a corner: no run before it ends at that post</source>
        <translation>le premier alignement ne peut pas commencer à un angle&#xa0;: aucun alignement précédent ne finit à ce poteau</translation>
    </message>
    <message>
        <source>a run cannot start at a corner after a run that ends at a wall: no post stands there</source>
        <translation>un alignement ne peut pas commencer à un angle après un alignement qui finit à un mur&#xa0;: aucun poteau ne s’y trouve</translation>
    </message>
    <message>
        <source>a run ends at a post or a wall: only its start can be a corner</source>
        <translation>un alignement finit à un poteau ou à un mur&#xa0;: seul son début peut être un angle</translation>
    </message>
    <message>
        <source>a run of %1 with posts at most %2 apart needs %3 bays; a job holds at most %4 sections</source>
        <translation>un alignement de %1 avec des poteaux espacés d’au plus %2 exige %3 travées&#xa0;; un chantier contient au plus %4 travées</translation>
    </message>
    <message>
        <source>the maximum post spacing of %1 must be more than the post width of %2</source>
        <translation>l’espacement maximal des poteaux de %1 doit dépasser la largeur de poteau de %2</translation>
    </message>
    <message>
        <source>posts %1 wide leave no clear span in a run of %2</source>
        <translation>des poteaux de %1 de large ne laissent aucune portée libre dans un alignement de %2</translation>
    </message>
    <message>
        <source>Run %1</source>
        <extracomment>A run without a name, by its number in the job.</extracomment>
        <translation>Alignement %1</translation>
    </message>
    <message>
        <source>its %1 bays would make the job more than %2 sections</source>
        <translation>ses %1 travées porteraient le chantier à plus de %2 travées</translation>
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
        <translation>1 travée de %1</translation>
    </message>
    <message>
        <source>%1 bays of %2</source>
        <translation>%1 travées de %2</translation>
    </message>
    <message>
        <source>wall</source>
        <translation>mur</translation>
    </message>
    <message>
        <source>corner post centre</source>
        <translation>axe du poteau d’angle</translation>
    </message>
    <message>
        <source>post centre</source>
        <translation>axe du poteau</translation>
    </message>
    <message>
        <source>no posts</source>
        <translation>aucun poteau</translation>
    </message>
    <message>
        <source>1 post %1</source>
        <translation>1 poteau de %1</translation>
    </message>
    <message>
        <source>%1 posts %2</source>
        <translation>%1 poteaux de %2</translation>
    </message>
    <message>
        <source>clear span %1</source>
        <translation>portée libre %1</translation>
    </message>
    <message>
        <source>clear spans %1</source>
        <translation>portées libres %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>%1: %2 from %3 to %4, at most %5 on centre: %6, %7, %8</source>
        <extracomment>A run&apos;s post plan: name, length, its references, the maximum spacing, then its bays, posts and clear span.</extracomment>
        <translation>%1&#xa0;: %2 entre %3 et %4, au plus %5 d’axe en axe&#xa0;: %6, %7, %8</translation>
    </message>
    <message>
        <source>set by run %1</source>
        <translation>fixée par l’alignement %1</translation>
    </message>
    <message>
        <source>set by run %1: %2 on centre, at most %3</source>
        <extracomment>Why a bay&apos;s length cannot be typed: &quot;set by run Front: 3 bays of 5&apos; 9&quot; on centre, at most 6&apos;&quot;.</extracomment>
        <translation>fixée par l’alignement %1&#xa0;: %2 d’axe en axe, au plus %3</translation>
    </message>
    <message>
        <source>4x4 posts</source>
        <translation>poteaux 4x4</translation>
    </message>
    <message>
        <source>6x6 posts</source>
        <translation>poteaux 6x6</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>câble</translation>
    </message>
    <message>
        <source>%1 ft</source>
        <extracomment>A whole number of feet in a menu of post spacings (&quot;6 ft&quot;).</extracomment>
        <translation>%1 pi</translation>
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
        <translation>Mur</translation>
    </message>
    <message>
        <source>Corner</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Post</source>
        <translation>Poteau</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Alignement</translation>
    </message>
    <message>
        <source>Length (%1)</source>
        <translation>Longueur (%1)</translation>
    </message>
    <message>
        <source>Starts at</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Ends at</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Post spacing at most (%1)</source>
        <translation>Espacement max. poteaux (%1)</translation>
    </message>
    <message>
        <source>Bays</source>
        <translation>Travées</translation>
    </message>
    <message>
        <source>Posts</source>
        <translation>Poteaux</translation>
    </message>
    <message>
        <source>The job&apos;s maximum post spacing; type a spacing for this run alone</source>
        <translation>L’espacement maximal des poteaux du chantier&#xa0;; tapez un espacement propre à cet alignement</translation>
    </message>
    <message>
        <source>Rename Run</source>
        <translation>Renommer l’alignement</translation>
    </message>
    <message>
        <source>Change Run Length</source>
        <translation>Modifier la longueur de l’alignement</translation>
    </message>
    <message>
        <source>Change Run Start</source>
        <translation>Modifier le début de l’alignement</translation>
    </message>
    <message>
        <source>Change Run End</source>
        <translation>Modifier la fin de l’alignement</translation>
    </message>
    <message>
        <source>Change Run&apos;s Post Spacing</source>
        <translation>Modifier l’espacement des poteaux de l’alignement</translation>
    </message>
</context>
<context>
    <name>SectionDrawing</name>
    <message>
        <source>%1 %2</source>
        <extracomment>The gap dimension and its unit written on the drawing (&quot;4 in&quot;); short, for the narrow space between two railpins.</extracomment>
        <translation>%1&#xa0;%2</translation>
    </message>
    <message>
        <source>Scale 1:%1</source>
        <translation>Échelle 1:%1</translation>
    </message>
    <message>
        <source>The area is too small for a drawing of this section.</source>
        <translation>La place est trop petite pour dessiner cette travée.</translation>
    </message>
    <message>
        <source>%1, part %2 of %3</source>
        <translation>%1, partie %2 sur %3</translation>
    </message>
</context>
<context>
    <name>SectionDrawingView</name>
    <message>
        <source>Choose a section to see its drawing.</source>
        <translation>Choisissez une travée pour en voir le dessin.</translation>
    </message>
    <message>
        <source>Profile of %1</source>
        <translation>Profil de %1</translation>
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
        <translation>Écart complet</translation>
    </message>
    <message>
        <source>Half gap</source>
        <translation>Demi-écart</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>De niveau</translation>
    </message>
    <message>
        <source>The job&apos;s railpin width; type a width for this section alone</source>
        <translation>La largeur de barreau du chantier&#xa0;; tapez une largeur propre à cette travée</translation>
    </message>
    <message>
        <source>The job&apos;s maximum gap; type a maximum for this section alone</source>
        <translation>L’écart maximal du chantier&#xa0;; tapez un maximum propre à cette travée</translation>
    </message>
    <message>
        <source>The fewest railpins whose gap is within the maximum; type a count to fix it</source>
        <translation>Le plus petit nombre de barreaux dont l’écart respecte le maximum&#xa0;; tapez un nombre pour le fixer</translation>
    </message>
    <message>
        <source>Empty for a level section; rise : run (7 : 11) or an angle (35°) for a stair</source>
        <translation>Vide pour une travée de niveau&#xa0;; hauteur de marche : giron (7 : 11) ou un angle (35°) pour un escalier</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Length (%1)</source>
        <translation>Longueur (%1)</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Extrémités</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Pente</translation>
    </message>
    <message>
        <source>Width (%1)</source>
        <translation>Largeur (%1)</translation>
    </message>
    <message>
        <source>Maximum gap (%1)</source>
        <translation>Écart maximal (%1)</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nb de barreaux</translation>
    </message>
    <message>
        <source>Gap (%1)</source>
        <translation>Écart (%1)</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Modifier &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 (auto)</source>
        <translation>%1 (auto)</translation>
    </message>
    <message>
        <source>The job&apos;s maximum gap on stairs; type a maximum for this section alone</source>
        <translation>L’écart maximal du chantier en escalier&#xa0;; tapez un maximum propre à cette travée</translation>
    </message>
    <message>
        <source>No railpins needed: the whole length is within the maximum gap; type a count to fix it</source>
        <translation>Aucun barreau nécessaire&#xa0;: toute la longueur respecte l’écart maximal&#xa0;; tapez un nombre pour le fixer</translation>
    </message>
    <message>
        <source>A fixed count; Edit &gt; Automatic Count gives the fewest railpins within the maximum again</source>
        <translation>Un nombre fixé&#xa0;; Édition &gt; Nombre automatique redonne le plus petit nombre de barreaux qui respecte le maximum</translation>
    </message>
    <message>
        <source>Same on every section</source>
        <translation>Identique sur chaque travée</translation>
    </message>
    <message>
        <source>Equal gaps</source>
        <translation>Écarts égaux</translation>
    </message>
    <message>
        <source>A railpin</source>
        <translation>Un barreau</translation>
    </message>
    <message>
        <source>A gap</source>
        <translation>Un écart</translation>
    </message>
    <message>
        <source>Either</source>
        <translation>Indifférent</translation>
    </message>
    <message>
        <source>Post centres</source>
        <translation>Axes des poteaux</translation>
    </message>
    <message>
        <source>Post faces</source>
        <translation>Faces des poteaux</translation>
    </message>
    <message>
        <source>The count whose end gaps come closest to the spacing; type a count to fix it</source>
        <translation>Le nombre dont les écarts d’extrémité sont les plus proches de l’espacement&#xa0;; tapez un nombre pour le fixer</translation>
    </message>
    <message>
        <source>Along the rail, from post to post</source>
        <translation>Le long de la lisse, d’un poteau à l’autre</translation>
    </message>
    <message>
        <source>The job&apos;s value; choose or type one for this section alone</source>
        <translation>La valeur du chantier&#xa0;; choisissez-en ou tapez-en une propre à cette travée</translation>
    </message>
    <message>
        <source>Design gap (%1)</source>
        <translation>Écart visé (%1)</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Espacement</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <source>Lengths between</source>
        <translation>Longueurs entre</translation>
    </message>
    <message>
        <source>%1 along the rail</source>
        <extracomment>A stair section&apos;s length in the sections table (&quot;62 1/4 along the rail&quot;); keep it short, the gap column must stay in view.</extracomment>
        <translation>%1 le long de la lisse</translation>
    </message>
    <message>
        <source>Bottom</source>
        <extracomment>Newels: a newel post on the bottom tread of a stair given by its treads.</extracomment>
        <translation>En bas</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>En haut</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Les deux</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Treads</source>
        <translation>Marches</translation>
    </message>
    <message>
        <source>Per tread</source>
        <translation>Par marche</translation>
    </message>
    <message>
        <source>First from riser (%1)</source>
        <translation>Premier depuis la contremarche (%1)</translation>
    </message>
    <message>
        <source>Newels</source>
        <translation>Poteaux d’escalier</translation>
    </message>
    <message>
        <source>Nosing (%1)</source>
        <translation>Nez de marche (%1)</translation>
    </message>
    <message>
        <source>Rail height (%1)</source>
        <translation>Hauteur de la lisse (%1)</translation>
    </message>
    <message>
        <source>Rail depth (%1)</source>
        <translation>Épaisseur de la lisse (%1)</translation>
    </message>
    <message>
        <source>Insert (%1)</source>
        <translation>Profondeur des trous (%1)</translation>
    </message>
    <message>
        <source>Bottom rail (%1)</source>
        <translation>Lisse basse (%1)</translation>
    </message>
    <message>
        <source>1 tread</source>
        <translation>1 marche</translation>
    </message>
    <message>
        <source>%1 treads</source>
        <translation>%1 marches</translation>
    </message>
    <message>
        <source>A stair given by its treads; empty the Treads cell to give its length instead</source>
        <translation>Un escalier donné par ses marches&#xa0;; videz la cellule Marches pour donner sa longueur</translation>
    </message>
    <message>
        <source>%1 %3 level, %2 %3 along the rail, from the first riser face to the last</source>
        <extracomment>The tooltip of a stair given by its treads in the Length cell.</extracomment>
        <translation>%1 %3 à l’horizontale, %2 %3 le long de la lisse, de la première face de contremarche à la dernière</translation>
    </message>
    <message>
        <source>A stair&apos;s value: give the section a slope first</source>
        <translation>Une valeur d’escalier&#xa0;: donnez d’abord une pente à la section</translation>
    </message>
    <message>
        <source>How many treads the stair has, 1 to %1; empty for a stair given by its length</source>
        <translation>Combien de marches a l’escalier, de 1 à %1&#xa0;; vide pour un escalier donné par sa longueur</translation>
    </message>
    <message>
        <source>The fewest railpins per tread within the maximum gap; type 1 to %1 to fix it</source>
        <translation>Le moins de barreaux par marche dans l’écart maximal&#xa0;; tapez 1 à %1 pour le fixer</translation>
    </message>
    <message>
        <source>Half a railpin width from the riser face; type a distance to set it</source>
        <translation>Une demi-largeur de barreau depuis la face de la contremarche&#xa0;; tapez une distance pour la fixer</translation>
    </message>
    <message>
        <source>%1 is for a stair: give the section a slope (rise : run) first</source>
        <translation>%1 est pour un escalier&#xa0;: donnez d’abord une pente à la section (hauteur&#xa0;: giron)</translation>
    </message>
    <message>
        <source>Treads &quot;%1&quot; is not a whole number from 1 to %2; leave it empty for a stair given by its length</source>
        <translation>Marches &quot;%1&quot; n’est pas un nombre entier de 1 à %2&#xa0;; laissez vide pour un escalier donné par sa longueur</translation>
    </message>
    <message>
        <source>auto</source>
        <translation>auto</translation>
    </message>
    <message>
        <source>Per tread &quot;%1&quot; is not a whole number from 1 to %2; leave it empty for the fewest within the maximum gap</source>
        <translation>Par marche &quot;%1&quot; n’est pas un nombre entier de 1 à %2&#xa0;; laissez vide pour le moins possible dans l’écart maximal</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Railpin width: %1</source>
        <translation>Largeur du barreau&#xa0;: %1</translation>
    </message>
    <message>
        <source>Maximum gap: %1</source>
        <translation>Écart maximal&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SheetPages</name>
    <message>
        <source>page %1 could not be started</source>
        <translation>la page %1 n’a pas pu être commencée</translation>
    </message>
    <message>
        <source>%1 — page %2</source>
        <translation>%1 — page %2</translation>
    </message>
</context>
<context>
    <name>SheetProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Job Sheet</source>
        <translation>Feuille du chantier</translation>
    </message>
    <message>
        <source>Painting section %1 of %2…</source>
        <translation>Dessin de la travée %1 sur %2…</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Gabarit</translation>
    </message>
    <message>
        <source>Painting page %1 of %2…</source>
        <translation>Dessin de la page %1 sur %2…</translation>
    </message>
</context>
<context>
    <name>TemplateSheet</name>
    <message>
        <source>Unnamed section</source>
        <extracomment>A section without a name on the full-size template; printed apart from the job sheet.</extracomment>
        <translation>Travée sans nom</translation>
    </message>
    <message>
        <source>left post</source>
        <translation>poteau gauche</translation>
    </message>
    <message>
        <source>right post</source>
        <translation>poteau droit</translation>
    </message>
    <message>
        <source>%1 from left</source>
        <translation>%1 depuis la gauche</translation>
    </message>
    <message>
        <source>%1 from right</source>
        <translation>%1 depuis la droite</translation>
    </message>
    <message>
        <source>inches from the left post</source>
        <translation>pouces depuis le poteau gauche</translation>
    </message>
    <message>
        <source>This bar must measure exactly 6 in. Print at actual size (100 %), not fit to page.</source>
        <translation>Cette barre doit mesurer exactement 6&#xa0;po. Imprimez en taille réelle (100&#xa0;%), sans ajuster à la page.</translation>
    </message>
    <message>
        <source>This bar must measure exactly 150 mm. Print at actual size (100 %), not fit to page.</source>
        <translation>Cette barre doit mesurer exactement 150&#xa0;mm. Imprimez en taille réelle (100&#xa0;%), sans ajuster à la page.</translation>
    </message>
    <message>
        <source>Untitled job</source>
        <extracomment>The name of a job without one, in the heading of the full-size template.</extracomment>
        <translation>Chantier sans titre</translation>
    </message>
    <message>
        <source>Full-size template: %1</source>
        <translation>Gabarit grandeur nature&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 — %2 — page %3 of %4</source>
        <translation>%1 — %2 — page %3 sur %4</translation>
    </message>
    <message>
        <source>the template would need more than %1 pages</source>
        <translation>le gabarit exigerait plus de %1 pages</translation>
    </message>
    <message>
        <source>the template could not be started</source>
        <translation>le gabarit n’a pas pu être commencé</translation>
    </message>
    <message>
        <source>page %1 of the template could not be started</source>
        <translation>la page %1 du gabarit n’a pas pu être commencée</translation>
    </message>
    <message>
        <source>This job has no section to lay out.</source>
        <translation>Ce chantier n’a aucune travée à tracer.</translation>
    </message>
    <message>
        <source>the template could not be finished</source>
        <translation>le gabarit n’a pas pu être terminé</translation>
    </message>
    <message>
        <source>the template would need more than %1 pages, the limit</source>
        <translation>le gabarit exigerait plus de %1 pages, la limite</translation>
    </message>
    <message>
        <source>riser face</source>
        <translation>face de la contremarche</translation>
    </message>
    <message>
        <source>nosing</source>
        <translation>nez de marche</translation>
    </message>
    <message>
        <source>next riser</source>
        <translation>contremarche suivante</translation>
    </message>
    <message>
        <source>%1 from the riser</source>
        <translation>%1 depuis la contremarche</translation>
    </message>
    <message>
        <source>%1 from the next riser</source>
        <translation>%1 depuis la contremarche suivante</translation>
    </message>
    <message>
        <source>inches from the riser face</source>
        <translation>pouces depuis la face de la contremarche</translation>
    </message>
    <message>
        <source>Full-size template of one tread: %1 — lay against the riser face of every tread</source>
        <translation>Gabarit grandeur nature d’une marche&#xa0;: %1 — à appuyer contre la face de la contremarche de chaque marche</translation>
    </message>
    <message>
        <source>left post face</source>
        <translation>face du poteau gauche</translation>
    </message>
    <message>
        <source>right post face</source>
        <translation>face du poteau droit</translation>
    </message>
    <message>
        <source>%1 from left face</source>
        <translation>%1 depuis la face gauche</translation>
    </message>
    <message>
        <source>%1 from right face</source>
        <translation>%1 depuis la face droite</translation>
    </message>
    <message>
        <source>%1 from left centre</source>
        <translation>%1 depuis l’axe gauche</translation>
    </message>
    <message>
        <source>%1 from right centre</source>
        <translation>%1 depuis l’axe droit</translation>
    </message>
    <message>
        <source>millimetres from the riser face</source>
        <translation>millimètres depuis la face de la contremarche</translation>
    </message>
    <message>
        <source>inches along the rail from the left post face</source>
        <translation>pouces le long de la lisse depuis la face du poteau gauche</translation>
    </message>
    <message>
        <source>millimetres along the rail from the left post face</source>
        <translation>millimètres le long de la lisse depuis la face du poteau gauche</translation>
    </message>
    <message>
        <source>inches along the rail from the left post</source>
        <translation>pouces le long de la lisse depuis le poteau gauche</translation>
    </message>
    <message>
        <source>millimetres along the rail from the left post</source>
        <translation>millimètres le long de la lisse depuis le poteau gauche</translation>
    </message>
    <message>
        <source>inches from the left post face</source>
        <translation>pouces depuis la face du poteau gauche</translation>
    </message>
    <message>
        <source>millimetres from the left post face</source>
        <translation>millimètres depuis la face du poteau gauche</translation>
    </message>
    <message>
        <source>millimetres from the left post</source>
        <translation>millimètres depuis le poteau gauche</translation>
    </message>
    <message>
        <source>Full-size template along the rail: %1 — slope %2°</source>
        <translation>Gabarit grandeur nature le long de la lisse&#xa0;: %1 — pente %2°</translation>
    </message>
    <message>
        <source>Trim along this dashed line, lay it on the dashed line of page %1, tape</source>
        <translation>Coupez sur ce pointillé, posez-le sur celui de la page %1, fixez au ruban</translation>
    </message>
    <message>
        <source>Page %1 is laid here: its trimmed edge on this dashed line</source>
        <translation>Ici se pose la page %1&#xa0;: son bord coupé sur ce pointillé</translation>
    </message>
    <message>
        <source>Trim along this line and butt it against the post face</source>
        <translation>Coupez sur cette ligne et appuyez-la contre la face du poteau</translation>
    </message>
    <message>
        <source>Trim along this line and lay it on the front edge of the tread</source>
        <translation>Coupez sur cette ligne et posez-la sur le bord avant de la marche</translation>
    </message>
    <message>
        <source>Trim along this line and butt it against the riser</source>
        <translation>Coupez sur cette ligne et appuyez-la contre la contremarche</translation>
    </message>
    <message>
        <source>Trim along this line: it meets the right post face</source>
        <translation>Coupez sur cette ligne&#xa0;: elle rejoint la face du poteau droit</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
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
        <translation>un poteau de départ sur la marche du bas à la place de son barreau avant</translation>
    </message>
    <message>
        <source>a newel on the top tread in place of its back railpin</source>
        <translation>un poteau d’arrivée sur la marche du haut à la place de son barreau arrière</translation>
    </message>
    <message>
        <source>newels on the bottom and top treads in place of their end railpins</source>
        <translation>des poteaux d’escalier sur les marches du bas et du haut à la place de leurs barreaux d’extrémité</translation>
    </message>
    <message>
        <source>no newels on the treads</source>
        <translation>aucun poteau d’escalier sur les marches</translation>
    </message>
    <message>
        <source>Treads: %1; one step: rise %2, run %3 (riser face to riser face)</source>
        <translation>Marches&#xa0;: %1&#xa0;; une marche&#xa0;: hauteur %2, giron %3 (d’une face de contremarche à l’autre)</translation>
    </message>
    <message>
        <source>First railpin from the riser face: %1</source>
        <translation>Premier barreau depuis la face de la contremarche&#xa0;: %1</translation>
    </message>
    <message>
        <source>Newels: %1</source>
        <translation>Poteaux d’escalier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Rail: %1 plumb above the nosing line, %2 deep; nosing %3; holes %4 deep</source>
        <translation>Lisse&#xa0;: %1 d’aplomb au-dessus de la ligne des nez de marche, %2 d’épaisseur&#xa0;; saillie du nez de marche %3&#xa0;; trous de %4 de profondeur</translation>
    </message>
    <message>
        <source>Railpins: %1</source>
        <translation>Barreaux&#xa0;: %1</translation>
    </message>
    <message>
        <source>On every tread, from the riser face: %1</source>
        <translation>Sur chaque marche, depuis la face de la contremarche&#xa0;: %1</translation>
    </message>
    <message>
        <source>Count: %1</source>
        <translation>Nombre&#xa0;: %1</translation>
    </message>
    <message>
        <source>Lengths: %1</source>
        <translation>Longueurs&#xa0;: %1</translation>
    </message>
    <message>
        <source>Under the bottom rail: %1</source>
        <translation>Sous la lisse basse&#xa0;: %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Avertissement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Lengths to cut, the same on every tread, exact in brackets: %1</source>
        <translation>Coupes, identiques à chaque marche, exactes entre parenthèses&#xa0;: %1</translation>
    </message>
    <message>
        <source>Position from the riser face</source>
        <translation>Position depuis la contremarche</translation>
    </message>
    <message>
        <source>Centre length</source>
        <translation>Longueur à l’axe</translation>
    </message>
    <message>
        <source>Cut length</source>
        <translation>Longueur de coupe</translation>
    </message>
    <message>
        <source>How many</source>
        <translation>Combien</translation>
    </message>
    <message>
        <source>Marks by the tread, level from the first riser face and along the rail:</source>
        <translation>Repères par marche, à l’horizontale depuis la face de la première contremarche et le long de la lisse&#xa0;:</translation>
    </message>
</context>
<context>
    <name>cell_text</name>
    <message>
        <source>Slope &quot;%1&quot; is neither an angle in degrees nor rise : run, such as 7 : 11</source>
        <translation>La pente &quot;%1&quot; n’est ni un angle en degrés ni hauteur de marche : giron, comme 7 : 11</translation>
    </message>
    <message>
        <source>Count &quot;%1&quot; is not a whole number of railpins; leave it empty for the fewest railpins within the maximum gap</source>
        <translation>Le nombre de barreaux &quot;%1&quot; n’est pas un entier&#xa0;; laissez-le vide pour le plus petit nombre qui respecte l’écart maximal</translation>
    </message>
    <message>
        <source>Count &quot;%1&quot; is more than %2, the most a job file can hold</source>
        <translation>Le nombre de barreaux &quot;%1&quot; dépasse %2, le maximum qu’un fichier de chantier peut contenir</translation>
    </message>
</context>
<context>
    <name>display_check</name>
    <message>
        <source>railpin: no display found (%1). To write a layout sheet without a display, use: railpin --pdf OUT.pdf --length L --width W --max-gap G</source>
        <translation>railpin&#xa0;: aucun affichage trouvé (%1). Pour écrire une feuille de traçage sans affichage, utilisez&#xa0;: railpin --pdf OUT.pdf --length L --width W --max-gap G</translation>
    </message>
    <message>
        <source>WAYLAND_DISPLAY is not set</source>
        <translation>WAYLAND_DISPLAY n’est pas définie</translation>
    </message>
    <message>
        <source>the display %1 does not answer</source>
        <translation>l’affichage %1 ne répond pas</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY n’est pas définie</translation>
    </message>
</context>
<context>
    <name>exports</name>
    <message>
        <source>Unnamed section</source>
        <extracomment>A section without a name in exported drawings, which other programs read; the sheets have their own.</extracomment>
        <translation>Travée sans nom</translation>
    </message>
    <message>
        <source>%1, marks %2</source>
        <translation>%1, repères %2</translation>
    </message>
</context>
<context>
    <name>file_writer</name>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the file is larger than this disk or the system allows</source>
        <translation>le fichier est plus grand que ce que permettent ce disque ou le système</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>le dossier n’existe pas</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>une partie du chemin n’est pas un dossier</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>le nom est trop long</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>le disque a signalé une erreur d’entrée-sortie</translation>
    </message>
    <message>
        <source>the system gave no reason</source>
        <translation>le système n’a donné aucune raison</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, a FIFO or a socket)</source>
        <translation>ce n’est pas un fichier ordinaire (c’est un périphérique, une FIFO ou un socket)</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>aucun nom de fichier n’a été donné</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>impossible d’écrire &quot;%1&quot;&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link owned by another user in a shared folder, which could point at any file; remove it or choose another name</source>
        <translation>&quot;%1&quot; est un lien appartenant à un autre utilisateur dans un dossier partagé, qui pourrait pointer vers n’importe quel fichier&#xa0;; supprimez-le ou choisissez un autre nom</translation>
    </message>
    <message>
        <source>it was closed before the program started</source>
        <translation>elle a été fermée avant le démarrage du programme</translation>
    </message>
</context>
<context>
    <name>file_writer::FileSink</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossible d’écrire sur la sortie standard&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Railpin Calculator</source>
        <translation>À propos du Calculateur de barreaux</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Notice: this calculator and its documentation are protected by copyright law and by international treaties.  Copying, selling or passing on this program, in whole or in part, without the written consent of its authors is not permitted and may lead to claims for damages, or prosecution.</source>
        <translation>Avertissement&#xa0;: ce calculateur et sa documentation sont protégés par le droit d’auteur et par les traités internationaux.  Toute copie, vente ou cession de ce programme, en tout ou en partie, sans l’accord écrit de ses auteurs est interdite et peut donner lieu à des demandes de dommages et intérêts ou à des poursuites pénales.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>frmJob</name>
    <message>
        <source>Job &amp;name:</source>
        <translation>&amp;Nom du chantier&#xa0;:</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Nom du chantier</translation>
    </message>
    <message>
        <source>The job&apos;s name, shown in the title and on the sheet</source>
        <translation>Le nom du chantier, affiché dans le titre et sur la feuille</translation>
    </message>
    <message>
        <source>Untitled job</source>
        <translation>Chantier sans titre</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Unité&#xa0;:</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Extra s&amp;tock:</source>
        <translation>&amp;Surplus&#xa0;:</translation>
    </message>
    <message>
        <source>Extra stock</source>
        <translation>Surplus</translation>
    </message>
    <message>
        <source>Railpins to order beyond the count, as a percentage</source>
        <translation>Barreaux à commander en plus du compte, en pourcentage</translation>
    </message>
    <message>
        <source>Railpins to order beyond those counted, for cutting and mistakes</source>
        <translation>Barreaux à commander en plus de ceux comptés, pour les coupes et les erreurs</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Railpin &amp;width:</source>
        <translation>&amp;Largeur du barreau&#xa0;:</translation>
    </message>
    <message>
        <source>Railpin width</source>
        <translation>Largeur du barreau</translation>
    </message>
    <message>
        <source>The width of one railpin, for every section without a width of its own</source>
        <translation>La largeur d’un barreau, pour toutes les travées qui n’en ont pas une propre</translation>
    </message>
    <message>
        <source>&amp;Maximum gap:</source>
        <translation>Écart &amp;maximal&#xa0;:</translation>
    </message>
    <message>
        <source>Maximum gap</source>
        <translation>Écart maximal</translation>
    </message>
    <message>
        <source>The largest gap allowed between railpins, for every section without a maximum of its own</source>
        <translation>Le plus grand écart permis entre barreaux, pour toutes les travées qui n’en ont pas un propre</translation>
    </message>
    <message>
        <source>Maximum gap presets</source>
        <translation>Valeurs usuelles de l’écart maximal</translation>
    </message>
    <message>
        <source>Usual limits of building codes for the maximum gap</source>
        <translation>Limites usuelles des codes du bâtiment pour l’écart maximal</translation>
    </message>
    <message>
        <source>Usual limits of building codes</source>
        <translation>Limites usuelles des codes du bâtiment</translation>
    </message>
    <message>
        <source>&amp;Presets</source>
        <translation>&amp;Valeurs usuelles</translation>
    </message>
    <message>
        <source>&amp;Increment:</source>
        <translation>&amp;Arrondi&#xa0;:</translation>
    </message>
    <message>
        <source>Increment</source>
        <translation>Arrondi</translation>
    </message>
    <message>
        <source>The fraction of an inch that marks are rounded to</source>
        <translation>La fraction de pouce à laquelle les repères sont arrondis</translation>
    </message>
    <message>
        <source>Millimetre mar&amp;k step:</source>
        <translation>Pas des &amp;repères en mm&#xa0;:</translation>
    </message>
    <message>
        <source>Millimetre mark step</source>
        <translation>Pas des repères en millimètres</translation>
    </message>
    <message>
        <source>What the marks of a metric job are rounded to</source>
        <translation>La valeur à laquelle les repères d’un chantier métrique sont arrondis</translation>
    </message>
    <message>
        <source>Se&amp;ctions:</source>
        <translation>&amp;Travées&#xa0;:</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Travées</translation>
    </message>
    <message>
        <source>One row per section of the railing; press F2 or type to edit a cell</source>
        <translation>Une ligne par travée du garde-corps&#xa0;; appuyez sur F2 ou tapez pour modifier une cellule</translation>
    </message>
    <message>
        <source>M&amp;arks of the selected section:</source>
        <translation>Repères &amp;de la travée sélectionnée&#xa0;:</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Repères</translation>
    </message>
    <message>
        <source>Where each railpin stands, measured from the left post and from the right post; Ctrl+C copies the selected cells</source>
        <translation>L’emplacement de chaque barreau, mesuré depuis le poteau gauche et depuis le poteau droit&#xa0;; Ctrl+C copie les cellules sélectionnées</translation>
    </message>
    <message>
        <source>Drawing to scale:</source>
        <translation>Dessin à l’échelle&#xa0;:</translation>
    </message>
    <message>
        <source>Drawing of the selected section</source>
        <translation>Dessin de la travée sélectionnée</translation>
    </message>
    <message>
        <source>Total railpins</source>
        <translation>Total de barreaux</translation>
    </message>
    <message>
        <source>To order</source>
        <translation>À commander</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>The job window&apos;s File menu; the calculator has its own, whose access keys must not clash with its other menus.</extracomment>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un chantier &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Start a new job</source>
        <translation>Commencer un nouveau chantier</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Open a job file</source>
        <translation>Ouvrir un fichier de chantier</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the job</source>
        <translation>Enregistrer le chantier</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>Save the job under a new name</source>
        <translation>Enregistrer le chantier sous un autre nom</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Print the job sheet</source>
        <translation>Imprimer la feuille du chantier</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>See the job sheet as it will print</source>
        <translation>Voir la feuille du chantier telle qu’elle sera imprimée</translation>
    </message>
    <message>
        <source>&amp;Export PDF…</source>
        <translation>E&amp;xporter en PDF…</translation>
    </message>
    <message>
        <source>Write the job sheet as a PDF file</source>
        <translation>Enregistrer la feuille du chantier en fichier PDF</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close this job window</source>
        <translation>Fermer cette fenêtre de chantier</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Add Section</source>
        <translation>A&amp;jouter une travée</translation>
    </message>
    <message>
        <source>Add a section after the selected one</source>
        <translation>Ajouter une travée après celle qui est sélectionnée</translation>
    </message>
    <message>
        <source>Add from &amp;Calculator</source>
        <translation>Ajouter depuis le &amp;calculateur</translation>
    </message>
    <message>
        <source>Add a section with the calculator&apos;s length, width, maximum gap and count</source>
        <translation>Ajouter une travée avec la longueur, la largeur, l’écart maximal et le nombre de barreaux du calculateur</translation>
    </message>
    <message>
        <source>&amp;Duplicate Section</source>
        <translation>&amp;Dupliquer la travée</translation>
    </message>
    <message>
        <source>Add a copy of the selected section after it</source>
        <translation>Ajouter une copie de la travée sélectionnée juste après elle</translation>
    </message>
    <message>
        <source>R&amp;emove Section</source>
        <translation>&amp;Supprimer la travée</translation>
    </message>
    <message>
        <source>Remove the selected section</source>
        <translation>Supprimer la travée sélectionnée</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move the selected section up</source>
        <translation>Monter la travée sélectionnée</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>D&amp;escendre</translation>
    </message>
    <message>
        <source>Move the selected section down</source>
        <translation>Descendre la travée sélectionnée</translation>
    </message>
    <message>
        <source>Convert to &amp;millimetres</source>
        <translation>Con&amp;vertir en millimètres</translation>
    </message>
    <message>
        <source>Convert every length of the job to the other unit</source>
        <translation>Convertir toutes les longueurs du chantier dans l’autre unité</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pouces</translation>
    </message>
    <message>
        <source>Millimetres</source>
        <translation>Millimètres</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1&#xa0;mm</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1&#xa0;mm</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <source>Convert to &amp;inches</source>
        <translation>Con&amp;vertir en pouces</translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>Rename Job</source>
        <translation>Renommer le chantier</translation>
    </message>
    <message>
        <source>Change Railpin Width</source>
        <translation>Modifier la largeur du barreau</translation>
    </message>
    <message>
        <source>Change Maximum Gap</source>
        <translation>Modifier l’écart maximal</translation>
    </message>
    <message>
        <source>Change Unit</source>
        <translation>Changer d’unité</translation>
    </message>
    <message>
        <source>Change Increment</source>
        <translation>Modifier l’arrondi</translation>
    </message>
    <message>
        <source>Change Mark Step</source>
        <translation>Modifier le pas des repères</translation>
    </message>
    <message>
        <source>Change Extra Stock</source>
        <translation>Modifier le surplus</translation>
    </message>
    <message>
        <source>the common metric rule</source>
        <translation>la règle métrique courante</translation>
    </message>
    <message>
        <source>%1 in rounded down, %2</source>
        <translation>%1&#xa0;po arrondi à l’inférieur, %2</translation>
    </message>
    <message>
        <source>100 mm, where that is the rule</source>
        <translation>100&#xa0;mm, là où c’est la règle</translation>
    </message>
    <message>
        <source>Add Section</source>
        <translation>Ajouter une travée</translation>
    </message>
    <message>
        <source>Add from Calculator</source>
        <translation>Ajouter depuis le calculateur</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <translation>%1 (copie)</translation>
    </message>
    <message>
        <source>Duplicate Section</source>
        <translation>Dupliquer la travée</translation>
    </message>
    <message>
        <source>Remove Section</source>
        <translation>Supprimer la travée</translation>
    </message>
    <message>
        <source>Move Section Up</source>
        <translation>Monter la travée</translation>
    </message>
    <message>
        <source>Move Section Down</source>
        <translation>Descendre la travée</translation>
    </message>
    <message>
        <source>Convert to Inches</source>
        <translation>Convertir en pouces</translation>
    </message>
    <message>
        <source>Convert to Millimetres</source>
        <translation>Convertir en millimètres</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>The job &quot;%1&quot; has changes that are not saved. Save them?</source>
        <translation>Le chantier &quot;%1&quot; contient des modifications non enregistrées. Voulez-vous les enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>The job %1 could not be opened.

%2</source>
        <translation>Le chantier %1 n’a pas pu être ouvert.

%2</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>No recent jobs</source>
        <translation>Aucun chantier récent</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Ouvrir un chantier récent</translation>
    </message>
    <message>
        <source>The job %1 no longer exists. It has been removed from the recent jobs.</source>
        <translation>Le chantier %1 n’existe plus. Il a été retiré des chantiers récents.</translation>
    </message>
    <message>
        <source>job</source>
        <translation>chantier</translation>
    </message>
    <message>
        <source>Save Job As</source>
        <translation>Enregistrer le chantier sous</translation>
    </message>
    <message>
        <source>Save Job</source>
        <translation>Enregistrer le chantier</translation>
    </message>
    <message>
        <source>The job could not be saved to %1.

%2</source>
        <translation>Le chantier n’a pas pu être enregistré dans %1.

%2</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Enregistré dans %1</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>The job sheet cannot be printed: %1.</source>
        <translation>La feuille du chantier ne peut pas être imprimée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The job sheet could not be printed.

%1</source>
        <translation>La feuille du chantier n’a pas pu être imprimée.

%1</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1.

%2</source>
        <translation>Le PDF n’a pas pu être écrit dans %1.

%2</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exporté dans %1</translation>
    </message>
    <message>
        <source>Maximum &amp;gap on stairs:</source>
        <translation>É&amp;cart max. escalier&#xa0;:</translation>
    </message>
    <message>
        <source>Maximum gap on stairs</source>
        <translation>Écart maximal en escalier</translation>
    </message>
    <message>
        <source>The largest gap allowed on stair sections without a maximum of their own; empty for the same as the maximum gap</source>
        <translation>Le plus grand écart permis dans les travées d’escalier qui n’en ont pas un propre&#xa0;; vide pour reprendre l’écart maximal</translation>
    </message>
    <message>
        <source>as level</source>
        <translation>comme de niveau</translation>
    </message>
    <message>
        <source>Export Mar&amp;ks (CSV)…</source>
        <translation>Exporter les re&amp;pères (CSV)…</translation>
    </message>
    <message>
        <source>Write every section&apos;s marks as comma-separated values for a spreadsheet</source>
        <translation>Enregistrer les repères de toutes les travées en valeurs séparées par des virgules pour un tableur</translation>
    </message>
    <message>
        <source>Export &amp;Drawing…</source>
        <translation>Exporter le &amp;dessin…</translation>
    </message>
    <message>
        <source>Write every section at full size as an SVG or DXF drawing</source>
        <translation>Enregistrer toutes les travées grandeur nature en dessin SVG ou DXF</translation>
    </message>
    <message>
        <source>Export &amp;Template…</source>
        <translation>Exporter le &amp;gabarit…</translation>
    </message>
    <message>
        <source>Write a full-size paper template of every section as a PDF file</source>
        <translation>Enregistrer un gabarit papier grandeur nature de toutes les travées en fichier PDF</translation>
    </message>
    <message>
        <source>Print Te&amp;mplate…</source>
        <translation>Imprimer le gabari&amp;t…</translation>
    </message>
    <message>
        <source>Print a full-size paper template of every section, at actual size</source>
        <translation>Imprimer un gabarit papier de toutes les travées, en taille réelle</translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation>&amp;Calculateur</translation>
    </message>
    <message>
        <source>Show the calculator window</source>
        <translation>Afficher la fenêtre du calculateur</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>Help menu of the job window; the access key is chosen among this menu&apos;s items only.</extracomment>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Au&amp;tomatic Count</source>
        <translation>Nombre au&amp;tomatique</translation>
    </message>
    <message>
        <source>Give the selected sections the fewest railpins within their maximum gap again</source>
        <translation>Redonner aux travées sélectionnées le plus petit nombre de barreaux qui respecte leur écart maximal</translation>
    </message>
    <message>
        <source>Change Maximum Gap on Stairs</source>
        <translation>Modifier l’écart maximal en escalier</translation>
    </message>
    <message>
        <source>guards</source>
        <translation>garde-corps</translation>
    </message>
    <message>
        <source>open side of stairs</source>
        <translation>côté ouvert des escaliers</translation>
    </message>
    <message>
        <source>sets the maximum gap on stairs</source>
        <translation>fixe l’écart maximal en escalier</translation>
    </message>
    <message>
        <source>sets the maximum gap</source>
        <translation>fixe l’écart maximal</translation>
    </message>
    <message>
        <source>&amp;%1  %2 %3 — %4 (%5)</source>
        <translation>&amp;%1  %2&#xa0;%3 — %4 (%5)</translation>
    </message>
    <message>
        <source>The section was not added: %1</source>
        <translation>La travée n’a pas été ajoutée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Automatic Count</source>
        <translation>Nombre automatique</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A length and its unit (&quot;3.2 mm&quot;) in the status message of Convert; its own context because the window may order the two differently from the sheet and the drawing.
----------
The triangle sphere field when empty: the usual sphere, with its unit (&quot;6 in&quot;).</extracomment>
        <translation>%1&#xa0;%2</translation>
    </message>
    <message>
        <source>1 length was rounded to the increment, by %1</source>
        <translation>1 longueur a été ajustée à l’arrondi, de %1</translation>
    </message>
    <message>
        <source>%1 lengths were rounded to the increment, by at most %2</source>
        <translation>%1 longueurs ont été ajustées à l’arrondi, de %2 au plus</translation>
    </message>
    <message>
        <source>Section %1 &quot;%2&quot; cannot be laid out: %3</source>
        <translation>La travée %1 &quot;%2&quot; ne peut pas être tracée&#xa0;: %3</translation>
    </message>
    <message>
        <source>This job has no sections.</source>
        <extracomment>Why an export of the job window made no file; the sheet prints its own.</extracomment>
        <translation>Ce chantier n’a aucune travée.</translation>
    </message>
    <message>
        <source>The file could not be written.

%1</source>
        <translation>Le fichier n’a pas pu être écrit.

%1</translation>
    </message>
    <message>
        <source>Export Marks (CSV)</source>
        <translation>Exporter les repères (CSV)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Drawing</source>
        <translation>Exporter le dessin</translation>
    </message>
    <message>
        <source>DXF drawings (*.dxf)</source>
        <translation>Dessins DXF (*.dxf)</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Dessins SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export Template</source>
        <translation>Exporter le gabarit</translation>
    </message>
    <message>
        <source>The template could not be made.

%1</source>
        <translation>Le gabarit n’a pas pu être créé.

%1</translation>
    </message>
    <message>
        <source>Print Template</source>
        <translation>Imprimer le gabarit</translation>
    </message>
    <message>
        <source>The template could not be printed.

%1</source>
        <translation>Le gabarit n’a pas pu être imprimé.

%1</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Ne pas enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>section %1 &quot;%2&quot;: %3</source>
        <translation>travée %1 &quot;%2&quot;&#xa0;: %3</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <extracomment>The status bar after opening a file with fields this program does not use; the sheet has its own printed warnings.</extracomment>
        <translation>Avertissement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Painting the job sheet…</source>
        <translation>Dessin de la feuille du chantier…</translation>
    </message>
    <message>
        <source>Printing cancelled: the print run was aborted.</source>
        <translation>Impression annulée&#xa0;: le travail d’impression a été interrompu.</translation>
    </message>
    <message>
        <source>Print Preview cancelled: the preview shows only part of the sheet.</source>
        <translation>Aperçu annulé&#xa0;: l’aperçu ne montre qu’une partie de la feuille.</translation>
    </message>
    <message>
        <source>Exporting the job sheet…</source>
        <translation>Exportation de la feuille du chantier…</translation>
    </message>
    <message>
        <source>Export cancelled: %1 was not written.</source>
        <translation>Exportation annulée&#xa0;: %1 n’a pas été écrit.</translation>
    </message>
    <message>
        <source>The unit of every length in this job; changing it offers to convert the lengths</source>
        <translation>L’unité de toutes les longueurs de ce chantier&#xa0;; la changer propose de convertir les longueurs</translation>
    </message>
    <message>
        <source>The unit of every length in this job. Changing it offers to convert the lengths, as Edit &gt; Convert does.</source>
        <translation>L’unité de toutes les longueurs de ce chantier. La changer propose de convertir les longueurs, comme le fait Édition &gt; Convertir.</translation>
    </message>
    <message>
        <source>Pack si&amp;ze:</source>
        <translation>Taille des &amp;paquets&#xa0;:</translation>
    </message>
    <message>
        <source>Pack size</source>
        <translation>Taille des paquets</translation>
    </message>
    <message>
        <source>Railpins in one pack, to count the whole packs to order; None when they are sold singly</source>
        <translation>Barreaux par paquet, pour compter les paquets entiers à commander&#xa0;; Aucun s’ils sont vendus à l’unité</translation>
    </message>
    <message>
        <source>Railpins in one pack: the totals then say how many whole packs to order</source>
        <translation>Barreaux par paquet&#xa0;: les totaux indiquent alors combien de paquets entiers commander</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Design gap, if an&amp;y:</source>
        <translation>Écart ob&amp;jectif&#xa0;:</translation>
    </message>
    <message>
        <source>Design gap</source>
        <translation>Écart visé</translation>
    </message>
    <message>
        <source>The gap aimed at, at most the maximum gap; empty to lay out to the maximum gap</source>
        <translation>L’écart visé, au plus l’écart maximal&#xa0;; vide pour tracer selon l’écart maximal</translation>
    </message>
    <message>
        <source>as the maximum</source>
        <translation>comme le maximum</translation>
    </message>
    <message>
        <source>Sp&amp;acing:</source>
        <translation>T&amp;ype d’espacement&#xa0;:</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Espacement</translation>
    </message>
    <message>
        <source>Equal gaps post to post, or the design gap between railpins on every section with equal end gaps</source>
        <translation>Des écarts égaux d’un poteau à l’autre, ou l’écart visé entre barreaux sur chaque travée avec des écarts d’extrémité égaux</translation>
    </message>
    <message>
        <source>&amp;Centre:</source>
        <translation>Cen&amp;trage&#xa0;:</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <source>What stands at the middle of each section: either, a railpin or a gap</source>
        <translation>Ce qui se trouve au milieu de chaque travée&#xa0;: indifférent, un barreau ou un écart</translation>
    </message>
    <message>
        <source>Lengths &amp;between:</source>
        <translation>L&amp;ongueurs entre&#xa0;:</translation>
    </message>
    <message>
        <source>Lengths measured between</source>
        <translation>Longueurs mesurées entre</translation>
    </message>
    <message>
        <source>Whether section lengths are between the posts&apos; faces or their centres</source>
        <translation>Si les longueurs des travées se mesurent entre les faces des poteaux ou entre leurs axes</translation>
    </message>
    <message>
        <source>Po&amp;st width:</source>
        <translation>Lar&amp;geur du poteau&#xa0;:</translation>
    </message>
    <message>
        <source>Post width</source>
        <translation>Largeur du poteau</translation>
    </message>
    <message>
        <source>The width of a post: lengths between post centres are less one post width</source>
        <translation>La largeur d’un poteau&#xa0;: les longueurs entre axes des poteaux sont diminuées d’une largeur de poteau</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Marks measured</source>
        <translation>Repères mesurés</translation>
    </message>
    <message>
        <source>A stair&apos;s marks along the rail or level; a level section&apos;s are level</source>
        <translation>Les repères d’un escalier, le long de la lisse ou à l’horizontale&#xa0;; ceux d’une travée de niveau sont à l’horizontale</translation>
    </message>
    <message>
        <source>A stair&apos;s marks along the rail, to mark on the rail, or level, to mark on the tread</source>
        <translation>Les repères d’un escalier, le long de la lisse, pour marquer sur la lisse, ou à l’horizontale, pour marquer sur la marche</translation>
    </message>
    <message>
        <source>along the rail</source>
        <translation>le long de la lisse</translation>
    </message>
    <message>
        <source>level</source>
        <translation>à l’horizontale</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Afficher %1</translation>
    </message>
    <message>
        <source>Change Design Gap</source>
        <translation>Modifier l’écart visé</translation>
    </message>
    <message>
        <source>Change Post Width</source>
        <translation>Modifier la largeur du poteau</translation>
    </message>
    <message>
        <source>Change Spacing</source>
        <translation>Modifier l’espacement</translation>
    </message>
    <message>
        <source>Change Centre</source>
        <translation>Modifier le milieu</translation>
    </message>
    <message>
        <source>Change Lengths Measured Between</source>
        <translation>Modifier la mesure des longueurs</translation>
    </message>
    <message>
        <source>Convert the lengths of this job to millimetres?</source>
        <translation>Convertir les longueurs de ce chantier en millimètres&#xa0;?</translation>
    </message>
    <message>
        <source>Convert the lengths of this job to inches?</source>
        <translation>Convertir les longueurs de ce chantier en pouces&#xa0;?</translation>
    </message>
    <message>
        <source>Keep Numbers reads the same numbers in the new unit.</source>
        <translation>Garder les nombres conserve les mêmes valeurs, lues dans la nouvelle unité.</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Convertir</translation>
    </message>
    <message>
        <source>&amp;Keep Numbers</source>
        <translation>&amp;Garder les nombres</translation>
    </message>
    <message>
        <source>Change Pack Size</source>
        <translation>Modifier la taille des paquets</translation>
    </message>
    <message>
        <source>Win&amp;dow</source>
        <translation>F&amp;enêtre</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Order &amp;List…</source>
        <translation>&amp;Liste de commande…</translation>
    </message>
    <message>
        <source>The boards, railpins, posts and screws to buy, and how to cut the rails from the boards</source>
        <translation>Les planches, les barreaux, les poteaux et les vis à acheter, et comment couper les lisses dans les planches</translation>
    </message>
    <message>
        <source>Order List</source>
        <translation>Liste de commande</translation>
    </message>
    <message>
        <source>Posts at m&amp;ost:</source>
        <translation>Entra&amp;xe max. poteaux&#xa0;:</translation>
    </message>
    <message>
        <source>Maximum post spacing</source>
        <translation>Espacement maximal des poteaux</translation>
    </message>
    <message>
        <source>The most a run&apos;s posts may stand apart, centre to centre, for every run without a spacing of its own</source>
        <translation>L’espacement maximal permis entre les poteaux d’un alignement, d’axe en axe, pour tous les alignements qui n’en ont pas un propre</translation>
    </message>
    <message>
        <source>Maximum post spacing presets</source>
        <translation>Valeurs usuelles de l’espacement maximal des poteaux</translation>
    </message>
    <message>
        <source>Usual maximum spacings of posts; they set the spacing only, not the post width</source>
        <translation>Espacements maximaux usuels des poteaux&#xa0;; ils fixent seulement l’espacement, pas la largeur du poteau</translation>
    </message>
    <message>
        <source>Usual maximum spacings of posts</source>
        <translation>Espacements maximaux usuels des poteaux</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Valeurs</translation>
    </message>
    <message>
        <source>Run&amp;s (deck sides and fence lines, split into bays by their posts):</source>
        <translation>Alignements (&amp;bords de terrasse et lignes de clôture, divisés en travées par leurs poteaux)&#xa0;:</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Alignements</translation>
    </message>
    <message>
        <source>One row per run; its bays are the first sections below</source>
        <translation>Une ligne par alignement&#xa0;; ses travées sont les premières de la liste ci-dessous</translation>
    </message>
    <message>
        <source>Add Ru&amp;n</source>
        <translation>Aj&amp;outer un alignement</translation>
    </message>
    <message>
        <source>Add a run after the selected one: a straight line of railing split into equal bays by its posts</source>
        <translation>Ajouter un alignement après celui qui est sélectionné&#xa0;: une ligne droite de garde-corps divisée en travées égales par ses poteaux</translation>
    </message>
    <message>
        <source>Remo&amp;ve Run</source>
        <translation>Supprimer l’ali&amp;gnement</translation>
    </message>
    <message>
        <source>Remove the selected run and its bays</source>
        <translation>Supprimer l’alignement sélectionné et ses travées</translation>
    </message>
    <message>
        <source>%1; warning: %2</source>
        <translation>%1&#xa0;; avertissement&#xa0;: %2</translation>
    </message>
    <message>
        <source>Change Maximum Post Spacing</source>
        <translation>Modifier l’espacement maximal des poteaux</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Alignement %1</translation>
    </message>
    <message>
        <source>Add Run</source>
        <translation>Ajouter un alignement</translation>
    </message>
    <message>
        <source>The run was not added: %1</source>
        <translation>L’alignement n’a pas été ajouté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Remove Run</source>
        <translation>Supprimer l’alignement</translation>
    </message>
    <message>
        <source>Pe&amp;r tread at least:</source>
        <translation>N&amp;b min. par marche&#xa0;:</translation>
    </message>
    <message>
        <source>Railpins per tread at least</source>
        <translation>Barreaux par marche au minimum</translation>
    </message>
    <message>
        <source>The fewest railpins a stair given by its treads takes on each tread</source>
        <translation>Le moins de barreaux qu’un escalier donné par ses marches porte sur chaque marche</translation>
    </message>
    <message>
        <source>Stairs given by their treads take at least this many railpins on each tread</source>
        <translation>Les escaliers donnés par leurs marches portent au moins ce nombre de barreaux sur chaque marche</translation>
    </message>
    <message>
        <source>Triang&amp;le sphere:</source>
        <translation>Sp&amp;hère du triangle&#xa0;:</translation>
    </message>
    <message>
        <source>Triangle sphere</source>
        <translation>Sphère du triangle</translation>
    </message>
    <message>
        <source>The sphere that must not pass through the opening under a stair&apos;s bottom rail</source>
        <translation>La sphère qui ne doit pas passer par l’ouverture sous la lisse basse d’un escalier</translation>
    </message>
    <message>
        <source>The job file %1 was changed by another program since this window opened or saved it. Saving here replaces those changes.</source>
        <translation>Un autre programme a modifié le fichier de chantier %1 depuis que cette fenêtre l’a ouvert ou enregistré. Enregistrer ici remplace ces modifications.</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>É&amp;craser</translation>
    </message>
    <message>
        <source>The job file %1 was removed or renamed by another program; Save writes it again.</source>
        <translation>Un autre programme a supprimé ou renommé le fichier de chantier %1&#xa0;; Enregistrer l’écrit de nouveau.</translation>
    </message>
    <message>
        <source>The job file %1 was changed by another program; saving will ask before replacing it.</source>
        <translation>Un autre programme a modifié le fichier de chantier %1&#xa0;; l’enregistrement demandera avant de le remplacer.</translation>
    </message>
    <message>
        <source>The job file %1 was changed by another program.</source>
        <translation>Un autre programme a modifié le fichier de chantier %1.</translation>
    </message>
    <message>
        <source>Job File Changed</source>
        <translation>Fichier de chantier modifié</translation>
    </message>
    <message>
        <source>The job file %1 was changed by another program. This window has no unsaved changes. Show the file as it is now?</source>
        <translation>Un autre programme a modifié le fichier de chantier %1. Cette fenêtre n’a aucune modification non enregistrée. Afficher le fichier tel qu’il est maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recharger</translation>
    </message>
    <message>
        <source>&amp;Keep This Version</source>
        <translation>&amp;Garder cette version</translation>
    </message>
    <message>
        <source>Reloaded %1</source>
        <translation>Rechargé %1</translation>
    </message>
    <message>
        <source>Nothing was printed.

%1</source>
        <translation>Rien n’a été imprimé.

%1</translation>
    </message>
    <message>
        <source>Printed to %1</source>
        <translation>Imprimé dans %1</translation>
    </message>
    <message>
        <source>Change Railpins per Tread</source>
        <translation>Modifier les barreaux par marche</translation>
    </message>
    <message>
        <source>Change Triangle Sphere</source>
        <translation>Modifier la sphère du triangle</translation>
    </message>
    <message>
        <source>Exporting the marks…</source>
        <translation>Exportation des repères…</translation>
    </message>
    <message>
        <source>Exporting the drawing…</source>
        <translation>Exportation du dessin…</translation>
    </message>
    <message>
        <source>Exporting the template…</source>
        <translation>Exportation du gabarit…</translation>
    </message>
    <message>
        <source>Marks gi&amp;ven from:</source>
        <translation>Repères &amp;depuis&#xa0;:</translation>
    </message>
    <message>
        <source>Marks from</source>
        <translation>Repères depuis</translation>
    </message>
    <message>
        <source>With lengths between post centres: whether marks are measured from the post faces or the post centres</source>
        <translation>Avec des longueurs entre axes des poteaux&#xa0;: si les repères se mesurent depuis les faces des poteaux ou depuis leurs axes</translation>
    </message>
    <message>
        <source>With lengths between post centres: marks from the post faces, or from the post centres (each half a post further)</source>
        <translation>Avec des longueurs entre axes des poteaux&#xa0;: repères depuis les faces des poteaux, ou depuis leurs axes (chaque repère un demi-poteau plus loin)</translation>
    </message>
    <message>
        <source>post faces</source>
        <translation>faces des poteaux</translation>
    </message>
    <message>
        <source>post centres</source>
        <translation>axes des poteaux</translation>
    </message>
    <message>
        <source>Change Marks From</source>
        <translation>Modifier l’origine des repères</translation>
    </message>
    <message>
        <source>Painting the template…</source>
        <translation>Dessin du gabarit…</translation>
    </message>
    <message>
        <source>Print Template cancelled: the print run was aborted.</source>
        <translation>Impression du gabarit annulée&#xa0;: le travail d’impression a été interrompu.</translation>
    </message>
    <message>
        <source>Rename Field &quot;%1&quot; to &quot;%2&quot;</source>
        <translation>Renommer le champ &quot;%1&quot; en &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The field was not renamed: %1</source>
        <translation>Le champ n’a pas été renommé&#xa0;: %1</translation>
    </message>
    <message>
        <source>With the same spacing the end gaps take what is left at the posts</source>
        <translation>Avec le même espacement, les écarts d’extrémité prennent ce qui reste près des poteaux</translation>
    </message>
    <message>
        <source>End gaps: %1 %2 at each post</source>
        <translation>Écarts d’extrémité&#xa0;: %1 %2</translation>
    </message>
    <message>
        <source>%1: %2 of %3 sections</source>
        <extracomment>A dialog&apos;s title: &quot;Print Template: 2 of 5 sections&quot;, the selected ones.</extracomment>
        <translation>%1&#xa0;: %2 sections sur %3</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Railpin Calculator</source>
        <translation>Calculateur de barreaux</translation>
    </message>
    <message>
        <source>Section Length</source>
        <translation>Longueur de la travée</translation>
    </message>
    <message>
        <source>The clear distance between the posts, in inches: decimals or fractions such as 1 3/8</source>
        <translation>La distance libre entre les poteaux, en pouces&#xa0;: décimales ou fractions comme 1 3/8</translation>
    </message>
    <message>
        <source>Railpin Width</source>
        <translation>Largeur du barreau</translation>
    </message>
    <message>
        <source>The width of one railpin, in inches: decimals or fractions such as 1 3/8</source>
        <translation>La largeur d’un barreau, en pouces&#xa0;: décimales ou fractions comme 1 3/8</translation>
    </message>
    <message>
        <source>Maximum Gap</source>
        <translation>Écart maximal</translation>
    </message>
    <message>
        <source>The largest gap allowed between railpins, in inches</source>
        <translation>Le plus grand écart permis entre barreaux, en pouces</translation>
    </message>
    <message>
        <source>Section Length</source>
        <comment>short caption over its field</comment>
        <translation>Long. travée</translation>
    </message>
    <message>
        <source>Railpin Width</source>
        <comment>short caption over its field</comment>
        <translation>Larg. barreau</translation>
    </message>
    <message>
        <source>* You must use inches, decimals or fractions permitted.</source>
        <translation>* En pouces uniquement, décimales ou fractions acceptées.</translation>
    </message>
    <message>
        <source>Calculate to Nearest</source>
        <translation>Arrondir au plus proche</translation>
    </message>
    <message>
        <source>The increment that fraction results are rounded to</source>
        <translation>La fraction de pouce à laquelle les résultats sont arrondis</translation>
    </message>
    <message>
        <source> Results </source>
        <translation> Résultats </translation>
    </message>
    <message>
        <source>Outer Railpin on Center</source>
        <translation>Entraxe extérieur des barreaux</translation>
    </message>
    <message>
        <source>O On Center</source>
        <translation>Entraxe ext.</translation>
    </message>
    <message>
        <source>Outer Railpin on Center, as a decimal</source>
        <translation>Entraxe extérieur des barreaux, en décimal</translation>
    </message>
    <message>
        <source>Actual Gap</source>
        <translation>Écart réel</translation>
    </message>
    <message>
        <source>Actual Gap, as a decimal</source>
        <translation>Écart réel, en décimal</translation>
    </message>
    <message>
        <source>Railpin Count</source>
        <translation>Nombre de barreaux</translation>
    </message>
    <message>
        <source>Railpin Count</source>
        <comment>short caption over its field</comment>
        <translation>Nb de barreaux</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Find the smallest railpin count whose gap is within the maximum gap</source>
        <translation>Cherche le plus petit nombre de barreaux dont l’écart ne dépasse pas l’écart maximal</translation>
    </message>
    <message>
        <source>Remove a railpin</source>
        <translation>Retirer un barreau</translation>
    </message>
    <message>
        <source>Remove one railpin</source>
        <translation>Retire un barreau</translation>
    </message>
    <message>
        <source>Add a railpin</source>
        <translation>Ajouter un barreau</translation>
    </message>
    <message>
        <source>Add one railpin</source>
        <translation>Ajoute un barreau</translation>
    </message>
    <message>
        <source>Actual Gap fraction</source>
        <translation>Écart réel, fraction</translation>
    </message>
    <message>
        <source>Actual Gap, as a fraction</source>
        <translation>Écart réel, en fraction</translation>
    </message>
    <message>
        <source>O On Center fraction</source>
        <translation>Entraxe ext., fraction</translation>
    </message>
    <message>
        <source>Outer Railpin on Center, as a fraction</source>
        <translation>Entraxe extérieur des barreaux, en fraction</translation>
    </message>
    <message>
        <source>Inner Railpin on Center</source>
        <translation>Entraxe intérieur des barreaux</translation>
    </message>
    <message>
        <source>I On Center fraction</source>
        <translation>Entraxe int., fraction</translation>
    </message>
    <message>
        <source>Inner Railpin on Center, as a fraction</source>
        <translation>Entraxe intérieur des barreaux, en fraction</translation>
    </message>
    <message>
        <source>I On Center</source>
        <translation>Entraxe int.</translation>
    </message>
    <message>
        <source>Inner Railpin on Center, as a decimal</source>
        <translation>Entraxe intérieur des barreaux, en décimal</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>The calculator&apos;s File menu; the job window has its own, whose access keys must not clash with its other menus.</extracomment>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Imprimer l’écran</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>Help menu of the calculator; the access key is chosen among this menu&apos;s items only.</extracomment>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>with this section length and railpin width, adding railpins never makes the gap smaller.</source>
        <translation>avec cette longueur de travée et cette largeur de barreau, ajouter des barreaux ne réduit jamais l’écart.</translation>
    </message>
    <message>
        <source>however many railpins are added, the gap only comes closer to %1 inches (minus the railpin width) and never gets down to the maximum.</source>
        <translation>quel que soit le nombre de barreaux ajoutés, l’écart ne fait que se rapprocher de %1 pouces (moins la largeur du barreau) sans jamais descendre jusqu’au maximum.</translation>
    </message>
    <message>
        <source>it would take more than %1 railpins.</source>
        <translation>il faudrait plus de %1 barreaux.</translation>
    </message>
    <message>
        <source>No railpin count keeps the gap within the maximum gap of %1 inches: %2</source>
        <translation>Aucun nombre de barreaux ne ramène l’écart sous l’écart maximal de %1 pouces&#xa0;: %2</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l’application</translation>
    </message>
    <message>
        <source>Read as %1: write %2</source>
        <translation>Lu comme %1&#xa0;: écrivez %2</translation>
    </message>
    <message>
        <source>Read as %1: write 36, %2 or 36 1/2</source>
        <translation>Lu comme %1&#xa0;: écrivez 36, %2 ou 36 1/2</translation>
    </message>
    <message>
        <source>Open a railing job with this section, to add sections, save and print it</source>
        <translation>Ouvrir un chantier de garde-corps avec cette travée, pour y ajouter des travées, l’enregistrer et l’imprimer</translation>
    </message>
    <message>
        <source>&amp;Open Job…</source>
        <translation>&amp;Ouvrir un chantier…</translation>
    </message>
    <message>
        <source>Open a saved railing job</source>
        <translation>Ouvrir un chantier de garde-corps enregistré</translation>
    </message>
    <message>
        <source>&amp;New Job from Calculator…</source>
        <translation>&amp;Nouveau chantier depuis la calculatrice…</translation>
    </message>
</context>
<context>
    <name>layout</name>
    <message>
        <source>Total railpins: %1</source>
        <translation>Total de barreaux&#xa0;: %1</translation>
    </message>
    <message>
        <source>To order (%1 % extra): %2</source>
        <translation>À commander (%1&#xa0;% en plus)&#xa0;: %2</translation>
    </message>
    <message>
        <source>1 pack of %1</source>
        <translation>1 paquet de %1</translation>
    </message>
    <message>
        <source>%1 packs of %2</source>
        <translation>%1 paquets de %2</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Impossible d’enregistrer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>section %1, &quot;%2&quot;</source>
        <translation>travée %1, &quot;%2&quot;</translation>
    </message>
    <message>
        <source>section %1, stair, &quot;%2&quot;</source>
        <translation>travée %1, escalier, &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Where in a job file, then what is wrong there (&quot;section 2, length: …&quot;); the command line has its own for a file name and a message.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>must be a measurement in quotes, such as &quot;1 3/8&quot;</source>
        <translation>doit être une mesure entre guillemets, comme &quot;1 3/8&quot;</translation>
    </message>
    <message>
        <source>must be a text in quotes</source>
        <translation>doit être un texte entre guillemets</translation>
    </message>
    <message>
        <source>must be a whole number from %1 to %2</source>
        <translation>doit être un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>must be an object with &quot;rise&quot; and &quot;run&quot; or with &quot;angle&quot;</source>
        <translation>doit être un objet avec &quot;rise&quot; et &quot;run&quot; ou avec &quot;angle&quot;</translation>
    </message>
    <message>
        <source>must be a number of degrees</source>
        <translation>doit être un nombre de degrés</translation>
    </message>
    <message>
        <source>section %1</source>
        <translation>travée %1</translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>doit être un objet</translation>
    </message>
    <message>
        <source>must be &quot;full&quot; or &quot;half&quot;</source>
        <translation>doit être &quot;full&quot; ou &quot;half&quot;</translation>
    </message>
    <message>
        <source>must be &quot;mm&quot; or &quot;in&quot;</source>
        <translation>doit être &quot;mm&quot; ou &quot;in&quot;</translation>
    </message>
    <message>
        <source>must be 4, 8, 16 or 32</source>
        <translation>doit être 4, 8, 16 ou 32</translation>
    </message>
    <message>
        <source>must be 1 or 0.5</source>
        <translation>doit être 1 ou 0.5</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB, more than any job needs</source>
        <translation>le fichier dépasse 1&#xa0;Mio, plus que ce qu’exige un chantier</translation>
    </message>
    <message>
        <source>not a job file: %1 at %2</source>
        <translation>ce n’est pas un fichier de chantier&#xa0;: %1 à %2</translation>
    </message>
    <message>
        <source>not a job file: it does not begin with &quot;format&quot;: &quot;railpin-job&quot;</source>
        <translation>ce n’est pas un fichier de chantier&#xa0;: il ne commence pas par &quot;format&quot;: &quot;railpin-job&quot;</translation>
    </message>
    <message>
        <source>%1: is missing</source>
        <translation>%1&#xa0;: manquant</translation>
    </message>
    <message>
        <source>the job file is of version %1, written by a newer version of this program, which this one cannot read (it reads versions up to %2); open it with the newer version</source>
        <translation>le fichier de chantier est de la version %1, écrit par une version plus récente de ce programme, que celle-ci ne peut pas lire (elle lit jusqu’à la version %2)&#xa0;; ouvrez-le avec la version plus récente</translation>
    </message>
    <message>
        <source>must be a list of sections in [ ]</source>
        <translation>doit être une liste de travées entre [ ]</translation>
    </message>
    <message>
        <source>has %1 sections, more than the %2 a job can have</source>
        <translation>contient %1 travées, plus que les %2 qu’un chantier peut avoir</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>ce n’est pas un fichier</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>impossible de lire le fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a number too large to be read</source>
        <translation>&quot;%1&quot; contient un nombre trop grand pour être lu</translation>
    </message>
    <message>
        <source>&quot;%1&quot; divides by zero</source>
        <translation>&quot;%1&quot; divise par zéro</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to be a measurement</source>
        <translation>&quot;%1&quot; est trop grand pour être une mesure</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a fraction: fractions are not used in millimetre jobs, type a whole or decimal number of millimetres</source>
        <translation>&quot;%1&quot; est une fraction&#xa0;: les chantiers en millimètres n’emploient pas de fractions, tapez un nombre entier ou décimal de millimètres</translation>
    </message>
    <message>
        <source>no measurement is typed</source>
        <translation>aucune mesure n’est saisie</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>in</source>
        <translation>po</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>il manque %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A field&apos;s name and why it cannot be read (&quot;length &quot;36 1/&quot; is not a measurement…&quot;), not a number and its unit as in the other contexts.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; must be more than 0</source>
        <translation>%1 &quot;%2&quot; doit dépasser 0</translation>
    </message>
    <message>
        <source>rise</source>
        <translation>la hauteur de marche</translation>
    </message>
    <message>
        <source>run</source>
        <translation>le giron</translation>
    </message>
    <message>
        <source>a rise of %1 in a run of %2 is a slope of %3°: a stair must be less steep than 60°</source>
        <translation>une hauteur de marche de %1 pour un giron de %2 donne une pente de %3°&#xa0;: la pente d’un escalier doit rester sous 60°</translation>
    </message>
    <message>
        <source>the stair&apos;s slope is missing: give its rise and run or its angle</source>
        <translation>la pente de l’escalier manque&#xa0;: donnez sa hauteur de marche et son giron, ou son angle</translation>
    </message>
    <message>
        <source>a slope of %1° is not a stair: the angle must be more than 0°</source>
        <translation>une pente de %1° n’est pas un escalier&#xa0;: l’angle doit dépasser 0°</translation>
    </message>
    <message>
        <source>a slope of %1° is too steep: a stair must be less steep than 60°</source>
        <translation>une pente de %1° est trop raide&#xa0;: la pente d’un escalier doit rester sous 60°</translation>
    </message>
    <message>
        <source>length &quot;%1&quot; is too large to lay out</source>
        <translation>la longueur &quot;%1&quot; est trop grande pour être tracée</translation>
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
        <translation>un nombre de %1 barreaux dépasse les %2 qu’une travée peut avoir</translation>
    </message>
    <message>
        <source>%1 railpins %2 wide do not fit in a length of %3</source>
        <translation>%1 barreaux de %2 de large ne tiennent pas dans une longueur de %3</translation>
    </message>
    <message>
        <source>more than %1 railpins would be needed to keep the gaps within %2</source>
        <translation>il faudrait plus de %1 barreaux pour que les écarts ne dépassent pas %2</translation>
    </message>
    <message>
        <source>railpins %1 wide do not fit in a length of %2 with gaps of at most %3</source>
        <translation>des barreaux de %1 de large ne tiennent pas dans une longueur de %2 avec des écarts d’au plus %3</translation>
    </message>
    <message>
        <source>length</source>
        <translation>la longueur</translation>
    </message>
    <message>
        <source>railpin width</source>
        <translation>la largeur du barreau</translation>
    </message>
    <message>
        <source>maximum gap</source>
        <translation>l’écart maximal</translation>
    </message>
    <message>
        <source>an increment of 1/%1 is not one of 1/4, 1/8, 1/16 or 1/32</source>
        <translation>l’arrondi à 1/%1 n’est pas l’un de 1/4, 1/8, 1/16 ou 1/32</translation>
    </message>
    <message>
        <source>the gap of %1 with %2 railpins is wider than the maximum gap of %3</source>
        <translation>l’écart de %1 avec %2 barreaux dépasse l’écart maximal de %3</translation>
    </message>
    <message>
        <source>Section %1</source>
        <translation>Travée %1</translation>
    </message>
    <message>
        <source>this section&apos;s own maximum gap</source>
        <translation>l’écart maximal propre à cette travée</translation>
    </message>
    <message>
        <source>the job&apos;s maximum gap on stairs</source>
        <translation>l’écart maximal du chantier en escalier</translation>
    </message>
    <message>
        <source>the job&apos;s maximum gap</source>
        <translation>l’écart maximal du chantier</translation>
    </message>
    <message>
        <source>a section</source>
        <translation>une travée</translation>
    </message>
    <message>
        <source>a stair</source>
        <translation>un escalier</translation>
    </message>
    <message>
        <source>the job</source>
        <translation>l’ensemble du chantier</translation>
    </message>
    <message>
        <source>unknown field &quot;%1&quot; is kept but not used</source>
        <translation>le champ inconnu &quot;%1&quot; est conservé mais pas utilisé</translation>
    </message>
    <message>
        <source>unknown field &quot;%1&quot; (did you mean &quot;%2&quot;?)</source>
        <translation>le champ inconnu &quot;%1&quot; (vouliez-vous dire &quot;%2&quot;&#xa0;?)</translation>
    </message>
    <message>
        <source>field &quot;%1&quot; belongs to %2, not to %3</source>
        <translation>le champ &quot;%1&quot; appartient à %2, pas à %3</translation>
    </message>
    <message>
        <source>unknown field &quot;%1&quot; (did you mean &quot;%2&quot; of %3?)</source>
        <translation>le champ inconnu &quot;%1&quot; (vouliez-vous dire &quot;%2&quot; de %3&#xa0;?)</translation>
    </message>
    <message>
        <source>the job&apos;s %1</source>
        <translation>dans le chantier, %1</translation>
    </message>
    <message>
        <source>stair: %1</source>
        <translation>escalier&#xa0;: %1</translation>
    </message>
    <message>
        <source>stair: </source>
        <translation>escalier&#xa0;: </translation>
    </message>
    <message>
        <source>not a job file: nested more than %1 deep at %2</source>
        <translation>ce n’est pas un fichier de chantier&#xa0;: imbrication de plus de %1 niveaux à %2</translation>
    </message>
    <message>
        <source>a job can have at most %1 sections</source>
        <translation>un chantier peut avoir au plus %1 travées</translation>
    </message>
    <message>
        <source>the job file would be larger than 1 MiB, more than any job needs</source>
        <translation>le fichier de chantier dépasserait 1&#xa0;Mio, plus que ce qu’exige un chantier</translation>
    </message>
    <message>
        <source>the job could not be opened again once saved (%1)</source>
        <translation>le chantier ne pourrait pas être rouvert une fois enregistré (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a measurement: type millimetres as 914, %2 or 914 mm</source>
        <translation>&quot;%1&quot; n’est pas une mesure&#xa0;: tapez les millimètres comme 914, %2 ou 914 mm</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a measurement: type inches as 36, %2, 1 3/8, 1-3/8, 1 3/8 in or 12&apos; 3 1/2&quot;</source>
        <translation>&quot;%1&quot; n’est pas une mesure&#xa0;: tapez les pouces comme 36, %2, 1 3/8, 1-3/8, 1 3/8 in ou 12&apos; 3 1/2&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in millimetres: this job is in inches, type inches such as 1 3/8</source>
        <translation>&quot;%1&quot; est en millimètres&#xa0;: ce chantier est en pouces, tapez des pouces comme 1 3/8</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in inches: this job is in millimetres, type millimetres such as 35</source>
        <translation>&quot;%1&quot; est en pouces&#xa0;: ce chantier est en millimètres, tapez des millimètres comme 35</translation>
    </message>
    <message>
        <source>a count of %1 railpins is not possible: give 0 or more</source>
        <translation>un nombre de %1 barreaux est impossible&#xa0;: donnez 0 ou plus</translation>
    </message>
    <message>
        <source>the job has %1 railpins, more than the %2 one job may lay out</source>
        <translation>le chantier a %1 barreaux, plus que les %2 qu’un chantier peut tracer</translation>
    </message>
    <message>
        <source>%1 of %2 sections not laid out, not counted</source>
        <translation>%1 travées sur %2 non tracées, non comptées</translation>
    </message>
    <message>
        <source>must be %1 or %2</source>
        <translation>doit être %1 ou %2</translation>
    </message>
    <message>
        <source>the slope &quot;%1&quot; is neither an angle in degrees nor rise : run, such as 7 : 11</source>
        <translation>la pente &quot;%1&quot; n’est ni un angle en degrés ni hauteur de marche : giron, comme 7 : 11</translation>
    </message>
    <message>
        <source>a railpin at mid-span</source>
        <translation>un barreau au milieu</translation>
    </message>
    <message>
        <source>a gap at mid-span</source>
        <translation>un écart au milieu</translation>
    </message>
    <message>
        <source>no count keeps both end gaps within %1</source>
        <translation>aucun nombre ne garde les deux écarts d’extrémité dans la limite de %1</translation>
    </message>
    <message>
        <source>no count keeps both end gaps within %1 with %2</source>
        <translation>aucun nombre ne garde les deux écarts d’extrémité dans la limite de %1 avec %2</translation>
    </message>
    <message>
        <source>same spacing %1, end gaps %2</source>
        <translation>même espacement %1, écarts d’extrémité %2</translation>
    </message>
    <message>
        <source>equal gaps, design gap %1, limit %2</source>
        <translation>écarts égaux, écart visé %1, limite %2</translation>
    </message>
    <message>
        <source>equal gaps</source>
        <translation>écarts égaux</translation>
    </message>
    <message>
        <source>railpin at mid-span</source>
        <translation>barreau au milieu</translation>
    </message>
    <message>
        <source>gap at mid-span</source>
        <translation>écart au milieu</translation>
    </message>
    <message>
        <source>between post centres, posts %1, clear span %2</source>
        <translation>entre axes des poteaux, poteaux de %1, portée libre %2</translation>
    </message>
    <message>
        <source>design gap</source>
        <translation>l’écart visé</translation>
    </message>
    <message>
        <source>design gap %1 is more than the maximum gap of %2</source>
        <translation>l’écart visé de %1 dépasse l’écart maximal de %2</translation>
    </message>
    <message>
        <source>the same spacing on every section needs a design gap: the gap between its railpins</source>
        <translation>le même espacement sur chaque travée exige un écart visé&#xa0;: l’écart entre ses barreaux</translation>
    </message>
    <message>
        <source>half-gap ends apply to equal gaps only: with the same spacing both end gaps are equal</source>
        <translation>les demi-écarts aux extrémités ne valent que pour les écarts égaux&#xa0;: avec le même espacement, les deux écarts d’extrémité sont égaux</translation>
    </message>
    <message>
        <source>post width</source>
        <translation>la largeur du poteau</translation>
    </message>
    <message>
        <source>posts %1 wide leave no clear span in a length of %2 between post centres</source>
        <translation>des poteaux de %1 de large ne laissent aucune portée libre dans une longueur de %2 entre axes des poteaux</translation>
    </message>
    <message>
        <source>the end gaps of %1 with %2 railpins are wider than the maximum gap of %3</source>
        <translation>les écarts d’extrémité de %1 avec %2 barreaux dépassent l’écart maximal de %3</translation>
    </message>
    <message>
        <source>%1 railpins do not put %2</source>
        <translation>%1 barreaux ne placent pas %2</translation>
    </message>
    <message>
        <source>the order list</source>
        <translation>la liste de commande</translation>
    </message>
    <message>
        <source>the order list&apos;s %1</source>
        <translation>dans la liste de commande, %1</translation>
    </message>
    <message>
        <source>order list: </source>
        <translation>liste de commande&#xa0;: </translation>
    </message>
    <message>
        <source>order, &quot;%1&quot;</source>
        <translation>liste de commande, &quot;%1&quot;</translation>
    </message>
    <message>
        <source>written back, the job would be larger than 1 MiB: its numbers are written out in full (1e9 as 1000000000), more than any job needs</source>
        <translation>une fois réécrit, le chantier dépasserait 1&#xa0;Mio&#xa0;: ses nombres sont écrits en entier (1e9 comme 1000000000), plus que ce qu’exige un chantier</translation>
    </message>
    <message>
        <source>section %1 &quot;%2&quot;: %3</source>
        <extracomment>A warning of the job window&apos;s exports: the section&apos;s number, its name, then the warning.</extracomment>
        <translation>travée %1 &quot;%2&quot;&#xa0;: %3</translation>
    </message>
    <message>
        <source>the rail rows are %1, not 0 to %2</source>
        <translation>il y a %1 rangées de lisses, pas de 0 à %2</translation>
    </message>
    <message>
        <source>the rail stock &quot;%1&quot; is not a list of lengths</source>
        <translation>les longueurs commerciales des lisses &quot;%1&quot; ne forment pas une liste de longueurs</translation>
    </message>
    <message>
        <source>the railpin stock &quot;%1&quot; is not a list of lengths</source>
        <translation>les longueurs commerciales des barreaux &quot;%1&quot; ne forment pas une liste de longueurs</translation>
    </message>
    <message>
        <source>the kerf: %1</source>
        <translation>le trait de scie&#xa0;: %1</translation>
    </message>
    <message>
        <source>the kerf &quot;%1&quot; is less than 0</source>
        <translation>le trait de scie &quot;%1&quot; est inférieur à 0</translation>
    </message>
    <message>
        <source>the railpin length: %1</source>
        <translation>la longueur du barreau&#xa0;: %1</translation>
    </message>
    <message>
        <source>the railpin length &quot;%1&quot; is not more than 0</source>
        <translation>la longueur du barreau &quot;%1&quot; ne dépasse pas 0</translation>
    </message>
    <message>
        <source>%1 row %2: its rail of %3 is longer than the longest stock (%4); put a post under it</source>
        <extracomment>A section&apos;s name and rail row, the piece&apos;s length, the longest stock length.</extracomment>
        <translation>%1, rangée %2&#xa0;: sa lisse de %3 est plus longue que la plus grande longueur commerciale (%4)&#xa0;; ajoutez un poteau intermédiaire</translation>
    </message>
    <message>
        <source>railpins of %1 are longer than the longest stock (%2)</source>
        <translation>des barreaux de %1 sont plus longs que la plus grande longueur commerciale (%2)</translation>
    </message>
    <message>
        <source>length not given</source>
        <translation>longueur non indiquée</translation>
    </message>
    <message>
        <source>stair: railpins of many lengths</source>
        <translation>escalier&#xa0;: barreaux de longueurs diverses</translation>
    </message>
    <message>
        <source>a run</source>
        <translation>un alignement</translation>
    </message>
    <message>
        <source>run %1 &quot;%2&quot;: </source>
        <translation>alignement %1 &quot;%2&quot;&#xa0;: </translation>
    </message>
    <message>
        <source>run %1, &quot;%2&quot;</source>
        <translation>alignement %1, &quot;%2&quot;</translation>
    </message>
    <message>
        <source>must be &quot;auto&quot; or a whole number</source>
        <translation>doit être &quot;auto&quot; ou un nombre entier</translation>
    </message>
    <message>
        <source>run %1</source>
        <translation>alignement %1</translation>
    </message>
    <message>
        <source>must be a list of runs in [ ]</source>
        <translation>doit être une liste d’alignements entre [ ]</translation>
    </message>
    <message>
        <source>has %1 runs, more than the %2 a job can have</source>
        <translation>contient %1 alignements, plus que les %2 qu’un chantier peut avoir</translation>
    </message>
    <message>
        <source>%1: measure the rail between the newels</source>
        <translation>%1&#xa0;: mesurez la lisse entre les poteaux d’escalier</translation>
    </message>
    <message>
        <source>maximum post spacing</source>
        <translation>l’espacement maximal des poteaux</translation>
    </message>
    <message>
        <source>Posts: %1</source>
        <translation>Poteaux&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; cannot be less than 0</source>
        <translation>%1 &quot;%2&quot; ne peut pas descendre sous 0</translation>
    </message>
    <message>
        <source>first railpin from the riser</source>
        <translation>le premier barreau depuis la contremarche</translation>
    </message>
    <message>
        <source>nosing</source>
        <translation>la saillie du nez de marche</translation>
    </message>
    <message>
        <source>rail height</source>
        <translation>la hauteur de la lisse</translation>
    </message>
    <message>
        <source>rail depth</source>
        <translation>l’épaisseur de la lisse</translation>
    </message>
    <message>
        <source>insert</source>
        <translation>la profondeur des trous</translation>
    </message>
    <message>
        <source>%1 railpins %2 wide do not fit a tread run of %3 (they need %4)</source>
        <translation>%1 barreaux de %2 de large ne tiennent pas dans un giron de %3 (il leur faut %4)</translation>
    </message>
    <message>
        <source>a railpin %1 wide does not fit a tread run of %2</source>
        <translation>un barreau de %1 de large ne tient pas dans un giron de %2</translation>
    </message>
    <message>
        <source>no number of railpins per tread both fits a tread run of %1 and keeps the gap within %2: %3 per tread leaves a gap of %4; %5 need %6</source>
        <translation>aucun nombre de barreaux par marche ne tient dans un giron de %1 tout en gardant l’écart dans la limite de %2&#xa0;: %3 par marche laissent un écart de %4&#xa0;; %5 exigent %6</translation>
    </message>
    <message>
        <source>a tread run of %1 cannot take %2 railpins %3 wide (they need %4); at least %2 per tread is the job&apos;s minimum</source>
        <translation>un giron de %1 ne peut pas recevoir %2 barreaux de %3 de large (il leur faut %4)&#xa0;; %2 par marche est le minimum du chantier</translation>
    </message>
    <message>
        <source>%1 does not go with a stair given by its treads</source>
        <translation>%1 ne va pas avec un escalier donné par ses marches</translation>
    </message>
    <message>
        <source>a count of railpins</source>
        <translation>un nombre de barreaux</translation>
    </message>
    <message>
        <source>half-gap ends</source>
        <translation>des extrémités en demi-écart</translation>
    </message>
    <message>
        <source>the same spacing</source>
        <translation>le même espacement</translation>
    </message>
    <message>
        <source>a railpin or gap at mid-span</source>
        <translation>un barreau ou un écart au milieu</translation>
    </message>
    <message>
        <source>a length between post centres</source>
        <translation>une longueur entre axes des poteaux</translation>
    </message>
    <message>
        <source>treads need the rise and run of one step, not an angle</source>
        <translation>les marches exigent la hauteur et le giron d’une marche, pas un angle</translation>
    </message>
    <message>
        <source>a stair is given by its length or by its treads, not both: leave the length empty</source>
        <translation>un escalier se donne par sa longueur ou par ses marches, pas les deux&#xa0;: laissez la longueur vide</translation>
    </message>
    <message>
        <source>a stair of %1 treads is not possible: give 1 to %2</source>
        <translation>un escalier de %1 marches est impossible&#xa0;: donnez de 1 à %2</translation>
    </message>
    <message>
        <source>%1 railpins per tread is not possible: give 1 to %2 or auto</source>
        <translation>%1 barreaux par marche, c’est impossible&#xa0;: donnez de 1 à %2 ou auto</translation>
    </message>
    <message>
        <source>the job&apos;s least of %1 railpins per tread is not possible: give 1 to %2</source>
        <translation>le minimum du chantier de %1 barreaux par marche est impossible&#xa0;: donnez de 1 à %2</translation>
    </message>
    <message>
        <source>stair: &quot;%1&quot; is used by a stair given by its treads: kept but not used</source>
        <translation>escalier&#xa0;: &quot;%1&quot; sert à un escalier donné par ses marches&#xa0;: conservé mais pas utilisé</translation>
    </message>
    <message>
        <source>the first railpin cannot stand in front of the riser face</source>
        <translation>le premier barreau ne peut pas se trouver devant la face de la contremarche</translation>
    </message>
    <message>
        <source>with the first railpin %1 from the riser, the last one on each tread passes the next riser: it may be at most %2</source>
        <translation>avec le premier barreau à %1 de la contremarche, le dernier de chaque marche dépasse la contremarche suivante&#xa0;: il peut être au plus à %2</translation>
    </message>
    <message>
        <source>a rail height of %1 with a rail depth of %2 leaves the front railpin no length</source>
        <translation>une hauteur de lisse de %1 avec une épaisseur de %2 ne laisse aucune longueur au barreau avant</translation>
    </message>
    <message>
        <source>the gap of %1 with %2 railpins per tread is wider than the maximum gap of %3</source>
        <translation>l’écart de %1 avec %2 barreaux par marche dépasse l’écart maximal de %3</translation>
    </message>
    <message>
        <source>%1 railpins per tread are fewer than the job&apos;s least of %2</source>
        <translation>%1 barreaux par marche, c’est moins que le minimum du chantier, %2</translation>
    </message>
    <message>
        <source>%1 per tread (as given)</source>
        <translation>%1 par marche (nombre indiqué)</translation>
    </message>
    <message>
        <source>%1 per tread (the fewest within %2 %3; at least %4)</source>
        <translation>%1 par marche (le plus petit nombre qui respecte %2 %3&#xa0;; au moins %4)</translation>
    </message>
    <message>
        <source>%1, on centre %2, gap measured level %3</source>
        <translation>%1, entraxe %2, écart mesuré à l’horizontale %3</translation>
    </message>
    <message>
        <source>%1 treads × %2 = %3 railpins</source>
        <translation>%1 marches × %2 = %3 barreaux</translation>
    </message>
    <message>
        <source>%1 treads × %2, less %3 for the newels = %4 railpins</source>
        <translation>%1 marches × %2, moins %3 pour les poteaux d’escalier = %4 barreaux</translation>
    </message>
    <message>
        <source>cut square at both ends, into holes (the rake is %1°)</source>
        <translation>d’équerre aux deux bouts, dans des trous (pente %1°)</translation>
    </message>
    <message>
        <source>top cut %1°, bottom square (%2° with a saw set from plumb)</source>
        <translation>coupe du haut à %1°, bas d’équerre (%2° avec une scie réglée depuis l’aplomb)</translation>
    </message>
    <message>
        <source>the check under the bottom rail needs the rise and run of one step, not an angle</source>
        <translation>la vérification sous la lisse basse exige la hauteur et le giron d’une marche, pas un angle</translation>
    </message>
    <message>
        <source>bottom rail</source>
        <translation>la lisse basse</translation>
    </message>
    <message>
        <source>triangle sphere</source>
        <translation>la sphère du triangle</translation>
    </message>
    <message>
        <source>the bottom rail cannot be below the nosing line</source>
        <translation>la lisse basse ne peut pas être sous la ligne des nez de marche</translation>
    </message>
    <message>
        <source>nosing &quot;%1&quot; cannot be less than 0</source>
        <translation>la saillie du nez de marche &quot;%1&quot; ne peut pas descendre sous 0</translation>
    </message>
    <message>
        <source>the bottom rail stands so far above the nosing line that the opening under it is no longer a triangle</source>
        <translation>la lisse basse est si haut au-dessus de la ligne des nez de marche que l’ouverture en dessous n’est plus un triangle</translation>
    </message>
    <message>
        <source>the opening under the bottom rail passes a sphere of %1, within %2: the rail may stand at most %3 above the nosing line</source>
        <translation>l’ouverture sous la lisse basse laisse passer une sphère de %1, dans la limite de %2&#xa0;: la lisse peut être au plus à %3 au-dessus de la ligne des nez de marche</translation>
    </message>
    <message>
        <source>the opening under the bottom rail passes a sphere of %1, more than %2: no bottom rail on this stair keeps it within %2, even one on the nosing line</source>
        <translation>l’ouverture sous la lisse basse laisse passer une sphère de %1, plus que %2&#xa0;: aucune lisse basse sur cet escalier ne la garde dans la limite de %2, même posée sur la ligne des nez de marche</translation>
    </message>
    <message>
        <source>the opening under the bottom rail passes a sphere of %1, more than %2: keep the rail at most %3 above the nosing line</source>
        <translation>l’ouverture sous la lisse basse laisse passer une sphère de %1, plus que %2&#xa0;: gardez la lisse au plus à %3 au-dessus de la ligne des nez de marche</translation>
    </message>
    <message>
        <source>1 tread × %2 = %3 railpins</source>
        <translation>1 marche × %2 = %3 barreaux</translation>
    </message>
    <message>
        <source>1 tread × %2, less %3 for the newels = %4 railpins</source>
        <translation>1 marche × %2, moins %3 pour les poteaux d’escalier = %4 barreaux</translation>
    </message>
    <message>
        <source>there is no such section</source>
        <translation>cette travée n’existe pas</translation>
    </message>
    <message>
        <source>there is no such run</source>
        <translation>cet alignement n’existe pas</translation>
    </message>
    <message>
        <source>there is no field &quot;%1&quot; to rename</source>
        <translation>il n’y a aucun champ &quot;%1&quot; à renommer</translation>
    </message>
    <message>
        <source>the end gaps of %1 are narrower than %2: too close to the post to fix a railpin</source>
        <translation>les écarts d’extrémité de %1 sont plus étroits que %2&#xa0;: trop près du poteau pour fixer un barreau</translation>
    </message>
</context>
</TS>
