<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
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
        <translation>reticolo blu con uno stemma a V</translation>
    </message>
    <message>
        <source>red and gold rosette</source>
        <translation>rosone rosso e oro</translation>
    </message>
    <message>
        <source>night sky with a crescent moon</source>
        <translation>cielo notturno con una falce di luna</translation>
    </message>
    <message>
        <source>teal waves</source>
        <translation>onde verde petrolio</translation>
    </message>
    <message>
        <source>dark green tartan</source>
        <translation>tartan verde scuro</translation>
    </message>
    <message>
        <source>purple paisley</source>
        <translation>fantasia cachemire viola</translation>
    </message>
    <message>
        <source>sunset over mountains</source>
        <translation>tramonto sulle montagne</translation>
    </message>
    <message>
        <source>flowers on green</source>
        <translation>fiori su sfondo verde</translation>
    </message>
    <message>
        <source>black and gold fans</source>
        <translation>ventagli neri e oro</translation>
    </message>
    <message>
        <source>honeycomb with a bee</source>
        <translation>favo con un’ape</translation>
    </message>
    <message>
        <source>red checks with a blue ribbon</source>
        <translation>quadretti rossi con un nastro blu</translation>
    </message>
    <message>
        <source>gold links with a club</source>
        <translation>maglie d’oro con il simbolo di fiori</translation>
    </message>
    <message>
        <source>Select Card Back</source>
        <translation>Scegli il dorso delle carte</translation>
    </message>
    <message>
        <source>Card back %1, %2</source>
        <translation>Dorso %1, %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>Card %1, %2</source>
        <translation>Carta %1, %2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>coperta</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>ace</source>
        <extracomment>A card&apos;s rank, as it stands in a card&apos;s name (&quot;%1 of %2&quot;); ten to king likewise.</extracomment>
        <translation>asso</translation>
    </message>
    <message>
        <source>two</source>
        <translation>due</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tre</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quattro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinque</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sei</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sette</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>otto</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nove</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dieci</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>fante</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>donna</translation>
    </message>
    <message>
        <source>king</source>
        <translation>re</translation>
    </message>
    <message>
        <source>spades</source>
        <extracomment>A suit, as it stands in a card&apos;s name (&quot;%1 of %2&quot;); diamonds, clubs, hearts likewise.</extracomment>
        <translation>picche</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>quadri</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>fiori</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cuori</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 is its rank (ace ... king), %2 its suit (spades ... hearts). Order and join them as your language names a card, e.g. &quot;%2-%1&quot; for &quot;Kreuz-König&quot;.</extracomment>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>no card</source>
        <translation>nessuna carta</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu captions: the letter after &amp; is the access key; keep it unique within its menu. Keep &quot;Velmora Concentration&quot; as it is.</extracomment>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Suggerimento</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Select Game</source>
        <translation>&amp;Modalità di gioco</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Contro il computer</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Allenamento</translation>
    </message>
    <message>
        <source>&amp;Levels</source>
        <translation>&amp;Livello</translation>
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
        <translation>Avanzato</translation>
    </message>
    <message>
        <source>&amp;Change Deck ...</source>
        <translation>&amp;Cambia il dorso delle carte ...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Come si gioca</translation>
    </message>
    <message>
        <source>&amp;About Velmora Concentration ...</source>
        <translation>&amp;Informazioni su Velmora Concentration ...</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>Computer turns card %1, %2.</source>
        <extracomment>Spoken: %1 is the card&apos;s place on the board (1 to 52), %2 the card&apos;s name (&quot;king of clubs&quot;).</extracomment>
        <translation>Il computer scopre la carta %1: %2.</translation>
    </message>
    <message>
        <source>You turn card %1, %2.</source>
        <translation>Scopri la carta %1: %2.</translation>
    </message>
    <message>
        <source>Hint: card %1, %2.</source>
        <translation>Suggerimento: carta %1, %2.</translation>
    </message>
    <message>
        <source>New deal.</source>
        <translation>Nuova mano.</translation>
    </message>
    <message>
        <source>Card %1 turns face down.</source>
        <translation>La carta %1 torna coperta.</translation>
    </message>
    <message>
        <source>Cards %1 and %2 turn face down.</source>
        <translation>Le carte %1 e %2 tornano coperte.</translation>
    </message>
    <message>
        <source>Computer takes the pair, card %1.</source>
        <translation>Il computer prende la coppia, carta %1.</translation>
    </message>
    <message>
        <source>Computer takes the pair, cards %1 and %2.</source>
        <translation>Il computer prende la coppia, carte %1 e %2.</translation>
    </message>
    <message>
        <source>You take the pair, card %1.</source>
        <translation>Prendi la coppia, carta %1.</translation>
    </message>
    <message>
        <source>You take the pair, cards %1 and %2.</source>
        <translation>Prendi la coppia, carte %1 e %2.</translation>
    </message>
    <message numerus="yes">
        <source>Computer, %n pairs</source>
        <extracomment>Spoken, and the score&apos;s name for a screen reader: %n is the number of pairs taken.</extracomment>
        <translation>
            <numerusform>Computer, %n coppia</numerusform>
            <numerusform>Computer, %n coppie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Player, %n pairs</source>
        <translation>
            <numerusform>Giocatore, %n coppia</numerusform>
            <numerusform>Giocatore, %n coppie</numerusform>
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
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>Game Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Level of Play</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Distribuisci</translation>
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
        <translation>Mindflip è facile da giocare, ma per diventare esperti serve una buona memoria. Il computer distribuisce le carte, ma questo non vuol dire che sappia dove si trovano. Lo scopo del gioco è vincere più carte possibile scoprendole a coppie dello stesso valore.</translation>
    </message>
    <message>
        <source>At the beginning of play you are to turn two cards face up, one at a time.  If
