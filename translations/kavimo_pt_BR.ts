<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>kavimo</name>
    <message>
        <source>The pictures cannot be queued for the archive (PACS): the disk may be full or kavimo&apos;s folder not writable. Free some space or ask your technician (%1).</source>
        <translation>Não é possível colocar as imagens na fila do arquivo (PACS): o disco pode estar cheio ou a pasta do kavimo sem permissão de gravação. Libere espaço ou consulte o seu técnico (%1).</translation>
    </message>
    <message>
        <source>Sending %1 of %2 to the PACS…</source>
        <translation>Enviando %1 de %2 ao PACS…</translation>
    </message>
    <message>
        <source>PACS not reachable: %1 waiting, sent when it answers. Check the network and the archive&apos;s address in Settings.</source>
        <translation>PACS inacessível: %1 aguardando, serão enviadas quando ele responder. Verifique a rede e o endereço do arquivo em Configurações.</translation>
    </message>
    <message>
        <source>Sent %1 of %2 to the PACS; the archive refused %3. Ask its administrator (see the log).</source>
        <translation>%1 de %2 enviadas ao PACS; o arquivo recusou %3. Consulte o administrador (veja o log).</translation>
    </message>
    <message>
        <source>PACS: %1</source>
        <translation>PACS: %1</translation>
    </message>
    <message>
        <source>Sent %1 of %2 to the PACS</source>
        <translation>%1 de %2 enviadas ao PACS</translation>
    </message>
    <message>
        <source>No archive (PACS) is set up. Enter its AE title, host and port in the Settings dialog: right-click the main window and choose &quot;Settings...&quot;, then restart kavimo.</source>
        <translation>Nenhum arquivo (PACS) configurado. Informe o título AE, o host e a porta na janela Configurações: clique com o botão direito na janela principal, escolha &quot;Configurações...&quot; e reinicie o kavimo.</translation>
    </message>
    <message>
        <source>PACS (the clinic&apos;s archive)</source>
        <translation>PACS (o arquivo da clínica)</translation>
    </message>
    <message>
        <source>Archive AE title</source>
        <translation>Título AE do arquivo</translation>
    </message>
    <message>
        <source>none: no archive</source>
        <translation>nenhum: sem arquivo</translation>
    </message>
    <message>
        <source>Archive host</source>
        <translation>Host do arquivo</translation>
    </message>
    <message>
        <source>Archive DICOM port</source>
        <translation>Porta DICOM do arquivo</translation>
    </message>
    <message>
        <source>kavimo&apos;s AE title</source>
        <translation>Título AE do kavimo</translation>
    </message>
    <message>
        <source>Send every stored picture (on/off)</source>
        <translation>Enviar cada imagem salva (on/off)</translation>
    </message>
    <message>
        <source>Worklist modality</source>
        <translation>Modalidade da worklist</translation>
    </message>
    <message>
        <source>Worklist of this station or all (this/all)</source>
        <translation>Worklist desta estação ou de todas (this/all)</translation>
    </message>
    <message>
        <source>Connect over TLS (the archive must show a certificate the CA signed)</source>
        <translation>Conectar via TLS (o arquivo deve apresentar um certificado assinado pela CA)</translation>
    </message>
    <message>
        <source>CA certificates to trust (PEM)</source>
        <translation>Certificados de CA confiáveis (PEM)</translation>
    </message>
    <message>
        <source>required with TLS</source>
        <translation>obrigatório com TLS</translation>
    </message>
    <message>
        <source>kavimo&apos;s certificate (PEM)</source>
        <translation>Certificado do kavimo (PEM)</translation>
    </message>
    <message>
        <source>none: only if the archive asks for one</source>
        <translation>nenhum: só se o arquivo pedir</translation>
    </message>
    <message>
        <source>kavimo&apos;s private key (PEM)</source>
        <translation>Chave privada do kavimo (PEM)</translation>
    </message>
    <message>
        <source>none: goes with the certificate</source>
        <translation>nenhuma: acompanha o certificado</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>Testar conexão</translation>
    </message>
    <message>
        <source>Give the archive&apos;s AE title, host and port first.</source>
        <translation>Informe primeiro o título AE, o host e a porta do arquivo.</translation>
    </message>
    <message>
        <source>Connecting to %1%2…</source>
        <translation>Conectando a %1%2…</translation>
    </message>
    <message>
        <source> over TLS</source>
        <translation> via TLS</translation>
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
        <translation>Pacientes agendados para %1 (apenas os primeiros %2: o PACS enviou mais):</translation>
    </message>
    <message>
        <source>The worklist schedules no patient for %1.</source>
        <translation>A worklist não tem pacientes agendados para %1.</translation>
    </message>
    <message>
        <source>Patients scheduled for %1:</source>
        <translation>Pacientes agendados para %1:</translation>
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
        <translation>Nome</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Nascimento</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Accession</source>
        <translation>Nº acesso</translation>
    </message>
    <message>
        <source>Procedure</source>
        <translation>Procedimento</translation>
    </message>
    <message>
        <source>Not taken as the PACS sent it:
</source>
        <translation>Não aceito como o PACS enviou:
</translation>
    </message>
    <message>
        <source>
… and %1 more</source>
        <translation>
… e mais %1</translation>
    </message>
    <message>
        <source>Another day:</source>
        <translation>Outro dia:</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Asking the PACS for the worklist of %1…</source>
        <translation>Solicitando ao PACS a worklist de %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cannot read the worklist: %1</source>
        <translation>Não é possível ler a worklist: %1</translation>
    </message>
    <message>
        <source>The demo cannot start: %1.</source>
        <translation>A demonstração não pode ser iniciada: %1.</translation>
    </message>
    <message>
        <source>Oral image acquisition system</source>
        <translation>Sistema de aquisição de imagens intraorais</translation>
    </message>
    <message>
        <source>the running kavimo did not open patient %1: %2</source>
        <translation>o kavimo em execução não abriu o paciente %1: %2</translation>
    </message>
    <message>
        <source>the patient was not opened: %1</source>
        <translation>o paciente não foi aberto: %1</translation>
    </message>
    <message>
        <source>kavimo cannot start: %1.</source>
        <translation>O kavimo não pode ser iniciado: %1.</translation>
    </message>
    <message>
        <source>the pictures were not exported: %1</source>
        <translation>as imagens não foram exportadas: %1</translation>
    </message>
    <message>
        <source>the pictures were not shown: %1</source>
        <translation>as imagens não foram exibidas: %1</translation>
    </message>
    <message>
        <source>the camera link cannot open its sockets on 127.0.0.1</source>
        <translation>a conexão com a câmera não consegue abrir seus sockets em 127.0.0.1</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próximo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
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
        <translation>Escolher</translation>
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
        <translation>Ao vivo</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Congelar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Choose, create or find a patient</source>
        <translation>Escolher, criar ou buscar um paciente</translation>
    </message>
    <message>
        <source>Start or stop the camera&apos;s live picture</source>
        <translation>Iniciar ou parar a imagem ao vivo da câmera</translation>
    </message>
    <message>
        <source>Freeze the live picture; press again (Save Pic) to store it</source>
        <translation>Congelar a imagem ao vivo; clique de novo (Salvar) para salvá-la</translation>
    </message>
    <message>
        <source>Add picture files to this patient</source>
        <translation>Adicionar arquivos de imagem a este paciente</translation>
    </message>
    <message>
        <source>Copy the picked pictures (or all of them) to a folder</source>
        <translation>Copiar as imagens escolhidas (ou todas) para uma pasta</translation>
    </message>
    <message>
        <source>Pick up to four pictures for the report and the export</source>
        <translation>Escolher até quatro imagens para o relatório e a exportação</translation>
    </message>
    <message>
        <source>Preview, print or save the report as PDF</source>
        <translation>Visualizar, imprimir ou salvar o relatório como PDF</translation>
    </message>
    <message>
        <source>Store the drawing on the shown picture</source>
        <translation>Salvar o desenho na imagem exibida</translation>
    </message>
    <message>
        <source>Store the shown picture with its drawing as a new picture</source>
        <translation>Salvar a imagem exibida com o desenho como uma nova imagem</translation>
    </message>
    <message>
        <source>Take back the last stroke</source>
        <translation>Desfazer o último traço</translation>
    </message>
    <message>
        <source>Show four pictures at once, or one again</source>
        <translation>Mostrar quatro imagens de uma vez, ou de novo uma só</translation>
    </message>
    <message>
        <source>Delete the shown picture (it goes to the trash)</source>
        <translation>Excluir a imagem exibida (vai para a lixeira)</translation>
    </message>
    <message>
        <source>Store the diagnosis</source>
        <translation>Salvar o diagnóstico</translation>
    </message>
    <message>
        <source>Scroll the thumbnails up</source>
        <translation>Rolar as miniaturas para cima</translation>
    </message>
    <message>
        <source>Scroll the thumbnails down</source>
        <translation>Rolar as miniaturas para baixo</translation>
    </message>
    <message>
        <source>Close kavimo (unsaved work is asked about first)</source>
        <translation>Fechar o kavimo (antes pergunta sobre o trabalho não salvo)</translation>
    </message>
    <message>
        <source>Thick</source>
        <translation>Grosso</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Fino</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
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
        <translation>Nº: </translation>
    </message>
    <message>
        <source>Name：</source>
        <translation>Nome: </translation>
    </message>
    <message>
        <source>Sex：</source>
        <translation>Sexo: </translation>
    </message>
    <message>
        <source>Age：</source>
        <translation>Idade: </translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The patient %1 of the practice-management system could not be opened: %2.</source>
        <translation>Não foi possível abrir o paciente %1 do sistema de gestão da clínica: %2.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
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
        <translation>Idade: %1</translation>
    </message>
    <message>
        <source>Age：%1 (born %2)</source>
        <translation>Idade: %1 (nascimento: %2)</translation>
    </message>
    <message>
        <source>The diagnosis has not been saved. Save it?</source>
        <translation>O diagnóstico não foi salvo. Deseja salvá-lo?</translation>
    </message>
    <message>
        <source>The strokes on the picture have not been saved. Save them?</source>
        <translation>Os traços na imagem não foram salvos. Deseja salvá-los?</translation>
    </message>
    <message>
        <source>WIFI connected！</source>
        <translation>WiFi conectado!</translation>
    </message>
    <message>
        <source>WIFI disconnect！</source>
        <translation>WiFi desconectado!</translation>
    </message>
    <message>
        <source>Settings(&amp;S)...</source>
        <translation>&amp;Configurações...</translation>
    </message>
    <message>
        <source>关于 kavimo(&amp;A)...</source>
        <translation>&amp;Sobre o kavimo...</translation>
    </message>
    <message>
        <source>Export as DICOM…</source>
        <translation>Exportar como DICOM…</translation>
    </message>
    <message>
        <source>Send to PACS</source>
        <translation>Enviar ao PACS</translation>
    </message>
    <message>
        <source>Revert to original</source>
        <translation>Voltar ao original</translation>
    </message>
    <message>
        <source>Restore deleted pictures…</source>
        <translation>Restaurar imagens excluídas…</translation>
    </message>
    <message>
        <source>Teeth and view…</source>
        <translation>Dentes e vista…</translation>
    </message>
    <message>
        <source>Show pictures of a tooth or view…</source>
        <translation>Mostrar imagens de um dente ou vista…</translation>
    </message>
    <message>
        <source>Show all pictures</source>
        <translation>Mostrar todas as imagens</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.bmp)</source>
        <translation>Imagens (*.jpg *.jpeg *.png *.bmp)</translation>
    </message>
    <message>
        <source>Please select output dir：</source>
        <translation>Selecione a pasta de destino:</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>não é uma imagem</translation>
    </message>
    <message>
        <source>a %1 picture that cannot be read: %2</source>
        <translation>uma imagem %1 que não pode ser lida: %2</translation>
    </message>
    <message>
        <source>Save Pic</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Fail to Save！</source>
        <translation>Falha ao salvar!</translation>
    </message>
    <message>
        <source>Fail to Save！
%1</source>
        <translation>Falha ao salvar!
%1</translation>
    </message>
    <message>
        <source>Fail to save picture！</source>
        <translation>Falha ao salvar a imagem!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>the picture could not be read, so it is not written over</source>
        <translation>não foi possível ler a imagem, por isso ela não foi sobrescrita</translation>
    </message>
    <message>
        <source>not a picture in the patient&apos;s directory</source>
        <translation>não é uma imagem da pasta do paciente</translation>
    </message>
    <message>
        <source>its original cannot be kept: </source>
        <translation>não é possível manter o original: </translation>
    </message>
    <message>
        <source>Fail to Save！
%1: %2</source>
        <translation>Falha ao salvar!
%1: %2</translation>
    </message>
    <message>
        <source>Revert %1 to the picture as it was taken?
The strokes saved on it are lost.</source>
        <translation>Voltar %1 à imagem como foi capturada?
Os traços salvos nela serão perdidos.</translation>
    </message>
    <message>
        <source>Fail to revert！
%1: %2</source>
        <translation>Falha ao restaurar o original!
