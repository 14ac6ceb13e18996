<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Configuration and measurement program for multifunction power meters</source>
        <translation>Programme de configuration et de mesure pour centrales de mesure multifonctions</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation>Cliquer pour fermer</translation>
    </message>
</context>
<context>
    <name>ConfigFile</name>
    <message>
        <source>Voltage transformer</source>
        <translation>Transformateur de tension</translation>
    </message>
    <message>
        <source>Current transformer</source>
        <translation>Transformateur de courant</translation>
    </message>
    <message>
        <source>Digital output 1</source>
        <translation>Sortie numérique 1</translation>
    </message>
    <message>
        <source>Digital output 2</source>
        <translation>Sortie numérique 2</translation>
    </message>
    <message>
        <source>Limit on</source>
        <translation>Seuil enclenché</translation>
    </message>
    <message>
        <source>Limit off</source>
        <translation>Seuil déclenché</translation>
    </message>
    <message>
        <source>Pulse rate</source>
        <translation>Taux d&apos;impulsions</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Bus settings</source>
        <translation>Paramètres du bus</translation>
    </message>
    <message>
        <source>Save configuration</source>
        <translation>Enregistrer la configuration</translation>
    </message>
    <message>
        <source>Open configuration</source>
        <translation>Ouvrir la configuration</translation>
    </message>
</context>
<context>
    <name>ConfigTransfer</name>
    <message>
        <source>The meter&apos;s previous configuration was saved to %1</source>
        <translation>La configuration précédente de l&apos;appareil a été sauvegardée dans %1</translation>
    </message>
    <message>
        <source>No backup of the meter&apos;s configuration could be saved to %1</source>
        <translation>Aucune sauvegarde de la configuration de l&apos;appareil n&apos;a pu être enregistrée dans %1</translation>
    </message>
    <message>
        <source>Version information</source>
        <translation>Informations de version</translation>
    </message>
    <message>
        <source>Model: %1
Firmware: %2
Version: %3</source>
        <translation>Modèle : %1
Micrologiciel : %2
Version : %3</translation>
    </message>
