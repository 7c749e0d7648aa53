<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>BacksWindow</name>
    <message>
        <source>blue lattice with a V crest</source>
        <translation>blaues Gitter mit V-Wappen</translation>
    </message>
    <message>
        <source>red and gold rosette</source>
        <translation>rot-goldene Rosette</translation>
    </message>
    <message>
        <source>night sky with a crescent moon</source>
        <translation>Nachthimmel mit Mondsichel</translation>
    </message>
    <message>
        <source>teal waves</source>
        <translation>petrolfarbene Wellen</translation>
    </message>
    <message>
        <source>dark green tartan</source>
        <translation>dunkelgrünes Schottenkaro</translation>
    </message>
    <message>
        <source>purple paisley</source>
        <translation>violettes Paisleymuster</translation>
    </message>
    <message>
        <source>sunset over mountains</source>
        <translation>Sonnenuntergang über den Bergen</translation>
    </message>
    <message>
        <source>flowers on green</source>
        <translation>Blumen auf Grün</translation>
    </message>
    <message>
        <source>black and gold fans</source>
        <translation>schwarz-goldene Fächer</translation>
    </message>
    <message>
        <source>honeycomb with a bee</source>
        <translation>Honigwaben mit einer Biene</translation>
    </message>
    <message>
        <source>red checks with a blue ribbon</source>
        <translation>rotes Karo mit blauem Band</translation>
    </message>
    <message>
        <source>gold links with a club</source>
        <translation>goldene Kettenglieder mit Kreuz</translation>
    </message>
    <message>
        <source>Select Card Back</source>
        <translation>Kartenrücken wählen</translation>
    </message>
    <message>
        <source>Card back %1, %2</source>
        <translation>Kartenrücken %1, %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Card %1, %2</source>
        <translation>Karte %1, %2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>verdeckt</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>ace</source>
        <extracomment>A card&apos;s rank, as it stands in a card&apos;s name (&quot;%1 of %2&quot;); ten to king likewise.</extracomment>
        <translation>Ass</translation>
    </message>
    <message>
        <source>two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>König</translation>
    </message>
    <message>
        <source>spades</source>
        <extracomment>A suit, as it stands in a card&apos;s name (&quot;%1 of %2&quot;); diamonds, clubs, hearts likewise.</extracomment>
        <translation>Pik</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 is its rank (ace ... king), %2 its suit (spades ... hearts). Order and join them as your language names a card, e.g. &quot;%2-%1&quot; for &quot;Kreuz-König&quot;.</extracomment>
        <translation>%2-%1</translation>
    </message>
    <message>
        <source>no card</source>
        <translation>keine Karte</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu captions: the letter after &amp; is the access key; keep it unique within its menu. Keep &quot;Velmora Concentration&quot; as it is.</extracomment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Select Game</source>
        <translation>Spiel&amp;art</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Gegen den Computer</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>&amp;Levels</source>
        <translation>&amp;Spielstärke</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Geübt</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Profi</translation>
    </message>
    <message>
        <source>&amp;Change Deck ...</source>
        <translation>&amp;Kartenrücken ändern ...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Spielregeln</translation>
    </message>
    <message>
        <source>&amp;About Velmora Concentration ...</source>
        <translation>Ü&amp;ber Velmora Concentration ...</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>Computer turns card %1, %2.</source>
        <extracomment>Spoken: %1 is the card&apos;s place on the board (1 to 52), %2 the card&apos;s name (&quot;king of clubs&quot;).</extracomment>
        <translation>Der Computer deckt Karte %1 auf: %2.</translation>
    </message>
    <message>
        <source>You turn card %1, %2.</source>
        <translation>Du deckst Karte %1 auf: %2.</translation>
    </message>
    <message>
        <source>Hint: card %1, %2.</source>
        <translation>Tipp: Karte %1, %2.</translation>
    </message>
    <message>
        <source>New deal.</source>
        <translation>Neu gegeben.</translation>
    </message>
    <message>
        <source>Card %1 turns face down.</source>
        <translation>Karte %1 wird wieder zugedeckt.</translation>
    </message>
    <message>
        <source>Cards %1 and %2 turn face down.</source>
        <translation>Karten %1 und %2 werden wieder zugedeckt.</translation>
    </message>
    <message>
        <source>Computer takes the pair, card %1.</source>
        <translation>Der Computer nimmt das Paar, Karte %1.</translation>
    </message>
    <message>
        <source>Computer takes the pair, cards %1 and %2.</source>
        <translation>Der Computer nimmt das Paar, Karten %1 und %2.</translation>
    </message>
    <message>
        <source>You take the pair, card %1.</source>
        <translation>Du nimmst das Paar, Karte %1.</translation>
    </message>
    <message>
        <source>You take the pair, cards %1 and %2.</source>
        <translation>Du nimmst das Paar, Karten %1 und %2.</translation>
    </message>
    <message numerus="yes">
        <source>Computer, %n pairs</source>
        <extracomment>Spoken, and the score&apos;s name for a screen reader: %n is the number of pairs taken.</extracomment>
        <translation>
            <numerusform>Computer, %n Paar</numerusform>
            <numerusform>Computer, %n Paare</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Player, %n pairs</source>
        <translation>
            <numerusform>Spieler, %n Paar</numerusform>
            <numerusform>Spieler, %n Paare</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Computer</source>
        <extracomment>Panel labels: the score rows&apos; names fit 65 pixels, Game Mode and Level of Play 89 pixels, in a bold 9.6 pt font; Deal is a button 81 pixels wide.</extracomment>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Game Mode</source>
        <translation>Spielart</translation>
    </message>
    <message>
        <source>Level of Play</source>
        <translation>Spielstärke</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Geben</translation>
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
        <translation>Mindflip ist leicht zu spielen, doch um Meister zu werden, brauchst du ein gutes Gedächtnis. Der Computer teilt die Karten aus, weiß aber nicht, wo sie liegen. Ziel des Spiels ist es, möglichst viele Karten zu gewinnen, indem du Paare gleichen Werts aufdeckst.</translation>
    </message>
    <message>
        <source>At the beginning of play you are to turn two cards face up, one at a time.  If
