<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>kavimo</name>
    <message>
        <source>The pictures cannot be queued for the archive (PACS): the disk may be full or kavimo&apos;s folder not writable. Free some space or ask your technician (%1).</source>
        <translation>Les images ne peuvent pas être mises en file d’attente pour l’archive (PACS)&#xa0;: le disque est peut-être plein ou le dossier de kavimo protégé en écriture. Libérez de l’espace ou contactez votre technicien (%1).</translation>
    </message>
    <message>
        <source>Sending %1 of %2 to the PACS…</source>
        <translation>Envoi de %1 sur %2 au PACS…</translation>
    </message>
    <message>
        <source>PACS not reachable: %1 waiting, sent when it answers. Check the network and the archive&apos;s address in Settings.</source>
        <translation>PACS injoignable&#xa0;: %1 en attente, à envoyer dès qu’il répondra. Vérifiez le réseau et l’adresse de l’archive dans les paramètres.</translation>
    </message>
    <message>
        <source>Sent %1 of %2 to the PACS; the archive refused %3. Ask its administrator (see the log).</source>
        <translation>%1 sur %2 envoyées au PACS&#xa0;; l’archive en a refusé %3. Contactez son administrateur (voir le journal).</translation>
    </message>
    <message>
        <source>PACS: %1</source>
        <translation>PACS&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sent %1 of %2 to the PACS</source>
        <translation>%1 sur %2 envoyées au PACS</translation>
    </message>
    <message>
        <source>No archive (PACS) is set up. Enter its AE title, host and port in the Settings dialog: right-click the main window and choose &quot;Settings...&quot;, then restart kavimo.</source>
        <translation>Aucune archive (PACS) n’est configurée. Saisissez son titre AE, son hôte et son port dans les paramètres&#xa0;: cliquez avec le bouton droit dans la fenêtre principale, choisissez «&#xa0;Paramètres...&#xa0;», puis redémarrez kavimo.</translation>
    </message>
    <message>
        <source>PACS (the clinic&apos;s archive)</source>
        <translation>PACS (archive du cabinet)</translation>
    </message>
    <message>
        <source>Archive AE title</source>
        <translation>Titre AE de l’archive</translation>
    </message>
    <message>
        <source>none: no archive</source>
        <translation>vide&#xa0;: pas d’archive</translation>
    </message>
    <message>
        <source>Archive host</source>
        <translation>Hôte de l’archive</translation>
    </message>
    <message>
        <source>Archive DICOM port</source>
        <translation>Port DICOM de l’archive</translation>
    </message>
    <message>
        <source>kavimo&apos;s AE title</source>
        <translation>Titre AE de kavimo</translation>
    </message>
    <message>
        <source>Send every stored picture (on/off)</source>
        <translation>Envoyer chaque image enregistrée (on/off)</translation>
    </message>
    <message>
        <source>Worklist modality</source>
        <translation>Modalité de la worklist</translation>
    </message>
    <message>
        <source>Worklist of this station or all (this/all)</source>
        <translation>Worklist de ce poste ou de tous (this/all)</translation>
    </message>
    <message>
        <source>Connect over TLS (the archive must show a certificate the CA signed)</source>
        <translation>Connexion via TLS (l’archive doit présenter un certificat signé par l’autorité de certification)</translation>
    </message>
    <message>
        <source>CA certificates to trust (PEM)</source>
        <translation>Certificats d’AC de confiance (PEM)</translation>
    </message>
    <message>
        <source>required with TLS</source>
        <translation>requis avec TLS</translation>
    </message>
    <message>
        <source>kavimo&apos;s certificate (PEM)</source>
        <translation>Certificat de kavimo (PEM)</translation>
    </message>
    <message>
        <source>none: only if the archive asks for one</source>
        <translation>vide&#xa0;: seulement si l’archive en demande un</translation>
    </message>
    <message>
        <source>kavimo&apos;s private key (PEM)</source>
        <translation>Clé privée de kavimo (PEM)</translation>
    </message>
    <message>
        <source>none: goes with the certificate</source>
        <translation>vide&#xa0;: va avec le certificat</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>Tester la connexion</translation>
    </message>
    <message>
        <source>Give the archive&apos;s AE title, host and port first.</source>
        <translation>Indiquez d’abord le titre AE, l’hôte et le port de l’archive.</translation>
    </message>
    <message>
        <source>Connecting to %1%2…</source>
        <translation>Connexion à %1%2…</translation>
    </message>
    <message>
        <source> over TLS</source>
        <translation> via TLS</translation>
    </message>
    <message>
        <source>%1 answers.</source>
        <translation>%1 répond.</translation>
    </message>
    <message>
        <source>Worklist</source>
        <translation>Worklist</translation>
    </message>
    <message>
        <source>Patients scheduled for %1 (only the first %2: the PACS sent more):</source>
        <translation>Patients prévus le %1 (seulement les %2 premiers&#xa0;: le PACS en a envoyé davantage)&#xa0;:</translation>
    </message>
    <message>
        <source>The worklist schedules no patient for %1.</source>
        <translation>La worklist ne prévoit aucun patient le %1.</translation>
    </message>
    <message>
        <source>Patients scheduled for %1:</source>
        <translation>Patients prévus le %1&#xa0;:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Patient ID</source>
        <translation>ID patient</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Né(e) le</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Accession</source>
        <translation>N° d’accès</translation>
    </message>
    <message>
        <source>Procedure</source>
        <translation>Examen</translation>
    </message>
    <message>
        <source>Not taken as the PACS sent it:
</source>
        <translation>Non repris tel que le PACS l’a envoyé&#xa0;:
</translation>
    </message>
    <message>
        <source>
… and %1 more</source>
        <translation>
… et %1 de plus</translation>
    </message>
    <message>
        <source>Another day:</source>
        <translation>Autre jour&#xa0;:</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Asking the PACS for the worklist of %1…</source>
        <translation>Demande de la worklist du %1 au PACS…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cannot read the worklist: %1</source>
        <translation>Impossible de lire la worklist&#xa0;: %1</translation>
    </message>
    <message>
        <source>The demo cannot start: %1.</source>
        <translation>La démo ne peut pas démarrer&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Oral image acquisition system</source>
        <translation>Système d’acquisition d’images intra-orales</translation>
    </message>
    <message>
        <source>the running kavimo did not open patient %1: %2</source>
        <translation>l’instance de kavimo en cours d’exécution n’a pas ouvert le patient %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the patient was not opened: %1</source>
        <translation>le patient n’a pas été ouvert&#xa0;: %1</translation>
    </message>
    <message>
        <source>kavimo cannot start: %1.</source>
        <translation>kavimo ne peut pas démarrer&#xa0;: %1.</translation>
    </message>
    <message>
        <source>the pictures were not exported: %1</source>
        <translation>les images n’ont pas été exportées&#xa0;: %1</translation>
    </message>
    <message>
        <source>the pictures were not shown: %1</source>
        <translation>les images n’ont pas été affichées&#xa0;: %1</translation>
    </message>
    <message>
        <source>the camera link cannot open its sockets on 127.0.0.1</source>
        <translation>la liaison caméra ne peut pas ouvrir ses sockets sur 127.0.0.1</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>4 images</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Pickup</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Figer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Choose, create or find a patient</source>
        <translation>Choisir, créer ou rechercher un patient</translation>
    </message>
    <message>
        <source>Start or stop the camera&apos;s live picture</source>
        <translation>Démarrer ou arrêter l’image en direct de la caméra</translation>
    </message>
    <message>
        <source>Freeze the live picture; press again (Save Pic) to store it</source>
        <translation>Figer l’image en direct&#xa0;; appuyer de nouveau («&#xa0;Enregistrer l’image&#xa0;») pour l’enregistrer</translation>
    </message>
    <message>
        <source>Add picture files to this patient</source>
        <translation>Ajouter des fichiers image à ce patient</translation>
    </message>
    <message>
        <source>Copy the picked pictures (or all of them) to a folder</source>
        <translation>Copier les images sélectionnées (ou toutes) dans un dossier</translation>
    </message>
    <message>
        <source>Pick up to four pictures for the report and the export</source>
        <translation>Sélectionner jusqu’à quatre images pour le compte rendu et l’exportation</translation>
    </message>
    <message>
        <source>Preview, print or save the report as PDF</source>
        <translation>Prévisualiser, imprimer ou enregistrer le compte rendu en PDF</translation>
    </message>
    <message>
        <source>Store the drawing on the shown picture</source>
        <translation>Enregistrer le dessin sur l’image affichée</translation>
    </message>
    <message>
        <source>Store the shown picture with its drawing as a new picture</source>
        <translation>Enregistrer l’image affichée avec son dessin comme nouvelle image</translation>
    </message>
    <message>
        <source>Take back the last stroke</source>
        <translation>Annuler le dernier trait</translation>
    </message>
    <message>
        <source>Show four pictures at once, or one again</source>
        <translation>Afficher quatre images à la fois, ou de nouveau une seule</translation>
    </message>
    <message>
        <source>Delete the shown picture (it goes to the trash)</source>
        <translation>Supprimer l’image affichée (elle va dans la corbeille)</translation>
    </message>
    <message>
        <source>Store the diagnosis</source>
        <translation>Enregistrer le diagnostic</translation>
    </message>
    <message>
        <source>Scroll the thumbnails up</source>
        <translation>Faire défiler les miniatures vers le haut</translation>
    </message>
    <message>
        <source>Scroll the thumbnails down</source>
        <translation>Faire défiler les miniatures vers le bas</translation>
    </message>
    <message>
        <source>Close kavimo (unsaved work is asked about first)</source>
        <translation>Fermer kavimo (avec confirmation si du travail n’est pas enregistré)</translation>
    </message>
    <message>
        <source>Thick</source>
        <translation>Épais</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Num：</source>
        <translation>N°&#xa0;: </translation>
    </message>
    <message>
        <source>Name：</source>
        <translation>Nom&#xa0;: </translation>
    </message>
    <message>
        <source>Sex：</source>
        <translation>Sexe&#xa0;: </translation>
    </message>
    <message>
        <source>Age：</source>
        <translation>Âge&#xa0;: </translation>
    </message>
    <message>
        <source>Phone：</source>
        <translation>Tél.&#xa0;: </translation>
    </message>
    <message>
        <source>Disease：</source>
        <translation>Diagnostic&#xa0;: </translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The patient %1 of the practice-management system could not be opened: %2.</source>
        <translation>Le patient %1 du logiciel de gestion du cabinet n’a pas pu être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Capturer</translation>
    </message>
    <message>
        <source>ID：</source>
        <translation>ID&#xa0;: </translation>
    </message>
    <message>
        <source>ID：UID%1</source>
        <translation>ID&#xa0;: UID%1</translation>
    </message>
    <message>
        <source>Age：%1</source>
        <translation>Âge&#xa0;: %1</translation>
    </message>
    <message>
        <source>Age：%1 (born %2)</source>
        <translation>Âge&#xa0;: %1 (né(e) le %2)</translation>
    </message>
    <message>
        <source>The diagnosis has not been saved. Save it?</source>
        <translation>Le diagnostic n’a pas été enregistré. L’enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>The strokes on the picture have not been saved. Save them?</source>
        <translation>Les annotations de l’image n’ont pas été enregistrées. Les enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>WIFI connected！</source>
        <translation>Connecté&#xa0;!</translation>
    </message>
    <message>
        <source>WIFI disconnect！</source>
        <translation>Déconnecté&#xa0;!</translation>
    </message>
    <message>
        <source>Settings(&amp;S)...</source>
        <translation>&amp;Paramètres...</translation>
    </message>
    <message>
        <source>关于 kavimo(&amp;A)...</source>
        <translation>À &amp;propos de kavimo...</translation>
    </message>
    <message>
        <source>Export as DICOM…</source>
        <translation>Exporter en DICOM…</translation>
    </message>
    <message>
        <source>Send to PACS</source>
        <translation>Envoyer au PACS</translation>
    </message>
    <message>
        <source>Revert to original</source>
        <translation>Revenir à l’original</translation>
    </message>
    <message>
        <source>Restore deleted pictures…</source>
        <translation>Restaurer des images supprimées…</translation>
    </message>
    <message>
        <source>Teeth and view…</source>
        <translation>Dents et vue…</translation>
    </message>
    <message>
        <source>Show pictures of a tooth or view…</source>
        <translation>Afficher les images d’une dent ou d’une vue…</translation>
    </message>
    <message>
        <source>Show all pictures</source>
        <translation>Afficher toutes les images</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.bmp)</source>
        <translation>Images (*.jpg *.jpeg *.png *.bmp)</translation>
    </message>
    <message>
        <source>Please select output dir：</source>
        <translation>Choisissez le dossier de destination&#xa0;:</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>pas une image</translation>
    </message>
    <message>
        <source>a %1 picture that cannot be read: %2</source>
        <translation>une image %1 illisible&#xa0;: %2</translation>
    </message>
    <message>
        <source>Save Pic</source>
        <translation>Enregistrer l’image</translation>
    </message>
    <message>
        <source>Fail to Save！</source>
        <translation>Échec de l’enregistrement&#xa0;!</translation>
    </message>
    <message>
        <source>Fail to Save！
%1</source>
        <translation>Échec de l’enregistrement&#xa0;!
%1</translation>
    </message>
    <message>
        <source>Fail to save picture！</source>
        <translation>Impossible d’enregistrer l’image&#xa0;!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>the picture could not be read, so it is not written over</source>
        <translation>l’image n’a pas pu être lue, elle n’est donc pas écrasée</translation>
    </message>
    <message>
        <source>not a picture in the patient&apos;s directory</source>
        <translation>pas une image du dossier du patient</translation>
    </message>
    <message>
        <source>its original cannot be kept: </source>
        <translation>son original ne peut pas être conservé&#xa0;: </translation>
    </message>
    <message>
        <source>Fail to Save！
%1: %2</source>
        <translation>Échec de l’enregistrement&#xa0;!
%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Revert %1 to the picture as it was taken?
The strokes saved on it are lost.</source>
        <translation>Rétablir l’image %1 telle qu’elle a été prise&#xa0;?
Les annotations enregistrées dessus seront perdues.</translation>
    </message>
    <message>
        <source>Fail to revert！
%1: %2</source>
        <translation>Échec du rétablissement&#xa0;!
%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Restore deleted pictures</source>
        <translation>Restaurer des images supprimées</translation>
    </message>
    <message>
        <source>no free picture name</source>
        <translation>aucun nom d’image libre</translation>
    </message>
    <message>
        <source>Fail to import:
%1</source>
        <translation>Échec de l’importation&#xa0;:
