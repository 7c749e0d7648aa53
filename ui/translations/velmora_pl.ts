<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>O grze</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O grze %1</translation>
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
        <translation>niebieska kratka z herbem V</translation>
    </message>
    <message>
        <source>red and gold rosette</source>
        <translation>czerwono-złota rozeta</translation>
    </message>
    <message>
        <source>night sky with a crescent moon</source>
        <translation>nocne niebo z sierpem księżyca</translation>
    </message>
    <message>
        <source>teal waves</source>
        <translation>zielononiebieskie fale</translation>
    </message>
    <message>
        <source>dark green tartan</source>
        <translation>ciemnozielona szkocka krata</translation>
    </message>
    <message>
        <source>purple paisley</source>
        <translation>fioletowy wzór paisley</translation>
    </message>
    <message>
        <source>sunset over mountains</source>
        <translation>zachód słońca nad górami</translation>
    </message>
    <message>
        <source>flowers on green</source>
        <translation>kwiaty na zielonym tle</translation>
    </message>
    <message>
        <source>black and gold fans</source>
        <translation>czarno-złote wachlarze</translation>
    </message>
    <message>
        <source>honeycomb with a bee</source>
        <translation>plaster miodu z pszczołą</translation>
    </message>
    <message>
        <source>red checks with a blue ribbon</source>
        <translation>czerwona kratka z niebieską wstążką</translation>
    </message>
    <message>
        <source>gold links with a club</source>
        <translation>złote ogniwa z treflem</translation>
    </message>
    <message>
        <source>Select Card Back</source>
        <translation>Wybierz rewers kart</translation>
    </message>
    <message>
        <source>Card back %1, %2</source>
        <translation>Rewers %1, %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>empty</source>
        <translation>puste miejsce</translation>
    </message>
    <message>
        <source>Card %1, %2</source>
        <translation>Karta %1, %2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>zakryta</translation>
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
        <translation>dwójka</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trójka</translation>
    </message>
    <message>
        <source>four</source>
        <translation>czwórka</translation>
    </message>
    <message>
        <source>five</source>
        <translation>piątka</translation>
    </message>
    <message>
        <source>six</source>
        <translation>szóstka</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>siódemka</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>ósemka</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>dziewiątka</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dziesiątka</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>walet</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dama</translation>
    </message>
    <message>
        <source>king</source>
        <translation>król</translation>
    </message>
    <message>
        <source>spades</source>
        <extracomment>A suit, as it stands in a card&apos;s name (&quot;%1 of %2&quot;); diamonds, clubs, hearts likewise.</extracomment>
        <translation>pik</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>karo</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trefl</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>kier</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 is its rank (ace ... king), %2 its suit (spades ... hearts). Order and join them as your language names a card, e.g. &quot;%2-%1&quot; for &quot;Kreuz-König&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>no card</source>
        <translation>brak karty</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu captions: the letter after &amp; is the access key; keep it unique within its menu. Keep &quot;Velmora Concentration&quot; as it is.</extracomment>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Podpowiedź</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Select Game</source>
        <translation>&amp;Tryb gry</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Z komputerem</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Trening</translation>
    </message>
    <message>
        <source>&amp;Levels</source>
        <translation>&amp;Poziom</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Początkujący</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Wprawny</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Ekspert</translation>
    </message>
    <message>
        <source>&amp;Change Deck ...</source>
        <translation>&amp;Zmień rewers ...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Zasady gry</translation>
    </message>
    <message>
        <source>&amp;About Velmora Concentration ...</source>
        <translation>&amp;O grze Velmora Concentration ...</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>Computer turns card %1, %2.</source>
        <extracomment>Spoken: %1 is the card&apos;s place on the board (1 to 52), %2 the card&apos;s name (&quot;king of clubs&quot;).</extracomment>
        <translation>Komputer odkrywa kartę %1: %2.</translation>
    </message>
    <message>
        <source>You turn card %1, %2.</source>
        <translation>Odkrywasz kartę %1: %2.</translation>
    </message>
    <message>
        <source>Hint: card %1, %2.</source>
        <translation>Podpowiedź: karta %1, %2.</translation>
    </message>
    <message>
        <source>New deal.</source>
        <translation>Nowe rozdanie.</translation>
    </message>
    <message>
        <source>Card %1 turns face down.</source>
        <translation>Karta %1 zostaje zakryta.</translation>
    </message>
    <message>
        <source>Cards %1 and %2 turn face down.</source>
        <translation>Karty %1 i %2 zostają zakryte.</translation>
    </message>
    <message>
        <source>Computer takes the pair, card %1.</source>
        <translation>Komputer zabiera parę, karta %1.</translation>
    </message>
    <message>
        <source>Computer takes the pair, cards %1 and %2.</source>
        <translation>Komputer zabiera parę, karty %1 i %2.</translation>
    </message>
    <message>
        <source>You take the pair, card %1.</source>
        <translation>Zabierasz parę, karta %1.</translation>
    </message>
    <message>
        <source>You take the pair, cards %1 and %2.</source>
        <translation>Zabierasz parę, karty %1 i %2.</translation>
    </message>
    <message numerus="yes">
        <source>Computer, %n pairs</source>
        <extracomment>Spoken, and the score&apos;s name for a screen reader: %n is the number of pairs taken.</extracomment>
        <translation>
            <numerusform>Komputer, %n para</numerusform>
            <numerusform>Komputer, %n pary</numerusform>
            <numerusform>Komputer, %n par</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Player, %n pairs</source>
        <translation>
            <numerusform>Gracz, %n para</numerusform>
            <numerusform>Gracz, %n pary</numerusform>
            <numerusform>Gracz, %n par</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Computer</source>
        <extracomment>Panel labels: the score rows&apos; names fit 65 pixels, Game Mode and Level of Play 89 pixels, in a bold 9.6 pt font; Deal is a button 81 pixels wide.</extracomment>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>Game Mode</source>
        <translation>Tryb gry</translation>
    </message>
    <message>
        <source>Level of Play</source>
        <translation>Poziom gry</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Rozdaj</translation>
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
        <translation>Mindflip to łatwa gra, ale żeby zostać mistrzem, trzeba mieć dobrą pamięć. Komputer rozdaje karty, ale to nie znaczy, że wie, gdzie która leży. Celem gry jest zdobycie jak największej liczby kart przez odkrywanie par kart o tej samej wartości.</translation>
    </message>
    <message>
        <source>At the beginning of play you are to turn two cards face up, one at a time.  If