they are a pair, such as 2 Aces or 2 Threes, you won the two cards.  See if you
can turn up another pair.  Keep on playing until you fail to turn up a pair, which,
at the start of the game, is very often.</source>
        <translation>All’inizio scopri due carte, una alla volta. Se formano una coppia, per esempio due assi o due tre, vinci entrambe le carte. Prova poi a scoprire un’altra coppia. Continua a giocare finché non sbagli, cosa che a inizio partita capita molto spesso.</translation>
    </message>
    <message>
        <source>If you do not turn up a pair with equal values, the cards will be turned face down,
and the computer will try its luck.</source>
        <translation>Se le due carte non hanno lo stesso valore, tornano coperte e il computer tenta la fortuna.</translation>
    </message>
    <message>
        <source>As the game goes on, you will be able to remember the positions and values of
some of the cards that have been turned up, if you concentrate.  If your memory
is good, you will be able to find these cards when you need them to make pairs
with other cards you turn face up.</source>
        <translation>Man mano che la partita va avanti, se ti concentri, riuscirai a ricordare la posizione e il valore di alcune carte già scoperte. Se hai una buona memoria, le ritroverai quando ti serviranno per fare coppia con le altre carte che scopri.</translation>
    </message>
    <message>
        <source>The game ends when all the cards have been made into pairs.  The one with the
highest score is the winner.  A tie is awarded to you!</source>
        <translation>La partita finisce quando tutte le carte sono state accoppiate. Vince chi ha il punteggio più alto. In caso di parità vinci tu!</translation>
    </message>
    <message>
        <source>This is a game that interests people of all ages.</source>
        <translation>È un gioco che appassiona grandi e piccini.</translation>
    </message>
</context>
<context>
    <name>RulesWindow</name>
    <message>
        <source>How to Play</source>
        <translation>Come si gioca</translation>
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
        <translation>Mescolamento</translation>
    </message>
    <message>
        <source>Shuffling the Deck ...</source>
        <translation>Mescolo le carte ...</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Your Turn!</source>
        <extracomment>The status line under the board: a box about 115 pixels wide in a small bold font.</extracomment>
        <translation>Tocca a te!</translation>
    </message>
    <message>
        <source>Computer&apos;s Turn!</source>
        <translation>Tocca al computer!</translation>
    </message>
    <message>
        <source>Computer Wins!</source>
        <translation>Vince il computer!</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Hai vinto!</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>Ben fatto!</translation>
    </message>
    <message>
        <source>You must deal new cards!</source>
        <translation>Devi distribuire di nuovo le carte!</translation>
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
        <translation>Avanzato</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Allenamento</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>A file is missing or corrupted!</source>
        <translation>Un file è mancante o danneggiato!</translation>
    </message>
    <message>
        <source>Error - 15</source>
        <translation>Errore - 15</translation>
    </message>
</context>
</TS>