%1: %2</translation>
    </message>
    <message>
        <source>Restore deleted pictures</source>
        <translation>Restaurar imagens excluídas</translation>
    </message>
    <message>
        <source>no free picture name</source>
        <translation>não há nome de imagem disponível</translation>
    </message>
    <message>
        <source>Fail to import:
%1</source>
        <translation>Falha ao importar:
%1</translation>
    </message>
    <message>
        <source>picture output</source>
        <translation>exportar imagens</translation>
    </message>
    <message>
        <source>This patient has no pictures to export.</source>
        <translation>Este paciente não tem imagens para exportar.</translation>
    </message>
    <message>
        <source>No picture is picked. Export the patient&apos;s picture?</source>
        <translation>Nenhuma imagem escolhida. Exportar a imagem do paciente?</translation>
    </message>
    <message numerus="yes">
        <source>No picture is picked. Export all %n pictures?</source>
        <translation>
            <numerusform>Nenhuma imagem escolhida. Exportar a %n imagem?</numerusform>
            <numerusform>Nenhuma imagem escolhida. Exportar todas as %n imagens?</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Choose another one.</source>
        <translation>A pasta %1 não existe. Escolha outra.</translation>
    </message>
    <message>
        <source>picture %1: it is no longer in the patient&apos;s list</source>
        <translation>imagem %1: não está mais na lista do paciente</translation>
    </message>
    <message>
        <source>%1: not a file name</source>
        <translation>%1: não é um nome de arquivo</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures exported to %1.</source>
        <translation>
            <numerusform>%n imagem exportada para %1.</numerusform>
            <numerusform>%n imagens exportadas para %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

Fail to export:
%2</source>
        <translation>%1

Falha ao exportar:
%2</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Tem certeza?</translation>
    </message>
    <message>
        <source>

Delete the picture of %1-%2-%3 %4:%5:%6?
It goes to the trash, from which it can be restored for %7 days.</source>
        <translation>

Excluir a imagem de %1-%2-%3 %4:%5:%6?
Ela vai para a lixeira, de onde pode ser restaurada por %7 dias.</translation>
    </message>
    <message>
        <source>Picture delete</source>
        <translation>Excluir imagem</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Restore the unsaved work of %1 from %2?</source>
        <translation>Restaurar o trabalho não salvo de %1 de %2?</translation>
    </message>
    <message>
        <source>The camera&apos;s video cannot be received: UDP port %1 (%2) is not available.</source>
        <translation>Não é possível receber o vídeo da câmera: a porta UDP %1 (%2) não está disponível.</translation>
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
        <translation>%1 de %2 para %3%4%5</translation>
    </message>
    <message>
        <source>; cancelled</source>
        <translation>; cancelado</translation>
    </message>
    <message>
        <source>; failed: </source>
        <translation>; falhas: </translation>
    </message>
    <message numerus="yes">
        <source>%n DICOM files written to %1, with a DICOMDIR</source>
        <translation>
            <numerusform>%n arquivo DICOM gravado em %1, com um DICOMDIR</numerusform>
            <numerusform>%n arquivos DICOM gravados em %1, com um DICOMDIR</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Export cancelled: %1 of %n DICOM files written to %2, with a DICOMDIR</source>
        <translation>
            <numerusform>Exportação cancelada: %1 de %n arquivo DICOM gravado em %2, com um DICOMDIR</numerusform>
            <numerusform>Exportação cancelada: %1 de %n arquivos DICOM gravados em %2, com um DICOMDIR</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n DICOM files written; failed:
%2</source>
        <translation>
            <numerusform>%1 de %n arquivo DICOM gravado; falhas:
%2</numerusform>
            <numerusform>%1 de %n arquivos DICOM gravados; falhas:
%2</numerusform>
        </translation>
    </message>
    <message>
        <source>The patient has no pictures to export.</source>
        <translation>O paciente não tem imagens para exportar.</translation>
    </message>
    <message>
        <source>Export as DICOM</source>
        <translation>Exportar como DICOM</translation>
    </message>
    <message>
        <source>Invalid dir</source>
        <translation>Pasta inválida</translation>
    </message>
    <message numerus="yes">
        <source>Exporting %n pictures as DICOM to
%1</source>
        <translation>
            <numerusform>Exportando %n imagem como DICOM para
%1</numerusform>
            <numerusform>Exportando %n imagens como DICOM para
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>The patient has no pictures to send.</source>
        <translation>O paciente não tem imagens para enviar.</translation>
    </message>
    <message>
        <source>kavimo is starting or closing</source>
        <translation>o kavimo está iniciando ou fechando</translation>
    </message>
    <message>
        <source>a dialog is open in kavimo; close it and try again</source>
        <translation>há uma janela de diálogo aberta no kavimo; feche-a e tente novamente</translation>
    </message>
    <message>
        <source>the user stayed with the patient on screen to keep unsaved work</source>
        <translation>o usuário permaneceu no paciente da tela para manter o trabalho não salvo</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Individual</translation>
    </message>
    <message>
        <source>Teeth and view</source>
        <translation>Dentes e vista</translation>
    </message>
    <message>
        <source>Teeth </source>
        <translation>Dentes </translation>
    </message>
    <message>
        <source>The teeth of %1 were not given to %2:
%3</source>
        <translation>Os dentes de %1 não foram atribuídos a %2:
%3</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n imagem</numerusform>
            <numerusform>%n imagens</numerusform>
        </translation>
    </message>
    <message>
        <source>The teeth were not stored:
%1</source>
        <translation>Os dentes não foram salvos:
%1</translation>
    </message>
    <message>
        <source>Show pictures of</source>
        <translation>Mostrar imagens de</translation>
    </message>
    <message>
        <source>A tooth (%1) or a view (frontal, left buccal, right buccal, upper occlusal, lower occlusal, close-up, other).
Empty shows every picture.</source>
        <translation>Um dente (%1) ou uma vista (frontal, vestibular esquerda, vestibular direita, oclusal superior, oclusal inferior, close-up, outra).
Vazio mostra todas as imagens.</translation>
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
        <translation>&quot;%1&quot; não é um dente nem uma vista.</translation>
    </message>
    <message>
        <source>Show a picture, or pick two, to compare.</source>
        <translation>Mostre uma imagem, ou escolha duas, para comparar.</translation>
    </message>
    <message>
        <source>The picture shown has no teeth yet: tag it with its teeth, or pick two pictures.</source>
        <translation>A imagem exibida ainda não tem dentes: marque os dentes dela ou escolha duas imagens.</translation>
    </message>
    <message>
        <source>No earlier picture shows the same teeth.</source>
        <translation>Nenhuma imagem anterior mostra os mesmos dentes.</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <translation>não é possível criar %1</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>não é possível criar %1: %2</translation>
    </message>
    <message>
        <source>the picture with the strokes cannot be encoded</source>
        <translation>não é possível codificar a imagem com os traços</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>não é possível gravar em %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>Faile to create WorkDir!</source>
        <translation>Falha ao criar a pasta de trabalho!</translation>
    </message>
    <message>
        <source>Create WorkDir successfull!</source>
        <translation>Pasta de trabalho criada com sucesso!</translation>
    </message>
    <message>
        <source>Faile to  create user dir！</source>
        <translation>Falha ao criar a pasta do paciente!</translation>
    </message>
    <message>
        <source>User does not exist！</source>
        <translation>O paciente não existe!</translation>
    </message>
    <message>
        <source>other</source>
        <translation>outro</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>female</source>
        <translation>feminino</translation>
    </message>
    <message>
        <source>male</source>
        <translation>masculino</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Feminino</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Masculino</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outro</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>User Management</source>
        <translation>Gestão de pacientes</translation>
    </message>
    <message>
        <source>User List：</source>
        <translation>Pacientes:</translation>
    </message>
    <message>
        <source>Picture List：</source>
        <translation>Lista de imagens:</translation>
    </message>
    <message>
        <source>Preview：</source>
        <translation>Visualização: </translation>
    </message>
    <message>
        <source>Born：</source>
        <translation>Nasc.:</translation>
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
        <translation>Descrição: </translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nº</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>ID paciente</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Idade</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Disease</source>
        <translation>Diagnóstico</translation>
    </message>
    <message>
        <source>Click a column&apos;s title to sort by it</source>
        <translation>Clique no título de uma coluna para ordenar por ela</translation>
    </message>
    <message>
        <source>Search: part of the name, ID or phone</source>
        <translation>Buscar: parte do nome, ID ou telefone</translation>
    </message>
    <message>
        <source>YYYYMMDD</source>
        <translation>YYYYMMDD</translation>
    </message>
    <message>
        <source>Birth date, YYYYMMDD or YYYY-MM-DD; the age then follows it</source>
        <translation>Data de nascimento, YYYYMMDD ou YYYY-MM-DD; a idade é calculada a partir dela</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Definir</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Criar</translation>
    </message>
    <message>
        <source>Restore deleted patients…</source>
        <translation>Restaurar excluídos…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No patient matches &quot;%1&quot;.</source>
        <translation>Nenhum paciente corresponde a &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Please enter name！</source>
        <translation>Informe o nome!</translation>
    </message>
    <message>
        <source>Please enter the birth date as YYYY-MM-DD, not after today！</source>
        <translation>Informe a data de nascimento como YYYY-MM-DD, não posterior a hoje!</translation>
    </message>
    <message>
        <source>Please enter age！</source>
        <translation>Informe a idade!</translation>
    </message>
    <message>
        <source>Please enter phone！</source>
        <translation>Informe o número de telefone!</translation>
    </message>
    <message>
        <source>Please choose sex (Female, Male, Other or Unknown)！</source>
        <translation>Escolha o sexo (Feminino, Masculino, Outro ou Desconhecido)!</translation>
    </message>
    <message>
        <source>The patient&apos;s record was written, but the name, phone and birth date as typed were not kept: %1</source>
        <translation>A ficha do paciente foi gravada, mas o nome, o telefone e a data de nascimento como digitados não foram mantidos: %1</translation>
    </message>
    <message>
        <source>The patient was created, but the worklist&apos;s order was not kept, so the pictures will not be attached to it in the archive: %1</source>
        <translation>O paciente foi criado, mas o pedido da worklist não foi mantido, portanto as imagens não serão vinculadas a ele no arquivo: %1</translation>
    </message>
    <message numerus="yes">
        <source>The patient list is full: at most %n patients can be kept！</source>
        <translation>
            <numerusform>A lista de pacientes está cheia: no máximo %n paciente pode ser mantido!</numerusform>
            <numerusform>A lista de pacientes está cheia: no máximo %n pacientes podem ser mantidos!</numerusform>
        </translation>
    </message>
    <message>
        <source>A patient was created less than a second ago; please press Create again！</source>
        <translation>Um paciente foi criado há menos de um segundo; clique em Criar novamente!</translation>
    </message>
    <message>
        <source>Are you sure delete？</source>
        <translation>Tem certeza de que deseja excluir?</translation>
    </message>
    <message>
        <source>Delete the patient %1 (%2) and %3?</source>
        <translation>Excluir o paciente %1 (%2) e %3?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n patients and their %1?</source>
        <translation>
            <numerusform>Excluir %n paciente e suas imagens (%1)?</numerusform>
            <numerusform>Excluir %n pacientes e suas imagens (%1)?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>

%1
They go to the trash, from which &quot;Restore deleted patients…&quot; brings them back for %n days.</source>
        <translation>
            <numerusform>

%1
Eles vão para a lixeira, de onde &quot;Restaurar excluídos…&quot; os recupera por %n dia.</numerusform>
            <numerusform>

