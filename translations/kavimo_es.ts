<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>kavimo</name>
    <message>
        <source>The pictures cannot be queued for the archive (PACS): the disk may be full or kavimo&apos;s folder not writable. Free some space or ask your technician (%1).</source>
        <translation>Las imágenes no se pueden poner en cola para el archivo (PACS): puede que el disco esté lleno o que no se pueda escribir en la carpeta de kavimo. Libere espacio o consulte a su técnico (%1).</translation>
    </message>
    <message>
        <source>Sending %1 of %2 to the PACS…</source>
        <translation>Enviando %1 de %2 al PACS…</translation>
    </message>
    <message>
        <source>PACS not reachable: %1 waiting, sent when it answers. Check the network and the archive&apos;s address in Settings.</source>
        <translation>PACS no accesible: %1 en espera, se enviarán cuando responda. Compruebe la red y la dirección del archivo en Configuración.</translation>
    </message>
    <message>
        <source>Sent %1 of %2 to the PACS; the archive refused %3. Ask its administrator (see the log).</source>
        <translation>%1 de %2 enviadas al PACS; el archivo rechazó %3. Consulte a su administrador (vea el registro).</translation>
    </message>
    <message>
        <source>PACS: %1</source>
        <translation>PACS: %1</translation>
    </message>
    <message>
        <source>Sent %1 of %2 to the PACS</source>
        <translation>%1 de %2 enviadas al PACS</translation>
    </message>
    <message>
        <source>No archive (PACS) is set up. Enter its AE title, host and port in the Settings dialog: right-click the main window and choose &quot;Settings...&quot;, then restart kavimo.</source>
        <translation>No hay ningún archivo (PACS) configurado. Introduzca su título AE, host y puerto en el cuadro de Configuración: haga clic derecho en la ventana principal, elija «Configuración...» y reinicie kavimo.</translation>
    </message>
    <message>
        <source>PACS (the clinic&apos;s archive)</source>
        <translation>PACS (el archivo de la clínica)</translation>
    </message>
    <message>
        <source>Archive AE title</source>
        <translation>Título AE del archivo</translation>
    </message>
    <message>
        <source>none: no archive</source>
        <translation>ninguno: sin archivo</translation>
    </message>
    <message>
        <source>Archive host</source>
        <translation>Host del archivo</translation>
    </message>
    <message>
        <source>Archive DICOM port</source>
        <translation>Puerto DICOM del archivo</translation>
    </message>
    <message>
        <source>kavimo&apos;s AE title</source>
        <translation>Título AE de kavimo</translation>
    </message>
    <message>
        <source>Send every stored picture (on/off)</source>
        <translation>Enviar cada imagen guardada (on/off)</translation>
    </message>
    <message>
        <source>Worklist modality</source>
        <translation>Modalidad de la worklist</translation>
    </message>
    <message>
        <source>Worklist of this station or all (this/all)</source>
        <translation>Worklist de este equipo o de todos (this/all)</translation>
    </message>
    <message>
        <source>Connect over TLS (the archive must show a certificate the CA signed)</source>
        <translation>Conectar mediante TLS (el archivo debe presentar un certificado firmado por la CA)</translation>
    </message>
    <message>
        <source>CA certificates to trust (PEM)</source>
        <translation>Certificados de CA de confianza (PEM)</translation>
    </message>
    <message>
        <source>required with TLS</source>
        <translation>obligatorio con TLS</translation>
    </message>
    <message>
        <source>kavimo&apos;s certificate (PEM)</source>
        <translation>Certificado de kavimo (PEM)</translation>
    </message>
    <message>
        <source>none: only if the archive asks for one</source>
        <translation>ninguno: solo si el archivo lo pide</translation>
    </message>
    <message>
        <source>kavimo&apos;s private key (PEM)</source>
        <translation>Clave privada de kavimo (PEM)</translation>
    </message>
    <message>
        <source>none: goes with the certificate</source>
        <translation>ninguna: acompaña al certificado</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>Probar conexión</translation>
    </message>
    <message>
        <source>Give the archive&apos;s AE title, host and port first.</source>
        <translation>Indique primero el título AE, el host y el puerto del archivo.</translation>
    </message>
    <message>
        <source>Connecting to %1%2…</source>
        <translation>Conectando con %1%2…</translation>
    </message>
    <message>
        <source> over TLS</source>
        <translation> mediante TLS</translation>
    </message>
    <message>
        <source>%1 answers.</source>
        <translation>%1 responde.</translation>
    </message>
    <message>
        <source>Worklist</source>
        <translation>Worklist</translation>
    </message>
    <message>
        <source>Patients scheduled for %1 (only the first %2: the PACS sent more):</source>
        <translation>Pacientes citados para el %1 (solo los primeros %2: el PACS envió más):</translation>
    </message>
    <message>
        <source>The worklist schedules no patient for %1.</source>
        <translation>La worklist no tiene pacientes citados para el %1.</translation>
    </message>
    <message>
        <source>Patients scheduled for %1:</source>
        <translation>Pacientes citados para el %1:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Patient ID</source>
        <translation>ID paciente</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Nacimiento</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Accession</source>
        <translation>N.º acceso</translation>
    </message>
    <message>
        <source>Procedure</source>
        <translation>Procedimiento</translation>
    </message>
    <message>
        <source>Not taken as the PACS sent it:
</source>
        <translation>No aceptado tal como lo envió el PACS:
</translation>
    </message>
    <message>
        <source>
… and %1 more</source>
        <translation>
… y %1 más</translation>
    </message>
    <message>
        <source>Another day:</source>
        <translation>Otro día:</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Asking the PACS for the worklist of %1…</source>
        <translation>Solicitando al PACS la worklist del %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cannot read the worklist: %1</source>
        <translation>No se puede leer la worklist: %1</translation>
    </message>
    <message>
        <source>The demo cannot start: %1.</source>
        <translation>La demostración no puede iniciarse: %1.</translation>
    </message>
    <message>
        <source>Oral image acquisition system</source>
        <translation>Sistema de adquisición de imágenes intraorales</translation>
    </message>
    <message>
        <source>the running kavimo did not open patient %1: %2</source>
        <translation>el kavimo en ejecución no abrió el paciente %1: %2</translation>
    </message>
    <message>
        <source>the patient was not opened: %1</source>
        <translation>no se abrió el paciente: %1</translation>
    </message>
    <message>
        <source>kavimo cannot start: %1.</source>
        <translation>kavimo no puede iniciarse: %1.</translation>
    </message>
    <message>
        <source>the pictures were not exported: %1</source>
        <translation>no se exportaron las imágenes: %1</translation>
    </message>
    <message>
        <source>the pictures were not shown: %1</source>
        <translation>no se mostraron las imágenes: %1</translation>
    </message>
    <message>
        <source>the camera link cannot open its sockets on 127.0.0.1</source>
        <translation>el enlace con la cámara no puede abrir sus sockets en 127.0.0.1</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Pickup</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Paciente</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>En vivo</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Congelar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Choose, create or find a patient</source>
        <translation>Elegir, crear o buscar un paciente</translation>
    </message>
    <message>
        <source>Start or stop the camera&apos;s live picture</source>
        <translation>Iniciar o detener la imagen en vivo de la cámara</translation>
    </message>
    <message>
        <source>Freeze the live picture; press again (Save Pic) to store it</source>
        <translation>Congelar la imagen en vivo; pulse de nuevo (Guardar) para guardarla</translation>
    </message>
    <message>
        <source>Add picture files to this patient</source>
        <translation>Añadir archivos de imagen a este paciente</translation>
    </message>
    <message>
        <source>Copy the picked pictures (or all of them) to a folder</source>
        <translation>Copiar las imágenes elegidas (o todas) a una carpeta</translation>
    </message>
    <message>
        <source>Pick up to four pictures for the report and the export</source>
        <translation>Elegir hasta cuatro imágenes para el informe y la exportación</translation>
    </message>
    <message>
        <source>Preview, print or save the report as PDF</source>
        <translation>Vista previa, imprimir o guardar el informe como PDF</translation>
    </message>
    <message>
        <source>Store the drawing on the shown picture</source>
        <translation>Guardar el dibujo en la imagen mostrada</translation>
    </message>
    <message>
        <source>Store the shown picture with its drawing as a new picture</source>
        <translation>Guardar la imagen mostrada con su dibujo como imagen nueva</translation>
    </message>
    <message>
        <source>Take back the last stroke</source>
        <translation>Deshacer el último trazo</translation>
    </message>
    <message>
        <source>Show four pictures at once, or one again</source>
        <translation>Mostrar cuatro imágenes a la vez, o de nuevo una</translation>
    </message>
    <message>
        <source>Delete the shown picture (it goes to the trash)</source>
        <translation>Eliminar la imagen mostrada (va a la papelera)</translation>
    </message>
    <message>
        <source>Store the diagnosis</source>
        <translation>Guardar el diagnóstico</translation>
    </message>
    <message>
        <source>Scroll the thumbnails up</source>
        <translation>Desplazar las miniaturas hacia arriba</translation>
    </message>
    <message>
        <source>Scroll the thumbnails down</source>
        <translation>Desplazar las miniaturas hacia abajo</translation>
    </message>
    <message>
        <source>Close kavimo (unsaved work is asked about first)</source>
        <translation>Cerrar kavimo (antes se pregunta por el trabajo no guardado)</translation>
    </message>
    <message>
        <source>Thick</source>
        <translation>Grueso</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Fino</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Num：</source>
        <translation>N.º: </translation>
    </message>
    <message>
        <source>Name：</source>
        <translation>Nombre: </translation>
    </message>
    <message>
        <source>Sex：</source>
        <translation>Sexo: </translation>
    </message>
    <message>
        <source>Age：</source>
        <translation>Edad: </translation>
    </message>
    <message>
        <source>Phone：</source>
        <translation>Tel.: </translation>
    </message>
    <message>
        <source>Disease：</source>
        <translation>Diagnóstico: </translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The patient %1 of the practice-management system could not be opened: %2.</source>
        <translation>No se pudo abrir el paciente %1 del software de gestión de la clínica: %2.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Capturar</translation>
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
        <translation>Edad: %1</translation>
    </message>
    <message>
        <source>Age：%1 (born %2)</source>
        <translation>Edad: %1 (nacimiento: %2)</translation>
    </message>
    <message>
        <source>The diagnosis has not been saved. Save it?</source>
        <translation>El diagnóstico no se ha guardado. ¿Desea guardarlo?</translation>
    </message>
    <message>
        <source>The strokes on the picture have not been saved. Save them?</source>
        <translation>Los trazos de la imagen no se han guardado. ¿Desea guardarlos?</translation>
    </message>
    <message>
        <source>WIFI connected！</source>
        <translation>¡WiFi conectado!</translation>
    </message>
    <message>
        <source>WIFI disconnect！</source>
        <translation>¡WiFi desconectado!</translation>
    </message>
    <message>
        <source>Settings(&amp;S)...</source>
        <translation>&amp;Configuración...</translation>
    </message>
    <message>
        <source>关于 kavimo(&amp;A)...</source>
        <translation>&amp;Acerca de kavimo...</translation>
    </message>
    <message>
        <source>Export as DICOM…</source>
        <translation>Exportar como DICOM…</translation>
    </message>
    <message>
        <source>Send to PACS</source>
        <translation>Enviar al PACS</translation>
    </message>
    <message>
        <source>Revert to original</source>
        <translation>Volver al original</translation>
    </message>
    <message>
        <source>Restore deleted pictures…</source>
        <translation>Restaurar imágenes eliminadas…</translation>
    </message>
    <message>
        <source>Teeth and view…</source>
        <translation>Dientes y vista…</translation>
    </message>
    <message>
        <source>Show pictures of a tooth or view…</source>
        <translation>Mostrar imágenes de un diente o vista…</translation>
    </message>
    <message>
        <source>Show all pictures</source>
        <translation>Mostrar todas las imágenes</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.bmp)</source>
        <translation>Imágenes (*.jpg *.jpeg *.png *.bmp)</translation>
    </message>
    <message>
        <source>Please select output dir：</source>
        <translation>Seleccione la carpeta de destino:</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>no es una imagen</translation>
    </message>
    <message>
        <source>a %1 picture that cannot be read: %2</source>
        <translation>una imagen %1 que no se puede leer: %2</translation>
    </message>
    <message>
        <source>Save Pic</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Fail to Save！</source>
        <translation>¡Error al guardar!</translation>
    </message>
    <message>
        <source>Fail to Save！
%1</source>
        <translation>¡Error al guardar!
%1</translation>
    </message>
    <message>
        <source>Fail to save picture！</source>
        <translation>¡Error al guardar la imagen!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>the picture could not be read, so it is not written over</source>
        <translation>no se pudo leer la imagen, por lo que no se sobrescribe</translation>
    </message>
    <message>
        <source>not a picture in the patient&apos;s directory</source>
        <translation>no es una imagen de la carpeta del paciente</translation>
    </message>
    <message>
        <source>its original cannot be kept: </source>
        <translation>no se puede conservar su original: </translation>
    </message>
    <message>
        <source>Fail to Save！
%1: %2</source>
        <translation>¡Error al guardar!
%1: %2</translation>
    </message>
    <message>
        <source>Revert %1 to the picture as it was taken?
The strokes saved on it are lost.</source>
        <translation>¿Devolver %1 a la imagen tal como se tomó?
Se perderán los trazos guardados en ella.</translation>
    </message>
    <message>
        <source>Fail to revert！
%1: %2</source>
        <translation>¡Error al restablecer!
