<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>AppIdentity</name>
    <message>
        <source>Files</source>
        <translation>Ficheiros</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos os ficheiros</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Rádios</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Versão do firmware</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Escrito</translation>
    </message>
    <message>
        <source>%1 programmed, %2 failed</source>
        <translation>%1 programados, %2 falharam</translation>
    </message>
    <message>
        <source>Batch Report</source>
        <translation>Relatório do lote</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Product version %1</source>
        <translation>Versão do produto %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>CAskPwdDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Caixa de diálogo</translation>
    </message>
    <message>
        <source>Please enter the password:</source>
        <translation>Introduza a palavra-passe:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>The password is not correct. Please check it!</source>
        <translation>A palavra-passe não está correta. Verifique-a.</translation>
    </message>
</context>
<context>
    <name>CBaseView</name>
    <message>
        <source>Change %1</source>
        <translation>Alterar %1</translation>
    </message>
    <message>
        <source>Invalid Value.</source>
        <translation>Valor inválido.</translation>
    </message>
</context>
<context>
    <name>CButtonsView</name>
    <message>
        <source>Do you want to reset all buttons with their defaults?</source>
        <translation>Pretende repor todos os botões com os valores predefinidos?</translation>
    </message>
    <message>
        <source>Button Reset</source>
        <translation>Repor botões</translation>
    </message>
    <message>
        <source>Some files needed by CPS are not available.
Please reinstall CPS.</source>
        <translation>Faltam alguns ficheiros necessários ao CPS.
Volte a instalar o CPS.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Desligado</translation>
    </message>
</context>
<context>
    <name>CChannelBulkEditDialog</name>
    <message>
        <source>Edit Selected Channels (%1)</source>
        <translation>Editar canais selecionados (%1)</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>inalterado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>Edit Selected Channels</source>
        <translation>Editar canais selecionados</translation>
    </message>
</context>
<context>
    <name>CChannelFindDialog</name>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Find what:</source>
        <translation>Localizar:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Substituir por:</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Procurar em:</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Coluna</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Agora</translation>
    </message>
    <message>
        <source>Becomes</source>
        <translation>Passa a</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Localizar</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Substituir &amp;tudo</translation>
    </message>
    <message>
        <source>(no such value)</source>
        <translation>(não existe esse valor)</translation>
    </message>
</context>
<context>
    <name>CChannelImportDialog</name>
    <message>
        <source>Added</source>
        <translation>Adicionado</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Alterado</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Inalterado</translation>
    </message>
    <message>
        <source>Adapted</source>
        <translation>Adaptado</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdido</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Recusado</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Ficheiros CSV (*.csv);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importar canais</translation>
    </message>
    <message>
        <source>%1 row(s) are refused and will not be imported.</source>
        <translation>%1 linha(s) recusada(s) que não será(ão) importada(s).</translation>
    </message>
    <message>
        <source>Nothing changes until you choose Import.</source>
        <translation>Nada muda até escolher Importar.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>What</source>
        <translation>O quê</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalhes</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Não é possível ler o ficheiro &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Exportar canais</translation>
    </message>
    <message>
        <source>Failed to save &quot;%1&quot;: %2</source>
        <translation>Falha ao guardar &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>CChannelTableModel</name>
    <message>
        <source>Change %1</source>
        <translation>Alterar %1</translation>
    </message>
    <message>
        <source>Channel %1 (%2): %3</source>
        <translation>Canal %1 (%2): %3</translation>
    </message>
</context>
<context>
    <name>CChannelTableView</name>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>Fill Down %1</source>
        <translation>Preencher para baixo %1</translation>
    </message>
</context>
<context>
    <name>CChannelView</name>
    <message>
        <source>Transmit Power</source>
        <translation>Potência de transmissão</translation>
    </message>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Erro: a vista de informações do rádio está a carregar dados.</translation>
    </message>
    <message>
        <source>2W limit</source>
        <translation>Limite de 2 W</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Fora do intervalo</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Alterar %1</translation>
    </message>
    <message>
        <source>Change Frequency</source>
        <translation>Alterar frequência</translation>
    </message>
    <message>
        <source>The transmit frequency index can not be same as the receive frequency index. The next available transmit frequency shall be selected.</source>
        <translation>O índice da frequência de transmissão não pode ser igual ao da frequência de receção. Será selecionada a frequência de transmissão disponível seguinte.</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Disable this channel shall cause the value change of the Preset Channel button. Do you want to continue?</source>
        <translation>Este canal está atribuído a um botão de canal predefinido. Se o desativar, o valor desse botão será alterado. Pretende continuar?</translation>
    </message>
</context>
<context>
    <name>CChannelsView</name>
    <message>
        <source>Import CSV...</source>
        <translation>Importar CSV...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exportar CSV...</translation>
    </message>
</context>
<context>
    <name>CCompareCommand</name>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>Co&amp;mparar...</translation>
    </message>
    <message>
        <source>Lists the differences between a profile and another profile, a file or the radio</source>
        <translation>Lista as diferenças entre um perfil e outro perfil, um ficheiro ou o rádio</translation>
    </message>
    <message>
        <source>Profiles and codeplug images (*.kv9 *.img);;All files (*)</source>
        <translation>Perfis e imagens de codeplug (*.kv9 *.img);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Não é possível ler o ficheiro &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Rádio</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be compared.</source>
        <translation>Não é possível comparar %1 e %2.</translation>
    </message>
</context>
<context>
    <name>CCompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Perfil:</translation>
    </message>
    <message>
        <source>Compare &amp;with:</source>
        <translation>Comparar &amp;com:</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparar</translation>
    </message>
    <message>
        <source>A profile or codeplug image file...</source>
        <translation>Um ficheiro de perfil ou de imagem de codeplug...</translation>
    </message>
    <message>
        <source>The radio on the cable</source>
        <translation>O rádio ligado ao cabo</translation>
    </message>
</context>
<context>
    <name>CComparisonWindow</name>
    <message>
        <source>Compare: %1 and %2</source>
        <translation>Comparação: %1 e %2</translation>
    </message>
    <message>
        <source>%1 and %2 are the same.</source>
        <translation>%1 e %2 são iguais.</translation>
    </message>
    <message numerus="yes">
        <source>%n difference(s) from %1 to %2:</source>
        <translation>
            <numerusform>%n diferença de %1 para %2:</numerusform>
            <numerusform>%n diferenças de %1 para %2:</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Go to Field</source>
        <translation>&amp;Ir para o campo</translation>
    </message>
</context>
<context>
    <name>CDataAdaptor</name>
    <message>
        <source>Invalid serial number</source>
        <translation>Número de série inválido</translation>
    </message>
    <message>
        <source>Codeplug is corrupted</source>
        <translation>O codeplug está danificado</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>Frequência inválida.</translation>
    </message>
</context>
<context>
    <name>CDealerInfoDialog</name>
    <message>
        <source>Error: There is an error when acquiring language type.</source>
        <translation>Erro: não foi possível determinar o idioma.</translation>
    </message>
    <message>
        <source>Error: Load dealer information failed.</source>
        <translation>Erro: não foi possível carregar as informações do revendedor.</translation>
    </message>
    <message>
        <source>Dealer Information</source>
        <translation>Informações do revendedor</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Contact Information</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>The dealer information in the settings is too long to fit the dialog, please check it!</source>
        <translation>As informações do revendedor guardadas nas definições são demasiado longas para a caixa de diálogo. Verifique-as.</translation>
    </message>
    <message>
        <source>Failed to write the settings!</source>
        <translation>Não foi possível escrever as definições.</translation>
    </message>
</context>
<context>
    <name>CDifferenceList</name>
    <message>
        <source>Differences</source>
        <translation>Diferenças</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
</context>
<context>
    <name>CDocumentCommands</name>
    <message>
        <source>&quot;%1&quot; is open in another window. Close that window first, or save under another name.</source>
        <translation>&quot;%1&quot; está aberto noutra janela. Feche primeiro essa janela ou guarde com outro nome.</translation>
    </message>
</context>
<context>
    <name>CFleetBatch</name>
    <message>
        <source>A batch is under way.</source>
        <translation>Já está em curso uma programação em série.</translation>
    </message>
    <message>
        <source>Name each cable of the batch once.</source>
        <translation>Indique cada cabo da série uma só vez.</translation>
    </message>
    <message>
        <source>A batch of %1 radios cannot use %2 cables.</source>
        <translation>Uma série de %1 rádios não pode usar %2 cabos.</translation>
    </message>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>Não é possível abrir o perfil.</translation>
    </message>
</context>
<context>
    <name>CFrequencyView</name>
    <message>
        <source>%1 KHz only</source>
        <translation>Apenas %1 kHz</translation>
    </message>
    <message>
        <source>User selectable with %1 KHz as default</source>
        <translation>Selecionável, %1 kHz por predefinição</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequência (MHz)</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Largura de banda</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Nível de potência</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Compansor</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Erro: a vista de informações do rádio está a carregar dados.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>Frequência inválida.</translation>
    </message>
    <message>
        <source>The frequency is authorized for 2W maximum transmit power.  CPS shall convert to low power mode.</source>
        <translation>Esta frequência só está autorizada para uma potência de transmissão máxima de 2 W.  O CPS vai passá-la para potência baixa.</translation>
    </message>
    <message>
        <source>Add Frequency</source>
        <translation>Adicionar frequência</translation>
    </message>
    <message>
        <source>Change Frequency</source>
        <translation>Alterar frequência</translation>
    </message>
    <message>
        <source>Do you want to delete the selected item(s)?</source>
        <translation>Pretende eliminar os itens selecionados?</translation>
    </message>
    <message>
        <source>Frequency (Frequencies) used by channel can not be deleted.</source>
        <translation>Não é possível eliminar frequências utilizadas por canais.</translation>
    </message>
    <message>
        <source>Delete Frequency</source>
        <translation>Eliminar frequência</translation>
    </message>
