<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Over het spel</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
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
        <translation>blauw traliewerk met een V-wapen</translation>
    </message>
    <message>
        <source>red and gold rosette</source>
        <translation>rood-gouden rozet</translation>
    </message>
    <message>
        <source>night sky with a crescent moon</source>
        <translation>nachthemel met een maansikkel</translation>
    </message>
    <message>
        <source>teal waves</source>
        <translation>blauwgroene golven</translation>
    </message>
    <message>
        <source>dark green tartan</source>
        <translation>donkergroene Schotse ruit</translation>
    </message>
    <message>
        <source>purple paisley</source>
        <translation>paars paisleymotief</translation>
    </message>
    <message>
        <source>sunset over mountains</source>
        <translation>zonsondergang boven de bergen</translation>
    </message>
    <message>
        <source>flowers on green</source>
        <translation>bloemen op groen</translation>
    </message>
    <message>
        <source>black and gold fans</source>
        <translation>zwart-gouden waaiers</translation>
    </message>
    <message>
        <source>honeycomb with a bee</source>
        <translation>honingraat met een bij</translation>
    </message>
    <message>
        <source>red checks with a blue ribbon</source>
        <translation>rode ruitjes met een blauw lint</translation>
    </message>
    <message>
        <source>gold links with a club</source>
        <translation>gouden schakels met een klaver</translation>
    </message>
    <message>
        <source>Select Card Back</source>
        <translation>Kaartrug kiezen</translation>
    </message>
    <message>
        <source>Card back %1, %2</source>
        <translation>Kaartrug %1, %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>Card %1, %2</source>
        <translation>Kaart %1, %2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>dicht</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>ace</source>
        <extracomment>A card&apos;s rank, as it stands in a card&apos;s name (&quot;%1 of %2&quot;); ten to king likewise.</extracomment>
        <translation>aas</translation>
    </message>
    <message>
        <source>two</source>
        <translation>twee</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drie</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>vijf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>zes</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>zeven</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>negen</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>tien</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>boer</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>vrouw</translation>
    </message>
    <message>
        <source>king</source>
        <translation>heer</translation>
    </message>
    <message>
        <source>spades</source>
        <extracomment>A suit, as it stands in a card&apos;s name (&quot;%1 of %2&quot;); diamonds, clubs, hearts likewise.</extracomment>
        <translation>schoppen</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>ruiten</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>klaveren</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>harten</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 is its rank (ace ... king), %2 its suit (spades ... hearts). Order and join them as your language names a card, e.g. &quot;%2-%1&quot; for &quot;Kreuz-König&quot;.</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>no card</source>
        <translation>geen kaart</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu captions: the letter after &amp; is the access key; keep it unique within its menu. Keep &quot;Velmora Concentration&quot; as it is.</extracomment>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tip</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Select Game</source>
        <translation>&amp;Spelvorm</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Tegen de computer</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Oefenen</translation>
    </message>
    <message>
        <source>&amp;Levels</source>
        <translation>&amp;Niveau</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Gevorderd</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>&amp;Change Deck ...</source>
        <translation>&amp;Kaartrug wijzigen ...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Spelregels</translation>
    </message>
    <message>
        <source>&amp;About Velmora Concentration ...</source>
        <translation>&amp;Over Velmora Concentration ...</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>Computer turns card %1, %2.</source>
        <extracomment>Spoken: %1 is the card&apos;s place on the board (1 to 52), %2 the card&apos;s name (&quot;king of clubs&quot;).</extracomment>
        <translation>De computer draait kaart %1 om: %2.</translation>
    </message>
    <message>
        <source>You turn card %1, %2.</source>
        <translation>Je draait kaart %1 om: %2.</translation>
    </message>
    <message>
        <source>Hint: card %1, %2.</source>
        <translation>Tip: kaart %1, %2.</translation>
    </message>
    <message>
        <source>New deal.</source>
        <translation>Er is opnieuw gedeeld.</translation>
    </message>
    <message>
        <source>Card %1 turns face down.</source>
        <translation>Kaart %1 wordt weer omgedraaid.</translation>
    </message>
    <message>
        <source>Cards %1 and %2 turn face down.</source>
        <translation>Kaarten %1 en %2 worden weer omgedraaid.</translation>
    </message>
    <message>
        <source>Computer takes the pair, card %1.</source>
        <translation>De computer pakt het paar, kaart %1.</translation>
    </message>
    <message>
        <source>Computer takes the pair, cards %1 and %2.</source>
        <translation>De computer pakt het paar, kaarten %1 en %2.</translation>
    </message>
    <message>
        <source>You take the pair, card %1.</source>
        <translation>Je pakt het paar, kaart %1.</translation>
    </message>
    <message>
        <source>You take the pair, cards %1 and %2.</source>
        <translation>Je pakt het paar, kaarten %1 en %2.</translation>
    </message>
    <message numerus="yes">
        <source>Computer, %n pairs</source>
        <extracomment>Spoken, and the score&apos;s name for a screen reader: %n is the number of pairs taken.</extracomment>
        <translation>
            <numerusform>Computer, %n paar</numerusform>
            <numerusform>Computer, %n paren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Player, %n pairs</source>
        <translation>
            <numerusform>Speler, %n paar</numerusform>
            <numerusform>Speler, %n paren</numerusform>
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
        <translation>Speler</translation>
    </message>
    <message>
        <source>Game Mode</source>
        <translation>Spelvorm</translation>
    </message>
    <message>
        <source>Level of Play</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Delen</translation>
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
        <translation>Mindflip is makkelijk te spelen, maar om er echt goed in te worden heb je een goed geheugen nodig. De computer deelt de kaarten, maar dat betekent niet dat hij weet waar ze liggen. Het doel van het spel is zo veel mogelijk kaarten te winnen door telkens twee kaarten van dezelfde waarde om te draaien.</translation>
    </message>
    <message>
        <source>At the beginning of play you are to turn two cards face up, one at a time.  If
