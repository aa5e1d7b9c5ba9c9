<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>drawn by you</source>
        <translation>tracé par vous</translation>
    </message>
    <message>
        <source>drawn by me</source>
        <translation>tracé par moi</translation>
    </message>
    <message>
        <source>drawn</source>
        <translation>tracé</translation>
    </message>
    <message>
        <source>yours</source>
        <translation>à vous</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>à moi</translation>
    </message>
    <message>
        <source>nobody&apos;s yet</source>
        <translation>à personne pour l&apos;instant</translation>
    </message>
    <message>
        <source>Row %1, between dots %2 and %3</source>
        <translation>Ligne %1, entre les points %2 et %3</translation>
    </message>
    <message>
        <source>Column %1, between dots %2 and %3</source>
        <translation>Colonne %1, entre les points %2 et %3</translation>
    </message>
    <message>
        <source>free</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>Box in row %1, column %2</source>
        <translation>Case en ligne %1, colonne %2</translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Génie</translation>
    </message>
    <message>
        <source>E&amp;xpert</source>
        <translation>E&amp;xpert</translation>
    </message>
</context>
<context>
    <name>LinkFailure</name>
    <message>
        <source>No program to open web addresses could be started</source>
        <translation>Aucun programme pour ouvrir les adresses web n&apos;a pu être lancé</translation>
    </message>
    <message>
        <source>Not a web address</source>
        <translation>Ce n&apos;est pas une adresse web</translation>
    </message>
</context>
<context>
    <name>Speed</name>
    <message>
        <source>Slow</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
</context>
<context>
    <name>pennix::AboutDialog</name>
    <message>
        <source>This is the simple game of pennix that I used to play as a little kid in school. Every time I learn a new language, I write this game first. Hope you enjoy the game.</source>
        <translation>Voici le simple jeu de pennix auquel je jouais enfant à l&apos;école. Chaque fois que j&apos;apprends un langage, j&apos;écris d&apos;abord ce jeu. Bon amusement&#xa0;!</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Version %1.%2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;système...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système sont indisponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>pennix::AuthorDialog</name>
    <message>
        <source>I was 26 when I wrote this game, and I have been playing and working with computers since I was ten.</source>
        <translation>J&apos;avais 26 ans quand j&apos;ai écrit ce jeu, et je joue et travaille avec des ordinateurs depuis mes dix ans.</translation>
    </message>
    <message>
        <source>I write software for a living. Whenever I learn a new programming language, this game is the first thing I write in it; this time it taught me C++ and Qt.</source>
        <translation>Je développe des logiciels. À chaque nouveau langage, ce jeu est la première chose que j&apos;écris&#xa0;; cette fois, il m&apos;a appris le C++ et Qt.</translation>
    </message>
    <message>
        <source>The picture to the left is me on a skydiving jump, just after my canopy opened. If you ever get the chance, try it: there is nothing quite like it!</source>
        <translation>La photo de gauche, c&apos;est moi en saut en parachute, juste après l&apos;ouverture de ma voile. Si vous en avez l&apos;occasion, essayez&#xa0;: rien ne s&apos;en approche&#xa0;!</translation>
    </message>
    <message>
        <source>About me</source>
        <translation>À propos de moi</translation>
    </message>
    <message>
        <source>Me skydiving</source>
        <translation>Moi en parachute</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>pennix::BoardView</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
</context>
<context>
    <name>pennix::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Aide de %1</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
</context>
<context>
    <name>pennix::LinkLabel</name>
    <message>
        <source>Unable to load &apos;%1&apos; : %2 (Error %3)</source>
        <translation>Impossible de charger «&#xa0;%1&#xa0;»&#xa0;: %2 (erreur %3)</translation>
    </message>
    <message>
        <source>Go to my personal home page</source>
        <translation>Aller sur ma page personnelle</translation>
    </message>