%1</translation>
    </message>
    <message>
        <source>picture output</source>
        <translation>Sortie des images</translation>
    </message>
    <message>
        <source>This patient has no pictures to export.</source>
        <translation>Ce patient n’a aucune image à exporter.</translation>
    </message>
    <message>
        <source>No picture is picked. Export the patient&apos;s picture?</source>
        <translation>Aucune image n’est sélectionnée. Exporter l’image du patient&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>No picture is picked. Export all %n pictures?</source>
        <translation>
            <numerusform>Aucune image n’est sélectionnée. Exporter %n image&#xa0;?</numerusform>
            <numerusform>Aucune image n’est sélectionnée. Exporter les %n images&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Choose another one.</source>
        <translation>Le dossier %1 n’existe pas. Choisissez-en un autre.</translation>
    </message>
    <message>
        <source>picture %1: it is no longer in the patient&apos;s list</source>
        <translation>image %1&#xa0;: elle ne figure plus dans la liste du patient</translation>
    </message>
    <message>
        <source>%1: not a file name</source>
        <translation>%1&#xa0;: pas un nom de fichier</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures exported to %1.</source>
        <translation>
            <numerusform>%n image exportée vers %1.</numerusform>
            <numerusform>%n images exportées vers %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

Fail to export:
%2</source>
        <translation>%1

Échec de l’exportation&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Êtes-vous sûr&#xa0;?</translation>
    </message>
    <message>
        <source>

Delete the picture of %1-%2-%3 %4:%5:%6?
It goes to the trash, from which it can be restored for %7 days.</source>
        <translation>

Supprimer l’image du %1-%2-%3 %4:%5:%6&#xa0;?
Elle est placée dans la corbeille, d’où elle peut être restaurée pendant %7 jours.</translation>
    </message>
    <message>
        <source>Picture delete</source>
        <translation>Supprimer l’image</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Restore the unsaved work of %1 from %2?</source>
        <translation>Restaurer le travail non enregistré de %1 du %2&#xa0;?</translation>
    </message>
    <message>
        <source>The camera&apos;s video cannot be received: UDP port %1 (%2) is not available.</source>
        <translation>La vidéo de la caméra ne peut pas être reçue&#xa0;: le port UDP %1 (%2) n’est pas disponible.</translation>
    </message>
    <message>
        <source>PACS</source>
        <translation>PACS</translation>
    </message>
    <message>
        <source>DICOMDIR: %1</source>
        <translation>DICOMDIR&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 of %2 to %3%4%5</source>
        <translation>%1 sur %2 vers %3%4%5</translation>
    </message>
    <message>
        <source>; cancelled</source>
        <translation>&#xa0;; annulé</translation>
    </message>
    <message>
        <source>; failed: </source>
        <translation>&#xa0;; échec&#xa0;: </translation>
    </message>
    <message numerus="yes">
        <source>%n DICOM files written to %1, with a DICOMDIR</source>
        <translation>
            <numerusform>%n fichier DICOM écrit dans %1, avec un DICOMDIR</numerusform>
            <numerusform>%n fichiers DICOM écrits dans %1, avec un DICOMDIR</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Export cancelled: %1 of %n DICOM files written to %2, with a DICOMDIR</source>
        <translation>
            <numerusform>Exportation annulée&#xa0;: %1 sur %n fichier DICOM écrit dans %2, avec un DICOMDIR</numerusform>
            <numerusform>Exportation annulée&#xa0;: %1 sur %n fichiers DICOM écrits dans %2, avec un DICOMDIR</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n DICOM files written; failed:
%2</source>
        <translation>
            <numerusform>%1 sur %n fichier DICOM écrit&#xa0;; échec&#xa0;:
%2</numerusform>
            <numerusform>%1 sur %n fichiers DICOM écrits&#xa0;; échec&#xa0;:
%2</numerusform>
        </translation>
    </message>
    <message>
        <source>The patient has no pictures to export.</source>
        <translation>Le patient n’a aucune image à exporter.</translation>
    </message>
    <message>
        <source>Export as DICOM</source>
        <translation>Exporter en DICOM</translation>
    </message>
    <message>
        <source>Invalid dir</source>
        <translation>Dossier non valide</translation>
    </message>
    <message numerus="yes">
        <source>Exporting %n pictures as DICOM to
%1</source>
        <translation>
            <numerusform>Exportation de %n image en DICOM vers
%1</numerusform>
            <numerusform>Exportation de %n images en DICOM vers
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>The patient has no pictures to send.</source>
        <translation>Le patient n’a aucune image à envoyer.</translation>
    </message>
    <message>
        <source>kavimo is starting or closing</source>
        <translation>kavimo est en cours de démarrage ou de fermeture</translation>
    </message>
    <message>
        <source>a dialog is open in kavimo; close it and try again</source>
        <translation>une boîte de dialogue est ouverte dans kavimo&#xa0;; fermez-la et réessayez</translation>
    </message>
    <message>
        <source>the user stayed with the patient on screen to keep unsaved work</source>
        <translation>l’utilisateur est resté sur le patient affiché pour conserver le travail non enregistré</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>1 image</translation>
    </message>
    <message>
        <source>Teeth and view</source>
        <translation>Dents et vue</translation>
    </message>
    <message>
        <source>Teeth </source>
        <translation>Dents </translation>
    </message>
    <message>
        <source>The teeth of %1 were not given to %2:
%3</source>
        <translation>Les dents de %1 n’ont pas été reportées sur %2&#xa0;:
%3</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n image</numerusform>
            <numerusform>%n images</numerusform>
        </translation>
    </message>
    <message>
        <source>The teeth were not stored:
%1</source>
        <translation>Les dents n’ont pas été enregistrées&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Show pictures of</source>
        <translation>Afficher les images de</translation>
    </message>
    <message>
        <source>A tooth (%1) or a view (frontal, left buccal, right buccal, upper occlusal, lower occlusal, close-up, other).
Empty shows every picture.</source>
        <translation>Une dent (%1) ou une vue (frontal, left buccal, right buccal, upper occlusal, lower occlusal, close-up, other).
Vide&#xa0;: toutes les images.</translation>
    </message>
    <message>
        <source>1–32 or A–T</source>
        <translation>1–32 ou A–T</translation>
    </message>
    <message>
        <source>UR1, LLA</source>
        <translation>UR1, LLA</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a tooth nor a view.</source>
        <translation>«&#xa0;%1&#xa0;» n’est ni une dent ni une vue.</translation>
    </message>
    <message>
        <source>Show a picture, or pick two, to compare.</source>
        <translation>Affichez une image, ou sélectionnez-en deux, pour comparer.</translation>
    </message>
    <message>
        <source>The picture shown has no teeth yet: tag it with its teeth, or pick two pictures.</source>
        <translation>L’image affichée n’a pas encore de dents&#xa0;: indiquez ses dents, ou sélectionnez deux images.</translation>
    </message>
    <message>
        <source>No earlier picture shows the same teeth.</source>
        <translation>Aucune image antérieure ne montre les mêmes dents.</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <translation>impossible de créer %1</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>impossible de créer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the picture with the strokes cannot be encoded</source>
        <translation>l’image avec les annotations ne peut pas être encodée</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>impossible d’écrire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Faile to create WorkDir!</source>
        <translation>Impossible de créer le répertoire de travail&#xa0;!</translation>
    </message>
    <message>
        <source>Create WorkDir successfull!</source>
        <translation>Répertoire de travail créé avec succès&#xa0;!</translation>
    </message>
    <message>
        <source>Faile to  create user dir！</source>
        <translation>Impossible de créer le dossier du patient&#xa0;!</translation>
    </message>
    <message>
        <source>User does not exist！</source>
        <translation>Le patient n’existe pas&#xa0;!</translation>
    </message>
    <message>
        <source>other</source>
        <translation>autre</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>female</source>
        <translation>féminin</translation>
    </message>
    <message>
        <source>male</source>
        <translation>masculin</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Féminin</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Masculin</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>User Management</source>
        <translation>Gestion des patients</translation>
    </message>
    <message>
        <source>User List：</source>
        <translation>Patients&#xa0;:</translation>
    </message>
    <message>
        <source>Picture List：</source>
        <translation>Images&#xa0;:</translation>
    </message>
    <message>
        <source>Preview：</source>
        <translation>Aperçu&#xa0;: </translation>
    </message>
    <message>
        <source>Born：</source>
        <translation>Né&#xa0;: </translation>
    </message>
    <message>
        <source>sex：</source>
        <translation>Sexe&#xa0;: </translation>
    </message>
    <message>
        <source>Hospital：</source>
        <translation>Cabinet&#xa0;: </translation>
    </message>
    <message>
        <source>Description：</source>
        <translation>Diagnostic&#xa0;: </translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>ID patient</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Âge</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Disease</source>
        <translation>Diagnostic</translation>
    </message>
    <message>
        <source>Click a column&apos;s title to sort by it</source>
        <translation>Cliquez sur le titre d’une colonne pour trier</translation>
    </message>
    <message>
        <source>Search: part of the name, ID or phone</source>
        <translation>Recherche&#xa0;: partie du nom, de l’ID ou du téléphone</translation>
    </message>
    <message>
        <source>YYYYMMDD</source>
        <translation>YYYYMMDD</translation>
    </message>
    <message>
        <source>Birth date, YYYYMMDD or YYYY-MM-DD; the age then follows it</source>
        <translation>Date de naissance, YYYYMMDD ou YYYY-MM-DD&#xa0;; l’âge en est déduit</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Définir</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>Chercher</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Restore deleted patients…</source>
        <translation>Corbeille…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No patient matches &quot;%1&quot;.</source>
        <translation>Aucun patient ne correspond à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Please enter name！</source>
        <translation>Veuillez saisir le nom&#xa0;!</translation>
    </message>
    <message>
        <source>Please enter the birth date as YYYY-MM-DD, not after today！</source>
        <translation>Veuillez saisir la date de naissance au format YYYY-MM-DD, au plus tard aujourd’hui&#xa0;!</translation>
    </message>
    <message>
        <source>Please enter age！</source>
        <translation>Veuillez saisir l’âge&#xa0;!</translation>
    </message>
    <message>
        <source>Please enter phone！</source>
        <translation>Veuillez saisir le numéro de téléphone&#xa0;!</translation>
    </message>
    <message>
        <source>Please choose sex (Female, Male, Other or Unknown)！</source>
        <translation>Veuillez choisir le sexe (Féminin, Masculin, Autre ou Inconnu)&#xa0;!</translation>
    </message>
    <message>
        <source>The patient&apos;s record was written, but the name, phone and birth date as typed were not kept: %1</source>
        <translation>Le dossier du patient a été écrit, mais le nom, le téléphone et la date de naissance tels que saisis n’ont pas été conservés&#xa0;: %1</translation>
    </message>
    <message>
        <source>The patient was created, but the worklist&apos;s order was not kept, so the pictures will not be attached to it in the archive: %1</source>
        <translation>Le patient a été créé, mais la demande de la worklist n’a pas été conservée&#xa0;; les images ne lui seront donc pas rattachées dans l’archive&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>The patient list is full: at most %n patients can be kept！</source>
        <translation>
            <numerusform>La liste des patients est pleine&#xa0;: au plus %n patient peut être conservé&#xa0;!</numerusform>
            <numerusform>La liste des patients est pleine&#xa0;: au plus %n patients peuvent être conservés&#xa0;!</numerusform>
        </translation>
    </message>
    <message>
        <source>A patient was created less than a second ago; please press Create again！</source>
        <translation>Un patient a été créé il y a moins d’une seconde&#xa0;; veuillez appuyer de nouveau sur «&#xa0;Créer&#xa0;»&#xa0;!</translation>
    </message>
    <message>
        <source>Are you sure delete？</source>
        <translation>Voulez-vous vraiment supprimer&#xa0;?</translation>
    </message>
    <message>
        <source>Delete the patient %1 (%2) and %3?</source>
        <translation>Supprimer le patient %1 (%2) et %3&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n patients and their %1?</source>
        <translation>
            <numerusform>Supprimer %n patient et ses %1&#xa0;?</numerusform>
            <numerusform>Supprimer %n patients et leurs %1&#xa0;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>

%1
They go to the trash, from which &quot;Restore deleted patients…&quot; brings them back for %n days.</source>
        <translation>
            <numerusform>

%1
Ils vont dans la corbeille, d’où «&#xa0;Corbeille…&#xa0;» peut les restaurer pendant %n jour.</numerusform>
            <numerusform>