%1
Eles vão para a lixeira, de onde &quot;Restaurar excluídos…&quot; os recupera por %n dias.</numerusform>
        </translation>
    </message>
    <message>
        <source>There are no deleted patients to restore.</source>
        <translation>Não há pacientes excluídos para restaurar.</translation>
    </message>
    <message>
        <source>Restore deleted patients</source>
        <translation>Restaurar pacientes excluídos</translation>
    </message>
    <message>
        <source>Please enter hospital name！</source>
        <translation>Informe o nome da clínica!</translation>
    </message>
    <message>
        <source>Set hospital successfull！</source>
        <translation>Clínica definida com sucesso!</translation>
    </message>
    <message>
        <source>Turn a quarter to the left (Shift+R)</source>
        <translation>Girar 90° para a esquerda (Shift+R)</translation>
    </message>
    <message>
        <source>Turn a quarter to the right (R)</source>
        <translation>Girar 90° para a direita (R)</translation>
    </message>
    <message>
        <source>+ / − zoom   0 as it came   R turn   arrows move   Esc close</source>
        <translation>+ / − zoom   0 original   R girar   setas mover   Esc fechar</translation>
    </message>
    <message>
        <source>not on the d: drive</source>
        <translation>não está na unidade d:</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>The picture cannot be read.</source>
        <translation>Não é possível ler a imagem.</translation>
    </message>
    <message>
        <source>Wheel or + and − zoom both, dragging moves both; double-click fits them.</source>
        <translation>A roda ou + e − ampliam as duas, arrastar move as duas; clique duplo as ajusta.</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation>não há imagem para gravar</translation>
    </message>
    <message>
        <source>cannot encode the picture as %1: %2</source>
        <translation>não é possível codificar a imagem como %1: %2</translation>
    </message>
    <message>
        <source>it is a link to a file outside the work directory</source>
        <translation>é um link para um arquivo fora da pasta de trabalho</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>the path lies outside the d: drive</source>
        <translation>o caminho está fora da unidade d:</translation>
    </message>
    <message>
        <source>Which teeth does %1 show?</source>
        <translation>Quais dentes %1 mostra?</translation>
    </message>
    <message>
        <source>right</source>
        <translation>direita</translation>
    </message>
    <message>
        <source>left</source>
        <translation>esquerda</translation>
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
        <translation>(não informada)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>No tooth chosen.</source>
        <translation>Nenhum dente escolhido.</translation>
    </message>
    <message>
        <source>Chosen: </source>
        <translation>Escolhidos: </translation>
    </message>
    <message>
        <source>there is no runtime directory (XDG_RUNTIME_DIR)</source>
        <translation>não há pasta de execução (XDG_RUNTIME_DIR)</translation>
    </message>
    <message>
        <source>the running kavimo did not answer</source>
        <translation>o kavimo em execução não respondeu</translation>
    </message>
    <message>
        <source>the transfer file was not read: %1</source>
        <translation>o arquivo de intercâmbio não foi lido: %1</translation>
    </message>
    <message>
        <source>the transfer file&apos;s request was refused: %1</source>
        <translation>a solicitação do arquivo de intercâmbio foi recusada: %1</translation>
    </message>
    <message>
        <source>kavimo has no patient with the ID %1</source>
        <translation>o kavimo não tem paciente com o ID %1</translation>
    </message>
    <message>
        <source>the picture %1 is not one of the patient&apos;s</source>
        <translation>a imagem %1 não é do paciente</translation>
    </message>
    <message>
        <source>the answer could not be written into the transfer file: %1</source>
        <translation>não foi possível gravar a resposta no arquivo de intercâmbio: %1</translation>
    </message>
    <message>
        <source>Print-diagnose</source>
        <translation>Imprimir diagnóstico</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Não foi possível imprimir o relatório.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salvar como PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.</source>
        <translation>Não foi possível salvar o relatório como %1.</translation>
    </message>
    <message>
        <source>Sex：male</source>
        <translation>Sexo: masculino</translation>
    </message>
    <message>
        <source>Sex：female</source>
        <translation>Sexo: feminino</translation>
    </message>
    <message>
        <source>Time：</source>
        <translation>Data: </translation>
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
        <translation>Imagens: </translation>
    </message>
    <message>
        <source>Doctor：</source>
        <translation>Dentista: </translation>
    </message>
    <message>
        <source>Pictures and records</source>
        <translation>Imagens e fichas</translation>
    </message>
    <message>
        <source>d: drive folder</source>
        <translation>Pasta da unidade d:</translation>
    </message>
    <message>
        <source>Stream camera</source>
        <translation>Câmera de vídeo</translation>
    </message>
    <message>
        <source>Camera address</source>
        <translation>Endereço da câmera</translation>
    </message>
    <message>
        <source>Camera command port</source>
        <translation>Porta de comandos da câmera</translation>
    </message>
    <message>
        <source>Local command port (0: any)</source>
        <translation>Porta local de comandos (0: qualquer)</translation>
    </message>
    <message>
        <source>Local video port</source>
        <translation>Porta local de vídeo</translation>
    </message>
    <message>
        <source>Picture camera</source>
        <translation>Câmera de fotos</translation>
    </message>
    <message>
        <source>Local reply port (0: any)</source>
        <translation>Porta local de resposta (0: qualquer)</translation>
    </message>
    <message>
        <source>Camera picture port (TCP)</source>
        <translation>Porta de imagens da câmera (TCP)</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>Local address (0.0.0.0: all)</source>
        <translation>Endereço local (0.0.0.0: todos)</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Relatório</translation>
    </message>
    <message>
        <source>Doctor&apos;s name</source>
        <translation>Nome do dentista</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Foot switch key (does Freeze)</source>
        <translation>Tecla do pedal (aciona Congelar)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Language (empty: the desktop&apos;s)</source>
        <translation>Idioma (vazio: o do sistema)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>The d: drive folder</source>
        <translation>A pasta da unidade d:</translation>
    </message>
    <message>
        <source>PEM files (*.pem *.crt *.key);;All files (*)</source>
        <translation>Arquivos PEM (*.pem *.crt *.key);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Arquivo de configurações: %1</translation>
    </message>
    <message>
        <source>Changes take effect the next time kavimo starts. An empty field uses the default shown in it. A value overridden by a command-line option or an environment variable is used in the runs without it.</source>
        <translation>As alterações entram em vigor na próxima vez que o kavimo for iniciado. Um campo vazio usa o padrão exibido nele. Um valor substituído por uma opção de linha de comando ou uma variável de ambiente é usado nas execuções sem ela.</translation>
    </message>
    <message>
        <source>none; e.g. F8</source>
        <translation>nenhuma; ex.: F8</translation>
    </message>
    <message>
        <source>not a key (for example F8, Space or Pause)</source>
        <translation>não é uma tecla (por exemplo F8, Space ou Pause)</translation>
    </message>
    <message>
        <source>e.g. de, zh_CN</source>
        <translation>ex.: pt_BR, es</translation>
    </message>
    <message>
        <source>not a language (for example de, fr or zh_CN)</source>
        <translation>não é um idioma (por exemplo pt_BR, fr ou zh_CN)</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Escolher...</translation>
    </message>
    <message>
        <source>Overridden by %1 for this run</source>
        <translation>Substituído por %1 nesta execução</translation>
    </message>
    <message>
        <source>The settings cannot be written to %1.</source>
        <translation>Não é possível gravar as configurações em %1.</translation>
    </message>
    <message>
        <source>Tooth numbers (fdi, universal or palmer; at once)</source>
        <translation>Numeração dentária (fdi, universal ou palmer; vale na hora)</translation>
    </message>
    <message>
        <source>fdi: 11–48, 51–85</source>
        <translation>fdi: 11–48, 51–85</translation>
    </message>
    <message>
        <source>not fdi, universal (1–32, A–T) or palmer (UR1, ULA)</source>
        <translation>não é fdi, universal (1–32, A–T) nem palmer (UR1, ULA)</translation>
    </message>
    <message>
        <source>Ask for the teeth after each capture, at once (the camera&apos;s capture key confirms)</source>
        <translation>Perguntar os dentes após cada captura, vale na hora (a tecla de captura da câmera confirma)</translation>
    </message>
    <message>
        <source>Teeth</source>
        <translation>Dentes</translation>
    </message>
    <message>
        <source>关于 kavimo</source>
        <translation>Sobre o kavimo</translation>
    </message>
    <message>
        <source>kavimo, version %1</source>
        <translation>kavimo, versão %1</translation>
    </message>
    <message>
        <source>Oral image acquisition system for WiFi intraoral cameras</source>
        <translation>Sistema de aquisição de imagens intraorais para câmeras intraorais WiFi</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Log: %1</translation>
    </message>
    <message>
        <source>User guide (F1)</source>
        <translation>Manual do usuário (F1)</translation>
    </message>
    <message numerus="yes">
        <source>Deleted items are kept for %n days. Choose what to restore:</source>
        <translation>
            <numerusform>Os itens excluídos são mantidos por %n dia. Escolha o que restaurar:</numerusform>
            <numerusform>Os itens excluídos são mantidos por %n dias. Escolha o que restaurar:</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Picture of %1   (deleted %2)</source>
        <translation>Imagem de %1   (excluída em %2)</translation>
    </message>
    <message numerus="yes">
        <source>%1  %2, %n pictures   (deleted %3)</source>
        <translation>
            <numerusform>%1  %2, %n imagem   (excluído em %3)</numerusform>
            <numerusform>%1  %2, %n imagens   (excluído em %3)</numerusform>
        </translation>
    </message>
    <message>
        <source>The user guide is not installed. It was looked for in:
%1</source>
        <translation>O manual do usuário não está instalado. Foi procurado em:
%1</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Manual do usuário</translation>
    </message>
    <message>
        <source>kavimo user guide</source>
        <translation>Manual do usuário do kavimo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Try &apos;kavimo --help&apos;.</source>
        <translation>Experimente &quot;kavimo --help&quot;.</translation>
    </message>
    <message>
        <source>Host directory that stands for the d: drive (default ~/.local/share/kavimo/d).</source>
        <translation>Pasta do computador que representa a unidade d: (padrão: ~/.local/share/kavimo/d).</translation>
    </message>
    <message>
        <source>Group that shares the records: folders 0770, files 0660 (default: none, 0700 and 0600).</source>
        <translation>Grupo que compartilha as fichas: pastas 0770, arquivos 0660 (padrão: nenhum, 0700 e 0600).</translation>
    </message>
    <message>
        <source>Address of the stream camera (default 172.16.10.1).</source>
        <translation>Endereço da câmera de vídeo (padrão: 172.16.10.1).</translation>
    </message>
    <message>
        <source>The stream camera&apos;s command port (default 7777).</source>
        <translation>Porta de comandos da câmera de vídeo (padrão: 7777).</translation>
    </message>
    <message>
        <source>Local port for the stream camera&apos;s replies, heartbeats and keys (default 7777; 0: any).</source>
        <translation>Porta local para as respostas, os sinais de vida e as teclas da câmera de vídeo (padrão: 7777; 0: qualquer).</translation>
    </message>
    <message>
        <source>Local port the live video arrives on (default 8888).</source>
        <translation>Porta local pela qual chega o vídeo ao vivo (padrão: 8888).</translation>
    </message>
    <message>
        <source>Address of the picture camera (default 192.168.239.1).</source>
        <translation>Endereço da câmera de fotos (padrão: 192.168.239.1).</translation>
    </message>
    <message>
        <source>The picture camera&apos;s command port (default 6000).</source>
        <translation>Porta de comandos da câmera de fotos (padrão: 6000).</translation>
    </message>
    <message>
        <source>Local port for the picture camera&apos;s replies (default 5000; 0: any).</source>
        <translation>Porta local para as respostas da câmera de fotos (padrão: 5000; 0: qualquer).</translation>
    </message>
    <message>
        <source>The picture camera&apos;s TCP picture port (default 5000).</source>
        <translation>Porta TCP de imagens da câmera de fotos (padrão: 5000).</translation>
    </message>
    <message>
        <source>Local address the camera sockets bind to (default 0.0.0.0: all).</source>
        <translation>Endereço local ao qual os sockets da câmera se vinculam (padrão: 0.0.0.0: todos).</translation>
    </message>
    <message>
        <source>The clinic&apos;s archive (PACS): its AE title (default: none, no archive).</source>
        <translation>O arquivo da clínica (PACS): seu título AE (padrão: nenhum, sem arquivo).</translation>
    </message>
    <message>
        <source>The archive&apos;s host name or address.</source>
        <translation>Nome de host ou endereço do arquivo.</translation>
    </message>
    <message>
        <source>The archive&apos;s DICOM port.</source>
        <translation>Porta DICOM do arquivo.</translation>
    </message>
    <message>
        <source>kavimo&apos;s own AE title towards the archive (default KAVIMO).</source>
        <translation>Título AE próprio do kavimo perante o arquivo (padrão: KAVIMO).</translation>
    </message>
    <message>
        <source>Issuer of Patient ID sent with kavimo&apos;s own Patient IDs (default KAVIMO- and the first 8 hex digits of the installation&apos;s identity).</source>
        <translation>Emissor do ID do paciente (Issuer of Patient ID) enviado com os IDs de paciente próprios do kavimo (padrão: KAVIMO- seguido dos 8 primeiros dígitos hexadecimais da identidade da instalação).</translation>
    </message>
    <message>
        <source>The modality whose worklist entries are listed (default XC, photographs).</source>
        <translation>Modalidade cujas entradas da worklist são listadas (padrão: XC, fotografias).</translation>
    </message>
    <message>
        <source>Lists the worklist entries scheduled for kavimo&apos;s own AE title (this, the default) or for every station (all).</source>
        <translation>Lista as entradas da worklist agendadas para o título AE próprio do kavimo (this, o padrão) ou para todas as estações (all).</translation>
    </message>
    <message>
        <source>Sends every stored picture to the archive automatically (default off).</source>
        <translation>Envia automaticamente ao arquivo cada imagem salva (padrão: off).</translation>
    </message>
    <message>
        <source>Talks to the archive over TLS; its certificate must chain to --pacs-tls-ca and name its host (default off: plain TCP).</source>
        <translation>Comunica-se com o arquivo via TLS; o certificado dele deve ser assinado por uma CA de --pacs-tls-ca e indicar o host dele (padrão: off, TCP sem criptografia).</translation>
    </message>
    <message>
        <source>The CA certificates (PEM) to check the archive&apos;s certificate with.</source>
        <translation>Certificados de CA (PEM) com os quais o certificado do arquivo é verificado.</translation>
    </message>
    <message>
        <source>kavimo&apos;s own certificate (PEM), for archives that ask for one.</source>
        <translation>Certificado próprio do kavimo (PEM), para arquivos que o exigem.</translation>
    </message>
    <message>
        <source>The unencrypted private key (PEM) of kavimo&apos;s certificate.</source>
        <translation>Chave privada não criptografada (PEM) do certificado do kavimo.</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot; is %4</source>
        <translation>%1: %2 &quot;%3&quot; %4</translation>
    </message>
    <message>
        <source>not a directory</source>
        <translation>não é uma pasta</translation>
    </message>
    <message>
        <source>not an IPv4 address</source>
        <translation>não é um endereço IPv4</translation>
    </message>
    <message>
        <source>not a port (0 to 65535)</source>
        <translation>não é uma porta (0 a 65535)</translation>
    </message>
    <message>
        <source>not a port (1 to 65535)</source>
        <translation>não é uma porta (1 a 65535)</translation>
    </message>
    <message>
        <source>not an AE title (1 to 16 characters)</source>
        <translation>não é um título AE (1 a 16 caracteres)</translation>
    </message>
    <message>
        <source>not a host</source>
        <translation>não é um host</translation>
    </message>
    <message>
        <source>not on or off</source>
        <translation>não é on nem off</translation>
    </message>
    <message>
        <source>not an issuer (1 to 64 characters, no backslash)</source>
        <translation>não é um emissor (1 a 64 caracteres, sem barra invertida)</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>não é um arquivo</translation>
    </message>
    <message>
        <source>not a modality (a code such as XC or IO)</source>
        <translation>não é uma modalidade (um código como XC ou IO)</translation>
    </message>
    <message>
        <source>not this or all</source>
        <translation>não é this nem all</translation>
    </message>
    <message>
        <source>not a group name</source>
        <translation>não é um nome de grupo</translation>
    </message>
    <message>
        <source>not valid</source>
        <translation>não é válido</translation>
    </message>
    <message>
        <source>no folder given</source>
        <translation>nenhuma pasta informada</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>a pasta não existe</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>não é uma pasta</translation>
    </message>
    <message>
        <source>the folder is not writable</source>
        <translation>a pasta não tem permissão de gravação</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>nenhum arquivo informado</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>the file is not readable</source>
        <translation>o arquivo não pode ser lido</translation>
    </message>
    <message>
        <source>Opens the patient with this ID of the practice-management system, creating it when kavimo does not have it yet (the patient dialog is not shown); the ID becomes the archive&apos;s Patient ID. When kavimo already runs on this work directory, the running window switches to the patient.</source>
        <translation>Abre o paciente com este ID do sistema de gestão da clínica e o cria se o kavimo ainda não o tiver (sem mostrar a janela do paciente); o ID passa a ser o ID do paciente (Patient ID) no arquivo. Se o kavimo já estiver em execução com esta pasta de trabalho, a janela aberta muda para esse paciente.</translation>
    </message>
    <message>
        <source>The last name of the --patient-id patient (needed with it).</source>
        <translation>Sobrenome do paciente de --patient-id (obrigatório com ele).</translation>
    </message>
    <message>
        <source>The first name of the --patient-id patient.</source>
        <translation>Nome do paciente de --patient-id.</translation>
    </message>
    <message>
        <source>The birth date of the --patient-id patient (also YYYY-MM-DD or DD.MM.YYYY).</source>
        <translation>Data de nascimento do paciente de --patient-id (também YYYY-MM-DD ou DD.MM.YYYY).</translation>
    </message>
    <message>
        <source>The sex of the --patient-id patient (also Male, Female, Other, Unknown).</source>
        <translation>Sexo do paciente de --patient-id (também Male, Female, Other, Unknown).</translation>
    </message>
    <message>
        <source>The phone of the --patient-id patient.</source>
        <translation>Telefone do paciente de --patient-id.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Mostra esta ajuda.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Mostra a versão.</translation>
    </message>
    <message>
        <source>Points both camera addresses at 127.0.0.1 (for the camera simulator)
