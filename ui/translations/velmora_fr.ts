<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
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
        <translation>treillis bleu avec un écusson en V</translation>
    </message>
    <message>
        <source>red and gold rosette</source>
        <translation>rosace rouge et or</translation>
    </message>
    <message>
        <source>night sky with a crescent moon</source>
        <translation>ciel nocturne avec un croissant de lune</translation>
    </message>
    <message>
        <source>teal waves</source>
        <translation>vagues bleu canard</translation>
    </message>
    <message>
        <source>dark green tartan</source>
        <translation>tartan vert foncé</translation>
    </message>
    <message>
        <source>purple paisley</source>
        <translation>motif cachemire violet</translation>
    </message>
    <message>
        <source>sunset over mountains</source>
        <translation>coucher de soleil sur les montagnes</translation>
    </message>
    <message>
        <source>flowers on green</source>
        <translation>fleurs sur fond vert</translation>
    </message>
    <message>
        <source>black and gold fans</source>
        <translation>éventails noir et or</translation>
    </message>
    <message>
        <source>honeycomb with a bee</source>
        <translation>rayon de miel avec une abeille</translation>
    </message>
    <message>
        <source>red checks with a blue ribbon</source>
        <translation>vichy rouge avec un ruban bleu</translation>
    </message>
    <message>
        <source>gold links with a club</source>
        <translation>maillons dorés avec un trèfle</translation>
    </message>
    <message>
        <source>Select Card Back</source>
        <translation>Choisir le dos des cartes</translation>
    </message>
    <message>
        <source>Card back %1, %2</source>
        <translation>Dos de carte %1, %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Card %1, %2</source>
        <translation>Carte %1, %2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>face cachée</translation>
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
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dix</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>valet</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>roi</translation>
    </message>
    <message>
        <source>spades</source>
        <extracomment>A suit, as it stands in a card&apos;s name (&quot;%1 of %2&quot;); diamonds, clubs, hearts likewise.</extracomment>
        <translation>pique</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 is its rank (ace ... king), %2 its suit (spades ... hearts). Order and join them as your language names a card, e.g. &quot;%2-%1&quot; for &quot;Kreuz-König&quot;.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>no card</source>
        <translation>aucune carte</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu captions: the letter after &amp; is the access key; keep it unique within its menu. Keep &quot;Velmora Concentration&quot; as it is.</extracomment>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Select Game</source>
        <translation>&amp;Mode de jeu</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Contre l’ordinateur</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>&amp;Levels</source>
        <translation>&amp;Niveau</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermédiaire</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>&amp;Change Deck ...</source>
        <translation>&amp;Changer le dos des cartes ...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Règles du jeu</translation>
    </message>
    <message>
        <source>&amp;About Velmora Concentration ...</source>
        <translation>À &amp;propos de Velmora Concentration ...</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>Computer turns card %1, %2.</source>
        <extracomment>Spoken: %1 is the card&apos;s place on the board (1 to 52), %2 the card&apos;s name (&quot;king of clubs&quot;).</extracomment>
        <translation>L’ordinateur retourne la carte %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>You turn card %1, %2.</source>
        <translation>Tu retournes la carte %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Hint: card %1, %2.</source>
        <translation>Indice&#xa0;: carte %1, %2.</translation>
    </message>
    <message>
        <source>New deal.</source>
        <translation>Nouvelle donne.</translation>
    </message>
    <message>
        <source>Card %1 turns face down.</source>
        <translation>La carte %1 est remise face cachée.</translation>
    </message>
    <message>
        <source>Cards %1 and %2 turn face down.</source>
        <translation>Les cartes %1 et %2 sont remises face cachée.</translation>
    </message>
    <message>
        <source>Computer takes the pair, card %1.</source>
        <translation>L’ordinateur prend la paire, carte %1.</translation>
    </message>
    <message>
        <source>Computer takes the pair, cards %1 and %2.</source>
        <translation>L’ordinateur prend la paire, cartes %1 et %2.</translation>
    </message>
    <message>
        <source>You take the pair, card %1.</source>
        <translation>Tu prends la paire, carte %1.</translation>
    </message>
    <message>
        <source>You take the pair, cards %1 and %2.</source>
        <translation>Tu prends la paire, cartes %1 et %2.</translation>
    </message>
    <message numerus="yes">
        <source>Computer, %n pairs</source>
        <extracomment>Spoken, and the score&apos;s name for a screen reader: %n is the number of pairs taken.</extracomment>
        <translation>
            <numerusform>Ordinateur, %n paire</numerusform>
            <numerusform>Ordinateur, %n paires</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Player, %n pairs</source>
        <translation>
            <numerusform>Joueur, %n paire</numerusform>
            <numerusform>Joueur, %n paires</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Computer</source>
        <extracomment>Panel labels: the score rows&apos; names fit 65 pixels, Game Mode and Level of Play 89 pixels, in a bold 9.6 pt font; Deal is a button 81 pixels wide.</extracomment>
        <translation>Ordi</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Game Mode</source>
        <translation>Mode de jeu</translation>
    </message>
    <message>
        <source>Level of Play</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Distribuer</translation>
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
        <translation>Mindflip est facile à jouer, mais il faut une bonne mémoire pour devenir expert. L’ordinateur distribue les cartes, mais il ne sait pas pour autant où elles se trouvent. Le but du jeu est de gagner le plus de cartes possible en les retournant par paires de même valeur.</translation>
    </message>
    <message>
        <source>At the beginning of play you are to turn two cards face up, one at a time.  If