%1: %2</translation>
    </message>
    <message>
        <source>Restore deleted pictures</source>
        <translation>Restaurar imágenes eliminadas</translation>
    </message>
    <message>
        <source>no free picture name</source>
        <translation>no queda ningún nombre de imagen libre</translation>
    </message>
    <message>
        <source>Fail to import:
%1</source>
        <translation>Error al importar:
%1</translation>
    </message>
    <message>
        <source>picture output</source>
        <translation>exportar imágenes</translation>
    </message>
    <message>
        <source>This patient has no pictures to export.</source>
        <translation>Este paciente no tiene imágenes para exportar.</translation>
    </message>
    <message>
        <source>No picture is picked. Export the patient&apos;s picture?</source>
        <translation>No hay ninguna imagen elegida. ¿Exportar la imagen del paciente?</translation>
    </message>
    <message numerus="yes">
        <source>No picture is picked. Export all %n pictures?</source>
        <translation>
            <numerusform>No hay ninguna imagen elegida. ¿Exportar la %n imagen?</numerusform>
            <numerusform>No hay ninguna imagen elegida. ¿Exportar las %n imágenes?</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Choose another one.</source>
        <translation>La carpeta %1 no existe. Elija otra.</translation>
    </message>
    <message>
        <source>picture %1: it is no longer in the patient&apos;s list</source>
        <translation>imagen %1: ya no está en la lista del paciente</translation>
    </message>
    <message>
        <source>%1: not a file name</source>
        <translation>%1: no es un nombre de archivo</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures exported to %1.</source>
        <translation>
            <numerusform>%n imagen exportada a %1.</numerusform>
            <numerusform>%n imágenes exportadas a %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

Fail to export:
%2</source>
        <translation>%1

Error al exportar:
%2</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>¿Está seguro?</translation>
    </message>
    <message>
        <source>

Delete the picture of %1-%2-%3 %4:%5:%6?
It goes to the trash, from which it can be restored for %7 days.</source>
        <translation>

¿Eliminar la imagen del %1-%2-%3 %4:%5:%6?
Se moverá a la papelera, desde donde se puede restaurar durante %7 días.</translation>
    </message>
    <message>
        <source>Picture delete</source>
        <translation>Eliminar imagen</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>Restore the unsaved work of %1 from %2?</source>
        <translation>¿Restaurar el trabajo no guardado de %1 del %2?</translation>
    </message>
    <message>
        <source>The camera&apos;s video cannot be received: UDP port %1 (%2) is not available.</source>
        <translation>No se puede recibir el vídeo de la cámara: el puerto UDP %1 (%2) no está disponible.</translation>
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
        <translation>%1 de %2 a %3%4%5</translation>
    </message>
    <message>
        <source>; cancelled</source>
        <translation>; cancelado</translation>
    </message>
    <message>
        <source>; failed: </source>
        <translation>; con errores: </translation>
    </message>
    <message numerus="yes">
        <source>%n DICOM files written to %1, with a DICOMDIR</source>
        <translation>
            <numerusform>%n archivo DICOM escrito en %1, con un DICOMDIR</numerusform>
            <numerusform>%n archivos DICOM escritos en %1, con un DICOMDIR</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Export cancelled: %1 of %n DICOM files written to %2, with a DICOMDIR</source>
        <translation>
            <numerusform>Exportación cancelada: %1 de %n archivo DICOM escrito en %2, con un DICOMDIR</numerusform>
            <numerusform>Exportación cancelada: %1 de %n archivos DICOM escritos en %2, con un DICOMDIR</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n DICOM files written; failed:
%2</source>
        <translation>
            <numerusform>%1 de %n archivo DICOM escrito; errores:
%2</numerusform>
            <numerusform>%1 de %n archivos DICOM escritos; errores:
%2</numerusform>
        </translation>
    </message>
    <message>
        <source>The patient has no pictures to export.</source>
        <translation>El paciente no tiene imágenes para exportar.</translation>
    </message>
    <message>
        <source>Export as DICOM</source>
        <translation>Exportar como DICOM</translation>
    </message>
    <message>
        <source>Invalid dir</source>
        <translation>Carpeta no válida</translation>
    </message>
    <message numerus="yes">
        <source>Exporting %n pictures as DICOM to
%1</source>
        <translation>
            <numerusform>Exportando %n imagen como DICOM a
%1</numerusform>
            <numerusform>Exportando %n imágenes como DICOM a
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>The patient has no pictures to send.</source>
        <translation>El paciente no tiene imágenes para enviar.</translation>
    </message>
    <message>
        <source>kavimo is starting or closing</source>
        <translation>kavimo se está iniciando o cerrando</translation>
    </message>
    <message>
        <source>a dialog is open in kavimo; close it and try again</source>
        <translation>hay un cuadro de diálogo abierto en kavimo; ciérrelo e inténtelo de nuevo</translation>
    </message>
    <message>
        <source>the user stayed with the patient on screen to keep unsaved work</source>
        <translation>el usuario se quedó con el paciente en pantalla para conservar el trabajo no guardado</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Individual</translation>
    </message>
    <message>
        <source>Teeth and view</source>
        <translation>Dientes y vista</translation>
    </message>
    <message>
        <source>Teeth </source>
        <translation>Dientes </translation>
    </message>
    <message>
        <source>The teeth of %1 were not given to %2:
%3</source>
        <translation>Los dientes de %1 no se asignaron a %2:
%3</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n imagen</numerusform>
            <numerusform>%n imágenes</numerusform>
        </translation>
    </message>
    <message>
        <source>The teeth were not stored:
%1</source>
        <translation>No se guardaron los dientes:
%1</translation>
    </message>
    <message>
        <source>Show pictures of</source>
        <translation>Mostrar imágenes de</translation>
    </message>
    <message>
        <source>A tooth (%1) or a view (frontal, left buccal, right buccal, upper occlusal, lower occlusal, close-up, other).
Empty shows every picture.</source>
        <translation>Un diente (%1) o una vista (frontal, vestibular izquierda, vestibular derecha, oclusal superior, oclusal inferior, primer plano, otra).
Vacío muestra todas las imágenes.</translation>
    </message>
    <message>
        <source>1–32 or A–T</source>
        <translation>1–32 o A–T</translation>
    </message>
    <message>
        <source>UR1, LLA</source>
        <translation>UR1, LLA</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a tooth nor a view.</source>
        <translation>«%1» no es un diente ni una vista.</translation>
    </message>
    <message>
        <source>Show a picture, or pick two, to compare.</source>
        <translation>Muestre una imagen, o elija dos, para comparar.</translation>
    </message>
    <message>
        <source>The picture shown has no teeth yet: tag it with its teeth, or pick two pictures.</source>
        <translation>La imagen mostrada aún no tiene dientes: asígnele sus dientes o elija dos imágenes.</translation>
    </message>
    <message>
        <source>No earlier picture shows the same teeth.</source>
        <translation>Ninguna imagen anterior muestra los mismos dientes.</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <translation>no se puede crear %1</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>no se puede crear %1: %2</translation>
    </message>
    <message>
        <source>the picture with the strokes cannot be encoded</source>
        <translation>no se puede codificar la imagen con los trazos</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>no se puede escribir en %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Faile to create WorkDir!</source>
        <translation>¡Error al crear la carpeta de trabajo!</translation>
    </message>
    <message>
        <source>Create WorkDir successfull!</source>
        <translation>¡Carpeta de trabajo creada correctamente!</translation>
    </message>
    <message>
        <source>Faile to  create user dir！</source>
        <translation>¡Error al crear la carpeta del paciente!</translation>
    </message>
    <message>
        <source>User does not exist！</source>
        <translation>¡El paciente no existe!</translation>
    </message>
    <message>
        <source>other</source>
        <translation>otro</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>female</source>
        <translation>femenino</translation>
    </message>
    <message>
        <source>male</source>
        <translation>masculino</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Femenino</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Masculino</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>User Management</source>
        <translation>Gestión de pacientes</translation>
    </message>
    <message>
        <source>User List：</source>
        <translation>Pacientes:</translation>
    </message>
    <message>
        <source>Picture List：</source>
        <translation>Lista de imágenes:</translation>
    </message>
    <message>
        <source>Preview：</source>
        <translation>Vista previa: </translation>
    </message>
    <message>
        <source>Born：</source>
        <translation>Nac.: </translation>
    </message>
    <message>
        <source>sex：</source>
        <translation>Sexo: </translation>
    </message>
    <message>
        <source>Hospital：</source>
        <translation>Clínica: </translation>
    </message>
    <message>
        <source>Description：</source>
        <translation>Descripción: </translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>ID paciente</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Edad</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Disease</source>
        <translation>Diagnóstico</translation>
    </message>
    <message>
        <source>Click a column&apos;s title to sort by it</source>
        <translation>Haga clic en el título de una columna para ordenar por ella</translation>
    </message>
    <message>
        <source>Search: part of the name, ID or phone</source>
        <translation>Buscar: parte del nombre, ID o teléfono</translation>
    </message>
    <message>
        <source>YYYYMMDD</source>
        <translation>YYYYMMDD</translation>
    </message>
    <message>
        <source>Birth date, YYYYMMDD or YYYY-MM-DD; the age then follows it</source>
        <translation>Fecha de nacimiento, YYYYMMDD o YYYY-MM-DD; la edad se calcula a partir de ella</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Fijar</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Restore deleted patients…</source>
        <translation>Restaurar eliminados…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>No patient matches &quot;%1&quot;.</source>
        <translation>Ningún paciente coincide con «%1».</translation>
    </message>
    <message>
        <source>Please enter name！</source>
        <translation>¡Introduzca el nombre!</translation>
    </message>
    <message>
        <source>Please enter the birth date as YYYY-MM-DD, not after today！</source>
        <translation>¡Introduzca la fecha de nacimiento como YYYY-MM-DD, no posterior a hoy!</translation>
    </message>
    <message>
        <source>Please enter age！</source>
        <translation>¡Introduzca la edad!</translation>
    </message>
    <message>
        <source>Please enter phone！</source>
        <translation>¡Introduzca el número de teléfono!</translation>
    </message>
    <message>
        <source>Please choose sex (Female, Male, Other or Unknown)！</source>
        <translation>¡Elija el sexo (Femenino, Masculino, Otro o Desconocido)!</translation>
    </message>
    <message>
        <source>The patient&apos;s record was written, but the name, phone and birth date as typed were not kept: %1</source>
        <translation>Se guardó la ficha del paciente, pero no se conservaron el nombre, el teléfono ni la fecha de nacimiento tal como se escribieron: %1</translation>
    </message>
    <message>
        <source>The patient was created, but the worklist&apos;s order was not kept, so the pictures will not be attached to it in the archive: %1</source>
        <translation>Se creó el paciente, pero no se conservó la orden de la worklist, por lo que las imágenes no se asociarán a ella en el archivo: %1</translation>
    </message>
    <message numerus="yes">
        <source>The patient list is full: at most %n patients can be kept！</source>
        <translation>
            <numerusform>La lista de pacientes está llena: solo se puede guardar %n paciente.</numerusform>
            <numerusform>La lista de pacientes está llena: solo se pueden guardar %n pacientes.</numerusform>
        </translation>
    </message>
    <message>
        <source>A patient was created less than a second ago; please press Create again！</source>
        <translation>Se creó un paciente hace menos de un segundo; ¡pulse Crear de nuevo!</translation>
    </message>
    <message>
        <source>Are you sure delete？</source>
        <translation>¿Seguro que desea eliminar?</translation>
    </message>
    <message>
        <source>Delete the patient %1 (%2) and %3?</source>
        <translation>¿Eliminar al paciente %1 (%2) y %3?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n patients and their %1?</source>
        <translation>
            <numerusform>¿Eliminar %n paciente y sus imágenes (%1)?</numerusform>
            <numerusform>¿Eliminar %n pacientes y sus imágenes (%1)?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>

%1
They go to the trash, from which &quot;Restore deleted patients…&quot; brings them back for %n days.</source>
        <translation>
            <numerusform>

%1
Se moverán a la papelera, desde donde «Restaurar eliminados…» los recupera durante %n día.</numerusform>
            <numerusform>