</context>
<context>
    <name>DialogMessages</name>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Clear the logger</source>
        <translation>Effacer l&apos;enregistreur</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transfert</translation>
    </message>
    <message>
        <source>Data transfer in progress...</source>
        <translation>Transfert de données en cours...</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>1 phase, 2 wires (L-N)</source>
        <translation>Monophasé, 2 fils (L-N)</translation>
    </message>
    <message>
        <source>3 phases, 3 wires, balanced load</source>
        <translation>Triphasé, 3 fils, charge équilibrée</translation>
    </message>
    <message>
        <source>3 phases, 4 wires, balanced load</source>
        <translation>Triphasé, 4 fils, charge équilibrée</translation>
    </message>
    <message>
        <source>3 phases, 3 wires, 2 current transformers</source>
        <translation>Triphasé, 3 fils, 2 transformateurs de courant</translation>
    </message>
    <message>
        <source>3 phases, 3 wires, unbalanced load</source>
        <translation>Triphasé, 3 fils, charge déséquilibrée</translation>
    </message>
    <message>
        <source>3 phases, 4 wires, unbalanced load</source>
        <translation>Triphasé, 4 fils, charge déséquilibrée</translation>
    </message>
    <message>
        <source>3 phases, 4 wires, 3 voltage transformers</source>
        <translation>Triphasé, 4 fils, 3 transformateurs de tension</translation>
    </message>
    <message>
        <source>Not used</source>
        <translation>Non utilisée</translation>
    </message>
    <message>
        <source>Free (simulation)</source>
        <translation>Libre (simulation)</translation>
    </message>
    <message>
        <source>Limit output</source>
        <translation>Sortie de seuil</translation>
    </message>
    <message>
        <source>Pulse output</source>
        <translation>Sortie impulsions</translation>
    </message>
    <message>
        <source>Internal interval</source>
        <translation>Intervalle interne</translation>
    </message>
    <message>
        <source>External synchronisation</source>
        <translation>Synchronisation externe</translation>
    </message>
    <message>
        <source>No interval</source>
        <translation>Pas d&apos;intervalle</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>Non disponible</translation>
    </message>
    <message>
        <source>Synchronisation input</source>
        <translation>Entrée de synchronisation</translation>
    </message>
    <message>
        <source>Tariff input (HT/LT)</source>
        <translation>Entrée tarif (HP/HC)</translation>
    </message>
    <message>
        <source>Stop when full</source>
        <translation>Arrêt si plein</translation>
    </message>
    <message>
        <source>Overwrite oldest records</source>
        <translation>Écraser les plus anciens</translation>
    </message>
    <message>
        <source>no parity, 2 stop bits</source>
        <translation>sans parité, 2 bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>even parity, 2 stop bits</source>
        <translation>parité paire, 2 bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>odd parity, 2 stop bits</source>
        <translation>parité impaire, 2 bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>no parity, 1 stop bit</source>
        <translation>sans parité, 1 bit d&apos;arrêt</translation>
    </message>
    <message>
        <source>0.5 s</source>
        <translation>0,5 s</translation>
    </message>
    <message>
        <source>1 s</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>2 s</source>
        <translation>2 s</translation>
    </message>
    <message>
        <source>3 s</source>
        <translation>3 s</translation>
    </message>
    <message>
        <source>4 s</source>
        <translation>4 s</translation>
    </message>
    <message>
        <source>5 s</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>Fixed page</source>
        <translation>Page fixe</translation>
    </message>
    <message>
        <source>User pages</source>
        <translation>Pages utilisateur</translation>
    </message>
    <message>
        <source>Automatic loop</source>
        <translation>Défilement automatique</translation>
    </message>
    <message>
        <source>Loop by key</source>
        <translation>Défilement par touche</translation>
    </message>
    <message>
        <source>50 Hz</source>
        <translation>50 Hz</translation>
    </message>
    <message>
        <source>60 Hz</source>
        <translation>60 Hz</translation>
    </message>
    <message>
        <source>ZARO standard meter</source>
        <translation>Appareil ZARO standard</translation>
    </message>
    <message>
        <source>ZRM3 extended meter</source>
        <translation>Appareil ZRM3 étendu</translation>
    </message>
    <message>
        <source>ZRM3 with LANMOD57 module</source>
        <translation>ZRM3 avec module LANMOD57</translation>
    </message>
    <message>
        <source>code %1</source>
        <translation>code %1</translation>
    </message>
</context>
<context>
    <name>Demo</name>
    <message>
        <source>Demo</source>
        <translation>Démo</translation>
    </message>
    <message>
        <source>The simulated meter could not be started: %1</source>
        <translation>L'appareil simulé n'a pas pu être démarré : %1</translation>
    </message>
    <message>
        <source>zaro-sim was found neither beside the program nor in /usr/bin.</source>
        <translation>zaro-sim est introuvable, ni à côté du programme ni dans /usr/bin.</translation>
    </message>
    <message>
        <source>the demo settings could not be written.</source>
        <translation>les réglages de la démo n'ont pas pu être écrits.</translation>
    </message>
    <message>
        <source>Demo — simulated meter</source>
        <translation>Démo — appareil simulé</translation>
    </message>
    <message>
        <source>The program could not be started a second time.</source>
        <translation>Le programme n'a pas pu être lancé une seconde fois.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>ZARO Help</source>
        <translation>Aide ZARO</translation>
    </message>
    <message>
        <source>The help pages were not found in %1.</source>
        <translation>Les pages d&apos;aide sont introuvables dans %1.</translation>
    </message>