[KAVIMO_LOOPBACK=1]</source>
        <translation>Aponta os dois endereços de câmera para 127.0.0.1 (para o simulador de câmera)
[KAVIMO_LOOPBACK=1]</translation>
    </message>
    <message>
        <source>Shows kavimo without a camera: starts the camera simulator kavimo-camsim (next to kavimo, else on the PATH) on 127.0.0.1 as a stream camera (--demo) or a picture camera (--demo=picture) and points the camera link at it; the camera addresses and ports above are then unused.</source>
        <translation>Mostra o kavimo sem câmera: inicia o simulador de câmera kavimo-camsim (ao lado do kavimo ou, se não houver, no PATH) em 127.0.0.1 como câmera de vídeo (--demo) ou câmera de fotos (--demo=picture) e aponta a conexão com a câmera para ele; os endereços e portas de câmera acima deixam então de ser usados.</translation>
    </message>
    <message>
        <source>The settings file to read instead of %1
[KAVIMO_CONFIG]</source>
        <translation>Arquivo de configurações a ser lido em vez de %1
[KAVIMO_CONFIG]</translation>
    </message>
    <message>
        <source>Writes a picture of the screen.</source>
        <translation>Salva uma imagem da tela.</translation>
    </message>
    <message>
        <source>Milliseconds.</source>
        <translation>Milissegundos.</translation>
    </message>
    <message>
        <source>kavimo: oral image acquisition for WiFi intraoral cameras.
Every setting can also be given in the environment (KAVIMO_*) or in kavimo.ini;
the command line wins over the environment, which wins over the file.</source>
        <translation>kavimo: aquisição de imagens intraorais para câmeras intraorais WiFi.
Cada configuração também pode ser informada no ambiente (KAVIMO_*) ou no kavimo.ini;
a linha de comando prevalece sobre o ambiente, e este sobre o arquivo.</translation>
    </message>
    <message>
        <source>A VDDS-media transfer file the practice-management system wrote.</source>
        <translation>Arquivo de intercâmbio VDDS-media gravado pelo sistema de gestão da clínica.</translation>
    </message>
    <message>
        <source>Usage: kavimo [options] [transfer-file]</source>
        <translation>Uso: kavimo [opções] [transfer-file]</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>settings file &quot;%1&quot; does not exist</source>
        <translation>o arquivo de configurações &quot;%1&quot; não existe</translation>
    </message>
    <message>
        <source>--demo=%1: the demo camera is &quot;stream&quot; or &quot;picture&quot;</source>
        <translation>--demo=%1: a câmera de demonstração deve ser &quot;stream&quot; ou &quot;picture&quot;</translation>
    </message>
    <message>
        <source>a transfer file and --patient-id cannot be given together</source>
        <translation>um arquivo de intercâmbio e --patient-id não podem ser informados juntos</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot; (no such transfer file)</source>
        <translation>argumento inesperado &quot;%1&quot; (esse arquivo de intercâmbio não existe)</translation>
    </message>
    <message>
        <source>the patient options need --patient-id</source>
        <translation>as opções de paciente exigem --patient-id</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD)</source>
        <translation>a data de nascimento &quot;%1&quot; não é uma data (YYYYMMDD)</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, F, O, U, Male, Female, Other or Unknown</source>
        <translation>o sexo &quot;%1&quot; não é M, F, O, U, Male, Female, Other nem Unknown</translation>
    </message>
    <message>
        <source>the stream camera %1:%2 is the program&apos;s own command port; give the camera&apos;s port with --stream-command-port or another local port with --stream-local-port</source>
        <translation>a câmera de vídeo %1:%2 é a própria porta de comandos do programa; informe a porta da câmera com --stream-command-port ou outra porta local com --stream-local-port</translation>
    </message>
    <message>
        <source>the picture camera %1:%2 is the program&apos;s own reply port; give the camera&apos;s port with --picture-command-port or another local port with --picture-reply-port</source>
        <translation>a câmera de fotos %1:%2 é a própria porta de resposta do programa; informe a porta da câmera com --picture-command-port ou outra porta local com --picture-reply-port</translation>
    </message>
</context>
<context>
    <name>text</name>
    <message>
        <source>Could not find &quot;%1&quot;: %2</source>
        <translation>Não foi possível encontrar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Could not create &quot;%1&quot;: %2</source>
        <translation>Não foi possível criar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: %2</source>
        <translation>Não foi possível ler &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>Não foi possível gravar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Could not move &quot;%1&quot; to the trash: %2</source>
        <translation>Não foi possível mover &quot;%1&quot; para a lixeira: %2</translation>
    </message>
    <message>
        <source>Could not restore &quot;%1&quot;: %2</source>
        <translation>Não foi possível restaurar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;: %2</source>
        <translation>Não foi possível excluir &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>These patient records are incomplete and were left out of the patient list:%1</source>
        <translation>Estas fichas de pacientes estão incompletas e foram deixadas fora da lista de pacientes:%1</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but no files were deleted: its record names the directory &quot;%2&quot; instead of &quot;%3&quot;.</source>
        <translation>%1 foi removido da lista de pacientes, mas nenhum arquivo foi excluído: a ficha indica a pasta &quot;%2&quot; em vez de &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but &quot;%2&quot; could not be moved to the trash: %3</source>
        <translation>%1 foi removido da lista de pacientes, mas não foi possível mover &quot;%2&quot; para a lixeira: %3</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but &quot;%2&quot; was not deleted: it is not a plain directory.</source>
        <translation>%1 foi removido da lista de pacientes, mas &quot;%2&quot; não foi excluída: não é uma pasta comum.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; was not added: its path is longer than %2 bytes.</source>
        <translation>A imagem &quot;%1&quot; não foi adicionada: o caminho dela tem mais de %2 bytes.</translation>
    </message>
    <message>
        <source>These pictures were not added: their paths are longer than %1 bytes.%2</source>
        <translation>Estas imagens não foram adicionadas: os caminhos delas têm mais de %1 bytes.%2</translation>
    </message>
    <message>
        <source>%1 cannot be restored: the patient list is full.</source>
        <translation>Não é possível restaurar %1: a lista de pacientes está cheia.</translation>
    </message>
    <message>
        <source>%1 cannot be restored: a patient directory of that name exists.</source>
        <translation>Não é possível restaurar %1: já existe uma pasta de paciente com esse nome.</translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2</source>
        <translation>Não é possível restaurar %1: %2</translation>
    </message>
    <message>
        <source>Cannot create the work directory %1: %2</source>
        <translation>Não é possível criar a pasta de trabalho %1: %2</translation>
    </message>
    <message>
        <source>Cannot use the lock file %1: it is a symbolic link, which kavimo does not follow.</source>
        <translation>Não é possível usar o arquivo de bloqueio %1: é um link simbólico, e o kavimo não segue links simbólicos.</translation>
    </message>
    <message>
        <source>Cannot open the lock file %1: %2</source>
        <translation>Não é possível abrir o arquivo de bloqueio %1: %2</translation>
    </message>
    <message>
        <source>Cannot use the lock file %1: it is not a plain file.</source>
        <translation>Não é possível usar o arquivo de bloqueio %1: não é um arquivo comum.</translation>
    </message>
    <message>
        <source>The patient records in %1 are in use by kavimo on %2 (process %3).</source>
        <translation>As fichas de pacientes em %1 estão em uso pelo kavimo em %2 (processo %3).</translation>
    </message>
    <message>
        <source>The patient records in %1 are in use by kavimo on another computer or process.</source>
        <translation>As fichas de pacientes em %1 estão em uso pelo kavimo em outro computador ou processo.</translation>
    </message>
    <message>
        <source>Cannot lock the patient records in %1: %2</source>
        <translation>Não é possível bloquear as fichas de pacientes em %1: %2</translation>
    </message>
    <message>
        <source>the JPEG data is cut short or damaged (%1)</source>
        <translation>os dados JPEG estão incompletos ou danificados (%1)</translation>
    </message>
    <message>
        <source>not a readable JPEG picture: %1</source>
        <translation>não é uma imagem JPEG legível: %1</translation>
    </message>
    <message>
        <source>the picture does not decode to RGB</source>
        <translation>a imagem não é decodificada em RGB</translation>
    </message>
    <message>
        <source>cannot encode the picture as JPEG: %1</source>
        <translation>não é possível codificar a imagem como JPEG: %1</translation>
    </message>
    <message>
        <source>the archive&apos;s address is not set (AE title, host and port)</source>
        <translation>o endereço do arquivo não está configurado (título AE, host e porta)</translation>
    </message>
    <message>
        <source>the archive %1 refused the connection (check its AE title and that it accepts %2): %3</source>
        <translation>o arquivo %1 recusou a conexão (verifique o título AE dele e se ele aceita %2): %3</translation>
    </message>
    <message>
        <source>cannot reach the archive %1: %2 (it may ask for kavimo&apos;s own TLS certificate, and none is set)</source>
        <translation>não é possível acessar o arquivo %1: %2 (ele pode exigir o certificado TLS próprio do kavimo, e nenhum está configurado)</translation>
    </message>
    <message>
        <source>cannot reach the archive %1: %2</source>
        <translation>não é possível acessar o arquivo %1: %2</translation>
    </message>
    <message>
        <source>not connected to the archive</source>
        <translation>sem conexão com o arquivo</translation>
    </message>
    <message>
        <source>the archive did not answer the check: %1</source>
        <translation>o arquivo não respondeu à verificação: %1</translation>
    </message>
    <message>
        <source>the archive does not accept photographic pictures (VL Photographic Image Storage)</source>
        <translation>o arquivo não aceita imagens fotográficas (VL Photographic Image Storage)</translation>
    </message>
    <message>
        <source>the archive did not confirm the picture: %1</source>
        <translation>o arquivo não confirmou a imagem: %1</translation>
    </message>
    <message>
        <source>the archive refused the picture (%1)</source>
        <translation>o arquivo recusou a imagem (%1)</translation>
    </message>
    <message>
        <source>the archive stored the picture with a warning (%1)</source>
        <translation>o arquivo salvou a imagem com um aviso (%1)</translation>
    </message>
    <message>
        <source>the archive offers no worklist</source>
        <translation>o arquivo não oferece worklist</translation>
    </message>
    <message>
        <source>the archive did not finish answering within %1 s</source>
        <translation>o arquivo não terminou de responder em %1 s</translation>
    </message>
    <message>
        <source>the worklist query failed: %1</source>
        <translation>a consulta da worklist falhou: %1</translation>
    </message>
    <message>
        <source>the picture claims %1 × %2 pixels, more than kavimo opens</source>
        <translation>a imagem declara %1 × %2 pixels, mais do que o kavimo abre</translation>
    </message>
    <message numerus="yes">
        <source>the patient list is full: at most %n patients can be kept</source>
        <translation>
            <numerusform>a lista de pacientes está cheia: no máximo %n paciente pode ser mantido</numerusform>
            <numerusform>a lista de pacientes está cheia: no máximo %n pacientes podem ser mantidos</numerusform>
        </translation>
    </message>
    <message>
        <source>the computer&apos;s clock is behind the newest patient&apos;s creation time</source>
        <translation>o relógio do computador está atrasado em relação à hora de criação do paciente mais recente</translation>
    </message>
    <message>
        <source>the patient could not be stored in the work directory</source>
        <translation>não foi possível salvar o paciente na pasta de trabalho</translation>
    </message>
    <message>
        <source>the patient&apos;s details could not be written: %1</source>
        <translation>não foi possível gravar os dados do paciente: %1</translation>
    </message>
    <message>
        <source>the patient could not be selected</source>
        <translation>não foi possível selecionar o paciente</translation>
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
        <translation>uso: kavimo-camsim --stream|--picture [opções]