</context>
<context>
    <name>CHelpBrowser</name>
    <message>
        <source>Help page</source>
        <translation>Página de ajuda</translation>
    </message>
</context>
<context>
    <name>CHelpPane</name>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
</context>
<context>
    <name>CHelpSystem</name>
    <message>
        <source>Error: Can not find the help file!</source>
        <translation>Erro: não foi encontrado o ficheiro de ajuda.</translation>
    </message>
    <message>
        <source>Error: Help File format is invalid!</source>
        <translation>Erro: o formato do ficheiro de ajuda é inválido.</translation>
    </message>
    <message>
        <source>Error: Can not find help file information in the settings!</source>
        <translation>Erro: não foram encontradas as informações do ficheiro de ajuda nas definições.</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Ajuda do %1</translation>
    </message>
    <message>
        <source>Help navigation</source>
        <translation>Navegação da ajuda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Look for</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Search for</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Pesquisar</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Resultados da pesquisa</translation>
    </message>
</context>
<context>
    <name>CLockPanes</name>
    <message>
        <source>On</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAI</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Bloqueio de maiúsculas</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Bloqueio numérico</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DESL</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Bloqueio de deslocamento</translation>
    </message>
</context>
<context>
    <name>CMainCommands</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Ficheiro recente</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anular</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;dicionar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>Mudar o &amp;nome</translation>
    </message>
    <message>
        <source>Dealer &amp;Info</source>
        <translation>&amp;Informações do revendedor</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de ferramentas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>&amp;Help Pane</source>
        <translation>&amp;Painel de ajuda</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Ler</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Ler</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Escrever</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escrever</translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Relatório</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Relatório</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascata</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaico</translation>
    </message>
    <message>
        <source>&amp;Content and Index...</source>
        <translation>&amp;Conteúdo e índice...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca do</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Canada French</source>
        <translation>Francês (Canadá)</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinês</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Neerlandês</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>LA Portuguese</source>
        <translation>Português (América Latina)</translation>
    </message>
    <message>
        <source>LA Spanish</source>
        <translation>Espanhol (América Latina)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Idio&amp;ma</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Dispositivo</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Janela</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Edit Selected C&amp;hannels...</source>
        <translation>Editar &amp;canais selecionados...</translation>
    </message>
    <message>
        <source>Restore Radio &amp;Backup...</source>
        <translation>Restaurar &amp;cópia de segurança do rádio...</translation>
    </message>
    <message>
        <source>Program &amp;Several Radios...</source>
        <translation>Programar &amp;vários rádios...</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Profiles</source>
        <translation>Perfis</translation>
    </message>
    <message>
        <source>Cable status</source>
        <translation>Estado do cabo</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>There are %1 USB connections. Please remove the unused one and keep one connection only.</source>
        <translation>Existem %1 ligações USB. Desligue as que não utiliza e mantenha apenas uma ligação.</translation>
    </message>
    <message>
        <source>USB Cable Connected</source>
        <translation>Cabo USB ligado</translation>
    </message>
    <message>
        <source>USB Cable Not Connected</source>
        <translation>Cabo USB não ligado</translation>
    </message>
    <message>
        <source>%1 connected</source>
        <translation>%1 ligado</translation>
    </message>
    <message>
        <source>%1 not connected</source>
        <translation>%1 não ligado</translation>
    </message>
    <message>
        <source>You have to restart the CPS for this change to take effect.</source>
        <translation>Tem de reiniciar o CPS para que a alteração tenha efeito.</translation>
    </message>
</context>
<context>
    <name>CNewProfileDlg</name>
    <message>
        <source>New Profile</source>
        <translation>Novo perfil</translation>
    </message>
    <message>
        <source>Please choose profile model.</source>
        <translation>Escolha o modelo do perfil.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Error: Can not find template files!</source>
        <translation>Erro: não foram encontrados os ficheiros de modelo.</translation>
    </message>
</context>
<context>
    <name>CProgramRadiosDlg</name>
    <message>
        <source>Program Several Radios</source>
        <translation>Programar vários rádios</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Lote</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Perfil:</translation>
    </message>
    <message>
        <source>None: every radio gets the profile as it is</source>
        <translation>Nenhum: cada rádio recebe o perfil tal como está</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Pro&amp;curar...</translation>
    </message>
    <message>
        <source>Per-radio &amp;values (CSV):</source>
        <translation>&amp;Valores por rádio (CSV):</translation>
    </message>
    <message>
        <source>&amp;Cables:</source>
        <translation>&amp;Cabos:</translation>
    </message>
    <message>
        <source>A serial device, such as /dev/ttyUSB1</source>
        <translation>Um dispositivo série, como /dev/ttyUSB1</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Acrescentar</translation>
    </message>
    <message>
        <source>&amp;Other cable:</source>
        <translation>&amp;Outro cabo:</translation>
    </message>
    <message>
        <source>Until Stop</source>
        <translation>Até Parar</translation>
    </message>
    <message>
        <source>&amp;Radios in the batch:</source>
        <translation>&amp;Rádios no lote:</translation>
    </message>
    <message>
        <source>Only for radios with a codeplug password</source>
        <translation>Apenas para rádios com palavra-passe de codeplug</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pala&amp;vra-passe:</translation>
    </message>
    <message>
        <source>C&amp;ustomer:</source>
        <translation>C&amp;liente:</translation>
    </message>
    <message>
        <source>&amp;Write again a radio already done in this batch</source>
        <translation>Escrever &amp;novamente um rádio já concluído neste lote</translation>
    </message>
    <message>
        <source>Choose the cables and press Start.</source>
        <translation>Escolha os cabos e prima Iniciar.</translation>
    </message>
    <message>
        <source>Batch status</source>
        <translation>Estado do lote</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>Cabos</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Rádios</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Cabo</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Escrito</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Cópia de segurança</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verificação</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tempo (s)</translation>
    </message>
    <message>
        <source>There is no device &quot;%1&quot;.</source>
        <translation>O dispositivo «%1» não existe.</translation>
    </message>
    <message>
        <source>Per-Radio Values</source>
        <translation>Valores por rádio</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Ficheiros CSV (*.csv);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>Choose at least one cable.</source>
        <translation>Escolha pelo menos um cabo.</translation>
    </message>
    <message>
        <source>The profile cannot be copied for the batch: %1.</source>
        <translation>Não é possível copiar o perfil para o lote: %1.</translation>
    </message>
    <message>
        <source>The batch has started.</source>
        <translation>O lote começou.</translation>
    </message>
    <message>
        <source>&amp;Cancel Radios</source>
        <translation>&amp;Cancelar rádios</translation>
    </message>
    <message>
        <source>Cancel Radios</source>
        <translation>Cancelar rádios</translation>
    </message>
    <message>
        <source>Stopping: the radios in progress finish. Cancel Radios stops them too.</source>
        <translation>A parar: os rádios em curso terminam. Cancelar rádios também os para.</translation>
    </message>
    <message>
        <source>Waiting for a radio</source>
        <translation>À espera de um rádio</translation>
    </message>
    <message>
        <source>Progress on %1</source>
        <translation>Progresso em %1</translation>
    </message>
    <message>
        <source>State of %1</source>
        <translation>Estado de %1</translation>
    </message>
    <message>
        <source>Identifying</source>
        <translation>A identificar</translation>
    </message>
    <message>
        <source>Backing up</source>
        <translation>A copiar</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>A ler...</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>A escrever</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>A verificar</translation>
    </message>
    <message>
        <source>Connect the next radio</source>
        <translation>Ligue o rádio seguinte</translation>
    </message>
    <message numerus="yes">
        <source>Connect the next radio. %n radio(s) done.</source>
        <translation>
            <numerusform>Ligue o rádio seguinte. %n rádio concluído.</numerusform>
            <numerusform>Ligue o rádio seguinte. %n rádios concluídos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Already done</source>
        <translation>Já concluído</translation>
    </message>
    <message>
        <source>The radio %1 on %2 is already programmed in this batch: it is skipped. Connect the next radio.</source>
        <translation>O rádio %1 em %2 já está programado neste lote: é ignorado. Ligue o rádio seguinte.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Stored</source>
        <translation>Guardada</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Correta</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>Não alcançada</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Falhou: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>The batch has ended: %1 programmed, %2 failed. The log is in %3.</source>
        <translation>O lote terminou: %1 programados, %2 falharam. O registo está em %3.</translation>
    </message>
</context>
<context>
    <name>CRadioCommands</name>
    <message>
        <source>Transferring...</source>
        <translation>A transferir...</translation>
    </message>
    <message>
        <source>Do you want to create a new profile (Yes), overwrite the currently selected profile (No) or cancel it?</source>
        <translation>Pretende criar um perfil novo (Sim), substituir o perfil selecionado (Não) ou cancelar?</translation>
    </message>
    <message>
        <source>There are no radio backups in %1.</source>
        <translation>Não existem cópias de segurança de rádios em %1.</translation>
    </message>
    <message>
        <source>%1  %2 (%3)  %4  %5</source>
        <translation>%1  %2 (%3)  %4  %5</translation>
    </message>
    <message>
        <source>Restore Radio Backup</source>
        <translation>Restaurar cópia de segurança do rádio</translation>
    </message>
    <message>
        <source>Backup to write into the radio on the cable:</source>
        <translation>Cópia de segurança a escrever no rádio ligado ao cabo:</translation>
    </message>
</context>
<context>
    <name>CRadioInfoView</name>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Erro: a vista de informações do rádio está a carregar dados.</translation>
    </message>
