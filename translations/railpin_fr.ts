<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
    <message>
        <source>Read as %1: write %2</source>
        <translation>Lu comme %1&#xa0;: écrivez %2</translation>
    </message>
    <message>
        <source>Read as %1: write 36, %2 or 36 1/2</source>
        <translation>Lu comme %1&#xa0;: écrivez 36, %2 ou 36 1/2</translation>
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
</context>
</TS>