they are a pair, such as 2 Aces or 2 Threes, you won the two cards.  See if you
can turn up another pair.  Keep on playing until you fail to turn up a pair, which,
at the start of the game, is very often.</source>
        <translation>Na początku odkryj kolejno dwie karty. Jeśli tworzą parę, na przykład dwa asy albo dwie trójki, zdobywasz obie karty. Spróbuj odkryć kolejną parę. Grasz dalej, dopóki się nie pomylisz, a na początku gry zdarza się to bardzo często.</translation>
    </message>
    <message>
        <source>If you do not turn up a pair with equal values, the cards will be turned face down,
and the computer will try its luck.</source>
        <translation>Jeśli odkryte karty nie tworzą pary, zostają z powrotem zakryte, a szczęścia próbuje komputer.</translation>
    </message>
    <message>
        <source>As the game goes on, you will be able to remember the positions and values of
some of the cards that have been turned up, if you concentrate.  If your memory
is good, you will be able to find these cards when you need them to make pairs
with other cards you turn face up.</source>
        <translation>W trakcie gry, jeśli się skupisz, zapamiętasz, gdzie leżą niektóre z odkrytych już kart i jakie mają wartości. Mając dobrą pamięć, odnajdziesz je, gdy będą potrzebne do pary z inną odkrytą kartą.</translation>
    </message>
    <message>
        <source>The game ends when all the cards have been made into pairs.  The one with the
highest score is the winner.  A tie is awarded to you!</source>
        <translation>Gra kończy się, gdy wszystkie karty zostaną połączone w pary. Wygrywa ten, kto ma więcej punktów. Remis liczy się na twoją korzyść!</translation>
    </message>
    <message>
        <source>This is a game that interests people of all ages.</source>
        <translation>Ta gra spodoba się każdemu, bez względu na wiek.</translation>
    </message>
</context>
<context>
    <name>RulesWindow</name>
    <message>
        <source>How to Play</source>
        <translation>Zasady gry</translation>
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
        <translation>Tasowanie</translation>
    </message>
    <message>
        <source>Shuffling the Deck ...</source>
        <translation>Tasowanie kart ...</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Your Turn!</source>
        <extracomment>The status line under the board: a box about 115 pixels wide in a small bold font.</extracomment>
        <translation>Twoja kolej!</translation>
    </message>
    <message>
        <source>Computer&apos;s Turn!</source>
        <translation>Kolej komputera!</translation>
    </message>
    <message>
        <source>Computer Wins!</source>
        <translation>Wygrywa komputer!</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Wygrywasz!</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>Brawo!</translation>
    </message>
    <message>
        <source>You must deal new cards!</source>
        <translation>Musisz rozdać nowe karty!</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Początkujący</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Wprawny</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Ekspert</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Trening</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>A file is missing or corrupted!</source>
        <translation>Brak pliku lub plik jest uszkodzony!</translation>
    </message>
    <message>
        <source>Error - 15</source>
        <translation>Błąd - 15</translation>
    </message>
</context>
</TS>