</context>
<context>
    <name>CRadioOperations</name>
    <message>
        <source>backup of %1</source>
        <translation>cópia de segurança de %1</translation>
    </message>
    <message>
        <source>This backup is of a %1 radio, and the radio on the cable is a %2; it is not written.</source>
        <translation>Esta cópia de segurança é de um rádio %1 e o rádio ligado ao cabo é um %2; não é escrita.</translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation>Nada foi escrito no rádio.</translation>
    </message>
    <message>
        <source>This backup was taken from the radio with the serial number %1, and the radio on the cable has %2. Write it into this radio?</source>
        <translation>Esta cópia de segurança foi feita do rádio com o número de série %1 e o rádio ligado ao cabo tem %2. Escrevê-la neste rádio?</translation>
    </message>
    <message>
        <source>What the radio held before the write is kept in %1.</source>
        <translation>O que o rádio continha antes da escrita está guardado em %1.</translation>
    </message>
    <message>
        <source>The radio holds its backup again; the profile was not written.</source>
        <translation>O rádio tem de novo a sua cópia de segurança; o perfil não foi escrito.</translation>
    </message>
    <message>
        <source>The radio did not keep these settings: %1</source>
        <translation>O rádio não guardou estas definições: %1</translation>
    </message>
    <message>
        <source>Write to the radio again?</source>
        <translation>Escrever de novo no rádio?</translation>
    </message>
    <message>
        <source>Put the radio back as it was before the write, from its backup %1?</source>
        <translation>Repor o rádio como estava antes da escrita, a partir da cópia de segurança %1?</translation>
    </message>
</context>
<context>
    <name>CReadWriteDialog</name>
    <message>
        <source>Read</source>
        <translation>Ler</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escrever</translation>
    </message>
    <message>
        <source>Reading from the radio ...</source>
        <translation>A ler do rádio ...</translation>
    </message>
    <message>
        <source>Writing to the radio ...</source>
        <translation>A escrever no rádio ...</translation>
    </message>
    <message>
        <source>Transfer status</source>
        <translation>Estado da transferência</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Progresso da transferência</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Read Failed!</source>
        <translation>Falha na leitura.</translation>
    </message>
    <message>
        <source>Write Failed!</source>
        <translation>Falha na escrita.</translation>
    </message>
    <message>
        <source>Read Successfully!</source>
        <translation>Leitura concluída com êxito.</translation>
    </message>
    <message>
        <source>Write Successfully!</source>
        <translation>Escrita concluída com êxito.</translation>
    </message>
</context>
<context>
    <name>CReportDlg</name>
    <message>
        <source>Reports</source>
        <translation>Relatórios</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Pré-visualizar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correio eletrónico</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Web pages (*.htm *.html)</source>
        <translation>Páginas web (*.htm *.html)</translation>
    </message>
    <message>
        <source>The report could not be written to &quot;%1&quot;.</source>
        <translation>Não foi possível escrever o relatório em &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The report cannot be shown here: the browser library is missing.</source>
        <translation>Não é possível mostrar o relatório aqui: falta a biblioteca do navegador.</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Não foi possível imprimir o relatório.</translation>
    </message>
</context>
<context>
    <name>CReportOptionDlg</name>
    <message>
        <source>Reports</source>
        <translation>Relatórios</translation>
    </message>
    <message>
        <source>Choose a report template.</source>
        <translation>Escolha um modelo de relatório.</translation>
    </message>
    <message>
        <source>Customer Handout</source>
        <translation>Folha para o cliente</translation>
    </message>
    <message>
        <source>Detailed Report</source>
        <translation>Relatório detalhado</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>CScanView</name>
    <message>
        <source>Add to the scan list</source>
        <translation>Adicionar à lista de varrimento</translation>
    </message>
    <message>
        <source>Remove from the scan list</source>
        <translation>Remover da lista de varrimento</translation>
    </message>
</context>
<context>
    <name>CSettingView</name>
    <message>
        <source>Please enter 4 numeric characters.</source>
        <translation>Introduza 4 algarismos.</translation>
    </message>
    <message>
        <source>The passwords you entered do not match.</source>
        <translation>As palavras-passe introduzidas não coincidem.</translation>
    </message>
</context>
<context>
    <name>CSplashScreen</name>
    <message>
        <source>Splash screen</source>
        <translation>Ecrã inicial</translation>
    </message>
</context>
<context>
    <name>CStartPage</name>
    <message>
        <source>No profile opened yet.</source>
        <translation>Ainda não foi aberto nenhum perfil.</translation>
    </message>
    <message>
        <source>Start page</source>
        <translation>Página inicial</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Novo perfil</translation>
    </message>
    <message>
        <source>A new profile from a model&apos;s template</source>
        <translation>Um novo perfil a partir do modelo de um rádio</translation>
    </message>
    <message>
        <source>Open Profile</source>
        <translation>Abrir perfil</translation>
    </message>
    <message>
        <source>A profile file (.kv9) on this computer</source>
        <translation>Um ficheiro de perfil (.kv9) neste computador</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Ler do rádio</translation>
    </message>
    <message>
        <source>The profile of the radio on the cable</source>
        <translation>O perfil do rádio ligado ao cabo</translation>
    </message>
    <message>
        <source>&amp;Recent profiles</source>
        <translation>Perfis &amp;recentes</translation>
    </message>
    <message>
        <source>Recent profiles</source>
        <translation>Perfis recentes</translation>
    </message>
    <message>
        <source>Enter opens the selected profile</source>
        <translation>Enter abre o perfil selecionado</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>em falta</translation>
    </message>
    <message>
        <source>unknown model</source>
        <translation>modelo desconhecido</translation>
    </message>
    <message>
        <source>Cable: %1</source>
        <translation>Cabo: %1</translation>
    </message>
</context>
<context>
    <name>CSupportFileCommand</name>
    <message>
        <source>Create &amp;Support File...</source>
        <translation>Criar ficheiro de &amp;suporte...</translation>
    </message>
    <message>
        <source>Saves the versions, cable, radio, settings and radio traces for the supplier</source>
        <translation>Guarda as versões, o cabo, o rádio, as definições e os registos de rádio para o fornecedor</translation>
    </message>
    <message>
        <source>Create Support File</source>
        <translation>Criar ficheiro de suporte</translation>
    </message>
    <message>
        <source>Support files (*.tar.gz)</source>
        <translation>Ficheiros de suporte (*.tar.gz)</translation>
    </message>
    <message>
        <source>Add the open profile to the support file? Its codeplug password is left out.</source>
        <translation>Adicionar o perfil aberto ao ficheiro de suporte? A palavra-passe do codeplug é omitida.</translation>
    </message>
    <message>
        <source>The support file has been saved as &quot;%1&quot;.</source>
        <translation>O ficheiro de suporte foi guardado como &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot save the support file &quot;%1&quot;: %2</source>
        <translation>Não é possível guardar o ficheiro de suporte &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>CVelaCPSApp</name>
    <message>
        <source>CPS needs vbscript engine to start. Please install vbscript engine before re-starting the %1.</source>
        <translation>O CPS precisa do motor VBScript para iniciar. Instale o motor VBScript antes de voltar a iniciar o %1.</translation>
    </message>
    <message>
        <source>The language resource file is missing. The CPS will start with English language version.</source>
        <translation>Falta o ficheiro de recursos do idioma. O CPS vai iniciar em inglês.</translation>
    </message>
</context>
<context>
    <name>CVelaCPSDoc</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>Guardar as alterações em %1?</translation>
    </message>
</context>
<context>
    <name>CVelaCPSTreeView</name>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>KVX Distributor Series</source>
        <translation>Série KVX Distributor</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Definições gerais</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Definições de áudio</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Botões</translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation>Frequências RF</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Lista de varrimento</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>PL personalizado</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>DPL personalizado</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Adicionar canal</translation>
    </message>
    <message>
        <source>The last valid channel can not be deleted.</source>
        <translation>Não é possível eliminar o último canal válido.</translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Eliminar canal</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Deleting this channel shall cause the value change of the Preset Channel button. Do you want to continue?</source>
        <translation>Este canal está atribuído a um botão de canal predefinido. Se o eliminar, o valor desse botão será alterado. Pretende continuar?</translation>
    </message>
    <message>
        <source>Rename Channel</source>
        <translation>Mudar o nome do canal</translation>
    </message>
    <message>
        <source>&amp;Add	Ctrl+A</source>
        <translation>A&amp;dicionar	Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Eliminar	Del</translation>
    </message>
    <message>
        <source>&amp;Rename	F2</source>
        <translation>Mudar o &amp;nome	F2</translation>
    </message>
</context>
<context>
    <name>CWriteReviewDialog</name>
    <message>
        <source>&amp;Do not ask again for identical models</source>
        <translation>&amp;Não voltar a perguntar para modelos idênticos</translation>
    </message>
    <message>
        <source>Write to Radio</source>
        <translation>Escrever no rádio</translation>
    </message>
    <message>
        <source>The write changes these settings in the radio:</source>
        <translation>A escrita altera estas definições no rádio:</translation>
    </message>
    <message>
        <source>In the radio</source>
        <translation>No rádio</translation>
    </message>
    <message>
        <source>After the write</source>
        <translation>Depois da escrita</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Escrever</translation>
    </message>
    <message>
        <source>The choice not to be asked again could not be stored.</source>
        <translation>Não foi possível guardar a opção de não voltar a perguntar.</translation>
    </message>