they are a pair, such as 2 Aces or 2 Threes, you won the two cards.  See if you
can turn up another pair.  Keep on playing until you fail to turn up a pair, which,
at the start of the game, is very often.</source>
        <translation>Aan het begin draai je twee kaarten om, één voor één. Vormen ze een paar, bijvoorbeeld twee azen of twee drieën, dan win je beide kaarten. Kijk of je nog een paar kunt omdraaien. Speel door tot je geen paar meer omdraait; aan het begin van het spel gebeurt dat heel vaak.</translation>
    </message>
    <message>
        <source>If you do not turn up a pair with equal values, the cards will be turned face down,
and the computer will try its luck.</source>
        <translation>Draai je geen twee kaarten van dezelfde waarde om, dan worden ze weer omgedraaid en probeert de computer zijn geluk.</translation>
    </message>
    <message>
        <source>As the game goes on, you will be able to remember the positions and values of
some of the cards that have been turned up, if you concentrate.  If your memory
is good, you will be able to find these cards when you need them to make pairs
with other cards you turn face up.</source>
        <translation>Naarmate het spel vordert, kun je, als je je goed concentreert, onthouden waar sommige al omgedraaide kaarten liggen en welke waarde ze hebben. Met een goed geheugen vind je die kaarten terug wanneer je ze nodig hebt om een paar te maken met een andere kaart die je omdraait.</translation>
    </message>
    <message>
        <source>The game ends when all the cards have been made into pairs.  The one with the
highest score is the winner.  A tie is awarded to you!</source>
        <translation>Het spel is afgelopen als alle paren gevonden zijn. Wie de meeste punten heeft, wint. Bij gelijkspel win jij!</translation>
    </message>
    <message>
        <source>This is a game that interests people of all ages.</source>
        <translation>Dit spel is leuk voor jong en oud.</translation>
    </message>
</context>
<context>
    <name>RulesWindow</name>
    <message>
        <source>How to Play</source>
        <translation>Spelregels</translation>
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
        <translation>Schudden</translation>
    </message>
    <message>
        <source>Shuffling the Deck ...</source>
        <translation>Kaarten schudden ...</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Your Turn!</source>
        <extracomment>The status line under the board: a box about 115 pixels wide in a small bold font.</extracomment>
        <translation>Jij bent aan zet!</translation>
    </message>
    <message>
        <source>Computer&apos;s Turn!</source>
        <translation>Computer is aan zet!</translation>
    </message>
    <message>
        <source>Computer Wins!</source>
        <translation>Computer wint!</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Jij wint!</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>Goed gedaan!</translation>
    </message>
    <message>
        <source>You must deal new cards!</source>
        <translation>Je moet nieuwe kaarten delen!</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Gevorderd</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Oefenen</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>A file is missing or corrupted!</source>
        <translation>Een bestand ontbreekt of is beschadigd!</translation>
    </message>
    <message>
        <source>Error - 15</source>
        <translation>Fout - 15</translation>
    </message>
</context>
</TS>
