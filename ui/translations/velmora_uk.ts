<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Про гру</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Про %1</translation>
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
        <translation>синя ґратка з гербом V</translation>
    </message>
    <message>
        <source>red and gold rosette</source>
        <translation>червоно-золота розетка</translation>
    </message>
    <message>
        <source>night sky with a crescent moon</source>
        <translation>нічне небо з півмісяцем</translation>
    </message>
    <message>
        <source>teal waves</source>
        <translation>бірюзові хвилі</translation>
    </message>
    <message>
        <source>dark green tartan</source>
        <translation>темно-зелена шотландка</translation>
    </message>
    <message>
        <source>purple paisley</source>
        <translation>фіолетові «турецькі огірки»</translation>
    </message>
    <message>
        <source>sunset over mountains</source>
        <translation>захід сонця над горами</translation>
    </message>
    <message>
        <source>flowers on green</source>
        <translation>квіти на зеленому</translation>
    </message>
    <message>
        <source>black and gold fans</source>
        <translation>чорно-золоті віяла</translation>
    </message>
    <message>
        <source>honeycomb with a bee</source>
        <translation>стільники з бджолою</translation>
    </message>
    <message>
        <source>red checks with a blue ribbon</source>
        <translation>червона клітинка із синьою стрічкою</translation>
    </message>
    <message>
        <source>gold links with a club</source>
        <translation>золоті ланки з трефою</translation>
    </message>
    <message>
        <source>Select Card Back</source>
        <translation>Вибір сорочки карт</translation>
    </message>
    <message>
        <source>Card back %1, %2</source>
        <translation>Сорочка %1, %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>empty</source>
        <translation>порожньо</translation>
    </message>
    <message>
        <source>Card %1, %2</source>
        <translation>Карта %1, %2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>закрита</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>ace</source>
        <extracomment>A card&apos;s rank, as it stands in a card&apos;s name (&quot;%1 of %2&quot;); ten to king likewise.</extracomment>
        <translation>туз</translation>
    </message>
    <message>
        <source>two</source>
        <translation>двійка</translation>
    </message>
    <message>
        <source>three</source>
        <translation>трійка</translation>
    </message>
    <message>
        <source>four</source>
        <translation>четвірка</translation>
    </message>
    <message>
        <source>five</source>
        <translation>п’ятірка</translation>
    </message>
    <message>
        <source>six</source>
        <translation>шістка</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>сімка</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>вісімка</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>дев’ятка</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>десятка</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>валет</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>дама</translation>
    </message>
    <message>
        <source>king</source>
        <translation>король</translation>
    </message>
    <message>
        <source>spades</source>
        <extracomment>A suit, as it stands in a card&apos;s name (&quot;%1 of %2&quot;); diamonds, clubs, hearts likewise.</extracomment>
        <translation>пік</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>бубон</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>треф</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>чирв</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 is its rank (ace ... king), %2 its suit (spades ... hearts). Order and join them as your language names a card, e.g. &quot;%2-%1&quot; for &quot;Kreuz-König&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>no card</source>
        <translation>немає карти</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu captions: the letter after &amp; is the access key; keep it unique within its menu. Keep &quot;Velmora Concentration&quot; as it is.</extracomment>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Нова гра</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Підказка</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметри</translation>
    </message>
    <message>
        <source>&amp;Select Game</source>
        <translation>&amp;Режим гри</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>З комп’ютером</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Тренування</translation>
    </message>
    <message>
        <source>&amp;Levels</source>
        <translation>&amp;Складність</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Новачок</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Середній</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Експерт</translation>
    </message>
    <message>
        <source>&amp;Change Deck ...</source>
        <translation>&amp;Змінити сорочку ...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;How To Play</source>
        <translation>&amp;Як грати</translation>
    </message>
    <message>
        <source>&amp;About Velmora Concentration ...</source>
        <translation>&amp;Про Velmora Concentration ...</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>Computer turns card %1, %2.</source>
        <extracomment>Spoken: %1 is the card&apos;s place on the board (1 to 52), %2 the card&apos;s name (&quot;king of clubs&quot;).</extracomment>
        <translation>Комп’ютер відкриває карту %1: %2.</translation>
    </message>
    <message>
        <source>You turn card %1, %2.</source>
        <translation>Ти відкриваєш карту %1: %2.</translation>
    </message>
    <message>
        <source>Hint: card %1, %2.</source>
        <translation>Підказка: карта %1, %2.</translation>
    </message>
    <message>
        <source>New deal.</source>
        <translation>Нова роздача.</translation>
    </message>
    <message>
        <source>Card %1 turns face down.</source>
        <translation>Карта %1 знову закрита.</translation>
    </message>
    <message>
        <source>Cards %1 and %2 turn face down.</source>
        <translation>Карти %1 і %2 знову закриті.</translation>
    </message>
    <message>
        <source>Computer takes the pair, card %1.</source>
        <translation>Комп’ютер забирає пару, карта %1.</translation>
    </message>
    <message>
        <source>Computer takes the pair, cards %1 and %2.</source>
        <translation>Комп’ютер забирає пару, карти %1 і %2.</translation>
    </message>
    <message>
        <source>You take the pair, card %1.</source>
        <translation>Ти забираєш пару, карта %1.</translation>
    </message>
    <message>
        <source>You take the pair, cards %1 and %2.</source>
        <translation>Ти забираєш пару, карти %1 і %2.</translation>
    </message>
    <message numerus="yes">
        <source>Computer, %n pairs</source>
        <extracomment>Spoken, and the score&apos;s name for a screen reader: %n is the number of pairs taken.</extracomment>
        <translation>
            <numerusform>Комп’ютер, %n пара</numerusform>
            <numerusform>Комп’ютер, %n пари</numerusform>
            <numerusform>Комп’ютер, %n пар</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Player, %n pairs</source>
        <translation>
            <numerusform>Гравець, %n пара</numerusform>
            <numerusform>Гравець, %n пари</numerusform>
            <numerusform>Гравець, %n пар</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Computer</source>
        <extracomment>Panel labels: the score rows&apos; names fit 65 pixels, Game Mode and Level of Play 89 pixels, in a bold 9.6 pt font; Deal is a button 81 pixels wide.</extracomment>
        <translation>Суперник</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Гравець</translation>
    </message>
    <message>
        <source>Game Mode</source>
        <translation>Режим гри</translation>
    </message>
    <message>
        <source>Level of Play</source>
        <translation>Рівень гри</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Роздати</translation>
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
        <translation>Грати в Mindflip легко, але щоб стати знавцем, потрібна добра пам’ять. Комп’ютер роздає карти, проте не знає, де яка лежить. Мета гри – виграти якомога більше карт, відкриваючи пари карт однакового значення.</translation>
    </message>
    <message>
        <source>At the beginning of play you are to turn two cards face up, one at a time.  If