</context>
<context>
    <name>CableChoices</name>
    <message>
        <source>USB programming cable</source>
        <translation>Cabo de programação USB</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ChannelCsv</name>
    <message>
        <source>Location %1: the model has no room for more channels; the row is not imported.</source>
        <translation>Posição %1: o modelo não tem espaço para mais canais; a linha não é importada.</translation>
    </message>
    <message>
        <source>Location %1 becomes channel %2.</source>
        <translation>A posição %1 passa a ser o canal %2.</translation>
    </message>
    <message>
        <source>%1 MHz allows 2 W at most: it is added with low power only.</source>
        <translation>%1 MHz permite no máximo 2 W: é adicionada só com potência baixa.</translation>
    </message>
    <message>
        <source>%1 MHz is added as 12.5 kHz only: the model allows no wider channels.</source>
        <translation>%1 MHz é adicionada só com 12,5 KHz: o modelo não permite canais mais largos.</translation>
    </message>
    <message>
        <source>%1 MHz is added to the RF frequency table as entry %2.</source>
        <translation>%1 MHz é adicionada à tabela de frequências RF como entrada %2.</translation>
    </message>
    <message>
        <source>%1: the frequency allows only %2.</source>
        <translation>%1: a frequência só permite %2.</translation>
    </message>
    <message>
        <source>This radio cannot use %1: the channel gets no code.</source>
        <translation>Este rádio não pode usar %1: o canal fica sem código.</translation>
    </message>
    <message>
        <source>Channel %1 is added.</source>
        <translation>O canal %1 é adicionado.</translation>
    </message>
    <message>
        <source>Channel %1 is unchanged.</source>
        <translation>O canal %1 não muda.</translation>
    </message>
    <message>
        <source>Channel %1 changes: %2.</source>
        <translation>O canal %1 muda: %2.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is cut to &quot;%2&quot;.</source>
        <translation>O nome &quot;%1&quot; é encurtado para &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>This model has no repeater: the channel transmits on its receive frequency.</source>
        <translation>Este modelo não tem repetidor: o canal transmite na sua frequência de receção.</translation>
    </message>
    <message>
        <source>This model has no power choice: the power is not changed.</source>
        <translation>Este modelo não permite escolher a potência: a potência não muda.</translation>
    </message>
    <message>
        <source>Power %1 becomes %2.</source>
        <translation>A potência %1 passa a %2.</translation>
    </message>
    <message>
        <source>This model transmits with its receive code: %1 is not sent.</source>
        <translation>Este modelo transmite com o seu código de receção: %1 não é enviado.</translation>
    </message>
    <message>
        <source>no code</source>
        <translation>sem código</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Linha %1: %2</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importar canais</translation>
    </message>
    <message>
        <source>Location %1 is already on line %2.</source>
        <translation>A posição %1 já está na linha %2.</translation>
    </message>
    <message>
        <source>the row ends before this column.</source>
        <translation>a linha termina antes desta coluna.</translation>
    </message>
    <message>
        <source>a frequency is needed.</source>
        <translation>é necessária uma frequência.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a frequency in MHz.</source>
        <translation>&quot;%1&quot; não é uma frequência em MHz.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tone in Hz.</source>
        <translation>&quot;%1&quot; não é um tom em Hz.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a DCS code (octal).</source>
        <translation>&quot;%1&quot; não é um código DCS (octal).</translation>
    </message>
    <message>
        <source>Column %1 (%2): %3</source>
        <translation>Coluna %1 (%2): %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a polarity (NN, NR, RN or RR).</source>
        <translation>&quot;%1&quot; não é uma polaridade (NN, NR, RN ou RR).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cross mode.</source>
        <translation>&quot;%1&quot; não é um modo cruzado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tone mode (Tone, TSQL, DTCS or Cross).</source>
        <translation>&quot;%1&quot; não é um modo de tom (Tone, TSQL, DTCS ou Cross).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a power in watts.</source>
        <translation>&quot;%1&quot; não é uma potência em watts.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a duplex (empty, +, - or split).</source>
        <translation>&quot;%1&quot; não é um duplex (vazio, +, - ou split).</translation>
    </message>
    <message>
        <source>the transmit frequency is out of bounds.</source>
        <translation>a frequência de transmissão está fora dos limites.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not %2.</source>
        <translation>&quot;%1&quot; não é %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a channel number (1 or more).</source>
        <translation>&quot;%1&quot; não é um número de canal (1 ou mais).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a mode this radio has (FM or NFM).</source>
        <translation>&quot;%1&quot; não é um modo deste rádio (FM ou NFM).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a step in kHz.</source>
        <translation>&quot;%1&quot; não é um passo em kHz.</translation>
    </message>
    <message>
        <source>a skip mark (empty or S)</source>
        <translation>uma marca de exclusão da busca (vazia ou S)</translation>
    </message>
    <message>
        <source>This is not a channel list: its first line must be a header that names the columns, at least Location and Frequency, such as
%1</source>
        <translation>Isto não é uma lista de canais: a primeira linha tem de ser um cabeçalho que nomeie as colunas, pelo menos Location e Frequency, como
%1</translation>
    </message>
    <message>
        <source>The file has more than %1 rows.</source>
        <translation>O ficheiro tem mais de %1 linhas.</translation>
    </message>
    <message>
        <source>Line %1: a quote is not closed.</source>
        <translation>Linha %1: umas aspas não estão fechadas.</translation>
    </message>
</context>
<context>
    <name>CodeDisplayText</name>
    <message>
        <source>No PL/DPL code</source>
        <translation>Sem código PL/DPL</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>PL personalizado</translation>
    </message>
    <message>
        <source>Inverted DPL</source>
        <translation>DPL invertido</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>DPL personalizado</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>DPL</source>
        <translation>DPL</translation>
    </message>
</context>
<context>
    <name>ConfigStore</name>
    <message>
        <source>Fatal settings error, the application will be closed!</source>
        <translation>Erro fatal das definições. A aplicação vai ser fechada.</translation>
    </message>
</context>
<context>
    <name>Editors</name>
    <message>
        <source>Low</source>
        <translation>Baixo</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Definições de áudio</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>Ganho do microfone</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>Ganho do microfone externo</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>Nível VOX</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>Nível iVOX</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>Idioma do anúncio de canal</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Tom Roger</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>Som do teclado</translation>
    </message>
    <message>
        <source>One feature can not be assigned to multiple buttons.</source>
        <translation>Não é possível atribuir a mesma função a vários botões.</translation>
    </message>
    <message>
        <source>The channel can not be selected!</source>
        <translation>Não é possível selecionar o canal.</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Scan/Nuisance Channel Delete</source>
        <translation>Varrimento/Eliminar canal incómodo</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>Tom de chamada</translation>
    </message>
    <message>
        <source>Tx Power Selection</source>
        <translation>Seleção de potência TX</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Cifragem de voz</translation>
    </message>
    <message>
        <source>Repeater/Talkaround</source>
        <translation>Repetidor/Direto</translation>
    </message>
    <message>
        <source>No Operation</source>
        <translation>Sem função</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Retroiluminação</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Predefinição 1</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Predefinição 2</translation>
    </message>
    <message>
        <source>Selectable</source>
        <translation>Selecionável</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>Lig./Desl.</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Botões</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>Bloqueio do teclado</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Função</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>Botão lateral 1 (SB1)</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>Botão lateral 2 (SB2)</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Botão A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Botão B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>Botão C</translation>
    </message>
    <message>
        <source>Button Reset</source>
        <translation>Repor botões</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>Botão de cifragem</translation>
    </message>
    <message>
        <source>Preset 1 Channel</source>
        <translation>Canal predefinido 1</translation>
    </message>
    <message>
        <source>Preset 2 Channel</source>
        <translation>Canal predefinido 2</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Adicionar canal</translation>
    </message>
    <message>
        <source>Scramble Code 1</source>
        <translation>Código de cifragem 1</translation>
    </message>
    <message>
        <source>Scramble Code 2</source>
        <translation>Código de cifragem 2</translation>
    </message>
    <message>
        <source>Scramble Code 3</source>
        <translation>Código de cifragem 3</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequência (MHz)</translation>
    </message>
    <message>
        <source>Bandwidth (KHz)</source>
        <translation>Largura de banda (kHz)</translation>
    </message>
    <message>
        <source>PL/DPL Code</source>
        <translation>Código PL/DPL</translation>
    </message>
    <message>
        <source>High-power is only available in non-PMR446 markets</source>
        <translation>A potência alta só está disponível fora dos mercados PMR446</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>Desativar canal</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Receção</translation>
    </message>
    <message>
        <source>Talkaround Power</source>
        <translation>Potência em direto</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Transmissão</translation>
    </message>
    <message>
        <source>Repeater Power</source>
        <translation>Potência via repetidor</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Repetidor</translation>
    </message>
    <message>
        <source>In talkaround mode, Transmit will use Receive settings.</source>
        <translation>No modo direto, a transmissão utiliza as definições de receção.</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>Varrimento dinâmico de direto</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Varrimento automático</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>PL personalizado</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>Código PL 124 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>Código PL 125 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>Código PL 126 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>Código PL 127 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>Código PL 128 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>Código PL 129 (Hz)</translation>
    </message>
    <message>
        <source>The PL Code you input is invalid. The valid range is: 67.0 - 255.0 Hz.</source>
        <translation>O código PL introduzido é inválido. O intervalo válido é: 67,0 - 255,0 Hz.</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>DPL personalizado</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>Código PL 214 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>Código PL 215 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>Código PL 216 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>Código PL 217 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>Código PL 218 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>Código PL 219 (OCT)</translation>
    </message>
    <message>
        <source>The DPL Code you entered is invalid. The valid range is(OCT): 001 - 777.</source>
        <translation>O código DPL introduzido é inválido. O intervalo válido é (OCT): 001 - 777.</translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation>Frequências RF</translation>
    </message>
    <message>
        <source>Low power only</source>
        <translation>Apenas potência baixa</translation>
    </message>
    <message>
        <source>High power only</source>
        <translation>Apenas potência alta</translation>
    </message>
    <message>
        <source>User selectable with low power as default</source>
        <translation>Selecionável, potência baixa por predefinição</translation>
    </message>
    <message>
        <source>User selectable with high power as default</source>
        <translation>Selecionável, potência alta por predefinição</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Largura de banda</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Nível de potência</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Compansor</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Informações do rádio</translation>
    </message>
    <message>
        <source>Regional Code</source>
        <translation>Código regional</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Versão do firmware</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Versão do codeplug</translation>
    </message>
    <message>
        <source>Frequency Range (MHz)</source>
        <translation>Gama de frequências (MHz)</translation>
    </message>
    <message>
        <source>Rx Frequency Range (MHz)</source>
        <translation>Gama de frequências RX (MHz)</translation>
    </message>
    <message>
        <source>Tx Frequency Range (MHz)</source>
        <translation>Gama de frequências TX (MHz)</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>Máximo de canais</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Lista de varrimento</translation>
    </message>
    <message>
        <source>Available Channels</source>
        <translation>Canais disponíveis</translation>
    </message>
    <message>
        <source>&amp;Add&gt;&gt;</source>
        <translation>A&amp;dicionar&gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;Re&amp;move</source>
        <translation>&lt;&lt;Re&amp;mover</translation>
    </message>
    <message>
        <source>Scan List Members</source>
        <translation>Membros da lista de varrimento</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15 min</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>After conversation</source>
        <translation>Após a conversa</translation>
    </message>
    <message>
        <source>45 min</source>
        <translation>45 min</translation>
    </message>
    <message>
        <source>60 min</source>
        <translation>60 min</translation>
    </message>
    <message>
        <source>Alkaline</source>
        <translation>Alcalina</translation>
    </message>
    <message>
        <source>Nickel/LiIon</source>
        <translation>Níquel/Li-ion</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Definições gerais</translation>
    </message>
    <message>
        <source>Codeplug Password (4-digit number)</source>
        <translation>Palavra-passe do codeplug (4 algarismos)</translation>
    </message>
    <message>
        <source>Confirm Password (4-digit number)</source>
        <translation>Confirmar palavra-passe (4 algarismos)</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>Texto de arranque</translation>
    </message>
    <message>
        <source>Power up text can only contain: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</source>
        <translation>O texto de arranque só pode conter: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>ID da estação repetidora</translation>
    </message>
    <message>
        <source>Repeater station id can only contain letter and digits.</source>
        <translation>O ID da estação repetidora só pode conter letras e algarismos.</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>Modo de ID do repetidor</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>Desativar todos os LED</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>Desativar reposição de fábrica</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>Ativar modo de programação</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>Desativar poupança de bateria</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>Retroiluminação (s)</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>Tempo de retenção TX (s)</translation>
    </message>
    <message>
        <source>The tx hangtime is invalid. Its range is 0 - 50.</source>
        <translation>O tempo de retenção TX é inválido. O intervalo é 0 - 50.</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>TX com bateria fraca (min)</translation>
    </message>
    <message>
        <source>The tx low battery is invalid. Its range is 0 - 255.</source>
        <translation>O tempo de TX com bateria fraca é inválido. O intervalo é 0 - 255.</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>Tom de alerta de bateria</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>Ativar tom de cortesia</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>Temporizador de TX, TOT (s)</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>Rajada inversa PL</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>Seleção de bateria alternativa</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potência</translation>
    </message>
    <message>
        <source>Receive PL/DPL</source>
        <translation>PL/DPL de receção</translation>
    </message>
    <message>
        <source>Transmit PL/DPL</source>
        <translation>PL/DPL de transmissão</translation>
    </message>
