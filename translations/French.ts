<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>DAllKeysShowPage</source>
        <translation>DAllKeysShowPage</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Touches normales</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Touches spéciales</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>99999 MS</source>
        <translation>99999 MS</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>关联：</source>
        <translation>Associé&#xa0;:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Attribuer un profil</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>DCustomKeysPage</source>
        <translation>DCustomKeysPage</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Fonction&#xa0;:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Couche par défaut</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Couche FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Transférer</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Custom Light Item</translation>
    </message>
</context>
<context>
    <name>DDeviceListItem</name>
    <message>
        <source>DDeviceListItem</source>
        <translation>DDeviceListItem</translation>
    </message>
    <message>
        <source>FL</source>
        <translation>FL</translation>
    </message>
    <message>
        <source>VORLAN888</source>
        <translation>VORLAN888</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>DDevicePage</source>
        <translation>DDevicePage</translation>
    </message>
    <message>
        <source>产品列表</source>
        <translation>Liste des produits</translation>
    </message>
    <message>
        <source>https://osterlin.example/</source>
        <translation>https://osterlin.example/</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Tester les touches</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Changer de mode principal</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>1.0</source>
        <translation>1.0</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>Niveau de batterie</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Périphérique non connecté</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoItem</name>
    <message>
        <source>DFirwareInfoItem</source>
        <translation>DFirwareInfoItem</translation>
    </message>
    <message>
        <source>Chip,Model</source>
        <translation>Chip,Model</translation>
    </message>
    <message>
        <source>Version---Text</source>
        <translation>Version---Text</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>DFirwareInfoShow</source>
        <translation>DFirwareInfoShow</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Infos micrologiciel</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Afficher le bureau</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Verrouiller l&apos;ordinateur</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Poste de travail</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
</context>
<context>
    <name>DKeyCalibrationExplainDia</name>
    <message>
        <source>DKeyCalibrationExplainDia</source>
        <translation>DKeyCalibrationExplainDia</translation>
    </message>
    <message>
        <source>1.Explain</source>
        <translation>1.Explain</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.Explain</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.Explain</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.Explain</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.Explain</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Explain</translation>
    </message>
