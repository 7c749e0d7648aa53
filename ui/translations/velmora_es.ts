<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>BacksWindow</name>
    <message>
        <source>blue lattice with a V crest</source>
        <translation>celosía azul con el escudo de la V</translation>
    </message>
    <message>
        <source>red and gold rosette</source>
        <translation>roseta roja y dorada</translation>
    </message>
    <message>
        <source>night sky with a crescent moon</source>
        <translation>cielo nocturno con luna creciente</translation>
    </message>
    <message>
        <source>teal waves</source>
        <translation>olas de color verde azulado</translation>
    </message>
    <message>
        <source>dark green tartan</source>
        <translation>tartán verde oscuro</translation>
    </message>
    <message>
        <source>purple paisley</source>
        <translation>estampado de cachemira morado</translation>
    </message>
    <message>
        <source>sunset over mountains</source>
        <translation>puesta de sol sobre las montañas</translation>
    </message>
    <message>
        <source>flowers on green</source>
        <translation>flores sobre fondo verde</translation>
    </message>
    <message>
        <source>black and gold fans</source>
        <translation>abanicos negros y dorados</translation>
    </message>
    <message>
        <source>honeycomb with a bee</source>
        <translation>panal con una abeja</translation>
    </message>
    <message>
        <source>red checks with a blue ribbon</source>
        <translation>cuadros rojos con una cinta azul</translation>
    </message>
    <message>
        <source>gold links with a club</source>
        <translation>eslabones dorados con un trébol</translation>
    </message>
    <message>
        <source>Select Card Back</source>
        <translation>Elegir el reverso de las cartas</translation>
    </message>
    <message>
        <source>Card back %1, %2</source>
        <translation>Reverso %1, %2</translation>
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
    <name>Board</name>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>Card %1, %2</source>
        <translation>Carta %1, %2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>boca abajo</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>ace</source>
        <extracomment>A card&apos;s rank, as it stands in a card&apos;s name (&quot;%1 of %2&quot;); ten to king likewise.</extracomment>
        <translation>as</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>siete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>ocho</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nueve</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>diez</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>jota</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>reina</translation>
    </message>
    <message>
        <source>king</source>
        <translation>rey</translation>
    </message>
    <message>
        <source>spades</source>
        <extracomment>A suit, as it stands in a card&apos;s name (&quot;%1 of %2&quot;); diamonds, clubs, hearts likewise.</extracomment>
        <translation>picas</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 is its rank (ace ... king), %2 its suit (spades ... hearts). Order and join them as your language names a card, e.g. &quot;%2-%1&quot; for &quot;Kreuz-König&quot;.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>no card</source>
        <translation>ninguna carta</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu captions: the letter after &amp; is the access key; keep it unique within its menu. Keep &quot;Velmora Concentration&quot; as it is.</extracomment>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Select Game</source>
        <translation>&amp;Modalidad</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Contra el ordenador</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>&amp;Levels</source>
        <translation>&amp;Nivel</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermedio</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>&amp;Change Deck ...</source>
        <translation>&amp;Cambiar baraja ...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Cómo se juega</translation>
    </message>
    <message>
        <source>&amp;About Velmora Concentration ...</source>
        <translation>&amp;Acerca de Velmora Concentration ...</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>Computer turns card %1, %2.</source>
        <extracomment>Spoken: %1 is the card&apos;s place on the board (1 to 52), %2 the card&apos;s name (&quot;king of clubs&quot;).</extracomment>
        <translation>El ordenador da la vuelta a la carta %1: %2.</translation>
    </message>
    <message>
        <source>You turn card %1, %2.</source>
        <translation>Das la vuelta a la carta %1: %2.</translation>
    </message>
    <message>
        <source>Hint: card %1, %2.</source>
        <translation>Pista: carta %1, %2.</translation>
    </message>
    <message>
        <source>New deal.</source>
        <translation>Cartas nuevas repartidas.</translation>
    </message>
    <message>
        <source>Card %1 turns face down.</source>
        <translation>La carta %1 vuelve a quedar boca abajo.</translation>
    </message>
    <message>
        <source>Cards %1 and %2 turn face down.</source>
        <translation>Las cartas %1 y %2 vuelven a quedar boca abajo.</translation>
    </message>
    <message>
        <source>Computer takes the pair, card %1.</source>
        <translation>El ordenador se lleva la pareja, carta %1.</translation>
    </message>
    <message>
        <source>Computer takes the pair, cards %1 and %2.</source>
        <translation>El ordenador se lleva la pareja, cartas %1 y %2.</translation>
    </message>
    <message>
        <source>You take the pair, card %1.</source>
        <translation>Te llevas la pareja, carta %1.</translation>
    </message>
    <message>
        <source>You take the pair, cards %1 and %2.</source>
        <translation>Te llevas la pareja, cartas %1 y %2.</translation>
    </message>
    <message numerus="yes">
        <source>Computer, %n pairs</source>
        <extracomment>Spoken, and the score&apos;s name for a screen reader: %n is the number of pairs taken.</extracomment>
        <translation>
            <numerusform>Máquina, %n pareja</numerusform>
            <numerusform>Máquina, %n parejas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Player, %n pairs</source>
        <translation>
            <numerusform>Jugador, %n pareja</numerusform>
            <numerusform>Jugador, %n parejas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Computer</source>
        <extracomment>Panel labels: the score rows&apos; names fit 65 pixels, Game Mode and Level of Play 89 pixels, in a bold 9.6 pt font; Deal is a button 81 pixels wide.</extracomment>
        <translation>Máquina</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Game Mode</source>
        <translation>Modalidad</translation>
    </message>
    <message>
        <source>Level of Play</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Repartir</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Mindflip is easy to play, but you have to have a good memory to become an
