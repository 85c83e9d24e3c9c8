<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
    <message>
        <source>Read as %1: write %2</source>
        <translation>Leído como %1: escriba %2</translation>
    </message>
    <message>
        <source>Read as %1: write 36, %2 or 36 1/2</source>
        <translation>Leído como %1: escriba 36, %2 o 36 1/2</translation>
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
</context>
</TS>