</context>
<context>
    <name>DKeyConfigFunctionPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Configuration des touches</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>Verrouiller/déverrouiller Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Verrouiller la touche Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Déverrouiller la touche Win</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Verrouiller le clavier</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Afficher le niveau de batterie</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Couche par défaut</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Couche FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Couche FN1</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Passer en USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Passer en 2.4G</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>Bluetooth 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>Bluetooth 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>Bluetooth 3</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
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
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Choisir une application</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Veuillez sélectionner l&apos;emplacement de l&apos;application</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Sélectionner l&apos;application</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Saisir le texte...</translation>
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
    <name>DKeyboardLightCustomEventPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Éclairage du clavier</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Éclairage global</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Éclairage interactif</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Tout l&apos;éclairage</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statique</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Luminosité +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Luminosité -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Vitesse +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Vitesse -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Direction +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Direction -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Direction en boucle</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passer en multicolore</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Changer la couleur du haut</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Changer la couleur du bas</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Tout éteindre</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Éteindre le rétroéclairage</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Figer le rétroéclairage</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Enregistrement d&apos;éclairage</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personnalisé 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personnalisé 2</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>DLightsConfigPage</source>
        <translation>DLightsConfigPage</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Luminosité&#xa0;:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse&#xa0;:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direction&#xa0;:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Mode d&apos;éclairage</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Multicolore</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Couleur du haut</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Couleur du bas</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>255</source>
        <translation>255</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Éclairage personnalisé</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Connexion</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Mode de lecture</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Lire une fois</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Lire plusieurs fois</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Lecture continue (activer/désactiver)</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Lire tant que la touche attribuée est enfoncée</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Nombre de lectures</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Nombre de lectures 1, 2, 3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Attribuer une macro</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Macro01</source>
        <translation>Macro01</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>Attribuée</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>DMacroPage</source>
        <translation>DMacroPage</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Enregistrement de macro</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Groupe de macros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Réglage du délai</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Enregistrer les délais</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Aucun délai</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Délai par défaut</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>MS</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Liste des événements</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>L&apos;enregistrement est vide</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Insérer un événement</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Insérer l&apos;événement après</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Insérer l&apos;événement avant</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Événement clavier</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Événement souris</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Appuyez sur une touche</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic milieu</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Saisissez le délai</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Appuyer sur une touche</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Réd&amp;uire</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>&amp;Agrandir</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>DMainWidget</source>
        <translation>DMainWidget</translation>
    </message>
    <message>
        <source>VORLAN</source>
        <translation>VORLAN</translation>
    </message>
    <message>
        <source>HID</source>
        <translation>HID</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>V1.0.0.0.1</source>
        <translation>V1.0.0.0.1</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Bouton de souris</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Bouton gauche</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Bouton du milieu</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Bouton droit</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Touche sniper</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Défiler vers le bas</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Défiler vers le haut</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Piste suivante</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Piste précédente</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lecteur multimédia</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navigateur</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Luminosité de l&apos;écran +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Luminosité de l&apos;écran -</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>DPerformancePage</source>
        <translation>DPerformancePage</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Si le verrouillage Win est activé&#xa0;:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Désactiver la touche Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Désactiver MAJ+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Désactiver ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Désactiver ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Mise en veille de l&apos;éclairage&#xa0;:</translation>
    </message>
    <message>
        <source>666</source>
        <translation>666</translation>
    </message>
    <message>
        <source>0~60000</source>
        <translation>0~60000</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Mise en veille du clavier&#xa0;:</translation>
    </message>
    <message>
        <source>333</source>
        <translation>333</translation>
    </message>
    <message>
        <source>5~1000</source>
        <translation>5~1000</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Empêcher la mise en veille</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Propriétés du clavier</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Réinitialiser le profil actuel</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>DProfileMenuToolWidget</source>
        <translation>DProfileMenuToolWidget</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Renommer</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>NULL</source>
        <translation>NULL</translation>
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
    <name>DSeniorKeyEventListItem</name>
    <message>
        <source>DSeniorKeyEventListItem</source>
        <translation>DSeniorKeyEventListItem</translation>
    </message>
    <message>
        <source>DKS</source>
        <translation>DKS</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysBindingPage</name>
    <message>
        <source>DSeniorKeysBindingPage</source>
        <translation>DSeniorKeysBindingPage</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Touches avancées</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>DSeniorKeysPage</source>
        <translation>DSeniorKeysPage</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Touches avancées</translation>
    </message>
    <message>
        <source>DKS</source>
        <translation>DKS</translation>
    </message>
    <message>
        <source>MT</source>
        <translation>MT</translation>
    </message>
    <message>
        <source>TGL</source>
        <translation>TGL</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>1.0mm</source>
        <translation>1.0mm</translation>
    </message>
    <message>
        <source>2.0mm</source>
        <translation>2.0mm</translation>
    </message>
    <message>
        <source>3.0mm</source>
        <translation>3.0mm</translation>
    </message>
    <message>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>La touche a deux fonctions&#xa0;: l&apos;une quand elle est maintenue, l&apos;autre quand elle est appuyée brièvement.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Maintien</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Appui bref</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Durée de maintien</translation>
    </message>
    <message>
        <source>1000MS</source>
        <translation>1000MS</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Appuyez sur cette touche pour activer ou désactiver le déclenchement continu.</translation>
    </message>
    <message>
        <source>10/40</source>
        <translation>10/40</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Aucune touche avancée</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Touche unique</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Le nombre maximal de touches avancées est atteint</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Touche avancée créée</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Touche avancée supprimée</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <source>DSeniorKeysRecordExplainDia</source>
        <translation>DSeniorKeysRecordExplainDia</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration; 