%1
Ils vont dans la corbeille, d’où «&#xa0;Corbeille…&#xa0;» peut les restaurer pendant %n jours.</numerusform>
        </translation>
    </message>
    <message>
        <source>There are no deleted patients to restore.</source>
        <translation>Il n’y a aucun patient supprimé à restaurer.</translation>
    </message>
    <message>
        <source>Restore deleted patients</source>
        <translation>Restaurer des patients supprimés</translation>
    </message>
    <message>
        <source>Please enter hospital name！</source>
        <translation>Veuillez saisir le nom du cabinet&#xa0;!</translation>
    </message>
    <message>
        <source>Set hospital successfull！</source>
        <translation>Cabinet défini avec succès&#xa0;!</translation>
    </message>
    <message>
        <source>Turn a quarter to the left (Shift+R)</source>
        <translation>Tourner d’un quart vers la gauche (Maj+R)</translation>
    </message>
    <message>
        <source>Turn a quarter to the right (R)</source>
        <translation>Tourner d’un quart vers la droite (R)</translation>
    </message>
    <message>
        <source>+ / − zoom   0 as it came   R turn   arrows move   Esc close</source>
        <translation>+ / − zoom   0 taille d’origine   R rotation   flèches déplacer   Échap fermer</translation>
    </message>
    <message>
        <source>not on the d: drive</source>
        <translation>pas sur le lecteur d:</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>The picture cannot be read.</source>
        <translation>L’image ne peut pas être lue.</translation>
    </message>
    <message>
        <source>Wheel or + and − zoom both, dragging moves both; double-click fits them.</source>
        <translation>La molette ou + et − zooment les deux, le glissement déplace les deux&#xa0;; un double-clic les ajuste.</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation>il n’y a aucune image à écrire</translation>
    </message>
    <message>
        <source>cannot encode the picture as %1: %2</source>
        <translation>impossible d’encoder l’image en %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is a link to a file outside the work directory</source>
        <translation>c’est un lien vers un fichier hors du répertoire de travail</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the path lies outside the d: drive</source>
        <translation>le chemin est hors du lecteur d:</translation>
    </message>
    <message>
        <source>Which teeth does %1 show?</source>
        <translation>Quelles dents montre %1&#xa0;?</translation>
    </message>
    <message>
        <source>right</source>
        <translation>droite</translation>
    </message>
    <message>
        <source>left</source>
        <translation>gauche</translation>
    </message>
    <message>
        <source>FDI %1</source>
        <translation>FDI %1</translation>
    </message>
    <message>
        <source>View:</source>
        <translation>Vue&#xa0;:</translation>
    </message>
    <message>
        <source>(not given)</source>
        <translation>(non indiquée)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>No tooth chosen.</source>
        <translation>Aucune dent choisie.</translation>
    </message>
    <message>
        <source>Chosen: </source>
        <translation>Choisies&#xa0;: </translation>
    </message>
    <message>
        <source>there is no runtime directory (XDG_RUNTIME_DIR)</source>
        <translation>il n’y a pas de répertoire d’exécution (XDG_RUNTIME_DIR)</translation>
    </message>
    <message>
        <source>the running kavimo did not answer</source>
        <translation>l’instance de kavimo en cours d’exécution n’a pas répondu</translation>
    </message>
    <message>
        <source>the transfer file was not read: %1</source>
        <translation>le fichier d’échange n’a pas été lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>the transfer file&apos;s request was refused: %1</source>
        <translation>la demande du fichier d’échange a été refusée&#xa0;: %1</translation>
    </message>
    <message>
        <source>kavimo has no patient with the ID %1</source>
        <translation>kavimo n’a aucun patient avec l’ID %1</translation>
    </message>
    <message>
        <source>the picture %1 is not one of the patient&apos;s</source>
        <translation>l’image %1 n’appartient pas à ce patient</translation>
    </message>
    <message>
        <source>the answer could not be written into the transfer file: %1</source>
        <translation>la réponse n’a pas pu être écrite dans le fichier d’échange&#xa0;: %1</translation>
    </message>
    <message>
        <source>Print-diagnose</source>
        <translation>Impression du compte rendu</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Le compte rendu n’a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.</source>
        <translation>Le compte rendu n’a pas pu être enregistré sous %1.</translation>
    </message>
    <message>
        <source>Sex：male</source>
        <translation>Sexe&#xa0;: masculin</translation>
    </message>
    <message>
        <source>Sex：female</source>
        <translation>Sexe&#xa0;: féminin</translation>
    </message>
    <message>
        <source>Time：</source>
        <translation>Date&#xa0;: </translation>
    </message>
    <message>
        <source>Resualt</source>
        <translation>Compte rendu</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Pictures：</source>
        <translation>Images&#xa0;: </translation>
    </message>
    <message>
        <source>Doctor：</source>
        <translation>Praticien&#xa0;: </translation>
    </message>
    <message>
        <source>Pictures and records</source>
        <translation>Images et dossiers</translation>
    </message>
    <message>
        <source>d: drive folder</source>
        <translation>Dossier du lecteur d:</translation>
    </message>
    <message>
        <source>Stream camera</source>
        <translation>Caméra vidéo</translation>
    </message>
    <message>
        <source>Camera address</source>
        <translation>Adresse de la caméra</translation>
    </message>
    <message>
        <source>Camera command port</source>
        <translation>Port de commande de la caméra</translation>
    </message>
    <message>
        <source>Local command port (0: any)</source>
        <translation>Port de commande local (0&#xa0;: quelconque)</translation>
    </message>
    <message>
        <source>Local video port</source>
        <translation>Port vidéo local</translation>
    </message>
    <message>
        <source>Picture camera</source>
        <translation>Caméra photo</translation>
    </message>
    <message>
        <source>Local reply port (0: any)</source>
        <translation>Port de réponse local (0&#xa0;: quelconque)</translation>
    </message>
    <message>
        <source>Camera picture port (TCP)</source>
        <translation>Port image de la caméra (TCP)</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Local address (0.0.0.0: all)</source>
        <translation>Adresse locale (0.0.0.0&#xa0;: toutes)</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Compte rendu</translation>
    </message>
    <message>
        <source>Doctor&apos;s name</source>
        <translation>Nom du praticien</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Foot switch key (does Freeze)</source>
        <translation>Touche de la pédale (agit comme «&#xa0;Figer&#xa0;»)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Language (empty: the desktop&apos;s)</source>
        <translation>Langue (vide&#xa0;: celle du bureau)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>The d: drive folder</source>
        <translation>Dossier du lecteur d:</translation>
    </message>
    <message>
        <source>PEM files (*.pem *.crt *.key);;All files (*)</source>
        <translation>Fichiers PEM (*.pem *.crt *.key);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Fichier de paramètres&#xa0;: %1</translation>
    </message>
    <message>
        <source>Changes take effect the next time kavimo starts. An empty field uses the default shown in it. A value overridden by a command-line option or an environment variable is used in the runs without it.</source>
        <translation>Les modifications prennent effet au prochain démarrage de kavimo. Un champ vide utilise la valeur par défaut qu’il affiche. Une valeur remplacée par une option de ligne de commande ou une variable d’environnement s’applique aux démarrages sans celle-ci.</translation>
    </message>
    <message>
        <source>none; e.g. F8</source>
        <translation>aucune&#xa0;; p. ex. F8</translation>
    </message>
    <message>
        <source>not a key (for example F8, Space or Pause)</source>
        <translation>pas une touche (par exemple F8, Space ou Pause)</translation>
    </message>
    <message>
        <source>e.g. de, zh_CN</source>
        <translation>p. ex. de, zh_CN</translation>
    </message>
    <message>
        <source>not a language (for example de, fr or zh_CN)</source>
        <translation>pas une langue (par exemple de, fr ou zh_CN)</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir...</translation>
    </message>
    <message>
        <source>Overridden by %1 for this run</source>
        <translation>Remplacé par %1 pour cette exécution</translation>
    </message>
    <message>
        <source>The settings cannot be written to %1.</source>
        <translation>Les paramètres ne peuvent pas être écrits dans %1.</translation>
    </message>
    <message>
        <source>Tooth numbers (fdi, universal or palmer; at once)</source>
        <translation>Numérotation dentaire (fdi, universal ou palmer&#xa0;; effet immédiat)</translation>
    </message>
    <message>
        <source>fdi: 11–48, 51–85</source>
        <translation>fdi&#xa0;: 11–48, 51–85</translation>
    </message>
    <message>
        <source>not fdi, universal (1–32, A–T) or palmer (UR1, ULA)</source>
        <translation>ni fdi, ni universal (1–32, A–T), ni palmer (UR1, ULA)</translation>
    </message>
    <message>
        <source>Ask for the teeth after each capture, at once (the camera&apos;s capture key confirms)</source>
        <translation>Demander les dents après chaque capture&#xa0;; effet immédiat (le bouton de capture de la caméra valide)</translation>
    </message>
    <message>
        <source>Teeth</source>
        <translation>Dents</translation>
    </message>
    <message>
        <source>关于 kavimo</source>
        <translation>À propos de kavimo</translation>
    </message>
    <message>
        <source>kavimo, version %1</source>
        <translation>kavimo, version %1</translation>
    </message>
    <message>
        <source>Oral image acquisition system for WiFi intraoral cameras</source>
        <translation>Système d’acquisition d’images intra-orales pour caméras intra-orales Wi-Fi</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Journal&#xa0;: %1</translation>
    </message>
    <message>
        <source>User guide (F1)</source>
        <translation>Guide de l’utilisateur (F1)</translation>
    </message>
    <message numerus="yes">
        <source>Deleted items are kept for %n days. Choose what to restore:</source>
        <translation>
            <numerusform>Les éléments supprimés sont conservés %n jour. Choisissez ce qu’il faut restaurer&#xa0;:</numerusform>
            <numerusform>Les éléments supprimés sont conservés %n jours. Choisissez ce qu’il faut restaurer&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Picture of %1   (deleted %2)</source>
        <translation>Image de %1   (supprimée le %2)</translation>
    </message>
    <message numerus="yes">
        <source>%1  %2, %n pictures   (deleted %3)</source>
        <translation>
            <numerusform>%1  %2, %n image   (supprimé le %3)</numerusform>
            <numerusform>%1  %2, %n images   (supprimé le %3)</numerusform>
        </translation>
    </message>
    <message>
        <source>The user guide is not installed. It was looked for in:
%1</source>
        <translation>Le guide de l’utilisateur n’est pas installé. Il a été recherché dans&#xa0;:
%1</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guide de l’utilisateur</translation>
    </message>
    <message>
        <source>kavimo user guide</source>
        <translation>Guide de l’utilisateur de kavimo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Try &apos;kavimo --help&apos;.</source>
        <translation>Saisissez «&#xa0;kavimo --help&#xa0;» pour plus d’informations.</translation>
    </message>
    <message>
        <source>Host directory that stands for the d: drive (default ~/.local/share/kavimo/d).</source>
        <translation>Répertoire de cet ordinateur qui tient lieu de lecteur d: (par défaut ~/.local/share/kavimo/d).</translation>
    </message>
    <message>
        <source>Group that shares the records: folders 0770, files 0660 (default: none, 0700 and 0600).</source>
        <translation>Groupe avec lequel les données des patients sont partagées&#xa0;: répertoires 0770, fichiers 0660 (par défaut&#xa0;: aucun, 0700 et 0600).</translation>
    </message>
    <message>
        <source>Address of the stream camera (default 172.16.10.1).</source>
        <translation>Adresse de la caméra vidéo (par défaut 172.16.10.1).</translation>
    </message>
    <message>
        <source>The stream camera&apos;s command port (default 7777).</source>
        <translation>Port de commande de la caméra vidéo (par défaut 7777).</translation>
    </message>
    <message>
        <source>Local port for the stream camera&apos;s replies, heartbeats and keys (default 7777; 0: any).</source>
        <translation>Port local pour les réponses, signaux de présence et touches de la caméra vidéo (par défaut 7777&#xa0;; 0&#xa0;: quelconque).</translation>
    </message>
    <message>
        <source>Local port the live video arrives on (default 8888).</source>
        <translation>Port local sur lequel arrive la vidéo en direct (par défaut 8888).</translation>
    </message>
    <message>
        <source>Address of the picture camera (default 192.168.239.1).</source>
        <translation>Adresse de la caméra photo (par défaut 192.168.239.1).</translation>
    </message>
    <message>
        <source>The picture camera&apos;s command port (default 6000).</source>
        <translation>Port de commande de la caméra photo (par défaut 6000).</translation>
    </message>
    <message>
        <source>Local port for the picture camera&apos;s replies (default 5000; 0: any).</source>
        <translation>Port local pour les réponses de la caméra photo (par défaut 5000&#xa0;; 0&#xa0;: quelconque).</translation>
    </message>
    <message>
        <source>The picture camera&apos;s TCP picture port (default 5000).</source>
        <translation>Port image TCP de la caméra photo (par défaut 5000).</translation>
    </message>
    <message>
        <source>Local address the camera sockets bind to (default 0.0.0.0: all).</source>
        <translation>Adresse locale à laquelle les sockets de la caméra sont liés (par défaut 0.0.0.0&#xa0;: toutes).</translation>
    </message>
    <message>
        <source>The clinic&apos;s archive (PACS): its AE title (default: none, no archive).</source>
        <translation>L’archive du cabinet (PACS)&#xa0;: son titre AE (par défaut&#xa0;: aucun, pas d’archive).</translation>
    </message>
    <message>
        <source>The archive&apos;s host name or address.</source>
        <translation>Nom d’hôte ou adresse de l’archive.</translation>
    </message>
    <message>
        <source>The archive&apos;s DICOM port.</source>
        <translation>Port DICOM de l’archive.</translation>
    </message>
    <message>
        <source>kavimo&apos;s own AE title towards the archive (default KAVIMO).</source>
        <translation>Titre AE propre à kavimo auprès de l’archive (par défaut KAVIMO).</translation>
    </message>
    <message>
        <source>Issuer of Patient ID sent with kavimo&apos;s own Patient IDs (default KAVIMO- and the first 8 hex digits of the installation&apos;s identity).</source>
        <translation>Émetteur de l’ID patient (Issuer of Patient ID) envoyé avec les ID patient propres à kavimo (par défaut KAVIMO- suivi des 8 premiers chiffres hexadécimaux de l’identifiant de l’installation).</translation>
    </message>
    <message>
        <source>The modality whose worklist entries are listed (default XC, photographs).</source>
        <translation>Modalité dont les entrées de la worklist sont listées (par défaut XC, photographies).</translation>
    </message>
    <message>
        <source>Lists the worklist entries scheduled for kavimo&apos;s own AE title (this, the default) or for every station (all).</source>
        <translation>Liste les entrées de la worklist prévues pour le titre AE propre à kavimo (this, par défaut) ou pour tous les postes (all).</translation>
    </message>
    <message>
        <source>Sends every stored picture to the archive automatically (default off).</source>
        <translation>Envoie automatiquement chaque image enregistrée à l’archive (par défaut off).</translation>
    </message>
    <message>
        <source>Talks to the archive over TLS; its certificate must chain to --pacs-tls-ca and name its host (default off: plain TCP).</source>
        <translation>Communique avec l’archive via TLS&#xa0;; son certificat doit remonter à une AC de --pacs-tls-ca et porter le nom de son hôte (par défaut off&#xa0;: TCP non chiffré).</translation>
    </message>
    <message>
        <source>The CA certificates (PEM) to check the archive&apos;s certificate with.</source>
        <translation>Les certificats d’AC (PEM) servant à vérifier le certificat de l’archive.</translation>
    </message>
    <message>
        <source>kavimo&apos;s own certificate (PEM), for archives that ask for one.</source>
        <translation>Certificat propre à kavimo (PEM), pour les archives qui en demandent un.</translation>
    </message>
    <message>
        <source>The unencrypted private key (PEM) of kavimo&apos;s certificate.</source>
        <translation>La clé privée non chiffrée (PEM) du certificat de kavimo.</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot; is %4</source>
        <translation>%1&#xa0;: %2 «&#xa0;%3&#xa0;» n’est %4</translation>
    </message>
    <message>
        <source>not a directory</source>
        <translation>pas un répertoire</translation>
    </message>
    <message>
        <source>not an IPv4 address</source>
        <translation>pas une adresse IPv4</translation>
    </message>
    <message>
        <source>not a port (0 to 65535)</source>
        <translation>pas un port (0 à 65535)</translation>
    </message>
    <message>
        <source>not a port (1 to 65535)</source>
        <translation>pas un port (1 à 65535)</translation>
    </message>
    <message>
        <source>not an AE title (1 to 16 characters)</source>
        <translation>pas un titre AE (1 à 16 caractères)</translation>
    </message>
    <message>
        <source>not a host</source>
        <translation>pas un hôte</translation>
    </message>
    <message>
        <source>not on or off</source>
        <translation>ni on ni off</translation>
    </message>
    <message>
        <source>not an issuer (1 to 64 characters, no backslash)</source>
        <translation>pas un émetteur (1 à 64 caractères, sans barre oblique inverse)</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>pas un fichier</translation>
    </message>
    <message>
        <source>not a modality (a code such as XC or IO)</source>
        <translation>pas une modalité (un code comme XC ou IO)</translation>
    </message>
    <message>
        <source>not this or all</source>
        <translation>ni this ni all</translation>
    </message>
    <message>
        <source>not a group name</source>
        <translation>pas un nom de groupe</translation>
    </message>
    <message>
        <source>not valid</source>
        <translation>pas valide</translation>
    </message>
    <message>
        <source>no folder given</source>
        <translation>aucun dossier indiqué</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>le dossier n’existe pas</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>pas un dossier</translation>
    </message>
    <message>
        <source>the folder is not writable</source>
        <translation>le dossier est protégé en écriture</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>aucun fichier indiqué</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>the file is not readable</source>
        <translation>le fichier n’est pas lisible</translation>
    </message>
    <message>
        <source>Opens the patient with this ID of the practice-management system, creating it when kavimo does not have it yet (the patient dialog is not shown); the ID becomes the archive&apos;s Patient ID. When kavimo already runs on this work directory, the running window switches to the patient.</source>
        <translation>Ouvre le patient ayant cet ID dans le logiciel de gestion du cabinet, en le créant si kavimo ne l’a pas encore (la fenêtre du patient n’est pas affichée)&#xa0;; l’ID devient l’ID patient de l’archive. Si kavimo est déjà lancé sur ce répertoire de travail, la fenêtre ouverte passe à ce patient.</translation>
    </message>
    <message>
        <source>The last name of the --patient-id patient (needed with it).</source>
        <translation>Nom de famille du patient indiqué par --patient-id (requis avec cette option).</translation>
    </message>
    <message>
        <source>The first name of the --patient-id patient.</source>
        <translation>Prénom du patient indiqué par --patient-id.</translation>
    </message>
    <message>
        <source>The birth date of the --patient-id patient (also YYYY-MM-DD or DD.MM.YYYY).</source>
        <translation>Date de naissance du patient indiqué par --patient-id (aussi YYYY-MM-DD ou DD.MM.YYYY).</translation>
    </message>
    <message>
        <source>The sex of the --patient-id patient (also Male, Female, Other, Unknown).</source>
        <translation>Sexe du patient indiqué par --patient-id (aussi Male, Female, Other, Unknown).</translation>
    </message>
    <message>
        <source>The phone of the --patient-id patient.</source>
        <translation>Téléphone du patient indiqué par --patient-id.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Affiche la version.</translation>
    </message>
    <message>
        <source>Points both camera addresses at 127.0.0.1 (for the camera simulator)
[KAVIMO_LOOPBACK=1]</source>
        <translation>Dirige les deux adresses de caméra vers 127.0.0.1 (pour le simulateur de caméra)
[KAVIMO_LOOPBACK=1]</translation>
    </message>
    <message>
        <source>Shows kavimo without a camera: starts the camera simulator kavimo-camsim (next to kavimo, else on the PATH) on 127.0.0.1 as a stream camera (--demo) or a picture camera (--demo=picture) and points the camera link at it; the camera addresses and ports above are then unused.</source>
        <translation>Présente kavimo sans caméra&#xa0;: démarre le simulateur de caméra kavimo-camsim (à côté de kavimo, sinon dans le PATH) sur 127.0.0.1 comme caméra vidéo (--demo) ou caméra photo (--demo=picture) et y dirige la liaison caméra&#xa0;; les adresses et ports de caméra ci-dessus ne sont alors pas utilisés.</translation>
    </message>
    <message>
        <source>The settings file to read instead of %1
[KAVIMO_CONFIG]</source>
        <translation>Fichier de paramètres à lire au lieu de %1
[KAVIMO_CONFIG]</translation>
    </message>
    <message>
        <source>Writes a picture of the screen.</source>
        <translation>Enregistre une capture d’écran.</translation>
    </message>
    <message>
        <source>Milliseconds.</source>
        <translation>Millisecondes.</translation>
    </message>
    <message>
        <source>kavimo: oral image acquisition for WiFi intraoral cameras.
Every setting can also be given in the environment (KAVIMO_*) or in kavimo.ini;
the command line wins over the environment, which wins over the file.</source>
        <translation>kavimo&#xa0;: acquisition d’images intra-orales pour caméras intra-orales Wi-Fi.
Chaque paramètre peut aussi être donné dans l’environnement (KAVIMO_*) ou dans kavimo.ini&#xa0;;
la ligne de commande l’emporte sur l’environnement, qui l’emporte sur le fichier.</translation>
    </message>
    <message>
        <source>A VDDS-media transfer file the practice-management system wrote.</source>
        <translation>Un fichier d’échange VDDS-media écrit par le logiciel de gestion du cabinet.</translation>
    </message>
    <message>
        <source>Usage: kavimo [options] [transfer-file]</source>
        <translation>Utilisation&#xa0;: kavimo [options] [transfer-file]</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>settings file &quot;%1&quot; does not exist</source>
        <translation>le fichier de paramètres «&#xa0;%1&#xa0;» n’existe pas</translation>
    </message>
    <message>
        <source>--demo=%1: the demo camera is &quot;stream&quot; or &quot;picture&quot;</source>
        <translation>--demo=%1&#xa0;: la caméra de démonstration est «&#xa0;stream&#xa0;» ou «&#xa0;picture&#xa0;»</translation>
    </message>
    <message>
        <source>a transfer file and --patient-id cannot be given together</source>
        <translation>un fichier d’échange et --patient-id ne peuvent pas être indiqués ensemble</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot; (no such transfer file)</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;» (aucun fichier d’échange de ce nom)</translation>
    </message>
    <message>
        <source>the patient options need --patient-id</source>
        <translation>les options du patient nécessitent --patient-id</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD)</source>
        <translation>la date de naissance «&#xa0;%1&#xa0;» n’est pas une date (YYYYMMDD)</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, F, O, U, Male, Female, Other or Unknown</source>
        <translation>le sexe «&#xa0;%1&#xa0;» n’est pas M, F, O, U, Male, Female, Other ou Unknown</translation>
    </message>
    <message>
        <source>the stream camera %1:%2 is the program&apos;s own command port; give the camera&apos;s port with --stream-command-port or another local port with --stream-local-port</source>
        <translation>la caméra vidéo %1:%2 est le port de commande du programme lui-même&#xa0;; indiquez le port de la caméra avec --stream-command-port ou un autre port local avec --stream-local-port</translation>
    </message>
    <message>
        <source>the picture camera %1:%2 is the program&apos;s own reply port; give the camera&apos;s port with --picture-command-port or another local port with --picture-reply-port</source>
        <translation>la caméra photo %1:%2 est le port de réponse du programme lui-même&#xa0;; indiquez le port de la caméra avec --picture-command-port ou un autre port local avec --picture-reply-port</translation>
    </message>
</context>
<context>
    <name>text</name>
    <message>
        <source>Could not find &quot;%1&quot;: %2</source>
        <translation>Impossible de trouver «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not create &quot;%1&quot;: %2</source>
        <translation>Impossible de créer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: %2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not move &quot;%1&quot; to the trash: %2</source>
        <translation>Impossible de placer «&#xa0;%1&#xa0;» dans la corbeille&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not restore &quot;%1&quot;: %2</source>
        <translation>Impossible de restaurer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;: %2</source>
        <translation>Impossible de supprimer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>These patient records are incomplete and were left out of the patient list:%1</source>
        <translation>Ces dossiers de patients sont incomplets et ont été exclus de la liste des patients&#xa0;:%1</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but no files were deleted: its record names the directory &quot;%2&quot; instead of &quot;%3&quot;.</source>
        <translation>%1 a été retiré de la liste des patients, mais aucun fichier n’a été supprimé&#xa0;: son dossier indique le répertoire «&#xa0;%2&#xa0;» au lieu de «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but &quot;%2&quot; could not be moved to the trash: %3</source>
        <translation>%1 a été retiré de la liste des patients, mais «&#xa0;%2&#xa0;» n’a pas pu être placé dans la corbeille&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but &quot;%2&quot; was not deleted: it is not a plain directory.</source>
        <translation>%1 a été retiré de la liste des patients, mais «&#xa0;%2&#xa0;» n’a pas été supprimé&#xa0;: ce n’est pas un simple répertoire.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; was not added: its path is longer than %2 bytes.</source>
        <translation>L’image «&#xa0;%1&#xa0;» n’a pas été ajoutée&#xa0;: son chemin dépasse %2 octets.</translation>
    </message>
    <message>
        <source>These pictures were not added: their paths are longer than %1 bytes.%2</source>
        <translation>Ces images n’ont pas été ajoutées&#xa0;: leurs chemins dépassent %1 octets.%2</translation>
    </message>
    <message>
        <source>%1 cannot be restored: the patient list is full.</source>
        <translation>%1 ne peut pas être restauré&#xa0;: la liste des patients est pleine.</translation>
    </message>
    <message>
        <source>%1 cannot be restored: a patient directory of that name exists.</source>
        <translation>%1 ne peut pas être restauré&#xa0;: un répertoire de patient portant ce nom existe déjà.</translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2</source>
        <translation>%1 ne peut pas être restauré&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot create the work directory %1: %2</source>
        <translation>Impossible de créer le répertoire de travail %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot use the lock file %1: it is a symbolic link, which kavimo does not follow.</source>
        <translation>Impossible d’utiliser le fichier de verrou %1&#xa0;: c’est un lien symbolique, que kavimo ne suit pas.</translation>
    </message>
    <message>
        <source>Cannot open the lock file %1: %2</source>
        <translation>Impossible d’ouvrir le fichier de verrou %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot use the lock file %1: it is not a plain file.</source>
        <translation>Impossible d’utiliser le fichier de verrou %1&#xa0;: ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The patient records in %1 are in use by kavimo on %2 (process %3).</source>
        <translation>Les dossiers des patients de %1 sont utilisés par kavimo sur %2 (processus %3).</translation>
    </message>
    <message>
        <source>The patient records in %1 are in use by kavimo on another computer or process.</source>
        <translation>Les dossiers des patients de %1 sont utilisés par kavimo sur un autre ordinateur ou dans un autre processus.</translation>
    </message>
    <message>
        <source>Cannot lock the patient records in %1: %2</source>
        <translation>Impossible de verrouiller les dossiers des patients de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the JPEG data is cut short or damaged (%1)</source>
        <translation>les données JPEG sont tronquées ou endommagées (%1)</translation>
    </message>
    <message>
        <source>not a readable JPEG picture: %1</source>
        <translation>pas une image JPEG lisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>the picture does not decode to RGB</source>
        <translation>l’image ne se décode pas en RVB</translation>
    </message>
    <message>
        <source>cannot encode the picture as JPEG: %1</source>
        <translation>impossible d’encoder l’image en JPEG&#xa0;: %1</translation>
    </message>
    <message>
        <source>the archive&apos;s address is not set (AE title, host and port)</source>
        <translation>l’adresse de l’archive n’est pas définie (titre AE, hôte et port)</translation>
    </message>
    <message>
        <source>the archive %1 refused the connection (check its AE title and that it accepts %2): %3</source>
        <translation>l’archive %1 a refusé la connexion (vérifiez son titre AE et qu’elle accepte %2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>cannot reach the archive %1: %2 (it may ask for kavimo&apos;s own TLS certificate, and none is set)</source>
        <translation>impossible de joindre l’archive %1&#xa0;: %2 (elle demande peut-être le certificat TLS propre à kavimo, et aucun n’est défini)</translation>
    </message>
    <message>
        <source>cannot reach the archive %1: %2</source>
        <translation>impossible de joindre l’archive %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>not connected to the archive</source>
        <translation>non connecté à l’archive</translation>
    </message>
    <message>
        <source>the archive did not answer the check: %1</source>
        <translation>l’archive n’a pas répondu à la vérification&#xa0;: %1</translation>
    </message>
    <message>
        <source>the archive does not accept photographic pictures (VL Photographic Image Storage)</source>
        <translation>l’archive n’accepte pas les images photographiques (VL Photographic Image Storage)</translation>
    </message>
    <message>
        <source>the archive did not confirm the picture: %1</source>
        <translation>l’archive n’a pas confirmé l’image&#xa0;: %1</translation>
    </message>
    <message>
        <source>the archive refused the picture (%1)</source>
        <translation>l’archive a refusé l’image (%1)</translation>
    </message>
    <message>
        <source>the archive stored the picture with a warning (%1)</source>
        <translation>l’archive a enregistré l’image avec un avertissement (%1)</translation>
    </message>
    <message>
        <source>the archive offers no worklist</source>
        <translation>l’archive ne propose pas de worklist</translation>
    </message>
    <message>
        <source>the archive did not finish answering within %1 s</source>
        <translation>l’archive n’a pas fini de répondre en %1 s</translation>
    </message>
    <message>
        <source>the worklist query failed: %1</source>
        <translation>la requête de worklist a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>the picture claims %1 × %2 pixels, more than kavimo opens</source>
        <translation>l’image annonce %1 × %2 pixels, plus que kavimo ne peut ouvrir</translation>
    </message>
    <message numerus="yes">
        <source>the patient list is full: at most %n patients can be kept</source>
        <translation>
            <numerusform>la liste des patients est pleine&#xa0;: au plus %n patient peut être conservé</numerusform>
            <numerusform>la liste des patients est pleine&#xa0;: au plus %n patients peuvent être conservés</numerusform>
        </translation>
    </message>
    <message>
        <source>the computer&apos;s clock is behind the newest patient&apos;s creation time</source>
        <translation>l’horloge de l’ordinateur est en retard sur la date de création du patient le plus récent</translation>
    </message>
    <message>
        <source>the patient could not be stored in the work directory</source>
        <translation>le patient n’a pas pu être enregistré dans le répertoire de travail</translation>
    </message>
    <message>
        <source>the patient&apos;s details could not be written: %1</source>
        <translation>les données du patient n’ont pas pu être écrites&#xa0;: %1</translation>
    </message>
    <message>
        <source>the patient could not be selected</source>
        <translation>le patient n’a pas pu être sélectionné</translation>
    </message>
    <message>
        <source>usage: kavimo-camsim --stream|--picture [options]

Plays a camera of the kavimo system on loopback. Every address must lie in 127.0.0.0/8.

  --stream               the stream camera: identify replies, heartbeats, keys, H.264 video
  --picture              the picture camera: identify replies, TCP picture channel
  --bind IP              local address of every socket (default 127.0.0.1)
  --app IP               the application&apos;s address (default 127.0.0.1)
  --cmd-port N           the camera&apos;s UDP command port (default 0: the kernel&apos;s choice)
  --app-port N           the application&apos;s command port (stream, default 7777) or reply
                         port (picture, default 5000); 0: send nothing until the command
                         &quot;app-port N&quot; names it
  --video-port N         the application&apos;s video port (default 8888); 0: send no video until
                         &quot;video-port N&quot; names it
  --tcp-port N           the picture channel&apos;s TCP port (default 0: the kernel&apos;s choice)
  --name TEXT            the camera&apos;s name in its identify reply (at most 32 bytes)
  --value N              the first argument of the identify reply (default 1)
  --size WxH             picture size (default 640x480)
  --fps N                video frames per second (default 25)
  --gop N                frames from one key frame to the next (default 25)
  --bitrate KBPS         video bit rate (default 1500)
  --fragment-size N      payload bytes per fragment, one fragment per datagram (default 1400)
  --attribute N          video attribute code of every frame (default 0)
  --input FILE.h264      send this Annex B file&apos;s pictures (in a loop) instead of the test picture
  --loss N               drop every Nth fragment (default 0: none)
  --heartbeat-ms N       heartbeat period (default 500; 0: none)
  --no-heartbeat         start with heartbeats stopped
  --no-video             start with the video stopped
  --no-identify          do not answer identify
  --preview-fps N        preview pictures per second (default 10)
  --quality N            JPEG quality of the previews (default 80)
  --drop-after N         drop each TCP connection after N pictures
  --at SECONDS:COMMAND   run a command at a time after the start (repeatable)
  --exit-on-stdin-eof    end when standard input closes
  --duration SECONDS     end after this long
  -h, --help             this text
  --version              the version of kavimo this program belongs to

Commands (standard input, one per line, or --at):
  key N                  stream camera: send camera key N (81..85); picture camera: capture
  capture                picture camera: send a captured picture
  heartbeat on|off       start or stop the heartbeats
  video on|off           start or stop the video
  identify on|off        answer identify or not
  drop                   picture camera: close the TCP connection
  oversize               picture camera: send a preview message longer than 1048576 bytes
  loss N                 drop every Nth fragment from now on (0: none)
  loss-rate N            drop fragments at random, N per thousand, from now on (0: none)
  send CODE [A1 [A2]]    send a command datagram with these values to the application
  app-port N             send replies, heartbeats and keys to this port from now on
  video-port N           send the video to this port from now on
  quit                   end

Standard output: one line &quot;camsim ready mode=... cmd_port=... ...&quot; once every socket is bound,
then &quot;camsim event ...&quot; lines; &quot;camsim bye&quot; at the end. Errors go to standard error.
</source>
        <translation>utilisation&#xa0;: kavimo-camsim --stream|--picture [options]

Simule une caméra du système kavimo sur l’interface de bouclage. Toute adresse doit se trouver dans 127.0.0.0/8.

  --stream               la caméra vidéo&#xa0;: réponses d’identification, signaux de présence, touches, vidéo H.264
  --picture              la caméra photo&#xa0;: réponses d’identification, canal d’images TCP
  --bind IP              adresse locale de chaque socket (par défaut 127.0.0.1)
  --app IP               l’adresse de l’application (par défaut 127.0.0.1)
  --cmd-port N           le port de commande UDP de la caméra (par défaut 0&#xa0;: choisi par le noyau)
  --app-port N           le port de commande de l’application (caméra vidéo, par défaut 7777) ou son
                         port de réponse (caméra photo, par défaut 5000)&#xa0;; 0&#xa0;: ne rien envoyer tant
                         que la commande «&#xa0;app-port N&#xa0;» ne l’a pas indiqué
  --video-port N         le port vidéo de l’application (par défaut 8888)&#xa0;; 0&#xa0;: aucune vidéo tant que
                         «&#xa0;video-port N&#xa0;» ne l’a pas indiqué
  --tcp-port N           le port TCP du canal d’images (par défaut 0&#xa0;: choisi par le noyau)
  --name TEXT            le nom de la caméra dans sa réponse d’identification (32 octets au plus)
  --value N              le premier argument de la réponse d’identification (par défaut 1)
  --size WxH             taille de l’image (par défaut 640x480)
  --fps N                images vidéo par seconde (par défaut 25)
  --gop N                images d’une image clé à la suivante (par défaut 25)
  --bitrate KBPS         débit vidéo (par défaut 1500)
  --fragment-size N      octets de charge utile par fragment, un fragment par datagramme (par défaut 1400)
  --attribute N          code d’attribut vidéo de chaque image (par défaut 0)
  --input FILE.h264      envoyer les images de ce fichier Annex B (en boucle) au lieu de l’image de test
  --loss N               supprimer un fragment sur N (par défaut 0&#xa0;: aucun)
  --heartbeat-ms N       période des signaux de présence (par défaut 500&#xa0;; 0&#xa0;: aucun)
  --no-heartbeat         démarrer avec les signaux de présence arrêtés
  --no-video             démarrer avec la vidéo arrêtée
  --no-identify          ne pas répondre aux demandes d’identification
  --preview-fps N        images d’aperçu par seconde (par défaut 10)
  --quality N            qualité JPEG des aperçus (par défaut 80)
  --drop-after N         couper chaque connexion TCP après N images
  --at SECONDS:COMMAND   exécuter une commande à un instant donné après le démarrage (répétable)
  --exit-on-stdin-eof    terminer à la fermeture de l’entrée standard
  --duration SECONDS     terminer après cette durée
  -h, --help             ce texte
  --version              la version de kavimo à laquelle ce programme appartient

Commandes (sur l’entrée standard, une par ligne, ou avec --at)&#xa0;:
  key N                  caméra vidéo&#xa0;: envoyer la touche N de la caméra (81..85)&#xa0;; caméra photo&#xa0;: capturer
  capture                caméra photo&#xa0;: envoyer une image capturée
  heartbeat on|off       démarrer ou arrêter les signaux de présence
  video on|off           démarrer ou arrêter la vidéo
  identify on|off        répondre ou non aux demandes d’identification
  drop                   caméra photo&#xa0;: fermer la connexion TCP
  oversize               caméra photo&#xa0;: envoyer un message d’aperçu de plus de 1048576 octets
  loss N                 désormais, supprimer un fragment sur N (0&#xa0;: aucun)
  loss-rate N            désormais, supprimer des fragments au hasard, N pour mille (0&#xa0;: aucun)
  send CODE [A1 [A2]]    envoyer à l’application un datagramme de commande avec ces valeurs
  app-port N             désormais, envoyer réponses, signaux de présence et touches à ce port
  video-port N           désormais, envoyer la vidéo à ce port
  quit                   terminer

Sortie standard&#xa0;: une ligne «&#xa0;camsim ready mode=... cmd_port=... ...&#xa0;» une fois tous les sockets liés,
puis des lignes «&#xa0;camsim event ...&#xa0;»&#xa0;; «&#xa0;camsim bye&#xa0;» à la fin. Les erreurs vont sur la sortie d’erreur standard.
</translation>
    </message>
    <message>
        <source>usage: kavimo-play [options] [FILE.h264]
Plays an H.264 elementary stream, or a generated test pattern when no file is given.
  --size WxH            size of the generated pattern (default 1280x720)
  --fps N               frame rate of the stream (default 25)
  --mode 0|1            render mode: 0 surface layer (default), 1 SDL
  --overlay             draw the statistics text over the video
  --frames N            stop after N frames
  --seconds S           stop after S seconds
  --loop                start a file again at its end
  --window WxH          size of the window (default: the pattern&apos;s size, 960x540 for a file)
  --no-pacing           show frames as fast as they can be drawn (pacing off, fed at once)
  --shot FILE.bmp       at the end, write the last frame shown (TEGMO_PLAY_VideoShotLast)
  --window-shot FILE.bmp  at the end, write what the window shows
  --record FILE.h264    also write the frames played to an elementary-stream file
  -h, --help            this text
  --version             the version of kavimo this program belongs to
</source>
        <translation>utilisation&#xa0;: kavimo-play [options] [FILE.h264]
Lit un flux élémentaire H.264, ou une mire de test générée si aucun fichier n’est indiqué.
  --size WxH            taille de la mire générée (par défaut 1280x720)
  --fps N               fréquence d’images du flux (par défaut 25)
  --mode 0|1            mode de rendu&#xa0;: 0 couche de surface (par défaut), 1 SDL
  --overlay             afficher le texte des statistiques par-dessus la vidéo
  --frames N            s’arrêter après N images
  --seconds S           s’arrêter après S secondes
  --loop                relancer un fichier une fois arrivé à sa fin
  --window WxH          taille de la fenêtre (par défaut&#xa0;: la taille de la mire, 960x540 pour un fichier)
  --no-pacing           afficher les images aussi vite qu’elles peuvent être dessinées (sans cadencement, fournies d’un coup)
  --shot FILE.bmp       à la fin, écrire la dernière image affichée (TEGMO_PLAY_VideoShotLast)
  --window-shot FILE.bmp  à la fin, écrire ce qu’affiche la fenêtre
  --record FILE.h264    écrire en plus les images lues dans un fichier de flux élémentaire
  -h, --help            ce texte
  --version             la version de kavimo à laquelle ce programme appartient
</translation>
    </message>
    <message>
        <source>Usage: kavimo-records [--drive-d DIR] [--data-group GROUP] COMMAND

Looks into the patient records of kavimo without changing them; tag sets a picture&apos;s
teeth and view beside them.

Commands:
  list        every patient: number, UID, name, sex, age, phone, diagnoses, pictures
  show UID    one patient&apos;s record, diagnoses and pictures with their teeth and views
              (UID20170801102233 or the digits)
  tag UID PICTURE [--teeth 11,21] [--view VIEW]
              sets the teeth (FDI numbers; empty: none) and the view of a picture, PICTURE
              as show names it (its number, path or file name); VIEW is frontal,
              left-buccal, right-buccal, upper-occlusal, lower-occlusal, close-up or other
              (empty: none). Refused while kavimo has the work directory open
  check       compares each patient&apos;s counts with its list files and picture files, checks
              that each picture holds a JPEG, and looks for missing backups and stray files;
              exit status 1 on a problem
  export-dicom UID DIR [--pacs-issuer TEXT]
              writes every picture of the patient into DIR/DICOM/ with a DICOMDIR
  send-dicom UID --pacs AET@HOST:PORT [--calling-aet AET] [--pacs-issuer TEXT] [TLS options]
              sends every picture of the patient to the archive, one line per picture
              (these two write the installation&apos;s identity, Installation.txt in the work
              directory, when there is none yet: every UID they make carries it)
  worklist --pacs AET@HOST:PORT [--calling-aet AET] [TLS options] [--date YYYYMMDD]
              the patients the worklist schedules for the day (today by default)
  audit [--since YYYYMMDD]
              the audit trail: who captured, saved, deleted, exported or sent what, and
              when, one event per line (from the day given on)

Options:
  --drive-d DIR   host directory that stands for the d: drive (default: $KAVIMO_DRIVE_D,
                  else paths/drive_d of kavimo.ini ($KAVIMO_CONFIG, else
                  ~/.config/kavimo/kavimo.ini), else $XDG_DATA_HOME/kavimo/d, i.e.
                  ~/.local/share/kavimo/d; without HOME it must be given)
  --data-group GROUP  the group that shares the records: what this program writes gets
                  mode 0660 (folders 0770) and the group (default: $KAVIMO_DATA_GROUP,
                  else paths/data_group of kavimo.ini, else none: 0600 and 0700)
  --pacs AET@HOST:PORT  the archive: its AE title, host and DICOM port
  --calling-aet AET     kavimo&apos;s own AE title (default KAVIMO)
  --pacs-issuer TEXT    Issuer of Patient ID for kavimo&apos;s own Patient IDs (default:
                        $KAVIMO_PACS_ISSUER, else KAVIMO- and 8 hex digits of the
                        installation&apos;s identity)
  --pacs-tls on|off     talk to the archive over TLS (default off: plain TCP)
  --pacs-tls-ca FILE    the CA certificates (PEM) the archive&apos;s certificate must chain to;
                        the certificate must also name the archive&apos;s host
  --pacs-tls-cert FILE  kavimo&apos;s own certificate (PEM), for archives that ask for one
  --pacs-tls-key FILE   the unencrypted private key (PEM) of that certificate
  --date YYYYMMDD       the worklist&apos;s day
  --since YYYYMMDD      the audit trail&apos;s first day
  --teeth LIST          tag: the picture&apos;s teeth, FDI numbers such as 11,21
  --view VIEW           tag: the picture&apos;s view
  -h, --help      this text
  --version       the version of kavimo this program belongs to

Exit status: 0 fine; 1 problems found, no such patient or picture, the work directory in
use, or a picture or file not written or not stored; 2 wrong usage or no work directory.
</source>
        <translation>Utilisation&#xa0;: kavimo-records [--drive-d DIR] [--data-group GROUP] COMMAND

Consulte les dossiers des patients de kavimo sans les modifier&#xa0;; seule la commande tag enregistre
les dents et la vue d’une image à côté d’eux.

Commandes&#xa0;:
  list        tous les patients&#xa0;: numéro, UID, nom, sexe, âge, téléphone, diagnostics, images
  show UID    le dossier d’un patient, ses diagnostics et ses images avec leurs dents et leurs vues
              (UID20170801102233 ou seulement les chiffres)
  tag UID PICTURE [--teeth 11,21] [--view VIEW]
              définit les dents (numéros FDI&#xa0;; vide&#xa0;: aucune) et la vue d’une image&#xa0;; PICTURE
              telle que show la désigne (son numéro, son chemin ou son nom de fichier)&#xa0;; VIEW vaut frontal,
              left-buccal, right-buccal, upper-occlusal, lower-occlusal, close-up ou other
              (vide&#xa0;: aucune). Refusé tant que kavimo a ouvert le répertoire de travail
  check       compare les compteurs de chaque patient avec ses fichiers de liste et d’images, vérifie
              que chaque image contient un JPEG et recherche les sauvegardes manquantes et les fichiers
              superflus&#xa0;; code de sortie 1 en cas de problème
  export-dicom UID DIR [--pacs-issuer TEXT]
              écrit toutes les images du patient dans DIR/DICOM/ avec un DICOMDIR
  send-dicom UID --pacs AET@HOST:PORT [--calling-aet AET] [--pacs-issuer TEXT] [options TLS]
              envoie toutes les images du patient à l’archive, une ligne par image
              (ces deux commandes écrivent l’identifiant de l’installation, Installation.txt dans le
              répertoire de travail, s’il n’existe pas encore&#xa0;: chaque UID qu’elles créent le contient)
  worklist --pacs AET@HOST:PORT [--calling-aet AET] [options TLS] [--date YYYYMMDD]
              les patients que la worklist prévoit pour le jour (aujourd’hui par défaut)
  audit [--since YYYYMMDD]
              le journal d’audit&#xa0;: qui a capturé, enregistré, supprimé, exporté ou envoyé quoi, et
              quand, un événement par ligne (à partir du jour indiqué)

Options&#xa0;:
  --drive-d DIR   répertoire de cet ordinateur qui tient lieu de lecteur d: (par défaut&#xa0;: $KAVIMO_DRIVE_D,
                  sinon paths/drive_d de kavimo.ini ($KAVIMO_CONFIG, sinon
                  ~/.config/kavimo/kavimo.ini), sinon $XDG_DATA_HOME/kavimo/d, c.-à-d.
                  ~/.local/share/kavimo/d&#xa0;; sans HOME, il doit être indiqué)
  --data-group GROUP  le groupe avec lequel les dossiers sont partagés&#xa0;: ce que ce programme écrit
                  reçoit le mode 0660 (répertoires 0770) et ce groupe (par défaut&#xa0;: $KAVIMO_DATA_GROUP,
                  sinon paths/data_group de kavimo.ini, sinon aucun&#xa0;: 0600 et 0700)
  --pacs AET@HOST:PORT  l’archive&#xa0;: son titre AE, son hôte et son port DICOM
  --calling-aet AET     le titre AE propre à kavimo (par défaut KAVIMO)
  --pacs-issuer TEXT    émetteur de l’ID patient (Issuer of Patient ID) pour les ID patient propres à kavimo
                        (par défaut&#xa0;: $KAVIMO_PACS_ISSUER, sinon KAVIMO- suivi de 8 chiffres hexadécimaux
                        de l’identifiant de l’installation)
  --pacs-tls on|off     communiquer avec l’archive via TLS (par défaut off&#xa0;: TCP non chiffré)
  --pacs-tls-ca FILE    les certificats d’AC (PEM) auxquels le certificat de l’archive doit remonter&#xa0;;
                        le certificat doit aussi porter le nom de l’hôte de l’archive
  --pacs-tls-cert FILE  le certificat propre à kavimo (PEM), pour les archives qui en demandent un
  --pacs-tls-key FILE   la clé privée non chiffrée (PEM) de ce certificat
  --date YYYYMMDD       le jour de la worklist
  --since YYYYMMDD      le premier jour du journal d’audit
  --teeth LIST          tag&#xa0;: les dents de l’image, numéros FDI comme 11,21
  --view VIEW           tag&#xa0;: la vue de l’image
  -h, --help      ce texte
  --version       la version de kavimo à laquelle ce programme appartient

Code de sortie&#xa0;: 0 tout va bien&#xa0;; 1 problèmes trouvés, patient ou image inexistant, répertoire de travail
en cours d’utilisation, ou image ou fichier non écrit ou non enregistré&#xa0;; 2 mauvaise utilisation ou pas de répertoire de travail.
</translation>
    </message>
    <message>
        <source>not a UID: %1</source>
        <translation>pas un UID&#xa0;: %1</translation>
    </message>
    <message>
        <source>tag needs --teeth or --view</source>
        <translation>tag nécessite --teeth ou --view</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>--teeth and --view apply to tag only</source>
        <translation>--teeth et --view ne s’appliquent qu’à tag</translation>
    </message>
    <message>
        <source>--pacs, --calling-aet and the TLS options do not apply to %1</source>
        <translation>--pacs, --calling-aet et les options TLS ne s’appliquent pas à %1</translation>
    </message>
    <message>
        <source>--pacs-tls-ca, --pacs-tls-cert and --pacs-tls-key need --pacs-tls on</source>
        <translation>--pacs-tls-ca, --pacs-tls-cert et --pacs-tls-key nécessitent --pacs-tls on</translation>
    </message>
    <message>
        <source>--pacs-issuer does not apply to %1</source>
        <translation>--pacs-issuer ne s’applique pas à %1</translation>
    </message>
    <message>
        <source>--pacs-issuer needs 1 to 64 characters without a backslash</source>
        <translation>--pacs-issuer nécessite 1 à 64 caractères sans barre oblique inverse</translation>
    </message>
    <message>
        <source>--since applies to audit only</source>
        <translation>--since ne s’applique qu’à audit</translation>
    </message>
    <message>
        <source>--since needs YYYYMMDD</source>
        <translation>--since nécessite YYYYMMDD</translation>
    </message>
    <message>
        <source>--date applies to worklist only</source>
        <translation>--date ne s’applique qu’à worklist</translation>
    </message>
    <message>
        <source>--date needs YYYYMMDD</source>
        <translation>--date nécessite YYYYMMDD</translation>
    </message>
    <message>
        <source>%1 needs --pacs AET@HOST:PORT</source>
        <translation>%1 nécessite --pacs AET@HOST:PORT</translation>
    </message>
    <message>
        <source>wrong arguments for %1</source>
        <translation>arguments incorrects pour %1</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>commande inconnue&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <extracomment>%1 is the audit trail&apos;s file</extracomment>
        <translation>%1&#xa0;: ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1: the line was written only in part (the disk may be full)</source>
        <translation>%1&#xa0;: la ligne n’a été écrite qu’en partie (le disque est peut-être plein)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <extracomment>%1 is the audit trail&apos;s file</extracomment>
        <translation>%1&#xa0;: illisible</translation>
    </message>
    <message>
        <source>line %1: no &quot;=&quot;</source>
        <extracomment>%1 is a line number of a &quot;Key=value&quot; file</extracomment>
        <translation>ligne %1&#xa0;: pas de «&#xa0;=&#xa0;»</translation>
    </message>
    <message>
        <source>line %1: %2 given twice</source>
        <extracomment>%1 is a line number, %2 a key of a &quot;Key=value&quot; file</extracomment>
        <translation>ligne %1&#xa0;: %2 indiqué deux fois</translation>
    </message>
    <message>
        <source>line %1: %2 is not UTF-8 text</source>
        <extracomment>%1 is a line number, %2 a key of a &quot;Key=value&quot; file</extracomment>
        <translation>ligne %1&#xa0;: %2 n’est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>%1 is not a YYYYMMDD date</source>
        <extracomment>%1 is a key of a &quot;Key=value&quot; file (&quot;BirthDate&quot;, &quot;Date&quot;)</extracomment>
        <translation>%1 n’est pas une date YYYYMMDD</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file name, %2 the system&apos;s reason</extracomment>
        <translation>impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>line %1: unknown key &quot;%2&quot;</source>
        <extracomment>%1 is a line number, %2 a key of the patient&apos;s details file</extracomment>
        <translation>ligne %1&#xa0;: clé inconnue «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 is not one of M, F, O, U</source>
        <extracomment>%1 is the key of the sex in the patient&apos;s details file (&quot;Sex&quot;)</extracomment>
        <translation>%1 n’est ni M, ni F, ni O, ni U</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>illisible</translation>
    </message>
    <message numerus="yes">
        <source>larger than %n bytes</source>
        <translation>
            <numerusform>plus de %n octet</numerusform>
            <numerusform>plus de %n octets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cannot be read, or larger than %n bytes</source>
        <translation>
            <numerusform>illisible, ou plus de %n octet</numerusform>
            <numerusform>illisible, ou plus de %n octets</numerusform>
        </translation>
    </message>
    <message>
        <source>Frontal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Frontale</translation>
    </message>
    <message>
        <source>Left buccal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Vestibulaire gauche</translation>
    </message>
    <message>
        <source>Right buccal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Vestibulaire droite</translation>
    </message>
    <message>
        <source>Upper occlusal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Occlusale maxillaire</translation>
    </message>
    <message>
        <source>Lower occlusal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Occlusale mandibulaire</translation>
    </message>
    <message>
        <source>Close-up</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Gros plan</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>view</comment>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Autre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an FDI tooth number (11-48, 51-85)</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un numéro de dent FDI (11-48, 51-85)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>the first line is not &quot;%1&quot;</source>
        <translation>la première ligne n’est pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>not three tab-separated fields</source>
        <translation>pas trois champs séparés par des tabulations</translation>
    </message>
    <message>
        <source>not a picture&apos;s file name</source>
        <translation>pas un nom de fichier d’image</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <extracomment>%1 is the file name of a picture</extracomment>
        <translation>%1 est indiqué deux fois</translation>
    </message>
    <message>
        <source>the teeth are not in ascending order, separated by commas</source>
        <translation>les dents ne sont pas dans l’ordre croissant, séparées par des virgules</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a view</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une vue</translation>
    </message>
    <message>
        <source>neither teeth nor a view</source>
        <translation>ni dents ni vue</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line number of the teeth file, %2 what is wrong with that line</extracomment>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <extracomment>%1 is a file name, %2 the system&apos;s reason</extracomment>
        <translation>impossible de supprimer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is damaged (%2); it is left as it is</source>
        <extracomment>%1 is the teeth file&apos;s name, %2 what is wrong with it</extracomment>
        <translation>%1 est endommagé (%2)&#xa0;; il est laissé tel quel</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be tagged</source>
        <translation>impossible d’attribuer des dents et une vue à «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the index cannot be read</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>l’index est illisible</translation>
    </message>
    <message>
        <source>the index does not begin with &quot;%1&quot;</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>l’index ne commence pas par «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>line %1 of the index cannot be read</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>la ligne %1 de l’index est illisible</translation>
    </message>
    <message>
        <source>entry %1 (%2) has no folder</source>
        <extracomment>%1 is the name of an entry of the trash, %2 the patient or picture it holds</extracomment>
        <translation>l’entrée %1 (%2) n’a pas de dossier</translation>
    </message>
    <message>
        <source>cannot create the folder %1: something else has its name</source>
        <translation>impossible de créer le dossier %1&#xa0;: un autre élément porte déjà ce nom</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>impossible de créer le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot create a temporary folder in %1: %2</source>
        <translation>impossible de créer un dossier temporaire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no free file name for the picture in %1</source>
        <translation>aucun nom de fichier libre pour l’image dans %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>a file of the DICOMDIR, then why it cannot be listed
----------
a picture, then why it cannot be made into a DICOM object
----------
a picture file, then why it cannot be made into a DICOM object</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>there is no picture to list in the DICOMDIR</source>
        <translation>il n’y a aucune image à inscrire dans le DICOMDIR</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <extracomment>%2 the system&apos;s reason</extracomment>
        <translation>impossible de créer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is damaged: it does not hold this installation&apos;s identity. Restore it from a backup; remove it only to give this installation a new identity (pictures sent before then get new UIDs when they are sent again)</source>
        <translation>%1 est endommagé&#xa0;: il ne contient pas l’identifiant de cette installation. Restaurez-le à partir d’une sauvegarde&#xa0;; ne le supprimez que pour donner un nouvel identifiant à cette installation (les images envoyées auparavant reçoivent alors de nouveaux UID si elles sont envoyées de nouveau)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot write the outbox %1: %2</source>
        <translation>impossible d’écrire la file d’envoi %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot read the outbox %1: %2</source>
        <translation>impossible de lire la file d’envoi %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the sending failed: %1</source>
        <translation>l’envoi a échoué&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>refused %n times: %1</source>
        <translation>
            <numerusform>refusé %n fois&#xa0;: %1</numerusform>
            <numerusform>refusé %n fois&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>warning</source>
        <translation>avertissement</translation>
    </message>
    <message>
        <source>attribute list error</source>
        <translation>erreur dans la liste d’attributs</translation>
    </message>
    <message>
        <source>attribute value out of range</source>
        <translation>valeur d’attribut hors limites</translation>
    </message>
    <message>
        <source>processing failure</source>
        <translation>échec du traitement</translation>
    </message>
    <message>
        <source>SOP class not supported</source>
        <translation>classe SOP non prise en charge</translation>
    </message>
    <message>
        <source>not authorised</source>
        <translation>non autorisé</translation>
    </message>
    <message>
        <source>coercion of data elements</source>
        <translation>coercition d’éléments de données</translation>
    </message>
    <message>
        <source>elements discarded</source>
        <translation>éléments ignorés</translation>
    </message>
    <message>
        <source>data set does not match SOP class</source>
        <translation>le jeu de données ne correspond pas à la classe SOP</translation>
    </message>
    <message>
        <source>cannot understand</source>
        <translation>incompréhensible</translation>
    </message>
    <message>
        <source>out of resources</source>
        <translation>ressources insuffisantes</translation>
    </message>
    <message>
        <source>status %1</source>
        <extracomment>%1 is a DICOM status number (0xA700)</extracomment>
        <translation>statut %1</translation>
    </message>
    <message>
        <source>status %1: %2</source>
        <extracomment>%1 is a DICOM status number (0xA700), %2 what it means (&quot;out of resources&quot;)</extracomment>
        <translation>statut %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>TLS cannot be set up: %1</source>
        <translation>impossible de configurer TLS&#xa0;: %1</translation>
    </message>
    <message>
        <source>TLS is on, but no CA certificate file is set to check the archive&apos;s certificate with</source>
        <translation>TLS est activé, mais aucun fichier de certificats d’AC n’est défini pour vérifier le certificat de l’archive</translation>
    </message>
    <message>
        <source>cannot read the CA certificate file %1: %2</source>
        <translation>impossible de lire le fichier de certificats d’AC %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the CA certificate file %1 holds no PEM certificate: %2</source>
        <translation>le fichier de certificats d’AC %1 ne contient aucun certificat PEM&#xa0;: %2</translation>
    </message>
    <message>
        <source>kavimo&apos;s TLS key file is set without its certificate file</source>
        <translation>le fichier de clé TLS de kavimo est défini sans son fichier de certificat</translation>
    </message>
    <message>
        <source>kavimo&apos;s TLS certificate file is set without its key file</source>
        <translation>le fichier de certificat TLS de kavimo est défini sans son fichier de clé</translation>
    </message>
    <message>
        <source>cannot read kavimo&apos;s certificate file %1: %2</source>
        <translation>impossible de lire le fichier de certificat de kavimo %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot read kavimo&apos;s key file %1: %2</source>
        <translation>impossible de lire le fichier de clé de kavimo %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>kavimo&apos;s certificate file %1 holds no PEM certificate: %2</source>
        <translation>le fichier de certificat de kavimo %1 ne contient aucun certificat PEM&#xa0;: %2</translation>
    </message>
    <message>
        <source>kavimo&apos;s key file %1 holds no unencrypted PEM private key</source>
        <translation>le fichier de clé de kavimo %1 ne contient aucune clé privée PEM non chiffrée</translation>
    </message>
    <message>
        <source>kavimo&apos;s key file %1 does not belong to the certificate %2</source>
        <translation>le fichier de clé de kavimo %1 ne correspond pas au certificat %2</translation>
    </message>
    <message>
        <source>the archive&apos;s certificate is not trusted: %1 (it is not made out to %2)</source>
        <extracomment>%1 is OpenSSL&apos;s reason, %2 the archive&apos;s host name or address</extracomment>
        <translation>le certificat de l’archive n’est pas de confiance&#xa0;: %1 (il n’est pas établi au nom de %2)</translation>
    </message>
    <message>
        <source>the archive&apos;s certificate is not trusted: %1</source>
        <extracomment>%1 is OpenSSL&apos;s reason</extracomment>
        <translation>le certificat de l’archive n’est pas de confiance&#xa0;: %1</translation>
    </message>
    <message>
        <source>the archive %1 did not finish the TLS handshake in time</source>
        <translation>l’archive %1 n’a pas terminé la négociation TLS à temps</translation>
    </message>
    <message>
        <source>the TLS handshake with the archive %1 failed: %2</source>
        <translation>la négociation TLS avec l’archive %1 a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <source>an entry without Patient ID</source>
        <translation>une entrée sans ID patient</translation>
    </message>
    <message>
        <source>patient &quot;%1&quot;</source>
        <translation>patient «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1: %2 left out (%3)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a field of it, %3 what is wrong with the value</extracomment>
        <translation>%1&#xa0;: champ «&#xa0;%2&#xa0;» omis (%3)</translation>
    </message>
    <message>
        <source>%1: %2 shortened or cleaned (%3)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a field of it, %3 what is wrong with the value</extracomment>
        <translation>%1&#xa0;: champ «&#xa0;%2&#xa0;» raccourci ou nettoyé (%3)</translation>
    </message>
    <message>
        <source>%1: its texts cannot be read in the character set &quot;%2&quot; (%3); what is not UTF-8 is shown as %4</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a character set, %3 the converter&apos;s reason, %4 the replacement character</extracomment>
        <translation>%1&#xa0;: ses textes ne peuvent pas être lus dans le jeu de caractères «&#xa0;%2&#xa0;» (%3)&#xa0;; ce qui n’est pas de l’UTF-8 est affiché sous la forme %4</translation>
    </message>
    <message>
        <source>%1: left out, its Patient ID is unusable (%2)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 what is wrong with its Patient ID</extracomment>
        <translation>%1&#xa0;: entrée omise, son ID patient est inutilisable (%2)</translation>
    </message>
    <message>
        <source>%1: left out, its Issuer of Patient ID is unusable (%2)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 what is wrong with its Issuer of Patient ID</extracomment>
        <translation>%1&#xa0;: entrée omise, l’émetteur de son ID patient (Issuer of Patient ID) est inutilisable (%2)</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>nom</translation>
    </message>
    <message>
        <source>birth date</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>date de naissance</translation>
    </message>
    <message>
        <source>sex</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>sexe</translation>
    </message>
    <message>
        <source>%1: sex left out (not F, M or O)</source>
        <extracomment>%1 names the worklist entry&apos;s patient</extracomment>
        <translation>%1&#xa0;: sexe omis (ni F, ni M, ni O)</translation>
    </message>
    <message>
        <source>Accession Number</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>Accession Number</translation>
    </message>
    <message>
        <source>Study Instance UID</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>Study Instance UID</translation>
    </message>
    <message>
        <source>Requested Procedure ID</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>Requested Procedure ID</translation>
    </message>
    <message>
        <source>Requested Procedure Description</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>Requested Procedure Description</translation>
    </message>
    <message>
        <source>referring physician</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>médecin prescripteur</translation>
    </message>
    <message>
        <source>scheduled date</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>date prévue</translation>
    </message>
    <message>
        <source>scheduled time</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>heure prévue</translation>
    </message>
    <message>
        <source>modality</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>modalité</translation>
    </message>
    <message>
        <source>station</source>
        <extracomment>a field of a worklist entry (the AE title of the station it is scheduled on)</extracomment>
        <translation>poste</translation>
    </message>
    <message>
        <source>step description</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>description de l’étape</translation>
    </message>
    <message>
        <source>step ID</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>ID de l’étape</translation>
    </message>
    <message>
        <source>no patient %1</source>
        <translation>aucun patient %1</translation>
    </message>
    <message>
        <source>refused %1: it is a link to %2, outside the work directory</source>
        <translation>%1 refusé&#xa0;: c’est un lien vers %2, hors du répertoire de travail</translation>
    </message>
    <message>
        <source>refused %1: not a regular file</source>
        <translation>%1 refusé&#xa0;: ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossible d’ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <source>the picture is too large for an object</source>
        <translation>l’image est trop grande pour un objet DICOM</translation>
    </message>
    <message>
        <source>no installation identity to make the object&apos;s UIDs with</source>
        <translation>aucun identifiant d’installation pour créer les UID de l’objet</translation>
    </message>
    <message>
        <source>the order&apos;s Study Instance UID: %1</source>
        <translation>Study Instance UID de la demande&#xa0;: %1</translation>
    </message>
    <message>
        <source>Patient ID: %1</source>
        <translation>ID patient&#xa0;: %1</translation>
    </message>
    <message>
        <source>Issuer of Patient ID: %1</source>
        <translation>Émetteur de l’ID patient (Issuer of Patient ID)&#xa0;: %1</translation>
    </message>
    <message>
        <source>Accession Number: %1</source>
        <translation>Accession Number&#xa0;: %1</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>mémoire insuffisante pour l’image</translation>
    </message>
    <message>
        <source>the object holds no JPEG data</source>
        <translation>l’objet ne contient pas de données JPEG</translation>
    </message>
    <message>
        <source>the object holds no RGB pixels</source>
        <translation>l’objet ne contient pas de pixels RVB</translation>
    </message>
    <message>
        <source>cannot make the picture uncompressed: %1</source>
        <translation>impossible de décompresser l’image&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot make the picture JPEG: %1</source>
        <translation>impossible de convertir l’image en JPEG&#xa0;: %1</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>pas du texte UTF-8</translation>
    </message>
    <message>
        <source>contains a backslash</source>
        <translation>contient une barre oblique inverse</translation>
    </message>
    <message>
        <source>contains a control character</source>
        <translation>contient un caractère de contrôle</translation>
    </message>
    <message numerus="yes">
        <source>longer than %n characters</source>
        <translation>
            <numerusform>plus de %n caractère</numerusform>
            <numerusform>plus de %n caractères</numerusform>
        </translation>
    </message>
    <message>
        <source>more than three name groups</source>
        <translation>plus de trois groupes de nom</translation>
    </message>
    <message numerus="yes">
        <source>a name group longer than %n characters</source>
        <translation>
            <numerusform>un groupe de nom de plus de %n caractère</numerusform>
            <numerusform>un groupe de nom de plus de %n caractères</numerusform>
        </translation>
    </message>
    <message>
        <source>more than five name components</source>
        <translation>plus de cinq composants de nom</translation>
    </message>
    <message>
        <source>not a person name</source>
        <translation>pas un nom de personne</translation>
    </message>
    <message>
        <source>not an AE title</source>
        <translation>pas un titre AE</translation>
    </message>
    <message>
        <source>not a code string</source>
        <translation>pas une chaîne de code</translation>
    </message>
    <message>
        <source>not a date</source>
        <translation>pas une date</translation>
    </message>
    <message>
        <source>not a time</source>
        <translation>pas une heure</translation>
    </message>
    <message>
        <source>not a UID</source>
        <translation>pas un UID</translation>
    </message>
    <message>
        <source>an unknown VR</source>
        <translation>une VR inconnue</translation>
    </message>
    <message>
        <source>the patient ID holds a control character or is not UTF-8 text</source>
        <translation>l’ID patient contient un caractère de contrôle ou n’est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>the last name holds a control character or is not UTF-8 text</source>
        <translation>le nom contient un caractère de contrôle ou n’est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>the first name holds a control character or is not UTF-8 text</source>
        <translation>le prénom contient un caractère de contrôle ou n’est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>the phone holds a control character or is not UTF-8 text</source>
        <translation>le téléphone contient un caractère de contrôle ou n’est pas du texte UTF-8</translation>
    </message>
    <message numerus="yes">
        <source>the patient ID is longer than %n characters</source>
        <translation>
            <numerusform>l’ID patient dépasse %n caractère</numerusform>
            <numerusform>l’ID patient dépasse %n caractères</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the last name is longer than %n characters</source>
        <translation>
            <numerusform>le nom dépasse %n caractère</numerusform>
            <numerusform>le nom dépasse %n caractères</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the first name is longer than %n characters</source>
        <translation>
            <numerusform>le prénom dépasse %n caractère</numerusform>
            <numerusform>le prénom dépasse %n caractères</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the phone is longer than %n characters</source>
        <translation>
            <numerusform>le téléphone dépasse %n caractère</numerusform>
            <numerusform>le téléphone dépasse %n caractères</numerusform>
        </translation>
    </message>
    <message>
        <source>the patient ID is missing</source>
        <translation>l’ID patient est absent</translation>
    </message>
    <message>
        <source>the patient ID &quot;%1&quot; holds a path character (&apos;/&apos; or &apos;\&apos;)</source>
        <translation>l’ID patient «&#xa0;%1&#xa0;» contient un caractère de chemin («&#xa0;/&#xa0;» ou «&#xa0;\&#xa0;»)</translation>
    </message>
    <message>
        <source>the last name is missing</source>
        <translation>le nom est absent</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD)</source>
        <translation>la date de naissance «&#xa0;%1&#xa0;» n’est pas une date (YYYYMMDD)</translation>
    </message>
    <message>
        <source>the birth date %1 lies in the future</source>
        <translation>la date de naissance %1 est dans le futur</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, F, O or U</source>
        <translation>le sexe «&#xa0;%1&#xa0;» n’est ni M, ni F, ni O, ni U</translation>
    </message>
    <message>
        <source>the message is too long</source>
        <translation>le message est trop long</translation>
    </message>
    <message>
        <source>the message does not start with &quot;%1&quot;</source>
        <translation>le message ne commence pas par «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>text follows the end line</source>
        <translation>du texte suit la ligne de fin</translation>
    </message>
    <message>
        <source>the message holds no PatientID</source>
        <translation>le message ne contient pas de PatientID</translation>
    </message>
    <message>
        <source>line %1 holds no &apos;=&apos;</source>
        <translation>la ligne %1 ne contient pas de «&#xa0;=&#xa0;»</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is repeated</source>
        <translation>la clé «&#xa0;%1&#xa0;» est répétée</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the name of a picture</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas le nom d’une image</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>clé inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the message has no end line</source>
        <translation>le message n’a pas de ligne de fin</translation>
    </message>
    <message numerus="yes">
        <source>the file is larger than %n KiB</source>
        <translation>
            <numerusform>le fichier dépasse %n Kio</numerusform>
            <numerusform>le fichier dépasse %n Kio</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is UTF-8 text, not ISO-8859-1</source>
        <translation>le fichier est en texte UTF-8, et non en ISO-8859-1</translation>
    </message>
    <message>
        <source>the file is not ISO-8859-1 text (byte %1 at offset %2)</source>
        <translation>le fichier n’est pas du texte ISO-8859-1 (octet %1 à la position %2)</translation>
    </message>
    <message>
        <source>the transfer file has no [PATIENT] section</source>
        <translation>le fichier de transfert n’a pas de section [PATIENT]</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD or DD.MM.YYYY)</source>
        <translation>la date de naissance «&#xa0;%1&#xa0;» n’est pas une date (YYYYMMDD ou DD.MM.YYYY)</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, W, D or U</source>
        <translation>le sexe «&#xa0;%1&#xa0;» n’est ni M, ni W, ni D, ni U</translation>
    </message>
    <message>
        <source>[MMOS] COUNT &quot;%1&quot; is not a number of pictures</source>
        <translation>[MMOS] COUNT «&#xa0;%1&#xa0;» n’est pas un nombre d’images</translation>
    </message>
    <message>
        <source>[%1] MMOID &quot;%2&quot; is not a picture of kavimo&apos;s</source>
        <extracomment>%1 is a section of the transfer file (&quot;MMO1&quot;), %2 the picture name given there</extracomment>
        <translation>[%1] MMOID «&#xa0;%2&#xa0;» n’est pas une image de kavimo</translation>
    </message>
    <message>
        <source>[MMOPATH] PATH &quot;%1&quot; is not an absolute folder path</source>
        <translation>[MMOPATH] PATH «&#xa0;%1&#xa0;» n’est pas un chemin de dossier absolu</translation>
    </message>
    <message>
        <source>the export names no pictures ([MMOS] COUNT)</source>
        <translation>l’exportation n’indique aucune image ([MMOS] COUNT)</translation>
    </message>
    <message>
        <source>the export folder %1 does not exist</source>
        <translation>le dossier d’exportation %1 n’existe pas</translation>
    </message>
    <message>
        <source>the picture %1 is not one of the patient&apos;s</source>
        <translation>l’image %1 n’appartient pas à ce patient</translation>
    </message>
    <message>
        <source>cannot read the picture %1</source>
        <translation>impossible de lire l’image %1</translation>
    </message>
    <message>
        <source>the data group &quot;%1&quot; does not exist</source>
        <translation>le groupe de partage des données «&#xa0;%1&#xa0;» n’existe pas</translation>
    </message>
    <message>
        <source>this account is not a member of the data group &quot;%1&quot;</source>
        <translation>ce compte n’est pas membre du groupe de partage des données «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no folder of this account&apos;s own for the records; give the d: drive&apos;s folder with --drive-d or KAVIMO_DRIVE_D</source>
        <translation>HOME n’est pas défini&#xa0;: ce compte n’a donc pas de dossier propre pour les dossiers des patients&#xa0;; indiquez le répertoire du lecteur d: avec --drive-d ou KAVIMO_DRIVE_D</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>the outcome of an event of the audit trail; keep it at most 7 characters</extracomment>
        <translation>ok</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>ÉCHEC</translation>
    </message>
    <message>
        <source>Audit trail %1 (%2)</source>
        <translation>Journal d’audit %1 (%2)</translation>
    </message>
    <message>
        <source>1 event</source>
        <translation>1 événement</translation>
    </message>
    <message numerus="yes">
        <source>%n events</source>
        <translation>
            <numerusform>%n événement</numerusform>
            <numerusform>%n événements</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event since %1</source>
        <translation>1 événement depuis le %1</translation>
    </message>
    <message numerus="yes">
        <source>%n events since %1</source>
        <translation>
            <numerusform>%n événement depuis le %1</numerusform>
            <numerusform>%n événements depuis le %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; 1 line skipped, not a whole event</source>
        <extracomment>%1 the events shown, such as &quot;2 events since 20240305&quot;</extracomment>
        <translation>%1&#xa0;; 1 ligne ignorée, pas un événement complet</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n lines skipped, not a whole event</source>
        <translation>
            <numerusform>%1&#xa0;; %n ligne ignorée, pas un événement complet</numerusform>
            <numerusform>%1&#xa0;; %n lignes ignorées, pas des événements complets</numerusform>
        </translation>
    </message>
    <message>
        <source>problem: %1: %2</source>
        <extracomment>a finding of kavimo-records check: %1 the file or folder, %2 what is wrong with it</extracomment>
        <translation>problème&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>warning: %1: %2</source>
        <extracomment>a finding of kavimo-records check: %1 the file or folder, %2 what may be wrong with it</extracomment>
        <translation>avertissement&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: the file cannot be read</source>
        <translation>image %1 «&#xa0;%2&#xa0;»&#xa0;: le fichier est illisible</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (content: %3)</source>
        <extracomment>%3 the name of a picture format, such as PNG</extracomment>
        <translation>image %1 «&#xa0;%2&#xa0;»&#xa0;: pas une image JPEG (contenu&#xa0;: %3)</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (the file is empty)</source>
        <translation>image %1 «&#xa0;%2&#xa0;»&#xa0;: pas une image JPEG (le fichier est vide)</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (unknown content)</source>
        <translation>image %1 «&#xa0;%2&#xa0;»&#xa0;: pas une image JPEG (contenu inconnu)</translation>
    </message>
    <message>
        <source>1 patient</source>
        <translation>1 patient</translation>
    </message>
    <message numerus="yes">
        <source>%n patients</source>
        <translation>
            <numerusform>%n patient</numerusform>
            <numerusform>%n patients</numerusform>
        </translation>
    </message>
    <message>
        <source>missing, but the record counts 1 record</source>
        <translation>absent, mais le dossier compte 1 entrée</translation>
    </message>
    <message numerus="yes">
        <source>missing, but the record counts %n records</source>
        <translation>
            <numerusform>absent, mais le dossier compte %n entrée</numerusform>
            <numerusform>absent, mais le dossier compte %n entrées</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (created empty when the patient is selected)</source>
        <translation>absent (créé vide quand le patient est sélectionné)</translation>
    </message>
    <message>
        <source>%1 bytes is not a whole number of %2-byte records</source>
        <translation>%1 octets ne font pas un nombre entier d’entrées de %2 octets</translation>
    </message>
    <message>
        <source>holds 1 record, the record counts %1</source>
        <extracomment>%1 the count in the patient&apos;s record</extracomment>
        <translation>contient 1 entrée, le dossier en compte %1</translation>
    </message>
    <message numerus="yes">
        <source>holds %n records, the record counts %1</source>
        <translation>
            <numerusform>contient %n entrée, le dossier en compte %1</numerusform>
            <numerusform>contient %n entrées, le dossier en compte %1</numerusform>
        </translation>
    </message>
    <message>
        <source>holds 1 record, the record counts %1 (the rest is dropped when rewritten)</source>
        <translation>contient 1 entrée, le dossier en compte %1 (le reste est abandonné à la prochaine réécriture)</translation>
    </message>
    <message numerus="yes">
        <source>holds %n records, the record counts %1 (the rest is dropped when rewritten)</source>
        <translation>
            <numerusform>contient %n entrée, le dossier en compte %1 (le reste est abandonné à la prochaine réécriture)</numerusform>
            <numerusform>contient %n entrées, le dossier en compte %1 (le reste est abandonné à la prochaine réécriture)</numerusform>
        </translation>
    </message>
    <message>
        <source>a link, not the folder of the originals</source>
        <translation>un lien, et non le dossier des originaux</translation>
    </message>
    <message>
        <source>stray directory among the originals</source>
        <translation>répertoire superflu parmi les originaux</translation>
    </message>
    <message>
        <source>left over from an interrupted copy of an original</source>
        <translation>reste d’une copie interrompue d’un original</translation>
    </message>
    <message>
        <source>an original without its picture</source>
        <translation>un original sans son image</translation>
    </message>
    <message>
        <source>damaged teeth and views (%1)</source>
        <translation>dents et vues endommagées (%1)</translation>
    </message>
    <message>
        <source>teeth of %1, which is not there (Update forgets them)</source>
        <translation>dents de %1, qui n’existe pas («&#xa0;Actualiser&#xa0;» les oublie)</translation>
    </message>
    <message>
        <source>holds the record of %1</source>
        <translation>contient le dossier de %1</translation>
    </message>
    <message>
        <source>the record names the directory &quot;%1&quot;</source>
        <translation>le dossier indique le répertoire «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 bytes instead of 1032</source>
        <translation>%1 octets au lieu de 1032</translation>
    </message>
    <message>
        <source>negative counts in the record</source>
        <translation>compteurs négatifs dans le dossier</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot; belongs to %3</source>
        <translation>l’image %1 «&#xa0;%2&#xa0;» appartient à %3</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot; lies outside the patient&apos;s directory</source>
        <translation>l’image %1 «&#xa0;%2&#xa0;» est hors du répertoire du patient</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: the file is missing</source>
        <translation>image %1 «&#xa0;%2&#xa0;»&#xa0;: le fichier est absent</translation>
    </message>
    <message>
        <source>stray directory in a patient directory</source>
        <translation>répertoire superflu dans un répertoire de patient</translation>
    </message>
    <message>
        <source>left over from an interrupted rewrite</source>
        <translation>reste d’une réécriture interrompue</translation>
    </message>
    <message>
        <source>picture not in the picture list (Update rebuilds it)</source>
        <translation>image absente de la liste des images («&#xa0;Actualiser&#xa0;» la reconstruit)</translation>
    </message>
    <message>
        <source>damaged patient details (%1); the record stands in for them</source>
        <translation>données du patient endommagées (%1)&#xa0;; le dossier les remplace</translation>
    </message>
    <message>
        <source>damaged worklist order (%1); its pictures go into kavimo&apos;s own study of their day</source>
        <translation>demande de la worklist endommagée (%1)&#xa0;; ses images vont dans l’étude propre à kavimo de leur jour</translation>
    </message>
    <message>
        <source>stray file</source>
        <translation>fichier superflu</translation>
    </message>
    <message>
        <source>not in the trash index (removed after 30 days)</source>
        <translation>absent de l’index de la corbeille (supprimé après 30 jours)</translation>
    </message>
    <message>
        <source>no work directory at %1</source>
        <translation>pas de répertoire de travail dans %1</translation>
    </message>
    <message>
        <source>damaged: not an installation identity (restore it from a backup)</source>
        <translation>endommagé&#xa0;: pas un identifiant d’installation (restaurez-le à partir d’une sauvegarde)</translation>
    </message>
    <message>
        <source>a link, not a directory; not a patient</source>
        <translation>un lien, et non un répertoire&#xa0;; ce n’est pas un patient</translation>
    </message>
    <message>
        <source>missing backup: no %1, so the patient is not in the patient list</source>
        <translation>sauvegarde manquante&#xa0;: pas de %1, le patient n’est donc pas dans la liste des patients</translation>
    </message>
    <message>
        <source>incomplete backup: %1 of 1032 bytes; not in the patient list</source>
        <translation>sauvegarde incomplète&#xa0;: %1 octets sur 1032&#xa0;; absent de la liste des patients</translation>
    </message>
    <message>
        <source>UID is not above the one before it in list order</source>
        <translation>l’UID n’est pas supérieur au précédent dans l’ordre de la liste</translation>
    </message>
    <message numerus="yes">
        <source>more than %n patients</source>
        <translation>
            <numerusform>plus de %n patient</numerusform>
            <numerusform>plus de %n patients</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (regenerated at the next start)</source>
        <translation>absent (régénéré au prochain démarrage)</translation>
    </message>
    <message>
        <source>%1 for %2 (regenerated at the next start)</source>
        <extracomment>%1 the entries of the patient list file, such as &quot;3 records&quot;; %2 the patients, such as &quot;2 patients&quot;</extracomment>
        <translation>%1 pour %2 (régénéré au prochain démarrage)</translation>
    </message>
    <message>
        <source>1 record</source>
        <translation>1 entrée</translation>
    </message>
    <message numerus="yes">
        <source>%n records</source>
        <translation>
            <numerusform>%n entrée</numerusform>
            <numerusform>%n entrées</numerusform>
        </translation>
    </message>
    <message>
        <source>odd length: not UTF-16 text</source>
        <translation>longueur impaire&#xa0;: pas du texte UTF-16</translation>
    </message>
    <message>
        <source>%1 checked: %2, %3.</source>
        <extracomment>the summary of kavimo-records check: %1 such as &quot;2 patients&quot;, %2 such as &quot;0 problems&quot;, %3 such as &quot;1 warning&quot;</extracomment>
        <translation>Vérification de %1&#xa0;: %2, %3.</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 problème</translation>
    </message>
    <message numerus="yes">
        <source>%n problems</source>
        <translation>
            <numerusform>%n problème</numerusform>
            <numerusform>%n problèmes</numerusform>
        </translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 avertissement</translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n avertissement</numerusform>
            <numerusform>%n avertissements</numerusform>
        </translation>
    </message>
    <message>
        <source>not an archive address (AET@HOST:PORT): %1</source>
        <translation>pas une adresse d’archive (AET@HOST:PORT)&#xa0;: %1</translation>
    </message>
    <message>
        <source>not an AE title: %1</source>
        <translation>pas un titre AE&#xa0;: %1</translation>
    </message>
    <message>
        <source>Exporting %1 of %2: %3</source>
        <extracomment>the progress line of kavimo-records export-dicom: %1 of %2 pictures, %3 the picture&apos;s name</extracomment>
        <translation>Exportation %1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 of 1 picture written</source>
        <translation>%1 sur 1 image écrite</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pictures written</source>
        <translation>
            <numerusform>%1 sur %n image écrite</numerusform>
            <numerusform>%1 sur %n images écrites</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 why it was not stored</extracomment>
        <translation>%1&#xa0;: échec&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: not sent: %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 why the archive cannot be reached</extracomment>
        <translation>%1&#xa0;: non envoyée&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: stored as %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 the UID the archive stored it as</extracomment>
        <translation>%1&#xa0;: enregistrée sous %2</translation>
    </message>
    <message>
        <source>%1 of 1 picture stored in %2</source>
        <extracomment>%2 the archive, such as PACS@host:104</extracomment>
        <translation>%1 sur 1 image enregistrée dans %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pictures stored in %2</source>
        <translation>
            <numerusform>%1 sur %n image enregistrée dans %2</numerusform>
            <numerusform>%1 sur %n images enregistrées dans %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Worklist of %1: 1 scheduled patient</source>
        <extracomment>%1 the day, YYYYMMDD</extracomment>
        <translation>Worklist du %1&#xa0;: 1 patient prévu</translation>
    </message>
    <message numerus="yes">
        <source>Worklist of %1: %n scheduled patients</source>
        <translation>
            <numerusform>Worklist du %1&#xa0;: %n patient prévu</numerusform>
            <numerusform>Worklist du %1&#xa0;: %n patients prévus</numerusform>
        </translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>a column heading of kavimo-records worklist: the scheduled time</extracomment>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Patient ID</source>
        <extracomment>a column heading of kavimo-records worklist</extracomment>
        <translation>ID patient</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>a column heading of kavimo-records worklist
----------
a column heading of kavimo-records list</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Born</source>
        <extracomment>a column heading of kavimo-records worklist: the birth date</extracomment>
        <translation>Né(e) le</translation>
    </message>
    <message>
        <source>Sex</source>
        <extracomment>a column heading of kavimo-records worklist: the letter M, F or O
----------
a column heading of kavimo-records list</extracomment>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Procedure</source>
        <extracomment>a column heading of kavimo-records worklist: the scheduled procedure</extracomment>
        <translation>Examen</translation>
    </message>
    <message numerus="yes">
        <source>(list cut at %n entries; the archive schedules more)</source>
        <translation>
            <numerusform>(liste coupée à %n entrée&#xa0;; l’archive en prévoit davantage)</numerusform>
            <numerusform>(liste coupée à %n entrées&#xa0;; l’archive en prévoit davantage)</numerusform>
        </translation>
    </message>
    <message>
        <source>male</source>
        <extracomment>the patient&apos;s sex</extracomment>
        <translation>homme</translation>
    </message>
    <message>
        <source>female</source>
        <extracomment>the patient&apos;s sex</extracomment>
        <translation>femme</translation>
    </message>
    <message>
        <source>Work directory %1 (%2)</source>
        <translation>Répertoire de travail %1 (%2)</translation>
    </message>
    <message>
        <source>Hospital: %1</source>
        <translation>Cabinet&#xa0;: %1</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(non défini)</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number in the list</extracomment>
        <translation>N°</translation>
    </message>
    <message>
        <source>Age</source>
        <extracomment>a column heading of kavimo-records list</extracomment>
        <translation>Âge</translation>
    </message>
    <message>
        <source>Phone</source>
        <extracomment>a column heading of kavimo-records list</extracomment>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Diags</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number of diagnoses</extracomment>
        <translation>Diag.</translation>
    </message>
    <message>
        <source>Pics</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number of pictures</extracomment>
        <translation>Images</translation>
    </message>
    <message>
        <source>Details:</source>
        <extracomment>a label of kavimo-records show: the details typed for the patient</extracomment>
        <translation>Données&#xa0;:</translation>
    </message>
    <message>
        <source>none (%1 is missing)</source>
        <translation>aucune (%1 absent)</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 est endommagé&#xa0;: %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>tirées de %1</translation>
    </message>
    <message>
        <source>other</source>
        <extracomment>the patient&apos;s sex</extracomment>
        <translation>autre</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>the patient&apos;s sex: not known</extracomment>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Full name:</source>
        <translation>Nom complet&#xa0;:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Téléphone&#xa0;:</translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation>Né(e) le&#xa0;:</translation>
    </message>
    <message>
        <source>Sex:</source>
        <translation>Sexe&#xa0;:</translation>
    </message>
    <message>
        <source>Patient ID:</source>
        <translation>ID patient&#xa0;:</translation>
    </message>
    <message>
        <source>Issuer:</source>
        <extracomment>the issuer of the patient&apos;s outside Patient ID</extracomment>
        <translation>Émetteur&#xa0;:</translation>
    </message>
    <message>
        <source>Worklist name:</source>
        <extracomment>the patient&apos;s name as the worklist wrote it</extracomment>
        <translation>Nom (worklist)&#xa0;:</translation>
    </message>
    <message>
        <source>no patient %1 in %2</source>
        <translation>aucun patient %1 dans %2</translation>
    </message>
    <message>
        <source>Patient %1 of %2</source>
        <translation>Patient %1 sur %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Âge&#xa0;:</translation>
    </message>
    <message>
        <source>Directory:</source>
        <extracomment>a label of kavimo-records show: the patient&apos;s folder</extracomment>
        <translation>Répertoire&#xa0;:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description&#xa0;:</translation>
    </message>
    <message>
        <source>%1 (%2 holds %3)</source>
        <extracomment>%1 the count in the patient&apos;s record, %2 a list file, %3 the entries the file holds</extracomment>
        <translation>%1 (%2 en contient %3)</translation>
    </message>
    <message>
        <source>Diagnoses:</source>
        <translation>Diagnostics&#xa0;:</translation>
    </message>
    <message>
        <source>Teeth:</source>
        <translation>Dents&#xa0;:</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Images&#xa0;:</translation>
    </message>
    <message>
        <source>[missing]</source>
        <extracomment>after a picture of kavimo-records show whose file is not there</extracomment>
        <translation>[absente]</translation>
    </message>
    <message>
        <source>--drive-d needs a directory</source>
        <translation>--drive-d nécessite un répertoire</translation>
    </message>
    <message>
        <source>--data-group needs a group</source>
        <translation>--data-group nécessite un groupe</translation>
    </message>
    <message>
        <source>--pacs-issuer needs a text</source>
        <translation>--pacs-issuer nécessite un texte</translation>
    </message>
    <message>
        <source>--pacs-tls needs on or off</source>
        <translation>--pacs-tls nécessite on ou off</translation>
    </message>
    <message>
        <source>--teeth needs FDI numbers such as 11,21</source>
        <translation>--teeth nécessite des numéros FDI comme 11,21</translation>
    </message>
    <message>
        <source>--view needs a view</source>
        <translation>--view nécessite une vue</translation>
    </message>
    <message>
        <source>teeth %1</source>
        <extracomment>under a picture: %1 its teeth, FDI numbers such as 11,21</extracomment>
        <translation>dents %1</translation>
    </message>
    <message>
        <source>view %1</source>
        <extracomment>under a picture: %1 its view, a keyword such as frontal</extracomment>
        <translation>vue %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a view (%2)</source>
        <extracomment>%2 the view keywords, such as &quot;frontal, left-buccal, ...&quot;</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas une vue (%2)</translation>
    </message>
    <message>
        <source>%1 has no picture %2 in its directory (see show %1)</source>
        <extracomment>%1 the patient&apos;s UID, %2 the picture asked for; &quot;show&quot; is a command name</extracomment>
        <translation>%1 n’a pas d’image %2 dans son répertoire (voir show %1)</translation>
    </message>
    <message>
        <source>cannot be tagged</source>
        <translation>impossible d’attribuer des dents et une vue</translation>
    </message>
    <message>
        <source>the audit trail was not written: %1</source>
        <translation>le journal d’audit n’a pas été écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>no teeth, no view</source>
        <translation>ni dents ni vue</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 a command-line option such as --name</extracomment>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>%1 what was given on the command line</extracomment>
        <translation>option inconnue&#xa0;: %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu&#xa0;: %1</translation>
    </message>
</context>
</TS>