</context>
<context>
    <name>MainPanel</name>
    <message>
        <source>Device and interface</source>
        <translation>Appareil et interface</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Type d&apos;appareil</translation>
    </message>
    <message>
        <source>LANMOD57 module</source>
        <translation>Module LANMOD57</translation>
    </message>
    <message>
        <source>without interface option</source>
        <translation>sans option interface</translation>
    </message>
    <message>
        <source>with interface option</source>
        <translation>avec option interface</translation>
    </message>
    <message>
        <source>1 A</source>
        <translation>1 A</translation>
    </message>
    <message>
        <source>5 A</source>
        <translation>5 A</translation>
    </message>
    <message>
        <source>Current input</source>
        <translation>Entrée courant</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Network system and transformers</source>
        <translation>Réseau et transformateurs</translation>
    </message>
    <message>
        <source>Network system</source>
        <translation>Type de réseau</translation>
    </message>
    <message>
        <source>cos-phi correction</source>
        <translation>Correction cos-phi</translation>
    </message>
    <message>
        <source>Frequency locked</source>
        <translation>Fréquence fixe</translation>
    </message>
    <message>
        <source>Nominal frequency</source>
        <translation>Fréquence nominale</translation>
    </message>
    <message>
        <source>Digital outputs</source>
        <translation>Sorties numériques</translation>
    </message>
    <message>
        <source>Digital input</source>
        <translation>Entrée numérique</translation>
    </message>
    <message>
        <source>Synchronisation</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>verrouillé</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Mode d&apos;affichage</translation>
    </message>
    <message>
        <source>Display pages...</source>
        <translation>Pages d&apos;affichage...</translation>
    </message>
    <message>
        <source>Refresh time</source>
        <translation>Temps de rafraîchissement</translation>
    </message>
    <message>
        <source>Reactive quantities as incoming/outgoing</source>
        <translation>Grandeurs réactives en importé/exporté</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Enregistreur</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Powers</source>
        <translation>Puissances</translation>
    </message>
    <message>
        <source>Estimated recording time (days:hours:minutes)</source>
        <translation>Durée d&apos;enregistrement estimée (jours:heures:minutes)</translation>
    </message>
    <message>
        <source>Recording time</source>
        <translation>Durée d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Clear logger...</source>
        <translation>Effacer l&apos;enregistreur...</translation>
    </message>
    <message>
        <source>Mean values</source>
        <translation>Valeurs moyennes</translation>
    </message>
    <message>
        <source>Measurand</source>
        <translation>Grandeur</translation>
    </message>
    <message>
        <source>Logged</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Min/max logger (LANMOD57)</source>
        <translation>Enregistreur min/max (LANMOD57)</translation>
    </message>
    <message>
        <source>Description of the meter (at most 47 characters)</source>
        <translation>Description de l&apos;appareil (47 caractères au plus)</translation>
    </message>
</context>
<context>
    <name>MeasDisp</name>
    <message>
        <source>Voltages</source>
        <translation>Tensions</translation>
    </message>
    <message>
        <source>Currents</source>
        <translation>Courants</translation>
    </message>
    <message>
        <source>Powers</source>
        <translation>Puissances</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>L1</source>
        <translation>L1</translation>
    </message>
    <message>
        <source>L2</source>
        <translation>L2</translation>
    </message>
    <message>
        <source>L3</source>
        <translation>L3</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Instantaneous values</source>
        <translation>Valeurs instantanées</translation>
    </message>
    <message>
        <source>Lit while the meter is being read</source>
        <translation>Allumé pendant la lecture de l&apos;appareil</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
