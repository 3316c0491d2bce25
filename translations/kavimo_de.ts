<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>kavimo</name>
    <message>
        <source>The pictures cannot be queued for the archive (PACS): the disk may be full or kavimo&apos;s folder not writable. Free some space or ask your technician (%1).</source>
        <translation>Die Bilder können nicht für das Archiv (PACS) vorgemerkt werden: Möglicherweise ist der Datenträger voll oder der Ordner von kavimo nicht beschreibbar. Geben Sie Speicherplatz frei oder wenden Sie sich an Ihren Techniker (%1).</translation>
    </message>
    <message>
        <source>Sending %1 of %2 to the PACS…</source>
        <translation>Sende %1 von %2 an das PACS…</translation>
    </message>
    <message>
        <source>PACS not reachable: %1 waiting, sent when it answers. Check the network and the archive&apos;s address in Settings.</source>
        <translation>PACS nicht erreichbar: %1 in der Warteschlange, sie werden gesendet, sobald es antwortet. Prüfen Sie das Netzwerk und die Adresse des Archivs in den Einstellungen.</translation>
    </message>
    <message>
        <source>Sent %1 of %2 to the PACS; the archive refused %3. Ask its administrator (see the log).</source>
        <translation>%1 von %2 an das PACS gesendet; das Archiv hat %3 abgelehnt. Wenden Sie sich an dessen Administrator (siehe Protokoll).</translation>
    </message>
    <message>
        <source>PACS: %1</source>
        <translation>PACS: %1</translation>
    </message>
    <message>
        <source>Sent %1 of %2 to the PACS</source>
        <translation>%1 von %2 an das PACS gesendet</translation>
    </message>
    <message>
        <source>No archive (PACS) is set up. Enter its AE title, host and port in the Settings dialog: right-click the main window and choose &quot;Settings...&quot;, then restart kavimo.</source>
        <translation>Es ist kein Archiv (PACS) eingerichtet. Geben Sie dessen AE-Titel, Host und Port im Dialog „Einstellungen“ ein: Klicken Sie mit der rechten Maustaste in das Hauptfenster, wählen Sie „Einstellungen...“ und starten Sie kavimo dann neu.</translation>
    </message>
    <message>
        <source>PACS (the clinic&apos;s archive)</source>
        <translation>PACS (Archiv der Praxis)</translation>
    </message>
    <message>
        <source>Archive AE title</source>
        <translation>AE-Titel des Archivs</translation>
    </message>
    <message>
        <source>none: no archive</source>
        <translation>leer: kein Archiv</translation>
    </message>
    <message>
        <source>Archive host</source>
        <translation>Host des Archivs</translation>
    </message>
    <message>
        <source>Archive DICOM port</source>
        <translation>DICOM-Port des Archivs</translation>
    </message>
    <message>
        <source>kavimo&apos;s AE title</source>
        <translation>AE-Titel von kavimo</translation>
    </message>
    <message>
        <source>Send every stored picture (on/off)</source>
        <translation>Jedes gespeicherte Bild senden (on/off)</translation>
    </message>
    <message>
        <source>Worklist modality</source>
        <translation>Modalität der Arbeitsliste</translation>
    </message>
    <message>
        <source>Worklist of this station or all (this/all)</source>
        <translation>Arbeitsliste dieser Station oder aller (this/all)</translation>
    </message>
    <message>
        <source>Connect over TLS (the archive must show a certificate the CA signed)</source>
        <translation>Über TLS verbinden (das Archiv muss ein von der CA signiertes Zertifikat vorweisen)</translation>
    </message>
    <message>
        <source>CA certificates to trust (PEM)</source>
        <translation>Vertrauenswürdige CA-Zertifikate (PEM)</translation>
    </message>
    <message>
        <source>required with TLS</source>
        <translation>bei TLS erforderlich</translation>
    </message>
    <message>
        <source>kavimo&apos;s certificate (PEM)</source>
        <translation>Zertifikat von kavimo (PEM)</translation>
    </message>
    <message>
        <source>none: only if the archive asks for one</source>
        <translation>leer: nur wenn das Archiv eines verlangt</translation>
    </message>
    <message>
        <source>kavimo&apos;s private key (PEM)</source>
        <translation>Privater Schlüssel von kavimo (PEM)</translation>
    </message>
    <message>
        <source>none: goes with the certificate</source>
        <translation>leer: gehört zum Zertifikat</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>Verbindung testen</translation>
    </message>
    <message>
        <source>Give the archive&apos;s AE title, host and port first.</source>
        <translation>Geben Sie zuerst AE-Titel, Host und Port des Archivs an.</translation>
    </message>
    <message>
        <source>Connecting to %1%2…</source>
        <translation>Verbinde mit %1%2…</translation>
    </message>
    <message>
        <source> over TLS</source>
        <translation> über TLS</translation>
    </message>
    <message>
        <source>%1 answers.</source>
        <translation>%1 antwortet.</translation>
    </message>
    <message>
        <source>Worklist</source>
        <translation>Arbeitsliste</translation>
    </message>
    <message>
        <source>Patients scheduled for %1 (only the first %2: the PACS sent more):</source>
        <translation>Für %1 geplante Patienten (nur die ersten %2: das PACS hat mehr gesendet):</translation>
    </message>
    <message>
        <source>The worklist schedules no patient for %1.</source>
        <translation>Die Arbeitsliste enthält für %1 keine Patienten.</translation>
    </message>
    <message>
        <source>Patients scheduled for %1:</source>
        <translation>Für %1 geplante Patienten:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Patient ID</source>
        <translation>Patienten-ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Geboren</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Geschl.</translation>
    </message>
    <message>
        <source>Accession</source>
        <translation>Auftragsnr.</translation>
    </message>
    <message>
        <source>Procedure</source>
        <translation>Untersuchung</translation>
    </message>
    <message>
        <source>Not taken as the PACS sent it:
</source>
        <translation>Nicht so übernommen, wie das PACS es gesendet hat:
</translation>
    </message>
    <message>
        <source>
… and %1 more</source>
        <translation>
… und %1 weitere</translation>
    </message>
    <message>
        <source>Another day:</source>
        <translation>Anderer Tag:</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Asking the PACS for the worklist of %1…</source>
        <translation>Arbeitsliste für %1 wird vom PACS abgefragt…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cannot read the worklist: %1</source>
        <translation>Die Arbeitsliste kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The demo cannot start: %1.</source>
        <translation>Die Demo kann nicht starten: %1.</translation>
    </message>
    <message>
        <source>Oral image acquisition system</source>
        <translation>Intraorales Bilderfassungssystem</translation>
    </message>
    <message>
        <source>the running kavimo did not open patient %1: %2</source>
        <translation>das laufende kavimo hat den Patienten %1 nicht geöffnet: %2</translation>
    </message>
    <message>
        <source>the patient was not opened: %1</source>
        <translation>der Patient wurde nicht geöffnet: %1</translation>
    </message>
    <message>
        <source>kavimo cannot start: %1.</source>
        <translation>kavimo kann nicht starten: %1.</translation>
    </message>
    <message>
        <source>the pictures were not exported: %1</source>
        <translation>die Bilder wurden nicht exportiert: %1</translation>
    </message>
    <message>
        <source>the pictures were not shown: %1</source>
        <translation>die Bilder wurden nicht angezeigt: %1</translation>
    </message>
    <message>
        <source>the camera link cannot open its sockets on 127.0.0.1</source>
        <translation>die Kameraverbindung kann ihre Sockets auf 127.0.0.1 nicht öffnen</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>4 Bilder</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Pickup</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Standbild</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Choose, create or find a patient</source>
        <translation>Patienten auswählen, anlegen oder suchen</translation>
    </message>
    <message>
        <source>Start or stop the camera&apos;s live picture</source>
        <translation>Livebild der Kamera starten oder stoppen</translation>
    </message>
    <message>
        <source>Freeze the live picture; press again (Save Pic) to store it</source>
        <translation>Livebild einfrieren; erneut drücken („Bild speichern“), um es zu speichern</translation>
    </message>
    <message>
        <source>Add picture files to this patient</source>
        <translation>Bilddateien zu diesem Patienten hinzufügen</translation>
    </message>
    <message>
        <source>Copy the picked pictures (or all of them) to a folder</source>
        <translation>Die ausgewählten Bilder (oder alle) in einen Ordner kopieren</translation>
    </message>
    <message>
        <source>Pick up to four pictures for the report and the export</source>
        <translation>Bis zu vier Bilder für Bericht und Export auswählen</translation>
    </message>
    <message>
        <source>Preview, print or save the report as PDF</source>
        <translation>Bericht anzeigen, drucken oder als PDF speichern</translation>
    </message>
    <message>
        <source>Store the drawing on the shown picture</source>
        <translation>Die Zeichnung auf dem angezeigten Bild speichern</translation>
    </message>
    <message>
        <source>Store the shown picture with its drawing as a new picture</source>
        <translation>Das angezeigte Bild mit seiner Zeichnung als neues Bild speichern</translation>
    </message>
    <message>
        <source>Take back the last stroke</source>
        <translation>Den letzten Strich zurücknehmen</translation>
    </message>
    <message>
        <source>Show four pictures at once, or one again</source>
        <translation>Vier Bilder gleichzeitig oder wieder eines anzeigen</translation>
    </message>
    <message>
        <source>Delete the shown picture (it goes to the trash)</source>
        <translation>Das angezeigte Bild löschen (es wird in den Papierkorb verschoben)</translation>
    </message>
    <message>
        <source>Store the diagnosis</source>
        <translation>Den Befund speichern</translation>
    </message>
    <message>
        <source>Scroll the thumbnails up</source>
        <translation>Miniaturansichten nach oben blättern</translation>
    </message>
    <message>
        <source>Scroll the thumbnails down</source>
        <translation>Miniaturansichten nach unten blättern</translation>
    </message>
    <message>
        <source>Close kavimo (unsaved work is asked about first)</source>
        <translation>kavimo beenden (bei nicht gespeicherter Arbeit wird vorher nachgefragt)</translation>
    </message>
    <message>
        <source>Thick</source>
        <translation>Dick</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Dünn</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Num：</source>
        <translation>Nr.: </translation>
    </message>
    <message>
        <source>Name：</source>
        <translation>Name: </translation>
    </message>
    <message>
        <source>Sex：</source>
        <translation>Geschlecht: </translation>
    </message>
    <message>
        <source>Age：</source>
        <translation>Alter: </translation>
    </message>
    <message>
        <source>Phone：</source>
        <translation>Telefon: </translation>
    </message>
    <message>
        <source>Disease：</source>
        <translation>Befund: </translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The patient %1 of the practice-management system could not be opened: %2.</source>
        <translation>Der Patient %1 aus der Praxisverwaltung konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>ID：</source>
        <translation>ID: </translation>
    </message>
    <message>
        <source>ID：UID%1</source>
        <translation>ID: UID%1</translation>
    </message>
    <message>
        <source>Age：%1</source>
        <translation>Alter: %1</translation>
    </message>
    <message>
        <source>Age：%1 (born %2)</source>
        <translation>Alter: %1 (geb. %2)</translation>
    </message>
    <message>
        <source>The diagnosis has not been saved. Save it?</source>
        <translation>Der Befund wurde nicht gespeichert. Jetzt speichern?</translation>
    </message>
    <message>
        <source>The strokes on the picture have not been saved. Save them?</source>
        <translation>Die Zeichnungen auf dem Bild wurden nicht gespeichert. Jetzt speichern?</translation>
    </message>
    <message>
        <source>WIFI connected！</source>
        <translation>Verbunden!</translation>
    </message>
    <message>
        <source>WIFI disconnect！</source>
        <translation>Getrennt!</translation>
    </message>
    <message>
        <source>Settings(&amp;S)...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>关于 kavimo(&amp;A)...</source>
        <translation>&amp;Über kavimo...</translation>
    </message>
    <message>
        <source>Export as DICOM…</source>
        <translation>Als DICOM exportieren…</translation>
    </message>
    <message>
        <source>Send to PACS</source>
        <translation>An PACS senden</translation>
    </message>
    <message>
        <source>Revert to original</source>
        <translation>Original wiederherstellen</translation>
    </message>
    <message>
        <source>Restore deleted pictures…</source>
        <translation>Gelöschte Bilder wiederherstellen…</translation>
    </message>
    <message>
        <source>Teeth and view…</source>
        <translation>Zähne und Ansicht…</translation>
    </message>
    <message>
        <source>Show pictures of a tooth or view…</source>
        <translation>Bilder eines Zahns oder einer Ansicht zeigen…</translation>
    </message>
    <message>
        <source>Show all pictures</source>
        <translation>Alle Bilder zeigen</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.bmp)</source>
        <translation>Bilder (*.jpg *.jpeg *.png *.bmp)</translation>
    </message>
    <message>
        <source>Please select output dir：</source>
        <translation>Bitte den Zielordner wählen:</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>kein Bild</translation>
    </message>
    <message>
        <source>a %1 picture that cannot be read: %2</source>
        <translation>ein %1-Bild, das nicht gelesen werden kann: %2</translation>
    </message>
    <message>
        <source>Save Pic</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Fail to Save！</source>
        <translation>Speichern fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Fail to Save！
%1</source>
        <translation>Speichern fehlgeschlagen!
%1</translation>
    </message>
    <message>
        <source>Fail to save picture！</source>
        <translation>Das Bild konnte nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>the picture could not be read, so it is not written over</source>
        <translation>das Bild konnte nicht gelesen werden und wird daher nicht überschrieben</translation>
    </message>
    <message>
        <source>not a picture in the patient&apos;s directory</source>
        <translation>kein Bild im Ordner des Patienten</translation>
    </message>
    <message>
        <source>its original cannot be kept: </source>
        <translation>das Original kann nicht aufbewahrt werden: </translation>
    </message>
    <message>
        <source>Fail to Save！
%1: %2</source>
        <translation>Speichern fehlgeschlagen!
%1: %2</translation>
    </message>
    <message>
        <source>Revert %1 to the picture as it was taken?