%1
Se moverán a la papelera, desde donde «Restaurar eliminados…» los recupera durante %n días.</numerusform>
        </translation>
    </message>
    <message>
        <source>There are no deleted patients to restore.</source>
        <translation>No hay pacientes eliminados que restaurar.</translation>
    </message>
    <message>
        <source>Restore deleted patients</source>
        <translation>Restaurar pacientes eliminados</translation>
    </message>
    <message>
        <source>Please enter hospital name！</source>
        <translation>¡Introduzca el nombre de la clínica!</translation>
    </message>
    <message>
        <source>Set hospital successfull！</source>
        <translation>¡Clínica guardada correctamente!</translation>
    </message>
    <message>
        <source>Turn a quarter to the left (Shift+R)</source>
        <translation>Girar 90° a la izquierda (Mayús+R)</translation>
    </message>
    <message>
        <source>Turn a quarter to the right (R)</source>
        <translation>Girar 90° a la derecha (R)</translation>
    </message>
    <message>
        <source>+ / − zoom   0 as it came   R turn   arrows move   Esc close</source>
        <translation>+ / − zoom   0 original   R girar   flechas mover   Esc cerrar</translation>
    </message>
    <message>
        <source>not on the d: drive</source>
        <translation>no está en la unidad d:</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>The picture cannot be read.</source>
        <translation>No se puede leer la imagen.</translation>
    </message>
    <message>
        <source>Wheel or + and − zoom both, dragging moves both; double-click fits them.</source>
        <translation>La rueda o + y − amplían ambas, arrastrar mueve ambas; doble clic las ajusta.</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation>no hay ninguna imagen que escribir</translation>
    </message>
    <message>
        <source>cannot encode the picture as %1: %2</source>
        <translation>no se puede codificar la imagen como %1: %2</translation>
    </message>
    <message>
        <source>it is a link to a file outside the work directory</source>
        <translation>es un enlace a un archivo fuera de la carpeta de trabajo</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the path lies outside the d: drive</source>
        <translation>la ruta está fuera de la unidad d:</translation>
    </message>
    <message>
        <source>Which teeth does %1 show?</source>
        <translation>¿Qué dientes muestra %1?</translation>
    </message>
    <message>
        <source>right</source>
        <translation>derecha</translation>
    </message>
    <message>
        <source>left</source>
        <translation>izquierda</translation>
    </message>
    <message>
        <source>FDI %1</source>
        <translation>FDI %1</translation>
    </message>
    <message>
        <source>View:</source>
        <translation>Vista:</translation>
    </message>
    <message>
        <source>(not given)</source>
        <translation>(sin indicar)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>No tooth chosen.</source>
        <translation>Ningún diente elegido.</translation>
    </message>
    <message>
        <source>Chosen: </source>
        <translation>Elegidos: </translation>
    </message>
    <message>
        <source>there is no runtime directory (XDG_RUNTIME_DIR)</source>
        <translation>no hay carpeta de ejecución (XDG_RUNTIME_DIR)</translation>
    </message>
    <message>
        <source>the running kavimo did not answer</source>
        <translation>el kavimo en ejecución no respondió</translation>
    </message>
    <message>
        <source>the transfer file was not read: %1</source>
        <translation>no se leyó el archivo de intercambio: %1</translation>
    </message>
    <message>
        <source>the transfer file&apos;s request was refused: %1</source>
        <translation>se rechazó la petición del archivo de intercambio: %1</translation>
    </message>
    <message>
        <source>kavimo has no patient with the ID %1</source>
        <translation>kavimo no tiene ningún paciente con el ID %1</translation>
    </message>
    <message>
        <source>the picture %1 is not one of the patient&apos;s</source>
        <translation>la imagen %1 no es del paciente</translation>
    </message>
    <message>
        <source>the answer could not be written into the transfer file: %1</source>
        <translation>no se pudo escribir la respuesta en el archivo de intercambio: %1</translation>
    </message>
    <message>
        <source>Print-diagnose</source>
        <translation>Imprimir diagnóstico</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>No se pudo imprimir el informe.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.</source>
        <translation>No se pudo guardar el informe como %1.</translation>
    </message>
    <message>
        <source>Sex：male</source>
        <translation>Sexo: masculino</translation>
    </message>
    <message>
        <source>Sex：female</source>
        <translation>Sexo: femenino</translation>
    </message>
    <message>
        <source>Time：</source>
        <translation>Fecha: </translation>
    </message>
    <message>
        <source>Resualt</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Pictures：</source>
        <translation>Imágenes: </translation>
    </message>
    <message>
        <source>Doctor：</source>
        <translation>Doctor: </translation>
    </message>
    <message>
        <source>Pictures and records</source>
        <translation>Imágenes y fichas</translation>
    </message>
    <message>
        <source>d: drive folder</source>
        <translation>Carpeta de la unidad d:</translation>
    </message>
    <message>
        <source>Stream camera</source>
        <translation>Cámara de vídeo</translation>
    </message>
    <message>
        <source>Camera address</source>
        <translation>Dirección de la cámara</translation>
    </message>
    <message>
        <source>Camera command port</source>
        <translation>Puerto de órdenes de la cámara</translation>
    </message>
    <message>
        <source>Local command port (0: any)</source>
        <translation>Puerto local de órdenes (0: cualquiera)</translation>
    </message>
    <message>
        <source>Local video port</source>
        <translation>Puerto local de vídeo</translation>
    </message>
    <message>
        <source>Picture camera</source>
        <translation>Cámara de fotos</translation>
    </message>
    <message>
        <source>Local reply port (0: any)</source>
        <translation>Puerto local de respuesta (0: cualquiera)</translation>
    </message>
    <message>
        <source>Camera picture port (TCP)</source>
        <translation>Puerto de imágenes de la cámara (TCP)</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Local address (0.0.0.0: all)</source>
        <translation>Dirección local (0.0.0.0: todas)</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Doctor&apos;s name</source>
        <translation>Nombre del doctor</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Foot switch key (does Freeze)</source>
        <translation>Tecla del pedal (equivale a Congelar)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Language (empty: the desktop&apos;s)</source>
        <translation>Idioma (vacío: el del escritorio)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>The d: drive folder</source>
        <translation>La carpeta de la unidad d:</translation>
    </message>
    <message>
        <source>PEM files (*.pem *.crt *.key);;All files (*)</source>
        <translation>Archivos PEM (*.pem *.crt *.key);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Archivo de configuración: %1</translation>
    </message>
    <message>
        <source>Changes take effect the next time kavimo starts. An empty field uses the default shown in it. A value overridden by a command-line option or an environment variable is used in the runs without it.</source>
        <translation>Los cambios se aplican la próxima vez que se inicie kavimo. Un campo vacío usa el valor predeterminado que muestra. Un valor sustituido por una opción de línea de comandos o una variable de entorno se usa en las ejecuciones sin ella.</translation>
    </message>
    <message>
        <source>none; e.g. F8</source>
        <translation>ninguna; p. ej. F8</translation>
    </message>
    <message>
        <source>not a key (for example F8, Space or Pause)</source>
        <translation>no es una tecla (por ejemplo F8, Space o Pause)</translation>
    </message>
    <message>
        <source>e.g. de, zh_CN</source>
        <translation>p. ej. es, pt_BR</translation>
    </message>
    <message>
        <source>not a language (for example de, fr or zh_CN)</source>
        <translation>no es un idioma (por ejemplo es, fr o zh_CN)</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <source>Overridden by %1 for this run</source>
        <translation>Sustituido por %1 en esta ejecución</translation>
    </message>
    <message>
        <source>The settings cannot be written to %1.</source>
        <translation>No se puede escribir la configuración en %1.</translation>
    </message>
    <message>
        <source>Tooth numbers (fdi, universal or palmer; at once)</source>
        <translation>Numeración dental (fdi, universal o palmer; se aplica al instante)</translation>
    </message>
    <message>
        <source>fdi: 11–48, 51–85</source>
        <translation>fdi: 11–48, 51–85</translation>
    </message>
    <message>
        <source>not fdi, universal (1–32, A–T) or palmer (UR1, ULA)</source>
        <translation>no es fdi, universal (1–32, A–T) ni palmer (UR1, ULA)</translation>
    </message>
    <message>
        <source>Ask for the teeth after each capture, at once (the camera&apos;s capture key confirms)</source>
        <translation>Preguntar los dientes tras cada captura, se aplica al instante (la tecla de captura de la cámara confirma)</translation>
    </message>
    <message>
        <source>Teeth</source>
        <translation>Dientes</translation>
    </message>
    <message>
        <source>关于 kavimo</source>
        <translation>Acerca de kavimo</translation>
    </message>
    <message>
        <source>kavimo, version %1</source>
        <translation>kavimo, versión %1</translation>
    </message>
    <message>
        <source>Oral image acquisition system for WiFi intraoral cameras</source>
        <translation>Sistema de adquisición de imágenes intraorales para cámaras intraorales WiFi</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Registro: %1</translation>
    </message>
    <message>
        <source>User guide (F1)</source>
        <translation>Manual de usuario (F1)</translation>
    </message>
    <message numerus="yes">
        <source>Deleted items are kept for %n days. Choose what to restore:</source>
        <translation>
            <numerusform>Los elementos eliminados se conservan %n día. Elija qué restaurar:</numerusform>
            <numerusform>Los elementos eliminados se conservan %n días. Elija qué restaurar:</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Picture of %1   (deleted %2)</source>
        <translation>Imagen de %1   (eliminada el %2)</translation>
    </message>
    <message numerus="yes">
        <source>%1  %2, %n pictures   (deleted %3)</source>
        <translation>
            <numerusform>%1  %2, %n imagen   (eliminado el %3)</numerusform>
            <numerusform>%1  %2, %n imágenes   (eliminado el %3)</numerusform>
        </translation>
    </message>
    <message>
        <source>The user guide is not installed. It was looked for in:
%1</source>
        <translation>El manual de usuario no está instalado. Se buscó en:
%1</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Manual de usuario</translation>
    </message>
    <message>
        <source>kavimo user guide</source>
        <translation>Manual de usuario de kavimo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Try &apos;kavimo --help&apos;.</source>
        <translation>Pruebe «kavimo --help».</translation>
    </message>
    <message>
        <source>Host directory that stands for the d: drive (default ~/.local/share/kavimo/d).</source>
        <translation>Carpeta del equipo que hace de unidad d: (predeterminada: ~/.local/share/kavimo/d).</translation>
    </message>
    <message>
        <source>Group that shares the records: folders 0770, files 0660 (default: none, 0700 and 0600).</source>
        <translation>Grupo que comparte las fichas: carpetas 0770, archivos 0660 (predeterminado: ninguno, 0700 y 0600).</translation>
    </message>
    <message>
        <source>Address of the stream camera (default 172.16.10.1).</source>
        <translation>Dirección de la cámara de vídeo (predeterminada: 172.16.10.1).</translation>
    </message>
    <message>
        <source>The stream camera&apos;s command port (default 7777).</source>
        <translation>Puerto de órdenes de la cámara de vídeo (predeterminado: 7777).</translation>
    </message>
    <message>
        <source>Local port for the stream camera&apos;s replies, heartbeats and keys (default 7777; 0: any).</source>
        <translation>Puerto local para las respuestas, las señales de vida y las teclas de la cámara de vídeo (predeterminado: 7777; 0: cualquiera).</translation>
    </message>
    <message>
        <source>Local port the live video arrives on (default 8888).</source>
        <translation>Puerto local por el que llega el vídeo en vivo (predeterminado: 8888).</translation>
    </message>
    <message>
        <source>Address of the picture camera (default 192.168.239.1).</source>
        <translation>Dirección de la cámara de fotos (predeterminada: 192.168.239.1).</translation>
    </message>
    <message>
        <source>The picture camera&apos;s command port (default 6000).</source>
        <translation>Puerto de órdenes de la cámara de fotos (predeterminado: 6000).</translation>
    </message>
    <message>
        <source>Local port for the picture camera&apos;s replies (default 5000; 0: any).</source>
        <translation>Puerto local para las respuestas de la cámara de fotos (predeterminado: 5000; 0: cualquiera).</translation>
    </message>
    <message>
        <source>The picture camera&apos;s TCP picture port (default 5000).</source>
        <translation>Puerto TCP de imágenes de la cámara de fotos (predeterminado: 5000).</translation>
    </message>
    <message>
        <source>Local address the camera sockets bind to (default 0.0.0.0: all).</source>
        <translation>Dirección local a la que se vinculan los sockets de la cámara (predeterminada: 0.0.0.0: todas).</translation>
    </message>
    <message>
        <source>The clinic&apos;s archive (PACS): its AE title (default: none, no archive).</source>
        <translation>El archivo de la clínica (PACS): su título AE (predeterminado: ninguno, sin archivo).</translation>
    </message>
    <message>
        <source>The archive&apos;s host name or address.</source>
        <translation>Nombre de host o dirección del archivo.</translation>
    </message>
    <message>
        <source>The archive&apos;s DICOM port.</source>
        <translation>Puerto DICOM del archivo.</translation>
    </message>
    <message>
        <source>kavimo&apos;s own AE title towards the archive (default KAVIMO).</source>
        <translation>Título AE propio de kavimo ante el archivo (predeterminado: KAVIMO).</translation>
    </message>
    <message>
        <source>Issuer of Patient ID sent with kavimo&apos;s own Patient IDs (default KAVIMO- and the first 8 hex digits of the installation&apos;s identity).</source>
        <translation>Emisor del ID de paciente (Issuer of Patient ID) que se envía con los ID de paciente propios de kavimo (predeterminado: KAVIMO- seguido de los 8 primeros dígitos hexadecimales de la identidad de la instalación).</translation>
    </message>
    <message>
        <source>The modality whose worklist entries are listed (default XC, photographs).</source>
        <translation>Modalidad cuyas entradas de la worklist se muestran (predeterminada: XC, fotografías).</translation>
    </message>
    <message>
        <source>Lists the worklist entries scheduled for kavimo&apos;s own AE title (this, the default) or for every station (all).</source>
        <translation>Muestra las entradas de la worklist citadas para el título AE propio de kavimo (this, el valor predeterminado) o para todos los equipos (all).</translation>
    </message>
    <message>
        <source>Sends every stored picture to the archive automatically (default off).</source>
        <translation>Envía automáticamente al archivo cada imagen guardada (predeterminado: off).</translation>
    </message>
    <message>
        <source>Talks to the archive over TLS; its certificate must chain to --pacs-tls-ca and name its host (default off: plain TCP).</source>
        <translation>Se comunica con el archivo mediante TLS; su certificado debe estar firmado por una CA de --pacs-tls-ca y nombrar su host (predeterminado: off, TCP sin cifrar).</translation>
    </message>
    <message>
        <source>The CA certificates (PEM) to check the archive&apos;s certificate with.</source>
        <translation>Certificados de CA (PEM) con los que se comprueba el certificado del archivo.</translation>
    </message>
    <message>
        <source>kavimo&apos;s own certificate (PEM), for archives that ask for one.</source>
        <translation>Certificado propio de kavimo (PEM), para los archivos que lo piden.</translation>
    </message>
    <message>
        <source>The unencrypted private key (PEM) of kavimo&apos;s certificate.</source>
        <translation>Clave privada sin cifrar (PEM) del certificado de kavimo.</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot; is %4</source>
        <translation>%1: %2 «%3» %4</translation>
    </message>
    <message>
        <source>not a directory</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>not an IPv4 address</source>
        <translation>no es una dirección IPv4</translation>
    </message>
    <message>
        <source>not a port (0 to 65535)</source>
        <translation>no es un puerto (0 a 65535)</translation>
    </message>
    <message>
        <source>not a port (1 to 65535)</source>
        <translation>no es un puerto (1 a 65535)</translation>
    </message>
    <message>
        <source>not an AE title (1 to 16 characters)</source>
        <translation>no es un título AE (1 a 16 caracteres)</translation>
    </message>
    <message>
        <source>not a host</source>
        <translation>no es un host</translation>
    </message>
    <message>
        <source>not on or off</source>
        <translation>no es on ni off</translation>
    </message>
    <message>
        <source>not an issuer (1 to 64 characters, no backslash)</source>
        <translation>no es un emisor (1 a 64 caracteres, sin barra invertida)</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>not a modality (a code such as XC or IO)</source>
        <translation>no es una modalidad (un código como XC o IO)</translation>
    </message>
    <message>
        <source>not this or all</source>
        <translation>no es this ni all</translation>
    </message>
    <message>
        <source>not a group name</source>
        <translation>no es un nombre de grupo</translation>
    </message>
    <message>
        <source>not valid</source>
        <translation>no es válido</translation>
    </message>
    <message>
        <source>no folder given</source>
        <translation>no se indicó ninguna carpeta</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>the folder is not writable</source>
        <translation>no se puede escribir en la carpeta</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>no se indicó ningún archivo</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>the file is not readable</source>
        <translation>no se puede leer el archivo</translation>
    </message>
    <message>
        <source>Opens the patient with this ID of the practice-management system, creating it when kavimo does not have it yet (the patient dialog is not shown); the ID becomes the archive&apos;s Patient ID. When kavimo already runs on this work directory, the running window switches to the patient.</source>
        <translation>Abre el paciente con este ID del software de gestión de la clínica y lo crea si kavimo aún no lo tiene (sin mostrar el cuadro del paciente); el ID pasa a ser el ID de paciente (Patient ID) del archivo. Si kavimo ya se está ejecutando con esta carpeta de trabajo, la ventana abierta cambia a ese paciente.</translation>
    </message>
    <message>
        <source>The last name of the --patient-id patient (needed with it).</source>
        <translation>Apellidos del paciente de --patient-id (obligatorio con él).</translation>
    </message>
    <message>
        <source>The first name of the --patient-id patient.</source>
        <translation>Nombre del paciente de --patient-id.</translation>
    </message>
    <message>
        <source>The birth date of the --patient-id patient (also YYYY-MM-DD or DD.MM.YYYY).</source>
        <translation>Fecha de nacimiento del paciente de --patient-id (también YYYY-MM-DD o DD.MM.YYYY).</translation>
    </message>
    <message>
        <source>The sex of the --patient-id patient (also Male, Female, Other, Unknown).</source>
        <translation>Sexo del paciente de --patient-id (también Male, Female, Other, Unknown).</translation>
    </message>
    <message>
        <source>The phone of the --patient-id patient.</source>
        <translation>Teléfono del paciente de --patient-id.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Muestra la versión.</translation>
    </message>
    <message>
        <source>Points both camera addresses at 127.0.0.1 (for the camera simulator)