When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Avec «&#xa0;Touche unique&#xa0;», il suffit de cliquer sur une touche pour terminer l&apos;attribution&#xa0;; 
avec «&#xa0;Combinaison de touches&#xa0;», sélectionnez au moins une touche de modification et une autre touche pour saisir la combinaison de touches, par exemple L_Shift+A ou L_Shift+L_Ctrl+A&#xa0;;</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>Avec «&#xa0;Touche unique&#xa0;», il suffit de cliquer sur une touche pour terminer l&apos;attribution&#xa0;;</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Avec «&#xa0;Combinaison de touches&#xa0;», sélectionnez au moins une touche de modification et une autre touche pour saisir la combinaison de touches, par exemple L_Shift+A ou L_Shift+L_Ctrl+A&#xa0;;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>La touche peut remplir quatre fonctions&#xa0;: vous pouvez attribuer de 1 à 4 fonctions selon quatre profondeurs d&apos;appui différentes.</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>La touche a deux fonctions&#xa0;: l&apos;une quand elle est maintenue, l&apos;autre quand elle est appuyée brièvement.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Appuyez sur cette touche pour activer ou désactiver le déclenchement continu.</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>DSettingsDia</source>
        <translation>DSettingsDia</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Image d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Démarrage automatique</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Lancer au démarrage du système (réduit)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Réduire dans la zone de notification à la fermeture</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Rechercher une mise à jour du micrologiciel</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>Lien Taobao</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Envoyer un avis</translation>
    </message>
    <message>
        <source>Vorlan</source>
        <translation>Vorlan</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Logiciel d&apos;application</translation>
    </message>
    <message>
        <source>Company Name Placeholder</source>
        <translation>Company Name Placeholder</translation>
    </message>
    <message>
        <source>V_2022.07.14.0001</source>
        <translation>V_2022.07.14.0001</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Rechercher une mise à jour</translation>
    </message>
    <message>
        <source>https://example.invalid/</source>
        <translation>https://example.invalid/</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