</context>
<context>
    <name>pennix::MainWindow</name>
    <message>
        <source>I drew one wall</source>
        <translation>J&apos;ai tracé un trait</translation>
    </message>
    <message>
        <source>I drew %1 walls</source>
        <translation>J&apos;ai tracé %1 traits</translation>
    </message>
    <message>
        <source> and took no box.</source>
        <translation> et n&apos;ai pris aucune case.</translation>
    </message>
    <message>
        <source> and took one box.</source>
        <translation> et pris une case.</translation>
    </message>
    <message>
        <source> and took %1 boxes.</source>
        <translation> et pris %1 cases.</translation>
    </message>
    <message>
        <source>The game of Pennix</source>
        <translation>Le jeu de Pennix</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>You 0 - Me 0</source>
        <translation>Vous 0 - Moi 0</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>Rnd</source>
        <translation>Dés</translation>
    </message>
    <message>
        <source>Make a random move</source>
        <translation>Jouer un coup au hasard</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Êtes-vous sûr&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the scores?</source>
        <translation>Voulez-vous vraiment remettre les scores à zéro&#xa0;?</translation>
    </message>
    <message>
        <source>You are on your own</source>
        <translation>À vous de jouer</translation>
    </message>
    <message>
        <source>No safe random moves are left.</source>
        <translation>Il ne reste aucun coup sûr à jouer au hasard.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
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
        <source>&amp;Mark my last turn</source>
        <translation>&amp;Marquer mon dernier tour</translation>
    </message>
    <message>
        <source>Reset scores ...</source>
        <translation>Remettre les scores à zéro ...</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Help index</source>
        <translation>Index de l&apos;aide</translation>
    </message>
    <message>
        <source>About the game</source>
        <translation>À propos du jeu</translation>
    </message>
    <message>
        <source>About the author</source>
        <translation>À propos de l&apos;auteur</translation>
    </message>
    <message>
        <source>Score board</source>
        <translation>Tableau des scores</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>S&apos;enregistrer</translation>
    </message>
    <message>
        <source>You %1 Me %2</source>
        <translation>Vous %1 Moi %2</translation>
    </message>
    <message>
        <source>Game over. I win! (%1-%2)</source>
        <translation>Partie terminée. J&apos;ai gagné&#xa0;! (%1-%2)</translation>
    </message>
    <message>
        <source>Game over. It&apos;s a draw! (%1-%2)</source>
        <translation>Partie terminée. Match nul&#xa0;! (%1-%2)</translation>
    </message>
    <message>
        <source>Game over. You win! (%1-%2)</source>
        <translation>Partie terminée. Vous avez gagné&#xa0;! (%1-%2)</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
</context>
<context>
    <name>pennix::RegisterDialog</name>
    <message>
        <source>Register? Naaa, Just send me a note!</source>
        <translation>S&apos;enregistrer&#xa0;? Naaan, envoyez-moi juste un mot&#xa0;!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>All that I ask, is that if you enjoy this game, please just send me an e-mail telling me. Please send any comments you may have to:</source>
        <translation>Je ne demande qu&apos;une chose&#xa0;: si ce jeu vous plaît, dites-le-moi par e-mail. Envoyez vos commentaires à&#xa0;:</translation>
    </message>
    <message>
        <source>Send me your comments!</source>
        <translation>Envoyez-moi vos commentaires&#xa0;!</translation>
    </message>
    <message>
        <source>You can also visit me on the world wide web by clicking the link below. The link below should automatically start your default web browser. If it doesn&apos;t sorry. I&apos;m still working out the bugs!</source>
        <translation>Vous pouvez aussi me rendre visite sur le Web par le lien ci-dessous, qui devrait ouvrir votre navigateur. Sinon, désolé&#xa0;: je corrige encore les bogues&#xa0;!</translation>
    </message>
</context>
<context>
    <name>pennix::ScoreDialog</name>
    <message>
        <source>You %1 - Me %2</source>
        <translation>Vous %1 - Moi %2</translation>
    </message>
    <message>
        <source>The history of our matches</source>
        <translation>L&apos;historique de nos parties</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