Simula uma câmera do sistema kavimo na interface de loopback. Todo endereço deve estar em 127.0.0.0/8.

  --stream               a câmera de vídeo: respostas de identificação, sinais de vida, teclas, vídeo H.264
  --picture              a câmera de fotos: respostas de identificação, canal TCP de imagens
  --bind IP              endereço local de todos os sockets (padrão: 127.0.0.1)
  --app IP               o endereço do aplicativo (padrão: 127.0.0.1)
  --cmd-port N           a porta UDP de comandos da câmera (padrão: 0, escolhida pelo kernel)
  --app-port N           a porta de comandos do aplicativo (stream, padrão: 7777) ou a porta de
                         respostas (picture, padrão: 5000); 0: não envia nada até que o comando
                         &quot;app-port N&quot; a informe
  --video-port N         a porta de vídeo do aplicativo (padrão: 8888); 0: não envia vídeo até que
                         &quot;video-port N&quot; a informe
  --tcp-port N           a porta TCP do canal de imagens (padrão: 0, escolhida pelo kernel)
  --name TEXT            o nome da câmera na resposta de identificação (no máximo 32 bytes)
  --value N              o primeiro argumento da resposta de identificação (padrão: 1)
  --size WxH             tamanho da imagem (padrão: 640x480)
  --fps N                quadros de vídeo por segundo (padrão: 25)
  --gop N                quadros de um quadro-chave ao seguinte (padrão: 25)
  --bitrate KBPS         taxa de bits do vídeo (padrão: 1500)
  --fragment-size N      bytes de dados por fragmento, um fragmento por datagrama (padrão: 1400)
  --attribute N          código de atributo de vídeo de cada quadro (padrão: 0)
  --input FILE.h264      envia as imagens deste arquivo Annex B (em loop) em vez da imagem de teste
  --loss N               descarta um a cada N fragmentos (padrão: 0, nenhum)
  --heartbeat-ms N       intervalo dos sinais de vida (padrão: 500; 0: nenhum)
  --no-heartbeat         inicia com os sinais de vida parados
  --no-video             inicia com o vídeo parado
  --no-identify          não responde à identificação
  --preview-fps N        imagens de pré-visualização por segundo (padrão: 10)
  --quality N            qualidade JPEG das pré-visualizações (padrão: 80)
  --drop-after N         derruba cada conexão TCP após N imagens
  --at SECONDS:COMMAND   executa um comando decorrido um tempo após o início (pode ser repetido)
  --exit-on-stdin-eof    termina quando a entrada padrão é fechada
  --duration SECONDS     termina após esse tempo
  -h, --help             este texto
  --version              a versão do kavimo à qual este programa pertence

Comandos (entrada padrão, um por linha, ou --at):
  key N                  câmera de vídeo: envia a tecla N da câmera (81..85); câmera de fotos: captura
  capture                câmera de fotos: envia uma imagem capturada
  heartbeat on|off       inicia ou para os sinais de vida
  video on|off           inicia ou para o vídeo
  identify on|off        responde ou não à identificação
  drop                   câmera de fotos: fecha a conexão TCP
  oversize               câmera de fotos: envia uma mensagem de pré-visualização com mais de 1048576 bytes
  loss N                 descarta um a cada N fragmentos a partir de agora (0: nenhum)
  loss-rate N            descarta fragmentos ao acaso, N por mil, a partir de agora (0: nenhum)
  send CODE [A1 [A2]]    envia ao aplicativo um datagrama de comando com esses valores
  app-port N             envia respostas, sinais de vida e teclas a esta porta a partir de agora
  video-port N           envia o vídeo a esta porta a partir de agora
  quit                   termina

Saída padrão: uma linha &quot;camsim ready mode=... cmd_port=... ...&quot; assim que todos os sockets estão vinculados,
depois linhas &quot;camsim event ...&quot;; &quot;camsim bye&quot; no final. Os erros vão para a saída de erro padrão.
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
        <translation>uso: kavimo-play [opções] [FILE.h264]
Reproduz um fluxo elementar H.264 ou, se nenhum arquivo for informado, uma imagem de teste gerada.
  --size WxH            tamanho da imagem de teste gerada (padrão: 1280x720)
  --fps N               taxa de quadros do fluxo (padrão: 25)
  --mode 0|1            modo de renderização: 0 camada de superfície (padrão), 1 SDL
  --overlay             desenha o texto das estatísticas sobre o vídeo
  --frames N            para após N quadros
  --seconds S           para após S segundos
  --loop                reinicia um arquivo quando ele chega ao fim
  --window WxH          tamanho da janela (padrão: o tamanho da imagem de teste; 960x540 para um arquivo)
  --no-pacing           mostra os quadros tão rápido quanto puderem ser desenhados (sem ritmo, entregues de uma vez)
  --shot FILE.bmp       ao final, grava o último quadro exibido (TEGMO_PLAY_VideoShotLast)
  --window-shot FILE.bmp  ao final, grava o que a janela mostra
  --record FILE.h264    também grava os quadros reproduzidos em um arquivo de fluxo elementar
  -h, --help            este texto
  --version             a versão do kavimo à qual este programa pertence
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

Consulta as fichas de pacientes do kavimo sem alterá-las; tag grava os dentes e a vista de uma
imagem ao lado das fichas.

Comandos:
  list        todos os pacientes: número, UID, nome, sexo, idade, telefone, diagnósticos, imagens
  show UID    a ficha de um paciente, diagnósticos e imagens com seus dentes e vistas
              (UID20170801102233 ou só os dígitos)
  tag UID PICTURE [--teeth 11,21] [--view VIEW]
              define os dentes (números FDI; vazio: nenhum) e a vista de uma imagem; PICTURE é a
              imagem como show a indica (seu número, caminho ou nome de arquivo); VIEW é frontal,
              left-buccal, right-buccal, upper-occlusal, lower-occlusal, close-up ou other
              (vazio: nenhuma). Recusado enquanto o kavimo estiver com a pasta de trabalho aberta
  check       compara as contagens de cada paciente com seus arquivos de lista e de imagem, verifica
              se cada imagem contém um JPEG e procura backups ausentes e arquivos avulsos;
              código de saída 1 em caso de problema
  export-dicom UID DIR [--pacs-issuer TEXT]
              grava todas as imagens do paciente em DIR/DICOM/ com um DICOMDIR
  send-dicom UID --pacs AET@HOST:PORT [--calling-aet AET] [--pacs-issuer TEXT] [opções TLS]
              envia todas as imagens do paciente ao arquivo, uma linha por imagem
              (estes dois gravam a identidade da instalação, Installation.txt na pasta de
              trabalho, se ainda não existir: todo UID que eles criam a contém)
  worklist --pacs AET@HOST:PORT [--calling-aet AET] [opções TLS] [--date YYYYMMDD]
              os pacientes que a worklist agenda para o dia (por padrão, hoje)
  audit [--since YYYYMMDD]
              a trilha de auditoria: quem capturou, salvou, excluiu, exportou ou enviou o quê, e
              quando, um evento por linha (a partir do dia informado)

Opções:
  --drive-d DIR   pasta do computador que representa a unidade d: (padrão: $KAVIMO_DRIVE_D,
                  senão paths/drive_d do kavimo.ini ($KAVIMO_CONFIG, senão
                  ~/.config/kavimo/kavimo.ini), senão $XDG_DATA_HOME/kavimo/d, ou seja,
                  ~/.local/share/kavimo/d; sem HOME, deve ser informada)
  --data-group GROUP  o grupo que compartilha as fichas: o que este programa grava recebe
                  o modo 0660 (pastas 0770) e o grupo (padrão: $KAVIMO_DATA_GROUP,
                  senão paths/data_group do kavimo.ini, senão nenhum: 0600 e 0700)
  --pacs AET@HOST:PORT  o arquivo: seu título AE, host e porta DICOM
  --calling-aet AET     o título AE próprio do kavimo (padrão: KAVIMO)
  --pacs-issuer TEXT    emissor (Issuer of Patient ID) dos IDs de paciente próprios do kavimo (padrão:
                        $KAVIMO_PACS_ISSUER, senão KAVIMO- e 8 dígitos hexadecimais da
                        identidade da instalação)
  --pacs-tls on|off     comunica-se com o arquivo via TLS (padrão: off, TCP simples)
  --pacs-tls-ca FILE    os certificados de CA (PEM) dos quais o certificado do arquivo deve derivar;
                        o certificado também deve indicar o host do arquivo
  --pacs-tls-cert FILE  o certificado próprio do kavimo (PEM), para arquivos que o exigem
  --pacs-tls-key FILE   a chave privada não criptografada (PEM) desse certificado
  --date YYYYMMDD       o dia da worklist
  --since YYYYMMDD      o primeiro dia da trilha de auditoria
  --teeth LIST          tag: os dentes da imagem, números FDI como 11,21
  --view VIEW           tag: a vista da imagem
  -h, --help      este texto
  --version       a versão do kavimo à qual este programa pertence