</context>
<context>
    <name>DSideLightCustomEventPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Éclairage d&apos;ambiance</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Tout l&apos;éclairage</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Éclairage global</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Éclairage interactif</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Luminosité +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Luminosité -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Vitesse +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Vitesse -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passer en multicolore</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Changer la couleur du haut</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Changer la couleur du bas</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Éteindre l&apos;éclairage d&apos;ambiance</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Figer l&apos;éclairage d&apos;ambiance</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Cor/Ang</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>K14</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>K45</source>
        <translation>&lt;&gt;</translation>
    </message>
    <message>
        <source>K56</source>
        <translation>\ ろ</translation>
    </message>
    <message>
        <source>K131</source>
        <translation>無変換</translation>
    </message>
    <message>
        <source>K132</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>K133</source>
        <translation>かな</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>DStrokeConfigView</source>
        <translation>DStrokeConfigView</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Points de déclenchement des actions DKS</translation>
    </message>
    <message>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>DTriggerSettingPage</source>
        <translation>DTriggerSettingPage</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Déclenchement rapide</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Réglez la course de déclenchement et la course de réinitialisation selon votre façon d&apos;appuyer sur la touche et de la relâcher.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Sensibilité séparée</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Vous pouvez régler séparément la course du déclenchement rapide à l&apos;appui (déclenchement) et au relâchement (réinitialisation).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Appui/Relâchement</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Appui</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Relâchement</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Anti-rebond des touches</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Taux d&apos;interrogation</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Mode calibrage</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Lancer le calibrage</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Calibrage de toutes les touches</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Suivi de la course</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Réinitialiser la sensibilité</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>DUpdateFirmwareDia</source>
        <translation>DUpdateFirmwareDia</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Mise à jour du micrologiciel</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>DVirtualKeyboardTool</source>
        <translation>DVirtualKeyboardTool</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Clavier virtuel</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Software exit</source>
        <translation>Fermeture du logiciel</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Conflit&#xa0;: le logiciel a cessé de fonctionner&#xa0;!</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Piste suivante</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Piste précédente</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lecteur multimédia</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navigateur</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Luminosité de l&apos;écran +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Luminosité de l&apos;écran -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Bouton gauche</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Bouton du milieu</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Bouton droit</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Défiler vers le haut</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Défiler vers le bas</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Touche sniper</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Changer de fenêtre</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Afficher le bureau</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Poste de travail</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Verrouiller l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Verrouiller/déverrouiller Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Verrouiller la touche Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Déverrouiller la touche Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Couche par défaut</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Couche FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Couche FN1</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Éclairage global</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Éclairage interactif</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Tout l&apos;éclairage</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statique</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Luminosité +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Luminosité -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Vitesse +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Vitesse -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Direction +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Direction -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Direction en boucle</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passer en multicolore</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Changer la couleur du haut</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Changer la couleur du bas</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personnalisé 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personnalisé 2</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>Bluetooth 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>Bluetooth 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>Bluetooth 3</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Verrouiller le clavier</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Afficher le niveau de batterie</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Passer en 2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Passer en USB</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Tout éteindre</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Éteindre le rétroéclairage</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Figer le rétroéclairage</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Enregistrement d&apos;éclairage</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Éteindre l&apos;éclairage d&apos;ambiance</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Figer l&apos;éclairage d&apos;ambiance</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Réattribuer la touche</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Changer de profil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Lancer une application</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Configuration des touches</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Touches avancées</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Éclairage du clavier</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Éclairage d&apos;ambiance</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Liste des périphériques</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Périphérique non connecté</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>Calibrage de toutes les touches en cours...</translation>
    </message>
    <message>
        <source>Please press all keys</source>
        <translation>Appuyez sur toutes les touches</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Attribution des touches</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Réglages de l&apos;éclairage</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Performances</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Réglages du déclenchement</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Le périphérique est hors ligne</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Ce périphérique est déjà ouvert</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Calibrage des touches en cours</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Calibrage des touches en cours, veuillez patienter</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Configuration transférée</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Échec du transfert de la configuration, veuillez réessayer</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Réattribuer à quelle touche&#xa0;?</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Sélectionnez d&apos;abord une touche</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Opération réussie</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Échec du réglage&#xa0;: le texte est vide</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Transférer</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Fonction&#xa0;:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Quelles touches saisir&#xa0;?</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Appui léger</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Appui fort</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Passez d&apos;abord en mode calibrage</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Calibrage de la touche réussi</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Échec du calibrage de la touche</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Le nombre maximal de profils est atteint</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Échec de la création&#xa0;: le nœud d&apos;index existe déjà, veuillez vérifier</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Profil créé</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Au moins un profil doit être conservé</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profil supprimé</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Dossier d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Sélectionnez d&apos;abord un dossier d&apos;enregistrement</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Ce nœud d&apos;index n&apos;existe pas</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profil exporté</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Échec de l&apos;exportation du profil</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Ouvrir un fichier de profil</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Fichiers de profil (*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Sélectionnez d&apos;abord un fichier à importer</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profil importé</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Échec de l&apos;importation du profil</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Le nom du profil ne peut pas être vide</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Informations du profil modifiées</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Réinitialiser le profil actuel&#xa0;?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Le délai de mise en veille de l&apos;éclairage ne peut pas dépasser celui du clavier</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Le délai de mise en veille du clavier est trop court</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Échec du réglage du délai de mise en veille</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Délai de mise en veille réglé</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Néon</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiration</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Vague</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Scintillement</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpent</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Ondulation auto</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Stries</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurore</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ondulation</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Réactif</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croix</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Feu d&apos;artifice</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Réponse à la vitesse</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Rythme musical</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Collision</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Éteint</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Luminosité&#xa0;:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse&#xa0;:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direction&#xa0;:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Multicolore</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Couleur du haut</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Couleur du bas</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Éclairage personnalisé</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Clavier/Ambiance</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Infos micrologiciel</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic milieu</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Attribuer un profil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Choisir une application</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Veuillez sélectionner l&apos;emplacement de l&apos;application</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Sélectionner l&apos;application</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Saisir le texte...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Mode de lecture</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Lire une fois</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Lire plusieurs fois</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Lecture continue (activer/désactiver)</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Lire tant que la touche attribuée est enfoncée</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Nombre de lectures</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Nombre de lectures 1, 2, 3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Attribuer une macro</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Bouton de souris</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1. Passez d&apos;abord en mode calibrage&#xa0;;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Sélectionnez une touche&#xa0;;</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. Cliquez sur «&#xa0;Lancer le calibrage&#xa0;»&#xa0;;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Appuyez sur la touche sélectionnée&#xa0;;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. Le résultat du calibrage s&apos;affiche&#xa0;;</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Si cette option est activée, le déclenchement rapide ne s&apos;arrête que lorsque la touche est entièrement relâchée.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Si elle est désactivée, le déclenchement rapide s&apos;arrête dès que la touche relâchée repasse le point de déclenchement.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Définissez la durée d&apos;appui nécessaire au déclenchement.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Lorsque le calibrage de toutes les touches est activé, appuyez sur toutes les touches pour le terminer.</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Si le verrouillage Win est activé&#xa0;:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Désactiver la touche Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Désactiver MAJ+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Désactiver ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Désactiver ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Mise en veille de l&apos;éclairage&#xa0;:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Mise en veille du clavier&#xa0;:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Réinitialiser le profil actuel</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Propriétés du clavier</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Empêcher la mise en veille</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Appui</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Déclenchement</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Relâchement</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Suivi de la course</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Sensibilité à l&apos;appui et au relâchement</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Déclenchement rapide</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Réinitialiser la sensibilité</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Anti-rebond des touches</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Taux d&apos;interrogation</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Mode calibrage</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Lancer le calibrage</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Réglez la course de déclenchement et la course de réinitialisation selon votre façon d&apos;appuyer sur la touche et de la relâcher.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Vous pouvez régler séparément la course du déclenchement rapide à l&apos;appui (déclenchement) et au relâchement (réinitialisation).</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Calibrage de toutes les touches</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Touches normales</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Touches spéciales</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Image d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Démarrage automatique</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Lancer au démarrage du système (réduit)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Réduire dans la zone de notification à la fermeture</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Rechercher une mise à jour du micrologiciel</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Aucun périphérique à mettre à jour</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Réglages enregistrés</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Mise à jour du micrologiciel</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Ne débranchez pas le périphérique pendant la mise à jour du micrologiciel&#xa0;!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Mise à jour réussie</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Échec de la mise à jour</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Nom du produit&#xa0;:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Progression&#xa0;:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Version actuelle&#xa0;:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nouvelle version&#xa0;:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Le nom de l&apos;éclairage personnalisé ne peut pas être vide</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Nom de l&apos;éclairage personnalisé modifié</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Enregistrement de macro</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Groupe de macros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Réglage du délai</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Enregistrer les délais</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Aucun délai</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Délai par défaut</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Lancer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Liste des événements</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>L&apos;enregistrement est vide</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Insérer un événement</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Insérer l&apos;événement après</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Insérer l&apos;événement avant</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Événement clavier</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Événement souris</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Appuyez sur une touche</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Appuyer sur une touche</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro ajoutée</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro supprimée</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Sélectionnez d&apos;abord une macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Enregistrement de la macro effacé</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Le nom de la macro ne peut pas être vide</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Nom de la macro modifié</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Sélectionnez d&apos;abord une position</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Le nombre maximal d&apos;événements est atteint</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Événement inséré</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Événement modifié</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro exportée</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Ouvrir un fichier de macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Fichiers de macro (*.xml)</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importée</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Enregistrement de la macro lancé</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Enregistrement de la macro arrêté</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Arrêter l&apos;enregistrement</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Cor/Ang</translation>
    </message>
    <message>
        <source>K14</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>K45</source>
        <translation>&lt;&gt;</translation>
    </message>
    <message>
        <source>K56</source>
        <translation>\ ろ</translation>
    </message>
    <message>
        <source>K131</source>
        <translation>無変換</translation>
    </message>
    <message>
        <source>K132</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>K133</source>
        <translation>かな</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>UpdateFirmwareInfoItem</source>
        <translation>UpdateFirmwareInfoItem</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Nom du produit&#xa0;:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Version actuelle&#xa0;:</translation>
    </message>
    <message>
        <source>Default LikeName</source>
        <translation>Default LikeName</translation>
    </message>
    <message>
        <source>V1.00.00</source>
        <translation>V1.00.00</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Progression&#xa0;:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nouvelle version&#xa0;:</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>V1.00.11</source>
        <translation>V1.00.11</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>Réattribution impossible</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Renommer</translation>
    </message>
</context>
</TS>