</context>
<context>
    <name>Measurands</name>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>PF</source>
        <translation>PF</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>U1N</source>
        <translation>U1N</translation>
    </message>
    <message>
        <source>U2N</source>
        <translation>U2N</translation>
    </message>
    <message>
        <source>U3N</source>
        <translation>U3N</translation>
    </message>
    <message>
        <source>U12</source>
        <translation>U12</translation>
    </message>
    <message>
        <source>U23</source>
        <translation>U23</translation>
    </message>
    <message>
        <source>U31</source>
        <translation>U31</translation>
    </message>
    <message>
        <source>I</source>
        <translation>I</translation>
    </message>
    <message>
        <source>I1</source>
        <translation>I1</translation>
    </message>
    <message>
        <source>I2</source>
        <translation>I2</translation>
    </message>
    <message>
        <source>I3</source>
        <translation>I3</translation>
    </message>
    <message>
        <source>Iavg</source>
        <translation>Iavg</translation>
    </message>
    <message>
        <source>I1avg</source>
        <translation>I1avg</translation>
    </message>
    <message>
        <source>I2avg</source>
        <translation>I2avg</translation>
    </message>
    <message>
        <source>I3avg</source>
        <translation>I3avg</translation>
    </message>
    <message>
        <source>IN</source>
        <translation>IN</translation>
    </message>
    <message>
        <source>P1</source>
        <translation>P1</translation>
    </message>
    <message>
        <source>P2</source>
        <translation>P2</translation>
    </message>
    <message>
        <source>P3</source>
        <translation>P3</translation>
    </message>
    <message>
        <source>Q1</source>
        <translation>Q1</translation>
    </message>
    <message>
        <source>Q2</source>
        <translation>Q2</translation>
    </message>
    <message>
        <source>Q3</source>
        <translation>Q3</translation>
    </message>
    <message>
        <source>S1</source>
        <translation>S1</translation>
    </message>
    <message>
        <source>S2</source>
        <translation>S2</translation>
    </message>
    <message>
        <source>S3</source>
        <translation>S3</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>PF1</source>
        <translation>PF1</translation>
    </message>
    <message>
        <source>PF2</source>
        <translation>PF2</translation>
    </message>
    <message>
        <source>PF3</source>
        <translation>PF3</translation>
    </message>
    <message>
        <source>Umean</source>
        <translation>Umean</translation>
    </message>
    <message>
        <source>Imean</source>
        <translation>Imean</translation>
    </message>
    <message>
        <source>UNE</source>
        <translation>UNE</translation>
    </message>
    <message>
        <source>Unb.I</source>
        <translation>Unb.I</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Meter</source>
        <translation>&amp;Appareil</translation>
    </message>
    <message>
        <source>M&amp;easurements</source>
        <translation>M&amp;esures</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;New configuration</source>
        <translation>&amp;Nouvelle configuration</translation>
    </message>
    <message>
        <source>&amp;Open configuration...</source>
        <translation>&amp;Ouvrir une configuration...</translation>
    </message>
    <message>
        <source>&amp;Save configuration...</source>
        <translation>&amp;Enregistrer la configuration...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Receive configuration from meter</source>
        <translation>&amp;Recevoir la configuration de l&apos;appareil</translation>
    </message>
    <message>
        <source>Sen&amp;d configuration to meter</source>
        <translation>&amp;Envoyer la configuration à l&apos;appareil</translation>
    </message>
    <message>
        <source>&amp;Version information</source>
        <translation>Informations de &amp;version</translation>
    </message>
    <message>
        <source>Restart &amp;mean-value interval</source>
        <translation>Redémarrer l&apos;intervalle de &amp;moyenne</translation>
    </message>
    <message>
        <source>&amp;Interface...</source>
        <translation>&amp;Interface...</translation>
    </message>
    <message>
        <source>&amp;Instantaneous values</source>
        <translation>Valeurs &amp;instantanées</translation>
    </message>
    <message>
        <source>Mi&amp;nimum and maximum values</source>
        <translation>Valeurs mi&amp;nimales et maximales</translation>
    </message>
    <message>
        <source>&amp;Energy meters</source>
        <translation>Compteurs d&apos;é&amp;nergie</translation>
    </message>
    <message>
        <source>&amp;Mean values</source>
        <translation>Valeurs &amp;moyennes</translation>
    </message>
    <message>
        <source>&amp;Harmonics</source>
        <translation>&amp;Harmoniques</translation>
    </message>
    <message>
        <source>&amp;Simulation of digital outputs</source>
        <translation>&amp;Simulation des sorties numériques</translation>
    </message>
    <message>
        <source>&amp;Logger</source>
        <translation>&amp;Enregistreur</translation>
    </message>
    <message>
        <source>Logger &amp;without meter</source>
        <translation>Enregistreur &amp;sans appareil</translation>
    </message>
    <message>
        <source>Display &amp;pages...</source>
        <translation>&amp;Pages d&apos;affichage...</translation>
    </message>
    <message>
        <source>&amp;Brightness...</source>
        <translation>&amp;Luminosité...</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About ZARO</source>
        <translation>&amp;À propos de ZARO</translation>
    </message>
    <message>
        <source>&amp;Back to the configuration</source>
        <translation>&amp;Retour à la configuration</translation>
    </message>
    <message>
        <source>&amp;Open logger file...</source>
        <translation>&amp;Ouvrir un fichier d&apos;enregistrement...</translation>
    </message>
    <message>
        <source>&amp;Save logger file...</source>
        <translation>&amp;Enregistrer le fichier d&apos;enregistrement...</translation>
    </message>
    <message>
        <source>&amp;Read from meter</source>
        <translation>&amp;Lire depuis l&apos;appareil</translation>
    </message>
    <message>
        <source>&amp;Profile graph</source>
        <translation>&amp;Graphique du profil</translation>
    </message>
    <message>
        <source>E&amp;xport to Excel...</source>
        <translation>E&amp;xporter vers Excel...</translation>
    </message>
    <message>
        <source>&amp;Minimum and maximum values</source>
        <translation>Valeurs &amp;minimales et maximales</translation>
    </message>
    <message>
        <source>Try with a &amp;simulated meter</source>
        <translation>Essayer avec un appareil &amp;simulé</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The serial port does not exist or is used by another program. Choose another port in the interface dialog or close the other program.</source>
        <translation>Le port série n&apos;existe pas ou est utilisé par un autre programme. Choisissez un autre port dans la fenêtre Interface ou fermez l&apos;autre programme.</translation>
    </message>
    <message>
        <source>The serial port could not be configured. Check the port settings in the interface dialog and reconnect the converter.</source>
        <translation>Le port série n&apos;a pas pu être configuré. Vérifiez les paramètres du port dans la fenêtre Interface et rebranchez le convertisseur.</translation>
    </message>
    <message>
        <source>The meter does not answer. Check the cable, the port, the address and the baud rate, and that the meter is switched on.</source>
        <translation>L&apos;appareil ne répond pas. Vérifiez le câble, le port, l&apos;adresse et la vitesse de transmission, et que l&apos;appareil est sous tension.</translation>
    </message>
    <message>
        <source>The meter&apos;s reply was incomplete or damaged. Check the cable and the connections, and that only one meter uses this address.</source>
        <translation>La réponse de l&apos;appareil était incomplète ou altérée. Vérifiez le câble et les raccordements, et qu&apos;un seul appareil utilise cette adresse.</translation>
    </message>
    <message>
        <source>No connection to the LANMOD57 module. Check its IP address, the network cable and that the module is switched on.</source>
        <translation>Pas de connexion au module LANMOD57. Vérifiez son adresse IP, le câble réseau et que le module est sous tension.</translation>
    </message>
    <message>
        <source>No connection to the gateway. Check its IP address, the TCP port and the network cable.</source>
        <translation>Pas de connexion à la passerelle. Vérifiez son adresse IP, le port TCP et le câble réseau.</translation>
    </message>
    <message>
        <source>The request could not be sent over the network. The connection was closed; try again.</source>
        <translation>La requête n&apos;a pas pu être envoyée sur le réseau. La connexion a été fermée ; réessayez.</translation>
    </message>
    <message>
        <source>%1 gave no valid reply in time. Check its connection to the meter and try again.</source>
        <translation>%1 n&apos;a pas donné de réponse valide à temps. Vérifiez sa liaison avec l&apos;appareil et réessayez.</translation>
    </message>
    <message>
        <source>%1 closed the connection before it replied. The request may have been carried out: check the result, then try again.</source>
        <translation>%1 a fermé la connexion avant de répondre. La requête a peut-être été exécutée : vérifiez le résultat, puis réessayez.</translation>
    </message>
    <message>
        <source>The gateway</source>
        <translation>La passerelle</translation>
    </message>
    <message>
        <source>The LANMOD57 module</source>
        <translation>Le module LANMOD57</translation>
    </message>
    <message>
        <source>The gateway gave no reply in time. Check the gateway and the meters behind it, then try again.</source>
        <translation>La passerelle n&apos;a pas répondu à temps. Vérifiez la passerelle et les appareils qui y sont raccordés, puis réessayez.</translation>
    </message>
    <message>
        <source>The addressed device does not respond. Check the device address and the device&apos;s connection.</source>
        <translation>L&apos;appareil interrogé ne répond pas. Vérifiez l&apos;adresse de l&apos;appareil et son raccordement.</translation>
    </message>
    <message>
        <source>The file cannot be opened. Check the name and that you may read it.</source>
        <translation>Impossible d&apos;ouvrir le fichier. Vérifiez le nom et que vous avez le droit de le lire.</translation>
    </message>
    <message>
        <source>The file has the wrong format and was not loaded. Nothing was changed.</source>
        <translation>Le fichier n&apos;a pas le bon format et n&apos;a pas été chargé. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The configuration is for a 1 A current input, but the meter has a 5 A input. Choose the meter&apos;s current range and send again.</source>
        <translation>La configuration est prévue pour une entrée courant 1 A, mais l&apos;appareil a une entrée 5 A. Choisissez le calibre de courant de l&apos;appareil et renvoyez la configuration.</translation>
    </message>
    <message>
        <source>The configuration is for a 5 A current input, but the meter has a 1 A input. Choose the meter&apos;s current range and send again.</source>
        <translation>La configuration est prévue pour une entrée courant 5 A, mais l&apos;appareil a une entrée 1 A. Choisissez le calibre de courant de l&apos;appareil et renvoyez la configuration.</translation>
    </message>
    <message>
        <source>The configuration is for another meter model. Choose the meter&apos;s model and send again.</source>
        <translation>La configuration est prévue pour un autre modèle d&apos;appareil. Choisissez le modèle de l&apos;appareil et renvoyez la configuration.</translation>
    </message>
    <message>
        <source>This meter does not measure harmonics. Harmonics are available on the ZRM3 model only.</source>
        <translation>Cet appareil ne mesure pas les harmoniques. Les harmoniques sont disponibles uniquement sur le modèle ZRM3.</translation>
    </message>
    <message>
        <source>The IP address is not valid. Enter four numbers from 0 to 255 separated by dots.</source>
        <translation>L&apos;adresse IP n&apos;est pas valide. Saisissez quatre nombres de 0 à 255 séparés par des points.</translation>
    </message>
    <message>
        <source>The subnet mask is not valid. Enter four numbers from 0 to 255 separated by dots.</source>
        <translation>Le masque de sous-réseau n&apos;est pas valide. Saisissez quatre nombres de 0 à 255 séparés par des points.</translation>
    </message>
    <message>
        <source>The default gateway address is not valid. Enter four numbers from 0 to 255 separated by dots.</source>
        <translation>L&apos;adresse de la passerelle par défaut n&apos;est pas valide. Saisissez quatre nombres de 0 à 255 séparés par des points.</translation>
    </message>
    <message>
        <source>The MAC address is not valid. Enter six pairs of hex digits 0-9, A-F separated by &apos;-&apos;, for example 00-30-11-0A-0B-0C.</source>
        <translation>L&apos;adresse MAC n&apos;est pas valide. Saisissez six paires de chiffres hexadécimaux 0-9, A-F séparées par &apos;-&apos;, par exemple 00-30-11-0A-0B-0C.</translation>
    </message>
    <message>
        <source>Send the configuration to the meter now? The meter&apos;s settings will be overwritten.</source>
        <translation>Envoyer maintenant la configuration à l&apos;appareil ? Les réglages de l&apos;appareil seront écrasés.</translation>
    </message>
    <message>
        <source>Clear the meter&apos;s logger? All logged records will be lost.</source>
        <translation>Effacer l&apos;enregistreur de l&apos;appareil ? Tous les enregistrements seront perdus.</translation>
    </message>
    <message>
        <source>The simulation frees the digital outputs from their limit or pulse function until it ends. Start the simulation?</source>
        <translation>Pendant la simulation, les sorties numériques ne remplissent plus leur fonction de seuil ou d&apos;impulsions, jusqu&apos;à la fin de la simulation. Démarrer la simulation ?</translation>
    </message>
    <message>
        <source>The meter&apos;s logger cannot be read (no meter, or nothing is logged). Open the logger anyway to work with files?</source>
        <translation>L&apos;enregistreur de l&apos;appareil ne peut pas être lu (pas d&apos;appareil, ou aucun enregistrement). Ouvrir quand même l&apos;enregistreur pour travailler avec des fichiers ?</translation>
    </message>
    <message>
        <source>The meter&apos;s firmware does not support the display refresh time. Send the configuration without it?</source>
        <translation>Le micrologiciel de l&apos;appareil ne prend pas en charge le temps de rafraîchissement de l&apos;affichage. Envoyer la configuration sans ce réglage ?</translation>
    </message>
    <message>
        <source>The meter&apos;s firmware does not support the cos-phi correction. Send the configuration without it?</source>
        <translation>Le micrologiciel de l&apos;appareil ne prend pas en charge la correction cos-phi. Envoyer la configuration sans ce réglage ?</translation>
    </message>
    <message>
        <source>The meter&apos;s firmware does not support the current unbalance display. Send the configuration without it?</source>
        <translation>Le micrologiciel de l&apos;appareil ne prend pas en charge l&apos;affichage du déséquilibre de courant. Envoyer la configuration sans ce réglage ?</translation>
    </message>
    <message>
        <source>The module&apos;s firmware may not support the min/max logger. Send the min/max logger settings anyway?</source>
        <translation>Le micrologiciel du module ne prend peut-être pas en charge l&apos;enregistreur min/max. Envoyer quand même les réglages de l&apos;enregistreur min/max ?</translation>
    </message>
    <message>
        <source>The logged quantities change. The logger should be cleared, or its records will no longer match. Continue sending?</source>
        <translation>Les grandeurs enregistrées changent. Effacez l&apos;enregistreur, sinon ses enregistrements ne correspondront plus. Continuer l&apos;envoi ?</translation>
    </message>
    <message>
        <source>Serial interface</source>
        <translation>Interface série</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Enregistreur</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Current input range</source>
        <translation>Calibre de l&apos;entrée courant</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Micrologiciel</translation>
    </message>
    <message>
        <source>Meter model</source>
        <translation>Modèle d&apos;appareil</translation>
    </message>
    <message>
        <source>Network connection</source>
        <translation>Connexion réseau</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>Paramètres réseau</translation>
    </message>
    <message>
        <source>ZARO</source>
        <translation>ZARO</translation>
    </message>
    <message>
        <source>Unexpected message (%1, %2).</source>
        <translation>Message inattendu (%1, %2).</translation>
    </message>
    <message>
        <source>The meter's present configuration could not be backed up, so this send could not be undone. Send without a backup?</source>
        <translation>La configuration actuelle de l'appareil n'a pas pu être sauvegardée ; cet envoi ne pourrait pas être annulé. Envoyer sans sauvegarde ?</translation>
    </message>
    <message>
        <source>The configuration holds values a configuration file cannot keep (for example a transformer ratio out of range). Nothing was saved.</source>
        <translation>La configuration contient des valeurs qu'un fichier de configuration ne peut pas conserver (par exemple un rapport de transformation hors limites). Rien n'a été enregistré.</translation>
    </message>