Código de saída: 0 tudo certo; 1 problemas encontrados, paciente ou imagem inexistente, pasta de
trabalho em uso, ou imagem ou arquivo não gravado ou não salvo; 2 uso incorreto ou sem pasta de trabalho.
</translation>
    </message>
    <message>
        <source>not a UID: %1</source>
        <translation>não é um UID: %1</translation>
    </message>
    <message>
        <source>tag needs --teeth or --view</source>
        <translation>tag requer --teeth ou --view</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nenhum comando informado</translation>
    </message>
    <message>
        <source>--teeth and --view apply to tag only</source>
        <translation>--teeth e --view valem apenas para tag</translation>
    </message>
    <message>
        <source>--pacs, --calling-aet and the TLS options do not apply to %1</source>
        <translation>--pacs, --calling-aet e as opções TLS não valem para %1</translation>
    </message>
    <message>
        <source>--pacs-tls-ca, --pacs-tls-cert and --pacs-tls-key need --pacs-tls on</source>
        <translation>--pacs-tls-ca, --pacs-tls-cert e --pacs-tls-key requerem --pacs-tls on</translation>
    </message>
    <message>
        <source>--pacs-issuer does not apply to %1</source>
        <translation>--pacs-issuer não vale para %1</translation>
    </message>
    <message>
        <source>--pacs-issuer needs 1 to 64 characters without a backslash</source>
        <translation>--pacs-issuer requer de 1 a 64 caracteres, sem barra invertida</translation>
    </message>
    <message>
        <source>--since applies to audit only</source>
        <translation>--since vale apenas para audit</translation>
    </message>
    <message>
        <source>--since needs YYYYMMDD</source>
        <translation>--since requer uma data YYYYMMDD</translation>
    </message>
    <message>
        <source>--date applies to worklist only</source>
        <translation>--date vale apenas para worklist</translation>
    </message>
    <message>
        <source>--date needs YYYYMMDD</source>
        <translation>--date requer uma data YYYYMMDD</translation>
    </message>
    <message>
        <source>%1 needs --pacs AET@HOST:PORT</source>
        <translation>%1 requer --pacs AET@HOST:PORT</translation>
    </message>
    <message>
        <source>wrong arguments for %1</source>
        <translation>argumentos incorretos para %1</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>comando desconhecido: %1</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <extracomment>%1 is the audit trail&apos;s file</extracomment>
        <translation>%1: não é um arquivo comum</translation>
    </message>
    <message>
        <source>%1: the line was written only in part (the disk may be full)</source>
        <translation>%1: a linha foi gravada só em parte (o disco pode estar cheio)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <extracomment>%1 is the audit trail&apos;s file</extracomment>
        <translation>%1: não pode ser lido</translation>
    </message>
    <message>
        <source>line %1: no &quot;=&quot;</source>
        <extracomment>%1 is a line number of a &quot;Key=value&quot; file</extracomment>
        <translation>linha %1: sem &quot;=&quot;</translation>
    </message>
    <message>
        <source>line %1: %2 given twice</source>
        <extracomment>%1 is a line number, %2 a key of a &quot;Key=value&quot; file</extracomment>
        <translation>linha %1: a chave %2 aparece duas vezes</translation>
    </message>
    <message>
        <source>line %1: %2 is not UTF-8 text</source>
        <extracomment>%1 is a line number, %2 a key of a &quot;Key=value&quot; file</extracomment>
        <translation>linha %1: o valor de %2 não é texto UTF-8</translation>
    </message>
    <message>
        <source>%1 is not a YYYYMMDD date</source>
        <extracomment>%1 is a key of a &quot;Key=value&quot; file (&quot;BirthDate&quot;, &quot;Date&quot;)</extracomment>
        <translation>%1 não é uma data YYYYMMDD</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file name, %2 the system&apos;s reason</extracomment>
        <translation>não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>line %1: unknown key &quot;%2&quot;</source>
        <extracomment>%1 is a line number, %2 a key of the patient&apos;s details file</extracomment>
        <translation>linha %1: chave desconhecida &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 is not one of M, F, O, U</source>
        <extracomment>%1 is the key of the sex in the patient&apos;s details file (&quot;Sex&quot;)</extracomment>
        <translation>%1 não é M, F, O nem U</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message numerus="yes">
        <source>larger than %n bytes</source>
        <translation>
            <numerusform>maior que %n byte</numerusform>
            <numerusform>maior que %n bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cannot be read, or larger than %n bytes</source>
        <translation>
            <numerusform>não pode ser lido ou é maior que %n byte</numerusform>
            <numerusform>não pode ser lido ou é maior que %n bytes</numerusform>
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
        <translation>Vestibular esquerda</translation>
    </message>
    <message>
        <source>Right buccal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Vestibular direita</translation>
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
        <translation>Close-up</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>view</comment>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Outra</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an FDI tooth number (11-48, 51-85)</source>
        <translation>&quot;%1&quot; não é um número de dente FDI (11-48, 51-85)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>não pode ser lido: %1</translation>
    </message>
    <message>
        <source>the first line is not &quot;%1&quot;</source>
        <translation>a primeira linha não é &quot;%1&quot;</translation>
    </message>
    <message>
        <source>not three tab-separated fields</source>
        <translation>não são três campos separados por tabulação</translation>
    </message>
    <message>
        <source>not a picture&apos;s file name</source>
        <translation>não é um nome de arquivo de imagem</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <extracomment>%1 is the file name of a picture</extracomment>
        <translation>%1 aparece duas vezes</translation>
    </message>
    <message>
        <source>the teeth are not in ascending order, separated by commas</source>
        <translation>os dentes não estão em ordem crescente, separados por vírgulas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a view</source>
        <translation>&quot;%1&quot; não é uma vista</translation>
    </message>
    <message>
        <source>neither teeth nor a view</source>
        <translation>nem dentes nem vista</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line number of the teeth file, %2 what is wrong with that line</extracomment>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <extracomment>%1 is a file name, %2 the system&apos;s reason</extracomment>
        <translation>não é possível remover %1: %2</translation>
    </message>
    <message>
        <source>%1 is damaged (%2); it is left as it is</source>
        <extracomment>%1 is the teeth file&apos;s name, %2 what is wrong with it</extracomment>
        <translation>%1 está danificado (%2); foi mantido como está</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be tagged</source>
        <translation>não é possível marcar &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the index cannot be read</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>o índice da lixeira não pode ser lido</translation>
    </message>
    <message>
        <source>the index does not begin with &quot;%1&quot;</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>o índice da lixeira não começa com &quot;%1&quot;</translation>
    </message>
    <message>
        <source>line %1 of the index cannot be read</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>a linha %1 do índice da lixeira não pode ser lida</translation>
    </message>
    <message>
        <source>entry %1 (%2) has no folder</source>
        <extracomment>%1 is the name of an entry of the trash, %2 the patient or picture it holds</extracomment>
        <translation>a entrada %1 (%2) da lixeira não tem pasta</translation>
    </message>
    <message>
        <source>cannot create the folder %1: something else has its name</source>
        <translation>não é possível criar a pasta %1: já existe outro item com esse nome</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>não é possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>cannot create a temporary folder in %1: %2</source>
        <translation>não é possível criar uma pasta temporária em %1: %2</translation>
    </message>
    <message>
        <source>no free file name for the picture in %1</source>
        <translation>não há nome de arquivo livre para a imagem em %1</translation>
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
        <translation>não há imagem para listar no DICOMDIR</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <extracomment>%2 the system&apos;s reason</extracomment>
        <translation>não é possível criar %1: %2</translation>
    </message>
    <message>
        <source>%1 is damaged: it does not hold this installation&apos;s identity. Restore it from a backup; remove it only to give this installation a new identity (pictures sent before then get new UIDs when they are sent again)</source>
        <translation>%1 está danificado: não contém a identidade desta instalação. Restaure-o de um backup; remova-o apenas para dar uma nova identidade a esta instalação (as imagens enviadas antes disso recebem novos UIDs quando forem enviadas de novo)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>cannot write the outbox %1: %2</source>
        <translation>não é possível gravar a fila de envio %1: %2</translation>
    </message>
    <message>
        <source>cannot read the outbox %1: %2</source>
        <translation>não é possível ler a fila de envio %1: %2</translation>
    </message>
    <message>
        <source>the sending failed: %1</source>
        <translation>o envio falhou: %1</translation>
    </message>
    <message numerus="yes">
        <source>refused %n times: %1</source>
        <translation>
            <numerusform>recusada %n vez: %1</numerusform>
            <numerusform>recusada %n vezes: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>warning</source>
        <translation>aviso</translation>
    </message>
    <message>
        <source>attribute list error</source>
        <translation>erro na lista de atributos</translation>
    </message>
    <message>
        <source>attribute value out of range</source>
        <translation>valor de atributo fora do intervalo</translation>
    </message>
    <message>
        <source>processing failure</source>
        <translation>falha no processamento</translation>
    </message>
    <message>
        <source>SOP class not supported</source>
        <translation>classe SOP não suportada</translation>
    </message>
    <message>
        <source>not authorised</source>
        <translation>não autorizado</translation>
    </message>
    <message>
        <source>coercion of data elements</source>
        <translation>elementos de dados alterados pelo arquivo</translation>
    </message>
    <message>
        <source>elements discarded</source>
        <translation>elementos descartados</translation>
    </message>
    <message>
        <source>data set does not match SOP class</source>
        <translation>o conjunto de dados não corresponde à classe SOP</translation>
    </message>
    <message>
        <source>cannot understand</source>
        <translation>não foi possível interpretar</translation>
    </message>
    <message>
        <source>out of resources</source>
        <translation>recursos esgotados</translation>
    </message>
    <message>
        <source>status %1</source>
        <extracomment>%1 is a DICOM status number (0xA700)</extracomment>
        <translation>status %1</translation>
    </message>
    <message>
        <source>status %1: %2</source>
        <extracomment>%1 is a DICOM status number (0xA700), %2 what it means (&quot;out of resources&quot;)</extracomment>
        <translation>status %1: %2</translation>
    </message>
    <message>
        <source>TLS cannot be set up: %1</source>
        <translation>não é possível configurar o TLS: %1</translation>
    </message>
    <message>
        <source>TLS is on, but no CA certificate file is set to check the archive&apos;s certificate with</source>
        <translation>o TLS está ativado, mas nenhum arquivo de certificados de CA foi configurado para verificar o certificado do arquivo (PACS)</translation>
    </message>
    <message>
        <source>cannot read the CA certificate file %1: %2</source>
        <translation>não é possível ler o arquivo de certificados de CA %1: %2</translation>
    </message>
    <message>
        <source>the CA certificate file %1 holds no PEM certificate: %2</source>
        <translation>o arquivo de certificados de CA %1 não contém certificado PEM: %2</translation>
    </message>
    <message>
        <source>kavimo&apos;s TLS key file is set without its certificate file</source>
        <translation>o arquivo de chave TLS do kavimo está configurado sem o arquivo de certificado</translation>
    </message>
    <message>
        <source>kavimo&apos;s TLS certificate file is set without its key file</source>
        <translation>o arquivo de certificado TLS do kavimo está configurado sem o arquivo de chave</translation>
    </message>
    <message>
        <source>cannot read kavimo&apos;s certificate file %1: %2</source>
        <translation>não é possível ler o arquivo de certificado do kavimo %1: %2</translation>
    </message>
    <message>
        <source>cannot read kavimo&apos;s key file %1: %2</source>
        <translation>não é possível ler o arquivo de chave do kavimo %1: %2</translation>
    </message>
    <message>
        <source>kavimo&apos;s certificate file %1 holds no PEM certificate: %2</source>
        <translation>o arquivo de certificado do kavimo %1 não contém certificado PEM: %2</translation>
    </message>
    <message>
        <source>kavimo&apos;s key file %1 holds no unencrypted PEM private key</source>
        <translation>o arquivo de chave do kavimo %1 não contém uma chave privada PEM não criptografada</translation>
    </message>
    <message>
        <source>kavimo&apos;s key file %1 does not belong to the certificate %2</source>
        <translation>o arquivo de chave do kavimo %1 não corresponde ao certificado %2</translation>
    </message>
    <message>
        <source>the archive&apos;s certificate is not trusted: %1 (it is not made out to %2)</source>
        <extracomment>%1 is OpenSSL&apos;s reason, %2 the archive&apos;s host name or address</extracomment>
        <translation>o certificado do arquivo (PACS) não é confiável: %1 (não foi emitido para %2)</translation>
    </message>
    <message>
        <source>the archive&apos;s certificate is not trusted: %1</source>
        <extracomment>%1 is OpenSSL&apos;s reason</extracomment>
        <translation>o certificado do arquivo (PACS) não é confiável: %1</translation>
    </message>
    <message>
        <source>the archive %1 did not finish the TLS handshake in time</source>
        <translation>o arquivo %1 não concluiu o handshake TLS a tempo</translation>
    </message>
    <message>
        <source>the TLS handshake with the archive %1 failed: %2</source>
        <translation>o handshake TLS com o arquivo %1 falhou: %2</translation>
    </message>
    <message>
        <source>an entry without Patient ID</source>
        <translation>uma entrada sem ID do paciente</translation>
    </message>
    <message>
        <source>patient &quot;%1&quot;</source>
        <translation>paciente &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1: %2 left out (%3)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a field of it, %3 what is wrong with the value</extracomment>
        <translation>%1: campo &quot;%2&quot; omitido (%3)</translation>
    </message>
    <message>
        <source>%1: %2 shortened or cleaned (%3)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a field of it, %3 what is wrong with the value</extracomment>
        <translation>%1: campo &quot;%2&quot; encurtado ou limpo (%3)</translation>
    </message>
    <message>
        <source>%1: its texts cannot be read in the character set &quot;%2&quot; (%3); what is not UTF-8 is shown as %4</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a character set, %3 the converter&apos;s reason, %4 the replacement character</extracomment>
        <translation>%1: os textos não podem ser lidos no conjunto de caracteres &quot;%2&quot; (%3); o que não é UTF-8 aparece como %4</translation>
    </message>
    <message>
        <source>%1: left out, its Patient ID is unusable (%2)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 what is wrong with its Patient ID</extracomment>
        <translation>%1: entrada omitida, o ID do paciente é inutilizável (%2)</translation>
    </message>
    <message>
        <source>%1: left out, its Issuer of Patient ID is unusable (%2)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 what is wrong with its Issuer of Patient ID</extracomment>
        <translation>%1: entrada omitida, o emissor do ID do paciente (Issuer of Patient ID) é inutilizável (%2)</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>nome</translation>
    </message>
    <message>
        <source>birth date</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>data de nascimento</translation>
    </message>
    <message>
        <source>sex</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>sexo</translation>
    </message>
    <message>
        <source>%1: sex left out (not F, M or O)</source>
        <extracomment>%1 names the worklist entry&apos;s patient</extracomment>
        <translation>%1: campo &quot;sexo&quot; omitido (não é F, M nem O)</translation>
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
        <translation>médico solicitante</translation>
    </message>
    <message>
        <source>scheduled date</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>data agendada</translation>
    </message>
    <message>
        <source>scheduled time</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>hora agendada</translation>
    </message>
    <message>
        <source>modality</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>modalidade</translation>
    </message>
    <message>
        <source>station</source>
        <extracomment>a field of a worklist entry (the AE title of the station it is scheduled on)</extracomment>
        <translation>estação</translation>
    </message>
    <message>
        <source>step description</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>descrição da etapa</translation>
    </message>
    <message>
        <source>step ID</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>ID da etapa</translation>
    </message>
    <message>
        <source>no patient %1</source>
        <translation>paciente %1 não encontrado</translation>
    </message>
    <message>
        <source>refused %1: it is a link to %2, outside the work directory</source>
        <translation>%1 recusado: é um link para %2, fora da pasta de trabalho</translation>
    </message>
    <message>
        <source>refused %1: not a regular file</source>
        <translation>%1 recusado: não é um arquivo comum</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>não é possível abrir %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>não é possível ler %1</translation>
    </message>
    <message>
        <source>the picture is too large for an object</source>
        <translation>a imagem é grande demais para um objeto DICOM</translation>
    </message>
    <message>
        <source>no installation identity to make the object&apos;s UIDs with</source>
        <translation>não há identidade da instalação para gerar os UIDs do objeto</translation>
    </message>
    <message>
        <source>the order&apos;s Study Instance UID: %1</source>
        <translation>Study Instance UID do pedido: %1</translation>
    </message>
    <message>
        <source>Patient ID: %1</source>
        <translation>ID do paciente: %1</translation>
    </message>
    <message>
        <source>Issuer of Patient ID: %1</source>
        <translation>Emissor do ID do paciente (Issuer of Patient ID): %1</translation>
    </message>
    <message>
        <source>Accession Number: %1</source>
        <translation>Accession Number: %1</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>memória insuficiente para a imagem</translation>
    </message>
    <message>
        <source>the object holds no JPEG data</source>
        <translation>o objeto não contém dados JPEG</translation>
    </message>
    <message>
        <source>the object holds no RGB pixels</source>
        <translation>o objeto não contém pixels RGB</translation>
    </message>
    <message>
        <source>cannot make the picture uncompressed: %1</source>
        <translation>não é possível descompactar a imagem: %1</translation>
    </message>
    <message>
        <source>cannot make the picture JPEG: %1</source>
        <translation>não é possível converter a imagem em JPEG: %1</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>não é texto UTF-8</translation>
    </message>
    <message>
        <source>contains a backslash</source>
        <translation>contém uma barra invertida</translation>
    </message>
    <message>
        <source>contains a control character</source>
        <translation>contém um caractere de controle</translation>
    </message>
    <message numerus="yes">
        <source>longer than %n characters</source>
        <translation>
            <numerusform>com mais de %n caractere</numerusform>
            <numerusform>com mais de %n caracteres</numerusform>
        </translation>
    </message>
    <message>
        <source>more than three name groups</source>
        <translation>mais de três grupos de nome</translation>
    </message>
    <message numerus="yes">
        <source>a name group longer than %n characters</source>
        <translation>
            <numerusform>um grupo de nome com mais de %n caractere</numerusform>
            <numerusform>um grupo de nome com mais de %n caracteres</numerusform>
        </translation>
    </message>
    <message>
        <source>more than five name components</source>
        <translation>mais de cinco componentes de nome</translation>
    </message>
    <message>
        <source>not a person name</source>
        <translation>não é um nome de pessoa</translation>
    </message>
    <message>
        <source>not an AE title</source>
        <translation>não é um título AE</translation>
    </message>
    <message>
        <source>not a code string</source>
        <translation>não é uma string de código</translation>
    </message>
    <message>
        <source>not a date</source>
        <translation>não é uma data</translation>
    </message>
    <message>
        <source>not a time</source>
        <translation>não é uma hora</translation>
    </message>
    <message>
        <source>not a UID</source>
        <translation>não é um UID</translation>
    </message>
    <message>
        <source>an unknown VR</source>
        <translation>um VR desconhecido</translation>
    </message>
    <message>
        <source>the patient ID holds a control character or is not UTF-8 text</source>
        <translation>o ID do paciente contém um caractere de controle ou não é texto UTF-8</translation>
    </message>
    <message>
        <source>the last name holds a control character or is not UTF-8 text</source>
        <translation>o sobrenome contém um caractere de controle ou não é texto UTF-8</translation>
    </message>
    <message>
        <source>the first name holds a control character or is not UTF-8 text</source>
        <translation>o nome contém um caractere de controle ou não é texto UTF-8</translation>
    </message>
    <message>
        <source>the phone holds a control character or is not UTF-8 text</source>
        <translation>o telefone contém um caractere de controle ou não é texto UTF-8</translation>
    </message>
    <message numerus="yes">
        <source>the patient ID is longer than %n characters</source>
        <translation>
            <numerusform>o ID do paciente tem mais de %n caractere</numerusform>
            <numerusform>o ID do paciente tem mais de %n caracteres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the last name is longer than %n characters</source>
        <translation>
            <numerusform>o sobrenome tem mais de %n caractere</numerusform>
            <numerusform>o sobrenome tem mais de %n caracteres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the first name is longer than %n characters</source>
        <translation>
            <numerusform>o nome tem mais de %n caractere</numerusform>
            <numerusform>o nome tem mais de %n caracteres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the phone is longer than %n characters</source>
        <translation>
            <numerusform>o telefone tem mais de %n caractere</numerusform>
            <numerusform>o telefone tem mais de %n caracteres</numerusform>
        </translation>
    </message>
    <message>
        <source>the patient ID is missing</source>
        <translation>falta o ID do paciente</translation>
    </message>
    <message>
        <source>the patient ID &quot;%1&quot; holds a path character (&apos;/&apos; or &apos;\&apos;)</source>
        <translation>o ID do paciente &quot;%1&quot; contém um caractere de caminho (&apos;/&apos; ou &apos;\&apos;)</translation>
    </message>
    <message>
        <source>the last name is missing</source>
        <translation>falta o sobrenome</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD)</source>
        <translation>a data de nascimento &quot;%1&quot; não é uma data (YYYYMMDD)</translation>
    </message>
    <message>
        <source>the birth date %1 lies in the future</source>
        <translation>a data de nascimento %1 está no futuro</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, F, O or U</source>
        <translation>o sexo &quot;%1&quot; não é M, F, O nem U</translation>
    </message>
    <message>
        <source>the message is too long</source>
        <translation>a mensagem é longa demais</translation>
    </message>
    <message>
        <source>the message does not start with &quot;%1&quot;</source>
        <translation>a mensagem não começa com &quot;%1&quot;</translation>
    </message>
    <message>
        <source>text follows the end line</source>
        <translation>há texto após a linha final</translation>
    </message>
    <message>
        <source>the message holds no PatientID</source>
        <translation>a mensagem não contém PatientID</translation>
    </message>
    <message>
        <source>line %1 holds no &apos;=&apos;</source>
        <translation>a linha %1 não contém &apos;=&apos;</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is repeated</source>
        <translation>a chave &quot;%1&quot; está repetida</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the name of a picture</source>
        <translation>&quot;%1&quot; não é o nome de uma imagem</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>chave desconhecida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the message has no end line</source>
        <translation>a mensagem não tem a linha final</translation>
    </message>
    <message numerus="yes">
        <source>the file is larger than %n KiB</source>
        <translation>
            <numerusform>o arquivo tem mais de %n KiB</numerusform>
            <numerusform>o arquivo tem mais de %n KiB</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is UTF-8 text, not ISO-8859-1</source>
        <translation>o arquivo é texto UTF-8, não ISO-8859-1</translation>
    </message>
    <message>
        <source>the file is not ISO-8859-1 text (byte %1 at offset %2)</source>
        <translation>o arquivo não é texto ISO-8859-1 (byte %1 na posição %2)</translation>
    </message>
    <message>
        <source>the transfer file has no [PATIENT] section</source>
        <translation>o arquivo de intercâmbio não tem a seção [PATIENT]</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD or DD.MM.YYYY)</source>
        <translation>a data de nascimento &quot;%1&quot; não é uma data (YYYYMMDD ou DD.MM.YYYY)</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, W, D or U</source>
        <translation>o sexo &quot;%1&quot; não é M, W, D nem U</translation>
    </message>
    <message>
        <source>[MMOS] COUNT &quot;%1&quot; is not a number of pictures</source>
        <translation>[MMOS] COUNT &quot;%1&quot; não é um número de imagens</translation>
    </message>
    <message>
        <source>[%1] MMOID &quot;%2&quot; is not a picture of kavimo&apos;s</source>
        <extracomment>%1 is a section of the transfer file (&quot;MMO1&quot;), %2 the picture name given there</extracomment>
        <translation>[%1] MMOID &quot;%2&quot; não é uma imagem do kavimo</translation>
    </message>
    <message>
        <source>[MMOPATH] PATH &quot;%1&quot; is not an absolute folder path</source>
        <translation>[MMOPATH] PATH &quot;%1&quot; não é um caminho absoluto de pasta</translation>
    </message>
    <message>
        <source>the export names no pictures ([MMOS] COUNT)</source>
        <translation>a exportação não indica nenhuma imagem ([MMOS] COUNT)</translation>
    </message>
    <message>
        <source>the export folder %1 does not exist</source>
        <translation>a pasta de exportação %1 não existe</translation>
    </message>
    <message>
        <source>the picture %1 is not one of the patient&apos;s</source>
        <translation>a imagem %1 não é do paciente</translation>
    </message>
    <message>
        <source>cannot read the picture %1</source>
        <translation>não é possível ler a imagem %1</translation>
    </message>
    <message>
        <source>the data group &quot;%1&quot; does not exist</source>
        <translation>o grupo de compartilhamento &quot;%1&quot; não existe</translation>
    </message>
    <message>
        <source>this account is not a member of the data group &quot;%1&quot;</source>
        <translation>esta conta não é membro do grupo de compartilhamento &quot;%1&quot;</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no folder of this account&apos;s own for the records; give the d: drive&apos;s folder with --drive-d or KAVIMO_DRIVE_D</source>
        <translation>HOME não está definido, portanto esta conta não tem pasta própria para as fichas; informe a pasta da unidade d: com --drive-d ou KAVIMO_DRIVE_D</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>the outcome of an event of the audit trail; keep it at most 7 characters</extracomment>
        <translation>ok</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>FALHOU</translation>
    </message>
    <message>
        <source>Audit trail %1 (%2)</source>
        <translation>Trilha de auditoria %1 (%2)</translation>
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
        <translation>1 evento desde %1</translation>
    </message>
    <message numerus="yes">
        <source>%n events since %1</source>
        <translation>
            <numerusform>%n evento desde %1</numerusform>
            <numerusform>%n eventos desde %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; 1 line skipped, not a whole event</source>
        <extracomment>%1 the events shown, such as &quot;2 events since 20240305&quot;</extracomment>
        <translation>%1; 1 linha ignorada, não é um evento completo</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n lines skipped, not a whole event</source>
        <translation>
            <numerusform>%1; %n linha ignorada, não é um evento completo</numerusform>
            <numerusform>%1; %n linhas ignoradas, não são eventos completos</numerusform>
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
        <translation>aviso: %1: %2</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: the file cannot be read</source>
        <translation>imagem %1 &quot;%2&quot;: o arquivo não pode ser lido</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (content: %3)</source>
        <extracomment>%3 the name of a picture format, such as PNG</extracomment>
        <translation>imagem %1 &quot;%2&quot;: não é uma imagem JPEG (conteúdo: %3)</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (the file is empty)</source>
        <translation>imagem %1 &quot;%2&quot;: não é uma imagem JPEG (o arquivo está vazio)</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (unknown content)</source>
        <translation>imagem %1 &quot;%2&quot;: não é uma imagem JPEG (conteúdo desconhecido)</translation>
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
        <translation>ausente, mas a ficha conta 1 registro</translation>
    </message>
    <message numerus="yes">
        <source>missing, but the record counts %n records</source>
        <translation>
            <numerusform>ausente, mas a ficha conta %n registro</numerusform>
            <numerusform>ausente, mas a ficha conta %n registros</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (created empty when the patient is selected)</source>
        <translation>ausente (é criado vazio quando o paciente é selecionado)</translation>
    </message>
    <message>
        <source>%1 bytes is not a whole number of %2-byte records</source>
        <translation>%1 bytes não é um número inteiro de registros de %2 bytes</translation>
    </message>
    <message>
        <source>holds 1 record, the record counts %1</source>
        <extracomment>%1 the count in the patient&apos;s record</extracomment>
        <translation>contém 1 registro, a ficha conta %1</translation>
    </message>
    <message numerus="yes">
        <source>holds %n records, the record counts %1</source>
        <translation>
            <numerusform>contém %n registro, a ficha conta %1</numerusform>
            <numerusform>contém %n registros, a ficha conta %1</numerusform>
        </translation>
    </message>
    <message>
        <source>holds 1 record, the record counts %1 (the rest is dropped when rewritten)</source>
        <translation>contém 1 registro, a ficha conta %1 (o excedente é descartado ao regravar)</translation>
    </message>
    <message numerus="yes">
        <source>holds %n records, the record counts %1 (the rest is dropped when rewritten)</source>
        <translation>
            <numerusform>contém %n registro, a ficha conta %1 (o excedente é descartado ao regravar)</numerusform>
            <numerusform>contém %n registros, a ficha conta %1 (o excedente é descartado ao regravar)</numerusform>
        </translation>
    </message>
    <message>
        <source>a link, not the folder of the originals</source>
        <translation>um link, não a pasta dos originais</translation>
    </message>
    <message>
        <source>stray directory among the originals</source>
        <translation>pasta avulsa entre os originais</translation>
    </message>
    <message>
        <source>left over from an interrupted copy of an original</source>
        <translation>resto de uma cópia interrompida de um original</translation>
    </message>
    <message>
        <source>an original without its picture</source>
        <translation>um original sem a sua imagem</translation>
    </message>
    <message>
        <source>damaged teeth and views (%1)</source>
        <translation>arquivo de dentes e vistas danificado (%1)</translation>
    </message>
    <message>
        <source>teeth of %1, which is not there (Update forgets them)</source>
        <translation>dentes de %1, que não existe (Atualizar os descarta)</translation>
    </message>
    <message>
        <source>holds the record of %1</source>
        <translation>contém a ficha de %1</translation>
    </message>
    <message>
        <source>the record names the directory &quot;%1&quot;</source>
        <translation>a ficha indica a pasta &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 bytes instead of 1032</source>
        <translation>%1 bytes em vez de 1032</translation>
    </message>
    <message>
        <source>negative counts in the record</source>
        <translation>contagens negativas na ficha</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot; belongs to %3</source>
        <translation>imagem %1 &quot;%2&quot; pertence a %3</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot; lies outside the patient&apos;s directory</source>
        <translation>imagem %1 &quot;%2&quot; está fora da pasta do paciente</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: the file is missing</source>
        <translation>imagem %1 &quot;%2&quot;: o arquivo está ausente</translation>
    </message>
    <message>
        <source>stray directory in a patient directory</source>
        <translation>pasta avulsa numa pasta de paciente</translation>
    </message>
    <message>
        <source>left over from an interrupted rewrite</source>
        <translation>resto de uma regravação interrompida</translation>
    </message>
    <message>
        <source>picture not in the picture list (Update rebuilds it)</source>
        <translation>imagem fora da lista de imagens (Atualizar a reconstrói)</translation>
    </message>
    <message>
        <source>damaged patient details (%1); the record stands in for them</source>
        <translation>dados do paciente danificados (%1); a ficha os substitui</translation>
    </message>
    <message>
        <source>damaged worklist order (%1); its pictures go into kavimo&apos;s own study of their day</source>
        <translation>pedido da worklist danificado (%1); as imagens vão para o estudo próprio do kavimo do dia delas</translation>
    </message>
    <message>
        <source>stray file</source>
        <translation>arquivo avulso</translation>
    </message>
    <message>
        <source>not in the trash index (removed after 30 days)</source>
        <translation>fora do índice da lixeira (removido após 30 dias)</translation>
    </message>
    <message>
        <source>no work directory at %1</source>
        <translation>não há pasta de trabalho em %1</translation>
    </message>
    <message>
        <source>damaged: not an installation identity (restore it from a backup)</source>
        <translation>danificado: não é uma identidade de instalação (restaure-o de um backup)</translation>
    </message>
    <message>
        <source>a link, not a directory; not a patient</source>
        <translation>um link, não uma pasta; não é um paciente</translation>
    </message>
    <message>
        <source>missing backup: no %1, so the patient is not in the patient list</source>
        <translation>backup ausente: sem %1, por isso o paciente não está na lista de pacientes</translation>
    </message>
    <message>
        <source>incomplete backup: %1 of 1032 bytes; not in the patient list</source>
        <translation>backup incompleto: %1 de 1032 bytes; fora da lista de pacientes</translation>
    </message>
    <message>
        <source>UID is not above the one before it in list order</source>
        <translation>o UID não é maior que o anterior na ordem da lista</translation>
    </message>
    <message numerus="yes">
        <source>more than %n patients</source>
        <translation>
            <numerusform>mais de %n paciente</numerusform>
            <numerusform>mais de %n pacientes</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (regenerated at the next start)</source>
        <translation>ausente (é recriado na próxima inicialização)</translation>
    </message>
    <message>
        <source>%1 for %2 (regenerated at the next start)</source>
        <extracomment>%1 the entries of the patient list file, such as &quot;3 records&quot;; %2 the patients, such as &quot;2 patients&quot;</extracomment>
        <translation>%1 para %2 (é recriado na próxima inicialização)</translation>
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
        <translation>tamanho ímpar: não é texto UTF-16</translation>
    </message>
    <message>
        <source>%1 checked: %2, %3.</source>
        <extracomment>the summary of kavimo-records check: %1 such as &quot;2 patients&quot;, %2 such as &quot;0 problems&quot;, %3 such as &quot;1 warning&quot;</extracomment>
        <translation>Verificação de %1: %2, %3.</translation>
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
        <translation>1 aviso</translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n aviso</numerusform>
            <numerusform>%n avisos</numerusform>
        </translation>
    </message>
    <message>
        <source>not an archive address (AET@HOST:PORT): %1</source>
        <translation>não é um endereço de arquivo (AET@HOST:PORT): %1</translation>
    </message>
    <message>
        <source>not an AE title: %1</source>
        <translation>não é um título AE: %1</translation>
    </message>
    <message>
        <source>Exporting %1 of %2: %3</source>
        <extracomment>the progress line of kavimo-records export-dicom: %1 of %2 pictures, %3 the picture&apos;s name</extracomment>
        <translation>Exportando %1 de %2: %3</translation>
    </message>
    <message>
        <source>%1 of 1 picture written</source>
        <translation>Gravadas: %1 de 1 imagem</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pictures written</source>
        <translation>
            <numerusform>Gravadas: %1 de %n imagem</numerusform>
            <numerusform>Gravadas: %1 de %n imagens</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 why it was not stored</extracomment>
        <translation>%1: falhou: %2</translation>
    </message>
    <message>
        <source>%1: not sent: %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 why the archive cannot be reached</extracomment>
        <translation>%1: não enviada: %2</translation>
    </message>
    <message>
        <source>%1: stored as %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 the UID the archive stored it as</extracomment>
        <translation>%1: armazenada como %2</translation>
    </message>
    <message>
        <source>%1 of 1 picture stored in %2</source>
        <extracomment>%2 the archive, such as PACS@host:104</extracomment>
        <translation>Armazenadas em %2: %1 de 1 imagem</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pictures stored in %2</source>
        <translation>
            <numerusform>Armazenadas em %2: %1 de %n imagem</numerusform>
            <numerusform>Armazenadas em %2: %1 de %n imagens</numerusform>
        </translation>
    </message>
    <message>
        <source>Worklist of %1: 1 scheduled patient</source>
        <extracomment>%1 the day, YYYYMMDD</extracomment>
        <translation>Worklist de %1: 1 paciente agendado</translation>
    </message>
    <message numerus="yes">
        <source>Worklist of %1: %n scheduled patients</source>
        <translation>
            <numerusform>Worklist de %1: %n paciente agendado</numerusform>
            <numerusform>Worklist de %1: %n pacientes agendados</numerusform>
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
        <translation>ID do paciente</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>a column heading of kavimo-records worklist
