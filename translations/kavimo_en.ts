<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>kavimo</name>
    <message>
        <source>The demo cannot start: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oral image acquisition system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the running kavimo did not open patient %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the patient was not opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kavimo cannot start: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pictures were not exported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pictures were not shown: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the camera link cannot open its sockets on 127.0.0.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patient %1 of the practice-management system could not be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sex：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID：UID%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age：%1 (born %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The diagnosis has not been saved. Save it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The strokes on the picture have not been saved. Save them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pickup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WIFI connected！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WIFI disconnect！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings(&amp;S)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关于 kavimo(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as DICOM…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to PACS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revert to original</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore deleted pictures…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teeth and view…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show pictures of a tooth or view…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show all pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select output dir：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a %1 picture that cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Pic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freeze: nothing stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to Save！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freeze: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to Save！
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snap: no picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to save picture！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture could not be read, so it is not written over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a picture in the patient&apos;s directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its original cannot be kept: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to Save！
%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revert %1 to the picture as it was taken?
The strokes saved on it are lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to revert！
%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore deleted pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from the trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no free picture name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to import:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>picture output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This patient has no pictures to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No picture is picked. Export the patient&apos;s picture?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No picture is picked. Export all %1 pictures?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Choose another one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>picture %1: it is no longer in the patient&apos;s list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 picture%2 exported to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

Fail to export:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Delete the picture of %1-%2-%3 %4:%5:%6?
It goes to the trash, from which it can be restored for %7 days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DICOMDIR: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 to %3%4%5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; failed: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 DICOM files written to %2, with a DICOMDIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export cancelled: %1 of %2 DICOM files written to %3, with a DICOMDIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 DICOM files written; failed:
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patient has no pictures to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as DICOM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid dir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting %1 pictures as DICOM to
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patient has no pictures to send.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The camera&apos;s video cannot be received: UDP port %1 (%2) is not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the unsaved work of %1 from %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teeth </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teeth: %1, view: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The teeth of %1 were not given to %2:
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The teeth were not stored:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show pictures of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A tooth (%1) or a view (frontal, left buccal, right buccal, upper occlusal, lower occlusal, close-up, other).
Empty shows every picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1–32 or A–T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UR1, LLA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a tooth nor a view.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show a picture, or pick two, to compare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture shown has no teeth yet: tag it with its teeth, or pick two pictures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No earlier picture shows the same teeth.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kavimo is starting or closing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a dialog is open in kavimo; close it and try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the user stayed with the patient on screen to keep unsaved work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture with the strokes cannot be encoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn a quarter to the left (Shift+R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn a quarter to the right (R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+ / − zoom   0 as it came   R turn   arrows move   Esc close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not on the d: drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheel or + and − zoom both, dragging moves both; double-click fits them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot encode the picture as %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link to a file outside the work directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the path lies outside the d: drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teeth and view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which teeth does %1 show?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FDI %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(not given)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No tooth chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chosen: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print-diagnose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sex：male</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sex：female</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resualt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Born：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disease：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doctor：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pictures cannot be queued for the archive (PACS): the disk may be full or kavimo&apos;s folder not writable. Free some space or ask your technician (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending %1 of %2 to the PACS…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PACS not reachable: %1 waiting, sent when it answers. Check the network and the archive&apos;s address in Settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent %1 of %2 to the PACS; the archive refused %3. Ask its administrator (see the log).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PACS: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent %1 of %2 to the PACS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No archive (PACS) is set up. Enter its AE title, host and port in the Settings dialog: right-click the main window and choose &quot;Settings...&quot;, then restart kavimo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PACS (the clinic&apos;s archive)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none: no archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the archive&apos;s AE title, host and port first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting to %1%2…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> over TLS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 answers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patients scheduled for %1 (only the first %2: the PACS sent more):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The worklist schedules no patient for %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patients scheduled for %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patient ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Born</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accession</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Procedure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not taken as the PACS sent it:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
… and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asking the PACS for the worklist of %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the worklist: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User List：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture List：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sex：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hospital：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disease</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a column&apos;s title to sort by it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search: part of the name, ID or phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YYYYMMDD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth date, YYYYMMDD or YYYY-MM-DD; the age then follows it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worklist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore deleted patients…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Male</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Female</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No patient matches &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter name！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the birth date as YYYY-MM-DD, not after today！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter age！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter phone！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose sex (Female, Male, Other or Unknown)！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patient&apos;s record was written, but the name, phone and birth date as typed were not kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patient was created, but the worklist&apos;s order was not kept, so the pictures will not be attached to it in the archive: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patient list is full: at most %1 patients can be kept！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A patient was created less than a second ago; please press Create again！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure delete？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 picture%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the patient %1 (%2) and %3?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1 patients and their %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

%1
They go to the trash, from which &quot;Restore deleted patients…&quot; brings them back for %2 days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no deleted patients to restore.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore deleted patients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter hospital name！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set hospital successfull！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no runtime directory (XDG_RUNTIME_DIR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the running kavimo did not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the transfer file was not read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the transfer file&apos;s request was refused: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kavimo has no patient with the ID %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture %1 is not one of the patient&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the answer could not be written into the transfer file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The d: drive folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PEM files (*.pem *.crt *.key);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes take effect the next time kavimo starts. An empty field uses the default shown in it. A value overridden by a command-line option or an environment variable is used in the runs without it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none; e.g. F8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a key (for example F8, Space or Pause)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. de, zh_CN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a language (for example de, fr or zh_CN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overridden by %1 for this run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings cannot be written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tooth numbers (fdi, universal or palmer; at once)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fdi: 11–48, 51–85</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not fdi, universal (1–32, A–T) or palmer (UR1, ULA)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask for the teeth after each capture, at once (the camera&apos;s capture key confirms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teeth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关于 kavimo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kavimo, version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oral image acquisition system for WiFi intraoral cameras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User guide (F1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleted items are kept for %1 days. Choose what to restore:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture of %1   (deleted %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  %2, %3 picture%4   (deleted %5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user guide is not installed. It was looked for in:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kavimo user guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prev</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose, create or find a patient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start or stop the camera&apos;s live picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freeze the live picture; press again (Save Pic) to store it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add picture files to this patient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the picked pictures (or all of them) to a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick up to four pictures for the report and the export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview, print or save the report as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store the drawing on the shown picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store the shown picture with its drawing as a new picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take back the last stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show four pictures at once, or one again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the shown picture (it goes to the trash)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store the diagnosis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll the thumbnails up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll the thumbnails down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close kavimo (unsaved work is asked about first)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Num：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PACS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive AE title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive DICOM port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kavimo&apos;s AE title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send every stored picture (on/off)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worklist modality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worklist of this station or all (this/all)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect over TLS (the archive must show a certificate the CA signed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CA certificates to trust (PEM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>required with TLS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kavimo&apos;s certificate (PEM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none: only if the archive asks for one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kavimo&apos;s private key (PEM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none: goes with the certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures and records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d: drive folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stream camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera command port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local command port (0: any)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local video port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local reply port (0: any)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera picture port (TCP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local address (0.0.0.0: all)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doctor&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Foot switch key (does Freeze)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language (empty: the desktop&apos;s)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