The strokes saved on it are lost.</source>
        <translation>Bild %1 auf den Zustand der Aufnahme zurücksetzen?
Die darauf gespeicherten Zeichnungen gehen verloren.</translation>
    </message>
    <message>
        <source>Fail to revert！
%1: %2</source>
        <translation>Zurücksetzen fehlgeschlagen!
%1: %2</translation>
    </message>
    <message>
        <source>Restore deleted pictures</source>
        <translation>Gelöschte Bilder wiederherstellen</translation>
    </message>
    <message>
        <source>no free picture name</source>
        <translation>kein freier Bildname</translation>
    </message>
    <message>
        <source>Fail to import:
%1</source>
        <translation>Import fehlgeschlagen:
%1</translation>
    </message>
    <message>
        <source>picture output</source>
        <translation>Bildausgabe</translation>
    </message>
    <message>
        <source>This patient has no pictures to export.</source>
        <translation>Dieser Patient hat keine Bilder zum Exportieren.</translation>
    </message>
    <message>
        <source>No picture is picked. Export the patient&apos;s picture?</source>
        <translation>Kein Bild ausgewählt. Das Bild des Patienten exportieren?</translation>
    </message>
    <message numerus="yes">
        <source>No picture is picked. Export all %n pictures?</source>
        <translation>
            <numerusform>Kein Bild ausgewählt. %n Bild exportieren?</numerusform>
            <numerusform>Kein Bild ausgewählt. Alle %n Bilder exportieren?</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Choose another one.</source>
        <translation>Der Ordner %1 existiert nicht. Bitte wählen Sie einen anderen.</translation>
    </message>
    <message>
        <source>picture %1: it is no longer in the patient&apos;s list</source>
        <translation>Bild %1: es ist nicht mehr in der Liste des Patienten</translation>
    </message>
    <message>
        <source>%1: not a file name</source>
        <translation>%1: kein Dateiname</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures exported to %1.</source>
        <translation>
            <numerusform>%n Bild nach %1 exportiert.</numerusform>
            <numerusform>%n Bilder nach %1 exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

Fail to export:
%2</source>
        <translation>%1

Export fehlgeschlagen:
%2</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>

Delete the picture of %1-%2-%3 %4:%5:%6?
It goes to the trash, from which it can be restored for %7 days.</source>
        <translation>

Das Bild vom %1-%2-%3 %4:%5:%6 löschen?
Es wird in den Papierkorb verschoben und kann von dort %7 Tage lang wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Picture delete</source>
        <translation>Bild löschen</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Restore the unsaved work of %1 from %2?</source>
        <translation>Die nicht gespeicherte Arbeit an %1 vom %2 wiederherstellen?</translation>
    </message>
    <message>
        <source>The camera&apos;s video cannot be received: UDP port %1 (%2) is not available.</source>
        <translation>Das Video der Kamera kann nicht empfangen werden: UDP-Port %1 (%2) ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>PACS</source>
        <translation>PACS</translation>
    </message>
    <message>
        <source>DICOMDIR: %1</source>
        <translation>DICOMDIR: %1</translation>
    </message>
    <message>
        <source>%1 of %2 to %3%4%5</source>
        <translation>%1 von %2 nach %3%4%5</translation>
    </message>
    <message>
        <source>; cancelled</source>
        <translation>; abgebrochen</translation>
    </message>
    <message>
        <source>; failed: </source>
        <translation>; fehlgeschlagen: </translation>
    </message>
    <message numerus="yes">
        <source>%n DICOM files written to %1, with a DICOMDIR</source>
        <translation>
            <numerusform>%n DICOM-Datei mit DICOMDIR nach %1 geschrieben</numerusform>
            <numerusform>%n DICOM-Dateien mit DICOMDIR nach %1 geschrieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Export cancelled: %1 of %n DICOM files written to %2, with a DICOMDIR</source>
        <translation>
            <numerusform>Export abgebrochen: %1 von %n DICOM-Datei mit DICOMDIR nach %2 geschrieben</numerusform>
            <numerusform>Export abgebrochen: %1 von %n DICOM-Dateien mit DICOMDIR nach %2 geschrieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n DICOM files written; failed:
%2</source>
        <translation>
            <numerusform>%1 von %n DICOM-Datei geschrieben; fehlgeschlagen:
%2</numerusform>
            <numerusform>%1 von %n DICOM-Dateien geschrieben; fehlgeschlagen:
%2</numerusform>
        </translation>
    </message>
    <message>
        <source>The patient has no pictures to export.</source>
        <translation>Der Patient hat keine Bilder zum Exportieren.</translation>
    </message>
    <message>
        <source>Export as DICOM</source>
        <translation>Als DICOM exportieren</translation>
    </message>
    <message>
        <source>Invalid dir</source>
        <translation>Ungültiger Ordner</translation>
    </message>
    <message numerus="yes">
        <source>Exporting %n pictures as DICOM to
%1</source>
        <translation>
            <numerusform>%n Bild wird als DICOM exportiert nach
%1</numerusform>
            <numerusform>%n Bilder werden als DICOM exportiert nach
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>The patient has no pictures to send.</source>
        <translation>Der Patient hat keine Bilder zum Senden.</translation>
    </message>
    <message>
        <source>kavimo is starting or closing</source>
        <translation>kavimo wird gerade gestartet oder beendet</translation>
    </message>
    <message>
        <source>a dialog is open in kavimo; close it and try again</source>
        <translation>in kavimo ist ein Dialog geöffnet; schließen Sie ihn und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>the user stayed with the patient on screen to keep unsaved work</source>
        <translation>der Benutzer ist beim angezeigten Patienten geblieben, um nicht gespeicherte Arbeit zu behalten</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Einzelbild</translation>
    </message>
    <message>
        <source>Teeth and view</source>
        <translation>Zähne und Ansicht</translation>
    </message>
    <message>
        <source>Teeth </source>
        <translation>Zähne </translation>
    </message>
    <message>
        <source>The teeth of %1 were not given to %2:
%3</source>
        <translation>Die Zähne von %1 wurden nicht auf %2 übertragen:
%3</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n Bild</numerusform>
            <numerusform>%n Bilder</numerusform>
        </translation>
    </message>
    <message>
        <source>The teeth were not stored:
%1</source>
        <translation>Die Zähne wurden nicht gespeichert:
%1</translation>
    </message>
    <message>
        <source>Show pictures of</source>
        <translation>Bilder zeigen von</translation>
    </message>
    <message>
        <source>A tooth (%1) or a view (frontal, left buccal, right buccal, upper occlusal, lower occlusal, close-up, other).
Empty shows every picture.</source>
        <translation>Ein Zahn (%1) oder eine Ansicht (frontal, left buccal, right buccal, upper occlusal, lower occlusal, close-up, other).
Leer zeigt alle Bilder.</translation>
    </message>
    <message>
        <source>1–32 or A–T</source>
        <translation>1–32 oder A–T</translation>
    </message>
    <message>
        <source>UR1, LLA</source>
        <translation>UR1, LLA</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a tooth nor a view.</source>
        <translation>„%1“ ist weder ein Zahn noch eine Ansicht.</translation>
    </message>
    <message>
        <source>Show a picture, or pick two, to compare.</source>
        <translation>Zum Vergleichen ein Bild anzeigen oder zwei auswählen.</translation>
    </message>
    <message>
        <source>The picture shown has no teeth yet: tag it with its teeth, or pick two pictures.</source>
        <translation>Dem angezeigten Bild sind noch keine Zähne zugeordnet: Ordnen Sie ihm seine Zähne zu oder wählen Sie zwei Bilder aus.</translation>
    </message>
    <message>
        <source>No earlier picture shows the same teeth.</source>
        <translation>Kein früheres Bild zeigt dieselben Zähne.</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>the picture with the strokes cannot be encoded</source>
        <translation>das Bild mit den Zeichnungen kann nicht kodiert werden</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>in %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Faile to create WorkDir!</source>
        <translation>Das Arbeitsverzeichnis konnte nicht angelegt werden!</translation>
    </message>
    <message>
        <source>Create WorkDir successfull!</source>
        <translation>Arbeitsverzeichnis erfolgreich angelegt!</translation>
    </message>
    <message>
        <source>Faile to  create user dir！</source>
        <translation>Der Ordner des Patienten konnte nicht angelegt werden!</translation>
    </message>
    <message>
        <source>User does not exist！</source>
        <translation>Der Patient existiert nicht!</translation>
    </message>
    <message>
        <source>other</source>
        <translation>divers</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>female</source>
        <translation>weiblich</translation>
    </message>
    <message>
        <source>male</source>
        <translation>männlich</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>User Management</source>
        <translation>Patientenverwaltung</translation>
    </message>
    <message>
        <source>User List：</source>
        <translation>Patientenliste:</translation>
    </message>
    <message>
        <source>Picture List：</source>
        <translation>Bilderliste:</translation>
    </message>
    <message>
        <source>Preview：</source>
        <translation>Vorschau: </translation>
    </message>
    <message>
        <source>Born：</source>
        <translation>Geb.: </translation>
    </message>
    <message>
        <source>sex：</source>
        <translation>Geschl.: </translation>
    </message>
    <message>
        <source>Hospital：</source>
        <translation>Praxis: </translation>
    </message>
    <message>
        <source>Description：</source>
        <translation>Befund: </translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>Patienten-ID</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Disease</source>
        <translation>Befund</translation>
    </message>
    <message>
        <source>Click a column&apos;s title to sort by it</source>
        <translation>Zum Sortieren auf eine Spaltenüberschrift klicken</translation>
    </message>
    <message>
        <source>Search: part of the name, ID or phone</source>
        <translation>Suche: Teil von Name, ID oder Telefon</translation>
    </message>
    <message>
        <source>YYYYMMDD</source>
        <translation>YYYYMMDD</translation>
    </message>
    <message>
        <source>Birth date, YYYYMMDD or YYYY-MM-DD; the age then follows it</source>
        <translation>Geburtsdatum, YYYYMMDD oder YYYY-MM-DD; das Alter ergibt sich daraus</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Anlegen</translation>
    </message>
    <message>
        <source>Restore deleted patients…</source>
        <translation>Papierkorb…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No patient matches &quot;%1&quot;.</source>
        <translation>Kein Patient passt zu „%1“.</translation>
    </message>
    <message>
        <source>Please enter name！</source>
        <translation>Bitte den Namen eingeben!</translation>
    </message>
    <message>
        <source>Please enter the birth date as YYYY-MM-DD, not after today！</source>
        <translation>Bitte das Geburtsdatum als YYYY-MM-DD eingeben, nicht nach dem heutigen Tag!</translation>
    </message>
    <message>
        <source>Please enter age！</source>
        <translation>Bitte das Alter eingeben!</translation>
    </message>
    <message>
        <source>Please enter phone！</source>
        <translation>Bitte die Telefonnummer eingeben!</translation>
    </message>
    <message>
        <source>Please choose sex (Female, Male, Other or Unknown)！</source>
        <translation>Bitte das Geschlecht wählen (Weiblich, Männlich, Divers oder Unbekannt)!</translation>
    </message>
    <message>
        <source>The patient&apos;s record was written, but the name, phone and birth date as typed were not kept: %1</source>
        <translation>Der Patientendatensatz wurde geschrieben, aber Name, Telefon und Geburtsdatum wurden nicht wie eingegeben gespeichert: %1</translation>
    </message>
    <message>
        <source>The patient was created, but the worklist&apos;s order was not kept, so the pictures will not be attached to it in the archive: %1</source>
        <translation>Der Patient wurde angelegt, aber der Auftrag aus der Arbeitsliste wurde nicht gespeichert; die Bilder werden ihm daher im Archiv nicht zugeordnet: %1</translation>
    </message>
    <message numerus="yes">
        <source>The patient list is full: at most %n patients can be kept！</source>
        <translation>
            <numerusform>Die Patientenliste ist voll: Es kann höchstens %n Patient gespeichert werden!</numerusform>
            <numerusform>Die Patientenliste ist voll: Es können höchstens %n Patienten gespeichert werden!</numerusform>
        </translation>
    </message>
    <message>
        <source>A patient was created less than a second ago; please press Create again！</source>
        <translation>Vor weniger als einer Sekunde wurde ein Patient angelegt; bitte erneut „Anlegen“ drücken!</translation>
    </message>
    <message>
        <source>Are you sure delete？</source>
        <translation>Wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete the patient %1 (%2) and %3?</source>
        <translation>Den Patienten %1 (%2) und %3 löschen?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n patients and their %1?</source>
        <translation>
            <numerusform>%n Patienten und seine %1 löschen?</numerusform>
            <numerusform>%n Patienten und ihre %1 löschen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>

%1
They go to the trash, from which &quot;Restore deleted patients…&quot; brings them back for %n days.</source>
        <translation>
            <numerusform>

%1
Sie werden in den Papierkorb verschoben und lassen sich %n Tag lang über „Papierkorb…“ wiederherstellen.</numerusform>
            <numerusform>

