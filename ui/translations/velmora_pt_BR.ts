<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
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
        <translation>treliça azul com um brasão com a letra V</translation>
    </message>
    <message>
        <source>red and gold rosette</source>
        <translation>roseta vermelha e dourada</translation>
    </message>
    <message>
        <source>night sky with a crescent moon</source>
        <translation>céu noturno com lua crescente</translation>
    </message>
    <message>
        <source>teal waves</source>
        <translation>ondas verde-azuladas</translation>
    </message>
    <message>
        <source>dark green tartan</source>
        <translation>xadrez escocês verde-escuro</translation>
    </message>
    <message>
        <source>purple paisley</source>
        <translation>estampa de caxemira roxa</translation>
    </message>
    <message>
        <source>sunset over mountains</source>
        <translation>pôr do sol sobre as montanhas</translation>
    </message>
    <message>
        <source>flowers on green</source>
        <translation>flores sobre fundo verde</translation>
    </message>
    <message>
        <source>black and gold fans</source>
        <translation>leques pretos e dourados</translation>
    </message>
    <message>
        <source>honeycomb with a bee</source>
        <translation>favo de mel com uma abelha</translation>
    </message>
    <message>
        <source>red checks with a blue ribbon</source>
        <translation>xadrez vermelho com uma fita azul</translation>
    </message>
    <message>
        <source>gold links with a club</source>
        <translation>elos dourados com um trevo de paus</translation>
    </message>
    <message>
        <source>Select Card Back</source>
        <translation>Escolher o verso das cartas</translation>
    </message>
    <message>
        <source>Card back %1, %2</source>
        <translation>Verso %1, %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>vazia</translation>
    </message>
    <message>
        <source>Card %1, %2</source>
        <translation>Carta %1, %2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>virada para baixo</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>ace</source>
        <extracomment>A card&apos;s rank, as it stands in a card&apos;s name (&quot;%1 of %2&quot;); ten to king likewise.</extracomment>
        <translation>ás</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dois</translation>
    </message>
    <message>
        <source>three</source>
        <translation>três</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatro</translation>
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
        <translation>sete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>oito</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nove</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dez</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>valete</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dama</translation>
    </message>
    <message>
        <source>king</source>
        <translation>rei</translation>
    </message>
    <message>
        <source>spades</source>
        <extracomment>A suit, as it stands in a card&apos;s name (&quot;%1 of %2&quot;); diamonds, clubs, hearts likewise.</extracomment>
        <translation>espadas</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>ouros</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>paus</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>copas</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 is its rank (ace ... king), %2 its suit (spades ... hearts). Order and join them as your language names a card, e.g. &quot;%2-%1&quot; for &quot;Kreuz-König&quot;.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>no card</source>
        <translation>nenhuma carta</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu captions: the letter after &amp; is the access key; keep it unique within its menu. Keep &quot;Velmora Concentration&quot; as it is.</extracomment>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Dica</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Select Game</source>
        <translation>&amp;Modo de jogo</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Contra o computador</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Treino</translation>
    </message>
    <message>
        <source>&amp;Levels</source>
        <translation>&amp;Nível</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Iniciante</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermediário</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>&amp;Change Deck ...</source>
        <translation>&amp;Trocar baralho ...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Como jogar</translation>
    </message>
    <message>
        <source>&amp;About Velmora Concentration ...</source>
        <translation>&amp;Sobre o Velmora Concentration ...</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>Computer turns card %1, %2.</source>
        <extracomment>Spoken: %1 is the card&apos;s place on the board (1 to 52), %2 the card&apos;s name (&quot;king of clubs&quot;).</extracomment>
        <translation>O computador vira a carta %1: %2.</translation>
    </message>
    <message>
        <source>You turn card %1, %2.</source>
        <translation>Você vira a carta %1: %2.</translation>
    </message>
    <message>
        <source>Hint: card %1, %2.</source>
        <translation>Dica: carta %1, %2.</translation>
    </message>
    <message>
        <source>New deal.</source>
        <translation>Cartas novas na mesa.</translation>
    </message>
    <message>
        <source>Card %1 turns face down.</source>
        <translation>A carta %1 volta a ficar virada para baixo.</translation>
    </message>
    <message>
        <source>Cards %1 and %2 turn face down.</source>
        <translation>As cartas %1 e %2 voltam a ficar viradas para baixo.</translation>
    </message>
    <message>
        <source>Computer takes the pair, card %1.</source>
        <translation>O computador fica com o par, carta %1.</translation>
    </message>
    <message>
        <source>Computer takes the pair, cards %1 and %2.</source>
        <translation>O computador fica com o par, cartas %1 e %2.</translation>
    </message>
    <message>
        <source>You take the pair, card %1.</source>
        <translation>Você fica com o par, carta %1.</translation>
    </message>
    <message>
        <source>You take the pair, cards %1 and %2.</source>
        <translation>Você fica com o par, cartas %1 e %2.</translation>
    </message>
    <message numerus="yes">
        <source>Computer, %n pairs</source>
        <extracomment>Spoken, and the score&apos;s name for a screen reader: %n is the number of pairs taken.</extracomment>
        <translation>
            <numerusform>Máquina, %n par</numerusform>
            <numerusform>Máquina, %n pares</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Player, %n pairs</source>
        <translation>
            <numerusform>Jogador, %n par</numerusform>
            <numerusform>Jogador, %n pares</numerusform>
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
        <translation>Jogador</translation>
    </message>
    <message>
        <source>Game Mode</source>
        <translation>Modo de jogo</translation>
    </message>
    <message>
        <source>Level of Play</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Dar cartas</translation>
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
        <translation>Mindflip é fácil de jogar, mas é preciso ter boa memória para virar craque. O computador distribui as cartas, mas isso não quer dizer que ele saiba onde elas estão. O objetivo do jogo é ganhar o maior número possível de cartas, virando pares de cartas de mesmo valor.</translation>
    </message>
    <message>
        <source>At the beginning of play you are to turn two cards face up, one at a time.  If