[KAVIMO_LOOPBACK=1]</source>
        <translation>Dirige las dos direcciones de cámara a 127.0.0.1 (para el simulador de cámara)
[KAVIMO_LOOPBACK=1]</translation>
    </message>
    <message>
        <source>Shows kavimo without a camera: starts the camera simulator kavimo-camsim (next to kavimo, else on the PATH) on 127.0.0.1 as a stream camera (--demo) or a picture camera (--demo=picture) and points the camera link at it; the camera addresses and ports above are then unused.</source>
        <translation>Muestra kavimo sin cámara: inicia el simulador de cámara kavimo-camsim (junto a kavimo o, si no, en el PATH) en 127.0.0.1 como cámara de vídeo (--demo) o cámara de fotos (--demo=picture) y conecta el enlace con la cámara a él; las direcciones y puertos de cámara anteriores no se usan entonces.</translation>
    </message>
    <message>
        <source>The settings file to read instead of %1
[KAVIMO_CONFIG]</source>
        <translation>Archivo de configuración que se lee en lugar de %1
[KAVIMO_CONFIG]</translation>
    </message>
    <message>
        <source>Writes a picture of the screen.</source>
        <translation>Guarda una imagen de la pantalla.</translation>
    </message>
    <message>
        <source>Milliseconds.</source>
        <translation>Milisegundos.</translation>
    </message>
    <message>
        <source>kavimo: oral image acquisition for WiFi intraoral cameras.
Every setting can also be given in the environment (KAVIMO_*) or in kavimo.ini;
the command line wins over the environment, which wins over the file.</source>
        <translation>kavimo: adquisición de imágenes intraorales para cámaras intraorales WiFi.
Cada ajuste también puede indicarse en el entorno (KAVIMO_*) o en kavimo.ini;
la línea de comandos prevalece sobre el entorno, y este sobre el archivo.</translation>
    </message>
    <message>
        <source>A VDDS-media transfer file the practice-management system wrote.</source>
        <translation>Archivo de intercambio VDDS-media escrito por el software de gestión de la clínica.</translation>
    </message>
    <message>
        <source>Usage: kavimo [options] [transfer-file]</source>
        <translation>Uso: kavimo [opciones] [transfer-file]</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>settings file &quot;%1&quot; does not exist</source>
        <translation>el archivo de configuración «%1» no existe</translation>
    </message>
    <message>
        <source>--demo=%1: the demo camera is &quot;stream&quot; or &quot;picture&quot;</source>
        <translation>--demo=%1: la cámara de demostración debe ser «stream» o «picture»</translation>
    </message>
    <message>
        <source>a transfer file and --patient-id cannot be given together</source>
        <translation>no se pueden indicar a la vez un archivo de intercambio y --patient-id</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot; (no such transfer file)</source>
        <translation>argumento inesperado «%1» (no existe ese archivo de intercambio)</translation>
    </message>
    <message>
        <source>the patient options need --patient-id</source>
        <translation>las opciones del paciente requieren --patient-id</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD)</source>
        <translation>la fecha de nacimiento «%1» no es una fecha (YYYYMMDD)</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, F, O, U, Male, Female, Other or Unknown</source>
        <translation>el sexo «%1» no es M, F, O, U, Male, Female, Other ni Unknown</translation>
    </message>
    <message>
        <source>the stream camera %1:%2 is the program&apos;s own command port; give the camera&apos;s port with --stream-command-port or another local port with --stream-local-port</source>
        <translation>la cámara de vídeo %1:%2 es el propio puerto de órdenes del programa; indique el puerto de la cámara con --stream-command-port u otro puerto local con --stream-local-port</translation>
    </message>
    <message>
        <source>the picture camera %1:%2 is the program&apos;s own reply port; give the camera&apos;s port with --picture-command-port or another local port with --picture-reply-port</source>
        <translation>la cámara de fotos %1:%2 es el propio puerto de respuesta del programa; indique el puerto de la cámara con --picture-command-port u otro puerto local con --picture-reply-port</translation>
    </message>
</context>
<context>
    <name>text</name>
    <message>
        <source>Could not find &quot;%1&quot;: %2</source>
        <translation>No se encontró «%1»: %2</translation>
    </message>
    <message>
        <source>Could not create &quot;%1&quot;: %2</source>
        <translation>No se pudo crear «%1»: %2</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: %2</source>
        <translation>No se pudo leer «%1»: %2</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>No se pudo escribir «%1»: %2</translation>
    </message>
    <message>
        <source>Could not move &quot;%1&quot; to the trash: %2</source>
        <translation>No se pudo mover «%1» a la papelera: %2</translation>
    </message>
    <message>
        <source>Could not restore &quot;%1&quot;: %2</source>
        <translation>No se pudo restaurar «%1»: %2</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;: %2</source>
        <translation>No se pudo eliminar «%1»: %2</translation>
    </message>
    <message>
        <source>These patient records are incomplete and were left out of the patient list:%1</source>
        <translation>Estas fichas de pacientes están incompletas y se han dejado fuera de la lista de pacientes:%1</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but no files were deleted: its record names the directory &quot;%2&quot; instead of &quot;%3&quot;.</source>
        <translation>%1 se quitó de la lista de pacientes, pero no se eliminó ningún archivo: su ficha indica la carpeta «%2» en lugar de «%3».</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but &quot;%2&quot; could not be moved to the trash: %3</source>
        <translation>%1 se quitó de la lista de pacientes, pero «%2» no se pudo mover a la papelera: %3</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but &quot;%2&quot; was not deleted: it is not a plain directory.</source>
        <translation>%1 se quitó de la lista de pacientes, pero «%2» no se eliminó: no es una carpeta normal.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; was not added: its path is longer than %2 bytes.</source>
        <translation>No se añadió la imagen «%1»: su ruta supera los %2 bytes.</translation>
    </message>
    <message>
        <source>These pictures were not added: their paths are longer than %1 bytes.%2</source>
        <translation>No se añadieron estas imágenes: sus rutas superan los %1 bytes.%2</translation>
    </message>
    <message>
        <source>%1 cannot be restored: the patient list is full.</source>
        <translation>%1 no se puede restaurar: la lista de pacientes está llena.</translation>
    </message>
    <message>
        <source>%1 cannot be restored: a patient directory of that name exists.</source>
        <translation>%1 no se puede restaurar: ya existe una carpeta de paciente con ese nombre.</translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2</source>
        <translation>%1 no se puede restaurar: %2</translation>
    </message>
    <message>
        <source>Cannot create the work directory %1: %2</source>
        <translation>No se puede crear la carpeta de trabajo %1: %2</translation>
    </message>
    <message>
        <source>Cannot use the lock file %1: it is a symbolic link, which kavimo does not follow.</source>
        <translation>No se puede usar el archivo de bloqueo %1: es un enlace simbólico, y kavimo no sigue enlaces simbólicos.</translation>
    </message>
    <message>
        <source>Cannot open the lock file %1: %2</source>
        <translation>No se puede abrir el archivo de bloqueo %1: %2</translation>
    </message>
    <message>
        <source>Cannot use the lock file %1: it is not a plain file.</source>
        <translation>No se puede usar el archivo de bloqueo %1: no es un archivo normal.</translation>
    </message>
    <message>
        <source>The patient records in %1 are in use by kavimo on %2 (process %3).</source>
        <translation>Las fichas de pacientes de %1 están en uso por kavimo en %2 (proceso %3).</translation>
    </message>
    <message>
        <source>The patient records in %1 are in use by kavimo on another computer or process.</source>
        <translation>Las fichas de pacientes de %1 están en uso por kavimo en otro equipo o proceso.</translation>
    </message>
    <message>
        <source>Cannot lock the patient records in %1: %2</source>
        <translation>No se pueden bloquear las fichas de pacientes de %1: %2</translation>
    </message>
    <message>
        <source>the JPEG data is cut short or damaged (%1)</source>
        <translation>los datos JPEG están incompletos o dañados (%1)</translation>
    </message>
    <message>
        <source>not a readable JPEG picture: %1</source>
        <translation>no es una imagen JPEG legible: %1</translation>
    </message>
    <message>
        <source>the picture does not decode to RGB</source>
        <translation>la imagen no se decodifica en RGB</translation>
    </message>
    <message>
        <source>cannot encode the picture as JPEG: %1</source>
        <translation>no se puede codificar la imagen como JPEG: %1</translation>
    </message>
    <message>
        <source>the archive&apos;s address is not set (AE title, host and port)</source>
        <translation>no se ha configurado la dirección del archivo (título AE, host y puerto)</translation>
    </message>
    <message>
        <source>the archive %1 refused the connection (check its AE title and that it accepts %2): %3</source>
        <translation>el archivo %1 rechazó la conexión (compruebe su título AE y que acepte a %2): %3</translation>
    </message>
    <message>
        <source>cannot reach the archive %1: %2 (it may ask for kavimo&apos;s own TLS certificate, and none is set)</source>
        <translation>no se puede acceder al archivo %1: %2 (puede que pida el certificado TLS propio de kavimo, y no hay ninguno configurado)</translation>
    </message>
    <message>
        <source>cannot reach the archive %1: %2</source>
        <translation>no se puede acceder al archivo %1: %2</translation>
    </message>
    <message>
        <source>not connected to the archive</source>
        <translation>sin conexión con el archivo</translation>
    </message>
    <message>
        <source>the archive did not answer the check: %1</source>
        <translation>el archivo no respondió a la comprobación: %1</translation>
    </message>
    <message>
        <source>the archive does not accept photographic pictures (VL Photographic Image Storage)</source>
        <translation>el archivo no acepta imágenes fotográficas (VL Photographic Image Storage)</translation>
    </message>
    <message>
        <source>the archive did not confirm the picture: %1</source>
        <translation>el archivo no confirmó la imagen: %1</translation>
    </message>
    <message>
        <source>the archive refused the picture (%1)</source>
        <translation>el archivo rechazó la imagen (%1)</translation>
    </message>
    <message>
        <source>the archive stored the picture with a warning (%1)</source>
        <translation>el archivo guardó la imagen con una advertencia (%1)</translation>
    </message>
    <message>
        <source>the archive offers no worklist</source>
        <translation>el archivo no ofrece worklist</translation>
    </message>
    <message>
        <source>the archive did not finish answering within %1 s</source>
        <translation>el archivo no terminó de responder en %1 s</translation>
    </message>
    <message>
        <source>the worklist query failed: %1</source>
        <translation>falló la consulta de la worklist: %1</translation>
    </message>
    <message>
        <source>the picture claims %1 × %2 pixels, more than kavimo opens</source>
        <translation>la imagen declara %1 × %2 píxeles, más de los que kavimo abre</translation>
    </message>
    <message numerus="yes">
        <source>the patient list is full: at most %n patients can be kept</source>
        <translation>
            <numerusform>la lista de pacientes está llena: solo se puede guardar %n paciente</numerusform>
            <numerusform>la lista de pacientes está llena: solo se pueden guardar %n pacientes</numerusform>
        </translation>
    </message>
    <message>
        <source>the computer&apos;s clock is behind the newest patient&apos;s creation time</source>
        <translation>el reloj del equipo va por detrás de la hora de creación del paciente más reciente</translation>
    </message>
    <message>
        <source>the patient could not be stored in the work directory</source>
        <translation>no se pudo guardar el paciente en la carpeta de trabajo</translation>
    </message>
    <message>
        <source>the patient&apos;s details could not be written: %1</source>
        <translation>no se pudieron escribir los datos del paciente: %1</translation>
    </message>
    <message>
        <source>the patient could not be selected</source>
        <translation>no se pudo seleccionar el paciente</translation>
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
        <translation>uso: kavimo-camsim --stream|--picture [opciones]