----------
a column heading of kavimo-records list</extracomment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Born</source>
        <extracomment>a column heading of kavimo-records worklist: the birth date</extracomment>
        <translation>Nascimento</translation>
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
        <translation>Procedimento</translation>
    </message>
    <message numerus="yes">
        <source>(list cut at %n entries; the archive schedules more)</source>
        <translation>
            <numerusform>(lista limitada a %n entrada; o arquivo tem mais agendamentos)</numerusform>
            <numerusform>(lista limitada a %n entradas; o arquivo tem mais agendamentos)</numerusform>
        </translation>
    </message>
    <message>
        <source>male</source>
        <extracomment>the patient&apos;s sex</extracomment>
        <translation>masc.</translation>
    </message>
    <message>
        <source>female</source>
        <extracomment>the patient&apos;s sex</extracomment>
        <translation>fem.</translation>
    </message>
    <message>
        <source>Work directory %1 (%2)</source>
        <translation>Pasta de trabalho %1 (%2)</translation>
    </message>
    <message>
        <source>Hospital: %1</source>
        <translation>Clínica: %1</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(não definido)</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number in the list</extracomment>
        <translation>Nº</translation>
    </message>
    <message>
        <source>Age</source>
        <extracomment>a column heading of kavimo-records list</extracomment>
        <translation>Anos</translation>
    </message>
    <message>
        <source>Phone</source>
        <extracomment>a column heading of kavimo-records list</extracomment>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Diags</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number of diagnoses</extracomment>
        <translation>Diagn.</translation>
    </message>
    <message>
        <source>Pics</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number of pictures</extracomment>
        <translation>Imag.</translation>
    </message>
    <message>
        <source>Details:</source>
        <extracomment>a label of kavimo-records show: the details typed for the patient</extracomment>
        <translation>Dados:</translation>
    </message>
    <message>
        <source>none (%1 is missing)</source>
        <translation>nenhum (%1 ausente)</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 está danificado: %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>other</source>
        <extracomment>the patient&apos;s sex</extracomment>
        <translation>outro</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>the patient&apos;s sex: not known</extracomment>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>Full name:</source>
        <translation>Nome completo:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Telefone:</translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation>Nascimento:</translation>
    </message>
    <message>
        <source>Sex:</source>
        <translation>Sexo:</translation>
    </message>
    <message>
        <source>Patient ID:</source>
        <translation>ID do paciente:</translation>
    </message>
    <message>
        <source>Issuer:</source>
        <extracomment>the issuer of the patient&apos;s outside Patient ID</extracomment>
        <translation>Emissor do ID:</translation>
    </message>
    <message>
        <source>Worklist name:</source>
        <extracomment>the patient&apos;s name as the worklist wrote it</extracomment>
        <translation>Nome na worklist:</translation>
    </message>
    <message>
        <source>no patient %1 in %2</source>
        <translation>paciente %1 não encontrado em %2</translation>
    </message>
    <message>
        <source>Patient %1 of %2</source>
        <translation>Paciente %1 de %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Idade:</translation>
    </message>
    <message>
        <source>Directory:</source>
        <extracomment>a label of kavimo-records show: the patient&apos;s folder</extracomment>
        <translation>Pasta:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrição:</translation>
    </message>
    <message>
        <source>%1 (%2 holds %3)</source>
        <extracomment>%1 the count in the patient&apos;s record, %2 a list file, %3 the entries the file holds</extracomment>
        <translation>%1 (%2 contém %3)</translation>
    </message>
    <message>
        <source>Diagnoses:</source>
        <translation>Diagnósticos:</translation>
    </message>
    <message>
        <source>Teeth:</source>
        <translation>Dentes:</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Imagens:</translation>
    </message>
    <message>
        <source>[missing]</source>
        <extracomment>after a picture of kavimo-records show whose file is not there</extracomment>
        <translation>[ausente]</translation>
    </message>
    <message>
        <source>--drive-d needs a directory</source>
        <translation>--drive-d requer uma pasta</translation>
    </message>
    <message>
        <source>--data-group needs a group</source>
        <translation>--data-group requer um grupo</translation>
    </message>
    <message>
        <source>--pacs-issuer needs a text</source>
        <translation>--pacs-issuer requer um texto</translation>
    </message>
    <message>
        <source>--pacs-tls needs on or off</source>
        <translation>--pacs-tls requer on ou off</translation>
    </message>
    <message>
        <source>--teeth needs FDI numbers such as 11,21</source>
        <translation>--teeth requer números FDI como 11,21</translation>
    </message>
    <message>
        <source>--view needs a view</source>
        <translation>--view requer uma vista</translation>
    </message>
    <message>
        <source>teeth %1</source>
        <extracomment>under a picture: %1 its teeth, FDI numbers such as 11,21</extracomment>
        <translation>dentes %1</translation>
    </message>
    <message>
        <source>view %1</source>
        <extracomment>under a picture: %1 its view, a keyword such as frontal</extracomment>
        <translation>vista %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a view (%2)</source>
        <extracomment>%2 the view keywords, such as &quot;frontal, left-buccal, ...&quot;</extracomment>
        <translation>&quot;%1&quot; não é uma vista (%2)</translation>
    </message>
    <message>
        <source>%1 has no picture %2 in its directory (see show %1)</source>
        <extracomment>%1 the patient&apos;s UID, %2 the picture asked for; &quot;show&quot; is a command name</extracomment>
        <translation>%1 não tem a imagem %2 na sua pasta (veja show %1)</translation>
    </message>
    <message>
        <source>cannot be tagged</source>
        <translation>não foi possível marcar a imagem</translation>
    </message>
    <message>
        <source>the audit trail was not written: %1</source>
        <translation>a trilha de auditoria não foi gravada: %1</translation>
    </message>
    <message>
        <source>no teeth, no view</source>
        <translation>sem dentes, sem vista</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 a command-line option such as --name</extracomment>
        <translation>%1 precisa de um valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>%1 what was given on the command line</extracomment>
        <translation>opção desconhecida: %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado: %1</translation>
    </message>
</context>
</TS>