they are a pair, such as 2 Aces or 2 Threes, you won the two cards.  See if you
can turn up another pair.  Keep on playing until you fail to turn up a pair, which,
at the start of the game, is very often.</source>
        <translation>No início, você vira duas cartas, uma de cada vez. Se elas formarem um par, como dois ases ou dois três, você ganha as duas cartas. Tente então virar outro par. Continue jogando até não conseguir formar um par, o que acontece com muita frequência no começo do jogo.</translation>
    </message>
    <message>
        <source>If you do not turn up a pair with equal values, the cards will be turned face down,
and the computer will try its luck.</source>
        <translation>Se as cartas viradas não tiverem o mesmo valor, elas voltam a ficar viradas para baixo e o computador tenta a sorte.</translation>
    </message>
    <message>
        <source>As the game goes on, you will be able to remember the positions and values of
some of the cards that have been turned up, if you concentrate.  If your memory
is good, you will be able to find these cards when you need them to make pairs
with other cards you turn face up.</source>
        <translation>Com o andamento do jogo, se você se concentrar, vai conseguir lembrar onde estão e quanto valem algumas das cartas já viradas. Com boa memória, você vai encontrá-las quando precisar delas para formar pares com outras cartas que virar.</translation>
    </message>
    <message>
        <source>The game ends when all the cards have been made into pairs.  The one with the
highest score is the winner.  A tie is awarded to you!</source>
        <translation>O jogo termina quando todas as cartas formam pares. Ganha quem tiver mais pontos. Em caso de empate, você ganha!</translation>
    </message>
    <message>
        <source>This is a game that interests people of all ages.</source>
        <translation>Este é um jogo que agrada a pessoas de todas as idades.</translation>
    </message>
</context>
<context>
    <name>RulesWindow</name>
    <message>
        <source>How to Play</source>
        <translation>Como jogar</translation>
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
        <translation>Embaralhando</translation>
    </message>
    <message>
        <source>Shuffling the Deck ...</source>
        <translation>Embaralhando ...</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Your Turn!</source>
        <extracomment>The status line under the board: a box about 115 pixels wide in a small bold font.</extracomment>
        <translation>Sua vez!</translation>
    </message>
    <message>
        <source>Computer&apos;s Turn!</source>
        <translation>Vez do computador!</translation>
    </message>
    <message>
        <source>Computer Wins!</source>
        <translation>O computador venceu!</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Você venceu!</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>Muito bem!</translation>
    </message>
    <message>
        <source>You must deal new cards!</source>
        <translation>Você precisa dar novas cartas!</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Iniciante</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermediário</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Treino</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>A file is missing or corrupted!</source>
        <translation>Há um arquivo faltando ou corrompido!</translation>
    </message>
    <message>
        <source>Error - 15</source>
        <translation>Erro - 15</translation>
    </message>
</context>
</TS>