%1
Sie werden in den Papierkorb verschoben und lassen sich %n Tage lang über „Papierkorb…“ wiederherstellen.</numerusform>
        </translation>
    </message>
    <message>
        <source>There are no deleted patients to restore.</source>
        <translation>Es gibt keine gelöschten Patienten zum Wiederherstellen.</translation>
    </message>
    <message>
        <source>Restore deleted patients</source>
        <translation>Gelöschte Patienten wiederherstellen</translation>
    </message>
    <message>
        <source>Please enter hospital name！</source>
        <translation>Bitte den Namen der Praxis eingeben!</translation>
    </message>
    <message>
        <source>Set hospital successfull！</source>
        <translation>Praxis erfolgreich festgelegt!</translation>
    </message>
    <message>
        <source>Turn a quarter to the left (Shift+R)</source>
        <translation>Um 90° nach links drehen (Umschalt+R)</translation>
    </message>
    <message>
        <source>Turn a quarter to the right (R)</source>
        <translation>Um 90° nach rechts drehen (R)</translation>
    </message>
    <message>
        <source>+ / − zoom   0 as it came   R turn   arrows move   Esc close</source>
        <translation>+ / − Zoom   0 Originalgröße   R Drehen   Pfeiltasten Verschieben   Esc Schließen</translation>
    </message>
    <message>
        <source>not on the d: drive</source>
        <translation>nicht auf Laufwerk d:</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>The picture cannot be read.</source>
        <translation>Das Bild kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Wheel or + and − zoom both, dragging moves both; double-click fits them.</source>
        <translation>Mausrad oder + und − zoomen beide, Ziehen verschiebt beide; Doppelklick passt sie ein.</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation>es gibt kein Bild zum Schreiben</translation>
    </message>
    <message>
        <source>cannot encode the picture as %1: %2</source>
        <translation>das Bild kann nicht als %1 kodiert werden: %2</translation>
    </message>
    <message>
        <source>it is a link to a file outside the work directory</source>
        <translation>es ist ein Link auf eine Datei außerhalb des Arbeitsverzeichnisses</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>the path lies outside the d: drive</source>
        <translation>der Pfad liegt außerhalb von Laufwerk d:</translation>
    </message>
    <message>
        <source>Which teeth does %1 show?</source>
        <translation>Welche Zähne zeigt %1?</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>FDI %1</source>
        <translation>FDI %1</translation>
    </message>
    <message>
        <source>View:</source>
        <translation>Ansicht:</translation>
    </message>
    <message>
        <source>(not given)</source>
        <translation>(nicht angegeben)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>No tooth chosen.</source>
        <translation>Kein Zahn gewählt.</translation>
    </message>
    <message>
        <source>Chosen: </source>
        <translation>Gewählt: </translation>
    </message>
    <message>
        <source>there is no runtime directory (XDG_RUNTIME_DIR)</source>
        <translation>es gibt kein Laufzeitverzeichnis (XDG_RUNTIME_DIR)</translation>
    </message>
    <message>
        <source>the running kavimo did not answer</source>
        <translation>das laufende kavimo hat nicht geantwortet</translation>
    </message>
    <message>
        <source>the transfer file was not read: %1</source>
        <translation>die Übergabedatei wurde nicht gelesen: %1</translation>
    </message>
    <message>
        <source>the transfer file&apos;s request was refused: %1</source>
        <translation>die Anfrage der Übergabedatei wurde abgelehnt: %1</translation>
    </message>
    <message>
        <source>kavimo has no patient with the ID %1</source>
        <translation>kavimo hat keinen Patienten mit der ID %1</translation>
    </message>
    <message>
        <source>the picture %1 is not one of the patient&apos;s</source>
        <translation>das Bild %1 gehört nicht zu diesem Patienten</translation>
    </message>
    <message>
        <source>the answer could not be written into the transfer file: %1</source>
        <translation>die Antwort konnte nicht in die Übergabedatei geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Print-diagnose</source>
        <translation>Befund drucken</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Der Bericht konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.</source>
        <translation>Der Bericht konnte nicht als %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Sex：male</source>
        <translation>Geschlecht: männlich</translation>
    </message>
    <message>
        <source>Sex：female</source>
        <translation>Geschlecht: weiblich</translation>
    </message>
    <message>
        <source>Time：</source>
        <translation>Zeit: </translation>
    </message>
    <message>
        <source>Resualt</source>
        <translation>Befundbericht</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Pictures：</source>
        <translation>Bilder: </translation>
    </message>
    <message>
        <source>Doctor：</source>
        <translation>Behandler: </translation>
    </message>
    <message>
        <source>Pictures and records</source>
        <translation>Bilder und Daten</translation>
    </message>
    <message>
        <source>d: drive folder</source>
        <translation>Ordner für Laufwerk d:</translation>
    </message>
    <message>
        <source>Stream camera</source>
        <translation>Videokamera</translation>
    </message>
    <message>
        <source>Camera address</source>
        <translation>Kamera-Adresse</translation>
    </message>
    <message>
        <source>Camera command port</source>
        <translation>Befehlsport der Kamera</translation>
    </message>
    <message>
        <source>Local command port (0: any)</source>
        <translation>Lokaler Befehlsport (0: beliebig)</translation>
    </message>
    <message>
        <source>Local video port</source>
        <translation>Lokaler Videoport</translation>
    </message>
    <message>
        <source>Picture camera</source>
        <translation>Standbildkamera</translation>
    </message>
    <message>
        <source>Local reply port (0: any)</source>
        <translation>Lokaler Antwortport (0: beliebig)</translation>
    </message>
    <message>
        <source>Camera picture port (TCP)</source>
        <translation>Bildport der Kamera (TCP)</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Local address (0.0.0.0: all)</source>
        <translation>Lokale Adresse (0.0.0.0: alle)</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Doctor&apos;s name</source>
        <translation>Name des Behandlers</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Foot switch key (does Freeze)</source>
        <translation>Taste des Fußschalters (wirkt wie „Standbild“)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Language (empty: the desktop&apos;s)</source>
        <translation>Sprache (leer: die des Desktops)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>The d: drive folder</source>
        <translation>Ordner für Laufwerk d:</translation>
    </message>
    <message>
        <source>PEM files (*.pem *.crt *.key);;All files (*)</source>
        <translation>PEM-Dateien (*.pem *.crt *.key);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Einstellungsdatei: %1</translation>
    </message>
    <message>
        <source>Changes take effect the next time kavimo starts. An empty field uses the default shown in it. A value overridden by a command-line option or an environment variable is used in the runs without it.</source>
        <translation>Änderungen werden beim nächsten Start von kavimo wirksam. Ein leeres Feld verwendet den darin angezeigten Standardwert. Ein Wert, der durch eine Kommandozeilenoption oder eine Umgebungsvariable überschrieben ist, gilt bei den Starts ohne diese.</translation>
    </message>
    <message>
        <source>none; e.g. F8</source>
        <translation>keine; z. B. F8</translation>
    </message>
    <message>
        <source>not a key (for example F8, Space or Pause)</source>
        <translation>keine Taste (zum Beispiel F8, Space oder Pause)</translation>
    </message>
    <message>
        <source>e.g. de, zh_CN</source>
        <translation>z. B. de, zh_CN</translation>
    </message>
    <message>
        <source>not a language (for example de, fr or zh_CN)</source>
        <translation>keine Sprache (zum Beispiel de, fr oder zh_CN)</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Wählen...</translation>
    </message>
    <message>
        <source>Overridden by %1 for this run</source>
        <translation>Für diesen Start durch %1 überschrieben</translation>
    </message>
    <message>
        <source>The settings cannot be written to %1.</source>
        <translation>Die Einstellungen können nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Tooth numbers (fdi, universal or palmer; at once)</source>
        <translation>Zahnschema (fdi, universal oder palmer; sofort wirksam)</translation>
    </message>
    <message>
        <source>fdi: 11–48, 51–85</source>
        <translation>fdi: 11–48, 51–85</translation>
    </message>
    <message>
        <source>not fdi, universal (1–32, A–T) or palmer (UR1, ULA)</source>
        <translation>nicht fdi, universal (1–32, A–T) oder palmer (UR1, ULA)</translation>
    </message>
    <message>
        <source>Ask for the teeth after each capture, at once (the camera&apos;s capture key confirms)</source>
        <translation>Nach jeder Aufnahme nach den Zähnen fragen, sofort wirksam (die Auslösetaste der Kamera bestätigt)</translation>
    </message>
    <message>
        <source>Teeth</source>
        <translation>Zähne</translation>
    </message>
    <message>
        <source>关于 kavimo</source>
        <translation>Über kavimo</translation>
    </message>
    <message>
        <source>kavimo, version %1</source>
        <translation>kavimo, Version %1</translation>
    </message>
    <message>
        <source>Oral image acquisition system for WiFi intraoral cameras</source>
        <translation>Intraorales Bilderfassungssystem für WLAN-Intraoralkameras</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Protokoll: %1</translation>
    </message>
    <message>
        <source>User guide (F1)</source>
        <translation>Benutzerhandbuch (F1)</translation>
    </message>
    <message numerus="yes">
        <source>Deleted items are kept for %n days. Choose what to restore:</source>
        <translation>
            <numerusform>Gelöschte Einträge werden %n Tag lang aufbewahrt. Wählen Sie, was wiederhergestellt werden soll:</numerusform>
            <numerusform>Gelöschte Einträge werden %n Tage lang aufbewahrt. Wählen Sie, was wiederhergestellt werden soll:</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Picture of %1   (deleted %2)</source>
        <translation>Bild von %1   (gelöscht %2)</translation>
    </message>
    <message numerus="yes">
        <source>%1  %2, %n pictures   (deleted %3)</source>
        <translation>
            <numerusform>%1  %2, %n Bild   (gelöscht %3)</numerusform>
            <numerusform>%1  %2, %n Bilder   (gelöscht %3)</numerusform>
        </translation>
    </message>
    <message>
        <source>The user guide is not installed. It was looked for in:
%1</source>
        <translation>Das Benutzerhandbuch ist nicht installiert. Gesucht wurde in:
%1</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>kavimo user guide</source>
        <translation>kavimo-Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Try &apos;kavimo --help&apos;.</source>
        <translation>„kavimo --help“ liefert weitere Informationen.</translation>
    </message>
    <message>
        <source>Host directory that stands for the d: drive (default ~/.local/share/kavimo/d).</source>
        <translation>Verzeichnis auf diesem Rechner, das für Laufwerk d: steht (Standard ~/.local/share/kavimo/d).</translation>
    </message>
    <message>
        <source>Group that shares the records: folders 0770, files 0660 (default: none, 0700 and 0600).</source>
        <translation>Gruppe, mit der die Patientendaten geteilt werden: Ordner 0770, Dateien 0660 (Standard: keine, 0700 und 0600).</translation>
    </message>
    <message>
        <source>Address of the stream camera (default 172.16.10.1).</source>
        <translation>Adresse der Videokamera (Standard 172.16.10.1).</translation>
    </message>
    <message>
        <source>The stream camera&apos;s command port (default 7777).</source>
        <translation>Befehlsport der Videokamera (Standard 7777).</translation>
    </message>
    <message>
        <source>Local port for the stream camera&apos;s replies, heartbeats and keys (default 7777; 0: any).</source>
        <translation>Lokaler Port für Antworten, Lebenszeichen und Tastendrücke der Videokamera (Standard 7777; 0: beliebig).</translation>
    </message>
    <message>
        <source>Local port the live video arrives on (default 8888).</source>
        <translation>Lokaler Port, auf dem das Livevideo ankommt (Standard 8888).</translation>
    </message>
    <message>
        <source>Address of the picture camera (default 192.168.239.1).</source>
        <translation>Adresse der Standbildkamera (Standard 192.168.239.1).</translation>
    </message>
    <message>
        <source>The picture camera&apos;s command port (default 6000).</source>
        <translation>Befehlsport der Standbildkamera (Standard 6000).</translation>
    </message>
    <message>
        <source>Local port for the picture camera&apos;s replies (default 5000; 0: any).</source>
        <translation>Lokaler Port für die Antworten der Standbildkamera (Standard 5000; 0: beliebig).</translation>
    </message>
    <message>
        <source>The picture camera&apos;s TCP picture port (default 5000).</source>
        <translation>TCP-Bildport der Standbildkamera (Standard 5000).</translation>
    </message>
    <message>
        <source>Local address the camera sockets bind to (default 0.0.0.0: all).</source>
        <translation>Lokale Adresse, an die die Kamera-Sockets gebunden werden (Standard 0.0.0.0: alle).</translation>
    </message>
    <message>
        <source>The clinic&apos;s archive (PACS): its AE title (default: none, no archive).</source>
        <translation>Das Archiv der Praxis (PACS): sein AE-Titel (Standard: keiner, kein Archiv).</translation>
    </message>
    <message>
        <source>The archive&apos;s host name or address.</source>
        <translation>Hostname oder Adresse des Archivs.</translation>
    </message>
    <message>
        <source>The archive&apos;s DICOM port.</source>
        <translation>DICOM-Port des Archivs.</translation>
    </message>
    <message>
        <source>kavimo&apos;s own AE title towards the archive (default KAVIMO).</source>
        <translation>Eigener AE-Titel von kavimo gegenüber dem Archiv (Standard KAVIMO).</translation>
    </message>
    <message>
        <source>Issuer of Patient ID sent with kavimo&apos;s own Patient IDs (default KAVIMO- and the first 8 hex digits of the installation&apos;s identity).</source>
        <translation>Aussteller der Patienten-ID (Issuer of Patient ID), der mit den eigenen Patienten-IDs von kavimo gesendet wird (Standard KAVIMO- und die ersten 8 Hexadezimalziffern der Kennung dieser Installation).</translation>
    </message>
    <message>
        <source>The modality whose worklist entries are listed (default XC, photographs).</source>
        <translation>Modalität, deren Einträge der Arbeitsliste aufgeführt werden (Standard XC, Fotografien).</translation>
    </message>
    <message>
        <source>Lists the worklist entries scheduled for kavimo&apos;s own AE title (this, the default) or for every station (all).</source>
        <translation>Führt die Einträge der Arbeitsliste auf, die für den eigenen AE-Titel von kavimo (this, der Standard) oder für alle Stationen (all) geplant sind.</translation>
    </message>
    <message>
        <source>Sends every stored picture to the archive automatically (default off).</source>
        <translation>Sendet jedes gespeicherte Bild automatisch an das Archiv (Standard off).</translation>
    </message>
    <message>
        <source>Talks to the archive over TLS; its certificate must chain to --pacs-tls-ca and name its host (default off: plain TCP).</source>
        <translation>Verbindet sich über TLS mit dem Archiv; dessen Zertifikat muss auf eine CA aus --pacs-tls-ca zurückgehen und seinen Hostnamen nennen (Standard off: unverschlüsseltes TCP).</translation>
    </message>
    <message>
        <source>The CA certificates (PEM) to check the archive&apos;s certificate with.</source>
        <translation>Die CA-Zertifikate (PEM), mit denen das Zertifikat des Archivs geprüft wird.</translation>
    </message>
    <message>
        <source>kavimo&apos;s own certificate (PEM), for archives that ask for one.</source>
        <translation>Eigenes Zertifikat von kavimo (PEM), für Archive, die eines verlangen.</translation>
    </message>
    <message>
        <source>The unencrypted private key (PEM) of kavimo&apos;s certificate.</source>
        <translation>Der unverschlüsselte private Schlüssel (PEM) des Zertifikats von kavimo.</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot; is %4</source>
        <translation>%1: %2 „%3“ ist %4</translation>
    </message>
    <message>
        <source>not a directory</source>
        <translation>kein Verzeichnis</translation>
    </message>
    <message>
        <source>not an IPv4 address</source>
        <translation>keine IPv4-Adresse</translation>
    </message>
    <message>
        <source>not a port (0 to 65535)</source>
        <translation>kein Port (0 bis 65535)</translation>
    </message>
    <message>
        <source>not a port (1 to 65535)</source>
        <translation>kein Port (1 bis 65535)</translation>
    </message>
    <message>
        <source>not an AE title (1 to 16 characters)</source>
        <translation>kein AE-Titel (1 bis 16 Zeichen)</translation>
    </message>
    <message>
        <source>not a host</source>
        <translation>kein Host</translation>
    </message>
    <message>
        <source>not on or off</source>
        <translation>nicht on oder off</translation>
    </message>
    <message>
        <source>not an issuer (1 to 64 characters, no backslash)</source>
        <translation>kein Aussteller (1 bis 64 Zeichen, kein Backslash)</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>not a modality (a code such as XC or IO)</source>
        <translation>keine Modalität (ein Code wie XC oder IO)</translation>
    </message>
    <message>
        <source>not this or all</source>
        <translation>nicht this oder all</translation>
    </message>
    <message>
        <source>not a group name</source>
        <translation>kein Gruppenname</translation>
    </message>
    <message>
        <source>not valid</source>
        <translation>ungültig</translation>
    </message>
    <message>
        <source>no folder given</source>
        <translation>kein Ordner angegeben</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>kein Ordner</translation>
    </message>
    <message>
        <source>the folder is not writable</source>
        <translation>der Ordner ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>keine Datei angegeben</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>the file is not readable</source>
        <translation>die Datei ist nicht lesbar</translation>
    </message>
    <message>
        <source>Opens the patient with this ID of the practice-management system, creating it when kavimo does not have it yet (the patient dialog is not shown); the ID becomes the archive&apos;s Patient ID. When kavimo already runs on this work directory, the running window switches to the patient.</source>
        <translation>Öffnet den Patienten mit dieser ID aus der Praxisverwaltung und legt ihn an, wenn kavimo ihn noch nicht hat (der Patientendialog wird nicht angezeigt); die ID wird zur Patienten-ID im Archiv. Läuft kavimo bereits mit diesem Arbeitsverzeichnis, wechselt das laufende Fenster zu diesem Patienten.</translation>
    </message>
    <message>
        <source>The last name of the --patient-id patient (needed with it).</source>
        <translation>Nachname des mit --patient-id angegebenen Patienten (dort erforderlich).</translation>
    </message>
    <message>
        <source>The first name of the --patient-id patient.</source>
        <translation>Vorname des mit --patient-id angegebenen Patienten.</translation>
    </message>
    <message>
        <source>The birth date of the --patient-id patient (also YYYY-MM-DD or DD.MM.YYYY).</source>
        <translation>Geburtsdatum des mit --patient-id angegebenen Patienten (auch YYYY-MM-DD oder DD.MM.YYYY).</translation>
    </message>
    <message>
        <source>The sex of the --patient-id patient (also Male, Female, Other, Unknown).</source>
        <translation>Geschlecht des mit --patient-id angegebenen Patienten (auch Male, Female, Other, Unknown).</translation>
    </message>
    <message>
        <source>The phone of the --patient-id patient.</source>
        <translation>Telefonnummer des mit --patient-id angegebenen Patienten.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Zeigt die Version an.</translation>
    </message>
    <message>
        <source>Points both camera addresses at 127.0.0.1 (for the camera simulator)