</context>
<context>
    <name>FieldAssignments</name>
    <message>
        <source>%1: the RF frequency table has no such row.</source>
        <translation>%1: a tabela de frequências de RF não tem essa linha.</translation>
    </message>
    <message>
        <source>%1: the profile has no such field.</source>
        <translation>%1: o perfil não tem esse campo.</translation>
    </message>
    <message>
        <source>%1: the channel is disabled; only its disable_channel=0 changes it.</source>
        <translation>%1: o canal está desativado; só o seu disable_channel=0 o altera.</translation>
    </message>
    <message>
        <source>%1: this radio takes codes up to %2.</source>
        <translation>%1: este rádio aceita códigos até %2.</translation>
    </message>
    <message>
        <source>%1 is set together with %2 in the same change.</source>
        <translation>%1 é definido juntamente com %2 na mesma alteração.</translation>
    </message>
    <message>
        <source>%1 is no field of the profile.</source>
        <translation>%1 não é um campo do perfil.</translation>
    </message>
    <message>
        <source>%1 needs the number of its element, counted from 1.</source>
        <translation>%1 precisa do número do seu elemento, contado a partir de 1.</translation>
    </message>
    <message>
        <source>%1: the RF frequency table has no such row; a new row is frequency[%2].freq.</source>
        <translation>%1: a tabela de frequências de RF não tem essa linha; uma linha nova é frequency[%2].freq.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>FleetLog</name>
    <message>
        <source>The batch log folder %1 cannot be made.</source>
        <translation>Não é possível criar a pasta do registo da série %1.</translation>
    </message>
    <message>
        <source>The batch log %1 cannot be written: %2.</source>
        <translation>Não é possível escrever o registo da série %1: %2.</translation>
    </message>
</context>
<context>
    <name>FleetPort</name>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>Não é possível abrir o perfil.</translation>
    </message>
    <message>
        <source>The values file has no row for this radio.</source>
        <translation>O ficheiro de valores não tem nenhuma linha para este rádio.</translation>
    </message>
    <message>
        <source>Not answered (no Yes given for the batch): %1</source>
        <translation>Sem resposta (não foi indicado Sim para a série): %1</translation>
    </message>
    <message>
        <source>The radio has a codeplug password other than the one given for the batch.</source>
        <translation>O rádio tem uma palavra-passe de codeplug diferente da indicada para a série.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>The radio did not keep what was written.</source>
        <translation>O rádio não guardou o que foi escrito.</translation>
    </message>
    <message>
        <source>Not written.</source>
        <translation>Não escrito.</translation>
    </message>
</context>
<context>
    <name>FleetValues</name>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>The values file %1 cannot be read: %2.</source>
        <translation>Não é possível ler o ficheiro de valores %1: %2.</translation>
    </message>
    <message>
        <source>The values file is empty.</source>
        <translation>O ficheiro de valores está vazio.</translation>
    </message>
    <message>
        <source>the first column must be &quot;serial&quot; or &quot;order&quot;.</source>
        <translation>a primeira coluna tem de ser &quot;serial&quot; ou &quot;order&quot;.</translation>
    </message>
    <message>
        <source>the column %1 is there twice.</source>
        <translation>a coluna %1 aparece duas vezes.</translation>
    </message>
    <message>
        <source>%1 cells where the header has %2.</source>
        <translation>%1 células onde o cabeçalho tem %2.</translation>
    </message>
    <message>
        <source>the first cell is empty.</source>
        <translation>a primeira célula está vazia.</translation>
    </message>
    <message>
        <source>the order %1 is no number from 1.</source>
        <translation>a ordem %1 não é um número a partir de 1.</translation>
    </message>
    <message>
        <source>%1 has a row already.</source>
        <translation>%1 já tem uma linha.</translation>
    </message>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>Não é possível abrir o perfil.</translation>
    </message>
    <message>
        <source>a value is refused.</source>
        <translation>um valor é recusado.</translation>
    </message>
</context>
<context>
    <name>FrequencyRules</name>
    <message>
        <source>Not all frequencies are authorized for high power mode (4W). CPS shall convert these frequencies to low power mode.</source>
        <translation>Nem todas as frequências estão autorizadas para potência alta (4 W). O CPS vai passar essas frequências para potência baixa.</translation>
    </message>
</context>
<context>
    <name>ModelRules</name>
    <message>
        <source>At least one channel frequency is out of the valid frequency range. Please correct it before programming. If there is no valid frequency to select, please edit the frequency table first.</source>
        <translation>Pelo menos uma frequência de canal está fora da gama de frequências válida. Corrija-a antes de programar. Se não houver nenhuma frequência válida para escolher, edite primeiro a tabela de frequências.</translation>
    </message>
    <message>
        <source>This Customer Programming Software is intended for programming radios to be used in the United States of America (USA) to ensure compliance with the narrowband mandate issued by the Federal Communications Commission (FCC).   Programming of the radio to operate on 25 KHz channel spacing is not permitted and has been disabled in this application in compliance with the FCC mandate effective January 1st, 2013.</source>
        <translation>Este software de programação (CPS) destina-se a programar rádios utilizados nos Estados Unidos da América (EUA), de modo a cumprir a norma de banda estreita da Comissão Federal de Comunicações (FCC).   Não é permitido programar o rádio para funcionar com espaçamento entre canais de 25 kHz; esta opção foi desativada na aplicação em cumprimento da norma da FCC em vigor desde 1 de janeiro de 2013.</translation>
    </message>
    <message>
        <source>At least one frequency in the RF Frequency table is out of the valid frequency range. CPS corrected it to 151.5 MHz in the profile.</source>
        <translation>Pelo menos uma frequência da tabela de frequências RF está fora da gama válida. O CPS corrigiu-a para 151.5 MHz no perfil.</translation>
    </message>
    <message>
        <source>The profile names %1 channels in use but holds only %2. CPS uses the %2 channels it holds.</source>
        <translation>O perfil indica %1 canais em utilização, mas só contém %2. O CPS utiliza os %2 canais que contém.</translation>
    </message>
</context>
<context>
    <name>ProfileComparison</name>
    <message>
        <source>(none)</source>
        <translation>(nenhum)</translation>
    </message>
</context>
<context>
    <name>ProfileDocument</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>Não é possível ler o ficheiro &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Failed to save &quot;%1&quot;: %2</source>
        <translation>Não foi possível guardar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Read from the radio</source>
        <translation>Leitura do rádio</translation>
    </message>