Simula una cámara del sistema kavimo en la interfaz de loopback. Toda dirección debe estar en 127.0.0.0/8.

  --stream               la cámara de vídeo: respuestas de identificación, señales de vida, teclas, vídeo H.264
  --picture              la cámara de fotos: respuestas de identificación, canal TCP de imágenes
  --bind IP              dirección local de todos los sockets (predeterminada: 127.0.0.1)
  --app IP               la dirección de la aplicación (predeterminada: 127.0.0.1)
  --cmd-port N           el puerto UDP de órdenes de la cámara (predeterminado: 0, lo elige el kernel)
  --app-port N           el puerto de órdenes de la aplicación (cámara de vídeo, predeterminado: 7777) o
                         su puerto de respuesta (cámara de fotos, predeterminado: 5000); 0: no enviar
                         nada hasta que el comando «app-port N» lo indique
  --video-port N         el puerto de vídeo de la aplicación (predeterminado: 8888); 0: no enviar vídeo
                         hasta que «video-port N» lo indique
  --tcp-port N           el puerto TCP del canal de imágenes (predeterminado: 0, lo elige el kernel)
  --name TEXT            el nombre de la cámara en su respuesta de identificación (32 bytes como máximo)
  --value N              el primer argumento de la respuesta de identificación (predeterminado: 1)
  --size WxH             tamaño de imagen (predeterminado: 640x480)
  --fps N                fotogramas de vídeo por segundo (predeterminado: 25)
  --gop N                fotogramas de un fotograma clave al siguiente (predeterminado: 25)
  --bitrate KBPS         tasa de bits del vídeo (predeterminada: 1500)
  --fragment-size N      bytes de carga útil por fragmento, un fragmento por datagrama (predeterminado: 1400)
  --attribute N          código de atributo de vídeo de cada fotograma (predeterminado: 0)
  --input FILE.h264      enviar las imágenes de este archivo Annex B (en bucle) en lugar de la imagen de prueba
  --loss N               descartar uno de cada N fragmentos (predeterminado: 0, ninguno)
  --heartbeat-ms N       periodo de las señales de vida (predeterminado: 500; 0: ninguna)
  --no-heartbeat         empezar con las señales de vida detenidas
  --no-video             empezar con el vídeo detenido
  --no-identify          no responder a la identificación
  --preview-fps N        imágenes de vista previa por segundo (predeterminado: 10)
  --quality N            calidad JPEG de las vistas previas (predeterminada: 80)
  --drop-after N         cortar cada conexión TCP tras N imágenes
  --at SECONDS:COMMAND   ejecutar un comando un tiempo después del inicio (se puede repetir)
  --exit-on-stdin-eof    terminar cuando se cierre la entrada estándar
  --duration SECONDS     terminar pasado este tiempo
  -h, --help             este texto
  --version              la versión de kavimo a la que pertenece este programa

Comandos (por la entrada estándar, uno por línea, o con --at):
  key N                  cámara de vídeo: enviar la tecla N de la cámara (81..85); cámara de fotos: capturar
  capture                cámara de fotos: enviar una imagen capturada
  heartbeat on|off       iniciar o detener las señales de vida
  video on|off           iniciar o detener el vídeo
  identify on|off        responder o no a la identificación
  drop                   cámara de fotos: cerrar la conexión TCP
  oversize               cámara de fotos: enviar un mensaje de vista previa de más de 1048576 bytes
  loss N                 descartar desde ahora uno de cada N fragmentos (0: ninguno)
  loss-rate N            descartar desde ahora fragmentos al azar, N por mil (0: ninguno)
  send CODE [A1 [A2]]    enviar a la aplicación un datagrama de órdenes con estos valores
  app-port N             enviar desde ahora respuestas, señales de vida y teclas a este puerto
  video-port N           enviar desde ahora el vídeo a este puerto
  quit                   terminar

Salida estándar: una línea «camsim ready mode=... cmd_port=... ...» cuando todos los sockets están vinculados,
después líneas «camsim event ...»; «camsim bye» al final. Los errores van a la salida de error estándar.
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
        <translation>uso: kavimo-play [opciones] [FILE.h264]
Reproduce un flujo elemental H.264 o, si no se indica ningún archivo, un patrón de prueba generado.
  --size WxH            tamaño del patrón generado (predeterminado: 1280x720)
  --fps N               frecuencia de fotogramas del flujo (predeterminada: 25)
  --mode 0|1            modo de representación: 0 capa de superficie (predeterminado), 1 SDL
  --overlay             dibujar el texto de estadísticas sobre el vídeo
  --frames N            detenerse tras N fotogramas
  --seconds S           detenerse tras S segundos
  --loop                volver a empezar un archivo al llegar a su final
  --window WxH          tamaño de la ventana (predeterminado: el del patrón, 960x540 para un archivo)
  --no-pacing           mostrar los fotogramas tan rápido como se puedan dibujar (sin temporización, entregados de golpe)
  --shot FILE.bmp       al final, escribir el último fotograma mostrado (TEGMO_PLAY_VideoShotLast)
  --window-shot FILE.bmp  al final, escribir lo que muestra la ventana
  --record FILE.h264    escribir además los fotogramas reproducidos en un archivo de flujo elemental
  -h, --help            este texto
  --version             la versión de kavimo a la que pertenece este programa
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
        <translation>Uso: kavimo-records [--drive-d DIR] [--data-group GROUP] COMMAND

Consulta las fichas de pacientes de kavimo sin modificarlas; solo tag guarda, junto a ellas, los
dientes y la vista de una imagen.

Comandos:
  list        todos los pacientes: número, UID, nombre, sexo, edad, teléfono, diagnósticos, imágenes
  show UID    la ficha de un paciente, sus diagnósticos y sus imágenes con sus dientes y vistas
              (UID20170801102233 o solo los dígitos)
  tag UID PICTURE [--teeth 11,21] [--view VIEW]
              asigna los dientes (números FDI; vacío: ninguno) y la vista de una imagen; PICTURE
              como la nombra show (su número, ruta o nombre de archivo); VIEW es frontal,
              left-buccal, right-buccal, upper-occlusal, lower-occlusal, close-up u other
              (vacío: ninguna). Se rechaza mientras kavimo tenga abierta la carpeta de trabajo
  check       compara los contadores de cada paciente con sus archivos de lista y de imagen, comprueba
              que cada imagen contenga un JPEG y busca copias de seguridad que falten y archivos sobrantes;
              estado de salida 1 si hay algún problema
  export-dicom UID DIR [--pacs-issuer TEXT]
              escribe todas las imágenes del paciente en DIR/DICOM/ con un DICOMDIR
  send-dicom UID --pacs AET@HOST:PORT [--calling-aet AET] [--pacs-issuer TEXT] [opciones TLS]
              envía todas las imágenes del paciente al archivo, una línea por imagen
              (estos dos comandos escriben la identidad de la instalación, Installation.txt en la
              carpeta de trabajo, si aún no existe: todo UID que generan la incluye)
  worklist --pacs AET@HOST:PORT [--calling-aet AET] [opciones TLS] [--date YYYYMMDD]
              los pacientes que la worklist tiene citados para el día (hoy, si no se indica otro)
  audit [--since YYYYMMDD]
              el registro de auditoría: quién capturó, guardó, eliminó, exportó o envió qué, y
              cuándo, un evento por línea (a partir del día indicado)

Opciones:
  --drive-d DIR   carpeta del equipo que hace de unidad d: (predeterminada: $KAVIMO_DRIVE_D,
                  si no, paths/drive_d de kavimo.ini ($KAVIMO_CONFIG, si no,
                  ~/.config/kavimo/kavimo.ini), si no, $XDG_DATA_HOME/kavimo/d, es decir,
                  ~/.local/share/kavimo/d; sin HOME hay que indicarla)
  --data-group GROUP  el grupo que comparte las fichas: lo que escribe este programa recibe
                  el modo 0660 (carpetas 0770) y ese grupo (predeterminado: $KAVIMO_DATA_GROUP,
                  si no, paths/data_group de kavimo.ini, si no, ninguno: 0600 y 0700)
  --pacs AET@HOST:PORT  el archivo: su título AE, host y puerto DICOM
  --calling-aet AET     el título AE propio de kavimo (predeterminado: KAVIMO)
  --pacs-issuer TEXT    emisor del ID de paciente (Issuer of Patient ID) para los ID de paciente propios
                        de kavimo (predeterminado: $KAVIMO_PACS_ISSUER, si no, KAVIMO- seguido de 8
                        dígitos hexadecimales de la identidad de la instalación)
  --pacs-tls on|off     comunicarse con el archivo mediante TLS (predeterminado: off, TCP sin cifrar)
  --pacs-tls-ca FILE    los certificados de CA (PEM) que deben respaldar el certificado del archivo;
                        el certificado también debe nombrar el host del archivo
  --pacs-tls-cert FILE  el certificado propio de kavimo (PEM), para los archivos que lo piden
  --pacs-tls-key FILE   la clave privada sin cifrar (PEM) de ese certificado
  --date YYYYMMDD       el día de la worklist
  --since YYYYMMDD      el primer día del registro de auditoría
  --teeth LIST          tag: los dientes de la imagen, números FDI como 11,21
  --view VIEW           tag: la vista de la imagen
  -h, --help      este texto
  --version       la versión de kavimo a la que pertenece este programa