[KAVIMO_LOOPBACK=1]</source>
        <translation>Setzt beide Kameraadressen auf 127.0.0.1 (für den Kamerasimulator)
[KAVIMO_LOOPBACK=1]</translation>
    </message>
    <message>
        <source>Shows kavimo without a camera: starts the camera simulator kavimo-camsim (next to kavimo, else on the PATH) on 127.0.0.1 as a stream camera (--demo) or a picture camera (--demo=picture) and points the camera link at it; the camera addresses and ports above are then unused.</source>
        <translation>Zeigt kavimo ohne Kamera: startet den Kamerasimulator kavimo-camsim (neben kavimo, sonst aus dem PATH) auf 127.0.0.1 als Videokamera (--demo) oder Standbildkamera (--demo=picture) und richtet die Kameraverbindung darauf aus; die obigen Kameraadressen und -ports werden dann nicht verwendet.</translation>
    </message>
    <message>
        <source>The settings file to read instead of %1
[KAVIMO_CONFIG]</source>
        <translation>Einstellungsdatei, die statt %1 gelesen wird
[KAVIMO_CONFIG]</translation>
    </message>
    <message>
        <source>Writes a picture of the screen.</source>
        <translation>Speichert ein Bildschirmfoto.</translation>
    </message>
    <message>
        <source>Milliseconds.</source>
        <translation>Millisekunden.</translation>
    </message>
    <message>
        <source>kavimo: oral image acquisition for WiFi intraoral cameras.
Every setting can also be given in the environment (KAVIMO_*) or in kavimo.ini;
the command line wins over the environment, which wins over the file.</source>
        <translation>kavimo: intraorale Bilderfassung für WLAN-Intraoralkameras.
Jede Einstellung kann auch in der Umgebung (KAVIMO_*) oder in kavimo.ini angegeben werden;
die Kommandozeile hat Vorrang vor der Umgebung, diese wiederum vor der Datei.</translation>
    </message>
    <message>
        <source>A VDDS-media transfer file the practice-management system wrote.</source>
        <translation>Eine VDDS-media-Übergabedatei, die die Praxisverwaltung geschrieben hat.</translation>
    </message>
    <message>
        <source>Usage: kavimo [options] [transfer-file]</source>
        <translation>Aufruf: kavimo [Optionen] [transfer-file]</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>settings file &quot;%1&quot; does not exist</source>
        <translation>die Einstellungsdatei „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>--demo=%1: the demo camera is &quot;stream&quot; or &quot;picture&quot;</source>
        <translation>--demo=%1: die Demokamera ist „stream“ oder „picture“</translation>
    </message>
    <message>
        <source>a transfer file and --patient-id cannot be given together</source>
        <translation>eine Übergabedatei und --patient-id können nicht zusammen angegeben werden</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot; (no such transfer file)</source>
        <translation>unerwartetes Argument „%1“ (keine solche Übergabedatei)</translation>
    </message>
    <message>
        <source>the patient options need --patient-id</source>
        <translation>die Patientenoptionen erfordern --patient-id</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD)</source>
        <translation>das Geburtsdatum „%1“ ist kein Datum (YYYYMMDD)</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, F, O, U, Male, Female, Other or Unknown</source>
        <translation>das Geschlecht „%1“ ist nicht M, F, O, U, Male, Female, Other oder Unknown</translation>
    </message>
    <message>
        <source>the stream camera %1:%2 is the program&apos;s own command port; give the camera&apos;s port with --stream-command-port or another local port with --stream-local-port</source>
        <translation>die Videokamera %1:%2 ist der eigene Befehlsport des Programms; geben Sie den Port der Kamera mit --stream-command-port oder einen anderen lokalen Port mit --stream-local-port an</translation>
    </message>
    <message>
        <source>the picture camera %1:%2 is the program&apos;s own reply port; give the camera&apos;s port with --picture-command-port or another local port with --picture-reply-port</source>
        <translation>die Standbildkamera %1:%2 ist der eigene Antwortport des Programms; geben Sie den Port der Kamera mit --picture-command-port oder einen anderen lokalen Port mit --picture-reply-port an</translation>
    </message>
</context>
<context>
    <name>text</name>
    <message>
        <source>Could not find &quot;%1&quot;: %2</source>
        <translation>„%1“ wurde nicht gefunden: %2</translation>
    </message>
    <message>
        <source>Could not create &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Could not move &quot;%1&quot; to the trash: %2</source>
        <translation>„%1“ konnte nicht in den Papierkorb verschoben werden: %2</translation>
    </message>
    <message>
        <source>Could not restore &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht wiederhergestellt werden: %2</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <source>These patient records are incomplete and were left out of the patient list:%1</source>
        <translation>Diese Patientendatensätze sind unvollständig und wurden nicht in die Patientenliste aufgenommen:%1</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but no files were deleted: its record names the directory &quot;%2&quot; instead of &quot;%3&quot;.</source>
        <translation>%1 wurde aus der Patientenliste entfernt, aber es wurden keine Dateien gelöscht: Sein Datensatz nennt das Verzeichnis „%2“ statt „%3“.</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but &quot;%2&quot; could not be moved to the trash: %3</source>
        <translation>%1 wurde aus der Patientenliste entfernt, aber „%2“ konnte nicht in den Papierkorb verschoben werden: %3</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but &quot;%2&quot; was not deleted: it is not a plain directory.</source>
        <translation>%1 wurde aus der Patientenliste entfernt, aber „%2“ wurde nicht gelöscht: Es ist kein gewöhnliches Verzeichnis.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; was not added: its path is longer than %2 bytes.</source>
        <translation>Das Bild „%1“ wurde nicht hinzugefügt: Sein Pfad ist länger als %2 Byte.</translation>
    </message>
    <message>
        <source>These pictures were not added: their paths are longer than %1 bytes.%2</source>
        <translation>Diese Bilder wurden nicht hinzugefügt: Ihre Pfade sind länger als %1 Byte.%2</translation>
    </message>
    <message>
        <source>%1 cannot be restored: the patient list is full.</source>
        <translation>%1 kann nicht wiederhergestellt werden: Die Patientenliste ist voll.</translation>
    </message>
    <message>
        <source>%1 cannot be restored: a patient directory of that name exists.</source>
        <translation>%1 kann nicht wiederhergestellt werden: Ein Patientenverzeichnis dieses Namens existiert bereits.</translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2</source>
        <translation>%1 kann nicht wiederhergestellt werden: %2</translation>
    </message>
    <message>
        <source>Cannot create the work directory %1: %2</source>
        <translation>Das Arbeitsverzeichnis %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot use the lock file %1: it is a symbolic link, which kavimo does not follow.</source>
        <translation>Die Sperrdatei %1 kann nicht verwendet werden: Sie ist ein symbolischer Link, dem kavimo nicht folgt.</translation>
    </message>
    <message>
        <source>Cannot open the lock file %1: %2</source>
        <translation>Die Sperrdatei %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot use the lock file %1: it is not a plain file.</source>
        <translation>Die Sperrdatei %1 kann nicht verwendet werden: Sie ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The patient records in %1 are in use by kavimo on %2 (process %3).</source>
        <translation>Die Patientendaten in %1 werden von kavimo auf %2 verwendet (Prozess %3).</translation>
    </message>
    <message>
        <source>The patient records in %1 are in use by kavimo on another computer or process.</source>
        <translation>Die Patientendaten in %1 werden von kavimo auf einem anderen Computer oder in einem anderen Prozess verwendet.</translation>
    </message>
    <message>
        <source>Cannot lock the patient records in %1: %2</source>
        <translation>Die Patientendaten in %1 können nicht gesperrt werden: %2</translation>
    </message>
    <message>
        <source>the JPEG data is cut short or damaged (%1)</source>
        <translation>die JPEG-Daten sind abgeschnitten oder beschädigt (%1)</translation>
    </message>
    <message>
        <source>not a readable JPEG picture: %1</source>
        <translation>kein lesbares JPEG-Bild: %1</translation>
    </message>
    <message>
        <source>the picture does not decode to RGB</source>
        <translation>das Bild lässt sich nicht zu RGB dekodieren</translation>
    </message>
    <message>
        <source>cannot encode the picture as JPEG: %1</source>
        <translation>das Bild kann nicht als JPEG kodiert werden: %1</translation>
    </message>
    <message>
        <source>the archive&apos;s address is not set (AE title, host and port)</source>
        <translation>die Adresse des Archivs ist nicht eingestellt (AE-Titel, Host und Port)</translation>
    </message>
    <message>
        <source>the archive %1 refused the connection (check its AE title and that it accepts %2): %3</source>
        <translation>das Archiv %1 hat die Verbindung abgelehnt (prüfen Sie seinen AE-Titel und ob es %2 annimmt): %3</translation>
    </message>
    <message>
        <source>cannot reach the archive %1: %2 (it may ask for kavimo&apos;s own TLS certificate, and none is set)</source>
        <translation>das Archiv %1 ist nicht erreichbar: %2 (möglicherweise verlangt es das eigene TLS-Zertifikat von kavimo, und es ist keines eingestellt)</translation>
    </message>
    <message>
        <source>cannot reach the archive %1: %2</source>
        <translation>das Archiv %1 ist nicht erreichbar: %2</translation>
    </message>
    <message>
        <source>not connected to the archive</source>
        <translation>nicht mit dem Archiv verbunden</translation>
    </message>
    <message>
        <source>the archive did not answer the check: %1</source>
        <translation>das Archiv hat auf die Prüfung nicht geantwortet: %1</translation>
    </message>
    <message>
        <source>the archive does not accept photographic pictures (VL Photographic Image Storage)</source>
        <translation>das Archiv nimmt keine fotografischen Bilder an (VL Photographic Image Storage)</translation>
    </message>
    <message>
        <source>the archive did not confirm the picture: %1</source>
        <translation>das Archiv hat das Bild nicht bestätigt: %1</translation>
    </message>
    <message>
        <source>the archive refused the picture (%1)</source>
        <translation>das Archiv hat das Bild abgelehnt (%1)</translation>
    </message>
    <message>
        <source>the archive stored the picture with a warning (%1)</source>
        <translation>das Archiv hat das Bild mit einer Warnung gespeichert (%1)</translation>
    </message>
    <message>
        <source>the archive offers no worklist</source>
        <translation>das Archiv bietet keine Arbeitsliste an</translation>
    </message>
    <message>
        <source>the archive did not finish answering within %1 s</source>
        <translation>das Archiv hat nicht innerhalb von %1 s fertig geantwortet</translation>
    </message>
    <message>
        <source>the worklist query failed: %1</source>
        <translation>die Abfrage der Arbeitsliste ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>the picture claims %1 × %2 pixels, more than kavimo opens</source>
        <translation>das Bild gibt %1 × %2 Pixel an, mehr als kavimo öffnet</translation>
    </message>
    <message numerus="yes">
        <source>the patient list is full: at most %n patients can be kept</source>
        <translation>
            <numerusform>die Patientenliste ist voll: Es kann höchstens %n Patient gespeichert werden</numerusform>
            <numerusform>die Patientenliste ist voll: Es können höchstens %n Patienten gespeichert werden</numerusform>
        </translation>
    </message>
    <message>
        <source>the computer&apos;s clock is behind the newest patient&apos;s creation time</source>
        <translation>die Uhrzeit des Computers liegt vor dem Anlagezeitpunkt des neuesten Patienten</translation>
    </message>
    <message>
        <source>the patient could not be stored in the work directory</source>
        <translation>der Patient konnte nicht im Arbeitsverzeichnis gespeichert werden</translation>
    </message>
    <message>
        <source>the patient&apos;s details could not be written: %1</source>
        <translation>die Daten des Patienten konnten nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the patient could not be selected</source>
        <translation>der Patient konnte nicht ausgewählt werden</translation>
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
        <translation>Aufruf: kavimo-camsim --stream|--picture [Optionen]