expert.  The computer will deal out the cards, this doesn&apos;t mean the computer
knows where the cards are placed.  The object of the game is to win as many
cards as you can by turning the cards face up in pairs of the same value.</source>
        <extracomment>A paragraph of How to Play. The game wraps a translation to the window itself: line breaks do not matter. All six paragraphs, with an empty line before each, must fit in 25 printed lines of about 75 characters: write them shorter rather than longer.</extracomment>
        <translation>Mindflip es fácil de jugar, pero hace falta buena memoria para llegar a ser un experto. El ordenador reparte las cartas, pero eso no significa que sepa dónde están. El objetivo del juego es ganar tantas cartas como puedas descubriendo parejas del mismo valor.</translation>
    </message>
    <message>
        <source>At the beginning of play you are to turn two cards face up, one at a time.  If
they are a pair, such as 2 Aces or 2 Threes, you won the two cards.  See if you
can turn up another pair.  Keep on playing until you fail to turn up a pair, which,
at the start of the game, is very often.</source>
        <translation>Al empezar, das la vuelta a dos cartas, una tras otra. Si forman pareja, como dos ases o dos treses, ganas las dos cartas. Intenta entonces descubrir otra pareja. Sigue jugando hasta que no consigas formar pareja, algo que al principio de la partida pasa muy a menudo.</translation>
    </message>
    <message>
        <source>If you do not turn up a pair with equal values, the cards will be turned face down,
and the computer will try its luck.</source>
        <translation>Si las dos cartas que descubres no son del mismo valor, vuelven a quedar boca abajo y el ordenador prueba suerte.</translation>
    </message>
    <message>
        <source>As the game goes on, you will be able to remember the positions and values of
some of the cards that have been turned up, if you concentrate.  If your memory
is good, you will be able to find these cards when you need them to make pairs
with other cards you turn face up.</source>
        <translation>A medida que avanza la partida, si te concentras, podrás recordar dónde están y qué valor tienen algunas de las cartas ya descubiertas. Con buena memoria, las encontrarás cuando las necesites para formar pareja con otras cartas que descubras.</translation>
    </message>
    <message>
        <source>The game ends when all the cards have been made into pairs.  The one with the
highest score is the winner.  A tie is awarded to you!</source>
        <translation>La partida termina cuando todas las cartas están emparejadas. Gana quien tenga más puntos. ¡Si hay empate, ganas tú!</translation>
    </message>
    <message>
        <source>This is a game that interests people of all ages.</source>
        <translation>Es un juego que divierte a personas de todas las edades.</translation>
    </message>
</context>
<context>
    <name>RulesWindow</name>
    <message>
        <source>How to Play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>ShuffleNotice</name>
    <message>
        <source>Shuffling</source>
        <translation>Barajando</translation>
    </message>
    <message>
        <source>Shuffling the Deck ...</source>
        <translation>Barajando las cartas...</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Your Turn!</source>
        <extracomment>The status line under the board: a box about 115 pixels wide in a small bold font.</extracomment>
        <translation>¡Tu turno!</translation>
    </message>
    <message>
        <source>Computer&apos;s Turn!</source>
        <translation>¡Turno del ordenador!</translation>
    </message>
    <message>
        <source>Computer Wins!</source>
        <translation>¡Gana el ordenador!</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>¡Has ganado!</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>¡Bien hecho!</translation>
    </message>
    <message>
        <source>You must deal new cards!</source>
        <translation>¡Tienes que repartir cartas nuevas!</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermedio</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>A file is missing or corrupted!</source>
        <translation>¡Falta un archivo o está dañado!</translation>
    </message>
    <message>
        <source>Error - 15</source>
        <translation>Error - 15</translation>
    </message>
</context>
</TS>