they are a pair, such as 2 Aces or 2 Threes, you won the two cards.  See if you
can turn up another pair.  Keep on playing until you fail to turn up a pair, which,
at the start of the game, is very often.</source>
        <translation>Zu Beginn deckst du nacheinander zwei Karten auf. Sind sie ein Paar, etwa zwei Asse oder zwei Dreien, gewinnst du beide Karten. Versuche dann, noch ein Paar aufzudecken. Du spielst so lange weiter, bis dir das nicht gelingt – was am Anfang des Spiels sehr oft passiert.</translation>
    </message>
    <message>
        <source>If you do not turn up a pair with equal values, the cards will be turned face down,
and the computer will try its luck.</source>
        <translation>Deckst du kein Paar gleichen Werts auf, werden die Karten wieder zugedeckt, und der Computer versucht sein Glück.</translation>
    </message>
    <message>
        <source>As the game goes on, you will be able to remember the positions and values of
some of the cards that have been turned up, if you concentrate.  If your memory
is good, you will be able to find these cards when you need them to make pairs
with other cards you turn face up.</source>
        <translation>Im Lauf des Spiels kannst du dir, wenn du dich konzentrierst, merken, wo welche der schon aufgedeckten Karten liegen. Mit einem guten Gedächtnis findest du sie wieder, wenn du sie für ein Paar mit einer neu aufgedeckten Karte brauchst.</translation>
    </message>
    <message>
        <source>The game ends when all the cards have been made into pairs.  The one with the
highest score is the winner.  A tie is awarded to you!</source>
        <translation>Das Spiel endet, wenn alle Karten zu Paaren gelegt sind. Wer die meisten Punkte hat, gewinnt. Bei Gleichstand gewinnst du!</translation>
    </message>
    <message>
        <source>This is a game that interests people of all ages.</source>
        <translation>Dieses Spiel macht Menschen jeden Alters Spaß.</translation>
    </message>
</context>
<context>
    <name>RulesWindow</name>
    <message>
        <source>How to Play</source>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ShuffleNotice</name>
    <message>
        <source>Shuffling</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <source>Shuffling the Deck ...</source>
        <translation>Es wird gemischt ...</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Your Turn!</source>
        <extracomment>The status line under the board: a box about 115 pixels wide in a small bold font.</extracomment>
        <translation>Du bist dran!</translation>
    </message>
    <message>
        <source>Computer&apos;s Turn!</source>
        <translation>Computer ist dran!</translation>
    </message>
    <message>
        <source>Computer Wins!</source>
        <translation>Computer gewinnt!</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Du gewinnst!</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>Super gemacht!</translation>
    </message>
    <message>
        <source>You must deal new cards!</source>
        <translation>Du musst neue Karten geben!</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Geübt</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Profi</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>A file is missing or corrupted!</source>
        <translation>Eine Datei fehlt oder ist beschädigt!</translation>
    </message>
    <message>
        <source>Error - 15</source>
        <translation>Fehler - 15</translation>
    </message>
</context>
</TS>