Spielt eine Kamera des kavimo-Systems über Loopback nach. Jede Adresse muss in 127.0.0.0/8 liegen.

  --stream               die Videokamera: Identify-Antworten, Lebenszeichen, Tastendrücke, H.264-Video
  --picture              die Standbildkamera: Identify-Antworten, TCP-Bildkanal
  --bind IP              lokale Adresse aller Sockets (Standard 127.0.0.1)
  --app IP               die Adresse der Anwendung (Standard 127.0.0.1)
  --cmd-port N           der UDP-Befehlsport der Kamera (Standard 0: vom Kernel gewählt)
  --app-port N           der Befehlsport der Anwendung (Videokamera, Standard 7777) oder ihr
                         Antwortport (Standbildkamera, Standard 5000); 0: nichts senden, bis der
                         Befehl „app-port N“ ihn nennt
  --video-port N         der Videoport der Anwendung (Standard 8888); 0: kein Video senden, bis
                         „video-port N“ ihn nennt
  --tcp-port N           der TCP-Port des Bildkanals (Standard 0: vom Kernel gewählt)
  --name TEXT            der Name der Kamera in ihrer Identify-Antwort (höchstens 32 Byte)
  --value N              das erste Argument der Identify-Antwort (Standard 1)
  --size WxH             Bildgröße (Standard 640x480)
  --fps N                Videobilder pro Sekunde (Standard 25)
  --gop N                Bilder von einem Schlüsselbild zum nächsten (Standard 25)
  --bitrate KBPS         Video-Bitrate (Standard 1500)
  --fragment-size N      Nutzdaten-Bytes pro Fragment, ein Fragment pro Datagramm (Standard 1400)
  --attribute N          Videoattribut-Code jedes Bildes (Standard 0)
  --input FILE.h264      die Bilder dieser Annex-B-Datei (in Schleife) statt des Testbilds senden
  --loss N               jedes N-te Fragment verwerfen (Standard 0: keines)
  --heartbeat-ms N       Intervall der Lebenszeichen (Standard 500; 0: keine)
  --no-heartbeat         mit angehaltenen Lebenszeichen starten
  --no-video             mit angehaltenem Video starten
  --no-identify          auf Identify nicht antworten
  --preview-fps N        Vorschaubilder pro Sekunde (Standard 10)
  --quality N            JPEG-Qualität der Vorschaubilder (Standard 80)
  --drop-after N         jede TCP-Verbindung nach N Bildern trennen
  --at SECONDS:COMMAND   einen Befehl zu einer Zeit nach dem Start ausführen (wiederholbar)
  --exit-on-stdin-eof    beenden, wenn die Standardeingabe geschlossen wird
  --duration SECONDS     nach dieser Dauer beenden
  -h, --help             dieser Text
  --version              die Version von kavimo, zu der dieses Programm gehört

Befehle (über die Standardeingabe, einer pro Zeile, oder mit --at):
  key N                  Videokamera: Kamerataste N senden (81..85); Standbildkamera: auslösen
  capture                Standbildkamera: ein aufgenommenes Bild senden
  heartbeat on|off       die Lebenszeichen starten oder anhalten
  video on|off           das Video starten oder anhalten
  identify on|off        auf Identify antworten oder nicht
  drop                   Standbildkamera: die TCP-Verbindung schließen
  oversize               Standbildkamera: eine Vorschaunachricht senden, die länger als 1048576 Byte ist
  loss N                 ab jetzt jedes N-te Fragment verwerfen (0: keines)
  loss-rate N            ab jetzt zufällig Fragmente verwerfen, N pro Tausend (0: keine)
  send CODE [A1 [A2]]    ein Befehlsdatagramm mit diesen Werten an die Anwendung senden
  app-port N             Antworten, Lebenszeichen und Tastendrücke ab jetzt an diesen Port senden
  video-port N           das Video ab jetzt an diesen Port senden
  quit                   beenden

Standardausgabe: eine Zeile „camsim ready mode=... cmd_port=... ...“, sobald alle Sockets gebunden sind,
danach Zeilen „camsim event ...“; am Ende „camsim bye“. Fehler gehen auf die Standardfehlerausgabe.
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
        <translation>Aufruf: kavimo-play [Optionen] [FILE.h264]
Spielt einen H.264-Elementarstream ab oder, wenn keine Datei angegeben ist, ein erzeugtes Testmuster.
  --size WxH            Größe des erzeugten Musters (Standard 1280x720)
  --fps N               Bildrate des Streams (Standard 25)
  --mode 0|1            Darstellungsmodus: 0 Surface-Ebene (Standard), 1 SDL
  --overlay             den Statistiktext über das Video zeichnen
  --frames N            nach N Bildern beenden
  --seconds S           nach S Sekunden beenden
  --loop                eine Datei an ihrem Ende erneut starten
  --window WxH          Größe des Fensters (Standard: die Größe des Musters, 960x540 bei einer Datei)
  --no-pacing           Bilder so schnell zeigen, wie sie gezeichnet werden können (ohne Taktung, sofort eingespeist)
  --shot FILE.bmp       am Ende das zuletzt gezeigte Bild schreiben (TEGMO_PLAY_VideoShotLast)
  --window-shot FILE.bmp  am Ende schreiben, was das Fenster zeigt
  --record FILE.h264    die abgespielten Bilder zusätzlich in eine Elementarstream-Datei schreiben
  -h, --help            dieser Text
  --version             die Version von kavimo, zu der dieses Programm gehört
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
        <translation>Aufruf: kavimo-records [--drive-d DIR] [--data-group GROUP] COMMAND

Zeigt die Patientendaten von kavimo an, ohne sie zu ändern; nur tag legt die Zähne und die
Ansicht eines Bildes fest.

Befehle:
  list        alle Patienten: Nummer, UID, Name, Geschlecht, Alter, Telefon, Befunde, Bilder
  show UID    Datensatz, Befunde und Bilder eines Patienten mit ihren Zähnen und Ansichten
              (UID20170801102233 oder nur die Ziffern)
  tag UID PICTURE [--teeth 11,21] [--view VIEW]
              legt die Zähne (FDI-Nummern; leer: keine) und die Ansicht eines Bildes fest; PICTURE
              wie von show angegeben (seine Nummer, sein Pfad oder Dateiname); VIEW ist frontal,
              left-buccal, right-buccal, upper-occlusal, lower-occlusal, close-up oder other
              (leer: keine). Abgelehnt, solange kavimo das Arbeitsverzeichnis geöffnet hat
  check       vergleicht die Zähler jedes Patienten mit seinen Listen- und Bilddateien, prüft, ob
              jedes Bild ein JPEG enthält, und sucht nach fehlenden Sicherungen und überzähligen
              Dateien; Exit-Status 1 bei einem Problem
  export-dicom UID DIR [--pacs-issuer TEXT]
              schreibt alle Bilder des Patienten mit einem DICOMDIR nach DIR/DICOM/
  send-dicom UID --pacs AET@HOST:PORT [--calling-aet AET] [--pacs-issuer TEXT] [TLS-Optionen]
              sendet alle Bilder des Patienten an das Archiv, eine Zeile pro Bild
              (diese beiden schreiben die Kennung der Installation, Installation.txt im
              Arbeitsverzeichnis, falls es sie noch nicht gibt: Jede UID, die sie erzeugen, enthält sie)
  worklist --pacs AET@HOST:PORT [--calling-aet AET] [TLS-Optionen] [--date YYYYMMDD]
              die Patienten, die die Arbeitsliste für den Tag vorsieht (standardmäßig heute)
  audit [--since YYYYMMDD]
              das Audit-Protokoll: wer was aufgenommen, gespeichert, gelöscht, exportiert oder
              gesendet hat und wann, ein Ereignis pro Zeile (ab dem angegebenen Tag)

Optionen:
  --drive-d DIR   Verzeichnis auf diesem Rechner, das für Laufwerk d: steht (Standard: $KAVIMO_DRIVE_D,
                  sonst paths/drive_d aus kavimo.ini ($KAVIMO_CONFIG, sonst
                  ~/.config/kavimo/kavimo.ini), sonst $XDG_DATA_HOME/kavimo/d, d. h.
                  ~/.local/share/kavimo/d; ohne HOME muss es angegeben werden)
  --data-group GROUP  die Gruppe, mit der die Patientendaten geteilt werden: Was dieses Programm
                  schreibt, erhält Modus 0660 (Ordner 0770) und die Gruppe (Standard: $KAVIMO_DATA_GROUP,
                  sonst paths/data_group aus kavimo.ini, sonst keine: 0600 und 0700)
  --pacs AET@HOST:PORT  das Archiv: sein AE-Titel, Host und DICOM-Port
  --calling-aet AET     der eigene AE-Titel von kavimo (Standard KAVIMO)
  --pacs-issuer TEXT    Aussteller der Patienten-ID (Issuer of Patient ID) für die eigenen Patienten-IDs
                        von kavimo (Standard: $KAVIMO_PACS_ISSUER, sonst KAVIMO- und 8 Hexadezimalziffern
                        der Kennung der Installation)
  --pacs-tls on|off     über TLS mit dem Archiv verbinden (Standard off: unverschlüsseltes TCP)
  --pacs-tls-ca FILE    die CA-Zertifikate (PEM), auf die das Zertifikat des Archivs zurückgehen muss;
                        das Zertifikat muss außerdem den Host des Archivs nennen
  --pacs-tls-cert FILE  das eigene Zertifikat von kavimo (PEM), für Archive, die eines verlangen
  --pacs-tls-key FILE   der unverschlüsselte private Schlüssel (PEM) dieses Zertifikats
  --date YYYYMMDD       der Tag der Arbeitsliste
  --since YYYYMMDD      der erste Tag des Audit-Protokolls
  --teeth LIST          tag: die Zähne des Bildes, FDI-Nummern wie 11,21
  --view VIEW           tag: die Ansicht des Bildes
  -h, --help      dieser Text
  --version       die Version von kavimo, zu der dieses Programm gehört