</context>
<context>
    <name>ProfileFields</name>
    <message>
        <source>no change: the radio or the template sets it</source>
        <translation>sem alteração: é fixado pelo rádio ou pelo modelo</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 ou 1</translation>
    </message>
    <message>
        <source>a number from %1 to %2</source>
        <translation>um número de %1 a %2</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>um de %1</translation>
    </message>
    <message>
        <source>a text of at most %1 characters</source>
        <translation>um texto de no máximo %1 caracteres</translation>
    </message>
    <message>
        <source>%1 digits or nothing</source>
        <translation>%1 dígitos ou nada</translation>
    </message>
    <message>
        <source>%1 takes %2.</source>
        <translation>%1 aceita %2.</translation>
    </message>
    <message>
        <source>Clone Compatibility</source>
        <translation>Compatibilidade de clonagem</translation>
    </message>
    <message>
        <source>Firmware Phase</source>
        <translation>Fase do firmware</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Versão do firmware</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Revisão do firmware</translation>
    </message>
    <message>
        <source>Codeplug Phase</source>
        <translation>Fase do codeplug</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Versão do codeplug</translation>
    </message>
    <message>
        <source>Codeplug Development Version</source>
        <translation>Versão de desenvolvimento do codeplug</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <source>Synthesizer Base Frequency</source>
        <translation>Frequência base do sintetizador</translation>
    </message>
    <message>
        <source>Sub-region</source>
        <translation>Sub-região</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>Máximo de canais</translation>
    </message>
    <message>
        <source>Frequencies in Use</source>
        <translation>Frequências em uso</translation>
    </message>
    <message>
        <source>Lowest Frequency</source>
        <translation>Frequência mínima</translation>
    </message>
    <message>
        <source>Highest Frequency</source>
        <translation>Frequência máxima</translation>
    </message>
    <message>
        <source>Lowest Receive Frequency</source>
        <translation>Frequência de receção mínima</translation>
    </message>
    <message>
        <source>Highest Receive Frequency</source>
        <translation>Frequência de receção máxima</translation>
    </message>
    <message>
        <source>Lowest Transmit Frequency</source>
        <translation>Frequência de transmissão mínima</translation>
    </message>
    <message>
        <source>Highest Transmit Frequency</source>
        <translation>Frequência de transmissão máxima</translation>
    </message>
    <message>
        <source>Time-out Timer Not Available</source>
        <translation>Temporizador de transmissão indisponível</translation>
    </message>
    <message>
        <source>Keypad Beep Not Available</source>
        <translation>Som do teclado indisponível</translation>
    </message>
    <message>
        <source>Roger Beep Not Available</source>
        <translation>Tom Roger indisponível</translation>
    </message>
    <message>
        <source>Busy LED Not Available</source>
        <translation>LED de ocupado indisponível</translation>
    </message>
    <message>
        <source>PL Reverse Burst Available</source>
        <translation>Rajada inversa PL disponível</translation>
    </message>
    <message>
        <source>VOX Not Available</source>
        <translation>VOX indisponível</translation>
    </message>
    <message>
        <source>iVOX Not Available</source>
        <translation>iVOX indisponível</translation>
    </message>
    <message>
        <source>Scramble Not Available</source>
        <translation>Cifragem de voz indisponível</translation>
    </message>
    <message>
        <source>Battery Save Not Available</source>
        <translation>Poupança de bateria indisponível</translation>
    </message>
    <message>
        <source>Factory Reset Not Available</source>
        <translation>Reposição de fábrica indisponível</translation>
    </message>
    <message>
        <source>Scan Not Available</source>
        <translation>Varrimento indisponível</translation>
    </message>
    <message>
        <source>Number of Call Tones</source>
        <translation>Número de tons de chamada</translation>
    </message>
    <message>
        <source>Number of Preset Buttons</source>
        <translation>Número de botões predefinidos</translation>
    </message>
    <message>
        <source>Number of PL/DPL Codes</source>
        <translation>Número de códigos PL/DPL</translation>
    </message>
    <message>
        <source>Power Selection Available</source>
        <translation>Seleção de potência disponível</translation>
    </message>
    <message>
        <source>Backlight Button Available</source>
        <translation>Botão de retroiluminação disponível</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>Ativar modo de programação</translation>
    </message>
    <message>
        <source>Call Not Available</source>
        <translation>Chamada indisponível</translation>
    </message>
    <message>
        <source>Monitor Not Available</source>
        <translation>Monitor indisponível</translation>
    </message>
    <message>
        <source>Keypad Lock Not Available</source>
        <translation>Bloqueio do teclado indisponível</translation>
    </message>
    <message>
        <source>Repeater Not Available</source>
        <translation>Repetidor indisponível</translation>
    </message>
    <message>
        <source>Channel Disabling Available</source>
        <translation>Desativação de canais disponível</translation>
    </message>
    <message>
        <source>Talkaround Scan Available</source>
        <translation>Varrimento de direto disponível</translation>
    </message>
    <message>
        <source>Channel Announcement Available</source>
        <translation>Anúncio de canal disponível</translation>
    </message>
    <message>
        <source>Codeplug Password (4-digit number)</source>
        <translation>Palavra-passe do codeplug (4 algarismos)</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>Desativar todos os LED</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>Desativar reposição de fábrica</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Retroiluminação</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>Temporizador de TX, TOT (s)</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>Rajada inversa PL</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>Nível VOX</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>Nível iVOX</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>Ganho do microfone</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>Ganho do microfone externo</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>Seleção de bateria alternativa</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>Desativar poupança de bateria</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>Botão lateral 1 (SB1)</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>Botão lateral 2 (SB2)</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Botão A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Botão B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>Botão C</translation>
    </message>
    <message>
        <source>Number of Channels</source>
        <translation>Número de canais</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>Idioma do anúncio de canal</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>Código PL 124 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>Código PL 125 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>Código PL 126 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>Código PL 127 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>Código PL 128 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>Código PL 129 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>Código PL 214 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>Código PL 215 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>Código PL 216 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>Código PL 217 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>Código PL 218 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>Código PL 219 (OCT)</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>Texto de arranque</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Tom Roger</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>Botão de cifragem</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>Retroiluminação (s)</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>Tom de chamada</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>Bloqueio do teclado</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>Som do teclado</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>ID da estação repetidora</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>Modo de ID do repetidor</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>Tempo de retenção TX (s)</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>TX com bateria fraca (min)</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>Tom de alerta de bateria</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>Ativar tom de cortesia</translation>
    </message>
    <message>
        <source>Preset Channel</source>
        <translation>Canal predefinido</translation>
    </message>
    <message>
        <source>Receive Frequency</source>
        <translation>Frequência de receção</translation>
    </message>
    <message>
        <source>Receive PL/DPL Code</source>
        <translation>Código PL/DPL de receção</translation>
    </message>
    <message>
        <source>Transmit Frequency</source>
        <translation>Frequência de transmissão</translation>
    </message>
    <message>
        <source>Transmit PL/DPL Code</source>
        <translation>Código PL/DPL de transmissão</translation>
    </message>
    <message>
        <source>Receive Bandwidth (0 12.5 KHz, 1 25 KHz)</source>
        <translation>Largura de banda de receção (0 12,5 kHz, 1 25 kHz)</translation>
    </message>
    <message>
        <source>Transmit Bandwidth (0 12.5 KHz, 1 25 KHz)</source>
        <translation>Largura de banda de transmissão (0 12,5 kHz, 1 25 kHz)</translation>
    </message>
    <message>
        <source>Talkaround Power (0 low, 1 high)</source>
        <translation>Potência em direto (0 baixa, 1 alta)</translation>
    </message>
    <message>
        <source>Repeater Power (0 low, 1 high)</source>
        <translation>Potência com repetidor (0 baixa, 1 alta)</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Repetidor</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Varrimento automático</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Cifragem de voz</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>Desativar canal</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>Varrimento dinâmico de direto</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Lista de varrimento</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequência</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Largura de banda</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Nível de potência</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Compansor</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Informações do rádio</translation>
    </message>
    <message>
        <source>Radio Limits</source>
        <translation>Limites do rádio</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Predefinição</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
</context>
<context>
    <name>ProfileFileCheck</name>
    <message>
        <source>The CPS does not support this profile&apos;s region.</source>
        <translation>O CPS não suporta a região deste perfil.</translation>
    </message>
    <message>
        <source> Please use the &quot;%1&quot;.</source>
        <translation> Utilize o &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>Frequência inválida.</translation>
    </message>
    <message>
        <source>Codeplug version of CPS and profile are incompatible! Please update your CPS.</source>
        <translation>As versões de codeplug do CPS e do perfil são incompatíveis. Atualize o CPS.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Não é possível abrir o ficheiro &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The profile holds a value the CPS cannot set: %1 is &quot;%2&quot;, where %3 may be chosen. Please correct the file.</source>
        <translation>O perfil contém um valor que o CPS não pode definir: %1 é &quot;%2&quot;, quando se pode escolher %3. Corrija o ficheiro.</translation>
    </message>
</context>
<context>
    <name>RadioBackups</name>
    <message>
        <source>The radio backup folder %1 cannot be written: %2</source>
        <translation>Não é possível escrever na pasta de cópias de segurança de rádios %1: %2</translation>
    </message>
    <message>
        <source>%1 is no radio backup: it cannot be opened as one.</source>
        <translation>%1 não é uma cópia de segurança de rádio: não pode ser aberto como tal.</translation>
    </message>
    <message>
        <source>%1 is no radio backup of this program.</source>
        <translation>%1 não é uma cópia de segurança de rádio deste programa.</translation>
    </message>
    <message>
        <source>The radio backup %1 is damaged; it is not written to a radio.</source>
        <translation>A cópia de segurança do rádio %1 está danificada; não é escrita em nenhum rádio.</translation>
    </message>
    <message>
        <source>The radio backup folder %1 cannot be made: %2</source>
        <translation>Não é possível criar a pasta de cópias de segurança de rádios %1: %2</translation>
    </message>
    <message>
        <source>The radio backup %1 cannot be written: %2</source>
        <translation>Não é possível escrever a cópia de segurança do rádio %1: %2</translation>
    </message>