Estado de salida: 0 correcto; 1 se encontraron problemas, no existe el paciente o la imagen, la carpeta de
trabajo está en uso, o no se escribió o no se guardó una imagen o un archivo; 2 uso incorrecto o sin carpeta de trabajo.
</translation>
    </message>
    <message>
        <source>not a UID: %1</source>
        <translation>no es un UID: %1</translation>
    </message>
    <message>
        <source>tag needs --teeth or --view</source>
        <translation>tag requiere --teeth o --view</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se indicó ningún comando</translation>
    </message>
    <message>
        <source>--teeth and --view apply to tag only</source>
        <translation>--teeth y --view solo se aplican a tag</translation>
    </message>
    <message>
        <source>--pacs, --calling-aet and the TLS options do not apply to %1</source>
        <translation>--pacs, --calling-aet y las opciones TLS no se aplican a %1</translation>
    </message>
    <message>
        <source>--pacs-tls-ca, --pacs-tls-cert and --pacs-tls-key need --pacs-tls on</source>
        <translation>--pacs-tls-ca, --pacs-tls-cert y --pacs-tls-key requieren --pacs-tls on</translation>
    </message>
    <message>
        <source>--pacs-issuer does not apply to %1</source>
        <translation>--pacs-issuer no se aplica a %1</translation>
    </message>
    <message>
        <source>--pacs-issuer needs 1 to 64 characters without a backslash</source>
        <translation>--pacs-issuer requiere de 1 a 64 caracteres sin barra invertida</translation>
    </message>
    <message>
        <source>--since applies to audit only</source>
        <translation>--since solo se aplica a audit</translation>
    </message>
    <message>
        <source>--since needs YYYYMMDD</source>
        <translation>--since requiere YYYYMMDD</translation>
    </message>
    <message>
        <source>--date applies to worklist only</source>
        <translation>--date solo se aplica a worklist</translation>
    </message>
    <message>
        <source>--date needs YYYYMMDD</source>
        <translation>--date requiere YYYYMMDD</translation>
    </message>
    <message>
        <source>%1 needs --pacs AET@HOST:PORT</source>
        <translation>%1 requiere --pacs AET@HOST:PORT</translation>
    </message>
    <message>
        <source>wrong arguments for %1</source>
        <translation>argumentos incorrectos para %1</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>comando desconocido: %1</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <extracomment>%1 is the audit trail&apos;s file</extracomment>
        <translation>%1: no es un archivo normal</translation>
    </message>
    <message>
        <source>%1: the line was written only in part (the disk may be full)</source>
        <translation>%1: la línea solo se escribió en parte (puede que el disco esté lleno)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <extracomment>%1 is the audit trail&apos;s file</extracomment>
        <translation>%1: no se puede leer</translation>
    </message>
    <message>
        <source>line %1: no &quot;=&quot;</source>
        <extracomment>%1 is a line number of a &quot;Key=value&quot; file</extracomment>
        <translation>línea %1: no hay «=»</translation>
    </message>
    <message>
        <source>line %1: %2 given twice</source>
        <extracomment>%1 is a line number, %2 a key of a &quot;Key=value&quot; file</extracomment>
        <translation>línea %1: %2 aparece dos veces</translation>
    </message>
    <message>
        <source>line %1: %2 is not UTF-8 text</source>
        <extracomment>%1 is a line number, %2 a key of a &quot;Key=value&quot; file</extracomment>
        <translation>línea %1: %2 no es texto UTF-8</translation>
    </message>
    <message>
        <source>%1 is not a YYYYMMDD date</source>
        <extracomment>%1 is a key of a &quot;Key=value&quot; file (&quot;BirthDate&quot;, &quot;Date&quot;)</extracomment>
        <translation>%1 no es una fecha YYYYMMDD</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file name, %2 the system&apos;s reason</extracomment>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>line %1: unknown key &quot;%2&quot;</source>
        <extracomment>%1 is a line number, %2 a key of the patient&apos;s details file</extracomment>
        <translation>línea %1: clave desconocida «%2»</translation>
    </message>
    <message>
        <source>%1 is not one of M, F, O, U</source>
        <extracomment>%1 is the key of the sex in the patient&apos;s details file (&quot;Sex&quot;)</extracomment>
        <translation>%1 no es M, F, O ni U</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message numerus="yes">
        <source>larger than %n bytes</source>
        <translation>
            <numerusform>más de %n byte</numerusform>
            <numerusform>más de %n bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cannot be read, or larger than %n bytes</source>
        <translation>
            <numerusform>no se puede leer o tiene más de %n byte</numerusform>
            <numerusform>no se puede leer o tiene más de %n bytes</numerusform>
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
        <translation>Vestibular izquierda</translation>
    </message>
    <message>
        <source>Right buccal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Vestibular derecha</translation>
    </message>
    <message>
        <source>Upper occlusal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Oclusal superior</translation>
    </message>
    <message>
        <source>Lower occlusal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Oclusal inferior</translation>
    </message>
    <message>
        <source>Close-up</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Primer plano</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>view</comment>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Otra</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an FDI tooth number (11-48, 51-85)</source>
        <translation>«%1» no es un número de diente FDI (11-48, 51-85)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>the first line is not &quot;%1&quot;</source>
        <translation>la primera línea no es «%1»</translation>
    </message>
    <message>
        <source>not three tab-separated fields</source>
        <translation>no son tres campos separados por tabuladores</translation>
    </message>
    <message>
        <source>not a picture&apos;s file name</source>
        <translation>no es un nombre de archivo de imagen</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <extracomment>%1 is the file name of a picture</extracomment>
        <translation>%1 aparece dos veces</translation>
    </message>
    <message>
        <source>the teeth are not in ascending order, separated by commas</source>
        <translation>los dientes no están en orden ascendente, separados por comas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a view</source>
        <translation>«%1» no es una vista</translation>
    </message>
    <message>
        <source>neither teeth nor a view</source>
        <translation>ni dientes ni vista</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line number of the teeth file, %2 what is wrong with that line</extracomment>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <extracomment>%1 is a file name, %2 the system&apos;s reason</extracomment>
        <translation>no se puede eliminar %1: %2</translation>
    </message>
    <message>
        <source>%1 is damaged (%2); it is left as it is</source>
        <extracomment>%1 is the teeth file&apos;s name, %2 what is wrong with it</extracomment>
        <translation>%1 está dañado (%2); se deja tal como está</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be tagged</source>
        <translation>no se pueden asignar dientes ni vista a «%1»</translation>
    </message>
    <message>
        <source>the index cannot be read</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>no se puede leer el índice</translation>
    </message>
    <message>
        <source>the index does not begin with &quot;%1&quot;</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>el índice no empieza por «%1»</translation>
    </message>
    <message>
        <source>line %1 of the index cannot be read</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>no se puede leer la línea %1 del índice</translation>
    </message>
    <message>
        <source>entry %1 (%2) has no folder</source>
        <extracomment>%1 is the name of an entry of the trash, %2 the patient or picture it holds</extracomment>
        <translation>la entrada %1 (%2) no tiene carpeta</translation>
    </message>
    <message>
        <source>cannot create the folder %1: something else has its name</source>
        <translation>no se puede crear la carpeta %1: ya existe otro elemento con ese nombre</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>no se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>cannot create a temporary folder in %1: %2</source>
        <translation>no se puede crear una carpeta temporal en %1: %2</translation>
    </message>
    <message>
        <source>no free file name for the picture in %1</source>
        <translation>no queda ningún nombre de archivo libre para la imagen en %1</translation>
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
        <translation>no hay ninguna imagen que incluir en el DICOMDIR</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <extracomment>%2 the system&apos;s reason</extracomment>
        <translation>no se puede crear %1: %2</translation>
    </message>
    <message>
        <source>%1 is damaged: it does not hold this installation&apos;s identity. Restore it from a backup; remove it only to give this installation a new identity (pictures sent before then get new UIDs when they are sent again)</source>
        <translation>%1 está dañado: no contiene la identidad de esta instalación. Restáurelo desde una copia de seguridad; elimínelo solo para dar a esta instalación una identidad nueva (las imágenes enviadas antes recibirán UID nuevos cuando se vuelvan a enviar)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>cannot write the outbox %1: %2</source>
        <translation>no se puede escribir la cola de envío %1: %2</translation>
    </message>
    <message>
        <source>cannot read the outbox %1: %2</source>
        <translation>no se puede leer la cola de envío %1: %2</translation>
    </message>
    <message>
        <source>the sending failed: %1</source>
        <translation>falló el envío: %1</translation>
    </message>
    <message numerus="yes">
        <source>refused %n times: %1</source>
        <translation>
            <numerusform>rechazado %n vez: %1</numerusform>
            <numerusform>rechazado %n veces: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>warning</source>
        <translation>advertencia</translation>
    </message>
    <message>
        <source>attribute list error</source>
        <translation>error en la lista de atributos</translation>
    </message>
    <message>
        <source>attribute value out of range</source>
        <translation>valor de atributo fuera de rango</translation>
    </message>
    <message>
        <source>processing failure</source>
        <translation>error de procesamiento</translation>
    </message>
    <message>
        <source>SOP class not supported</source>
        <translation>clase SOP no admitida</translation>
    </message>
    <message>
        <source>not authorised</source>
        <translation>no autorizado</translation>
    </message>
    <message>
        <source>coercion of data elements</source>
        <translation>coerción de elementos de datos</translation>
    </message>
    <message>
        <source>elements discarded</source>
        <translation>elementos descartados</translation>
    </message>
    <message>
        <source>data set does not match SOP class</source>
        <translation>el conjunto de datos no corresponde a la clase SOP</translation>
    </message>
    <message>
        <source>cannot understand</source>
        <translation>no se puede interpretar</translation>
    </message>
    <message>
        <source>out of resources</source>
        <translation>recursos insuficientes</translation>
    </message>
    <message>
        <source>status %1</source>
        <extracomment>%1 is a DICOM status number (0xA700)</extracomment>
        <translation>estado %1</translation>
    </message>
    <message>
        <source>status %1: %2</source>
        <extracomment>%1 is a DICOM status number (0xA700), %2 what it means (&quot;out of resources&quot;)</extracomment>
        <translation>estado %1: %2</translation>
    </message>
    <message>
        <source>TLS cannot be set up: %1</source>
        <translation>no se puede configurar TLS: %1</translation>
    </message>
    <message>
        <source>TLS is on, but no CA certificate file is set to check the archive&apos;s certificate with</source>
        <translation>TLS está activado, pero no hay ningún archivo de certificados de CA configurado para comprobar el certificado del archivo</translation>
    </message>
    <message>
        <source>cannot read the CA certificate file %1: %2</source>
        <translation>no se puede leer el archivo de certificados de CA %1: %2</translation>
    </message>
    <message>
        <source>the CA certificate file %1 holds no PEM certificate: %2</source>
        <translation>el archivo de certificados de CA %1 no contiene ningún certificado PEM: %2</translation>
    </message>
    <message>
        <source>kavimo&apos;s TLS key file is set without its certificate file</source>
        <translation>el archivo de clave TLS de kavimo está configurado sin su archivo de certificado</translation>
    </message>
    <message>
        <source>kavimo&apos;s TLS certificate file is set without its key file</source>
        <translation>el archivo de certificado TLS de kavimo está configurado sin su archivo de clave</translation>
    </message>
    <message>
        <source>cannot read kavimo&apos;s certificate file %1: %2</source>
        <translation>no se puede leer el archivo de certificado de kavimo %1: %2</translation>
    </message>
    <message>
        <source>cannot read kavimo&apos;s key file %1: %2</source>
        <translation>no se puede leer el archivo de clave de kavimo %1: %2</translation>
    </message>
    <message>
        <source>kavimo&apos;s certificate file %1 holds no PEM certificate: %2</source>
        <translation>el archivo de certificado de kavimo %1 no contiene ningún certificado PEM: %2</translation>
    </message>
    <message>
        <source>kavimo&apos;s key file %1 holds no unencrypted PEM private key</source>
        <translation>el archivo de clave de kavimo %1 no contiene ninguna clave privada PEM sin cifrar</translation>
    </message>
    <message>
        <source>kavimo&apos;s key file %1 does not belong to the certificate %2</source>
        <translation>el archivo de clave de kavimo %1 no corresponde al certificado %2</translation>
    </message>
    <message>
        <source>the archive&apos;s certificate is not trusted: %1 (it is not made out to %2)</source>
        <extracomment>%1 is OpenSSL&apos;s reason, %2 the archive&apos;s host name or address</extracomment>
        <translation>el certificado del archivo no es de confianza: %1 (no está emitido a nombre de %2)</translation>
    </message>
    <message>
        <source>the archive&apos;s certificate is not trusted: %1</source>
        <extracomment>%1 is OpenSSL&apos;s reason</extracomment>
        <translation>el certificado del archivo no es de confianza: %1</translation>
    </message>
    <message>
        <source>the archive %1 did not finish the TLS handshake in time</source>
        <translation>el archivo %1 no completó la negociación TLS a tiempo</translation>
    </message>
    <message>
        <source>the TLS handshake with the archive %1 failed: %2</source>
        <translation>falló la negociación TLS con el archivo %1: %2</translation>
    </message>
    <message>
        <source>an entry without Patient ID</source>
        <translation>una entrada sin ID de paciente</translation>
    </message>
    <message>
        <source>patient &quot;%1&quot;</source>
        <translation>paciente «%1»</translation>
    </message>
    <message>
        <source>%1: %2 left out (%3)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a field of it, %3 what is wrong with the value</extracomment>
        <translation>%1: campo «%2» omitido (%3)</translation>
    </message>
    <message>
        <source>%1: %2 shortened or cleaned (%3)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a field of it, %3 what is wrong with the value</extracomment>
        <translation>%1: campo «%2» acortado o depurado (%3)</translation>
    </message>
    <message>
        <source>%1: its texts cannot be read in the character set &quot;%2&quot; (%3); what is not UTF-8 is shown as %4</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a character set, %3 the converter&apos;s reason, %4 the replacement character</extracomment>
        <translation>%1: sus textos no se pueden leer con el juego de caracteres «%2» (%3); lo que no es UTF-8 se muestra como %4</translation>
    </message>
    <message>
        <source>%1: left out, its Patient ID is unusable (%2)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 what is wrong with its Patient ID</extracomment>
        <translation>%1: entrada omitida, su ID de paciente no se puede usar (%2)</translation>
    </message>
    <message>
        <source>%1: left out, its Issuer of Patient ID is unusable (%2)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 what is wrong with its Issuer of Patient ID</extracomment>
        <translation>%1: entrada omitida, su emisor del ID de paciente (Issuer of Patient ID) no se puede usar (%2)</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>nombre</translation>
    </message>
    <message>
        <source>birth date</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>fecha de nacimiento</translation>
    </message>
    <message>
        <source>sex</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>sexo</translation>
    </message>
    <message>
        <source>%1: sex left out (not F, M or O)</source>
        <extracomment>%1 names the worklist entry&apos;s patient</extracomment>
        <translation>%1: sexo omitido (no es F, M ni O)</translation>
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
        <translation>médico remitente</translation>
    </message>
    <message>
        <source>scheduled date</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>fecha programada</translation>
    </message>
    <message>
        <source>scheduled time</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>hora programada</translation>
    </message>
    <message>
        <source>modality</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>modalidad</translation>
    </message>
    <message>
        <source>station</source>
        <extracomment>a field of a worklist entry (the AE title of the station it is scheduled on)</extracomment>
        <translation>equipo</translation>
    </message>
    <message>
        <source>step description</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>descripción del paso</translation>
    </message>
    <message>
        <source>step ID</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>ID del paso</translation>
    </message>
    <message>
        <source>no patient %1</source>
        <translation>no existe el paciente %1</translation>
    </message>
    <message>
        <source>refused %1: it is a link to %2, outside the work directory</source>
        <translation>se rechaza %1: es un enlace a %2, fuera de la carpeta de trabajo</translation>
    </message>
    <message>
        <source>refused %1: not a regular file</source>
        <translation>se rechaza %1: no es un archivo normal</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>the picture is too large for an object</source>
        <translation>la imagen es demasiado grande para un objeto DICOM</translation>
    </message>
    <message>
        <source>no installation identity to make the object&apos;s UIDs with</source>
        <translation>no hay identidad de la instalación con la que generar los UID del objeto</translation>
    </message>
    <message>
        <source>the order&apos;s Study Instance UID: %1</source>
        <translation>Study Instance UID de la orden: %1</translation>
    </message>
    <message>
        <source>Patient ID: %1</source>
        <translation>ID de paciente: %1</translation>
    </message>
    <message>
        <source>Issuer of Patient ID: %1</source>
        <translation>Emisor del ID de paciente (Issuer of Patient ID): %1</translation>
    </message>
    <message>
        <source>Accession Number: %1</source>
        <translation>Accession Number: %1</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>no hay memoria suficiente para la imagen</translation>
    </message>
    <message>
        <source>the object holds no JPEG data</source>
        <translation>el objeto no contiene datos JPEG</translation>
    </message>
    <message>
        <source>the object holds no RGB pixels</source>
        <translation>el objeto no contiene píxeles RGB</translation>
    </message>
    <message>
        <source>cannot make the picture uncompressed: %1</source>
        <translation>no se puede descomprimir la imagen: %1</translation>
    </message>
    <message>
        <source>cannot make the picture JPEG: %1</source>
        <translation>no se puede convertir la imagen a JPEG: %1</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>no es texto UTF-8</translation>
    </message>
    <message>
        <source>contains a backslash</source>
        <translation>contiene una barra invertida</translation>
    </message>
    <message>
        <source>contains a control character</source>
        <translation>contiene un carácter de control</translation>
    </message>
    <message numerus="yes">
        <source>longer than %n characters</source>
        <translation>
            <numerusform>más de %n carácter</numerusform>
            <numerusform>más de %n caracteres</numerusform>
        </translation>
    </message>
    <message>
        <source>more than three name groups</source>
        <translation>más de tres grupos de nombre</translation>
    </message>
    <message numerus="yes">
        <source>a name group longer than %n characters</source>
        <translation>
            <numerusform>un grupo de nombre de más de %n carácter</numerusform>
            <numerusform>un grupo de nombre de más de %n caracteres</numerusform>
        </translation>
    </message>
    <message>
        <source>more than five name components</source>
        <translation>más de cinco componentes de nombre</translation>
    </message>
    <message>
        <source>not a person name</source>
        <translation>no es un nombre de persona</translation>
    </message>
    <message>
        <source>not an AE title</source>
        <translation>no es un título AE</translation>
    </message>
    <message>
        <source>not a code string</source>
        <translation>no es una cadena de código</translation>
    </message>
    <message>
        <source>not a date</source>
        <translation>no es una fecha</translation>
    </message>
    <message>
        <source>not a time</source>
        <translation>no es una hora</translation>
    </message>
    <message>
        <source>not a UID</source>
        <translation>no es un UID</translation>
    </message>
    <message>
        <source>an unknown VR</source>
        <translation>una VR desconocida</translation>
    </message>
    <message>
        <source>the patient ID holds a control character or is not UTF-8 text</source>
        <translation>el ID de paciente contiene un carácter de control o no es texto UTF-8</translation>
    </message>
    <message>
        <source>the last name holds a control character or is not UTF-8 text</source>
        <translation>los apellidos contienen un carácter de control o no son texto UTF-8</translation>
    </message>
    <message>
        <source>the first name holds a control character or is not UTF-8 text</source>
        <translation>el nombre contiene un carácter de control o no es texto UTF-8</translation>
    </message>
    <message>
        <source>the phone holds a control character or is not UTF-8 text</source>
        <translation>el teléfono contiene un carácter de control o no es texto UTF-8</translation>
    </message>
    <message numerus="yes">
        <source>the patient ID is longer than %n characters</source>
        <translation>
            <numerusform>el ID de paciente tiene más de %n carácter</numerusform>
            <numerusform>el ID de paciente tiene más de %n caracteres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the last name is longer than %n characters</source>
        <translation>
            <numerusform>los apellidos tienen más de %n carácter</numerusform>
            <numerusform>los apellidos tienen más de %n caracteres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the first name is longer than %n characters</source>
        <translation>
            <numerusform>el nombre tiene más de %n carácter</numerusform>
            <numerusform>el nombre tiene más de %n caracteres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the phone is longer than %n characters</source>
        <translation>
            <numerusform>el teléfono tiene más de %n carácter</numerusform>
            <numerusform>el teléfono tiene más de %n caracteres</numerusform>
        </translation>
    </message>
    <message>
        <source>the patient ID is missing</source>
        <translation>falta el ID de paciente</translation>
    </message>
    <message>
        <source>the patient ID &quot;%1&quot; holds a path character (&apos;/&apos; or &apos;\&apos;)</source>
        <translation>el ID de paciente «%1» contiene un carácter de ruta («/» o «\»)</translation>
    </message>
    <message>
        <source>the last name is missing</source>
        <translation>faltan los apellidos</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD)</source>
        <translation>la fecha de nacimiento «%1» no es una fecha (YYYYMMDD)</translation>
    </message>
    <message>
        <source>the birth date %1 lies in the future</source>
        <translation>la fecha de nacimiento %1 está en el futuro</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, F, O or U</source>
        <translation>el sexo «%1» no es M, F, O ni U</translation>
    </message>
    <message>
        <source>the message is too long</source>
        <translation>el mensaje es demasiado largo</translation>
    </message>
    <message>
        <source>the message does not start with &quot;%1&quot;</source>
        <translation>el mensaje no empieza por «%1»</translation>
    </message>
    <message>
        <source>text follows the end line</source>
        <translation>hay texto después de la línea final</translation>
    </message>
    <message>
        <source>the message holds no PatientID</source>
        <translation>el mensaje no contiene PatientID</translation>
    </message>
    <message>
        <source>line %1 holds no &apos;=&apos;</source>
        <translation>la línea %1 no contiene «=»</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is repeated</source>
        <translation>la clave «%1» está repetida</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the name of a picture</source>
        <translation>«%1» no es el nombre de una imagen</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>clave desconocida «%1»</translation>
    </message>
    <message>
        <source>the message has no end line</source>
        <translation>el mensaje no tiene línea final</translation>
    </message>
    <message numerus="yes">
        <source>the file is larger than %n KiB</source>
        <translation>
            <numerusform>el archivo tiene más de %n KiB</numerusform>
            <numerusform>el archivo tiene más de %n KiB</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is UTF-8 text, not ISO-8859-1</source>
        <translation>el archivo es texto UTF-8, no ISO-8859-1</translation>
    </message>
    <message>
        <source>the file is not ISO-8859-1 text (byte %1 at offset %2)</source>
        <translation>el archivo no es texto ISO-8859-1 (byte %1 en la posición %2)</translation>
    </message>
    <message>
        <source>the transfer file has no [PATIENT] section</source>
        <translation>el archivo de transferencia no tiene sección [PATIENT]</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD or DD.MM.YYYY)</source>
        <translation>la fecha de nacimiento «%1» no es una fecha (YYYYMMDD o DD.MM.YYYY)</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, W, D or U</source>
        <translation>el sexo «%1» no es M, W, D ni U</translation>
    </message>
    <message>
        <source>[MMOS] COUNT &quot;%1&quot; is not a number of pictures</source>
        <translation>[MMOS] COUNT «%1» no es un número de imágenes</translation>
    </message>
    <message>
        <source>[%1] MMOID &quot;%2&quot; is not a picture of kavimo&apos;s</source>
        <extracomment>%1 is a section of the transfer file (&quot;MMO1&quot;), %2 the picture name given there</extracomment>
        <translation>[%1] MMOID «%2» no es una imagen de kavimo</translation>
    </message>
    <message>
        <source>[MMOPATH] PATH &quot;%1&quot; is not an absolute folder path</source>
        <translation>[MMOPATH] PATH «%1» no es una ruta de carpeta absoluta</translation>
    </message>
    <message>
        <source>the export names no pictures ([MMOS] COUNT)</source>
        <translation>la exportación no indica ninguna imagen ([MMOS] COUNT)</translation>
    </message>
    <message>
        <source>the export folder %1 does not exist</source>
        <translation>la carpeta de exportación %1 no existe</translation>
    </message>
    <message>
        <source>the picture %1 is not one of the patient&apos;s</source>
        <translation>la imagen %1 no es del paciente</translation>
    </message>
    <message>
        <source>cannot read the picture %1</source>
        <translation>no se puede leer la imagen %1</translation>
    </message>
    <message>
        <source>the data group &quot;%1&quot; does not exist</source>
        <translation>el grupo que comparte las fichas «%1» no existe</translation>
    </message>
    <message>
        <source>this account is not a member of the data group &quot;%1&quot;</source>
        <translation>esta cuenta no es miembro del grupo que comparte las fichas «%1»</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no folder of this account&apos;s own for the records; give the d: drive&apos;s folder with --drive-d or KAVIMO_DRIVE_D</source>
        <translation>HOME no está definido, así que esta cuenta no tiene una carpeta propia para las fichas; indique la carpeta de la unidad d: con --drive-d o KAVIMO_DRIVE_D</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>the outcome of an event of the audit trail; keep it at most 7 characters</extracomment>
        <translation>ok</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>FALLO</translation>
    </message>
    <message>
        <source>Audit trail %1 (%2)</source>
        <translation>Registro de auditoría %1 (%2)</translation>
    </message>
    <message>
        <source>1 event</source>
        <translation>1 evento</translation>
    </message>
    <message numerus="yes">
        <source>%n events</source>
        <translation>
            <numerusform>%n evento</numerusform>
            <numerusform>%n eventos</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event since %1</source>
        <translation>1 evento desde el %1</translation>
    </message>
    <message numerus="yes">
        <source>%n events since %1</source>
        <translation>
            <numerusform>%n evento desde el %1</numerusform>
            <numerusform>%n eventos desde el %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; 1 line skipped, not a whole event</source>
        <extracomment>%1 the events shown, such as &quot;2 events since 20240305&quot;</extracomment>
        <translation>%1; 1 línea omitida, no es un evento completo</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n lines skipped, not a whole event</source>
        <translation>
            <numerusform>%1; %n línea omitida, no es un evento completo</numerusform>
            <numerusform>%1; %n líneas omitidas, no son eventos completos</numerusform>
        </translation>
    </message>
    <message>
        <source>problem: %1: %2</source>
        <extracomment>a finding of kavimo-records check: %1 the file or folder, %2 what is wrong with it</extracomment>
        <translation>problema: %1: %2</translation>
    </message>
    <message>
        <source>warning: %1: %2</source>
        <extracomment>a finding of kavimo-records check: %1 the file or folder, %2 what may be wrong with it</extracomment>
        <translation>advertencia: %1: %2</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: the file cannot be read</source>
        <translation>imagen %1 «%2»: no se puede leer el archivo</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (content: %3)</source>
        <extracomment>%3 the name of a picture format, such as PNG</extracomment>
        <translation>imagen %1 «%2»: no es una imagen JPEG (contenido: %3)</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (the file is empty)</source>
        <translation>imagen %1 «%2»: no es una imagen JPEG (el archivo está vacío)</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (unknown content)</source>
        <translation>imagen %1 «%2»: no es una imagen JPEG (contenido desconocido)</translation>
    </message>
    <message>
        <source>1 patient</source>
        <translation>1 paciente</translation>
    </message>
    <message numerus="yes">
        <source>%n patients</source>
        <translation>
            <numerusform>%n paciente</numerusform>
            <numerusform>%n pacientes</numerusform>
        </translation>
    </message>
    <message>
        <source>missing, but the record counts 1 record</source>
        <translation>falta, pero la ficha cuenta 1 registro</translation>
    </message>
    <message numerus="yes">
        <source>missing, but the record counts %n records</source>
        <translation>
            <numerusform>falta, pero la ficha cuenta %n registro</numerusform>
            <numerusform>falta, pero la ficha cuenta %n registros</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (created empty when the patient is selected)</source>
        <translation>falta (se crea vacío al seleccionar el paciente)</translation>
    </message>
    <message>
        <source>%1 bytes is not a whole number of %2-byte records</source>
        <translation>%1 bytes no es un número entero de registros de %2 bytes</translation>
    </message>
    <message>
        <source>holds 1 record, the record counts %1</source>
        <extracomment>%1 the count in the patient&apos;s record</extracomment>
        <translation>contiene 1 registro, la ficha cuenta %1</translation>
    </message>
    <message numerus="yes">
        <source>holds %n records, the record counts %1</source>
        <translation>
            <numerusform>contiene %n registro, la ficha cuenta %1</numerusform>
            <numerusform>contiene %n registros, la ficha cuenta %1</numerusform>
        </translation>
    </message>
    <message>
        <source>holds 1 record, the record counts %1 (the rest is dropped when rewritten)</source>
        <translation>contiene 1 registro, la ficha cuenta %1 (el resto se descarta al reescribirlo)</translation>
    </message>
    <message numerus="yes">
        <source>holds %n records, the record counts %1 (the rest is dropped when rewritten)</source>
        <translation>
            <numerusform>contiene %n registro, la ficha cuenta %1 (el resto se descarta al reescribirlo)</numerusform>
            <numerusform>contiene %n registros, la ficha cuenta %1 (el resto se descarta al reescribirlo)</numerusform>
        </translation>
    </message>
    <message>
        <source>a link, not the folder of the originals</source>
        <translation>un enlace, no la carpeta de los originales</translation>
    </message>
    <message>
        <source>stray directory among the originals</source>
        <translation>carpeta sobrante entre los originales</translation>
    </message>
    <message>
        <source>left over from an interrupted copy of an original</source>
        <translation>resto de una copia interrumpida de un original</translation>
    </message>
    <message>
        <source>an original without its picture</source>
        <translation>un original sin su imagen</translation>
    </message>
    <message>
        <source>damaged teeth and views (%1)</source>
        <translation>dientes y vistas dañados (%1)</translation>
    </message>
    <message>
        <source>teeth of %1, which is not there (Update forgets them)</source>
        <translation>dientes de %1, que no existe («Recargar» los descarta)</translation>
    </message>
    <message>
        <source>holds the record of %1</source>
        <translation>contiene la ficha de %1</translation>
    </message>
    <message>
        <source>the record names the directory &quot;%1&quot;</source>
        <translation>la ficha indica la carpeta «%1»</translation>
    </message>
    <message>
        <source>%1 bytes instead of 1032</source>
        <translation>%1 bytes en lugar de 1032</translation>
    </message>
    <message>
        <source>negative counts in the record</source>
        <translation>contadores negativos en la ficha</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot; belongs to %3</source>
        <translation>la imagen %1 «%2» pertenece a %3</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot; lies outside the patient&apos;s directory</source>
        <translation>la imagen %1 «%2» está fuera de la carpeta del paciente</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: the file is missing</source>
        <translation>imagen %1 «%2»: falta el archivo</translation>
    </message>
    <message>
        <source>stray directory in a patient directory</source>
        <translation>carpeta sobrante en una carpeta de paciente</translation>
    </message>
    <message>
        <source>left over from an interrupted rewrite</source>
        <translation>resto de una reescritura interrumpida</translation>
    </message>
    <message>
        <source>picture not in the picture list (Update rebuilds it)</source>
        <translation>imagen que no está en la lista de imágenes («Recargar» la reconstruye)</translation>
    </message>
    <message>
        <source>damaged patient details (%1); the record stands in for them</source>
        <translation>datos del paciente dañados (%1); la ficha los sustituye</translation>
    </message>
    <message>
        <source>damaged worklist order (%1); its pictures go into kavimo&apos;s own study of their day</source>
        <translation>orden de la worklist dañada (%1); sus imágenes van al estudio propio de kavimo de su día</translation>
    </message>
    <message>
        <source>stray file</source>
        <translation>archivo sobrante</translation>
    </message>
    <message>
        <source>not in the trash index (removed after 30 days)</source>
        <translation>no está en el índice de la papelera (se elimina a los 30 días)</translation>
    </message>
    <message>
        <source>no work directory at %1</source>
        <translation>no hay carpeta de trabajo en %1</translation>
    </message>
    <message>
        <source>damaged: not an installation identity (restore it from a backup)</source>
        <translation>dañado: no es una identidad de instalación (restáurelo desde una copia de seguridad)</translation>
    </message>
    <message>
        <source>a link, not a directory; not a patient</source>
        <translation>un enlace, no una carpeta; no es un paciente</translation>
    </message>
    <message>
        <source>missing backup: no %1, so the patient is not in the patient list</source>
        <translation>falta la copia de seguridad: no hay %1, así que el paciente no está en la lista de pacientes</translation>
    </message>
    <message>
        <source>incomplete backup: %1 of 1032 bytes; not in the patient list</source>
        <translation>copia de seguridad incompleta: %1 de 1032 bytes; no está en la lista de pacientes</translation>
    </message>
    <message>
        <source>UID is not above the one before it in list order</source>
        <translation>el UID no es mayor que el anterior en el orden de la lista</translation>
    </message>
    <message numerus="yes">
        <source>more than %n patients</source>
        <translation>
            <numerusform>más de %n paciente</numerusform>
            <numerusform>más de %n pacientes</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (regenerated at the next start)</source>
        <translation>falta (se regenera en el próximo inicio)</translation>
    </message>
    <message>
        <source>%1 for %2 (regenerated at the next start)</source>
        <extracomment>%1 the entries of the patient list file, such as &quot;3 records&quot;; %2 the patients, such as &quot;2 patients&quot;</extracomment>
        <translation>%1 para %2 (se regenera en el próximo inicio)</translation>
    </message>
    <message>
        <source>1 record</source>
        <translation>1 registro</translation>
    </message>
    <message numerus="yes">
        <source>%n records</source>
        <translation>
            <numerusform>%n registro</numerusform>
            <numerusform>%n registros</numerusform>
        </translation>
    </message>
    <message>
        <source>odd length: not UTF-16 text</source>
        <translation>longitud impar: no es texto UTF-16</translation>
    </message>
    <message>
        <source>%1 checked: %2, %3.</source>
        <extracomment>the summary of kavimo-records check: %1 such as &quot;2 patients&quot;, %2 such as &quot;0 problems&quot;, %3 such as &quot;1 warning&quot;</extracomment>
        <translation>Comprobación de %1: %2, %3.</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 problema</translation>
    </message>
    <message numerus="yes">
        <source>%n problems</source>
        <translation>
            <numerusform>%n problema</numerusform>
            <numerusform>%n problemas</numerusform>
        </translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 advertencia</translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n advertencia</numerusform>
            <numerusform>%n advertencias</numerusform>
        </translation>
    </message>
    <message>
        <source>not an archive address (AET@HOST:PORT): %1</source>
        <translation>no es una dirección de archivo (AET@HOST:PORT): %1</translation>
    </message>
    <message>
        <source>not an AE title: %1</source>
        <translation>no es un título AE: %1</translation>
    </message>
    <message>
        <source>Exporting %1 of %2: %3</source>
        <extracomment>the progress line of kavimo-records export-dicom: %1 of %2 pictures, %3 the picture&apos;s name</extracomment>
        <translation>Exportando %1 de %2: %3</translation>
    </message>
    <message>
        <source>%1 of 1 picture written</source>
        <translation>%1 de 1 imagen escrita</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pictures written</source>
        <translation>
            <numerusform>%1 de %n imagen escrita</numerusform>
            <numerusform>%1 de %n imágenes escritas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 why it was not stored</extracomment>
        <translation>%1: error: %2</translation>
    </message>
    <message>
        <source>%1: not sent: %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 why the archive cannot be reached</extracomment>
        <translation>%1: no enviada: %2</translation>
    </message>
    <message>
        <source>%1: stored as %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 the UID the archive stored it as</extracomment>
        <translation>%1: guardada como %2</translation>
    </message>
    <message>
        <source>%1 of 1 picture stored in %2</source>
        <extracomment>%2 the archive, such as PACS@host:104</extracomment>
        <translation>%1 de 1 imagen guardada en %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pictures stored in %2</source>
        <translation>
            <numerusform>%1 de %n imagen guardada en %2</numerusform>
            <numerusform>%1 de %n imágenes guardadas en %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Worklist of %1: 1 scheduled patient</source>
        <extracomment>%1 the day, YYYYMMDD</extracomment>
        <translation>Worklist del %1: 1 paciente citado</translation>
    </message>
    <message numerus="yes">
        <source>Worklist of %1: %n scheduled patients</source>
        <translation>
            <numerusform>Worklist del %1: %n paciente citado</numerusform>
            <numerusform>Worklist del %1: %n pacientes citados</numerusform>
        </translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>a column heading of kavimo-records worklist: the scheduled time</extracomment>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Patient ID</source>
        <extracomment>a column heading of kavimo-records worklist</extracomment>
        <translation>ID paciente</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>a column heading of kavimo-records worklist