Exit-Status: 0 in Ordnung; 1 Probleme gefunden, Patient oder Bild nicht vorhanden, Arbeitsverzeichnis
in Benutzung oder ein Bild bzw. eine Datei nicht geschrieben oder nicht gespeichert; 2 falscher Aufruf oder kein Arbeitsverzeichnis.
</translation>
    </message>
    <message>
        <source>not a UID: %1</source>
        <translation>keine UID: %1</translation>
    </message>
    <message>
        <source>tag needs --teeth or --view</source>
        <translation>tag erfordert --teeth oder --view</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>--teeth and --view apply to tag only</source>
        <translation>--teeth und --view gelten nur für tag</translation>
    </message>
    <message>
        <source>--pacs, --calling-aet and the TLS options do not apply to %1</source>
        <translation>--pacs, --calling-aet und die TLS-Optionen gelten nicht für %1</translation>
    </message>
    <message>
        <source>--pacs-tls-ca, --pacs-tls-cert and --pacs-tls-key need --pacs-tls on</source>
        <translation>--pacs-tls-ca, --pacs-tls-cert und --pacs-tls-key erfordern --pacs-tls on</translation>
    </message>
    <message>
        <source>--pacs-issuer does not apply to %1</source>
        <translation>--pacs-issuer gilt nicht für %1</translation>
    </message>
    <message>
        <source>--pacs-issuer needs 1 to 64 characters without a backslash</source>
        <translation>--pacs-issuer erfordert 1 bis 64 Zeichen ohne Backslash</translation>
    </message>
    <message>
        <source>--since applies to audit only</source>
        <translation>--since gilt nur für audit</translation>
    </message>
    <message>
        <source>--since needs YYYYMMDD</source>
        <translation>--since erfordert YYYYMMDD</translation>
    </message>
    <message>
        <source>--date applies to worklist only</source>
        <translation>--date gilt nur für worklist</translation>
    </message>
    <message>
        <source>--date needs YYYYMMDD</source>
        <translation>--date erfordert YYYYMMDD</translation>
    </message>
    <message>
        <source>%1 needs --pacs AET@HOST:PORT</source>
        <translation>%1 erfordert --pacs AET@HOST:PORT</translation>
    </message>
    <message>
        <source>wrong arguments for %1</source>
        <translation>falsche Argumente für %1</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <extracomment>%1 is the audit trail&apos;s file</extracomment>
        <translation>%1: keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1: the line was written only in part (the disk may be full)</source>
        <translation>%1: Die Zeile wurde nur teilweise geschrieben (möglicherweise ist der Datenträger voll)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <extracomment>%1 is the audit trail&apos;s file</extracomment>
        <translation>%1: kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>line %1: no &quot;=&quot;</source>
        <extracomment>%1 is a line number of a &quot;Key=value&quot; file</extracomment>
        <translation>Zeile %1: kein „=“</translation>
    </message>
    <message>
        <source>line %1: %2 given twice</source>
        <extracomment>%1 is a line number, %2 a key of a &quot;Key=value&quot; file</extracomment>
        <translation>Zeile %1: %2 doppelt angegeben</translation>
    </message>
    <message>
        <source>line %1: %2 is not UTF-8 text</source>
        <extracomment>%1 is a line number, %2 a key of a &quot;Key=value&quot; file</extracomment>
        <translation>Zeile %1: %2 ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>%1 is not a YYYYMMDD date</source>
        <extracomment>%1 is a key of a &quot;Key=value&quot; file (&quot;BirthDate&quot;, &quot;Date&quot;)</extracomment>
        <translation>%1 ist kein Datum im Format YYYYMMDD</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file name, %2 the system&apos;s reason</extracomment>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>line %1: unknown key &quot;%2&quot;</source>
        <extracomment>%1 is a line number, %2 a key of the patient&apos;s details file</extracomment>
        <translation>Zeile %1: unbekannter Schlüssel „%2“</translation>
    </message>
    <message>
        <source>%1 is not one of M, F, O, U</source>
        <extracomment>%1 is the key of the sex in the patient&apos;s details file (&quot;Sex&quot;)</extracomment>
        <translation>%1 ist keiner der Werte M, F, O, U</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message numerus="yes">
        <source>larger than %n bytes</source>
        <translation>
            <numerusform>größer als %n Byte</numerusform>
            <numerusform>größer als %n Byte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cannot be read, or larger than %n bytes</source>
        <translation>
            <numerusform>nicht lesbar oder größer als %n Byte</numerusform>
            <numerusform>nicht lesbar oder größer als %n Byte</numerusform>
        </translation>
    </message>
    <message>
        <source>Frontal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Frontal</translation>
    </message>
    <message>
        <source>Left buccal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Bukkal links</translation>
    </message>
    <message>
        <source>Right buccal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Bukkal rechts</translation>
    </message>
    <message>
        <source>Upper occlusal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Okklusal oben</translation>
    </message>
    <message>
        <source>Lower occlusal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Okklusal unten</translation>
    </message>
    <message>
        <source>Close-up</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Nahaufnahme</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>view</comment>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an FDI tooth number (11-48, 51-85)</source>
        <translation>„%1“ ist keine FDI-Zahnnummer (11-48, 51-85)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>nicht lesbar: %1</translation>
    </message>
    <message>
        <source>the first line is not &quot;%1&quot;</source>
        <translation>die erste Zeile ist nicht „%1“</translation>
    </message>
    <message>
        <source>not three tab-separated fields</source>
        <translation>nicht drei durch Tabulatoren getrennte Felder</translation>
    </message>
    <message>
        <source>not a picture&apos;s file name</source>
        <translation>kein Dateiname eines Bildes</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <extracomment>%1 is the file name of a picture</extracomment>
        <translation>%1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>the teeth are not in ascending order, separated by commas</source>
        <translation>die Zähne sind nicht aufsteigend und durch Kommas getrennt angegeben</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a view</source>
        <translation>„%1“ ist keine Ansicht</translation>
    </message>
    <message>
        <source>neither teeth nor a view</source>
        <translation>weder Zähne noch eine Ansicht</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line number of the teeth file, %2 what is wrong with that line</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <extracomment>%1 is a file name, %2 the system&apos;s reason</extracomment>
        <translation>%1 kann nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>%1 is damaged (%2); it is left as it is</source>
        <extracomment>%1 is the teeth file&apos;s name, %2 what is wrong with it</extracomment>
        <translation>%1 ist beschädigt (%2); die Datei bleibt unverändert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be tagged</source>
        <translation>Zähne und Ansicht können für „%1“ nicht festgelegt werden</translation>
    </message>
    <message>
        <source>the index cannot be read</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>die Inhaltsliste des Papierkorbs kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the index does not begin with &quot;%1&quot;</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>die Inhaltsliste des Papierkorbs beginnt nicht mit „%1“</translation>
    </message>
    <message>
        <source>line %1 of the index cannot be read</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>Zeile %1 der Inhaltsliste des Papierkorbs kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>entry %1 (%2) has no folder</source>
        <extracomment>%1 is the name of an entry of the trash, %2 the patient or picture it holds</extracomment>
        <translation>Eintrag %1 (%2) hat keinen Ordner</translation>
    </message>
    <message>
        <source>cannot create the folder %1: something else has its name</source>
        <translation>der Ordner %1 kann nicht angelegt werden: Etwas anderes trägt bereits diesen Namen</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot create a temporary folder in %1: %2</source>
        <translation>in %1 kann kein temporärer Ordner angelegt werden: %2</translation>
    </message>
    <message>
        <source>no free file name for the picture in %1</source>
        <translation>kein freier Dateiname für das Bild in %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>a file of the DICOMDIR, then why it cannot be listed