</context>
<context>
    <name>SelComm</name>
    <message>
        <source>Addresses 1 to 32</source>
        <translation>Adresses 1 à 32</translation>
    </message>
    <message>
        <source>Addresses 1 to 247</source>
        <translation>Adresses 1 à 247</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Vitesse (bauds)</translation>
    </message>
    <message>
        <source>No parity, 2 stop bits</source>
        <translation>Sans parité, 2 bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>Even parity, 2 stop bits</source>
        <translation>Parité paire, 2 bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>Odd parity, 2 stop bits</source>
        <translation>Parité impaire, 2 bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>No parity, 1 stop bit</source>
        <translation>Sans parité, 1 bit d&apos;arrêt</translation>
    </message>
    <message>
        <source>Character format</source>
        <translation>Format des caractères</translation>
    </message>
    <message>
        <source>RTS direction control</source>
        <translation>Commande du sens d&apos;émission par RTS</translation>
    </message>
    <message>
        <source>Close the port after each operation</source>
        <translation>Fermer le port après chaque opération</translation>
    </message>
    <message>
        <source>Searching address %1 ...</source>
        <translation>Recherche de l&apos;adresse %1 ...</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>RS-232</source>
        <translation>RS-232</translation>
    </message>
    <message>
        <source>RS-485</source>
        <translation>RS-485</translation>
    </message>
    <message>
        <source>Netbiter gateway (Modbus/TCP)</source>
        <translation>Passerelle Netbiter (Modbus/TCP)</translation>
    </message>
    <message>
        <source>LANMOD57 module (Modbus/TCP)</source>
        <translation>Module LANMOD57 (Modbus/TCP)</translation>
    </message>
    <message>
        <source>Reply time-out</source>
        <translation>Délai de réponse</translation>
    </message>
    <message>
        <source>RS-485 addresses</source>
        <translation>Adresses RS-485</translation>
    </message>
    <message>
        <source>Network devices</source>
        <translation>Appareils réseau</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Meter address</source>
        <translation>Adresse de l&apos;appareil</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>LANMOD57 module</source>
        <translation>Module LANMOD57</translation>
    </message>