they are a pair, such as 2 Aces or 2 Threes, you won the two cards.  See if you
can turn up another pair.  Keep on playing until you fail to turn up a pair, which,
at the start of the game, is very often.</source>
        <translation>Спочатку відкрий по черзі дві карти. Якщо це пара, наприклад два тузи або дві трійки, ти виграєш обидві карти. Спробуй відкрити ще одну пару. Грай далі, доки не схибиш, – на початку гри це трапляється дуже часто.</translation>
    </message>
    <message>
        <source>If you do not turn up a pair with equal values, the cards will be turned face down,
and the computer will try its luck.</source>
        <translation>Якщо відкриті карти не утворюють пари, їх знову перевертають сорочкою догори, і щастя пробує комп’ютер.</translation>
    </message>
    <message>
        <source>As the game goes on, you will be able to remember the positions and values of
some of the cards that have been turned up, if you concentrate.  If your memory
is good, you will be able to find these cards when you need them to make pairs
with other cards you turn face up.</source>
        <translation>З перебігом гри ти, якщо зосередишся, запам’ятаєш, де лежать деякі вже відкриті карти і які вони. З доброю пам’яттю ти знайдеш їх, коли вони знадобляться до пари з іншою відкритою картою.</translation>
    </message>
    <message>
        <source>The game ends when all the cards have been made into pairs.  The one with the
highest score is the winner.  A tie is awarded to you!</source>
        <translation>Гра закінчується, коли всі карти розібрано на пари. Перемагає той, хто має більше очок. Нічия – на твою користь!</translation>
    </message>
    <message>
        <source>This is a game that interests people of all ages.</source>
        <translation>У цю гру цікаво грати в будь-якому віці.</translation>
    </message>
</context>
<context>
    <name>RulesWindow</name>
    <message>
        <source>How to Play</source>
        <translation>Як грати</translation>
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
        <translation>Тасування</translation>
    </message>
    <message>
        <source>Shuffling the Deck ...</source>
        <translation>Тасуємо карти ...</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Your Turn!</source>
        <extracomment>The status line under the board: a box about 115 pixels wide in a small bold font.</extracomment>
        <translation>Твій хід!</translation>
    </message>
    <message>
        <source>Computer&apos;s Turn!</source>
        <translation>Хід комп’ютера!</translation>
    </message>
    <message>
        <source>Computer Wins!</source>
        <translation>Переміг комп’ютер!</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Твоя перемога!</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>Чудово!</translation>
    </message>
    <message>
        <source>You must deal new cards!</source>
        <translation>Треба роздати нові карти!</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Новачок</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Середній</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Експерт</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Тренування</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Комп’ютер</translation>
    </message>
    <message>
        <source>A file is missing or corrupted!</source>
        <translation>Файл відсутній або пошкоджений!</translation>
    </message>
    <message>
        <source>Error - 15</source>
        <translation>Помилка - 15</translation>
    </message>
</context>
</TS>