----------
a column heading of kavimo-records list</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Born</source>
        <extracomment>a column heading of kavimo-records worklist: the birth date</extracomment>
        <translation>Nacimiento</translation>
    </message>
    <message>
        <source>Sex</source>
        <extracomment>a column heading of kavimo-records worklist: the letter M, F or O
----------
a column heading of kavimo-records list</extracomment>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Procedure</source>
        <extracomment>a column heading of kavimo-records worklist: the scheduled procedure</extracomment>
        <translation>Procedimiento</translation>
    </message>
    <message numerus="yes">
        <source>(list cut at %n entries; the archive schedules more)</source>
        <translation>
            <numerusform>(lista cortada en %n entrada; el archivo tiene más citas)</numerusform>
            <numerusform>(lista cortada en %n entradas; el archivo tiene más citas)</numerusform>
        </translation>
    </message>
    <message>
        <source>male</source>
        <extracomment>the patient&apos;s sex</extracomment>
        <translation>hombre</translation>
    </message>
    <message>
        <source>female</source>
        <extracomment>the patient&apos;s sex</extracomment>
        <translation>mujer</translation>
    </message>
    <message>
        <source>Work directory %1 (%2)</source>
        <translation>Carpeta de trabajo %1 (%2)</translation>
    </message>
    <message>
        <source>Hospital: %1</source>
        <translation>Clínica: %1</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(sin definir)</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number in the list</extracomment>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Age</source>
        <extracomment>a column heading of kavimo-records list</extracomment>
        <translation>Edad</translation>
    </message>
    <message>
        <source>Phone</source>
        <extracomment>a column heading of kavimo-records list</extracomment>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Diags</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number of diagnoses</extracomment>
        <translation>Diag.</translation>
    </message>
    <message>
        <source>Pics</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number of pictures</extracomment>
        <translation>Imág.</translation>
    </message>
    <message>
        <source>Details:</source>
        <extracomment>a label of kavimo-records show: the details typed for the patient</extracomment>
        <translation>Datos:</translation>
    </message>
    <message>
        <source>none (%1 is missing)</source>
        <translation>no hay (falta %1)</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 está dañado: %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>other</source>
        <extracomment>the patient&apos;s sex</extracomment>
        <translation>otro</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>the patient&apos;s sex: not known</extracomment>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>Full name:</source>
        <translation>Nombre completo:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Teléfono:</translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation>Fecha de nac.:</translation>
    </message>
    <message>
        <source>Sex:</source>
        <translation>Sexo:</translation>
    </message>
    <message>
        <source>Patient ID:</source>
        <translation>ID de paciente:</translation>
    </message>
    <message>
        <source>Issuer:</source>
        <extracomment>the issuer of the patient&apos;s outside Patient ID</extracomment>
        <translation>Emisor:</translation>
    </message>
    <message>
        <source>Worklist name:</source>
        <extracomment>the patient&apos;s name as the worklist wrote it</extracomment>
        <translation>Nombre worklist:</translation>
    </message>
    <message>
        <source>no patient %1 in %2</source>
        <translation>no existe el paciente %1 en %2</translation>
    </message>
    <message>
        <source>Patient %1 of %2</source>
        <translation>Paciente %1 de %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Edad:</translation>
    </message>
    <message>
        <source>Directory:</source>
        <extracomment>a label of kavimo-records show: the patient&apos;s folder</extracomment>
        <translation>Carpeta:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>%1 (%2 holds %3)</source>
        <extracomment>%1 the count in the patient&apos;s record, %2 a list file, %3 the entries the file holds</extracomment>
        <translation>%1 (%2 contiene %3)</translation>
    </message>
    <message>
        <source>Diagnoses:</source>
        <translation>Diagnósticos:</translation>
    </message>
    <message>
        <source>Teeth:</source>
        <translation>Dientes:</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Imágenes:</translation>
    </message>
    <message>
        <source>[missing]</source>
        <extracomment>after a picture of kavimo-records show whose file is not there</extracomment>
        <translation>[falta]</translation>
    </message>
    <message>
        <source>--drive-d needs a directory</source>
        <translation>--drive-d requiere una carpeta</translation>
    </message>
    <message>
        <source>--data-group needs a group</source>
        <translation>--data-group requiere un grupo</translation>
    </message>
    <message>
        <source>--pacs-issuer needs a text</source>
        <translation>--pacs-issuer requiere un texto</translation>
    </message>
    <message>
        <source>--pacs-tls needs on or off</source>
        <translation>--pacs-tls requiere on u off</translation>
    </message>
    <message>
        <source>--teeth needs FDI numbers such as 11,21</source>
        <translation>--teeth requiere números FDI como 11,21</translation>
    </message>
    <message>
        <source>--view needs a view</source>
        <translation>--view requiere una vista</translation>
    </message>
    <message>
        <source>teeth %1</source>
        <extracomment>under a picture: %1 its teeth, FDI numbers such as 11,21</extracomment>
        <translation>dientes %1</translation>
    </message>
    <message>
        <source>view %1</source>
        <extracomment>under a picture: %1 its view, a keyword such as frontal</extracomment>
        <translation>vista %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a view (%2)</source>
        <extracomment>%2 the view keywords, such as &quot;frontal, left-buccal, ...&quot;</extracomment>
        <translation>«%1» no es una vista (%2)</translation>
    </message>
    <message>
        <source>%1 has no picture %2 in its directory (see show %1)</source>
        <extracomment>%1 the patient&apos;s UID, %2 the picture asked for; &quot;show&quot; is a command name</extracomment>
        <translation>%1 no tiene ninguna imagen %2 en su carpeta (véase show %1)</translation>
    </message>
    <message>
        <source>cannot be tagged</source>
        <translation>no se pueden asignar dientes ni vista</translation>
    </message>
    <message>
        <source>the audit trail was not written: %1</source>
        <translation>no se escribió el registro de auditoría: %1</translation>
    </message>
    <message>
        <source>no teeth, no view</source>
        <translation>ni dientes ni vista</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 a command-line option such as --name</extracomment>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>%1 what was given on the command line</extracomment>
        <translation>opción desconocida: %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado: %1</translation>
    </message>
</context>
</TS>