----------
a picture, then why it cannot be made into a DICOM object
----------
a picture file, then why it cannot be made into a DICOM object</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>there is no picture to list in the DICOMDIR</source>
        <translation>es gibt kein Bild, das im DICOMDIR aufgeführt werden könnte</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <extracomment>%2 the system&apos;s reason</extracomment>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 is damaged: it does not hold this installation&apos;s identity. Restore it from a backup; remove it only to give this installation a new identity (pictures sent before then get new UIDs when they are sent again)</source>
        <translation>%1 ist beschädigt: Die Datei enthält nicht die Kennung dieser Installation. Stellen Sie sie aus einer Sicherung wieder her; entfernen Sie sie nur, um dieser Installation eine neue Kennung zu geben (bereits gesendete Bilder erhalten beim erneuten Senden neue UIDs)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot write the outbox %1: %2</source>
        <translation>die Sendewarteschlange %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot read the outbox %1: %2</source>
        <translation>die Sendewarteschlange %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the sending failed: %1</source>
        <translation>das Senden ist fehlgeschlagen: %1</translation>
    </message>
    <message numerus="yes">
        <source>refused %n times: %1</source>
        <translation>
            <numerusform>%n-mal abgelehnt: %1</numerusform>
            <numerusform>%n-mal abgelehnt: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>attribute list error</source>
        <translation>Fehler in der Attributliste</translation>
    </message>
    <message>
        <source>attribute value out of range</source>
        <translation>Attributwert außerhalb des Wertebereichs</translation>
    </message>
    <message>
        <source>processing failure</source>
        <translation>Verarbeitungsfehler</translation>
    </message>
    <message>
        <source>SOP class not supported</source>
        <translation>SOP-Klasse nicht unterstützt</translation>
    </message>
    <message>
        <source>not authorised</source>
        <translation>nicht berechtigt</translation>
    </message>
    <message>
        <source>coercion of data elements</source>
        <translation>Datenelemente angepasst</translation>
    </message>
    <message>
        <source>elements discarded</source>
        <translation>Elemente verworfen</translation>
    </message>
    <message>
        <source>data set does not match SOP class</source>
        <translation>Datensatz passt nicht zur SOP-Klasse</translation>
    </message>
    <message>
        <source>cannot understand</source>
        <translation>nicht verarbeitbar</translation>
    </message>
    <message>
        <source>out of resources</source>
        <translation>keine Ressourcen frei</translation>
    </message>
    <message>
        <source>status %1</source>
        <extracomment>%1 is a DICOM status number (0xA700)</extracomment>
        <translation>Status %1</translation>
    </message>
    <message>
        <source>status %1: %2</source>
        <extracomment>%1 is a DICOM status number (0xA700), %2 what it means (&quot;out of resources&quot;)</extracomment>
        <translation>Status %1: %2</translation>
    </message>
    <message>
        <source>TLS cannot be set up: %1</source>
        <translation>TLS kann nicht eingerichtet werden: %1</translation>
    </message>
    <message>
        <source>TLS is on, but no CA certificate file is set to check the archive&apos;s certificate with</source>
        <translation>TLS ist eingeschaltet, aber es ist keine CA-Zertifikatsdatei eingestellt, mit der das Zertifikat des Archivs geprüft werden kann</translation>
    </message>
    <message>
        <source>cannot read the CA certificate file %1: %2</source>
        <translation>die CA-Zertifikatsdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the CA certificate file %1 holds no PEM certificate: %2</source>
        <translation>die CA-Zertifikatsdatei %1 enthält kein PEM-Zertifikat: %2</translation>
    </message>
    <message>
        <source>kavimo&apos;s TLS key file is set without its certificate file</source>
        <translation>die TLS-Schlüsseldatei von kavimo ist ohne die zugehörige Zertifikatsdatei eingestellt</translation>
    </message>
    <message>
        <source>kavimo&apos;s TLS certificate file is set without its key file</source>
        <translation>die TLS-Zertifikatsdatei von kavimo ist ohne die zugehörige Schlüsseldatei eingestellt</translation>
    </message>
    <message>
        <source>cannot read kavimo&apos;s certificate file %1: %2</source>
        <translation>die Zertifikatsdatei %1 von kavimo kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot read kavimo&apos;s key file %1: %2</source>
        <translation>die Schlüsseldatei %1 von kavimo kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>kavimo&apos;s certificate file %1 holds no PEM certificate: %2</source>
        <translation>die Zertifikatsdatei %1 von kavimo enthält kein PEM-Zertifikat: %2</translation>
    </message>
    <message>
        <source>kavimo&apos;s key file %1 holds no unencrypted PEM private key</source>
        <translation>die Schlüsseldatei %1 von kavimo enthält keinen unverschlüsselten privaten PEM-Schlüssel</translation>
    </message>
    <message>
        <source>kavimo&apos;s key file %1 does not belong to the certificate %2</source>
        <translation>die Schlüsseldatei %1 von kavimo gehört nicht zum Zertifikat %2</translation>
    </message>
    <message>
        <source>the archive&apos;s certificate is not trusted: %1 (it is not made out to %2)</source>
        <extracomment>%1 is OpenSSL&apos;s reason, %2 the archive&apos;s host name or address</extracomment>
        <translation>dem Zertifikat des Archivs wird nicht vertraut: %1 (es ist nicht auf %2 ausgestellt)</translation>
    </message>
    <message>
        <source>the archive&apos;s certificate is not trusted: %1</source>
        <extracomment>%1 is OpenSSL&apos;s reason</extracomment>
        <translation>dem Zertifikat des Archivs wird nicht vertraut: %1</translation>
    </message>
    <message>
        <source>the archive %1 did not finish the TLS handshake in time</source>
        <translation>das Archiv %1 hat den TLS-Handshake nicht rechtzeitig abgeschlossen</translation>
    </message>
    <message>
        <source>the TLS handshake with the archive %1 failed: %2</source>
        <translation>der TLS-Handshake mit dem Archiv %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>an entry without Patient ID</source>
        <translation>ein Eintrag ohne Patienten-ID</translation>
    </message>
    <message>
        <source>patient &quot;%1&quot;</source>
        <translation>Patient „%1“</translation>
    </message>
    <message>
        <source>%1: %2 left out (%3)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a field of it, %3 what is wrong with the value</extracomment>
        <translation>%1: %2 weggelassen (%3)</translation>
    </message>
    <message>
        <source>%1: %2 shortened or cleaned (%3)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a field of it, %3 what is wrong with the value</extracomment>
        <translation>%1: %2 gekürzt oder bereinigt (%3)</translation>
    </message>
    <message>
        <source>%1: its texts cannot be read in the character set &quot;%2&quot; (%3); what is not UTF-8 is shown as %4</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a character set, %3 the converter&apos;s reason, %4 the replacement character</extracomment>
        <translation>%1: Die Texte lassen sich im Zeichensatz „%2“ nicht lesen (%3); was kein UTF-8 ist, wird als %4 angezeigt</translation>
    </message>
    <message>
        <source>%1: left out, its Patient ID is unusable (%2)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 what is wrong with its Patient ID</extracomment>
        <translation>%1: weggelassen, die Patienten-ID ist unbrauchbar (%2)</translation>
    </message>
    <message>
        <source>%1: left out, its Issuer of Patient ID is unusable (%2)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 what is wrong with its Issuer of Patient ID</extracomment>
        <translation>%1: weggelassen, der Aussteller der Patienten-ID ist unbrauchbar (%2)</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>birth date</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>sex</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>%1: sex left out (not F, M or O)</source>
        <extracomment>%1 names the worklist entry&apos;s patient</extracomment>
        <translation>%1: Geschlecht weggelassen (nicht F, M oder O)</translation>
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
        <translation>überweisender Arzt</translation>
    </message>
    <message>
        <source>scheduled date</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>geplantes Datum</translation>
    </message>
    <message>
        <source>scheduled time</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>geplante Uhrzeit</translation>
    </message>
    <message>
        <source>modality</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>Modalität</translation>
    </message>
    <message>
        <source>station</source>
        <extracomment>a field of a worklist entry (the AE title of the station it is scheduled on)</extracomment>
        <translation>Station</translation>
    </message>
    <message>
        <source>step description</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>Beschreibung des Schritts</translation>
    </message>
    <message>
        <source>step ID</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>Schritt-ID</translation>
    </message>
    <message>
        <source>no patient %1</source>
        <translation>kein Patient %1</translation>
    </message>
    <message>
        <source>refused %1: it is a link to %2, outside the work directory</source>
        <translation>%1 abgelehnt: Es ist ein Link auf %2 außerhalb des Arbeitsverzeichnisses</translation>
    </message>
    <message>
        <source>refused %1: not a regular file</source>
        <translation>%1 abgelehnt: keine reguläre Datei</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the picture is too large for an object</source>
        <translation>das Bild ist zu groß für ein DICOM-Objekt</translation>
    </message>
    <message>
        <source>no installation identity to make the object&apos;s UIDs with</source>
        <translation>keine Kennung der Installation, mit der die UIDs des Objekts erzeugt werden können</translation>
    </message>
    <message>
        <source>the order&apos;s Study Instance UID: %1</source>
        <translation>Study Instance UID des Auftrags: %1</translation>
    </message>
    <message>
        <source>Patient ID: %1</source>
        <translation>Patienten-ID: %1</translation>
    </message>
    <message>
        <source>Issuer of Patient ID: %1</source>
        <translation>Aussteller der Patienten-ID: %1</translation>
    </message>
    <message>
        <source>Accession Number: %1</source>
        <translation>Accession Number: %1</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>nicht genug Arbeitsspeicher für das Bild</translation>
    </message>
    <message>
        <source>the object holds no JPEG data</source>
        <translation>das Objekt enthält keine JPEG-Daten</translation>
    </message>
    <message>
        <source>the object holds no RGB pixels</source>
        <translation>das Objekt enthält keine RGB-Pixel</translation>
    </message>
    <message>
        <source>cannot make the picture uncompressed: %1</source>
        <translation>das Bild kann nicht unkomprimiert erzeugt werden: %1</translation>
    </message>
    <message>
        <source>cannot make the picture JPEG: %1</source>
        <translation>das Bild kann nicht als JPEG erzeugt werden: %1</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>kein UTF-8-Text</translation>
    </message>
    <message>
        <source>contains a backslash</source>
        <translation>enthält einen Backslash</translation>
    </message>
    <message>
        <source>contains a control character</source>
        <translation>enthält ein Steuerzeichen</translation>
    </message>
    <message numerus="yes">
        <source>longer than %n characters</source>
        <translation>
            <numerusform>länger als %n Zeichen</numerusform>
            <numerusform>länger als %n Zeichen</numerusform>
        </translation>
    </message>
    <message>
        <source>more than three name groups</source>
        <translation>mehr als drei Namensgruppen</translation>
    </message>
    <message numerus="yes">
        <source>a name group longer than %n characters</source>
        <translation>
            <numerusform>eine Namensgruppe länger als %n Zeichen</numerusform>
            <numerusform>eine Namensgruppe länger als %n Zeichen</numerusform>
        </translation>
    </message>
    <message>
        <source>more than five name components</source>
        <translation>mehr als fünf Namensbestandteile</translation>
    </message>
    <message>
        <source>not a person name</source>
        <translation>kein Personenname</translation>
    </message>
    <message>
        <source>not an AE title</source>
        <translation>kein AE-Titel</translation>
    </message>
    <message>
        <source>not a code string</source>
        <translation>keine Code-Zeichenkette</translation>
    </message>
    <message>
        <source>not a date</source>
        <translation>kein Datum</translation>
    </message>
    <message>
        <source>not a time</source>
        <translation>keine Uhrzeit</translation>
    </message>
    <message>
        <source>not a UID</source>
        <translation>keine UID</translation>
    </message>
    <message>
        <source>an unknown VR</source>
        <translation>eine unbekannte VR</translation>
    </message>
    <message>
        <source>the patient ID holds a control character or is not UTF-8 text</source>
        <translation>die Patienten-ID enthält ein Steuerzeichen oder ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>the last name holds a control character or is not UTF-8 text</source>
        <translation>der Nachname enthält ein Steuerzeichen oder ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>the first name holds a control character or is not UTF-8 text</source>
        <translation>der Vorname enthält ein Steuerzeichen oder ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>the phone holds a control character or is not UTF-8 text</source>
        <translation>die Telefonnummer enthält ein Steuerzeichen oder ist kein UTF-8-Text</translation>
    </message>
    <message numerus="yes">
        <source>the patient ID is longer than %n characters</source>
        <translation>
            <numerusform>die Patienten-ID ist länger als %n Zeichen</numerusform>
            <numerusform>die Patienten-ID ist länger als %n Zeichen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the last name is longer than %n characters</source>
        <translation>
            <numerusform>der Nachname ist länger als %n Zeichen</numerusform>
            <numerusform>der Nachname ist länger als %n Zeichen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the first name is longer than %n characters</source>
        <translation>
            <numerusform>der Vorname ist länger als %n Zeichen</numerusform>
            <numerusform>der Vorname ist länger als %n Zeichen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the phone is longer than %n characters</source>
        <translation>
            <numerusform>die Telefonnummer ist länger als %n Zeichen</numerusform>
            <numerusform>die Telefonnummer ist länger als %n Zeichen</numerusform>
        </translation>
    </message>
    <message>
        <source>the patient ID is missing</source>
        <translation>die Patienten-ID fehlt</translation>
    </message>
    <message>
        <source>the patient ID &quot;%1&quot; holds a path character (&apos;/&apos; or &apos;\&apos;)</source>
        <translation>die Patienten-ID „%1“ enthält ein Pfadzeichen (&apos;/&apos; oder &apos;\&apos;)</translation>
    </message>
    <message>
        <source>the last name is missing</source>
        <translation>der Nachname fehlt</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD)</source>
        <translation>das Geburtsdatum „%1“ ist kein Datum (YYYYMMDD)</translation>
    </message>
    <message>
        <source>the birth date %1 lies in the future</source>
        <translation>das Geburtsdatum %1 liegt in der Zukunft</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, F, O or U</source>
        <translation>das Geschlecht „%1“ ist nicht M, F, O oder U</translation>
    </message>
    <message>
        <source>the message is too long</source>
        <translation>die Nachricht ist zu lang</translation>
    </message>
    <message>
        <source>the message does not start with &quot;%1&quot;</source>
        <translation>die Nachricht beginnt nicht mit „%1“</translation>
    </message>
    <message>
        <source>text follows the end line</source>
        <translation>auf die Endzeile folgt noch Text</translation>
    </message>
    <message>
        <source>the message holds no PatientID</source>
        <translation>die Nachricht enthält keine PatientID</translation>
    </message>
    <message>
        <source>line %1 holds no &apos;=&apos;</source>
        <translation>Zeile %1 enthält kein „=“</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is repeated</source>
        <translation>der Schlüssel „%1“ kommt mehrfach vor</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the name of a picture</source>
        <translation>„%1“ ist nicht der Name eines Bildes</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>unbekannter Schlüssel „%1“</translation>
    </message>
    <message>
        <source>the message has no end line</source>
        <translation>die Nachricht hat keine Endzeile</translation>
    </message>
    <message numerus="yes">
        <source>the file is larger than %n KiB</source>
        <translation>
            <numerusform>die Datei ist größer als %n KiB</numerusform>
            <numerusform>die Datei ist größer als %n KiB</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is UTF-8 text, not ISO-8859-1</source>
        <translation>die Datei ist UTF-8-Text, nicht ISO-8859-1</translation>
    </message>
    <message>
        <source>the file is not ISO-8859-1 text (byte %1 at offset %2)</source>
        <translation>die Datei ist kein ISO-8859-1-Text (Byte %1 an Position %2)</translation>
    </message>
    <message>
        <source>the transfer file has no [PATIENT] section</source>
        <translation>die Übergabedatei hat keinen Abschnitt [PATIENT]</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD or DD.MM.YYYY)</source>
        <translation>das Geburtsdatum „%1“ ist kein Datum (YYYYMMDD oder DD.MM.YYYY)</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, W, D or U</source>
        <translation>das Geschlecht „%1“ ist nicht M, W, D oder U</translation>
    </message>
    <message>
        <source>[MMOS] COUNT &quot;%1&quot; is not a number of pictures</source>
        <translation>[MMOS] COUNT „%1“ ist keine Anzahl von Bildern</translation>
    </message>
    <message>
        <source>[%1] MMOID &quot;%2&quot; is not a picture of kavimo&apos;s</source>
        <extracomment>%1 is a section of the transfer file (&quot;MMO1&quot;), %2 the picture name given there</extracomment>
        <translation>[%1] MMOID „%2“ ist kein Bild von kavimo</translation>
    </message>
    <message>
        <source>[MMOPATH] PATH &quot;%1&quot; is not an absolute folder path</source>
        <translation>[MMOPATH] PATH „%1“ ist kein absoluter Ordnerpfad</translation>
    </message>
    <message>
        <source>the export names no pictures ([MMOS] COUNT)</source>
        <translation>der Export nennt keine Bilder ([MMOS] COUNT)</translation>
    </message>
    <message>
        <source>the export folder %1 does not exist</source>
        <translation>der Exportordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>the picture %1 is not one of the patient&apos;s</source>
        <translation>das Bild %1 gehört nicht zu diesem Patienten</translation>
    </message>
    <message>
        <source>cannot read the picture %1</source>
        <translation>das Bild %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the data group &quot;%1&quot; does not exist</source>
        <translation>die Datengruppe „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>this account is not a member of the data group &quot;%1&quot;</source>
        <translation>dieses Benutzerkonto ist kein Mitglied der Datengruppe „%1“</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no folder of this account&apos;s own for the records; give the d: drive&apos;s folder with --drive-d or KAVIMO_DRIVE_D</source>
        <translation>HOME ist nicht gesetzt, daher gibt es keinen eigenen Ordner dieses Benutzerkontos für die Patientendaten; geben Sie den Ordner für Laufwerk d: mit --drive-d oder KAVIMO_DRIVE_D an</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>the outcome of an event of the audit trail; keep it at most 7 characters</extracomment>
        <translation>ok</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Audit trail %1 (%2)</source>
        <translation>Audit-Protokoll %1 (%2)</translation>
    </message>
    <message>
        <source>1 event</source>
        <translation>1 Ereignis</translation>
    </message>
    <message numerus="yes">
        <source>%n events</source>
        <translation>
            <numerusform>%n Ereignis</numerusform>
            <numerusform>%n Ereignisse</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event since %1</source>
        <translation>1 Ereignis seit %1</translation>
    </message>
    <message numerus="yes">
        <source>%n events since %1</source>
        <translation>
            <numerusform>%n Ereignis seit %1</numerusform>
            <numerusform>%n Ereignisse seit %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; 1 line skipped, not a whole event</source>
        <extracomment>%1 the events shown, such as &quot;2 events since 20240305&quot;</extracomment>
        <translation>%1; 1 Zeile übersprungen, kein vollständiges Ereignis</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n lines skipped, not a whole event</source>
        <translation>
            <numerusform>%1; %n Zeile übersprungen, kein vollständiges Ereignis</numerusform>
            <numerusform>%1; %n Zeilen übersprungen, keine vollständigen Ereignisse</numerusform>
        </translation>
    </message>
    <message>
        <source>problem: %1: %2</source>
        <extracomment>a finding of kavimo-records check: %1 the file or folder, %2 what is wrong with it</extracomment>
        <translation>Problem: %1: %2</translation>
    </message>
    <message>
        <source>warning: %1: %2</source>
        <extracomment>a finding of kavimo-records check: %1 the file or folder, %2 what may be wrong with it</extracomment>
        <translation>Warnung: %1: %2</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: the file cannot be read</source>
        <translation>Bild %1 „%2“: Die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (content: %3)</source>
        <extracomment>%3 the name of a picture format, such as PNG</extracomment>
        <translation>Bild %1 „%2“: kein JPEG-Bild (Inhalt: %3)</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (the file is empty)</source>
        <translation>Bild %1 „%2“: kein JPEG-Bild (die Datei ist leer)</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (unknown content)</source>
        <translation>Bild %1 „%2“: kein JPEG-Bild (unbekannter Inhalt)</translation>
    </message>
    <message>
        <source>1 patient</source>
        <translation>1 Patient</translation>
    </message>
    <message numerus="yes">
        <source>%n patients</source>
        <translation>
            <numerusform>%n Patient</numerusform>
            <numerusform>%n Patienten</numerusform>
        </translation>
    </message>
    <message>
        <source>missing, but the record counts 1 record</source>
        <translation>fehlt, aber der Datensatz zählt 1 Eintrag</translation>
    </message>
    <message numerus="yes">
        <source>missing, but the record counts %n records</source>
        <translation>
            <numerusform>fehlt, aber der Datensatz zählt %n Eintrag</numerusform>
            <numerusform>fehlt, aber der Datensatz zählt %n Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (created empty when the patient is selected)</source>
        <translation>fehlt (wird leer angelegt, wenn der Patient ausgewählt wird)</translation>
    </message>
    <message>
        <source>%1 bytes is not a whole number of %2-byte records</source>
        <translation>%1 Byte sind keine ganze Zahl von Einträgen zu je %2 Byte</translation>
    </message>
    <message>
        <source>holds 1 record, the record counts %1</source>
        <extracomment>%1 the count in the patient&apos;s record</extracomment>
        <translation>enthält 1 Eintrag, der Datensatz zählt %1</translation>
    </message>
    <message numerus="yes">
        <source>holds %n records, the record counts %1</source>
        <translation>
            <numerusform>enthält %n Eintrag, der Datensatz zählt %1</numerusform>
            <numerusform>enthält %n Einträge, der Datensatz zählt %1</numerusform>
        </translation>
    </message>
    <message>
        <source>holds 1 record, the record counts %1 (the rest is dropped when rewritten)</source>
        <translation>enthält 1 Eintrag, der Datensatz zählt %1 (der Rest wird beim Neuschreiben verworfen)</translation>
    </message>
    <message numerus="yes">
        <source>holds %n records, the record counts %1 (the rest is dropped when rewritten)</source>
        <translation>
            <numerusform>enthält %n Eintrag, der Datensatz zählt %1 (der Rest wird beim Neuschreiben verworfen)</numerusform>
            <numerusform>enthält %n Einträge, der Datensatz zählt %1 (der Rest wird beim Neuschreiben verworfen)</numerusform>
        </translation>
    </message>
    <message>
        <source>a link, not the folder of the originals</source>
        <translation>ein Link, nicht der Ordner der Originale</translation>
    </message>
    <message>
        <source>stray directory among the originals</source>
        <translation>überzähliges Verzeichnis zwischen den Originalen</translation>
    </message>
    <message>
        <source>left over from an interrupted copy of an original</source>
        <translation>Rest einer abgebrochenen Kopie eines Originals</translation>
    </message>
    <message>
        <source>an original without its picture</source>
        <translation>ein Original ohne sein Bild</translation>
    </message>
    <message>
        <source>damaged teeth and views (%1)</source>
        <translation>beschädigte Zähne und Ansichten (%1)</translation>
    </message>
    <message>
        <source>teeth of %1, which is not there (Update forgets them)</source>
        <translation>Zähne von %1, das nicht vorhanden ist („Neu laden“ verwirft sie)</translation>
    </message>
    <message>
        <source>holds the record of %1</source>
        <translation>enthält den Datensatz von %1</translation>
    </message>
    <message>
        <source>the record names the directory &quot;%1&quot;</source>
        <translation>der Datensatz nennt das Verzeichnis „%1“</translation>
    </message>
    <message>
        <source>%1 bytes instead of 1032</source>
        <translation>%1 Byte statt 1032</translation>
    </message>
    <message>
        <source>negative counts in the record</source>
        <translation>negative Zähler im Datensatz</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot; belongs to %3</source>
        <translation>Bild %1 „%2“ gehört zu %3</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot; lies outside the patient&apos;s directory</source>
        <translation>Bild %1 „%2“ liegt außerhalb des Patientenverzeichnisses</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: the file is missing</source>
        <translation>Bild %1 „%2“: Die Datei fehlt</translation>
    </message>
    <message>
        <source>stray directory in a patient directory</source>
        <translation>überzähliges Verzeichnis in einem Patientenverzeichnis</translation>
    </message>
    <message>
        <source>left over from an interrupted rewrite</source>
        <translation>Rest eines abgebrochenen Neuschreibens</translation>
    </message>
    <message>
        <source>picture not in the picture list (Update rebuilds it)</source>
        <translation>Bild nicht in der Bilderliste („Neu laden“ baut sie neu auf)</translation>
    </message>
    <message>
        <source>damaged patient details (%1); the record stands in for them</source>
        <translation>beschädigte Patientenangaben (%1); stattdessen gilt der Datensatz</translation>
    </message>
    <message>
        <source>damaged worklist order (%1); its pictures go into kavimo&apos;s own study of their day</source>
        <translation>beschädigter Auftrag aus der Arbeitsliste (%1); seine Bilder kommen in die eigene Studie von kavimo für ihren Tag</translation>
    </message>
    <message>
        <source>stray file</source>
        <translation>überzählige Datei</translation>
    </message>
    <message>
        <source>not in the trash index (removed after 30 days)</source>
        <translation>nicht in der Inhaltsliste des Papierkorbs (wird nach 30 Tagen entfernt)</translation>
    </message>
    <message>
        <source>no work directory at %1</source>
        <translation>kein Arbeitsverzeichnis unter %1</translation>
    </message>
    <message>
        <source>damaged: not an installation identity (restore it from a backup)</source>
        <translation>beschädigt: keine Kennung einer Installation (aus einer Sicherung wiederherstellen)</translation>
    </message>
    <message>
        <source>a link, not a directory; not a patient</source>
        <translation>ein Link, kein Verzeichnis; kein Patient</translation>
    </message>
    <message>
        <source>missing backup: no %1, so the patient is not in the patient list</source>
        <translation>fehlende Sicherung: kein %1, daher ist der Patient nicht in der Patientenliste</translation>
    </message>
    <message>
        <source>incomplete backup: %1 of 1032 bytes; not in the patient list</source>
        <translation>unvollständige Sicherung: %1 von 1032 Byte; nicht in der Patientenliste</translation>
    </message>
    <message>
        <source>UID is not above the one before it in list order</source>
        <translation>UID ist nicht größer als die vorige in der Listenreihenfolge</translation>
    </message>
    <message numerus="yes">
        <source>more than %n patients</source>
        <translation>
            <numerusform>mehr als %n Patient</numerusform>
            <numerusform>mehr als %n Patienten</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (regenerated at the next start)</source>
        <translation>fehlt (wird beim nächsten Start neu erzeugt)</translation>
    </message>
    <message>
        <source>%1 for %2 (regenerated at the next start)</source>
        <extracomment>%1 the entries of the patient list file, such as &quot;3 records&quot;; %2 the patients, such as &quot;2 patients&quot;</extracomment>
        <translation>%1 für %2 (wird beim nächsten Start neu erzeugt)</translation>
    </message>
    <message>
        <source>1 record</source>
        <translation>1 Datensatz</translation>
    </message>
    <message numerus="yes">
        <source>%n records</source>
        <translation>
            <numerusform>%n Datensatz</numerusform>
            <numerusform>%n Datensätze</numerusform>
        </translation>
    </message>
    <message>
        <source>odd length: not UTF-16 text</source>
        <translation>ungerade Länge: kein UTF-16-Text</translation>
    </message>
    <message>
        <source>%1 checked: %2, %3.</source>
        <extracomment>the summary of kavimo-records check: %1 such as &quot;2 patients&quot;, %2 such as &quot;0 problems&quot;, %3 such as &quot;1 warning&quot;</extracomment>
        <translation>%1 geprüft: %2, %3.</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 Problem</translation>
    </message>
    <message numerus="yes">
        <source>%n problems</source>
        <translation>
            <numerusform>%n Problem</numerusform>
            <numerusform>%n Probleme</numerusform>
        </translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 Warnung</translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n Warnung</numerusform>
            <numerusform>%n Warnungen</numerusform>
        </translation>
    </message>
    <message>
        <source>not an archive address (AET@HOST:PORT): %1</source>
        <translation>keine Archivadresse (AET@HOST:PORT): %1</translation>
    </message>
    <message>
        <source>not an AE title: %1</source>
        <translation>kein AE-Titel: %1</translation>
    </message>
    <message>
        <source>Exporting %1 of %2: %3</source>
        <extracomment>the progress line of kavimo-records export-dicom: %1 of %2 pictures, %3 the picture&apos;s name</extracomment>
        <translation>Export %1 von %2: %3</translation>
    </message>
    <message>
        <source>%1 of 1 picture written</source>
        <translation>%1 von 1 Bild geschrieben</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pictures written</source>
        <translation>
            <numerusform>%1 von %n Bild geschrieben</numerusform>
            <numerusform>%1 von %n Bildern geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 why it was not stored</extracomment>
        <translation>%1: fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>%1: not sent: %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 why the archive cannot be reached</extracomment>
        <translation>%1: nicht gesendet: %2</translation>
    </message>
    <message>
        <source>%1: stored as %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 the UID the archive stored it as</extracomment>
        <translation>%1: gespeichert als %2</translation>
    </message>
    <message>
        <source>%1 of 1 picture stored in %2</source>
        <extracomment>%2 the archive, such as PACS@host:104</extracomment>
        <translation>%1 von 1 Bild in %2 gespeichert</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pictures stored in %2</source>
        <translation>
            <numerusform>%1 von %n Bild in %2 gespeichert</numerusform>
            <numerusform>%1 von %n Bildern in %2 gespeichert</numerusform>
        </translation>
    </message>
    <message>
        <source>Worklist of %1: 1 scheduled patient</source>
        <extracomment>%1 the day, YYYYMMDD</extracomment>
        <translation>Arbeitsliste für %1: 1 geplanter Patient</translation>
    </message>
    <message numerus="yes">
        <source>Worklist of %1: %n scheduled patients</source>
        <translation>
            <numerusform>Arbeitsliste für %1: %n geplanter Patient</numerusform>
            <numerusform>Arbeitsliste für %1: %n geplante Patienten</numerusform>
        </translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>a column heading of kavimo-records worklist: the scheduled time</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Patient ID</source>
        <extracomment>a column heading of kavimo-records worklist</extracomment>
        <translation>Patienten-ID</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>a column heading of kavimo-records worklist