they are a pair, such as 2 Aces or 2 Threes, you won the two cards.  See if you
can turn up another pair.  Keep on playing until you fail to turn up a pair, which,
at the start of the game, is very often.</source>
        <translation>Au début, tu retournes deux cartes, l’une après l’autre. Si elles forment une paire, par exemple deux as ou deux trois, tu gagnes les deux cartes. Essaie ensuite d’en retourner une autre. Tu continues jusqu’à ce que tu rates une paire, ce qui arrive très souvent en début de partie.</translation>
    </message>
    <message>
        <source>If you do not turn up a pair with equal values, the cards will be turned face down,
and the computer will try its luck.</source>
        <translation>Si les deux cartes ne sont pas de même valeur, elles sont remises face cachée et l’ordinateur tente sa chance.</translation>
    </message>
    <message>
        <source>As the game goes on, you will be able to remember the positions and values of
some of the cards that have been turned up, if you concentrate.  If your memory
is good, you will be able to find these cards when you need them to make pairs
with other cards you turn face up.</source>
        <translation>Au fil de la partie, si tu te concentres, tu retiendras la place et la valeur de certaines cartes déjà retournées. Avec une bonne mémoire, tu les retrouveras quand il te les faudra pour former une paire avec une carte que tu viens de retourner.</translation>
    </message>
    <message>
        <source>The game ends when all the cards have been made into pairs.  The one with the
highest score is the winner.  A tie is awarded to you!</source>
        <translation>La partie se termine quand toutes les cartes ont été réunies par paires. Celui qui a le plus de points gagne. En cas d’égalité, c’est toi qui gagnes&#xa0;!</translation>
    </message>
    <message>
        <source>This is a game that interests people of all ages.</source>
        <translation>Ce jeu plaît aux petits comme aux grands.</translation>
    </message>
</context>
<context>
    <name>RulesWindow</name>
    <message>
        <source>How to Play</source>
        <translation>Règles du jeu</translation>
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
        <translation>Mélange</translation>
    </message>
    <message>
        <source>Shuffling the Deck ...</source>
        <translation>Mélange des cartes ...</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Your Turn!</source>
        <extracomment>The status line under the board: a box about 115 pixels wide in a small bold font.</extracomment>
        <translation>C’est à toi de jouer&#xa0;!</translation>
    </message>
    <message>
        <source>Computer&apos;s Turn!</source>
        <translation>C’est à l’ordinateur&#xa0;!</translation>
    </message>
    <message>
        <source>Computer Wins!</source>
        <translation>L’ordinateur gagne&#xa0;!</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Tu as gagné&#xa0;!</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>Bien joué&#xa0;!</translation>
    </message>
    <message>
        <source>You must deal new cards!</source>
        <translation>Tu dois redistribuer les cartes&#xa0;!</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermédiaire</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>A file is missing or corrupted!</source>
        <translation>Un fichier est manquant ou endommagé&#xa0;!</translation>
    </message>
    <message>
        <source>Error - 15</source>
        <translation>Erreur - 15</translation>
    </message>
</context>
</TS>