</context>
<context>
    <name>RadioChecks</name>
    <message>
        <source>The current profile is not compatible with the radio.</source>
        <translation>O perfil atual não é compatível com o rádio.</translation>
    </message>
    <message>
        <source>When converting from high-tier radio to low-tier radio, some data may be lost. Do you want to continue?</source>
        <translation>Ao converter de um rádio de gama alta para um de gama baixa, podem perder-se alguns dados. Pretende continuar?</translation>
    </message>
    <message>
        <source>The CPS does not support this radio model.</source>
        <translation>O CPS não suporta este modelo de rádio.</translation>
    </message>
    <message>
        <source>The CPS does not support this radio&apos;s region.</source>
        <translation>O CPS não suporta a região deste rádio.</translation>
    </message>
    <message>
        <source> Please use the &quot;%1&quot;.</source>
        <translation> Utilize o &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Codeplug version of CPS and radio are incompatible! Please update your CPS.</source>
        <translation>As versões de codeplug do CPS e do rádio são incompatíveis. Atualize o CPS.</translation>
    </message>
    <message>
        <source>The radio being programmed does not match the model in the current profile.</source>
        <translation>O rádio a programar não corresponde ao modelo do perfil atual.</translation>
    </message>
    <message>
        <source>Invalid frequency: This frequency is not supported by this radio.</source>
        <translation>Frequência inválida: este rádio não suporta esta frequência.</translation>
    </message>
    <message>
        <source>Some profile information is not supported by the host radio and therefore will not be transferred(PL/DPL Code). </source>
        <translation>O rádio não suporta algumas informações do perfil, que por isso não serão transferidas (código PL/DPL). </translation>
    </message>
    <message>
        <source>The radio you are programing has a lower version codeplug, some new features can not be used after writing.</source>
        <translation>O rádio que está a programar tem uma versão de codeplug anterior; algumas funções novas não poderão ser utilizadas após a escrita.</translation>
    </message>
    <message>
        <source>Error: Communication Error.</source>
        <translation>Erro: erro de comunicação.</translation>
    </message>
    <message>
        <source>Error: Operation Failed (%1).</source>
        <translation>Erro: a operação falhou (%1).</translation>
    </message>
    <message>
        <source>Radio&apos;s memory is corrupted. Please perform factory reset to correct the error.</source>
        <translation>A memória do rádio está danificada. Reponha as predefinições de fábrica para corrigir o erro.</translation>
    </message>
    <message>
        <source>Radio&apos;s memory is corrupted. Please return to manufacture for correction.</source>
        <translation>A memória do rádio está danificada. Envie-o ao fabricante para reparação.</translation>
    </message>
    <message>
        <source>Unknown warning!</source>
        <translation>Aviso desconhecido.</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Aviso: %1</translation>
    </message>
    <message>
        <source>No programming cable was found.</source>
        <translation>Não foi encontrado nenhum cabo de programação.</translation>
    </message>
    <message>
        <source>The programming cable is in use by another program.</source>
        <translation>O cabo de programação está a ser utilizado por outro programa.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Customer Handout</source>
        <translation>Folha para o cliente</translation>
    </message>
    <message>
        <source>Detailed Report</source>
        <translation>Relatório detalhado</translation>
    </message>
    <message>
        <source>Error: Load dealer information failed.</source>
        <translation>Erro: não foi possível carregar as informações do revendedor.</translation>
    </message>
    <message>
        <source>2W limit</source>
        <translation>Limite de 2 W</translation>
    </message>
    <message>
        <source>The e-mail program xdg-email is not available, you need to install it (xdg-utils) and a mail program to send an e-mail.</source>
        <translation>O programa de correio xdg-email não está disponível. Para enviar uma mensagem de correio eletrónico, instale-o (xdg-utils) juntamente com um programa de correio.</translation>
    </message>
    <message>
        <source>User selectable with %1 KHz as default</source>
        <translation>Selecionável, %1 kHz por predefinição</translation>
    </message>
    <message>
        <source>%1 KHz only</source>
        <translation>Apenas %1 kHz</translation>
    </message>
    <message>
        <source>%1 KHz</source>
        <translation>%1 kHz</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Botão A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Botão B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>Botão C</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>Código PL 214 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>Código PL 215 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>Código PL 216 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>Código PL 217 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>Código PL 218 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>Código PL 219 (OCT)</translation>
    </message>
    <message>
        <source>Scan List Members</source>
        <translation>Membros da lista de varrimento</translation>
    </message>
    <message>
        <source>Scramble Code 1</source>
        <translation>Código de cifragem 1</translation>
    </message>
    <message>
        <source>Scramble Code 2</source>
        <translation>Código de cifragem 2</translation>
    </message>
    <message>
        <source>Scramble Code 3</source>
        <translation>Código de cifragem 3</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>Botão lateral 1 (SB1)</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>Botão lateral 2 (SB2)</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>Varrimento dinâmico de direto</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>Idioma do anúncio de canal</translation>
    </message>
    <message>
        <source>High power only</source>
        <translation>Apenas potência alta</translation>
    </message>
    <message>
        <source>User selectable with high power as default</source>
        <translation>Selecionável, potência alta por predefinição</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15 min</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>Tom de chamada</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Predefinição 1</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Predefinição 2</translation>
    </message>
    <message>
        <source>Scan/Nuisance Channel Delete</source>
        <translation>Varrimento/Eliminar canal incómodo</translation>
    </message>
    <message>
        <source>No Operation</source>
        <translation>Sem função</translation>
    </message>
    <message>
        <source>Tx Power Selection</source>
        <translation>Seleção de potência TX</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>Ganho do microfone externo</translation>
    </message>
    <message>
        <source>After conversation</source>
        <translation>Após a conversa</translation>
    </message>
    <message>
        <source>Alkaline</source>
        <translation>Alcalina</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>Seleção de bateria alternativa</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Definições de áudio</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Varrimento automático</translation>
    </message>
    <message>
        <source>Available Channels</source>
        <translation>Canais disponíveis</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>Retroiluminação (s)</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Retroiluminação</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Largura de banda</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Botões</translation>
    </message>
    <message>
        <source>Channel #</source>
        <translation>N.º do canal</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Versão do codeplug</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>PL personalizado</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Compansor</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>DPL personalizado</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>Desativar todos os LED</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>Desativar poupança de bateria</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>Desativar reposição de fábrica</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>Desativar canal</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>Ativar tom de cortesia</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>Ativar modo de programação</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Versão do firmware</translation>
    </message>
    <message>
        <source>Frequency Range (MHz)</source>
        <translation>Gama de frequências (MHz)</translation>
    </message>
    <message>
        <source>Frequency(Index)</source>
        <translation>Frequência (índice)</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequência</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Definições gerais</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>Nível iVOX</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>Som do teclado</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>Bloqueio do teclado</translation>
    </message>
    <message>
        <source>Low power only</source>
        <translation>Apenas potência baixa</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baixo</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>Máximo de canais</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>Ganho do microfone</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Nickel/LiIon</source>
        <translation>Níquel/Li-ion</translation>
    </message>
    <message>
        <source>No PL/DPL code</source>
        <translation>Sem código PL/DPL</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>Tom de alerta de bateria</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>Lig./Desl.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Fora do intervalo</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>Código PL 124 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>Código PL 125 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>Código PL 126 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>Código PL 127 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>Código PL 128 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>Código PL 129 (Hz)</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>Rajada inversa PL</translation>
    </message>
    <message>
        <source>PL/DPL Code</source>
        <translation>Código PL/DPL</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Nível de potência</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>Texto de arranque</translation>
    </message>
    <message>
        <source>Preset 1 Channel</source>
        <translation>Canal predefinido 1</translation>
    </message>
    <message>
        <source>Preset 2 Channel</source>
        <translation>Canal predefinido 2</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Informações do rádio</translation>
    </message>
    <message>
        <source>Receive/Transmit</source>
        <translation>Receção/Transmissão</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Receção</translation>
    </message>
    <message>
        <source>Regional Code</source>
        <translation>Código regional</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>Modo de ID do repetidor</translation>
    </message>
    <message>
        <source>Repeater Power</source>
        <translation>Potência via repetidor</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>ID da estação repetidora</translation>
    </message>
    <message>
        <source>Repeater/Talkaround</source>
        <translation>Repetidor/Direto</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Repetidor</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Tom Roger</translation>
    </message>
    <message>
        <source>Rx Frequency Range (MHz)</source>
        <translation>Gama de frequências RX (MHz)</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Lista de varrimento</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>Botão de cifragem</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Cifragem de voz</translation>
    </message>
    <message>
        <source>Selectable</source>
        <translation>Selecionável</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <source>Talkaround Power</source>
        <translation>Potência em direto</translation>
    </message>
    <message>
        <source>Transmit Power</source>
        <translation>Potência de transmissão</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>Temporizador de TX, TOT (s)</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Transmissão</translation>
    </message>
    <message>
        <source>Tx Frequency Range (MHz)</source>
        <translation>Gama de frequências TX (MHz)</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>Tempo de retenção TX (s)</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>TX com bateria fraca (min)</translation>
    </message>
    <message>
        <source>User selectable with low power as default</source>
        <translation>Selecionável, potência baixa por predefinição</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>Nível VOX</translation>
    </message>
    <message>
        <source>45 min</source>
        <translation>45 min</translation>
    </message>
    <message>
        <source>60 min</source>
        <translation>60 min</translation>
    </message>
    <message>
        <source>Accessory Jack</source>
        <translation>Conector de acessórios</translation>
    </message>
    <message>
        <source>Channel Selector</source>
        <translation>Seletor de canais</translation>
    </message>
    <message>
        <source>QA310</source>
        <translation>QA310</translation>
    </message>
    <message>
        <source>Down Button:</source>
        <translation>Botão Baixo:</translation>
    </message>
    <message>
        <source>Li-Ion Battery Pack</source>
        <translation>Bateria de iões de lítio</translation>
    </message>
    <message>
        <source>Menu Button:</source>
        <translation>Botão Menu:</translation>
    </message>
    <message>
        <source>Menu Mode</source>
        <translation>Modo de menu</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfone</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Número de modelo</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Power/Volume Knob</source>
        <translation>Botão de ligar/volume</translation>
    </message>
    <message>
        <source>Push-to-Talk (PTT)</source>
        <translation>Premir para falar (PTT)</translation>
    </message>
    <message>
        <source>KVX</source>
        <translation>KVX</translation>
    </message>
    <message>
        <source>Scroll down the menu items/change channel</source>
        <translation>Descer no menu/mudar de canal</translation>
    </message>
    <message>
        <source>Scroll up the menu items/change channel</source>
        <translation>Subir no menu/mudar de canal</translation>
    </message>
    <message>
        <source>QB420</source>
        <translation>QB420</translation>
    </message>
    <message>
        <source>Spring Action Belt Clip</source>
        <translation>Mola de cinto</translation>
    </message>
    <message>
        <source>Tri-Color LED</source>
        <translation>LED tricolor</translation>
    </message>
    <message>
        <source>Up Button:</source>
        <translation>Botão Cima:</translation>
    </message>
    <message>
        <source>ZWTa</source>
        <translation>ZWTa</translation>
    </message>
    <message>
        <source>KVM</source>
        <translation>KVM</translation>
    </message>
    <message>
        <source>Failed to generate report.</source>
        <translation>Não foi possível gerar o relatório.</translation>
    </message>
    <message>
        <source>(default)</source>
        <translation>(predefinido)</translation>
    </message>
    <message>
        <source>The e-mail program xdg-email failed with exit status %1.</source>
        <translation>O programa de correio eletrónico xdg-email falhou com o código de saída %1.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Não é um ficheiro normal</translation>
    </message>
    <message>
        <source>Too large: %1 bytes, where at most %2 are read</source>
        <translation>Demasiado grande: %1 bytes, quando se leem no máximo %2</translation>
    </message>
    <message>
        <source>Damaged: UTF-16 text of an odd number of bytes</source>
        <translation>Danificado: texto UTF-16 com um número ímpar de bytes</translation>
    </message>