</context>
<context>
    <name>DispModePanel</name>
    <message>
        <source>Loop: %1 of %3 pages, user: %2 of %3 pages</source>
        <translation>Boucle : %1 sur %3 pages, utilisateur : %2 sur %3 pages</translation>
    </message>
    <message>
        <source>Click to switch the whole row</source>
        <translation>Cliquer pour basculer toute la ligne</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Mode d&apos;affichage</translation>
    </message>
    <message>
        <source>Loop time</source>
        <translation>Durée de boucle</translation>
    </message>
    <message>
        <source>Loop pages</source>
        <translation>Pages de la boucle</translation>
    </message>
    <message>
        <source>User pages</source>
        <translation>Pages utilisateur</translation>
    </message>
    <message>
        <source>Current unbalance instead of IN</source>
        <translation>Déséquilibre de courant au lieu de IN</translation>
    </message>
    <message>
        <source>Clear set</source>
        <translation>Vider la sélection</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Display pages</source>
        <translation>Pages d&apos;affichage</translation>
    </message>
    <message>
        <source>Double-click a page or press Space to switch it; yellow pages are shown by the meter.</source>
        <translation>Double-clic ou Espace bascule une page ; les pages jaunes sont affichées par l&apos;appareil.</translation>
    </message>
</context>
<context>
    <name>SimulationPanel</name>
    <message>
        <source>The connection failed and the simulation has ended. The outputs have their functions back.</source>
        <translation>La connexion a échoué et la simulation est terminée. Les sorties ont retrouvé leurs fonctions.</translation>
    </message>
    <message>
        <source>The connection failed and the simulation has ended, but the outputs could not be given their functions back. Check the connection and close: closing tries again.</source>
        <translation>La connexion a échoué et la simulation est terminée, mais les sorties n&apos;ont pas pu retrouver leurs fonctions. Vérifiez la connexion et fermez : la fermeture réessaie.</translation>
    </message>
    <message>
        <source>Digital output 2</source>
        <translation>Sortie numérique 2</translation>
    </message>
    <message>
        <source>Digital output 1</source>
        <translation>Sortie numérique 1</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Simulation of the digital outputs</source>
        <translation>Simulation des sorties numériques</translation>
    </message>
    <message>
        <source>The outputs could not be given their limit or pulse functions back. Check the connection and close again to retry; if that fails too, send the configuration to the meter later to restore them.</source>
        <translation>Les sorties n&apos;ont pas pu retrouver leur fonction de seuil ou d&apos;impulsion. Vérifiez la connexion et fermez à nouveau ; si cela échoue aussi, envoyez plus tard la configuration à l&apos;appareil pour les rétablir.</translation>
    </message>
    <message>
        <source>The simulation did not start, and the outputs it freed could not be given their functions back.</source>
        <translation>La simulation n&apos;a pas démarré et les sorties libérées n&apos;ont pas pu retrouver leurs fonctions.</translation>
    </message>
</context>
<context>
    <name>BrightnessPopup</name>
    <message>
        <source>Display brightness</source>
        <translation>Luminosité de l&apos;afficheur</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Clair</translation>
    </message>
</context>
</TS>