----------
a column heading of kavimo-records list</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Born</source>
        <extracomment>a column heading of kavimo-records worklist: the birth date</extracomment>
        <translation>Geboren</translation>
    </message>
    <message>
        <source>Sex</source>
        <extracomment>a column heading of kavimo-records worklist: the letter M, F or O
----------
a column heading of kavimo-records list</extracomment>
        <translation>Geschl.</translation>
    </message>
    <message>
        <source>Procedure</source>
        <extracomment>a column heading of kavimo-records worklist: the scheduled procedure</extracomment>
        <translation>Untersuchung</translation>
    </message>
    <message numerus="yes">
        <source>(list cut at %n entries; the archive schedules more)</source>
        <translation>
            <numerusform>(Liste nach %n Eintrag abgeschnitten; das Archiv plant mehr)</numerusform>
            <numerusform>(Liste nach %n Einträgen abgeschnitten; das Archiv plant mehr)</numerusform>
        </translation>
    </message>
    <message>
        <source>male</source>
        <extracomment>the patient&apos;s sex</extracomment>
        <translation>männlich</translation>
    </message>
    <message>
        <source>female</source>
        <extracomment>the patient&apos;s sex</extracomment>
        <translation>weiblich</translation>
    </message>
    <message>
        <source>Work directory %1 (%2)</source>
        <translation>Arbeitsverzeichnis %1 (%2)</translation>
    </message>
    <message>
        <source>Hospital: %1</source>
        <translation>Praxis: %1</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(nicht festgelegt)</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number in the list</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Age</source>
        <extracomment>a column heading of kavimo-records list</extracomment>
        <translation>Alter</translation>
    </message>
    <message>
        <source>Phone</source>
        <extracomment>a column heading of kavimo-records list</extracomment>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Diags</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number of diagnoses</extracomment>
        <translation>Befund</translation>
    </message>
    <message>
        <source>Pics</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number of pictures</extracomment>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Details:</source>
        <extracomment>a label of kavimo-records show: the details typed for the patient</extracomment>
        <translation>Angaben:</translation>
    </message>
    <message>
        <source>none (%1 is missing)</source>
        <translation>keine (%1 fehlt)</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>aus %1</translation>
    </message>
    <message>
        <source>other</source>
        <extracomment>the patient&apos;s sex</extracomment>
        <translation>divers</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>the patient&apos;s sex: not known</extracomment>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Full name:</source>
        <translation>Voller Name:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Telefon:</translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation>Geburtsdatum:</translation>
    </message>
    <message>
        <source>Sex:</source>
        <translation>Geschlecht:</translation>
    </message>
    <message>
        <source>Patient ID:</source>
        <translation>Patienten-ID:</translation>
    </message>
    <message>
        <source>Issuer:</source>
        <extracomment>the issuer of the patient&apos;s outside Patient ID</extracomment>
        <translation>Aussteller:</translation>
    </message>
    <message>
        <source>Worklist name:</source>
        <extracomment>the patient&apos;s name as the worklist wrote it</extracomment>
        <translation>Arbeitslistenname:</translation>
    </message>
    <message>
        <source>no patient %1 in %2</source>
        <translation>kein Patient %1 in %2</translation>
    </message>
    <message>
        <source>Patient %1 of %2</source>
        <translation>Patient %1 von %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Alter:</translation>
    </message>
    <message>
        <source>Directory:</source>
        <extracomment>a label of kavimo-records show: the patient&apos;s folder</extracomment>
        <translation>Verzeichnis:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Befund:</translation>
    </message>
    <message>
        <source>%1 (%2 holds %3)</source>
        <extracomment>%1 the count in the patient&apos;s record, %2 a list file, %3 the entries the file holds</extracomment>
        <translation>%1 (%2 enthält %3)</translation>
    </message>
    <message>
        <source>Diagnoses:</source>
        <translation>Befunde:</translation>
    </message>
    <message>
        <source>Teeth:</source>
        <translation>Zähne:</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Bilder:</translation>
    </message>
    <message>
        <source>[missing]</source>
        <extracomment>after a picture of kavimo-records show whose file is not there</extracomment>
        <translation>[fehlt]</translation>
    </message>
    <message>
        <source>--drive-d needs a directory</source>
        <translation>--drive-d erfordert ein Verzeichnis</translation>
    </message>
    <message>
        <source>--data-group needs a group</source>
        <translation>--data-group erfordert eine Gruppe</translation>
    </message>
    <message>
        <source>--pacs-issuer needs a text</source>
        <translation>--pacs-issuer erfordert einen Text</translation>
    </message>
    <message>
        <source>--pacs-tls needs on or off</source>
        <translation>--pacs-tls erfordert on oder off</translation>
    </message>
    <message>
        <source>--teeth needs FDI numbers such as 11,21</source>
        <translation>--teeth erfordert FDI-Nummern wie 11,21</translation>
    </message>
    <message>
        <source>--view needs a view</source>
        <translation>--view erfordert eine Ansicht</translation>
    </message>
    <message>
        <source>teeth %1</source>
        <extracomment>under a picture: %1 its teeth, FDI numbers such as 11,21</extracomment>
        <translation>Zähne %1</translation>
    </message>
    <message>
        <source>view %1</source>
        <extracomment>under a picture: %1 its view, a keyword such as frontal</extracomment>
        <translation>Ansicht %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a view (%2)</source>
        <extracomment>%2 the view keywords, such as &quot;frontal, left-buccal, ...&quot;</extracomment>
        <translation>„%1“ ist keine Ansicht (%2)</translation>
    </message>
    <message>
        <source>%1 has no picture %2 in its directory (see show %1)</source>
        <extracomment>%1 the patient&apos;s UID, %2 the picture asked for; &quot;show&quot; is a command name</extracomment>
        <translation>%1 hat kein Bild %2 in seinem Verzeichnis (siehe show %1)</translation>
    </message>
    <message>
        <source>cannot be tagged</source>
        <translation>Zähne und Ansicht können nicht festgelegt werden</translation>
    </message>
    <message>
        <source>the audit trail was not written: %1</source>
        <translation>das Audit-Protokoll wurde nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>no teeth, no view</source>
        <translation>keine Zähne, keine Ansicht</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 a command-line option such as --name</extracomment>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>%1 what was given on the command line</extracomment>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
</context>
</TS>