</context>
<context>
    <name>ScriptHost</name>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: 0
%1 is not a function in the hook script</source>
        <translation>IActiveScriptSite::OnScriptError()
Linha: 0
%1 não é uma função do script de ligação</translation>
    </message>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: 0
The hook %1 ran longer than %2 ms and was stopped.</source>
        <translation>IActiveScriptSite::OnScriptError()
Linha: 0
A ligação %1 foi executada durante mais de %2 ms e foi interrompida.</translation>
    </message>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: %1
%2</source>
        <translation>IActiveScriptSite::OnScriptError()
Linha: %1
%2</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>The value is not valid.</source>
        <translation>O valor não é válido.</translation>
    </message>
    <message>
        <source>A channel name must have 1 to 8 characters. Please enter another name.</source>
        <translation>O nome de um canal deve ter entre 1 e 8 carateres. Introduza outro nome.</translation>
    </message>
    <message>
        <source>Another channel already has this name. Please enter a different name.</source>
        <translation>Já existe outro canal com este nome. Introduza um nome diferente.</translation>
    </message>
    <message>
        <source>A channel name can only contain letters, digits, blanks and the punctuation marks of a standard keyboard. Please enter another name.</source>
        <translation>O nome de um canal só pode conter letras, algarismos, espaços e os sinais de pontuação de um teclado normal. Introduza outro nome.</translation>
    </message>
    <message>
        <source>The codeplug password must be exactly 4 digits, or empty for no password.</source>
        <translation>A palavra-passe do codeplug tem de ter exatamente 4 algarismos, ou ficar vazia para não ter palavra-passe.</translation>
    </message>
    <message>
        <source>The power up text can have at most 8 characters, each one of: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</source>
        <translation>O texto de arranque pode ter no máximo 8 carateres, cada um de entre: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</translation>
    </message>
    <message>
        <source>The repeater station ID can have at most 9 characters, letters and digits only.</source>
        <translation>O ID da estação repetidora pode ter no máximo 9 carateres, só letras e algarismos.</translation>
    </message>
    <message>
        <source>The Tx hang time must be a whole number of seconds from 0 to 50.</source>
        <translation>O tempo de retenção TX tem de ser um número inteiro de segundos entre 0 e 50.</translation>
    </message>
    <message>
        <source>The Tx low battery time must be a whole number of minutes from 0 to 255.</source>
        <translation>O tempo de TX com bateria fraca tem de ser um número inteiro de minutos entre 0 e 255.</translation>
    </message>
    <message>
        <source>A customized PL tone must be from 67.0 to 255.0 Hz.</source>
        <translation>Um tom PL personalizado tem de estar entre 67,0 e 255,0 Hz.</translation>
    </message>
    <message>
        <source>A customized DPL code must be an octal code from 001 to 777.</source>
        <translation>Um código DPL personalizado tem de ser um código octal entre 001 e 777.</translation>
    </message>
    <message>
        <source>One feature can not be assigned to multiple buttons. Choose another feature, or first remove this one from the button that has it.</source>
        <translation>Não é possível atribuir a mesma função a vários botões. Escolha outra função ou retire-a primeiro do botão que a tem.</translation>
    </message>
    <message>
        <source>This radio model does not support this PL/DPL code. Please choose another code.</source>
        <translation>Este modelo de rádio não suporta este código PL/DPL. Escolha outro código.</translation>
    </message>
    <message>
        <source>A preset can only use an enabled channel of this profile. Please choose another channel.</source>
        <translation>Uma predefinição só pode utilizar um canal ativado deste perfil. Escolha outro canal.</translation>
    </message>
    <message>
        <source>This is the last enabled channel and can not be disabled. Enable another channel first.</source>
        <translation>Este é o último canal ativado e não pode ser desativado. Ative primeiro outro canal.</translation>
    </message>
    <message>
        <source>This frequency is not in the RF frequency table. Please choose a frequency of the table.</source>
        <translation>Esta frequência não está na tabela de frequências RF. Escolha uma frequência da tabela.</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Deleting it moves the preset to another channel. Do you want to continue?</source>
        <translation>Este canal está atribuído a um botão de canal predefinido. Se o eliminar, a predefinição passa para outro canal. Pretende continuar?</translation>
    </message>
    <message>
        <source>This channel can not be deleted: at least one enabled channel must remain.</source>
        <translation>Não é possível eliminar este canal: tem de ficar pelo menos um canal ativado.</translation>
    </message>
    <message>
        <source>The RF frequency table is full (99 frequencies). Delete a frequency that no channel uses before adding another one.</source>
        <translation>A tabela de frequências RF está cheia (99 frequências). Elimine uma frequência que nenhum canal utilize antes de adicionar outra.</translation>
    </message>
    <message>
        <source>This frequency is already in the RF frequency table. Please enter a different frequency.</source>
        <translation>Esta frequência já está na tabela de frequências RF. Introduza uma frequência diferente.</translation>
    </message>
    <message>
        <source>This frequency is outside the frequency range of the radio (see Radio Information). Please enter a frequency within the range.</source>
        <translation>Esta frequência está fora da gama de frequências do rádio (consulte Informações do rádio). Introduza uma frequência dentro da gama.</translation>
    </message>
    <message>
        <source>MURS frequencies (151.820, 151.880, 151.940, 154.570 and 154.600 MHz) can not be programmed. Please enter a different frequency.</source>
        <translation>As frequências MURS (151.820, 151.880, 151.940, 154.570 e 154.600 MHz) não podem ser programadas. Introduza uma frequência diferente.</translation>
    </message>
    <message>
        <source>This frequency is used by a channel and can not be deleted. Give the channel another frequency first.</source>
        <translation>Esta frequência é utilizada por um canal e não pode ser eliminada. Atribua primeiro outra frequência ao canal.</translation>
    </message>
    <message>
        <source>Channels use this frequency. Changing its bandwidth or power level also changes the bandwidth and power of these channels. Do you want to continue?</source>
        <translation>Há canais que utilizam esta frequência. Alterar a largura de banda ou o nível de potência também altera a largura de banda e a potência desses canais. Pretende continuar?</translation>
    </message>
    <message>
        <source>25 KHz channel spacing is not permitted in this radio&apos;s region. Please select &quot;12.5 KHz only&quot;.</source>
        <translation>O espaçamento entre canais de 25 kHz não é permitido na região deste rádio. Selecione &quot;Apenas 12,5 kHz&quot;.</translation>
    </message>
    <message>
        <source>The frequency, bandwidth, power level or compander value is not valid.</source>
        <translation>O valor de frequência, largura de banda, nível de potência ou compansor não é válido.</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>Programming error: 107.</source>
        <translation>Erro de programação: 107.</translation>
    </message>
    <message>
        <source>Programming error: 108.</source>
        <translation>Erro de programação: 108.</translation>
    </message>
    <message>
        <source>Fatal error: 102.
Please uninstall and re-install CPS.</source>
        <translation>Erro fatal: 102.
Desinstale e volte a instalar o CPS.</translation>
    </message>
    <message>
        <source>Invalid profile.</source>
        <translation>Perfil inválido.</translation>
    </message>
    <message>
        <source>Failed to load profile.</source>
        <translation>Não foi possível carregar o perfil.</translation>
    </message>
    <message>
        <source>Fatal error: 101.</source>
        <translation>Erro fatal: 101.</translation>
    </message>
    <message>
        <source>File format error. Failed to save.</source>
        <translation>Erro de formato do ficheiro. Não foi possível guardar.</translation>
    </message>
    <message>
        <source>Some files needed by CPS are not available.
Please reinstall CPS.</source>
        <translation>Faltam alguns ficheiros necessários ao CPS.
Volte a instalar o CPS.</translation>
    </message>
</context>
<context>
    <name>SupportBundle</name>
    <message>
        <source>the archive could not be made</source>
        <translation>não foi possível criar o arquivo</translation>
    </message>
</context>
<context>
    <name>TransmitPower</name>
    <message>
        <source>Low</source>
        <translation>Baixa</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
</context>
</TS>
